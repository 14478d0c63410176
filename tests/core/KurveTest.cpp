#include "curves/Kurve.h"
#include "Testhilfe.h"
#include "curves/Sehnen.h"

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace testhilfe;

namespace {

constexpr double Pi = std::numbers::pi;

Kurvenparameter Parameter(std::string x, std::string y, std::string t0 = "0", std::string t1 = "1") {
    return {.xText = x, .yText = y, .t0Text = t0, .t1Text = t1};
}

Kurvenparameter Fest(Kurvenparameter p, double deltat) {
    return p.Kontrollart = KontrolleKeine, p.Deltat = deltat, p;
}

// One run: the messages, how it ended (nothing when the preparation failed) and the chords.
struct Kurvenlauf {
    Protokoll r;
    Kurvenplotter k;
    Kurvenparameter p;
    std::optional<Kurvenende> ende;
    const std::vector<Kurvenstueck>& s = k.Stuecke();
    explicit Kurvenlauf(Kurvenparameter par) : p(std::move(par)) {
        k.KurveVorbereiten(p, r);
        k.StueckeLeeren();
        if (!p.Fehler) ende = k.KurveBerechnen(r);
    }
};

// A clean run whose consecutive chords join up.
void Zusammenhaengend(const Kurvenlauf& l) {
    EXPECT_EQ(l.ende, Kurvenende::Fertig);
    EXPECT_TRUE(l.r.liste.empty()) << l.r.Texte();
    for (std::size_t i = 1; i < l.s.size(); ++i)
        EXPECT_TRUE(l.s[i].x1 == l.s[i - 1].x2 && l.s[i].y1 == l.s[i - 1].y2) << i;
}

} // namespace

TEST(Kurve, SchritteTreffenStrichlaengeUndEndenBeiT1) {
    struct Fall {
        Kurvenparameter p;
        double endeX, endeY;
        double L = 0;            // every chord but the last within 10 % of this
        std::size_t stuecke = 0; // 0: any number
    };
    const auto raum = [](const char* x, const char* y, const char* z, bool vorn) {
        return Kurvenparameter{.xText = x, .yText = y, .zText = z, .dreiD = true, .XAchseVorn = vorn};
    };
    // clang-format off
    const Fall faelle[] = {
        // Length control on a straight path and on the unit circle at scale 10.
        {{.Strichlaenge = 2.5}, 10, 10, 2.5}, {{.xText = "cos(t)", .yText = "sin(t)", .t1Text = "2*pi"}, 10, 0, 1},
        // Fixed steps. A step wider than the range, an end before the start or within the first
        // step give one chord; so does a straight line under direction control.
        {Fest(Parameter("t", "0"), 0.25), 10, 0, 2.5, 4}, {Fest(Parameter("t", "0"), 5), 10, 0, 0, 1},
        {Parameter("t", "0", "0", "-1"), -10, 0, 0, 1}, {Parameter("t", "0", "0", "0.0005"), 0.005, 0, 0, 1},
        {{.t1Text = "8", .Kontrollart = KontrolleRichtung}, 80, 80, 0, 1},
        // In 3-D, y recedes up to the right at 42 degrees with half length; with the x axis to the
        // front, x recedes down to the left and y runs to the right.
        {raum("t", "t", "2*t", false), 13.7157, 23.34565}, {raum("t", "t", "2*t", true), 6.2843, 16.65435}};
    // clang-format on
    for (const Fall& f : faelle) {
        Kurvenlauf l(f.p);
        Zusammenhaengend(l);
        ASSERT_FALSE(l.s.empty());
        EXPECT_TRUE(f.stuecke == 0 || l.s.size() == f.stuecke) << f.p.xText << " " << l.s.size();
        EXPECT_LT(std::hypot(l.s.back().x2 - f.endeX, l.s.back().y2 - f.endeY), 1e-9)
            << f.p.xText << f.p.t1Text;
        for (std::size_t i = 0; f.L > 0 && i + 1 < l.s.size(); ++i)
            EXPECT_NEAR(std::hypot(l.s[i].x2 - l.s[i].x1, l.s[i].y2 - l.s[i].y1), f.L, 0.1 * f.L)
                << f.p.xText << i;
    }
}

