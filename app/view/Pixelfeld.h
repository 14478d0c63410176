#pragma once
// The pixels of a 32-bit image as the direct setters write them: address, row length and size,
// asked of the image once per batch rather than for every figure (each is a call into Qt, and a
// drag sets tens of thousands of small figures).
#include <QImage>

struct Pixelfeld {
    // An image of 32 bits per pixel, which stays unshared while the view is used.
    // Not explicit: the setters take an image wherever they take its view.
    Pixelfeld(QImage& bild)
        : bits(bild.bits()), zeilenlaenge(bild.bytesPerLine()), breite(bild.width()), hoehe(bild.height()) {}

    QRgb* Zeile(int y) const { return reinterpret_cast<QRgb*>(bits + y * zeilenlaenge); }

    uchar* bits;
    qsizetype zeilenlaenge;
    int breite, hoehe;
};
