#pragma once
// What the drawing tools put into the drawing: lines, circles, texts and arrowheads with the
// current colour and width, and the geometry the tools compute from a gesture.
#include "model/Zeichnung.h"

#include <array>

namespace vektra {

class Meldungen;

// Direction of the arrow from (x1, y1) to its tip (x2, y2) in radians.
double Pfeilrichtung(double x1, double y1, double x2, double y2);

struct Strich {
    double x1, y1, x2, y2;
};

// The two strokes of the arrowhead at the tip (x2, y2) of an arrow with direction a, each of
// length `laenge`, opening by `winkel` to either side: the first runs from the tip outwards,
// the second from outside back to the tip.
std::array<Strich, 2> Pfeilspitzen(double x2, double y2, double a, double laenge, double winkel);

// Radius of a circle gesture with offsets dx, dy from the centre: the larger offset (a square
// metric, not the Euclidean distance), held to `grenze`.
double Kreisradius(double dx, double dy, double grenze);

// New elements with the drawing's current colour and width class; nullptr when the store is
// full (the caller reports it, see SpeicherVollMelden).
TElement* LinieAnlegen(Zeichnung& z, double x1, double y1, double x2, double y2);
TElement* KreisAnlegen(Zeichnung& z, double x, double y, double durchmesser, bool gefuellt);
TElement* TextAnlegen(Zeichnung& z, double x, double y);

// Appends the two arrowhead strokes of the arrow from (x1, y1) to (x2, y2), picked, with the
// arrow shape of the settings record. Appends nothing, reports it through `m` and returns false
// when both do not fit or an end of a stroke would lie beyond Lagegrenze.
bool PfeilspitzenAnlegen(Zeichnung& z, double x1, double y1, double x2, double y2, Meldungen& m);

// Tells the user that the store is full and nothing more was added.
void SpeicherVollMelden(Meldungen& m);

} // namespace vektra
