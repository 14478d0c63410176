#include "MalerHilfen.h"

#include <QtTest>

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
        l.Zustand.NichtXor = true;
        l.Zustand.Farbe = QColor(20, 200, 90);
        l.Zustand.Pinselfarbe = QColor(90, 40, 250);
        l.Zustand.Schriftfarbe = QColor(200, 10, 50);
        const auto alles = [&] {
            l.MoveTo(3, 87);
            l.LineTo(117, 4);
            l.LineTo(60, 60);
            l.Rectangle(10, 10, 70, 50);
            l.Ellipse(100, 80, 30, 20);
            l.Ellipse(50, 50, 52, 51);
            l.TextOut(20, 30, QStringLiteral("Xäg1"));
        };
        for (int breite : {1, 2, 3, 4})
            for (int art = 0; art < 4; ++art) {
                l.Zustand.Breite = breite;
                l.Zustand.Gepunktet = l.Zustand.Fett = art & 1;
                l.Zustand.PinselKlar = art & 2;
                alles();
                QVERIFY(l.Image() != vorher);
                alles();
                QVERIFY2(l.Image() == vorher, qPrintable(QStringLiteral("%1 %2").arg(breite).arg(art)));
            }
    }

    void gefuellteFigurImXorModusOhneLoecher() {
        // On white, not-xor with black paints black; a pixel inverted twice would stay white.
        Leinwand kopie, xorModus;
        for (Leinwand* l : {&kopie, &xorModus}) {
            l->Resize(80, 80);
            l->Zustand.Farbe = l->Zustand.Pinselfarbe = Qt::black;
            l->Zustand.Breite = 3;
            l->Zustand.NichtXor = l == &xorModus;
            l->Ellipse(10, 10, 70, 70);
        }
        const int soll = Zaehlen(kopie.Image(), qRgb(0, 0, 0)),
                  ist = Zaehlen(xorModus.Image(), qRgb(0, 0, 0));
        QVERIFY2(std::abs(soll - ist) * 100 < soll * 3,
                 qPrintable(QStringLiteral("%1 %2").arg(soll).arg(ist)));
        const QRect tinte = Tinte(xorModus.Image());
        QCOMPARE(Zaehlen(xorModus.Image(), qRgb(0, 0, 0), QRect(tinte.left(), 40, tinte.width(), 1)),
                 tinte.width());
    }

    void stapelMeldetEinmal() {
        // The widget repaints once per batch, however deeply nested, not once per primitive.
        Leinwand l;
        l.Resize(50, 50);
        int meldungen = 0;
        l.Geaendert = [&] { ++meldungen; };
        {
            Leinwand::Stapel aussen(l);
            {
                Leinwand::Stapel innen(l);
                l.LineTo(20, 20);
            }
            l.TextOut(0, 0, QStringLiteral("a"));
            QCOMPARE(meldungen, 0);
        }
        QCOMPARE(meldungen, 1);
        l.LineTo(10, 10);
        QCOMPARE(meldungen, 2);
    }
};

QTEST_MAIN(LeinwandTest)
#include "LeinwandTest.moc"
