#include "Testhilfe.h"
#include "files/ExportGemeinsam.h"
#include "files/LatexExport.h"
#include "files/PsExport.h"

#include <algorithm>
#include <sstream>

using namespace testhilfe;

namespace {

std::string Export(const Zeichnung& z) {
    std::ostringstream aus;
    Protokoll p;
    EXPECT_TRUE(LatexExportieren(z, aus, p));
    EXPECT_TRUE(p.liste.empty()) << p.Texte();
    return aus.str();
}

// The picture environment of the export, each line ended by "|".
std::string Bild(const Zeichnung& z) {
    std::string s = Export(z);
    s = s.substr(s.find("\\begin{picture}"));
    std::ranges::replace(s, '\r', '|');
    std::erase(s, '\n');
    return s;
}

// The PostScript after the fixed head, which ends by choosing the normal width.
std::string NachKopf(const Zeichnung& z) {
    std::ostringstream ps, treiber;
    Protokoll p;
    EXPECT_TRUE(PsExportieren(z, ps, treiber, "bild", p));
    std::string s = ps.str().substr(ps.str().find("\r\nnormal\r\n") + 10);
    std::ranges::replace(s, '\r', '|');
    std::erase(s, '\n');
    return s;
}

} // namespace

TEST(Export, BeispielzeichnungGleichtDenGoldenenDateien) {
    EXPECT_EQ(Export(Beispielzeichnung()), DateiInhalt(VEKTRA_TESTDATA "/beispiel.vkx"));
    std::ostringstream ps, treiber;
    Protokoll p;
    ASSERT_TRUE(PsExportieren(Beispielzeichnung(), ps, treiber, "beispiel", p));
    EXPECT_EQ(ps.str(), DateiInhalt(VEKTRA_TESTDATA "/beispiel.ps"));
    EXPECT_EQ(treiber.str(), DateiInhalt(VEKTRA_TESTDATA "/beispiel.vkp"));
}

TEST(Export, BildgroesseFolgeUndAusgelasseneElemente) {
    // Never a negative size; a deleted element neither counts nor enlarges the picture.
    Zeichnung z;
    NeuerStrich(z, -10, -3, -1, -20);
    NeuerText(z, -5, -5, "x");
    NeuerStrich(z, 0, 0, 500, 500).geloescht = true;
    EXPECT_EQ(Bild(z),
              "\\begin{picture}( 0.00, 0.00)|\\special{em:linewidth \\normal}|"
              "\\emline{-10.00}{-3.00}{1}{-1.00}{-20.00}{2}|\\put(-5.00,-5.00){\\makebox(0,0)[cc]{x}}|"
              "\\end{picture}|");
    // Invisible circles are left out like invisible lines; so are classes no width belongs to.
    // Classes 9 and 10 come after the lower ones whatever the creation order; 11 is not written.
    Zeichnung w;
    NeuerKreis(w, 5, 5, 2, false, -1);
    NeuerKreis(w, 5, 5, 2, true, 7);
    NeuerStrich(w, 0, 0, 3, 3, -5);
    NeuerStrich(w, 0, 0, 3, 3, 3, 0, Pfeilspitze);
    NeuerStrich(w, 10, 0, 10, 1).Ebene = 10;
    NeuerStrich(w, 11, 0, 11, 1).Ebene = 11;
    NeuerStrich(w, 9, 0, 9, 1).Ebene = 9;
    NeuerStrich(w, 3, 0, 3, 1);
    EXPECT_EQ(Bild(w),
              "\\begin{picture}(11.00, 7.00)|\\special{em:linewidth \\normal}|"
              "\\emline{ 3.00}{ 0.00}{1}{ 3.00}{ 1.00}{2}|\\emline{ 9.00}{ 0.00}{1}{ 9.00}{ 1.00}{2}|"
              "\\emline{10.00}{ 0.00}{1}{10.00}{ 1.00}{2}|\\end{picture}|");
}

TEST(Export, GrosseZeichnungUndUeberlangeStuecke) {
    // Far more than one piece of the line buffer: every line arrives once, in the stream and in
    // the file alike.
    Zeichnung z;
    for (int i = 0; i < 6000; ++i)
        NeuerStrich(z, i * 0.37 - 500, i % 97, 0, 0);
    const std::string s = Export(z);
    EXPECT_EQ(std::ranges::count(s, '\n'), 11 + 6000); // head and end, and a line each
    EXPECT_TRUE(s.ends_with("\\emline{1719.26}{81.00}{1}{ 0.00}{ 0.00}{2}\r\n"
                            "\\emline{1719.63}{82.00}{1}{ 0.00}{ 0.00}{2}\r\n\\end{picture}\r\n"));
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
            puffer << stueck << Zahl52{-1.005} << Zahl52{1e20} << Zeilenende{};
            erwartet += stueck + "-1.00" + "1" + std::string(20, '0') + ".00\r\n";
        }
    }
    EXPECT_EQ(aus.str(), erwartet);
}

TEST(PsExport, PunkteNachUnitlengthUndPfeilspitzenpaare) {
    // 2 mm per unit doubles every coordinate.
    Zeichnung z{.Dialog = {.Unitlength = "2"}};
    NeuerKreis(z, 5, 5, 10, false, 2);
    EXPECT_EQ(NachKopf(z), "dick|28.35 28.35 28.35 0 360 arc|stroke|");
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
    EXPECT_EQ(NachKopf(geloescht),
              "28.35  0.00 moveto|25.51  2.83 lineto|25.51 -2.83 lineto|closepath|fill|");
}

TEST(PsExport, DateienNebeneinanderMitNamenOhneOrdner) {
    Ordner o;
    std::filesystem::create_directories(o.Datei("unter.ordner"));
    Zeichnung z;
    NeuerStrich(z, 0, 0, 3, 4);
    Protokoll p;
    ASSERT_TRUE(PsExportDatei(z, o.Datei("unter.ordner/mein.bild.vkp"), p));
    const std::string t = DateiInhalt(o.Datei("unter.ordner/mein.bild.vkp"));
    EXPECT_NE(t.find("\\put(0,0){\\includegraphics{mein.bild.pdf}}\r\n"), std::string::npos);
    EXPECT_NE(t.find("\\put(0,0){\\special{psfile=mein.bild.ps}}\r\n"), std::string::npos);
    EXPECT_TRUE(DateiInhalt(o.Datei("unter.ordner/mein.bild.ps")).starts_with("%!PS-Adobe-2.0"));
}
