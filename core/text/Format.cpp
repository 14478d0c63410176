#include "text/Format.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace vektra {

std::string Festkomma(double wert, int breite, int stellen) {
    char puffer[400];
    std::string s;
    if (std::isfinite(wert)) {
        auto [ende, fehler] =
            std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed, stellen);
        s = fehler == std::errc{} ? std::string(puffer, ende) : std::string("0");
    } else {
        s = std::isnan(wert) ? "nan" : (wert < 0 ? "-inf" : "inf");
    }
    if (static_cast<int>(s.size()) < breite) s.insert(0, static_cast<std::size_t>(breite) - s.size(), ' ');
    return s;
}

long long Runden(double wert) {
    return static_cast<long long>(std::nearbyint(wert));
}

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
        // %[-]W[.P](d|s|f)
        std::size_t j = i + 1;
        bool links = j < m.size() && m[j] == '-';
        if (links) ++j;
        int breite = 0, stellen = 6;
        while (j < m.size() && m[j] >= '0' && m[j] <= '9' && breite < 1000)
            breite = breite * 10 + (m[j++] - '0');
        if (j < m.size() && m[j] == '.') {
            ++j;
            stellen = 0;
            while (j < m.size() && m[j] >= '0' && m[j] <= '9' && stellen < 100)
                stellen = stellen * 10 + (m[j++] - '0');
        }
        while (j < m.size() && m[j] >= '0' && m[j] <= '9')
            ++j;
        const char art = j < m.size() ? m[j] : '\0';
        if ((art != 'd' && art != 's' && art != 'f') || naechster >= werte.size()) {
            out += m[i];
            continue;
        }
        const Formatwert& w = werte[naechster];
        std::string teil;
        if (art == 'd' && std::holds_alternative<long long>(w))
            teil = std::to_string(std::get<long long>(w));
        else if (art == 's' && std::holds_alternative<std::string>(w))
            teil = std::get<std::string>(w);
        else if (art == 'f' && std::holds_alternative<double>(w))
            teil = Festkomma(std::get<double>(w), 0, stellen);
        else if (art == 'f' && std::holds_alternative<long long>(w))
            teil = Festkomma(static_cast<double>(std::get<long long>(w)), 0, stellen);
        else {
            out += m[i];
            continue;
        }
        ++naechster;
        if (static_cast<int>(teil.size()) < breite) {
            const std::string fuell(static_cast<std::size_t>(breite) - teil.size(), ' ');
            teil = links ? teil + fuell : fuell + teil;
        }
        out += teil;
        i = j;
    }
    return out;
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
