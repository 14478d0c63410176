#include "Kurvenkommando.h"

#include "Konverter.h"

#include "model/Zeichnung.h"
#include "text/Format.h"
#include "text/Meldungen.h"
#include "text/Texte.h"

#include <algorithm>
#include <limits>
#include <numbers>
#include <vector>

namespace vektra {
namespace {

bool Ganzzahl32(std::string_view text, std::int32_t& wert) {
    long long w = 0;
    if (!GanzzahlLesen(text, w) || w < std::numeric_limits<std::int32_t>::min() ||
        w > std::numeric_limits<std::int32_t>::max())
        return false;
    wert = static_cast<std::int32_t>(w);
    return true;
}

// Exactly `anzahl` whole numbers separated by commas.
bool Liste(std::string_view text, std::size_t anzahl, std::vector<std::int32_t>& werte) {
    werte.clear();
    for (;;) {
        const std::size_t komma = text.find(',');
        std::int32_t w = 0;
        if (!Ganzzahl32(text.substr(0, komma), w)) return false;
        werte.push_back(w);
        if (komma == std::string_view::npos) break;
        text.remove_prefix(komma + 1);
    }
    return werte.size() == anzahl;
}

bool HatEndung(std::string_view pfad) {
    if (pfad.size() < 4) return false;
    std::string endung(pfad.substr(pfad.size() - 4));
    for (char& c : endung)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return endung == ".vks" || endung == ".vkx" || endung == ".vkp";
}

class Leser {
  public:
    Leser(std::span<const std::string> args, std::string& fehler) : args_(args), fehler_(fehler) {}

    bool Lesen(Kurvenkommando& k) {
        if (args_.size() < 3 || args_[0] != "--curve") return Fehler(T("v.KurveFormelnFehlen"));
        k.Parameter.xText = args_[1];
        k.Parameter.yText = args_[2];
        bool clip = false, ohneClip = false;
        for (i_ = 3; i_ < args_.size(); ++i_) {
            const std::string& a = args_[i_];
            if (!a.starts_with("--")) {
                if (!k.Ausgabe.empty()) return Fehler(Formatieren(T("v.KurveUeberzaehlig"), {a}));
                k.Ausgabe = a;
                continue;
            }
            std::vector<std::int32_t> liste;
            std::string_view w;
            if (a == "--axis-front") {
                k.Parameter.XAchseVorn = true;
            } else if (a == "--no-clip") {
                ohneClip = true;
            } else if (!Wert(w)) {
                return false;
            } else if (a == "--z") {
                k.Parameter.zText = w;
                k.Parameter.dreiD = true;
            } else if (a == "--t0") {
                k.Parameter.t0Text = w;
            } else if (a == "--t1") {
                k.Parameter.t1Text = w;
            } else if (a == "--n0" || a == "--n1") {
                if (!Ganzzahl32(w, a == "--n0" ? k.n0 : k.n1))
                    return Fehler(Formatieren(T("v.KurveGanzzahl"), {a, std::string(w)}));
            } else if (a == "--control") {
                if (w == "length")
                    k.Parameter.Kontrollart = KontrolleLaenge;
                else if (w == "direction")
                    k.Parameter.Kontrollart = KontrolleRichtung;
                else if (w == "none")
                    k.Parameter.Kontrollart = KontrolleKeine;
                else
                    return Fehler(Formatieren(T("v.KurveKontrolle"), {std::string(w)}));
            } else if (a == "--chord" || a == "--angle" || a == "--dt") {
                double zahl = 0;
                if (!ZahlLesen(w, zahl) || !(zahl > 0))
                    return Fehler(Formatieren(T("v.KurveZahl"), {a, std::string(w)}));
                if (a == "--chord")
                    k.Parameter.Strichlaenge = zahl;
                else if (a == "--angle")
                    k.Parameter.Winkeldifferenz = zahl * (1.0 / 180) * std::numbers::pi;
                else
                    k.Parameter.Deltat = zahl;
            } else if (a == "--pattern") {
                if (!Liste(w, 4, liste) ||
                    std::any_of(liste.begin(), liste.end(), [](std::int32_t l) { return l < 0; }))
                    return Fehler(Formatieren(T("v.KurveMuster"), {std::string(w)}));
                std::copy(liste.begin(), liste.end(), k.Muster.begin());
            } else if (a == "--offset") {
                if (!Liste(w, 2, liste))
                    return Fehler(Formatieren(T("v.KurveListe"), {a, 2LL, std::string(w)}));
                k.VersatzX = liste[0];
                k.VersatzY = liste[1];
            } else if (a == "--clip") {
                if (!Liste(w, 4, liste))
                    return Fehler(Formatieren(T("v.KurveListe"), {a, 4LL, std::string(w)}));
                clip = true;
                k.ClipUnten = liste[0];
                k.ClipOben = liste[1];
                k.ClipLinks = liste[2];
                k.ClipRechts = liste[3];
            } else {
                return Fehler(Formatieren(T("v.KurveUnbekannt"), {a}));
            }
        }
        if (clip && ohneClip) return Fehler(T("v.KurveClipKonflikt"));
        k.Clipaktiv = !ohneClip;
        if (k.Ausgabe.empty()) return Fehler(T("v.KurveAusgabeFehlt"));
        if (!HatEndung(k.Ausgabe)) return Fehler(Formatieren(T("v.KurveAusgabeEndung"), {k.Ausgabe}));
        return true;
    }

