#include "MalerHilfen.h"

#include <QtTest>

namespace {

// At level 4 with origin (-2,-2): 9 pixels per unit on a surface 300 pixels high.
const auto Sx = [](double x) { return static_cast<int>(9 * (x + 2)); };
const auto Sy = [](double y) { return 300 - static_cast<int>(9 * (y + 2)); };
// Pixels of `farbe` in column x within 6 rows of row y: the thickness of a horizontal stroke.
const auto Dicke = [](const QImage& bild, int x, int y, QRgb farbe) {
    return Zaehlen(bild, farbe, QRect(x, y - 6, 1, 13));
};

const QRgb Gepickt = qRgb(255, 0, 255), Kandidat = qRgb(0, 128, 0), Unsichtbar = qRgb(128, 0, 0);
const QRgb Rot = qRgb(255, 0, 0), Blau = qRgb(0, 0, 255), Schwarz = qRgb(0, 0, 0);

} // namespace

class MalerTest : public QObject {
    Q_OBJECT
  private slots:
    void linienStifte() {
        Malaufbau a;
        for (int klasse = -1; klasse <= 2; ++klasse)
            a.Strich(0, 5 * (klasse + 2), 30, 5 * (klasse + 2), klasse, 0xFF0000);
        a.Strich(0, 25, 30, 25, 1, 0xFF0000).Art = vektra::Pfeilspitze;
        a.Strich(0, 27, 30, 27).gepickt = true;
        vektra::TElement& beides = a.Strich(0, 29, 30, 29);
        beides.gepickt = beides.Kandidat = true;
        a.Strich(0, 31, 30, 31, -1).gepickt = true;
        // Thickness in blue and in the invisible class's colour at y = 5, 10, ..., 25.
        const auto dicken = [&](QRgb farbe) {
            QList<int> d;
            for (int y : {5, 10, 15, 20, 25})
                d << Dicke(a.Bild(), Sx(15), Sy(y), farbe);
            return d;
        };
        a.Neu();
        QCOMPARE(dicken(Blau), (QList<int>{0, 1, 2, 3, 2}));
        QCOMPARE(Zaehlen(a.Bild(), Unsichtbar), 0);
        QCOMPARE(a.Bild().pixel(Sx(15), Sy(27)), Gepickt);
        QCOMPARE(a.Bild().pixel(Sx(15), Sy(29)), Kandidat);
        // The invisible class shows in its own colour, even when picked, once it has a screen
        // width; a thin class of width 0 disappears.
        a.doc.Kopf.PixelBreite = {2, 0, 4, 3};
        a.Neu();
        QCOMPARE(dicken(Blau), (QList<int>{0, 0, 4, 3, 4}));
        QCOMPARE(dicken(Unsichtbar), (QList<int>{2, 0, 0, 0, 0}));
        QCOMPARE(a.Bild().pixel(Sx(15), Sy(31)), Unsichtbar);
        // A class from a damaged file paints like the nearest valid one instead of reading past the table.
        a.doc.Elemente[3].Breite = 7;
        a.Neu();
        QCOMPARE(dicken(Blau), (QList<int>{0, 0, 3, 3, 4}));
    }

    void kreise() {
        Malaufbau a;
        a.Kreis(10, 10, 10, false, 0x0000FF);
        a.Kreis(30, 10, 10, true, 0x0000FF);
        a.Kreis(20, 25, 10, false, 0x0000FF).Breite = 0;
        a.Kreis(10, 25, 4, true).gepickt = true;
        a.doc.Kopf.PixelBreite = {0, 0, 2, 3};
        a.Neu();
        // Open: a ring 45 pixels around the centre, white inside; filled: one colour edge to edge.
        QCOMPARE(a.Bild().pixel(Sx(10), Sy(10)), Weiss);
        QVERIFY(Zaehlen(a.Bild(), Rot, QRect(Sx(10) + 40, Sy(10), 8, 1)) > 0);
        QCOMPARE(Zaehlen(a.Bild(), Rot, QRect(Sx(30) - 40, Sy(10), 80, 1)), 80);
        QCOMPARE(Zaehlen(a.Bild(), Gepickt, QRect(Sx(10) - 15, Sy(25), 30, 1)), 30);
        // Width 0 paints nothing; the brush is clear again afterwards.
        QCOMPARE(Zaehlen(a.Bild(), Rot, QRect(Sx(20) - 50, Sy(25) - 50, 100, 100)), 0);
        QVERIFY(a.zf.Flaeche().Zustand.PinselKlar);
    }

