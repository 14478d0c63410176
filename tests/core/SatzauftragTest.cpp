#include "text/Satzauftrag.h"
#include "Testhilfe.h"
#include "editing/Aendern.h"
#include "editing/Auswahl.h"
#include "files/Textlage.h"
#include "text/Texte.h"
#include "view/Ansicht.h"

#include <cctype>

using namespace testhilfe;

namespace {

// A box 10 wide, 6 above and 2 below its baseline, as \makebox(0,0)[..] puts it.
struct Lagefall {
    const char* ausrichtung;
    double x, y;
};

} // namespace

TEST(Textlage, GrundlinieWieMakebox) {
    const Lagefall faelle[] = {
        {"cc", -5, -2}, {"", -5, -2},    {"tl", 0, -6}, {"lt", 0, -6}, {"br", -10, 2},
        {"bl", 0, 2},   {"tr", -10, -6}, {"s", 0, -2},  {"bs", 0, 2},  {"xy", -5, -2},
        {"r", -10, -2}, {"t", -5, -6},   {"rl", 0, -2},
    };
    for (const Lagefall& f : faelle) {
        const Grundlinie g = GrundlinieVon(f.ausrichtung, 10, 6, 2);
        EXPECT_EQ(g.x, f.x) << f.ausrichtung;
        EXPECT_EQ(g.y, f.y) << f.ausrichtung;
    }
    const Textbox b = TextboxVon("tl", 10, 6, 2);
    EXPECT_EQ((std::array{b.links, b.unten, b.rechts, b.oben}), (std::array<double, 4>{0, -8, 10, 0}));
    // 1 mm is 72.27 / 25.4 TeX points; a unit length that is no length gives none.
    EXPECT_DOUBLE_EQ(*PunkteJeEinheit("1.5"), 1.5 * 72.27 / 25.4);
    for (const char* falsch : {"", "0", "-1", "1e3", "abc", "99999"})
        EXPECT_FALSE(PunkteJeEinheit(falsch)) << falsch;
}

TEST(Satzauftrag, HindernisseVorTeX) {
    const std::pair<const char*, const char*> faelle[] = {
        {"$\\alpha_1 = \\frac{a}{b}$", ""},
        {"a\\{b", ""},
        {"50\\%", ""},
        {"a\\\\", ""},
        {"{a}{b}", ""},
        {"{", "v.SatzKlammern"},
        {"}{", "v.SatzKlammern"},
        {"a}", "v.SatzKlammern"},
        {"a\\", "v.SatzKlammern"},
        {"50%", "v.SatzZeilenende"},
        {"a\nb", "v.SatzZeilenende"},
        {"a\rb", "v.SatzZeilenende"},
    };
    for (const auto& [text, schluessel] : faelle)
        EXPECT_EQ(Satzhindernis(text), *schluessel ? T(schluessel) : "") << text;
}

TEST(Satzauftrag, QuelleUndSchluessel) {
    EXPECT_EQ(Satzquelle("\\documentclass{article}", {"Gr\xf6\xdf"
                                                      "e",
                                                      "$x$"}),
              "\\documentclass{article}\n"
              "\\newbox\\VektraBox\\newbox\\VektraMuell\\def\\VektraSchlucke{\\setbox\\VektraMuell}\n"
              "\\long\\def\\VektraSatz#1#2{\\typeout{VKSATZ-ANFANG #1}%\n"
              "\\setbox\\VektraBox\\hbox{\\let\\shipout\\VektraSchlucke #2}%\n"
              "\\typeout{VKSATZ-ENDE #1 \\number\\wd\\VektraBox\\space\\number\\ht\\VektraBox\\space"
              "\\number\\dp\\VektraBox}%\n"
              "\\shipout\\box\\VektraBox\\noindent\\par}\n"
              "\\nofiles\\pagestyle{empty}\n"
              "\\begin{document}\\typeout{VKSATZ-DOKUMENT}\\showthe\\count0\n"
              "\\VektraSatz{1}{Gr\xf6\xdf"
              "e}\n"
              "\\VektraSatz{2}{$x$}\n"
              "\\typeout{VKSATZ-SCHLUSS}\\end{document}\n");
    EXPECT_EQ(StandardPraeambel, "\\documentclass{article}\n\\usepackage[cp1252]{inputenc}\n");

    const std::string k = Satzschluessel("p", "t");
    EXPECT_EQ(k.size(), 32u);
    EXPECT_TRUE(std::ranges::all_of(k, [](char c) { return std::isxdigit(c) && !std::isupper(c); }));
    EXPECT_EQ(Satzschluessel("p", "t"), k);
    // The preamble, the text and where one ends and the other begins all count.
    std::set<std::string> alle{k};
    for (const auto& [p, t] : {std::pair("q", "t"), {"p", "u"}, {"pt", ""}, {"", "pt"}, {"p", "t "}})
        EXPECT_TRUE(alle.insert(Satzschluessel(p, t)).second) << p << "|" << t;
}

