#include "files/VektraLesen.h"
#include "ExportTestHilfe.h"
#include "files/LatexExport.h"

#include <gtest/gtest.h>

#include <sstream>

using namespace vektra;
using namespace exporttest;

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

void ErwarteLinie(const TElement& e, double x1, double y1, double x2, double y2, int breite) {
    EXPECT_EQ(e.Art, Linie);
    EXPECT_EQ(e.Ebene, EbeneLinie);
    EXPECT_DOUBLE_EQ(e.x1, x1);
    EXPECT_DOUBLE_EQ(e.y1, y1);
    EXPECT_DOUBLE_EQ(e.x2, x2);
    EXPECT_DOUBLE_EQ(e.y2, y2);
    EXPECT_EQ(e.Breite, breite);
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
    EXPECT_EQ(i.z.Dialog.Unitlength, "0.5");
    EXPECT_EQ(i.z.Dialog.TeXBreite[1], "0.2");
    EXPECT_EQ(i.z.Dialog.TeXBreite[2], "0.6");
    EXPECT_EQ(i.z.Dialog.TeXBreite[3], "1.2");

    // Export order: the Ebene-0 line, the lines, the arrow with its heads as plain lines, the
    // visible circles, the texts; colours are lost, invisible elements were never written.
    const Elementspeicher& s = i.z.Elemente;
    ASSERT_EQ(s.Anzahl(), 11);
    ErwarteLinie(s[1], 5, 35, 15, 35, 0);
    ErwarteLinie(s[2], 0, 0, 50, 0, 0);
    ErwarteLinie(s[3], 0, 0, 0, 40, 2);
    ErwarteLinie(s[4], 10, 10, 30, 30, 1);
    ErwarteLinie(s[5], 30, 30, 28.2, 29.3, 1);
    ErwarteLinie(s[6], 29.3, 28.2, 30, 30, 1);
    EXPECT_EQ(s[7].Art, Kreis);
    EXPECT_EQ(s[7].Ebene, EbeneKreis);
    EXPECT_FALSE(s[7].gefuellt);
    EXPECT_DOUBLE_EQ(s[7].Durchmesser, 10);
    EXPECT_EQ(s[7].Breite, 1);
    EXPECT_TRUE(s[8].gefuellt);
    EXPECT_EQ(s[8].Breite, 2);
    EXPECT_DOUBLE_EQ(s[8].x1, 40);
    EXPECT_EQ(s[9].Art, Text);
    EXPECT_EQ(s[9].Ebene, EbeneText);
    EXPECT_EQ(s[9].Text, "Hallo");
    EXPECT_EQ(s[9].Ausrichtung, "cc");
    EXPECT_DOUBLE_EQ(s[9].y1, 40);
    EXPECT_EQ(s[10].Text, "$x^2$");
    EXPECT_EQ(s[10].Ausrichtung, "tl");
    EXPECT_DOUBLE_EQ(s[10].x1, 45);
    EXPECT_EQ(s[11].Text, "Gr\xF6\xDF"
                          "e");
    EXPECT_EQ(s[11].Ausrichtung, "br");
    for (const TElement& e : s) {
        EXPECT_EQ(e.Farbe, 0);
        EXPECT_FALSE(e.gepickt || e.geloescht || e.Kandidat);
    }
    EXPECT_EQ(i.e.Fehler, 0);
}

TEST(VektraLesen, ZahlenbreitenUndBreitennamen) {
    Import i = Lesen("\\special{em:linewidth 0.3pt}\n\\emline{0}{0}{1}{1}{1}{2}\n"
                     "\\special{em:linewidth 0.31pt}\n\\emline{0}{0}{1}{1}{1}{2}\n"
                     "\\special{em:linewidth 0.7pt}\n\\put(1,1){\\circle{2}}\n"
                     "\\special{em:linewidth 0.71pt}\n\\emline{0}{0}{1}{1}{1}{2}\n"
                     "  \\special{em:linewidth \\duenn}\n\\emline{0}{0}{1}{1}{1}{2}\n"
                     "\\special{em:linewidth = 2}\n\\emline{0}{0}{1}{1}{1}{2}\n"
                     "\\special{em:linewidth x}\n\\emline{0}{0}{1}{1}{1}{2}\n");
    const Elementspeicher& s = i.z.Elemente;
    ASSERT_EQ(s.Anzahl(), 7);
    const std::vector<int> breiten{0, 1, 1, 2, 0, 2, 2};
    for (int k = 1; k <= 7; ++k)
        EXPECT_EQ(s[k].Breite, breiten[k - 1]) << k;
    // The width that is no number is reported and leaves the class as it was.
    EXPECT_EQ(i.p.Texte(), std::vector<std::string>{"Typumwandlungsfehler in Zeile 13"});
    EXPECT_EQ(i.p.liste[0].zeile, 13);
}

