#include "files/VektraLesen.h"

#include "files/ExportGemeinsam.h"
#include "text/Format.h"
#include "text/Texte.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

namespace vektra {

namespace {

constexpr std::size_t MaxWortLaenge = 255;
constexpr std::size_t MaxZahlLaenge = 16;
// How many following lines a brace group (a box text, the \emline definition) may run over.
constexpr std::size_t MaxFortsetzung = 8;

bool IstLeer(char c) {
    return c == ' ' || c == '\t';
}

// Characters that continue a word. The blank belongs to them, so a word runs across blanks.
bool IstWortzeichen(char c) {
    return c == ' ' || c == '%' || c == '*' || c == '.' || c == ':' || c == '=' || c == '\\' || c == '^' ||
           c == '_' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool IstKlammer(char c) {
    return c == '(' || c == ')' || c == '{' || c == '}';
}

bool IstZahlzeichen(char c) {
    return (c >= '0' && c <= '9') || c == '.' || c == '-';
}

// Follows the braces of `s` from column `ab` on, `tiefe` being the depth before it; a backslash
// escapes the character after it. Stops at the brace that brings the depth back to zero or,
// with `kommentar`, at a "%" that makes the rest of the line a comment; returns that column, or
// npos at the line's end.
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

bool Geschlossen(std::string_view s, std::size_t p) {
    return p != std::string_view::npos && s[p] == '}';
}

bool Beginnt(std::string_view s, std::string_view anfang) {
    return s.substr(0, anfang.size()) == anfang;
}

// Millimetres per unit for the units a unit length may be given in; other units count as mm.
double MillimeterJe(std::string_view einheit) {
    if (einheit == "cm") return 10.0;
    if (einheit == "in") return 25.4;
    if (einheit == "pt") return 25.4 / 72.27;
    if (einheit == "bp") return 25.4 / 72.0;
    if (einheit == "pc") return 12.0 * 25.4 / 72.27;
    if (einheit == "dd") return 1238.0 / 1157.0 * 25.4 / 72.27;
    if (einheit == "cc") return 12.0 * 1238.0 / 1157.0 * 25.4 / 72.27;
    if (einheit == "sp") return 25.4 / 72.27 / 65536.0;
    return 1.0;
}

// A unit length text: one decimal at least, more only where they carry a value (up to four).
std::string LaengeText(double mm) {
    std::string s = Festkomma(mm, 3, 4);
    while (s.size() > 2 && s.back() == '0' && s[s.size() - 2] != '.')
        s.pop_back();
    return s;
}

class Leser {
  public:
    Leser(std::istream& ein, Zeichnung& z, Meldungen& m) : ein_(ein), z_(z), m_(m) {}

    Importergebnis Lesen() {
        while (!ergebnis_.voll && ZeileHolen())
            ZeileBehandeln();
        return ergebnis_;
    }

  private:
    // Reads the next line without its CR LF (or LF) and counts it; lines given back come first.
    bool ZeileHolen(std::string& z) {
        if (!zurueck_.empty()) {
            z = std::move(zurueck_.back());
            zurueck_.pop_back();
        } else {
            if (!std::getline(ein_, z)) return false;
            if (!z.empty() && z.back() == '\r') z.pop_back();
        }
        ++zeilennummer_;
        return true;
    }
    bool ZeileHolen() { return ZeileHolen(zeile_); }

    // Hands the following lines, at most MaxFortsetzung, to `nimm` until it says the construct
    // begun on the current line is complete. If it never is, the lines are given back to be
    // read as lines of their own, and the construct's line is reported.
    template <class Nimm> bool Fortsetzen(Nimm nimm) {
        const int anfang = zeilennummer_;
        std::vector<std::string> gelesen;
        std::string z;
        while (gelesen.size() < MaxFortsetzung && ZeileHolen(z)) {
            gelesen.push_back(std::move(z));
            if (nimm(std::string_view(gelesen.back()))) return true;
        }
        zeilennummer_ = anfang;
        zurueck_.insert(zurueck_.end(), std::make_move_iterator(gelesen.rbegin()),
                        std::make_move_iterator(gelesen.rend()));
        Fehler(2);
        return false;
    }

    char Zeichen(std::size_t p) const { return p < zeile_.size() ? zeile_[p] : '\0'; }

    // Columns von..bis-1 of the line, clamped to the line.
    std::string Ausschnitt(std::size_t von, std::size_t bis) const {
        bis = std::min(bis, zeile_.size());
        return von < bis ? zeile_.substr(von, bis - von) : std::string();
    }

    // Reads a word from the current position: its first character whatever it is, then word
    // characters. Keeps at most 255 characters but steps over the whole word.
    void WortLesen() {
        wort_.clear();
        wortAnfang_ = pos_;
        if (pos_ >= zeile_.size()) return;
        wort_ += zeile_[pos_++];
        while (pos_ < zeile_.size() && IstWortzeichen(zeile_[pos_])) {
            if (wort_.size() < MaxWortLaenge) wort_ += zeile_[pos_];
            ++pos_;
        }
    }

    void Fehler(int art) {
        ++ergebnis_.Fehler;
        m_.Melden(Meldungsart::Fehler, T(art == 2 ? "s51" : "s52") + T("s53") + std::to_string(zeilennummer_),
                  zeilennummer_);
    }

    // Converts a number token cut to 16 characters; error 3 and false when it is none.
    bool Umwandeln(std::string_view token, double& wert) {
        if (ZahlLesen(token.substr(0, MaxZahlLaenge), wert)) return true;
        Fehler(3);
        return false;
    }

    // A coordinate or size: skips blanks and brackets, takes the run of number characters, which
    // must end at ")", "," or "}", and steps over that delimiter.
    double Zahl() {
        while (pos_ < zeile_.size() && (IstLeer(zeile_[pos_]) || IstKlammer(zeile_[pos_])))
            ++pos_;
        const std::size_t anfang = pos_;
        while (pos_ < zeile_.size() && IstZahlzeichen(zeile_[pos_]))
            ++pos_;
        const std::string token = Ausschnitt(anfang, pos_);
        const char ende = Zeichen(pos_);
        if (ende != ')' && ende != ',' && ende != '}') Fehler(2);
        if (pos_ < zeile_.size()) ++pos_;
        double wert = 0;
        return Umwandeln(token, wert) ? wert : 0.0;
    }

    // A value from column `ab` on: skips blanks and "=", takes the run of number characters.
    // `ende` receives the column after the number. False (and error 3) when it is none.
    bool Wert(std::size_t ab, double& wert, std::size_t& ende) {
        std::size_t p = ab;
        while (p < zeile_.size() && (IstLeer(zeile_[p]) || zeile_[p] == '='))
            ++p;
        const std::size_t anfang = p;
        while (p < zeile_.size() && IstZahlzeichen(zeile_[p]))
            ++p;
        ende = p;
        return Umwandeln(Ausschnitt(anfang, p), wert);
    }

    // The unit length: the value after "\unitlength", converted to millimetres by its unit.
    // A value that is no number leaves the unit length as it was.
    void Unitlength() {
        double wert = 0;
        std::size_t ende = 0;
        if (!Wert(wortAnfang_ + 11, wert, ende)) return;
        while (ende < zeile_.size() && IstLeer(zeile_[ende]))
            ++ende;
        z_.Dialog.Unitlength = LaengeText(wert * MillimeterJe(Ausschnitt(ende, ende + 2)));
    }

    void Breitendefinition(std::string& ziel) {
        ++pos_;
        WortLesen();
        const auto p = wort_.find('p');
        ziel = p == std::string::npos ? std::string() : wort_.substr(0, p);
    }

    void Linienbreite() {
        ++pos_;
        WortLesen();
        if (wort_ == "em:linewidth \\duenn") {
            breite_ = 0;
        } else if (wort_ == "em:linewidth \\normal") {
            breite_ = 1;
        } else if (wort_ == "em:linewidth \\dick") {
            breite_ = 2;
        } else if (Beginnt(wort_, "em:linewidth")) {
            double wert = 0;
            std::size_t ende = 0;
            if (Wert(wortAnfang_ + 12, wert, ende)) breite_ = wert <= 0.3 ? 0 : wert <= 0.7 ? 1 : 2;
        }
    }

    // The definition of \emline is skipped up to the brace that closes its body, over the
    // following lines when it runs on.
    void MakroUeberspringen() {
        int tiefe = 0;
        if (!Geschlossen(zeile_, KlammernFolgen(zeile_, pos_, tiefe, true)))
            Fortsetzen(
                [&tiefe](std::string_view z) { return Geschlossen(z, KlammernFolgen(z, 0, tiefe, true)); });
    }

    void Versionszeile() {
        if (!Beginnt(wort_, "%%Vektra32") || wort_.size() < 15) return;
        const char c = wort_[14];
        if (c >= '0' && c <= '9' && c - '0' > 3) m_.Melden(Meldungsart::Information, T("s49"));
    }

    TElement* Neu(std::uint8_t art, std::int32_t ebene) {
        TElement* e = z_.Elemente.NeuesElement();
        if (e == nullptr) {
            if (!ergebnis_.voll) m_.Melden(Meldungsart::Warnung, T("v.ImportVoll"), zeilennummer_);
            ergebnis_.voll = true;
            return nullptr;
        }
        ++ergebnis_.neueElemente;
        e->Art = art;
        e->Ebene = ebene;
        e->Farbe = 0;
        e->Breite = breite_;
        return e;
    }

    void NeueLinie(double x1, double y1, double x2, double y2) {
        if (TElement* e = Neu(Linie, EbeneLinie)) {
            e->x1 = x1;
            e->y1 = y1;
            e->x2 = x2;
            e->y2 = y2;
        }
    }

    // The content of the brace group opened just before column `ab`. A group that closes on
    // its line is taken as written. One still open at the line's end goes on over the
    // following lines, read as LaTeX reads them: a "%" comments out the rest of its line and
    // the line end; otherwise the blanks around a line end are dropped and it becomes one
    // blank. A group that does not close keeps the rest of its own line.
    std::string Gruppe(std::size_t ab) {
        int tiefe = 1;
        if (const std::size_t ende = KlammernFolgen(zeile_, ab, tiefe, false); ende != std::string::npos)
            return Ausschnitt(ab, ende);
        tiefe = 1;
        const std::size_t ende = KlammernFolgen(zeile_, ab, tiefe, true);
        std::string text = Ausschnitt(ab, ende);
        bool zeilenende = ende == std::string::npos;
        const bool zu = Fortsetzen([&](std::string_view z) {
            if (zeilenende) {
                while (!text.empty() && IstLeer(text.back()))
                    text.pop_back();
                text += ' ';
            }
            while (!z.empty() && IstLeer(z.front()))
                z.remove_prefix(1);
            const std::size_t e = KlammernFolgen(z, 0, tiefe, true);
            text += z.substr(0, e);
            zeilenende = e == std::string_view::npos;
            return Geschlossen(z, e);
        });
        return zu ? text : Ausschnitt(ab, std::string::npos);
    }

    // Alignment and text of a box, read after its size: "[al]{text}" or "{text}", blanks
    // allowed before the "{". The text is the brace group, braces inside it balanced.
    void BoxText(TElement& e) {
        const std::size_t nachKlammer = pos_;
        WortLesen();
        std::size_t p = nachKlammer;
        if (!wort_.empty() && wort_[0] == '[') {
            e.Ausrichtung = wort_.substr(1, 2);
            p = Zeichen(pos_) == ']' ? pos_ + 1 : pos_;
        } else {
            e.Ausrichtung = "cc";
        }
        while (p < zeile_.size() && IstLeer(zeile_[p]))
            ++p;
        if (Zeichen(p) == '{')
            e.TextSetzen(Gruppe(p + 1));
        else
            Fehler(2);
    }

    // Moves the text point from the corner of a w by h box to where LaTeX sets the text in
    // it: the alignment letters in either order, a missing one centres. A box without size
    // leaves the point exactly as given.
    static void InDieBox(TElement& e, double w, double h) {
        if (w == 0 && h == 0) return;
        const std::string& a = e.Ausrichtung;
        const bool links = a.find('l') != std::string::npos, rechts = a.find('r') != std::string::npos;
        const bool unten = a.find('b') != std::string::npos, oben = a.find('t') != std::string::npos;
        e.x1 += rechts ? w : links ? 0 : w / 2;
        e.y1 += oben ? h : unten ? 0 : h / 2;
    }

    // A box without frame: its text goes where a framed box of the same size puts it.
    void TextElement(double x, double y) {
        TElement* e = Neu(Text, EbeneText);
        if (e == nullptr) return;
        e->x1 = x;
        e->y1 = y;
        const double w = Zahl();
        const double h = Zahl();
        BoxText(*e);
        InDieBox(*e, w, h);
    }

    // A framed box: its text inside the box, then the four frame lines. A dash box has its
    // dash length first; its frame becomes solid lines.
    void Rahmen(double x, double y, bool gestrichelt) {
        if (gestrichelt) Zahl();
        const double w = Zahl();
        const double h = Zahl();
        TElement* e = Neu(Text, EbeneLinie);
        if (e == nullptr) return;
        e->x1 = x;
        e->y1 = y;
        BoxText(*e);
        InDieBox(*e, w, h);
        NeueLinie(x, y, x + w, y);
        NeueLinie(x, y + h, x + w, y + h);
        NeueLinie(x, y, x, y + h);
        NeueLinie(x + w, y, x + w, y + h);
    }

    void ZeileBehandeln() {
        if (zeile_.empty()) return;
        pos_ = 0;
        while (pos_ < zeile_.size() && IstLeer(zeile_[pos_]))
            ++pos_;
        if (pos_ + 1 >= zeile_.size()) return;
        WortLesen();
        enum {
            LinieZ,
            TextZ,
            KreisZ,
            RahmenZ,
            KommentarZ,
            NichtsZ
        } zustand = wort_[0] == '%' ? KommentarZ : NichtsZ;
        double x = 0, y = 0;
        bool gefuellt = false, gestrichelt = false;

        if (wort_ == "\\def\\emline") MakroUeberspringen();
        if (wort_ == "\\def\\dick") Breitendefinition(z_.Dialog.TeXBreite[3]);
        if (wort_ == "\\def\\normal") Breitendefinition(z_.Dialog.TeXBreite[2]);
        if (wort_ == "\\def\\duenn") Breitendefinition(z_.Dialog.TeXBreite[1]);
        if (wort_ == "\\emline") zustand = LinieZ;
        if (Beginnt(wort_, "\\unitlength")) Unitlength();
        if (wort_ == "\\put") {
            x = Zahl();
            y = Zahl();
            ++pos_;
            WortLesen();
            if (wort_ == "\\circle" || wort_ == "\\circle*") {
                zustand = KreisZ;
                gefuellt = wort_ == "\\circle*";
            } else if (wort_ == "\\makebox") {
                zustand = TextZ;
            } else if (wort_ == "\\framebox" || wort_ == "\\dashbox") {
                zustand = RahmenZ;
                gestrichelt = wort_ == "\\dashbox";
            }
        }
        if (wort_ == "\\special") Linienbreite();

        switch (zustand) {
        case KommentarZ:
            Versionszeile();
            break;
        case LinieZ: {
            const double x1 = Zahl(), y1 = Zahl();
            Zahl();
            const double x2 = Zahl(), y2 = Zahl();
            NeueLinie(x1, y1, x2, y2);
            break;
        }
        case KreisZ:
            if (TElement* e = Neu(Kreis, EbeneKreis)) {
                e->x1 = x;
                e->y1 = y;
                e->Durchmesser = Zahl();
                e->gefuellt = gefuellt;
            }
            break;
        case TextZ:
            TextElement(x, y);
            break;
        case RahmenZ:
            Rahmen(x, y, gestrichelt);
            break;
        case NichtsZ:
            break;
        }
    }

    std::istream& ein_;
    Zeichnung& z_;
    Meldungen& m_;
    std::vector<std::string> zurueck_; // lines given back, the next one last
    std::string zeile_;
    std::size_t pos_ = 0;
    std::string wort_;
    std::size_t wortAnfang_ = 0;
    int zeilennummer_ = 0;
    std::int16_t breite_ = 1;
    Importergebnis ergebnis_;
};

} // namespace

Importergebnis VektraLesen(std::istream& ein, Zeichnung& z, Meldungen& m) {
    return Leser(ein, z, m).Lesen();
}

bool PicImportieren(const std::string& pfad, Zeichnung& z, Meldungen& m, Importergebnis* ergebnis) {
    z.Elemente.AllesLoeschen();
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
        return false;
    }
    const Importergebnis e = VektraLesen(ein, z, m);
    if (ein.bad()) {
        m.Melden(Meldungsart::Fehler, pfad + ": " + T("v.LesenFehlgeschlagen"));
        z.Elemente.AllesLoeschen();
        return false;
    }
    if (ergebnis != nullptr) *ergebnis = e;
    z.Dateiname = Grundname(pfad) + ".vks";
    z.Geaendert = false;
    return true;
}

} // namespace vektra
