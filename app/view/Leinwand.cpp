#include "view/Leinwand.h"

#include "view/Breitlinie.h"
#include "view/Haarlinie.h"
#include "view/Umriss.h"

#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace {

QFont OhneKantenglaettung(QFont f) {
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

// The box of a shape: corners in any order, right and bottom edge one pixel inside.
QRect Kasten(int x1, int y1, int x2, int y2) {
    const int l = std::min(x1, x2), r = std::max(x1, x2);
    const int t = std::min(y1, y2), b = std::max(y1, y2);
    return QRect(l, t, r - l - 1, b - t - 1);
}

// A pen `breite` logical pixels wide covers a whole number of device pixels, at least one, so
// lines of one width look alike wherever they lie, also at a ratio such as 1.5.
qreal Stiftbreite(int breite, qreal verhaeltnis) {
    const qreal geraet = std::max(1.0, std::nearbyint(std::max(breite, 1) * verhaeltnis));
    return geraet / verhaeltnis;
}

QPen Linienstift(const QColor& farbe, const Stift& z, qreal verhaeltnis) {
    return QPen(farbe, Stiftbreite(z.Breite, verhaeltnis), z.Gepunktet ? Qt::DotLine : Qt::SolidLine,
                Qt::SquareCap, Qt::MiterJoin);
}

} // namespace

// What the open painter is set up for: pen lines, filled shapes or text.
enum class Leinwand::Art { Linie, Flaeche, Schrift };

// Orders gathered before a batch's pixel work goes to the band: enough that handing them over
// costs little against setting them, few enough that the band starts early.
constexpr std::size_t Blockgroesse = 512;

Leinwand::Leinwand() {
    // A stencil the band may still set must not go before it is set.
    vorrat_.VorDemRaeumen = [this] { Abarbeiten(); };
    SchriftSetzen(QFont());
    Resize(1, 1);
}

Leinwand::~Leinwand() {
    Abarbeiten();
}

void Leinwand::Resize(int w, int h, qreal pixelverhaeltnis) {
    Abarbeiten();
    painter_.reset();
    breite_ = std::max(w, 1);
    hoehe_ = std::max(h, 1);
    const qreal v = pixelverhaeltnis > 0 ? pixelverhaeltnis : 1;
    if (v != vorrat_.Pixelverhaeltnis()) {
        vorrat_.Leeren(v);
        ellipsen_.Leeren(v);
        glyphensatz_.Einrichten(schrift_, schriftFett_, v);
    }
    bild_ = QImage(static_cast<int>(std::ceil(breite_ * v)), static_cast<int>(std::ceil(hoehe_ * v)),
                   QImage::Format_RGB32);
    bild_.setDevicePixelRatio(v);
    bild_.fill(Qt::white);
    // Measure on the image so metrics match what is painted, whatever the screen's resolution.
    metrik_.emplace(schrift_, &bild_);
    metrikFett_.emplace(schriftFett_, &bild_);
}

void Leinwand::SchriftSetzen(const QFont& schrift) {
    Abarbeiten();
    schrift_ = OhneKantenglaettung(schrift);
    schrift_.setBold(false);
    schriftFett_ = schrift_;
    schriftFett_.setBold(true);
    metrik_.emplace(schrift_, &bild_);
    metrikFett_.emplace(schriftFett_, &bild_);
    angewandt_.reset();
    // A new font starts every store afresh, the ellipses' too: the canvas is then in the state
    // of its first redraw, whatever it drew before.
    vorrat_.Leeren(Pixelverhaeltnis());
    ellipsen_.Leeren(Pixelverhaeltnis());
    glyphensatz_.Einrichten(schrift_, schriftFett_, Pixelverhaeltnis());
}

QPainter& Leinwand::Painter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&bild_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
        painter_->setRenderHint(QPainter::TextAntialiasing, false);
        angewandt_.reset();
    }
    return *painter_;
}