    void reihenfolgeUndGeloeschte() {
        Malaufbau a;
        a.doc.Kopf.PixelBreite = {1, 1, 3, 3};
        a.Text(10, 10, "WWWW");
        a.Kreis(10, 10, 6, true, 0xFF0000);   // blue disc
        a.Strich(10, 0, 10, 20, 1, 0x0000FF); // red line through it, created later
        const auto oben = [&] { return a.Bild().pixel(Sx(10), Sy(8)); };
        a.Neu();
        QCOMPARE(oben(), Blau);
        QVERIFY(Zaehlen(a.Bild(), Schwarz) > 0);
        // Ebene decides, then creation order.
        a.doc.Elemente[3].Ebene = 5;
        a.Neu();
        QCOMPARE(oben(), Rot);
        // Classes outside 0..9 and deleted elements are not painted.
        a.doc.Elemente[1].Ebene = 10;
        a.doc.Elemente[2].Ebene = -1;
        a.doc.Elemente[3].geloescht = true;
        a.Neu();
        a.m.ElementZeichnen(3);
        QCOMPARE(Tinte(a.Bild()), QRect());
    }

    void xorZweimalStelltWiederHer() {
        Malaufbau a;
        a.m.Gitter = true;
        a.doc.Kopf.PixelBreite = {2, 1, 2, 3};
        a.Strich(-1, -1, 33, 21, -1, 0x123456);
        a.Strich(-1, 2, 33, 18, 2, 0x654321);
        a.Kreis(12, 12, 8, true, 0xAA0000).gepickt = true;
        a.Text(15, 15, "\xC4rger", "tl").Kandidat = true;
        a.Neu();
        const QImage vorher = a.Bild().copy();
        a.m.XorModus = true;
        for (int i = 1; i <= a.doc.Elemente.Anzahl(); ++i) {
            a.m.ElementZeichnen(i);
            QVERIFY(a.Bild() != vorher);
            a.m.ElementZeichnen(i);
            QVERIFY2(a.Bild() == vorher, qPrintable(QString::number(i)));
        }
    }

    void gitterUndLineale() {
        Malaufbau a;
        a.m.Gitter = true;
        a.Neu();
        // Lines every unit, red every ten: y = 0, 10, 20, 30 red, the rest of -1 .. 31 grey.
        QCOMPARE(Zaehlen(a.Bild(), Rot, QRect(200, 0, 1, 300)), 4);
        QCOMPARE(Zaehlen(a.Bild(), qRgb(128, 128, 128), QRect(200, 0, 1, 300)), 29);
        // The label "0" is centred on its line, in the horizontal ruler past the vertical one.
        const QSize null = a.h.Flaeche().TextExtent("0");
        QVERIFY(QRect(40 + Sx(0) - null.width() / 2, 1, null.width(), null.height())
                    .contains(Tinte(a.h.Flaeche().Image().copy(0, 0, 40 + Sx(5), 20))));
        // An origin at the ends of the 32-bit range still gives lines in the right places.
        a.view.NullX = 2147483627;
        a.view.NullY = -2147483647 - 1;
        a.Neu();
        QCOMPARE(a.Bild().pixel(9 * 3, 100), Rot);    // x = 2147483630
        QCOMPARE(a.Bild().pixel(200, 300 - 72), Rot); // y = -2147483640
        // Level 0: one pixel a unit, minor lines every 5 units, red every 50.
        a.view.NullX = a.view.NullY = -2;
        a.doc.Kopf.Zoomstufe = 0;
        a.Neu();
        QCOMPARE(a.Bild().pixel(2 + 3, 100), Weiss);
        QCOMPARE(Zaehlen(a.Bild(), Rot, QRect(0, 100, 400, 1)), 8);
        // Grid off: surface and rulers blank, whatever they showed before.
        a.m.Gitter = false;
        a.Neu();
        QCOMPARE(Tinte(a.Bild()) | Tinte(a.v.Flaeche().Image()) | Tinte(a.h.Flaeche().Image()), QRect());
    }

