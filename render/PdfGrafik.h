#pragma once
// The graphic of the PostScript export as a PDF, which the wrapper includes under pdfTeX.
#include "files/PsExport.h"

#include <string>

namespace vektra {

// Draws the same shapes as the PostScript file, in the same order, colours and TeX widths, on
// one page whose lower-left corner is the drawing's origin and whose size is the picture's
// (W·k by H·k points, each side at least 1 point, as pdfTeX takes no empty page). Texts are left
// to the wrapper; so are shapes PsGrafikMalen leaves out. False with the reason in `fehler` when
// a TeX width that is used is no number or cairo fails.
bool PdfGrafikZeichnen(const Zeichnung& z, const Exportmass& mass, std::string& pdf, std::string& fehler);

// The PDF as the PostScript export's companion file ".pdf".
Grafikbeilage PdfBeilage();

} // namespace vektra
