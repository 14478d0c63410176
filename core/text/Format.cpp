#include "text/Format.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace vektra {

namespace {

// Decimals the exact integer path handles: 5^4 times a 53-bit mantissa still fits 64 bits.
constexpr int SchnellStellen = 4;
constexpr std::uint64_t Fuenferpotenz[SchnellStellen + 1] = {1, 5, 25, 125, 625};
constexpr auto Zehnerpotenz = [] {
    std::array<std::uint64_t, 20> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i)
        p[i] = p[i - 1] * 10;
    return p;
}();
constexpr auto Ziffernpaare = [] {
    std::array<char, 200> p{};
    for (std::size_t i = 0; i < 100; ++i) {
        p[2 * i] = static_cast<char>('0' + i / 10);
        p[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return p;
}();

// |wert| rounded to `stellen` decimals and scaled to a whole number, as printf rounds: the exact
// binary value, a tie to the even neighbour. False when `stellen` or |wert| (from 1e9 on) is
// beyond what 64 bits hold; NaN and infinity are beyond too.
bool GanzSkaliert(double wert, int stellen, std::uint64_t& ergebnis) {
    if (stellen < 0 || stellen > SchnellStellen || !(std::fabs(wert) < 1e9)) return false;
    const auto bits = std::bit_cast<std::uint64_t>(wert);
    const auto exponent = static_cast<int>((bits >> 52) & 0x7FF);
    std::uint64_t mantisse = bits & ((std::uint64_t{1} << 52) - 1);
    if (exponent != 0) mantisse |= std::uint64_t{1} << 52;
    // |wert| * 10^stellen = mantisse * 5^stellen * 2^(zweier).
    const int zweier = (exponent == 0 ? -1074 : exponent - 1075) + stellen;
    const std::uint64_t n = mantisse * Fuenferpotenz[stellen];
    if (zweier >= 0) {
        ergebnis = n << zweier;
        return true;
    }
    const int schieben = -zweier;
    if (schieben >= 64) {
        ergebnis = 0; // n < 2^63, below half of the unit
        return true;
    }
    const std::uint64_t rest = n & ((std::uint64_t{1} << schieben) - 1);
    const std::uint64_t halb = std::uint64_t{1} << (schieben - 1);
    ergebnis = n >> schieben;
    // Without a branch: whether a coordinate rounds up is as good as random.
    ergebnis +=
        static_cast<std::uint64_t>(rest > halb) | (static_cast<std::uint64_t>(rest == halb) & ergebnis & 1);
    return true;
}

// Writes the `anzahl` lowest decimal digits of `wert` so that they end at `ende`, two at a
// time; returns where they begin and what is left of `wert` above them.
std::pair<char*, std::uint64_t> ZiffernVor(char* ende, std::uint64_t wert, int anzahl) {
    for (; anzahl >= 2; anzahl -= 2) {
        ende -= 2;
        std::memcpy(ende, &Ziffernpaare[2 * (wert % 100)], 2);
        wert /= 100;
    }
    if (anzahl == 1) {
        *--ende = static_cast<char>('0' + wert % 10);
        wert /= 10;
    }
    return {ende, wert};
}

// A number of at most eight digits into a field of at most eight characters. Nothing here
// branches on the value: how many digits a coordinate has changes from one to the next, and the
// mispredicted branches cost more than the digits. The digits come as two halves of four whose
// pairs are worked out side by side, gathered in one word in the order they are written; the
// blanks, the whole part and the decimals are stored eight bytes at a time (the room behind the
// number takes what is over).
char* AchtZiffern(char* ziel, std::uint32_t s, bool minus, int breite, int stellen) {
    // The digits from the bits: log10(2) is about 1233 / 4096, one too many at most.
    const int zehner = (std::bit_width(s | 1) * 1233) >> 12;
    const int ziffern =
        std::max(zehner + 1 - (s < Zehnerpotenz[static_cast<std::size_t>(zehner)]), stellen + 1);
    std::memcpy(ziel, "        ", 8);
    ziel += std::max(0, breite - (minus + ziffern + (stellen > 0)));
    *ziel = '-';
    ziel += minus;
    const std::uint32_t hoch = s / 10000, tief = s % 10000;
    const auto paar = [](std::uint32_t n) {
        std::uint16_t p = 0;
        std::memcpy(&p, &Ziffernpaare[2 * n], 2);
        return std::uint64_t{p};
    };
    const std::uint64_t acht =
        paar(hoch / 100) | paar(hoch % 100) << 16 | paar(tief / 100) << 32 | paar(tief % 100) << 48;
    const std::uint64_t ganz = acht >> (8 * (8 - ziffern));
    std::memcpy(ziel, &ganz, 8);
    if (stellen == 0) return ziel + ziffern;
    const std::uint64_t nach = acht >> (8 * (8 - stellen));
    ziel[ziffern - stellen] = '.';
    std::memcpy(ziel + ziffern - stellen + 1, &nach, 8);
    return ziel + ziffern + 1;
}

// The number without padding, the general way, into `puffer` (FestkommaPlatz characters).
char* Allgemein(char* puffer, double wert, int stellen) {
    if (!std::isfinite(wert)) {
        const std::string_view text = std::isnan(wert) ? "nan" : (wert < 0 ? "-inf" : "inf");
        return std::copy(text.begin(), text.end(), puffer);
    }
    const auto [ende, fehler] =
        std::to_chars(puffer, puffer + FestkommaPlatz, wert, std::chars_format::fixed, stellen);
    if (fehler == std::errc{}) return ende;
    *puffer = '0';
    return puffer + 1;
}

} // namespace

char* FestkommaSchreiben(char* ziel, double wert, int breite, int stellen) {
    std::uint64_t skaliert = 0;
    if (GanzSkaliert(wert, stellen, skaliert)) {
        if (std::endian::native == std::endian::little && skaliert < 100000000 && breite <= 8)
            return AchtZiffern(ziel, static_cast<std::uint32_t>(skaliert), std::signbit(wert), breite,
                               stellen);
        // As many digits as the number has, and at least one before the point.
        int ziffern = stellen + 1;
        while (ziffern < 20 && skaliert >= Zehnerpotenz[static_cast<std::size_t>(ziffern)])
            ++ziffern;
        const bool minus = std::signbit(wert);
        const int laenge = minus + ziffern + (stellen > 0);
        if (laenge < breite) {
            // The blanks: for a short field eight in one go, any past the field lie beyond the end
            // returned.
            if (breite <= 8)
                std::memcpy(ziel, "        ", 8);
            else
                std::memset(ziel, ' ', static_cast<std::size_t>(breite - laenge));
            ziel += breite - laenge;
        }
        if (minus) *ziel++ = '-';
        char* const ende = ziel + ziffern + (stellen > 0);
        auto [z, ganz] = ZiffernVor(ende, skaliert, stellen);
        if (stellen > 0) *--z = '.';
        ZiffernVor(z, ganz, ziffern - stellen);
        return ende;
    }
    char lang[FestkommaPlatz];
    const char* ende = Allgemein(lang, wert, stellen);
    for (auto n = ende - lang; n < breite; ++n)
        *ziel++ = ' ';
    return std::copy(static_cast<const char*>(lang), ende, ziel);
}

std::string Festkomma(double wert, int breite, int stellen) {
    std::string s;
    FestkommaAnhaengen(s, wert, breite, stellen);
    return s;
}

void FestkommaAnhaengen(std::string& ziel, double wert, int breite, int stellen) {
    char puffer[FestkommaPlatz];
    const auto laenge = static_cast<int>(FestkommaSchreiben(puffer, wert, 0, stellen) - puffer);
    if (laenge < breite) ziel.append(static_cast<std::size_t>(breite - laenge), ' ');
    ziel.append(puffer, static_cast<std::size_t>(laenge));
}

long long Runden(double wert) {
    return static_cast<long long>(std::nearbyint(wert));
}

namespace {

// A placeholder that begins at the "%" at m[i]: where it ends (its letter) and how it is
// filled; `art` is '\0' when none begins there.
struct Platz {
    std::size_t ende = 0;
    char art = '\0';
    bool links = false;
    int breite = 0;
    int stellen = 6;
};

// The digits from m[j] on as a number, at most `grenze + 1` however many there are.
int Ziffernwert(std::string_view m, std::size_t& j, int grenze) {
    int n = 0;
    for (; j < m.size() && m[j] >= '0' && m[j] <= '9'; ++j)
        n = std::min(n * 10 + (m[j] - '0'), grenze + 1);
    return n;
}

Platz PlatzLesen(std::string_view m, std::size_t i) {
    Platz p;
    std::size_t j = i + 1;
    p.links = j < m.size() && m[j] == '-';
    if (p.links) ++j;
    p.breite = Ziffernwert(m, j, MaxPlatzbreite);
    if (j < m.size() && m[j] == '.') p.stellen = Ziffernwert(m, ++j, MaxNachkommastellen);
    p.ende = j;
    if (j < m.size() && (m[j] == 'd' || m[j] == 's' || m[j] == 'f') && p.breite <= MaxPlatzbreite &&
        p.stellen <= MaxNachkommastellen)
        p.art = m[j];
    return p;
}

} // namespace

std::string Formatieren(std::string_view m, const std::vector<Formatwert>& werte) {
    std::string out;
    std::size_t naechster = 0;
    for (std::size_t i = 0; i < m.size(); ++i) {
        if (m[i] != '%') {
            out += m[i];
            continue;
        }
        if (i + 1 < m.size() && m[i + 1] == '%') {
            out += '%';
            ++i;
            continue;
        }
        const Platz p = PlatzLesen(m, i);
        if (p.art == '\0' || naechster >= werte.size()) {
            out += m[i];
            continue;
        }
        const Formatwert& w = werte[naechster];
        std::string teil;
        if (p.art == 'd' && std::holds_alternative<long long>(w))
            teil = std::to_string(std::get<long long>(w));
        else if (p.art == 's' && std::holds_alternative<std::string>(w))
            teil = std::get<std::string>(w);
        else if (p.art == 'f' && std::holds_alternative<double>(w))
            teil = Festkomma(std::get<double>(w), 0, p.stellen);
        else if (p.art == 'f' && std::holds_alternative<long long>(w))
            teil = Festkomma(static_cast<double>(std::get<long long>(w)), 0, p.stellen);
        else {
            out += m[i];
            continue;
        }
        ++naechster;
        if (static_cast<int>(teil.size()) < p.breite) {
            const std::string fuell(static_cast<std::size_t>(p.breite) - teil.size(), ' ');
            teil = p.links ? teil + fuell : fuell + teil;
        }
        out += teil;
        i = p.ende;
    }
    return out;
}

std::vector<std::string> Platzhalter(std::string_view m) {
    std::vector<std::string> liste;
    for (std::size_t i = 0; i < m.size(); ++i) {
        if (m[i] != '%') continue;
        if (i + 1 < m.size() && m[i + 1] == '%') {
            ++i;
            continue;
        }
        const Platz p = PlatzLesen(m, i);
        if (p.art == '\0') continue;
        liste.emplace_back(m.substr(i, p.ende + 1 - i));
        i = p.ende;
    }
    return liste;
}

namespace {

std::string_view Beschnitten(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
        t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
        t.remove_suffix(1);
    if (t.size() > 1 && t.front() == '+' && t[1] != '-' && t[1] != '+') t.remove_prefix(1);
    return t;
}

} // namespace

bool ZahlLesen(std::string_view text, double& wert) {
    const std::string_view t = Beschnitten(text);
    if (t.empty()) return false;
    double w = 0;
    auto [ende, fehler] = std::from_chars(t.data(), t.data() + t.size(), w, std::chars_format::general);
    if (fehler != std::errc{} || ende != t.data() + t.size() || !std::isfinite(w)) return false;
    wert = w;
    return true;
}

bool GanzzahlLesen(std::string_view text, long long& wert) {
    const std::string_view t = Beschnitten(text);
    if (t.empty()) return false;
    long long w = 0;
    auto [ende, fehler] = std::from_chars(t.data(), t.data() + t.size(), w);
    if (fehler != std::errc{} || ende != t.data() + t.size()) return false;
    wert = w;
    return true;
}

bool GanzzahlLesen(std::string_view text, std::int32_t& wert) {
    long long w = 0;
    if (!GanzzahlLesen(text, w) || w < INT32_MIN || w > INT32_MAX) return false;
    wert = static_cast<std::int32_t>(w);
    return true;
}

} // namespace vektra
