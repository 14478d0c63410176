#include "files/Zeichnungsdatei.h"

#include "files/AtomarSchreiben.h"
#include "files/Elementsaetze.h"
#include "text/Format.h"
#include "text/Texte.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

namespace vektra {
namespace {

using namespace satz;

constexpr std::string_view Kennung42 = "VEKTRA42  ";
constexpr std::string_view Kennung40 = "VEKTRA40  ";
// Record length of the older version.
constexpr std::size_t AltSatzGroesse = 288;

// The older records are the whole in-memory element with both strings as length byte plus
// characters.
bool ElementLesen40(Leser& l, TElement& e, int nummer, std::string& fehler) {
    std::array<std::uint8_t, AltSatzGroesse> p{};
    if (!l.Holen(p.data(), p.size(), fehler)) return false;
    GemeinsamesLesen(p.data(), e);
    switch (e.Art) {
    case Linie:
    case Pfeilspitze:
        StrichLesen(p.data(), e);
        break;
    case Kreis:
        KreisLesen(p.data(), e);
        break;
    case Text:
        e.x1 = F64(p.data() + 12);
        e.y1 = F64(p.data() + 20);
        e.Ausrichtung.assign(reinterpret_cast<const char*>(p.data() + 29), std::min<std::size_t>(p[28], 2));
        e.Text.assign(reinterpret_cast<const char*>(p.data() + 32), p[31]);
        break;
    default:
        break;
    }
    return LagenPruefen(e, nummer, fehler);
}

} // namespace

Leseergebnis ZeichnungLesen(std::istream& ein, Zeichnung& z, std::string& fehler) {
    Leser l(ein);
    std::array<std::uint8_t, 4> zahl{};
    if (!l.Holen(zahl.data(), 4, fehler)) return Leseergebnis::Fehler;
    // Only a ten-character tag can be one of the known ones; the rest is not read at all.
    if (I32(zahl.data()) != static_cast<std::int32_t>(Kennung42.size())) {
        fehler = T("s47");
        return Leseergebnis::FalscheVersion;
    }
    std::array<char, 10> kennung{};
    if (!l.Holen(reinterpret_cast<std::uint8_t*>(kennung.data()), kennung.size(), fehler))
        return Leseergebnis::Fehler;
    const std::string_view tag(kennung.data(), kennung.size());
    const bool neu = tag == Kennung42;
    if (!neu && tag != Kennung40) {
        fehler = T("s47");
        return Leseergebnis::FalscheVersion;
    }

    KopfsatzBild bild{};
    if (!l.Holen(bild.data(), bild.size(), fehler)) return Leseergebnis::Fehler;
    if (!l.Holen(zahl.data(), 4, fehler)) return Leseergebnis::Fehler;
    const std::int32_t anzahl = I32(zahl.data());
    if (anzahl < 0 || anzahl > z.Elemente.Frei()) {
        fehler = Formatieren(T("v.Zeichnungsdatei.Anzahl"),
                             {static_cast<long long>(anzahl), static_cast<long long>(MaxElemente)});
        return Leseergebnis::Fehler;
    }
    z.Kopf.Entpacken(bild);

    for (int i = 1; i <= anzahl; ++i) {
        TElement& e = *z.Elemente.NeuesElement();
        const bool gut = neu ? ElementLesen(l, e, i, fehler) : ElementLesen40(l, e, i, fehler);
        if (!gut) return Leseergebnis::Fehler;
    }
    z.DialogwerteUebernehmen();
    z.Geaendert = false;
    return Leseergebnis::Ok;
}

bool ZeichnungSchreiben(std::ostream& aus, Zeichnung& z) {
    const int anzahl = z.Elemente.Anzahl() - z.Elemente.GeloeschteZahl();
    if (anzahl == 0) return false;
    z.KopfsatzAuffrischen();

    Schreiber s;
    s.Reservieren(182 + static_cast<std::size_t>(anzahl) * StrichSatz);
    s.I32(static_cast<std::int32_t>(Kennung42.size()));
    s.Roh(Kennung42.data(), Kennung42.size());
    const KopfsatzBild& bild = z.Kopf.Packen();
    s.Roh(bild.data(), bild.size());
    s.I32(anzahl);
    for (const TElement& e : z.Elemente)
        if (!e.geloescht) ElementSchreiben(s, e);
    aus.write(s.Inhalt().data(), static_cast<std::streamsize>(s.Inhalt().size()));
    return true;
}

Leseergebnis ZeichnungLesenDatei(const std::string& pfad, Zeichnung& z, Meldungen& m) {
    std::string fehler;
    Leseergebnis ergebnis = Leseergebnis::Fehler;
    auto frisch = std::make_unique<Zeichnung>();
    std::ifstream ein(pfad, std::ios::binary);
    int grund = ein ? 0 : errno;
    // A folder opens as a stream here but is no file to read.
    std::error_code ec;
    if (grund == 0 && std::filesystem::is_directory(pfad, ec)) grund = EISDIR;
    if (grund != 0) {
        fehler = Formatieren(T("v.Zeichnungsdatei.Oeffnen"), {std::string(std::strerror(grund))});
    } else {
        ergebnis = ZeichnungLesen(ein, *frisch, fehler);
    }
    switch (ergebnis) {
    case Leseergebnis::Ok:
        z.Elemente = std::move(frisch->Elemente);
        z.Kopf = frisch->Kopf;
        z.DialogwerteUebernehmen();
        z.Geaendert = false;
        z.Verlauf.Neu(z.Elemente);
        break;
    case Leseergebnis::FalscheVersion:
        m.Melden(Meldungsart::Information, fehler);
        break;
    case Leseergebnis::Fehler:
        m.Melden(Meldungsart::Fehler, pfad + ": " + fehler);
        break;
    }
    return ergebnis;
}

bool ZeichnungSchreibenDatei(const std::string& pfad, Zeichnung& z, Meldungen& m) {
    if (z.Elemente.Anzahl() == z.Elemente.GeloeschteZahl()) {
        m.Melden(Meldungsart::Information, T("s44"));
        return false;
    }
    std::string fehler;
    const bool gut = AtomarSchreiben(
        pfad, [&z](std::ostream& aus) { return ZeichnungSchreiben(aus, z); }, fehler);
    if (gut)
        z.Verlauf.Gespeichert();
    else
        m.Melden(Meldungsart::Fehler, pfad + ": " + Formatieren(T("v.Zeichnungsdatei.Schreiben"), {fehler}));
    return gut;
}

std::string Zeichnungspfad(std::string_view dateiname) {
    return ErweiterungErsetzen(dateiname, ".vks");
}

} // namespace vektra
