#pragma once
// The native drawing file (".vks"): version tag, the 164-byte settings record, the element
// count and the element records, little-endian and without gaps. Files of the older version
// with 288-byte element records are read too, never written.
#include "files/Dateinamen.h"
#include "model/Zeichnung.h"
#include "text/Meldungen.h"

#include <istream>
#include <ostream>
#include <string>
#include <string_view>

namespace vektra {

enum class Leseergebnis { Ok, FalscheVersion, Fehler };

// Reads a ".vks" drawing from `ein` into `z` (which the caller passes fresh/empty); on
// FalscheVersion/Fehler `fehler` says what is wrong (German, UTF-8), e.g. the byte offset where
// the file ended or the element with a place or diameter that is no finite number or lies beyond
// Lagegrenze. Every colour, draw-order class, width class and settings value is taken as it is
// stored (what is drawn of them is the drawing rules' matter), so the file writes back as read.
// On Ok the record is pushed into the dialog values (z.DialogwerteUebernehmen()).
Leseergebnis ZeichnungLesen(std::istream& ein, Zeichnung& z, std::string& fehler);

// Refreshes the record from the dialog values and writes the elements that are not deleted, so
// the file needs no compaction of the store (and the history keeps what can be undone); false
// (nothing written) when no such element is left.
bool ZeichnungSchreiben(std::ostream& aus, Zeichnung& z);

// Reads the file into a fresh document and, on success, takes over its elements and settings
// record into `z` (dialog values follow the record, `Geaendert` is cleared; the clipboard and
// the file names stay; the history starts afresh). On FalscheVersion and Fehler `z` is left exactly as it
// was; messages
// ("Falsche Version" as information, "<file>: <what is wrong>" as error) go to `m`.
Leseergebnis ZeichnungLesenDatei(const std::string& pfad, Zeichnung& z, Meldungen& m);

// Saves atomically, as ZeichnungSchreiben. "Keine Zeichnung" (information) when nothing is left to
// save; an input/output error as an error message naming the file, the previous file kept.
// Returns true when the file was written; the history then knows the drawing as saved.
bool ZeichnungSchreibenDatei(const std::string& pfad, Zeichnung& z, Meldungen& m);

// The file a drawing named `dateiname` is read from and written to: its extension replaced by
// ".vks".
std::string Zeichnungspfad(std::string_view dateiname);

} // namespace vektra
