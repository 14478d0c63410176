#include "files/TikzExport.h"

#include "text/Cp1252.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace vektra {

namespace {

constexpr Zeilenende Ende;

// Segments of a path on one line of the file, and the most segments one path takes: TeX builds a
// path in time that grows with the square of its length, so a longer one goes on in a new one.
constexpr int StueckeJeZeile = 6;
constexpr int MaxPfadstuecke = 4000;

// A coordinate as the file writes it, two decimals: where two ends meet in the file.
double Gerundet(double v) {
    return std::nearbyint(v * 100);
}

std::int32_t Farbwert(std::int32_t farbe) {
    return farbe & 0xFFFFFF;
}

// "vkRRGGBB", the name the picture gives a colour.
std::string Farbname(std::int32_t farbe) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string name = "vk";
    for (const int schieben : {0, 8, 16}) {
        const unsigned byte = (static_cast<std::uint32_t>(farbe) >> schieben) & 0xFFu;
        name += hex[byte >> 4];
        name += hex[byte & 0xF];
    }
    return name;
}

bool Geschrieben(const TElement& e) {
    return e.Art == Text || ((e.istStrich() || e.Art == Kreis) && !Breitenname(e.Breite).empty());
}

std::string_view Anker(const TElement& e) {
    static constexpr std::array<std::string_view, 9> namen{
        "north west", "north", "north east", "west", "", "east", "south west", "south", "south east"};
    const Boxlage lage = BoxlageVon(e.Ausrichtung);
    return namen[static_cast<std::size_t>(lage.senkrecht) * 3 + static_cast<std::size_t>(lage.waagrecht)];
}

// The base name of the drawing's file, for the comment line; characters that would end the
// comment become "?".
std::string Zeichnungsname(const std::string& pfad) {
    const std::size_t trenner = pfad.find_last_of("/\\");
    std::string name = pfad.substr(trenner == std::string::npos ? 0 : trenner + 1);
    for (char& c : name)
        if (static_cast<unsigned char>(c) < 0x20) c = '?';
    return name;
}

class Schreiber {
  public:
    Schreiber(const Zeichnung& z, const Exportmass& mass, std::ostream& ziel, const Tikzoptionen& o)
        : z_(z), mass_(mass), aus_(ziel), o_(o) {}

    void Schreiben() {
        aus_ << "% Vektra32 V. " << Programmversion();
        if (!z_.Dateiname.empty()) aus_ << ": " << Zeichnungsname(z_.Dateiname);
        aus_ << Ende;
        if (o_.eigenstaendig) {
            aus_ << "\\documentclass[border=0pt]{standalone}" << Ende << "\\usepackage{tikz}" << Ende;
            if (o_.kodierung == Textkodierung::Cp1252) aus_ << "\\usepackage[cp1252]{inputenc}" << Ende;
            aus_ << "\\begin{document}" << Ende;
        }
        Kopf();
        InEbenenFolge(z_.Elemente, [this](int, const TElement& e) {
            if (Geschrieben(e)) Element(e);
        });
        PfadBeenden();
        aus_ << "\\end{tikzpicture}" << Ende;
        if (o_.eigenstaendig) aus_ << "\\end{document}" << Ende;
    }

  private:
    void Kopf() {
        double u = 0;
        TeXLaengeLesen(z_.Dialog.Unitlength, TeXMillimeter, false, u);
        aus_ << "\\begin{tikzpicture}[x=" << KurzeZahl{u, 6} << "mm,y=" << KurzeZahl{u, 6}
             << "mm,line cap=round,line join=round," << Ende;
        aus_ << " ";
        for (int klasse = 0; klasse <= 2; ++klasse) {
            double pt = 0;
            TeXLaengeLesen(z_.Dialog.TeXBreite[static_cast<std::size_t>(klasse) + 1], TeXPunkte, true, pt);
            aus_ << " " << Breitenname(klasse) << "/.style={line width=" << KurzeZahl{pt, 5} << "pt},";
        }
        aus_ << Ende << "  every node/.style={inner sep=0pt,outer sep=0pt}]" << Ende;
        // Black elements take the document's colour, as in the picture export.
        std::vector<std::int32_t> farben;
        InEbenenFolge(z_.Elemente, [&farben](int, const TElement& e) {
            const std::int32_t f = Farbwert(e.Farbe);
            if (f != 0 && Geschrieben(e) && std::find(farben.begin(), farben.end(), f) == farben.end())
                farben.push_back(f);
        });
        for (const std::int32_t f : farben)
            aus_ << "\\definecolor{" << Farbname(f) << "}{RGB}{" << std::to_string(f & 0xFF) << ","
                 << std::to_string(f >> 8 & 0xFF) << "," << std::to_string(f >> 16 & 0xFF) << "}" << Ende;
        aus_ << "\\useasboundingbox (0,0) rectangle (" << KurzeZahl{mass_.W} << "," << KurzeZahl{mass_.H}
             << ");" << Ende;
    }

