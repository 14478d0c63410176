// Imports any bytes as a picture file twice: into an empty drawing and into a store with less
// room than one framed box needs. Every element appended is one the importer can make, with
// finite positions and sizes it can have read; the counts it returns match the store and the
// messages; the nearly full store receives the same first elements as the empty one and stops
// exactly when they do not fit.
#include "Fuzzhilfe.h"

#include "files/Importzustand.h"
#include "files/VektraLesen.h"
#include "text/Format.h"

#include <algorithm>
#include <cmath>
#include <sstream>

using namespace vektra;
using fuzzhilfe::Protokoll;

namespace {

// Only places and sizes a drawing may hold, so whatever is imported saves and reads back.
bool Lage(double v) {
    return LageZulaessig(v);
}

// `fremd`: the input is no file of the program's own, whose texts stay as they always were.
void ElementPruefen(const TElement& e, bool fremd) {
    PRUEFEN(!e.gepickt && !e.Kandidat && !e.geloescht && e.Farbe >= 0 && e.Farbe <= 0xFFFFFF);
    PRUEFEN(e.Breite >= 0 && e.Breite <= 2);
    PRUEFEN(Lage(e.x1) && Lage(e.y1));
    switch (e.Art) {
    case Linie:
    case Pfeilspitze:
        PRUEFEN(e.Ebene == EbeneLinie && Lage(e.x2) && Lage(e.y2));
        break;
    case Kreis:
        PRUEFEN(e.Ebene == EbeneKreis && Lage(e.Durchmesser));
        break;
    case Text:
        PRUEFEN(e.Ebene == EbeneText || e.Ebene == EbeneLinie);
        PRUEFEN(e.Text.size() <= MaxTextLaenge && e.Ausrichtung.size() <= 2);
        // The export writes a text as it is, so its braces must pair up.
        PRUEFEN(!fremd || bildimport::Ausgewogen(e.Text));
        break;
    default:
        PRUEFEN(!"an element kind the importer does not make");
    }
}

Importergebnis Importieren(std::string_view eingabe, Zeichnung& z, Protokoll& m) {
    std::istringstream ein{std::string(eingabe)};
    const int vorher = z.Elemente.Anzahl();
    const Importergebnis e = VektraLesen(ein, z, m);
    PRUEFEN(z.Elemente.Anzahl() <= MaxElemente);
    PRUEFEN(e.neueElemente == z.Elemente.Anzahl() - vorher);
    PRUEFEN(!e.voll || z.Elemente.Voll());
    PRUEFEN(m.Anzahl(Meldungsart::Fehler) == e.Fehler);
    // One warning each for a full store, for lines passed over and for characters replaced.
    PRUEFEN(m.Anzahl(Meldungsart::Warnung) ==
            int(e.voll) + int(e.uebergangeneZeilen > 0) + int(e.ersetzteZeilen > 0));
    // Messages that name a line come in the order of their lines.
    int zeile = 1;
    for (const fuzzhilfe::Meldung& meldung : m.liste) {
        if (meldung.art == Meldungsart::Information || meldung.zeile == 0) continue;
        PRUEFEN(meldung.zeile >= zeile);
        zeile = meldung.zeile;
    }
    // The version line, perhaps after a byte order mark, makes a file the program's own.
    const bool fremd = eingabe.substr(0, 13).find("%%Vektra32") == std::string_view::npos;
    for (int i = vorher + 1; i <= z.Elemente.Anzahl(); ++i)
        ElementPruefen(z.Elemente[i], fremd);
    return e;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view eingabe = fuzzhilfe::Text(daten, groesse);

    static Zeichnung* const leer = new Zeichnung;
    fuzzhilfe::Leeren(*leer);
    Protokoll m1;
    const Importergebnis e1 = Importieren(eingabe, *leer, m1);
    // Of the dialog values only the unit length, which stays a number, and the three named TeX
    // widths can change; nothing else of the document does.
    Dialogwerte erwartet;
    erwartet.Unitlength = leer->Dialog.Unitlength;
    std::copy(leer->Dialog.TeXBreite.begin() + 1, leer->Dialog.TeXBreite.end(),
              erwartet.TeXBreite.begin() + 1);
    PRUEFEN(fuzzhilfe::Felder(leer->Dialog) == fuzzhilfe::Felder(erwartet));
    double einheit = 0;
    PRUEFEN(ZahlLesen(leer->Dialog.Unitlength, einheit));
    PRUEFEN(leer->Ablage.Anzahl() == 0 && !leer->Geaendert && leer->Dateiname.empty());
    PRUEFEN(leer->Kopf.roh == Kopfsatz::NeuesBild());

    const Importergebnis e2 = fuzzhilfe::FastVollLesen(
        *leer, e1, [&](Zeichnung& z, Protokoll& m) { return Importieren(eingabe, z, m); });
    PRUEFEN(e2.voll ? e2.Fehler <= e1.Fehler : e2.Fehler == e1.Fehler);
    return 0;
}
