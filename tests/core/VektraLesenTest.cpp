#include "files/VektraLesen.h"
#include "Testhilfe.h"
#include "files/LatexExport.h"
#include "text/Format.h"
#include "text/Texte.h"

#include <algorithm>
#include <cmath>
#include <sstream>

using namespace testhilfe;
using namespace std::string_literals;

namespace {

struct Import {
    Zeichnung z;
    Protokoll p;
    Importergebnis e;
};

Import Lesen(const std::string& text, Zeichnung z = {}) {
    Import i{std::move(z)};
    std::istringstream ein(text);
    i.e = VektraLesen(ein, i.z, i.p);
    return i;
}

// Per element, each ended by "|": kind, class, position, then second point and width, diameter
// and width, or alignment and text, the fields a picture carries.
std::string Kurz(const Elementspeicher& s) {
    std::ostringstream o;
    for (const TElement& e : s) {
        o << int(e.Art) << " " << e.Ebene << " " << e.x1 << "," << e.y1 << " ";
        if (e.istStrich())
            o << e.x2 << "," << e.y2 << " " << e.Breite << "|";
        else if (e.Art == Kreis)
            o << e.Durchmesser << (e.gefuellt ? "* " : " ") << e.Breite << "|";
        else
            o << e.Ausrichtung << " " << e.Text << "|";
    }
    return o.str();
}

// The colour of each element, "-" for black.
std::string Farben(const Elementspeicher& s) {
    return Je(s, [](const TElement& e) {
        return e.Farbe == 0 ? "-"s : (std::ostringstream() << std::hex << e.Farbe).str();
    });
}

// Texts with the elements and messages they must give.
using Faelle = std::vector<std::tuple<std::string, std::string, std::string>>;

void Pruefen(const Faelle& faelle) {
    for (const auto& [text, elemente, meldungen] : faelle) {
        const Import i = Lesen(text);
        EXPECT_EQ(Kurz(i.z.Elemente), elemente) << text;
        EXPECT_EQ(i.p.Texte(), meldungen) << text;
    }
}

// Reads `text` into the emptied drawing. Whatever the input, the store then holds only
// well-formed elements and every message names a line of the input.
Protokoll HeilGelesen(const std::string& text, Zeichnung& z) {
    z.Elemente.AllesLoeschen();
    Protokoll p;
    std::istringstream ein(text);
    const Importergebnis e = VektraLesen(ein, z, p);
    EXPECT_TRUE(e.neueElemente == z.Elemente.Anzahl() && e.neueElemente <= MaxElemente);
    for (const TElement& el : z.Elemente)
        EXPECT_TRUE(el.Art <= Pfeilspitze &&
                    (el.Ebene == EbeneLinie || el.Ebene == EbeneKreis || el.Ebene == EbeneText) &&
                    el.Text.size() <= MaxTextLaenge && el.Ausrichtung.size() <= 2 && el.Breite >= 0 &&
                    el.Breite <= 2);
    const int zeilen = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
    int fehler = 0;
    for (const Meldung& m : p.liste) {
        EXPECT_TRUE(m.zeile >= 0 && m.zeile <= zeilen) << m.zeile;
        fehler += m.text.starts_with(T("s51")) || m.text.starts_with(T("s52"));
    }
    EXPECT_EQ(fehler, e.Fehler);
    return p;
}

} // namespace

