#include "editing/Aendern.h"

namespace vektra {

void Umfaerben(Elementspeicher& s, std::int32_t farbe) {
    for (TElement& e : s)
        if (e.gepickt) e.Farbe = farbe;
}

bool BreiteAendern(Elementspeicher& s, int klasse) {
    if (klasse < -1 || klasse > 2) return false;
    bool geaendert = false;
    for (TElement& e : s) {
        if (!e.gepickt || !(e.istStrich() || e.Art == Kreis) || e.Breite == klasse || e.Breite == -1)
            continue;
        e.Breite = static_cast<std::int16_t>(klasse);
        geaendert = true;
    }
    return geaendert;
}

int NaechsterText(const Elementspeicher& s, double x, double y) {
    double bester = 100000000.0; // squared: 10000 units
    int gefunden = 0;
    for (int i = 1; i <= s.Anzahl(); ++i) {
        const TElement& e = s[i];
        if (e.Art != Text) continue;
        const double d = (e.x1 - x) * (e.x1 - x) + (e.y1 - y) * (e.y1 - y);
        if (d < bester) {
            bester = d;
            gefunden = i;
        }
    }
    return gefunden;
}

} // namespace vektra
