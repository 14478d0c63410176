#include "editing/Aendern.h"

#include <algorithm>

namespace vektra {

bool Umfaerben(Zeichnung& z, std::int32_t farbe) {
    const Elementspeicher& s = z.Elemente;
    Bearbeitung b(z, Schrittart::Farbe);
    bool geaendert = false;
    for (int i = 1; i <= s.Anzahl(); ++i) {
        if (!s[i].gepickt || s[i].Farbe == farbe) continue;
        b.Aendern(i).Farbe = farbe;
        geaendert = true;
    }
    return geaendert;
}

bool BreiteAendern(Zeichnung& z, int klasse) {
    if (klasse < -1 || klasse > 2) return false;
    const Elementspeicher& s = z.Elemente;
    Bearbeitung b(z, Schrittart::Breite);
    bool geaendert = false;
    for (int i = 1; i <= s.Anzahl(); ++i) {
        const TElement& e = s[i];
        if (!e.gepickt || !(e.istStrich() || e.Art == Kreis) || e.Breite == klasse || e.Breite == -1)
            continue;
        b.Aendern(i).Breite = static_cast<std::int16_t>(klasse);
        geaendert = true;
    }
    return geaendert;
}

bool TextAendern(Zeichnung& z, int i, double x, double y, std::string_view text,
                 std::string_view ausrichtung) {
    const TElement& alt = z.Elemente[i];
    const std::string_view neu = text.substr(0, MaxTextLaenge);
    if (alt.x1 == x && alt.y1 == y && alt.Text == neu &&
        (ausrichtung.empty() || alt.Ausrichtung == ausrichtung))
        return false;
    Bearbeitung b(z, Schrittart::Text);
    TElement& e = b.Aendern(i);
    e.x1 = x;
    e.y1 = y;
    e.TextSetzen(neu);
    if (!ausrichtung.empty()) e.Ausrichtung = ausrichtung;
    return true;
}

int NaechsterText(const Elementspeicher& s, double x, double y, const Textboxen* boxen) {
    double bester = 100000000.0; // squared: 10000 units
    int gefunden = 0;
    for (int i = 1; i <= s.Anzahl(); ++i) {
        const TElement& e = s[i];
        if (e.Art != Text) continue;
        double dx = e.x1 - x, dy = e.y1 - y;
        if (const auto b = boxen ? boxen->Box(e) : std::nullopt) {
            // Inside the box the distance is 0, beside it the distance to its nearest edge.
            dx = std::max({e.x1 + b->links - x, 0.0, x - e.x1 - b->rechts});
            dy = std::max({e.y1 + b->unten - y, 0.0, y - e.y1 - b->oben});
        }
        const double d = dx * dx + dy * dy;
        if (d < bester) {
            bester = d;
            gefunden = i;
        }
    }
    return gefunden;
}

} // namespace vektra
