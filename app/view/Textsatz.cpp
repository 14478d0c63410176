#include "view/Textsatz.h"

#include "model/Zeichnung.h"
#include "text/Cp1252.h"
#include "view/Ansicht.h"
#include "view/Leinwand.h"

#include <QImage>

#include <cmath>
#include <utility>

namespace {

// The most texts one run takes; more wait for the next.
constexpr std::size_t GroessterLauf = 2000;
constexpr double Sp = 65536;

} // namespace

Textsatz::Textsatz(const vektra::Zeichnung& z, const vektra::Ansicht& ansicht, const QString& cacheordner,
                   QObject* eltern)
    : QObject(eltern), z_(z), ansicht_(ansicht), praeambel_(vektra::StandardPraeambel), vorrat_(cacheordner) {
}

Textsatz::~Textsatz() = default;

void Textsatz::PraeambelSetzen(const QString& praeambel) {
    praeambel_ = vektra::Utf8NachCp1252(praeambel.toStdString());
}

std::optional<double> Textsatz::PixelJePunkt() const {
    if (!an_ || ohneTeX_ || z_.Kopf.Textanzeige != 1) return std::nullopt;
    const auto punkte = vektra::PunkteJeEinheit(z_.Dialog.Unitlength);
    if (!punkte) return std::nullopt;
    return ansicht_.Skala() / *punkte;
}

Textsatzvorrat::Eintrag* Textsatz::Bekannt(const vektra::TElement& e, std::string& schluessel) const {
    if (e.Text.empty()) return nullptr;
    schluessel = vektra::Satzschluessel(praeambel_, e.Text);
    // A text on its way to TeX is in no store yet: it is not looked for on the disk again.
    return vorgemerkt_.contains(schluessel) ? nullptr : vorrat_.Finden(schluessel);
}

bool Textsatz::Malen(Leinwand& l, const vektra::TElement& e, QPoint referenz, const QColor& farbe) {
    const auto pixelJePunkt = PixelJePunkt();
    if (!pixelJePunkt) return false;
    std::string schluessel;
    Textsatzvorrat::Eintrag* eintrag = Bekannt(e, schluessel);
    if (!eintrag && !schluessel.empty()) Vormerken(schluessel, e.Text);
    if (!eintrag || !eintrag->fehler.isEmpty()) return false;
    const qreal verhaeltnis = l.Pixelverhaeltnis();
    const vektra::Grundlinie g = vektra::GrundlinieVon(e.Ausrichtung, eintrag->mass.breite / Sp,
                                                       eintrag->mass.hoehe / Sp, eintrag->mass.tiefe / Sp);
    // The reference point lies in the middle of its pixel, where lines through it run. The left end
    // of the baseline goes to the nearest corner of device pixels, the picture drawn to fit it.
    const double geraetJePunkt = *pixelJePunkt * verhaeltnis;
    const QPoint grundlinie(
        static_cast<int>(std::nearbyint((referenz.x() + 0.5) * verhaeltnis + g.x * geraetJePunkt)),
        static_cast<int>(std::nearbyint((referenz.y() + 0.5) * verhaeltnis - g.y * geraetJePunkt)));
    if (!Textsatzvorrat::Bereit(*eintrag, geraetJePunkt, verhaeltnis) && !Malzeit()) return false;
    const QImage& bild = vorrat_.Bild(*eintrag, geraetJePunkt, verhaeltnis, farbe.rgb());
    if (bild.isNull()) return true;
    l.BildSetzen(grundlinie + eintrag->versatz, bild);
    return true;
}

std::optional<vektra::Textbox> Textsatz::Box(const vektra::TElement& e) const {
    const auto pixelJePunkt = PixelJePunkt();
    std::string schluessel;
    const Textsatzvorrat::Eintrag* eintrag = pixelJePunkt ? Bekannt(e, schluessel) : nullptr;
    if (!eintrag || !eintrag->fehler.isEmpty()) return std::nullopt;
    // Points to drawing units.
    const double einheit = *pixelJePunkt / ansicht_.Skala() / Sp;
    return vektra::TextboxVon(e.Ausrichtung, eintrag->mass.breite * einheit, eintrag->mass.hoehe * einheit,
                              eintrag->mass.tiefe * einheit);
}

