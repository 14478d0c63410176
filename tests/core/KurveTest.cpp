#include "KurvenTesthilfe.h"

#include "text/Texte.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace vektra;
using kurventest::Fest;
using kurventest::Parameter;
using kurventest::Rekorder;

namespace {

constexpr double Pi = std::numbers::pi;

double Laenge(const Kurvenstueck& s) {
    return std::hypot(s.x2 - s.x1, s.y2 - s.y1);
}

// One run for p.n; the chords it computed.
std::vector<Kurvenstueck> Berechnen(Kurvenparameter p, Rekorder& r, Kurvenende* ende = nullptr,
                                    Kurvenplotter* plotter = nullptr) {
    Kurvenplotter eigener;
    Kurvenplotter& k = plotter ? *plotter : eigener;
    k.KurveVorbereiten(p, r);
    EXPECT_FALSE(p.Fehler) << r.Alle();
    k.StueckeLeeren();
    const Kurvenende e = k.KurveBerechnen(r);
    if (ende) *ende = e;
    return k.Stuecke();
}

// Consecutive chords join up.
void Zusammenhaengend(const std::vector<Kurvenstueck>& s) {
    for (std::size_t i = 1; i < s.size(); ++i)
        EXPECT_TRUE(s[i].x1 == s[i - 1].x2 && s[i].y1 == s[i - 1].y2) << i;
}

// Exactly one message with this text.
void Gemeldet(const Rekorder& r, const std::string& text, Meldungsart art = Meldungsart::Fehler) {
    ASSERT_EQ(r.Texte(), std::vector{text});
    EXPECT_EQ(r.liste[0].art, art);
}

} // namespace

TEST(Kurve, LaengenkontrolleTrifftStrichlaengeUndEndetBeiT1) {
    for (double L : {1.0, 0.3, 2.5}) {
        Rekorder r;
        Kurvenparameter p = Parameter("t", "t");
        p.Strichlaenge = L;
        Kurvenende ende;
        auto s = Berechnen(p, r, &ende);
        EXPECT_EQ(ende, Kurvenende::Fertig);
        EXPECT_TRUE(r.liste.empty()) << r.Alle();
        ASSERT_GT(s.size(), 2u);
        EXPECT_TRUE(s.front().x1 == 0 && s.front().y1 == 0);
        EXPECT_TRUE(s.back().x2 == 10 && s.back().y2 == 10) << "the last chord ends exactly at t1";
        for (std::size_t i = 0; i + 1 < s.size(); ++i)
            EXPECT_NEAR(Laenge(s[i]), L, 0.1 * L) << "L " << L << " #" << i;
        Zusammenhaengend(s);
    }
    // A curved path: the unit circle at scale 10 has a circumference of 62.8.
    Rekorder r;
    auto s = Berechnen(Parameter("cos(t)", "sin(t)", "0", "2*pi"), r);
    EXPECT_NEAR(static_cast<double>(s.size()), 63, 4);
    for (std::size_t i = 0; i + 1 < s.size(); ++i)
        EXPECT_NEAR(Laenge(s[i]), 1.0, 0.1) << i;
    EXPECT_NEAR(s.back().x2, 10, 1e-9);
    EXPECT_NEAR(s.back().y2, 0, 1e-9);
}

TEST(Kurve, FesteSchritteUndKurzeBereiche) {
    struct Fall {
        Kurvenparameter p;
        std::size_t stuecke;
        double ende;
    };
    const Fall faelle[] = {
        {Fest(Parameter("t", "0"), 0.25), 4, 10},       {Fest(Parameter("t", "0"), 0.1), 10, 10},
        {Fest(Parameter("t", "0"), 5), 1, 10},          // a step wider than the range: one chord to the end
        {Parameter("t", "0", "0", "-1"), 1, -10},       // an end before the start or within the first
        {Parameter("t", "0", "0", "0.0005"), 1, 0.005}, // step: one chord
    };
    for (const Fall& f : faelle) {
        Rekorder r;
        auto s = Berechnen(f.p, r);
        ASSERT_EQ(s.size(), f.stuecke) << f.p.t1Text << " " << f.p.Deltat;
        EXPECT_EQ(s[0].x1, 0);
        EXPECT_DOUBLE_EQ(s.back().x2, f.ende);
        for (std::size_t i = 0; i < s.size(); ++i)
            EXPECT_NEAR(s[i].x2, std::min(f.ende, (i + 1) * 10 * f.p.Deltat), 1e-3);
    }
}

