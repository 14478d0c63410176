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

using Umformung = std::function<bool(Elementspeicher&, Meldungen&)>;

} // namespace

TEST(Transformieren, JedeArtNurGewaehlte) {
    // A picked line, circle, text and arrowhead stroke, and an unpicked line.
    Zeichnung z;
    NeuerStrich(z, 0, 0, 10, 0).gepickt = true;
    NeuerKreis(z, 10, 10, 4, false).gepickt = true;
    NeuerText(z, 1, 2, "t", "tl").gepickt = true;
    NeuerStrich(z, 1, 1, 2, 3, 1, 0, Pfeilspitze).gepickt = true;
    NeuerStrich(z, 7, 7, 8, 8);
    // x factor -1 mirrors about x = cx and keeps the diameter.
    const std::pair<Umformung, std::vector<double>> faelle[] = {
        {[](Elementspeicher& s, Meldungen& m) { return Skalieren(s, 0, 0, 2, 3, m); },
         {0, 0, 20, 0, 20, 30, 8, 2, 6, 2, 3, 4, 9, 7, 7, 8, 8}},
        {[](Elementspeicher& s, Meldungen& m) { return Skalieren(s, 5, 0, -1, 1, m); },
         {10, 0, 0, 0, 0, 10, 4, 9, 2, 9, 1, 8, 3, 7, 7, 8, 8}},
        {[](Elementspeicher& s, Meldungen& m) { return Drehen(s, 1, 1, std::numbers::pi / 2, m); },
         {2, 0, 2, 10, -8, 10, 4, 0, 1, 1, 1, -1, 2, 7, 7, 8, 8}},
        {[](Elementspeicher& s, Meldungen&) { return Verschieben(s, 0.5, -2); },
         {0.5, -2, 10.5, -2, 10.5, 8, 4, 1.5, 0, 1.5, -1, 2.5, 1, 7, 7, 8, 8}}};
    for (const auto& [umformen, soll] : faelle) {
        Zeichnung kopie = z;
        Protokoll r;
        EXPECT_TRUE(umformen(kopie.Elemente, r) && r.liste.empty());
        Nah(Werte(kopie), soll);
        EXPECT_EQ(kopie.Elemente[3].Text + kopie.Elemente[3].Ausrichtung, "ttl");
    }
}

TEST(Transformieren, GefuellteKreiseWachsenNichtUeberSechs) {
    // {diameter, x factor, filled, new diameter}
    const std::tuple<double, double, bool, double> faelle[] = {
        {4, 2, true, 6}, {4, 2, false, 8}, {8, 2, true, 8}, {8, 0.5, true, 4}, {6, -1.5, true, 6}};
    Protokoll r;
    for (const auto& [d, fx, gefuellt, neu] : faelle) {
        Zeichnung z;
        NeuerKreis(z, 0, 0, d, gefuellt).gepickt = true;
        Skalieren(z.Elemente, 0, 0, fx, 1, r);
        EXPECT_EQ(z.Elemente[1].Durchmesser, neu) << d << " " << fx << " " << gefuellt;
    }
}

TEST(Transformieren, UnmoeglicheErgebnisseAendernNichts) {
    const double nan = std::numeric_limits<double>::quiet_NaN(),
                 inf = std::numeric_limits<double>::infinity();
    const std::string zuGross = "Das Ergebnis läge außerhalb von ±1000000 Einheiten: die gewählten Elemente "
                                "bleiben unverändert.\n";
    const std::string keineZahl = "Mittelpunkt, Faktor oder Winkel ist keine endliche Zahl: die gewählten "
                                  "Elemente bleiben unverändert.\n";
    // The line alone could be scaled by 1e5; the circle cannot, so neither changes.
    Zeichnung z;
    NeuerStrich(z, 0, 0, 10, 0).gepickt = true;
    NeuerKreis(z, 0, 0, 11, false).gepickt = true;
    const std::vector<double> vorher = Werte(z);
    const std::pair<Umformung, std::string> faelle[] = {
        {[](Elementspeicher& s, Meldungen& m) { return Skalieren(s, 0, 0, 1e5, 1, m); }, zuGross},
        {[&](Elementspeicher& s, Meldungen& m) { return Skalieren(s, 0, 0, nan, 1, m); }, keineZahl},
        {[](Elementspeicher& s, Meldungen& m) { return Drehen(s, 2e6, 0, 1, m); }, zuGross},
        {[&](Elementspeicher& s, Meldungen& m) { return Drehen(s, 0, 0, inf, m); }, keineZahl},
        {[&](Elementspeicher& s, Meldungen&) { return Verschieben(s, nan, 0); }, ""},
    };
    for (const auto& [umformen, meldung] : faelle) {
        Protokoll r;
        EXPECT_FALSE(umformen(z.Elemente, r));
        EXPECT_EQ(r.Texte(), meldung);
        EXPECT_EQ(Werte(z), vorher);
    }
    // A value beyond the bound that stays as it was does not block the rest; shrinking it works.
    z.Elemente[2].Durchmesser = 5e6;
    Protokoll r;
    EXPECT_TRUE(Drehen(z.Elemente, 0, 0, std::numbers::pi, r) && Skalieren(z.Elemente, 0, 0, 0.1, 1, r));
    Nah(Werte(z), {0, 0, -1, 0, 0, 0, 5e5});
}
