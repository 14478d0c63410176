#include "editing/Transformieren.h"

#include "Testhilfe.h"

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>

using namespace testhilfe;

namespace {

// The defining values of every element: x1, y1, then x2, y2 or the diameter.
std::vector<double> Werte(const Zeichnung& z) {
    std::vector<double> w;
    for (const auto& e : z.Elemente) {
        w.insert(w.end(), {e.x1, e.y1});
        if (e.istStrich()) w.insert(w.end(), {e.x2, e.y2});
        if (e.Art == Kreis) w.push_back(e.Durchmesser);
    }
    return w;
}

void Nah(const std::vector<double>& ist, const std::vector<double>& soll) {
    ASSERT_EQ(ist.size(), soll.size());
    for (std::size_t i = 0; i < ist.size(); ++i)
        EXPECT_NEAR(ist[i], soll[i], 1e-9) << i;
}

Zeichnung JedeArt() {
    Zeichnung z;
    NeuerStrich(z, 0, 0, 10, 0).gepickt = true;
    NeuerKreis(z, 10, 10, 4, false).gepickt = true;
    NeuerText(z, 1, 2, "t", "tl").gepickt = true;
    NeuerStrich(z, 1, 1, 2, 3, 1, 0, Pfeilspitze).gepickt = true;
    NeuerStrich(z, 7, 7, 8, 8);
    return z;
}

} // namespace

TEST(Transformieren, SkalierenJederArt) {
    Protokoll r;
    Zeichnung z = JedeArt();
    EXPECT_TRUE(Skalieren(z.Elemente, 0, 0, 2, 3, r));
    Nah(Werte(z), {0, 0, 20, 0, 20, 30, 8, 2, 6, 2, 3, 4, 9, 7, 7, 8, 8});
    EXPECT_TRUE(z.Elemente[3].Text == "t" && z.Elemente[3].Ausrichtung == "tl");
    // x factor 0 puts every point onto x = cx and shrinks circles to nothing; -1 mirrors about
    // x = cx and keeps the diameter.
    z = JedeArt();
    EXPECT_TRUE(Skalieren(z.Elemente, 5, 0, 0, 1, r));
    Nah(Werte(z), {5, 0, 5, 0, 5, 10, 0, 5, 2, 5, 1, 5, 3, 7, 7, 8, 8});
    z = JedeArt();
    EXPECT_TRUE(Skalieren(z.Elemente, 5, 0, -1, 1, r));
    Nah(Werte(z), {10, 0, 0, 0, 0, 10, 4, 9, 2, 9, 1, 8, 3, 7, 7, 8, 8});
    EXPECT_EQ(r.Texte(), "");
}

TEST(Transformieren, GefuellteKreiseWachsenNichtUeberSechs) {
    // {diameter, x factor, filled, new diameter}
    const std::tuple<double, double, bool, double> faelle[] = {
        {4, 2, true, 6},   {4, 2, false, 8},   {2, 2, true, 4},    {8, 2, true, 8},
        {8, 0.5, true, 4}, {6, -1.5, true, 6}, {10, 0.5, true, 5}, {30, 2, false, 60},
    };
    Protokoll r;
    for (const auto& [d, fx, gefuellt, neu] : faelle) {
        Zeichnung z;
        NeuerKreis(z, 0, 0, d, gefuellt).gepickt = true;
        Skalieren(z.Elemente, 0, 0, fx, 1, r);
        EXPECT_EQ(z.Elemente[1].Durchmesser, neu) << d << " " << fx << " " << gefuellt;
    }
}

TEST(Transformieren, DrehenUndVerschieben) {
    Protokoll r;
    Zeichnung z = JedeArt();
    EXPECT_TRUE(Drehen(z.Elemente, 1, 1, std::numbers::pi / 2, r));
    Nah(Werte(z), {2, 0, 2, 10, -8, 10, 4, 0, 1, 1, 1, -1, 2, 7, 7, 8, 8});
    EXPECT_TRUE(z.Elemente[3].Text == "t" && z.Elemente[3].Ausrichtung == "tl");
    EXPECT_TRUE(Verschieben(z.Elemente, 0.5, -2));
    Nah(Werte(z), {2.5, -2, 2.5, 8, -7.5, 8, 4, 0.5, -1, 1.5, -1, -0.5, 0, 7, 7, 8, 8});
    EXPECT_EQ(r.Texte(), "");
}

TEST(Transformieren, UnmoeglicheErgebnisseAendernNichts) {
    const double nan = std::numeric_limits<double>::quiet_NaN(),
                 inf = std::numeric_limits<double>::infinity();
    const std::string zuGross = "Das Ergebnis läge außerhalb von ±1000000 Einheiten: die gewählten Elemente "
                                "bleiben unverändert.\n";
    const std::string keineZahl = "Mittelpunkt, Faktor oder Winkel ist keine endliche Zahl: die gewählten "
                                  "Elemente bleiben unverändert.\n";
    // The first element alone could be scaled by 1e5; the second one fails, so neither changes.
    Zeichnung z;
    NeuerStrich(z, 0, 0, 10, 0).gepickt = true;
    NeuerKreis(z, 0, 0, 11, false).gepickt = true;
    const std::vector<double> vorher = Werte(z);
    const std::vector<std::pair<std::function<bool(Meldungen&)>, std::string>> faelle{
        {[&](Meldungen& m) { return Skalieren(z.Elemente, 0, 0, 1e5, 1, m); }, zuGross},
        {[&](Meldungen& m) { return Skalieren(z.Elemente, 0, 5, 1, 2e300, m); }, zuGross},
        {[&](Meldungen& m) { return Skalieren(z.Elemente, 0, 0, nan, 1, m); }, keineZahl},
        {[&](Meldungen& m) { return Skalieren(z.Elemente, inf, 0, 1, 1, m); }, keineZahl},
        {[&](Meldungen& m) { return Drehen(z.Elemente, 2e6, 0, 1, m); }, zuGross},
        {[&](Meldungen& m) { return Drehen(z.Elemente, 0, 0, inf, m); }, keineZahl},
        {[&](Meldungen&) { return Verschieben(z.Elemente, nan, 0); }, ""},
    };
    for (const auto& [umformen, meldung] : faelle) {
        Protokoll r;
        EXPECT_FALSE(umformen(r));
        EXPECT_EQ(r.Texte(), meldung);
        EXPECT_EQ(Werte(z), vorher);
    }
    // A value beyond the bound that stays as it was does not block the rest; shrinking it works.
    z.Elemente[2].Durchmesser = 5e6;
    Protokoll r;
    EXPECT_TRUE(Drehen(z.Elemente, 0, 0, std::numbers::pi, r) && Skalieren(z.Elemente, 0, 0, 0.1, 1, r));
    Nah(Werte(z), {0, 0, -1, 0, 0, 0, 5e5});
    EXPECT_EQ(r.Texte(), "");
}
