#pragma once
// The patterned tools' figures: a straight line, a rectangle and a circle or arc, described as
// parametric curves and plotted with the step control and dash pattern of the tool bar. The
// plotter's scale is `Massstab`, the unit the formula texts are written in, so a figure lands
// exactly where the user dragged it whatever the scale.
#include "curves/Kurve.h"

#include <numbers>
#include <string>

namespace vektra {

class Meldungen;
struct Zeichnung;

// The tool bar's step control and pattern.
struct Schrittwerte {
    std::int16_t Kontrollart = KontrolleLaenge;
    double Strichlaenge = 1.0;
    double Winkeldifferenz = 5 * std::numbers::pi / 180;
    double Deltat = 0.1;
    Phasenlaengen Muster{1, 0, 0, 0};
};

struct Musterergebnis {
    // The figure was plotted and stored (clipping may still have left nothing of it).
    bool Fertig = false;
    // Index of the first new element; the figure is elements Erstes..Anzahl.
    int Erstes = 0;
    int Elemente = 0;
    // Gaps or clipping were in play: the whole drawing should be redrawn.
    bool NeuZeichnen = false;
};

// Each figure is all or nothing: a formula fault or a store without room for every chord adds
// nothing (the reason has been reported through `m`). A run ended early by the plotter (values
// too large, no convergence) keeps what was plotted, as the curve command does.
Musterergebnis MusterLinie(Zeichnung& z, const Schrittwerte& w, double x1, double y1, double x2, double y2,
                           Meldungen& m);
// The four sides from the press corner (x1, y1) round to (x2, y1), (x2, y2), (x1, y2); the dash
// pattern runs on across the corners.
Musterergebnis MusterRechteck(Zeichnung& z, const Schrittwerte& w, double x1, double y1, double x2, double y2,
                              Meldungen& m);
// The circle about (x1, y1) through the larger axis distance to (x2, y2), from angle t0 to t1
// (radians, as formula texts).
Musterergebnis MusterBogen(Zeichnung& z, const Schrittwerte& w, double x1, double y1, double x2, double y2,
                           const std::string& t0, const std::string& t1, Meldungen& m);

} // namespace vektra