TEST(VektraLesen, ExportierteZeichnungKommtZurueck) {
    Zeichnung original = Beispielzeichnung();
    original.Dialog.Unitlength = "0.5";
    original.Dialog.TeXBreite = {"0.0", "0.2", "0.6", "1.2"};
    std::ostringstream aus;
    Protokoll p;
    ASSERT_TRUE(LatexExportieren(original, aus, p));
    const Import i = Lesen(aus.str());
    EXPECT_EQ(i.p.Texte(), "Vektra-Datei hat Version >3. Datenverlust möglich\n");
    EXPECT_TRUE(i.e.Fehler == 0 && i.z.Dialog.Unitlength == "0.5" &&
                i.z.Dialog.TeXBreite == original.Dialog.TeXBreite);
    // Export order: the Ebene-0 line, the lines, the arrow with its heads as plain lines, the
    // visible circles, the texts; colours are lost, invisible elements were never written.
    EXPECT_EQ(Kurz(i.z.Elemente), "0 3 5,35 15,35 0|0 3 0,0 50,0 0|0 3 0,0 0,40 2|0 3 10,10 30,30 1|"
                                  "0 3 30,30 28.2,29.3 1|0 3 29.3,28.2 30,30 1|2 5 25,25 10 1|2 5 40,10 4* 2|"
                                  "1 8 10,40 cc Hallo|1 8 45,5 tl $x^2$|1 8 60,20 br Gr\366\337e|");
    for (const TElement& e : i.z.Elemente)
        EXPECT_FALSE(e.Farbe || e.gepickt || e.geloescht || e.Kandidat);
}

TEST(VektraLesen, LinienbreitenUndUnitlength) {
    Import i = Lesen("\\special{em:linewidth 0.3pt}\n\\emline{0}{0}{1}{1}{1}{2}\n"
                     "\\special{em:linewidth 0.31pt}\n\\emline{0}{0}{1}{1}{1}{2}\n"
                     "\\special{em:linewidth 0.7pt}\n\\put(1,1){\\circle{2}}\n"
                     "\\special{em:linewidth 0.71pt}\n\\emline{0}{0}{1}{1}{1}{2}\n"
                     "  \\special{em:linewidth \\duenn}\n\\emline{0}{0}{1}{1}{1}{2}\n"
                     "\\special{em:linewidth = 2}\n\\emline{0}{0}{1}{1}{1}{2}\n"
                     "\\special{em:linewidth x}\n\\emline{0}{0}{1}{1}{1}{2}\n");
    // The width that is no number is reported and leaves the class as it was.
    EXPECT_EQ(Breiten(i.z.Elemente), "0 1 1 2 0 2 2 ");
    EXPECT_EQ(std::pair(i.p.Texte(), i.p.liste[0].zeile),
              std::pair("Typumwandlungsfehler in Zeile 13\n"s, 13));

    // The unit length in millimetres, of the program's own line or of \setlength; one that is
    // no number or has no known unit stays as it was and, in the own line, is reported.
    // clang-format off
    const std::pair<const char*, const char*> faelle[] = {
        {"  \\unitlength 0.5mm", "0.5"}, {"\\unitlength=0.25mm", "0.25"}, {"\\unitlength 2", "2.0"},
        {"\\unitlength 1cm", "10.0"}, {"\\unitlength 2pt", "0.7029"}, {"\\unitlength 1 in", "25.4"},
        {"\\unitlength xmm", "1"}, {"\\setlength\\unitlength{4144sp}", "0.0222"},
        {"\\put(0,0){\\circle{1}}\\unitlength=1.5mm", "1.5"}, {"\\setlength{\\unitlength}{1em}", "1"}};
    // clang-format on
    for (const auto& [zeile, wert] : faelle) {
        i = Lesen(zeile + "\n"s);
        EXPECT_EQ(i.z.Dialog.Unitlength, wert) << zeile;
        EXPECT_EQ(i.e.Fehler, zeile == "\\unitlength xmm"s) << zeile;
    }
}

