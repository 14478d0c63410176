#include "files/Zeichnungsdatei.h"

#include "files/AtomarSchreiben.h"
#include "text/Format.h"
#include "text/Texte.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>

namespace vektra {
namespace {

constexpr std::string_view Kennung42 = "VEKTRA42  ";
constexpr std::string_view Kennung40 = "VEKTRA40  ";
// Record lengths: the part every record starts with, lines and arrowhead strokes, circles, a
// text without its characters, and an element of the older version.
constexpr std::size_t KopfTeil = 12;
constexpr std::size_t StrichSatz = 46;
constexpr std::size_t KreisSatz = 39;
constexpr std::size_t TextSatz = 34;
constexpr std::size_t AltSatzGroesse = 288;

// Little-endian values from a byte buffer.
std::uint16_t U16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}
std::uint32_t U32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
std::int16_t I16(const std::uint8_t* p) {
    return static_cast<std::int16_t>(U16(p));
}
std::int32_t I32(const std::uint8_t* p) {
    return static_cast<std::int32_t>(U32(p));
}
double F64(const std::uint8_t* p) {
    return std::bit_cast<double>(static_cast<std::uint64_t>(U32(p)) | static_cast<std::uint64_t>(U32(p + 4))
                                                                          << 32);
}

// Reads exact byte counts and remembers the offset, so a short file names where it ended.
class Leser {
  public:
    explicit Leser(std::istream& ein) : ein_(ein) {}

    bool Holen(std::uint8_t* ziel, std::size_t n, std::string& fehler) {
        ein_.read(reinterpret_cast<char*>(ziel), static_cast<std::streamsize>(n));
        return Pruefen(n, fehler);
    }

    // Reads and drops n bytes.
    bool Ueberspringen(std::size_t n, std::string& fehler) {
        ein_.ignore(static_cast<std::streamsize>(n));
        return Pruefen(n, fehler);
    }

  private:
    // Counts what the last read took; false with the message when it took less than n.
    bool Pruefen(std::size_t n, std::string& fehler) {
        const auto gelesen = static_cast<std::size_t>(ein_.gcount());
        position_ += gelesen;
        if (gelesen == n) return true;
        const long long stelle = static_cast<long long>(position_);
        fehler = ein_.bad() ? Formatieren(T("v.Zeichnungsdatei.Lesefehler"), {stelle})
                            : Formatieren(T("v.Zeichnungsdatei.Ende"), {stelle});
        return false;
    }

    std::istream& ein_;
    std::size_t position_ = 0;
};

void GemeinsamesLesen(const std::uint8_t* p, TElement& e) {
    e.Art = p[0];
    e.gepickt = p[1] != 0;
    e.Kandidat = p[2] != 0;
    e.geloescht = p[3] != 0;
    e.Farbe = I32(p + 4);
    e.Ebene = I32(p + 8);
}

void StrichLesen(const std::uint8_t* p, TElement& e) {
    e.x1 = F64(p + 12);
    e.y1 = F64(p + 20);
    e.x2 = F64(p + 28);
    e.y2 = F64(p + 36);
    e.Breite = I16(p + 44);
}

void KreisLesen(const std::uint8_t* p, TElement& e) {
    e.x1 = F64(p + 12);
    e.y1 = F64(p + 20);
    e.Durchmesser = F64(p + 28);
    e.Breite = I16(p + 36);
    e.gefuellt = p[38] != 0;
}

bool ElementLesen42(Leser& l, TElement& e, int nummer, std::string& fehler) {
    std::array<std::uint8_t, StrichSatz> p{};
    if (!l.Holen(p.data(), KopfTeil, fehler)) return false;
    GemeinsamesLesen(p.data(), e);
    switch (e.Art) {
    case Linie:
    case Pfeilspitze:
        if (!l.Holen(p.data() + KopfTeil, StrichSatz - KopfTeil, fehler)) return false;
        StrichLesen(p.data(), e);
        return true;
    case Kreis:
        if (!l.Holen(p.data() + KopfTeil, KreisSatz - KopfTeil, fehler)) return false;
        KreisLesen(p.data(), e);
        return true;
    case Text: {
        if (!l.Holen(p.data() + KopfTeil, TextSatz - KopfTeil, fehler)) return false;
        e.x1 = F64(p.data() + 12);
        e.y1 = F64(p.data() + 20);
        e.Ausrichtung.assign(reinterpret_cast<const char*>(p.data() + 28), 2);
        const std::int32_t laenge = I32(p.data() + 30);
        if (laenge < 0) {
            fehler = Formatieren(T("v.Zeichnungsdatei.Textlaenge"),
                                 {static_cast<long long>(nummer), static_cast<long long>(laenge)});
            return false;
        }
        // A text keeps its first 255 characters; the rest is read and dropped, so the next
        // record starts at the right place.
        const auto n = static_cast<std::size_t>(laenge);
        const std::size_t behalten = std::min(n, MaxTextLaenge);
        std::array<std::uint8_t, MaxTextLaenge> text{};
        if (!l.Holen(text.data(), behalten, fehler) || !l.Ueberspringen(n - behalten, fehler)) return false;
        e.Text.assign(reinterpret_cast<const char*>(text.data()), behalten);
        return true;
    }
    default:
        return true;
    }
}

// The older records are the whole in-memory element with both strings as length byte plus
// characters.
bool ElementLesen40(Leser& l, TElement& e, std::string& fehler) {
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
    return true;
}

class Schreiber {
  public:
    void Byte(std::uint8_t b) { puffer_.push_back(static_cast<char>(b)); }
    void I16(std::int16_t w) { Bytes(static_cast<std::uint16_t>(w), 2); }
    void I32(std::int32_t w) { Bytes(static_cast<std::uint32_t>(w), 4); }
    void F64(double w) { Bytes(std::bit_cast<std::uint64_t>(w), 8); }
    void Roh(const void* p, std::size_t n) { puffer_.append(static_cast<const char*>(p), n); }
    const std::string& Inhalt() const { return puffer_; }
    void Reservieren(std::size_t n) { puffer_.reserve(n); }

