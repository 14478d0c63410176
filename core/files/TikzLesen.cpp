#include "files/TikzLesen.h"

#include "curves/Kurve.h"
#include "curves/Sehnen.h"
#include "files/Bildbefehle.h"
#include "files/ExportGemeinsam.h"
#include "files/Importzustand.h"
#include "files/Tikzteile.h"
#include "text/Texte.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numbers>
#include <sstream>
#include <vector>

namespace vektra {

using namespace bildimport;
using namespace tikzteile;

namespace {

// How deep styles may call styles, and how many a statement may expand in all, so no input can
// make a statement expensive.
constexpr int MaxStiltiefe = 8;
constexpr int MaxStile = 1000;
// The unit lengths the first picture's x may set, in millimetres: what LaengeText writes above 0,
// up to what TeX's largest dimension leaves.
constexpr double KleinsteEinheit = 1e-4, GroessteEinheit = 5000;

// The state options set: the picture's and each scope's, and a path's own on top.
struct Lage {
    double xe = 10, ye = 10; // millimetres of a coordinate's unit in x and y
    double kx = 1, ky = 1;   // scale
    double ox = 0, oy = 0;   // shift, in drawing units
    std::int32_t farbe = 0, strich = -1, fuellung = -1, textfarbe = -1;
    double pt = 0.4; // line width
    int klasse = -1; // the width class named by one of the program's own styles
    std::string ausrichtung = "cc";
    bool zeichnen = false, fuellen = false;
    // Options of one operation: circle and arc sizes, the angles of "to".
    double radiusX = NAN, radiusY = NAN, anfangswinkel = NAN, endwinkel = NAN, deltawinkel = NAN;
    double aus = NAN, ein = NAN;
    bool unbekannt = false;
};

// The line widths TikZ names, in points.
constexpr std::pair<std::string_view, double> Breitennamen[] = {
    {"ultra thin", 0.1}, {"very thin", 0.2},  {"thin", 0.4},       {"semithick", 0.6},
    {"thick", 0.8},      {"very thick", 1.2}, {"ultra thick", 1.6}};

class Leser {
  public:
    Leser(Importzustand& s, std::string text) : s_(s), t_(std::move(text)) {
        KommentareLoeschen(t_);
        for (std::size_t p = 0; p < t_.size(); ++p)
            if (t_[p] == '\n') zeilenenden_.push_back(p);
    }

    void Lesen() {
        std::size_t p = 0;
        while (!s_.ergebnis.voll && (p = t_.find('\\', p)) != std::string::npos) {
            if (Bei(p, "\\begin{tikzpicture}")) {
                p = Bild(p + 19);
                ++bilder_;
            } else {
                std::size_t nach = p + 1;
                const std::string_view name = Steuerwort(t_, nach);
                if (!Vereinbarung(name, nach)) nach = std::max(nach, p + 2);
                p = nach;
            }
        }
    }

    int Bilder() const { return bilder_; }

  private:
    bool Bei(std::size_t p, std::string_view s) const {
        return std::string_view(t_).substr(p, s.size()) == s;
    }
    int Zeile(std::size_t p) const {
        return static_cast<int>(std::lower_bound(zeilenenden_.begin(), zeilenenden_.end(), p) -
                                zeilenenden_.begin()) +
               1;
    }
    void Uebergehen(std::size_t von, std::size_t bis) {
        const int ende = Zeile(std::min(bis, t_.size()));
        for (int z = Zeile(von); z <= ende; ++z)
            s_.Uebergangen(z);
    }
    std::size_t Leer(std::size_t p) const {
        while (p < t_.size() && IstLeerzeichen(t_[p]))
            ++p;
        return p;
    }

    // \definecolor, \colorlet and \tikzset, inside pictures and out; `p` goes past what is read.
    bool Vereinbarung(std::string_view name, std::size_t& p) {
        std::string_view a, b, c;
        if (name == "definecolor" && Argument(t_, p, a) && Argument(t_, p, b) && Argument(t_, p, c)) {
            std::int32_t f = 0;
            if (!FarbeDefinieren(b, c, f)) return false;
            farben_[std::string(Getrimmt(a))] = f;
            return true;
        }
        if (name == "colorlet" && Argument(t_, p, a) && Argument(t_, p, b)) {
            std::int32_t f = 0;
            if (!Farbe(b, f)) return false;
            farben_[std::string(Getrimmt(a))] = f;
            return true;
        }
        if (name == "tikzset" && Argument(t_, p, a)) {
            Lage l;
            stile_ = 0;
            Anwenden(l, a, 0, false);
            return !l.unbekannt;
        }
        return false;
    }

