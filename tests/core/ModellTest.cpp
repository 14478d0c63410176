#include "model/Zeichnung.h"

#include <gtest/gtest.h>

using namespace vektra;

namespace {

TElement Linienelement(double x) {
    TElement e;
    e.Art = Linie;
    e.x1 = x;
    return e;
}

} // namespace

TEST(Elementspeicher, VollerSpeicherSagtNeinUndBleibtStimmig) {
    Elementspeicher s;
    for (int i = 0; i < MaxElemente; ++i)
        ASSERT_NE(s.Anhaengen(Linienelement(i)), nullptr);
    TElement* erstes = &s[1];
    EXPECT_EQ(s.NeuesElement(), nullptr);
    EXPECT_EQ(s.Anhaengen(Linienelement(-1)), nullptr);
    EXPECT_EQ(s.Anzahl(), MaxElemente);
    EXPECT_EQ(s.Frei(), 0);
    // The store never moves its elements while it fills up.
    EXPECT_EQ(erstes, &s[1]);
    EXPECT_EQ(s[MaxElemente].x1, MaxElemente - 1);
    s.AllesLoeschen();
    EXPECT_NE(s.NeuesElement(), nullptr);
}

TEST(Elementspeicher, AufraeumenBehaeltReihenfolgeUndNummeriertNeu) {
    Elementspeicher s;
    for (int i = 1; i <= 6; ++i)
        s.Anhaengen(Linienelement(i));
    s[2].geloescht = true;
    s[5].geloescht = true;
    s[3].gepickt = true;
    EXPECT_EQ(s.GeloeschteZahl(), 2);
    EXPECT_EQ(s.GepickteZahl(), 1);
    s.Aufraeumen();
    ASSERT_EQ(s.Anzahl(), 4);
    EXPECT_EQ((std::array{s[1].x1, s[2].x1, s[3].x1, s[4].x1}), (std::array{1.0, 3.0, 4.0, 6.0}));
    EXPECT_TRUE(s[2].gepickt);
    EXPECT_EQ(s.GeloeschteZahl(), 0);
}