TEST(Satzauftrag, BerichtAusDerTerminalausgabe) {
    struct Fall {
        const char* name;
        const char* ausgabe;
        const char* seiten; // per text: number, g (typeset), the box, and the complaint after "|"
        int offen;
        const char* vorspannfehler;
    };
    const Fall faelle[] = {
        {"zwei Texte, einer mit Fehler",
         "(./satz.tex\nVKSATZ-DOKUMENT\n> 1.\n<to be read again> \n                   \\long \n"
         "VKSATZ-ANFANG 1\nVKSATZ-ENDE 1 1510973 455111 0\n[1]\nVKSATZ-ANFANG 2\n"
         "! Undefined control sequence.\n<argument> \\undefinedmacro \n                x\n"
         "l.9 \\VektraSatz{2}{\\undefinedmacro x}\nVKSATZ-ENDE 2 327681 282168 12\n[1]\n"
         "VKSATZ-SCHLUSS\n )\n",
         "1 g 1510973 455111 0|;2 g 327681 282168 12|Undefined control sequence. \\undefinedmacro;", 0, ""},
        {"abgebrochen im zweiten Text",
         "VKSATZ-DOKUMENT\r\nVKSATZ-ANFANG 1\r\nVKSATZ-ENDE 1 5 6 7\r\n[1]\r\nVKSATZ-ANFANG 2\r\n"
         "! Emergency stop.\r\nl.5 \\VektraSatz{2}{a\\end{document}\r\n",
         "1 g 5 6 7|;2 - 0 0 0|Emergency stop. a\\end{document};", 2, ""},
        {"angehalten zwischen zwei Texten", "VKSATZ-DOKUMENT\nVKSATZ-ANFANG 1\nVKSATZ-ENDE 1 5 6 7\n[1]",
         "1 g 5 6 7|;", 2, ""},
        {"angehalten vor dem ersten Text", "VKSATZ-DOKUMENT\n> 1.\n", "", 1, ""},
        {"Fehler in der Präambel",
         "! LaTeX Error: File `nix.sty' not found.\n\nType X to quit.\n! Emergency stop.\n", "", 0,
         "LaTeX Error: File `nix.sty' not found."},
        {"ein Ende mit falscher Nummer zählt nicht",
         "VKSATZ-DOKUMENT\nVKSATZ-ANFANG 1\nVKSATZ-ENDE 2 1 1 1\nVKSATZ-ENDE 1 x\nVKSATZ-ENDE 1 1 2 3\n"
         "VKSATZ-SCHLUSS\n",
         "1 g 1 2 3|;", 0, ""},
    };
    for (const Fall& f : faelle) {
        const Satzbericht b = SatzberichtLesen(f.ausgabe);
        std::string seiten;
        for (const Seitenbericht& s : b.seiten)
            seiten += std::to_string(s.nummer) + (s.gesetzt ? " g " : " - ") + std::to_string(s.mass.breite) +
                      " " + std::to_string(s.mass.hoehe) + " " + std::to_string(s.mass.tiefe) + "|" +
                      s.fehler + ";";
        EXPECT_EQ(seiten, f.seiten) << f.name;
        EXPECT_EQ(b.offen, f.offen) << f.name;
        EXPECT_EQ(b.vorspannfehler, f.vorspannfehler) << f.name;
    }
}

namespace {

// Every text has the box 4 to the left, 2 below, 6 to the right and 3 above its point.
struct FesteBoxen : Textboxen {
    std::optional<Textbox> Box(const TElement&) const override { return Textbox{-4, -2, 6, 3}; }
};

} // namespace

TEST(Satzauftrag, PickenMitGesetzterBox) {
    Zeichnung z;
    NeuerText(z, 20, 20, "a");
    NeuerText(z, 40, 20, "b");
    NeuerStrich(z, 30, 30, 50, 30);
    const FesteBoxen boxen;
    // Three pixels a unit, the origin at (0,0), 300 pixels high; pick distance 3 pixels.
    const Ansicht a{.Zoomfaktor = 1, .NullX = 0, .NullY = 0, .Hoehe = 300};
    const auto px = [&](double x) { return a.XNachPixel(x); };
    const auto py = [&](double y) { return a.YNachPixel(y); };
    // (x, y) in drawing units, offset in pixels, hit with and without the box.
    struct Treffer {
        double x, y;
        int dx, dy;
        bool mitBox, ohneBox;
    };
    for (const Treffer& t : {Treffer{20, 20, 0, 0, true, true},
                             {25, 22, 0, 0, true, false},
                             {26, 23, 2, -2, true, false},
                             {26, 23, 3, 0, false, false},
                             {16, 18, -2, 2, true, false},
                             {16, 18, 0, 3, false, false}}) {
        const TElement& e = z.Elemente[1];
        EXPECT_EQ(Getroffen(e, a, px(t.x) + t.dx, py(t.y) + t.dy, 3, &boxen), t.mitBox) << t.x << "," << t.y;
        EXPECT_EQ(Getroffen(e, a, px(t.x) + t.dx, py(t.y) + t.dy, 3), t.ohneBox) << t.x << "," << t.y;
    }
    // Lines keep their ends whatever the boxes.
    EXPECT_FALSE(Getroffen(z.Elemente[3], a, px(40), py(30), 3, &boxen));

    // Nearest: by the box's edge, 0 inside; on a tie the lower index.
    EXPECT_EQ(NaechsterText(z.Elemente, 31, 20), 2);
    EXPECT_EQ(NaechsterText(z.Elemente, 31, 20, &boxen), 1);
    EXPECT_EQ(NaechsterText(z.Elemente, 36, 20, &boxen), 2);
    EXPECT_EQ(NaechsterText(z.Elemente, 30, 20, &boxen), 1);

    // An area holds a text with its whole box.
    EXPECT_TRUE(InFlaeche(z.Elemente[1], {.xmin = 19, .xmax = 21, .ymin = 19, .ymax = 21}));
    EXPECT_FALSE(InFlaeche(z.Elemente[1], {.xmin = 19, .xmax = 21, .ymin = 19, .ymax = 21}, &boxen));
    EXPECT_TRUE(InFlaeche(z.Elemente[1], {.xmin = 16, .xmax = 26, .ymin = 18, .ymax = 23}, &boxen));
    EXPECT_EQ(FlaecheAuswaehlen(z.Elemente, {.xmin = 15, .xmax = 47, .ymin = 17, .ymax = 24}, &boxen), 2);
}
