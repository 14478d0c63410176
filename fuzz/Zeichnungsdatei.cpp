// Reads any bytes as a native drawing. Read from a file into a drawing in use, a failure leaves
// that drawing exactly as it was and a success replaces only its elements and record. What reads
// without error writes back and reads again to the same elements (less the deleted ones) and the
// same record bytes, and writing that again gives the same bytes.
#include "Fuzzhilfe.h"

#include "files/Zeichnungsdatei.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace vektra;
using fuzzhilfe::Protokoll;

namespace {

using fuzzhilfe::Felder;
using fuzzhilfe::Gleich;

// Where the record starts: after the tag's length and the ten-character tag.
constexpr std::size_t KopfsatzStelle = 14;

auto Felder(const Kopfsatz& k) {
    using fuzzhilfe::Bits;
    return std::tuple(k.PixelBreite, k.Textanzeige, k.Zoomstufe, k.Snapstufe, k.Pickabstand,
                      k.PixelBreiteDialog, k.Unitlength, k.TeXBreiteUnsichtbar, k.TeXBreiteDuenn,
                      k.TeXBreiteNormal, k.TeXBreiteDick, Bits(k.Pfeilwinkel), Bits(k.Pfeillaenge), k.Snap,
                      k.Clipaktiv, k.ClipLinks, k.ClipRechts, k.ClipOben, k.ClipUnten, k.aktuelleFarbe,
                      k.Massstab, k.x_off, k.y_off, Bits(k.Startschritt), Bits(k.Schrittfaktor), k.roh);
}

bool Gleich(const Zeichnung& a, const Zeichnung& b) {
    return Gleich(a.Elemente, b.Elemente) && Gleich(a.Ablage, b.Ablage) && Felder(a.Kopf) == Felder(b.Kopf) &&
           Felder(a.Dialog) == Felder(b.Dialog) &&
           std::tie(a.Dateiname, a.Exportname, a.Treibername, a.Geaendert, a.aktuelleBreite) ==
               std::tie(b.Dateiname, b.Exportname, b.Treibername, b.Geaendert, b.aktuelleBreite);
}

// A drawing in use: elements of every kind, one deleted, a clipboard, a changed record and
// dialog values, file names, unsaved changes.
const Zeichnung& InGebrauch() {
    static const Zeichnung* z = [] {
        auto* neu = new Zeichnung;
        TElement& linie = *neu->Elemente.NeuesElement();
        std::tie(linie.x1, linie.y1, linie.x2, linie.y2, linie.Farbe) = std::tuple(1.5, 2, 30, 40, 0xff);
        TElement& kreis = *neu->Elemente.NeuesElement();
        std::tie(kreis.Art, kreis.Durchmesser, kreis.gefuellt, kreis.geloescht) =
            std::tuple(Kreis, 4, true, true);
        TElement& text = *neu->Elemente.NeuesElement();
        std::tie(text.Art, text.Ausrichtung, text.Text, text.gepickt) = std::tuple(Text, "tl", "alt", true);
        neu->Ablage.NeuesElement()->Art = Pfeilspitze;
        neu->Kopf.Zoomstufe = 6;
        neu->Kopf.Pfeillaenge = 3;
        neu->Kopf.Unitlength = "2.5";
        neu->Kopf.Packen();
        neu->Dialog.Unitlength = "2.5";
        neu->Dialog.Startschritt = "0.01";
        neu->Dialog.ClipLinks = 5;
        std::tie(neu->Dateiname, neu->Exportname, neu->Treibername) =
            std::tuple("alt.vks", "alt.vkx", "alt.vkp");
        neu->Geaendert = true;
        neu->aktuelleBreite = 2;
        return neu;
    }();
    return *z;
}

// Drawings kept between inputs and emptied before each use.
Zeichnung& Frisch(int nummer) {
    static Zeichnung* zeichnungen = new Zeichnung[2];
    Zeichnung& z = zeichnungen[nummer];
    fuzzhilfe::Leeren(z);
    return z;
}

// A folder of its own per process, removed at exit; the path outlives the static destructors
// that run before the removal.
const std::filesystem::path& Ordner() {
    static const std::filesystem::path* ordner = [] {
        std::string muster = (std::filesystem::temp_directory_path() / "vektra-fuzz-XXXXXX").string();
        PRUEFEN(mkdtemp(muster.data()) != nullptr);
        auto* pfad = new std::filesystem::path(muster);
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(Ordner(), ec);
        });
        return pfad;
    }();
    return *ordner;
}

