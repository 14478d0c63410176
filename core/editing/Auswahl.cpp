#include "editing/Auswahl.h"

#include <algorithm>
#include <cstdlib>

namespace vektra {
namespace {

bool PunktGetroffen(const Ansicht& a, double x, double y, int mx, int my, int p) {
    return std::abs(a.XNachPixel(x) - mx) < p && std::abs(a.YNachPixel(y) - my) < p;
}

bool PunktInFlaeche(double x, double y, const Pickflaeche& f) {
    return x >= f.xmin && x <= f.xmax && y >= f.ymin && y <= f.ymax;
}

std::optional<Textbox> BoxVon(const TElement& e, const Textboxen* boxen) {
    if (e.Art != Text || !boxen) return std::nullopt;
    return boxen->Box(e);
}

void KandidatenLoeschen(Elementspeicher& s) {
    for (TElement& e : s)
        e.Kandidat = false;
}

} // namespace

bool Getroffen(const TElement& e, const Ansicht& a, int mx, int my, int pickabstand, const Textboxen* boxen) {
    if (const auto b = BoxVon(e, boxen)) {
        const int rand = pickabstand - 1;
        return mx >= a.XNachPixel(e.x1 + b->links) - rand && mx <= a.XNachPixel(e.x1 + b->rechts) + rand &&
               my >= a.YNachPixel(e.y1 + b->oben) - rand && my <= a.YNachPixel(e.y1 + b->unten) + rand;
    }
    switch (e.Art) {
    case Linie:
    case Pfeilspitze:
        return PunktGetroffen(a, e.x1, e.y1, mx, my, pickabstand) ||
               PunktGetroffen(a, e.x2, e.y2, mx, my, pickabstand);
    case Kreis:
    case Text:
        return PunktGetroffen(a, e.x1, e.y1, mx, my, pickabstand);
    default:
        return false;
    }
}

int KandidatenSuchen(Elementspeicher& s, const Ansicht& a, int mx, int my, int pickabstand,
                     const Textboxen* boxen) {
    int zahl = 0;
    for (TElement& e : s) {
        e.Kandidat = !e.gepickt && !e.geloescht && Getroffen(e, a, mx, my, pickabstand, boxen);
        zahl += e.Kandidat;
    }
    return zahl;
}

int ErsterKandidat(const Elementspeicher& s) {
    const auto it = std::find_if(s.begin(), s.end(), [](const TElement& e) { return e.Kandidat; });
    return it == s.end() ? 0 : static_cast<int>(it - s.begin()) + 1;
}

int Kandidatenwahl::Klick(Elementspeicher& s, const Ansicht& a, int mx, int my, int pickabstand,
                          const Textboxen* boxen) {
    if (ignoriereKlick_) {
        ignoriereKlick_ = false;
        return 0;
    }
    if (s.Anzahl() == 0) return 0;
    kandidatenzahl_ = KandidatenSuchen(s, a, mx, my, pickabstand, boxen);
    aktuellerKandidat_ = ErsterKandidat(s);
    return kandidatenzahl_;
}

Kandidatenwahl::Schritt Kandidatenwahl::Annehmen(Elementspeicher& s) {
    Schritt schritt{.abgegeben = aktuellerKandidat_};
    if (aktuellerKandidat_ >= 1 && aktuellerKandidat_ <= s.Anzahl()) {
        TElement& e = s[aktuellerKandidat_];
        e.gepickt = schritt.gepickt = true;
        e.Kandidat = false;
        ignoriereKlick_ = true;
    }
    kandidatenzahl_ = 0;
    return Abschliessen(s, schritt);
}

Kandidatenwahl::Schritt Kandidatenwahl::Ablehnen(Elementspeicher& s) {
    Schritt schritt{.abgegeben = aktuellerKandidat_};
    if (aktuellerKandidat_ >= 1 && aktuellerKandidat_ <= s.Anzahl()) s[aktuellerKandidat_].Kandidat = false;
    aktuellerKandidat_ = kandidatenzahl_ > 1 ? ErsterKandidat(s) : 0;
    kandidatenzahl_ = aktuellerKandidat_ == 0 ? 0 : kandidatenzahl_ - 1;
    schritt.angeboten = aktuellerKandidat_;
    return Abschliessen(s, schritt);
}

Kandidatenwahl::Schritt Kandidatenwahl::Abschliessen(Elementspeicher& s, Schritt schritt) {
    if (kandidatenzahl_ == 0) {
        KandidatenLoeschen(s);
        aktuellerKandidat_ = 0;
        schritt.beendet = true;
    }
    return schritt;
}

Pickflaeche FlaecheAusPixeln(const Ansicht& a, int px1, int py1, int px2, int py2) {
    return {.xmin = a.PixelNachX(std::min(px1, px2)),
            .xmax = a.PixelNachX(std::max(px1, px2)),
            .ymin = a.PixelNachY(std::max(py1, py2)),
            .ymax = a.PixelNachY(std::min(py1, py2))};
}

bool InFlaeche(const TElement& e, const Pickflaeche& f, const Textboxen* boxen) {
    if (const auto b = BoxVon(e, boxen))
        return PunktInFlaeche(e.x1 + b->links, e.y1 + b->unten, f) &&
               PunktInFlaeche(e.x1 + b->rechts, e.y1 + b->oben, f);
    switch (e.Art) {
    case Linie:
    case Pfeilspitze:
        return PunktInFlaeche(e.x1, e.y1, f) && PunktInFlaeche(e.x2, e.y2, f);
    case Kreis: {
        const double d = e.Durchmesser;
        return e.x1 - d >= f.xmin && e.x1 + d <= f.xmax && e.y1 - d >= f.ymin && e.y1 + d <= f.ymax;
    }
    case Text:
        return PunktInFlaeche(e.x1, e.y1, f);
    default:
        return false;
    }
}

int FlaecheAuswaehlen(Elementspeicher& s, const Pickflaeche& f, const Textboxen* boxen) {
    if (f.xmin == f.xmax || f.ymin == f.ymax) return 0;
    int neu = 0;
    for (TElement& e : s) {
        if (e.gepickt || !InFlaeche(e, f, boxen)) continue;
        e.gepickt = true;
        ++neu;
    }
    return neu;
}

void AllesAuswaehlen(Elementspeicher& s) {
    for (TElement& e : s)
        e.gepickt = true;
}

bool AuswahlAufheben(Elementspeicher& s) {
    bool war = false;
    for (TElement& e : s) {
        war |= e.gepickt;
        e.gepickt = false;
    }
    return war;
}

} // namespace vektra