TEST(VektraLesen, EigeneBoxenUndKlammergruppen) {
    // Seven and eight lines of circles, whose braces leave a group open.
    std::string sieben, acht = "\\put(1,1){\\circle{2}}\n", kreise;
    for (int i = 0; i < 7; ++i)
        sieben += acht, kreise += "2 5 1,1 2 1|";
    acht += sieben;
    std::string lang = sieben;
    std::replace(lang.begin(), lang.end(), '\n', ' ');
    const std::string falsch = "\\special{em:linewidth x}\n", mb = "\\put(5,5){\\makebox";
    const std::string rahmen = "0 3 10,20 40,20 1|0 3 10,30 40,30 1|0 3 10,20 10,30 1|0 3 40,20 40,30 1|";
    // clang-format off
    Pruefen({
        // A framed box is its text, in the line class, and its four sides; the letters count in
        // either order, a missing one centres. A dash box gives the dash length first. A box with
        // a size places its text like a framed one, without the frame.
        {"\\put(10,20){\\framebox(30,10)[lt]{A}}\n\\put(0,0){\\dashbox{1}(4,2)[b]{E}}\r\n"
         "\\put(10,20){\\makebox(30,10){B}}\n\\put(10,20){\\makebox(30,10)[r]{C}}\n\\put(-0,20){\\makebox(0,0)[rt]{D}}\n",
         "1 3 10,30 lt A|" + rahmen + "1 3 2,0 b E|0 3 0,0 4,0 1|0 3 0,2 4,2 1|0 3 0,0 0,2 1|0 3 4,0 4,2 1|"
         "1 8 25,25 cc B|1 8 40,25 r C|1 8 -0,20 rt D|", ""},
        // A comment after the box; braces and escapes inside the text.
        {mb + "(0,0)[lb]{Hallo}} % {x}\n", "1 8 5,5 lb Hallo|", ""},
        {mb + "(0,0)[t] {\\}$x^{2}$ \\{a\\\\}}\n", "1 8 5,5 t \\}$x^{2}$ \\{a\\\\|", ""},
        {mb + "(0,0)}\n", "1 8 5,5 cc |", "ungültiger Format in Zeile 1\n"},
        // Over several lines as LaTeX reads them; the lines count for later messages.
        {mb + "(0,0){Hallo  \n   sch\\\"on %{ x\n  Welt} }\n" + falsch, "1 8 5,5 cc Hallo sch\\\"on Welt|",
         "Typumwandlungsfehler in Zeile 4\n"},
        {mb + "(0,0){a\n" + sieben + "}}\n" + falsch, "1 8 5,5 cc a " + lang + "|",
         "Typumwandlungsfehler in Zeile 10\n"},
        // Still open after eight more lines or at the end: its lines are read on their own.
        {mb + "(0,0){a\n" + acht + "}}\n" + falsch, "1 8 5,5 cc a|2 5 1,1 2 1|" + kreise,
         "ungültiger Format in Zeile 1\nTypumwandlungsfehler in Zeile 11\n"},
        {mb + "(0,0)[l]{Hallo {Welt}\n", "1 8 5,5 l Hallo {Welt}|", "ungültiger Format in Zeile 1\n"},
        // The \emline definition on one line, over lines with braces in comments, never closed.
        {"\\def\\emline#1#2#3#4#5#6{\\put(#1,#2){\\special{em:moveto}}\\put(#4,#5){\\special{em:lineto}}}\n"
         "\\emline{1}{2}{1}{3}{4}{2}\n\\put(1,1){\\circle{2}}\n", "0 3 1,2 3,4 1|2 5 1,1 2 1|", ""},
        {"\\def\\emline#1#2#3#4#5#6%{\n{\\put(#1,#2){\\special{em:moveto}}%{\n\\put(#4,#5){\\special{em:lineto}}}\n"
         "\\emline{1}{2}{1}{3}{4}{2}\n", "0 3 1,2 3,4 1|", ""},
        {"\\def\\emline#1#2#3#4#5#6{%\n\\emline{1}{2}{1}{3}{4}{2}\n", "0 3 1,2 3,4 1|",
         "ungültiger Format in Zeile 1\n"},
        // A sign or an exponent is no number of the own layout: x1 fails (0), then the reading
        // goes on at "1}"; the exponent drops its circle.
        {"%\n\\emline{+1}{2}{1}{3}{4}{2}\n\\put(1e1,2){\\circle{3}}\n\\put(-1.5,2.){\\circle*{.5}}\n",
         "0 3 0,1 1,3 1|2 5 -1.5,2 0.5* 1|",
         "ungültiger Format in Zeile 2\nTypumwandlungsfehler in Zeile 2\nungültiger Format in Zeile 3\n"},
        // Version lines and comments pass; what is not read is named with its lines at the end.
        {"\\documentclass{article}\n\\begin{picture}(10,10)\n\\put(1,2){\\line(1,0){5}}\n%%Vektra32 V. 3.0\n"
         "%%Vektra32 V. x\n% \\emline{1}{2}{1}{3}{4}{2}\n   x\n\\put (1,2){\\circle{3}}\n\t\\emline{1}{2}{1}{3}{4}{2}\n\\end{picture}\n",
         "0 3 1,2 6,2 1|2 5 1,2 3 1|0 3 1,2 3,4 1|", "Nicht gelesene Befehle übersprungen, Zeilen: 1, 7\n"},
    });
    // clang-format on
    // The width definitions take the number before "pt"; the skipped lines are counted.
    const Import i = Lesen("\\def\\dick{2.5pt}\n\\def\\duenn{fein}\nx\n\\documentclass{article}\n");
    EXPECT_TRUE(i.z.Dialog.TeXBreite[3] == "2.5" && i.z.Dialog.TeXBreite[1].empty() &&
                i.e.uebergangeneZeilen == 2);
}

