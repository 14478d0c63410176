#pragma once
// What the two readers of the picture import share: the input as numbered lines, the state the
// picture commands change (colour, width class, origin) with the groups that keep it, element
// creation against the store's bound, and the messages with their line numbers.
#include "files/VektraLesen.h"

#include <cstdint>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vektra::bildimport {

// Most groups whose state is kept, so braces without end cannot fill the memory.
constexpr std::size_t MaxGruppen = 10000;

// How many following lines a brace group (a box text, a definition, a command's argument) may
// run over.
constexpr std::size_t MaxFortsetzung = 8;

class Zeilenquelle {
  public:
    explicit Zeilenquelle(std::string_view inhalt) : rest_(inhalt) {}

    // The next line without its CR LF (or LF), counted; lines given back come first.
    bool Holen(std::string& zeile);
    int Nummer() const { return nummer_; }

    // Hands the following lines, at most MaxFortsetzung, to `nimm` until it says the construct
    // begun on the current line is complete. If it never is, the lines are given back to be
    // read as lines of their own, the count is restored and false returned.
    template <class Nimm> bool Fortsetzen(Nimm nimm) {
        const int anfang = nummer_;
        std::vector<std::string> gelesen;
        std::string z;
        while (gelesen.size() < MaxFortsetzung && Holen(z)) {
            gelesen.push_back(std::move(z));
            if (nimm(std::string_view(gelesen.back()))) return true;
        }
        nummer_ = anfang;
        zurueck_.insert(zurueck_.end(), std::make_move_iterator(gelesen.rbegin()),
                        std::make_move_iterator(gelesen.rend()));
        return false;
    }

  private:
    std::string_view rest_;
    std::vector<std::string> zurueck_; // lines given back, the next one last
    int nummer_ = 0;
};

// Follows the braces of `s` from column `ab` on, `tiefe` being the depth before it; a backslash
// escapes the character after it. Stops at the brace that brings the depth back to zero or,
// with `kommentar`, at a "%" that makes the rest of the line a comment; returns that column, or
// npos at the line's end.
std::size_t KlammernFolgen(std::string_view s, std::size_t ab, int& tiefe, bool kommentar);

inline bool IstBuchstabe(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

inline bool Geschlossen(std::string_view s, std::size_t p) {
    return p != std::string_view::npos && s[p] == '}';
}

// Whether what an element keeps of `text`, its first MaxTextLaenge characters, can go back
// between the braces the export writes around it: its braces pair up and no backslash at its
// end escapes the closing one. Any other text would break the exported picture.
bool Ausgewogen(std::string_view text);

// What the picture commands change, saved by every group and restored at its end.
struct Bildzustand {
    std::int32_t Farbe = 0;
    std::int16_t Breite = 1;
    // Where the point (0,0) of the commands lies in the drawing: the \put point and the
    // picture's own offset move it.
    double x = 0, y = 0;
};

class Importzustand {
  public:
    Importzustand(Zeichnung& z, Meldungen& m) : z(z), m(m) {}

    Zeichnung& z;
    Meldungen& m;
    Importergebnis ergebnis;
    // The program's own picture file: its colour lines stay unread and its texts as written,
    // so it imports as it always did.
    bool eigen = false;
    Bildzustand jetzt;

    // Groups beyond the MaxGruppen-th keep no state of their own: they end without a change.
    void GruppeAuf();
    // Ends the innermost group; one that was never opened changes nothing.
    void GruppeZu();
    // How many groups are open; ZurueckAuf ends those opened after there were `tiefe`.
    std::size_t Tiefe() const { return gruppen_.size() + ueberzaehlig_; }
    void ZurueckAuf(std::size_t tiefe) {
        while (Tiefe() > tiefe)
            GruppeZu();
    }

    // A new element of kind `art` in draw class `ebene` with the current colour and width
    // class, to be filled and then handed to Aufnehmen.
    TElement Neu(std::uint8_t art, std::int32_t ebene) const;
    // Adds `e`, read from line `zeile`, to the store. An element whose places or sizes no
    // drawing may hold (a picture's numbers may be anything) is passed over before it takes a
    // place, so what the import gives saves and reads back, and a nearly full store takes the
    // same elements as an empty one. When the store is full, the first time is reported with
    // `zeile` and the import ends.
    enum class Aufnahme { Gehalten, Uebergangen, Voll };
    Aufnahme Aufnehmen(TElement e, int zeile);
    void NeueLinie(double x1, double y1, double x2, double y2, int zeile);

    // Error 2 (format) or 3 (conversion) in line `zeile`.
    void Fehler(int art, int zeile);
    // Line `zeile` held something the import did not read.
    void Uebergangen(int zeile) { uebergangen_.push_back(zeile); }
    // Reports the lines passed over, once, naming them all.
    void Abschliessen();

    // Millimetres per drawing unit: the unit length read so far, 1 when it is no number above 0.
    double MmJeEinheit() const;
    // The width class whose TeX width lies nearest to `pt` points; the current one when no
    // class has a width that is a number.
    std::int16_t NaechsteBreite(double pt) const;
    // A box text as the drawing keeps it: pictures of other programs lose the font macro
    // their own file defines, which an export could not carry along.
    std::string Boxtext(std::string text) const;

  private:
    std::vector<Bildzustand> gruppen_;
    std::size_t ueberzaehlig_ = 0;
    std::vector<int> uebergangen_;

};

// All of `ein`, or nothing when it holds more than 64 MB, more than the picture of any drawing
// takes: reading stops at the bound, so an endless input ends too.
std::optional<std::string> Einlesen(std::istream& ein);
// The message for an input beyond that bound.
std::string ZuGross();
// The file `pfad` read whole; a file that cannot be read or is too large is reported naming it.
std::optional<std::string> DateiEinlesen(const std::string& pfad, Meldungen& m);
// Input that is valid UTF-8 and not plain ASCII converted to the cp1252 the drawing holds, a byte
// order mark dropped; characters cp1252 has no place for become "?", named with their lines in one
// message. Any other input is cp1252 already.
std::string Entschluesseln(std::string inhalt, Importzustand& s);

// Moves the text point from the corner of a w by h box to where LaTeX sets the text in it: the
// alignment letters in either order, a missing one centres. A box without size leaves the point
// exactly as given.
void InDieBox(TElement& e, double w, double h);

// Millimetres per unit for the units TeX knows; 0 for any other text.
double MillimeterJe(std::string_view einheit);
// A unit length text: one decimal at least, more only where they carry a value (up to four).
std::string LaengeText(double mm);

// "3, 7, 12–15": the line numbers sorted, runs joined, at most a dozen parts.
std::string Zeilenbereiche(std::vector<int> zeilen);

} // namespace vektra::bildimport
