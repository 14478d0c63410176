#include "files/LatexExport.h"

#include "files/ExportGemeinsam.h"

#include <sstream>

namespace vektra {

namespace {

void Kopf(const Zeichnung& z, const Exportmass& mass, std::ostream& aus) {
    const auto& tex = z.Dialog.TeXBreite;
    Zeile(aus, "%%Vektra32 V. " + Programmversion());
    Zeile(aus, "\\def\\dick{" + tex[3] + "pt}");
    Zeile(aus, "\\def\\normal{" + tex[2] + "pt}");
    Zeile(aus, "\\def\\duenn{" + tex[1] + "pt}");
    Zeile(aus, "\\unitlength " + z.Dialog.Unitlength + "mm");
    Zeile(aus, "\\def\\emline#1#2#3#4#5#6{%");
    Zeile(aus, "\\put(#1,#2){\\special{em:moveto}}%");
    Zeile(aus, "\\put(#4,#5){\\special{em:lineto}}}");
    Zeile(aus, "\\begin{picture}(" + F52(mass.W) + "," + F52(mass.H) + ")");
}

} // namespace

bool LatexExportieren(const Zeichnung& z, std::ostream& aus, Meldungen& m, Textkodierung kodierung) {
    Exportmass mass;
    if (!ExportVorbereiten(z, mass, m)) return false;
    Kopf(z, mass, aus);

    std::int32_t letzteFarbe = 0;
    int letzteBreite = -2;
    // Writes the width special when the class changes; false for a class without width (the
    // invisible class), whose lines and circles are left out.
    const auto breite = [&](int klasse) {
        const std::string_view name = Breitenname(klasse);
        if (name.empty()) return false;
        if (klasse != letzteBreite) {
            Zeile(aus, "\\special{em:linewidth \\" + std::string(name) + "}");
            letzteBreite = klasse;
        }
        return true;
    };
    InEbenenFolge(z.Elemente, [&](int, const TElement& e) {
        if (e.Farbe != letzteFarbe) {
            const Farbanteile f = FarbeZerlegen(e.Farbe);
            Zeile(aus, "\\color[rgb]{" + f.rot + "," + f.gruen + "," + f.blau + "}");
            letzteFarbe = e.Farbe;
        }
        switch (e.Art) {
        case Linie:
        case Pfeilspitze:
            if (breite(e.Breite))
                Zeile(aus, "\\emline{" + F52(e.x1) + "}{" + F52(e.y1) + "}{1}{" + F52(e.x2) + "}{" +
                               F52(e.y2) + "}{2}");
            break;
        case Kreis:
            if (breite(e.Breite))
                Zeile(aus, "\\put(" + F52(e.x1) + "," + F52(e.y1) + "){\\circle" + (e.gefuellt ? "*" : "") +
                               "{" + F52(e.Durchmesser) + "}}");
            break;
        case Text:
            Zeile(aus, Textzeile(e, kodierung));
            break;
        default:
            break;
        }
    });
    Zeile(aus, "\\end{picture}");
    return true;
}

bool LatexExportDatei(const Zeichnung& z, const std::string& pfad, Meldungen& m, Textkodierung kodierung) {
    std::ostringstream inhalt;
    if (!LatexExportieren(z, inhalt, m, kodierung)) return false;
    return InhaltSchreiben(pfad, inhalt.str(), m);
}

} // namespace vektra
