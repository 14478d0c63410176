#include "files/ExportGemeinsam.h"

#include "files/AtomarSchreiben.h"
#include "text/Cp1252.h"
#include "text/Texte.h"

#include <algorithm>
#include <charconv>

namespace vektra {

bool TeXLaengeLesen(std::string_view text, double einheit, bool komma, double& wert) {
    const std::size_t anfang = text.find_first_not_of(" \t");
    if (anfang == std::string_view::npos) return false;
    text = text.substr(anfang, text.find_last_not_of(" \t") + 1 - anfang);
    const bool negativ = text.front() == '-';
    if (negativ || text.front() == '+') text.remove_prefix(1);
    // Digits and one point are all from_chars sees: it would take an exponent, "inf" or "nan".
    std::string zahl;
    bool ziffer = false, punkt = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9')
            ziffer = true, zahl += c;
        else if (!punkt && (c == '.' || (komma && c == ',')))
            punkt = true, zahl += '.';
        else
            return false;
    }
    double w = 0;
    if (!ziffer || std::from_chars(zahl.data(), zahl.data() + zahl.size(), w).ec != std::errc{}) return false;
    if (!(w * einheit < 16384)) return false;
    wert = negativ ? -w : w;
    return true;
}

bool TeXBreitenPruefen(const Zeichnung& z, bool komma, Meldungen& m) {
    // The widths of the classes 0..2; the invisible class's is written nowhere.
    for (std::size_t i = 1; i < z.Dialog.TeXBreite.size(); ++i) {
        double w = 0;
        const std::string& text = z.Dialog.TeXBreite[i];
        if (TeXLaengeLesen(text, TeXPunkte, komma, w)) continue;
        m.Melden(Meldungsart::Fehler, T("v.TeXBreiteUngueltig") + Cp1252NachUtf8(text));
        return false;
    }
    return true;
}

bool ExportVorbereiten(const Zeichnung& z, Exportmass& mass, Meldungen& m) {
    double u = 0;
    if (!ZahlLesen(z.Dialog.Unitlength, u)) {
        m.Melden(Meldungsart::Fehler, T("v.UnitlengthKeineZahl") + Cp1252NachUtf8(z.Dialog.Unitlength));
        return false;
    }
    if (!TeXLaengeLesen(z.Dialog.Unitlength, TeXMillimeter, false, u)) {
        m.Melden(Meldungsart::Fehler, T("v.UnitlengthUngueltig") + Cp1252NachUtf8(z.Dialog.Unitlength));
        return false;
    }
    mass = Exportmass{};
    mass.k = u * 72.0 / 25.4;
    for (const TElement& e : z.Elemente) {
        if (e.geloescht || !EbeneGezeichnet(e.Ebene)) continue;
        ++mass.Anzahl;
        switch (e.Art) {
        case Linie:
        case Pfeilspitze:
            mass.W = std::max({mass.W, e.x1, e.x2});
            mass.H = std::max({mass.H, e.y1, e.y2});
            break;
        case Kreis:
            mass.W = std::max(mass.W, e.x1 + e.Durchmesser);
            mass.H = std::max(mass.H, e.y1 + e.Durchmesser);
            break;
        case Text:
            mass.W = std::max(mass.W, e.x1);
            mass.H = std::max(mass.H, e.y1);
            break;
        default:
            break;
        }
    }
    if (mass.Anzahl == 0) {
        m.Melden(Meldungsart::Information, T("s44"));
        return false;
    }
    return true;
}

void InEbenenFolge(const Elementspeicher& s, const std::function<void(int, const TElement&)>& tun) {
    // A pass over the store for each class that occurs, not for all eleven.
    unsigned vorhanden = 0;
    for (const TElement& e : s)
        if (!e.geloescht && EbeneGezeichnet(e.Ebene)) vorhanden |= 1u << e.Ebene;
    for (int ebene = 0; ebene <= HoechsteEbene; ++ebene) {
        if ((vorhanden >> ebene & 1u) == 0) continue;
        for (int i = 1; i <= s.Anzahl(); ++i) {
            const TElement& e = s[i];
            if (e.Ebene == ebene && !e.geloescht) tun(i, e);
        }
    }
}

std::string_view Breitenname(int klasse) {
    switch (Breitenklasse(klasse)) {
    case 0:
        return "duenn";
    case 1:
        return "normal";
    case 2:
        return "dick";
    default:
        return {};
    }
}

