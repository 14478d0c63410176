#include "editing/Ablage.h"
#include "editing/Auswahl.h"
#include "editing/Loeschen.h"

#include "Testhilfe.h"

using namespace testhilfe;

namespace {

// Each element as its x1 and its flags: p picked, d deleted.
std::string Inhalt(const Elementspeicher& s) {
    std::string t;
    for (const auto& e : s)
        t += std::to_string(static_cast<int>(e.x1)) + (e.gepickt ? "p" : "") + (e.geloescht ? "d" : "") + " ";
    return t;
}

Zeichnung Fuenf() {
    Zeichnung z;
    for (int i = 1; i <= 5; ++i)
        NeuerStrich(z, i, 0, i, 1);
    return z;
}

} // namespace

TEST(Loeschen, NurDieLetzteLoeschungKommtZurueck) {
    Zeichnung z = Fuenf();
    EXPECT_FALSE(Loeschen(z.Elemente));
    z.Elemente[1].gepickt = z.Elemente[2].gepickt = true;
    EXPECT_TRUE(Loeschen(z.Elemente));
    EXPECT_EQ(Inhalt(z.Elemente), "1d 2d 3 4 5 ");
    // Nothing picked: no compaction either, so the deletion can still be undone.
    EXPECT_FALSE(Loeschen(z.Elemente));
    z.Elemente[4].gepickt = true;
    EXPECT_TRUE(Loeschen(z.Elemente));
    EXPECT_EQ(Inhalt(z.Elemente), "3 4d 5 ");
    EXPECT_EQ(Rueckgaengig(z.Elemente), 1);
    EXPECT_EQ(Inhalt(z.Elemente), "3 4p 5 ");
    z.Elemente[3].geloescht = true;
    z.Elemente.Aufraeumen();
    EXPECT_EQ(Rueckgaengig(z.Elemente), 0);
    EXPECT_EQ(Inhalt(z.Elemente), "3 4p ");
}

TEST(Ablage, KopierenAusschneidenEinfuegen) {
    Zeichnung z = Fuenf();
    z.Elemente[2].gepickt = z.Elemente[4].gepickt = true;
    z.Elemente[3].gepickt = z.Elemente[3].geloescht = true;
    Kopieren(z);
    EXPECT_EQ(Inhalt(z.Ablage), "2p 4p ");
    // Cut marks the copies' originals deleted, still picked; undo brings them back.
    EXPECT_TRUE(Ausschneiden(z));
    EXPECT_EQ(Inhalt(z.Elemente), "1 2pd 3pd 4pd 5 ");
    // Nothing picked and not deleted: cut does nothing and keeps the clipboard.
    EXPECT_FALSE(Ausschneiden(z));
    EXPECT_EQ(Inhalt(z.Ablage), "2p 4p ");
    EXPECT_EQ(Rueckgaengig(z.Elemente), 3);
    EXPECT_EQ(Inhalt(z.Elemente), "1 2p 3p 4p 5 ");

    Protokoll r;
    EXPECT_TRUE(Einfuegen(z, r) && Einfuegen(z, r));
    EXPECT_EQ(Inhalt(z.Elemente), "1 2p 3p 4p 5 2p 4p 2p 4p ");
    EXPECT_EQ(Inhalt(z.Ablage), "2p 4p ");
    EXPECT_EQ(r.Texte(), "");
    // Copy with nothing picked empties the clipboard; pasting it adds nothing.
    AuswahlAufheben(z.Elemente);
    Kopieren(z);
    EXPECT_EQ(z.Ablage.Anzahl(), 0);
    EXPECT_FALSE(Einfuegen(z, r));
    EXPECT_EQ(z.Elemente.Anzahl(), 9);
}

TEST(Ablage, EinfuegenInFastVollenSpeicherFuegtNichtsEin) {
    Zeichnung z = Fuenf();
    z.Elemente[1].gepickt = z.Elemente[2].gepickt = true;
    Kopieren(z);
    while (z.Elemente.Frei() > 1)
        z.Elemente.NeuesElement();
    Protokoll r;
    EXPECT_FALSE(Einfuegen(z, r));
    EXPECT_EQ(r.Texte(),
              "Die 2 Elemente der Ablage passen nicht in die Zeichnung (noch 1 frei): es wird nichts "
              "eingefügt.\n");
    EXPECT_EQ(std::pair(z.Elemente.Anzahl(), z.Ablage.Anzahl()), std::pair(MaxElemente - 1, 2));
    z.Elemente[MaxElemente - 1].geloescht = true;
    z.Elemente.Aufraeumen();
    EXPECT_TRUE(Einfuegen(z, r));
    EXPECT_TRUE(z.Elemente.Voll() && z.Elemente[MaxElemente].x1 == 2);
}
