#pragma once
// The PostScript export: lines, arrowheads and circles as a PostScript graphic (".ps"), and a
// small LaTeX wrapper (".vkp") that places the graphic and sets the texts over it.
#include "model/Zeichnung.h"
#include "text/Meldungen.h"

#include <ostream>
#include <string>
#include <string_view>

namespace vektra {

// Writes the graphic to `ps` and the wrapper to `treiber`. `grundname` is the bare name (no
// folder, no extension) the wrapper gives the graphic: grundname.ps, or grundname.pdf under
// pdfTeX. Reports "Keine Zeichnung" (or a unit length that is no number) through `m`, writes
// nothing and returns false then.
bool PsExportieren(const Zeichnung& z, std::ostream& ps, std::ostream& treiber, std::string_view grundname,
                   Meldungen& m);

// Writes the wrapper to `treiberpfad` and the graphic beside it, under the same name with ".ps";
// both files are replaced atomically. False after a reported failure.
bool PsExportDatei(const Zeichnung& z, const std::string& treiberpfad, Meldungen& m);

} // namespace vektra
