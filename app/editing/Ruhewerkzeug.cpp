#include "editing/Ruhewerkzeug.h"

Modusmerkmale Ruhewerkzeug::Merkmale(Modus m) const {
    using Z = Modusmerkmale::Zeigerart;
    Modusmerkmale mm;
    switch (m) {
    case Modus::Neutral:
        mm.Statustext = "";
        mm.KnoepfeLoesen = true;
        mm.Zeiger = Z::Pfeil;
        mm.KreuzWeg = true;
        break;
    default:
        break;
    }
    return mm;
}
