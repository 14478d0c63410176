#include "main/Symbole.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include <cmath>

namespace {

const QColor Tinte{20, 20, 20};
const QColor Auswahlfarbe{200, 0, 200};
const QColor Warnfarbe{190, 20, 20};

void Pfeilspitze(QPainter& p, QPointF von, QPointF nach, double laenge) {
    const double a = std::atan2(nach.y() - von.y(), nach.x() - von.x());
    const double w = 0.45;
    p.drawLine(nach, nach - QPointF(laenge * std::cos(a - w), laenge * std::sin(a - w)));
    p.drawLine(nach, nach - QPointF(laenge * std::cos(a + w), laenge * std::sin(a + w)));
}

// A mouse pointer with its tip at (x, y), for the pick glyphs.
void Zeiger(QPainter& p, double x, double y) {
    QPolygonF z{{x, y},         {x, y + 11},   {x + 3, y + 8}, {x + 5.5, y + 13}, {x + 7.5, y + 12},
                {x + 5, y + 7}, {x + 9, y + 7}};
    p.setBrush(Qt::white);
    p.drawPolygon(z);
}

void Lupe(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
    p.setPen(QPen(Tinte, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15, 15), QPointF(21, 21));
    p.setPen(QPen(Tinte, 1.6));
}

void Malen(QPainter& p, Glyphe g) {
    const QPen stift(Tinte, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(stift);
    p.setBrush(Qt::NoBrush);
    switch (g) {
    case Glyphe::Linie:
        p.drawLine(QPointF(4, 20), QPointF(20, 4));
        break;
    case Glyphe::Text: {
        QFont f("Serif");
        f.setPixelSize(20);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRectF(0, 0, 24, 24), Qt::AlignCenter, QStringLiteral("T"));
        break;
    }
    case Glyphe::Kreis:
        p.drawEllipse(QPointF(12, 12), 6, 6);
        break;
    case Glyphe::GefuellterKreis:
        p.setBrush(Tinte);
        p.drawEllipse(QPointF(12, 12), 6, 6);
        break;
    case Glyphe::Pfeil:
        p.drawLine(QPointF(4, 20), QPointF(20, 4));
        Pfeilspitze(p, QPointF(4, 20), QPointF(20, 4), 7);
        break;
    case Glyphe::Strichlinie:
        p.setPen(QPen(Tinte, 1.8, Qt::DashLine, Qt::FlatCap));
        p.drawLine(QPointF(3, 21), QPointF(21, 3));
        break;
    case Glyphe::GrosserKreis:
        p.drawEllipse(QPointF(12, 12), 10, 10);
        p.drawPoint(QPointF(12, 12));
        break;
    case Glyphe::Rechteck:
        p.drawRect(QRectF(4, 6, 16, 12));
        break;
    case Glyphe::Kurve: {
        QPainterPath w;
        w.moveTo(2, 14);
        w.cubicTo(7, 0, 11, 0, 12, 12);
        w.cubicTo(13, 24, 18, 24, 22, 10);
        p.drawPath(w);
        break;
    }
    case Glyphe::Loeschen:
        p.setPen(QPen(Warnfarbe, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(6, 6), QPointF(18, 18));
        p.drawLine(QPointF(18, 6), QPointF(6, 18));
        break;
    case Glyphe::Verschieben:
        p.drawLine(QPointF(12, 3), QPointF(12, 21));
        p.drawLine(QPointF(3, 12), QPointF(21, 12));
        Pfeilspitze(p, QPointF(12, 12), QPointF(12, 3), 4);
        Pfeilspitze(p, QPointF(12, 12), QPointF(12, 21), 4);
        Pfeilspitze(p, QPointF(12, 12), QPointF(3, 12), 4);
        Pfeilspitze(p, QPointF(12, 12), QPointF(21, 12), 4);
        break;
    case Glyphe::TextEditieren: {
        QFont f("Serif");
        f.setPixelSize(16);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRectF(0, 0, 16, 18), Qt::AlignCenter, QStringLiteral("T"));
        p.setPen(QPen(Tinte, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12, 21), QPointF(21, 12));
        break;
    }
    case Glyphe::Auswahl:
        Zeiger(p, 6, 4);
        break;
    case Glyphe::Auswahlflaeche:
        p.setPen(QPen(Tinte, 1, Qt::DotLine));
        p.drawRect(QRectF(2.5, 2.5, 14, 12));
        p.setPen(stift);
        Zeiger(p, 12, 9);
        break;
    case Glyphe::AuswahlAufheben:
        Zeiger(p, 4, 3);
        p.setPen(QPen(Warnfarbe, 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14, 14), QPointF(21, 21));
        p.drawLine(QPointF(21, 14), QPointF(14, 21));
        break;
    case Glyphe::Zoomflaeche:
        Lupe(p);
        p.drawLine(QPointF(7, 10), QPointF(13, 10));
        p.drawLine(QPointF(10, 7), QPointF(10, 13));
        break;
    case Glyphe::Unzoom:
        Lupe(p);
        p.drawLine(QPointF(7, 10), QPointF(13, 10));
        break;
    case Glyphe::NeuZeichnen: {
        p.drawArc(QRectF(4, 4, 16, 16), 60 * 16, 300 * 16);
        const QPointF ende(12 + 8 * std::cos(M_PI / 3), 12 - 8 * std::sin(M_PI / 3));
        Pfeilspitze(p, ende + QPointF(-3, -3), ende, 5);
        break;
    }
    case Glyphe::Nullpunkt:
        p.drawLine(QPointF(4, 2), QPointF(4, 20));
        p.drawLine(QPointF(4, 20), QPointF(22, 20));
        p.setBrush(Auswahlfarbe);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(4, 20), 3, 3);
        break;
    }
}

} // namespace

QIcon Symbol(Glyphe g) {
    QPixmap bild(Glyphengroesse, Glyphengroesse);
    bild.fill(Qt::transparent);
    {
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        Malen(p, g);
    }
    return QIcon(bild);
}
