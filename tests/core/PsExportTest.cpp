#include "files/PsExport.h"
#include "ExportTestHilfe.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace vektra;
using namespace exporttest;

namespace {

struct PsAusgabe {
    std::string ps, treiber;
};

PsAusgabe Export(const Zeichnung& z, Protokoll& p, std::string_view name = "bild") {
    std::ostringstream ps, treiber;
    EXPECT_TRUE(PsExportieren(z, ps, treiber, name, p));
    return {ps.str(), treiber.str()};
}

std::string DateiInhalt(const std::filesystem::path& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), {}};
}

const std::vector<std::string> PsKopf{"%!PS-Adobe-2.0",
                                      "%%Creator: Vektra32 V.4.4.1.7",
                                      "/dick {1 setlinewidth} def",
                                      "/normal {0.4 setlinewidth} def",
                                      "/duenn {0.1 setlinewidth} def",
                                      "normal"};

std::string NachKopf(const std::string& ps) {
    return ps.substr(Zeilen(PsKopf).size());
}

} // namespace

TEST(PsExport, BeispielzeichnungGleichtDenGoldenenDateien) {
    Protokoll p;
    const PsAusgabe a = Export(Beispielzeichnung(), p, "beispiel");
    EXPECT_EQ(a.ps, DateiInhalt(VEKTRA_TESTDATA "/beispiel.ps"));
    EXPECT_EQ(a.treiber, DateiInhalt(VEKTRA_TESTDATA "/beispiel.vkp"));
}

TEST(PsExport, GefuellterKreisInPunkten) {
    Zeichnung z;
    NeuerKreis(z, 5, 5, 10, true, 2);
    Protokoll p;
    const PsAusgabe a = Export(z, p);
    EXPECT_EQ(a.ps.substr(0, Zeilen(PsKopf).size()), Zeilen(PsKopf));
    EXPECT_EQ(NachKopf(a.ps), Zeilen({"dick", "14.17 14.17 14.17 0 360 arc", "fill"}));

    // The scale follows the unit length: 2 mm per unit doubles every coordinate.
    z.Dialog.Unitlength = "2";
    z.Elemente[1].gefuellt = false;
    EXPECT_EQ(NachKopf(Export(z, p).ps), Zeilen({"dick", "28.35 28.35 28.35 0 360 arc", "stroke"}));
}

TEST(PsExport, PfeilGibtLinieUndGefuelltesDreieck) {
    Zeichnung z;
    NeuerStrich(z, 0, 0, 10, 0, 0);
    NeuerStrich(z, 10, 0, 9, 1, 0, 0, Pfeilspitze);
    NeuerStrich(z, 9, -1, 10, 0, 0, 0, Pfeilspitze);
    Protokoll p;
    EXPECT_EQ(NachKopf(Export(z, p).ps),
              Zeilen({"duenn", " 0.00  0.00 moveto", "28.35  0.00 lineto", "stroke", "28.35  0.00 moveto",
                      "25.51  2.83 lineto", "25.51 -2.83 lineto", "closepath", "fill"}));

    // A lone stroke at the end of the store, or the heads of an invisible arrow, fill nothing.
    Zeichnung einzeln;
    NeuerStrich(einzeln, 10, 0, 9, 1, 0, 0, Pfeilspitze);
    EXPECT_EQ(NachKopf(Export(einzeln, p).ps), "");
    Zeichnung unsichtbar;
    NeuerStrich(unsichtbar, 10, 0, 9, 1, -1, 0, Pfeilspitze);
    NeuerStrich(unsichtbar, 9, -1, 10, 0, -1, 0, Pfeilspitze);
    EXPECT_EQ(NachKopf(Export(unsichtbar, p).ps), "");

    // The partner is the next element in the store, even when it is deleted.
    Zeichnung geloescht;
    NeuerStrich(geloescht, 10, 0, 9, 1, 0, 0, Pfeilspitze);
    NeuerStrich(geloescht, 9, -1, 10, 0, 0, 0, Pfeilspitze).geloescht = true;
    EXPECT_NE(Export(geloescht, p).ps.find("25.51 -2.83 lineto"), std::string::npos);
}

TEST(PsExport, NurTexteGebenKopfFarbenUndTreibertexte) {
    Zeichnung z;
    NeuerText(z, 10, 20, "rot", "tl", 0x0000FF);
    NeuerText(z, 1.5, 2, "\\LaTeX{}", "cc");
    Protokoll p;
    const PsAusgabe a = Export(z, p, "nur");
    EXPECT_EQ(NachKopf(a.ps), Zeilen({"1.000 0.000 0.000 setrgbcolor", "0.000 0.000 0.000 setrgbcolor"}));
    EXPECT_EQ(a.treiber, Zeilen({"%%Vektra32 V. 4.4.1.7", "\\unitlength 1mm", "\\begin{picture}(10.00,20.00)",
                                 "\\ifpdf", "\\put(0,0){\\includegraphics{nur.pdf}}", "\\else",
                                 "\\put(0,0){\\special{psfile=nur.ps}}", "\\fi",
                                 "\\put(10.00,20.00){\\makebox(0,0)[tl]{rot}}",
                                 "\\put( 1.50, 2.00){\\makebox(0,0)[cc]{\\LaTeX{}}}", "\\end{picture}"}));
}

TEST(PsExport, DateienNebeneinanderMitNamenOhneOrdner) {
    namespace fs = std::filesystem;
    const fs::path ordner = fs::temp_directory_path() / "vektra_psexport_test" / "unter.ordner";
    fs::remove_all(ordner.parent_path());
    fs::create_directories(ordner);
    Zeichnung z;
    NeuerStrich(z, 0, 0, 3, 4);
    Protokoll p;
    const fs::path treiber = ordner / "mein.bild.vkp";
    std::ofstream(ordner / "mein.bild.ps") << "alt";
    ASSERT_TRUE(PsExportDatei(z, treiber.string(), p));
    const std::string t = DateiInhalt(treiber);
    EXPECT_NE(t.find("\\put(0,0){\\includegraphics{mein.bild.pdf}}\r\n"), std::string::npos);
    EXPECT_NE(t.find("\\put(0,0){\\special{psfile=mein.bild.ps}}\r\n"), std::string::npos);
    EXPECT_EQ(DateiInhalt(ordner / "mein.bild.ps").substr(0, 14), "%!PS-Adobe-2.0");

    Zeichnung leer;
    EXPECT_FALSE(PsExportDatei(leer, (ordner / "leer.vkp").string(), p));
    EXPECT_FALSE(fs::exists(ordner / "leer.vkp"));
    EXPECT_FALSE(fs::exists(ordner / "leer.ps"));
    EXPECT_EQ(p.Texte(), std::vector<std::string>{"Keine Zeichnung"});
    fs::remove_all(ordner.parent_path());
}
