#pragma once
// Number formats that ignore the locale, and a safe filler for format texts a user may edit.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vektra {

// Like printf("%W.Pf"): at least `breite` characters, right-aligned, `stellen` decimals, ".".
std::string Festkomma(double wert, int breite, int stellen);
// The same appended to `ziel`.
void FestkommaAnhaengen(std::string& ziel, double wert, int breite, int stellen);
// The same written to `ziel`, which has room for `breite` characters and for FestkommaPlatz;
// returns the end of the number.
constexpr int FestkommaPlatz = 400;
char* FestkommaSchreiben(char* ziel, double wert, int breite, int stellen);
// Round half to even, as the whole program rounds.
long long Runden(double wert);

using Formatwert = std::variant<long long, double, std::string>;

// A placeholder is %[-][W][.P] and one of d, s, f, with a width W of at most MaxPlatzbreite and
// at most MaxNachkommastellen decimals P (which d and s ignore); a wider one is no placeholder.
// So filling one adds at most MaxPlatzbreite characters beyond the value's own.
constexpr int MaxPlatzbreite = 64;
constexpr int MaxNachkommastellen = 20;
// Fills the placeholders of `muster` in order with `werte`. Everything else is copied literally;
// placeholders beyond the given values, or of a kind that does not match the value, stay as they
// are. "%%" is one "%". Never hands the text to printf.
std::string Formatieren(std::string_view muster, const std::vector<Formatwert>& werte);
// The placeholders Formatieren recognises in `muster`, in order, as written ("%d", "%6.2f").
std::vector<std::string> Platzhalter(std::string_view muster);

// Parses a decimal number with "." as separator (an optional sign, digits, fraction, exponent);
// the whole text must be the number, blanks around it allowed. False when it is not one.
bool ZahlLesen(std::string_view text, double& wert);
bool GanzzahlLesen(std::string_view text, long long& wert);
// The same for a 32-bit value; a whole number beyond its range is none.
bool GanzzahlLesen(std::string_view text, std::int32_t& wert);

} // namespace vektra
