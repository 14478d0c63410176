#include "curves/Formel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace vektra;

namespace {

struct Geparst {
    int stelle = -1, code = -1;
    Formelbaum baum;
    explicit Geparst(std::string text) : baum(FormelParsen(text, 255, stelle, code)) {}
};

constexpr Extended Pi = std::numbers::pi_v<Extended>;

} // namespace

TEST(Formel, WerteMitVorrangAssoziativitaetUndFunktionen) {
    struct Fall {
        const char* text;
        Extended erwartet;
        Extended toleranz = 0; // 0: exact
        Extended t = 0, n = 0;
    };
    // clang-format off
    const Fall faelle[] = {
        // Precedence and associativity: ^ binds left, a sign binds weaker than ^.
        {"2^3^2", 64, 1e-15L}, {"-2^2", 4, 1e-15L}, {"-t^2", 9, 1e-15L, 3}, {"2^-1", 0.5L, 1e-15L},
        {"2*3^2", 18, 1e-15L}, {"2*-3", -6}, {"2--3", 5}, {"1+2*3", 7}, {"8/4/2", 1}, {"10-4-3", 3},
        {"(1+2)*3", 9}, {" t-(-n)", 12, 0, 2, 10},
        // Signs folded into the operators around them.
        {"-(-t)", 3, 0, 3}, {"(-t)+n", 8, 0, 2, 10}, {"-t+-n*-t", 18, 0, 2, 10},
        // Numbers and constants; literals keep extended precision.
        {".5", 0.5L}, {"1.25e-2", 0.0125L}, {"0.1", 0.1L}, {"2*e", 2 * std::exp(1.0L)}, {"pi", Pi},
        // A longer function name is not taken for a shorter one it starts with.
        {"sinh(1)", std::sinh(1.0L), 1e-15L}, {"coth(1)", 1 / std::tanh(1.0L), 1e-15L},
        {"sin (t)", std::sin(1.0L), 1e-15L, 1},
        // Powers of negative bases: odd roots and integer exponents keep the sign; 0^x is 0.
        {"0^0", 0}, {"(-8)^(1/3)", 2, 1e-15L}, {"(-2)^2.5", std::pow(2.0L, 2.5L), 1e-15L},
        {"(-2)^(-3)", -0.125L, 1e-15L},
        // Functions at their special points.
        {"arccos(-1)", Pi, 1e-18L}, {"arcsin(-1)", -Pi / 2}, {"arccot(0)", Pi / 2}, {"arccot(-1)", 3 * Pi / 4, 1e-18L},
        {"arcosh(cosh(2))", 2, 1e-15L}, {"arcoth(coth(0.5))", 0.5L, 1e-15L}, {"lgt(1000)", 3, 1e-15L},
        {"frac(-2.75)", -0.75L}, {"int(-2.75)", -2}};
    // clang-format on
    for (const Fall& f : faelle) {
        Geparst e(f.text);
        ASSERT_TRUE(e.baum) << f.text << ": code " << e.code << " at " << e.stelle;
        const Extended w = FormelAuswerten(e.baum.get(), f.t, f.n);
        if (f.toleranz == 0)
            EXPECT_EQ(w, f.erwartet) << f.text;
        else
            EXPECT_NEAR(w, f.erwartet, f.toleranz) << f.text;
    }
    // The parity test of a huge exponent needs no integer conversion.
    RechenflagsLoeschen();
    EXPECT_EQ(Pwr(-1, 1e30L), 1);
    EXPECT_FALSE(Rechenfehler());
}

TEST(Formel, HyperbelfunktionenGenauUndOhneFehlalarm) {
    // Where the defining formulas cancel or overflow, the values stay exact and raise nothing.
    // Tolerances are relative.
    const Extended ln2 = std::log(2.0L), ln10 = std::log(10.0L);
    // clang-format off
    const std::pair<const char*, Extended> faelle[] = {
        {"arsinh(-4.4e9)", -std::log(8.8e9L)}, {"arsinh(1e-10)", 1e-10L}, {"arsinh(1e3000)", ln2 + 3000 * ln10},
        {"arcosh(1e3000)", ln2 + 3000 * ln10}, {"arcosh(1)", 0}, {"tanh(-20000)", -1}, {"tanh(1e-10)", 1e-10L},
        {"coth(20000)", 1}, {"coth(-1e-10)", -1e10L}};
    // clang-format on
    for (const auto& [text, erwartet] : faelle) {
        Geparst e(text);
        RechenflagsLoeschen();
        const Extended w = FormelAuswerten(e.baum.get(), 0, 0);
        EXPECT_FALSE(Rechenfehler()) << text;
        EXPECT_NEAR(w, erwartet, std::fabs(erwartet) * 1e-17L) << text;
    }
}

