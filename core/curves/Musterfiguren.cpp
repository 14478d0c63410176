#include "curves/Musterfiguren.h"

#include "curves/Musterformeln.h"
#include "editing/Zeichnen.h"
#include "model/Zeichnung.h"

#include <span>

namespace vektra {
namespace {

Kurvenparameter Parameter(const Schrittwerte& w) {
    Kurvenparameter p;
    p.n = 0;
    p.Kontrollart = w.Kontrollart;
    p.Strichlaenge = w.Strichlaenge;
    p.Winkeldifferenz = w.Winkeldifferenz;
    p.Deltat = w.Deltat;
    p.Grenzwert = 10000.0;
    return p;
}

// Plots the pieces one after the other into one chord store and stores them in one pass.
Musterergebnis Plotten(Zeichnung& z, const Schrittwerte& w, std::span<const Formelpaar> stuecke,
                       const std::string& t0, const std::string& t1, Meldungen& m) {
    Kurvenplotter plotter;
    plotter.Skala = WirksamerMassstab(z.Kopf.Massstab);
    Kurvenparameter p = Parameter(w);
    p.t0Text = t0;
    p.t1Text = t1;
    for (const Formelpaar& f : stuecke) {
        p.xText = f.x;
        p.yText = f.y;
        plotter.KurveVorbereiten(p, m);
        if (p.Fehler || plotter.KurveBerechnen(m) == Kurvenende::Rechenfehler) return {};
    }
    // Clipping can only drop chords, so this room is always enough.
    if (z.Elemente.Frei() < static_cast<int>(plotter.Stuecke().size())) {
        SpeicherVollMelden(m);
        return {};
    }
    Musterergebnis r;
    Bearbeitung b(z, Schrittart::Zeichnen);
    r.Fertig = true;
    r.Erstes = z.Elemente.Anzahl() + 1;
    plotter.MusterZuruecksetzen();
    const Kurvenausgabe aus = plotter.KurveAusgeben(z, w.Muster, m);
    r.Elemente = aus.Elemente;
    r.NeuZeichnen = aus.NeuZeichnen;
    return r;
}

} // namespace

Musterergebnis MusterLinie(Zeichnung& z, const Schrittwerte& w, double x1, double y1, double x2, double y2,
                           Meldungen& m) {
    const Formelpaar f = LinienFormeln(x1, y1, x2, y2, WirksamerMassstab(z.Kopf.Massstab));
    return Plotten(z, w, std::span(&f, 1), MusterStart, MusterEnde, m);
}

Musterergebnis MusterRechteck(Zeichnung& z, const Schrittwerte& w, double x1, double y1, double x2, double y2,
                              Meldungen& m) {
    const auto seiten = RechteckFormeln(x1, y1, x2, y2, WirksamerMassstab(z.Kopf.Massstab));
    return Plotten(z, w, seiten, MusterStart, MusterEnde, m);
}

Musterergebnis MusterBogen(Zeichnung& z, const Schrittwerte& w, double x1, double y1, double x2, double y2,
                           const std::string& t0, const std::string& t1, Meldungen& m) {
    const Formelpaar f = BogenFormeln(x1, y1, x2, y2, WirksamerMassstab(z.Kopf.Massstab));
    return Plotten(z, w, std::span(&f, 1), t0, t1, m);
}

} // namespace vektra
