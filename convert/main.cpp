#include "Aufraeumen.h"
#include "Konverter.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int ergebnis = vektra::Konvertieren(args, std::cout, std::cerr);
    vektra::RenderAufraeumen();
    return ergebnis;
}
