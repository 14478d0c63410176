#include "editing/Textwerkzeug.h"

#include "editing/Gummiband.h"
#include "editing/Interaktion.h"
#include "editing/TTextein.h"
#include "editing/Zeichnen.h"
#include "main/Fensterdienste.h"
#include "model/Zeichnung.h"
#include "view/Ansicht.h"
#include "view/Maler.h"
#include "view/MyDraw.h"

#include <QDialog>
#include <QMouseEvent>

Textwerkzeug::Textwerkzeug(Fensterdienste& fenster, TTextein& dialog) : Werkzeug(fenster), dialog_(dialog) {}

Modusmerkmale Textwerkzeug::Merkmale(Modus m) const {
    Modusmerkmale mm;
    if (m == Modus::TextWartet) return mm;
    mm.Statustext = "s18";
    mm.Zeiger = Modusmerkmale::Zeigerart::Kreuz;
    mm.Stift = Modusmerkmale::Stiftart::Zeichnen;
    mm.KreuzNeu = true;
    return mm;
}

void Textwerkzeug::Bewegen(QMouseEvent& e) {
    if (f_.AktuellerModus() == Modus::Text) KreuzVerfolgen(f_, e.position().toPoint());
}

void Textwerkzeug::Marke(QPoint p) {
    Leinwand& l = f_.Flaeche().Flaeche();
    const Stift gemerkt = l.Zustand;
    l.Zustand.Farbe = Qt::black;
    l.Zustand.Breite = 2;
    l.Zustand.Gepunktet = false;
    l.Zustand.NichtXor = true;
    {
        Leinwand::Stapel stapel(l);
        l.MoveTo(p.x() - 3, p.y());
        l.LineTo(p.x() + 3, p.y());
        l.MoveTo(p.x(), p.y() - 3);
        l.LineTo(p.x(), p.y() + 3);
    }
    l.Zustand = gemerkt;
}

void Textwerkzeug::Loslassen(QMouseEvent& e) {
    if (f_.AktuellerModus() != Modus::Text) return;
    vektra::Zeichnung& z = f_.Dokument();
    const vektra::Ansicht& v = f_.Sicht();
    const QPoint p = Einrasten(f_, e.position().toPoint());
    // The text with what the dialog gives it is one step; a cancelled one leaves none.
    const vektra::Bearbeitung schritt(z, vektra::Schrittart::Zeichnen);
    const int vorher = z.Elemente.Anzahl();
    vektra::TElement* neu = vektra::TextAnlegen(z, v.PixelNachX(p.x()), v.PixelNachY(p.y()));
    if (!neu) {
        vektra::SpeicherVollMelden(f_);
        f_.Zustand().ignoriereBewegung = true;
        return;
    }
    f_.Zustand().Mauspunkt = p;
    f_.Painter().FadenkreuzLoeschen();
    Marke(p);
    f_.ModusSetzen(Modus::TextWartet);
    dialog_.PositionSetzen(neu->x1, neu->y1);
    const unsigned generation = f_.Painter().Generation();
    const bool ok = f_.DialogAusfuehren(dialog_) == QDialog::Accepted;
    // A redraw while the dialog was open has already taken the mark off.
    if (f_.Painter().Generation() == generation) Marke(p);
    if (!ok) {
        z.Elemente.Kuerzen(vorher);
        f_.ModusSetzen(Modus::Text);
        f_.Painter().FadenkreuzLoeschen();
        f_.Zustand().ignoriereBewegung = true;
        return;
    }
    vektra::TElement& e2 = z.Elemente[vorher + 1];
    e2.x1 = dialog_.X();
    e2.y1 = dialog_.Y();
    e2.Text = dialog_.Text();
    if (const std::string a = dialog_.Ausrichtung(); !a.empty()) e2.Ausrichtung = a;
    f_.ModusSetzen(Modus::Text);
    NeueZeigen(vorher + 1, false, std::nullopt);
    f_.Zustand().ignoriereBewegung = true;
}
