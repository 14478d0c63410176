#include "editing/Auswahlwerkzeug.h"

#include "editing/Interaktion.h"
#include "main/Fensterdienste.h"
#include "model/Zeichnung.h"
#include "text/Qtext.h"
#include "view/Maler.h"
#include "view/MyDraw.h"
#include "view/Textsatz.h"

#include <QMouseEvent>

Modusmerkmale Auswahlwerkzeug::Merkmale(Modus m) const {
    Modusmerkmale mm;
    mm.Stift = Modusmerkmale::Stiftart::Neutral;
    if (m == Modus::Kandidaten) {
        mm.Statustext = "s21";
        return mm;
    }
    mm.Statustext = "s19";
    mm.KnoepfeLoesen = true;
    mm.Zeiger = Modusmerkmale::Zeigerart::Pfeil;
    mm.KreuzWeg = true;
    return mm;
}

void Auswahlwerkzeug::Bewegen(QMouseEvent& e) {
    if (f_.AktuellerModus() == Modus::Auswahl) f_.Zustand().Mauspunkt = e.position().toPoint();
}

void Auswahlwerkzeug::Zeigen(int i) {
    if (i <= 0) return;
    Leinwand& l = f_.Flaeche().Flaeche();
    const Stift stift = l.Zustand;
    f_.Painter().ElementZeichnen(i);
    l.Zustand = stift;
}

void Auswahlwerkzeug::Klicken() {
    if (f_.AktuellerModus() != Modus::Auswahl) return;
    vektra::Zeichnung& z = f_.Dokument();
    const QPoint p = f_.Zustand().Mauspunkt;
    if (z.Elemente.Anzahl() == 0 && !wahl_.ignoriereKlick()) return;
    const int zahl = wahl_.Klick(z.Elemente, f_.Sicht(), p.x(), p.y(), z.Kopf.Pickabstand, f_.Painter().Satz);
    if (zahl == 0) return;
    Zeigen(wahl_.aktuellerKandidat());
    f_.ModusSetzen(Modus::Kandidaten);
    f_.StatusSetzen(0, Tq("s27") + QString::number(zahl) + Tq("s28"));
}

void Auswahlwerkzeug::Druecken(QMouseEvent& e) {
    if (f_.AktuellerModus() != Modus::Kandidaten) return;
    vektra::Elementspeicher& s = f_.Dokument().Elemente;
    const auto schritt = e.button() == Qt::RightButton ? wahl_.Ablehnen(s) : wahl_.Annehmen(s);
    Zeigen(schritt.abgegeben);
    Zeigen(schritt.angeboten);
    if (schritt.beendet) f_.ModusSetzen(Modus::Auswahl);
}
