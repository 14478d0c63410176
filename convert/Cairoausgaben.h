#pragma once
// The converter's outputs drawn with cairo: the wrapper with the PostScript file and the PDF beside
// it, and the previews. Only the program that links the render library has them.
#include "Konverter.h"

namespace vektra {

// A Cairoausgabe: writes the output `art` (one MitCairo names) of `z` to `ausgabe`; a preview at
// `massstab` pixels per drawing unit, 0 for the screen's at the drawing's zoom level.
int CairoausgabeSchreiben(Zeichnung& z, const std::string& ausgabe, Ausgabeart art, Meldungen& m,
                          double massstab, Textkodierung kodierung);

} // namespace vektra