void Textsatz::RahmenZeichnen(Leinwand& l) const {
    if (!PixelJePunkt()) return;
    const Stift gemerkt = l.Zustand;
    l.Zustand = Stift{};
    l.Zustand.NichtXor = true;
    l.Zustand.PinselKlar = true;
    {
        Leinwand::Stapel stapel(l);
        for (const vektra::TElement& e : z_.Elemente) {
            if (e.Art != vektra::Text || !e.gepickt || e.geloescht) continue;
            const auto b = Box(e);
            if (!b) continue;
            // The right and bottom edges of a rectangle lie one pixel inside its corners.
            l.Rectangle(ansicht_.XNachPixel(e.x1 + b->links), ansicht_.YNachPixel(e.y1 + b->oben),
                        ansicht_.XNachPixel(e.x1 + b->rechts) + 1, ansicht_.YNachPixel(e.y1 + b->unten) + 1);
        }
    }
    l.Zustand = gemerkt;
}

QString Textsatz::Fehler(const vektra::TElement& e) const {
    std::string schluessel;
    const Textsatzvorrat::Eintrag* eintrag = PixelJePunkt() ? Bekannt(e, schluessel) : nullptr;
    return eintrag ? eintrag->fehler : QString();
}

bool Textsatz::Malzeit() {
    if (!malzeit_.isValid()) {
        malzeit_.start();
        QMetaObject::invokeMethod(
            this,
            [this] {
                malzeit_.invalidate();
                if (std::exchange(aufgeschoben_, false)) emit neuGesetzt();
            },
            Qt::QueuedConnection);
    }
    if (malzeit_.elapsed() <= Malbudget) return true;
    aufgeschoben_ = true;
    return false;
}

void Textsatz::Vormerken(const std::string& schluessel, std::string_view text) {
    if (!vorgemerkt_.insert(schluessel).second) return;
    // A text that cannot go to TeX fails at once, without holding up the others.
    if (const std::string hindernis = vektra::Satzhindernis(text); !hindernis.empty()) {
        vorgemerkt_.erase(schluessel);
        vorrat_.Ablegen(schluessel, {std::string(text), {}, {}, QString::fromStdString(hindernis)});
        return;
    }
    wartend_.emplace_back(schluessel, text);
    if (lauf_ || startVorgemerkt_) return;
    // Texts asked for during one redraw go into one run, started once it is over.
    startVorgemerkt_ = true;
    QMetaObject::invokeMethod(this, &Textsatz::LaufStarten, Qt::QueuedConnection);
}

void Textsatz::LaufStarten() {
    startVorgemerkt_ = false;
    if (lauf_ || wartend_.empty()) return;
    const std::size_t n = std::min(wartend_.size(), GroessterLauf);
    imLauf_.assign(wartend_.begin(), wartend_.begin() + static_cast<std::ptrdiff_t>(n));
    wartend_.erase(wartend_.begin(), wartend_.begin() + static_cast<std::ptrdiff_t>(n));
    std::vector<std::string> texte;
    for (const auto& [schluessel, text] : imLauf_)
        texte.push_back(text);
    lauf_ = std::make_unique<Textsatzlauf>(praeambel_, std::move(texte), programme_);
    connect(lauf_.get(), &Textsatzlauf::fertig, this, &Textsatz::LaufFertig);
    ++laeufe_;
    lauf_->Starten();
}

void Textsatz::LaufFertig() {
    const std::unique_ptr<Textsatzlauf> lauf = std::move(lauf_);
    prozesse_ += lauf->Prozesse();
    if (!lauf->Fehlendes().isEmpty()) {
        // Without TeX nothing is typeset, now or later in this run of the program.
        wartend_.clear();
        vorgemerkt_.clear();
        imLauf_.clear();
        if (!ohneTeX_) {
            ohneTeX_ = true;
            emit ohneTeX(lauf->Fehlendes());
        }
        return;
    }
    // The batch was typeset with the preamble of its start; findings of an older preamble are
    // kept under their own keys all the same.
    std::unordered_map<std::string, const Satzfund*> funde;
    for (const Satzfund& f : lauf->Funde())
        funde.emplace(f.text, &f);
    for (const auto& [schluessel, text] : imLauf_) {
        vorgemerkt_.erase(schluessel);
        if (const auto it = funde.find(text); it != funde.end())
            vorrat_.Ablegen(schluessel, *it->second);
        else
            // After a text that broke the run off: into the next one.
            Vormerken(schluessel, text);
    }
    imLauf_.clear();
    if (!wartend_.empty()) LaufStarten();
    emit neuGesetzt();
}
