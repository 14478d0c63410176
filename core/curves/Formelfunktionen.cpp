// The extended functions of the formula language. Most are written as their defining formulas;
// the inverse hyperbolic sine and cosine and the hyperbolic tangent and cotangent come from the
// library, since their formulas cancel or overflow at large or small arguments and then give
// wrong values or raise faults where the function has a sound value.
#include "curves/Formel.h"

#include <cfenv>
#include <cmath>
#include <numbers>

namespace vektra {
namespace {

constexpr Extended Pi = std::numbers::pi_v<Extended>;

Extended ArcSin(Extended x) {
    if (x == -1) return -Pi / 2;
    if (x == 1) return Pi / 2;
    return std::atan(x / std::sqrt(1 - x * x));
}

Extended ArcTan(Extended x) {
    return std::atan(x);
}

Extended ArcCot(Extended x) {
    if (x == 0) return Pi / 2;
    if (x > 0) return std::atan(1 / x);
    return std::atan(1 / x) + Pi;
}

Extended ArSinh(Extended x) {
    return std::asinh(x);
}
Extended ArCosh(Extended x) {
    return std::acosh(x);
}
Extended ArTanh(Extended x) {
    return 0.5L * std::log((x + 1) / (1 - x));
}
Extended ArCoth(Extended x) {
    return 0.5L * std::log((x + 1) / (x - 1));
}

Extended Sinh(Extended x) {
    return (std::exp(x) - std::exp(-x)) * 0.5L;
}
Extended Cosh(Extended x) {
    return (std::exp(-x) + std::exp(x)) * 0.5L;
}
Extended Tanh(Extended x) {
    return std::tanh(x);
}
// At 0 the division raises the fault, as the pole asks.
Extended Coth(Extended x) {
    return 1 / std::tanh(x);
}

Extended Wurzel(Extended x) {
    return std::sqrt(x);
}
Extended Frac(Extended x) {
    return x - std::trunc(x);
}
Extended Sin(Extended x) {
    return std::sin(x);
}
Extended Cos(Extended x) {
    return std::cos(x);
}
Extended Tan(Extended x) {
    return std::sin(x) / std::cos(x);
}
Extended Cot(Extended x) {
    return std::cos(x) / std::sin(x);
}
Extended LgT(Extended x) {
    return std::log(x) / std::log(10.0L);
}
Extended Exp(Extended x) {
    return std::exp(x);
}
Extended Int(Extended x) {
    return std::trunc(x);
}
Extended Abs(Extended x) {
    return std::fabs(x);
}
Extended Ln(Extended x) {
    return std::log(x);
}

constexpr std::array<Formelfunktion, 23> Tabelle{{
    {"arcsin", ArcSin}, {"arccos", ArcCos}, {"arctan", ArcTan}, {"arccot", ArcCot}, {"arsinh", ArSinh},
    {"arcosh", ArCosh}, {"artanh", ArTanh}, {"arcoth", ArCoth}, {"sinh", Sinh},     {"cosh", Cosh},
    {"tanh", Tanh},     {"coth", Coth},     {"sqrt", Wurzel},   {"frac", Frac},     {"sin", Sin},
    {"cos", Cos},       {"tan", Tan},       {"cot", Cot},       {"lgt", LgT},       {"exp", Exp},
    {"int", Int},       {"abs", Abs},       {"ln", Ln},
}};

constexpr int Fehlerflags = FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW;

} // namespace

const std::array<Formelfunktion, 23>& Funktionstabelle() {
    return Tabelle;
}

Extended ArcCos(Extended x) {
    return Pi / 2 - ArcSin(x);
}

Extended Pwr(Extended a, Extended b) {
    if (a == 0) return 0;
    const Extended r = std::exp(b * std::log(std::fabs(a)));
    // fmod keeps the parity test free of integer conversions, whatever the size of b.
    if (a < 0 && std::fmod(std::trunc(b), 2.0L) != 0) return -r;
    return r;
}

void RechenflagsLoeschen() {
    std::feclearexcept(FE_ALL_EXCEPT);
}

bool Rechenfehler() {
    return std::fetestexcept(Fehlerflags) != 0;
}

} // namespace vektra