void Leinwand::Vormerken(Auftrag a) {
    // Outside a batch the work is done at once. Texts stay with this thread: fonts are not to be
    // used by two threads at once, and this one draws texts into stencils. Without shortcuts
    // nothing waits either.
    const bool jetzt = stapelTiefe_ == 0 || a.art == Auftrag::Art::Schrift || !Abkuerzungen;
    if (jetzt) Abarbeiten();
    block_.push_back(std::move(a));
    if (!jetzt) {
        veraendert_ = true;
        if (block_.size() >= Blockgroesse) Weiterreichen();
        return;
    }
    Ausfuehren(block_);
    block_.clear();
    if (stapelTiefe_ > 0) {
        veraendert_ = true;
        return;
    }
    painter_.reset();
    if (Geaendert) Geaendert();
}

void Leinwand::Weiterreichen() {
    if (!imBand_) {
        // The band paints from now on, with painters of its own on the image and on the
        // ellipses' scratch. The image is unshared here, so that opening that painter does not
        // replace its pixels under this thread's feet.
        painter_.reset();
        ellipsen_.Ruhen();
        bild_.detach();
        imBand_ = true;
    }
    auto block = std::make_shared<std::vector<Auftrag>>(std::move(block_));
    band_.Auflegen([this, block] { Ausfuehren(*block); });
    block_.clear();
    block_.reserve(Blockgroesse);
}

void Leinwand::Abarbeiten() {
    if (imBand_) {
        if (!block_.empty()) Weiterreichen();
        // The band's painters end on the band, where they began.
        band_.Auflegen([this] {
            painter_.reset();
            ellipsen_.Ruhen();
        });
        band_.Abwarten();
        imBand_ = false;
    }
    Ausfuehren(block_);
    block_.clear();
}

void Leinwand::Ausfuehren(std::vector<Auftrag>& auftraege) {
    if (auftraege.empty()) return;
    // The open painter holds the image unshared, so its pixels are written in place, here
    // through a view taken once: the band then reads nothing more of the canvas object, which
    // the caller keeps changing meanwhile.
    QPainter& p = Painter();
    const Pixelfeld pixel(bild_);
    for (Auftrag& a : auftraege) {
        switch (a.art) {
        case Auftrag::Art::Haarlinie:
            HaarlinieSetzen(pixel, a.von, a.bis, a.farbe, a.umkehren);
            break;
        case Auftrag::Art::Breitlinie:
            BreitlinieSetzen(pixel, a.von, a.bis, a.breite, a.farbe, a.umkehren);
            break;
        case Auftrag::Art::Schablone:
            a.schablone->Setzen(pixel, a.von, a.farbe, a.umkehren);
            break;
        case Auftrag::Art::Ellipse:
            EllipseSetzen(p, pixel, a);
            break;
        case Auftrag::Art::Maler:
        case Auftrag::Art::Schrift:
            (*a.malen)(p);
            break;
        }
    }
}

Leinwand::Auftrag Leinwand::Pixelauftrag(Auftrag::Art art, QRgb farbe, bool umkehren, QPoint von,
                                         QPoint bis) {
    Auftrag a;
    a.art = art;
    a.farbe = farbe;
    a.umkehren = umkehren;
    a.von = von;
    a.bis = bis;
    return a;
}

void Leinwand::Malen(std::function<void(QPainter&)> malen, bool schrift) {
    Auftrag a;
    a.art = schrift ? Auftrag::Art::Schrift : Auftrag::Art::Maler;
    a.malen = std::make_unique<std::function<void(QPainter&)>>(std::move(malen));
    Vormerken(std::move(a));
}

void Leinwand::Anwenden(QPainter& p, Art art, const Stift& z) {
    if (angewandt_ && *angewandt_ == z && angewandteArt_ == art) return;
    p.setCompositionMode(z.NichtXor ? QPainter::RasterOp_NotSourceXorDestination
                                    : QPainter::CompositionMode_SourceOver);
    if (art == Art::Schrift) {
        p.setPen(z.Schriftfarbe);
        p.setFont(z.Fett ? schriftFett_ : schrift_);
    } else {
        p.setPen(Linienstift(z.Farbe, z, Pixelverhaeltnis()));
    }
    if (art == Art::Flaeche && !z.PinselKlar)
        p.setBrush(z.Pinselfarbe);
    else
        p.setBrush(Qt::NoBrush);
    angewandt_ = z;
    angewandteArt_ = art;
}