TEST(Kurve, RichtungskontrolleDrehtJeSchrittUmDieWinkeldifferenz) {
    Rekorder r;
    Kurvenparameter p = Parameter("cos(t)", "sin(t)", "0", "pi");
    p.Kontrollart = KontrolleRichtung;
    p.Winkeldifferenz = 10 * Pi / 180;
    auto s = Berechnen(p, r);
    EXPECT_TRUE(r.liste.empty()) << r.Alle();
    ASSERT_GT(s.size(), 10u);
    EXPECT_LT(s.size(), 30u);
    EXPECT_EQ(s.back().x2, -10);
    Zusammenhaengend(s);
    // On the unit circle the point at t has the angle t and the tangent the angle t + pi/2. A
    // step ends at the first t + h, growing h by 1.2, where the tangent has turned by more than
    // the limit against the last chord, whose direction is that of its middle.
    auto winkel = [](double x, double y) { return std::atan2(y, x); };
    for (std::size_t i = 1; i + 1 < s.size(); ++i) {
        const double t1 = winkel(s[i].x1, s[i].y1);
        const double t2 = winkel(s[i].x2, s[i].y2);
        const double sehne = (winkel(s[i - 1].x1, s[i - 1].y1) + t1) / 2;
        EXPECT_GT(t2 - sehne, p.Winkeldifferenz) << i;
        EXPECT_LE(t1 + (t2 - t1) / 1.2 - sehne, p.Winkeldifferenz) << i;
    }

    // x runs out to 1 and back: the reversal at t = pi/2 is the largest possible turn and must
    // end a step, or the chords would skip the way out and back.
    Rekorder r2;
    p = Parameter("sin(t)", "0", "0", "pi");
    p.Kontrollart = KontrolleRichtung;
    s = Berechnen(p, r2);
    EXPECT_TRUE(r2.liste.empty()) << r2.Alle();
    double weitest = 0;
    for (const auto& k : s)
        weitest = std::max(weitest, k.x2);
    EXPECT_GT(weitest, 9.5);
    EXPECT_NEAR(s.back().x2, 0, 1e-9);
}

TEST(Kurve, SuchenOhneFortschrittMeldetStattZuHaengen) {
    // A straight line never turns; t reaches 0.001 * 1.2^50 = 9.1 before the search gives up.
    Rekorder r;
    Kurvenparameter p = Parameter("t", "t", "0", "100");
    p.Kontrollart = KontrolleRichtung;
    Kurvenende ende;
    EXPECT_TRUE(Berechnen(p, r, &ende).empty());
    EXPECT_EQ(ende, Kurvenende::Gemeldet);
    Gemeldet(r, "Fehler im Sekantenverfahren  bei n:string=1 und t:string=   0.00");
    // A shorter line ends at t1 within the search.
    Rekorder r2;
    p.t1Text = "8";
    auto s = Berechnen(p, r2);
    EXPECT_TRUE(r2.liste.empty()) << r2.Alle();
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].x2, 80);

    // A curve that stands still never reaches the chord length.
    Rekorder r3;
    EXPECT_TRUE(Berechnen(Parameter("1", "2"), r3, &ende).empty());
    EXPECT_EQ(ende, Kurvenende::Gemeldet);
    ASSERT_EQ(r3.liste.size(), 1u);
    EXPECT_NE(r3.liste[0].text.find(T("s58")), std::string::npos);
}

TEST(Kurve, DreiDProjektionen) {
    // y recedes up to the right at 42 degrees with half length; with the x axis to the front,
    // x recedes down to the left and y runs to the right.
    struct Fall {
        const char *x, *y, *z;
        bool xVorn;
        double ex, ey;
    };
    const Fall faelle[] = {
        {"t", "0", "0", false, 10, 0},    {"0", "t", "0", false, 3.7157, 3.34565},
        {"0", "t", "0", true, 10, 0},     {"t", "0", "2*t", true, -3.7157, 20 - 3.34565},
        {"t", "0", "2*t", false, 10, 20},
    };
    for (const Fall& f : faelle) {
        Rekorder r;
        Kurvenparameter p = Parameter(f.x, f.y);
        p.dreiD = true;
        p.zText = f.z;
        p.XAchseVorn = f.xVorn;
        auto s = Berechnen(p, r);
        EXPECT_NEAR(s.back().x2, f.ex, 1e-12) << f.x << f.y << f.z << f.xVorn;
        EXPECT_NEAR(s.back().y2, f.ey, 1e-12) << f.x << f.y << f.z << f.xVorn;
        EXPECT_TRUE(r.liste.empty()) << r.Alle();
    }
}

TEST(Kurve, ZuGrosseWerteBeendenDenLaufOhneFalscheSehne) {
    for (const char* x : {"20000*t", "t*(1+19999*int(t))"}) {
        Rekorder r;
        Kurvenparameter p = Parameter(x, "0");
        p.Strichlaenge = 5000;
        Kurvenende ende;
        auto s = Berechnen(p, r, &ende);
        EXPECT_EQ(ende, Kurvenende::Gemeldet) << x;
        Gemeldet(r, "Zu große Werte aufgetreten", Meldungsart::Information);
        // No chord runs back to the 0 that stands in for a coordinate beyond the limit.
        for (const auto& k : s) {
            EXPECT_GE(k.x2, k.x1) << x;
            EXPECT_LE(k.x2, 100000) << x;
        }
    }
}

