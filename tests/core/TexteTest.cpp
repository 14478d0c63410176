#include "text/Texte.h"
#include "text/Cp1252.h"
#include "text/Format.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>

using namespace vektra;

TEST(Texte, SchluesselEindeutig) {
    std::set<std::string> alle;
    for (const auto& e : Texteintraege()) {
        EXPECT_TRUE(alle.insert(e.schluessel).second) << e.schluessel << " appears twice";
        EXPECT_STRNE(e.eingebaut, e.schluessel) << e.schluessel;
    }
    // An unknown key shows itself rather than nothing.
    EXPECT_EQ(T("gibtsnicht"), "gibtsnicht");
}

TEST(Texte, FormatierenUndGanzzahlen) {
    // Placeholders beyond the values, or of the wrong kind, stay literal; "%n" is no placeholder.
    // clang-format off
    const std::tuple<const char*, std::vector<Formatwert>, const char*> faelle[] = {
        {"%d %d %n %s", {5LL}, "5 %d %n %s"}, {"%s", {3LL}, "%s"}, {"(%d,%d)", {-3LL, 17LL}, "(-3,17)"},
        {"%6.2f|%-4d|%%", {3.14159, 7LL}, "  3.14|7   |%"}};
    // clang-format on
    for (const auto& [muster, werte, text] : faelle)
        EXPECT_EQ(Formatieren(muster, werte), text) << muster;

    // clang-format off
    const std::pair<const char*, std::optional<std::int32_t>> zahlen[] = {{" 12 ", 12}, {"+7", 7},
        {"-2147483648", INT32_MIN}, {"2147483647", INT32_MAX}, {"2147483648", {}}, {"-2147483649", {}},
        {"1.5", {}}, {"", {}}, {"0x10", {}}};
    // clang-format on
    for (const auto& [text, erwartet] : zahlen) {
        std::int32_t w = -5;
        EXPECT_EQ(GanzzahlLesen(text, w), erwartet.has_value()) << text;
        EXPECT_EQ(w, erwartet.value_or(-5)) << text;
    }
}

TEST(Texte, Cp1252HinUndZurueck) {
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
}

TEST(Texte, GueltigesUtf8) {
    // clang-format off
    const std::pair<std::string, bool> faelle[] = {
        {"", true}, {"Größe € 𝄞", true}, {"\xF4\x8F\xBF\xBF", true},
        {"Gr\xF6\xDF" "e", false},   // cp1252
        {"\xC0\x80", false}, {"\xE0\x80\x80", false}, // overlong
        {"\xED\xA0\x80", false},    // surrogate
        {"\xF4\x90\x80\x80", false}, // beyond U+10FFFF
        {"a\xC3", false}, {"\xE2\x82", false}, {"\xC3\x28", false}};
    // clang-format on
    for (const auto& [text, gueltig] : faelle)
        EXPECT_EQ(IstUtf8(text), gueltig) << testing::PrintToString(text);
}
