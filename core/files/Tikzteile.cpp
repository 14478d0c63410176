#include "files/Tikzteile.h"

#include "files/Bildbefehle.h"
#include "files/Importzustand.h"
#include "text/Format.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace vektra::tikzteile {

std::string_view Getrimmt(std::string_view s) {
    while (!s.empty() && IstLeerzeichen(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IstLeerzeichen(s.back()))
        s.remove_suffix(1);
    return s;
}

void KommentareLoeschen(std::string& text) {
    for (std::size_t p = 0; p < text.size(); ++p) {
        if (text[p] == '\\') {
            ++p;
        } else if (text[p] == '%') {
            while (p < text.size() && text[p] != '\n')
                text[p++] = ' ';
        }
    }
}

std::string_view Steuerwort(std::string_view t, std::size_t& p) {
    const std::size_t anfang = p;
    while (p < t.size() && bildimport::IstBuchstabe(t[p]))
        ++p;
    return t.substr(anfang, p - anfang);
}

bool Klammer(std::string_view t, std::size_t& p, char auf, char zu, std::string_view& inhalt) {
    if (p >= t.size() || t[p] != auf) return false;
    int tiefe = 0, geschweift = 0;
    for (std::size_t i = p; i < t.size(); ++i) {
        const char c = t[i];
        if (c == '\\') {
            ++i;
        } else if (c == '{' && auf != '{') {
            ++geschweift;
        } else if (c == '}' && auf != '{') {
            if (--geschweift < 0) return false;
        } else if (geschweift > 0) {
            continue;
        } else if (c == auf && auf != zu) {
            ++tiefe;
        } else if (c == zu && --tiefe == 0) {
            inhalt = t.substr(p + 1, i - p - 1);
            p = i + 1;
            return true;
        }
    }
    return false;
}

bool Argument(std::string_view t, std::size_t& p, std::string_view& inhalt) {
    while (p < t.size() && IstLeerzeichen(t[p]))
        ++p;
    return Klammer(t, p, '{', '}', inhalt);
}

namespace {

// Calls `bei(i)` for each character outside braces, brackets and parentheses; stops when it
// returns true and gives that position, else npos.
template <class Bei> std::size_t Aussen(std::string_view s, Bei bei) {
    int tiefe = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '\\')
            ++i;
        else if (c == '{' || c == '[' || c == '(')
            ++tiefe;
        else if ((c == '}' || c == ']' || c == ')') && tiefe > 0)
            --tiefe;
        else if (tiefe == 0 && bei(i))
            return i;
    }
    return std::string_view::npos;
}

bool Vor(std::string_view t, std::size_t p, std::string_view s) {
    return t.substr(p, s.size()) == s;
}

} // namespace

std::vector<std::string_view> Teile(std::string_view s, char trenner) {
    std::vector<std::string_view> teile;
    std::size_t anfang = 0;
    Aussen(s, [&](std::size_t i) {
        if (s[i] == trenner) teile.push_back(s.substr(anfang, i - anfang)), anfang = i + 1;
        return false;
    });
    teile.push_back(s.substr(anfang));
    return teile;
}

std::size_t Oberste(std::string_view s, char c) {
    return Aussen(s, [&](std::size_t i) { return s[i] == c; });
}

std::string_view Entklammert(std::string_view s, char auf, char zu) {
    s = Getrimmt(s);
    std::size_t p = 0;
    std::string_view inhalt;
    if (Klammer(s, p, auf, zu, inhalt) && p == s.size()) return Getrimmt(inhalt);
    return s;
}

namespace {

// The first place from `p` on, outside braces, of a ";" or of the picture's end; with
// `nachGruppe` also the place right after a brace group that another command or the text's end
// follows.
std::size_t Ende(std::string_view t, std::size_t p, bool nachGruppe) {
    int tiefe = 0;
    for (; p < t.size(); ++p) {
        const char c = t[p];
        if (c == '\\') {
            if (tiefe == 0 && Vor(t, p, "\\end{tikzpicture}")) return p;
            ++p;
        } else if (c == '{') {
            ++tiefe;
        } else if (c == '}' && tiefe > 0 && --tiefe == 0 && nachGruppe) {
            std::size_t n = p + 1;
            while (n < t.size() && IstLeerzeichen(t[n]))
                ++n;
            if (n >= t.size() || t[n] == '\\') return p + 1;
        } else if (c == ';' && tiefe == 0) {
            return p;
        }
    }
    return t.size();
}

} // namespace

std::size_t Anweisungsende(std::string_view t, std::size_t p) {
    return Ende(t, p, false);
}

std::size_t Befehlsende(std::string_view t, std::size_t p) {
    const std::size_t e = Ende(t, p, true);
    return e < t.size() && t[e] == ';' ? e + 1 : e;
}

