#include "text/Sprachdatei.h"
#include "Testhilfe.h"
#include "text/Format.h"
#include "text/Texte.h"

#include <sstream>

using namespace testhilfe;
using namespace std::string_literals;

namespace {

class Sprachdatei : public testing::Test {
  protected:
    void SetUp() override { TexteZuruecksetzen(); }
    void TearDown() override { TexteZuruecksetzen(); }
};

} // namespace

TEST_F(Sprachdatei, TabelleHatJedenSchluesselInDerAnwendungsfolge) {
    // Single keys and ranges "<prefix><from>-<to>", in the order the language file applies them.
    std::istringstream folge(
        "sn sj s11-68 sm1-9 sm40-42 sm10-15 sm30-31 sm16-22 sf1-39 sf100-106 sf110-117 sf136 "
        "sf118-121 sf123-130 sf122 sf131-135 sf150-153 sf170-196 sf198 sf197 sf210-215 sf220 "
        "sf221 sf230-234");
    std::vector<std::string> erwartet, tabelle;
    for (std::string teil; folge >> teil;) {
        const auto ziffer = teil.find_first_of("0123456789"), strich = teil.find('-');
        if (strich == std::string::npos) {
            erwartet.push_back(teil);
            continue;
        }
        for (int i = std::stoi(teil.substr(ziffer)); i <= std::stoi(teil.substr(strich + 1)); ++i)
            erwartet.push_back(teil.substr(0, ziffer) + std::to_string(i));
    }
    for (const auto& e : Texteintraege())
        if (!std::string_view(e.schluessel).starts_with("v.")) tabelle.push_back(e.schluessel);
    EXPECT_EQ(tabelle, erwartet);
}

TEST_F(Sprachdatei, FehlendeSchluesselLeerenIhrenText) {
    const std::map<Anwendung, std::string> leer{{Anwendung::Wert, ""},
                                                {Anwendung::LeerPlusWert, " "},
                                                {Anwendung::WertPlusLeer, " "},
                                                {Anwendung::DreiLeerUmWert, "      "}};
    // An empty file, one without the section, and one that sets only s12.
    for (const char* datei : {"", "s12=Lines\r\n[Other]\r\ns12=Lines\r\n", "[Language]\r\ns12=Lines\r\n"}) {
        SpracheAnwenden(datei);
        const bool mitS12 = std::string_view(datei).starts_with("[Language]");
        for (const auto& e : Texteintraege()) {
            const std::string k = e.schluessel;
            if (k.starts_with("v."))
                EXPECT_EQ(T(k), e.eingebaut) << k;
            else if (k == "sn" || k == "sj")
                EXPECT_EQ(T(k), e.eingebaut) << k;
            else if (k == "s12" && mitS12)
                EXPECT_EQ(T(k), "Lines");
            else
                EXPECT_EQ(T(k), leer.at(e.anwendung)) << k << " in " << datei;
        }
        TexteZuruecksetzen();
    }
}

TEST_F(Sprachdatei, ZeilenSchluesselUndWerte) {
    SpracheAnwenden(
        "\xEF\xBB\xBF[Language]\ns21=bom\n; comment\n[Sonst]\ns13=fremd\n  [ LANGUAGE ]  \r\n"
        "S12 =  Lines  \r\ns13=\"  quoted  \"\ns14='single'\ns15=\"half\ns16=a;b=c\n;s17=commented\n"
        "s18\ns12=second\n\tSm1\t=\t&File\ns11=Items\ns34=Version\ns35=built\nsn=no\nsj=\n"
        "[Other]\ns19=fremd\n[language]\ns20=again");
    // clang-format off
    const std::pair<const char*, const char*> faelle[] = {{"s12", "Lines"}, {"s13", "  quoted  "},
        {"s14", "single"}, {"s15", "\"half"}, {"s16", "a;b=c"}, {"s17", ""}, {"s18", ""}, {"sm1", "&File"},
        {"s11", " Items"}, {"s34", "Version "}, {"s35", "   built   "}, {"sn", "n"}, {"sj", "J"},
        {"s19", ""}, {"s20", "again"}, {"s21", "bom"}};
    // clang-format on
    for (const auto& [k, wert] : faelle)
        EXPECT_EQ(T(k), wert) << k;
}

TEST_F(Sprachdatei, KodierungUndLaenge) {
    const std::string lang(2000, 'x');
    std::string umlaute;
    for (int i = 0; i < 2000; ++i)
        umlaute += "ä";
    SpracheAnwenden("[Language]\ns12=L\xe4nge \x80\ns13=Länge €\ns14=\xc3\nsn=\xc4rger\ns15=" + lang +
                    "\ns16=" + umlaute + "\ns17=\xed\xa0\x80\ns18=\xc0\xaf");
    // cp1252 unless valid UTF-8: a surrogate and an overlong form are not.
    EXPECT_EQ((std::array{T("s12"), T("s13"), T("s14"), T("sn"), T("s17"), T("s18")}),
              (std::array<std::string, 6>{"Länge €", "Länge €", "Ã", "Ä", "í\xc2\xa0€", "À¯"}));
    EXPECT_EQ(T("s15"), lang.substr(0, 1023));
    EXPECT_EQ(T("s16"), umlaute.substr(0, 2 * 1023));
}

TEST_F(Sprachdatei, FormattexteBleibenSicher) {
    const std::vector<Formatwert> clip{-1LL, 200LL, -1LL, 200LL};
    const std::vector<Formatwert> fehler{"Division durch 0"s, 3LL, 0.5};
    // clang-format off
    // A value keeps being a format only with the built-in placeholders in their order.
    const std::tuple<const char*, const char*, std::vector<Formatwert>, const char*> faelle[] = {
        {"s59", "u %d o %d l %d r %d (100%)", clip, "u -1 o 200 l -1 r 200 (100%)"},
        {"s59", "%d %d %d", clip, "%d %d %d"},
        {"s59", "%999999d %d %d %d", clip, "%999999d %d %d %d"},
        {"s59", "%%d %d %d %d %d", clip, "%d -1 200 -1 200"},
        {"s62", "%s bei %d, %6.2f", fehler, "Division durch 0 bei 3,   0.50"},
        {"s62", "%d %s %6.2f", fehler, "%d %s %6.2f"}};
    // clang-format on
    for (const auto& [k, wert, werte, gezeigt] : faelle) {
        SpracheAnwenden("[Language]\n"s + k + "=" + wert);
        EXPECT_EQ(Formatieren(T(k), werte), gezeigt) << k << "=" << wert;
    }
}

TEST_F(Sprachdatei, DateiLaden) {
    Ordner o;
    EXPECT_FALSE(SpracheLaden(o.Datei("fehlt.dat")) || SpracheLaden(o.pfad.string()));
    EXPECT_EQ(T("s12"), "Linien zeichnen ");
    o.Ablegen("language.dat", "[Language]\r\ns12=Lines\r\n");
    EXPECT_TRUE(SpracheLaden(o.Datei("language.dat")));
    EXPECT_EQ(T("s12") + "|" + T("s13"), "Lines|");
}