TEST(VektraLesen, BildbefehleWoImmerSieStehen) {
    const std::string ignorieren = "\\begingroup\\makeatletter\\ifx\\SetFigFont\\undefined%\n"
                                   "\\gdef\\SetFigFont#1#2{%\n  \\reset@font\\fontsize{#1}{#2pt}%\n"
                                   "  \\selectfont}%\n\\fi\\endgroup%\n";
    // clang-format off
    Pruefen({
        // Slopes: the length is the horizontal extent, or the vertical one of an upright line.
        {"\\put(1,2){\\line(1,0){5}}\\put(0,0){\\line(-2,1){4}}\\put(0,0){\\line(0,-1){3}}\\line(1,3){2}",
         "0 3 1,2 6,2 1|0 3 0,0 -4,2 1|0 3 0,0 0,-3 1|0 3 0,0 2,6 1|", ""},
        // Blanks around the star and the arguments; several commands on a line; no star.
        {"\\put(1,2){\\circle* {3}} \\put( 1 , 2 ){ \\circle {3}}\n\\put(1,2){\\circle *{3}}",
         "2 5 1,2 3* 1|2 5 1,2 3 1|2 5 1,2 3* 1|", ""},
        // \put inside \put; \multiput reads its object once and copies it; none for n < 1.
        {"\\put(10,10){\\put(1,1){\\circle{2}}}\\multiput(0,0)(2,1){3}{\\circle{1}}\\multiput(0,0)(1,1){0}{\\circle{1}}",
         "2 5 11,11 2 1|2 5 0,0 1 1|2 5 2,1 1 1|2 5 4,2 1 1|", ""},
        // Texts: a bare one sits on its baseline's left end; boxes as the export's own.
        {"\\put(1,2){Hallo {Welt}} \\put(3,4){\\small A}\\put(0,0){\\makebox{B}}\n"
         "\\put(0,0){\\color{red}\\framebox(4,2)[t]{C}}",
         "1 8 1,2 bl Hallo {Welt}|1 8 3,4 bl \\small A|1 8 0,0 bl \\makebox{B}|1 3 2,2 t C|0 3 0,0 4,0 1|"
         "0 3 0,2 4,2 1|0 3 0,0 0,2 1|0 3 4,0 4,2 1|", ""},
        // Arguments over several lines, as LaTeX reads them.
        {"\\put(1,2){%\n  \\circle{3}}\\put(5,5){\n\\line(1,0)\n{2}}\n\\put(0,0){\\makebox(0,0)[l]{Gro%\n  \xDF e}}",
         "2 5 1,2 3 1|0 3 5,5 7,5 1|1 8 0,0 l Gro\xDF e|", ""},
        // The picture's offset makes its lower left corner (0,0), for its own layout too.
        {"\\begin{picture}(10,10)(5,-5)\\put(5,5){\\circle{1}}\n\\emline{5}{0}{1}{6}{0}{2}\n\\end{picture}"
         "\\put(5,5){\\circle{1}}", "2 5 0,10 1 1|0 3 0,5 1,5 1|2 5 5,5 1 1|", ""},
        // Definitions and groups draw nothing and pass silently.
        {ignorieren + "\\def\\x{\\circle{1}}\\relax\n\\put(0,0){\\circle{1}}", "2 5 0,0 1 1|", ""},
        // What is not read is named once, its lines joined where they follow each other.
        {"\\documentclass{article}\n\\usepackage{color}\n\\begin{document}\n\\put(0,0){\\circle{1}}\n"
         "\\color{mauve}\\line(0,0){1}\\put(0,0){\\line(1,0)}\n\\special{ps: 0 0 moveto}\n\\end{document}",
         "2 5 0,0 1 1|", "Nicht gelesene Befehle übersprungen, Zeilen: 1–3, 5–7\n"},
        // A group that never closes is a format fault; the lines after it are read on their own.
        {"\\put(0,0){\\line(1,0){1}\n" + std::string(8, '\n') + "\\put(0,0){\\circle{1}}",
         "0 3 0,0 1,0 1|2 5 0,0 1 1|", "ungültiger Format in Zeile 1\n"},
    });
    // clang-format on
}

