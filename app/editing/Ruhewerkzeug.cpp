#include "editing/Ruhewerkzeug.h"

Modusmerkmale Ruhewerkzeug::Merkmale(Modus m) const {
    using Z = Modusmerkmale::Zeigerart;
    using S = Modusmerkmale::Stiftart;
    Modusmerkmale mm;
    switch (m) {
    case Modus::Neutral:
        mm.Statustext = "";
        mm.KnoepfeLoesen = true;
        mm.Zeiger = Z::Pfeil;
        mm.KreuzWeg = true;
        break;
    case Modus::MakroSpeichern:
    case Modus::MakroEinfuegen:
        mm.Statustext = "s66";
        mm.Zeiger = Z::Kreuz;
        mm.KreuzNeu = true;
        mm.Aendert = m == Modus::MakroEinfuegen;
        if (mm.Aendert) mm.Stift = S::Neutral;
        break;
    default:
        break;
    }
    return mm;
}
