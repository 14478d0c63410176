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
    case Modus::Auswahl:
        mm.Statustext = "s19";
        mm.KnoepfeLoesen = true;
        mm.Zeiger = Z::Pfeil;
        mm.KreuzWeg = true;
        mm.Stift = S::Neutral;
        mm.Aendert = true;
        break;
    case Modus::Kandidaten:
        mm.Statustext = "s21";
        mm.Stift = S::Neutral;
        break;
    case Modus::Verschieben:
        mm.Statustext = "s22";
        mm.KnoepfeLoesen = true;
        mm.Zeiger = Z::Kreuz;
        mm.Aendert = true;
        break;
    case Modus::MakroSpeichern:
    case Modus::MakroEinfuegen:
        mm.Statustext = "s66";
        mm.Zeiger = Z::Kreuz;
        mm.KreuzNeu = true;
        mm.Aendert = m == Modus::MakroEinfuegen;
        if (mm.Aendert) mm.Stift = S::Neutral;
        break;
    case Modus::Zoomflaeche:
    case Modus::Pickflaeche:
        mm.Statustext = m == Modus::Zoomflaeche ? "s24" : "s25";
        mm.KnoepfeLoesen = true;
        mm.Zeiger = Z::Pfeil;
        mm.Stift = S::Gepunktet;
        mm.Aendert = m == Modus::Pickflaeche;
        break;
    case Modus::TextEditieren:
        mm.Statustext = "s26";
        mm.KnoepfeLoesen = true;
        mm.Zeiger = Z::Pfeil;
        mm.Aendert = true;
        break;
    default:
        break;
    }
    return mm;
}