TEST(VektraLesen, BreitenUndFarbenDerBildbefehle) {
    Import i =
        Lesen("\\setlength{\\unitlength}{2cm}\\thicklines\\line(1,0){1}\\linethickness{0.1pt}\\line(1,0){1}"
              "{\\linethickness{ 1 mm }\\line(1,0){1}}\\line(1,0){1}\\thinlines\\line(1,0){1}\n"
              "\\color{red}\\circle{1}{\\color[rgb]{0,0.5,1}\\circle{1}\\color[gray]{0.5}\\circle{1}"
              "\\color[RGB]{255,128,0}\\circle{1}}\\circle{1}\n");
    // 0.8 pt is nearest the thick class's 1 pt, 0.1 pt the thin one, 2.8 pt thick again; the
    // group keeps its width and colour to itself.
    EXPECT_EQ(Breiten(i.z.Elemente), "2 0 2 0 1 1 1 1 1 1 ");
    EXPECT_EQ(Farben(i.z.Elemente), "- - - - - ff ff8000 808080 80ff ff ");
    EXPECT_TRUE(i.z.Dialog.Unitlength == "20.0" && i.p.liste.empty());
    // The nearest class among changed widths, one of them no number.
    Zeichnung breit;
    breit.Dialog.TeXBreite = {"0", "0.5", "x", "0.7"};
    EXPECT_EQ(Lesen("\\thinlines\\line(1,0){1}", std::move(breit)).z.Elemente[1].Breite, 0);
}

