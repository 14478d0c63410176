#pragma once
// The formula language of the curves: a formula text such as 2*cos(t)+n/3 becomes an expression
// tree that is evaluated, in extended precision, for given values of the variables t and n.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace vektra {

using Extended = long double;

// Node kinds; a function call has the code 64 + its index in the function table.
enum Knotenarten : std::uint8_t {
    KnotenZahl = 0,
    KnotenT = 1,
    KnotenN = 2,
    KnotenPlus = '+',
    KnotenMinus = '-',
    KnotenMal = '*',
    KnotenDurch = '/',
    KnotenHoch = '^',
    KnotenNegation = '&',
    KnotenErsteFunktion = 64,
    KnotenLetzteFunktion = 86,
};

struct FormelKnoten {
    std::uint8_t Knotenart = KnotenZahl;
    // The constant of a number node.
    Extended Wert = 0;
    // Left operand; the only operand of a negation or a function call.
    std::unique_ptr<FormelKnoten> Links;
    std::unique_ptr<FormelKnoten> Rechts;
};

using Formelbaum = std::unique_ptr<FormelKnoten>;

struct Formelfunktion {
    std::string_view Name;
    Extended (*Funktion)(Extended);
};

// The 23 functions in the scanner's search order: a name stands before every shorter name that
// is its prefix. Entry i has the node code 64 + i.
const std::array<Formelfunktion, 23>& Funktionstabelle();

// Syntax error codes of FormelParsen.
enum Formelfehlercode : int {
    KlammerFehlt = 1,
    FunktionOhneKlammer = 2,
    ZahlUngueltig = 3,
    OperandFehlt = 4,
    ZeichenUnerwartet = 5,
};

// Set by FormelAuswerten to 13 when it is handed a missing tree; shared by all callers.
constexpr int FehlenderBaum = 13;
inline int Formelfehler = 0;

// Lower-cases the letters A..Z of `text` in place and parses its first `maxLaenge` characters
// (at most 255). On success `fehlerstelle` and `fehlercode` are 0 and the simplified tree is
// returned; otherwise no tree, the 1-based position of the offending character (length + 1 at
// the end of the text) and the code 1..5.
Formelbaum FormelParsen(std::string& text, int maxLaenge, int& fehlerstelle, int& fehlercode);

// Evaluates the tree for t and n. A missing tree sets Formelfehler to 13 and yields 0.
// Floating-point faults are not trapped: the result is then inf or NaN and the fault flags
// tell (RechenflagsLoeschen, Rechenfehler).
Extended FormelAuswerten(const FormelKnoten* baum, Extended t, Extended n);

// Releases the tree and leaves the pointer empty.
void FormelFreigeben(Formelbaum& baum);

// Rewrites negations away where that changes no result: -(-a) -> a, a+(-b) -> a-b,
// a-(-b) -> a+b, (-a)+b -> b-a; bottom-up.
void FormelVereinfachen(Formelbaum& baum);

// Floating-point faults of an evaluation: invalid operation, division by zero, overflow.
void RechenflagsLoeschen();
bool Rechenfehler();
// Evaluates the tree again, watching every step, and names the function (as written in
// formulas) or the operator at which a fault first arises; empty when none does.
std::string Fehlerquelle(const FormelKnoten* baum, Extended t, Extended n);

// The functions of the table that other parts call directly.
Extended ArcCos(Extended x);
// a^b: 0 for a = 0, otherwise |a|^b, negated for a < 0 and an odd integer part of b.
Extended Pwr(Extended a, Extended b);

} // namespace vektra
