#include "curves/Formel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace vektra;

namespace {

struct Ergebnis {
    Formelbaum baum;
    int stelle = -1;
    int code = -1;
};

Ergebnis Parsen(std::string text) {
    Ergebnis e;
    e.baum = FormelParsen(text, 255, e.stelle, e.code);
    return e;
}

Extended Wert(const std::string& text, Extended t = 0, Extended n = 0) {
    Ergebnis e = Parsen(text);
    EXPECT_TRUE(e.baum) << text << ": code " << e.code << " at " << e.stelle;
    return FormelAuswerten(e.baum.get(), t, n);
}

// Expects a syntax error with this code at this position.
void Fehler(const std::string& text, int code, int stelle) {
    Ergebnis e = Parsen(text);
    EXPECT_FALSE(e.baum) << text;
    EXPECT_EQ(e.code, code) << text;
    EXPECT_EQ(e.stelle, stelle) << text;
}

constexpr Extended Pi = std::numbers::pi_v<Extended>;

} // namespace

TEST(Formel, VorrangUndAssoziativitaet) {
    EXPECT_NEAR(Wert("2^3^2"), 64, 1e-15L) << "(2^3)^2, not 2^9";
    EXPECT_NEAR(Wert("-2^2"), 4, 1e-15L);
    EXPECT_NEAR(Wert("-t^2", 3), 9, 1e-15L);
    EXPECT_NEAR(Wert("2^-1"), 0.5L, 1e-15L);
    EXPECT_EQ(Wert("2*-3"), -6);
    EXPECT_EQ(Wert("2--3"), 5);
    EXPECT_EQ(Wert("1+2*3"), 7);
    EXPECT_EQ(Wert("8/4/2"), 1);
    EXPECT_EQ(Wert("10-4-3"), 3);
    EXPECT_NEAR(Wert("2*3^2"), 18, 1e-15L);
    EXPECT_EQ(Wert("(1+2)*3"), 9);
    EXPECT_EQ(Wert("+t", 5), 5);
    EXPECT_EQ(Wert("2*t+n/4", 3, 2), 6.5L);
    EXPECT_EQ(Wert("-(-t)", 7), 7);
    EXPECT_EQ(Wert("-t+n", 2, 10), 8);
    EXPECT_EQ(Wert("t-(-n)", 2, 10), 12);
}

TEST(Formel, ZweitesVorzeichenIstFehler) {
    Fehler("--3", ZeichenUnerwartet, 2);
    Fehler("+-t", ZeichenUnerwartet, 2);
    Fehler("2*--3", ZeichenUnerwartet, 4);
}

TEST(Formel, FehlercodesUndStellen) {
    Fehler("(t", KlammerFehlt, 3);
    Fehler("sin(t", KlammerFehlt, 6);
    Fehler("(t+1]", KlammerFehlt, 5);
    Fehler("t+", OperandFehlt, 3);
    Fehler("t$", ZeichenUnerwartet, 2);
    Fehler("2t", ZeichenUnerwartet, 2);
    Fehler("t t", ZeichenUnerwartet, 3);
    Fehler("t 5", ZeichenUnerwartet, 3);
    Fehler("", OperandFehlt, 1);
    Fehler("   ", OperandFehlt, 4);
    Fehler("x", ZeichenUnerwartet, 1);
    // The first error stays, later ones do not overwrite it.
    Fehler("(t+$)", ZeichenUnerwartet, 4);
    Fehler("sin(2e)+", ZahlUngueltig, 5);
    EXPECT_EQ(Wert("  t  ", 4), 4);
}

TEST(Formel, FunktionsnamenAlsPraefix) {
    EXPECT_NEAR(Wert("sinh(1)"), std::sinh(1.0L), 1e-15L);
    EXPECT_NEAR(Wert("cosh(1)"), std::cosh(1.0L), 1e-15L);
    EXPECT_NEAR(Wert("tanh(1)"), std::tanh(1.0L), 1e-15L);
    EXPECT_NEAR(Wert("coth(1)"), 1 / std::tanh(1.0L), 1e-15L);
    EXPECT_NEAR(Wert("tan(t)", 0.5L), std::tan(0.5L), 1e-15L);
    EXPECT_NEAR(Wert("sin (t)", 1), std::sin(1.0L), 1e-15L);
    EXPECT_NEAR(Wert("exp(1)"), std::exp(1.0L), 1e-15L);
    Fehler("sinus(t)", FunktionOhneKlammer, 4);
    Fehler("sin t", FunktionOhneKlammer, 5);
    Fehler("exp", FunktionOhneKlammer, 4);
    EXPECT_EQ(Funktionstabelle().size(), 23u);
    EXPECT_EQ(Funktionstabelle()[0].Name, "arcsin");
    EXPECT_EQ(Funktionstabelle()[86 - 64].Name, "ln");
}

