#include "view/Leinwand.h"

#include "view/Breitlinie.h"
#include "view/Haarlinie.h"

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

Leinwand::Leinwand() {
    SchriftSetzen(QFont());
    Resize(1, 1);
}

Leinwand::~Leinwand() = default;

void Leinwand::Resize(int w, int h, qreal pixelverhaeltnis) {
    painter_.reset();
    breite_ = std::max(w, 1);
    hoehe_ = std::max(h, 1);
    const qreal v = pixelverhaeltnis > 0 ? pixelverhaeltnis : 1;
    if (v != vorrat_.Pixelverhaeltnis()) vorrat_.Leeren(v);
    bild_ = QImage(static_cast<int>(std::ceil(breite_ * v)), static_cast<int>(std::ceil(hoehe_ * v)),
                   QImage::Format_RGB32);
    bild_.setDevicePixelRatio(v);
    bild_.fill(Qt::white);
    // Measure on the image so metrics match what is painted, whatever the screen's resolution.
    metrik_.emplace(schrift_, &bild_);
    metrikFett_.emplace(schriftFett_, &bild_);
}

void Leinwand::SchriftSetzen(const QFont& schrift) {
    schrift_ = OhneKantenglaettung(schrift);
    schrift_.setBold(false);
    schriftFett_ = schrift_;
    schriftFett_.setBold(true);
    metrik_.emplace(schrift_, &bild_);
    metrikFett_.emplace(schriftFett_, &bild_);
    angewandt_.reset();
    vorrat_.Leeren(Pixelverhaeltnis());
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

void Leinwand::Fertig() {
    veraendert_ = true;
    if (stapelTiefe_ > 0) return;
    painter_.reset();
    veraendert_ = false;
    if (Geaendert) Geaendert();
}

void Leinwand::Anwenden(QPainter& p, Art art) {
    if (angewandt_ && *angewandt_ == Zustand && angewandteArt_ == art) return;
    p.setCompositionMode(Zustand.NichtXor ? QPainter::RasterOp_NotSourceXorDestination
                                          : QPainter::CompositionMode_SourceOver);
    if (art == Art::Schrift) {
        p.setPen(Zustand.Schriftfarbe);
        p.setFont(Zustand.Fett ? schriftFett_ : schrift_);
    } else {
        p.setPen(Linienstift(Zustand.Farbe, Zustand, Pixelverhaeltnis()));
    }
    if (art == Art::Flaeche && !Zustand.PinselKlar)
        p.setBrush(Zustand.Pinselfarbe);
    else
        p.setBrush(Qt::NoBrush);
    angewandt_ = Zustand;
    angewandteArt_ = art;
}

void Leinwand::MoveTo(int x, int y) {
    position_ = QPoint(x, y);
}

void Leinwand::LineTo(int x, int y) {
    const QPoint von = position_;
    position_ = QPoint(x, y);
    if (Ausserhalb(QRect(QPoint(std::min(von.x(), x), std::min(von.y(), y)),
                         QPoint(std::max(von.x(), x), std::max(von.y(), y)))) ||
        LinieStempeln(von, position_))
        return;
    QPainter& p = Painter();
    Anwenden(p, Art::Linie);
    p.drawLine(von, position_);
    Fertig();
}

void Leinwand::Linien(const std::vector<QLine>& linien) {
    std::vector<QLine> gemalt;
    for (const QLine& l : linien)
        if (!LinieStempeln(l.p1(), l.p2())) gemalt.push_back(l);
    if (gemalt.empty()) return;
    QPainter& p = Painter();
    Anwenden(p, Art::Linie);
    p.drawLines(gemalt.data(), static_cast<int>(gemalt.size()));
    Fertig();
}

bool Leinwand::LinieStempeln(QPoint von, QPoint bis) {
    if (!Abkuerzungen || Zustand.Gepunktet || Zustand.Farbe.alpha() != 255) return false;
    const qreal v = Pixelverhaeltnis();
    // A solid line one device pixel wide is set directly, in either mode. A line that touches
    // the image's edge is left to the painter, which clips it.
    if (v == 1 && Zustand.Breite <= 1 && von != bis &&
        QRect(1, 1, breite_ - 2, hoehe_ - 2).contains(QRect(von, bis).normalized())) {
        Painter();
        HaarlinieSetzen(bild_, von, bis, Zustand.Farbe.rgb(), Zustand.NichtXor);
        Fertig();
        return true;
    }
    // A wider one inverted comes from a stencil once it has been seen before: a drag erases and
    // draws the same lines at every step, and setting their pixels again is cheaper than working
    // out their outline. Else a slanted one is set directly.
    if (Zustand.NichtXor && LinieAusSchablone(von, bis)) return true;
    if (v != 1 || !BreitlinieMoeglich(bild_, von, bis, Zustand.Breite)) return false;
    Painter();
    BreitlinieSetzen(bild_, von, bis, Zustand.Breite, Zustand.Farbe.rgb(), Zustand.NichtXor);
    Fertig();
    return true;
}

bool Leinwand::LinieAusSchablone(QPoint von, QPoint bis) {
    const qreal v = Pixelverhaeltnis();
    if (v != std::floor(v)) return false;
    // Room for the pen and its square cap beyond the ends on every side.
    const int rand = std::max(Zustand.Breite, 1) + 2;
    const QRect umriss = QRect(von, bis).normalized().adjusted(-rand, -rand, rand, rand);
    // The painter clips a line that crosses the image's edge, which may move its pixels.
    if (!QRect(0, 0, breite_, hoehe_).contains(umriss)) return false;
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
    Painter();
    e.bild->Setzen(bild_, von * static_cast<int>(v), Zustand.Farbe.rgb(), Zustand.NichtXor);
    Fertig();
    return true;
}

void Leinwand::Form(const QPainterPath& umriss) {
    QPainter& p = Painter();
    Anwenden(p, Art::Flaeche);
    if (Zustand.NichtXor && !Zustand.PinselKlar) {
        // Filling and outlining separately would invert the outline pixels twice; split the
        // shape so every pixel is inverted once.
        QPainterPathStroker rand(p.pen());
        const QPainterPath randFlaeche = rand.createStroke(umriss);
        p.setPen(Qt::NoPen);
        p.fillPath(umriss.subtracted(randFlaeche), Zustand.Pinselfarbe);
        p.fillPath(randFlaeche, Zustand.Farbe);
        angewandt_.reset();
    } else {
        p.drawPath(umriss);
    }
    Fertig();
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
        Schablonenvorrat::Eintrag& e = vorrat_.Ellipse(r.size(), Zustand.Breite, !Zustand.PinselKlar);
        if (!e.aufgenommen) {
            // Room for the pen beyond the box on every side.
            const int rand = std::max(Zustand.Breite, 1) + 2;
            vorrat_.Aufnehmen(e, r.size() + QSize(2 * rand + 1, 2 * rand + 1), QPoint(rand, rand),
                              [&](QPainter& p) {
                                  p.setPen(Linienstift(Qt::black, Zustand, Pixelverhaeltnis()));
                                  p.setBrush(Zustand.PinselKlar ? QBrush() : QBrush(Qt::black));
                                  p.drawEllipse(QRect(QPoint(rand, rand), r.size()));
                              });
        }
        if (e.bild) {
            Stempeln(*e.bild, r.topLeft(), Zustand.Farbe);
            return;
        }
    }
    if (!(Zustand.NichtXor && !Zustand.PinselKlar)) {
        QPainter& p = Painter();
        Anwenden(p, Art::Flaeche);
        p.drawEllipse(r);
        Fertig();
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
            Stempeln(*e.bild, QPoint(x, y), Zustand.Schriftfarbe);
            return;
        }
    }
    QPainter& p = Painter();
    Anwenden(p, Art::Schrift);
    p.drawText(QPoint(x, y + Metrik(Zustand.Fett).ascent()), s);
    Fertig();
}

