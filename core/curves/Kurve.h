#pragma once
// The curve plotter: a parametric curve x(n,t), y(n,t) (and z(n,t) for 3-D curves, projected to
// the plane) becomes a chain of chords, stepped by chord length, by change of direction or by a
// fixed step of t; the chords are clipped against the clip area, split by a dash pattern and
// stored as selected line elements.
//
// Per n the caller runs: KurveVorbereiten (stop the whole command if Fehler is then set),
// StueckeLeeren, KurveBerechnen, MusterZuruecksetzen, KurveAusgeben. KurvenZeichnen does this for
// a range of n, as the curve command does.
#include "curves/Formel.h"

#include <array>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

namespace vektra {

class Meldungen;
struct Zeichnung;

enum Kontrollart : std::int16_t { KontrolleLaenge = 0, KontrolleRichtung = 1, KontrolleKeine = 2 };

struct Kurvenparameter {
    std::string xText = "t";
    std::string yText = "t";
    std::string zText = "t";
    std::string t0Text = "0";
    std::string t1Text = "1";
    std::int32_t n = 1;
    bool dreiD = false;
    bool XAchseVorn = false;
    // A value other than KontrolleRichtung or KontrolleKeine means chord-length control.
    std::int16_t Kontrollart = KontrolleLaenge;
    // Target chord length in drawing units.
    double Strichlaenge = 1.0;
    // Largest change of direction per step, radians.
    double Winkeldifferenz = 5 * std::numbers::pi / 180;
    double Deltat = 0.1;
    // Largest magnitude of a projected coordinate.
    double Grenzwert = 10000.0;
    // Set by KurveVorbereiten when the run must not start: a formula with a syntax error, a
    // step value of 0 or less, or a floating-point fault in the start or end of t.
    bool Fehler = false;
};

constexpr int MaxKurvenstuecke = 32000;

// One chord in drawing units.
struct Kurvenstueck {
    double x1, x2, y1, y2;
};

// Chords per phase: phases 1 and 3 are drawn, 2 and 4 are gaps. Lengths below 0 count as 0;
// a pattern of four zeros draws every chord.
using Phasenlaengen = std::array<std::int32_t, 4>;

// How stepping ended. Gemeldet: a message ended it early (iteration limit, over-large value, full
// chord store); the chords so far count and the command goes on. Rechenfehler: a floating-point
// fault in a formula; the chords of this run are dropped and the command must end.
enum class Kurvenende { Fertig, Gemeldet, Rechenfehler };

struct Kurvenausgabe {
    int Elemente = 0;
    // A gap phase or clipping was in play: the whole drawing should be redrawn.
    bool NeuZeichnen = false;
    // The element store ran full; the elements stored so far stay.
    bool SpeicherVoll = false;
};

class Kurvenplotter {
  public:
    // Offset in drawing units added to every point.
    std::int32_t VersatzX = 0;
    std::int32_t VersatzY = 0;
    // Drawing units per formula unit.
    double Skala = 10.0;
    // Syntax-error messages also give the position and the code.
    bool FehlerstelleMelden = false;
    // KurvenZeichnen stores each curve from t_1 back to t_0, so a dash pattern starts at the
    // t_1 end.
    bool Rueckwaerts = false;

    void KurveVorbereiten(Kurvenparameter& p, Meldungen& m);
    void StueckeLeeren() { stuecke_.clear(); }
    // Turns the chain round: the last chord first, each chord from its end to its start.
    void StueckeUmkehren();
    Kurvenende KurveBerechnen(Meldungen& m);
    void MusterZuruecksetzen() {
        phase_ = 1;
        zaehler_ = 0;
    }
    Kurvenausgabe KurveAusgeben(Zeichnung& z, const Phasenlaengen& phasen, Meldungen& m);

    // The projected point at t for the current n, each coordinate 0 when beyond Grenzwert.
    Extended KurvenpunktX(Extended t);
    Extended KurvenpunktY(Extended t);

    const std::vector<Kurvenstueck>& Stuecke() const { return stuecke_; }
    Extended tStart() const { return tStart_; }
    Extended tEnde() const { return tEnde_; }
    // Position and code of the last syntax error KurveVorbereiten met, 0 when none.
    int Fehlerstelle() const { return fehlerstelle_; }
    int Fehlercode() const { return fehlercode_; }

  private:
    Extended Auswerten(const Formelbaum& baum, const std::string& textname, Extended t);
    Extended Begrenzt(Extended wert);
    bool Parsen(std::string& text, Formelbaum& baum, const std::string& textname, Meldungen& m);
    bool WerteGueltig(Meldungen& m) const;
    Kurvenende Schritte(Meldungen& m);
    Extended Abstand(Extended t, Extended h, Extended xc, Extended yc);
    // Angle between the last chord's direction and the curve's direction at t.
    Extended Richtungswinkel(Extended t);
    void Bericht(const std::string& fehlertext, Extended t, Meldungen& m) const;
    int NaechstePhase(const Phasenlaengen& phasen);

    std::array<std::string, 5> texte_;
    Formelbaum x_, y_, z_, t0_, t1_;
    Extended n_ = 0;
    Extended tStart_ = 0, tEnde_ = 0;
    bool dreiD_ = false, achseVorn_ = false;
    std::int16_t kontrolle_ = KontrolleLaenge;
    Extended strichlaenge_ = 1, winkel_ = 0, deltat_ = 0.1, grenzwert_ = 10000;
    // Direction of the last chord, for the direction control.
    Extended bezugX_ = 0, bezugY_ = 0;
    bool zuGross_ = false;
    int fehlerstelle_ = 0, fehlercode_ = 0;
    std::vector<Kurvenstueck> stuecke_;
    int phase_ = 1;
    std::int32_t zaehler_ = 0;
};

// Clips a chord against the clip area, edge by edge in the order top, bottom, right, left: an
// end outside an edge moves onto it along the chord. False when the chord lies wholly outside
// an edge (an end on the bound counts as outside).
bool KurvenstueckClippen(Kurvenstueck& s, std::int32_t oben, std::int32_t unten, std::int32_t rechts,
                         std::int32_t links);

// Most curves one command plots. A larger family could never be stored in full, and one whose
// curves make no elements (clipped away, or a fault at every n) would run on for hours.
constexpr int MaxKurven = 32000;

// True when n0..n1 names at most MaxKurven curves (an empty range, n1 < n0, does); otherwise
// says so through `m`. The curve command checks this itself; a dialog may check first.
bool KurvenbereichPruefen(std::int32_t n0, std::int32_t n1, Meldungen& m);

// How a curve command over a range of n ended.
enum class Kurvenbefehl { Fertig, Formelfehler, Rechenfehler, SpeicherVoll, ZuVieleKurven };

// The curve command: the plotter once for every n from n0 to n1 (none when n1 < n0), each n
// with the pattern started afresh (and its chain turned round first when k.Rueckwaerts is set).
// A range of more than MaxKurven curves is refused before anything is drawn. Stops at the first
// Fehler, floating-point fault or full element store; the curves of earlier n stay, and p.n is
// the n it stopped at. The offsets are 0 afterwards.
Kurvenbefehl KurvenZeichnen(Kurvenplotter& k, Kurvenparameter& p, std::int32_t n0, std::int32_t n1,
                            const Phasenlaengen& phasen, Zeichnung& z, Meldungen& m);

} // namespace vektra
