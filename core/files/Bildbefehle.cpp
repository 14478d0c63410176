#include "files/Bildbefehle.h"

#include "editing/Zeichnen.h"
#include "text/Format.h"

#include <algorithm>
#include <cmath>

namespace vektra::bildimport {

namespace {

constexpr std::size_t MaxZahlLaenge = 16;
// The line widths of \thinlines and \thicklines, in points.
constexpr double DuenneLinien = 0.4, DickeLinien = 0.8;
// LaTeX rounds an oval's corners with the quarter circles of its circle font, the largest of
// which has a radius of 20 pt.
constexpr double GroessterEckradius = 20 * 25.4 / 72.27;
// Chords of round figures are about this long, in millimetres.
constexpr double Sehnenlaenge = 1.0;
// How deep \put and \multiput may nest; deeper ones are passed over, so no input can exhaust
// the stack.
constexpr int MaxVerschachtelung = 100;

bool IstLeer(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Getrimmt(std::string_view s) {
    while (!s.empty() && IstLeer(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && IstLeer(s.back()))
        s.remove_suffix(1);
    return s;
}

// Column of the "%" that begins the line's comment, or npos.
std::size_t Kommentar(std::string_view z) {
    for (std::size_t p = 0; p < z.size(); ++p) {
        if (z[p] == '\\')
            ++p;
        else if (z[p] == '%')
            return p;
    }
    return std::string_view::npos;
}

// Signs, then digits and a point, as TeX writes a number; the digits cut to 16 characters.
// `laenge` receives how many characters the number took.
bool ZahlAm(std::string_view s, double& wert, std::size_t& laenge) {
    std::size_t p = 0;
    bool negativ = false;
    while (p < s.size() && (s[p] == '+' || s[p] == '-' || IstLeer(s[p])))
        negativ ^= s[p++] == '-';
    const std::size_t anfang = p;
    while (p < s.size() && ((s[p] >= '0' && s[p] <= '9') || s[p] == '.'))
        ++p;
    if (p == anfang || !ZahlLesen(s.substr(anfang, std::min(p - anfang, MaxZahlLaenge)), wert)) return false;
    if (negativ) wert = -wert;
    laenge = p;
    return true;
}

// A number that is the whole of `s`, blanks around it allowed.
bool NurZahl(std::string_view s, double& wert) {
    s = Getrimmt(s);
    std::size_t laenge = 0;
    return ZahlAm(s, wert, laenge) && laenge == s.size();
}

// A TeX length, a number and its unit, in millimetres.
bool Laenge(std::string_view s, double& mm) {
    s = Getrimmt(s);
    double wert = 0;
    std::size_t laenge = 0;
    if (!ZahlAm(s, wert, laenge)) return false;
    const double je = MillimeterJe(Getrimmt(s.substr(laenge)));
    mm = wert * je;
    return je > 0;
}

} // namespace

// The named colours of the color package and the models rgb, RGB and gray, as 0x00BBGGRR.
bool FarbeLesen(std::string_view modell, std::string_view angabe, std::int32_t& farbe) {
    modell = Getrimmt(modell);
    angabe = Getrimmt(angabe);
    if (modell.empty()) {
        static constexpr std::pair<std::string_view, std::int32_t> namen[] = {
            {"black", 0x000000}, {"white", 0xFFFFFF}, {"red", 0x0000FF},     {"green", 0x00FF00},
            {"blue", 0xFF0000},  {"cyan", 0xFFFF00},  {"magenta", 0xFF00FF}, {"yellow", 0x00FFFF}};
        for (const auto& [name, wert] : namen)
            if (angabe == name) return farbe = wert, true;
        return false;
    }
    const bool grau = modell == "gray";
    const double hoechst = modell == "RGB" ? 255 : 1;
    if (!grau && modell != "rgb" && modell != "RGB") return false;
    double teile[3] = {};
    for (int i = 0; i < (grau ? 1 : 3); ++i) {
        const std::size_t komma = i < (grau ? 0 : 2) ? angabe.find(',') : angabe.size();
        if (komma == std::string_view::npos || !NurZahl(angabe.substr(0, komma), teile[i])) return false;
        angabe.remove_prefix(std::min(komma + 1, angabe.size()));
    }
    if (grau) teile[1] = teile[2] = teile[0];
    farbe = 0;
    for (int i = 2; i >= 0; --i)
        farbe =
            farbe << 8 | static_cast<std::int32_t>(Runden(std::clamp(teile[i] / hoechst, 0.0, 1.0) * 255));
    return true;
}

void Bildbefehle::Lesen(std::string_view zeile, std::size_t ab) {
    text_.clear();
    zeilen_.clear();
    Anfuegen(zeile.substr(std::min(ab, zeile.size())), q_.Nummer());
    pos_ = 0;
    Befehle(BisEnde, false);
}

void Bildbefehle::Anfuegen(std::string_view zeile, int nummer) {
    if (!zeilen_.empty()) {
        if (!kommentiert_) text_ += ' ';
        while (!zeile.empty() && IstLeer(zeile.front()))
            zeile.remove_prefix(1);
    }
    const std::size_t kommentar = Kommentar(zeile);
    kommentiert_ = kommentar != std::string_view::npos;
    zeilen_.emplace_back(text_.size(), nummer);
    text_ += zeile.substr(0, kommentar);
}

int Bildbefehle::ZeileBei(std::size_t p) const {
    const auto nach =
        std::upper_bound(zeilen_.begin(), zeilen_.end(), p,
                         [](std::size_t wert, const auto& zeile) { return wert < zeile.first; });
    return std::prev(nach)->second;
}

void Bildbefehle::Leer(std::size_t bis) {
    while (pos_ < Ende(bis) && IstLeer(text_[pos_]))
        ++pos_;
}

// Steps over `c`, blanks before it allowed; false when something else comes.
bool Bildbefehle::Ist(std::size_t bis, char c) {
    Leer(bis);
    if (pos_ >= Ende(bis) || text_[pos_] != c) return false;
    ++pos_;
    return true;
}

// The command name at the position, a backslash and letters or one other character.
std::string_view Bildbefehle::Steuerwort(std::size_t bis) {
    const std::size_t anfang = pos_++;
    if (pos_ < Ende(bis) && !IstBuchstabe(text_[pos_])) {
        ++pos_;
    } else {
        while (pos_ < Ende(bis) && IstBuchstabe(text_[pos_]))
            ++pos_;
    }
    return std::string_view(text_).substr(anfang, std::min(pos_, Ende(bis)) - anfang);
}

bool Bildbefehle::Zahl(std::size_t bis, double& wert) {
    std::size_t laenge = 0;
    if (!ZahlAm(std::string_view(text_).substr(pos_, Ende(bis) - pos_), wert, laenge)) return false;
    pos_ += laenge;
    return true;
}

bool Bildbefehle::Paar(std::size_t bis, double& x, double& y) {
    return Ist(bis, '(') && Zahl(bis, x) && Ist(bis, ',') && Zahl(bis, y) && Ist(bis, ')');
}

// The brace group at the position: its content runs from `von` to `zu`, the closing brace, and
// the position moves past it. A group still open at the end of the text takes in the following
// lines; one that does not close then is reported and runs to the end of the text.
bool Bildbefehle::Argument(std::size_t bis, std::size_t& von, std::size_t& zu) {
    if (!Ist(bis, '{')) return false;
    von = pos_;
    int tiefe = 1;
    zu = KlammernFolgen(std::string_view(text_).substr(0, Ende(bis)), von, tiefe, false);
    if (zu == std::string::npos && bis == BisEnde) {
        std::vector<std::pair<std::string, int>> dazu;
        if (q_.Fortsetzen([&](std::string_view z) {
                dazu.emplace_back(z, q_.Nummer());
                return Geschlossen(z, KlammernFolgen(z, 0, tiefe, true));
            })) {
            for (const auto& [zeile, nummer] : dazu)
                Anfuegen(zeile, nummer);
            tiefe = 1;
            zu = KlammernFolgen(text_, von, tiefe, false);
        } else {
            s_.Fehler(2, ZeileBei(von));
        }
    }
    if (zu == std::string::npos) zu = Ende(bis);
    pos_ = std::min(zu + 1, Ende(bis));
    return true;
}

// An optional argument in brackets; empty when there is none. The options read here hold
// neither braces nor commands, so a bracket not closed before the next of them is no option of
// this command. The search ends there, and a line of open brackets is read in linear time.
bool Bildbefehle::Option(std::size_t bis, std::string& inhalt) {
    inhalt.clear();
    const std::size_t vorher = pos_;
    if (!Ist(bis, '[')) {
        pos_ = vorher;
        return true;
    }
    const std::size_t zu = std::string_view(text_).substr(0, Ende(bis)).find_first_of("]\\{}", pos_);
    if (zu == std::string_view::npos || text_[zu] != ']') return false;
    inhalt = text_.substr(pos_, zu - pos_);
    pos_ = zu + 1;
    return true;
}

bool Bildbefehle::ZahlArgument(std::size_t bis, double& wert) {
    std::size_t von = 0, zu = 0;
    return Argument(bis, von, zu) && NurZahl(std::string_view(text_).substr(von, zu - von), wert);
}

// The commands up to `bis`. Braces open and close groups. Inside a command's argument anything
// that is no picture command is a text from there to the argument's end; elsewhere it is
// passed over and noted.
void Bildbefehle::Befehle(std::size_t bis, bool imArgument) {
    const std::size_t aussen = boden_;
    boden_ = imArgument ? s_.Tiefe() : 0;
    while (!s_.ergebnis.voll) {
        Leer(bis);
        if (pos_ >= Ende(bis)) break;
        const char c = text_[pos_];
        if (c == '{') {
            s_.GruppeAuf();
            ++pos_;
        } else if (c == '}') {
            GruppeBeenden();
            ++pos_;
        } else if (c == '\\') {
            Befehl(bis, imArgument);
        } else if (imArgument) {
            Text(pos_, bis);
        } else {
            Uebergehen(pos_);
            while (++pos_ < Ende(bis) && text_[pos_] != '\\' && text_[pos_] != '{' && text_[pos_] != '}') {
            }
        }
    }
    if (imArgument) s_.ZurueckAuf(boden_);
    boden_ = aussen;
}

void Bildbefehle::Befehl(std::size_t bis, bool imArgument) {
    const std::size_t anfang = pos_;
    // A copy: reading an argument may take in lines and move the text.
    const std::string name(Steuerwort(bis));
    bool gelesen = true;
    if (name == "\\put") {
        gelesen = Put(bis);
    } else if (name == "\\multiput") {
        gelesen = Multiput(bis);
    } else if (name == "\\line" || name == "\\vector") {
        gelesen = Gerade(bis, name == "\\vector");
    } else if (name == "\\circle") {
        gelesen = KreisBefehl(bis);
    } else if (name == "\\oval") {
        gelesen = Oval(bis);
    } else if (name == "\\qbezier") {
        gelesen = Bezier(bis);
    } else if (name == "\\makebox" || name == "\\framebox" || name == "\\dashbox") {
        gelesen = Box(bis, name);
    } else if (name == "\\thinlines" || name == "\\thicklines") {
        s_.jetzt.Breite = s_.NaechsteBreite(name == "\\thinlines" ? DuenneLinien : DickeLinien);
    } else if (name == "\\linethickness") {
        gelesen = Linienstaerke(bis);
    } else if (name == "\\color") {
        gelesen = Farbe(bis);
    } else if (name == "\\setlength") {
        gelesen = Setlength(bis);
    } else if (name == "\\unitlength") {
        gelesen = Einheitslaenge(bis);
    } else if (name == "\\begin" || name == "\\end") {
        gelesen = Umgebung(bis, name == "\\begin");
    } else if (name == "\\begingroup") {
        s_.GruppeAuf();
    } else if (name == "\\endgroup") {
        GruppeBeenden();
    } else if (name == "\\ifx") {
        // The test of a definition made only when it is missing: both macro names go.
        for (int i = 0; i < 2; ++i) {
            Leer(bis);
            if (pos_ < Ende(bis)) Steuerwort(bis);
        }
    } else if (name == "\\def" || name == "\\gdef" || name == "\\edef" || name == "\\xdef") {
        gelesen = Definition(bis);
    } else if (name != "\\makeatletter" && name != "\\makeatother" && name != "\\relax" && name != "\\fi") {
        if (imArgument) return Text(anfang, bis);
        gelesen = false;
    }
    if (!gelesen && imArgument && (name == "\\makebox" || name == "\\framebox")) return Text(anfang, bis);
    if (!gelesen) Uebergehen(anfang);
}

// A text set at the current point as \put sets it: its reference point, the left end of its
// baseline, is the point. A text that is not Ausgewogen, as the rest of an argument left open or
// of one whose text began inside a group, is passed over.
void Bildbefehle::Text(std::size_t von, std::size_t bis) {
    pos_ = Ende(bis);
    const std::string text =
        s_.Boxtext(std::string(Getrimmt(std::string_view(text_).substr(von, pos_ - von))));
    if (text.empty()) return;
    if (!Ausgewogen(text)) return Uebergehen(von);
    TElement e = s_.Neu(vektra::Text, EbeneText);
    e.x1 = s_.jetzt.x;
    e.y1 = s_.jetzt.y;
    e.Ausrichtung = "bl";
    e.TextSetzen(text);
    s_.Aufnehmen(std::move(e), ZeileBei(von));
}

bool Bildbefehle::Put(std::size_t bis) {
    double x = 0, y = 0;
    std::size_t von = 0, zu = 0;
    return Paar(bis, x, y) && Argument(bis, von, zu) && Verschoben(x, y, von, zu);
}

// Reads the argument from `von` to `zu` with the origin moved by (x, y), then goes on after it.
bool Bildbefehle::Verschoben(double x, double y, std::size_t von, std::size_t zu) {
    if (verschachtelung_ >= MaxVerschachtelung) return false;
    const std::size_t danach = pos_;
    ++verschachtelung_;
    s_.GruppeAuf();
    s_.jetzt.x += x;
    s_.jetzt.y += y;
    pos_ = von;
    Befehle(zu, true);
    s_.GruppeZu();
    --verschachtelung_;
    pos_ = danach;
    return true;
}

// The object is read once at the first place; its elements are then copied to the others, as
// long as the store has room. A copy that no drawing may hold is passed over; once a whole copy
// is, all later ones are too (each place moves along a line away from the object), so the
// copying ends there, whatever count the picture gives.
bool Bildbefehle::Multiput(std::size_t bis) {
    double x = 0, y = 0, dx = 0, dy = 0, n = 0;
    std::size_t von = 0, zu = 0;
    if (!Paar(bis, x, y) || !Paar(bis, dx, dy) || !ZahlArgument(bis, n) || !Argument(bis, von, zu))
        return false;
    const long long anzahl = static_cast<long long>(std::floor(n));
    if (anzahl < 1) return true;
    Elementspeicher& speicher = s_.z.Elemente;
    const int vorher = speicher.Anzahl();
    if (!Verschoben(x, y, von, zu)) return false;
    const int nachher = speicher.Anzahl();
    const int zeile = ZeileBei(von);
    for (long long k = 1; k < anzahl && nachher > vorher && !s_.ergebnis.voll; ++k) {
        bool gehalten = false;
        for (int i = vorher + 1; i <= nachher; ++i) {
            TElement kopie = speicher[i];
            kopie.x1 += static_cast<double>(k) * dx;
            kopie.y1 += static_cast<double>(k) * dy;
            if (kopie.istStrich()) {
                kopie.x2 += static_cast<double>(k) * dx;
                kopie.y2 += static_cast<double>(k) * dy;
            }
            const Importzustand::Aufnahme a = s_.Aufnehmen(std::move(kopie), zeile);
            if (a == Importzustand::Aufnahme::Voll) break;
            gehalten |= a == Importzustand::Aufnahme::Gehalten;
        }
        if (!gehalten) break;
    }
    return true;
}

// \line(a,b){l} and \vector(a,b){l}: l is the horizontal extent, or the vertical one of an
// upright line. A vector's head is made of two strokes with the drawing's arrow shape, its
// length taken in millimetres, so it is about the size of LaTeX's own head.
bool Bildbefehle::Gerade(std::size_t bis, bool pfeil) {
    double a = 0, b = 0, l = 0;
    if (!Paar(bis, a, b) || !ZahlArgument(bis, l) || (a == 0 && b == 0)) return false;
    const double dx = a == 0 ? 0 : (a > 0 ? l : -l);
    const double dy = a == 0 ? (b > 0 ? l : -l) : l * b / std::fabs(a);
    const double x1 = s_.jetzt.x, y1 = s_.jetzt.y, x2 = x1 + dx, y2 = y1 + dy;
    const int zeile = ZeileBei(pos_ - 1);
    s_.NeueLinie(x1, y1, x2, y2, zeile);
    if (!pfeil) return true;
    const Kopfsatz& k = s_.z.Kopf;
    for (const Strich& st :
         Pfeilspitzen(x2, y2, Pfeilrichtung(0, 0, a, b), k.Pfeillaenge / s_.MmJeEinheit(), k.Pfeilwinkel)) {
        TElement e = s_.Neu(Pfeilspitze, EbeneLinie);
        e.x1 = st.x1;
        e.y1 = st.y1;
        e.x2 = st.x2;
        e.y2 = st.y2;
        s_.Aufnehmen(std::move(e), zeile);
    }
    return true;
}

// \circle{d} and \circle*{d}, blanks allowed around the star.
bool Bildbefehle::KreisBefehl(std::size_t bis) {
    const std::size_t vorher = pos_;
    const bool gefuellt = Ist(bis, '*');
    if (!gefuellt) pos_ = vorher;
    double d = 0;
    if (!ZahlArgument(bis, d)) return false;
    TElement e = s_.Neu(Kreis, EbeneKreis);
    e.x1 = s_.jetzt.x;
    e.y1 = s_.jetzt.y;
    e.Durchmesser = d;
    e.gefuellt = gefuellt;
    s_.Aufnehmen(std::move(e), ZeileBei(pos_ - 1));
    return true;
}

bool Bildbefehle::Oval(std::size_t bis) {
    double w = 0, h = 0;
    std::string teile;
    if (!Paar(bis, w, h) || !Option(bis, teile)) return false;
    const double mm = s_.MmJeEinheit();
    const double r = std::min({std::fabs(w) / 2, std::fabs(h) / 2, GroessterEckradius / mm});
    Sehnen(Ovalsehnen(s_.jetzt.x, s_.jetzt.y, w, h, r, teile, Sehnenlaenge / mm), ZeileBei(pos_ - 1));
    return true;
}

// \qbezier[n](x0,y0)(x1,y1)(x2,y2); the number of points LaTeX would set is not needed.
bool Bildbefehle::Bezier(std::size_t bis) {
    std::string punkte;
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    if (!Option(bis, punkte) || !Paar(bis, x0, y0) || !Paar(bis, x1, y1) || !Paar(bis, x2, y2)) return false;
    const double x = s_.jetzt.x, y = s_.jetzt.y;
    Sehnen(Beziersehnen(x + x0, y + y0, x + x1, y + y1, x + x2, y + y2, Sehnenlaenge / s_.MmJeEinheit()),
           ZeileBei(pos_ - 1));
    return true;
}

void Bildbefehle::Sehnen(const std::vector<Kurvenstueck>& sehnen, int zeile) {
    for (const Kurvenstueck& s : sehnen)
        s_.NeueLinie(s.x1, s.y1, s.x2, s.y2, zeile);
}

// \makebox(w,h)[al]{text}, \framebox(w,h)[al]{text} and \dashbox{d}(w,h)[al]{text} place their
// text as the export's boxes do; the framed ones add their four sides, a dash box solid ones.
// False for a box without size, which is no picture box. A box whose text is not Ausgewogen is
// passed over whole.
bool Bildbefehle::Box(std::size_t bis, std::string_view name) {
    double strich = 0, w = 0, h = 0;
    std::string ausrichtung;
    std::size_t von = 0, zu = 0;
    if (name == "\\dashbox" && !ZahlArgument(bis, strich)) return false;
    if (!Paar(bis, w, h) || !Option(bis, ausrichtung) || !Argument(bis, von, zu)) return false;
    const bool rahmen = name != "\\makebox";
    const double x = s_.jetzt.x, y = s_.jetzt.y;
    const int zeile = ZeileBei(von);
    const std::string text = s_.Boxtext(text_.substr(von, zu - von));
    if (!Ausgewogen(text)) {
        Uebergehen(von);
        return true;
    }
    if (!text.empty()) {
        TElement e = s_.Neu(vektra::Text, rahmen ? EbeneLinie : EbeneText);
        e.x1 = x;
        e.y1 = y;
        e.Ausrichtung = ausrichtung.empty() ? "cc" : ausrichtung.substr(0, 2);
        e.TextSetzen(text);
        InDieBox(e, w, h);
        s_.Aufnehmen(std::move(e), zeile);
    }
    if (rahmen) {
        s_.NeueLinie(x, y, x + w, y, zeile);
        s_.NeueLinie(x, y + h, x + w, y + h, zeile);
        s_.NeueLinie(x, y, x, y + h, zeile);
        s_.NeueLinie(x + w, y, x + w, y + h, zeile);
    }
    return true;
}

// \color{name} and \color[model]{values}. The program's own files keep their elements black,
// as they always did.
bool Bildbefehle::Farbe(std::size_t bis) {
    std::string modell;
    std::size_t von = 0, zu = 0;
    std::int32_t farbe = 0;
    if (!Option(bis, modell) || !Argument(bis, von, zu) ||
        !FarbeLesen(modell, std::string_view(text_).substr(von, zu - von), farbe))
        return false;
    if (!s_.eigen) s_.jetzt.Farbe = farbe;
    return true;
}

// \linethickness{length}: the width class whose TeX width is nearest.
bool Bildbefehle::Linienstaerke(std::size_t bis) {
    std::size_t von = 0, zu = 0;
    double mm = 0;
    if (!Argument(bis, von, zu) || !Laenge(std::string_view(text_).substr(von, zu - von), mm)) return false;
    s_.jetzt.Breite = s_.NaechsteBreite(mm / MillimeterJe("pt"));
    return true;
}

// \setlength{\unitlength}{length}, the name with or without braces; other lengths are not read.
bool Bildbefehle::Setlength(std::size_t bis) {
    std::size_t von = 0, zu = 0;
    const std::size_t vorher = pos_;
    std::string name;
    if (Argument(bis, von, zu)) {
        name = Getrimmt(std::string_view(text_).substr(von, zu - von));
    } else {
        pos_ = vorher;
        Leer(bis);
        if (pos_ < Ende(bis) && text_[pos_] == '\\') name = Steuerwort(bis);
    }
    double mm = 0;
    if (name != "\\unitlength" || !Argument(bis, von, zu) ||
        !Laenge(std::string_view(text_).substr(von, zu - von), mm))
        return false;
    s_.z.Dialog.Unitlength = LaengeText(mm);
    return true;
}

// \unitlength=length or \unitlength length inside a line.
bool Bildbefehle::Einheitslaenge(std::size_t bis) {
    Ist(bis, '=');
    Leer(bis);
    const std::size_t anfang = pos_;
    while (pos_ < Ende(bis) && (text_[pos_] == '+' || text_[pos_] == '-' || text_[pos_] == '.' ||
                                (text_[pos_] >= '0' && text_[pos_] <= '9') || IstLeer(text_[pos_])))
        ++pos_;
    for (int i = 0; i < 2 && pos_ < Ende(bis) && IstBuchstabe(text_[pos_]); ++i)
        ++pos_;
    double mm = 0;
    if (!Laenge(std::string_view(text_).substr(anfang, pos_ - anfang), mm)) return false;
    s_.z.Dialog.Unitlength = LaengeText(mm);
    return true;
}

// \begin{picture}(w,h)(x0,y0) opens a group in which the point (x0,y0) is the picture's lower
// left corner; \end{picture} closes it. Other environments are not read.
bool Bildbefehle::Umgebung(std::size_t bis, bool anfang) {
    std::size_t von = 0, zu = 0;
    if (!Argument(bis, von, zu) || Getrimmt(std::string_view(text_).substr(von, zu - von)) != "picture")
        return false;
    if (!anfang) {
        GruppeBeenden();
        return true;
    }
    double w = 0, h = 0, x0 = 0, y0 = 0;
    if (!Paar(bis, w, h)) return false;
    const std::size_t vorher = pos_;
    const bool versetzt = Ist(bis, '(');
    pos_ = vorher;
    if (versetzt && !Paar(bis, x0, y0)) return false;
    s_.GruppeAuf();
    s_.jetzt.x -= x0;
    s_.jetzt.y -= y0;
    return true;
}

// A macro definition draws nothing: its name, parameters and body are passed over.
bool Bildbefehle::Definition(std::size_t bis) {
    Leer(bis);
    if (pos_ >= Ende(bis) || text_[pos_] != '\\') return false;
    Steuerwort(bis);
    while (pos_ < Ende(bis) && text_[pos_] != '{')
        ++pos_;
    std::size_t von = 0, zu = 0;
    return Argument(bis, von, zu);
}

} // namespace vektra::bildimport