TEST(Kurve, RichtungskontrolleDrehtJeSchrittUmDieWinkeldifferenz) {
    Kurvenparameter p = Parameter("cos(t)", "sin(t)", "0", "pi");
    p.Kontrollart = KontrolleRichtung, p.Winkeldifferenz = Pi / 18;
    Kurvenlauf l(p);
    Zusammenhaengend(l);
    ASSERT_GT(l.s.size(), 10u);
    EXPECT_EQ(l.s.back().x2, -10);
    // On the unit circle the point at t has the angle t and the tangent the angle t + pi/2. A
    // step ends at the first t + h, growing h by 1.2, where the tangent has turned by more than
    // the limit against the last chord, whose direction is that of its middle.
    const auto winkel = [](double x, double y) { return std::atan2(y, x); };
    for (std::size_t i = 1; i + 1 < l.s.size(); ++i) {
        const double t1 = winkel(l.s[i].x1, l.s[i].y1), t2 = winkel(l.s[i].x2, l.s[i].y2);
        const double sehne = (winkel(l.s[i - 1].x1, l.s[i - 1].y1) + t1) / 2;
        EXPECT_GT(t2 - sehne, Pi / 18) << i;
        EXPECT_LE(t1 + (t2 - t1) / 1.2 - sehne, Pi / 18) << i;
    }
    // x runs out to 1 and back: the reversal at t = pi/2 is the largest possible turn and must
    // end a step, or the chords would skip the way out and back.
    Kurvenlauf umkehr({.xText = "sin(t)", .yText = "0", .t1Text = "pi", .Kontrollart = KontrolleRichtung});
    Zusammenhaengend(umkehr);
    EXPECT_GT(std::ranges::max(umkehr.s, {}, &Kurvenstueck::x2).x2, 9.5);
    EXPECT_NEAR(umkehr.s.back().x2, 0, 1e-9);
}

TEST(Kurve, FehlerUndBerichteBeendenDenLauf) {
    struct Fall {
        Kurvenparameter p;
        std::optional<Kurvenende> ende; // nothing: the preparation refuses
        std::string meldung;
        Meldungsart art = Meldungsart::Fehler;
    };
    const std::string sekanten = "Fehler im Sekantenverfahren  bei n:string=1 und t:string=   0.00";
    const std::string bei = " bei n = 1 und t = ";
    const auto info = Meldungsart::Information;
    const auto rf = Kurvenende::Rechenfehler, gemeldet = Kurvenende::Gemeldet;
    // clang-format off
    const Fall faelle[] = {
        // Syntax errors and invalid values.
        {{.t1Text = "1$"}, {}, "Fehler im t_1-Text"}, {{.zText = "t+", .dreiD = true}, {}, "Fehler im z-Text"},
        {{.Strichlaenge = 0}, {}, "Die Strichlänge muss größer als 0 sein."},
        {Fest(Parameter("t", "t"), std::nan("")), {}, "Delta t muss größer als 0 sein."},
        // Floating-point faults leave no chords.
        {Parameter("sqrt(t)", "t", "-1"), rf, "Rechenfehler in sqrt im x-Text" + bei + " -1.00"},
        {Fest(Parameter("t", "1/(t-0.5)"), 0.25), rf, "Rechenfehler in / im y-Text" + bei + "  0.50"},
        {Parameter("t", "t", "0", "ln(n-1)"), {}, "Rechenfehler in ln im t_1-Text" + bei + "  0.00"},
        // A straight line never turns: t reaches 0.001 * 1.2^50 = 9.1 before the search gives
        // up; a curve that stands still never reaches the chord length.
        {{.t1Text = "100", .Kontrollart = KontrolleRichtung}, gemeldet, sekanten},
        {Parameter("1", "2"), gemeldet, sekanten},
        // Values beyond the limit end the run without a chord back to the 0 standing in for them.
        {{.xText = "20000*t", .yText = "0", .Strichlaenge = 5000}, gemeldet, "Zu große Werte aufgetreten", info},
        // The chord store is full, here with a step too small to move t.
        {Fest(Parameter("t", "0"), 1e-30), gemeldet,
         "Mehr als 32000 Kurvenstücke bei n = 1: die Kurve endet bei t =   0.00.", info}};
    // clang-format on
    for (const Fall& f : faelle) {
        Kurvenlauf l(f.p);
        EXPECT_EQ(l.ende, f.ende) << f.meldung;
        EXPECT_EQ(l.r.Texte(), f.meldung + "\n");
        EXPECT_EQ(l.r.liste.at(0).art, f.art) << f.meldung;
        EXPECT_TRUE(l.s.empty() || f.art == info) << f.meldung;
        EXPECT_LE(l.s.size(), std::size_t{MaxKurvenstuecke});
        for (const auto& k : l.s)
            EXPECT_TRUE(k.x2 >= k.x1 && k.x2 <= 100000) << f.meldung;
    }
    // Computing after a refused preparation reports instead of crashing.
    Kurvenlauf l(Parameter("t", "t*(1"));
    EXPECT_EQ(l.k.KurveBerechnen(l.r), Kurvenende::Gemeldet);
    EXPECT_TRUE(l.s.empty());
    EXPECT_EQ(l.r.Texte(), "Fehler im y-Text\nFehler in y bei n:string=1 und t:string=   0.00\n");
}