TEST(Formel, GrossbuchstabenWerdenKlein) {
    std::string text = "SIN(T)+Pi*N";
    int stelle = -1, code = -1;
    Formelbaum b = FormelParsen(text, 255, stelle, code);
    ASSERT_TRUE(b);
    EXPECT_EQ(text, "sin(t)+pi*n");
    EXPECT_EQ(stelle, 0);
    EXPECT_EQ(code, 0);
    EXPECT_NEAR(FormelAuswerten(b.get(), 1, 2), std::sin(1.0L) + 2 * Pi, 1e-15L);
    FormelFreigeben(b);
    EXPECT_FALSE(b);
}

TEST(Formel, ZahlenUndKonstanten) {
    EXPECT_EQ(Wert("2e1"), 20);
    EXPECT_EQ(Wert(".5"), 0.5L);
    EXPECT_EQ(Wert("1.25e-2"), 0.0125L);
    EXPECT_EQ(Wert("3E+2"), 300);
    EXPECT_EQ(Wert("0.1"), 0.1L) << "literals keep extended precision";
    EXPECT_EQ(Wert("e"), std::exp(1.0L));
    EXPECT_EQ(Wert("pi"), Pi);
    EXPECT_EQ(Wert("2*e"), 2 * std::exp(1.0L));
    Fehler("2e", ZahlUngueltig, 1);
    Fehler("t+.", ZahlUngueltig, 3);
    Fehler("1e99999", ZahlUngueltig, 1);
    Fehler("pie", ZeichenUnerwartet, 3);
    Fehler("p", ZeichenUnerwartet, 1);
}

TEST(Formel, LaengeBegrenztDenText) {
    std::string text = "t+1$";
    int stelle = -1, code = -1;
    Formelbaum b = FormelParsen(text, 3, stelle, code);
    ASSERT_TRUE(b);
    EXPECT_EQ(FormelAuswerten(b.get(), 1, 0), 2);
    std::string lang(300, '1');
    b = FormelParsen(lang, 1000, stelle, code);
    ASSERT_TRUE(b) << "only the first 255 characters are read";
    EXPECT_NEAR(FormelAuswerten(b.get(), 0, 0), std::pow(10.0L, 254) * 10 / 9, 1e240L);
}

TEST(Formel, PotenzMitVorzeichenregel) {
    EXPECT_EQ(Wert("0^0"), 0);
    EXPECT_EQ(Wert("0^(-1)"), 0);
    EXPECT_NEAR(Wert("(-2)^3"), -8, 1e-15L);
    EXPECT_NEAR(Wert("(-8)^(1/3)"), 2, 1e-15L);
    EXPECT_NEAR(Wert("(-2)^2"), 4, 1e-15L);
    EXPECT_NEAR(Wert("(-2)^2.5"), std::pow(2.0L, 2.5L), 1e-15L);
    EXPECT_NEAR(Wert("(-2)^(-3)"), -0.125L, 1e-15L);
    // The parity test of a huge exponent needs no integer conversion.
    RechenflagsLoeschen();
    EXPECT_EQ(Pwr(-1, 1e30L), 1);
    EXPECT_FALSE(Rechenfehler());
}

TEST(Formel, FunktionenAnBesonderenStellen) {
    EXPECT_EQ(Wert("arccos(1)"), 0);
    EXPECT_NEAR(Wert("arccos(-1)"), Pi, 1e-18L);
    EXPECT_EQ(Wert("arcsin(-1)"), -Pi / 2);
    EXPECT_NEAR(Wert("arcsin(0.5)"), Pi / 6, 1e-18L);
    EXPECT_EQ(Wert("arccot(0)"), Pi / 2);
    EXPECT_NEAR(Wert("arccot(-1)"), 3 * Pi / 4, 1e-18L);
    EXPECT_NEAR(Wert("arccot(1)"), Pi / 4, 1e-18L);
    EXPECT_NEAR(Wert("arctan(1)"), Pi / 4, 1e-18L);
    EXPECT_NEAR(Wert("arsinh(sinh(2))"), 2, 1e-15L);
    EXPECT_NEAR(Wert("arcosh(cosh(2))"), 2, 1e-15L);
    EXPECT_NEAR(Wert("artanh(tanh(0.5))"), 0.5L, 1e-15L);
    EXPECT_NEAR(Wert("arcoth(coth(0.5))"), 0.5L, 1e-15L);
    EXPECT_NEAR(Wert("cot(pi/4)"), 1, 1e-15L);
    EXPECT_NEAR(Wert("lgt(1000)"), 3, 1e-15L);
    EXPECT_NEAR(Wert("ln(e)"), 1, 1e-18L);
    EXPECT_EQ(Wert("sqrt(16)"), 4);
    EXPECT_EQ(Wert("frac(-2.75)"), -0.75L);
    EXPECT_EQ(Wert("int(-2.75)"), -2);
    EXPECT_EQ(Wert("int(2.75)"), 2);
    EXPECT_EQ(Wert("abs(-3)"), 3);
}

