#include "view/Textsatzvorrat.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <cmath>

namespace {

// A file of the disk cache: this line with the box in sp, then the page.
constexpr char Kennung[] = "VKSATZ 1";

// TeX's points and PostScript's (dvisvgm draws in the latter).
constexpr double PunktJeBp = 72.27 / 72;
constexpr double Sp = 65536;

// Room around the page's area, in bp, for glyphs reaching beyond their boxes.
constexpr double Rand = 2;

} // namespace

Textsatzvorrat::Textsatzvorrat(QString ordner) : ordner_(std::move(ordner)) {
    if (!ordner_.isEmpty()) QDir().mkpath(ordner_);
}

QString Textsatzvorrat::Pfad(const std::string& schluessel) const {
    return QDir(ordner_).filePath(QString::fromStdString(schluessel) + QStringLiteral(".svg"));
}

Textsatzvorrat::Eintrag* Textsatzvorrat::Finden(const std::string& schluessel) {
    if (auto it = eintraege_.find(schluessel); it != eintraege_.end()) return &it->second;
    if (ordner_.isEmpty()) return nullptr;
    QFile f(Pfad(schluessel));
    if (!f.open(QIODevice::ReadOnly)) return nullptr;
    const QList<QByteArray> kopf = f.readLine(200).trimmed().split(' ');
    Eintrag e;
    bool gut = kopf.size() == 5 && kopf[0] + ' ' + kopf[1] == Kennung;
    for (auto [i, wert] : {std::pair(2, &e.mass.breite), {3, &e.mass.hoehe}, {4, &e.mass.tiefe}})
        if (gut) *wert = kopf[i].toLongLong(&gut);
    e.svg = f.readAll();
    // A damaged file is as good as none: the text is typeset again and the file replaced.
    if (!gut || e.svg.isEmpty()) return nullptr;
    return &eintraege_.insert_or_assign(schluessel, std::move(e)).first->second;
}

Textsatzvorrat::Eintrag& Textsatzvorrat::Ablegen(const std::string& schluessel, const Satzfund& fund) {
    Eintrag e;
    e.mass = fund.mass;
    e.svg = fund.svg;
    e.fehler = fund.fehler;
    if (e.fehler.isEmpty() && !ordner_.isEmpty()) {
        QSaveFile f(Pfad(schluessel));
        const QByteArray kopf = QByteArray(Kennung) + ' ' + QByteArray::number(e.mass.breite) + ' ' +
                                QByteArray::number(e.mass.hoehe) + ' ' + QByteArray::number(e.mass.tiefe) +
                                '\n';
        // A cache that cannot be written only costs the next start a run.
        if (f.open(QIODevice::WriteOnly) && f.write(kopf) == kopf.size() && f.write(e.svg) == e.svg.size())
            f.commit();
    }
    return eintraege_.insert_or_assign(schluessel, std::move(e)).first->second;
}

const QImage& Textsatzvorrat::Bild(Eintrag& e, double geraetJePunkt, qreal verhaeltnis, QRgb farbe) {
    if (!Bereit(e, geraetJePunkt, verhaeltnis)) {
        e.skala = geraetJePunkt;
        e.verhaeltnis = verhaeltnis;
        e.schwarz = e.bild = QImage();
        QSvgRenderer seite(e.svg);
        const QRectF flaeche = seite.viewBoxF().adjusted(-Rand, -Rand, Rand, Rand);
        // The page has the box's top left corner at (0,0), so its baseline is `hoehe` below.
        const double b = geraetJePunkt * PunktJeBp;
        const double dx = flaeche.x() * b, dy = (flaeche.y() - e.mass.hoehe / Sp / PunktJeBp) * b;
        const QPoint versatz(static_cast<int>(std::floor(dx)), static_cast<int>(std::floor(dy)));
        const QSize groesse(static_cast<int>(std::ceil(dx + flaeche.width() * b)) - versatz.x(),
                            static_cast<int>(std::ceil(dy + flaeche.height() * b)) - versatz.y());
        // A page without ink, or one too large to be a text, shows nothing.
        if (seite.isValid() && seite.viewBoxF().isValid() &&
            groesse.width() * qint64(groesse.height()) < (1 << 24)) {
            QImage bild(groesse, QImage::Format_ARGB32_Premultiplied);
            bild.fill(Qt::transparent);
            QPainter p(&bild);
            p.setRenderHint(QPainter::Antialiasing);
            seite.setViewBox(flaeche);
            seite.render(
                &p, QRectF(dx - versatz.x(), dy - versatz.y(), flaeche.width() * b, flaeche.height() * b));
            p.end();
            bild.setDevicePixelRatio(verhaeltnis);
            e.schwarz = bild;
            e.versatz = versatz;
        }
        e.farbe = qRgb(0, 0, 0);
        e.bild = e.schwarz;
    }
    if (!e.schwarz.isNull() && e.farbe != farbe) {
        e.bild = e.schwarz;
        QPainter p(&e.bild);
        p.setCompositionMode(QPainter::CompositionMode_SourceIn);
        p.fillRect(e.bild.rect(), QColor::fromRgb(farbe));
        e.farbe = farbe;
    }
    return e.bild;
}
