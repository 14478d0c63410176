#include "files/VektraLesen.h"

#include "files/Bildbefehle.h"
#include "files/ExportGemeinsam.h"
#include "files/Importzustand.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/Texte.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace vektra {

using namespace bildimport;

namespace {

constexpr std::size_t MaxWortLaenge = 255;
constexpr std::size_t MaxZahlLaenge = 16;

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

bool Beginnt(std::string_view s, std::string_view anfang) {
    return s.substr(0, anfang.size()) == anfang;
}

// The reader of the program's own layout: one command a line, recognised by its first word,
// its numbers at fixed places. Every other line goes to the reader of the picture commands.
class Leser {
  public:
    Leser(Importzustand& s, Zeilenquelle& q) : s_(s), q_(q), bild_(s, q) {}

    void Lesen() {
        while (!s_.ergebnis.voll && q_.Holen(zeile_))
            ZeileBehandeln();
    }

  private:
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

    void Fehler(int art) { s_.Fehler(art, q_.Nummer()); }

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
    // A unit it does not know counts as millimetres.
    void Unitlength() {
        double wert = 0;
        std::size_t ende = 0;
        if (!Wert(wortAnfang_ + 11, wert, ende)) return;
        while (ende < zeile_.size() && IstLeer(zeile_[ende]))
            ++ende;
        const double mm = MillimeterJe(Ausschnitt(ende, ende + 2));
        s_.z.Dialog.Unitlength = LaengeText(wert * (mm > 0 ? mm : 1.0));
    }

    void Breitendefinition(std::string& ziel) {
        ++pos_;
        WortLesen();
        const auto p = wort_.find('p');
        ziel = p == std::string::npos ? std::string() : wort_.substr(0, p);
    }

    // False for a special that sets no line width.
    bool Linienbreite() {
        ++pos_;
        WortLesen();
        std::int16_t& breite = s_.jetzt.Breite;
        if (wort_ == "em:linewidth \\duenn") {
            breite = 0;
        } else if (wort_ == "em:linewidth \\normal") {
            breite = 1;
        } else if (wort_ == "em:linewidth \\dick") {
            breite = 2;
        } else if (Beginnt(wort_, "em:linewidth")) {
            double wert = 0;
            std::size_t ende = 0;
            if (Wert(wortAnfang_ + 12, wert, ende)) breite = wert <= 0.3 ? 0 : wert <= 0.7 ? 1 : 2;
        } else {
            return false;
        }
        return true;
    }

    // The definition of \emline is skipped up to the brace that closes its body, over the
    // following lines when it runs on.
    void MakroUeberspringen() {
        int tiefe = 0;
        if (!Geschlossen(zeile_, KlammernFolgen(zeile_, pos_, tiefe, true)) &&
            !q_.Fortsetzen(
                [&tiefe](std::string_view z) { return Geschlossen(z, KlammernFolgen(z, 0, tiefe, true)); }))
            Fehler(2);
    }

    void Versionszeile() {
        if (!Beginnt(wort_, "%%Vektra32") || wort_.size() < 15) return;
        const char c = wort_[14];
        if (c >= '0' && c <= '9' && c - '0' > 3) s_.m.Melden(Meldungsart::Information, T("s49"));
    }

    // The program's own lines give places relative to the picture's origin.
    bool Verschoben() const { return s_.jetzt.x != 0 || s_.jetzt.y != 0; }
    double X(double x) const { return Verschoben() ? x + s_.jetzt.x : x; }
    double Y(double y) const { return Verschoben() ? y + s_.jetzt.y : y; }

