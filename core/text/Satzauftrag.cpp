#include "text/Satzauftrag.h"

#include "text/Format.h"
#include "text/Texte.h"

#include <charconv>
#include <cstdint>

namespace vektra {

const std::string_view StandardPraeambel = "\\documentclass{article}\n\\usepackage[cp1252]{inputenc}\n";

namespace {

constexpr std::string_view Dokument = "VKSATZ-DOKUMENT";
constexpr std::string_view Anfang = "VKSATZ-ANFANG ";
constexpr std::string_view Ende = "VKSATZ-ENDE ";
constexpr std::string_view Schluss = "VKSATZ-SCHLUSS";

// Each text goes into \VektraSatz{n}{text}; a \shipout of its own would add a page and shift the
// pages of all texts after it, so inside the box it fills a box no one reads. Ending an empty
// paragraph after each text resets TeX's count of errors, which stops the run at 100.
constexpr std::string_view Vorbereitung =
    "\\newbox\\VektraBox\\newbox\\VektraMuell\\def\\VektraSchlucke{\\setbox\\VektraMuell}\n"
    "\\long\\def\\VektraSatz#1#2{\\typeout{VKSATZ-ANFANG #1}%\n"
    "\\setbox\\VektraBox\\hbox{\\let\\shipout\\VektraSchlucke #2}%\n"
    "\\typeout{VKSATZ-ENDE #1 \\number\\wd\\VektraBox\\space\\number\\ht\\VektraBox\\space"
    "\\number\\dp\\VektraBox}%\n"
    "\\shipout\\box\\VektraBox\\noindent\\par}\n"
    "\\nofiles\\pagestyle{empty}\n";

// TeX passes its terminal lines on in pieces, after each page and each message: \showthe makes
// it pass on the start of the document, so a run ended for taking too long still shows how far
// it came.
constexpr std::string_view Dokumentanfang = "\\begin{document}\\typeout{VKSATZ-DOKUMENT}\\showthe\\count0\n";
constexpr std::string_view Dokumentende = "\\typeout{VKSATZ-SCHLUSS}\\end{document}\n";

// Changes with every change of the batch's form, so results kept from an older form go.
constexpr std::string_view Form = "1";

std::uint64_t Fnv(std::uint64_t h, std::string_view bytes) {
    for (const char c : bytes) {
        h ^= static_cast<unsigned char>(c);
        h *= 0x100000001b3ULL;
    }
    return h;
}

void Hex(std::string& ziel, std::uint64_t h) {
    static constexpr char ziffern[] = "0123456789abcdef";
    for (int i = 60; i >= 0; i -= 4)
        ziel += ziffern[(h >> i) & 0xF];
}

bool Zahl(std::string_view& rest, long long& wert) {
    while (!rest.empty() && rest.front() == ' ')
        rest.remove_prefix(1);
    const auto [ende, fehler] = std::from_chars(rest.data(), rest.data() + rest.size(), wert);
    if (fehler != std::errc{}) return false;
    rest.remove_prefix(static_cast<std::size_t>(ende - rest.data()));
    return true;
}

// "Undefined control sequence." with the context TeX shows after it ("<argument> \\foo",
// "l.12 \\VektraSatz{3}{\\foo"): the message and the last word of the text read before the error.
std::string Fehlermeldung(std::string_view zeile, std::string_view folgende) {
    std::string meldung(zeile.substr(2));
    while (!folgende.empty() && (folgende.back() == ' ' || folgende.back() == '\r'))
        folgende.remove_suffix(1);
    if (folgende.starts_with("<argument> ")) {
        folgende.remove_prefix(11);
    } else if (folgende.starts_with("l.")) {
        const std::size_t text = folgende.find("}{");
        if (folgende.find("\\VektraSatz{") == std::string_view::npos || text == std::string_view::npos)
            return meldung;
        folgende.remove_prefix(text + 2);
    } else {
        return meldung;
    }
    const std::size_t wort = folgende.find_last_of(' ');
    folgende.remove_prefix(wort == std::string_view::npos ? 0 : wort + 1);
    if (!folgende.empty()) meldung += " " + std::string(folgende);
    return meldung;
}

} // namespace

std::string Satzhindernis(std::string_view text) {
    long long tiefe = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') {
            ++i;
            continue;
        }
        if (c == '%' || c == '\r' || c == '\n') return T("v.SatzZeilenende");
        if (c == '{') ++tiefe;
        if (c == '}' && --tiefe < 0) break;
    }
    // A backslash at the very end escapes the closing brace of the batch.
    const bool backslashAmEnde = [&] {
        std::size_t n = 0;
        while (n < text.size() && text[text.size() - 1 - n] == '\\')
            ++n;
        return n % 2 == 1;
    }();
    if (tiefe != 0 || backslashAmEnde) return T("v.SatzKlammern");
    return {};
}

