#pragma once
// The TikZ import: reads the tikzpictures of a ".tikz" or ".tex" file into the drawing. The
// program's own export reads back to the same elements; hand-written TikZ of the common kinds too:
// \draw, \fill, \filldraw, \path and \node with "--", "-|", "|-", rectangle, circle, cycle, nodes,
// line widths, colours (named, mixed and \definecolor), anchors, scopes and the picture's x, y,
// scale and shift. Curves (..controls.., arc, to[out,in], plot coordinates) become chains of lines
// of the curve plotter's chord length. Whatever else a picture holds is skipped and its lines named
// in one message at the end. It is not a TeX parser.
#include "files/VektraLesen.h"

#include <istream>
#include <string>
#include <string_view>

namespace vektra {

// Reads `ein` and appends what its tikzpictures draw to `z.Elemente`; the unit length (from the
// first picture's x) and the TeX widths of the program's own files go into `z.Dialog`. Encoding,
// the 64 MB bound, the store's bound and the messages as for VektraLesen; input without a
// tikzpicture is reported.
Importergebnis TikzLesen(std::istream& ein, Zeichnung& z, Meldungen& m);

// The import command without its dialog (see PicImportieren, whose contract it keeps): files
// ending in ".tikz", and in ".tex" when they hold a tikzpicture, in any letter case, go to the
// TikZ import, all others to the picture import.
bool DateiImportieren(const std::string& pfad, Zeichnung& z, Meldungen& m,
                      Importergebnis* ergebnis = nullptr);

} // namespace vektra
