#include "files/Makrodatei.h"

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
#include <tuple>

namespace vektra {
namespace {

using namespace satz;

// Count and reference point before the records.
constexpr std::size_t Vorspann = 20;

bool Geschrieben(const TElement& e) {
    return e.gepickt && !e.geloescht;
}

char Klein(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string KleinGeschrieben(std::string_view s) {
    std::string k(s);
    std::transform(k.begin(), k.end(), k.begin(), Klein);
    return k;
}

} // namespace

int MakroSchreiben(std::ostream& aus, const Zeichnung& z, double rx, double ry) {
    const int anzahl = static_cast<int>(std::count_if(z.Elemente.begin(), z.Elemente.end(), Geschrieben));
    Schreiber s;
    s.Reservieren(Vorspann + static_cast<std::size_t>(anzahl) * StrichSatz);
    s.I32(anzahl);
    s.F64(rx);
    s.F64(ry);
    for (const TElement& e : z.Elemente)
        if (Geschrieben(e)) ElementSchreiben(s, e);
    aus.write(s.Inhalt().data(), static_cast<std::streamsize>(s.Inhalt().size()));
    return anzahl;
}

bool MakroLesen(std::istream& ein, Makro& makro, std::string& fehler) {
    Leser l(ein);
    std::array<std::uint8_t, Vorspann> kopf{};
    if (!l.Holen(kopf.data(), kopf.size(), fehler)) return false;
    const std::int32_t anzahl = I32(kopf.data());
    if (anzahl < 0 || anzahl > MaxElemente) {
        fehler = Formatieren(T("v.Zeichnungsdatei.Anzahl"),
                             {static_cast<long long>(anzahl), static_cast<long long>(MaxElemente)});
        return false;
    }
    Makro neu{F64(kopf.data() + 4), F64(kopf.data() + 12), {}};
    if (!BezugPruefen(neu.BezugX, neu.BezugY, fehler)) return false;
    for (int i = 1; i <= anzahl; ++i) {
        TElement& e = neu.Elemente.emplace_back();
        if (!ElementLesen(l, e, i, fehler)) return false;
        if (e.Art > Pfeilspitze) {
            fehler = Formatieren(T("v.Makrodatei.Art"),
                                 {static_cast<long long>(i), static_cast<long long>(e.Art)});
            return false;
        }
    }
    // Bytes after the last record mean the count does not fit the records: better refuse than
    // insert a part.
    if (!l.AmEnde()) {
        fehler = Formatieren(T("v.Makrodatei.Rest"), {static_cast<long long>(l.Position())});
        return false;
    }
    makro = std::move(neu);
    return true;
}

bool MakroSpeichern(const Zeichnung& z, double rx, double ry, const std::string& pfad, Meldungen& m) {
    if (std::none_of(z.Elemente.begin(), z.Elemente.end(), Geschrieben)) {
        m.Melden(Meldungsart::Schlicht, T("v.NichtMarkiert"));
        return false;
    }
    std::string fehler;
    if (!BezugPruefen(rx, ry, fehler)) {
        m.Melden(Meldungsart::Fehler, fehler);
        return false;
    }
    const bool gut = AtomarSchreiben(
        pfad, [&](std::ostream& aus) { return MakroSchreiben(aus, z, rx, ry), true; }, fehler);
    if (!gut)
        m.Melden(Meldungsart::Fehler, pfad + ": " + Formatieren(T("v.Zeichnungsdatei.Schreiben"), {fehler}));
    return gut;
}

bool MakroLesenDatei(const std::string& pfad, Makro& makro, Meldungen& m) {
    std::string fehler;
    std::ifstream ein(pfad, std::ios::binary);
    int grund = ein ? 0 : errno;
    // A folder opens as a stream here but is no file to read.
    std::error_code ec;
    if (grund == 0 && std::filesystem::is_directory(pfad, ec)) grund = EISDIR;
    if (grund != 0)
        fehler = Formatieren(T("v.Zeichnungsdatei.Oeffnen"), {std::string(std::strerror(grund))});
    else if (MakroLesen(ein, makro, fehler))
        return true;
    m.Melden(Meldungsart::Fehler, pfad + ": " + fehler);
    return false;
}

int MakroEinfuegen(Zeichnung& z, const Makro& makro, double px, double py, Meldungen& m) {
    const auto anzahl = static_cast<long long>(makro.Elemente.size());
    if (anzahl > z.Elemente.Frei()) {
        m.Melden(Meldungsart::Fehler, Formatieren(T("v.Makrodatei.KeinPlatz"),
                                                  {anzahl, static_cast<long long>(z.Elemente.Frei())}));
        return 0;
    }
    const double dx = px - makro.BezugX;
    const double dy = py - makro.BezugY;
    const auto passt = [dx, dy](const TElement& e) {
        return LageZulaessig(e.x1 + dx) && LageZulaessig(e.y1 + dy) &&
               (!e.istStrich() || (LageZulaessig(e.x2 + dx) && LageZulaessig(e.y2 + dy)));
    };
    if (!std::all_of(makro.Elemente.begin(), makro.Elemente.end(), passt)) {
        m.Melden(Meldungsart::Fehler,
                 Formatieren(T("v.Makrodatei.ZuWeit"), {static_cast<long long>(Lagegrenze)}));
        return 0;
    }
    const int erstes = z.Elemente.Anzahl() + 1;
    Bearbeitung b(z, Schrittart::Makro);
    for (const TElement& quelle : makro.Elemente) {
        TElement& e = *z.Elemente.Anhaengen(quelle);
        e.x1 += dx;
        e.y1 += dy;
        if (e.istStrich()) {
            e.x2 += dx;
            e.y2 += dy;
        }
    }
    return erstes;
}

std::string MakroZurTaste(const std::vector<std::string>& namen, char zeichen) {
    const std::string* gewaehlt = nullptr;
    std::string gewaehltKlein;
    for (const std::string& name : namen) {
        if (name.size() <= 4 || Klein(name[0]) != Klein(zeichen) ||
            KleinGeschrieben(std::string_view(name).substr(name.size() - 4)) != ".vkm")
            continue;
        std::string klein = KleinGeschrieben(name);
        if (!gewaehlt || std::tie(klein, name) < std::tie(gewaehltKlein, *gewaehlt)) {
            gewaehlt = &name;
            gewaehltKlein = std::move(klein);
        }
    }
    return gewaehlt ? *gewaehlt : std::string();
}

std::string MakroZurTasteSuchen(const std::string& ordner, char zeichen) {
    namespace fs = std::filesystem;
    std::vector<std::string> namen;
    std::error_code ec;
    for (fs::directory_iterator it(ordner, ec), ende; !ec && it != ende; it.increment(ec))
        if (it->is_regular_file(ec)) namen.push_back(it->path().filename().string());
    const std::string name = MakroZurTaste(namen, zeichen);
    return name.empty() ? name : (fs::path(ordner) / name).string();
}

} // namespace vektra
