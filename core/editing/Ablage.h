#pragma once
// The program's own clipboard: copies of whole element records, pasted back where they came from.
#include "model/Zeichnung.h"
#include "text/Meldungen.h"

namespace vektra {

// Empties the clipboard, then copies every picked, not deleted element into it in store order.
void Kopieren(Zeichnung& z);
// Copies as above and marks the copied elements deleted (they stay picked, and an undo brings
// them back). With no picked, not deleted element it does nothing and the clipboard keeps its
// content. Returns whether it acted.
bool Ausschneiden(Zeichnung& z);
// Appends exact copies of the clipboard records in order. When the store has no room for all
// of them, nothing is pasted and the user is told. Returns whether it pasted anything.
bool Einfuegen(Zeichnung& z, Meldungen& m);

} // namespace vektra
