#include "view/Ansicht.h"
#include "view/Zoomen.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

using namespace vektra;

namespace {

// Pixels per unit at the zoom levels 0..8.
constexpr std::array<double, 9> Pixel{1, 1.5, 3, 6, 9, 15, 24, 30, 60};

Ansicht AnsichtBei(int zoomstufe, int hoehe, int snapstufe = 2) {
    return {.Zoomfaktor = ZoomFuer(zoomstufe).Faktor, .Schritt = SnapschrittFuer(snapstufe), .Hoehe = hoehe};
}

} // namespace

TEST(Ansicht, StufenNullpunktUndRundung) {
    // Levels out of range, as from a damaged file, are held to 0..8.
    for (int stufe = -1; stufe <= 9; ++stufe)
        EXPECT_EQ(AnsichtBei(stufe, 400).Skala(), Pixel[std::clamp(stufe, 0, 8)]) << stufe;
    // Level 4, origin (-2,-2): the point (0,0) lies 18 pixels right of and above the corner.
    Ansicht a = AnsichtBei(4, 500);
    EXPECT_EQ((std::array{a.XNachPixel(0), a.YNachPixel(0)}), (std::array{18, 482}));
    EXPECT_DOUBLE_EQ(a.PixelNachY(500), -2.0);
    // Points move with the bottom edge; the corner keeps showing the origin.
    a.Hoehe = 300;
    EXPECT_TRUE(a.YNachPixel(0) == 282 && a.PixelNachY(300) == -2.0);
    // Every level converts pixels back to themselves.
    for (int stufe = 0; stufe < 9; ++stufe) {
        const Ansicht b = AnsichtBei(stufe, 400);
        for (int px = 0; px < 50; ++px)
            EXPECT_TRUE(b.XNachPixel(b.PixelNachX(px)) == px && b.YNachPixel(b.PixelNachY(px)) == px)
                << stufe;
    }
    // 1.5 pixels per unit: odd units fall on half pixels 4.5, 7.5, 95.5 and 98.5, which go to even.
    const Ansicht c = AnsichtBei(1, 100);
    EXPECT_EQ((std::array{c.XNachPixel(1), c.XNachPixel(3), c.YNachPixel(1), c.YNachPixel(-1)}),
              (std::array{4, 8, 96, 98}));
    EXPECT_EQ(AnsichtBei(0, 100).XNachPixel(-2.5), 0); // -0.5
}

TEST(Ansicht, Schnappen) {
    // Snapping to 10 units at level 4: x 5 goes to 0, x 15 to 20.
    Ansicht b = AnsichtBei(4, 500, 9);
    EXPECT_EQ((std::array{b.SnapPixelX(18 + 9 * 5), b.SnapPixelX(18 + 9 * 15), b.SnapPixelX(18 - 9 * 6)}),
              (std::array{18, 18 + 9 * 20, 18 - 9 * 10}));
    EXPECT_EQ((std::array{b.SnapPixelY(482 - 9 * 5), b.SnapPixelY(482 - 9 * 6)}),
              (std::array{482, 482 - 9 * 10}));
    b.Snap = false;
    EXPECT_EQ(b.SnapPixelX(37), 37);
    // A third of a unit at 3 pixels per unit: every pixel already lies on the lattice.
    const Ansicht a = AnsichtBei(2, 300, 0);
    for (int px = -30; px <= 300; ++px)
        EXPECT_TRUE(a.SnapPixelX(px) == px && a.SnapPixelY(px) == px) << px;
    // Step 1 at 1.5 pixels per unit: a lattice point goes to its nearest pixel, ties to even,
    // and that pixel maps back to within a third of a unit of it.
    const Ansicht c = AnsichtBei(1, 300);
    EXPECT_EQ((std::array{c.SnapPixelX(3), c.SnapPixelX(4), c.SnapPixelX(5), c.SnapPixelX(6), c.SnapPixelX(7),
                          c.SnapPixelX(8), c.SnapPixelX(9)}),
              (std::array{3, 4, 4, 6, 8, 8, 9}));
    for (int px = 0; px < 300; ++px) {
        const double y = c.PixelNachY(c.SnapPixelY(px));
        EXPECT_LE(std::abs(y - std::nearbyint(y)), 1.0 / 3.0 + 1e-12) << px;
    }
}

TEST(Zoomen, FlaecheWirdEingepasstUndMittigUndStufenweise) {
    constexpr int W = 600, H = 400;
    // {level of the old view, corners px1, py1, px2, py2, new level}
    // clang-format off
    const std::tuple<int, std::array<int, 4>, int> faelle[] = {
        {4, {110, 101, 100, 100}, 8}, // far smaller than the surface, corners swapped
        {4, {100, 0, 110, 399}, 4}, {4, {100, 0, 110, 400}, 3}, // 399 < 400 pixels at level 4: the height decides
        {0, {0, 0, 1, 400}, 8},       // too high at every level: the width decides
        {2, {-50, 30, 249, 90}, 3}, {2, {-50, 30, 250, 90}, 2}}; // 600 pixels wide at level 3: too wide
    // clang-format on
    for (const auto& [alt, ecken, stufe] : faelle) {
        const Ansicht a{.Zoomfaktor = ZoomFuer(alt).Faktor, .NullX = -7, .NullY = 13, .Hoehe = H};
        const auto [px1, py1, px2, py2] = ecken;
        const auto neu = ZoomFlaeche(a, px1, py1, px2, py2, W);
        ASSERT_TRUE(neu.has_value()) << px1 << "," << py1;
        EXPECT_EQ(neu->Zoomstufe, stufe) << px1 << "," << py1;
        // The area's centre is the surface's centre to within one unit.
        const double s = Pixel[static_cast<std::size_t>(stufe)];
        EXPECT_LE(std::abs(neu->NullX + W / s / 2 - (a.PixelNachX(px1) + a.PixelNachX(px2)) / 2), 1) << px1;
        EXPECT_LE(std::abs(neu->NullY + H / s / 2 - (a.PixelNachY(py1) + a.PixelNachY(py2)) / 2), 1) << py1;
    }
    const Ansicht a{.Hoehe = H};
    EXPECT_FALSE(ZoomFlaeche(a, 50, 10, 50, 90, W).has_value() ||
                 ZoomFlaeche(a, 10, 50, 90, 50, W).has_value());
    EXPECT_EQ((std::array{Zoomschritt(0, true), Zoomschritt(7, true), Zoomschritt(8, true),
                          Zoomschritt(8, false), Zoomschritt(1, false), Zoomschritt(0, false)}),
              (std::array{1, 8, 8, 7, 0, 0}));
}
