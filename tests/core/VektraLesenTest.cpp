#include "files/VektraLesen.h"
#include "Testhilfe.h"

#include <algorithm>
#include <sstream>

using namespace testhilfe;
using namespace std::string_literals;

namespace {

struct Import {
    Zeichnung z;
    Protokoll p;
    Importergebnis e;
};

// Reads `text` into a drawing that holds `vorher` lines already. Whatever the input, the store
// then holds only well-formed elements, the result counts them and the errors, and every message
// names a line of the input or none.
const Import& Lesen(const std::string& text, int vorher = 0) {
    static Import i; // one for every read, as a new drawing reserves its whole store
    std::tie(i.z.Dialog, i.p.liste) = std::pair(Dialogwerte(), std::vector<Meldung>());
    i.z.Elemente.AllesLoeschen();
    for (int n = 0; n < vorher; ++n)
        NeuerStrich(i.z, 0, 0, 1, 1);
    std::istringstream ein(text);
    i.e = VektraLesen(ein, i.z, i.p);
    EXPECT_EQ(i.e.neueElemente, i.z.Elemente.Anzahl() - vorher);
    for (const TElement& el : i.z.Elemente)
        EXPECT_TRUE(el.Art <= Pfeilspitze &&
                    (el.Ebene == EbeneLinie || el.Ebene == EbeneKreis || el.Ebene == EbeneText) &&
                    el.Text.size() <= 255 && el.Ausrichtung.size() <= 2 && el.Breite >= 0 && el.Breite <= 2);
    const int zeilen = 1 + static_cast<int>(std::ranges::count(text, '\n'));
    int fehler = 0;
    for (const Meldung& m : i.p.liste) {
        EXPECT_TRUE(m.zeile >= 0 && m.zeile <= zeilen) << m.zeile;
        fehler += m.text.starts_with("ungültiger Format") || m.text.starts_with("Typumwandlungsfehler");
    }
    EXPECT_EQ(fehler, i.e.Fehler);
    return i;
}

// A line per message, "line: " before those that name one.
std::string MitZeilen(const Protokoll& p) {
    std::string t;
    for (const Meldung& m : p.liste)
        t += (m.zeile > 0 ? std::to_string(m.zeile) + ": " : "") + m.text + "\n";
    return t;
}

} // namespace

TEST(VektraLesen, FaelleAusDerDatei) {
    for (Fall f : Faelle(VEKTRA_TESTDATA "/faelle/lesen.txt")) {
        const int vorher = std::atoi(f["vorher"].c_str());
        const Import& i = Lesen(f["ein"], vorher);
        Elementspeicher neu;
        for (int n = vorher + 1; n <= i.z.Elemente.Anzahl(); ++n)
            *neu.NeuesElement() = i.z.Elemente[n];
        EXPECT_EQ(Elementzeilen(neu), f["elemente"]) << f["###"];
        EXPECT_EQ(MitZeilen(i.p), f["meldungen"]) << f["###"];
        const auto& b = i.z.Dialog.TeXBreite;
        const std::pair<const char*, std::string> werte[] = {
            {"unitlength", i.z.Dialog.Unitlength},
            {"breiten", b[0] + "|" + b[1] + "|" + b[2] + "|" + b[3]},
            {"uebergangen", std::to_string(i.e.uebergangeneZeilen)},
            {"voll", std::to_string(i.e.voll)}};
        for (const auto& [feld, wert] : werte)
            EXPECT_TRUE(!f.contains(feld) || f[feld] == wert + "\n")
                << f["###"] << ": " << feld << " " << wert;
    }
}

TEST(VektraLesen, OvaleUndBezierkurvenAlsLinienzuege) {
    // The oval's corners are at most 20 pt round: 20 / 72.27 * 25.4 mm.
    const Import i = Lesen("\\put(10,10){\\oval(40,20)[t]}\n\\qbezier(0,0)(5,10)(10,0)\n");
    double eckeX = 0;
    int kurve = 0;
    for (const TElement& e : i.z.Elemente) {
        EXPECT_TRUE(e.Art == Linie && e.y2 <= 20);
        if (e.y1 == 20 && e.y2 == 20) eckeX = std::max(e.x1, e.x2);
        kurve += e.y1 < 10 || e.y2 < 10;
    }
    EXPECT_NEAR(eckeX, 22.9708039, 1e-7);
    EXPECT_TRUE(kurve >= 10 && i.p.liste.empty());
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
    for (int runde = 0; runde < 1500 && !HasFailure(); ++runde) {
        std::string text;
        for (std::uint32_t n = naechste(400); n > 0; --n)
            text += naechste(4) == 0 ? std::string(1, static_cast<char>(naechste(256)))
                                     : stuecke[naechste(static_cast<std::uint32_t>(stuecke.size()))];
        Lesen(text);
        if (HasFailure()) ADD_FAILURE() << "Eingabe " << runde << ": " << testing::PrintToString(text);
    }
}

