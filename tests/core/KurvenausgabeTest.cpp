#include "Testhilfe.h"

#include <cmath>
#include <optional>

using namespace testhilfe;
using namespace std::string_literals;

// Plots n = 1..n1 into z with the clip area off, so that chords stay as computed.
static Kurvenbefehl Zeichnen(Zeichnung& z, Protokoll& r, Kurvenparameter p, Phasenlaengen muster, int n1) {
    Kurvenplotter k;
    z.Dialog.Clipaktiv = false;
    return KurvenZeichnen(k, p, 1, n1, muster, z, r);
}

TEST(Clippen, KantenEckenUndGrenzen) {
    // The area: top 200, bottom -1, right 200, left -1. A chord is {x1, x2, y1, y2}.
    const std::pair<Kurvenstueck, std::optional<Kurvenstueck>> faelle[] = {
        {{30, 10, 210, 190}, {{20, 10, 200, 190}}},     // top, drawn downwards
        {{0, 10, 9, -11}, {{0, 5, 9, -1}}},             // bottom
        {{190, 210, 0, 20}, {{190, 200, 0, 10}}},       // right
        {{-21, 9, 50, 20}, {{-1, 9, 30, 20}}},          // left
        {{5, 6, 5, 6}, {{5, 6, 5, 6}}},                 // inside
        {{180, 220, 180, 220}, {{180, 200, 180, 200}}}, // out across the corner: top first, then right
        {{-101, 301, -101, 301}, {{-1, 200, -1, 200}}}, // through the whole area
        {{190, 230, 220, 180}, std::nullopt},           // the top leaves a piece the right drops
        {{0, 10, 200, 200}, std::nullopt},              // lying on the top bound counts as outside
        {{-1, -1, 5, 50}, std::nullopt},                // on the left bound
        {{0, 10, 150, 200}, {{0, 10, 150, 200}}},       // one end on the bound stays
    };
    const auto werte = [](const Kurvenstueck& s) { return std::array{s.x1, s.x2, s.y1, s.y2}; };
    for (const auto& [s, erwartet] : faelle) {
        Kurvenstueck c = s;
        ASSERT_EQ(KurvenstueckClippen(c, 200, -1, 200, -1), erwartet.has_value()) << s.x1 << "," << s.y1;
        EXPECT_EQ(werte(c), werte(erwartet.value_or(c))) << s.x1 << "," << s.y1;
    }
}

TEST(KurveAusgeben, Strichmuster) {
    // Drawn chords have width 1, gaps are invisible lines; every n starts the pattern afresh.
    struct Fall {
        Phasenlaengen muster;
        std::string breiten;
        std::int32_t n1 = 1;
    };
    const Fall faelle[] = {{{2, 1, 0, 0}, "1 1 -1 1 1 -1 "},
                           {{0, 0, 0, 0}, "1 1 1 1 1 1 "},
                           {{0, 2, 0, 0}, "-1 -1 -1 -1 -1 -1 "},
                           {{-3, 1, 1, 0}, "-1 1 -1 1 -1 1 "},
                           {{1, 1, 2, 1}, "1 -1 1 1 -1 1 1 -1 1 1 -1 1 ", 2}};
    for (const Fall& f : faelle) {
        Zeichnung z;
        Protokoll r;
        Zeichnen(z, r, Fest(Parameter("t", "0", "0", "6"), 1), f.muster, f.n1);
        EXPECT_EQ(Breiten(z.Elemente), f.breiten) << f.muster[0] << f.muster[1] << f.muster[2] << f.muster[3];
    }
}

TEST(KurveAusgeben, RueckwaertsBeginntJedeKurveAmEnde) {
    // Each curve runs from t_1 back to t_0 as one chain, and its pattern starts there.
    Zeichnung z{.Dialog = {.Clipaktiv = false}};
    Protokoll r;
    Kurvenplotter k;
    k.Rueckwaerts = true;
    Kurvenparameter p = Fest(Parameter("t", "n", "0", "3"), 1);
    ASSERT_EQ(KurvenZeichnen(k, p, 1, 2, {1, 2, 0, 0}, z, r), Kurvenbefehl::Fertig);
    std::vector<std::array<double, 5>> linien;
    for (const auto& e : z.Elemente)
        linien.push_back({e.x1, e.x2, e.y1, e.y2, double(e.Breite)});
    const std::vector<std::array<double, 5>> erwartet{{30, 20, 10, 10, 1},  {20, 10, 10, 10, -1},
                                                      {10, 0, 10, 10, -1},  {30, 20, 20, 20, 1},
                                                      {20, 10, 20, 20, -1}, {10, 0, 20, 20, -1}};
    EXPECT_EQ(linien, erwartet);
}

