#pragma once
// Rules of how an element is drawn. Which draw-order classes are drawn and which width classes
// have a width hold for the screen, the previews and the exports alike; the screen width of a
// class, the colours that replace an element's own and where a text goes for its alignment are
// the screen's, which the previews follow.
#include "model/Element.h"
#include "model/Kopfsatz.h"

#include <cstdint>
#include <string_view>

namespace vektra {

// Draw-order classes that are drawn, one after the other from 0 (the program gives 3, 5 and 8).
// An element of any other class stays in the drawing and in its file, but nothing draws it and
// no picture's size counts it.
constexpr std::int32_t HoechsteEbene = 10;
constexpr bool EbeneGezeichnet(std::int32_t ebene) {
    return ebene >= 0 && ebene <= HoechsteEbene;
}

// The width class an element is drawn with: its own one of -1..2; a class outside them (from a
// damaged file) has no width anywhere and counts as the invisible class -1.
constexpr int Breitenklasse(int klasse) {
    return klasse >= -1 && klasse <= 2 ? klasse : -1;
}

// Colours 0x00BBGGRR that replace an element's own: picked, the current candidate, and lines
// of the invisible class.
constexpr std::int32_t GepicktFarbe = 0xFF00FF;
constexpr std::int32_t KandidatFarbe = 0x008000;
constexpr std::int32_t UnsichtbarFarbe = 0x000080;

// The colour an element is painted in: lines and arrowheads of the invisible class in its
// colour, else the candidate's or the picked colour where `auswahlZeigen` asks for them, else
// the element's own.
std::int32_t Bildfarbe(const TElement& e, bool auswahlZeigen);

// Screen width of a line-width class (of its Breitenklasse).
int Bildbreite(const Kopfsatz& kopf, int klasse);

// Offset factor of one alignment letter: 1 for b and r, 0 for l and t, 0.5 for anything else.
double Ausrichtungsfaktor(char c);

// How far left of and above the reference pixel the top-left corner of a text `breite` by
// `hoehe` pixels goes: the second letter of `ausrichtung` moves it across, the first one down;
// a missing letter counts as 'c'.
struct Textversatz {
    long long dx = 0, dy = 0;
};
Textversatz TextversatzFuer(std::string_view ausrichtung, double breite, double hoehe);

} // namespace vektra
