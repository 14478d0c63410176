#pragma once
// Mapping between drawing units and surface pixels: zoom table, origin, snap lattice.
// Pixel columns grow to the right and rows downwards; drawing y grows upwards.
#include <array>
#include <cstdint>

namespace vektra {

struct Zoomeintrag {
    double Faktor;
    int Haupt; // major grid spacing in drawing units
    int Neben; // minor grid spacing
};

constexpr int Grundmassstab = 3; // pixels per unit at zoom factor 1
constexpr std::array<Zoomeintrag, 9> Zoomtabelle{{{1.0 / 3.0, 50, 5},
                                                 {0.5, 50, 5},
                                                 {1, 20, 2},
                                                 {2, 10, 1},
                                                 {3, 10, 1},
                                                 {5, 10, 1},
                                                 {8, 10, 1},
                                                 {10, 5, 1},
                                                 {20, 5, 1}}};
constexpr std::array<double, 10> Snapschritte{1.0 / 3.0, 0.5, 1, 2, 3, 4, 5, 6, 8, 10};
constexpr int StartNullX = -2, StartNullY = -2;

// The zoom table row of a level, with out-of-range levels (from a damaged file) held to 0..8.
const Zoomeintrag& ZoomFuer(int zoomstufe);
double SnapschrittFuer(int snapstufe);

struct Ansicht {
    double Zoomfaktor = 3.0;
    std::int32_t NullX = StartNullX;
    std::int32_t NullY = StartNullY;
    double Schritt = 1.0;
    bool Snap = true;
    int Hoehe = 0; // surface height in pixels

    double Skala() const { return Grundmassstab * Zoomfaktor; }

    double PixelNachX(double px) const { return px / Skala() + NullX; }
    double PixelNachY(double py) const { return (Hoehe - py) / Skala() + NullY; }
    int XNachPixel(double x) const;
    int YNachPixel(double y) const;
    int SnapPixelX(int px) const;
    int SnapPixelY(int py) const;
};

} // namespace vektra
