#pragma once
// Changing the colour and the line-width class of the picked elements, and finding the text
// nearest to a point.
#include "model/Elementspeicher.h"

#include <cstdint>

namespace vektra {

// Gives every picked element the colour 0x00BBGGRR.
void Umfaerben(Elementspeicher& s, std::int32_t farbe);
// Gives every picked line, arrowhead stroke and circle the class `klasse` (-1..2). Texts are
// never changed and elements of the invisible class -1 stay in it. A class outside -1..2 is
// refused. Returns whether an element changed.
bool BreiteAendern(Elementspeicher& s, int klasse);
// The text whose reference point lies nearest to (x, y), deleted or not; on equal distances the
// lower index. Texts 10000 or more units away are not found. 0 when none is found.
int NaechsterText(const Elementspeicher& s, double x, double y);

} // namespace vektra
