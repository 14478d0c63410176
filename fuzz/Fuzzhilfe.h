#pragma once
// What every fuzz target shares: a check that stops the run where a property is broken, a
// recorder for the messages a reader gives, and the fields of the model as comparable values.
#include "files/VektraLesen.h"
#include "model/Zeichnung.h"
#include "text/Meldungen.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace fuzzhilfe {

// Names the broken property and stops, so libFuzzer keeps the input that broke it.
[[noreturn]] inline void Verletzt(const char* bedingung, const char* datei, int zeile) {
    std::fprintf(stderr, "%s:%d: verletzt: %s\n", datei, zeile, bedingung);
    std::fflush(stderr);
    __builtin_trap();
}

#define PRUEFEN(bedingung) ((bedingung) ? void() : ::fuzzhilfe::Verletzt(#bedingung, __FILE__, __LINE__))

struct Meldung {
    vektra::Meldungsart art;
    std::string text;
    int zeile;
};

// Records every message; every question is answered with yes.
class Protokoll : public vektra::Meldungen {
  public:
    std::vector<Meldung> liste;
    void Melden(vektra::Meldungsart art, const std::string& text, int zeile) override {
        liste.push_back({art, text, zeile});
    }
    vektra::Antwort Fragen(vektra::Meldungsart art, const std::string& text, vektra::Knoepfe) override {
        Melden(art, text, 0);
        return vektra::Antwort::Ja;
    }
    int Anzahl(vektra::Meldungsart art) const {
        int n = 0;
        for (const Meldung& m : liste)
            n += m.art == art;
        return n;
    }
};

inline std::string_view Text(const std::uint8_t* daten, std::size_t groesse) {
    return {reinterpret_cast<const char*>(daten), groesse};
}

// Makes a drawing kept between inputs equal to a new one again without giving up its stores'
// reserved room: under the sanitizers a new drawing with its two 32000-element reservations
// costs more than a whole run of a reader.
inline void Leeren(vektra::Zeichnung& z) {
    static const auto* neu = new vektra::Zeichnung;
    vektra::Elementspeicher elemente = std::move(z.Elemente);
    vektra::Elementspeicher ablage = std::move(z.Ablage);
    elemente.AllesLoeschen();
    ablage.AllesLoeschen();
    z = *neu;
    z.Elemente = std::move(elemente);
    z.Ablage = std::move(ablage);
}

// A number by its bits, so that a NaN read from a file equals itself.
inline std::uint64_t Bits(double d) {
    return std::bit_cast<std::uint64_t>(d);
}

inline auto Felder(const vektra::TElement& e) {
    return std::tuple(e.Art, e.gepickt, e.Kandidat, e.geloescht, e.Farbe, e.Ebene, Bits(e.x1), Bits(e.y1),
                      Bits(e.x2), Bits(e.y2), Bits(e.Durchmesser), e.gefuellt, e.Breite, e.Ausrichtung,
                      e.Text);
}

inline auto Felder(const vektra::Dialogwerte& d) {
    return std::tie(d.Unitlength, d.TeXBreite, d.PixelBreiteDialog, d.Startschritt, d.Schrittfaktor,
                    d.Clipaktiv, d.ClipLinks, d.ClipRechts, d.ClipOben, d.ClipUnten, d.x_off, d.y_off);
}

inline bool Gleich(const vektra::Elementspeicher& a, const vektra::Elementspeicher& b) {
    if (a.Anzahl() != b.Anzahl()) return false;
    for (int i = 1; i <= a.Anzahl(); ++i)
        if (Felder(a[i]) != Felder(b[i])) return false;
    return true;
}

// A reader's second run, into a store with room for `Luecke` elements, after its run into the
// empty drawing `leer` gave `e1`: the same first elements, and "full" exactly when they do not all
// fit. `lesen(z, m)` reads the input into z; the store is left as it was for the next input.
constexpr int Luecke = 4;
template <class Lesen>
vektra::Importergebnis FastVollLesen(const vektra::Zeichnung& leer, const vektra::Importergebnis& e1,
                                     Lesen lesen) {
    static vektra::Zeichnung* const fast = [] {
        auto* neu = new vektra::Zeichnung;
        while (neu->Elemente.Anzahl() < vektra::MaxElemente - Luecke)
            neu->Elemente.NeuesElement();
        return neu;
    }();
    const int vorher = fast->Elemente.Anzahl();
    Protokoll m;
    const vektra::Importergebnis e2 = lesen(*fast, m);
    PRUEFEN(e2.voll == (e1.neueElemente > Luecke) && e2.neueElemente == std::min(e1.neueElemente, Luecke));
    for (int i = 1; i <= e2.neueElemente; ++i)
        PRUEFEN(Felder(fast->Elemente[vorher + i]) == Felder(leer.Elemente[i]));
    fast->Elemente.Kuerzen(vorher);
    fast->Dialog = vektra::Dialogwerte{};
    return e2;
}

} // namespace fuzzhilfe
