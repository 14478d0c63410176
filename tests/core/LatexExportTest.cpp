#include "files/LatexExport.h"
#include "ExportTestHilfe.h"
#include "text/Texte.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace vektra;
using namespace exporttest;

namespace {

std::string Export(const Zeichnung& z, Protokoll& p) {
    std::ostringstream aus;
    EXPECT_TRUE(LatexExportieren(z, aus, p));
    return aus.str();
}

std::string DateiInhalt(const std::filesystem::path& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), {}};
}

const std::vector<std::string> Kopfzeilen(const std::string& groesse) {
    return {"%%Vektra32 V. 4.4.1.7",
            "\\def\\dick{1pt}",
            "\\def\\normal{0.4pt}",
            "\\def\\duenn{0.1pt}",
            "\\unitlength 1mm",
            "\\def\\emline#1#2#3#4#5#6{%",
            "\\put(#1,#2){\\special{em:moveto}}%",
            "\\put(#4,#5){\\special{em:lineto}}}",
            "\\begin{picture}(" + groesse + ")"};
}

} // namespace

TEST(LatexExport, EineDuenneLinieGibtKopfBreiteUndLinie) {
    Zeichnung z;
    NeuerStrich(z, 0, 0, 10, 5, 0);
    Protokoll p;
    auto erwartet = Kopfzeilen("10.00, 5.00");
    erwartet.insert(erwartet.end(), {"\\special{em:linewidth \\duenn}",
                                     "\\emline{ 0.00}{ 0.00}{1}{10.00}{ 5.00}{2}", "\\end{picture}"});
    EXPECT_EQ(Export(z, p), Zeilen(erwartet));
    EXPECT_TRUE(p.liste.empty());
}

TEST(LatexExport, BeispielzeichnungGleichtDerGoldenenDatei) {
    Protokoll p;
    EXPECT_EQ(Export(Beispielzeichnung(), p), DateiInhalt(VEKTRA_TESTDATA "/beispiel.vkx"));
}

TEST(LatexExport, BildgroesseAusDurchmesserUndNieNegativ) {
    Protokoll p;
    Zeichnung kreis;
    NeuerKreis(kreis, 10, 10, 4, false);
    EXPECT_NE(Export(kreis, p).find("\\begin{picture}(14.00,14.00)\r\n"), std::string::npos);

    Zeichnung negativ;
    NeuerStrich(negativ, -10, -3, -1, -20);
    NeuerText(negativ, -5, -5, "x");
    EXPECT_NE(Export(negativ, p).find("\\begin{picture}( 0.00, 0.00)\r\n"), std::string::npos);

    // A deleted element neither counts nor enlarges the picture.
    Zeichnung geloescht;
    NeuerStrich(geloescht, 0, 0, 1, 1);
    NeuerStrich(geloescht, 0, 0, 500, 500).geloescht = true;
    const std::string s = Export(geloescht, p);
    EXPECT_NE(s.find("( 1.00, 1.00)"), std::string::npos);
    EXPECT_EQ(s.find("500"), std::string::npos);
}

TEST(LatexExport, UnsichtbareUndUngueltigeBreitenBleibenAus) {
    // Invisible circles are left out like invisible lines; so are classes no width belongs to.
    Zeichnung z;
    NeuerKreis(z, 5, 5, 2, false, -1);
    NeuerKreis(z, 5, 5, 2, true, 7);
    NeuerStrich(z, 0, 0, 3, 3, -5);
    NeuerStrich(z, 0, 0, 3, 3, 3, 0, Pfeilspitze);
    Protokoll p;
    const std::string s = Export(z, p);
    EXPECT_EQ(s.substr(s.find("\\begin{picture}")),
              Zeilen({"\\begin{picture}( 7.00, 7.00)", "\\end{picture}"}));
}

TEST(LatexExport, OhneZeichnungOderMitFalscherUnitlengthKeineDatei) {
    namespace fs = std::filesystem;
    const fs::path ordner = fs::temp_directory_path() / "vektra_latexexport_test";
    fs::remove_all(ordner);
    fs::create_directories(ordner);
    const fs::path ziel = ordner / "bild.vkx";
    std::ofstream(ziel) << "alt";

    Zeichnung leer;
    NeuerStrich(leer, 0, 0, 1, 1).geloescht = true;
    Protokoll p;
    std::ostringstream aus;
    EXPECT_FALSE(LatexExportieren(leer, aus, p));
    EXPECT_TRUE(aus.str().empty());
    EXPECT_FALSE(LatexExportDatei(leer, ziel.string(), p));
    ASSERT_EQ(p.liste.size(), 2u);
    EXPECT_EQ(p.liste[0].text, "Keine Zeichnung");
    EXPECT_EQ(p.liste[0].art, Meldungsart::Information);

    Zeichnung komma;
    NeuerStrich(komma, 0, 0, 1, 1);
    komma.Dialog.Unitlength = "1,5";
    EXPECT_FALSE(LatexExportDatei(komma, ziel.string(), p));
    EXPECT_EQ(p.liste.back().text, T("v.UnitlengthKeineZahl") + "1,5");
    EXPECT_EQ(DateiInhalt(ziel), "alt");

    // A target in a folder that does not exist is reported, naming the file.
    const std::string fehlt = (ordner / "fehlt" / "bild.vkx").string();
    Zeichnung gut;
    NeuerStrich(gut, 0, 0, 1, 1);
    EXPECT_FALSE(LatexExportDatei(gut, fehlt, p));
    EXPECT_EQ(p.liste.back().text.rfind(fehlt, 0), 0u);
    EXPECT_EQ(p.liste.back().art, Meldungsart::Fehler);

    EXPECT_TRUE(LatexExportDatei(gut, ziel.string(), p));
    std::ostringstream direkt;
    LatexExportieren(gut, direkt, p);
    EXPECT_EQ(DateiInhalt(ziel), direkt.str());
    fs::remove_all(ordner);
}
