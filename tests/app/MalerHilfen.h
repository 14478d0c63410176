#pragma once
// A painter with its surface (400 x 300) and rulers, built without the main window, and pixel counts.
#include "Elementbau.h"
#include "view/Ansicht.h"
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

    vektra::TElement& Strich(double x1, double y1, double x2, double y2, int breite = 1,
                             std::int32_t farbe = 0) {
        return NeuerStrich(doc, x1, y1, x2, y2, breite, farbe);
    }
    vektra::TElement& Kreis(double x, double y, double d, bool gefuellt, std::int32_t farbe = 0) {
        return NeuerKreis(doc, x, y, d, gefuellt, 1, farbe);
    }
    vektra::TElement& Text(double x, double y, const std::string& text, const char* ausrichtung = "cc") {
        return NeuerText(doc, x, y, text, ausrichtung);
    }
};

inline constexpr QRgb Weiss = 0xFFFFFFFF;

inline int Zaehlen(const QImage& bild, QRgb farbe, QRect bereich = {}) {
    bereich = bereich.isNull() ? bild.rect() : bereich & bild.rect();
    int n = 0;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            n += bild.pixel(x, y) == farbe;
    return n;
}

// The smallest rectangle holding every pixel that is not white; null for a blank image.
inline QRect Tinte(const QImage& bild) {
    QRect r;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (bild.pixel(x, y) != Weiss) r |= QRect(x, y, 1, 1);
    return r;
}
