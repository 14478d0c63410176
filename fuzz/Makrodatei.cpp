// Reads any bytes as a macro file. A refused file leaves the macro as it was; one that reads
// holds only elements of the four kinds with texts the store can keep and places within the
// limit, writes back to the same elements, and is inserted into a nearly full store wholly or
// not at all.
#include "Fuzzhilfe.h"

#include "files/Makrodatei.h"

#include <sstream>

using namespace vektra;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    std::istringstream ein{std::string(fuzzhilfe::Text(daten, groesse))};
    Makro makro;
    makro.BezugX = 1.5;
    makro.Elemente.resize(1);
    std::string fehler;
    if (!MakroLesen(ein, makro, fehler)) {
        PRUEFEN(!fehler.empty());
        PRUEFEN(makro.BezugX == 1.5 && makro.Elemente.size() == 1);
        return 0;
    }
    PRUEFEN(makro.Elemente.size() <= static_cast<std::size_t>(MaxElemente));
    for (const TElement& e : makro.Elemente) {
        PRUEFEN(e.Art <= Pfeilspitze);
        PRUEFEN(e.Text.size() <= MaxTextLaenge && e.Ausrichtung.size() <= 2);
        PRUEFEN(LageZulaessig(e.x1) && LageZulaessig(e.y1));
    }

    // Written from a drawing where all of it is picked, it reads back the same.
    static auto* z = new Zeichnung;
    fuzzhilfe::Leeren(*z);
    for (TElement e : makro.Elemente) {
        e.gepickt = true;
        e.geloescht = false;
        z->Elemente.Anhaengen(e);
    }
    std::ostringstream aus;
    PRUEFEN(MakroSchreiben(aus, *z, makro.BezugX, makro.BezugY) == z->Elemente.Anzahl());
    std::istringstream wieder(aus.str());
    Makro zurueck;
    PRUEFEN(MakroLesen(wieder, zurueck, fehler));
    PRUEFEN(zurueck.Elemente.size() == makro.Elemente.size());
    for (std::size_t i = 0; i < zurueck.Elemente.size(); ++i)
        PRUEFEN(fuzzhilfe::Felder(zurueck.Elemente[i]) ==
                fuzzhilfe::Felder(z->Elemente[static_cast<int>(i) + 1]));

    // A store with room for fewer than all of them takes none. Inserted at its own reference
    // point, every place stays as read, so no place can keep it out.
    fuzzhilfe::Leeren(*z);
    while (z->Elemente.Frei() > 3)
        z->Elemente.NeuesElement();
    fuzzhilfe::Protokoll p;
    const int vorher = z->Elemente.Anzahl();
    const int erstes = MakroEinfuegen(*z, makro, makro.BezugX, makro.BezugY, p);
    if (makro.Elemente.size() > 3) {
        PRUEFEN(erstes == 0 && z->Elemente.Anzahl() == vorher && p.liste.size() == 1);
    } else {
        PRUEFEN(erstes == vorher + 1 && p.liste.empty());
        PRUEFEN(z->Elemente.Anzahl() == vorher + static_cast<int>(makro.Elemente.size()));
    }
    return 0;
}
