#include "editing/Verschiebewerkzeug.h"

#include "editing/Gummiband.h"
#include "editing/Interaktion.h"
#include "editing/Transformieren.h"
#include "main/Fensterdienste.h"
#include "model/Zeichnung.h"
#include "view/Ansicht.h"
#include "view/Maler.h"
#include "view/MyDraw.h"
#include "view/Textsatz.h"

#include <QMouseEvent>

namespace {

// Typeset texts show their boxes while they are dragged.
void Textrahmen(Fensterdienste& f) {
    if (const Textsatz* satz = f.Painter().Satz) satz->RahmenZeichnen(f.Flaeche().Flaeche());
}

} // namespace

Modusmerkmale Verschiebewerkzeug::Merkmale(Modus) const {
    Modusmerkmale mm;
    mm.Statustext = "s22";
    mm.KnoepfeLoesen = true;
    mm.Zeiger = Modusmerkmale::Zeigerart::Kreuz;
    return mm;
}

// A drag broken off by a change of mode ends as a release would: its step is recorded, the
// painter draws normally again and the picture shows where everything is.
void Verschiebewerkzeug::Verlassen() {
    zug_.reset();
    Maler& maler = f_.Painter();
    if (!maler.XorModus) return;
    maler.XorModus = false;
    f_.zeichneneu();
}

void Verschiebewerkzeug::Druecken(QMouseEvent& e) {
    f_.Zustand().Band.aktiv = false;
    f_.Painter().XorModus = true;
    Textrahmen(f_);
    Verschiebeanker = Einrasten(f_, e.position().toPoint());
    zug_.emplace(f_.Dokument(), vektra::Schrittart::Verschieben);
}

void Verschiebewerkzeug::Bewegen(QMouseEvent& e) {
    const auto p = KreuzVerfolgen(f_, e.position().toPoint());
    if (!p || !f_.Painter().XorModus || *p == Verschiebeanker) return;
    const vektra::Ansicht& v = f_.Sicht();
    const double dx = v.PixelNachX(p->x()) - v.PixelNachX(Verschiebeanker.x());
    const double dy = v.PixelNachY(p->y()) - v.PixelNachY(Verschiebeanker.y());
    f_.Painter().GepickteFigurenZeichnen();
    Textrahmen(f_);
    vektra::Verschieben(f_.Dokument(), dx, dy);
    f_.Painter().GepickteFigurenZeichnen();
    Textrahmen(f_);
    Verschiebeanker = *p;
}

void Verschiebewerkzeug::Loslassen(QMouseEvent&) {
    Maler& maler = f_.Painter();
    f_.Zustand().ignoriereBewegung = true;
    maler.FadenkreuzLoeschen();
    maler.XorModus = false;
    zug_.reset();
    f_.zeichneneu();
}