TEST(VektraLesen, UnitlengthInMillimeternUndAnderenEinheiten) {
    const auto einheit = [](const std::string& zeile) { return Lesen(zeile + "\n").z.Dialog.Unitlength; };
    EXPECT_EQ(einheit("\\unitlength 0.5mm"), "0.5");
    EXPECT_EQ(einheit("\\unitlength 1mm"), "1.0");
    EXPECT_EQ(einheit("\\unitlength=0.25mm"), "0.25");
    EXPECT_EQ(einheit("\\unitlength 2"), "2.0");
    EXPECT_EQ(einheit("\\unitlength 1cm"), "10.0");
    EXPECT_EQ(einheit("\\unitlength 2pt"), "0.7029");
    EXPECT_EQ(einheit("\\unitlength 1 in"), "25.4");
    EXPECT_EQ(einheit("    \\unitlength 3mm"), "3.0");
    Import falsch = Lesen("\\unitlength xmm\n");
    EXPECT_EQ(falsch.z.Dialog.Unitlength, "1");
    EXPECT_EQ(falsch.e.Fehler, 1);
}

TEST(VektraLesen, BoxenMitAusrichtungUndRahmen) {
    Import i = Lesen("\\put(10,20){\\framebox(30,10)[lt]{A}}\n"
                     "\\put(10,20){\\framebox(30,10)[tl]{B}}\n"
                     "\\put(10,20){\\framebox(30,10)[r]{C}}\n"
                     "\\put(10,20){\\framebox(30,10){D}}\n"
                     "\\put(0,0){\\dashbox{1}(4,2)[b]{E}}\n");
    const Elementspeicher& s = i.z.Elemente;
    ASSERT_EQ(s.Anzahl(), 25);
    EXPECT_EQ(s[1].Art, Text);
    EXPECT_EQ(s[1].Ebene, EbeneLinie);
    EXPECT_EQ(s[1].Text, "A");
    EXPECT_EQ(s[1].Ausrichtung, "lt");
    EXPECT_DOUBLE_EQ(s[1].x1, 10);
    EXPECT_DOUBLE_EQ(s[1].y1, 30);
    ErwarteLinie(s[2], 10, 20, 40, 20, 1);
    ErwarteLinie(s[3], 10, 30, 40, 30, 1);
    ErwarteLinie(s[4], 10, 20, 10, 30, 1);
    ErwarteLinie(s[5], 40, 20, 40, 30, 1);
    // The letters count in either order; a missing one centres.
    EXPECT_EQ(s[6].Ausrichtung, "tl");
    EXPECT_DOUBLE_EQ(s[6].x1, 10);
    EXPECT_DOUBLE_EQ(s[6].y1, 30);
    EXPECT_EQ(s[11].Ausrichtung, "r");
    EXPECT_DOUBLE_EQ(s[11].x1, 40);
    EXPECT_DOUBLE_EQ(s[11].y1, 25);
    EXPECT_EQ(s[16].Ausrichtung, "cc");
    EXPECT_EQ(s[16].Text, "D");
    EXPECT_DOUBLE_EQ(s[16].x1, 25);
    EXPECT_DOUBLE_EQ(s[16].y1, 25);
    // A dash box: dash length first, then the size.
    EXPECT_EQ(s[21].Text, "E");
    EXPECT_DOUBLE_EQ(s[21].x1, 2);
    EXPECT_DOUBLE_EQ(s[21].y1, 0);
    ErwarteLinie(s[25], 4, 0, 4, 2, 1);
    EXPECT_EQ(i.e.Fehler, 0);
}

