#pragma once
// The small pieces the TikZ import reads with: brackets and braces, option lists, lengths, anchors
// and colours. Each works on a text and a position and never reads past the text's end.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vektra::tikzteile {

inline bool IstLeerzeichen(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
std::string_view Getrimmt(std::string_view s);

// Blanks every comment, from a "%" that no backslash escapes to the line's end.
void KommentareLoeschen(std::string& text);

// The letters of a control word's name from `p` on; `p` goes past them.
std::string_view Steuerwort(std::string_view t, std::size_t& p);

// The content of the group that opens at `p` with `auf` and closes with the matching `zu`, braces
// inside it paired and a backslash escaping the character after it; `p` goes past it. False when
// it does not close.
bool Klammer(std::string_view t, std::size_t& p, char auf, char zu, std::string_view& inhalt);
// A brace argument after blanks.
bool Argument(std::string_view t, std::size_t& p, std::string_view& inhalt);

// The parts of `s` between the `trenner` that lie outside braces, brackets and parentheses.
std::vector<std::string_view> Teile(std::string_view s, char trenner);
// The first `c` outside braces, brackets and parentheses, or npos.
std::size_t Oberste(std::string_view s, char c);
// `s` trimmed, without one pair of `auf` and `zu` around all of it.
std::string_view Entklammert(std::string_view s, char auf = '{', char zu = '}');

// Where a statement that begins at `p` ends: its ";" outside braces, or the picture's end.
std::size_t Anweisungsende(std::string_view t, std::size_t p);
// Where a command the import does not read ends: at its ";", or after a brace group followed by
// another command, or before the picture's end.
std::size_t Befehlsende(std::string_view t, std::size_t p);

// A number ("+" allowed), and a length: a number and a unit TeX knows, in millimetres, or a bare
// number (`einheit` false).
bool Zahl(std::string_view s, double& wert);
bool Mass(std::string_view s, double& wert, bool& einheit);

// The alignment letters ("tl", "cc", "br", ...) of a node's anchor, and of the placement words
// above, below, left, right and their pairs.
bool Anker(std::string_view name, std::string& ausrichtung);
bool Lagewort(std::string_view wort, std::string& ausrichtung);

// Colours as three parts 0..1, and as 0x00BBGGRR.
struct Farbteile {
    double r = 0, g = 0, b = 0;
};
Farbteile Zerlegen(std::int32_t farbe);
std::int32_t Zusammensetzen(const Farbteile& f);
// `anteil` of `a` and the rest of `b`.
Farbteile Mischen(const Farbteile& a, const Farbteile& b, double anteil);
// The base colours of xcolor.
bool Grundfarbe(std::string_view name, std::int32_t& farbe);
// \definecolor's models rgb, RGB, gray, HTML and cmyk.
bool FarbeDefinieren(std::string_view modell, std::string_view angabe, std::int32_t& farbe);

} // namespace vektra::tikzteile
