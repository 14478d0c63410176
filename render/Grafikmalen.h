#pragma once
// The graphic of the PostScript export drawn with cairo: the shapes PsGrafikDurchlaufen walks,
// in the PostScript file's colours and TeX widths.
#include "files/ExportGemeinsam.h"

#include <cairo.h>

#include <string>

namespace vektra {

// Coordinates beyond this many points are left out: cairo's fixed-point numbers would wrap.
constexpr double MaxGrafikpunkte = 1e6;

// Draws the graphic of `z` in PostScript points with y upwards; the caller's transform of `c`
// maps them onto the surface. Shapes with a coordinate that is no number or lies beyond
// MaxGrafikpunkte are left out. False with the reason in `fehler` when a TeX width that a stroke
// needs is no number as the PostScript export takes it (TeXLaengeLesen).
bool PsGrafikMalen(cairo_t* c, const Zeichnung& z, const Exportmass& mass, std::string& fehler);

} // namespace vektra
