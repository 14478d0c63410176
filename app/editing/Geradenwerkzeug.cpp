#include "editing/Geradenwerkzeug.h"

#include "curves/Musterfiguren.h"
#include "curves/Schrittleiste.h"
#include "editing/Gummiband.h"
#include "editing/Interaktion.h"
#include "editing/Zeichnen.h"
#include "main/Fensterdienste.h"
#include "model/Zeichnung.h"
#include "view/Ansicht.h"
#include "view/Maler.h"

#include <QMouseEvent>

Geradenwerkzeug::Geradenwerkzeug(Fensterdienste& fenster, const Schrittleiste& schritte,
                                 std::function<void()> kurventypLaenge)
    : Werkzeug(fenster), schritte_(schritte), kurventypLaenge_(std::move(kurventypLaenge)) {}

Modusmerkmale Geradenwerkzeug::Merkmale(Modus m) const {
    Modusmerkmale mm;
    mm.Zeiger = Modusmerkmale::Zeigerart::Kreuz;
    mm.Stift = Modusmerkmale::Stiftart::Zeichnen;
    mm.KreuzNeu = true;
    mm.Strichfelder = m != Modus::Linie;
    mm.Statustext = m == Modus::Pfeil ? "s14" : m == Modus::Rechteck ? "s13" : "s12";
    return mm;
}

void Geradenwerkzeug::Betreten(Modus m) {
    if (m != Modus::Linie && kurventypLaenge_) kurventypLaenge_();
}

// A band left on the surface by a gesture that a mode change broke off is taken off.
void Geradenwerkzeug::Verlassen() {
    Gummiband& b = f_.Zustand().Band;
    if (!b.aktiv) return;
    BandZeichnen(f_);
    b.aktiv = false;
}

void Geradenwerkzeug::Druecken(QMouseEvent& e) {
    if (e.button() != Qt::LeftButton) return;
    Maler& maler = f_.Painter();
    maler.Figur = f_.AktuellerModus() == Modus::Rechteck ? Maler::FigurRechteck : Maler::FigurLinie;
    maler.FadenkreuzLoeschen();
    const QPoint p = Einrasten(f_, e.position().toPoint());
    BandBeginnen(f_, p);
    maler.FadenkreuzZeichnen(p);
    f_.Zustand().letzteKreuzposition = p;
}

void Geradenwerkzeug::Bewegen(QMouseEvent& e) {
    if (const auto p = KreuzVerfolgen(f_, e.position().toPoint())) BandFolgen(f_, *p);
}

void Geradenwerkzeug::NachNeuzeichnen() {
    if (f_.Zustand().Band.aktiv) BandZeichnen(f_);
}

void Geradenwerkzeug::Loslassen(QMouseEvent& e) {
    Gummiband& b = f_.Zustand().Band;
    if (!b.aktiv) return;
    const QPoint p = Einrasten(f_, e.position().toPoint());
    f_.Painter().FadenkreuzLoeschen();
    BandZeichnen(f_);
    b.aktiv = false;

    const Modus m = f_.AktuellerModus();
    const bool leer = m == Modus::Rechteck ? p.x() == b.start.x() || p.y() == b.start.y() : p == b.start;
    if (leer) {
        f_.Painter().FadenkreuzZeichnen(p);
        f_.Zustand().letzteKreuzposition = p;
        return;
    }
    const vektra::Ansicht& v = f_.Sicht();
    const double x1 = v.PixelNachX(b.start.x()), y1 = v.PixelNachY(b.start.y());
    const double x2 = v.PixelNachX(p.x()), y2 = v.PixelNachY(p.y());
    vektra::Zeichnung& z = f_.Dokument();
    // The figure, an arrow's shaft and head together, is one step.
    const vektra::Bearbeitung schritt(z, vektra::Schrittart::Zeichnen);
    const int vorher = z.Elemente.Anzahl();
    bool neuZeichnen = false;
    if (m == Modus::Linie) {
        if (!vektra::LinieAnlegen(z, x1, y1, x2, y2)) vektra::SpeicherVollMelden(f_);
    } else {
        // The plotter may take a while; pointer events meanwhile are dropped.
        Maler& maler = f_.Painter();
        maler.zeichnetGerade = true;
        const vektra::Schrittwerte w = schritte_.Werte();
        const vektra::Musterergebnis r = m == Modus::Rechteck
                                             ? vektra::MusterRechteck(z, w, x1, y1, x2, y2, f_)
                                             : vektra::MusterLinie(z, w, x1, y1, x2, y2, f_);
        maler.zeichnetGerade = false;
        neuZeichnen = r.NeuZeichnen;
        // An arrow is the shaft and both strokes of its head, or nothing.
        if (m == Modus::Pfeil && r.Fertig && !vektra::PfeilspitzenAnlegen(z, x1, y1, x2, y2, f_))
            z.Elemente.Kuerzen(vorher);
    }
    NeueZeigen(vorher + 1, neuZeichnen, p);
}
