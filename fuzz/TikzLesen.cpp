// Reads any bytes as a TikZ file twice: into an empty drawing and into a store with room for only
// a few elements. Every element appended is one the reader makes, within the drawing's limits;
// the counts it returns match the store and the messages; the nearly full store receives the same
// first elements as the empty one and stops exactly when they do not fit.
#include "Fuzzhilfe.h"

#include "files/Importzustand.h"
#include "files/TikzLesen.h"
#include "text/Format.h"

#include <sstream>

using namespace vektra;
using fuzzhilfe::Protokoll;

namespace {

void ElementPruefen(const TElement& e) {
    PRUEFEN(!e.gepickt && !e.Kandidat && !e.geloescht && e.Farbe >= 0 && e.Farbe <= 0xFFFFFF);
    PRUEFEN(e.Breite >= 0 && e.Breite <= 2 && LageZulaessig(e.x1) && LageZulaessig(e.y1));
    if (e.Art == Linie)
        PRUEFEN(e.Ebene == EbeneLinie && LageZulaessig(e.x2) && LageZulaessig(e.y2));
    else if (e.Art == Kreis)
        PRUEFEN(e.Ebene == EbeneKreis && LageZulaessig(e.Durchmesser) && e.Durchmesser >= 0);
    else
        PRUEFEN(e.Art == Text && e.Ebene == EbeneText && e.Text.size() <= MaxTextLaenge &&
                e.Ausrichtung.size() == 2 && bildimport::Ausgewogen(e.Text));
}

Importergebnis Lesen(std::string_view eingabe, Zeichnung& z, Protokoll& m) {
    std::istringstream ein{std::string(eingabe)};
    const int vorher = z.Elemente.Anzahl();
    const Importergebnis e = TikzLesen(ein, z, m);
    PRUEFEN(e.neueElemente == z.Elemente.Anzahl() - vorher && z.Elemente.Anzahl() <= MaxElemente);
    PRUEFEN(!e.voll || z.Elemente.Voll());
    PRUEFEN(m.Anzahl(Meldungsart::Fehler) == 0 && m.Anzahl(Meldungsart::Information) == 0);
    // One warning each for a full store, lines passed over, characters replaced, no picture.
    PRUEFEN(m.Anzahl(Meldungsart::Warnung) <=
            int(e.voll) + int(e.uebergangeneZeilen > 0) + int(e.ersetzteZeilen > 0) + 1);
    for (int i = vorher + 1; i <= z.Elemente.Anzahl(); ++i)
        ElementPruefen(z.Elemente[i]);
    return e;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view eingabe = fuzzhilfe::Text(daten, groesse);
    static Zeichnung* const leer = new Zeichnung;
    fuzzhilfe::Leeren(*leer);
    Protokoll m1;
    const Importergebnis e1 = Lesen(eingabe, *leer, m1);
    double einheit = 0;
    PRUEFEN(ZahlLesen(leer->Dialog.Unitlength, einheit) && einheit > 0);

    fuzzhilfe::FastVollLesen(*leer, e1, [&](Zeichnung& z, Protokoll& m) { return Lesen(eingabe, z, m); });
    return 0;
}
