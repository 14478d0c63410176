#pragma once
// Moving, scaling and rotating the picked elements by their defining points: both ends of a
// stroke, a circle's centre, a text's reference point. Deleted elements that are picked move
// with the others, so an undo brings them back in place. Each call is one step of the history.
#include "model/Zeichnung.h"
#include "text/Meldungen.h"

namespace vektra {

// Largest magnitude of a coordinate or diameter that scaling and rotating may produce. Files
// and exports write such values plainly, and at the largest zoom a point this far from a view
// origin near it stays well inside the pixel range of the view.
constexpr double Koordinatengrenze = 1e6;
// The widest filled circle the filled-circle tool makes.
constexpr double GroessterFuellkreis = 6.0;

// Shifts the picked elements by (dx, dy). A shift that is not finite, or that would move a
// place beyond Lagegrenze, is not taken (false); the drag that calls it on every step simply
// stops there, and makes all its calls one step by an edit around them.
bool Verschieben(Zeichnung& z, double dx, double dy);

// Scales the picked elements about (cx, cy): x distances by fx, y distances by fy, circle
// diameters by |fx| (a negative fx mirrors, it never makes a diameter negative). Filled circles
// do not grow past GroessterFuellkreis, or past their own diameter if they are wider already;
// shrinking is never limited, open circles are not limited at all.
// Refuses with a message, changing nothing, when an input is not finite or a new value would not
// be finite or would lie beyond Koordinatengrenze (a value that stays as it was is never refused).
// Returns false when it refused.
bool Skalieren(Zeichnung& z, double cx, double cy, double fx, double fy, Meldungen& m);

// Rotates the picked elements about (cx, cy) by `winkel` radians, counter-clockwise for a
// positive angle. Circles keep their diameter; texts move their reference point and stay
// horizontal. Refuses like Skalieren.
bool Drehen(Zeichnung& z, double cx, double cy, double winkel, Meldungen& m);

} // namespace vektra
