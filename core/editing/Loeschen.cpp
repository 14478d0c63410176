#include "editing/Loeschen.h"

namespace vektra {

bool Loeschen(Zeichnung& z) {
    Elementspeicher& s = z.Elemente;
    if (s.GepickteZahl() == 0) return false;
    Bearbeitung b(z, Schrittart::Loeschen);
    b.Aufraeumen();
    for (int i = 1; i <= s.Anzahl(); ++i) {
        if (!s[i].gepickt) continue;
        TElement& e = b.Aendern(i);
        e.gepickt = false;
        e.geloescht = true;
    }
    return true;
}

bool Aufraeumen(Zeichnung& z) {
    const int vorher = z.Elemente.Anzahl();
    Bearbeitung b(z, Schrittart::Aufraeumen);
    b.Aufraeumen();
    return z.Elemente.Anzahl() != vorher;
}

} // namespace vektra
