#pragma once
// Macro files (".vkm"): a piece of a drawing with a reference point, placed again at a clicked
// point. Layout: i32 element count, f64 reference x and y, then the element records of the
// drawing file; nothing follows the last record.
#include "model/Element.h"
#include "model/Zeichnung.h"
#include "text/Meldungen.h"

#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace vektra {

// A macro as read from its file, checked in full before anything of it is inserted.
struct Makro {
    double BezugX = 0, BezugY = 0;
    std::vector<TElement> Elemente;
};

// Writes the elements of `z` that are picked and not deleted, in store order, with the
// reference point (rx, ry). Returns how many were written.
int MakroSchreiben(std::ostream& aus, const Zeichnung& z, double rx, double ry);

// Reads a whole macro into `makro`; false (and `makro` untouched) with the fault in `fehler`
// (German, UTF-8) when the file ends early, its count is outside 0..32000, its reference point
// or an element's place or diameter is no finite number or lies beyond Lagegrenze, a record has
// an unknown kind or a negative text length, or bytes follow the last record. Texts keep their
// first 255 characters; the records are otherwise taken as a drawing file's are.
bool MakroLesen(std::istream& ein, Makro& makro, std::string& fehler);

// Saves the picked, not deleted elements atomically. "Nicht markiert" when there are none, and
// an error when the reference point lies beyond what the reader takes (no file touched); a
// failed write as an error naming the file, an older file kept.
bool MakroSpeichern(const Zeichnung& z, double rx, double ry, const std::string& pfad, Meldungen& m);

// Reads the macro file; a fault is one error message "<file>: <what is wrong>".
bool MakroLesenDatei(const std::string& pfad, Makro& makro, Meldungen& m);

// Appends a copy of the macro so that its reference point lands on (px, py): both ends of
// lines and arrowhead strokes, circle centres and text points move, everything else stays as
// stored (so the copy arrives picked, and elements picked before stay picked). Returns the
// number of the first new element (Anzahl() + 1 before the call; the new ones run up to
// Anzahl()). When the store cannot take all of them, or a moved place would lie beyond
// Lagegrenze, nothing is inserted, the fault goes to `m` and the result is 0.
int MakroEinfuegen(Zeichnung& z, const Makro& makro, double px, double py, Meldungen& m);

// The macro the key `zeichen` calls up among the file names `namen` of the macro folder: the
// names ending in ".vkm" (any letter case) whose first character is `zeichen` (letters in
// either case). Of several, the first in order of the names with letters folded to lower
// case, equal ones in plain byte order. Empty when none fits.
std::string MakroZurTaste(const std::vector<std::string>& namen, char zeichen);

// MakroZurTaste over the files of `ordner`; the full path of the chosen file, or empty (also
// when the folder cannot be read).
std::string MakroZurTasteSuchen(const std::string& ordner, char zeichen);

} // namespace vektra