    // A named or mixed colour ("red", "blue!30", "red!50!green"), as 0x00BBGGRR.
    bool Farbe(std::string_view ausdruck, std::int32_t& farbe) const {
        const auto name = [this](std::string_view n, Farbteile& f) {
            n = Getrimmt(n);
            const auto it = farben_.find(std::string(n));
            std::int32_t wert = 0;
            if (it != farben_.end())
                wert = it->second;
            else if (!Grundfarbe(n, wert))
                return false;
            f = Zerlegen(wert);
            return true;
        };
        std::vector<std::string_view> teile = Teile(ausdruck, '!');
        Farbteile f;
        if (teile.empty() || !name(teile[0], f)) return false;
        for (std::size_t i = 1; i < teile.size(); i += 2) {
            double anteil = 0;
            Farbteile andere{1, 1, 1};
            if (!Zahl(teile[i], anteil) || (i + 1 < teile.size() && !name(teile[i + 1], andere)))
                return false;
            f = Mischen(f, andere, std::clamp(anteil, 0.0, 100.0) / 100);
        }
        farbe = Zusammensetzen(f);
        return true;
    }

    // A length of an option; a bare number counts in `ohne` millimetres.
    static bool Laenge(std::string_view text, double ohne, double& mm) {
        bool einheit = false;
        if (!Mass(text, mm, einheit)) return false;
        if (!einheit) mm *= ohne;
        return true;
    }

    void Anwenden(Lage& l, std::string_view optionen, int tiefe, bool bild) {
        for (std::string_view teil : Teile(optionen, ',')) {
            teil = Getrimmt(teil);
            if (teil.empty()) continue;
            const std::size_t gleich = Oberste(teil, '=');
            const std::string_view schluessel = Getrimmt(teil.substr(0, gleich));
            const std::string_view wert =
                gleich == std::string_view::npos ? std::string_view() : Entklammert(teil.substr(gleich + 1));
            if (!Option(l, schluessel, wert, gleich != std::string_view::npos, tiefe, bild))
                l.unbekannt = true;
        }
    }

