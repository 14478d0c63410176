#include "files/Textlage.h"

#include "files/ExportGemeinsam.h"

namespace vektra {

Boxlage BoxlageVon(std::string_view ausrichtung) {
    const auto hat = [ausrichtung](char c) { return ausrichtung.find(c) != std::string_view::npos; };
    Boxlage lage;
    if (hat('l') || hat('s'))
        lage.waagrecht = Waagrecht::Links;
    else if (hat('r'))
        lage.waagrecht = Waagrecht::Rechts;
    if (hat('t'))
        lage.senkrecht = Senkrecht::Oben;
    else if (hat('b'))
        lage.senkrecht = Senkrecht::Unten;
    return lage;
}

Grundlinie GrundlinieVon(std::string_view ausrichtung, double breite, double hoehe, double tiefe) {
    const Boxlage lage = BoxlageVon(ausrichtung);
    Grundlinie g;
    switch (lage.waagrecht) {
    case Waagrecht::Links:
        break;
    case Waagrecht::Mitte:
        g.x = -breite / 2;
        break;
    case Waagrecht::Rechts:
        g.x = -breite;
        break;
    }
    // \makebox(0,0) stacks the text in a box of no height: glue above, below or on both sides.
    switch (lage.senkrecht) {
    case Senkrecht::Oben:
        g.y = -hoehe;
        break;
    case Senkrecht::Mitte:
        g.y = (tiefe - hoehe) / 2;
        break;
    case Senkrecht::Unten:
        g.y = tiefe;
        break;
    }
    return g;
}

Textbox TextboxVon(std::string_view ausrichtung, double breite, double hoehe, double tiefe) {
    const Grundlinie g = GrundlinieVon(ausrichtung, breite, hoehe, tiefe);
    return {.links = g.x, .unten = g.y - tiefe, .rechts = g.x + breite, .oben = g.y + hoehe};
}

std::optional<double> PunkteJeEinheit(const std::string& unitlength) {
    double mm = 0;
    if (!TeXLaengeLesen(unitlength, TeXMillimeter, false, mm) || !(mm > 0)) return std::nullopt;
    return mm * TeXMillimeter;
}

} // namespace vektra
