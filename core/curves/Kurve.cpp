// Preparing a curve run and stepping through t.
#include "curves/Kurve.h"

#include "model/Zeichnung.h"
#include "text/Format.h"
#include "text/Meldungen.h"
#include "text/Texte.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vektra {
namespace {

constexpr std::size_t MaxTextlaenge = 255;
// Half-length receding axis at 42 degrees: 0.5 cos 42°, 0.5 sin 42°.
constexpr Extended TiefeX = 0.37157L;
constexpr Extended TiefeY = 0.334565L;
// Start step, step factor and limit of the direction search; iteration limit of both searches.
constexpr Extended Startschritt = 0.001L;
constexpr Extended Schrittfaktor = 1.2L;
constexpr int MaxIterationen = 50;
// Largest |cos| handed to arccos, so that rounding never leaves its domain.
constexpr Extended MaxKosinus = 0.9999999L;

// A floating-point fault in a formula; ends the whole command.
struct Rechenabbruch {
    std::string meldung;
};

enum Textnummer { XText, YText, ZText, T0Text, T1Text };

// t as a double for messages; an extended t may lie beyond the double range.
double Anzeigewert(Extended t) {
    constexpr Extended grenze = std::numeric_limits<double>::max();
    return static_cast<double>(std::clamp(t, -grenze, grenze));
}

long long AlsGanzzahl(Extended n) {
    return Runden(static_cast<double>(n));
}

} // namespace

Extended Kurvenplotter::Auswerten(const Formelbaum& baum, const std::string& textname, Extended t) {
    RechenflagsLoeschen();
    const Extended w = FormelAuswerten(baum.get(), t, n_);
    if (Rechenfehler() || !std::isfinite(w)) {
        const std::string quelle = Fehlerquelle(baum.get(), t, n_);
        const long long nr = AlsGanzzahl(n_);
        const double tt = Anzeigewert(t);
        throw Rechenabbruch{quelle.empty() ? Formatieren(T("v.RechenfehlerOhneStelle"), {textname, nr, tt})
                                           : Formatieren(T("v.Rechenfehler"), {quelle, textname, nr, tt})};
    }
    return w;
}

Extended Kurvenplotter::Begrenzt(Extended wert) {
    if (std::fabs(wert) > grenzwert_) {
        zuGross_ = true;
        return 0;
    }
    return wert;
}

Extended Kurvenplotter::KurvenpunktX(Extended t) {
    const Extended x = Auswerten(x_, T("s65"), t);
    if (!dreiD_) return Begrenzt(x);
    const Extended y = Auswerten(y_, T("s54"), t);
    return Begrenzt(achseVorn_ ? y - TiefeX * x : x + TiefeX * y);
}

Extended Kurvenplotter::KurvenpunktY(Extended t) {
    if (!dreiD_) return Begrenzt(Auswerten(y_, T("s54"), t));
    const Extended z = Auswerten(z_, T("s55"), t);
    if (achseVorn_) return Begrenzt(z - TiefeY * Auswerten(x_, T("s65"), t));
    return Begrenzt(z + TiefeY * Auswerten(y_, T("s54"), t));
}

bool Kurvenplotter::Parsen(std::string& text, Formelbaum& baum, const std::string& textname, Meldungen& m) {
    baum = FormelParsen(text, static_cast<int>(MaxTextlaenge), fehlerstelle_, fehlercode_);
    if (baum) return true;
    std::string meldung = T("s63") + textname;
    if (FehlerstelleMelden)
        meldung += Formatieren(T("v.Fehlerstelle"),
                               {static_cast<long long>(fehlerstelle_), static_cast<long long>(fehlercode_)});
    m.Melden(Meldungsart::Fehler, meldung);
    return false;
}

