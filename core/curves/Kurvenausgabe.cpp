// From chords to elements: clipping, the dash pattern, and the curve command over a range of n.
#include "curves/Kurve.h"

#include "model/Zeichnung.h"
#include "text/Format.h"
#include "text/Meldungen.h"
#include "text/Texte.h"

#include <algorithm>
#include <utility>

namespace vektra {
namespace {

// Clips coordinate a of the chord against `grenze`; b is the other coordinate. The inner side
// is a < grenze when `innenKleiner`, else a > grenze.
bool KanteClippen(double& a1, double& a2, double& b1, double& b2, double grenze, bool innenKleiner) {
    const bool innen1 = innenKleiner ? a1 < grenze : a1 > grenze;
    const bool innen2 = innenKleiner ? a2 < grenze : a2 > grenze;
    if (innen1 && innen2) return true;
    if (!innen1 && !innen2) return false;
    // One end strictly inside and the other not, so a1 != a2.
    const double b = b1 + (b2 - b1) * (grenze - a1) / (a2 - a1);
    if (innen1) {
        a2 = grenze;
        b2 = b;
    } else {
        a1 = grenze;
        b1 = b;
    }
    return true;
}

} // namespace

bool KurvenstueckClippen(Kurvenstueck& s, std::int32_t oben, std::int32_t unten, std::int32_t rechts,
                         std::int32_t links) {
    return KanteClippen(s.y1, s.y2, s.x1, s.x2, oben, true) &&
           KanteClippen(s.y1, s.y2, s.x1, s.x2, unten, false) &&
           KanteClippen(s.x1, s.x2, s.y1, s.y2, rechts, true) &&
           KanteClippen(s.x1, s.x2, s.y1, s.y2, links, false);
}

void Kurvenplotter::StueckeUmkehren() {
    std::reverse(stuecke_.begin(), stuecke_.end());
    for (Kurvenstueck& s : stuecke_) {
        std::swap(s.x1, s.x2);
        std::swap(s.y1, s.y2);
    }
}

int Kurvenplotter::NaechstePhase(const Phasenlaengen& phasen) {
    for (;;) {
        if (std::max(phasen[static_cast<std::size_t>(phase_ - 1)], 0) > zaehler_) {
            ++zaehler_;
            return phase_;
        }
        zaehler_ = 0;
        phase_ = phase_ % 4 + 1;
    }
}

Kurvenausgabe Kurvenplotter::KurveAusgeben(Zeichnung& z, const Phasenlaengen& phasen, Meldungen& m) {
    Kurvenausgabe aus;
    Bearbeitung b(z, Schrittart::Kurve);
    const auto& d = z.Dialog;
    // Four zero lengths would give no chord a phase: draw them all.
    const bool muster = std::any_of(phasen.begin(), phasen.end(), [](std::int32_t l) { return l > 0; });
    for (Kurvenstueck s : stuecke_) {
        if (d.Clipaktiv && !KurvenstueckClippen(s, d.ClipOben, d.ClipUnten, d.ClipRechts, d.ClipLinks))
            continue;
        TElement* e = z.Elemente.NeuesElement();
        if (!e) {
            m.Melden(Meldungsart::Fehler, T("v.KurveSpeicherVoll"));
            aus.SpeicherVoll = true;
            break;
        }
        e->Art = Linie;
        e->Ebene = EbeneLinie;
        e->Farbe = z.Kopf.aktuelleFarbe;
        e->x1 = s.x1;
        e->y1 = s.y1;
        e->x2 = s.x2;
        e->y2 = s.y2;
        e->Breite = z.aktuelleBreite;
        e->gepickt = true;
        e->Kandidat = false;
        e->geloescht = false;
        const int phase = muster ? NaechstePhase(phasen) : 1;
        if (phase == 2 || phase == 4) e->Breite = -1;
        ++aus.Elemente;
    }
    aus.NeuZeichnen = phasen[1] > 0 || phasen[3] > 0 || d.Clipaktiv;
    return aus;
}

bool KurvenbereichPruefen(std::int32_t n0, std::int32_t n1, Meldungen& m) {
    // In 64 bits the count cannot overflow, whatever the two ends.
    const long long anzahl = static_cast<long long>(n1) - n0 + 1;
    if (anzahl <= MaxKurven) return true;
    m.Melden(Meldungsart::Fehler,
             Formatieren(T("v.ZuVieleKurven"), {static_cast<long long>(n0), static_cast<long long>(n1),
                                                anzahl, static_cast<long long>(MaxKurven)}));
    return false;
}

Kurvenbefehl KurvenZeichnen(Kurvenplotter& k, Kurvenparameter& p, std::int32_t n0, std::int32_t n1,
                            const Phasenlaengen& phasen, Zeichnung& z, Meldungen& m) {
    Kurvenbefehl ende = Kurvenbefehl::Fertig;
    // The whole family is one step.
    Bearbeitung b(z, Schrittart::Kurve);
    if (!KurvenbereichPruefen(n0, n1, m)) ende = Kurvenbefehl::ZuVieleKurven;
    for (long long n = n0; ende == Kurvenbefehl::Fertig && n <= n1; ++n) {
        p.n = static_cast<std::int32_t>(n);
        k.KurveVorbereiten(p, m);
        if (p.Fehler) {
            ende = Kurvenbefehl::Formelfehler;
            break;
        }
        k.StueckeLeeren();
        if (k.KurveBerechnen(m) == Kurvenende::Rechenfehler) {
            ende = Kurvenbefehl::Rechenfehler;
            break;
        }
        if (k.Rueckwaerts) k.StueckeUmkehren();
        k.MusterZuruecksetzen();
        if (k.KurveAusgeben(z, phasen, m).SpeicherVoll) {
            ende = Kurvenbefehl::SpeicherVoll;
            break;
        }
    }
    k.VersatzX = 0;
    k.VersatzY = 0;
    return ende;
}

} // namespace vektra