TEST(VektraLesen, PfeileOvaleUndKurven) {
    Import i = Lesen("\\unitlength 0.5mm\n\\put(1,1){\\vector(1,0){10}}\\put(0,0){\\vector(0,-1){0}}\n");
    ASSERT_EQ(i.z.Elemente.Anzahl(), 6);
    // Shaft, then the two head strokes of the tool's shape, 2 mm long whatever the unit.
    const Elementspeicher& s = i.z.Elemente;
    EXPECT_EQ((std::array{int(s[1].Art), int(s[2].Art), int(s[3].Art)}), (std::array{0, 3, 3}));
    EXPECT_TRUE(s[2].x1 == 11 && s[2].y1 == 1 && s[3].x2 == 11 && s[3].y2 == 1);
    EXPECT_NEAR(std::hypot(s[2].x2 - 11, s[2].y2 - 1), 4, 1e-9);
    EXPECT_NEAR(std::atan2(1 - s[2].y2, 11 - s[2].x2), i.z.Kopf.Pfeilwinkel, 1e-9);
    // A vector of length 0 still shows its head, pointing its way.
    EXPECT_NEAR(s[5].y2 - s[5].y1, 4 * std::cos(i.z.Kopf.Pfeilwinkel), 1e-9);

    // An oval and a Bézier curve become chains of lines, the oval's corners at most 20 pt round.
    i = Lesen("\\put(10,10){\\oval(40,20)[t]}\n\\qbezier(0,0)(5,10)(10,0)\n");
    double eckeX = 0;
    int kurve = 0;
    for (const TElement& e : i.z.Elemente) {
        EXPECT_TRUE(e.Art == Linie && e.y2 <= 20);
        if (e.y1 == 20 && e.y2 == 20) eckeX = std::max(e.x1, e.x2);
        kurve += e.y1 < 10 || e.y2 < 10;
    }
    EXPECT_NEAR(eckeX, 30 - 20 * 25.4 / 72.27, 1e-9);
    EXPECT_TRUE(kurve >= 10 && i.p.liste.empty());
}

TEST(VektraLesen, Utf8EigeneDateienUndSchriftmakros) {
    const std::string text = "\\put(0,0){\\makebox(0,0){%s}}\n";
    const std::tuple<std::string, std::string, std::string> faelle[] = {
        {"Gr\303\266\303\237e \xE2\x82\xAC", "Gr\366\337e \x80", ""},
        {"a \xE2\x86\x92 \xCE\xB1\xE2\x86\x92", "a ? ??",
         "Zeichen ohne Platz in der Zeichnung als \"?\" gelesen: →α (Zeilen: 1–2)\n"},
        // Not UTF-8 as a whole: cp1252 as it stands.
        {"\xC3\xB6 \xF6", "\xC3\xB6 \xF6", ""},
        // fig2dev's font macro becomes the commands it stands for.
        {"\\SetFigFont{12}{14.4}{\\rmdefault}{\\mddefault}{\\updefault}A\\SetFigFonts",
         "\\fontsize{12}{14.4pt}\\fontfamily{\\rmdefault}\\fontseries{\\mddefault}\\fontshape{\\updefault}"
         "\\selectfont A\\SetFigFonts",
         ""},
    };
    for (const auto& [ein, aus, meldung] : faelle) {
        const Import i = Lesen(Formatieren(text, {ein}) + Formatieren("\\put(1,1){%s}", {ein}));
        ASSERT_EQ(i.z.Elemente.Anzahl(), 2) << ein;
        EXPECT_EQ(i.z.Elemente[1].Text, aus) << ein;
        EXPECT_EQ(i.z.Elemente[2].Text, aus) << ein;
        EXPECT_EQ(i.p.Texte(), meldung) << ein;
    }
    // A byte order mark goes.
    EXPECT_EQ(Lesen("\xEF\xBB\xBF\\put(0,0){\xC3\xA4}").z.Elemente[1].Text, "\xE4");
    // The program's own file keeps colours black, texts as written and is read as before; the
    // colours of other files count.
    const Import eigen =
        Lesen("%%Vektra32 V. 4.4.1.7\r\n\\begin{picture}(1,1)\r\n\\color[rgb]{1.000,0.000,0.000}\r\n"
              "\\put(0,0){\\makebox(0,0)[cc]{\\SetFigFont{1}{2}{3}{4}{5}}}\r\n\\end{picture}\r\n");
    EXPECT_EQ(Kurz(eigen.z.Elemente) + Farben(eigen.z.Elemente), "1 8 0,0 cc \\SetFigFont{1}{2}{3}{4}{5}|- ");
    EXPECT_EQ(eigen.p.Texte(), "Vektra-Datei hat Version >3. Datenverlust möglich\n");
    EXPECT_EQ(Farben(Lesen("\\color[rgb]{1,0,0}\n\\emline{0}{0}{1}{1}{1}{2}\n").z.Elemente), "ff ");
}