QSize Leinwand::TextExtent(const QString& s) const {
    const QFontMetrics& m = Metrik(Zustand.Fett);
    return QSize(Abkuerzungen ? Texteintrag(s).breite : m.horizontalAdvance(s), m.height());
}

Schablonenvorrat::Eintrag& Leinwand::Texteintrag(const QString& s) const {
    const bool fett = Zustand.Fett;
    return vorrat_.Text(s, fett, [&] { return Metrik(fett).horizontalAdvance(s); });
}

bool Leinwand::Ausserhalb(const QRect& r) const {
    if (!Abkuerzungen) return false;
    // Half the pen beyond the figure, and a pixel for rounding.
    const int rand = std::max(Zustand.Breite, 1) + 2;
    return !QRect(0, 0, breite_, hoehe_).intersects(r.adjusted(-rand, -rand, rand, rand));
}

bool Leinwand::Gestempelt(const QColor& farbe) const {
    // At a fractional ratio a figure moved by whole logical pixels moves by fractions of device
    // pixels, which changes its pixels; not-xor and translucent colours mix with what is there.
    const qreal v = Pixelverhaeltnis();
    return Abkuerzungen && !Zustand.NichtXor && farbe.alpha() == 255 && v == std::floor(v);
}

void Leinwand::Stempeln(const Schablone& s, QPoint linksOben, const QColor& farbe) {
    // The open painter holds the image unshared, so its pixels are written in place.
    Painter();
    const int v = static_cast<int>(Pixelverhaeltnis());
    s.Setzen(bild_, linksOben * v, farbe.rgb());
    Fertig();
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
    QPainter& p = Painter();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(QRectF(l / v, t / v, (re - l) / v, (u - t) / v), Zustand.Pinselfarbe);
    angewandt_.reset();
    Fertig();
}

void Leinwand::BildSetzen(QPoint geraetepunkt, const QImage& bild) {
    const QRect ziel(geraetepunkt, bild.size());
    if (!ziel.intersects(bild_.rect())) return;
    QPainter& p = Painter();
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.drawImage(QPointF(geraetepunkt) / Pixelverhaeltnis(), bild);
    angewandt_.reset();
    Fertig();
}

Leinwand::Stapel::Stapel(Leinwand& l) : l_(l) {
    ++l_.stapelTiefe_;
}

Leinwand::Stapel::~Stapel() {
    if (--l_.stapelTiefe_ > 0) return;
    l_.painter_.reset();
    if (!l_.veraendert_) return;
    l_.veraendert_ = false;
    if (l_.Geaendert) l_.Geaendert();
}
