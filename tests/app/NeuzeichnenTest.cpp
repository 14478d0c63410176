// The full redraw gives the pixels of the plainest painting of the same drawing: one QPainter,
// every element drawn by the painting rules in Ebene order, nothing skipped, nothing kept from an
// earlier redraw. On plain and scaled screens, at several zoom levels and in every text display.
#include "Testprogramm.h"
#include "DateiSkriptfenster.h"
#include "MalerHilfen.h"

#include "text/Cp1252.h"

#include <QScreen>
#include <QtTest>

#include <cmath>
#include <random>

namespace {

QImage Schlicht(const Malaufbau& a) {
    const vektra::Zeichnung& doc = a.doc;
    const vektra::Ansicht& view = a.view;
    const qreal v = a.zf.devicePixelRatioF();
    QImage bild(int(std::ceil(a.zf.width() * v)), int(std::ceil(a.zf.height() * v)), QImage::Format_RGB32);
    bild.setDevicePixelRatio(v);
    bild.fill(Qt::white);
    QFont normal = a.zf.font();
    normal.setStyleStrategy(QFont::NoAntialias);
    normal.setBold(false);
    QFont fett = normal;
    fett.setBold(true);
    const auto stift = [v](const QColor& farbe, int breite) {
        return QPen(farbe, std::max(1.0, std::nearbyint(std::max(breite, 1) * v)) / v, Qt::SolidLine,
                    Qt::SquareCap, Qt::MiterJoin);
    };
    const auto punkt = [&](double x, double y) { return QPoint(view.XNachPixel(x), view.YNachPixel(y)); };

    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    for (int ebene = 0; ebene <= 9; ++ebene)
        for (int i = 1; i <= doc.Elemente.Anzahl(); ++i) {
            const vektra::TElement& e = doc.Elemente[i];
            if (e.Ebene != ebene || e.geloescht) continue;
            const QColor farbe = Bildfarbe(vektra::Bildfarbe(e, true));
            const int breite = vektra::Bildbreite(doc.Kopf, e.Breite);
            if (e.istStrich() && breite > 0) {
                p.setPen(stift(farbe, breite));
                p.drawLine(punkt(e.x1, e.y1), punkt(e.x2, e.y2));
            } else if (e.Art == vektra::Kreis && breite > 0) {
                const double r = e.Durchmesser / 2;
                const QPoint a1 = punkt(e.x1 + r, e.y1 + r), a2 = punkt(e.x1 - r, e.y1 - r);
                const QRect kasten(std::min(a1.x(), a2.x()), std::min(a1.y(), a2.y()),
                                   std::abs(a1.x() - a2.x()) - 1, std::abs(a1.y() - a2.y()) - 1);
                if (kasten.width() < 0 || kasten.height() < 0) continue;
                p.setPen(stift(farbe, breite));
                p.setBrush(e.gefuellt ? QBrush(farbe) : QBrush());
                p.drawEllipse(kasten);
            } else if (e.Art == vektra::Text) {
                const int anzeige = doc.Kopf.Textanzeige;
                const QString s = anzeige == 0   ? QStringLiteral("T")
                                  : anzeige == 2 ? QString()
                                                 : QString::fromStdString(vektra::Cp1252NachUtf8(
                                                       anzeige == 3 ? e.Ausrichtung : e.Text));
                if (s.isEmpty()) continue;
                const QFont& schrift = anzeige == 0 || anzeige == 3 ? fett : normal;
                const QFontMetrics m(schrift, &bild);
                const vektra::Textversatz t =
                    vektra::TextversatzFuer(e.Ausrichtung, m.horizontalAdvance(s), m.height());
                p.setFont(schrift);
                p.setPen(farbe);
                const QPoint ort = punkt(e.x1, e.y1) - QPoint(int(t.dx), int(t.dy));
                p.drawText(ort + QPoint(0, m.ascent()), s);
            }
        }
    return bild;
}

// Where two pictures first differ; empty when they are equal.
QString Unterschied(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return QStringLiteral("Größe");
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                return QStringLiteral("(%1, %2): %3 statt %4")
                    .arg(x)
                    .arg(y)
                    .arg(a.pixel(x, y), 0, 16)
                    .arg(b.pixel(x, y), 0, 16);
    return {};
}

// A dense drawing of every kind, mostly on the surface, partly across its edges and far off it,
// with the states and values a damaged file may bring.
void Fuellen(Malaufbau& a, unsigned saat) {
    std::mt19937 z(saat);
    const auto zahl = [&](double von, double bis) {
        return std::uniform_real_distribution<double>(von, bis)(z);
    };
    const auto wahl = [&](int n) { return int(z() % unsigned(n)); };
    const std::int32_t farben[] = {0, 0xFF0000, 0x00FF00, 0x0000FF, 0x808080, 0x123456};
    const char* texte[] = {"Hg W\xE4",
                           "AVAT Te",
                           "\x80 5",
                           "a\xAD"
                           "b",
                           "x\ty",
                           "T",
                           "\xC4rger \xDF",
                           "$x_{17}$",
                           "  "};
    const char* ausrichtungen[] = {"cc", "tl", "br", "bl", "tr", "cr", "", "x", "?c", "c"};
    const std::int16_t klassen[] = {-1, 0, 1, 2, 0, 1, 7, -4};
    for (int i = 0; i < 600; ++i) {
        const int art = wahl(10);
        vektra::TElement& e = art < 5   ? a.Strich(0, 0, 0, 0)
                              : art < 8 ? a.Kreis(0, 0, 0, false)
                                        : a.Text(0, 0, texte[wahl(std::size(texte))],
                                                 ausrichtungen[wahl(std::size(ausrichtungen))]);
        e.x1 = zahl(-20, 60);
        e.y1 = zahl(-15, 45);
        e.Farbe = wahl(3) ? farben[wahl(std::size(farben))] : std::int32_t(z() & 0xFFFFFF);
        e.Breite = klassen[wahl(std::size(klassen))];
        if (art == 4) e.Art = vektra::Pfeilspitze;
        if (art < 5) {
            const bool punkt = wahl(20) == 0;
            e.x2 = punkt ? e.x1 : e.x1 + zahl(-25, 25);
            e.y2 = punkt ? e.y1 : e.y1 + zahl(-25, 25);
        } else if (art < 8) {
            e.Durchmesser = wahl(30) == 0 ? zahl(100, 400) : zahl(0, 25);
            e.gefuellt = wahl(2);
        }
        if (wahl(40) == 0) e.x1 = e.y1 = e.x2 = e.y2 = wahl(2) ? 3e7 : -3e7;
        e.gepickt = wahl(5) == 0;
        e.Kandidat = wahl(20) == 0;
        e.geloescht = wahl(10) == 0;
        if (wahl(8) == 0) e.Ebene = wahl(13) - 1;
    }
    a.doc.Kopf.PixelBreite = {2, 1, 2, 3};
}

// Thick lines and circles whose box lies just beyond an edge of the surface at level 4 (9 pixels
// a unit, origin (-2,-2)), so only their pen reaches onto it.
void Randfiguren(Malaufbau& a) {
    const auto x = [](double px) { return px / 9 - 2; };
    const auto y = [&](double py) { return (a.zf.height() - py) / 9 - 2; };
    const int b = a.zf.width(), h = a.zf.height();
    for (const int abstand : {1, 2}) {
        a.Strich(x(20), y(-abstand), x(120), y(-abstand), 2);
        a.Strich(x(20), y(h - 1 + abstand), x(120), y(h - 1 + abstand), 2);
        a.Strich(x(-abstand), y(20), x(-abstand), y(120), 2, 0xFF0000);
        a.Strich(x(b - 1 + abstand), y(20), x(b - 1 + abstand), y(120), 2, 0xFF0000);
        a.Kreis(x(200), y(-abstand - 18), 4, abstand == 1).Breite = 2;
        a.Kreis(x(-abstand - 18), y(150), 4, abstand == 2).Breite = 2;
    }
}

} // namespace

