#include "files/Importzustand.h"

#include "files/Elementsaetze.h"

#include "files/ExportGemeinsam.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/Texte.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>

namespace vektra::bildimport {

bool Zeilenquelle::Holen(std::string& zeile) {
    if (!zurueck_.empty()) {
        zeile = std::move(zurueck_.back());
        zurueck_.pop_back();
    } else {
        if (rest_.empty()) return false;
        const std::size_t ende = rest_.find('\n');
        zeile.assign(rest_.substr(0, ende));
        rest_.remove_prefix(ende == std::string_view::npos ? rest_.size() : ende + 1);
        if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
    }
    ++nummer_;
    return true;
}

std::size_t KlammernFolgen(std::string_view s, std::size_t ab, int& tiefe, bool kommentar) {
    for (std::size_t p = ab; p < s.size(); ++p) {
        if (s[p] == '\\')
            ++p;
        else if (s[p] == '{')
            ++tiefe;
        else if ((s[p] == '}' && tiefe > 0 && --tiefe == 0) || (kommentar && s[p] == '%'))
            return p;
    }
    return std::string_view::npos;
}

bool Ausgewogen(std::string_view text) {
    text = text.substr(0, MaxTextLaenge);
    int tiefe = 0;
    for (std::size_t p = 0; p < text.size(); ++p) {
        if (text[p] == '\\') {
            if (++p == text.size()) return false;
        } else if (text[p] == '{') {
            ++tiefe;
        } else if (text[p] == '}' && --tiefe < 0) {
            return false;
        }
    }
    return tiefe == 0;
}

void Importzustand::GruppeAuf() {
    if (gruppen_.size() < MaxGruppen)
        gruppen_.push_back(jetzt);
    else
        ++ueberzaehlig_;
}

void Importzustand::GruppeZu() {
    if (ueberzaehlig_ > 0) {
        --ueberzaehlig_;
        return;
    }
    if (gruppen_.empty()) return;
    jetzt = gruppen_.back();
    gruppen_.pop_back();
}

TElement Importzustand::Neu(std::uint8_t art, std::int32_t ebene) const {
    TElement e;
    e.Art = art;
    e.Ebene = ebene;
    e.Farbe = jetzt.Farbe;
    e.Breite = jetzt.Breite;
    return e;
}

Importzustand::Aufnahme Importzustand::Aufnehmen(TElement e, int zeile) {
    if (ergebnis.voll) return Aufnahme::Voll;
    std::string fehler;
    if (!satz::LagenPruefen(e, z.Elemente.Anzahl() + 1, fehler)) {
        uebergangen_.push_back(zeile);
        return Aufnahme::Uebergangen;
    }
    if (z.Elemente.Anhaengen(std::move(e)) == nullptr) {
        m.Melden(Meldungsart::Warnung, T("v.ImportVoll"), zeile);
        ergebnis.voll = true;
        return Aufnahme::Voll;
    }
    ++ergebnis.neueElemente;
    return Aufnahme::Gehalten;
}

void Importzustand::NeueLinie(double x1, double y1, double x2, double y2, int zeile) {
    TElement e = Neu(Linie, EbeneLinie);
    e.x1 = x1;
    e.y1 = y1;
    e.x2 = x2;
    e.y2 = y2;
    Aufnehmen(std::move(e), zeile);
}

void Importzustand::Fehler(int art, int zeile) {
    ++ergebnis.Fehler;
    m.Melden(Meldungsart::Fehler, T(art == 2 ? "s51" : "s52") + T("s53") + std::to_string(zeile), zeile);
}

void Importzustand::Abschliessen() {
    if (uebergangen_.empty()) return;
    std::sort(uebergangen_.begin(), uebergangen_.end());
    uebergangen_.erase(std::unique(uebergangen_.begin(), uebergangen_.end()), uebergangen_.end());
    ergebnis.uebergangeneZeilen = static_cast<int>(uebergangen_.size());
    m.Melden(Meldungsart::Warnung, Formatieren(T("v.ImportUebergangen"), {Zeilenbereiche(uebergangen_)}));
}

double Importzustand::MmJeEinheit() const {
    double mm = 0;
    return ZahlLesen(z.Dialog.Unitlength, mm) && mm > 0 && std::isfinite(mm) ? mm : 1.0;
}

std::int16_t Importzustand::NaechsteBreite(double pt) const {
    std::int16_t klasse = jetzt.Breite;
    double abstand = std::numeric_limits<double>::infinity();
    for (std::int16_t k = 0; k <= 2; ++k) {
        double breite = 0;
        if (ZahlLesen(z.Dialog.TeXBreite[static_cast<std::size_t>(k) + 1], breite) &&
            std::fabs(breite - pt) < abstand) {
            abstand = std::fabs(breite - pt);
            klasse = k;
        }
    }
    return klasse;
}

std::string Importzustand::Boxtext(std::string text) const {
    if (eigen) return text;
    // fig2dev sets every text with a font macro that its picture file defines; its call becomes
    // the standard font commands it stands for, so the text needs no definition to be set.
    std::string aus;
    std::size_t kopiert = 0, p = 0;
    while ((p = text.find('\\', p)) != std::string::npos) {
        std::size_t ende = p + 1;
        while (ende < text.size() && IstBuchstabe(text[ende]))
            ++ende;
        const std::string_view name = std::string_view(text).substr(p + 1, ende - p - 1);
        if (name != "SetFigFont" && name != "SetFigFontNFSS") {
            // Past the command's name, or past the escaped character of a control symbol.
            p = std::max(ende, p + 2);
            continue;
        }
        std::vector<std::string> argumente;
        while (argumente.size() < 5) {
            std::size_t a = ende;
            while (a < text.size() && text[a] == ' ')
                ++a;
            // An argument is sought within the length of an element's text, which could not
            // keep a longer one; so a text of many calls left open is read in linear time.
            const std::string_view bereich = std::string_view(text).substr(0, a + MaxTextLaenge);
            int tiefe = 0;
            const std::size_t zu = a < text.size() && text[a] == '{'
                                       ? KlammernFolgen(bereich, a, tiefe, false)
                                       : std::string::npos;
            if (zu == std::string::npos) break;
            argumente.push_back(text.substr(a + 1, zu - a - 1));
            ende = zu + 1;
        }
        aus.append(text, kopiert, p - kopiert);
        if (argumente.size() == 5)
            aus += "\\fontsize{" + argumente[0] + "}{" + argumente[1] + "pt}\\fontfamily{" + argumente[2] +
                   "}\\fontseries{" + argumente[3] + "}\\fontshape{" + argumente[4] + "}\\selectfont ";
        kopiert = p = ende;
    }
    return kopiert == 0 ? text : aus.append(text, kopiert);
}

// The largest picture file the import reads, in MB. The export writes at most about 1.5 kB for
// an element (a text of 255 characters three bytes each in UTF-8, at coordinates of 300 digits,
// with its colour line), under 48 MB for a full store of 32000; the rest leaves room for the
// comments and layout of pictures written by hand. No picture of a drawing needs more.
constexpr std::size_t MaxBilddateiMB = 64;

namespace {

// At most `n` characters of a UTF-8 text, "…" standing for the rest.
std::string Anfang(std::string_view utf8, std::size_t n) {
    std::size_t p = 0;
    for (std::size_t zeichen = 0; p < utf8.size(); ++p)
        if ((utf8[p] & 0xC0) != 0x80 && zeichen++ == n) return std::string(utf8.substr(0, p)) + "…";
    return std::string(utf8);
}

} // namespace

// Line by line, each line's characters named when cp1252 has no place for them.
std::string Entschluesseln(std::string inhalt, Importzustand& s) {
    if (std::all_of(inhalt.begin(), inhalt.end(), [](char c) { return (c & 0x80) == 0; }) || !IstUtf8(inhalt))
        return inhalt;
    std::string_view rest(inhalt);
    if (rest.starts_with("\xEF\xBB\xBF")) rest.remove_prefix(3);
    const std::string fremd = NichtInCp1252(rest);
    std::string aus;
    std::vector<int> zeilen;
    for (int nummer = 1; !rest.empty(); ++nummer) {
        const std::string_view zeile = rest.substr(0, std::min(rest.find('\n'), rest.size() - 1) + 1);
        if (!NichtInCp1252(zeile).empty()) zeilen.push_back(nummer);
        aus += Utf8NachCp1252(zeile);
        rest.remove_prefix(zeile.size());
    }
    if (!fremd.empty()) {
        s.ergebnis.ersetzteZeilen = static_cast<int>(zeilen.size());
        s.m.Melden(Meldungsart::Warnung,
                   Formatieren(T("v.ImportErsetzt"), {Anfang(fremd, 20), Zeilenbereiche(zeilen)}));
    }
    return aus;
}

std::optional<std::string> Einlesen(std::istream& ein) {
    std::string inhalt;
    char stueck[1 << 16];
    while (ein.read(stueck, sizeof stueck), ein.gcount() > 0) {
        const auto n = static_cast<std::size_t>(ein.gcount());
        if (inhalt.size() + n > MaxBilddateiMB << 20) return std::nullopt;
        inhalt.append(stueck, n);
    }
    return inhalt;
}

std::string ZuGross() {
    return Formatieren(T("v.ImportZuGross"), {static_cast<long long>(MaxBilddateiMB)});
}

std::optional<std::string> DateiEinlesen(const std::string& pfad, Meldungen& m) {
    std::error_code ec;
    std::ifstream ein;
    std::string grund;
    if (std::filesystem::is_directory(pfad, ec)) {
        grund = std::strerror(EISDIR);
    } else {
        errno = 0;
        ein.open(pfad, std::ios::binary);
        if (!ein.is_open()) grund = std::strerror(errno != 0 ? errno : ENOENT);
    }
    if (!grund.empty()) {
        m.Melden(Meldungsart::Fehler, pfad + ": " + T("v.LesenFehlgeschlagen") + " (" + grund + ")");
        return std::nullopt;
    }
    std::optional<std::string> inhalt = Einlesen(ein);
    if (ein.bad()) {
        m.Melden(Meldungsart::Fehler, pfad + ": " + T("v.LesenFehlgeschlagen"));
        return std::nullopt;
    }
    if (!inhalt) m.Melden(Meldungsart::Fehler, pfad + ": " + ZuGross());
    return inhalt;
}

void InDieBox(TElement& e, double w, double h) {
    if (w == 0 && h == 0) return;
    const std::string_view a = e.Ausrichtung;
    const bool links = a.find('l') != std::string_view::npos, rechts = a.find('r') != std::string_view::npos;
    const bool unten = a.find('b') != std::string_view::npos, oben = a.find('t') != std::string_view::npos;
    e.x1 += rechts ? w : links ? 0 : w / 2;
    e.y1 += oben ? h : unten ? 0 : h / 2;
}

double MillimeterJe(std::string_view einheit) {
    if (einheit == "mm") return 1.0;
    if (einheit == "cm") return 10.0;
    if (einheit == "in") return 25.4;
    if (einheit == "pt") return 25.4 / 72.27;
    if (einheit == "bp") return 25.4 / 72.0;
    if (einheit == "pc") return 12.0 * 25.4 / 72.27;
    if (einheit == "dd") return 1238.0 / 1157.0 * 25.4 / 72.27;
    if (einheit == "cc") return 12.0 * 1238.0 / 1157.0 * 25.4 / 72.27;
    if (einheit == "sp") return 25.4 / 72.27 / 65536.0;
    return 0.0;
}

std::string LaengeText(double mm) {
    std::string s = Festkomma(mm, 3, 4);
    while (s.size() > 2 && s.back() == '0' && s[s.size() - 2] != '.')
        s.pop_back();
    return s;
}

std::string Zeilenbereiche(std::vector<int> zeilen) {
    constexpr int MaxTeile = 12;
    std::sort(zeilen.begin(), zeilen.end());
    zeilen.erase(std::unique(zeilen.begin(), zeilen.end()), zeilen.end());
    std::string aus;
    int teile = 0;
    for (std::size_t i = 0; i < zeilen.size();) {
        std::size_t j = i;
        while (j + 1 < zeilen.size() && zeilen[j + 1] == zeilen[j] + 1)
            ++j;
        if (!aus.empty()) aus += ", ";
        if (++teile > MaxTeile) return aus + "…";
        aus += std::to_string(zeilen[i]);
        if (j > i) aus += "–" + std::to_string(zeilen[j]);
        i = j + 1;
    }
    return aus;
}

} // namespace vektra::bildimport
