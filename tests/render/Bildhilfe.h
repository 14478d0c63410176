#pragma once
// Pictures for the render tests: PNG files read back, pixels as 0xRRGGBB, boxes of one colour.
#include "CairoUtil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>

namespace bildhilfe {

using namespace vektra;

struct Kasten {
    int links = 1 << 30, oben = 1 << 30, rechts = -1, unten = -1;
    int anzahl = 0;
    bool leer() const { return anzahl == 0; }
};

class Bild {
  public:
    explicit Bild(Surface s) : s_(std::move(s)) { cairo_surface_flush(s_.get()); }
    // A white picture of the given size, ready to be painted on.
    Bild(int breite, int hoehe)
        : Bild(Surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, breite, hoehe))) {
        Kontext c(cairo_create(s_.get()));
        cairo_set_source_rgb(c.get(), 1, 1, 1);
        cairo_paint(c.get());
    }
    int Breite() const { return cairo_image_surface_get_width(s_.get()); }
    int Hoehe() const { return cairo_image_surface_get_height(s_.get()); }
    // 0xRRGGBB; outside the picture white.
    std::uint32_t Pixel(int x, int y) const {
        if (x < 0 || y < 0 || x >= Breite() || y >= Hoehe()) return 0xFFFFFF;
        cairo_surface_flush(s_.get());
        const unsigned char* zeile =
            cairo_image_surface_get_data(s_.get()) +
            static_cast<std::ptrdiff_t>(y) * cairo_image_surface_get_stride(s_.get());
        std::uint32_t p;
        std::copy_n(zeile + 4 * x, 4, reinterpret_cast<unsigned char*>(&p));
        return p & 0xFFFFFF;
    }
    // The box of the pixels for which `passt` holds.
    Kasten KastenWo(const std::function<bool(std::uint32_t)>& passt) const {
        Kasten k;
        for (int y = 0; y < Hoehe(); ++y)
            for (int x = 0; x < Breite(); ++x)
                if (passt(Pixel(x, y))) {
                    k.links = std::min(k.links, x), k.rechts = std::max(k.rechts, x);
                    k.oben = std::min(k.oben, y), k.unten = std::max(k.unten, y);
                    ++k.anzahl;
                }
        return k;
    }
    Kasten KastenVon(std::uint32_t farbe) const {
        return KastenWo([farbe](std::uint32_t p) { return p == farbe; });
    }
    cairo_surface_t* surface() const { return s_.get(); }

  private:
    Surface s_;
};

inline Bild PngLesen(const std::string& pfad) {
    Surface s(cairo_image_surface_create_from_png(pfad.c_str()));
    EXPECT_EQ(cairo_surface_status(s.get()), CAIRO_STATUS_SUCCESS) << pfad;
    return Bild(std::move(s));
}

} // namespace bildhilfe