Farbanteile FarbeZerlegen(std::int32_t farbe) {
    const auto teil = [farbe](int schieben) {
        const unsigned byte = (static_cast<std::uint32_t>(farbe) >> schieben) & 0xFFu;
        return Festkomma(byte * (1.0 / 255.0), 5, 3);
    };
    return {teil(0), teil(8), teil(16)};
}

void Zeile(std::ostream& aus, std::string_view text) {
    aus.write(text.data(), static_cast<std::streamsize>(text.size()));
    aus.write("\r\n", 2);
}

namespace {

// How much a line buffer gathers before it passes it on at a line end, and the room it keeps
// beyond that for the line being written.
constexpr std::size_t Stueckgroesse = 64 * 1024;
constexpr std::size_t Zeilenreserve = 8 * 1024;

} // namespace

Zeilenpuffer::Zeilenpuffer(std::ostream& aus)
    : aus_(aus), puffer_(std::make_unique_for_overwrite<char[]>(Stueckgroesse + Zeilenreserve)),
      frei_(puffer_.get()), ende_(puffer_.get() + Stueckgroesse + Zeilenreserve) {}

Zeilenpuffer::~Zeilenpuffer() {
    Abgeben();
}

Zeilenpuffer& Zeilenpuffer::operator<<(Zeilenende) {
    *this << "\r\n";
    if (static_cast<std::size_t>(frei_ - puffer_.get()) >= Stueckgroesse) Abgeben();
    return *this;
}

Zeilenpuffer& Zeilenpuffer::operator<<(KurzeZahl zahl) {
    if (Platz() < FestkommaPlatz) Abgeben();
    char* const anfang = frei_;
    char* ende = FestkommaSchreiben(frei_, zahl.wert, 0, zahl.stellen);
    if (std::find(anfang, ende, '.') != ende) {
        while (ende[-1] == '0')
            --ende;
        if (ende[-1] == '.') --ende;
    }
    // A negative number that rounds to zero.
    if (ende - anfang == 2 && anfang[0] == '-' && anfang[1] == '0') *anfang = '0', --ende;
    frei_ = ende;
    return *this;
}

Zeilenpuffer& Zeilenpuffer::Gross(std::string_view text) {
    Abgeben();
    if (text.size() > Platz())
        aus_.write(text.data(), static_cast<std::streamsize>(text.size()));
    else
        frei_ = std::copy(text.begin(), text.end(), frei_);
    return *this;
}

void Zeilenpuffer::Abgeben() {
    aus_.write(puffer_.get(), frei_ - puffer_.get());
    frei_ = puffer_.get();
}

const std::string& Programmversion() {
    return T("v.Version");
}

std::string Grundname(std::string_view pfad) {
    const auto trenner = pfad.find_last_of("/\\:");
    std::string_view name = trenner == std::string_view::npos ? pfad : pfad.substr(trenner + 1);
    const auto punkt = name.rfind('.');
    if (punkt != std::string_view::npos) name = name.substr(0, punkt);
    return std::string(name);
}

bool InhaltSchreiben(const std::string& pfad, const std::string& inhalt, Meldungen& m) {
    return InhaltSchreiben(
        pfad,
        [&inhalt](std::ostream& aus) {
            aus.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
        },
        m);
}

bool InhaltSchreiben(const std::string& pfad, const std::function<void(std::ostream&)>& schreiber,
                     Meldungen& m) {
    std::string fehler;
    const bool gut = AtomarSchreiben(
        pfad,
        [&schreiber](std::ostream& aus) {
            schreiber(aus);
            return static_cast<bool>(aus);
        },
        fehler);
    if (!gut)
        m.Melden(Meldungsart::Fehler, pfad + ": " + Formatieren(T("v.Zeichnungsdatei.Schreiben"), {fehler}));
    return gut;
}

std::string Textzeile(const TElement& e, Textkodierung kodierung) {
    std::string zeile;
    TextzeileAnhaengen(zeile, e, kodierung);
    return zeile;
}

void TextzeileAnhaengen(std::string& ziel, const TElement& e, Textkodierung kodierung) {
    ziel += "\\put(";
    FestkommaAnhaengen(ziel, e.x1, 5, 2);
    ziel += ',';
    FestkommaAnhaengen(ziel, e.y1, 5, 2);
    ziel += "){\\makebox(0,0)[";
    ziel += e.Ausrichtung;
    ziel += "]{";
    if (kodierung == Textkodierung::Utf8)
        ziel += Cp1252NachUtf8(e.Text);
    else
        ziel += e.Text;
    ziel += "}}";
}

} // namespace vektra
