#include "view/Ansicht.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

using namespace vektra;

namespace {

Ansicht AnsichtBei(int zoomstufe, int hoehe) {
    Ansicht a;
    a.Zoomfaktor = ZoomFuer(zoomstufe).Faktor;
    a.Hoehe = hoehe;
    return a;
}

} // namespace

TEST(Ansicht, NullpunktBeiStufe4LiegtAchtzehnPixelInnen) {
    Ansicht a = AnsichtBei(4, 500);
    EXPECT_EQ(a.XNachPixel(0), 18);
    EXPECT_EQ(a.YNachPixel(0), 500 - 18);
    EXPECT_DOUBLE_EQ(a.PixelNachX(18), 0.0);
    EXPECT_DOUBLE_EQ(a.PixelNachY(482), 0.0);
    // The bottom-left corner shows the origin whatever the height; points move with the bottom edge.
    EXPECT_DOUBLE_EQ(a.PixelNachX(0), -2.0);
    EXPECT_DOUBLE_EQ(a.PixelNachY(500), -2.0);
    a.Hoehe = 300;
    EXPECT_EQ(a.YNachPixel(0), 282);
    EXPECT_DOUBLE_EQ(a.PixelNachY(300), -2.0);
    // Drawing y grows upwards.
    EXPECT_LT(a.YNachPixel(10), a.YNachPixel(0));
}

TEST(Ansicht, PixelProEinheitUndGitterJeStufe) {
    const std::vector<double> ppe{1, 1.5, 3, 6, 9, 15, 24, 30, 60};
    for (int stufe = 0; stufe < 9; ++stufe) {
        Ansicht a = AnsichtBei(stufe, 400);
        EXPECT_NEAR(a.Skala(), ppe[static_cast<std::size_t>(stufe)], 1e-12) << stufe;
        // Conversions are inverse on every pixel.
        for (int px = 0; px < 50; ++px) {
            EXPECT_EQ(a.XNachPixel(a.PixelNachX(px)), px) << stufe << " " << px;
            EXPECT_EQ(a.YNachPixel(a.PixelNachY(px)), px) << stufe << " " << px;
        }
    }
    // Level 0: one unit a pixel, minor lines every 5 units, labels every 50.
    Ansicht a = AnsichtBei(0, 400);
    EXPECT_EQ(a.XNachPixel(100), 102);
    EXPECT_EQ(ZoomFuer(0).Neben, 5);
    EXPECT_EQ(ZoomFuer(0).Haupt, 50);
    EXPECT_EQ(ZoomFuer(2).Haupt, 20);
    EXPECT_EQ(ZoomFuer(8).Haupt, 5);
}

TEST(Ansicht, RundetHalbeZurGeradenZahl) {
    // 1.5 pixels per unit: odd units fall on half pixels.
    Ansicht a = AnsichtBei(1, 100);
    EXPECT_EQ(a.XNachPixel(1), 4);     // 4.5
    EXPECT_EQ(a.XNachPixel(3), 8);     // 7.5
    EXPECT_EQ(a.XNachPixel(-1), 2);    // 1.5
    EXPECT_EQ(a.YNachPixel(1), 96);    // 95.5
    EXPECT_EQ(a.YNachPixel(-1), 98);   // 98.5
    EXPECT_EQ(a.XNachPixel(-2.5), -1); // -0.75
    // One pixel per unit: -0.5 and 0.5 both go to 0, 1.5 to 2.
    Ansicht b = AnsichtBei(0, 100);
    EXPECT_EQ(b.XNachPixel(-2.5), 0);
    EXPECT_EQ(b.XNachPixel(-1.5), 0);
    EXPECT_EQ(b.XNachPixel(-0.5), 2);
}

TEST(Ansicht, SchnappenAufDasGitter) {
    Ansicht a = AnsichtBei(4, 500);
    a.Schritt = SnapschrittFuer(9);                    // 10 units
    EXPECT_EQ(a.SnapPixelX(18 + 9 * 4), 18);           // x 4 -> 0
    EXPECT_EQ(a.SnapPixelX(18 + 9 * 5), 18);           // x 5 -> 0, half to even
    EXPECT_EQ(a.SnapPixelX(18 + 9 * 15), 18 + 9 * 20); // x 15 -> 20
    EXPECT_EQ(a.SnapPixelX(18 + 9 * 6), 18 + 9 * 10);
    EXPECT_EQ(a.SnapPixelX(18 - 9 * 5), 18); // x -5 -> 0
    EXPECT_EQ(a.SnapPixelY(482 - 9 * 6), 482 - 9 * 10);
    EXPECT_EQ(a.SnapPixelY(482 - 9 * 5), 482);
    a.Snap = false;
    EXPECT_EQ(a.SnapPixelX(37), 37);
    EXPECT_EQ(a.SnapPixelY(-4), -4);
}

TEST(Ansicht, DrittelSchrittUndAnderthalbPixelProEinheit) {
    // A third of a unit at 3 pixels per unit: every pixel already lies on the lattice.
    Ansicht a = AnsichtBei(2, 300);
    a.Schritt = SnapschrittFuer(0);
    for (int px = -30; px <= 300; ++px) {
        EXPECT_EQ(a.SnapPixelX(px), px) << px;
        EXPECT_EQ(a.SnapPixelY(px), px) << px;
    }
    // Step 1 at 1.5 pixels per unit: lattice points fall between pixels and go to the nearest
    // one, ties to even, and map back to within a third of a unit of the lattice.
    Ansicht b = AnsichtBei(1, 300);
    b.Schritt = SnapschrittFuer(2);
    const std::vector<int> erwartet{3, 4, 4, 6, 8, 8, 9};
    for (int px = 3; px <= 9; ++px)
        EXPECT_EQ(b.SnapPixelX(px), erwartet[static_cast<std::size_t>(px - 3)]) << px;
    for (int px = 0; px < 300; ++px) {
        const double x = b.PixelNachX(b.SnapPixelX(px));
        EXPECT_LE(std::abs(x - std::nearbyint(x)), 1.0 / 3.0 + 1e-12) << px;
        const double y = b.PixelNachY(b.SnapPixelY(px));
        EXPECT_LE(std::abs(y - std::nearbyint(y)), 1.0 / 3.0 + 1e-12) << px;
    }
}

TEST(Ansicht, BeschaedigteWerteBleibenBeherrschbar) {
    // Levels and snap indexes from a damaged file are held to the tables.
    EXPECT_DOUBLE_EQ(ZoomFuer(-3).Faktor, ZoomFuer(0).Faktor);
    EXPECT_DOUBLE_EQ(ZoomFuer(99).Faktor, ZoomFuer(8).Faktor);
    EXPECT_DOUBLE_EQ(SnapschrittFuer(-1), 1.0 / 3.0);
    EXPECT_DOUBLE_EQ(SnapschrittFuer(10), 10.0);
    // Absurd coordinates give pixels that stay far from overflow.
    Ansicht a = AnsichtBei(8, 1000);
    EXPECT_LT(std::abs(a.XNachPixel(1e300)), 1'000'000'000);
    EXPECT_LT(std::abs(a.YNachPixel(-1e300)), 1'000'000'000);
    EXPECT_EQ(a.XNachPixel(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_LT(std::abs(a.XNachPixel(std::numeric_limits<double>::infinity())), 1'000'000'000);
}
