#pragma once
// One drawing element: a line, an arrowhead stroke, a circle or a text, in drawing units.
#include "model/Elementtext.h"

#include <cmath>
#include <cstdint>
#include <string>

namespace vektra {

enum Elementart : std::uint8_t { Linie = 0, Text = 1, Kreis = 2, Pfeilspitze = 3 };

// Draw and export order classes the program gives new elements.
constexpr std::int32_t EbeneLinie = 3;
constexpr std::int32_t EbeneKreis = 5;
constexpr std::int32_t EbeneText = 8;

// Longest text an element holds; longer texts are cut when stored.
constexpr std::size_t MaxTextLaenge = 255;

// Largest magnitude of a coordinate or diameter an element may hold; the file readers refuse a
// value beyond it or one that is no finite number. The editor stays within it: its view reaches
// about 2.2e9 units (a 32-bit origin, a surface of at most 2^24 pixels at one pixel a unit), the
// tools draw from there, and moving, macro insertion, arrowheads and typed text places are held
// to it.
constexpr double Lagegrenze = 1e10;
inline bool LageZulaessig(double v) {
    return std::fabs(v) <= Lagegrenze;
}

// The fields are ordered so the record takes 72 bytes without gaps.
struct TElement {
    std::uint8_t Art = Linie;
    bool gepickt = false;
    bool Kandidat = false;
    bool geloescht = false;
    std::int32_t Farbe = 0; // 0x00BBGGRR
    std::int32_t Ebene = EbeneLinie;
    // Linie, Pfeilspitze and Kreis: line-width class -1..2.
    std::int16_t Breite = 1;
    // Kreis.
    bool gefuellt = false;
    double x1 = 0, y1 = 0;
    // Linie and Pfeilspitze.
    double x2 = 0, y2 = 0;
    // Kreis.
    double Durchmesser = 0;
    // Text: alignment (vertical letter, horizontal letter) and the text as cp1252 bytes.
    Kurztext Ausrichtung;
    Elementtext Text;

    bool istStrich() const { return Art == Linie || Art == Pfeilspitze; }
    // Stores the text cut to MaxTextLaenge bytes.
    void TextSetzen(std::string_view t) {
        t = t.substr(0, MaxTextLaenge);
        Text.assign(t.data(), t.size());
    }
};

static_assert(sizeof(TElement) == 72);

} // namespace vektra
