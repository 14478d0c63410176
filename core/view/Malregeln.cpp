#include "view/Malregeln.h"

#include "text/Format.h"

namespace vektra {

std::int32_t Bildfarbe(const TElement& e, bool auswahlZeigen) {
    if (e.istStrich() && Breitenklasse(e.Breite) == -1) return UnsichtbarFarbe;
    if (auswahlZeigen && e.Kandidat) return KandidatFarbe;
    if (auswahlZeigen && e.gepickt) return GepicktFarbe;
    return e.Farbe;
}

int Bildbreite(const Kopfsatz& kopf, int klasse) {
    return kopf.PixelBreiteVon(Breitenklasse(klasse));
}

double Ausrichtungsfaktor(char c) {
    if (c == 'b' || c == 'r') return 1.0;
    if (c == 'l' || c == 't') return 0.0;
    return 0.5;
}

Textversatz TextversatzFuer(std::string_view ausrichtung, double breite, double hoehe) {
    const char senkrecht = ausrichtung.size() > 0 ? ausrichtung[0] : 'c';
    const char waagrecht = ausrichtung.size() > 1 ? ausrichtung[1] : 'c';
    return {Runden(breite * Ausrichtungsfaktor(waagrecht)), Runden(hoehe * Ausrichtungsfaktor(senkrecht))};
}

} // namespace vektra
