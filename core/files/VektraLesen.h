#pragma once
// The picture import: reads LaTeX picture files and appends their lines, circles and texts to
// the drawing. A line in the layout the picture export writes is recognised by its first word
// and read with its numbers at fixed places, as it always was; the standard commands of the
// picture environment, as other programs and people write them, are read as commands wherever
// they stand. It is not a TeX parser.
#include "model/Zeichnung.h"
#include "text/Meldungen.h"

#include <istream>
#include <string>

namespace vektra {

struct Importergebnis {
    int neueElemente = 0;       // elements appended
    int Fehler = 0;             // syntax and conversion errors reported
    bool voll = false;          // the store ran full and the rest of the input was not read
    int uebergangeneZeilen = 0; // lines holding something not read, reported together at the end
    int ersetzteZeilen = 0;     // UTF-8 lines with characters cp1252 cannot hold, read as "?"
};

// Reads `ein` line by line and appends what it recognises to `z.Elemente`; the unit length and
// TeX widths the input sets go into `z.Dialog`. Input that is valid UTF-8 as a whole is taken
// as UTF-8, any other as cp1252. Syntax errors are reported through `m` with their line number
// and reading goes on; lines passed over are named in one message at the end; a full store
// ends the import with a message. Input of more than 64 MB, more than the picture of any
// drawing takes, is reported and not read.
Importergebnis VektraLesen(std::istream& ein, Zeichnung& z, Meldungen& m);

// The import command without its dialog: empties the store, reads the file `pfad` into it,
// names the drawing after the file (bare name with ".vks") and clears `Geaendert`. A file
// that cannot be read or is larger than 64 MB is reported naming it; the drawing then stays
// empty and false is returned.
bool PicImportieren(const std::string& pfad, Zeichnung& z, Meldungen& m, Importergebnis* ergebnis = nullptr);

} // namespace vektra
