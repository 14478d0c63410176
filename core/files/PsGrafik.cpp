#include "files/PsGrafik.h"

#include "files/ExportGemeinsam.h"

namespace vektra {

void PsGrafikDurchlaufen(const Zeichnung& z, double k, Grafikziel& ziel) {
    const Elementspeicher& s = z.Elemente;
    std::int32_t letzteFarbe = 0;
    int letzteBreite = -2;
    const auto punkt = [k](double x, double y) { return Grafikpunkt{x * k, y * k}; };
    // Announces the class when it changes; false for a class without width.
    const auto breite = [&](int klasse) {
        if (Breitenname(klasse).empty()) return false;
        if (klasse != letzteBreite) {
            ziel.Breite(klasse);
            letzteBreite = klasse;
        }
        return true;
    };
    InEbenenFolge(s, [&](int i, const TElement& e) {
        if (e.Farbe != letzteFarbe) {
            ziel.Farbe(e.Farbe);
            letzteFarbe = e.Farbe;
        }
        switch (e.Art) {
        case Linie:
            if (breite(e.Breite)) ziel.Strich(punkt(e.x1, e.y1), punkt(e.x2, e.y2));
            break;
        case Pfeilspitze:
            if (i < s.Anzahl() && s[i + 1].Art == Pfeilspitze && !Breitenname(e.Breite).empty())
                ziel.Dreieck(punkt(e.x1, e.y1), punkt(e.x2, e.y2), punkt(s[i + 1].x1, s[i + 1].y1));
            break;
        case Kreis:
            if (breite(e.Breite)) ziel.Kreis(punkt(e.x1, e.y1), e.Durchmesser * k * 0.5, e.gefuellt);
            break;
        case Text:
            ziel.Textelement(e);
            break;
        default:
            break;
        }
    });
}

} // namespace vektra
