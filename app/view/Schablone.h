#pragma once
// The pixels one drawing of a figure set, kept as runs of pixels row by row around an anchor
// pixel, so the same figure can be set again anywhere and in any colour without drawing it.
//
// That gives the same pixels as drawing it where drawing moves with the figure: without
// antialiasing, in copy mode with an opaque colour, every pixel a figure touches takes the
// colour whatever was there, and in not-xor every pixel it touches is inverted once. The canvas
// keeps stencils only of figures whose drawing moves by whole device pixels when the figure does
// (texts, ellipses, and lines between whole pixels that the painter need not clip).
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

    // Sets the pixels with the anchor at `anker`, as far as they lie on the image; `umkehren`
    // combines each with `farbe` in not-xor instead, as the painter's inverting pen does.
    void Setzen(QImage& bild, QPoint anker, QRgb farbe, bool umkehren = false) const;

    std::size_t Bytes() const { return laeufe_.size() * sizeof(Lauf); }

  private:
    // A run of set pixels in one row, relative to the top left of the outline.
    struct Lauf {
        std::uint16_t zeile, spalte, laenge;
    };
    std::vector<Lauf> laeufe_;
    // The smallest rectangle around the set pixels, relative to the anchor.
    QRect umriss_;
};
