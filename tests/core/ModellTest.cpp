#include "model/Zeichnung.h"

#include <gtest/gtest.h>

using namespace vektra;

TEST(Elementspeicher, VollerSpeicherSagtNeinUndBleibtStimmig) {
    Elementspeicher s;
    for (int i = 0; i < MaxElemente; ++i)
        ASSERT_NE(s.NeuesElement(), nullptr);
    s[MaxElemente].x1 = 5;
    TElement* erstes = &s[1];
    EXPECT_TRUE(s.NeuesElement() == nullptr && s.Anhaengen(TElement{}) == nullptr);
    EXPECT_EQ(std::pair(s.Anzahl(), s.Frei()), std::pair(MaxElemente, 0));
    // The store never moves its elements while it fills up.
    EXPECT_TRUE(erstes == &s[1] && s[MaxElemente].x1 == 5);
    s.AllesLoeschen();
    EXPECT_NE(s.NeuesElement(), nullptr);
}

TEST(Elementspeicher, AufraeumenBehaeltReihenfolgeUndNummeriertNeu) {
    Elementspeicher s;
    for (int i = 1; i <= 6; ++i)
        s.NeuesElement()->x1 = i;
    s[2].geloescht = s[5].geloescht = s[5].gepickt = s[3].gepickt = true;
    EXPECT_EQ(s.GeloeschteZahl() * 10 + s.GepickteZahl(), 22);
    s.Aufraeumen();
    ASSERT_EQ(s.Anzahl(), 4);
    EXPECT_EQ((std::array{s[1].x1, s[2].x1, s[3].x1, s[4].x1}), (std::array{1.0, 3.0, 4.0, 6.0}));
    EXPECT_TRUE(s[2].gepickt && s.GeloeschteZahl() == 0);
}
