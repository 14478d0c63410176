#include "files/Elementsaetze.h"

#include "text/Format.h"
#include "text/Texte.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>

namespace vektra::satz {
namespace {

std::uint16_t U16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}
std::uint32_t U32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

} // namespace

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

namespace {

// Bytes read from the stream at a time.
constexpr std::size_t Blockgroesse = 64 * 1024;

} // namespace

Leser::Leser(std::istream& ein) : ein_(ein), block_(Blockgroesse) {
    lesen_ = ende_ = block_.data();
}

bool Leser::Nachfuellen() {
    ein_.read(reinterpret_cast<char*>(block_.data()), static_cast<std::streamsize>(block_.size()));
    const auto n = static_cast<std::size_t>(ein_.gcount());
    geholt_ += n;
    lesen_ = block_.data();
    ende_ = lesen_ + n;
    return n > 0;
}

bool Leser::HolenUeberBlockgrenze(std::uint8_t* ziel, std::size_t n, std::string& fehler) {
    while (n > 0) {
        if (Vorrat() == 0 && !Nachfuellen()) return Fehlt(fehler);
        const std::size_t teil = std::min(n, Vorrat());
        std::memcpy(ziel, lesen_, teil);
        lesen_ += teil;
        ziel += teil;
        n -= teil;
    }
    return true;
}

bool Leser::Ueberspringen(std::size_t n, std::string& fehler) {
    const std::size_t teil = std::min(n, Vorrat());
    lesen_ += teil;
    n -= teil;
    if (n == 0) return true;
    // The rest lies beyond the block: past it in the stream itself.
    ein_.ignore(static_cast<std::streamsize>(n));
    const auto uebergangen = static_cast<std::size_t>(ein_.gcount());
    geholt_ += uebergangen;
    return uebergangen == n || Fehlt(fehler);
}

bool Leser::AmEnde() {
    return Vorrat() == 0 && !Nachfuellen();
}

bool Leser::Fehlt(std::string& fehler) {
    const auto stelle = static_cast<long long>(Position());
    fehler = ein_.bad() ? Formatieren(T("v.Zeichnungsdatei.Lesefehler"), {stelle})
                        : Formatieren(T("v.Zeichnungsdatei.Ende"), {stelle});
    return false;
}

void Schreiber::F64(double w) {
    Bytes(std::bit_cast<std::uint64_t>(w), 8);
}

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

namespace {

// The value as the shortest text that reads back as it ("nan", "-inf" and "1e+300" too).
std::string Wert(double v) {
    std::array<char, 32> text{};
    const auto ende = std::to_chars(text.data(), text.data() + text.size(), v).ptr;
    return std::string(text.data(), ende);
}

constexpr auto Grenze = static_cast<long long>(Lagegrenze);

// The message for a value that LageZulaessig refuses; kept out of the reading loop.
[[gnu::noinline]] bool Abgelehnt(double wert, int nummer, std::string& fehler) {
    fehler = Formatieren(T("v.Zeichnungsdatei.Lage"),
                         {static_cast<long long>(nummer), Wert(wert), -Grenze, Grenze});
    return false;
}

template <std::size_t N> bool Zulaessig(const std::array<double, N>& werte, int nummer, std::string& fehler) {
    for (const double v : werte)
        if (!LageZulaessig(v)) return Abgelehnt(v, nummer, fehler);
    return true;
}

} // namespace

bool LagenPruefen(const TElement& e, int nummer, std::string& fehler) {
    switch (e.Art) {
    case Linie:
    case Pfeilspitze:
        return Zulaessig(std::array{e.x1, e.y1, e.x2, e.y2}, nummer, fehler);
    case Kreis:
        return Zulaessig(std::array{e.x1, e.y1, e.Durchmesser}, nummer, fehler);
    case Text:
        return Zulaessig(std::array{e.x1, e.y1}, nummer, fehler);
    default:
        return true;
    }
}

bool BezugPruefen(double x, double y, std::string& fehler) {
    for (const double v : {x, y})
        if (!LageZulaessig(v)) {
            fehler = Formatieren(T("v.Makrodatei.Bezug"), {Wert(v), -Grenze, Grenze});
            return false;
        }
    return true;
}

bool ElementLesen(Leser& l, TElement& e, int nummer, std::string& fehler) {
    std::array<std::uint8_t, StrichSatz> p{};
    if (!l.Holen(p.data(), KopfTeil, fehler)) return false;
    GemeinsamesLesen(p.data(), e);
    switch (e.Art) {
    case Linie:
    case Pfeilspitze:
        if (!l.Holen(p.data() + KopfTeil, StrichSatz - KopfTeil, fehler)) return false;
        StrichLesen(p.data(), e);
        return LagenPruefen(e, nummer, fehler);
    case Kreis:
        if (!l.Holen(p.data() + KopfTeil, KreisSatz - KopfTeil, fehler)) return false;
        KreisLesen(p.data(), e);
        return LagenPruefen(e, nummer, fehler);
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
        return LagenPruefen(e, nummer, fehler);
    }
    default:
        return true;
    }
}

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

} // namespace vektra::satz
