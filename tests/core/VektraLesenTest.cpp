#include "files/VektraLesen.h"
#include "Testhilfe.h"
#include "files/LatexExport.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace vektra;
using namespace testhilfe;

namespace {

struct Import {
    Zeichnung z;
    Protokoll p;
    Importergebnis e;
};

Import Lesen(const std::string& text) {
    Import i;
    std::istringstream ein(text);
    i.e = VektraLesen(ein, i.z, i.p);
    return i;
}

// Per element: kind, class, position, then second point and width, diameter and width, or
// alignment and text, the fields a picture carries.
std::vector<std::string> Kurz(const Elementspeicher& s) {
    std::vector<std::string> v;
    for (const TElement& e : s) {
        std::ostringstream o;
        o << int(e.Art) << " " << e.Ebene << " " << e.x1 << "," << e.y1 << " ";
        if (e.Art == Linie)
            o << e.x2 << "," << e.y2 << " " << e.Breite;
        else if (e.Art == Kreis)
            o << e.Durchmesser << (e.gefuellt ? "* " : " ") << e.Breite;
        else
            o << e.Ausrichtung << " " << e.Text;
        v.push_back(o.str());
    }
    return v;
}

} // namespace

TEST(VektraLesen, ExportierteZeichnungKommtZurueck) {
    Zeichnung original = Beispielzeichnung();
    original.Dialog.Unitlength = "0.5";
    original.Dialog.TeXBreite = {"0.0", "0.2", "0.6", "1.2"};
    std::ostringstream aus;
    Protokoll p;
    ASSERT_TRUE(LatexExportieren(original, aus, p));

    Import i = Lesen(aus.str());
    EXPECT_EQ(i.p.Texte(), std::vector<std::string>{"Vektra-Datei hat Version >3. Datenverlust möglich"});
    EXPECT_EQ(i.e.Fehler, 0);
    EXPECT_EQ(i.z.Dialog.Unitlength, "0.5");
    EXPECT_EQ(i.z.Dialog.TeXBreite, (std::array<std::string, 4>{"0.0", "0.2", "0.6", "1.2"}));
    // Export order: the Ebene-0 line, the lines, the arrow with its heads as plain lines, the
    // visible circles, the texts; colours are lost, invisible elements were never written.
    EXPECT_EQ(
        Kurz(i.z.Elemente),
        (std::vector<std::string>{"0 3 5,35 15,35 0", "0 3 0,0 50,0 0", "0 3 0,0 0,40 2", "0 3 10,10 30,30 1",
                                  "0 3 30,30 28.2,29.3 1", "0 3 29.3,28.2 30,30 1", "2 5 25,25 10 1",
                                  "2 5 40,10 4* 2", "1 8 10,40 cc Hallo", "1 8 45,5 tl $x^2$",
                                  "1 8 60,20 br Gr\xF6\xDF"
                                  "e"}));
    for (const TElement& e : i.z.Elemente)
        EXPECT_FALSE(e.Farbe || e.gepickt || e.geloescht || e.Kandidat);
}

TEST(VektraLesen, ZahlenbreitenUndBreitennamen) {
    Import i = Lesen("\\special{em:linewidth 0.3pt}\n\\emline{0}{0}{1}{1}{1}{2}\n"
                     "\\special{em:linewidth 0.31pt}\n\\emline{0}{0}{1}{1}{1}{2}\n"
                     "\\special{em:linewidth 0.7pt}\n\\put(1,1){\\circle{2}}\n"
                     "\\special{em:linewidth 0.71pt}\n\\emline{0}{0}{1}{1}{1}{2}\n"
                     "  \\special{em:linewidth \\duenn}\n\\emline{0}{0}{1}{1}{1}{2}\n"
                     "\\special{em:linewidth = 2}\n\\emline{0}{0}{1}{1}{1}{2}\n"
                     "\\special{em:linewidth x}\n\\emline{0}{0}{1}{1}{1}{2}\n");
    std::string breiten;
    for (const TElement& e : i.z.Elemente)
        breiten += std::to_string(e.Breite);
    EXPECT_EQ(breiten, "0112022");
    // The width that is no number is reported and leaves the class as it was.
    EXPECT_EQ(i.p.Texte(), std::vector<std::string>{"Typumwandlungsfehler in Zeile 13"});
    EXPECT_EQ(i.p.liste[0].zeile, 13);
}

