#include "editing/Auswahl.h"

#include "Testhilfe.h"

using namespace testhilfe;

namespace {

// Three pixels a unit, origin (-7, 3), 401 pixels high: a point's column and row differ widely.
Ansicht Schiefe() {
    return {.Zoomfaktor = 1, .NullX = -7, .NullY = 3, .Hoehe = 401};
}

std::string Flaggen(const Zeichnung& z) {
    std::string s;
    for (const auto& e : z.Elemente)
        s += std::string(e.gepickt ? "p" : "-") + (e.Kandidat ? "k" : "-") + " ";
    return s;
}

} // namespace

TEST(Auswahl, TrefferNurImQuadratUmEinenDefinierendenPunkt) {
    const Ansicht a = Schiefe();
    constexpr int P = 7;
    Zeichnung z;
    NeuerStrich(z, 10, 25, 90, 25);
    NeuerStrich(z, -40, -40, 10, 25, 1, 0, Pfeilspitze);
    NeuerKreis(z, 10, 25, 30, true);
    NeuerText(z, 10, 25, "a");
    const int px = a.XNachPixel(10), py = a.YNachPixel(25);
    ASSERT_EQ(std::pair(px, py), std::pair(51, 335));
    // Inside the square of half side P - 1 about the point, in either axis, mixing none up.
    const std::tuple<int, int, bool> faelle[] = {
        {0, 0, true},   {P - 1, P - 1, true}, {-(P - 1), 1 - P, true}, {P, 0, false},
        {-P, 0, false}, {0, P, false},        {0, -P, false},          {py - px, px - py, false}};
    for (const auto& [dx, dy, treffer] : faelle)
        for (const auto& e : z.Elemente)
            EXPECT_EQ(Getroffen(e, a, px + dx, py + dy, P), treffer) << int{e.Art} << " " << dx << "," << dy;
    // The middle of a long line is no defining point.
    EXPECT_FALSE(Getroffen(z.Elemente[1], a, a.XNachPixel(50), py, P));
    EXPECT_TRUE(Getroffen(z.Elemente[1], a, a.XNachPixel(90), py, P));
}

TEST(Auswahl, KandidatenWerdenEinzelnAngeboten) {
    const Ansicht a = Schiefe();
    Zeichnung z;
    NeuerStrich(z, 50, 50, 0, 0);
    NeuerStrich(z, 20, 20, 60, 60).gepickt = true;
    NeuerStrich(z, 20, 20, 0, 90).geloescht = true;
    NeuerStrich(z, 0, 90, 20, 20);
    NeuerStrich(z, 20, 20, 5, 5);
    const int mx = a.XNachPixel(20), my = a.YNachPixel(20);

    Kandidatenwahl w;
    ASSERT_EQ(w.Klick(z.Elemente, a, mx, my, 10), 2);
    EXPECT_EQ(w.aktuellerKandidat(), 4);
    EXPECT_EQ(Flaggen(z), "-- p- -- -k -k ");
    // Rejecting offers the other; accepting picks only the offered one and ends the round.
    auto s = w.Ablehnen(z.Elemente);
    EXPECT_EQ(std::tuple(s.abgegeben, s.angeboten, s.gepickt, s.beendet, w.Kandidatenzahl()),
              std::tuple(4, 5, false, false, 1));
    s = w.Annehmen(z.Elemente);
    EXPECT_EQ(std::tuple(s.abgegeben, s.angeboten, s.gepickt, s.beendet), std::tuple(5, 0, true, true));
    EXPECT_EQ(Flaggen(z), "-- p- -- -- p- ");
    // The click of the accepting press is ignored; the next one offers what is left unpicked.
    EXPECT_TRUE(w.ignoriereKlick());
    EXPECT_EQ(w.Klick(z.Elemente, a, mx, my, 10), 0);
    EXPECT_EQ(w.Klick(z.Elemente, a, mx, my, 10), 1);
    EXPECT_EQ(Flaggen(z), "-- p- -- -k p- ");
    // Rejecting the last candidate ends the round with nothing picked.
    s = w.Ablehnen(z.Elemente);
    EXPECT_EQ(std::tuple(s.abgegeben, s.angeboten, s.gepickt, s.beendet), std::tuple(4, 0, false, true));
    EXPECT_EQ(Flaggen(z), "-- p- -- -- p- ");
    // A click on nothing starts no round and clears stale marks.
    z.Elemente[1].Kandidat = true;
    EXPECT_EQ(w.Klick(z.Elemente, a, 0, 0, 10), 0);
    EXPECT_EQ(std::pair(ErsterKandidat(z.Elemente), w.aktuellerKandidat()), std::pair(0, 0));
}

TEST(Auswahl, Flaeche) {
    Zeichnung z;
    NeuerKreis(z, 5, 5, 2, false);
    NeuerStrich(z, 2, 2, 8, 8).geloescht = true;
    NeuerStrich(z, 2, 2, 8.5, 8);
    NeuerText(z, 3.5, 6.5, "r");
    NeuerText(z, 3.4, 5, "l");
    // Borders count; a circle needs a margin of its whole diameter.
    EXPECT_EQ(FlaecheAuswaehlen(z.Elemente, {3.5, 6.5, 3.5, 6.5}), 1);
    EXPECT_EQ(Flaggen(z), "-- -- -- p- -- ");
    EXPECT_EQ(FlaecheAuswaehlen(z.Elemente, {2, 8, 2, 8}), 3);
    EXPECT_EQ(Flaggen(z), "p- p- -- p- p- ");
    z.Elemente[1].gepickt = false;
    EXPECT_EQ(FlaecheAuswaehlen(z.Elemente, {2, 8, 5, 5}) + FlaecheAuswaehlen(z.Elemente, {5, 5, 2, 8}), 0);

    // Pixel corners in any order; rows grow downwards, y upwards.
    const Ansicht a = Schiefe();
    const Pickflaeche f = FlaecheAusPixeln(a, 30, 20, 9, 50);
    EXPECT_EQ((std::array{f.xmin, f.xmax, f.ymin, f.ymax}), (std::array{-4.0, 3.0, 120.0, 130.0}));
}
