#include "KurvenTesthilfe.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vektra;
using kurventest::OhneClip;
using kurventest::Parameter;
using kurventest::Rekorder;

namespace {

// Clips one chord against the default area: top 200, bottom -1, right 200, left -1.
bool Clip(Kurvenstueck& s) {
    return KurvenstueckClippen(s, 200, -1, 200, -1);
}

void Gleich(const Kurvenstueck& s, double x1, double y1, double x2, double y2) {
    EXPECT_DOUBLE_EQ(s.x1, x1);
    EXPECT_DOUBLE_EQ(s.y1, y1);
    EXPECT_DOUBLE_EQ(s.x2, x2);
    EXPECT_DOUBLE_EQ(s.y2, y2);
}

// Plots x, y for n = n0..n1 into z with the given pattern.
Kurvenbefehl Zeichnen(Zeichnung& z, Rekorder& r, Kurvenparameter p, Phasenlaengen muster = {1, 0, 0, 0},
                      std::int32_t n0 = 1, std::int32_t n1 = 1) {
    Kurvenplotter k;
    return KurvenZeichnen(k, p, n0, n1, muster, z, r);
}

std::vector<int> Breiten(const Zeichnung& z) {
    std::vector<int> b;
    for (const auto& e : z.Elemente)
        b.push_back(e.Breite);
    return b;
}

} // namespace

TEST(Clippen, JedeKanteSchneidetAufDieGrenze) {
    Kurvenstueck s{10, 30, 190, 210}; // crosses the top
    ASSERT_TRUE(Clip(s));
    Gleich(s, 10, 190, 20, 200);
    s = {30, 10, 210, 190}; // the same, drawn the other way
    ASSERT_TRUE(Clip(s));
    Gleich(s, 20, 200, 10, 190);
    s = {0, 10, 9, -11}; // bottom
    ASSERT_TRUE(Clip(s));
    Gleich(s, 0, 9, 5, -1);
    s = {190, 210, 0, 20}; // right
    ASSERT_TRUE(Clip(s));
    Gleich(s, 190, 0, 200, 10);
    s = {-21, 9, 50, 20}; // left
    ASSERT_TRUE(Clip(s));
    Gleich(s, -1, 30, 9, 20);
    s = {5, 6, 5, 6}; // inside
    ASSERT_TRUE(Clip(s));
    Gleich(s, 5, 5, 6, 6);
}

TEST(Clippen, SehneUeberZweiKanten) {
    // From inside out across the top-right corner: the top cuts first, then the right.
    Kurvenstueck s{180, 220, 180, 220};
    ASSERT_TRUE(Clip(s));
    Gleich(s, 180, 180, 200, 200);
    // Entering at the left and leaving at the top.
    s = {-11, 19, 185, 215};
    ASSERT_TRUE(Clip(s));
    Gleich(s, -1, 195, 4, 200);
    // Cutting the corner outside: the top leaves a piece that the right then drops.
    s = {190, 230, 220, 180};
    EXPECT_FALSE(Clip(s));
    // From far below-left to far above-right through the whole area.
    s = {-101, 301, -101, 301};
    ASSERT_TRUE(Clip(s));
    Gleich(s, -1, -1, 200, 200);
}

TEST(Clippen, AufDerGrenzeGiltAlsAussen) {
    Kurvenstueck s{0, 10, 200, 200}; // lying on the top bound
    EXPECT_FALSE(Clip(s));
    s = {0, 10, 250, 300}; // wholly above
    EXPECT_FALSE(Clip(s));
    s = {-1, -1, 5, 50}; // on the left bound
    EXPECT_FALSE(Clip(s));
    s = {0, 10, 150, 200}; // one end on the bound stays
    ASSERT_TRUE(Clip(s));
    Gleich(s, 0, 150, 10, 200);
}

