#pragma once
// The command-line converter: reads a drawing (native or imported) and writes it in the format
// its output name asks for. A library, so tests drive it in-process; main() only calls it.
#include "files/ExportGemeinsam.h"
#include "files/TikzExport.h"
#include "model/Zeichnung.h"
#include "text/Meldungen.h"

#include <ostream>
#include <span>
#include <string>
#include <string_view>

namespace vektra {

enum class Ausgabeart { Unbekannt, Zeichnung, Bild, PostScript, Makro, Svg, Png, Pdf, Tikz };

// The output kind by the name's extension, in any letter case: ".vks", ".vkx", ".vkp", ".vkm",
// ".tikz", and the previews ".svg", ".png", ".pdf".
Ausgabeart AusgabeartVon(std::string_view pfad);

// Exit codes of the converter.
constexpr int KonvertiertOk = 0;
constexpr int KonvertiertNicht = 1; // input unreadable or nothing written
constexpr int FalscherAufruf = 2;   // also a curve family of more than MaxKurven curves
// Written, but a fault or the full element store ended the curve command early: the file
// holds the curves plotted until then.
// Also: the wrapper and the PostScript file are written, but the PDF beside them is not.
constexpr int KonvertiertUnvollstaendig = 3;

// The largest --scale of a preview, pixels per drawing unit.
constexpr double MaxMassstab = 1000;

// The outputs drawn with cairo: the wrapper with the PostScript file and the PDF beside it, and
// the previews. A program without cairo has none and hands such calls on (CairoNoetig).
bool MitCairo(Ausgabeart art);

// Writes an output drawn with cairo, `art` one of those MitCairo names; the other parameters as
// for AusgabeSchreiben. The converter with cairo passes CairoausgabeSchreiben (Cairoausgaben.h).
using Cairoausgabe = int (*)(Zeichnung& z, const std::string& ausgabe, Ausgabeart art, Meldungen& m,
                             double massstab, Textkodierung kodierung);

// What Konvertieren and AusgabeSchreiben return, without a Cairoausgabe, for an output drawn with
// cairo: nothing has been read, written or reported.
constexpr int CairoNoetig = -1;

// Writes `z` to `ausgabe` in the format its extension names: native drawing (compacted),
// picture code, wrapper plus the PostScript file and its PDF beside it, a macro of the picked,
// not deleted elements with the reference point (rx, ry), or a preview at `massstab` pixels per
// drawing unit (0: as the screen shows the drawing's zoom level). The texts of picture code and
// wrapper go out in `kodierung`; a TikZ picture takes its texts' encoding and whether it is a
// document of its own from `tikz`. An existing file is replaced. Returns an exit code; failures
// are reported through `m`.
int AusgabeSchreiben(Zeichnung& z, const std::string& ausgabe, Meldungen& m, Cairoausgabe cairo,
                     double rx = 0, double ry = 0, double massstab = 0,
                     Textkodierung kodierung = Textkodierung::Cp1252, const Tikzoptionen& tikz = {});

// Runs the converter with the arguments after the program name. Help goes to `aus`, messages
// to `err` as "INPUT:LINE: text" or "INPUT: text". Returns the exit code, or CairoNoetig when
// `cairo` is null and the output is drawn with cairo; the arguments are checked first. An
// exception that ends the run, as memory running out, is reported and gives KonvertiertNicht.
int Konvertieren(std::span<const std::string> args, std::ostream& aus, std::ostream& err, Cairoausgabe cairo);

// Messages as lines on a stream, each prefixed with the input's name and, where one belongs
// to it, the line number. Questions are answered Yes: the converter replaces what exists.
class Strommeldungen : public Meldungen {
  public:
    Strommeldungen(std::string quelle, std::ostream& err) : quelle_(std::move(quelle)), err_(err) {}
    void Melden(Meldungsart art, const std::string& text, int zeile = 0) override;
    Antwort Fragen(Meldungsart art, const std::string& text, Knoepfe knoepfe) override;

  private:
    std::string quelle_;
    std::ostream& err_;
};

} // namespace vektra