TEST(Kurve, SyntaxfehlerUndUngueltigeWerteVerhindernDenLauf) {
    const auto mit = [](auto aendern) {
        Kurvenparameter p = Parameter("t", "t");
        aendern(p);
        return p;
    };
    std::pair<Kurvenparameter, std::string> faelle[] = {
        {Parameter("t+", "t"), "Fehler im x-Text"},
        {Parameter("t", "2t"), "Fehler im y-Text"},
        {mit([](auto& p) { p.dreiD = true, p.zText = "t+"; }), "Fehler im z-Text"},
        {Parameter("t", "t", "(0"), "Fehler im t_0-Text"},
        {Parameter("t", "t", "0", "1$"), "Fehler im t_1-Text"},
        {mit([](auto& p) { p.Strichlaenge = 0; }), "Die Strichlänge muss größer als 0 sein."},
        {mit([](auto& p) { p.Kontrollart = KontrolleRichtung, p.Winkeldifferenz = -1; }),
         "Die Winkeldifferenz muss größer als 0 sein."},
        {Fest(Parameter("t", "t"), std::nan("")), "Delta t muss größer als 0 sein."},
    };
    for (auto& [p, meldung] : faelle) {
        Rekorder r;
        Kurvenplotter k;
        k.KurveVorbereiten(p, r);
        EXPECT_TRUE(p.Fehler) << meldung;
        Gemeldet(r, meldung);
    }
    // The plane curve never looks at its z text; the caller's texts stay as typed.
    Rekorder r;
    Kurvenplotter k;
    Kurvenparameter p = Parameter("T", "t");
    p.zText = "t+";
    k.KurveVorbereiten(p, r);
    EXPECT_FALSE(p.Fehler);
    EXPECT_EQ(p.xText, "T");
    // On request the message gives position and code.
    k.FehlerstelleMelden = true;
    p.yText = "t*(1";
    k.KurveVorbereiten(p, r);
    Gemeldet(r, "Fehler im y-Text an Stelle 5 (Fehlercode 1)");
    EXPECT_EQ(k.Fehlerstelle(), 5);
    EXPECT_EQ(k.Fehlercode(), 1);
    // Stepping after the failed preparation finds no y tree and reports instead of faulting.
    k.StueckeLeeren();
    EXPECT_EQ(k.KurveBerechnen(r), Kurvenende::Gemeldet);
    EXPECT_TRUE(k.Stuecke().empty());
    ASSERT_EQ(r.liste.size(), 2u);
    EXPECT_EQ(r.liste[1].text, "Fehler in y bei n:string=1 und t:string=   0.00");
}

TEST(Kurve, RechenfehlerBrechenAbUndLassenKeineSehnen) {
    std::pair<Kurvenparameter, std::string> faelle[] = {
        {Parameter("sqrt(t)", "t", "-1"), "Rechenfehler in sqrt im x-Text bei n = 1 und t =  -1.00"},
        {Fest(Parameter("t", "1/(t-0.5)"), 0.25), "Rechenfehler in / im y-Text bei n = 1 und t =   0.50"},
        {Parameter("t", "t", "0", "ln(n-1)"), "Rechenfehler in ln im t_1-Text bei n = 1 und t =   0.00"},
    };
    for (auto& [p, meldung] : faelle) {
        Rekorder r;
        Kurvenplotter k;
        k.KurveVorbereiten(p, r);
        if (!p.Fehler) {
            k.StueckeLeeren();
            EXPECT_EQ(k.KurveBerechnen(r), Kurvenende::Rechenfehler);
            EXPECT_TRUE(k.Stuecke().empty());
        }
        Gemeldet(r, meldung);
    }
}

TEST(Kurve, SehnenspeicherHaeltHoechstens32000) {
    Rekorder r;
    Kurvenende ende;
    auto s = Berechnen(Fest(Parameter("t", "0"), 1e-5), r, &ende);
    EXPECT_EQ(ende, Kurvenende::Gemeldet);
    EXPECT_EQ(s.size(), static_cast<std::size_t>(MaxKurvenstuecke));
    Gemeldet(r, "Mehr als 32000 Kurvenstücke bei n = 1: die Kurve endet bei t =   0.32.",
             Meldungsart::Information);
    // A step too small to move t is caught by the same limit instead of looping.
    EXPECT_EQ(Berechnen(Fest(Parameter("t", "0"), 1e-30), r).size(),
              static_cast<std::size_t>(MaxKurvenstuecke));
}
