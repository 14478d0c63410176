#include "editing/Zeichnen.h"
#include "Testhilfe.h"
#include "curves/Musterfiguren.h"
#include "text/Texte.h"

#include <cmath>
#include <numbers>

using namespace testhilfe;

namespace {

constexpr double pi = std::numbers::pi;

// Chords of a figure as breadths, "x" for a drawn and "-" for an invisible one.
std::string Muster(const Zeichnung& z, int von) {
    std::string s;
    for (int i = von; i <= z.Elemente.Anzahl(); ++i)
        s += z.Elemente[i].Breite == -1 ? '-' : 'x';
    return s;
}

// Whether the chords from the first element run from (x1,y1) to (x2,y2), to within `tol`.
bool VonBis(const Elementspeicher& e, double x1, double y1, double x2, double y2, double tol) {
    const TElement &a = e[1], &b = e[e.Anzahl()];
    return std::hypot(a.x1 - x1, a.y1 - y1) < tol && std::hypot(b.x2 - x2, b.y2 - y2) < tol;
}

} // namespace

TEST(Zeichnen, PfeilrichtungUndSpitzenInJederRichtung) {
    // From (0,0) to the tip: the direction, and where the first stroke ends (it points back).
    const struct {
        double x2, y2, richtung;
    } faelle[] = {{5, 0, 0}, {0, 5, pi / 2}, {-5, 5, 3 * pi / 4}, {0, -5, -pi / 2}, {5, -5, -pi / 4}};
    for (const auto& f : faelle) {
        const double a = Pfeilrichtung(0, 0, f.x2, f.y2);
        EXPECT_NEAR(std::remainder(a - f.richtung, 2 * pi), 0, 1e-12) << f.x2 << "," << f.y2;
        const auto s = Pfeilspitzen(f.x2, f.y2, a, 2.0, 0.25);
        // Both strokes touch the tip and open symmetrically about the shaft, behind the tip.
        EXPECT_EQ(std::pair(s[0].x1, s[0].y1), std::pair(f.x2, f.y2));
        EXPECT_EQ(std::pair(s[1].x2, s[1].y2), std::pair(f.x2, f.y2));
        const double mx = (s[0].x2 + s[1].x1) / 2 - f.x2, my = (s[0].y2 + s[1].y1) / 2 - f.y2;
        EXPECT_NEAR(std::atan2(my, mx), std::remainder(f.richtung + pi, 2 * pi), 1e-9);
        EXPECT_NEAR(std::hypot(s[0].x2 - f.x2, s[0].y2 - f.y2), 2.0, 1e-12);
    }
    // Square metric, held to the limit.
    EXPECT_EQ((std::array{Kreisradius(3, -4, 6), Kreisradius(-20, 1, 6), Kreisradius(0.5, 0, 3)}),
              (std::array{4.0, 6.0, 0.5}));
}

TEST(Zeichnen, NeueElementeTragenFarbeUndBreite) {
    Zeichnung z{.Kopf = {.aktuelleFarbe = 0x0000FF}, .aktuelleBreite = 2};
    LinieAnlegen(z, 1, 2, 3, 4);
    KreisAnlegen(z, 5, 6, 12, true);
    TextAnlegen(z, 7, 8);
    ASSERT_TRUE(PfeilspitzenAnlegen(z, 0, 0, 10, 0));
    EXPECT_EQ(
        Je(z.Elemente, [](const TElement& e) { return std::to_string(e.Farbe) + std::to_string(e.Breite); }),
        "2552 2552 2552 2552 2552 ");
    // The arrowhead's strokes come picked, the others not; a text starts centred.
    EXPECT_TRUE(z.Elemente.GepickteZahl() == 2 && z.Elemente[5].gepickt && z.Elemente[5].Art == Pfeilspitze);
    EXPECT_EQ(z.Elemente[3].Ausrichtung, "cc");
    // Room for one stroke only: neither is added.
    while (z.Elemente.Frei() > 1)
        z.Elemente.NeuesElement();
    EXPECT_FALSE(PfeilspitzenAnlegen(z, 0, 0, 10, 0));
    EXPECT_EQ(z.Elemente.Frei(), 1);
}

TEST(Zeichnen, MusterfigurenLiegenUnterDemGummibandBeiJedemMassstab) {
    for (std::int32_t massstab : {4, 0}) {
        Zeichnung z{.Dialog = {.Clipaktiv = false}};
        z.Kopf.Massstab = massstab;
        Protokoll p;
        const Musterergebnis r = MusterLinie(z, {}, 3, 7, 23, -3, p);
        ASSERT_TRUE(r.Fertig) << p.Texte();
        const auto& e = z.Elemente;
        EXPECT_TRUE(e.Anzahl() > 15 && VonBis(e, 3, 7, 23, -3, 1e-9)) << massstab;
        EXPECT_EQ(e.GepickteZahl(), e.Anzahl());
    }
}

TEST(Zeichnen, RechteckMusterLaeuftUmDieEcken) {
    Zeichnung z{.Dialog = {.Clipaktiv = false}};
    Schrittwerte w;
    w.Kontrollart = KontrolleKeine;
    w.Deltat = 0.25;
    w.Muster = {2, 1, 0, 0};
    Protokoll p;
    const Musterergebnis r = MusterRechteck(z, w, 0, 0, 10, 5, p);
    ASSERT_TRUE(r.Fertig);
    // Four chords a side, the pattern carried across each corner.
    EXPECT_EQ(Muster(z, 1), "xx-xx-xx-xx-xx-x");
    EXPECT_TRUE(r.NeuZeichnen);
    // The outline closes where it started: corner by corner, counter-clockwise from the press.
    const auto& e = z.Elemente;
    EXPECT_EQ(std::tuple(e[4].x2, e[4].y2, e[8].x2, e[8].y2, e[12].x2, e[16].x2, e[16].y2),
              std::tuple(10.0, 0.0, 10.0, 5.0, 0.0, 0.0, 0.0));
}

TEST(Zeichnen, BogenUndFigurenGanzOderGarNicht) {
    Zeichnung z{.Dialog = {.Clipaktiv = false}};
    Protokoll p;
    // The upper left quarter of the circle about (10,10) through (10,15).
    ASSERT_TRUE(MusterBogen(z, {}, 10, 10, 10, 15, "1.5708", "3.1416", p).Fertig);
    const auto& e = z.Elemente;
    EXPECT_TRUE(VonBis(e, 10, 15, 5, 10, 1e-3));
    // An angle text that is no formula draws nothing and says so.
    const int vorher = e.Anzahl();
    EXPECT_FALSE(MusterBogen(z, {}, 0, 0, 5, 0, "abc", "1", p).Fertig);
    EXPECT_EQ(e.Anzahl(), vorher);
    EXPECT_FALSE(p.liste.empty());
    // A store without room for every chord takes none of them.
    while (z.Elemente.Frei() > 5)
        z.Elemente.NeuesElement();
    p.liste.clear();
    EXPECT_FALSE(MusterRechteck(z, {}, 0, 0, 10, 10, p).Fertig);
    EXPECT_EQ(z.Elemente.Frei(), 5);
    EXPECT_EQ(p.Texte(), T("v.SpeicherVoll") + "\n");
}