    bool Option(Lage& l, std::string_view k, std::string_view w, bool mitWert, int tiefe, bool bild) {
        double v = 0, mm = 0;
        std::int32_t f = 0;
        if (k.ends_with("/.style")) {
            const std::string name(Getrimmt(k.substr(0, k.size() - 7)));
            definiert_[name] = std::string(w);
            const int klasse = Eigenklasse(name);
            if (bild && klasse >= 0 && w.starts_with("line width=") &&
                Laenge(w.substr(11), TeXMillimeter, mm))
                s_.z.Dialog.TeXBreite[static_cast<std::size_t>(klasse) + 1] =
                    LaengeText(mm / MillimeterJe("pt"));
            return true;
        }
        if (const auto it = definiert_.find(std::string(k)); it != definiert_.end() && !mitWert) {
            if (tiefe >= MaxStiltiefe || ++stile_ > MaxStile) return false;
            const std::string inhalt = it->second;
            Anwenden(l, inhalt, tiefe + 1, false);
            if (Eigenklasse(k) >= 0) l.klasse = Eigenklasse(k);
            return true;
        }
        for (const auto& [name, pt] : Breitennamen)
            if (k == name && !mitWert) return l.pt = pt, l.klasse = -1, true;
        if ((k == "x" || k == "y") && Laenge(w, 10, mm) && mm != 0)
            return (k == "x" ? l.xe : l.ye) = mm, true;
        if ((k == "scale" || k == "xscale" || k == "yscale") && Zahl(w, v)) {
            if (k != "yscale") l.kx *= v;
            if (k != "xscale") l.ky *= v;
            return true;
        }
        if ((k == "xshift" || k == "yshift") && Laenge(w, MillimeterJe("pt"), mm)) {
            (k == "xshift" ? l.ox : l.oy) += (k == "xshift" ? l.kx : l.ky) * mm / einheit_;
            return true;
        }
        if (k == "shift") {
            double x = 0, y = 0;
            Lage ohne = l;
            ohne.ox = ohne.oy = 0;
            if (!Punkt(ohne, Entklammert(w, '(', ')'), x, y)) return false;
            return l.ox += x, l.oy += y, true;
        }
        if (k == "line width" && Laenge(w, MillimeterJe("pt"), mm)) {
            return l.pt = mm / MillimeterJe("pt"), l.klasse = -1, true;
        }
        if ((k == "color" || (!mitWert && k != "draw" && k != "fill")) && Farbe(mitWert ? w : k, f)) {
            l.farbe = f;
            l.strich = l.fuellung = l.textfarbe = -1;
            return true;
        }
        if (k == "draw" || k == "fill") {
            const bool an = w != "none";
            if (mitWert && an && !Farbe(w, f)) return false;
            (k == "draw" ? l.zeichnen : l.fuellen) = an;
            if (mitWert && an) (k == "draw" ? l.strich : l.fuellung) = f;
            return true;
        }
        if (k == "text" && Farbe(w, f)) return l.textfarbe = f, true;
        if (k == "anchor") return Anker(w, l.ausrichtung);
        if (Lagewort(k, l.ausrichtung)) return true;
        if (k == "radius" || k == "x radius" || k == "y radius") {
            bool einheit = false;
            if (!Mass(w, v, einheit)) return false;
            if (k != "y radius") l.radiusX = einheit ? v / einheit_ * l.kx : v * l.xe / einheit_ * l.kx;
            if (k != "x radius") l.radiusY = einheit ? v / einheit_ * l.ky : v * l.ye / einheit_ * l.ky;
            return true;
        }
        if (k == "start angle" && Zahl(w, v)) return l.anfangswinkel = v, true;
        if (k == "end angle" && Zahl(w, v)) return l.endwinkel = v, true;
        if (k == "delta angle" && Zahl(w, v)) return l.deltawinkel = v, true;
        if (k == "out" && Zahl(w, v)) return l.aus = v, true;
        if (k == "in" && Zahl(w, v)) return l.ein = v, true;
        // What changes nothing the drawing keeps.
        return k == "inner sep" || k == "outer sep" || k == "inner xsep" || k == "inner ysep" ||
               k == "line cap" || k == "line join" || k == "baseline" || k == "looseness";
    }

    // The width classes of the program's own styles.
    static int Eigenklasse(std::string_view name) {
        for (int k = 0; k <= 2; ++k)
            if (name == Breitenname(k)) return k;
        return -1;
    }

    // Where a coordinate lies in the drawing, by the state `l`: "x,y" or the polar "angle:radius",
    // each number a length or a multiple of the unit vectors.
    bool Punkt(const Lage& l, std::string_view inhalt, double& x, double& y) const {
        const std::size_t doppelpunkt = Oberste(inhalt, ':'), komma = Oberste(inhalt, ',');
        double a = 0, b = 0;
        bool ea = false, eb = false;
        if (komma != std::string_view::npos) {
            if (!Mass(inhalt.substr(0, komma), a, ea) || !Mass(inhalt.substr(komma + 1), b, eb)) return false;
            x = ea ? a : a * l.xe;
            y = eb ? b : b * l.ye;
        } else if (doppelpunkt != std::string_view::npos) {
            if (!Zahl(inhalt.substr(0, doppelpunkt), a) || !Mass(inhalt.substr(doppelpunkt + 1), b, eb))
                return false;
            const double w = a * std::numbers::pi / 180;
            x = std::cos(w) * b * (eb ? 1 : l.xe);
            y = std::sin(w) * b * (eb ? 1 : l.ye);
        } else {
            return false;
        }
        x = l.ox + l.kx * x / einheit_;
        y = l.oy + l.ky * y / einheit_;
        return std::isfinite(x) && std::isfinite(y);
    }