TEST(VektraLesenRobust, ZufaelligeEingabenBringenNurHeileElemente) {
    // clang-format off
    static const std::vector<std::string> stuecke{
        std::string(1, '\0'), " ", "\t", "\n", "\r\n", "\r", "em:linewidth ", "%%Vektra32 V. 9", "\\put", "(",
        ")", "{", "}", ",", "[", "]", "\\emline", "\\circle", "\\circle*", "\\makebox", "\\framebox", "\\dashbox",
        "\\special", "\\duenn", "\\unitlength", "\\def\\emline", "\\def\\dick", "-", ".", "1", "23", "4.5", "pt",
        "mm", "e", "+", "=", "99999999999999999999", "\\line", "\\vector", "\\multiput", "\\oval", "\\qbezier",
        "\\color", "[rgb]", "\\thicklines", "\\linethickness", "\\setlength", "\\begin{picture}", "%",
        "\xC3\xA4", "\xE2\x86\x92"};
    // clang-format on
    // Deterministic pseudo-random inputs built from command fragments and arbitrary bytes.
    std::uint64_t zustand = 20261206;
    const auto naechste = [&zustand](std::uint32_t grenze) {
        zustand = zustand * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(zustand >> 33) % grenze;
    };
    Zeichnung z;
    for (int runde = 0; runde < 1500; ++runde) {
        std::string text;
        for (std::uint32_t i = naechste(400); i > 0; --i)
            text += naechste(4) == 0 ? std::string(1, static_cast<char>(naechste(256)))
                                     : stuecke[naechste(static_cast<std::uint32_t>(stuecke.size()))];
        HeilGelesen(text, z);
        if (HasFailure()) return ADD_FAILURE() << "Eingabe " << runde << ": " << testing::PrintToString(text);
    }
}

TEST(VektraLesenRobust, AbgeschnitteneBefehleAnJederStelle) {
    const std::string voll = DateiInhalt(VEKTRA_TESTDATA "/beispiel.vkx");
    ASSERT_FALSE(voll.empty());
    Zeichnung z;
    for (std::size_t n = 0; n <= voll.size(); ++n) {
        HeilGelesen(voll.substr(0, n), z);
        EXPECT_LE(z.Elemente.Anzahl(), 11);
        if (HasFailure()) return;
    }
    // Cut in the middle of a number or before its delimiter: the line is reported, not lost.
    EXPECT_EQ(HeilGelesen("\\emline{1}{2}{1}{3", z).Texte(),
              "ungültiger Format in Zeile 1\nungültiger Format in Zeile 1\n"
              "Typumwandlungsfehler in Zeile 1\n");
    ASSERT_EQ(z.Elemente.Anzahl(), 1);
    EXPECT_DOUBLE_EQ(z.Elemente[1].x2, 3);
}

TEST(VektraLesenRobust, RiesigeZahlenZeilenUndNullbytes) {
    const std::string ziffern(100000, '7');
    const std::string text = "\\put(" + ziffern + ",2){\\circle{" + ziffern + "." + ziffern + "}}\n" +
                             std::string(1 << 20, 'a') + "\n\\put(" + std::string(1 << 20, ' ') +
                             "1,2){\\circle{3}}\n" + "\\put(1,2){\\makebox(0,0){" + std::string(1000, 'x') +
                             "}}\n" + "\\put(1,2){\\makebox(0,0){a\0b}}\n"s + "\\put(\0,2){\\circle{3}}\n"s;
    Zeichnung z;
    const Protokoll p = HeilGelesen(text, z);
    const Elementspeicher& s = z.Elemente;
    // The NUL in place of a number is reported; the line after it then reads no command.
    ASSERT_EQ(s.Anzahl(), 4);
    // Number tokens are cut to 16 characters.
    EXPECT_EQ((std::array{s[1].x1, s[1].Durchmesser, s[2].Durchmesser}),
              (std::array{7777777777777777.0, 7777777777777777.0, 3.0}));
    EXPECT_EQ(s[3].Text, std::string(255, 'x'));
    EXPECT_EQ(s[4].Text, std::string("a\0b", 3));
    EXPECT_EQ(p.Texte(), "ungültiger Format in Zeile 6\nTypumwandlungsfehler in Zeile 6\n"
                         "Typumwandlungsfehler in Zeile 6\nNicht gelesene Befehle übersprungen, Zeilen: 2\n");
}

