#include "curves/Sehnen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace vektra;

namespace {

// Each chord begins where the one before it ends.
bool Zusammenhaengend(const std::vector<Kurvenstueck>& s) {
    for (std::size_t i = 1; i < s.size(); ++i)
        if (std::hypot(s[i].x1 - s[i - 1].x2, s[i].y1 - s[i - 1].y2) > 1e-9) return false;
    return !s.empty();
}

// The largest distance of a chord end from the rounded rectangle of half sizes W, H and corner
// radius r about (0,0).
double Abweichung(const std::vector<Kurvenstueck>& s, double W, double H, double r) {
    double groesste = 0;
    const auto abstand = [&](double x, double y) {
        const double dx = std::max(std::fabs(x) - (W - r), 0.0), dy = std::max(std::fabs(y) - (H - r), 0.0);
        return std::fabs(std::hypot(dx, dy) - r);
    };
    for (const Kurvenstueck& k : s)
        groesste = std::max({groesste, abstand(k.x1, k.y1), abstand(k.x2, k.y2)});
    return groesste;
}

} // namespace

TEST(Sehnen, OvaleUndIhreTeile) {
    // clang-format off
    const struct { const char* teile; double x1, y1, x2, y2; } faelle[] = {
        // The whole oval is closed; a half and a quarter run between the points on its axes.
        {"", 20, -5, 20, -5}, {"t", 20, 0, -20, 0}, {"b", -20, 0, 20, 0}, {"l", 0, 10, 0, -10},
        {"rt", 20, 0, 0, 10}, {"bl", -20, 0, 0, -10}, {"tr", 20, 0, 0, 10},
    };
    // clang-format on
    for (const auto& f : faelle) {
        const auto s = Ovalsehnen(0, 0, 40, -20, 5, f.teile, 1);
        ASSERT_TRUE(Zusammenhaengend(s)) << f.teile;
        EXPECT_LT(Abweichung(s, 20, 10, 5), 1e-9) << f.teile;
        EXPECT_LT(std::hypot(s.front().x1 - f.x1, s.front().y1 - f.y1) +
                      std::hypot(s.back().x2 - f.x2, s.back().y2 - f.y2),
                  1e-9)
            << f.teile;
    }
    // Sides as one chord each, corners of about the chord length: 4 + 4 * ceil(pi/2 * 5).
    EXPECT_EQ(Ovalsehnen(0, 0, 40, 20, 5, "", 1).size(), 4u + 4 * 8);
    // Corners no rounder than the smaller side allows; sides of no length are left out.
    const auto rund = Ovalsehnen(0, 0, 4, 2, 50, "", 0.1);
    EXPECT_LT(Abweichung(rund, 2, 1, 1), 1e-9);
    EXPECT_EQ(rund.size(), 2u + 4 * 16);
    // A tiny chord length or a huge oval still gives a bounded number of chords.
    EXPECT_EQ(Ovalsehnen(0, 0, 1e16, 1e16, 1e15, "tr", 1e-9).size(), std::size_t(MaxSehnenJeKurve) + 2);
}

TEST(Sehnen, BezierKurven) {
    const auto s = Beziersehnen(0, 0, 5, 10, 10, 0, 1);
    ASSERT_TRUE(Zusammenhaengend(s));
    EXPECT_EQ(s.size(), 23u); // the control polygon is 2 * sqrt(125) long
    EXPECT_TRUE(s.front().x1 == 0 && s.front().y1 == 0 && s.back().x2 == 10 && s.back().y2 == 0);
    // Every point lies on the curve y = 2 * x * (1 - x / 10), its top at (5, 5).
    for (const Kurvenstueck& k : s)
        EXPECT_NEAR(k.y2, 2 * k.x2 * (1 - k.x2 / 10), 1e-9);
    EXPECT_TRUE(Beziersehnen(3, 3, 3, 3, 3, 3, 1).empty());
    EXPECT_EQ(Beziersehnen(0, 0, 1e16, 1e16, 2e16, 0, 1).size(), std::size_t(MaxSehnenJeKurve));
    // A straight one is one line.
    EXPECT_EQ(Beziersehnen(0, 0, 1, 0, 5, 0, 0.1).size(), 1u);
}
