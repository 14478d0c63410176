#include "text/Texte.h"
#include "Testhilfe.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/Sprachdatei.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <set>

using namespace testhilfe;
using namespace std::string_literals;

namespace {

const std::string Datei = VEKTRA_TESTDATA "/faelle/texte.txt";

// What printf makes of the value, with "." whatever the C library's locale.
std::string Printf(double wert, int breite, int stellen) {
    char puffer[512];
    std::snprintf(puffer, sizeof puffer, "%*.*f", breite, stellen, wert);
    std::string s = puffer;
    std::ranges::replace(s, ',', '.');
    return s;
}

// Every test leaves the built-in texts behind.
class Sprachdatei : public testing::Test {
  protected:
    void TearDown() override { TexteZuruecksetzen(); }
};

} // namespace

TEST(Texte, SchluesselEindeutigUndFormatieren) {
    std::set<std::string> alle;
    for (const auto& e : Texteintraege())
        EXPECT_TRUE(alle.insert(e.schluessel).second && e.eingebaut != std::string(e.schluessel))
            << e.schluessel;
    // An unknown key shows itself rather than nothing.
    EXPECT_EQ(T("gibtsnicht"), "gibtsnicht");
    // Placeholders beyond the values, or of the wrong kind, stay literal; "%n" is no placeholder.
    // clang-format off
    const std::tuple<const char*, std::vector<Formatwert>, const char*> faelle[] = {
        {"%d %d %n %s", {5LL}, "5 %d %n %s"}, {"%s", {3LL}, "%s"}, {"(%d,%d)", {-3LL, 17LL}, "(-3,17)"},
        {"%6.2f|%-4d|%%", {3.14159, 7LL}, "  3.14|7   |%"}};
    // clang-format on
    for (const auto& [muster, werte, text] : faelle)
        EXPECT_EQ(Formatieren(muster, werte), text) << muster;
    // At most 64 wide with at most 20 decimals; a wider one is no placeholder, however many digits.
    EXPECT_EQ(Formatieren("%64d|%65d|%.21f|%.20f|%99999999999999999999s", {1LL, 0.5, "x"s}),
              std::string(63, ' ') + "1|%65d|%.21f|0.50000000000000000000|%99999999999999999999s");
    EXPECT_EQ(Platzhalter("%-64s %065d %.20f %64.021f"), (std::vector<std::string>{"%-64s", "%.20f"}));
    for (const auto& z : Spalten(Feld(Datei, "Ganzzahlen"))) {
        std::int32_t w = -5;
        EXPECT_EQ(GanzzahlLesen(z[0], w), !z[1].empty()) << z[0];
        EXPECT_EQ(w, z[1].empty() ? -5 : std::stoi(z[1])) << z[0];
    }
}

TEST(Texte, Cp1252UndUtf8) {
    const std::string utf8 = "Änderungen ÄÖÜäöüß € „x“";
    const std::string bytes = Utf8NachCp1252(utf8);
    EXPECT_EQ(bytes, "\xC4nderungen \xC4\xD6\xDC\xE4\xF6\xFC\xDF \x80 \x84x\x93");
    EXPECT_EQ(Cp1252NachUtf8(bytes), utf8);
    // Every byte survives the way through UTF-8 and back; characters outside cp1252 become '?'.
    std::string alle;
    for (int b = 1; b < 256; ++b)
        alle += static_cast<char>(b);
    EXPECT_EQ(Utf8NachCp1252(Cp1252NachUtf8(alle)), alle);
    EXPECT_EQ(Utf8NachCp1252("a→b"), "a?b");
    for (const auto& z : Spalten(Feld(Datei, "UTF-8")))
        EXPECT_EQ(IstUtf8(z[0]), z[1] == "1") << testing::PrintToString(z[0]);
}

TEST(Format, FestkommaRundetDenGenauenWertUndGleichtPrintf) {
    for (const auto& z : Spalten(Feld(Datei, "Festkomma")))
        EXPECT_EQ(Festkomma(std::strtod(z[0].c_str(), nullptr), std::stoi(z[1]), std::stoi(z[2])), z[3])
            << z[0];
    std::string s = "x=";
    FestkommaAnhaengen(s, 2.5, 5, 2);
    FestkommaAnhaengen(s, -1.125, 0, 2);
    EXPECT_EQ(s, "x= 2.50-1.12");

    std::mt19937_64 zufall(20240607);
    // Any bit pattern, binary fractions (ties at every digit), decimal fractions, huge and tiny.
    const std::function<double()> arten[] = {
        [&] { return std::bit_cast<double>(zufall()); },
        [&] {
            return (static_cast<double>(zufall() % 4000001) - 2000000) /
                   static_cast<double>(1 << (zufall() % 14));
        },
        [&] { return (static_cast<double>(zufall() % 20000001) - 10000000) / 1000; },
        [&] {
            return std::ldexp(static_cast<double>(zufall() >> 11), static_cast<int>(zufall() % 140) - 120);
        },
        [&] { return std::nextafter(1e9, static_cast<double>(zufall() % 3) * 1e9); }};
    for (int i = 0; i < 200000 && !HasFailure(); ++i) {
        const double w = arten[i % 5]();
        const int stellen = i % 7, breite = (i / 7) % 3 * 4 + 1;
        EXPECT_TRUE(std::isnan(w) || Festkomma(w, breite, stellen) == Printf(w, breite, stellen))
            << std::hexfloat << w << " %" << breite << "." << stellen
            << "f: " << Festkomma(w, breite, stellen);
    }
}