  private:
    bool Fehler(std::string text) {
        fehler_ = std::move(text);
        return false;
    }

    // The value that follows the current option, taken as it stands (a formula may begin
    // with a minus sign).
    bool Wert(std::string_view& w) {
        if (i_ + 1 >= args_.size()) return Fehler(Formatieren(T("v.KurveWertFehlt"), {args_[i_]}));
        w = args_[++i_];
        return true;
    }

    std::span<const std::string> args_;
    std::string& fehler_;
    std::size_t i_ = 0;
};

} // namespace

bool KurvenkommandoLesen(std::span<const std::string> args, Kurvenkommando& k, std::string& fehler) {
    k = Kurvenkommando{};
    return Leser(args, fehler).Lesen(k);
}

int KurvenkommandoAusfuehren(std::span<const std::string> args, Zeichnung& z, Meldungen& m,
                             std::string& ausgabe) {
    Kurvenkommando k;
    std::string fehler;
    if (!KurvenkommandoLesen(args, k, fehler)) {
        m.Melden(Meldungsart::Fehler, fehler);
        m.Melden(Meldungsart::Schlicht, T("v.KurveAufruf"));
        return 2;
    }
    z.Dialog.Clipaktiv = k.Clipaktiv;
    z.Dialog.ClipUnten = k.ClipUnten;
    z.Dialog.ClipOben = k.ClipOben;
    z.Dialog.ClipLinks = k.ClipLinks;
    z.Dialog.ClipRechts = k.ClipRechts;

    Kurvenplotter plotter;
    plotter.FehlerstelleMelden = true;
    plotter.VersatzX = k.VersatzX;
    plotter.VersatzY = k.VersatzY;
    const Kurvenbefehl ende = KurvenZeichnen(plotter, k.Parameter, k.n0, k.n1, k.Muster, z, m);
    if (ende == Kurvenbefehl::ZuVieleKurven) return FalscherAufruf;
    if (ende != Kurvenbefehl::Fertig) {
        if (z.Elemente.Anzahl() == 0) return KonvertiertNicht;
        // The editor keeps what an early end leaves; so does the file, marked as incomplete.
        m.Melden(Meldungsart::Warnung,
                 Formatieren(T("v.KurveUnvollstaendig"),
                             {static_cast<long long>(k.Parameter.n), static_cast<long long>(k.n1)}));
    }
    ausgabe = k.Ausgabe;
    return ende == Kurvenbefehl::Fertig ? KonvertiertOk : KonvertiertUnvollstaendig;
}

} // namespace vektra
