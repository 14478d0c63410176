#include "files/PsExport.h"

#include "files/Dateinamen.h"
#include "files/ExportGemeinsam.h"

#include <sstream>

namespace vektra {

namespace {

void PsKopf(const Zeichnung& z, std::ostream& ps) {
    const auto& tex = z.Dialog.TeXBreite;
    Zeile(ps, "%!PS-Adobe-2.0");
    Zeile(ps, "%%Creator: Vektra32 V." + Programmversion());
    Zeile(ps, "/dick {" + tex[3] + " setlinewidth} def");
    Zeile(ps, "/normal {" + tex[2] + " setlinewidth} def");
    Zeile(ps, "/duenn {" + tex[1] + " setlinewidth} def");
    Zeile(ps, "normal");
}

void TreiberKopf(const Zeichnung& z, const Exportmass& mass, std::string_view grundname,
                 std::ostream& treiber) {
    const std::string name(grundname);
    Zeile(treiber, "%%Vektra32 V. " + Programmversion());
    Zeile(treiber, "\\unitlength " + z.Dialog.Unitlength + "mm");
    Zeile(treiber, "\\begin{picture}(" + F52(mass.W) + "," + F52(mass.H) + ")");
    Zeile(treiber, "\\ifpdf");
    Zeile(treiber, "\\put(0,0){\\includegraphics{" + name + ".pdf}}");
    Zeile(treiber, "\\else");
    Zeile(treiber, "\\put(0,0){\\special{psfile=" + name + ".ps}}");
    Zeile(treiber, "\\fi");
}

std::string Punkt(double x, double y, double k) {
    return F52(x * k) + " " + F52(y * k);
}

} // namespace

bool PsExportieren(const Zeichnung& z, std::ostream& ps, std::ostream& treiber, std::string_view grundname,
                   Meldungen& m) {
    Exportmass mass;
    if (!ExportVorbereiten(z, mass, m)) return false;
    const double k = mass.k;
    PsKopf(z, ps);
    TreiberKopf(z, mass, grundname, treiber);

    const Elementspeicher& s = z.Elemente;
    std::int32_t letzteFarbe = 0;
    int letzteBreite = -2;
    // Calls the width procedure when the class changes; false for a class without width (the
    // invisible class), whose lines, arrowheads and circles are left out.
    const auto breite = [&](int klasse) {
        const std::string_view name = Breitenname(klasse);
        if (name.empty()) return false;
        if (klasse != letzteBreite) {
            Zeile(ps, name);
            letzteBreite = klasse;
        }
        return true;
    };
    InEbenenFolge(s, [&](int i, const TElement& e) {
        if (e.Farbe != letzteFarbe) {
            const Farbanteile f = FarbeZerlegen(e.Farbe);
            Zeile(ps, f.rot + " " + f.gruen + " " + f.blau + " setrgbcolor");
            letzteFarbe = e.Farbe;
        }
        switch (e.Art) {
        case Linie:
            if (breite(e.Breite)) {
                Zeile(ps, Punkt(e.x1, e.y1, k) + " moveto");
                Zeile(ps, Punkt(e.x2, e.y2, k) + " lineto");
                Zeile(ps, "stroke");
            }
            break;
        case Pfeilspitze:
            // An arrowhead is stored as two strokes, tip to one wing and other wing to tip; the
            // first of the pair fills the triangle, the second adds nothing.
            if (i < s.Anzahl() && s[i + 1].Art == Pfeilspitze && !Breitenname(e.Breite).empty()) {
                const TElement& n = s[i + 1];
                Zeile(ps, Punkt(e.x1, e.y1, k) + " moveto");
                Zeile(ps, Punkt(e.x2, e.y2, k) + " lineto");
                Zeile(ps, Punkt(n.x1, n.y1, k) + " lineto");
                Zeile(ps, "closepath");
                Zeile(ps, "fill");
            }
            break;
        case Kreis:
            if (breite(e.Breite)) {
                Zeile(ps, Punkt(e.x1, e.y1, k) + " " + F52(e.Durchmesser * k * 0.5) + " 0 360 arc");
                Zeile(ps, e.gefuellt ? "fill" : "stroke");
            }
            break;
        case Text:
            Zeile(treiber, Textzeile(e));
            break;
        default:
            break;
        }
    });
    Zeile(treiber, "\\end{picture}");
    return true;
}

bool PsExportDatei(const Zeichnung& z, const std::string& treiberpfad, Meldungen& m) {
    std::ostringstream ps, treiber;
    if (!PsExportieren(z, ps, treiber, Grundname(treiberpfad), m)) return false;
    return InhaltSchreiben(ErweiterungErsetzen(treiberpfad, ".ps"), ps.str(), m) &&
           InhaltSchreiben(treiberpfad, treiber.str(), m);
}

} // namespace vektra
