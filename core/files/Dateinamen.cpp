#include "files/Dateinamen.h"

namespace vektra {

std::string ErweiterungErsetzen(std::string_view name, std::string_view neu) {
    const std::size_t trenner = name.find_last_of("/\\:");
    const std::size_t beginn = trenner == std::string_view::npos ? 0 : trenner + 1;
    const std::size_t punkt = name.find_last_of('.');
    std::string ergebnis(name);
    if (punkt != std::string_view::npos && punkt >= beginn) ergebnis.resize(punkt);
    ergebnis += neu;
    return ergebnis;
}

} // namespace vektra