TEST(KurveAusgeben, AbgeschnitteneSehnenZaehlenNichtImMuster) {
    // Chords at x = 0..60 in steps of 10 with y rising through the top bound at 25. They become
    // picked lines in the current colour and width.
    Zeichnung z{.Kopf = {.aktuelleFarbe = 0x00FF8040}, .Dialog = {.ClipOben = 25}, .aktuelleBreite = 2};
    Kurvenlauf l(Fest(Parameter("t", "t", "0", "6"), 1));
    Kurvenplotter& k = l.k;
    k.MusterZuruecksetzen();
    const Kurvenausgabe aus = k.KurveAusgeben(z, {1, 1, 0, 0}, l.r);
    ASSERT_TRUE(aus.NeuZeichnen && z.Geaendert && aus.Elemente == 3 && z.Elemente.Anzahl() == 3);
    EXPECT_TRUE(z.Elemente[3].x2 == 25 && z.Elemente[3].y2 == 25 && Breiten(z.Elemente) == "2 -1 2 ");
    for (const auto& e : z.Elemente)
        EXPECT_TRUE(e.Art == Linie && e.Ebene == EbeneLinie && e.Farbe == 0x00FF8040 && e.gepickt &&
                    !e.Kandidat);
    // Without gaps (in the second or fourth phase) and clipping no full redraw is needed.
    z.Dialog.Clipaktiv = false;
    EXPECT_FALSE(k.KurveAusgeben(z, {3, 0, 2, 0}, l.r).NeuZeichnen);
    EXPECT_TRUE(k.KurveAusgeben(z, {3, 0, 2, 1}, l.r).NeuZeichnen);
}

TEST(KurveAusgeben, VollerSpeicherBehaeltWasPasst) {
    Zeichnung z;
    for (int i = 0; i < MaxElemente - 4; ++i)
        z.Elemente.NeuesElement();
    Protokoll r;
    EXPECT_EQ(Zeichnen(z, r, Fest(Parameter("t", "0"), 0.1), {1, 0, 0, 0}, 5), Kurvenbefehl::SpeicherVoll);
    EXPECT_TRUE(z.Elemente.Anzahl() == MaxElemente && z.Elemente[MaxElemente].x2 == 4);
    ASSERT_EQ(r.liste.size(), 1u) << "the command stops at the first full store";
    EXPECT_EQ(r.liste[0].art, Meldungsart::Fehler);
}

TEST(KurveAusgeben, FehlerBeendenDenBefehlBerichteNurDasEineN) {
    // n = 1 and 2 plot, n = 3 takes the root of a negative number.
    Zeichnung z{.Dialog = {.Clipaktiv = false}};
    Protokoll r;
    Kurvenplotter k;
    k.VersatzX = 7;
    Kurvenparameter p = Parameter("t", "sqrt(2-n)");
    EXPECT_EQ(KurvenZeichnen(k, p, 1, 5, {1, 0, 0, 0}, z, r), Kurvenbefehl::Rechenfehler);
    const int anzahl = z.Elemente.Anzahl();
    ASSERT_GT(anzahl, 0);
    for (const auto& e : z.Elemente)
        EXPECT_TRUE(std::isfinite(e.x2) && std::isfinite(e.y2) && (e.y1 == 10 || e.y1 == 0)) << e.y1;
    EXPECT_EQ(std::pair(r.Texte(), k.VersatzX),
              std::pair("Rechenfehler in sqrt im y-Text bei n = 3 und t =   0.00\n"s, 0));
    // A syntax error ends the command too, keeping nothing for the failing n.
    p.yText = "n+";
    EXPECT_EQ(KurvenZeichnen(k, p, 1, 3, {1, 0, 0, 0}, z, r), Kurvenbefehl::Formelfehler);
    EXPECT_EQ(std::pair(z.Elemente.Anzahl(), r.liste.back().text), std::pair(anzahl, "Fehler im y-Text"s));
}

TEST(KurveAusgeben, ZuGrosseKurvenscharWirdVorherAbgelehnt) {
    // Counted in 64 bits, so no pair of ends overflows; the curve command refuses such a family
    // before it plots.
    constexpr std::int32_t min = INT32_MIN, max = INT32_MAX;
    const std::tuple<std::int32_t, std::int32_t, bool> faelle[] = {
        {1, 32000, true}, {0, 32000, false}, {max - 31999, max, true}, {min, max, false}, {max, min, true}};
    for (const auto& [n0, n1, erlaubt] : faelle) {
        Protokoll r;
        EXPECT_EQ(KurvenbereichPruefen(n0, n1, r), erlaubt) << n0 << ".." << n1;
        EXPECT_EQ(r.liste.size(), erlaubt ? 0u : 1u) << n0 << ".." << n1;
    }
}
