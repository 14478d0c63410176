#include "editing/Transformieren.h"

#include "text/Format.h"
#include "text/Texte.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

namespace vektra {
namespace {

bool Zulaessig(double v) {
    return std::isfinite(v) && std::abs(v) <= Koordinatengrenze;
}

bool Endlich(std::initializer_list<double> werte) {
    return std::all_of(werte.begin(), werte.end(), [](double v) { return std::isfinite(v); });
}

// Maps the defining points of every picked element with `punkt` and the circle diameters with
// `durchmesser`. All results are checked before the first element changes, so a refusal leaves
// the drawing as it was. `grenze` tells whether a new value is acceptable; a value that stays as
// it was always is, so an element read from a file with an absurd value does not block the rest.
template <class Punkt, class Durchmesser, class Grenze>
bool Abbilden(Zeichnung& z, Schrittart art, Punkt punkt, Durchmesser durchmesser, Grenze grenze) {
    const Elementspeicher& s = z.Elemente;
    const auto wert = [&](double alt, double neu) { return neu == alt || grenze(neu); };
    const auto pruefen = [&](double x, double y) {
        const auto [nx, ny] = punkt(x, y);
        return wert(x, nx) && wert(y, ny);
    };
    for (const TElement& e : s) {
        if (!e.gepickt) continue;
        if (e.istStrich() && !(pruefen(e.x1, e.y1) && pruefen(e.x2, e.y2))) return false;
        if (e.Art == Kreis && !(pruefen(e.x1, e.y1) && wert(e.Durchmesser, durchmesser(e)))) return false;
        if (e.Art == Text && !pruefen(e.x1, e.y1)) return false;
    }
    Bearbeitung b(z, art);
    for (int i = 1; i <= s.Anzahl(); ++i) {
        if (!s[i].gepickt) continue;
        TElement& e = b.Aendern(i);
        if (e.istStrich()) {
            std::tie(e.x1, e.y1) = punkt(e.x1, e.y1);
            std::tie(e.x2, e.y2) = punkt(e.x2, e.y2);
        } else if (e.Art == Kreis) {
            e.Durchmesser = durchmesser(e);
            std::tie(e.x1, e.y1) = punkt(e.x1, e.y1);
        } else if (e.Art == Text) {
            std::tie(e.x1, e.y1) = punkt(e.x1, e.y1);
        }
    }
    return true;
}

bool Verweigern(Meldungen& m, const char* schluessel) {
    m.Melden(Meldungsart::Warnung, Formatieren(T(schluessel), {static_cast<long long>(Koordinatengrenze)}));
    return false;
}

} // namespace

bool Verschieben(Zeichnung& z, double dx, double dy) {
    if (!Endlich({dx, dy})) return false;
    return Abbilden(
        z, Schrittart::Verschieben, [=](double x, double y) { return std::pair(x + dx, y + dy); },
        [](const TElement& e) { return e.Durchmesser; }, LageZulaessig);
}

bool Skalieren(Zeichnung& z, double cx, double cy, double fx, double fy, Meldungen& m) {
    if (!Endlich({cx, cy, fx, fy})) return Verweigern(m, "v.Umformen.KeineZahl");
    const auto punkt = [=](double x, double y) { return std::pair(cx + (x - cx) * fx, cy + (y - cy) * fy); };
    const auto durchmesser = [=](const TElement& e) {
        const double d = e.Durchmesser * std::abs(fx);
        return e.gefuellt ? std::min(d, std::max(e.Durchmesser, GroessterFuellkreis)) : d;
    };
    return Abbilden(z, Schrittart::Skalieren, punkt, durchmesser, Zulaessig) ||
           Verweigern(m, "v.Umformen.ZuGross");
}

bool Drehen(Zeichnung& z, double cx, double cy, double winkel, Meldungen& m) {
    if (!Endlich({cx, cy, winkel})) return Verweigern(m, "v.Umformen.KeineZahl");
    const double c = std::cos(winkel), si = std::sin(winkel);
    const auto punkt = [=](double x, double y) {
        return std::pair(cx + (x - cx) * c - (y - cy) * si, cy + (x - cx) * si + (y - cy) * c);
    };
    return Abbilden(
               z, Schrittart::Drehen, punkt, [](const TElement& e) { return e.Durchmesser; }, Zulaessig) ||
           Verweigern(m, "v.Umformen.ZuGross");
}

} // namespace vektra
