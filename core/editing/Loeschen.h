#pragma once
// Deleting the picked elements and bringing back the last deletion. A deleted element stays in
// the store, unpainted, until the next compaction (Elementspeicher::Aufraeumen), which makes
// every deletion before it final.
#include "model/Elementspeicher.h"

namespace vektra {

// Compacts away earlier deletions, then marks every picked element deleted and unpicks it.
// Does nothing, not even the compaction, when no element is picked; returns whether it acted.
bool Loeschen(Elementspeicher& s);
// Every deleted element comes back, picked. Returns the number brought back.
int Rueckgaengig(Elementspeicher& s);

} // namespace vektra
