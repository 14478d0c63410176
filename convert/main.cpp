#include "Konverter.h"
#include "files/AtomarSchreiben.h"
#include "Weitergabe.h"

#include <iostream>
#include <string>
#include <vector>

// Writes drawings, picture code and macros itself; a call whose output is drawn with cairo goes on
// to vektra32-convert-cairo, so this program loads no graphics libraries.
int main(int argc, char** argv) {
    vektra::AufPlatteWarten(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int ergebnis = vektra::Konvertieren(args, std::cout, std::cerr, nullptr);
    return ergebnis == vektra::CairoNoetig ? vektra::CairoKonverterStarten(argv, std::cerr) : ergebnis;
}