  private:
    void Bytes(std::uint64_t w, int n) {
        for (int i = 0; i < n; ++i)
            Byte(static_cast<std::uint8_t>(w >> (8 * i)));
    }
    std::string puffer_;
};

void ElementSchreiben(Schreiber& s, const TElement& e) {
    s.Byte(e.Art);
    s.Byte(e.gepickt ? 1 : 0);
    s.Byte(e.Kandidat ? 1 : 0);
    s.Byte(e.geloescht ? 1 : 0);
    s.I32(e.Farbe);
    s.I32(e.Ebene);
    switch (e.Art) {
    case Linie:
    case Pfeilspitze:
        s.F64(e.x1);
        s.F64(e.y1);
        s.F64(e.x2);
        s.F64(e.y2);
        s.I16(e.Breite);
        break;
    case Kreis:
        s.F64(e.x1);
        s.F64(e.y1);
        s.F64(e.Durchmesser);
        s.I16(e.Breite);
        s.Byte(e.gefuellt ? 1 : 0);
        break;
    case Text: {
        s.F64(e.x1);
        s.F64(e.y1);
        // An alignment shorter than two letters (possible from an older file) is filled up
        // with the default "cc".
        for (std::size_t i = 0; i < 2; ++i)
            s.Byte(static_cast<std::uint8_t>(i < e.Ausrichtung.size() ? e.Ausrichtung[i] : 'c'));
        const std::size_t n = std::min(e.Text.size(), MaxTextLaenge);
        s.I32(static_cast<std::int32_t>(n));
        s.Roh(e.Text.data(), n);
        break;
    }
    default:
        break;
    }
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
        const bool gut = neu ? ElementLesen42(l, e, i, fehler) : ElementLesen40(l, e, fehler);
        if (!gut) return Leseergebnis::Fehler;
    }
    z.DialogwerteUebernehmen();
    z.Geaendert = false;
    return Leseergebnis::Ok;
}

bool ZeichnungSchreiben(std::ostream& aus, Zeichnung& z) {
    z.Elemente.Aufraeumen();
    if (z.Elemente.Anzahl() == 0) return false;
    z.KopfsatzAuffrischen();

    Schreiber s;
    s.Reservieren(182 + static_cast<std::size_t>(z.Elemente.Anzahl()) * StrichSatz);
    s.I32(static_cast<std::int32_t>(Kennung42.size()));
    s.Roh(Kennung42.data(), Kennung42.size());
    const KopfsatzBild& bild = z.Kopf.Packen();
    s.Roh(bild.data(), bild.size());
    s.I32(z.Elemente.Anzahl());
    for (const TElement& e : z.Elemente)
        ElementSchreiben(s, e);
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
    z.Elemente.Aufraeumen();
    if (z.Elemente.Anzahl() == 0) {
        m.Melden(Meldungsart::Information, T("s44"));
        return false;
    }
    std::string fehler;
    const bool gut = AtomarSchreiben(
        pfad, [&z](std::ostream& aus) { return ZeichnungSchreiben(aus, z); }, fehler);
    if (!gut)
        m.Melden(Meldungsart::Fehler, pfad + ": " + Formatieren(T("v.Zeichnungsdatei.Schreiben"), {fehler}));
    return gut;
}

std::string Zeichnungspfad(std::string_view dateiname) {
    return ErweiterungErsetzen(dateiname, ".vks");
}

} // namespace vektra
