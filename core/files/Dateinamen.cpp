#include "files/Dateinamen.h"

namespace vektra {
namespace {

// Where the extension of `name` begins (its "."), or npos when it has none.
std::size_t Erweiterung(std::string_view name) {
    const std::size_t trenner = name.find_last_of("/\\:");
    const std::size_t beginn = trenner == std::string_view::npos ? 0 : trenner + 1;
    const std::size_t punkt = name.find_last_of('.');
    return punkt != std::string_view::npos && punkt >= beginn ? punkt : std::string_view::npos;
}

} // namespace

std::string ErweiterungErsetzen(std::string_view name, std::string_view neu) {
    std::string ergebnis(name.substr(0, Erweiterung(name)));
    ergebnis += neu;
    return ergebnis;
}

std::string ErweiterungErgaenzen(std::string_view name, std::string_view neu) {
    std::string ergebnis(name);
    if (Erweiterung(name) == std::string_view::npos) ergebnis += neu;
    return ergebnis;
}

} // namespace vektra
