#include "files/PsExport.h"
#include "Testhilfe.h"

#include <sstream>

using namespace testhilfe;

// The PostScript after the fixed head, which ends by choosing the normal width.
static std::string NachKopf(const Zeichnung& z) {
    std::ostringstream ps, treiber;
    Protokoll p;
    EXPECT_TRUE(PsExportieren(z, ps, treiber, "bild", p));
    const std::string s = ps.str();
    return s.substr(s.find("\r\nnormal\r\n") + 10);
}

TEST(PsExport, BeispielzeichnungGleichtDenGoldenenDateien) {
    std::ostringstream ps, treiber;
    Protokoll p;
    ASSERT_TRUE(PsExportieren(Beispielzeichnung(), ps, treiber, "beispiel", p));
    EXPECT_EQ(ps.str(), DateiInhalt(VEKTRA_TESTDATA "/beispiel.ps"));
    EXPECT_EQ(treiber.str(), DateiInhalt(VEKTRA_TESTDATA "/beispiel.vkp"));
}

TEST(PsExport, PunkteNachUnitlengthUndPfeilspitzenpaare) {
    // 2 mm per unit doubles every coordinate.
    Zeichnung z{.Dialog = {.Unitlength = "2"}};
    NeuerKreis(z, 5, 5, 10, false, 2);
    EXPECT_EQ(NachKopf(z), Zeilen({"dick", "28.35 28.35 28.35 0 360 arc", "stroke"}));

    // A lone stroke at the end of the store, or the heads of an invisible arrow, fill nothing.
    Zeichnung einzeln;
    NeuerStrich(einzeln, 10, 0, 9, 1, 0, 0, Pfeilspitze);
    EXPECT_EQ(NachKopf(einzeln), "");
    Zeichnung unsichtbar;
    NeuerStrich(unsichtbar, 10, 0, 9, 1, -1, 0, Pfeilspitze);
    NeuerStrich(unsichtbar, 9, -1, 10, 0, -1, 0, Pfeilspitze);
    EXPECT_EQ(NachKopf(unsichtbar), "");

    // The partner is the next element in the store, even when it is deleted.
    Zeichnung geloescht;
    NeuerStrich(geloescht, 10, 0, 9, 1, 0, 0, Pfeilspitze);
    NeuerStrich(geloescht, 9, -1, 10, 0, 0, 0, Pfeilspitze).geloescht = true;
    EXPECT_EQ(NachKopf(geloescht), Zeilen({"28.35  0.00 moveto", "25.51  2.83 lineto", "25.51 -2.83 lineto",
                                           "closepath", "fill"}));
}

TEST(PsExport, DateienNebeneinanderMitNamenOhneOrdner) {
    Ordner o;
    std::filesystem::create_directories(o.Datei("unter.ordner"));
    o.Ablegen("unter.ordner/mein.bild.ps", "alt");
    Zeichnung z;
    NeuerStrich(z, 0, 0, 3, 4);
    Protokoll p;
    ASSERT_TRUE(PsExportDatei(z, o.Datei("unter.ordner/mein.bild.vkp"), p));
    const std::string t = DateiInhalt(o.Datei("unter.ordner/mein.bild.vkp"));
    EXPECT_NE(t.find("\\put(0,0){\\includegraphics{mein.bild.pdf}}\r\n"), std::string::npos);
    EXPECT_NE(t.find("\\put(0,0){\\special{psfile=mein.bild.ps}}\r\n"), std::string::npos);
    EXPECT_TRUE(DateiInhalt(o.Datei("unter.ordner/mein.bild.ps")).starts_with("%!PS-Adobe-2.0"));
}
