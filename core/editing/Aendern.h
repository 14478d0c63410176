#pragma once
// Changing the colour and the line-width class of the picked elements and the place, text and
// alignment of a text, each one step of the history, and finding the text nearest to a point.
#include "files/Textlage.h"
#include "model/Zeichnung.h"

#include <cstdint>
#include <string_view>

namespace vektra {

// Gives every picked element the colour 0x00BBGGRR. Returns whether an element changed.
bool Umfaerben(Zeichnung& z, std::int32_t farbe);
// Gives every picked line, arrowhead stroke and circle the class `klasse` (-1..2). Texts are
// never changed and elements of the invisible class -1 stay in it. A class outside -1..2 is
// refused. Returns whether an element changed.
bool BreiteAendern(Zeichnung& z, int klasse);
// Gives text i the place (x, y), the text (cut to MaxTextLaenge) and, unless it is empty, the
// alignment. Returns whether anything changed.
bool TextAendern(Zeichnung& z, int i, double x, double y, std::string_view text,
                 std::string_view ausrichtung);
// The text whose reference point (or typeset box, where `boxen` gives one) lies nearest to
// (x, y), deleted or not; on equal distances the lower index. Texts 10000 or more units away are
// not found. 0 when none is found.
int NaechsterText(const Elementspeicher& s, double x, double y, const Textboxen* boxen = nullptr);

} // namespace vektra