    std::size_t Bild(std::size_t p) {
        Lage bild;
        p = Leer(p);
        std::string_view optionen;
        if (p < t_.size() && t_[p] == '[' && !Klammer(t_, p, '[', ']', optionen)) optionen = {};
        // The first picture's x sets the unit length; the others are read in it.
        if (bilder_ == 0) {
            Lage nurEinheit;
            Anwenden(nurEinheit, optionen, MaxStiltiefe, false);
            // The unit length is a length TeX takes; a negative x mirrors the coordinates.
            einheit_ = std::fabs(nurEinheit.xe);
            if (!(einheit_ >= KleinsteEinheit && einheit_ <= GroessteEinheit)) einheit_ = 10;
            s_.z.Dialog.Unitlength = LaengeText(einheit_);
        }
        stile_ = 0;
        Anwenden(bild, optionen, 0, true);
        if (bild.unbekannt) Uebergehen(p, p);
        std::vector<Lage> stapel{bild};
        std::size_t ueberzaehlig = 0;
        const auto auf = [&] {
            if (stapel.size() < MaxGruppen)
                stapel.push_back(stapel.back());
            else
                ++ueberzaehlig;
        };
        const auto zu = [&] {
            if (ueberzaehlig > 0)
                --ueberzaehlig;
            else if (stapel.size() > 1)
                stapel.pop_back();
        };
        while (!s_.ergebnis.voll && (p = Leer(p)) < t_.size()) {
            const std::size_t anfang = p;
            if (t_[p] == ';') {
                ++p;
            } else if (t_[p] == '{') {
                auf(), ++p;
            } else if (t_[p] == '}') {
                zu(), ++p;
            } else if (Bei(p, "\\end{tikzpicture}")) {
                return p + 17;
            } else if (Bei(p, "\\begin{scope}")) {
                auf();
                p = Leer(p + 13);
                std::string_view o;
                if (p < t_.size() && t_[p] == '[' && Klammer(t_, p, '[', ']', o)) {
                    stile_ = 0;
                    Anwenden(stapel.back(), o, 0, false);
                    if (stapel.back().unbekannt) Uebergehen(anfang, p);
                    stapel.back().unbekannt = false;
                }
            } else if (Bei(p, "\\end{scope}")) {
                zu(), p += 11;
            } else if (t_[p] == '\\') {
                ++p;
                const std::string_view name = Steuerwort(t_, p);
                if (name == "draw" || name == "fill" || name == "filldraw" || name == "path" ||
                    name == "node" || name == "useasboundingbox") {
                    const std::size_t ende = Anweisungsende(t_, p);
                    Anweisung(stapel.back(), name, name == "node" ? anfang + 1 : p, ende);
                    p = ende;
                } else if (name == "color" && Argument(t_, p, optionen)) {
                    std::int32_t f = 0;
                    if (Farbe(optionen, f)) stapel.back().farbe = f;
                } else if (!Vereinbarung(name, p)) {
                    p = Befehlsende(t_, p);
                    Uebergehen(anfang, p);
                }
            } else {
                p = Befehlsende(t_, p);
                Uebergehen(anfang, p);
            }
        }
        return p;
    }

    // One path statement from `von` (after its command; for \node at "node") to `bis`.
    void Anweisung(const Lage& umgebung, std::string_view befehl, std::size_t von, std::size_t bis) {
        Pfadleser pfad{*this, umgebung, std::string_view(t_).substr(0, bis), von};
        pfad.l.zeichnen = befehl == "draw" || befehl == "filldraw";
        pfad.l.fuellen = befehl == "fill" || befehl == "filldraw";
        pfad.ohneElemente = befehl == "useasboundingbox";
        stile_ = 0;
        if (!pfad.Lesen() || pfad.l.unbekannt) Uebergehen(von, bis);
    }

    // Reads the operations of one path and appends what it draws.
    struct Pfadleser {
        Leser& r;
        Lage l;
        std::string_view a;
        std::size_t q;
        bool ohneElemente = false;
        double cx = 0, cy = 0, bx = 0, by = 0, sx = 0, sy = 0;

