#include "Testhilfe.h"
#include "files/VektraLesen.h"
#include "text/Texte.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>

using namespace vektra;
using namespace testhilfe;
using namespace std::string_literals;

namespace {

Importergebnis Lesen(const std::string& text, Zeichnung& z, Protokoll& p) {
    std::istringstream ein(text);
    return VektraLesen(ein, z, p);
}

// Reads `text` into the emptied drawing. Whatever the input, the store then holds only
// well-formed elements and every message names a line of the input.
Protokoll HeilGelesen(const std::string& text, Zeichnung& z) {
    z.Elemente.AllesLoeschen();
    Protokoll p;
    const Importergebnis e = Lesen(text, z, p);
    EXPECT_LE(z.Elemente.Anzahl(), MaxElemente);
    EXPECT_EQ(e.neueElemente, z.Elemente.Anzahl());
    for (const TElement& el : z.Elemente)
        EXPECT_TRUE(el.Art <= Kreis &&
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

// Deterministic pseudo-random input built from command fragments and arbitrary bytes.
std::string Zufallseingabe(std::uint64_t& zustand) {
    const auto naechste = [&zustand](std::uint32_t grenze) {
        zustand = zustand * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(zustand >> 33) % grenze;
    };
    static const std::vector<std::string> stuecke = [] {
        std::vector<std::string> v{
            std::string(1, '\0'), " ", "  ", "\t", "\n", "\r\n", "\r", "em:linewidth ", "%%Vektra32 V. 9",
            "%%Vektra32 V. "};
        std::istringstream liste(
            "\\put ( ) { } , [ ] \\emline \\circle \\circle* \\makebox \\framebox \\dashbox "
            "\\special \\duenn \\unitlength \\def\\emline \\def\\dick "
            "\\def\\duenn - . 1 23 4.5 pt mm e + = 99999999999999999999");
        for (std::string s; liste >> s;)
            v.push_back(s);
        return v;
    }();
    std::string s;
    for (std::uint32_t i = naechste(400); i > 0; --i)
        s += naechste(4) == 0 ? std::string(1, static_cast<char>(naechste(256)))
                              : stuecke[naechste(static_cast<std::uint32_t>(stuecke.size()))];
    return s;
}

} // namespace

TEST(VektraLesenRobust, ZufaelligeEingabenBringenNurHeileElemente) {
    std::uint64_t saat = 20261206;
    Zeichnung z;
    for (int runde = 0; runde < 1500; ++runde) {
        const std::string text = Zufallseingabe(saat);
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
              (std::vector<std::string>{"ungültiger Format in Zeile 1", "ungültiger Format in Zeile 1",
                                        "Typumwandlungsfehler in Zeile 1"}));
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
    EXPECT_EQ(p.Texte(),
              (std::vector<std::string>{"ungültiger Format in Zeile 6", "Typumwandlungsfehler in Zeile 6",
                                        "Typumwandlungsfehler in Zeile 6"}));
}

TEST(VektraLesenRobust, VollerSpeicherBeendetDenImport) {
    Zeichnung z;
    for (int i = 0; i < MaxElemente - 2; ++i)
        NeuerStrich(z, 0, 0, 1, 1);
    Protokoll p;
    const Importergebnis e = Lesen("\\put(0,0){\\circle{1}}\n"
                                   "\\put(10,20){\\framebox(30,10)[lt]{A}}\n"
                                   "\\put(+1,2){\\circle{1}}\n",
                                   z, p);
    EXPECT_TRUE(e.voll);
    EXPECT_EQ(e.neueElemente, 2);
    EXPECT_EQ(z.Elemente.Anzahl(), MaxElemente);
    EXPECT_EQ(z.Elemente[MaxElemente].Text, "A");
    EXPECT_EQ(p.Texte(), std::vector{T("v.ImportVoll")});
    EXPECT_EQ(p.liste[0].zeile, 2);
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
