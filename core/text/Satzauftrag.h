#pragma once
// What the screen hands to LaTeX to show texts as they are typeset: the batch of texts as one
// document with a page per text, the key a typeset text is kept under, and what TeX's terminal
// output says about each page. Running TeX is the app's.
#include <string>
#include <string_view>
#include <vector>

namespace vektra {

// The preamble texts are typeset with unless the user gives another: the exports' documents
// read cp1252, as the drawing's texts are.
extern const std::string_view StandardPraeambel;

// Why a text cannot go into a batch, as a text for people; empty when it can. Braces that do not
// pair up or a "%" would swallow the rest of the batch (and break the exported picture too), and a
// line break would end the export's line.
std::string Satzhindernis(std::string_view text);

// The LaTeX source of one batch (cp1252 bytes, `praeambel` too): one page per text, in order,
// each text set in a box as \makebox sets it; before and after it the terminal gets a line with
// its number, the second also with the box's width, height and depth in sp.
std::string Satzquelle(std::string_view praeambel, const std::vector<std::string>& texte);

// The key of a typeset text: 32 hexadecimal digits over the preamble, the text and the form of
// the batch, so a change of any of them typesets anew.
std::string Satzschluessel(std::string_view praeambel, std::string_view text);

// A typeset text's box in TeX's scaled points (65536 to a point).
struct Satzmass {
    long long breite = 0, hoehe = 0, tiefe = 0;
    bool operator==(const Satzmass&) const = default;
};

struct Seitenbericht {
    int nummer = 0;       // the text's number in the batch, from 1
    bool gesetzt = false; // TeX ended the text, measured it and made its page
    Satzmass mass;        // when gesetzt
    std::string fehler;   // TeX's first complaint about the text, empty when none
};

// What the terminal output of a batch says, text by text in the order TeX took them. The pages of
// the typeset texts follow each other in the same order. `offen` is the number of a text TeX had
// begun and not ended when the output stopped (the run broke off there), 0 when none;
// `offen` may name the text after the last one when the run stopped only at the end.
// `vorspannfehler` TeX's first complaint before the first text (about the preamble).
struct Satzbericht {
    std::vector<Seitenbericht> seiten;
    int offen = 0;
    std::string vorspannfehler;
};
Satzbericht SatzberichtLesen(std::string_view ausgabe);

} // namespace vektra