TEST(KurveAusgeben, ElementeSindGewaehlteLinien) {
    Zeichnung z = OhneClip();
    z.Kopf.aktuelleFarbe = 0x00FF8040;
    z.aktuelleBreite = 2;
    Rekorder r;
    EXPECT_EQ(Zeichnen(z, r, Parameter("t", "t")), Kurvenbefehl::Fertig);
    EXPECT_TRUE(r.meldungen.empty()) << r.Alle();
    ASSERT_GT(z.Elemente.Anzahl(), 10);
    EXPECT_TRUE(z.Geaendert);
    for (const auto& e : z.Elemente) {
        EXPECT_EQ(e.Art, Linie);
        EXPECT_EQ(e.Ebene, EbeneLinie);
        EXPECT_EQ(e.Farbe, 0x00FF8040);
        EXPECT_EQ(e.Breite, 2);
        EXPECT_TRUE(e.gepickt);
        EXPECT_FALSE(e.Kandidat);
        EXPECT_FALSE(e.geloescht);
    }
    EXPECT_EQ(z.Elemente[1].x1, 0);
    EXPECT_EQ(z.Elemente[z.Elemente.Anzahl()].x2, 10);
    EXPECT_EQ(z.Elemente[z.Elemente.Anzahl()].y2, 10);
}

TEST(KurveAusgeben, MehrereNUndVersatz) {
    Zeichnung z = OhneClip();
    Rekorder r;
    Kurvenplotter k;
    k.VersatzX = 3;
    k.VersatzY = 4;
    Kurvenparameter p = Parameter("t", "n");
    p.Kontrollart = KontrolleKeine;
    p.Deltat = 1;
    EXPECT_EQ(KurvenZeichnen(k, p, 1, 3, {1, 0, 0, 0}, z, r), Kurvenbefehl::Fertig);
    ASSERT_EQ(z.Elemente.Anzahl(), 3);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(z.Elemente[i].x1, 3);
        EXPECT_EQ(z.Elemente[i].x2, 13);
        EXPECT_EQ(z.Elemente[i].y1, 4 + 10 * i);
        EXPECT_EQ(z.Elemente[i].y2, 4 + 10 * i);
    }
    EXPECT_EQ(k.VersatzX, 0) << "the command resets the offset";
    EXPECT_EQ(k.VersatzY, 0);
    // n1 < n0 draws nothing.
    EXPECT_EQ(KurvenZeichnen(k, p, 2, 1, {1, 0, 0, 0}, z, r), Kurvenbefehl::Fertig);
    EXPECT_EQ(z.Elemente.Anzahl(), 3);
}

TEST(KurveAusgeben, Strichmuster) {
    Kurvenparameter p = Parameter("t", "0", "0", "6");
    p.Kontrollart = KontrolleKeine;
    p.Deltat = 1;
    struct Fall {
        Phasenlaengen muster;
        std::vector<int> breiten;
    };
    const Fall faelle[] = {
        {{1, 0, 0, 0}, {1, 1, 1, 1, 1, 1}},     {{1, 1, 0, 0}, {1, -1, 1, -1, 1, -1}},
        {{2, 1, 0, 0}, {1, 1, -1, 1, 1, -1}},   {{1, 1, 2, 1}, {1, -1, 1, 1, -1, 1}},
        {{0, 0, 0, 0}, {1, 1, 1, 1, 1, 1}},     {{0, 2, 0, 0}, {-1, -1, -1, -1, -1, -1}},
        {{-3, 1, 1, 0}, {-1, 1, -1, 1, -1, 1}},
    };
    for (const Fall& f : faelle) {
        Zeichnung z = OhneClip();
        Rekorder r;
        Zeichnen(z, r, p, f.muster);
        EXPECT_EQ(Breiten(z), f.breiten) << f.muster[0] << f.muster[1] << f.muster[2] << f.muster[3];
    }
    // Every n starts the pattern afresh.
    Zeichnung z = OhneClip();
    Rekorder r;
    p.t1Text = "3";
    Zeichnen(z, r, p, {1, 1, 0, 0}, 1, 2);
    EXPECT_EQ(Breiten(z), (std::vector<int>{1, -1, 1, 1, -1, 1}));
}