bool Kurvenplotter::WerteGueltig(Meldungen& m) const {
    // Each control needs a positive value, or t would never move on.
    const char* schluessel = nullptr;
    if (kontrolle_ == KontrolleRichtung) {
        if (!(winkel_ > 0 && std::isfinite(winkel_))) schluessel = "v.WinkelUngueltig";
    } else if (kontrolle_ == KontrolleKeine) {
        if (!(deltat_ > 0 && std::isfinite(deltat_))) schluessel = "v.DeltaUngueltig";
    } else if (!(strichlaenge_ > 0 && std::isfinite(strichlaenge_))) {
        schluessel = "v.StrichlaengeUngueltig";
    }
    if (!schluessel) return true;
    m.Melden(Meldungsart::Fehler, T(schluessel));
    return false;
}

void Kurvenplotter::KurveVorbereiten(Kurvenparameter& p, Meldungen& m) {
    zuGross_ = false;
    n_ = p.n;
    texte_ = {p.xText.substr(0, MaxTextlaenge), p.yText.substr(0, MaxTextlaenge),
              p.zText.substr(0, MaxTextlaenge), p.t0Text.substr(0, MaxTextlaenge),
              p.t1Text.substr(0, MaxTextlaenge)};
    dreiD_ = p.dreiD;
    achseVorn_ = p.XAchseVorn;
    kontrolle_ = p.Kontrollart;
    if (kontrolle_ != KontrolleRichtung && kontrolle_ != KontrolleKeine) kontrolle_ = KontrolleLaenge;
    strichlaenge_ = p.Strichlaenge;
    winkel_ = p.Winkeldifferenz;
    deltat_ = p.Deltat;
    grenzwert_ = p.Grenzwert;
    p.Fehler = false;
    x_.reset();
    y_.reset();
    z_.reset();
    fehlerstelle_ = fehlercode_ = 0;

    // The start and end of t are formulas in n; t itself is 0 in them.
    if (!Parsen(texte_[T0Text], t0_, T("v.imt0Text"), m) ||
        !Parsen(texte_[T1Text], t1_, T("v.imt1Text"), m) || !Parsen(texte_[XText], x_, T("s65"), m) ||
        !Parsen(texte_[YText], y_, T("s54"), m) || (dreiD_ && !Parsen(texte_[ZText], z_, T("s55"), m)) ||
        !WerteGueltig(m)) {
        p.Fehler = true;
        return;
    }
    Formelfehler = 0;
    try {
        tStart_ = Auswerten(t0_, T("v.imt0Text"), 0);
        tEnde_ = Auswerten(t1_, T("v.imt1Text"), 0);
        if (kontrolle_ == KontrolleRichtung) {
            bezugX_ = KurvenpunktX(tStart_ + Startschritt) - KurvenpunktX(tStart_);
            bezugY_ = KurvenpunktY(tStart_ + Startschritt) - KurvenpunktY(tStart_);
        }
    } catch (const Rechenabbruch& a) {
        m.Melden(Meldungsart::Fehler, a.meldung);
        p.Fehler = true;
    }
}

void Kurvenplotter::Bericht(const std::string& fehlertext, Extended t, Meldungen& m) const {
    m.Melden(Meldungsart::Fehler, Formatieren(T("s62"), {fehlertext, AlsGanzzahl(n_), Anzeigewert(t)}));
}

Extended Kurvenplotter::Abstand(Extended t, Extended h, Extended xc, Extended yc) {
    const Extended dx = KurvenpunktX(t + h) - xc;
    const Extended dy = KurvenpunktY(t + h) - yc;
    return std::sqrt(dx * dx + dy * dy) * static_cast<Extended>(Skala);
}

Extended Kurvenplotter::Richtungswinkel(Extended t) {
    const Extended d1 = KurvenpunktX(t + Startschritt) - KurvenpunktX(t);
    const Extended d2 = KurvenpunktY(t + Startschritt) - KurvenpunktY(t);
    const Extended nenner = std::sqrt((bezugX_ * bezugX_ + bezugY_ * bezugY_) * (d1 * d1 + d2 * d2));
    // Without a direction on either side no turn can be measured. The clamp keeps the sign of
    // c: a reversal is the largest turn there is.
    if (!(nenner > 0) || !std::isfinite(nenner)) return 0;
    const Extended c = std::clamp((bezugX_ * d1 + bezugY_ * d2) / nenner, -MaxKosinus, MaxKosinus);
    return ArcCos(c);
}

