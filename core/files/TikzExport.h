#pragma once
// The TikZ export: the drawing as a tikzpicture (".tikz") that every LaTeX engine typesets, placed
// by \input like the picture export: the same unit length, origin, extent, widths, sizes, text
// places and draw order.
#include "files/ExportGemeinsam.h"
#include "model/Zeichnung.h"
#include "text/Meldungen.h"

#include <ostream>
#include <string>

namespace vektra {

struct Tikzoptionen {
    // The texts in UTF-8, which every current engine reads, or as stored in cp1252.
    Textkodierung kodierung = Textkodierung::Utf8;
    // A whole document of the class standalone, a page of the drawing's size, instead of the
    // picture alone.
    bool eigenstaendig = false;
};

// Writes the tikzpicture of `z` to `aus`. Reports "Keine Zeichnung", or a unit length or TeX width
// that is no TeX length, through `m`, writes nothing and returns false then.
bool TikzExportieren(const Zeichnung& z, std::ostream& aus, Meldungen& m, const Tikzoptionen& optionen = {});

// Writes the tikzpicture to `pfad`, replacing the file atomically; false after a reported
// failure, in which case an existing file is left as it was.
bool TikzExportDatei(const Zeichnung& z, const std::string& pfad, Meldungen& m,
                     const Tikzoptionen& optionen = {});

} // namespace vektra
