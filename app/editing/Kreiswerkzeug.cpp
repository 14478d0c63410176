#include "editing/Kreiswerkzeug.h"

#include "curves/Musterfiguren.h"
#include "curves/Schrittleiste.h"
#include "curves/TKreisform.h"
#include "editing/Gummiband.h"
#include "editing/Interaktion.h"
#include "editing/Zeichnen.h"
#include "main/Fensterdienste.h"
#include "model/Zeichnung.h"
#include "view/Ansicht.h"
#include "view/Maler.h"

#include <QMouseEvent>

Kreiswerkzeug::Kreiswerkzeug(Fensterdienste& fenster, const Schrittleiste& schritte, TKreisform& bogen)
    : Werkzeug(fenster), schritte_(schritte), bogen_(bogen) {}

Modusmerkmale Kreiswerkzeug::Merkmale(Modus m) const {
    Modusmerkmale mm;
    mm.Zeiger = Modusmerkmale::Zeigerart::Kreuz;
    mm.Stift = Modusmerkmale::Stiftart::Zeichnen;
    mm.KreuzNeu = true;
    switch (m) {
    case Modus::Kreis:
        mm.Statustext = "s16";
        mm.Kreisgrenze = 6;
        break;
    case Modus::GefuellterKreis:
        mm.Statustext = "s15";
        mm.Kreisgrenze = 3;
        mm.GefuellterPinsel = true;
        break;
    default:
        mm.Statustext = "s17";
        mm.Kreisgrenze = 10000;
        mm.Strichfelder = true;
        break;
    }
    return mm;
}

void Kreiswerkzeug::Verlassen() {
    Gummiband& b = f_.Zustand().Band;
    if (!b.aktiv) return;
    BandZeichnen(f_);
    b.aktiv = false;
}

void Kreiswerkzeug::Druecken(QMouseEvent& e) {
    Maler& maler = f_.Painter();
    maler.Figur = Maler::FigurEllipse;
    if (e.button() != Qt::LeftButton) return;
    maler.FadenkreuzLoeschen();
    const QPoint p = Einrasten(f_, e.position().toPoint());
    BandBeginnen(f_, p);
    maler.FadenkreuzZeichnen(p);
    f_.Zustand().letzteKreuzposition = p;
}

void Kreiswerkzeug::Bewegen(QMouseEvent& e) {
    if (const auto p = KreuzVerfolgen(f_, e.position().toPoint())) BandFolgen(f_, *p);
}

void Kreiswerkzeug::NachNeuzeichnen() {
    if (f_.Zustand().Band.aktiv) BandZeichnen(f_);
}

void Kreiswerkzeug::Loslassen(QMouseEvent& e) {
    Gummiband& b = f_.Zustand().Band;
    if (!b.aktiv) return;
    const QPoint p = Einrasten(f_, e.position().toPoint());
    f_.Painter().FadenkreuzLoeschen();
    BandZeichnen(f_);
    b.aktiv = false;
    const QPoint mitte = b.start;
    if (p == mitte) {
        if (f_.AktuellerModus() == Modus::GrosserKreis) f_.ModusSetzen(Modus::GrosserKreis);
        f_.Painter().FadenkreuzZeichnen(p);
        f_.Zustand().letzteKreuzposition = p;
        return;
    }
    if (f_.AktuellerModus() == Modus::GrosserKreis) {
        Bogen(mitte, p);
        return;
    }
    const vektra::Ansicht& v = f_.Sicht();
    const double x = v.PixelNachX(mitte.x()), y = v.PixelNachY(mitte.y());
    const double r =
        vektra::Kreisradius(v.PixelNachX(p.x()) - x, v.PixelNachY(p.y()) - y, f_.Zustand().Kreisgrenze);
    vektra::Zeichnung& z = f_.Dokument();
    const int vorher = z.Elemente.Anzahl();
    if (!vektra::KreisAnlegen(z, x, y, 2 * r, f_.AktuellerModus() == Modus::GefuellterKreis))
        vektra::SpeicherVollMelden(f_);
    NeueZeigen(vorher + 1, false, p);
}

void Kreiswerkzeug::Bogen(QPoint mitte, QPoint p) {
    f_.DialogAusfuehren(bogen_);
    f_.Zustand().ignoriereBewegung = true;
    const vektra::Ansicht& v = f_.Sicht();
    vektra::Zeichnung& z = f_.Dokument();
    const int vorher = z.Elemente.Anzahl();
    Maler& maler = f_.Painter();
    maler.zeichnetGerade = true;
    const vektra::Musterergebnis r =
        vektra::MusterBogen(z, schritte_.Werte(), v.PixelNachX(mitte.x()), v.PixelNachY(mitte.y()),
                            v.PixelNachX(p.x()), v.PixelNachY(p.y()), bogen_.t0Text(), bogen_.t1Text(), f_);
    maler.zeichnetGerade = false;
    NeueZeigen(vorher + 1, r.NeuZeichnen, p);
}
