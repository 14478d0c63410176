#include "editing/Loeschen.h"

namespace vektra {

bool Loeschen(Elementspeicher& s) {
    if (s.GepickteZahl() == 0) return false;
    s.Aufraeumen();
    for (TElement& e : s) {
        if (!e.gepickt) continue;
        e.gepickt = false;
        e.geloescht = true;
    }
    return true;
}

int Rueckgaengig(Elementspeicher& s) {
    int zahl = 0;
    for (TElement& e : s) {
        if (!e.geloescht) continue;
        e.geloescht = false;
        e.gepickt = true;
        ++zahl;
    }
    return zahl;
}

} // namespace vektra
