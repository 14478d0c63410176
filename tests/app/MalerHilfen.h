#pragma once
// A painter with its surface (400 x 300) and rulers, built without the main window, and pixel counts.
#include "model/Zeichnung.h"
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

    vektra::TElement& Element(std::uint8_t art, std::int32_t ebene, double x, double y, std::int32_t farbe) {
        vektra::TElement& e = *doc.Elemente.NeuesElement();
        e.Art = art, e.Ebene = ebene, e.x1 = x, e.y1 = y, e.Farbe = farbe;
        return e;
    }
    vektra::TElement& Strich(double x1, double y1, double x2, double y2, int breite = 1,
                             std::int32_t farbe = 0) {
        vektra::TElement& e = Element(vektra::Linie, vektra::EbeneLinie, x1, y1, farbe);
        e.x2 = x2, e.y2 = y2, e.Breite = static_cast<std::int16_t>(breite);
        return e;
    }
    vektra::TElement& Kreis(double x, double y, double d, bool gefuellt, std::int32_t farbe = 0) {
        vektra::TElement& e = Element(vektra::Kreis, vektra::EbeneKreis, x, y, farbe);
        e.Durchmesser = d, e.gefuellt = gefuellt;
        return e;
    }
    vektra::TElement& Text(double x, double y, const std::string& text, const char* ausrichtung = "cc") {
        vektra::TElement& e = Element(vektra::Text, vektra::EbeneText, x, y, 0);
        e.TextSetzen(text);
        e.Ausrichtung = ausrichtung;
        return e;
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