Kurvenende Kurvenplotter::KurveBerechnen(Meldungen& m) {
    const std::size_t vorher = stuecke_.size();
    try {
        return Schritte(m);
    } catch (const Rechenabbruch& a) {
        stuecke_.resize(vorher);
        m.Melden(Meldungsart::Fehler, a.meldung);
        return Kurvenende::Rechenfehler;
    }
}

Kurvenende Kurvenplotter::Schritte(Meldungen& m) {
    const Extended L = strichlaenge_;
    Extended h = 0.1L, hp = 0, t = tStart_;
    // A missing tree can only come from a caller that skipped a failed preparation.
    auto punkt = [&](Extended& xp, Extended& yp) {
        xp = KurvenpunktX(t);
        if (Formelfehler == FehlenderBaum) {
            Bericht(T("s56"), t, m);
            return false;
        }
        yp = KurvenpunktY(t);
        if (Formelfehler == FehlenderBaum) {
            Bericht(T("s57"), t, m);
            return false;
        }
        return true;
    };
    Extended xc, yc;
    if (!punkt(xc, yc)) return Kurvenende::Gemeldet;

    for (bool letzter = false; !letzter;) {
        int iterationen = 0;
        if (t + h > tEnde_ - 0.001L) {
            h = (tEnde_ - t) - 0.00001L;
        } else if (kontrolle_ == KontrolleLaenge) {
            // Secant method on D(h) - L; h and hp carry over from the last step.
            Extended dh = Abstand(t, h, xc, yc);
            while (!zuGross_ && std::fabs(dh - L) > 0.1L * L) {
                if (hp > tEnde_ - t) hp = (tEnde_ - t) - 0.001L;
                const Extended dhp = Abstand(t, hp, xc, yc);
                const Extended hNeu = hp + (h - hp) * (L - dhp) / (dh - dhp);
                // A flat stretch (equal distances) gives no usable secant: no convergence either.
                if (++iterationen > MaxIterationen || dh == dhp || !std::isfinite(hNeu)) {
                    Bericht(T("s58"), t, m);
                    return Kurvenende::Gemeldet;
                }
                hp = h;
                h = hNeu;
                dh = Abstand(t, h, xc, yc);
            }
        } else if (kontrolle_ == KontrolleKeine) {
            h = deltat_;
        } else {
            h = Startschritt;
            for (;;) {
                h *= Schrittfaktor;
                if (++iterationen > MaxIterationen) {
                    Bericht(T("s58"), t, m);
                    return Kurvenende::Gemeldet;
                }
                if (Richtungswinkel(t + h) > winkel_ || t + h > tEnde_ || zuGross_) break;
            }
        }

        t = t + h;
        if (t > tEnde_ - 0.001L) {
            t = tEnde_;
            letzter = true;
        }
        Extended xn = 0, yn = 0;
        if (!zuGross_ && !punkt(xn, yn)) return Kurvenende::Gemeldet;
        // An over-large point ends the run before its chord is stored: the chord would run to
        // the 0 that stands in for the coordinate.
        if (zuGross_) {
            m.Melden(Meldungsart::Information, T("s64"));
            zuGross_ = false;
            return Kurvenende::Gemeldet;
        }
        if (stuecke_.size() >= MaxKurvenstuecke) {
            m.Melden(Meldungsart::Information,
                     Formatieren(T("v.ZuVieleStuecke"), {static_cast<long long>(MaxKurvenstuecke),
                                                         AlsGanzzahl(n_), Anzeigewert(t)}));
            return Kurvenende::Gemeldet;
        }
        const double s = Skala;
        stuecke_.push_back({VersatzX + s * static_cast<double>(xc), VersatzX + s * static_cast<double>(xn),
                            VersatzY + s * static_cast<double>(yc), VersatzY + s * static_cast<double>(yn)});
        bezugX_ = xn - xc;
        bezugY_ = yn - yc;
        xc = xn;
        yc = yn;
    }
    return Kurvenende::Fertig;
}

} // namespace vektra
