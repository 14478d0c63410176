#include "model/Kopfsatz.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace vektra {
namespace {

constexpr std::size_t TextFeldLaenge = 10;

template <typename T> void Schreiben(KopfsatzBild& b, std::size_t off, T wert) {
    using U = std::make_unsigned_t<std::conditional_t<std::is_same_v<T, double>, std::int64_t, T>>;
    U u;
    if constexpr (std::is_same_v<T, double>)
        u = std::bit_cast<std::uint64_t>(wert);
    else
        u = static_cast<U>(wert);
    for (std::size_t i = 0; i < sizeof(T); ++i) b[off + i] = static_cast<std::uint8_t>(u >> (8 * i));
}

template <typename T> T Lesen(const KopfsatzBild& b, std::size_t off) {
    using U = std::make_unsigned_t<std::conditional_t<std::is_same_v<T, double>, std::int64_t, T>>;
    U u = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i) u |= static_cast<U>(static_cast<U>(b[off + i]) << (8 * i));
    if constexpr (std::is_same_v<T, double>)
        return std::bit_cast<double>(u);
    else
        return static_cast<T>(u);
}

std::string TextLesen(const KopfsatzBild& b, std::size_t off);

// A length byte and up to ten characters; the bytes after the text stay as they were, and
// a field whose text did not change is not touched at all (even an odd length byte).
void TextSchreiben(KopfsatzBild& b, std::size_t off, const std::string& s) {
    if (TextLesen(b, off) == s.substr(0, TextFeldLaenge)) return;
    const std::size_t n = std::min(s.size(), TextFeldLaenge);
    b[off] = static_cast<std::uint8_t>(n);
    std::memcpy(&b[off + 1], s.data(), n);
}

std::string TextLesen(const KopfsatzBild& b, std::size_t off) {
    const std::size_t n = std::min<std::size_t>(b[off], TextFeldLaenge);
    return std::string(reinterpret_cast<const char*>(&b[off + 1]), n);
}

// Any non-zero byte reads as true; an unchanged flag keeps its byte.
void FlagSchreiben(KopfsatzBild& b, std::size_t off, bool wert) {
    if ((b[off] != 0) != wert) b[off] = wert ? 1 : 0;
}

} // namespace

KopfsatzBild Kopfsatz::NeuesBild() {
    KopfsatzBild b{};
    b[96] = 1;
    return b;
}

const KopfsatzBild& Kopfsatz::Packen() {
    KopfsatzBild& b = roh;
    for (std::size_t i = 0; i < 4; ++i) Schreiben(b, 2 * i, PixelBreite[i]);
    Schreiben(b, 8, Textanzeige);
    Schreiben(b, 10, Zoomstufe);
    Schreiben(b, 12, Snapstufe);
    Schreiben(b, 14, Pickabstand);
    for (std::size_t i = 0; i < 4; ++i) Schreiben(b, 16 + 2 * i, PixelBreiteDialog[i]);
    TextSchreiben(b, 24, Unitlength);
    TextSchreiben(b, 35, TeXBreiteUnsichtbar);
    TextSchreiben(b, 46, TeXBreiteDuenn);
    TextSchreiben(b, 57, TeXBreiteNormal);
    TextSchreiben(b, 68, TeXBreiteDick);
    Schreiben(b, 80, Pfeilwinkel);
    Schreiben(b, 88, Pfeillaenge);
    FlagSchreiben(b, 97, Snap);
    FlagSchreiben(b, 99, Clipaktiv);
    Schreiben(b, 100, ClipLinks);
    Schreiben(b, 104, ClipRechts);
    Schreiben(b, 108, ClipOben);
    Schreiben(b, 112, ClipUnten);
    Schreiben(b, 116, aktuelleFarbe);
    Schreiben(b, 120, Massstab);
    TextSchreiben(b, 124, x_off);
    TextSchreiben(b, 135, y_off);
    Schreiben(b, 148, Startschritt);
    Schreiben(b, 156, Schrittfaktor);
    return roh;
}

void Kopfsatz::Entpacken(const KopfsatzBild& b) {
    roh = b;
    for (std::size_t i = 0; i < 4; ++i) PixelBreite[i] = Lesen<std::int16_t>(b, 2 * i);
    Textanzeige = Lesen<std::int16_t>(b, 8);
    Zoomstufe = Lesen<std::int16_t>(b, 10);
    Snapstufe = Lesen<std::int16_t>(b, 12);
    Pickabstand = Lesen<std::int16_t>(b, 14);
    for (std::size_t i = 0; i < 4; ++i) PixelBreiteDialog[i] = Lesen<std::int16_t>(b, 16 + 2 * i);
    Unitlength = TextLesen(b, 24);
    TeXBreiteUnsichtbar = TextLesen(b, 35);
    TeXBreiteDuenn = TextLesen(b, 46);
    TeXBreiteNormal = TextLesen(b, 57);
    TeXBreiteDick = TextLesen(b, 68);
    Pfeilwinkel = Lesen<double>(b, 80);
    Pfeillaenge = Lesen<double>(b, 88);
    Snap = b[97] != 0;
    Clipaktiv = b[99] != 0;
    ClipLinks = Lesen<std::int32_t>(b, 100);
    ClipRechts = Lesen<std::int32_t>(b, 104);
    ClipOben = Lesen<std::int32_t>(b, 108);
    ClipUnten = Lesen<std::int32_t>(b, 112);
    aktuelleFarbe = Lesen<std::int32_t>(b, 116);
    Massstab = Lesen<std::int32_t>(b, 120);
    x_off = TextLesen(b, 124);
    y_off = TextLesen(b, 135);
    Startschritt = Lesen<double>(b, 148);
    Schrittfaktor = Lesen<double>(b, 156);
}

} // namespace vektra
