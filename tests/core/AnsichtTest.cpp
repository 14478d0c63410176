#include "view/Ansicht.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace vektra;

static Ansicht AnsichtBei(int zoomstufe, int hoehe, int snapstufe = 2) {
    Ansicht a;
    a.Zoomfaktor = ZoomFuer(zoomstufe).Faktor;
    a.Hoehe = hoehe;
    a.Schritt = SnapschrittFuer(snapstufe);
    return a;
}

TEST(Ansicht, NullpunktUndStufen) {
    // Level 4, origin (-2,-2): the point (0,0) lies 18 pixels right of and above the corner.
    Ansicht a = AnsichtBei(4, 500);
    EXPECT_EQ((std::array{a.XNachPixel(0), a.YNachPixel(0)}), (std::array{18, 482}));
    EXPECT_DOUBLE_EQ(a.PixelNachY(500), -2.0);
    // Points move with the bottom edge; the corner keeps showing the origin.
    a.Hoehe = 300;
    EXPECT_TRUE(a.YNachPixel(0) == 282 && a.PixelNachY(300) == -2.0);
    // Level 0 is one pixel a unit; every level converts pixels back to themselves.
    EXPECT_EQ(AnsichtBei(0, 400).XNachPixel(100), 102);
    for (int stufe = 0; stufe < 9; ++stufe) {
        Ansicht b = AnsichtBei(stufe, 400);
        for (int px = 0; px < 50; ++px)
            EXPECT_TRUE(b.XNachPixel(b.PixelNachX(px)) == px && b.YNachPixel(b.PixelNachY(px)) == px)
                << stufe;
    }
}

TEST(Ansicht, RundetHalbeZurGeradenZahl) {
    // 1.5 pixels per unit: odd units fall on half pixels 4.5, 7.5, 95.5 and 98.5.
    Ansicht a = AnsichtBei(1, 100);
    EXPECT_EQ((std::array{a.XNachPixel(1), a.XNachPixel(3), a.YNachPixel(1), a.YNachPixel(-1)}),
              (std::array{4, 8, 96, 98}));
    EXPECT_EQ(AnsichtBei(0, 100).XNachPixel(-2.5), 0); // -0.5
    // Snapping to 10 units at level 4: x 5 goes to 0, x 15 to 20.
    Ansicht b = AnsichtBei(4, 500, 9);
    EXPECT_EQ((std::array{b.SnapPixelX(18 + 9 * 5), b.SnapPixelX(18 + 9 * 15), b.SnapPixelX(18 - 9 * 6)}),
              (std::array{18, 18 + 9 * 20, 18 - 9 * 10}));
    EXPECT_EQ((std::array{b.SnapPixelY(482 - 9 * 5), b.SnapPixelY(482 - 9 * 6)}),
              (std::array{482, 482 - 9 * 10}));
    b.Snap = false;
    EXPECT_EQ(b.SnapPixelX(37), 37);
}

TEST(Ansicht, SchnappenZwischenPixeln) {
    // A third of a unit at 3 pixels per unit: every pixel already lies on the lattice.
    Ansicht a = AnsichtBei(2, 300, 0);
    for (int px = -30; px <= 300; ++px)
        EXPECT_TRUE(a.SnapPixelX(px) == px && a.SnapPixelY(px) == px) << px;
    // Step 1 at 1.5 pixels per unit: a lattice point goes to its nearest pixel, ties to even,
    // and that pixel maps back to within a third of a unit of it.
    Ansicht b = AnsichtBei(1, 300);
    const std::vector<int> erwartet{3, 4, 4, 6, 8, 8, 9};
    for (int px = 3; px <= 9; ++px)
        EXPECT_EQ(b.SnapPixelX(px), erwartet[static_cast<std::size_t>(px - 3)]) << px;
    for (int px = 0; px < 300; ++px) {
        const double y = b.PixelNachY(b.SnapPixelY(px));
        EXPECT_LE(std::abs(y - std::nearbyint(y)), 1.0 / 3.0 + 1e-12) << px;
    }
}
