#pragma once
// The large drawing the export and render benchmarks share.
#include "Stumm.h"
#include "model/Zeichnung.h"

#include <string>

namespace bench {

using namespace vektra;

// 32000 elements: lines of every class in runs, arrowheads, open and filled circles and texts, in several
// colours, in the mixed order a drawing session leaves them.
inline const Zeichnung& Grosse() {
    static const Zeichnung z = [] {
        Zeichnung d;
        for (int i = 0; i < MaxElemente; ++i) {
            TElement& e = *d.Elemente.NeuesElement();
            const double x = (i * 37) % 400 + 0.25, y = (i * 53) % 300 + 0.5;
            e.Farbe = (i / 50) % 4 == 0 ? 0 : 0x0000FF << (8 * ((i / 50) % 3));
            e.Breite = static_cast<std::int16_t>((i / 20) % 4 - 1);
            e.x1 = x;
            e.y1 = y;
            switch (i % 10) {
            case 7:
                e.Art = Kreis;
                e.Ebene = EbeneKreis;
                e.Durchmesser = 1 + i % 9;
                e.gefuellt = i % 20 == 7;
                break;
            case 8:
                e.Art = Text;
                e.Ebene = EbeneText;
                e.TextSetzen("Text $x_{" + std::to_string(i) + "}$");
                break;
            default:
                e.Art = i % 10 >= 5 ? Pfeilspitze : Linie;
                e.Ebene = EbeneLinie;
                e.x2 = x + 3;
                e.y2 = y + 2;
            }
        }
        return d;
    }();
    return z;
}

} // namespace bench
