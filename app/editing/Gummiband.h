#pragma once
// What the pointer routines of the drawing modes share: snapping the pointer, the cross that
// follows it, and the rubber band of a gesture, drawn and erased with the inverting pen so the
// drawing is never repainted while the pointer moves.
#include <QPoint>

#include <optional>

class Fensterdienste;

// The pointer pixel moved onto the snap lattice.
QPoint Einrasten(Fensterdienste& f, QPoint pixel);

// Cross tracking for a pointer pixel: draws the cross at the snapped pixel when that changed
// and records it as Mauspunkt. Nothing, and no snapped pixel, before the first redraw, when the
// move is swallowed, or when the pointer is off the surface (the cross is then taken off).
std::optional<QPoint> KreuzVerfolgen(Fensterdienste& f, QPoint pixel);

// Draws the rubber band once in the inverting pen, as the painter's current Figur: a line, a
// rectangle, or the circle about the start whose radius is the larger pixel offset of the end,
// held to the circle tool's limit.
void BandZeichnen(Fensterdienste& f);

// Moves the active band's end to `ende`: erases the band, draws it again and puts the cross
// back on top. A band whose end stays is not touched.
void BandFolgen(Fensterdienste& f, QPoint ende);

// Starts a band at `punkt` and draws it.
void BandBeginnen(Fensterdienste& f, QPoint punkt);