void DateiLesenPruefen(std::string_view eingabe, Leseergebnis ergebnis, const std::string& fehler,
                       const Zeichnung& gelesen) {
    const std::string pfad = (Ordner() / "eingabe.vks").string();
    {
        std::ofstream aus(pfad, std::ios::binary | std::ios::trunc);
        aus.write(eingabe.data(), static_cast<std::streamsize>(eingabe.size()));
        PRUEFEN(aus.good());
    }
    Zeichnung z = InGebrauch();
    Protokoll m;
    PRUEFEN(ZeichnungLesenDatei(pfad, z, m) == ergebnis);

    Zeichnung erwartet = InGebrauch();
    switch (ergebnis) {
    case Leseergebnis::Ok:
        PRUEFEN(m.liste.empty());
        erwartet.Elemente = gelesen.Elemente;
        erwartet.Kopf = gelesen.Kopf;
        erwartet.DialogwerteUebernehmen();
        erwartet.Geaendert = false;
        break;
    case Leseergebnis::FalscheVersion:
        PRUEFEN(m.liste.size() == 1 && m.liste[0].art == Meldungsart::Information &&
                m.liste[0].text == fehler);
        break;
    case Leseergebnis::Fehler:
        PRUEFEN(m.liste.size() == 1 && m.liste[0].art == Meldungsart::Fehler &&
                m.liste[0].text == pfad + ": " + fehler);
        break;
    }
    PRUEFEN(Gleich(z, erwartet));
}

// The element as it comes back: a text's alignment is written with two letters, missing ones
// as "c".
TElement Geschrieben(TElement e) {
    if (e.Art == Text) e.Ausrichtung.resize(2, 'c');
    return e;
}

void RundreisePruefen(std::string_view eingabe, Zeichnung& erst) {
    PRUEFEN(std::equal(erst.Kopf.roh.begin(), erst.Kopf.roh.end(),
                       reinterpret_cast<const std::uint8_t*>(eingabe.data()) + KopfsatzStelle));
    const Kopfsatz kopf = erst.Kopf;
    std::vector<TElement> bleibend;
    for (const TElement& e : erst.Elemente)
        if (!e.geloescht) bleibend.push_back(Geschrieben(e));

    std::ostringstream aus;
    const bool geschrieben = ZeichnungSchreiben(aus, erst);
    PRUEFEN(geschrieben == !bleibend.empty());
    if (!geschrieben) {
        PRUEFEN(aus.str().empty());
        return;
    }

    Zeichnung& zweit = Frisch(1);
    std::istringstream ein(aus.str());
    std::string fehler;
    PRUEFEN(ZeichnungLesen(ein, zweit, fehler) == Leseergebnis::Ok);
    PRUEFEN(ein.peek() == std::char_traits<char>::eof());
    PRUEFEN(zweit.Elemente.Anzahl() == static_cast<int>(bleibend.size()));
    for (int i = 1; i <= zweit.Elemente.Anzahl(); ++i)
        PRUEFEN(Felder(zweit.Elemente[i]) == Felder(bleibend[static_cast<std::size_t>(i - 1)]));
    PRUEFEN(Felder(zweit.Kopf) == Felder(kopf));

    std::ostringstream nochmal;
    PRUEFEN(ZeichnungSchreiben(nochmal, zweit));
    PRUEFEN(nochmal.str() == aus.str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view eingabe = fuzzhilfe::Text(daten, groesse);
    Zeichnung& erst = Frisch(0);
    std::istringstream ein{std::string(eingabe)};
    std::string fehler;
    const Leseergebnis ergebnis = ZeichnungLesen(ein, erst, fehler);
    PRUEFEN(erst.Elemente.Anzahl() <= MaxElemente);
    PRUEFEN((ergebnis == Leseergebnis::Ok) == fehler.empty());

    DateiLesenPruefen(eingabe, ergebnis, fehler, erst);
    if (ergebnis == Leseergebnis::Ok) RundreisePruefen(eingabe, erst);
    return 0;
}
