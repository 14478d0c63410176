#pragma once
// Texts set from the stencils of their glyphs. A text is laid out by Qt's shaping, the same the
// painter does, and its glyphs' stencils are put together where the painter puts the glyphs:
// drawn without antialiasing, a glyph has the same pixels wherever its position falls within a
// device pixel, and goes to the pixel its position falls in. A text seen for the first time so
// costs one shaping, where measuring, drawing and reading back a scratch cost three times that;
// a glyph is drawn once.
#include "view/Schablone.h"

#include <QFont>
#include <QImage>
#include <QRawFont>
#include <QString>

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

class Glyphensatz {
  public:
    // For texts in the two fonts, at the given device pixel ratio; forgets every glyph.
    void Einrichten(const QFont& normal, const QFont& fett, qreal pixelverhaeltnis);

    struct Satz {
        int breite = 0; // the advance, as QFontMetrics::horizontalAdvance gives it
        // The text's pixels with the anchor on the top left of its box, the baseline `oberlaenge`
        // logical pixels below it.
        Schablone bild;
    };
    // Nothing when the text is not one plain run of glyphs of the font itself, or a glyph of it
    // does not keep its pixels within a device pixel; the painter must then draw it.
    std::optional<Satz> Setzen(const QString& s, bool fett, int oberlaenge);

  private:
    struct Schrift {
        QFont font;
        QRawFont roh; // of the first layout, to tell glyphs of a fallback font
        std::unordered_map<std::uint32_t, std::optional<Schablone>> glyphen;
    };
    const Schablone* Glyphe(Schrift& schrift, std::uint32_t index);
    std::optional<Schablone> Zeichnen(const QRawFont& roh, std::uint32_t index, qreal bruchteil);

    Schrift schriften_[2];
    int verhaeltnis_ = 0; // 0 at a fractional ratio, where stencils do not serve
    QImage geraet_;       // the layout measures on it, as on the canvas's image
    QImage kratz_;
    std::vector<Schablone::Teil> teile_;
};