bool Zahl(std::string_view s, double& wert) {
    s = Getrimmt(s);
    if (s.starts_with('+')) s.remove_prefix(1);
    return !s.empty() && ZahlLesen(s, wert) && std::isfinite(wert);
}

bool Mass(std::string_view s, double& wert, bool& einheit) {
    s = Getrimmt(s);
    std::size_t e = s.size();
    while (e > 0 && bildimport::IstBuchstabe(s[e - 1]))
        --e;
    einheit = e < s.size();
    if (!Zahl(s.substr(0, e), wert)) return false;
    if (!einheit) return true;
    const double mm = bildimport::MillimeterJe(s.substr(e));
    wert *= mm;
    return mm > 0;
}

bool Anker(std::string_view name, std::string& ausrichtung) {
    name = Getrimmt(name);
    const bool oben = name.find("north") != std::string_view::npos;
    const bool unten =
        name.find("south") != std::string_view::npos || name.find("base") != std::string_view::npos;
    const bool links = name.find("west") != std::string_view::npos;
    const bool rechts = name.find("east") != std::string_view::npos;
    if (!(oben || unten || links || rechts || name == "center")) return false;
    ausrichtung = {oben ? 't' : unten ? 'b' : 'c', links ? 'l' : rechts ? 'r' : 'c'};
    return true;
}

bool Lagewort(std::string_view wort, std::string& ausrichtung) {
    wort = Getrimmt(wort);
    const bool ueber = wort.starts_with("above"), unter = wort.starts_with("below");
    if (ueber || unter) wort = Getrimmt(wort.substr(5));
    const bool links = wort == "left", rechts = wort == "right";
    if (!(links || rechts || wort.empty()) || !(ueber || unter || links || rechts)) return false;
    // A node above its point has the point at its bottom, one left of it at its right.
    ausrichtung = {ueber ? 'b' : unter ? 't' : 'c', links ? 'r' : rechts ? 'l' : 'c'};
    return true;
}

Farbteile Zerlegen(std::int32_t farbe) {
    const auto teil = [farbe](int schieben) { return static_cast<double>((farbe >> schieben) & 0xFF) / 255; };
    return {teil(0), teil(8), teil(16)};
}

std::int32_t Zusammensetzen(const Farbteile& f) {
    const auto teil = [](double v) {
        return static_cast<std::int32_t>(Runden(std::clamp(v, 0.0, 1.0) * 255));
    };
    return teil(f.r) | teil(f.g) << 8 | teil(f.b) << 16;
}

Farbteile Mischen(const Farbteile& a, const Farbteile& b, double anteil) {
    const double rest = 1 - anteil;
    return {anteil * a.r + rest * b.r, anteil * a.g + rest * b.g, anteil * a.b + rest * b.b};
}

bool Grundfarbe(std::string_view name, std::int32_t& farbe) {
    static constexpr std::pair<std::string_view, Farbteile> namen[] = {
        {"gray", {.5, .5, .5}},    {"darkgray", {.25, .25, .25}}, {"lightgray", {.75, .75, .75}},
        {"brown", {.75, .5, .25}}, {"lime", {.75, 1, 0}},         {"olive", {.5, .5, 0}},
        {"orange", {1, .5, 0}},    {"pink", {1, .75, .75}},       {"purple", {.75, 0, .25}},
        {"teal", {0, .5, .5}},     {"violet", {.5, 0, .5}}};
    for (const auto& [n, teile] : namen)
        if (name == n) return farbe = Zusammensetzen(teile), true;
    return bildimport::FarbeLesen({}, name, farbe);
}

bool FarbeDefinieren(std::string_view modell, std::string_view angabe, std::int32_t& farbe) {
    modell = Getrimmt(modell);
    angabe = Getrimmt(angabe);
    if (modell == "HTML") {
        unsigned wert = 0;
        const auto [ende, fehler] = std::from_chars(angabe.data(), angabe.data() + angabe.size(), wert, 16);
        if (angabe.size() != 6 || fehler != std::errc{} || ende != angabe.data() + angabe.size())
            return false;
        farbe = static_cast<std::int32_t>((wert >> 16 & 0xFF) | (wert & 0xFF00) | (wert & 0xFF) << 16);
        return true;
    }
    if (modell == "cmyk") {
        const std::vector<std::string_view> t = Teile(angabe, ',');
        double c = 0, m = 0, y = 0, k = 0;
        if (t.size() != 4 || !Zahl(t[0], c) || !Zahl(t[1], m) || !Zahl(t[2], y) || !Zahl(t[3], k))
            return false;
        farbe = Zusammensetzen({(1 - c) * (1 - k), (1 - m) * (1 - k), (1 - y) * (1 - k)});
        return true;
    }
    return bildimport::FarbeLesen(modell, angabe, farbe);
}

} // namespace vektra::tikzteile