TEST(Formel, FehlercodesUndStellen) {
    // clang-format off
    const std::tuple<const char*, int, int> faelle[] = {
        {"--3", ZeichenUnerwartet, 2}, {"2*--3", ZeichenUnerwartet, 4}, {"sin(t", KlammerFehlt, 6},
        {"(t+1]", KlammerFehlt, 5}, {"t+", OperandFehlt, 3}, {"   ", OperandFehlt, 4}, {"2t", ZeichenUnerwartet, 2},
        {"t 5", ZeichenUnerwartet, 3}, {"pie", ZeichenUnerwartet, 3}, {"sin t", FunktionOhneKlammer, 5},
        {"exp", FunktionOhneKlammer, 4}, {"2e", ZahlUngueltig, 1}, {"1e99999", ZahlUngueltig, 1},
        // The first error stays, later ones do not overwrite it.
        {"sin(2e)+", ZahlUngueltig, 5}};
    // clang-format on
    for (const auto& [text, code, stelle] : faelle) {
        Geparst e(text);
        EXPECT_EQ(std::tuple(!e.baum, e.code, e.stelle), std::tuple(true, code, stelle)) << text;
    }
}

TEST(Formel, GrossbuchstabenUndLaengenbegrenzung) {
    // Letters are lowered in the caller's text; the length limit and 255 cut off the rest.
    std::string texte[] = {"SIN(T)+Pi*N", "t+1$", std::string(300, '1')};
    int stelle = -1, code = -1;
    const Formelbaum b[] = {FormelParsen(texte[0], 255, stelle, code),
                            FormelParsen(texte[1], 3, stelle, code),
                            FormelParsen(texte[2], 1000, stelle, code)};
    EXPECT_EQ(texte[0], "sin(t)+pi*n");
    ASSERT_TRUE(b[0] && b[1] && b[2] && stelle + code == 0);
    EXPECT_NEAR(FormelAuswerten(b[0].get(), 1, 2), std::sin(1.0L) + 2 * Pi, 1e-15L);
    EXPECT_EQ(FormelAuswerten(b[1].get(), 1, 0), 2);
    EXPECT_NEAR(FormelAuswerten(b[2].get(), 0, 0), std::pow(10.0L, 254) * 10 / 9, 1e240L);
}

TEST(Formel, RechenfehlerWerdenErkanntUndBenannt) {
    // clang-format off
    const std::tuple<const char*, Extended, std::string> faelle[] = {
        {"ln(t)", 0, "ln"}, {"1/t", 0, "/"}, {"arcsin(t)", 2, "arcsin"}, {"exp(t)", 1e6L, "exp"},
        {"t*t*t", 1e2000L, "*"}, {"2+sqrt(t)*3", -4, "sqrt"}, {"arcosh(t)", 0.5L, "arcosh"}, {"coth(t)", 0, "coth"},
        // Sound values raise nothing, also where a function has a special point.
        {"sqrt(t)+ln(t+1)", 1, ""}, {"arccot(t-1)", 1, ""}, {"0^t", 1, ""}, {"exp(-t*1000)", 1, ""}};
    // clang-format on
    for (const auto& [text, t, quelle] : faelle) {
        Geparst e(text);
        ASSERT_TRUE(e.baum) << text;
        RechenflagsLoeschen();
        const Extended w = FormelAuswerten(e.baum.get(), t, 0);
        EXPECT_EQ(Rechenfehler() || !std::isfinite(w), !quelle.empty()) << text;
        EXPECT_EQ(Fehlerquelle(e.baum.get(), t, 0), quelle) << text;
    }
    // A missing tree or an unknown node kind is reported, not followed.
    Formelfehler = 0;
    EXPECT_EQ(FormelAuswerten(nullptr, 1, 1), 0);
    EXPECT_EQ(Formelfehler, FehlenderBaum);
    FormelKnoten k;
    k.Knotenart = 200;
    RechenflagsLoeschen();
    EXPECT_TRUE(std::isnan(FormelAuswerten(&k, 0, 0)) && Rechenfehler());
    EXPECT_EQ(Fehlerquelle(&k, 0, 0), "Fehler im Baum");
}