        int Zeile() const { return r.Zeile(q); }
        void Leer() {
            while (q < a.size() && IstLeerzeichen(a[q]))
                ++q;
        }
        bool Wort(std::string_view w) {
            Leer();
            if (a.substr(q, w.size()) != w) return false;
            q += w.size();
            return true;
        }
        bool Optionen(Lage& ziel) {
            Leer();
            std::string_view o;
            if (q < a.size() && a[q] == '[') {
                if (!Klammer(a, q, '[', ']', o)) return false;
                r.Anwenden(ziel, o, 0, false);
            }
            return true;
        }
        // A coordinate, "+" and "++" relative to the last point not given by "+".
        bool Koordinate(double& x, double& y) {
            Leer();
            int relativ = 0;
            while (relativ < 2 && q < a.size() && a[q] == '+')
                ++relativ, ++q;
            Leer();
            std::string_view inhalt;
            if (q >= a.size() || a[q] != '(' || !Klammer(a, q, '(', ')', inhalt)) return false;
            Lage ohne = l;
            if (relativ > 0) ohne.ox = ohne.oy = 0;
            if (!r.Punkt(ohne, inhalt, x, y)) return false;
            if (relativ > 0) x += bx, y += by;
            if (relativ != 1) bx = x, by = y;
            return true;
        }
        std::int16_t Breite() const {
            return static_cast<std::int16_t>(l.klasse >= 0 ? l.klasse : r.s_.NaechsteBreite(l.pt));
        }
        std::int32_t Strichfarbe() const {
            if (l.strich >= 0) return l.strich;
            return !l.zeichnen && l.fuellung >= 0 ? l.fuellung : l.farbe;
        }
        // Places and sizes no drawing may hold are passed over before they take room in the store.
        bool Zulaessig(std::initializer_list<double> werte) {
            if (std::ranges::all_of(werte, LageZulaessig)) return true;
            r.Uebergehen(q, q);
            return false;
        }
        void Strecke(double x1, double y1, double x2, double y2) {
            if (ohneElemente || (!l.zeichnen && !l.fuellen) || !Zulaessig({x1, y1, x2, y2})) return;
            r.s_.jetzt.Farbe = Strichfarbe();
            r.s_.jetzt.Breite = Breite();
            r.s_.NeueLinie(x1, y1, x2, y2, Zeile());
        }
        void Sehnen(const std::vector<Kurvenstueck>& sehnen) {
            for (const Kurvenstueck& k : sehnen)
                Strecke(k.x1, k.y1, k.x2, k.y2);
        }
        void Bis(double x, double y) {
            Strecke(cx, cy, x, y);
            cx = x, cy = y;
        }
        bool Kreis(const Lage& o) {
            const double rx = o.radiusX, ry = std::isnan(o.radiusY) ? rx : o.radiusY;
            if (!std::isfinite(rx) || !std::isfinite(ry)) return false;
            if (ohneElemente || (!l.zeichnen && !l.fuellen) || !Zulaessig({cx, cy, 2 * rx, 2 * ry}))
                return true;
            if (rx != ry) {
                Sehnen(Bogensehnen(cx, cy, rx, ry, 0, 360, Sehnenlaenge()));
                return true;
            }
            r.s_.jetzt.Farbe = l.fuellen ? (l.fuellung >= 0 ? l.fuellung : l.farbe) : Strichfarbe();
            r.s_.jetzt.Breite = Breite();
            TElement e = r.s_.Neu(vektra::Kreis, EbeneKreis);
            e.x1 = cx, e.y1 = cy;
            e.Durchmesser = 2 * std::fabs(rx);
            e.gefuellt = l.fuellen;
            r.s_.Aufnehmen(std::move(e), Zeile());
            return true;
        }
        // "circle (r)", "circle (rx and ry)", "circle [radius=r]".
        bool Rund() {
            Lage o = l;
            if (!Optionen(o)) return false;
            Leer();
            std::string_view inhalt;
            if (q < a.size() && a[q] == '(') {
                if (!Klammer(a, q, '(', ')', inhalt)) return false;
                const std::size_t und = inhalt.find(" and ");
                std::string radien = "radius=" + std::string(inhalt);
                if (und != std::string_view::npos)
                    radien = "x radius=" + std::string(inhalt.substr(0, und)) +
                             ",y radius=" + std::string(inhalt.substr(und + 5));
                r.Anwenden(o, radien, 0, false);
            }
            return Kreis(o);
        }
        // "arc (a:b:r)", "arc (a:b:rx and ry)", "arc [start angle=..,end angle=..,radius=..]".
        bool Bogen() {
            Lage o = l;
            if (!Optionen(o)) return false;
            Leer();
            std::string_view inhalt;
            if (q < a.size() && a[q] == '(') {
                if (!Klammer(a, q, '(', ')', inhalt)) return false;
                const std::vector<std::string_view> t = Teile(inhalt, ':');
                if (t.size() != 3) return false;
                r.Anwenden(o, "start angle=" + std::string(t[0]) + ",end angle=" + std::string(t[1]), 0,
                           false);
                const std::size_t und = t[2].find(" and ");
                r.Anwenden(o,
                           und == std::string_view::npos
                               ? "radius=" + std::string(t[2])
                               : "x radius=" + std::string(t[2].substr(0, und)) +
                                     ",y radius=" + std::string(t[2].substr(und + 5)),
                           0, false);
            }
            double a0 = o.anfangswinkel, a1 = o.endwinkel;
            if (std::isnan(a1)) a1 = a0 + o.deltawinkel;
            if (std::isnan(a0)) a0 = a1 - o.deltawinkel;
            const double rx = o.radiusX, ry = std::isnan(o.radiusY) ? rx : o.radiusY;
            if (!std::isfinite(a0) || !std::isfinite(a1) || !std::isfinite(rx) || !std::isfinite(ry) ||
                std::fabs(a1 - a0) > 3600)
                return false;
            const double w0 = a0 * std::numbers::pi / 180, w1 = a1 * std::numbers::pi / 180;
            const double mx = cx - rx * std::cos(w0), my = cy - ry * std::sin(w0);
            Sehnen(Bogensehnen(mx, my, rx, ry, a0, a1, Sehnenlaenge()));
            cx = mx + rx * std::cos(w1), cy = my + ry * std::sin(w1);
            return true;
        }
        bool Kubisch(double x1, double y1, double x2, double y2, double x3, double y3) {
            Sehnen(Kubischsehnen(cx, cy, x1, y1, x2, y2, x3, y3, Sehnenlaenge()));
            cx = x3, cy = y3;
            return true;
        }
        // "to [out=..,in=..] (p)": TikZ's curve, its controls 0.3915 of the distance out.
        bool Zu() {
            Lage o = l;
            double x = 0, y = 0;
            if (!Optionen(o) || !Koordinate(x, y)) return false;
            if (std::isnan(o.aus) && std::isnan(o.ein)) return Bis(x, y), true;
            const double d = 0.3915 * std::hypot(x - cx, y - cy);
            const double wa =
                (std::isnan(o.aus) ? std::atan2(y - cy, x - cx) * 180 / std::numbers::pi : o.aus) *
                std::numbers::pi / 180;
            const double we =
                (std::isnan(o.ein) ? std::atan2(cy - y, cx - x) * 180 / std::numbers::pi : o.ein) *
                std::numbers::pi / 180;
            return Kubisch(cx + d * std::cos(wa), cy + d * std::sin(wa), x + d * std::cos(we),
                           y + d * std::sin(we), x, y);
        }
        // "node [options] (name) at (p) {text}", at the current point unless "at" says otherwise.
        bool Knoten() {
            Lage o = l;
            if (!Optionen(o)) return false;
            Leer();
            std::string_view inhalt;
            if (q < a.size() && a[q] == '(' && !Klammer(a, q, '(', ')', inhalt)) return false;
            double x = cx, y = cy;
            if (Wort("at") && !Koordinate(x, y)) return false;
            Leer();
            if (q >= a.size() || a[q] != '{' || !Klammer(a, q, '{', '}', inhalt)) return false;
            if (ohneElemente || !Zulaessig({x, y})) return true;
            if (!Ausgewogen(inhalt)) return false;
            r.s_.jetzt.Farbe = o.textfarbe >= 0 ? o.textfarbe : o.farbe;
            TElement e = r.s_.Neu(vektra::Text, EbeneText);
            e.x1 = x, e.y1 = y;
            e.Ausrichtung = o.ausrichtung;
            e.TextSetzen(inhalt);
            r.s_.Aufnehmen(std::move(e), Zeile());
            l.unbekannt |= o.unbekannt;
            return true;
        }
        // "plot coordinates {(p) (p) ...}": a line through the points.
        bool Plot() {
            Lage o = l;
            if (!Optionen(o) || !Wort("coordinates")) return false;
            Leer();
            std::string_view liste;
            if (q >= a.size() || a[q] != '{' || !Klammer(a, q, '{', '}', liste)) return false;
            Pfadleser punkte{r, l, liste, 0};
            bool erster = true;
            double x = 0, y = 0;
            while ((punkte.Leer(), punkte.q < liste.size())) {
                if (!punkte.Koordinate(x, y)) return false;
                if (erster)
                    cx = sx = x, cy = sy = y;
                else
                    Bis(x, y);
                erster = false;
            }
            return true;
        }
        bool Lesen() {
            if (!Optionen(l)) return false;
            double x = 0, y = 0, x1 = 0, y1 = 0, x2 = 0, y2 = 0;
            while (!r.s_.ergebnis.voll && (Leer(), q < a.size())) {
                const char c = a[q];
                bool gut = true;
                if (c == '[') {
                    gut = Optionen(l);
                } else if (c == '(' || c == '+') {
                    gut = Koordinate(x, y);
                    cx = sx = x, cy = sy = y;
                } else if (Wort("--")) {
                    if (Wort("cycle"))
                        Bis(sx, sy);
                    else if ((gut = Koordinate(x, y)))
                        Bis(x, y);
                } else if (Wort("-|") || Wort("|-")) {
                    const bool waagrecht = a[q - 2] == '-';
                    if ((gut = Koordinate(x, y))) {
                        Bis(waagrecht ? x : cx, waagrecht ? cy : y);
                        Bis(x, y);
                    }
                } else if (Wort("..")) {
                    gut = Wort("controls") && Koordinate(x1, y1);
                    x2 = x1, y2 = y1;
                    if (gut && Wort("and")) gut = Koordinate(x2, y2);
                    gut = gut && Wort("..") && Koordinate(x, y) && Kubisch(x1, y1, x2, y2, x, y);
                } else if (Wort("rectangle")) {
                    if ((gut = Koordinate(x, y))) {
                        const double x0 = cx, y0 = cy;
                        Bis(x, y0), Bis(x, y), Bis(x0, y), Bis(x0, y0);
                        cx = x, cy = y;
                    }
                } else if (Wort("circle") || Wort("ellipse")) {
                    gut = Rund();
                } else if (Wort("arc")) {
                    gut = Bogen();
                } else if (Wort("to")) {
                    gut = Zu();
                } else if (Wort("node")) {
                    gut = Knoten();
                } else if (Wort("plot")) {
                    gut = Plot();
                } else if (Wort("cycle")) {
                    Bis(sx, sy);
                } else {
                    gut = false;
                }
                if (!gut) return false;
            }
            return true;
        }
    };