TEST(VektraLesenRobust, AbgeschnitteneDateiAnJederStelle) {
    const std::string voll = DateiInhalt(VEKTRA_TESTDATA "/beispiel.vkx");
    for (std::size_t n = 0; n <= voll.size() && !HasFailure(); ++n)
        EXPECT_LE(Lesen(voll.substr(0, n)).z.Elemente.Anzahl(), 11);
}

TEST(VektraLesenRobust, RiesigeZahlenZeilenUndNullbytes) {
    const std::string ziffern = std::string(100000, '0') + "7";
    const Import i = Lesen("\\put(" + ziffern + ",2){\\circle{" + ziffern + "." + ziffern + "}}\n" +
                           std::string(1 << 20, 'a') + "\n\\put(" + std::string(1 << 20, ' ') +
                           "1,2){\\circle{3}}\n" + "\\put(1,2){\\makebox(0,0){" + std::string(1000, 'x') +
                           "}}\n" + "\\put(1,2){\\makebox(0,0){a\0b}}\n"s + "\\put(\0,2){\\circle{3}}\n"s);
    const Elementspeicher& s = i.z.Elemente;
    // The NUL in place of a number is reported; the line after it then reads no command.
    ASSERT_EQ(s.Anzahl(), 4);
    // Number tokens are cut to 16 characters (the 7s go), texts to 255.
    EXPECT_EQ((std::array{s[1].x1, s[1].Durchmesser, s[2].Durchmesser}), (std::array{0.0, 0.0, 3.0}));
    EXPECT_EQ(s[3].Text, std::string(255, 'x'));
    EXPECT_EQ(s[4].Text, std::string("a\0b", 3));
    EXPECT_EQ(MitZeilen(i.p), "6: ungültiger Format in Zeile 6\n6: Typumwandlungsfehler in Zeile 6\n"
                              "6: Typumwandlungsfehler in Zeile 6\n"
                              "Nicht gelesene Befehle übersprungen, Zeilen: 2\n");
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
    EXPECT_EQ(Elementzeilen(i.z.Elemente) + MitZeilen(i.p), "2 5 100,100 1 1\n");
    i = Lesen(mal(20000, "\\put(1,1){") + "\\circle{1}" + mal(20000, "}"));
    EXPECT_EQ(Elementzeilen(i.z.Elemente) + MitZeilen(i.p),
              "Nicht gelesene Befehle übersprungen, Zeilen: 1\n");
    // Groups beyond those that keep their state still end where they end.
    i = Lesen(mal(20000, "{") + "\\color{red}" + mal(20000, "}") + "\\circle{1}" +
              mal(20000, "{\\color{red}") + mal(20000, "}") + "\\circle{1}");
    EXPECT_EQ(Elementzeilen(i.z.Elemente), "2 5 0,0 1 1\n2 5 0,0 1 1\n");
}

TEST(VektraLesenRobust, DateiimportMeldetUnlesbareDateien) {
    Ordner o;
    Zeichnung z;
    Protokoll p;
    EXPECT_FALSE(PicImportieren(o.pfad.string(), z, p));
    EXPECT_EQ(p.Texte(), o.pfad.string() + ": Datei kann nicht gelesen werden (Is a directory)\n");
    // A good file replaces the drawing and names it after the picture.
    NeuerStrich(z, 0, 0, 1, 1);
    z.Geaendert = true;
    o.Ablegen("bild.pic", "\\put(1,2){\\circle{3}}\r\n");
    Importergebnis e;
    EXPECT_TRUE(PicImportieren(o.Datei("bild.pic"), z, p, &e));
    EXPECT_TRUE(z.Elemente.Anzahl() == 1 && e.neueElemente == 1 && z.Dateiname == "bild.vks" && !z.Geaendert);
    // One byte beyond 64 MB is more than the picture of any drawing takes: refused, nothing read in.
    o.Ablegen("gross.pic", "");
    std::filesystem::resize_file(o.Datei("gross.pic"), 67108865);
    p.liste.clear();
    EXPECT_FALSE(PicImportieren(o.Datei("gross.pic"), z, p));
    EXPECT_EQ(p.Texte() + std::to_string(z.Elemente.Anzahl()),
              o.Datei("gross.pic") +
                  ": Datei zu groß für eine Zeichnung (über 64 MB): sie wird nicht gelesen\n0");
}
