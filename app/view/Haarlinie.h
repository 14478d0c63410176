#pragma once
// A line one device pixel wide between whole pixels, set pixel by pixel exactly where the
// painter's stroker for such pens sets it, some twenty times faster: in 26.6 fixed point, one
// pixel per row or column along the longer axis, from half a pixel before the start to half a
// pixel past the end (its square caps). The canvas's redraw test holds it to the painter's pixels.
#include "view/Pixelfeld.h"

#include <QPoint>

// Sets the line from `von` to `bis` (device pixels, not the same point, every pixel of it and of
// its caps on the image) in `farbe`, or with `umkehren` combines each pixel with it in not-xor.
void HaarlinieSetzen(const Pixelfeld& bild, QPoint von, QPoint bis, QRgb farbe, bool umkehren);
