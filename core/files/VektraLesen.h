#pragma once
// The picture import: reads LaTeX picture files in the layout the picture export writes (and
// hand-written ".pic" files of the same commands) and appends their lines, circles and texts
// to the drawing. It recognises a command by the first word of a line and reads its numbers
// at fixed places; it is not a TeX parser.
#include "model/Zeichnung.h"
#include "text/Meldungen.h"

#include <istream>
#include <string>

namespace vektra {

struct Importergebnis {
    int neueElemente = 0; // elements appended
    int Fehler = 0;       // syntax and conversion errors reported
    bool voll = false;    // the store ran full and the rest of the input was not read
};

// Reads `ein` line by line and appends what it recognises to `z.Elemente`; the unit length and
// TeX widths the input sets go into `z.Dialog`. Syntax errors are reported through `m` with
// their line number and reading goes on; a full store ends the import with a message.
Importergebnis VektraLesen(std::istream& ein, Zeichnung& z, Meldungen& m);

// The import command without its dialog: empties the store, reads the file `pfad` into it,
// names the drawing after the file (bare name with ".vks") and clears `Geaendert`. A file
// that cannot be read is reported naming it; the drawing then stays empty and false is returned.
bool PicImportieren(const std::string& pfad, Zeichnung& z, Meldungen& m, Importergebnis* ergebnis = nullptr);

} // namespace vektra
