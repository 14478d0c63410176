#pragma once
// The picture export: the drawing as LaTeX picture code with emTeX line specials, circles and
// boxed texts (".vkx").
#include "model/Zeichnung.h"
#include "text/Meldungen.h"

#include <ostream>
#include <string>

namespace vektra {

// Writes the picture code of `z` to `aus`. Reports "Keine Zeichnung" (or a unit length that is
// no number) through `m`, writes nothing and returns false then.
bool LatexExportieren(const Zeichnung& z, std::ostream& aus, Meldungen& m);

// Writes the picture code to `pfad`, replacing the file atomically; false after a reported
// failure, in which case an existing file is left as it was.
bool LatexExportDatei(const Zeichnung& z, const std::string& pfad, Meldungen& m);

} // namespace vektra
