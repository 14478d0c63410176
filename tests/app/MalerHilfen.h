#pragma once
// A painter with its surface and rulers, built without the main window, for the painting tests.
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
    Lineal v;
    Lineal h;
    Maler m{doc, view, zf, v, h};

    explicit Malaufbau(int breite = 400, int hoehe = 300, int linealbreite = 40) {
        zf.resize(breite, hoehe);
        v.resize(linealbreite, hoehe);
        h.resize(breite + linealbreite, 20);
        m.Gitter = false;
    }

    const QImage& Bild() { return zf.Flaeche().Image(); }
    void Neu() { m.zeichneneu({}); }

    vektra::TElement& Strich(double x1, double y1, double x2, double y2, int breite = 1,
                             std::int32_t farbe = 0) {
        vektra::TElement& e = *doc.Elemente.NeuesElement();
        e.Art = vektra::Linie;
        e.x1 = x1, e.y1 = y1, e.x2 = x2, e.y2 = y2;
        e.Breite = static_cast<std::int16_t>(breite);
        e.Farbe = farbe;
        e.Ebene = vektra::EbeneLinie;
        return e;
    }
    vektra::TElement& Kreis(double x, double y, double d, bool gefuellt, std::int32_t farbe = 0) {
        vektra::TElement& e = *doc.Elemente.NeuesElement();
        e.Art = vektra::Kreis;
        e.x1 = x, e.y1 = y, e.Durchmesser = d;
        e.gefuellt = gefuellt;
        e.Farbe = farbe;
        e.Ebene = vektra::EbeneKreis;
        return e;
    }
    vektra::TElement& Text(double x, double y, std::string text, std::string ausrichtung = "cc") {
        vektra::TElement& e = *doc.Elemente.NeuesElement();
        e.Art = vektra::Text;
        e.x1 = x, e.y1 = y;
        e.TextSetzen(text);
        e.Ausrichtung = std::move(ausrichtung);
        e.Ebene = vektra::EbeneText;
        return e;
    }
};

inline constexpr QRgb Weiss = 0xFFFFFFFF;

inline int Zaehlen(const QImage& bild, QRgb farbe, QRect bereich = {}) {
    if (bereich.isNull()) bereich = bild.rect();
    bereich &= bild.rect();
    int n = 0;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            if (bild.pixel(x, y) == farbe) ++n;
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
