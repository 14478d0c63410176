#pragma once
// The PostScript export: lines, arrowheads and circles as a PostScript graphic (".ps"), and a
// small LaTeX wrapper (".vkp") that places the graphic and sets the texts over it.
#include "files/ExportGemeinsam.h"
#include "model/Zeichnung.h"
#include "text/Meldungen.h"

#include <functional>
#include <ostream>
#include <string>
#include <string_view>

namespace vektra {

// Writes the graphic to `ps` and the wrapper to `treiber`, the wrapper's texts in `kodierung`.
// `grundname` is the bare name (no folder, no extension) the wrapper gives the graphic:
// grundname.ps, or grundname.pdf under pdfTeX. Reports "Keine Zeichnung", or a unit length that
// is no TeX length or a TeX width that is no TeX length and PostScript number (ExportVorbereiten,
// TeXBreitenPruefen), through `m`, writes nothing and returns false then.
bool PsExportieren(const Zeichnung& z, std::ostream& ps, std::ostream& treiber, std::string_view grundname,
                   Meldungen& m, Textkodierung kodierung = Textkodierung::Cp1252);

// Another picture of the same graphic (a PDF for pdfTeX, say), made outside the core and written
// beside the PostScript file under the same name with `endung`.
struct Grafikbeilage {
    std::string endung;
    // Fills `daten` for the drawing measured by `mass`; false with a reason (UTF-8) in `fehler`.
    std::function<bool(const Zeichnung& z, const Exportmass& mass, std::string& daten, std::string& fehler)>
        machen;
    // Set by PsExportDatei when the file is written.
    bool geschrieben = false;
};

// Writes the graphic beside `treiberpfad` under the same name with ".ps", then `beilage` if one is
// given, then the wrapper to `treiberpfad`; each file is replaced atomically. False after a
// reported failure of the PostScript file or the wrapper. A beilage that cannot be made or
// written is reported naming its file and leaves the other two written.
bool PsExportDatei(const Zeichnung& z, const std::string& treiberpfad, Meldungen& m,
                   Grafikbeilage* beilage = nullptr, Textkodierung kodierung = Textkodierung::Cp1252);

} // namespace vektra
