#include "editing/Flaechenwerkzeug.h"

#include "editing/Ansichtsbefehle.h"
#include "editing/Auswahl.h"
#include "editing/Gummiband.h"
#include "editing/Interaktion.h"
#include "main/Fensterdienste.h"
#include "model/Zeichnung.h"
#include "view/Maler.h"
#include "view/MyDraw.h"
#include "view/Textsatz.h"

#include <QMouseEvent>

Flaechenwerkzeug::Flaechenwerkzeug(Fensterdienste& fenster, Ansichtsbefehle& ansicht)
    : Werkzeug(fenster), ansicht_(ansicht) {}

Modusmerkmale Flaechenwerkzeug::Merkmale(Modus m) const {
    Modusmerkmale mm;
    mm.Statustext = m == Modus::Zoomflaeche ? "s24" : "s25";
    mm.KnoepfeLoesen = true;
    mm.Zeiger = Modusmerkmale::Zeigerart::Pfeil;
    mm.Stift = Modusmerkmale::Stiftart::Gepunktet;
    return mm;
}

void Flaechenwerkzeug::Verlassen() {
    Gummiband& b = f_.Zustand().Band;
    if (!b.aktiv) return;
    BandZeichnen(f_);
    b.aktiv = false;
}

void Flaechenwerkzeug::Druecken(QMouseEvent& e) {
    f_.Painter().Figur = Maler::FigurRechteck;
    BandBeginnen(f_, e.position().toPoint());
}

void Flaechenwerkzeug::Bewegen(QMouseEvent& e) {
    BandFolgen(f_, e.position().toPoint());
}

void Flaechenwerkzeug::NachNeuzeichnen() {
    if (f_.Zustand().Band.aktiv) BandZeichnen(f_);
}

void Flaechenwerkzeug::Loslassen(QMouseEvent& e) {
    Gummiband& b = f_.Zustand().Band;
    if (!b.aktiv) return;
    BandFolgen(f_, e.position().toPoint());
    BandZeichnen(f_);
    b.aktiv = false;
    if (f_.AktuellerModus() == Modus::Zoomflaeche) {
        f_.ModusSetzen(Modus::Neutral);
        ansicht_.Zoomflaeche(b.start, b.ende);
        return;
    }
    f_.ModusSetzen(Modus::Auswahl);
    const vektra::Pickflaeche flaeche =
        vektra::FlaecheAusPixeln(f_.Sicht(), b.start.x(), b.start.y(), b.ende.x(), b.ende.y());
    if (flaeche.xmin != flaeche.xmax && flaeche.ymin != flaeche.ymax) {
        vektra::FlaecheAuswaehlen(f_.Dokument().Elemente, flaeche, f_.Painter().Satz);
        f_.zeichneneu();
    }
    f_.ModusSetzen(Modus::Pickflaeche);
}
