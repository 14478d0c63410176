#include "text/Texte.h"
#include "text/Cp1252.h"
#include "text/Format.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace vektra;

namespace {

std::set<std::string> Schluessel() {
    std::set<std::string> s;
    for (const auto& e : Texteintraege())
        s.insert(e.schluessel);
    return s;
}

} // namespace

TEST(Texte, SchluesselEindeutigUndVollstaendig) {
    const auto& eintraege = Texteintraege();
    const auto alle = Schluessel();
    EXPECT_EQ(alle.size(), eintraege.size()) << "a key appears twice";
    for (int i = 11; i <= 68; ++i)
        EXPECT_TRUE(alle.count("s" + std::to_string(i))) << "s" << i;
    for (const char* k : {"sn", "sj", "sm1", "sm9", "sm10", "sm22", "sm30", "sm31", "sm40", "sm42"})
        EXPECT_TRUE(alle.count(k)) << k;
    // Every control text of the main window and the dialogs.
    for (int i = 1; i <= 39; ++i)
        EXPECT_TRUE(alle.count("sf" + std::to_string(i))) << "sf" << i;
    for (int i : {100, 106, 110, 122, 130, 136, 150, 153, 170, 198, 210, 215, 220, 221, 230, 234})
        EXPECT_TRUE(alle.count("sf" + std::to_string(i))) << "sf" << i;
    for (const auto& e : eintraege)
        EXPECT_STRNE(e.eingebaut, e.schluessel) << e.schluessel;
}

TEST(Texte, LesenErsetzenZuruecksetzen) {
    TexteZuruecksetzen();
    EXPECT_EQ(T("s11"), " Elemente");
    EXPECT_EQ(T("s35"), "Kompiliert am ");
    EXPECT_EQ(T("sf12"), "Lösche gewählte Objekte");
    EXPECT_EQ(T("sm19"), "E&instellungen");
    // An unknown key shows itself rather than nothing.
    EXPECT_EQ(T("gibtsnicht"), "gibtsnicht");
    TextSetzen("s12", "Lines");
    EXPECT_EQ(T("s12"), "Lines");
    TexteZuruecksetzen();
    EXPECT_EQ(T("s12"), "Linien zeichnen ");
}

TEST(Texte, StatusmusterWerdenSicherGefuellt) {
    EXPECT_EQ(Formatieren(T("s59"), {-1LL, 200LL, -1LL, 200LL}), "Clip: u: -1 o: 200 l: -1 r: 200");
    // A replacement without placeholders is shown as it stands.
    EXPECT_EQ(Formatieren("Clip", {-1LL, 200LL, -1LL, 200LL}), "Clip");
    // Placeholders beyond the values, or of the wrong kind, stay literal; "%n" is no placeholder.
    EXPECT_EQ(Formatieren("%d %d %n %s", {5LL}), "5 %d %n %s");
    EXPECT_EQ(Formatieren("%s", {3LL}), "%s");
    EXPECT_EQ(Formatieren("(%d,%d)", {-3LL, 17LL}), "(-3,17)");
    EXPECT_EQ(Formatieren("%6.2f|%-4d|%%", {3.14159, 7LL}), "  3.14|7   |%");
}

TEST(Texte, Cp1252HinUndZurueck) {
    const std::string utf8 = "Änderungen ÄÖÜäöüß € „x“";
    const std::string bytes = Utf8NachCp1252(utf8);
    ASSERT_EQ(bytes.size(), 24u);
    EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xC4);
    EXPECT_EQ(static_cast<unsigned char>(bytes[19]), 0x80);
    EXPECT_EQ(static_cast<unsigned char>(bytes[21]), 0x84);
    EXPECT_EQ(Cp1252NachUtf8(bytes), utf8);
    // Every byte survives the way through UTF-8 and back.
    std::string alle;
    for (int b = 1; b < 256; ++b)
        alle += static_cast<char>(b);
    EXPECT_EQ(Utf8NachCp1252(Cp1252NachUtf8(alle)), alle);
    // Characters outside cp1252 become '?'.
    EXPECT_EQ(Utf8NachCp1252("a→b"), "a?b");
}
