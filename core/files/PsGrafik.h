#pragma once
// The graphic of the PostScript export as a walk of drawing steps: colour and width changes,
// stroked lines, filled arrowhead triangles and circles, in points, in the export's pass order.
// The PostScript writer turns the steps into text; other renderers draw the very same shapes.
#include "model/Zeichnung.h"

#include <cstdint>

namespace vektra {

// A place in PostScript points: drawing units times the export scale k, origin at the drawing's.
struct Grafikpunkt {
    double x = 0, y = 0;
};

class Grafikziel {
  public:
    virtual ~Grafikziel() = default;
    // The colour 0x00BBGGRR of the next steps; comes whenever it differs from the last one
    // (which starts black), also for elements that draw nothing.
    virtual void Farbe(std::int32_t farbe) = 0;
    // The width class 0..2 of the next strokes; comes before a stroke whose class differs from
    // the last one (which starts as none).
    virtual void Breite(int klasse) = 0;
    virtual void Strich(Grafikpunkt a, Grafikpunkt b) = 0;
    virtual void Dreieck(Grafikpunkt a, Grafikpunkt b, Grafikpunkt c) = 0; // filled
    virtual void Kreis(Grafikpunkt mitte, double radius, bool gefuellt) = 0;
    // A text element, which the graphic leaves to LaTeX.
    virtual void Textelement(const TElement& e) = 0;
};

// Walks the live elements of `z` class by class (the drawn classes, store order within one) and
// hands their shapes, scaled by `k`, to `ziel`. Lines, arrowheads and circles of a class without
// width (the invisible class) draw nothing. An arrowhead stroke followed in the store by another
// one fills the triangle of its two points and the other's first point: the arrow's tip and
// both wings; the second stroke of such a pair draws nothing itself.
void PsGrafikDurchlaufen(const Zeichnung& z, double k, Grafikziel& ziel);

} // namespace vektra