TEST_F(Sprachdatei, FehlendeSchluesselLeerenIhrenText) {
    const std::map<Anwendung, std::string> leer{{Anwendung::Wert, ""},
                                                {Anwendung::LeerPlusWert, " "},
                                                {Anwendung::WertPlusLeer, " "},
                                                {Anwendung::DreiLeerUmWert, "      "}};
    // An empty file, one without the section, and one that sets only s12.
    for (const char* datei : {"", "s12=Lines\r\n[Other]\r\ns12=Lines\r\n", "[Language]\r\ns12=Lines\r\n"}) {
        EXPECT_EQ(SpracheAnwenden(datei), "");
        const bool mitS12 = std::string_view(datei).starts_with("[Language]");
        for (const auto& e : Texteintraege()) {
            const std::string k = e.schluessel;
            const bool eingebaut = k.starts_with("v.") || k == "sn" || k == "sj";
            EXPECT_EQ(T(k), eingebaut              ? e.eingebaut
                            : k == "s12" && mitS12 ? "Lines"
                                                   : leer.at(e.anwendung))
                << k << " in " << datei;
        }
        TexteZuruecksetzen();
    }
}

TEST_F(Sprachdatei, ZeilenSchluesselWerteKodierungUndLaenge) {
    EXPECT_EQ(SpracheAnwenden(Feld(Datei, "Sprachdatei", "datei")), "fr");
    for (const auto& z : Spalten(Feld(Datei, "Sprachdatei", "texte")))
        EXPECT_EQ(T(z[0]), z[1]) << z[0];
    const std::string lang(2000, 'x');
    std::string umlaute;
    for (int i = 0; i < 2000; ++i)
        umlaute += "ä";
    SpracheAnwenden("[Language]\ns12=L\xe4nge \x80\ns13=Länge €\ns14=\xc3\nsn=\xc4rger\ns15=" + lang +
                    "\ns16=" + umlaute +
                    "\ns17=\xed\xa0\x80\ns18=\xc0\xaf\nsv82=a\\nb\\\\n\\x\\ %s\ns36=x\\ny");
    // cp1252 unless valid UTF-8: a surrogate and an overlong form are not. At most 1023 characters.
    EXPECT_EQ((std::array{T("s12"), T("s13"), T("s14"), T("sn"), T("s17"), T("s18")}),
              (std::array<std::string, 6>{"Länge €", "Länge €", "Ã", "Ä", "í\xc2\xa0€", "À¯"}));
    // In an "sv" value "\n" is a line break and "\\" a backslash; elsewhere both stay.
    EXPECT_EQ(T("v.TextNichtDarstellbar") + "|" + T("s36"), "a\nb\\n\\x\\ %s|x\\ny");
    EXPECT_EQ(T("s15"), lang.substr(0, 1023));
    EXPECT_EQ(T("s16"), umlaute.substr(0, 2 * 1023));
}

TEST_F(Sprachdatei, FormattexteBleibenSicherUndDateiLaden) {
    const std::map<std::string, std::vector<Formatwert>> werte{{"s59", {-1LL, 200LL, -1LL, 200LL}},
                                                               {"s62", {"Division durch 0"s, 3LL, 0.5}}};
    for (const auto& z : Spalten(Feld(Datei, "Formattexte"))) {
        SpracheAnwenden("[Language]\n" + z[0] + "=" + z[1]);
        EXPECT_EQ(Formatieren(T(z[0]), werte.at(z[0])), z[2]) << z[0] << "=" << z[1];
    }
    TexteZuruecksetzen();
    Ordner o;
    EXPECT_FALSE(SpracheLaden(o.Datei("fehlt.dat")) || SpracheLaden(o.pfad.string()));
    EXPECT_EQ(T("s12"), "Linien zeichnen ");
    o.Ablegen("language.dat", "[Language]\r\ns12=Lines\r\n");
    EXPECT_TRUE(SpracheLaden(o.Datei("language.dat")));
    EXPECT_EQ(T("s12") + "|" + T("s13"), "Lines|");
}

TEST(Texte, EnglischeDateiUndReadmeNennenJedenSchluessel) {
    const auto lesen = [](const char* pfad) {
        std::ifstream ein(std::string(VEKTRA_TESTDATA "/../../") + pfad, std::ios::binary);
        return std::string{std::istreambuf_iterator<char>(ein), {}};
    };
    const std::string englisch = lesen("docs/englisch/language.dat"), readme = lesen("README.md");
    const auto werte = SprachwerteLesen(englisch);
    std::set<std::string_view> gesehen;
    for (const auto& e : Texteintraege()) {
        const std::string_view k = Dateischluessel(e.schluessel);
        // Every text has a key of its own, but two that are numbers.
        EXPECT_EQ(k.empty(), e.schluessel == "v.Version"s || e.schluessel == "v.Snapstufen"s) << e.schluessel;
        if (k.empty()) continue;
        EXPECT_TRUE(gesehen.insert(k).second) << k;
        const auto it = werte.find(k);
        ASSERT_NE(it, werte.end()) << k;
        // Formats stay formats, no value is cut at 1023 characters, the added keys are in the
        // README's table.
        EXPECT_EQ(Platzhalter(it->second), Platzhalter(e.eingebaut)) << k;
        EXPECT_LT(std::ranges::count_if(it->second, [](char c) { return (c & 0xC0) != 0x80; }), 1023) << k;
        EXPECT_TRUE(k == e.schluessel || readme.find("| " + std::string(k) + " |") != std::string::npos) << k;
    }
    EXPECT_EQ(werte.at("qt"), "en");
}
