#include "MalerHilfen.h"

#include <QtTest>

#include <optional>

class LeinwandTest : public QObject {
    Q_OBJECT
  private slots:
    void nichtXorZweimalStelltWiederHer() {
        // Neighbouring pixels all differ, so a pixel changed twice or not at all cannot hide.
        Leinwand l;
        l.Resize(120, 90);
        QImage& bild = const_cast<QImage&>(l.Image());
        for (int y = 0; y < 90; ++y)
            for (int x = 0; x < 120; ++x)
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
                QVERIFY2((l.Image() == vorher) == (mal == 2), qPrintable(QString::number(i)));
            }
        }
    }

    void gefuellteFigurImXorModusOhneLoecher() {
        // On white, not-xor with black paints black; a pixel inverted twice would stay white.
        Leinwand l;
        l.Resize(80, 80);
        l.Zustand.Farbe = l.Zustand.Pinselfarbe = Qt::black;
        l.Zustand.Breite = 3;
        l.Zustand.NichtXor = true;
        l.Ellipse(10, 10, 70, 70);
        const QRect tinte = Tinte(l.Image());
        QVERIFY(tinte.width() >= 60);
        QCOMPARE(Zaehlen(l.Image(), qRgb(0, 0, 0), QRect(tinte.left(), 40, tinte.width(), 1)), tinte.width());
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

QTEST_MAIN(LeinwandTest)
#include "LeinwandTest.moc"
