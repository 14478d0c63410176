#include "editing/Zeichnen.h"

#include "text/Format.h"
#include "text/Meldungen.h"
#include "text/Texte.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vektra {
namespace {

// A new element; the caller fills in the rest within its own edit.
TElement* Anlegen(Zeichnung& z, std::uint8_t art, std::int32_t ebene, double x, double y) {
    TElement* e = z.Elemente.NeuesElement();
    if (!e) return nullptr;
    e->Art = art;
    e->Ebene = ebene;
    e->Farbe = z.Kopf.aktuelleFarbe;
    e->Breite = z.aktuelleBreite;
    e->x1 = x;
    e->y1 = y;
    return e;
}

} // namespace

double Pfeilrichtung(double x1, double y1, double x2, double y2) {
    constexpr double pi = std::numbers::pi;
    if (x1 == x2) return y2 > y1 ? pi / 2 : -pi / 2;
    const double a = std::atan((y1 - y2) / (x1 - x2));
    return x2 < x1 ? a + pi : a;
}

std::array<Strich, 2> Pfeilspitzen(double x2, double y2, double a, double laenge, double winkel) {
    constexpr double pi = std::numbers::pi;
    return {{{x2, y2, x2 + laenge * std::cos(a + pi + winkel), y2 + laenge * std::sin(a + pi + winkel)},
             {x2 + laenge * std::cos(a + pi - winkel), y2 + laenge * std::sin(a + pi - winkel), x2, y2}}};
}

double Kreisradius(double dx, double dy, double grenze) {
    return std::min(std::max(std::fabs(dx), std::fabs(dy)), grenze);
}

TElement* LinieAnlegen(Zeichnung& z, double x1, double y1, double x2, double y2) {
    Bearbeitung b(z, Schrittart::Zeichnen);
    TElement* e = Anlegen(z, Linie, EbeneLinie, x1, y1);
    if (e) {
        e->x2 = x2;
        e->y2 = y2;
    }
    return e;
}

TElement* KreisAnlegen(Zeichnung& z, double x, double y, double durchmesser, bool gefuellt) {
    Bearbeitung b(z, Schrittart::Zeichnen);
    TElement* e = Anlegen(z, Kreis, EbeneKreis, x, y);
    if (e) {
        e->Durchmesser = durchmesser;
        e->gefuellt = gefuellt;
    }
    return e;
}

TElement* TextAnlegen(Zeichnung& z, double x, double y) {
    Bearbeitung b(z, Schrittart::Zeichnen);
    TElement* e = Anlegen(z, Text, EbeneText, x, y);
    if (e) e->Ausrichtung = "cc";
    return e;
}

bool PfeilspitzenAnlegen(Zeichnung& z, double x1, double y1, double x2, double y2, Meldungen& m) {
    if (z.Elemente.Frei() < 2) {
        SpeicherVollMelden(m);
        return false;
    }
    const double a = Pfeilrichtung(x1, y1, x2, y2);
    const auto striche = Pfeilspitzen(x2, y2, a, z.Kopf.Pfeillaenge, z.Kopf.Pfeilwinkel);
    // The arrow shape comes from the settings, which take any number.
    for (const Strich& s : striche)
        if (!LageZulaessig(s.x1) || !LageZulaessig(s.y1) || !LageZulaessig(s.x2) || !LageZulaessig(s.y2)) {
            m.Melden(Meldungsart::Fehler,
                     Formatieren(T("v.PfeilZuWeit"), {static_cast<long long>(Lagegrenze)}));
            return false;
        }
    Bearbeitung b(z, Schrittart::Zeichnen);
    for (const Strich& s : striche) {
        TElement* e = Anlegen(z, Pfeilspitze, EbeneLinie, s.x1, s.y1);
        e->x2 = s.x2;
        e->y2 = s.y2;
        e->gepickt = true;
    }
    return true;
}

void SpeicherVollMelden(Meldungen& m) {
    m.Melden(Meldungsart::Fehler, T("v.SpeicherVoll"));
}

} // namespace vektra
