#include "editing/Verlauf.h"

#include "model/Zeichnung.h"
#include "text/Texte.h"

#include <algorithm>
#include <bit>
#include <iterator>
#include <utility>

namespace vektra {
namespace {

bool Gleich(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

bool Gleich(const TElement& a, const TElement& b) {
    return a.Art == b.Art && a.gepickt == b.gepickt && a.Kandidat == b.Kandidat &&
           a.geloescht == b.geloescht && a.Farbe == b.Farbe && a.Ebene == b.Ebene && Gleich(a.x1, b.x1) &&
           Gleich(a.y1, b.y1) && Gleich(a.x2, b.x2) && Gleich(a.y2, b.y2) &&
           Gleich(a.Durchmesser, b.Durchmesser) && a.gefuellt == b.gefuellt && a.Breite == b.Breite &&
           a.Ausrichtung == b.Ausrichtung && a.Text == b.Text;
}

Einstellungswerte Einstellungen(const Zeichnung& z) {
    const Kopfsatz& k = z.Kopf;
    return {z.Dialog,      k.PixelBreite, k.Textanzeige,  k.Pickabstand,  k.Pfeilwinkel,
            k.Pfeillaenge, k.Massstab,    k.Startschritt, k.Schrittfaktor};
}

// Puts `w` into the drawing and leaves the drawing's values in `w`.
void Tauschen(Zeichnung& z, Einstellungswerte& w) {
    Einstellungswerte jetzt = Einstellungen(z);
    Kopfsatz& k = z.Kopf;
    z.Dialog = std::move(w.Dialog);
    k.PixelBreite = w.PixelBreite;
    k.Textanzeige = w.Textanzeige;
    k.Pickabstand = w.Pickabstand;
    k.Pfeilwinkel = w.Pfeilwinkel;
    k.Pfeillaenge = w.Pfeillaenge;
    k.Massstab = w.Massstab;
    k.Startschritt = w.Startschritt;
    k.Schrittfaktor = w.Schrittfaktor;
    w = std::move(jetzt);
}

void Kippen(Elementspeicher& s, const std::vector<int>& bei) {
    for (int i : bei)
        s[i].gepickt = !s[i].gepickt;
}

// The memory of a step, with the picks added to it since it was recorded.
std::size_t Belegt(const auto& st) {
    return st.Bytes + (st.Danach.size() + st.Davor.size()) * sizeof(int);
}

std::size_t Groesse(const TElement& e) {
    return sizeof(TElement) + e.Text.Bytes();
}

const char* const Schrittschluessel[] = {
    "v.Schritt.Zeichnen",   "v.Schritt.Kurve",         "v.Schritt.Einfuegen",   "v.Schritt.Makro",
    "v.Schritt.Loeschen",   "v.Schritt.Ausschneiden",  "v.Schritt.Verschieben", "v.Schritt.Skalieren",
    "v.Schritt.Drehen",     "v.Schritt.Farbe",         "v.Schritt.Breite",      "v.Schritt.Text",
    "v.Schritt.Aufraeumen", "v.Schritt.Einstellungen", "v.Schritt.Clip",
};

} // namespace

std::string Schrittname(Schrittart art) {
    return T(Schrittschluessel[static_cast<std::size_t>(art)]);
}

bool Einstellungswerte::operator==(const Einstellungswerte& b) const {
    return Dialog == b.Dialog && PixelBreite == b.PixelBreite && Textanzeige == b.Textanzeige &&
           Pickabstand == b.Pickabstand && Gleich(Pfeilwinkel, b.Pfeilwinkel) &&
           Gleich(Pfeillaenge, b.Pfeillaenge) && Massstab == b.Massstab &&
           Gleich(Startschritt, b.Startschritt) && Gleich(Schrittfaktor, b.Schrittfaktor);
}

bool Verlauf::Stimmig(const Elementspeicher& s) const {
    return wahl_.size() == static_cast<std::size_t>(s.Anzahl());
}

void Verlauf::Neu(const Elementspeicher& s) {
    schritte_.clear();
    position_ = 0;
    gespeichert_ = 0;
    bytes_ = 0;
    WahlMerken(s);
    Melden();
}

void Verlauf::WahlMerken(const Elementspeicher& s) {
    wahl_.resize(static_cast<std::size_t>(s.Anzahl()));
    std::transform(s.begin(), s.end(), wahl_.begin(), [](const TElement& e) { return e.gepickt; });
}

void Verlauf::Falten(const Elementspeicher& s) {
    std::vector<int> neu;
    for (int i = 1; i <= s.Anzahl(); ++i)
        if (s[i].gepickt != (wahl_[static_cast<std::size_t>(i - 1)] != 0)) neu.push_back(i);
    if (neu.empty()) return;
    WahlMerken(s);
    if (position_ > 0) Zufuegen(schritte_[position_ - 1].Danach, neu);
    if (position_ < schritte_.size()) Zufuegen(schritte_[position_].Davor, neu);
}

void Verlauf::Zufuegen(std::vector<int>& liste, const std::vector<int>& neu) {
    // A pick changed twice is as it was.
    std::vector<int> beide;
    std::set_symmetric_difference(liste.begin(), liste.end(), neu.begin(), neu.end(),
                                  std::back_inserter(beide));
    bytes_ = bytes_ - liste.size() * sizeof(int) + beide.size() * sizeof(int);
    liste = std::move(beide);
}

void Verlauf::Melden() const {
    if (Beobachter) Beobachter();
}

void Verlauf::Oeffnen(Zeichnung& z, Schrittart art) {
    if (tiefe_++ > 0) return;
    // A store changed behind the history's back (a drawing read, a new one) has no steps
    // that fit it any more.
    if (!Stimmig(z.Elemente)) Neu(z.Elemente);
    Falten(z.Elemente);
    offen_ = Schritt{};
    offen_.Art = art;
    verworfen_ = false;
    anfangsAnzahl_ = z.Elemente.Anzahl();
    vorher_ = Einstellungen(z);
    if (++marke_ == 0) {
        std::fill(gemerkt_.begin(), gemerkt_.end(), 0);
        marke_ = 1;
    }
}

TElement& Verlauf::Aendern(Zeichnung& z, int i) {
    TElement& e = z.Elemente[i];
    if (tiefe_ == 0 || i > anfangsAnzahl_) return e;
    if (gemerkt_.empty()) gemerkt_.resize(MaxElemente + 1);
    std::uint32_t& m = gemerkt_[static_cast<std::size_t>(i)];
    if (m != marke_) {
        m = marke_;
        offen_.Geaendert.push_back({i, e});
    }
    return e;
}

void Verlauf::Aufraeumen(Zeichnung& z) {
    Elementspeicher& s = z.Elemente;
    std::vector<int> bei;
    for (int i = 1; i <= s.Anzahl(); ++i)
        if (s[i].geloescht) bei.push_back(i);
    if (bei.empty()) return;
    // Indices recorded before would no longer fit; such a step cannot be kept.
    if (tiefe_ == 0 || !offen_.Geaendert.empty() || !offen_.EntferntBei.empty() ||
        s.Anzahl() != anfangsAnzahl_)
        verworfen_ = true;
    offen_.Entfernt = s.Herausnehmen(bei);
    // The picks were folded when the edit began, so the store's flags are the remembered ones.
    WahlMerken(s);
    anfangsAnzahl_ = s.Anzahl();
    offen_.EntferntBei = std::move(bei);
}

void Verlauf::Schliessen(Zeichnung& z) {
    if (--tiefe_ > 0) return;
    try {
        Aufnehmen(z);
    } catch (...) {
        // Without memory for the step the history cannot stay true to the drawing.
        Neu(z.Elemente);
    }
    offen_ = Schritt{};
}

void Verlauf::Aufnehmen(Zeichnung& z) {
    Elementspeicher& s = z.Elemente;
    Schritt& neu = offen_;
    // Elements taken out of the store by other means than a compaction cannot be brought back.
    if (verworfen_ || s.Anzahl() < anfangsAnzahl_) {
        Neu(s);
        z.Geaendert = true;
        return;
    }
    std::erase_if(neu.Geaendert, [&s](const Satz& v) { return Gleich(v.Element, s[v.Index]); });
    const auto gemerkt = [this](int i) {
        return !gemerkt_.empty() && gemerkt_[static_cast<std::size_t>(i)] == marke_;
    };
    for (int i = 1; i <= anfangsAnzahl_; ++i)
        if (!gemerkt(i) && s[i].gepickt != (wahl_[static_cast<std::size_t>(i - 1)] != 0))
            neu.Umgepickt.push_back(i);
    neu.Ab = anfangsAnzahl_;
    neu.Bis = s.Anzahl();
    if (!(Einstellungen(z) == vorher_)) neu.Einstellungen = std::move(vorher_);
    // Picks alone make no step; they stay with the step before.
    if (neu.EntferntBei.empty() && neu.Geaendert.empty() && neu.Ab == neu.Bis && !neu.Einstellungen) return;

    std::size_t bytes = sizeof(Schritt) + (neu.EntferntBei.size() + neu.Umgepickt.size()) * sizeof(int);
    for (const TElement& e : neu.Entfernt)
        bytes += Groesse(e);
    for (const Satz& v : neu.Geaendert)
        bytes += Groesse(v.Element) + sizeof(int);
    for (int i = neu.Ab + 1; i <= neu.Bis; ++i)
        bytes += Groesse(s[i]);
    neu.Bytes = bytes;
    neu.Inhalt = neu.Art != Schrittart::Aufraeumen;

    // The saved drawing goes with the steps dropped ahead, unless they change nothing a save
    // writes: then it is the drawing as it is now.
    if (gespeichert_ > static_cast<long>(position_))
        gespeichert_ = WieGespeichert() ? static_cast<long>(position_) : -1;
    while (schritte_.size() > position_) {
        bytes_ -= Belegt(schritte_.back());
        schritte_.pop_back();
    }
    schritte_.push_back(std::move(neu));
    bytes_ += bytes;
    ++position_;
    // The oldest steps go first; the newest always stays.
    while (schritte_.size() > MaxSchritte || (bytes_ > MaxBytes && schritte_.size() > 1)) {
        bytes_ -= Belegt(schritte_.front());
        schritte_.pop_front();
        --position_;
        gespeichert_ = gespeichert_ > 0 ? gespeichert_ - 1 : -1;
    }
    WahlMerken(s);
    if (schritte_.back().Inhalt) z.Geaendert = true;
    Melden();
}

bool Verlauf::Bereit(const Elementspeicher& s) {
    if (!Stimmig(s)) {
        Neu(s);
        return false;
    }
    Falten(s);
    return true;
}

std::optional<Schrittart> Verlauf::Rueckgaengig(Zeichnung& z) {
    if (!KannRueckgaengig() || !Bereit(z.Elemente)) return std::nullopt;
    Elementspeicher& s = z.Elemente;
    Schritt& st = schritte_[position_ - 1];
    Kippen(s, st.Danach);
    if (st.Einstellungen) Tauschen(z, *st.Einstellungen);
    st.Angehaengt.reserve(static_cast<std::size_t>(st.Bis - st.Ab));
    for (int i = st.Ab + 1; i <= st.Bis; ++i)
        st.Angehaengt.push_back(std::move(s[i]));
    s.Kuerzen(st.Ab);
    Kippen(s, st.Umgepickt);
    for (Satz& v : st.Geaendert)
        std::swap(s[v.Index], v.Element);
    if (!st.EntferntBei.empty()) s.Zuruecklegen(st.EntferntBei, st.Entfernt);
    Kippen(s, st.Davor);
    --position_;
    Beenden(z);
    return st.Art;
}

std::optional<Schrittart> Verlauf::Wiederherstellen(Zeichnung& z) {
    if (!KannWiederherstellen() || !Bereit(z.Elemente)) return std::nullopt;
    Elementspeicher& s = z.Elemente;
    Schritt& st = schritte_[position_];
    Kippen(s, st.Davor);
    if (!st.EntferntBei.empty()) st.Entfernt = s.Herausnehmen(st.EntferntBei);
    for (Satz& v : st.Geaendert)
        std::swap(s[v.Index], v.Element);
    Kippen(s, st.Umgepickt);
    for (TElement& e : st.Angehaengt)
        s.Anhaengen(std::move(e));
    st.Angehaengt.clear();
    st.Angehaengt.shrink_to_fit();
    if (st.Einstellungen) Tauschen(z, *st.Einstellungen);
    Kippen(s, st.Danach);
    ++position_;
    Beenden(z);
    return st.Art;
}

bool Verlauf::WieGespeichert() const {
    if (gespeichert_ < 0) return false;
    const auto gespeichert = static_cast<std::size_t>(gespeichert_);
    const std::size_t von = std::min(gespeichert, position_), bis = std::max(gespeichert, position_);
    return std::none_of(schritte_.begin() + static_cast<long>(von),
                        schritte_.begin() + static_cast<long>(bis),
                        [](const Schritt& st) { return st.Inhalt; });
}

void Verlauf::Beenden(Zeichnung& z) {
    WahlMerken(z.Elemente);
    z.Geaendert = !WieGespeichert();
    Melden();
}

Bearbeitung::Bearbeitung(Zeichnung& z, Schrittart art) : z_(z) {
    z_.Verlauf.Oeffnen(z_, art);
}

Bearbeitung::~Bearbeitung() {
    z_.Verlauf.Schliessen(z_);
}

TElement& Bearbeitung::Aendern(int i) {
    return z_.Verlauf.Aendern(z_, i);
}

void Bearbeitung::Aufraeumen() {
    z_.Verlauf.Aufraeumen(z_);
}

} // namespace vektra
