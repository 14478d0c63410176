#include "view/Ansicht.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vektra {
namespace {

// Rounds half to even and holds the result to what a pixel coordinate can be, so absurd
// drawing coordinates never overflow the conversion.
int PixelRunden(double v) {
    constexpr double grenze = 1e8;
    if (!(v == v)) return 0;
    return static_cast<int>(std::nearbyint(std::clamp(v, -grenze, grenze)));
}

} // namespace

const Zoomeintrag& ZoomFuer(int zoomstufe) {
    return Zoomtabelle[static_cast<std::size_t>(std::clamp(zoomstufe, 0, 8))];
}

double SnapschrittFuer(int snapstufe) { return Snapschritte[static_cast<std::size_t>(std::clamp(snapstufe, 0, 9))]; }

int Ansicht::XNachPixel(double x) const { return PixelRunden(Skala() * (x - NullX)); }

int Ansicht::YNachPixel(double y) const { return PixelRunden(Hoehe - Skala() * (y - NullY)); }

int Ansicht::SnapPixelX(int px) const {
    if (!Snap) return px;
    const double x = PixelNachX(px);
    return XNachPixel(std::nearbyint(x / Schritt) * Schritt);
}

int Ansicht::SnapPixelY(int py) const {
    if (!Snap) return py;
    const double y = PixelNachY(py);
    return YNachPixel(std::nearbyint(y / Schritt) * Schritt);
}

} // namespace vektra