    void neuzeichnenBehaeltStift() {
        Malaufbau a;
        Stift& s = a.zf.Flaeche().Zustand;
        s.Farbe = Qt::cyan;
        s.Breite = 4;
        a.m.Figur = Maler::FigurEllipse;
        int aufrufe = 0;
        a.m.zeichneneu([&] { aufrufe += !zeichnetGerade && a.m.bereit; });
        QCOMPARE(aufrufe, 1);
        QCOMPARE(s.Farbe, QColor(Qt::cyan));
        QCOMPARE(s.Breite, 4);
        QCOMPARE(a.m.Figur, Maler::FigurEllipse);
        // A dotted tool pen does not make an element dotted, and stays set for the tool.
        a.Strich(0, 10, 30, 10);
        s.Gepunktet = true;
        a.m.ElementZeichnen(1);
        QVERIFY(s.Gepunktet);
        QCOMPARE(Zaehlen(a.Bild(), Schwarz, QRect(Sx(0), Sy(10) - 3, Sx(30) - Sx(0), 7)),
                 2 * (Sx(30) - Sx(0)));
    }

    void fadenkreuz() {
        Malaufbau a;
        a.Neu();
        const QImage leer = a.Bild().copy();
        QString anzeige;
        a.m.Positionsanzeige = [&](const QString& s) { anzeige = s; };
        a.m.FadenkreuzZeichnen(QPoint(18, 282));
        QCOMPARE(anzeige, QStringLiteral("(0,0)"));
        QCOMPARE(a.Bild().pixel(14, 282), Schwarz);
        // Moving takes the old cross away; a redraw brings it back; erasing leaves the clean picture.
        a.m.FadenkreuzZeichnen(QPoint(100, 100));
        QCOMPARE(a.Bild().pixel(14, 282), Weiss);
        QCOMPARE(anzeige, QStringLiteral("(9,20)"));
        a.Neu();
        QCOMPARE(a.Bild().pixel(96, 100), Schwarz);
        a.m.FadenkreuzLoeschen();
        a.m.FadenkreuzLoeschen();
        QCOMPARE(a.Bild(), leer);

        // Lines go through the cross without breaking it; rubber bands vanish when drawn again.
        a.m.Figur = Maler::FigurLinie;
        a.m.FigurZeichnen(QPoint(0, 100), QPoint(200, 100), false);
        const QImage nurLinie = a.Bild().copy();
        a.Neu();
        a.m.FadenkreuzZeichnen(QPoint(100, 100));
        a.m.FigurZeichnen(QPoint(0, 100), QPoint(200, 100), false);
        const QImage mitKreuz = a.Bild().copy();
        for (std::uint8_t figur : {Maler::FigurLinie, Maler::FigurRechteck, Maler::FigurEllipse}) {
            a.m.Figur = figur;
            a.m.FigurZeichnen(QPoint(90, 80), QPoint(150, 130), true);
            QVERIFY(a.Bild() != mitKreuz);
            a.m.FigurZeichnen(QPoint(90, 80), QPoint(150, 130), true);
            QCOMPARE(a.Bild(), mitKreuz);
        }
        a.m.FadenkreuzLoeschen();
        QCOMPARE(a.Bild(), nurLinie);

        // Positions round half to even: at 60 pixels a unit, pixel 150 is x = 0.5.
        a.doc.Kopf.Zoomstufe = 8;
        a.Neu();
        a.m.FadenkreuzZeichnen(QPoint(150, 150));
        QCOMPARE(anzeige, QStringLiteral("(0,0)"));
        a.m.FadenkreuzZeichnen(QPoint(210, 90));
        QCOMPARE(anzeige, QStringLiteral("(2,2)"));
    }
};

QTEST_MAIN(MalerTest)
#include "MalerTest.moc"
