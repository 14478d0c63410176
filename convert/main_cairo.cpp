#include "Aufraeumen.h"
#include "Cairoausgaben.h"
#include "Konverter.h"
#include "files/AtomarSchreiben.h"

#include <iostream>
#include <string>
#include <vector>

// The converter with every output, the ones drawn with cairo included; vektra32-convert hands it
// the calls that need cairo.
int main(int argc, char** argv) {
    vektra::AufPlatteWarten(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int ergebnis = vektra::Konvertieren(args, std::cout, std::cerr, vektra::CairoausgabeSchreiben);
    vektra::RenderAufraeumen();
    return ergebnis;
}