TEST(VektraLesen, TexteOhneUndMitEinbuchstabigerAusrichtung) {
    Import i = Lesen("\\put(10,20){\\makebox(0,0){Hallo}}\r\n"
                     "\\put(10,20){\\makebox(0,0)[r]{Hallo}}\r\n"
                     "\\put(1,2){\\makebox(0,0)[bl]{\\textbf{x} {y}}}\r\n");
    const Elementspeicher& s = i.z.Elemente;
    ASSERT_EQ(s.Anzahl(), 3);
    EXPECT_EQ(s[1].Text, "Hallo");
    EXPECT_EQ(s[1].Ausrichtung, "cc");
    EXPECT_DOUBLE_EQ(s[1].x1, 10);
    EXPECT_DOUBLE_EQ(s[1].y1, 20);
    EXPECT_EQ(s[2].Ausrichtung, "r");
    EXPECT_EQ(s[2].Text, "Hallo");
    EXPECT_EQ(s[3].Text, "\\textbf{x} {y}");
    EXPECT_EQ(s[3].Ausrichtung, "bl");
}

TEST(VektraLesen, VorzeichenUndExponentenGebenFehlerMitZeile) {
    Import plus = Lesen("%\n\\emline{+1}{2}{1}{3}{4}{2}\n");
    ASSERT_EQ(plus.p.liste.size(), 2u);
    EXPECT_EQ(plus.p.liste[0].text, "ungültiger Format in Zeile 2");
    EXPECT_EQ(plus.p.liste[1].text, "Typumwandlungsfehler in Zeile 2");
    EXPECT_EQ(plus.p.liste[0].zeile, 2);
    ASSERT_EQ(plus.z.Elemente.Anzahl(), 1);
    // x1 fails (0), then the reading goes on at "1}": y1 = 1, 2 discarded, x2 = 1, y2 = 3.
    ErwarteLinie(plus.z.Elemente[1], 0, 1, 1, 3, 1);

    Import exponent = Lesen("\\put(1e1,2){\\circle{3}}\n");
    EXPECT_EQ(exponent.p.Texte(), std::vector<std::string>{"ungültiger Format in Zeile 1"});
    ASSERT_EQ(exponent.z.Elemente.Anzahl(), 0);

    Import kreis = Lesen("\\put(-1.5,2.){\\circle*{.5}}\n");
    ASSERT_EQ(kreis.z.Elemente.Anzahl(), 1);
    EXPECT_DOUBLE_EQ(kreis.z.Elemente[1].x1, -1.5);
    EXPECT_DOUBLE_EQ(kreis.z.Elemente[1].y1, 2);
    EXPECT_DOUBLE_EQ(kreis.z.Elemente[1].Durchmesser, 0.5);
    EXPECT_TRUE(kreis.z.Elemente[1].gefuellt);
}

TEST(VektraLesen, UnbekanntesUndKommentareWerdenUebergangen) {
    Import i = Lesen("\\documentclass{article}\n"
                     "\\begin{picture}(10,10)\n"
                     "\\put(1,2){\\line(1,0){5}}\n"
                     "\\color[rgb]{1,0,0}\n"
                     "%%Vektra32 V. 3.0\n"
                     "%%Vektra32 V. x\n"
                     "% \\emline{1}{2}{1}{3}{4}{2}\n"
                     "}\n"
                     "   x\n"
                     "\n"
                     "\\put (1,2){\\circle{3}}\n"
                     "\\def\\emline#1#2#3#4#5#6{%\n"
                     "\\emline{9}{9}{1}{9}{9}{2}\n"
                     "\\emline{9}{9}{1}{9}{9}{2}\n"
                     "\\def\\dick{2.5pt}\n"
                     "\\def\\duenn{fein}\n"
                     "\t\\emline{1}{2}{1}{3}{4}{2}\n"
                     "\\end{picture}\n");
    EXPECT_TRUE(i.p.liste.empty());
    ASSERT_EQ(i.z.Elemente.Anzahl(), 1);
    ErwarteLinie(i.z.Elemente[1], 1, 2, 3, 4, 1);
    EXPECT_EQ(i.z.Dialog.TeXBreite[3], "2.5");
    EXPECT_EQ(i.z.Dialog.TeXBreite[1], "");
}
