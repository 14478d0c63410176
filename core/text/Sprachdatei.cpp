#include "text/Sprachdatei.h"

#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/Texte.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace vektra {
namespace {

constexpr std::size_t MaxWertLaenge = 1023;

std::string_view Beschnitten(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
        t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
        t.remove_suffix(1);
    return t;
}

std::string Klein(std::string_view t) {
    std::string k(t);
    for (char& c : k)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return k;
}

bool Folgebyte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Strict UTF-8: no overlong forms, no surrogates, nothing beyond U+10FFFF.
bool GueltigesUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        std::size_t folge = 0;
        char32_t kleinster = 0;
        if ((b & 0xE0) == 0xC0)
            folge = 1, kleinster = 0x80;
        else if ((b & 0xF0) == 0xE0)
            folge = 2, kleinster = 0x800;
        else if ((b & 0xF8) == 0xF0)
            folge = 3, kleinster = 0x10000;
        else if (b >= 0x80)
            return false;
        if (i + folge >= s.size()) return false;
        char32_t c = folge == 0 ? b : b & (0x3F >> folge);
        for (std::size_t k = 1; k <= folge; ++k) {
            if (!Folgebyte(s[i + k])) return false;
            c = c << 6 | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        }
        if (c < kleinster || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
        i += folge + 1;
    }
    return true;
}

// The first n characters of a UTF-8 text.
std::string_view Zeichen(std::string_view utf8, std::size_t n) {
    std::size_t gezaehlt = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i)
        if (!Folgebyte(utf8[i]) && gezaehlt++ == n) return utf8.substr(0, i);
    return utf8;
}

std::string Wert(std::string_view roh) {
    std::string_view w = Beschnitten(roh);
    if (w.size() >= 2 && (w.front() == '"' || w.front() == '\'') && w.back() == w.front())
        w = w.substr(1, w.size() - 2);
    const std::string utf8 = GueltigesUtf8(w) ? std::string(w) : Cp1252NachUtf8(w);
    return std::string(Zeichen(utf8, MaxWertLaenge));
}

std::string Angewendet(Anwendung a, const std::string& wert) {
    switch (a) {
    case Anwendung::Wert:
        return wert;
    case Anwendung::LeerPlusWert:
        return " " + wert;
    case Anwendung::WertPlusLeer:
        return wert + " ";
    case Anwendung::DreiLeerUmWert:
        return "   " + wert + "   ";
    }
    return wert;
}

// A value for a format text stays a format only with the built-in placeholders in their order;
// otherwise every "%" is doubled and the value shows as written.
std::string Formatgeprueft(const char* eingebaut, std::string wert) {
    const auto muster = Platzhalter(eingebaut);
    if (muster.empty() || Platzhalter(wert) == muster) return wert;
    std::string woertlich;
    for (char c : wert) {
        if (c == '%') woertlich += '%';
        woertlich += c;
    }
    return woertlich;
}

// An "sv" value with its escapes: "\n" a line break, "\\" a backslash.
std::string Entschluesselt(const std::string& wert) {
    std::string text;
    for (std::size_t i = 0; i < wert.size(); ++i) {
        const char folgt = i + 1 < wert.size() ? wert[i + 1] : '\0';
        if (wert[i] == '\\' && (folgt == 'n' || folgt == '\\')) {
            text += folgt == 'n' ? '\n' : '\\';
            ++i;
        } else {
            text += wert[i];
        }
    }
    return text;
}

} // namespace

std::map<std::string, std::string, std::less<>> SprachwerteLesen(std::string_view inhalt) {
    std::map<std::string, std::string, std::less<>> werte;
    if (inhalt.starts_with("\xEF\xBB\xBF")) inhalt.remove_prefix(3);
    bool imAbschnitt = false;
    while (!inhalt.empty()) {
        const std::size_t ende = inhalt.find('\n');
        std::string_view zeile = inhalt.substr(0, ende);
        inhalt.remove_prefix(ende == std::string_view::npos ? inhalt.size() : ende + 1);
        if (zeile.ends_with('\r')) zeile.remove_suffix(1);
        zeile = Beschnitten(zeile);
        if (zeile.empty() || zeile.front() == ';') continue;
        if (zeile.front() == '[') {
            const std::size_t zu = zeile.find(']');
            imAbschnitt =
                zu != std::string_view::npos && Klein(Beschnitten(zeile.substr(1, zu - 1))) == "language";
            continue;
        }
        const std::size_t gleich = zeile.find('=');
        if (!imAbschnitt || gleich == std::string_view::npos) continue;
        const std::string schluessel = Klein(Beschnitten(zeile.substr(0, gleich)));
        if (!schluessel.empty()) werte.try_emplace(schluessel, Wert(zeile.substr(gleich + 1)));
    }
    return werte;
}

std::string SpracheAnwenden(std::string_view inhalt) {
    const auto werte = SprachwerteLesen(inhalt);
    for (const Texteintrag& e : Texteintraege()) {
        const std::string_view schluessel = e.schluessel, datei = Dateischluessel(schluessel);
        if (datei.empty()) continue;
        const auto it = werte.find(datei);
        const bool eigen = datei != schluessel;
        if (eigen && it == werte.end()) continue;
        std::string wert = it == werte.end() ? std::string()
                           : eigen           ? Entschluesselt(it->second)
                                             : it->second;
        if (schluessel == "sn" || schluessel == "sj") {
            if (wert.empty()) wert = e.eingebaut;
            wert = Zeichen(wert, 1);
        }
        TextSetzen(schluessel, Angewendet(e.anwendung, Formatgeprueft(e.eingebaut, std::move(wert))));
    }
    const auto qt = werte.find("qt");
    return qt == werte.end() ? std::string() : qt->second;
}

std::optional<std::string> SpracheLaden(const std::string& pfad) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(pfad, ec)) return std::nullopt;
    std::ifstream ein(pfad, std::ios::binary);
    if (!ein) return std::nullopt;
    const std::string inhalt{std::istreambuf_iterator<char>(ein), {}};
    if (ein.bad()) return std::nullopt;
    return SpracheAnwenden(inhalt);
}

} // namespace vektra
