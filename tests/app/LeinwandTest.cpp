#include "Testprogramm.h"
#include "MalerHilfen.h"

#include <QtTest>

#include <cmath>
#include <optional>

class LeinwandTest : public QObject {
    Q_OBJECT
  private slots:
    void nichtXorZweimalStelltWiederHer() {
        // Neighbouring pixels all differ, so a pixel changed twice or not at all cannot hide. On
        // a scaled screen too, where the figures fall on device pixels at fractional places.
        for (const qreal verhaeltnis : {1.0, 1.5, 2.0}) {
            Leinwand l;
            l.Resize(120, 90, verhaeltnis);
            QImage& bild = const_cast<QImage&>(l.Image());
            for (int y = 0; y < bild.height(); ++y)
                for (int x = 0; x < bild.width(); ++x)
                    bild.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x + y) * 5 % 256));
            const QImage vorher = bild.copy();
            Stift& s = l.Zustand;
            s.NichtXor = true;
            s.Farbe = QColor(20, 200, 90), s.Pinselfarbe = QColor(90, 40, 250),
            s.Schriftfarbe = QColor(200, 10, 50);
            for (int i = 0; i < 16; ++i) {
                s.Breite = 1 + i / 4, s.Gepunktet = s.Fett = i & 1, s.PinselKlar = i & 2;
                for (int mal = 1; mal <= 2; ++mal) {
                    l.MoveTo(3, 87);
                    l.LineTo(117, 4);
                    l.LineTo(60, 60);
                    l.Rectangle(10, 10, 70, 50);
                    l.Ellipse(100, 80, 30, 20);
                    l.Ellipse(50, 50, 52, 51);
                    l.TextOut(20, 30, QStringLiteral("Xäg1"));
                    QVERIFY2((l.Image() == vorher) == (mal == 2),
                             qPrintable(QStringLiteral("Verhältnis %1, Fall %2").arg(verhaeltnis).arg(i)));
                }
            }
        }
    }

    void gefuellteFigurImXorModusOhneLoecher() {
        // On white, not-xor with black paints black; a pixel inverted twice would stay white.
        for (const qreal verhaeltnis : {1.0, 1.5, 2.0}) {
            Leinwand l;
            l.Resize(80, 80, verhaeltnis);
            l.Zustand.Farbe = l.Zustand.Pinselfarbe = Qt::black;
            l.Zustand.Breite = 3;
            l.Zustand.NichtXor = true;
            l.Ellipse(10, 10, 70, 70);
            const QRect tinte = Tinte(l.Image());
            const int mitte = static_cast<int>(40 * verhaeltnis);
            QVERIFY(tinte.width() >= 60 * verhaeltnis);
            QCOMPARE(Zaehlen(l.Image(), qRgb(0, 0, 0), QRect(tinte.left(), mitte, tinte.width(), 1)),
                     tinte.width());
        }
    }

    void geraetepixelBeiSkalierung() {
        // Sizes stay logical; the image holds the device pixels. A pen covers a whole number of
        // device pixels, the same number wherever the line lies (at 1.5 a width of 1 would
        // otherwise come out one or two pixels thick, row by row).
        const struct {
            qreal verhaeltnis;
            int breite, dicke;
        } faelle[] = {{1, 1, 1}, {1, 3, 3},   {2, 1, 2},   {2, 2, 4},
                      {2, 3, 6}, {1.5, 1, 2}, {1.5, 2, 3}, {1.5, 3, 4}};
        for (const auto& f : faelle) {
            const QString fall = QStringLiteral("%1 × %2").arg(f.verhaeltnis).arg(f.breite);
            Leinwand l;
            l.Resize(61, 41, f.verhaeltnis);
            QCOMPARE(l.Breite(), 61);
            QCOMPARE(l.Hoehe(), 41);
            QCOMPARE(l.Image().size(),
                     QSize(int(std::ceil(61 * f.verhaeltnis)), int(std::ceil(41 * f.verhaeltnis))));
            l.Zustand.Breite = f.breite;
            for (int y : {10, 17, 25, 30}) {
                l.MoveTo(5, y);
                l.LineTo(55, y);
                l.MoveTo(y + 11, 37);
                l.LineTo(y + 11, 40);
            }
            // Every column through the four rows, and every row through the four columns.
            for (int x = int(10 * f.verhaeltnis); x < int(50 * f.verhaeltnis); x += 3)
                for (int y : {10, 17, 25, 30}) {
                    const int oben = int((y - 3) * f.verhaeltnis), unten = int((y + 3) * f.verhaeltnis);
                    QVERIFY2(Zaehlen(l.Image(), qRgb(0, 0, 0), QRect(x, oben, 1, unten - oben)) == f.dicke,
                             qPrintable(fall));
                }
            for (int x : {21, 28, 36, 41}) {
                const int links = int((x - 3) * f.verhaeltnis), rechts = int((x + 3) * f.verhaeltnis);
                QVERIFY2(Zaehlen(l.Image(), qRgb(0, 0, 0),
                                 QRect(links, int(38 * f.verhaeltnis), rechts - links, 1)) == f.dicke,
                         qPrintable(fall));
            }
        }
    }

    void texteLogischGemessenUndScharf() {
        // The same text measures the same in logical pixels at every ratio, and is drawn with
        // the device pixels: its ink at ratio 2 is about twice as tall (the glyphs of the larger
        // size are hinted on their own) and starts at the same place.
        const QString text = QStringLiteral("Hägel 1");
        QRect tinte[2];
        QSize masse[2];
        for (int i = 0; i < 2; ++i) {
            Leinwand l;
            l.Resize(100, 40, i + 1);
            masse[i] = l.TextExtent(text);
            l.TextOut(10, 5, text);
            tinte[i] = Tinte(l.Image());
        }
        QCOMPARE(masse[1], masse[0]);
        QVERIFY(!tinte[0].isNull());
        const double hoehen = double(tinte[1].height()) / tinte[0].height();
        QVERIFY2(hoehen > 1.6 && hoehen < 2.4,
                 qPrintable(QStringLiteral("%1 gegen %2").arg(tinte[1].height()).arg(tinte[0].height())));
        QVERIFY(std::abs(tinte[1].left() - 2 * tinte[0].left()) <= 3);
        QVERIFY(std::abs(tinte[1].bottom() - 2 * tinte[0].bottom()) <= 4);
    }

    void fuellenErreichtJedesGeraetepixel() {
        // Clearing the whole canvas leaves no stale pixel at the edges, also where a logical
        // pixel ends in the middle of a device pixel.
        for (const qreal verhaeltnis : {1.0, 1.25, 1.5, 2.0}) {
            Leinwand l;
            l.Resize(101, 51, verhaeltnis);
            const_cast<QImage&>(l.Image()).fill(Qt::black);
            l.Zustand.Pinselfarbe = Qt::white;
            l.FillRect(QRect(0, 0, l.Breite(), l.Hoehe() + 1));
            QCOMPARE(Tinte(l.Image()), QRect());
            // A part of the canvas takes the device pixels it touches, no more.
            const_cast<QImage&>(l.Image()).fill(Qt::black);
            l.FillRect(QRect(10, 10, 20, 20));
            const int von = int(std::floor(10 * verhaeltnis)), bis = int(std::ceil(30 * verhaeltnis));
            QCOMPARE(Tinte(l.Image()), l.Image().rect());
            QCOMPARE(Zaehlen(l.Image(), Weiss), (bis - von) * (bis - von));
            QCOMPARE(Zaehlen(l.Image(), Weiss, QRect(von, von, bis - von, bis - von)),
                     (bis - von) * (bis - von));
        }
    }

    void stapelMeldetEinmal() {
        // The widget repaints once per batch, however deeply nested, not once per primitive.
        Leinwand l;
        l.Resize(50, 50);
        int meldungen = 0;
        l.Geaendert = [&] { ++meldungen; };
        std::optional<Leinwand::Stapel> aussen(std::in_place, l), innen(std::in_place, l);
        l.LineTo(20, 20);
        innen.reset();
        l.TextOut(0, 0, QStringLiteral("a"));
        QCOMPARE(meldungen, 0);
        aussen.reset();
        QCOMPARE(meldungen, 1);
        l.LineTo(10, 10);
        QCOMPARE(meldungen, 2);
    }
};

VEKTRA_TESTPROGRAMM(LeinwandTest)
#include "LeinwandTest.moc"