    static double Sehnenlaenge() { return Kurvenparameter{}.Strichlaenge; }

    Importzustand& s_;
    std::string t_;
    std::vector<std::size_t> zeilenenden_;
    std::map<std::string, std::int32_t> farben_;
    std::map<std::string, std::string, std::less<>> definiert_;
    double einheit_ = 10; // millimetres per drawing unit
    int bilder_ = 0;
    int stile_ = 0;
};

Importergebnis Importieren(std::string inhalt, Zeichnung& z, Meldungen& m) {
    Importzustand s(z, m);
    inhalt = Entschluesseln(std::move(inhalt), s);
    Leser leser(s, std::move(inhalt));
    leser.Lesen();
    if (leser.Bilder() == 0) m.Melden(Meldungsart::Warnung, T("v.TikzKeinBild"));
    s.Abschliessen();
    return s.ergebnis;
}

} // namespace

Importergebnis TikzLesen(std::istream& ein, Zeichnung& z, Meldungen& m) {
    std::optional<std::string> inhalt = Einlesen(ein);
    if (inhalt) return Importieren(std::move(*inhalt), z, m);
    m.Melden(Meldungsart::Fehler, ZuGross());
    return {};
}

bool DateiImportieren(const std::string& pfad, Zeichnung& z, Meldungen& m, Importergebnis* ergebnis) {
    const auto endet = [&pfad](std::string_view endung) {
        return pfad.size() >= endung.size() &&
               std::equal(endung.begin(), endung.end(),
                          pfad.end() - static_cast<std::ptrdiff_t>(endung.size()),
                          [](char e, char c) { return e == (c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); });
    };
    if (!endet(".tikz") && !endet(".tex")) return PicImportieren(pfad, z, m, ergebnis);
    z.Elemente.AllesLoeschen();
    std::optional<std::string> inhalt = DateiEinlesen(pfad, m);
    if (!inhalt) return false;
    // A ".tex" without a tikzpicture holds picture code, as fig2dev writes it.
    Importergebnis e;
    if (endet(".tikz") || inhalt->find("\\begin{tikzpicture}") != std::string::npos) {
        e = Importieren(std::move(*inhalt), z, m);
    } else {
        std::istringstream ein(std::move(*inhalt));
        e = VektraLesen(ein, z, m);
    }
    if (ergebnis != nullptr) *ergebnis = e;
    z.Dateiname = Grundname(pfad) + ".vks";
    z.Geaendert = false;
    return true;
}

} // namespace vektra
