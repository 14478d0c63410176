#pragma once
// The language file "language.dat": replacement texts for the program's texts and the name of
// the translation of Qt's own texts, read once at start. An INI text: section "[Language]",
// lines "key=value"; section and key names in any letter case, blanks around keys and values
// dropped, one pair of double or single quotes around a value removed, lines beginning with ";"
// ignored, the first of repeated keys counts. Each value is read as UTF-8 when it is valid
// UTF-8, otherwise as cp1252, and keeps its first 1023 characters.
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace vektra {

// The values of section "Language" by key in lower case, as UTF-8.
std::map<std::string, std::string, std::less<>> SprachwerteLesen(std::string_view inhalt);

// Sets every text a language file names, in the order of Texteintraege(), each from its value
// by its Anwendung rule. A missing "sn", "sj", "s…", "sm…" or "sf…" key counts as an empty value,
// so a partial file blanks the texts it lacks; a missing "sv" key keeps its text, so files written
// before a text had a key keep working. In an "sv" value "\n" is a line break and "\\" a
// backslash. Empty "sn" and "sj" keep their built-in letters; otherwise their first character is
// the letter. A value of a format text ("%d", "%s", "%6.2f") whose placeholders differ from the
// built-in text's is kept with every "%" doubled, so filling it shows it as written.
// Gives the value of the key "qt", the translation of Qt's own texts that the file asks for, or
// an empty text where it names none.
std::string SpracheAnwenden(std::string_view inhalt);

// Reads the file and applies it, giving what SpracheAnwenden gives; nothing, and no text changed,
// when the file does not exist or cannot be read.
std::optional<std::string> SpracheLaden(const std::string& pfad);

} // namespace vektra