TEST(Kurve, ClippenAnKantenUndEcken) {
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
    // Counted in 64 bits, so no pair of ends overflows; the curve command refuses such a family
    // before it plots.
    constexpr std::int32_t min = INT32_MIN, max = INT32_MAX;
    const std::tuple<std::int32_t, std::int32_t, bool> scharen[] = {
        {1, 32000, true}, {0, 32000, false}, {max - 31999, max, true}, {min, max, false}, {max, min, true}};
    for (const auto& [n0, n1, erlaubt] : scharen) {
        Protokoll r;
        EXPECT_EQ(KurvenbereichPruefen(n0, n1, r), erlaubt) << n0 << ".." << n1;
        EXPECT_EQ(r.liste.size(), erlaubt ? 0u : 1u) << n0 << ".." << n1;
    }
}

TEST(KurveAusgeben, StrichmusterUndRueckwaerts) {
    // Drawn chords have width 1, gaps are invisible lines; every n starts the pattern afresh.
    const std::tuple<Phasenlaengen, std::string, std::int32_t> faelle[] = {
        {{2, 1, 0, 0}, "1 1 -1 1 1 -1 ", 1},
        {{0, 0, 0, 0}, "1 1 1 1 1 1 ", 1},
        {{0, 2, 0, 0}, "-1 -1 -1 -1 -1 -1 ", 1},
        {{-3, 1, 1, 0}, "-1 1 -1 1 -1 1 ", 1},
        {{1, 1, 2, 1}, "1 -1 1 1 -1 1 1 -1 1 1 -1 1 ", 2}};
    for (const auto& [muster, breiten, n1] : faelle) {
        Zeichnung z{.Dialog = {.Clipaktiv = false}};
        Protokoll r;
        Kurvenplotter k;
        Kurvenparameter p = Fest(Parameter("t", "0", "0", "6"), 1);
        KurvenZeichnen(k, p, 1, n1, muster, z, r);
        EXPECT_EQ(Breiten(z.Elemente), breiten) << muster[0] << muster[1] << muster[2] << muster[3];
    }
    // Backwards, each curve runs from t_1 back to t_0 as one chain, and its pattern starts there.
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

namespace {

// Each chord begins where the one before it ends.
bool Zusammenhaengend(const std::vector<Kurvenstueck>& s) {
    for (std::size_t i = 1; i < s.size(); ++i)
        if (std::hypot(s[i].x1 - s[i - 1].x2, s[i].y1 - s[i - 1].y2) > 1e-9) return false;
    return !s.empty();
}

// The largest distance of a chord end from the rounded rectangle of half sizes W, H and corner
// radius r about (0,0).
double Abweichung(const std::vector<Kurvenstueck>& s, double W, double H, double r) {
    double groesste = 0;
    const auto abstand = [&](double x, double y) {
        const double dx = std::max(std::fabs(x) - (W - r), 0.0), dy = std::max(std::fabs(y) - (H - r), 0.0);
        return std::fabs(std::hypot(dx, dy) - r);
    };
    for (const Kurvenstueck& k : s)
        groesste = std::max({groesste, abstand(k.x1, k.y1), abstand(k.x2, k.y2)});
    return groesste;
}

} // namespace

TEST(Sehnen, OvaleUndIhreTeile) {
    // clang-format off
    const struct { const char* teile; double x1, y1, x2, y2; } faelle[] = {
        // The whole oval is closed; a half and a quarter run between the points on its axes.
        {"", 20, -5, 20, -5}, {"t", 20, 0, -20, 0}, {"b", -20, 0, 20, 0}, {"l", 0, 10, 0, -10},
        {"rt", 20, 0, 0, 10}, {"bl", -20, 0, 0, -10}, {"tr", 20, 0, 0, 10},
    };
    // clang-format on
    for (const auto& f : faelle) {
        const auto s = Ovalsehnen(0, 0, 40, -20, 5, f.teile, 1);
        ASSERT_TRUE(Zusammenhaengend(s)) << f.teile;
        EXPECT_LT(Abweichung(s, 20, 10, 5), 1e-9) << f.teile;
        EXPECT_LT(std::hypot(s.front().x1 - f.x1, s.front().y1 - f.y1) +
                      std::hypot(s.back().x2 - f.x2, s.back().y2 - f.y2),
                  1e-9)
            << f.teile;
    }
    // Sides as one chord each, corners of about the chord length: 4 + 4 * ceil(pi/2 * 5).
    EXPECT_EQ(Ovalsehnen(0, 0, 40, 20, 5, "", 1).size(), 4u + 4 * 8);
    // Corners no rounder than the smaller side allows; sides of no length are left out.
    const auto rund = Ovalsehnen(0, 0, 4, 2, 50, "", 0.1);
    EXPECT_LT(Abweichung(rund, 2, 1, 1), 1e-9);
    EXPECT_EQ(rund.size(), 2u + 4 * 16);
    // A tiny chord length or a huge oval still gives a bounded number of chords.
    EXPECT_EQ(Ovalsehnen(0, 0, 1e16, 1e16, 1e15, "tr", 1e-9).size(), 502u);
}

TEST(Sehnen, BezierKurven) {
    const auto s = Beziersehnen(0, 0, 5, 10, 10, 0, 1);
    ASSERT_TRUE(Zusammenhaengend(s));
    EXPECT_EQ(s.size(), 23u); // the control polygon is 2 * sqrt(125) long
    EXPECT_TRUE(s.front().x1 == 0 && s.front().y1 == 0 && s.back().x2 == 10 && s.back().y2 == 0);
    // Every point lies on the curve y = 2 * x * (1 - x / 10), its top at (5, 5).
    for (const Kurvenstueck& k : s)
        EXPECT_NEAR(k.y2, 2 * k.x2 * (1 - k.x2 / 10), 1e-9);
    EXPECT_TRUE(Beziersehnen(3, 3, 3, 3, 3, 3, 1).empty());
    EXPECT_EQ(Beziersehnen(0, 0, 1e16, 1e16, 2e16, 0, 1).size(), 500u);
    // A straight one is one line.
    EXPECT_EQ(Beziersehnen(0, 0, 1, 0, 5, 0, 0.1).size(), 1u);
}
