#include "files/LatexExport.h"

#include "files/ExportGemeinsam.h"

namespace vektra {

namespace {

constexpr Zeilenende Ende;

void Kopf(const Zeichnung& z, const Exportmass& mass, Zeilenpuffer& aus) {
    const auto& tex = z.Dialog.TeXBreite;
    aus << "%%Vektra32 V. " << Programmversion() << Ende;
    aus << "\\def\\dick{" << tex[3] << "pt}" << Ende;
    aus << "\\def\\normal{" << tex[2] << "pt}" << Ende;
    aus << "\\def\\duenn{" << tex[1] << "pt}" << Ende;
    aus << "\\unitlength " << z.Dialog.Unitlength << "mm" << Ende;
    aus << "\\def\\emline#1#2#3#4#5#6{%" << Ende;
    aus << "\\put(#1,#2){\\special{em:moveto}}%" << Ende;
    aus << "\\put(#4,#5){\\special{em:lineto}}}" << Ende;
    aus << "\\begin{picture}(" << Zahl52{mass.W} << "," << Zahl52{mass.H} << ")" << Ende;
}

// The picture code of a drawing whose preparation has succeeded.
void Schreiben(const Zeichnung& z, const Exportmass& mass, std::ostream& ziel, Textkodierung kodierung) {
    Zeilenpuffer aus(ziel);
    Kopf(z, mass, aus);

    std::int32_t letzteFarbe = 0;
    int letzteBreite = -2;
    // Writes the width special when the class changes; false for a class without width (the
    // invisible class), whose lines and circles are left out.
    const auto breite = [&](int klasse) {
        const std::string_view name = Breitenname(klasse);
        if (name.empty()) return false;
        if (klasse != letzteBreite) {
            aus << "\\special{em:linewidth \\" << name << "}" << Ende;
            letzteBreite = klasse;
        }
        return true;
    };
    std::string text;
    InEbenenFolge(z.Elemente, [&](int, const TElement& e) {
        if (e.Farbe != letzteFarbe) {
            const Farbanteile f = FarbeZerlegen(e.Farbe);
            aus << "\\color[rgb]{" << f.rot << "," << f.gruen << "," << f.blau << "}" << Ende;
            letzteFarbe = e.Farbe;
        }
        switch (e.Art) {
        case Linie:
        case Pfeilspitze:
            if (breite(e.Breite))
                aus << "\\emline{" << Zahl52{e.x1} << "}{" << Zahl52{e.y1} << "}{1}{" << Zahl52{e.x2} << "}{"
                    << Zahl52{e.y2} << "}{2}" << Ende;
            break;
        case Kreis:
            if (breite(e.Breite))
                aus << "\\put(" << Zahl52{e.x1} << "," << Zahl52{e.y1} << "){\\circle"
                    << (e.gefuellt ? "*" : "") << "{" << Zahl52{e.Durchmesser} << "}}" << Ende;
            break;
        case Text:
            text.clear();
            TextzeileAnhaengen(text, e, kodierung);
            aus << text << Ende;
            break;
        default:
            break;
        }
    });
    aus << "\\end{picture}" << Ende;
}

} // namespace

bool LatexExportieren(const Zeichnung& z, std::ostream& aus, Meldungen& m, Textkodierung kodierung) {
    Exportmass mass;
    if (!ExportVorbereiten(z, mass, m) || !TeXBreitenPruefen(z, true, m)) return false;
    Schreiben(z, mass, aus, kodierung);
    return true;
}

bool LatexExportDatei(const Zeichnung& z, const std::string& pfad, Meldungen& m, Textkodierung kodierung) {
    Exportmass mass;
    if (!ExportVorbereiten(z, mass, m) || !TeXBreitenPruefen(z, true, m)) return false;
    return InhaltSchreiben(
        pfad, [&](std::ostream& aus) { Schreiben(z, mass, aus, kodierung); }, m);
}

} // namespace vektra
