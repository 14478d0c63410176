#pragma once
// Rules of how the screen paints an element that the previews follow too: the screen width of a
// class, the colours that replace an element's own, and where a text goes for its alignment.
#include "model/Element.h"
#include "model/Kopfsatz.h"

#include <cstdint>
#include <string_view>

namespace vektra {

// Colours 0x00BBGGRR that replace an element's own: picked, the current candidate, and lines
// of the invisible class.
constexpr std::int32_t GepicktFarbe = 0xFF00FF;
constexpr std::int32_t KandidatFarbe = 0x008000;
constexpr std::int32_t UnsichtbarFarbe = 0x000080;

// The colour an element is painted in: lines and arrowheads of the invisible class in their
// colour, else the candidate's or the picked colour where `auswahlZeigen` asks for them, else
// the element's own.
std::int32_t Bildfarbe(const TElement& e, bool auswahlZeigen);

// Screen width of a line-width class; a class outside -1..2 (from a damaged file) counts as
// the nearest valid one.
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
