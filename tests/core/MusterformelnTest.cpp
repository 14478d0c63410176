#include "curves/Musterformeln.h"
#include "Testhilfe.h"

using namespace testhilfe;

TEST(Musterformeln, FormeltexteDerWerkzeuge) {
    const auto rechteck = RechteckFormeln(0, 0, 3, 2, 10);
    // clang-format off
    const std::pair<Formelpaar, const char*> faelle[] = {
        {LinienFormeln(0, 0, 20, 10, 10), " 0.000 +  2.000 * t| 0.000 +  1.000 * t"},
        // Backwards, with negative numbers in the text.
        {LinienFormeln(20, 10, -5.5, 0, 10), " 2.000 + -2.550 * t| 1.000 + -1.000 * t"},
        // The sides run around the outline, each starting where the last ended.
        {rechteck[0], " 0.000 +  0.300 * t| 0.000"}, {rechteck[1], " 0.300| 0.000 +  0.200 * t"},
        {rechteck[2], " 0.300 + -0.300 * t| 0.200"}, {rechteck[3], " 0.000| 0.200 + -0.200 * t"},
        {BogenFormeln(10, 10, 30, 15, 10), " 1.000 +  2.000 * cos(t)| 1.000 +  2.000 * sin(t)"},
        // A release that differs from the centre only in y: the radius is that difference.
        {BogenFormeln(10, 10, 10, -25, 10), " 1.000 +  3.500 * cos(t)| 1.000 +  3.500 * sin(t)"}};
    // clang-format on
    for (const auto& [f, text] : faelle)
        EXPECT_EQ(f.x + "|" + f.y, text);
    // A scale of 0 or below falls back to 10.
    EXPECT_EQ((std::array{WirksamerMassstab(4), WirksamerMassstab(0), WirksamerMassstab(-3)}),
              (std::array{4.0, 10.0, 10.0}));
}