TEST(Formel, VereinfachenAendertKeinErgebnis) {
    struct Fall {
        const char* text;
        Extended (*erwartet)(Extended t, Extended n);
    };
    const Fall faelle[] = {
        {"-(-t)", [](Extended t, Extended) { return t; }},
        {"t+(-n)", [](Extended t, Extended n) { return t - n; }},
        {"t-(-n)", [](Extended t, Extended n) { return t + n; }},
        {"(-t)+n", [](Extended t, Extended n) { return n - t; }},
        {"-(-(-t))+(-n)", [](Extended t, Extended n) { return -t - n; }},
        {"-t+-n*-t", [](Extended t, Extended n) { return n * t - t; }},
        {"-(t+n)-(-(t-n))", [](Extended t, Extended n) { return (t - n) - (t + n); }},
    };
    for (const Fall& f : faelle) {
        Ergebnis e = Parsen(f.text);
        ASSERT_TRUE(e.baum) << f.text;
        for (Extended t : {-1.5L, 0.0L, 2.25L})
            for (Extended n : {-3.0L, 0.5L})
                EXPECT_EQ(FormelAuswerten(e.baum.get(), t, n), f.erwartet(t, n))
                    << f.text << " t=" << double(t);
    }
    // The rewrites themselves: a+(-b) becomes a-b, (-a)+b becomes b-a, -(-a) becomes a.
    std::string s = "(-t)+n";
    int stelle = 0, code = 0;
    Formelbaum b = FormelParsen(s, 255, stelle, code);
    ASSERT_TRUE(b);
    EXPECT_EQ(b->Knotenart, KnotenMinus);
    EXPECT_EQ(b->Links->Knotenart, KnotenN);
    EXPECT_EQ(b->Rechts->Knotenart, KnotenT);
    s = "-(-t)";
    b = FormelParsen(s, 255, stelle, code);
    EXPECT_EQ(b->Knotenart, KnotenT);
}

TEST(Formel, FehlenderBaumSetztFormelfehler) {
    Formelfehler = 0;
    EXPECT_EQ(FormelAuswerten(nullptr, 1, 1), 0);
    EXPECT_EQ(Formelfehler, FehlenderBaum);
    Formelfehler = 0;
}

TEST(Formel, RechenfehlerWerdenErkanntUndBenannt) {
    struct Fall {
        const char* text;
        Extended t;
        const char* quelle;
    };
    const Fall faelle[] = {
        {"sqrt(t)", -1, "sqrt"}, {"ln(t)", -1, "ln"},        {"ln(t)", 0, "ln"},
        {"1/t", 0, "/"},         {"arcsin(t)", 2, "arcsin"}, {"arccos(t)", -1.5L, "arccos"},
        {"exp(t)", 1e6L, "exp"}, {"t^t", 1e4L, "^"},         {"cot(t)", 0, "cot"},
        {"lgt(t)", -2, "lgt"},   {"t*t*t", 1e2000L, "*"},    {"2+sqrt(t)*3", -4, "sqrt"},
        {"coth(t)", 0, "coth"},  {"artanh(t)", 1, "artanh"}, {"arcosh(t)", 0.5L, "arcosh"},
    };
    for (const Fall& f : faelle) {
        Ergebnis e = Parsen(f.text);
        ASSERT_TRUE(e.baum) << f.text;
        RechenflagsLoeschen();
        const Extended w = FormelAuswerten(e.baum.get(), f.t, 0);
        EXPECT_TRUE(Rechenfehler() || !std::isfinite(w)) << f.text;
        EXPECT_EQ(Fehlerquelle(e.baum.get(), f.t, 0), f.quelle) << f.text;
    }
    // Sound values raise nothing, also where a function has a special point.
    for (const char* text : {"sqrt(t)+ln(t+1)", "arcsin(t/2)", "arccot(t-1)", "0^t", "exp(-t*1000)"}) {
        Ergebnis e = Parsen(text);
        RechenflagsLoeschen();
        FormelAuswerten(e.baum.get(), 1, 0);
        EXPECT_FALSE(Rechenfehler()) << text;
        EXPECT_EQ(Fehlerquelle(e.baum.get(), 1, 0), "") << text;
    }
}

TEST(Formel, UnbekannteKnotenartIstEinRechenfehler) {
    auto k = std::make_unique<FormelKnoten>();
    k->Knotenart = 200;
    RechenflagsLoeschen();
    EXPECT_TRUE(std::isnan(FormelAuswerten(k.get(), 0, 0)));
    EXPECT_TRUE(Rechenfehler());
    EXPECT_EQ(Fehlerquelle(k.get(), 0, 0), "Fehler im Baum");
}
