#include "Testhilfe.h"

#include <algorithm>
#include <cmath>
#include <numbers>

using namespace testhilfe;

constexpr double Pi = std::numbers::pi;

// A clean run whose consecutive chords join up.
static void Zusammenhaengend(const Kurvenlauf& l) {
    EXPECT_EQ(l.ende, Kurvenende::Fertig);
    EXPECT_TRUE(l.r.liste.empty()) << l.r.Texte();
    for (std::size_t i = 1; i < l.s.size(); ++i)
        EXPECT_TRUE(l.s[i].x1 == l.s[i - 1].x2 && l.s[i].y1 == l.s[i - 1].y2) << i;
}

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
        const double t1 = winkel(l.s[i].x1, l.s[i].y1);
        const double t2 = winkel(l.s[i].x2, l.s[i].y2);
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
    const std::string voll = "Mehr als 32000 Kurvenstücke bei n = 1: die Kurve endet bei t =   ";
    const auto info = Meldungsart::Information;
    const auto rf = Kurvenende::Rechenfehler;
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
        {{.t1Text = "100", .Kontrollart = KontrolleRichtung}, Kurvenende::Gemeldet, sekanten},
        {Parameter("1", "2"), Kurvenende::Gemeldet, sekanten},
        // Values beyond the limit end the run without a chord back to the 0 standing in for them.
        {{.xText = "20000*t", .yText = "0", .Strichlaenge = 5000}, Kurvenende::Gemeldet,
         "Zu große Werte aufgetreten", info},
        // The chord store is full, here with a step too small to move t.
        {Fest(Parameter("t", "0"), 1e-30), Kurvenende::Gemeldet, voll + "0.00.", info}};
    // clang-format on
    for (const Fall& f : faelle) {
        Kurvenlauf l(f.p);
        EXPECT_EQ(l.ende, f.ende) << f.meldung;
        EXPECT_EQ(l.r.Texte(), f.meldung + "\n");
        EXPECT_EQ(l.r.liste.at(0).art, f.art) << f.meldung;
        EXPECT_TRUE(l.s.empty() || f.art == Meldungsart::Information) << f.meldung;
        EXPECT_LE(l.s.size(), std::size_t{MaxKurvenstuecke});
        for (const auto& k : l.s)
            EXPECT_TRUE(k.x2 >= k.x1 && k.x2 <= 100000) << f.meldung;
    }
}

TEST(Kurve, BerechnenNachGescheiterterVorbereitungMeldetStattAbzustuerzen) {
    Kurvenlauf l(Parameter("t", "t*(1"));
    EXPECT_EQ(l.r.Texte(), "Fehler im y-Text\n");
    EXPECT_EQ(l.k.KurveBerechnen(l.r), Kurvenende::Gemeldet);
    EXPECT_TRUE(l.s.empty());
    EXPECT_EQ(l.r.liste.back().text, "Fehler in y bei n:string=1 und t:string=   0.00");
}
