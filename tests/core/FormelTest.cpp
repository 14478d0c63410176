#include "curves/Formel.h"
#include "Testhilfe.h"
#include "curves/Musterformeln.h"

#include <cmath>

using namespace testhilfe;

namespace {

const std::string Datei = VEKTRA_TESTDATA "/faelle/formeln.txt";

struct Geparst {
    int stelle = -1, code = -1;
    Formelbaum baum;
    explicit Geparst(std::string text) : baum(FormelParsen(text, 255, stelle, code)) {}
};

Extended Zahl(const std::string& text) {
    return std::strtold(text.c_str(), nullptr);
}

} // namespace

TEST(Formel, WerteMitVorrangAssoziativitaetUndFunktionen) {
    for (const auto& z : Spalten(Feld(Datei, "Werte"))) {
        Geparst e(z[0]);
        ASSERT_TRUE(e.baum) << z[0] << ": code " << e.code << " at " << e.stelle;
        const Extended w = FormelAuswerten(e.baum.get(), Zahl(z[1]), Zahl(z[2]));
        EXPECT_NEAR(w, Zahl(z[3]), Zahl(z[4])) << z[0];
    }
    for (const auto& z : Spalten(Feld(Datei, "Hyperbelfunktionen"))) {
        Geparst e(z[0]);
        RechenflagsLoeschen();
        const Extended w = FormelAuswerten(e.baum.get(), 0, 0);
        EXPECT_FALSE(Rechenfehler()) << z[0];
        EXPECT_NEAR(w, Zahl(z[1]), std::fabs(Zahl(z[1])) * Zahl(z[2])) << z[0];
    }
    // The parity test of a huge exponent needs no integer conversion.
    RechenflagsLoeschen();
    EXPECT_EQ(Pwr(-1, 1e30L), 1);
    EXPECT_FALSE(Rechenfehler());
}

TEST(Formel, FehlercodesUndStellen) {
    for (const auto& z : Spalten(Feld(Datei, "Syntaxfehler"))) {
        Geparst e(z[0]);
        EXPECT_EQ(std::tuple(!e.baum, e.code, e.stelle), std::tuple(true, std::stoi(z[1]), std::stoi(z[2])))
            << z[0];
    }
    // Letters are lowered in the caller's text; the length limit and 255 cut off the rest.
    std::string texte[] = {"SIN(T)+Pi*N", "t+1$", std::string(300, '1')};
    int stelle = -1, code = -1;
    const Formelbaum b[] = {FormelParsen(texte[0], 255, stelle, code),
                            FormelParsen(texte[1], 3, stelle, code),
                            FormelParsen(texte[2], 1000, stelle, code)};
    EXPECT_EQ(texte[0], "sin(t)+pi*n");
    ASSERT_TRUE(b[0] && b[1] && b[2] && stelle + code == 0);
    EXPECT_NEAR(FormelAuswerten(b[0].get(), 1, 2), 0.8414709848078965066525L + 6.283185307179586476925L,
                1e-15L);
    EXPECT_EQ(FormelAuswerten(b[1].get(), 1, 0), 2);
    EXPECT_NEAR(FormelAuswerten(b[2].get(), 0, 0), 1.1111111111111111111e254L, 1e240L);
}

TEST(Formel, RechenfehlerWerdenErkanntUndBenannt) {
    for (const auto& z : Spalten(Feld(Datei, "Rechenfehler"))) {
        Geparst e(z[0]);
        ASSERT_TRUE(e.baum) << z[0];
        RechenflagsLoeschen();
        const Extended w = FormelAuswerten(e.baum.get(), Zahl(z[1]), 0);
        EXPECT_EQ(Rechenfehler() || !std::isfinite(w), !z[2].empty()) << z[0];
        EXPECT_EQ(Fehlerquelle(e.baum.get(), Zahl(z[1]), 0), z[2]) << z[0];
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
