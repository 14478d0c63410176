#pragma once
// A solid line two or more device pixels wide between whole pixels, neither horizontal nor
// vertical, set exactly where the painter sets it for a square-capped pen, several times faster.
//
// The pen's outline is the line's rectangle, reaching half the width past each end. Its corners
// are floored to 1/64 pixel; every row whose centre lies below an edge's upper end and not below
// its lower end meets that edge at an x worked out in 16.16 fixed point: exactly at the edge's
// first row, then stepping by its truncated slope. A pixel is set when its centre lies right of
// the leftmost crossing and not right of the rightmost. The canvas's redraw test holds it to the
// painter's pixels.
#include "view/Pixelfeld.h"

#include <QImage>
#include <QPoint>

// True when the line from `von` to `bis` with a pen `breite` device pixels wide can be set here:
// neither horizontal nor vertical, at least two pixels wide, and its outline with a pixel to
// spare on the image, where the painter does not clip it.
bool BreitlinieMoeglich(const QImage& bild, QPoint von, QPoint bis, int breite);

// Sets such a line in `farbe`, or with `umkehren` combines each pixel with it in not-xor.
void BreitlinieSetzen(const Pixelfeld& bild, QPoint von, QPoint bis, int breite, QRgb farbe, bool umkehren);
