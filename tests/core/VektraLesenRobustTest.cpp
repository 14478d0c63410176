#include "ExportTestHilfe.h"
#include "files/VektraLesen.h"
#include "text/Texte.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace vektra;
using namespace exporttest;
using namespace std::string_literals;

namespace {

Importergebnis Lesen(const std::string& text, Zeichnung& z, Protokoll& p) {
    std::istringstream ein(text);
    return VektraLesen(ein, z, p);
}

int Zeilenzahl(const std::string& text) {
    int n = 1;
    for (char c : text)
        n += c == '\n';
    return n;
}

// Whatever the input, the store holds only well-formed elements and every message names a
// line of the input.
void ErwarteHeil(const std::string& text, const Zeichnung& z, const Protokoll& p, const Importergebnis& e) {
    EXPECT_LE(z.Elemente.Anzahl(), MaxElemente);
    EXPECT_EQ(e.neueElemente, z.Elemente.Anzahl());
    for (const TElement& el : z.Elemente) {
        EXPECT_LE(el.Art, Kreis);
        EXPECT_TRUE(el.Ebene == EbeneLinie || el.Ebene == EbeneKreis || el.Ebene == EbeneText);
        EXPECT_LE(el.Text.size(), MaxTextLaenge);
        EXPECT_LE(el.Ausrichtung.size(), 2u);
        EXPECT_TRUE(el.Breite >= 0 && el.Breite <= 2);
    }
    int fehler = 0;
    for (const Meldung& m : p.liste) {
        EXPECT_GE(m.zeile, 0);
        EXPECT_LE(m.zeile, Zeilenzahl(text));
        fehler += m.text.starts_with(T("s51")) || m.text.starts_with(T("s52"));
    }
    EXPECT_EQ(fehler, e.Fehler);
}

// Deterministic pseudo-random inputs built from command fragments and arbitrary bytes.
class Zufall {
  public:
    explicit Zufall(std::uint64_t saat) : zustand_(saat) {}
    std::uint32_t Naechste(std::uint32_t grenze) {
        zustand_ = zustand_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(zustand_ >> 33) % grenze;
    }

  private:
    std::uint64_t zustand_;
};

std::string Zufallseingabe(Zufall& r) {
    static const std::vector<std::string> stuecke{"\\put",
                                                  "(",
                                                  ")",
                                                  "{",
                                                  "}",
                                                  ",",
                                                  "[",
                                                  "]",
                                                  "\\emline",
                                                  "\\circle",
                                                  "\\circle*",
                                                  "\\makebox",
                                                  "\\framebox",
                                                  "\\dashbox",
                                                  "\\special",
                                                  "em:linewidth ",
                                                  "\\duenn",
                                                  "\\unitlength",
                                                  "\\def\\emline",
                                                  "\\def\\dick",
                                                  "\\def\\duenn",
                                                  "%%Vektra32 V. 9",
                                                  "%%Vektra32 V. ",
                                                  "-",
                                                  ".",
                                                  "1",
                                                  "23",
                                                  "4.5",
                                                  " ",
                                                  "  ",
                                                  "\t",
                                                  "\n",
                                                  "\r\n",
                                                  "\r",
                                                  std::string(1, '\0'),
                                                  "pt",
                                                  "mm",
                                                  "e",
                                                  "+",
                                                  "=",
                                                  "99999999999999999999"};
    std::string s;
    const std::uint32_t laenge = r.Naechste(400);
    for (std::uint32_t i = 0; i < laenge; ++i) {
        if (r.Naechste(4) == 0)
            s += static_cast<char>(r.Naechste(256));
        else
            s += stuecke[r.Naechste(static_cast<std::uint32_t>(stuecke.size()))];
    }
    return s;
}

} // namespace

TEST(VektraLesenRobust, ZufaelligeEingabenBringenNurHeileElemente) {
    Zufall r(20261206);
    Zeichnung z;
    for (int runde = 0; runde < 1500; ++runde) {
        const std::string text = Zufallseingabe(r);
        z.Elemente.AllesLoeschen();
        Protokoll p;
        const Importergebnis e = Lesen(text, z, p);
        ErwarteHeil(text, z, p, e);
        if (HasFailure()) {
            ADD_FAILURE() << "Eingabe " << runde << ": " << testing::PrintToString(text);
            return;
        }
    }
}

