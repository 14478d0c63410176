#pragma once
// Elements built by hand for every kind of test: each builder appends one element with the
// fields a test names and the program's defaults for the rest, and returns it for more changes.
// Core, render and window tests share them, so a drawing means the same thing in each.
#include "model/Zeichnung.h"

#include <string>
#include <tuple>

inline vektra::TElement& NeuerStrich(vektra::Zeichnung& z, double x1, double y1, double x2, double y2,
                                     int breite = 1, std::int32_t farbe = 0,
                                     std::uint8_t art = vektra::Linie) {
    vektra::TElement& e = *z.Elemente.NeuesElement();
    std::tie(e.Art, e.x1, e.y1, e.x2, e.y2, e.Breite, e.Farbe) =
        std::tuple(art, x1, y1, x2, y2, static_cast<std::int16_t>(breite), farbe);
    return e;
}

inline vektra::TElement& NeuerKreis(vektra::Zeichnung& z, double x, double y, double d, bool gefuellt = false,
                                    int breite = 1, std::int32_t farbe = 0) {
    vektra::TElement& e = *z.Elemente.NeuesElement();
    std::tie(e.Art, e.Ebene, e.x1, e.y1, e.Durchmesser, e.gefuellt, e.Breite, e.Farbe) = std::tuple(
        vektra::Kreis, vektra::EbeneKreis, x, y, d, gefuellt, static_cast<std::int16_t>(breite), farbe);
    return e;
}

inline vektra::TElement& NeuerText(vektra::Zeichnung& z, double x, double y, const std::string& text,
                                   const std::string& ausrichtung = "cc", std::int32_t farbe = 0) {
    vektra::TElement& e = *z.Elemente.NeuesElement();
    std::tie(e.Art, e.Ebene, e.x1, e.y1, e.Ausrichtung, e.Farbe) =
        std::tuple(vektra::Text, vektra::EbeneText, x, y, ausrichtung, farbe);
    e.TextSetzen(text);
    return e;
}

// A drawing with every kind, width class and several colours, created in mixed order, with a
// deleted element and elements outside the usual draw-order classes. The golden files hold its
// exports.
inline vektra::Zeichnung Beispielzeichnung() {
    vektra::Zeichnung z;
    NeuerText(z, 10, 40, "Hallo", "cc", 0x0000FF);
    NeuerStrich(z, 0, 0, 50, 0, 0);
    NeuerKreis(z, 25, 25, 10, false, 1, 0xFF0000);
    NeuerStrich(z, 0, 0, 0, 40, 2, 0x00FF00);
    NeuerStrich(z, 60, -5, 70, 45, -1, 0x0000FF);
    NeuerKreis(z, 40, 10, 4, true, 2);
    NeuerStrich(z, 10, 10, 30, 30, 1);
    NeuerStrich(z, 30, 30, 28.2, 29.3, 1, 0, vektra::Pfeilspitze);
    NeuerStrich(z, 29.3, 28.2, 30, 30, 1, 0, vektra::Pfeilspitze);
    NeuerStrich(z, 100, 100, 120, 120, 1).geloescht = true;
    NeuerKreis(z, 50, 30, 6, false, -1, 0x808080);
    NeuerText(z, 45, 5, "$x^2$", "tl");
    NeuerText(z, 60, 20, "Gr\366\337e", "br");
    NeuerStrich(z, 5, 35, 15, 35, 0, 0xFF00FF).Ebene = 0;
    NeuerStrich(z, 80, 2, 81, 2, 1).Ebene = 11;
    return z;
}
