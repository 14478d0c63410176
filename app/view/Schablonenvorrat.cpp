#include "view/Schablonenvorrat.h"

#include <QHash>
#include <QPainter>

#include <cmath>
#include <iterator>

namespace {

// The largest scratch area in device pixels; larger figures are drawn directly.
constexpr qint64 GroessteFlaeche = 1 << 20;

} // namespace

std::size_t Schablonenvorrat::Streuung::operator()(const Schluessel& k) const noexcept {
    return k.streu;
}

std::size_t Schablonenvorrat::Groesse(const Schluessel& k, const Eintrag& e) {
    // The stencil, the string and roughly what a node of the map takes.
    return (e.bild ? e.bild->Bytes() : 0) + static_cast<std::size_t>(k.text.size()) * sizeof(QChar) + 96;
}

Schablonenvorrat::Eintrag& Schablonenvorrat::Text(const QString& s, bool fett,
                                                  const std::function<void(Eintrag&)>& anlegen) {
    return Holen({0, s, fett ? 1u : 0u, 0}, anlegen);
}

Schablonenvorrat::Eintrag& Schablonenvorrat::Ellipse(QSize kasten, int stiftbreite, bool gefuellt) {
    const auto masse = static_cast<std::uint64_t>(static_cast<std::uint32_t>(kasten.width())) << 32 |
                       static_cast<std::uint32_t>(kasten.height());
    return Holen(
        {0, QString(), masse, static_cast<std::uint32_t>(stiftbreite) << 3 | (gefuellt ? 4u : 0u) | 1u}, {});
}

Schablonenvorrat::Eintrag& Schablonenvorrat::Linie(QPoint weg, int stiftbreite) {
    const auto masse = static_cast<std::uint64_t>(static_cast<std::uint32_t>(weg.x())) << 32 |
                       static_cast<std::uint32_t>(weg.y());
    return Holen({0, QString(), masse, static_cast<std::uint32_t>(stiftbreite) << 3 | 2u}, {});
}

Schablonenvorrat::Eintrag& Schablonenvorrat::Holen(Schluessel k,
                                                   const std::function<void(Eintrag&)>& anlegen) {
    // A text is measured and then drawn, and a drag draws the same lines one after the other:
    // the second look-up finds it without hashing.
    const Schluessel* l = letzter_ ? &letzter_->first : nullptr;
    if (!l || l->masse != k.masse || l->art != k.art || l->text != k.text) {
        k.streu = qHashMulti(0, k.text, k.masse, k.art);
        if (auto it = eintraege_.find(k); it != eintraege_.end()) {
            letzter_ = &*it;
        } else {
            Eintrag neu;
            if (anlegen) anlegen(neu);
            std::size_t groesse = Groesse(k, neu);
            // Without room the entry is kept all the same, without its stencil: the map then holds
            // at most the entries in use.
            if (!Platz(groesse) && neu.bild) {
                neu.bild.reset();
                groesse = Groesse(k, neu);
            }
            bytes_ += groesse;
            letzter_ = &*eintraege_.emplace(std::move(k), std::move(neu)).first;
        }
    }
    letzter_->second.benutzt = true;
    return letzter_->second;
}

bool Schablonenvorrat::Platz(std::size_t bytes) {
    if (bytes_ + bytes <= budget_) return true;
    if (VorDemRaeumen) VorDemRaeumen();
    letzter_ = nullptr;
    for (auto it = eintraege_.begin(); it != eintraege_.end();) {
        if (!it->second.benutzt) {
            bytes_ -= Groesse(it->first, it->second);
            it = eintraege_.erase(it);
        } else {
            it->second.benutzt = false;
            ++it;
        }
    }
    return bytes_ + bytes <= budget_;
}

void Schablonenvorrat::Aufnehmen(Eintrag& e, QSize flaeche, QPoint anker,
                                 const std::function<void(QPainter&)>& malen) {
    e.aufgenommen = true;
    const int v = static_cast<int>(verhaeltnis_);
    const QRect bereich(0, 0, flaeche.width() * v, flaeche.height() * v);
    if (bereich.isEmpty() || qint64(bereich.width()) * bereich.height() > GroessteFlaeche) return;
    if (kratz_.width() < bereich.width() || kratz_.height() < bereich.height()) {
        maler_.reset();
        kratz_ = QImage(std::max(kratz_.width(), bereich.width()),
                        std::max(kratz_.height(), bereich.height()), QImage::Format_RGB32);
        kratz_.setDevicePixelRatio(verhaeltnis_);
    }
    // One painter stays open on the scratch: opening one for each figure would cost as much as
    // drawing it. Each figure starts from a black pen and no brush.
    if (!maler_) {
        maler_ = std::make_unique<QPainter>(&kratz_);
        maler_->setRenderHint(QPainter::Antialiasing, false);
        maler_->setRenderHint(QPainter::TextAntialiasing, false);
    }
    QPainter& p = *maler_;
    p.fillRect(QRect(QPoint(0, 0), flaeche), Qt::white);
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    malen(p);
    std::optional<Schablone> bild = Schablone::Aufnehmen(kratz_, bereich, anker * v);
    if (!bild || !Platz(bild->Bytes())) return;
    bytes_ += bild->Bytes();
    e.bild = std::move(bild);
}

void Schablonenvorrat::Leeren(qreal pixelverhaeltnis) {
    if (VorDemRaeumen) VorDemRaeumen();
    eintraege_.clear();
    letzter_ = nullptr;
    bytes_ = 0;
    verhaeltnis_ = pixelverhaeltnis;
    maler_.reset();
    kratz_ = QImage();
}
