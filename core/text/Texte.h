#pragma once
// The program's text table: every text a person sees, by key, with its built-in German value.
// Keys "sn", "sj", "s11".."s68", "sm…" and "sf…" are the ones a language file may replace; keys
// beginning with "v." are texts of this program that no language file names.
#include <string>
#include <string_view>
#include <vector>

namespace vektra {

// How a language-file value becomes the text.
enum class Anwendung { Wert, LeerPlusWert, WertPlusLeer, DreiLeerUmWert };

struct Texteintrag {
    const char* schluessel;
    const char* eingebaut; // UTF-8
    Anwendung anwendung;
};

// All entries in the order a language file applies them.
const std::vector<Texteintrag>& Texteintraege();

// The current text of `schluessel` (UTF-8); an unknown key yields the key itself, so a
// missing entry is visible instead of blank.
const std::string& T(std::string_view schluessel);
// Replaces one text (already in its applied form).
void TextSetzen(std::string_view schluessel, std::string wert);
// Back to the built-in values.
void TexteZuruecksetzen();

} // namespace vektra
