#pragma once
// Deleting the picked elements and compacting the store, each one step of the history. A deleted
// element stays in the store, unpainted, until the next compaction.
#include "model/Zeichnung.h"

namespace vektra {

// Compacts away earlier deletions, then marks every picked element deleted and unpicks it.
// Does nothing, not even the compaction, when no element is picked; returns whether it acted.
bool Loeschen(Zeichnung& z);
// "Aufräumen": drops every deleted element and renumbers the others. Returns whether it dropped
// any.
bool Aufraeumen(Zeichnung& z);

} // namespace vektra
