#include "curves/Kurve.h"
#include "Testhilfe.h"
#include "curves/Formel.h"
#include "curves/Musterformeln.h"
#include "curves/Sehnen.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>

using namespace testhilfe;

namespace {

const std::string Kurven = VEKTRA_TESTDATA "/faelle/kurven.txt";

constexpr double Pi = std::numbers::pi;

// Parameters from words "name=value" (x, y, z, vorn, t0, t1, kontrolle, L, dt), the rest as in a
// new curve.
Kurvenparameter Parameter(const std::string& woerter) {
    Kurvenparameter p;
    std::istringstream ein(woerter);
    for (std::string t, rest; ein >> t;) {
        const std::string n = t.substr(0, t.find('=')), w = t.substr(t.find('=') + 1);
        (n == "x"    ? p.xText
         : n == "y"  ? p.yText
         : n == "z"  ? p.zText
         : n == "t0" ? p.t0Text
         : n == "t1" ? p.t1Text
                     : rest) = w;
        p.dreiD |= n == "z", p.XAchseVorn |= n == "vorn";
        if (n == "kontrolle")
            p.Kontrollart = w == "richtung" ? KontrolleRichtung
                            : w == "keine"  ? KontrolleKeine
                                            : KontrolleLaenge;
        if (n == "L" || n == "dt") (n == "L" ? p.Strichlaenge : p.Deltat) = std::strtod(w.c_str(), nullptr);
    }
    return p;
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

// Chords each beginning where the one before it ends, to within `toleranz`.
bool Zusammenhaengend(const std::vector<Kurvenstueck>& s, double toleranz = 1e-9) {
    for (std::size_t i = 1; i < s.size(); ++i)
        if (std::hypot(s[i].x1 - s[i - 1].x2, s[i].y1 - s[i - 1].y2) > toleranz) return false;
    return !s.empty();
}

// A clean run: no message, and its chords join exactly.
bool Zusammenhaengend(const Kurvenlauf& l) {
    return l.ende == Kurvenende::Fertig && l.r.liste.empty() && Zusammenhaengend(l.s, 0);
}

const std::string Formeln = VEKTRA_TESTDATA "/faelle/formeln.txt";

struct Geparst {
    int stelle = -1, code = -1;
    Formelbaum baum;
    explicit Geparst(std::string text) : baum(FormelParsen(text, 255, stelle, code)) {}
};

Extended Zahl(const std::string& text) {
    return std::strtold(text.c_str(), nullptr);
}

} // namespace

TEST(Kurve, SchritteTreffenStrichlaengeUndEndenBeiT1) {
    for (const auto& z : Spalten(Feld(Kurven, "Schritte"))) {
        Kurvenlauf l(Parameter(z[0]));
        EXPECT_TRUE(Zusammenhaengend(l)) << z[0] << l.r.Texte();
        ASSERT_FALSE(l.s.empty()) << z[0];
        const double L = std::stod(z[3]);
        EXPECT_TRUE(z[4] == "0" || l.s.size() == std::stoul(z[4])) << z[0] << ": " << l.s.size();
        EXPECT_LT(std::hypot(l.s.back().x2 - std::stod(z[1]), l.s.back().y2 - std::stod(z[2])), 1e-9) << z[0];
        for (std::size_t i = 0; L > 0 && i + 1 < l.s.size(); ++i)
            EXPECT_NEAR(std::hypot(l.s[i].x2 - l.s[i].x1, l.s[i].y2 - l.s[i].y1), L, 0.1 * L)
                << z[0] << " " << i;
    }
}

TEST(Kurve, RichtungskontrolleDrehtJeSchrittUmDieWinkeldifferenz) {
    Kurvenparameter p = Parameter("x=cos(t) y=sin(t) t1=pi kontrolle=richtung");
    p.Winkeldifferenz = Pi / 18;
    Kurvenlauf l(p);
    EXPECT_TRUE(Zusammenhaengend(l)) << l.r.Texte();
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
    Kurvenlauf umkehr(Parameter("x=sin(t) y=0 t1=pi kontrolle=richtung"));
    EXPECT_TRUE(Zusammenhaengend(umkehr)) << umkehr.r.Texte();
    EXPECT_GT(std::ranges::max(umkehr.s, {}, &Kurvenstueck::x2).x2, 9.5);
    EXPECT_NEAR(umkehr.s.back().x2, 0, 1e-9);
}

TEST(Kurve, FehlerUndBerichteBeendenDenLauf) {
    for (const auto& z : Spalten(Feld(Kurven, "Fehler"))) {
        Kurvenlauf l(Parameter(z[0]));
        const std::map<std::string, std::optional<Kurvenende>> enden{
            {"-", {}}, {"gemeldet", Kurvenende::Gemeldet}, {"rechenfehler", Kurvenende::Rechenfehler}};
        EXPECT_EQ(l.ende, enden.at(z[1])) << z[0];
        EXPECT_EQ(l.r.Texte(), z[3] + "\n");
        EXPECT_EQ(l.r.liste.at(0).art, z[2] == "I" ? Meldungsart::Information : Meldungsart::Fehler) << z[0];
        // Only a report keeps chords, never more than the store holds and none beyond the limit.
        EXPECT_TRUE(l.s.empty() || z[2] == "I") << z[0];
        EXPECT_LE(l.s.size(), 32000u);
        for (const auto& k : l.s)
            EXPECT_TRUE(k.x2 >= k.x1 && k.x2 <= 100000) << z[0];
    }
    // Computing after a refused preparation reports instead of crashing.
    Kurvenlauf l(Parameter("y=t*(1"));
    EXPECT_EQ(l.k.KurveBerechnen(l.r), Kurvenende::Gemeldet);
    EXPECT_TRUE(l.s.empty());
    EXPECT_EQ(l.r.Texte(), "Fehler im y-Text\nFehler in y bei n:string=1 und t:string=   0.00\n");
}

TEST(Kurve, ClippenUndKurvenscharen) {
    for (const auto& z : Spalten(Feld(Kurven, "Clippen"))) {
        Kurvenstueck c;
        std::istringstream(z[0]) >> c.x1 >> c.x2 >> c.y1 >> c.y2;
        const bool bleibt = KurvenstueckClippen(c, 200, -1, 200, -1);
        std::ostringstream rest;
        rest << c.x1 << " " << c.x2 << " " << c.y1 << " " << c.y2;
        EXPECT_EQ(bleibt ? rest.str() : "-", z[1]) << z[0];
    }
    for (const auto& z : Spalten(Feld(Kurven, "Kurvenscharen"))) {
        Protokoll r;
        EXPECT_EQ(KurvenbereichPruefen(std::stoi(z[0]), std::stoi(z[1]), r), z[2] == "1")
            << z[0] << ".." << z[1];
        EXPECT_EQ(r.liste.size(), z[2] == "1" ? 0u : 1u) << z[0] << ".." << z[1];
    }
}

TEST(KurveAusgeben, StrichmusterUndRueckwaerts) {
    for (const auto& z : Spalten(Feld(Kurven, "Strichmuster"))) {
        Phasenlaengen muster;
        std::istringstream(z[0]) >> muster[0] >> muster[1] >> muster[2] >> muster[3];
        Zeichnung zeichnung{.Dialog = {.Clipaktiv = false}};
        Protokoll r;
        Kurvenplotter k;
        Kurvenparameter p = Parameter("y=0 t1=6 kontrolle=keine dt=1");
        KurvenZeichnen(k, p, 1, std::stoi(z[1]), muster, zeichnung, r);
        EXPECT_EQ(Breiten(zeichnung.Elemente), z[2]) << z[0];
    }
    // Backwards, each curve runs from t_1 back to t_0 as one chain, and its pattern starts there.
    Zeichnung z{.Dialog = {.Clipaktiv = false}};
    Protokoll r;
    Kurvenplotter k;
    k.Rueckwaerts = true;
    Kurvenparameter p = Parameter("y=n t1=3 kontrolle=keine dt=1");
    ASSERT_EQ(KurvenZeichnen(k, p, 1, 2, {1, 2, 0, 0}, z, r), Kurvenbefehl::Fertig);
    EXPECT_EQ(Elementzeilen(z.Elemente), "0 3 30,10 20,10 1 p\n0 3 20,10 10,10 -1 p\n0 3 10,10 0,10 -1 p\n"
                                         "0 3 30,20 20,20 1 p\n0 3 20,20 10,20 -1 p\n0 3 10,20 0,20 -1 p\n");
}

TEST(KurveAusgeben, AbgeschnitteneSehnenZaehlenNichtImMuster) {
    // Chords at x = 0..60 in steps of 10 with y rising through the top bound at 25. They become
    // picked lines in the current colour and width.
    Zeichnung z{.Kopf = {.aktuelleFarbe = 0x00FF8040}, .Dialog = {.ClipOben = 25}, .aktuelleBreite = 2};
    Kurvenlauf l(Parameter("t1=6 kontrolle=keine dt=1"));
    Kurvenplotter& k = l.k;
    k.MusterZuruecksetzen();
    const Kurvenausgabe aus = k.KurveAusgeben(z, {1, 1, 0, 0}, l.r);
    EXPECT_TRUE(aus.NeuZeichnen && z.Geaendert && aus.Elemente == 3);
    EXPECT_EQ(Elementzeilen(z.Elemente), "0 3 0,0 10,10 2 #ff8040 p\n0 3 10,10 20,20 -1 #ff8040 p\n"
                                         "0 3 20,20 25,25 2 #ff8040 p\n");
    // Without gaps (in the second or fourth phase) and clipping no full redraw is needed.
    z.Dialog.Clipaktiv = false;
    EXPECT_FALSE(k.KurveAusgeben(z, {3, 0, 2, 0}, l.r).NeuZeichnen);
    EXPECT_TRUE(k.KurveAusgeben(z, {3, 0, 2, 1}, l.r).NeuZeichnen);
}

namespace {

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

TEST(Sehnen, OvaleUndBezierkurven) {
    for (const auto& z : Spalten(Feld(Kurven, "Ovale"))) {
        const auto s = Ovalsehnen(0, 0, 40, -20, 5, z[0], 1);
        double x1, y1, x2, y2;
        std::istringstream(z[1]) >> x1 >> y1 >> x2 >> y2;
        ASSERT_TRUE(Zusammenhaengend(s)) << z[0];
        EXPECT_LT(Abweichung(s, 20, 10, 5), 1e-9) << z[0];
        EXPECT_LT(std::hypot(s.front().x1 - x1, s.front().y1 - y1) +
                      std::hypot(s.back().x2 - x2, s.back().y2 - y2),
                  1e-9)
            << z[0];
    }
    // Sides as one chord each, corners of about the chord length: 4 + 4 * ceil(pi/2 * 5).
    EXPECT_EQ(Ovalsehnen(0, 0, 40, 20, 5, "", 1).size(), 4u + 4 * 8);
    // Corners no rounder than the smaller side allows; sides of no length are left out.
    const auto rund = Ovalsehnen(0, 0, 4, 2, 50, "", 0.1);
    EXPECT_LT(Abweichung(rund, 2, 1, 1), 1e-9);
    EXPECT_EQ(rund.size(), 2u + 4 * 16);
    // A tiny chord length or a huge oval still gives a bounded number of chords.
    EXPECT_EQ(Ovalsehnen(0, 0, 1e16, 1e16, 1e15, "tr", 1e-9).size(), 502u);
    // A Bézier curve: its chords on the curve y = 2 * x * (1 - x / 10), its top at (5, 5).
    const auto s = Beziersehnen(0, 0, 5, 10, 10, 0, 1);
    ASSERT_TRUE(Zusammenhaengend(s));
    EXPECT_EQ(s.size(), 23u); // the control polygon is 2 * sqrt(125) long
    EXPECT_TRUE(s.front().x1 == 0 && s.front().y1 == 0 && s.back().x2 == 10 && s.back().y2 == 0);
    for (const Kurvenstueck& k : s)
        EXPECT_NEAR(k.y2, 2 * k.x2 * (1 - k.x2 / 10), 1e-9);
    EXPECT_TRUE(Beziersehnen(3, 3, 3, 3, 3, 3, 1).empty());
    EXPECT_EQ(Beziersehnen(0, 0, 1e16, 1e16, 2e16, 0, 1).size(), 500u);
    // A straight one is one line.
    EXPECT_EQ(Beziersehnen(0, 0, 1, 0, 5, 0, 0.1).size(), 1u);
}

TEST(Formel, WerteMitVorrangAssoziativitaetUndFunktionen) {
    for (const auto& z : Spalten(Feld(Formeln, "Werte"))) {
        Geparst e(z[0]);
        ASSERT_TRUE(e.baum) << z[0] << ": code " << e.code << " at " << e.stelle;
        const Extended w = FormelAuswerten(e.baum.get(), Zahl(z[1]), Zahl(z[2]));
        EXPECT_NEAR(w, Zahl(z[3]), Zahl(z[4])) << z[0];
    }
    for (const auto& z : Spalten(Feld(Formeln, "Hyperbelfunktionen"))) {
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
    for (const auto& z : Spalten(Feld(Formeln, "Syntaxfehler"))) {
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
    for (const auto& z : Spalten(Feld(Formeln, "Rechenfehler"))) {
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
    for (const auto& z : Spalten(Feld(Kurven, "Formeltexte"))) {
        std::istringstream ein(z[0]);
        std::string art;
        double a[5];
        ein >> art >> a[0] >> a[1] >> a[2] >> a[3] >> a[4];
        const Formelpaar f = art == "linie" ? LinienFormeln(a[0], a[1], a[2], a[3], a[4])
                             : art == "bogen"
                                 ? BogenFormeln(a[0], a[1], a[2], a[3], a[4])
                                 : RechteckFormeln(a[0], a[1], a[2], a[3], a[4])[art.back() - '0'];
        EXPECT_EQ(f.x + "|" + f.y, z[1] + "|" + z[2]) << z[0];
    }
    // A scale of 0 or below falls back to 10.
    EXPECT_EQ((std::array{WirksamerMassstab(4), WirksamerMassstab(0), WirksamerMassstab(-3)}),
              (std::array{4.0, 10.0, 10.0}));
}