    void NeueLinie(double x1, double y1, double x2, double y2) {
        s_.NeueLinie(X(x1), Y(y1), X(x2), Y(y2), q_.Nummer());
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
        const bool zu = q_.Fortsetzen([&](std::string_view z) {
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
        if (!zu) Fehler(2);
        return zu ? text : Ausschnitt(ab, std::string::npos);
    }

    // Alignment and text of a box, read after its size: "[al]{text}" or "{text}", blanks
    // allowed before the "{". The text is the brace group, braces inside it balanced. False
    // for a text that is not Ausgewogen, as the rest of a line whose group does not close may
    // be; the program's own files keep such texts as they always did.
    bool BoxText(std::string& ausrichtung, std::string& text) {
        const std::size_t nachKlammer = pos_;
        WortLesen();
        std::size_t p = nachKlammer;
        if (!wort_.empty() && wort_[0] == '[') {
            ausrichtung = wort_.substr(1, 2);
            p = Zeichen(pos_) == ']' ? pos_ + 1 : pos_;
        } else {
            ausrichtung = "cc";
        }
        while (p < zeile_.size() && IstLeer(zeile_[p]))
            ++p;
        if (Zeichen(p) != '{') {
            Fehler(2);
            return true;
        }
        text = s_.Boxtext(Gruppe(p + 1));
        return s_.eigen || Ausgewogen(text);
    }

    // A w by h box at (x, y) with the text that follows: the text goes where LaTeX sets it in
    // the box, a framed box adds its four sides. A box whose text is not kept is passed over.
    void Box(double x, double y, double w, double h, bool rahmen) {
        const int zeile = q_.Nummer();
        std::string ausrichtung, text;
        if (!BoxText(ausrichtung, text)) return s_.Uebergangen(zeile);
        TElement e = s_.Neu(Text, rahmen ? EbeneLinie : EbeneText);
        e.x1 = x;
        e.y1 = y;
        e.Ausrichtung = ausrichtung;
        e.TextSetzen(text);
        InDieBox(e, w, h);
        e.x1 = X(e.x1);
        e.y1 = Y(e.y1);
        if (s_.Aufnehmen(std::move(e), zeile) == Importzustand::Aufnahme::Voll || !rahmen) return;
        NeueLinie(x, y, x + w, y);
        NeueLinie(x, y + h, x + w, y + h);
        NeueLinie(x, y, x, y + h);
        NeueLinie(x + w, y, x + w, y + h);
    }

    // True when the \put at the current position holds one of the commands the export writes:
    // the word right after its first "{" is \circle or \circle* before "{", \makebox or
    // \framebox before "(", or \dashbox before "{", exactly as the export spells them.
    bool EigenerPut() const {
        const std::size_t auf = zeile_.find('{', pos_);
        if (auf == std::string::npos || auf + 1 >= zeile_.size()) return false;
        std::size_t e = auf + 2;
        while (e < zeile_.size() && IstWortzeichen(zeile_[e]))
            ++e;
        const std::string_view wort = std::string_view(zeile_).substr(auf + 1, e - auf - 1);
        const char danach = Zeichen(e);
        if (wort == "\\circle" || wort == "\\circle*" || wort == "\\dashbox") return danach == '{';
        return (wort == "\\makebox" || wort == "\\framebox") && danach == '(';
    }

    // Whether the line, its first word read, is one of the program's own layout.
    bool EigeneZeile() const {
        return wort_[0] == '%' || wort_ == "\\def\\emline" || wort_ == "\\def\\dick" ||
               wort_ == "\\def\\normal" || wort_ == "\\def\\duenn" || wort_ == "\\emline" ||
               Beginnt(wort_, "\\unitlength") || wort_ == "\\special" || (wort_ == "\\put" && EigenerPut());
    }

    void ZeileBehandeln() {
        pos_ = 0;
        while (pos_ < zeile_.size() && IstLeer(zeile_[pos_]))
            ++pos_;
        if (pos_ >= zeile_.size()) return;
        WortLesen();
        if (!EigeneZeile()) {
            bild_.Lesen(zeile_, wortAnfang_);
            return;
        }
        // Where the \put's argument ends on this line, for any commands after it.
        std::size_t putEnde = std::string::npos;
        if (wort_ == "\\put") {
            int tiefe = 0;
            putEnde = KlammernFolgen(zeile_, zeile_.find('{', pos_), tiefe, true);
            if (!Geschlossen(zeile_, putEnde)) putEnde = std::string::npos;
        }
        EigeneZeileLesen();
        if (putEnde != std::string::npos && !s_.ergebnis.voll) bild_.Lesen(zeile_, putEnde + 1);
    }

    void EigeneZeileLesen() {
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
        if (wort_ == "\\def\\dick") Breitendefinition(s_.z.Dialog.TeXBreite[3]);
        if (wort_ == "\\def\\normal") Breitendefinition(s_.z.Dialog.TeXBreite[2]);
        if (wort_ == "\\def\\duenn") Breitendefinition(s_.z.Dialog.TeXBreite[1]);
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
        if (wort_ == "\\special" && !Linienbreite()) s_.Uebergangen(q_.Nummer());

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
        case KreisZ: {
            TElement e = s_.Neu(Kreis, EbeneKreis);
            e.x1 = X(x);
            e.y1 = Y(y);
            e.Durchmesser = Zahl();
            e.gefuellt = gefuellt;
            s_.Aufnehmen(std::move(e), q_.Nummer());
            break;
        }
        case TextZ: {
            const double w = Zahl(), h = Zahl();
            Box(x, y, w, h, false);
            break;
        }
        case RahmenZ: {
            // A dash box has its dash length first; its frame becomes solid lines.
            if (gestrichelt) Zahl();
            const double w = Zahl(), h = Zahl();
            Box(x, y, w, h, true);
            break;
        }
        case NichtsZ:
            break;
        }
    }

    Importzustand& s_;
    Zeilenquelle& q_;
    Bildbefehle bild_;
    std::string zeile_;
    std::size_t pos_ = 0;
    std::string wort_;
    std::size_t wortAnfang_ = 0;
};

// The program's own picture files begin with its version line.
bool EigeneDatei(std::string_view inhalt) {
    return Beginnt(inhalt, "%%Vektra32");
}

Importergebnis Importieren(std::string inhalt, Zeichnung& z, Meldungen& m) {
    Importzustand s(z, m);
    inhalt = Entschluesseln(std::move(inhalt), s);
    s.eigen = EigeneDatei(inhalt);
    Zeilenquelle q(inhalt);
    Leser(s, q).Lesen();
    s.Abschliessen();
    return s.ergebnis;
}

} // namespace

Importergebnis VektraLesen(std::istream& ein, Zeichnung& z, Meldungen& m) {
    std::optional<std::string> inhalt = Einlesen(ein);
    if (inhalt) return Importieren(std::move(*inhalt), z, m);
    m.Melden(Meldungsart::Fehler, ZuGross());
    return {};
}

bool PicImportieren(const std::string& pfad, Zeichnung& z, Meldungen& m, Importergebnis* ergebnis) {
    z.Elemente.AllesLoeschen();
    std::optional<std::string> inhalt = DateiEinlesen(pfad, m);
    if (!inhalt) return false;
    const Importergebnis e = Importieren(std::move(*inhalt), z, m);
    if (ergebnis != nullptr) *ergebnis = e;
    z.Dateiname = Grundname(pfad) + ".vks";
    z.Geaendert = false;
    return true;
}

} // namespace vektra