TEST(KurveAusgeben, AbgeschnitteneSehnenZaehlenNichtImMuster) {
    // Chords at x = 0..60 in steps of 10 with y rising through the top bound at 200.
    Zeichnung z;
    z.Dialog.ClipOben = 25;
    Rekorder r;
    Kurvenparameter p = Parameter("t", "t", "0", "6");
    p.Kontrollart = KontrolleKeine;
    p.Deltat = 1;
    Kurvenplotter k;
    k.KurveVorbereiten(p, r);
    k.StueckeLeeren();
    k.KurveBerechnen(r);
    k.MusterZuruecksetzen();
    const Kurvenausgabe aus = k.KurveAusgeben(z, {1, 1, 0, 0}, r);
    EXPECT_TRUE(aus.NeuZeichnen);
    ASSERT_EQ(aus.Elemente, 3);
    ASSERT_EQ(z.Elemente.Anzahl(), 3);
    EXPECT_EQ(z.Elemente[3].x2, 25);
    EXPECT_EQ(z.Elemente[3].y2, 25);
    EXPECT_EQ(Breiten(z), (std::vector<int>{1, -1, 1}));
    // Without gaps and clipping no full redraw is needed.
    z.Dialog.Clipaktiv = false;
    k.MusterZuruecksetzen();
    EXPECT_FALSE(k.KurveAusgeben(z, {3, 0, 2, 0}, r).NeuZeichnen);
}

TEST(KurveAusgeben, VollerSpeicherBehaeltWasPasst) {
    Zeichnung z = OhneClip();
    for (int i = 0; i < MaxElemente - 4; ++i)
        z.Elemente.NeuesElement();
    Rekorder r;
    Kurvenparameter p = Parameter("t", "0");
    p.Kontrollart = KontrolleKeine;
    p.Deltat = 0.1;
    EXPECT_EQ(Zeichnen(z, r, p, {1, 0, 0, 0}, 1, 5), Kurvenbefehl::SpeicherVoll);
    EXPECT_EQ(z.Elemente.Anzahl(), MaxElemente);
    EXPECT_EQ(z.Elemente[MaxElemente].x2, 4);
    ASSERT_EQ(r.meldungen.size(), 1u) << "the command stops at the first full store";
    EXPECT_EQ(r.meldungen[0].art, Meldungsart::Fehler);
}

TEST(KurveAusgeben, RechenfehlerLassenFruehereNStehen) {
    // n = 1 and 2 plot, n = 3 takes the root of a negative number.
    Zeichnung z = OhneClip();
    Rekorder r;
    Kurvenplotter k;
    k.VersatzX = 7;
    Kurvenparameter p = Parameter("t", "sqrt(2-n)");
    EXPECT_EQ(KurvenZeichnen(k, p, 1, 5, {1, 0, 0, 0}, z, r), Kurvenbefehl::Rechenfehler);
    const int anzahl = z.Elemente.Anzahl();
    ASSERT_GT(anzahl, 0);
    for (const auto& e : z.Elemente) {
        EXPECT_TRUE(std::isfinite(e.x1) && std::isfinite(e.y1) && std::isfinite(e.x2) && std::isfinite(e.y2));
        EXPECT_TRUE(e.y1 == 10 || e.y1 == 0) << e.y1;
    }
    ASSERT_EQ(r.meldungen.size(), 1u);
    EXPECT_EQ(r.meldungen[0].text, "Rechenfehler in sqrt im y-Text bei n = 3 und t =   0.00");
    EXPECT_EQ(k.VersatzX, 0);
    // A syntax error ends the command too, keeping nothing for the failing n.
    Rekorder r2;
    p.yText = "n+";
    EXPECT_EQ(KurvenZeichnen(k, p, 1, 3, {1, 0, 0, 0}, z, r2), Kurvenbefehl::Formelfehler);
    EXPECT_EQ(z.Elemente.Anzahl(), anzahl);
    ASSERT_EQ(r2.meldungen.size(), 1u);
    EXPECT_EQ(r2.meldungen[0].text, "Fehler im y-Text");
}

TEST(KurveAusgeben, BerichteBeendenNurDasEineN) {
    // n = 2 exceeds the limit; n = 1 and 3 plot in full.
    Zeichnung z = OhneClip();
    Rekorder r;
    Kurvenparameter p = Parameter("t", "t*(1+20000*int(n/2)*(1-int(n/3)))");
    p.Kontrollart = KontrolleKeine;
    p.Deltat = 0.5;
    EXPECT_EQ(Zeichnen(z, r, p, {1, 0, 0, 0}, 1, 3), Kurvenbefehl::Fertig);
    ASSERT_EQ(r.meldungen.size(), 1u);
    EXPECT_EQ(r.meldungen[0].text, "Zu große Werte aufgetreten");
    EXPECT_EQ(z.Elemente.Anzahl(), 4);
}
