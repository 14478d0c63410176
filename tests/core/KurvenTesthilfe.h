#pragma once
// Shared by the curve tests: a message recorder and a few shorthands.
#include "curves/Kurve.h"
#include "model/Zeichnung.h"
#include "text/Meldungen.h"

#include <string>
#include <vector>

namespace kurventest {

struct Meldung {
    vektra::Meldungsart art;
    std::string text;
};

class Rekorder : public vektra::Meldungen {
  public:
    std::vector<Meldung> meldungen;

    void Melden(vektra::Meldungsart art, const std::string& text, int) override {
        meldungen.push_back({art, text});
    }
    vektra::Antwort Fragen(vektra::Meldungsart, const std::string& text, vektra::Knoepfe) override {
        meldungen.push_back({vektra::Meldungsart::Schlicht, text});
        return vektra::Antwort::Ok;
    }
    std::string Alle() const {
        std::string s;
        for (const auto& m : meldungen)
            s += m.text + "\n";
        return s;
    }
};

inline vektra::Kurvenparameter Parameter(std::string x, std::string y, std::string t0 = "0",
                                         std::string t1 = "1") {
    vektra::Kurvenparameter p;
    p.xText = std::move(x);
    p.yText = std::move(y);
    p.t0Text = std::move(t0);
    p.t1Text = std::move(t1);
    return p;
}

// A drawing whose clip area is off, so that chords stay as computed.
inline vektra::Zeichnung OhneClip() {
    vektra::Zeichnung z;
    z.Dialog.Clipaktiv = false;
    return z;
}

} // namespace kurventest
