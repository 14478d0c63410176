#include "files/PsExport.h"

#include "files/Dateinamen.h"
#include "files/ExportGemeinsam.h"
#include "files/PsGrafik.h"

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

std::string Punkt(Grafikpunkt p) {
    return F52(p.x) + " " + F52(p.y);
}

// Writes the steps of the graphic as PostScript, and the texts into the wrapper.
class PsSchreiber : public Grafikziel {
  public:
    PsSchreiber(std::ostream& ps, std::ostream& treiber, Textkodierung kodierung)
        : ps_(ps), treiber_(treiber), kodierung_(kodierung) {}

    void Farbe(std::int32_t farbe) override {
        const Farbanteile f = FarbeZerlegen(farbe);
        Zeile(ps_, f.rot + " " + f.gruen + " " + f.blau + " setrgbcolor");
    }
    void Breite(int klasse) override { Zeile(ps_, Breitenname(klasse)); }
    void Strich(Grafikpunkt a, Grafikpunkt b) override {
        Zeile(ps_, Punkt(a) + " moveto");
        Zeile(ps_, Punkt(b) + " lineto");
        Zeile(ps_, "stroke");
    }
    void Dreieck(Grafikpunkt a, Grafikpunkt b, Grafikpunkt c) override {
        Zeile(ps_, Punkt(a) + " moveto");
        Zeile(ps_, Punkt(b) + " lineto");
        Zeile(ps_, Punkt(c) + " lineto");
        Zeile(ps_, "closepath");
        Zeile(ps_, "fill");
    }
    void Kreis(Grafikpunkt mitte, double radius, bool gefuellt) override {
        Zeile(ps_, Punkt(mitte) + " " + F52(radius) + " 0 360 arc");
        Zeile(ps_, gefuellt ? "fill" : "stroke");
    }
    void Textelement(const TElement& e) override { Zeile(treiber_, Textzeile(e, kodierung_)); }

  private:
    std::ostream& ps_;
    std::ostream& treiber_;
    Textkodierung kodierung_;
};

// Writes both files for a drawing whose preparation has succeeded.
void PsSchreiben(const Zeichnung& z, const Exportmass& mass, std::ostream& ps, std::ostream& treiber,
                 std::string_view grundname, Textkodierung kodierung) {
    PsKopf(z, ps);
    TreiberKopf(z, mass, grundname, treiber);
    PsSchreiber schreiber(ps, treiber, kodierung);
    PsGrafikDurchlaufen(z, mass.k, schreiber);
    Zeile(treiber, "\\end{picture}");
}

} // namespace

bool PsExportieren(const Zeichnung& z, std::ostream& ps, std::ostream& treiber, std::string_view grundname,
                   Meldungen& m, Textkodierung kodierung) {
    Exportmass mass;
    if (!ExportVorbereiten(z, mass, m) || !TeXBreitenPruefen(z, false, m)) return false;
    PsSchreiben(z, mass, ps, treiber, grundname, kodierung);
    return true;
}

bool PsExportDatei(const Zeichnung& z, const std::string& treiberpfad, Meldungen& m, Grafikbeilage* beilage,
                   Textkodierung kodierung) {
    Exportmass mass;
    if (!ExportVorbereiten(z, mass, m) || !TeXBreitenPruefen(z, false, m)) return false;
    std::ostringstream ps, treiber;
    PsSchreiben(z, mass, ps, treiber, Grundname(treiberpfad), kodierung);
    if (!InhaltSchreiben(ErweiterungErsetzen(treiberpfad, ".ps"), ps.str(), m)) return false;
    if (beilage) {
        const std::string pfad = ErweiterungErsetzen(treiberpfad, beilage->endung);
        std::string daten, fehler;
        if (!beilage->machen(z, mass, daten, fehler))
            m.Melden(Meldungsart::Fehler, pfad + ": " + fehler);
        else
            beilage->geschrieben = InhaltSchreiben(pfad, daten, m);
    }
    return InhaltSchreiben(treiberpfad, treiber.str(), m);
}

} // namespace vektra