std::string Satzquelle(std::string_view praeambel, const std::vector<std::string>& texte) {
    std::string q(praeambel);
    if (!q.empty() && q.back() != '\n') q += '\n';
    q += Vorbereitung;
    q += Dokumentanfang;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        q += "\\VektraSatz{" + std::to_string(i + 1) + "}{";
        q += texte[i];
        q += "}\n";
    }
    q += Dokumentende;
    return q;
}

std::string Satzschluessel(std::string_view praeambel, std::string_view text) {
    // Two 64-bit FNV-1a hashes from different starting values; the zero byte keeps the preamble
    // from running into the text.
    std::string schluessel;
    for (const std::uint64_t start : {0xcbf29ce484222325ULL, 0x84222325cbf29ce4ULL}) {
        std::uint64_t h = Fnv(start, Form);
        h = Fnv(h, std::string_view("\0", 1));
        h = Fnv(h, praeambel);
        h = Fnv(h, std::string_view("\0", 1));
        Hex(schluessel, Fnv(h, text));
    }
    return schluessel;
}

Satzbericht SatzberichtLesen(std::string_view ausgabe) {
    Satzbericht b;
    Seitenbericht* offen = nullptr;
    bool begonnen = false, dokument = false, schluss = false;
    while (!ausgabe.empty()) {
        const std::size_t ende = ausgabe.find('\n');
        std::string_view zeile = ausgabe.substr(0, ende);
        ausgabe.remove_prefix(ende == std::string_view::npos ? ausgabe.size() : ende + 1);
        if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);

        long long nummer = 0;
        if (zeile == Dokument) {
            dokument = true;
        } else if (zeile == Schluss) {
            schluss = true;
        } else if (zeile.starts_with(Anfang)) {
            std::string_view rest = zeile.substr(Anfang.size());
            if (!Zahl(rest, nummer)) continue;
            begonnen = true;
            b.seiten.push_back(Seitenbericht{
                .nummer = static_cast<int>(nummer), .gesetzt = false, .mass = {}, .fehler = {}});
            offen = &b.seiten.back();
        } else if (zeile.starts_with(Ende) && offen) {
            std::string_view rest = zeile.substr(Ende.size());
            Satzmass m;
            if (!Zahl(rest, nummer) || nummer != offen->nummer || !Zahl(rest, m.breite) ||
                !Zahl(rest, m.hoehe) || !Zahl(rest, m.tiefe))
                continue;
            offen->gesetzt = true;
            offen->mass = m;
            offen = nullptr;
        } else if (zeile.starts_with("! ")) {
            const std::size_t naechste = ausgabe.find('\n');
            const std::string meldung = Fehlermeldung(zeile, ausgabe.substr(0, naechste));
            if (offen && offen->fehler.empty())
                offen->fehler = meldung;
            else if (!begonnen && b.vorspannfehler.empty())
                b.vorspannfehler = meldung;
        }
    }
    if (offen)
        b.offen = offen->nummer;
    else if (dokument && !schluss)
        // Stopped between two texts: its terminal lines had not yet come for the next one.
        b.offen = b.seiten.empty() ? 1 : b.seiten.back().nummer + 1;
    return b;
}

} // namespace vektra
