#pragma once
// The converter's curve command: plots a curve from formulas into a drawing without a window.
//
//   --curve X Y [--z Z] [--axis-front] [--t0 T0] [--t1 T1] [--n0 N0] [--n1 N1]
//           [--control length|direction|none] [--chord L] [--angle DEG] [--dt D]
//           [--pattern P1,P2,P3,P4] [--offset X,Y] [--clip U,O,L,R | --no-clip] OUTPUT
//
// The defaults are those of the curve dialog: t from 0 to 1, n from 1 to 1, chord-length
// control with length 1, angle 5 degrees, Delta t 0.1, pattern 1,0,0,0, offset 0,0. The clip
// area is that of a new drawing (bottom -1, top 200, left -1, right 200, active), so a curve
// that leaves it is cut there unless --clip widens the area or --no-clip turns it off; the
// area is saved with the drawing.
#include "curves/Kurve.h"

#include <cstdint>
#include <span>
#include <string>

namespace vektra {

class Meldungen;
struct Zeichnung;

struct Kurvenkommando {
    // Formulas, 3-D flags and the step control; n is set per run.
    Kurvenparameter Parameter;
    std::int32_t n0 = 1;
    std::int32_t n1 = 1;
    Phasenlaengen Muster{1, 0, 0, 0};
    std::int32_t VersatzX = 0;
    std::int32_t VersatzY = 0;
    bool Clipaktiv = true;
    std::int32_t ClipUnten = -1, ClipOben = 200, ClipLinks = -1, ClipRechts = 200;
    std::string Ausgabe;
};

// Reads the arguments, the first of which is "--curve", into `k` (other fields at their
// defaults). False with a German message in
// `fehler` when they are not a valid call.
bool KurvenkommandoLesen(std::span<const std::string> args, Kurvenkommando& k, std::string& fehler);

// Reads the arguments and plots the curve once per n into `z`, which should be a new drawing;
// its clip area becomes the command's. Returns a converter exit code, and sets `ausgabe` to the
// output path exactly when `z` is to be written:
//   KonvertiertOk              the whole plot (reports about single n, such as over-large
//                              values, end only that n's curve and still count as whole);
//   KonvertiertUnvollstaendig  a syntax error, a floating-point fault or the full element store
//                              ended the run at some n; `z` keeps the curves made until then and
//                              a message names the n that are missing in whole or in part;
//   KonvertiertNicht           the run ended so before any element was made;
//   FalscherAufruf             bad usage, or more than MaxKurven curves.
int KurvenkommandoAusfuehren(std::span<const std::string> args, Zeichnung& z, Meldungen& m,
                             std::string& ausgabe);

} // namespace vektra
