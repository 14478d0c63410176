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
    for (int i = 0; i < MaxElemente; ++i) ASSERT_NE(s.Anhaengen(Linienelement(i)), nullptr);
    TElement* erstes = &s[1];
    EXPECT_EQ(s.NeuesElement(), nullptr);
    EXPECT_EQ(s.Anhaengen(Linienelement(-1)), nullptr);
    EXPECT_EQ(s.Anzahl(), MaxElemente);
    EXPECT_EQ(s.Frei(), 0);
    // The store never moves its elements while it fills up.
    EXPECT_EQ(erstes, &s[1]);
    EXPECT_EQ(s[MaxElemente].x1, MaxElemente - 1);
}

TEST(Elementspeicher, AufraeumenBehaeltReihenfolgeUndNummeriertNeu) {
    Elementspeicher s;
    for (int i = 1; i <= 6; ++i) s.Anhaengen(Linienelement(i));
    s[2].geloescht = true;
    s[5].geloescht = true;
    s[3].gepickt = true;
    EXPECT_EQ(s.GeloeschteZahl(), 2);
    EXPECT_EQ(s.GepickteZahl(), 1);
    s.Aufraeumen();
    ASSERT_EQ(s.Anzahl(), 4);
    EXPECT_EQ(s[1].x1, 1);
    EXPECT_EQ(s[2].x1, 3);
    EXPECT_TRUE(s[2].gepickt);
    EXPECT_EQ(s[3].x1, 4);
    EXPECT_EQ(s[4].x1, 6);
    EXPECT_EQ(s.GeloeschteZahl(), 0);
    // A full store that is compacted has room again.
    s.AllesLoeschen();
    EXPECT_EQ(s.Anzahl(), 0);
    EXPECT_NE(s.NeuesElement(), nullptr);
}

TEST(TElement, TexteWerdenAuf255ZeichenGekuerzt) {
    TElement e;
    e.TextSetzen(std::string(300, 'x'));
    EXPECT_EQ(e.Text.size(), 255u);
    e.TextSetzen("kurz");
    EXPECT_EQ(e.Text, "kurz");
}

TEST(Zeichnung, DialogwerteGehenGekuerztInDenKopfsatzUndZurueck) {
    Zeichnung z;
    z.Dialog.Unitlength = "0.12345678901";
    z.Dialog.TeXBreite[3] = "2";
    z.Dialog.Clipaktiv = false;
    z.Dialog.ClipOben = 77;
    z.Dialog.x_off = "5";
    z.KopfsatzAuffrischen();
    EXPECT_EQ(z.Kopf.Unitlength, "0.12345678");
    EXPECT_EQ(z.Kopf.TeXBreiteDick, "2");
    EXPECT_FALSE(z.Kopf.Clipaktiv);
    EXPECT_EQ(z.Kopf.ClipOben, 77);

    Zeichnung geladen;
    geladen.Kopf.Entpacken(z.Kopf.Packen());
    geladen.DialogwerteUebernehmen();
    EXPECT_EQ(geladen.Dialog.Unitlength, "0.12345678");
    EXPECT_EQ(geladen.Dialog.TeXBreite[3], "2");
    EXPECT_FALSE(geladen.Dialog.Clipaktiv);
    EXPECT_EQ(geladen.Dialog.ClipOben, 77);
    EXPECT_EQ(geladen.Dialog.x_off, "5");
}
