#pragma once
// A painter with its surface (400 x 300) and rulers, built without the main window, and pixel counts.
#include "Elementbau.h"
#include "view/Lineal.h"
#include "view/Maler.h"
#include "view/MyDraw.h"

#include <QImage>
#include <QRect>

struct Malaufbau {
    vektra::Zeichnung doc;
    vektra::Ansicht view;
    MyDraw zf;
    Lineal v, h;
    Maler m{doc, view, zf, v, h};

    Malaufbau() {
        zf.resize(400, 300), v.resize(40, 300), h.resize(440, 20);
        m.Gitter = false;
    }
    const QImage& Bild() { return zf.Flaeche().Image(); }
    void Neu() { m.zeichneneu({}); }
};

inline constexpr QRgb Weiss = 0xFFFFFFFF, Schwarz = 0xFF000000;

inline int Zaehlen(const QImage& bild, QRgb farbe, QRect bereich = {}) {
    bereich = bereich.isNull() ? bild.rect() : bereich & bild.rect();
    int n = 0;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            n += bild.pixel(x, y) == farbe;
    return n;
}

// The smallest rectangle around the pixels of `bereich` (or the image) that are not white.
inline QRect Tinte(const QImage& bild, QRect bereich = {}) {
    bereich = bereich.isNull() ? bild.rect() : bereich & bild.rect();
    QRect r;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            if (bild.pixel(x, y) != Weiss) r |= QRect(x, y, 1, 1);
    return r;
}