void Leinwand::EllipseSetzen(QPainter& p, const Pixelfeld& pixel, const Auftrag& a) {
    const QSize kasten(a.bis.x(), a.bis.y());
    const int v = static_cast<int>(ellipsen_.Pixelverhaeltnis());
    Schablonenvorrat::Eintrag& e = ellipsen_.Ellipse(kasten, a.breite, a.gefuellt);
    if (!e.aufgenommen) {
        // Room for the pen beyond the box on every side.
        const int rand = std::max(a.breite, 1) + 2;
        ellipsen_.Aufnehmen(e, kasten + QSize(2 * rand + 1, 2 * rand + 1), QPoint(rand, rand),
                            [&](QPainter& k) {
                                k.setPen(Linienstift(Qt::black, Stift{.Breite = a.breite}, v));
                                if (a.gefuellt) k.setBrush(Qt::black);
                                k.drawEllipse(QRect(QPoint(rand, rand), kasten));
                            });
    }
    if (e.bild) {
        e.bild->Setzen(pixel, a.von * v, a.farbe);
        return;
    }
    // Without a stencil (too large, or no room left): the painter draws it, with the pen and
    // brush it was given.
    const QColor farbe = QColor::fromRgb(a.farbe);
    Anwenden(p, Art::Flaeche,
             Stift{.Farbe = farbe, .Breite = a.breite, .Pinselfarbe = farbe, .PinselKlar = !a.gefuellt});
    p.drawEllipse(QRect(a.von, kasten));
}

void Leinwand::SchablonenbudgetSetzen(std::size_t bytes) {
    Abarbeiten();
    vorrat_.BudgetSetzen(bytes);
    ellipsen_.BudgetSetzen(bytes);
}

void Leinwand::MoveTo(int x, int y) {
    position_ = QPoint(x, y);
}

void Leinwand::LineTo(int x, int y) {
    const QPoint von = position_;
    position_ = QPoint(x, y);
    if (Ausserhalb(Umriss(von, position_)) || LinieStempeln(von, position_)) return;
    Malen([this, z = Zustand, von, bis = position_](QPainter& p) {
        Anwenden(p, Art::Linie, z);
        p.drawLine(von, bis);
    });
}

void Leinwand::Linien(const std::vector<QLine>& linien) {
    std::vector<QLine> gemalt;
    for (const QLine& l : linien)
        if (!LinieStempeln(l.p1(), l.p2())) gemalt.push_back(l);
    if (gemalt.empty()) return;
    Malen([this, z = Zustand, gemalt = std::move(gemalt)](QPainter& p) {
        Anwenden(p, Art::Linie, z);
        p.drawLines(gemalt.data(), static_cast<int>(gemalt.size()));
    });
}

bool Leinwand::LinieStempeln(QPoint von, QPoint bis) {
    if (!Abkuerzungen || Zustand.Gepunktet || Zustand.Farbe.alpha() != 255) return false;
    const qreal v = Pixelverhaeltnis();
    // A solid line one device pixel wide is set directly, in either mode. A line that touches
    // the image's edge is left to the painter, which clips it.
    if (v == 1 && Zustand.Breite <= 1 && von != bis &&
        Enthaelt(QRect(1, 1, breite_ - 2, hoehe_ - 2), Umriss(von, bis))) {
        Vormerken(Pixelauftrag(Auftrag::Art::Haarlinie, Zustand.Farbe.rgb(), Zustand.NichtXor, von, bis));
        return true;
    }
    // A wider one inverted comes from a stencil once it has been seen before: a drag erases and
    // draws the same lines at every step, and setting their pixels again is cheaper than working
    // out their outline. Else a slanted one is set directly.
    if (Zustand.NichtXor && LinieAusSchablone(von, bis)) return true;
    if (v != 1 || !BreitlinieMoeglich(bild_, von, bis, Zustand.Breite)) return false;
    Auftrag a = Pixelauftrag(Auftrag::Art::Breitlinie, Zustand.Farbe.rgb(), Zustand.NichtXor, von, bis);
    a.breite = Zustand.Breite;
    Vormerken(std::move(a));
    return true;
}