TEST(VektraLesenRobust, AbgeschnitteneBefehleAnJederStelle) {
    std::ifstream ein(VEKTRA_TESTDATA "/beispiel.vkx", std::ios::binary);
    const std::string voll{std::istreambuf_iterator<char>(ein), {}};
    ASSERT_FALSE(voll.empty());
    Zeichnung z;
    for (std::size_t n = 0; n <= voll.size(); ++n) {
        const std::string teil = voll.substr(0, n);
        z.Elemente.AllesLoeschen();
        Protokoll p;
        const Importergebnis e = Lesen(teil, z, p);
        ErwarteHeil(teil, z, p, e);
        EXPECT_LE(z.Elemente.Anzahl(), 11);
        if (HasFailure()) return;
    }
    // Cut in the middle of a number or before its delimiter: the line is reported, not lost.
    z.Elemente.AllesLoeschen();
    Protokoll p;
    Lesen("\\emline{1}{2}{1}{3", z, p);
    EXPECT_EQ(p.Texte(),
              (std::vector<std::string>{"ungültiger Format in Zeile 1", "ungültiger Format in Zeile 1",
                                        "Typumwandlungsfehler in Zeile 1"}));
    ASSERT_EQ(z.Elemente.Anzahl(), 1);
    EXPECT_DOUBLE_EQ(z.Elemente[1].x2, 3);
}

TEST(VektraLesenRobust, RiesigeZahlenZeilenUndNullbytes) {
    Zeichnung z;
    Protokoll p;
    const std::string ziffern(100000, '7');
    const std::string text = "\\put(" + ziffern + ",2){\\circle{" + ziffern + "." + ziffern + "}}\n" +
                             std::string(1 << 20, 'a') + "\n\\put(" + std::string(1 << 20, ' ') +
                             "1,2){\\circle{3}}\n" + "\\put(1,2){\\makebox(0,0){" + std::string(1000, 'x') +
                             "}}\n" + "\\put(1,2){\\makebox(0,0){a\0b}}\n"s + "\\put(\0,2){\\circle{3}}\n"s;
    const Importergebnis e = Lesen(text, z, p);
    ErwarteHeil(text, z, p, e);
    const Elementspeicher& s = z.Elemente;
    // The NUL in place of a number is reported; the line after it then reads no command.
    ASSERT_EQ(s.Anzahl(), 4);
    // Number tokens are cut to 16 characters.
    EXPECT_DOUBLE_EQ(s[1].x1, 7777777777777777.0);
    EXPECT_DOUBLE_EQ(s[1].Durchmesser, 7777777777777777.0);
    EXPECT_DOUBLE_EQ(s[2].Durchmesser, 3);
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
    const std::string text = "\\put(0,0){\\circle{1}}\n"
                             "\\put(10,20){\\framebox(30,10)[lt]{A}}\n"
                             "\\put(+1,2){\\circle{1}}\n";
    const Importergebnis e = Lesen(text, z, p);
    EXPECT_TRUE(e.voll);
    EXPECT_EQ(e.neueElemente, 2);
    EXPECT_EQ(z.Elemente.Anzahl(), MaxElemente);
    EXPECT_EQ(z.Elemente[MaxElemente].Text, "A");
    ASSERT_EQ(p.liste.size(), 1u);
    EXPECT_EQ(p.liste[0].text, T("v.ImportVoll"));
    EXPECT_EQ(p.liste[0].zeile, 2);
}

TEST(VektraLesenRobust, DateiimportMeldetUnlesbareDateien) {
    namespace fs = std::filesystem;
    const fs::path ordner = fs::temp_directory_path() / "vektra_import_test";
    fs::remove_all(ordner);
    fs::create_directories(ordner);
    Zeichnung z;
    NeuerStrich(z, 0, 0, 1, 1);
    z.Geaendert = true;
    Protokoll p;

    const std::string fehlt = (ordner / "fehlt.pic").string();
    EXPECT_FALSE(PicImportieren(fehlt, z, p));
    EXPECT_EQ(z.Elemente.Anzahl(), 0);
    ASSERT_EQ(p.liste.size(), 1u);
    EXPECT_TRUE(p.liste[0].text.starts_with(fehlt + ": " + T("v.LesenFehlgeschlagen")));
    EXPECT_FALSE(PicImportieren(ordner.string(), z, p));
    EXPECT_EQ(p.liste.size(), 2u);

    std::ofstream(ordner / "bild.pic") << "\\put(1,2){\\circle{3}}\r\n";
    Importergebnis e;
    EXPECT_TRUE(PicImportieren((ordner / "bild.pic").string(), z, p, &e));
    EXPECT_EQ(z.Elemente.Anzahl(), 1);
    EXPECT_EQ(e.neueElemente, 1);
    EXPECT_EQ(z.Dateiname, "bild.vks");
    EXPECT_FALSE(z.Geaendert);
    fs::remove_all(ordner);
}
