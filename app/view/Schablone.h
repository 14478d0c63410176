#pragma once
// The pixels one drawing of a figure set, kept as runs of pixels row by row around an anchor
// pixel, so the same figure can be set again anywhere and in any colour without drawing it.
//
// That gives the same pixels as drawing it where drawing moves with the figure: without
// antialiasing, in copy mode with an opaque colour, every pixel a figure touches takes the
// colour whatever was there, and in not-xor every pixel it touches is inverted once. The canvas
// keeps stencils only of figures whose drawing moves by whole device pixels when the figure does
// (texts, ellipses, and lines between whole pixels that the painter need not clip).
#include "view/Pixelfeld.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

class Schablone {
  public:
    // The pixels of `bereich` (device pixels of `bild`) that are not white, relative to `anker`.
    // Nothing when a pixel on the edge of the area is set, since the figure may then reach
    // beyond it.
    static std::optional<Schablone> Aufnehmen(const QImage& bild, QRect bereich, QPoint anker);
    // The pixels of several stencils, each with its anchor at the given point relative to the new
    // anchor, as if set one after the other; runs that meet are joined, so each pixel is listed
    // once and the result can be inverted. Nothing when it is too large.
    struct Teil {
        const Schablone* schablone;
        QPoint ort;
    };
    static std::optional<Schablone> Zusammensetzen(const std::vector<Teil>& teile);

    // Sets the pixels with the anchor at `anker`, as far as they lie on the image; `umkehren`
    // combines each with `farbe` in not-xor instead, as the painter's inverting pen does.
    void Setzen(const Pixelfeld& bild, QPoint anker, QRgb farbe, bool umkehren = false) const;

    std::size_t Bytes() const { return laeufe_.size() * sizeof(Lauf); }
    bool operator==(const Schablone&) const = default;

  private:
    // A run of set pixels in one row, relative to the top left of the outline.
    struct Lauf {
        std::uint16_t zeile, spalte, laenge;
        bool operator==(const Lauf&) const = default;
    };
    std::vector<Lauf> laeufe_;
    // The smallest rectangle around the set pixels, relative to the anchor.
    QRect umriss_;
};
