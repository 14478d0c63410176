#pragma once
// Shared by the curve tests: the message recorder and a few shorthands.
#include "ExportTestHilfe.h"
#include "curves/Kurve.h"

namespace kurventest {

using Rekorder = exporttest::Protokoll;

inline vektra::Kurvenparameter Parameter(std::string x, std::string y, std::string t0 = "0",
                                         std::string t1 = "1") {
    vektra::Kurvenparameter p;
    p.xText = std::move(x);
    p.yText = std::move(y);
    p.t0Text = std::move(t0);
    p.t1Text = std::move(t1);
    return p;
}

// Fixed steps of `deltat` instead of the length control.
inline vektra::Kurvenparameter Fest(vektra::Kurvenparameter p, double deltat) {
    p.Kontrollart = vektra::KontrolleKeine;
    p.Deltat = deltat;
    return p;
}

// A drawing whose clip area is off, so that chords stay as computed.
inline vektra::Zeichnung OhneClip() {
    vektra::Zeichnung z;
    z.Dialog.Clipaktiv = false;
    return z;
}

} // namespace kurventest
