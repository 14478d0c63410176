#pragma once
// A message sink for benchmarks: says nothing and answers every question with yes.
#include "text/Meldungen.h"

#include <string>

namespace bench {

class Stumm : public vektra::Meldungen {
  public:
    void Melden(vektra::Meldungsart, const std::string&, int) override {}
    vektra::Antwort Fragen(vektra::Meldungsart, const std::string&, vektra::Knoepfe) override {
        return vektra::Antwort::Ja;
    }
};

} // namespace bench
