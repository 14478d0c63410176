#pragma once
// Where a text's box goes against its reference point, as LaTeX's \makebox(0,0)[..] of the
// picture export puts it. The picture code and the wrapper leave the placing to LaTeX; the TikZ
// export and the screen's typeset texts place the box themselves, by these rules.
#include <optional>
#include <string>
#include <string_view>

namespace vektra {

// Whatever the order of the letters: "l" (or "s") puts the box's left edge on the point, else "r"
// its right edge, else its middle; "t" puts the top of the text there, else "b" the bottom of its
// depth, else the middle of its height and depth.
enum class Waagrecht { Links, Mitte, Rechts };
enum class Senkrecht { Oben, Mitte, Unten };
struct Boxlage {
    Waagrecht waagrecht = Waagrecht::Mitte;
    Senkrecht senkrecht = Senkrecht::Mitte;
};
Boxlage BoxlageVon(std::string_view ausrichtung);

// The left end of the baseline of a box `breite` wide, `hoehe` above and `tiefe` below its
// baseline, placed by `ausrichtung`: how far right of and above the reference point it lies, in
// the unit of the three measures.
struct Grundlinie {
    double x = 0, y = 0;
};
Grundlinie GrundlinieVon(std::string_view ausrichtung, double breite, double hoehe, double tiefe);

// A typeset text's box, relative to its reference point, in drawing units.
struct Textbox {
    double links = 0, unten = 0, rechts = 0, oben = 0;
};
// The box of a text `breite` wide, `hoehe` above and `tiefe` below its baseline (drawing units).
Textbox TextboxVon(std::string_view ausrichtung, double breite, double hoehe, double tiefe);

struct TElement;
// The boxes of typeset texts where the screen knows them: picking and the nearest-text search
// take a text's box where it gives one, and its reference point otherwise.
class Textboxen {
  public:
    virtual std::optional<Textbox> Box(const TElement& e) const = 0;

  protected:
    ~Textboxen() = default;
};

// TeX points in one drawing unit at the unit length `unitlength` (millimetres, as the exports
// write it); nothing when the text is no length the exports accept, or not above 0.
std::optional<double> PunkteJeEinheit(const std::string& unitlength);

} // namespace vektra
