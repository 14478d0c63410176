#include "curves/Musterformeln.h"

#include "text/Format.h"

#include <algorithm>
#include <cmath>

namespace vektra {
namespace {

std::string Zahl(double w) {
    return Festkomma(w, 6, 3);
}

// "a + b * t"
std::string Strecke(double anfang, double laenge) {
    return Zahl(anfang) + " + " + Zahl(laenge) + " * t";
}

} // namespace

double WirksamerMassstab(std::int32_t massstab) {
    return massstab > 0 ? massstab : 10.0;
}

Formelpaar LinienFormeln(double x1, double y1, double x2, double y2, double m) {
    return {Strecke(x1 / m, (x2 - x1) / m), Strecke(y1 / m, (y2 - y1) / m)};
}

std::array<Formelpaar, 4> RechteckFormeln(double x1, double y1, double x2, double y2, double m) {
    return {{
        {Strecke(x1 / m, (x2 - x1) / m), Zahl(y1 / m)},
        {Zahl(x2 / m), Strecke(y1 / m, (y2 - y1) / m)},
        {Strecke(x2 / m, -(x2 - x1) / m), Zahl(y2 / m)},
        {Zahl(x1 / m), Strecke(y2 / m, -(y2 - y1) / m)},
    }};
}

Formelpaar BogenFormeln(double x1, double y1, double x2, double y2, double m) {
    const double cx = x1 / m, cy = y1 / m;
    const double r = std::max(std::fabs(x2 / m - cx), std::fabs(y2 / m - cy));
    return {Zahl(cx) + " + " + Zahl(r) + " * cos(t)", Zahl(cy) + " + " + Zahl(r) + " * sin(t)"};
}

} // namespace vektra
