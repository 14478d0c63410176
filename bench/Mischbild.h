#pragma once
// The mixed drawing the window benchmarks paint: three lines to one circle to one text, in
// random colours and widths, spread over a surface of 1600 x 1000 pixels at zoom level 4.
#include "model/Zeichnung.h"

#include <random>
#include <string>

namespace bench {

constexpr int Bildbreite = 1600, Bildhoehe = 1000;

// The first `anzahl` elements of the same sequence, so a smaller drawing is a part of the full one.
inline void MischbildFuellen(vektra::Zeichnung& doc, int anzahl = vektra::MaxElemente) {
    std::mt19937 zufall(4711);
    std::uniform_real_distribution<double> x(0, 175), y(0, 108), d(0.5, 12);
    std::uniform_int_distribution<int> klasse(0, 2), farbe(0, 0xFFFFFF);
    for (int i = 0; i < anzahl; ++i) {
        vektra::TElement& e = *doc.Elemente.NeuesElement();
        e.Farbe = farbe(zufall);
        e.x1 = x(zufall);
        e.y1 = y(zufall);
        switch (i % 5) {
        case 3:
            e.Art = vektra::Kreis;
            e.Ebene = vektra::EbeneKreis;
            e.Durchmesser = d(zufall);
            e.gefuellt = i % 2 == 0;
            e.Breite = static_cast<std::int16_t>(klasse(zufall));
            break;
        case 4:
            e.Art = vektra::Text;
            e.Ebene = vektra::EbeneText;
            e.TextSetzen("Gr\xF6\xDF"
                         "e " +
                         std::to_string(i));
            e.Ausrichtung = "cc";
            break;
        default:
            e.Art = vektra::Linie;
            e.Ebene = vektra::EbeneLinie;
            e.x2 = e.x1 + d(zufall);
            e.y2 = e.y1 + d(zufall) - 6;
            e.Breite = static_cast<std::int16_t>(klasse(zufall));
            break;
        }
    }
}

} // namespace bench
