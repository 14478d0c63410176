#include "files/PsExport.h"
#include "Testhilfe.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace vektra;
using namespace testhilfe;

namespace {

struct PsAusgabe {
    std::string ps, treiber;
};

PsAusgabe Export(const Zeichnung& z, std::string_view name = "bild") {
    std::ostringstream ps, treiber;
    Protokoll p;
    EXPECT_TRUE(PsExportieren(z, ps, treiber, name, p));
    return {ps.str(), treiber.str()};
}

const std::string PsKopf =
    Zeilen({"%!PS-Adobe-2.0", "%%Creator: Vektra32 V.4.4.1.7", "/dick {1 setlinewidth} def",
            "/normal {0.4 setlinewidth} def", "/duenn {0.1 setlinewidth} def", "normal"});

// The PostScript after the fixed head, which must be there.
std::string NachKopf(const Zeichnung& z) {
    const std::string ps = Export(z).ps;
    EXPECT_TRUE(ps.starts_with(PsKopf));
    return ps.substr(PsKopf.size());
}

} // namespace

TEST(PsExport, BeispielzeichnungGleichtDenGoldenenDateien) {
    const PsAusgabe a = Export(Beispielzeichnung(), "beispiel");
    EXPECT_EQ(a.ps, DateiInhalt(VEKTRA_TESTDATA "/beispiel.ps"));
    EXPECT_EQ(a.treiber, DateiInhalt(VEKTRA_TESTDATA "/beispiel.vkp"));
}

TEST(PsExport, PunkteNachUnitlengthUndPfeilspitzenpaare) {
    // 2 mm per unit doubles every coordinate.
    Zeichnung z;
    NeuerKreis(z, 5, 5, 10, false, 2);
    z.Dialog.Unitlength = "2";
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
    const std::string ordner = o.Datei("unter.ordner");
    std::filesystem::create_directories(ordner);
    Zeichnung z;
    NeuerStrich(z, 0, 0, 3, 4);
    Protokoll p;
    std::ofstream(ordner + "/mein.bild.ps") << "alt";
    ASSERT_TRUE(PsExportDatei(z, ordner + "/mein.bild.vkp", p));
    const std::string t = DateiInhalt(ordner + "/mein.bild.vkp");
    EXPECT_NE(t.find("\\put(0,0){\\includegraphics{mein.bild.pdf}}\r\n"), std::string::npos);
    EXPECT_NE(t.find("\\put(0,0){\\special{psfile=mein.bild.ps}}\r\n"), std::string::npos);
    EXPECT_TRUE(DateiInhalt(ordner + "/mein.bild.ps").starts_with("%!PS-Adobe-2.0"));

    Zeichnung leer;
    EXPECT_FALSE(PsExportDatei(leer, ordner + "/leer.vkp", p));
    EXPECT_FALSE(std::filesystem::exists(ordner + "/leer.vkp"));
    EXPECT_FALSE(std::filesystem::exists(ordner + "/leer.ps"));
    EXPECT_EQ(p.Texte(), std::vector<std::string>{"Keine Zeichnung"});
}
