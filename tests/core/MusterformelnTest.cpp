#include "Testhilfe.h"

#include "curves/Musterformeln.h"

#include <gtest/gtest.h>

using namespace vektra;
using namespace testhilfe;

namespace {

// Plots the formula pair for t from t0 to t1 into the plotter's chord store.
void Plotten(Kurvenplotter& k, const Formelpaar& f, Protokoll& r) {
    Kurvenparameter p = Parameter(f.x, f.y, MusterStart, MusterEnde);
    p.n = 0;
    k.KurveVorbereiten(p, r);
    ASSERT_FALSE(p.Fehler) << testing::PrintToString(r.Texte());
    EXPECT_EQ(k.KurveBerechnen(r), Kurvenende::Fertig) << testing::PrintToString(r.Texte());
}

} // namespace

TEST(Musterformeln, LinieMitSechsStellenUndMassstab) {
    const Formelpaar f = LinienFormeln(0, 0, 20, 10, 10);
    EXPECT_EQ(f.x + "|" + f.y, " 0.000 +  2.000 * t| 0.000 +  1.000 * t");
    // Backwards, with negative numbers in the text; plotted, the line ends where it was drawn.
    const Formelpaar g = LinienFormeln(20, 10, -5.5, 0, 10);
    EXPECT_EQ(g.x, " 2.000 + -2.550 * t");
    Protokoll r;
    Kurvenplotter k;
    Plotten(k, g, r);
    EXPECT_DOUBLE_EQ(k.Stuecke().back().x2, -5.5);
    EXPECT_DOUBLE_EQ(k.Stuecke().back().y2, 0);
    // A scale of 0 or below falls back to 10.
    EXPECT_EQ((std::array{WirksamerMassstab(4), WirksamerMassstab(0), WirksamerMassstab(-3)}),
              (std::array{4.0, 10.0, 10.0}));
}

TEST(Musterformeln, RechteckMusterLaeuftUmDieEcken) {
    const auto seiten = RechteckFormeln(0, 0, 3, 2, 10);
    EXPECT_EQ(seiten[2].x + "|" + seiten[3].y, " 0.300 + -0.300 * t| 0.200 + -0.200 * t");
    // The sides go into one chord store and one output pass, so the pattern runs on around the
    // closed outline.
    Protokoll r;
    Kurvenplotter k;
    k.StueckeLeeren();
    for (const auto& s : seiten)
        Plotten(k, s, r);
    const auto& st = k.Stuecke();
    ASSERT_EQ(st.size(), 10u);
    for (std::size_t i = 0; i < st.size(); ++i) {
        EXPECT_NEAR(st[i].x2, st[(i + 1) % st.size()].x1, 1e-12) << i;
        EXPECT_NEAR(st[i].y2, st[(i + 1) % st.size()].y1, 1e-12) << i;
    }
    Zeichnung z = OhneClip();
    k.MusterZuruecksetzen();
    k.KurveAusgeben(z, {2, 1, 0, 0}, r);
    ASSERT_EQ(z.Elemente.Anzahl(), 10);
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(z.Elemente[i].Breite, i % 3 == 0 ? -1 : 1) << i;
}

TEST(Musterformeln, BogenUmDenMittelpunkt) {
    const Formelpaar f = BogenFormeln(10, 10, 30, 15, 10);
    EXPECT_EQ(f.x + "|" + f.y, " 1.000 +  2.000 * cos(t)| 1.000 +  2.000 * sin(t)");
    // A release that differs from the centre only in y: the radius is that difference.
    EXPECT_EQ(BogenFormeln(10, 10, 10, -25, 10).x, " 1.000 +  3.500 * cos(t)");
}