TEST(VektraLesen, UnitlengthInMillimeternUndAnderenEinheiten) {
    const std::pair<const char*, const char*> faelle[] = {
        {" 0.5mm", "0.5"}, {" 1mm", "1.0"},    {"=0.25mm", "0.25"}, {" 2", "2.0"},
        {" 1cm", "10.0"},  {" 2pt", "0.7029"}, {" 1 in", "25.4"},   {" xmm", "1"}};
    for (const auto& [zeile, wert] : faelle) {
        Import i = Lesen("  \\unitlength" + std::string(zeile) + "\n");
        EXPECT_EQ(i.z.Dialog.Unitlength, wert) << zeile;
        EXPECT_EQ(i.e.Fehler, std::string(wert) == "1") << zeile;
    }
}

TEST(VektraLesen, BoxenUndTexteMitAusrichtung) {
    Import i = Lesen("\\put(10,20){\\framebox(30,10)[lt]{A}}\n"
                     "\\put(10,20){\\framebox(30,10)[r]{C}}\n"
                     "\\put(0,0){\\dashbox{1}(4,2)[b]{E}}\n"
                     "\\put(10,20){\\makebox(0,0){Hallo}}\r\n"
                     "\\put(1,2){\\makebox(0,0)[bl]{\\textbf{x} {y}}}\r\n");
    // A box is its text, in the line class, and its four sides; the letters count in either
    // order, a missing one centres. A dash box gives the dash length first, then the size.
    const std::vector<std::string> rahmen{"0 3 10,20 40,20 1", "0 3 10,30 40,30 1", "0 3 10,20 10,30 1",
                                          "0 3 40,20 40,30 1"};
    std::vector<std::string> erwartet{"1 3 10,30 lt A"};
    erwartet.insert(erwartet.end(), rahmen.begin(), rahmen.end());
    erwartet.push_back("1 3 40,25 r C");
    erwartet.insert(erwartet.end(), rahmen.begin(), rahmen.end());
    erwartet.insert(erwartet.end(), {"1 3 2,0 b E", "0 3 0,0 4,0 1", "0 3 0,2 4,2 1", "0 3 0,0 0,2 1",
                                     "0 3 4,0 4,2 1", "1 8 10,20 cc Hallo", "1 8 1,2 bl \\textbf{x} {y}"});
    EXPECT_EQ(Kurz(i.z.Elemente), erwartet);
    EXPECT_EQ(i.e.Fehler, 0);
}

TEST(VektraLesen, VorzeichenUndExponentenGebenFehlerMitZeile) {
    Import i =
        Lesen("%\n\\emline{+1}{2}{1}{3}{4}{2}\n\\put(1e1,2){\\circle{3}}\n\\put(-1.5,2.){\\circle*{.5}}\n");
    EXPECT_EQ(i.p.Texte(),
              (std::vector<std::string>{"ungültiger Format in Zeile 2", "Typumwandlungsfehler in Zeile 2",
                                        "ungültiger Format in Zeile 3"}));
    EXPECT_EQ(i.p.liste[0].zeile, 2);
    // x1 fails (0), then the reading goes on at "1}": y1 = 1, 2 discarded, x2 = 1, y2 = 3. The
    // exponent drops its circle.
    EXPECT_EQ(Kurz(i.z.Elemente), (std::vector<std::string>{"0 3 0,1 1,3 1", "2 5 -1.5,2 0.5* 1"}));
}

TEST(VektraLesen, UnbekanntesUndKommentareWerdenUebergangen) {
    Import i = Lesen("\\documentclass{article}\n"
                     "\\begin{picture}(10,10)\n"
                     "\\put(1,2){\\line(1,0){5}}\n"
                     "%%Vektra32 V. 3.0\n"
                     "%%Vektra32 V. x\n"
                     "% \\emline{1}{2}{1}{3}{4}{2}\n"
                     "   x\n"
                     "\\put (1,2){\\circle{3}}\n"
                     "\\def\\emline#1#2#3#4#5#6{%\n"
                     "\\emline{9}{9}{1}{9}{9}{2}\n"
                     "\\emline{9}{9}{1}{9}{9}{2}\n"
                     "\\def\\dick{2.5pt}\n"
                     "\\def\\duenn{fein}\n"
                     "\t\\emline{1}{2}{1}{3}{4}{2}\n"
                     "\\end{picture}\n");
    EXPECT_TRUE(i.p.liste.empty());
    EXPECT_EQ(Kurz(i.z.Elemente), std::vector<std::string>{"0 3 1,2 3,4 1"});
    EXPECT_EQ(i.z.Dialog.TeXBreite[3], "2.5");
    EXPECT_EQ(i.z.Dialog.TeXBreite[1], "");
}
