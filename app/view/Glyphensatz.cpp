#include "view/Glyphensatz.h"

#include <QGlyphRun>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace {

// The largest scratch area of a glyph in device pixels; a text with a larger glyph is drawn.
constexpr qint64 GroessteFlaeche = 1 << 20;

// Characters the layout sets as the painter does: the layout shows a soft hyphen at the end of
// its line, and controls and tabs have rules of their own.
bool Schlicht(const QString& s) {
    for (const QChar c : s) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u < 0xA0) || u == 0xAD) return false;
    }
    return true;
}

} // namespace

void Glyphensatz::Einrichten(const QFont& normal, const QFont& fett, qreal pixelverhaeltnis) {
    schriften_[0] = {normal, {}, {}};
    schriften_[1] = {fett, {}, {}};
    verhaeltnis_ = pixelverhaeltnis == std::floor(pixelverhaeltnis) ? static_cast<int>(pixelverhaeltnis) : 0;
    geraet_ = QImage(1, 1, QImage::Format_RGB32);
    geraet_.setDevicePixelRatio(pixelverhaeltnis);
    kratz_ = QImage();
}

std::optional<Glyphensatz::Satz> Glyphensatz::Setzen(const QString& s, bool fett, int oberlaenge) {
    if (verhaeltnis_ < 1 || !Schlicht(s)) return std::nullopt;
    Schrift& schrift = schriften_[fett ? 1 : 0];
    QTextLayout layout(s, schrift.font, &geraet_);
    layout.setCacheEnabled(true); // else the glyph runs are shaped a second time
    layout.beginLayout();
    const QTextLine zeile = layout.createLine();
    layout.endLayout();
    const int v = verhaeltnis_;
    teile_.clear();
    for (const QGlyphRun& lauf : layout.glyphRuns()) {
        if (lauf.flags() != QGlyphRun::GlyphRunFlags()) return std::nullopt;
        if (!schrift.roh.isValid())
            schrift.roh = lauf.rawFont();
        else if (lauf.rawFont() != schrift.roh)
            return std::nullopt;
        const QList<quint32> glyphen = lauf.glyphIndexes();
        const QList<QPointF> orte = lauf.positions();
        for (qsizetype i = 0; i < glyphen.size(); ++i) {
            const Schablone* glyphe = Glyphe(schrift, glyphen[i]);
            if (!glyphe || orte[i].y() != zeile.ascent()) return std::nullopt;
            teile_.push_back({glyphe, QPoint(static_cast<int>(std::floor(orte[i].x() * v)), oberlaenge * v)});
        }
    }
    std::optional<Schablone> bild = Schablone::Zusammensetzen(teile_);
    if (!bild) return std::nullopt;
    return Satz{qRound(zeile.horizontalAdvance()), std::move(*bild)};
}

const Schablone* Glyphensatz::Glyphe(Schrift& schrift, std::uint32_t index) {
    auto [it, neu] = schrift.glyphen.try_emplace(index);
    if (neu) {
        // At the start of a device pixel and just before its end: a glyph that differs is drawn.
        it->second = Zeichnen(schrift.roh, index, 0);
        if (it->second && Zeichnen(schrift.roh, index, 63.0 / 64) != it->second) it->second.reset();
    }
    return it->second ? &*it->second : nullptr;
}

std::optional<Schablone> Glyphensatz::Zeichnen(const QRawFont& roh, std::uint32_t index, qreal bruchteil) {
    // Room around the glyph's box for pixels the box leaves out; a glyph whose ink reaches the
    // edge of the room gets no stencil.
    const QRectF kasten = roh.boundingRect(index);
    const int rand = static_cast<int>(roh.pixelSize() / 4) + 2;
    const QPoint ursprung(rand - static_cast<int>(std::floor(kasten.left())),
                          rand - static_cast<int>(std::floor(kasten.top())));
    const QSize flaeche(static_cast<int>(std::ceil(kasten.width())) + 2 * rand + 1,
                        static_cast<int>(std::ceil(kasten.height())) + 2 * rand + 1);
    const int v = verhaeltnis_;
    const QRect bereich(0, 0, flaeche.width() * v, flaeche.height() * v);
    if (qint64(bereich.width()) * bereich.height() > GroessteFlaeche) return std::nullopt;
    if (kratz_.width() < bereich.width() || kratz_.height() < bereich.height()) {
        kratz_ = QImage(std::max(kratz_.width(), bereich.width()),
                        std::max(kratz_.height(), bereich.height()), QImage::Format_RGB32);
        kratz_.setDevicePixelRatio(v);
    }
    kratz_.fill(Qt::white);
    {
        QPainter p(&kratz_);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.setPen(Qt::black);
        QGlyphRun lauf;
        lauf.setRawFont(roh);
        lauf.setGlyphIndexes({index});
        lauf.setPositions({QPointF(ursprung) + QPointF(bruchteil / v, 0)});
        p.drawGlyphRun(QPointF(0, 0), lauf);
    }
    return Schablone::Aufnehmen(kratz_, bereich, ursprung * v);
}
