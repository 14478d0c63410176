#pragma once
// The formula texts through which the patterned line, rectangle and arc tools hand their
// figures to the curve plotter. Points are in drawing units; formula units are drawing units
// divided by the scale M, and numbers are written as "%6.3f".
#include <array>
#include <cstdint>
#include <string>

namespace vektra {

struct Formelpaar {
    std::string x;
    std::string y;
};

// t runs over these for lines and rectangle sides.
inline constexpr const char* MusterStart = "0";
inline constexpr const char* MusterEnde = "1.0";

// The scale the formulas divide by: `Massstab`, or its default 10 when it is 0 or less.
double WirksamerMassstab(std::int32_t massstab);

// The straight line from (x1, y1) to (x2, y2).
Formelpaar LinienFormeln(double x1, double y1, double x2, double y2, double massstab);
// The four sides of the rectangle with corners (x1, y1) and (x2, y2), in drawing order:
// (x1,y1)-(x2,y1), (x2,y1)-(x2,y2), (x2,y2)-(x1,y2), (x1,y2)-(x1,y1).
std::array<Formelpaar, 4> RechteckFormeln(double x1, double y1, double x2, double y2, double massstab);
// The circle about (x1, y1) through the larger of the two distances to (x2, y2) along the axes;
// t is the angle in radians.
Formelpaar BogenFormeln(double x1, double y1, double x2, double y2, double massstab);

} // namespace vektra