class NeuzeichnenTest : public QObject {
    Q_OBJECT
  private slots:
    void wieSchlichtGemalt() {
        for (const qreal verhaeltnis : {1.0, 2.0, 1.5}) {
            Malaufbau a;
            a.zf.setScreen(Bildschirm(verhaeltnis));
            Fuellen(a, 17);
            Randfiguren(a);
            for (const int stufe : {4, 2, 7}) {
                a.doc.Kopf.Zoomstufe = static_cast<std::int16_t>(stufe);
                for (int anzeige = 0; anzeige <= 3; ++anzeige) {
                    a.doc.Kopf.Textanzeige = static_cast<std::int16_t>(anzeige);
                    // Twice: the second redraw sets what the first one drew.
                    for (int mal = 1; mal <= 2; ++mal) {
                        a.Neu();
                        QCOMPARE(a.zf.Flaeche().Pixelverhaeltnis(), verhaeltnis);
                        const QString fall = QStringLiteral("Verhältnis %1, Stufe %2, Anzeige %3, %4. Mal: ")
                                                 .arg(verhaeltnis)
                                                 .arg(stufe)
                                                 .arg(anzeige)
                                                 .arg(mal);
                        const QString u = Unterschied(a.Bild(), Schlicht(a));
                        QVERIFY2(u.isEmpty(), qPrintable(fall + u));
                    }
                }
            }
        }
    }
};

VEKTRA_TESTPROGRAMM(NeuzeichnenTest)

#include "NeuzeichnenTest.moc"