bool Leinwand::LinieAusSchablone(QPoint von, QPoint bis) {
    const qreal v = Pixelverhaeltnis();
    if (v != std::floor(v)) return false;
    // Room for the pen and its square cap beyond the ends on every side.
    const int rand = std::max(Zustand.Breite, 1) + 2;
    const QRect umriss = Umriss(von, bis, rand);
    // The painter clips a line that crosses the image's edge, which may move its pixels.
    if (!Enthaelt(QRect(0, 0, breite_, hoehe_), umriss)) return false;
    const QPoint weg = bis - von;
    Schablonenvorrat::Eintrag& e = vorrat_.Linie(weg, Zustand.Breite);
    // A line is kept from its second drawing on, as a rubber band's erasing: the next one is
    // another line.
    if (!e.gesehen) {
        e.gesehen = true;
        return false;
    }
    if (!e.aufgenommen) {
        const QPoint anker = von - umriss.topLeft();
        vorrat_.Aufnehmen(e, umriss.size() + QSize(1, 1), anker, [&](QPainter& p) {
            p.setPen(Linienstift(Qt::black, Zustand, v));
            p.drawLine(anker, anker + weg);
        });
    }
    if (!e.bild) return false;
    Stempeln(*e.bild, von, Zustand.Farbe, Zustand.NichtXor);
    return true;
}

void Leinwand::Form(const QPainterPath& umriss) {
    Malen([this, z = Zustand, umriss](QPainter& p) {
        Anwenden(p, Art::Flaeche, z);
        if (z.NichtXor && !z.PinselKlar) {
            // Filling and outlining separately would invert the outline pixels twice; split the
            // shape so every pixel is inverted once.
            QPainterPathStroker rand(p.pen());
            const QPainterPath randFlaeche = rand.createStroke(umriss);
            p.setPen(Qt::NoPen);
            p.fillPath(umriss.subtracted(randFlaeche), z.Pinselfarbe);
            p.fillPath(randFlaeche, z.Farbe);
            angewandt_.reset();
        } else {
            p.drawPath(umriss);
        }
    });
}

void Leinwand::Rectangle(int x1, int y1, int x2, int y2) {
    const QRect r = Kasten(x1, y1, x2, y2);
    if (r.width() < 0 || r.height() < 0) return;
    QPainterPath umriss;
    umriss.addRect(r);
    Form(umriss);
}

void Leinwand::Ellipse(int x1, int y1, int x2, int y2) {
    const QRect r = Kasten(x1, y1, x2, y2);
    if (r.width() < 0 || r.height() < 0 || Ausserhalb(r)) return;
    if (Gestempelt(Zustand.Farbe) && !Zustand.Gepunktet &&
        (Zustand.PinselKlar || Zustand.Pinselfarbe == Zustand.Farbe)) {
        Auftrag a = Pixelauftrag(Auftrag::Art::Ellipse, Zustand.Farbe.rgb(), false, r.topLeft(),
                                 QPoint(r.width(), r.height()));
        a.breite = Zustand.Breite;
        a.gefuellt = !Zustand.PinselKlar;
        Vormerken(std::move(a));
        return;
    }
    if (!(Zustand.NichtXor && !Zustand.PinselKlar)) {
        Malen([this, z = Zustand, r](QPainter& p) {
            Anwenden(p, Art::Flaeche, z);
            p.drawEllipse(r);
        });
        return;
    }
    QPainterPath umriss;
    umriss.addEllipse(r);
    Form(umriss);
}

void Leinwand::TextOut(int x, int y, const QString& s) {
    if (s.isEmpty()) return;
    if (Gestempelt(Zustand.Schriftfarbe)) {
        Schablonenvorrat::Eintrag& e = Texteintrag(s);
        if (!e.aufgenommen) {
            const QFont& schrift = Zustand.Fett ? schriftFett_ : schrift_;
            const QFontMetrics& m = Metrik(Zustand.Fett);
            // Room on every side for glyphs reaching beyond their box; a text whose ink still
            // touches the edge of the room gets no stencil and is drawn directly.
            const int rand = m.height() / 4 + 2;
            vorrat_.Aufnehmen(e, QSize(e.breite, m.height()) + QSize(2 * rand, 2 * rand), QPoint(rand, rand),
                              [&](QPainter& p) {
                                  p.setFont(schrift);
                                  p.setPen(Qt::black);
                                  p.drawText(QPoint(rand, rand + m.ascent()), s);
                              });
        }
        if (e.bild) {
            Stempeln(*e.bild, QPoint(x, y), Zustand.Schriftfarbe, false);
            return;
        }
    }
    Malen(
        [this, z = Zustand, ort = QPoint(x, y + Metrik(Zustand.Fett).ascent()), s](QPainter& p) {
            Anwenden(p, Art::Schrift, z);
            p.drawText(ort, s);
        },
        true);
}

