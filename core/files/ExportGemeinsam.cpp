#include "files/ExportGemeinsam.h"

#include "files/AtomarSchreiben.h"
#include "text/Cp1252.h"
#include "text/Texte.h"

#include <algorithm>

namespace vektra {

bool ExportVorbereiten(const Zeichnung& z, Exportmass& mass, Meldungen& m) {
    double u = 0;
    if (!ZahlLesen(z.Dialog.Unitlength, u)) {
        m.Melden(Meldungsart::Fehler, T("v.UnitlengthKeineZahl") + Cp1252NachUtf8(z.Dialog.Unitlength));
        return false;
    }
    mass = Exportmass{};
    mass.k = u * 72.0 / 25.4;
    for (const TElement& e : z.Elemente) {
        if (e.geloescht) continue;
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
    for (int ebene = 0; ebene <= 10; ++ebene)
        for (int i = 1; i <= s.Anzahl(); ++i) {
            const TElement& e = s[i];
            if (e.Ebene == ebene && !e.geloescht) tun(i, e);
        }
}

std::string_view Breitenname(int klasse) {
    switch (klasse) {
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
    std::string fehler;
    const bool gut = AtomarSchreiben(
        pfad,
        [&inhalt](std::ostream& aus) {
            aus.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
            return static_cast<bool>(aus);
        },
        fehler);
    if (!gut)
        m.Melden(Meldungsart::Fehler, pfad + ": " + T("v.SchreibenFehlgeschlagen") + " (" + fehler + ")");
    return gut;
}

std::string Textzeile(const TElement& e, Textkodierung kodierung) {
    const std::string text = kodierung == Textkodierung::Utf8 ? Cp1252NachUtf8(e.Text) : e.Text;
    return "\\put(" + F52(e.x1) + "," + F52(e.y1) + "){\\makebox(0,0)[" + e.Ausrichtung + "]{" + text + "}}";
}

} // namespace vektra
