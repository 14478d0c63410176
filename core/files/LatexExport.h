#pragma once
// The picture export: the drawing as LaTeX picture code with emTeX line specials, circles and
// boxed texts (".vkx").
#include "files/ExportGemeinsam.h"
#include "model/Zeichnung.h"
#include "text/Meldungen.h"

#include <ostream>
#include <string>

namespace vektra {

// Writes the picture code of `z` to `aus`, the texts in `kodierung`. Reports "Keine Zeichnung",
// or a unit length or TeX width that is no TeX length (ExportVorbereiten, TeXBreitenPruefen),
// through `m`, writes nothing and returns false then.
bool LatexExportieren(const Zeichnung& z, std::ostream& aus, Meldungen& m,
                      Textkodierung kodierung = Textkodierung::Cp1252);

// Writes the picture code to `pfad`, replacing the file atomically; false after a reported
// failure, in which case an existing file is left as it was.
bool LatexExportDatei(const Zeichnung& z, const std::string& pfad, Meldungen& m,
                      Textkodierung kodierung = Textkodierung::Cp1252);

} // namespace vektra