QSize Leinwand::TextExtent(const QString& s) const {
    const QFontMetrics& m = Metrik(Zustand.Fett);
    return QSize(Abkuerzungen ? Texteintrag(s).breite : m.horizontalAdvance(s), m.height());
}

Schablonenvorrat::Eintrag& Leinwand::Texteintrag(const QString& s) const {
    const bool fett = Zustand.Fett;
    return vorrat_.Text(s, fett, [&](Schablonenvorrat::Eintrag& e) {
        const QFontMetrics& m = Metrik(fett);
        if (std::optional<Glyphensatz::Satz> satz = glyphensatz_.Setzen(s, fett, m.ascent())) {
            e.breite = satz->breite;
            e.bild = std::move(satz->bild);
            e.aufgenommen = true;
        } else {
            e.breite = m.horizontalAdvance(s);
        }
    });
}

bool Leinwand::Ausserhalb(const QRect& r) const {
    if (!Abkuerzungen) return false;
    // A miter join reaches up to twice the pen's width beyond a corner of the outline, as at
    // the ends of an ellipse in a box one pixel narrow; and a pixel for rounding.
    const int rand = 2 * std::max(Zustand.Breite, 1) + 2;
    return !Schneidet(QRect(0, 0, breite_, hoehe_), r.adjusted(-rand, -rand, rand, rand));
}

bool Leinwand::Gestempelt(const QColor& farbe) const {
    // At a fractional ratio a figure moved by whole logical pixels moves by fractions of device
    // pixels, which changes its pixels; not-xor and translucent colours mix with what is there.
    const qreal v = Pixelverhaeltnis();
    return Abkuerzungen && !Zustand.NichtXor && farbe.alpha() == 255 && v == std::floor(v);
}

void Leinwand::Stempeln(const Schablone& s, QPoint linksOben, const QColor& farbe, bool umkehren) {
    Auftrag a = Pixelauftrag(Auftrag::Art::Schablone, farbe.rgb(), umkehren,
                             linksOben * static_cast<int>(Pixelverhaeltnis()), {});
    a.schablone = &s;
    Vormerken(std::move(a));
}

const QFontMetrics& Leinwand::Metrik(bool fett) const {
    return fett ? *metrikFett_ : *metrik_;
}

void Leinwand::FillRect(const QRect& r) {
    // Every device pixel the logical rectangle touches, so clearing the whole canvas leaves no
    // stale part pixel at its edge when the ratio is fractional.
    const qreal v = Pixelverhaeltnis();
    const qreal l = std::floor(r.left() * v), t = std::floor(r.top() * v);
    const qreal re = std::ceil((r.right() + 1) * v), u = std::ceil((r.bottom() + 1) * v);
    Malen([this, flaeche = QRectF(l / v, t / v, (re - l) / v, (u - t) / v),
           farbe = Zustand.Pinselfarbe](QPainter& p) {
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.fillRect(flaeche, farbe);
        angewandt_.reset();
    });
}

void Leinwand::BildSetzen(QPoint geraetepunkt, const QImage& bild) {
    const QRect ziel(geraetepunkt, bild.size());
    if (!ziel.intersects(bild_.rect())) return;
    Malen([this, ort = QPointF(geraetepunkt) / Pixelverhaeltnis(), bild](QPainter& p) {
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.drawImage(ort, bild);
        angewandt_.reset();
    });
}

Leinwand::Stapel::Stapel(Leinwand& l) : l_(l) {
    ++l_.stapelTiefe_;
}

Leinwand::Stapel::~Stapel() {
    if (--l_.stapelTiefe_ > 0) return;
    l_.Abarbeiten();
    l_.painter_.reset();
    if (!l_.veraendert_) return;
    l_.veraendert_ = false;
    if (l_.Geaendert) l_.Geaendert();
}
