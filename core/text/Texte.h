#pragma once
// The program's text table: every text a person sees, by key, with its built-in German value.
// A language file names "sn", "sj", "s11".."s68", "sm…" and "sf…" by their keys, the program's
// own texts (keys beginning with "v.") by "sv" keys.
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

// The key by which a language file names the text of `schluessel`: the key itself, "sv" and a
// number for a "v." key, empty for one that no file names (the version number, the snap steps).
std::string_view Dateischluessel(std::string_view schluessel);

} // namespace vektra