TEST(VektraLesenRobust, TiefeVerschachtelung) {
    const auto mal = [](int n, std::string_view s) {
        std::string t;
        for (; n > 0; --n)
            t += s;
        return t;
    };
    // A hundred \put inside one another are read; deeper ones are passed over.
    Import i = Lesen(mal(100, "\\put(1,1){") + "\\circle{1}" + mal(100, "}"));
    EXPECT_TRUE(Kurz(i.z.Elemente) == "2 5 100,100 1 1|" && i.p.liste.empty()) << Kurz(i.z.Elemente);
    i = Lesen(mal(20000, "\\put(1,1){") + "\\circle{1}" + mal(20000, "}"));
    EXPECT_EQ(Kurz(i.z.Elemente) + i.p.Texte(), "Nicht gelesene Befehle übersprungen, Zeilen: 1\n");
    // Groups beyond those that keep their state still end where they end.
    i = Lesen(mal(20000, "{") + "\\color{red}" + mal(20000, "}") + "\\circle{1}" +
              mal(20000, "{\\color{red}") + mal(20000, "}") + "\\circle{1}");
    EXPECT_EQ(Farben(i.z.Elemente), "- - ");
}

TEST(VektraLesenRobust, VollerSpeicherBeendetDenImport) {
    // Copies stop when the store is full, each command's elements one by one; the message names
    // the line of the element that did not fit, and the import ends there.
    const std::tuple<const char*, int, int> faelle[] = {
        {"\\multiput(0,0)(1,0){100000}{\\line(1,0){1}}", 1, Linie},
        {"\\put(0,0){\\vector(1,0){1}}\\line(1,0){1}", 1, Pfeilspitze},
        {"\\put(0,0){\\circle{1}}\n\\put(10,20){\\framebox(30,10)[lt]{A}}\n\\put(+1,2){\\circle{1}}\n", 2,
         Text}};
    for (const auto& [text, zeile, letztes] : faelle) {
        Zeichnung z;
        for (int i = 0; i < MaxElemente - 2; ++i)
            NeuerStrich(z, 0, 0, 1, 1);
        const Import i = Lesen(text, std::move(z));
        EXPECT_TRUE(i.e.voll && i.e.neueElemente == 2 && i.z.Elemente.Anzahl() == MaxElemente) << text;
        EXPECT_EQ(i.z.Elemente[MaxElemente].Art, letztes) << text;
        EXPECT_EQ(i.p.Texte(), T("v.ImportVoll") + "\n") << text;
        EXPECT_EQ(i.p.liste[0].zeile, zeile) << text;
    }
}

TEST(VektraLesenRobust, DateiimportMeldetUnlesbareDateien) {
    Ordner o;
    Zeichnung z;
    Protokoll p;
    EXPECT_FALSE(PicImportieren(o.pfad.string(), z, p));
    ASSERT_EQ(p.liste.size(), 1u);
    EXPECT_TRUE(p.liste[0].text.starts_with(o.pfad.string() + ": " + T("v.LesenFehlgeschlagen")));

    // A good file replaces the drawing and names it after the picture.
    NeuerStrich(z, 0, 0, 1, 1);
    z.Geaendert = true;
    o.Ablegen("bild.pic", "\\put(1,2){\\circle{3}}\r\n");
    Importergebnis e;
    EXPECT_TRUE(PicImportieren(o.Datei("bild.pic"), z, p, &e));
    EXPECT_TRUE(z.Elemente.Anzahl() == 1 && e.neueElemente == 1);
    EXPECT_EQ(z.Dateiname, "bild.vks");
    EXPECT_FALSE(z.Geaendert);
}
