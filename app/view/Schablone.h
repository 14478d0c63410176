#pragma once
// The pixels one drawing of a figure set, kept as a bit mask around an anchor pixel, so the same
// figure can be set again anywhere and in any colour without drawing it.
//
// That gives the same pixels as drawing it where drawing moves with the figure: without
// antialiasing, in copy mode with an opaque colour, every pixel a figure touches takes the
// colour whatever was there. The canvas keeps stencils only of figures whose drawing moves by
// whole device pixels when the figure does (texts and ellipses).
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

    // Sets the pixels with the anchor at `anker`, as far as they lie on the image.
    void Setzen(QImage& bild, QPoint anker, QRgb farbe) const;

    std::size_t Bytes() const { return bits_.size() * sizeof(std::uint64_t); }

  private:
    // Row by row, `worte_` words a row; bit i of word k is the pixel 64 k + i right of the
    // outline's left edge.
    std::vector<std::uint64_t> bits_;
    int worte_ = 0;
    // The smallest rectangle around the set pixels, relative to the anchor.
    QRect umriss_;
};