    // "[klasse,farbe]", either left out where there is none.
    void Optionen(std::string_view klasse, std::int32_t farbe) {
        const std::int32_t f = Farbwert(farbe);
        if (klasse.empty() && f == 0) return;
        aus_ << "[" << klasse << (klasse.empty() || f == 0 ? "" : ",") << (f != 0 ? Farbname(f) : "") << "]";
    }

    void Punkt(double x, double y) { aus_ << "(" << KurzeZahl{x} << "," << KurzeZahl{y} << ")"; }

    // Line elements of one width and colour in a row are one path; one that starts where the one
    // before ends continues its chain, any other begins a chain of its own in it.
    void Strich(const TElement& e) {
        const bool gleich =
            stuecke_ > 0 && stuecke_ < MaxPfadstuecke && e.Breite == klasse_ && Farbwert(e.Farbe) == farbe_;
        const bool weiter = gleich && kette_ > 0 && Gerundet(e.x1) == endeX_ && Gerundet(e.y1) == endeY_;
        if (!gleich) {
            PfadBeenden();
            aus_ << "\\draw";
            Optionen(Breitenname(e.Breite), e.Farbe);
            klasse_ = e.Breite;
            farbe_ = Farbwert(e.Farbe);
        } else if (stuecke_ % StueckeJeZeile == 0) {
            aus_ << Ende;
        }
        if (!weiter) {
            aus_ << " ";
            Punkt(e.x1, e.y1);
            anfangX_ = Gerundet(e.x1);
            anfangY_ = Gerundet(e.y1);
            kette_ = 0;
        }
        ++stuecke_;
        ++kette_;
        endeX_ = Gerundet(e.x2);
        endeY_ = Gerundet(e.y2);
        // A chain back to its first point closes with a join instead of two ends.
        if (kette_ >= 3 && endeX_ == anfangX_ && endeY_ == anfangY_) {
            aus_ << "--cycle";
            kette_ = 0;
            return;
        }
        aus_ << "--";
        Punkt(e.x2, e.y2);
    }

    void PfadBeenden() {
        if (stuecke_ > 0) aus_ << ";" << Ende;
        stuecke_ = kette_ = 0;
    }

    void Element(const TElement& e) {
        if (e.istStrich()) return Strich(e);
        PfadBeenden();
        if (e.Art == Kreis) {
            // The radius exactly half the diameter as the picture export writes it.
            aus_ << (e.gefuellt ? "\\fill" : "\\draw");
            Optionen(Breitenname(e.Breite), e.Farbe);
            aus_ << " ";
            Punkt(e.x1, e.y1);
            aus_ << " circle (" << KurzeZahl{Gerundet(e.Durchmesser) / 200, 3} << ");" << Ende;
            return;
        }
        aus_ << "\\node";
        const std::string_view anker = Anker(e);
        const std::int32_t f = Farbwert(e.Farbe);
        if (!anker.empty() || f != 0) {
            aus_ << "[";
            if (!anker.empty()) aus_ << "anchor=" << anker << (f != 0 ? "," : "");
            if (f != 0) aus_ << Farbname(f);
            aus_ << "]";
        }
        aus_ << " at ";
        Punkt(e.x1, e.y1);
        text_.clear();
        if (o_.kodierung == Textkodierung::Utf8)
            text_ = Cp1252NachUtf8(e.Text);
        else
            text_ = e.Text;
        aus_ << " {" << text_ << "};" << Ende;
    }

    const Zeichnung& z_;
    const Exportmass& mass_;
    Zeilenpuffer aus_;
    const Tikzoptionen& o_;
    std::string text_;
    // The open path: its segments, those of its last chain, its width class, colour, and the first
    // and last point of the chain as written.
    int stuecke_ = 0;
    int kette_ = 0;
    int klasse_ = 0;
    std::int32_t farbe_ = 0;
    double anfangX_ = 0, anfangY_ = 0, endeX_ = 0, endeY_ = 0;
};

bool Vorbereiten(const Zeichnung& z, Exportmass& mass, Meldungen& m) {
    return ExportVorbereiten(z, mass, m) && TeXBreitenPruefen(z, true, m);
}

} // namespace

bool TikzExportieren(const Zeichnung& z, std::ostream& aus, Meldungen& m, const Tikzoptionen& optionen) {
    Exportmass mass;
    if (!Vorbereiten(z, mass, m)) return false;
    Schreiber(z, mass, aus, optionen).Schreiben();
    return true;
}

bool TikzExportDatei(const Zeichnung& z, const std::string& pfad, Meldungen& m,
                     const Tikzoptionen& optionen) {
    Exportmass mass;
    if (!Vorbereiten(z, mass, m)) return false;
    return InhaltSchreiben(
        pfad, [&](std::ostream& aus) { Schreiber(z, mass, aus, optionen).Schreiben(); }, m);
}

} // namespace vektra
