#include "editing/Makropunktwerkzeug.h"

#include "editing/Gummiband.h"
#include "files/Makrobefehle.h"
#include "main/Fensterdienste.h"
#include "view/Ansicht.h"

#include <QMouseEvent>

Makropunktwerkzeug::Makropunktwerkzeug(Fensterdienste& fenster, Makrobefehle& makros)
    : Werkzeug(fenster), makros_(makros) {}

Modusmerkmale Makropunktwerkzeug::Merkmale(Modus m) const {
    Modusmerkmale mm;
    mm.Statustext = "s66";
    mm.Zeiger = Modusmerkmale::Zeigerart::Kreuz;
    mm.KreuzNeu = true;
    if (m == Modus::MakroEinfuegen) mm.Stift = Modusmerkmale::Stiftart::Neutral;
    return mm;
}

void Makropunktwerkzeug::Druecken(QMouseEvent&) {
    geklickt_ = false;
}

void Makropunktwerkzeug::Bewegen(QMouseEvent& e) {
    KreuzVerfolgen(f_, e.position().toPoint());
}

void Makropunktwerkzeug::Klicken() {
    geklickt_ = true;
}

// The point is the snapped pixel of the click, where the cross stands after the last move.
void Makropunktwerkzeug::Loslassen(QMouseEvent& e) {
    if (!geklickt_) return;
    geklickt_ = false;
    const QPoint p = Einrasten(f_, e.position().toPoint());
    const vektra::Ansicht& v = f_.Sicht();
    if (f_.AktuellerModus() == Modus::MakroSpeichern)
        makros_.Macroschreiben(v.PixelNachX(p.x()), v.PixelNachY(p.y()));
    else
        makros_.Macroeinfuegenclick(v.PixelNachX(p.x()), v.PixelNachY(p.y()));
}
