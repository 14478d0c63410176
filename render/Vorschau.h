#pragma once
// Previews: the drawing as the screen shows it, as an SVG, PNG or PDF picture, so it can be
// looked at without LaTeX.
#include "model/Zeichnung.h"
#include "text/Meldungen.h"

#include <string>

namespace vektra {

enum class Vorschauart { Svg, Png, Pdf };

// Pixels per drawing unit the screen shows at the drawing's zoom level.
double Bildschirmmassstab(const Zeichnung& z);

// The largest side of a preview, in pixels.
constexpr double MaxVorschauseite = 10000;

// Paints the live elements of the drawn classes (EbeneGezeichnet) as the screen does: lines and
// arrowhead strokes, open and filled circles in their screen widths (pixels), each element in its
// own colour (the picked and the candidate colour are not shown), and the texts as written in a
// sans font, placed by their alignment. `massstab` pixels per drawing unit; white ground; the
// picture is the painted extent with a margin. In the vector kinds a pixel is a point. False
// with the reason (UTF-8) in `fehler` when the picture would be too large or cairo fails.
bool VorschauZeichnen(const Zeichnung& z, Vorschauart art, double massstab, std::string& daten,
                      std::string& fehler);

// Writes the preview to `pfad` atomically. A drawing without live elements of a drawn class
// gives "Keine Zeichnung" and no file, as the exports do. False after a reported failure.
bool VorschauDatei(const Zeichnung& z, const std::string& pfad, Vorschauart art, double massstab,
                   Meldungen& m);

} // namespace vektra
