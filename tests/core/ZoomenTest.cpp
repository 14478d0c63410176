#include "view/Zoomen.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <tuple>

using namespace vektra;

TEST(Zoomen, FlaecheWirdEingepasstUndMittig) {
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
        const double s = Grundmassstab * ZoomFuer(neu->Zoomstufe).Faktor;
        const double mx = (a.PixelNachX(px1) + a.PixelNachX(px2)) / 2;
        const double my = (a.PixelNachY(py1) + a.PixelNachY(py2)) / 2;
        EXPECT_LE(std::abs(neu->NullX + W / s / 2 - mx), 1) << px1 << "," << py1;
        EXPECT_LE(std::abs(neu->NullY + H / s / 2 - my), 1) << px1 << "," << py1;
    }
    const Ansicht a{.Hoehe = H};
    EXPECT_FALSE(ZoomFlaeche(a, 50, 10, 50, 90, W).has_value());
    EXPECT_FALSE(ZoomFlaeche(a, 10, 50, 90, 50, W).has_value());
}

TEST(Zoomen, Zoomschritt) {
    EXPECT_EQ((std::array{Zoomschritt(0, true), Zoomschritt(7, true), Zoomschritt(8, true),
                          Zoomschritt(8, false), Zoomschritt(1, false), Zoomschritt(0, false)}),
              (std::array{1, 8, 8, 7, 0, 0}));
}
