#include "files/LatexExport.h"
#include "Testhilfe.h"
#include "files/ExportGemeinsam.h"
#include "text/Texte.h"

#include <algorithm>
#include <sstream>

using namespace testhilfe;

static std::string Export(const Zeichnung& z) {
    std::ostringstream aus;
    Protokoll p;
    EXPECT_TRUE(LatexExportieren(z, aus, p));
    EXPECT_TRUE(p.liste.empty()) << p.Texte();
    return aus.str();
}

static std::string Bild(const Zeichnung& z) {
    const std::string s = Export(z);
    return s.substr(s.find("\\begin{picture}"));
}

TEST(LatexExport, BeispielzeichnungGleichtDerGoldenenDatei) {
    EXPECT_EQ(Export(Beispielzeichnung()), DateiInhalt(VEKTRA_TESTDATA "/beispiel.vkx"));
}

TEST(LatexExport, BildgroesseUndAusgelasseneElemente) {
    Zeichnung negativ; // never a negative size
    NeuerStrich(negativ, -10, -3, -1, -20);
    NeuerText(negativ, -5, -5, "x");
    EXPECT_TRUE(Bild(negativ).starts_with("\\begin{picture}( 0.00, 0.00)\r\n"));
    // A deleted element neither counts nor enlarges the picture.
    Zeichnung geloescht;
    NeuerStrich(geloescht, 0, 0, 1, 1);
    NeuerStrich(geloescht, 0, 0, 500, 500).geloescht = true;
    const std::string s = Bild(geloescht);
    EXPECT_TRUE(s.starts_with("\\begin{picture}( 1.00, 1.00)") && s.find("500") == std::string::npos);

    // Invisible circles are left out like invisible lines; so are classes no width belongs to.
    Zeichnung z;
    NeuerKreis(z, 5, 5, 2, false, -1);
    NeuerKreis(z, 5, 5, 2, true, 7);
    NeuerStrich(z, 0, 0, 3, 3, -5);
    NeuerStrich(z, 0, 0, 3, 3, 3, 0, Pfeilspitze);
    EXPECT_EQ(Bild(z), Zeilen({"\\begin{picture}( 7.00, 7.00)", "\\end{picture}"}));
}

TEST(LatexExport, FalscheUnitlengthOderFehlenderOrdnerLassenDieDatei) {
    Ordner o;
    const std::string ziel = o.Datei("bild.vkx");
    o.Ablegen("bild.vkx", "alt");
    Zeichnung z{.Dialog = {.Unitlength = "1,5"}};
    NeuerStrich(z, 0, 0, 1, 1);
    Protokoll p;
    EXPECT_FALSE(LatexExportDatei(z, ziel, p));
    EXPECT_EQ(p.Texte(), T("v.UnitlengthKeineZahl") + "1,5\n");
    EXPECT_EQ(DateiInhalt(ziel), "alt");

    z.Dialog.Unitlength = "1";
    const std::string fehlt = o.Datei("fehlt/bild.vkx");
    EXPECT_FALSE(LatexExportDatei(z, fehlt, p));
    EXPECT_TRUE(p.liste.back().text.starts_with(fehlt) && p.liste.back().art == Meldungsart::Fehler);

    EXPECT_TRUE(LatexExportDatei(z, ziel, p));
    EXPECT_EQ(DateiInhalt(ziel), Export(z));
}

TEST(LatexExport, ObersteEbenenInIhrerFolge) {
    // Classes 9 and 10 are written after the lower ones whatever the creation order; 11 is not.
    Zeichnung z;
    NeuerStrich(z, 10, 0, 10, 1).Ebene = 10;
    NeuerStrich(z, 11, 0, 11, 1).Ebene = 11;
    NeuerStrich(z, 9, 0, 9, 1).Ebene = 9;
    NeuerStrich(z, 3, 0, 3, 1);
    const std::string s = Bild(z);
    const auto stelle = [&](const char* x) { return s.find(std::string("\\emline{") + x + ".00}"); };
    EXPECT_LT(stelle(" 3"), stelle(" 9"));
    EXPECT_LT(stelle(" 9"), stelle("10"));
    EXPECT_NE(stelle("10"), std::string::npos);
    EXPECT_EQ(stelle("11"), std::string::npos);
}

TEST(LatexExport, GrosseZeichnungUndUeberlangeStuecke) {
    // Far more than one piece of the line buffer: every line arrives once, in the stream and in
    // the file alike.
    Zeichnung z;
    for (int i = 0; i < 6000; ++i)
        NeuerStrich(z, i * 0.37 - 500, i % 97, 0, 0);
    const std::string s = Export(z);
    const std::string vorletzte = "\\emline{1719.26}{81.00}{1}{ 0.00}{ 0.00}{2}\r\n";
    EXPECT_EQ(std::ranges::count(s, '\n'), 11 + 6000); // head and end, and a line each
    EXPECT_TRUE(
        s.ends_with(vorletzte + "\\emline{1719.63}{82.00}{1}{ 0.00}{ 0.00}{2}\r\n\\end{picture}\r\n"));
    Ordner o;
    Protokoll p;
    ASSERT_TRUE(LatexExportDatei(z, o.Datei("gross.vkx"), p));
    EXPECT_EQ(DateiInhalt(o.Datei("gross.vkx")), s);

    // Pieces larger than the buffer's room, numbers at its edge: all of it arrives in order.
    std::ostringstream aus;
    std::string erwartet;
    {
        Zeilenpuffer puffer(aus);
        for (std::size_t laenge : {10u, 70000u, 3u, 9000u, 65000u, 500u, 200000u}) {
            const std::string stueck(laenge, static_cast<char>('a' + laenge % 26));
            puffer << stueck << Zahl52{-1.005} << Zahl52{1e300} << Zeilenende{};
            erwartet += stueck + "-1.00" + Festkomma(1e300, 5, 2) + "\r\n";
        }
    }
    EXPECT_EQ(aus.str(), erwartet);
}
