#include "text/Cp1252.h"

#include <array>
#include <cstdint>

namespace vektra {
namespace {

// Unicode code points of the bytes 0x80..0x9F; 0 where cp1252 has no character, which we
// then pass through as the C1 control of the same value so nothing is lost.
constexpr std::array<char32_t, 32> Hochbereich{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void Anhaengen(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

char NachByte(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < Hochbereich.size(); ++i)
        if (Hochbereich[i] == c) return static_cast<char>(0x80 + i);
    if (c >= 0x80 && c <= 0x9F && Hochbereich[c - 0x80] == 0) return static_cast<char>(c);
    return '?';
}

// Walks the UTF-8 text character by character; a malformed byte comes as itself (Latin-1)
// with `gueltig` false.
template <typename Tun> void Zeichenweise(std::string_view s, Tun tun) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        int folge = b < 0x80             ? 0
                    : (b & 0xE0) == 0xC0 ? 1
                    : (b & 0xF0) == 0xE0 ? 2
                    : (b & 0xF8) == 0xF0 ? 3
                                         : -1;
        char32_t c = b;
        bool gut = folge >= 0 && i + static_cast<std::size_t>(folge) < s.size();
        if (gut && folge > 0) {
            c = b & (0x3F >> folge);
            for (int k = 1; k <= folge; ++k) {
                const auto f = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
                if ((f & 0xC0) != 0x80) {
                    gut = false;
                    break;
                }
                c = (c << 6) | (f & 0x3F);
            }
        }
        if (!gut) {
            tun(static_cast<char32_t>(b), false);
            ++i;
            continue;
        }
        tun(c, true);
        i += static_cast<std::size_t>(folge) + 1;
    }
}

} // namespace

std::string Cp1252NachUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (unsigned char b : bytes) {
        char32_t c = b;
        if (b >= 0x80 && b <= 0x9F && Hochbereich[b - 0x80] != 0) c = Hochbereich[b - 0x80];
        Anhaengen(out, c);
    }
    return out;
}

std::string Utf8NachCp1252(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    Zeichenweise(s, [&](char32_t c, bool gueltig) { out += gueltig ? NachByte(c) : static_cast<char>(c); });
    return out;
}

std::string NichtInCp1252(std::string_view utf8) {
    std::string out;
    std::u32string gesehen;
    Zeichenweise(utf8, [&](char32_t c, bool gueltig) {
        if (!gueltig || NachByte(c) != '?' || c == U'?' || gesehen.find(c) != std::u32string::npos) return;
        gesehen += c;
        Anhaengen(out, c);
    });
    return out;
}

bool IstUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        // Lead bytes C0, C1 and F5..FF only ever start overlong or too large forms.
        const int folge = b >= 0xC2 && b <= 0xDF   ? 1
                          : (b & 0xF0) == 0xE0     ? 2
                          : b >= 0xF0 && b <= 0xF4 ? 3
                                                   : 0;
        if (folge == 0 || s.size() - i <= static_cast<std::size_t>(folge)) return false;
        char32_t c = b & (0x3F >> folge);
        for (int k = 1; k <= folge; ++k) {
            const auto f = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((f & 0xC0) != 0x80) return false;
            c = (c << 6) | (f & 0x3F);
        }
        constexpr char32_t kleinste[] = {0, 0x80, 0x800, 0x10000};
        if (c < kleinste[folge] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
        i += static_cast<std::size_t>(folge) + 1;
    }
    return true;
}

} // namespace vektra
