#include "MalerHilfen.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

// At level 4 with origin (-2,-2): 9 pixels per unit.
int Sx(double x) {
    return static_cast<int>(9 * (x + 2));
}
int Sy(double y, int hoehe = 300) {
    return hoehe - static_cast<int>(9 * (y + 2));
}

// Pixels of `farbe` in the column x within 6 rows of row y: the thickness of a horizontal stroke.
int Dicke(const QImage& bild, int x, int y, QRgb farbe) {
    return Zaehlen(bild, farbe, QRect(x, y - 6, 1, 13));
}

} // namespace

class MalerTest : public QObject {
    Q_OBJECT
  private slots:
    void linienJeBreitenklasse();
    void statusfarben();
    void kreiseOffenUndGefuellt();
    void reihenfolgeNachEbene();
    void geloeschteMalenNichts();
    void xorZweimalStelltWiederHer();
    void gitterUndLineale();
    void gitterBeiStufe0();
    void neuzeichnenBehaeltStiftUndFigur();
    void fadenkreuz();
    void linieUeberDemFadenkreuz();
    void flaecheMeldetEreignisse();
};

void MalerTest::linienJeBreitenklasse() {
    Malaufbau a;
    const std::int32_t blau = 0xFF0000; // 0x00BBGGRR
    for (int klasse = -1; klasse <= 2; ++klasse)
        a.Strich(0, 5 * (klasse + 2), 30, 5 * (klasse + 2), klasse, blau);
    vektra::TElement& spitze = a.Strich(0, 25, 30, 25, 1, blau);
    spitze.Art = vektra::Pfeilspitze;
    a.Neu();
    const QRgb b = qRgb(0, 0, 255), unsichtbar = qRgb(128, 0, 0);
    const int x = Sx(15);
    QCOMPARE(Zaehlen(a.Bild(), unsichtbar) + Zaehlen(a.Bild(), b, QRect(x, Sy(5) - 6, 1, 13)), 0);
    QCOMPARE(Dicke(a.Bild(), x, Sy(10), b), 1);
    QCOMPARE(Dicke(a.Bild(), x, Sy(15), b), 2);
    QCOMPARE(Dicke(a.Bild(), x, Sy(20), b), 3);
    QCOMPARE(Dicke(a.Bild(), x, Sy(25), b), 2);

    // The invisible class shows in its own colour once it has a screen width; a thin class of
    // width 0 disappears while its elements stay.
    a.doc.Kopf.PixelBreite = {2, 0, 4, 3};
    a.Neu();
    QCOMPARE(Dicke(a.Bild(), x, Sy(5), unsichtbar), 2);
    QCOMPARE(Dicke(a.Bild(), x, Sy(5), b), 0);
    QCOMPARE(Dicke(a.Bild(), x, Sy(10), b), 0);
    QCOMPARE(Dicke(a.Bild(), x, Sy(15), b), 4);
    QCOMPARE(a.doc.Elemente.Anzahl(), 5);

    // A class from a damaged file paints like the nearest valid one instead of reading past the table.
    a.doc.Elemente[3].Breite = 7;
    a.Neu();
    QCOMPARE(Dicke(a.Bild(), x, Sy(15), b), 3);
}

void MalerTest::statusfarben() {
    Malaufbau a;
    a.doc.Kopf.PixelBreite = {1, 1, 1, 1};
    const QRgb gepickt = qRgb(255, 0, 255), kandidat = qRgb(0, 128, 0), unsichtbar = qRgb(128, 0, 0);
    a.Strich(0, 2, 30, 2).gepickt = true;
    vektra::TElement& beides = a.Strich(0, 4, 30, 4);
    beides.gepickt = beides.Kandidat = true;
    a.Strich(0, 6, 30, 6, -1).gepickt = true;
    vektra::TElement& k = a.Strich(0, 8, 30, 8, -1);
    k.Kandidat = true;
    a.Strich(0, 10, 30, 10, 0, 0x00FF00);
    a.Kreis(10, 20, 4, true).gepickt = true;
    vektra::TElement& t = a.Text(30, 20, "WW");
    t.Kandidat = true;
    a.Neu();
    const int x = Sx(15);
    QCOMPARE(a.Bild().pixel(x, Sy(2)), gepickt);
    QCOMPARE(a.Bild().pixel(x, Sy(4)), kandidat);
    QCOMPARE(a.Bild().pixel(x, Sy(6)), unsichtbar);
    QCOMPARE(a.Bild().pixel(x, Sy(8)), unsichtbar);
    QCOMPARE(a.Bild().pixel(x, Sy(10)), qRgb(0, 255, 0));
    // A picked filled circle is filled in the picked colour too.
    QCOMPARE(a.Bild().pixel(Sx(10), Sy(20)), gepickt);
    QVERIFY(Zaehlen(a.Bild(), kandidat, QRect(Sx(30) - 40, Sy(20) - 40, 80, 80)) > 0);
}

void MalerTest::kreiseOffenUndGefuellt() {
    Malaufbau a;
    const std::int32_t rot = 0x0000FF;
    a.Kreis(10, 10, 10, false, rot);
    a.Kreis(30, 10, 10, true, rot);
    a.Kreis(20, 25, 10, false, rot).Breite = 0;
    a.doc.Kopf.PixelBreite = {0, 0, 2, 3};
    a.Neu();
    const QRgb r = qRgb(255, 0, 0);
    // Open: ring 45 pixels around the centre, white inside.
    QCOMPARE(a.Bild().pixel(Sx(10), Sy(10)), Weiss);
    QVERIFY(Zaehlen(a.Bild(), r, QRect(Sx(10) - 48, Sy(10), 8, 1)) > 0);
    QVERIFY(Zaehlen(a.Bild(), r, QRect(Sx(10) + 40, Sy(10), 8, 1)) > 0);
    QVERIFY(Zaehlen(a.Bild(), r, QRect(Sx(10), Sy(10) - 48, 1, 8)) > 0);
    // Filled: one colour from edge to edge.
    QCOMPARE(Zaehlen(a.Bild(), r, QRect(Sx(30) - 40, Sy(10), 80, 1)), 80);
    // Width 0 paints nothing.
    QCOMPARE(Zaehlen(a.Bild(), r, QRect(Sx(20) - 50, Sy(25) - 50, 100, 100)), 0);
    // The brush is clear again afterwards.
    QVERIFY(a.zf.Flaeche().Zustand.PinselKlar);
}

void MalerTest::reihenfolgeNachEbene() {
    Malaufbau a;
    a.doc.Kopf.PixelBreite = {1, 1, 3, 3};
    a.Text(10, 10, "WWWW");               // text above everything
    a.Kreis(10, 10, 6, true, 0xFF0000);   // blue disc
    a.Strich(10, 0, 10, 20, 1, 0x0000FF); // red line through the disc, created after it
    a.Neu();
    QCOMPARE(a.Bild().pixel(Sx(10), Sy(8)), qRgb(0, 0, 255));
    // Draw order follows Ebene alone, then creation order.
    a.doc.Elemente[3].Ebene = 7;
    a.Neu();
    QCOMPARE(a.Bild().pixel(Sx(10), Sy(8)), qRgb(255, 0, 0));
    a.doc.Elemente[3].Ebene = 5;
    a.Neu();
    QCOMPARE(a.Bild().pixel(Sx(10), Sy(8)), qRgb(255, 0, 0));
    a.doc.Elemente[2].Ebene = 5;
    a.doc.Elemente[3].Ebene = 4;
    a.Neu();
    QCOMPARE(a.Bild().pixel(Sx(10), Sy(8)), qRgb(0, 0, 255));
    // The text lies on top of both.
    QVERIFY(Zaehlen(a.Bild(), qRgb(0, 0, 0)) > 0);
    // Classes outside 0..9 are not painted.
    a.doc.Elemente[1].Ebene = 10;
    a.doc.Elemente[2].Ebene = -1;
    a.doc.Elemente[3].Ebene = 0;
    a.Neu();
    QCOMPARE(Zaehlen(a.Bild(), qRgb(0, 0, 0)), 0);
    QCOMPARE(Zaehlen(a.Bild(), qRgb(0, 0, 255)), 0);
    QVERIFY(Zaehlen(a.Bild(), qRgb(255, 0, 0)) > 0);
}

void MalerTest::geloeschteMalenNichts() {
    Malaufbau a;
    a.Strich(0, 0, 30, 30).geloescht = true;
    a.Kreis(10, 10, 5, true).geloescht = true;
    a.Text(10, 10, "Hallo").geloescht = true;
    a.Neu();
    QCOMPARE(Tinte(a.Bild()), QRect());
    for (int i = 1; i <= 3; ++i)
        a.m.ElementZeichnen(i);
    a.m.ElementZeichnen(0);
    a.m.ElementZeichnen(4);
    QCOMPARE(Tinte(a.Bild()), QRect());
}

void MalerTest::xorZweimalStelltWiederHer() {
    Malaufbau a;
    a.m.Gitter = true;
    a.doc.Kopf.PixelBreite = {2, 1, 2, 3};
    for (int klasse = -1; klasse <= 2; ++klasse)
        a.Strich(-1, klasse, 33, 20 - klasse, klasse, 0x123456 * (klasse + 2));
    a.Kreis(10, 10, 8, false, 0x00AA00);
    a.Kreis(12, 12, 8, true, 0xAA0000).gepickt = true;
    a.Text(15, 15, "Xyz", "tl").Kandidat = true;
    a.Text(5, 25, "\xC4rger", "br");
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

void MalerTest::gitterUndLineale() {
    Malaufbau a;
    a.m.Gitter = true;
    a.Neu();
    const QRgb rot = qRgb(255, 0, 0), grau = qRgb(128, 128, 128);
    // Lines every unit, red every ten, through the zero point 18 pixels in.
    QCOMPARE(a.Bild().pixel(200, Sy(0)), rot);
    QCOMPARE(a.Bild().pixel(200, Sy(10)), rot);
    QCOMPARE(a.Bild().pixel(200, Sy(1)), grau);
    QCOMPARE(a.Bild().pixel(200, Sy(0) - 4), Weiss);
    QCOMPARE(a.Bild().pixel(Sx(0), 100), rot);
    QCOMPARE(a.Bild().pixel(Sx(3), 100), grau);
    QCOMPARE(a.Bild().pixel(Sx(0) + 4, 100), Weiss);
    QCOMPARE(Zaehlen(a.Bild(), rot, QRect(200, 0, 1, 300)), 4);   // y = 0, 10, 20, 30
    QCOMPARE(Zaehlen(a.Bild(), grau, QRect(200, 0, 1, 300)), 29); // the rest of y = -1 .. 31

    // Labels: centred on their lines, the horizontal ruler shifted by the vertical ruler's width.
    const QSize null = a.v.Flaeche().TextExtent("0");
    const QRect vTinte = Tinte(a.v.Flaeche().Image().copy(0, 0, 40, Sy(5)));
    QVERIFY(!vTinte.isNull());
    QVERIFY(QRect(1, Sy(0) - null.height() / 2, null.width(), null.height())
                .contains(Tinte(a.v.Flaeche().Image().copy(0, Sy(5), 40, 300 - Sy(5))).translated(0, Sy(5))));
    const QRect hNull = Tinte(a.h.Flaeche().Image().copy(0, 0, 40 + Sx(5), 20));
    QVERIFY(QRect(40 + Sx(0) - null.width() / 2, 1, null.width(), null.height()).contains(hNull));
    QVERIFY(!hNull.isNull());

    Malaufbau breiter(400, 300, 60);
    breiter.m.Gitter = true;
    breiter.Neu();
    QCOMPARE(Tinte(breiter.h.Flaeche().Image().copy(0, 0, 60 + Sx(5), 20)), hNull.translated(20, 0));

    // Negative values get lines and labels like positive ones.
    a.view.NullX = a.view.NullY = -25;
    a.Neu();
    QCOMPARE(a.Bild().pixel(200, 300 - 9 * 5), rot); // y = -20
    QCOMPARE(a.Bild().pixel(9 * 5, 100), rot);       // x = -20
    QVERIFY(Zaehlen(a.v.Flaeche().Image(), qRgb(0, 0, 0), QRect(0, 300 - 45 - 10, 40, 20)) > 0);
    QVERIFY(Tinte(a.v.Flaeche().Image().copy(0, 300 - 45 - 10, 40, 20)).width() > null.width()); // "-20"

    // An origin at the ends of the 32-bit range still gives a finite grid in the right places.
    a.view.NullX = 2147483627;
    a.view.NullY = -2147483647 - 1;
    a.Neu();
    QCOMPARE(a.Bild().pixel(9 * 3, 100), rot);    // x = 2147483630
    QCOMPARE(a.Bild().pixel(200, 300 - 72), rot); // y = -2147483640
    QCOMPARE(a.Bild().pixel(9 * 3 + 9, 100), grau);

    // Grid off: surface and rulers blank, whatever they showed before.
    a.m.Gitter = false;
    a.Neu();
    QCOMPARE(Tinte(a.Bild()), QRect());
    QCOMPARE(Tinte(a.v.Flaeche().Image()), QRect());
    QCOMPARE(Tinte(a.h.Flaeche().Image()), QRect());
}

void MalerTest::gitterBeiStufe0() {
    Malaufbau a;
    a.m.Gitter = true;
    a.doc.Kopf.Zoomstufe = 0;
    a.Neu();
    QCOMPARE(a.view.Zoomfaktor, 1.0 / 3.0);
    // One pixel a unit: minor lines every 5 units, red every 50.
    QCOMPARE(a.Bild().pixel(2 + 5, 100), qRgb(128, 128, 128));
    QCOMPARE(a.Bild().pixel(2 + 3, 100), Weiss);
    QCOMPARE(a.Bild().pixel(2 + 50, 100), qRgb(255, 0, 0));
    QCOMPARE(a.Bild().pixel(2 + 100, 100), qRgb(255, 0, 0));
    QCOMPARE(a.Bild().pixel(100, 298 - 250), qRgb(255, 0, 0));
    QCOMPARE(Zaehlen(a.Bild(), qRgb(255, 0, 0), QRect(0, 100, 400, 1)), 8); // x = 0, 50, ..., 350
}

void MalerTest::neuzeichnenBehaeltStiftUndFigur() {
    Malaufbau a;
    a.Strich(0, 10, 30, 10);
    Leinwand& L = a.zf.Flaeche();
    L.Zustand.Farbe = Qt::cyan;
    L.Zustand.Pinselfarbe = Qt::yellow;
    L.Zustand.Breite = 4;
    L.Zustand.Gepunktet = true;
    a.m.Figur = Maler::FigurEllipse;
    a.doc.Kopf.Zoomstufe = 8;
    int aufrufe = 0;
    a.m.zeichneneu([&] {
        ++aufrufe;
        QVERIFY(!zeichnetGerade);
        QVERIFY(a.m.bereit);
    });
    QCOMPARE(aufrufe, 1);
    QCOMPARE(L.Zustand.Farbe, QColor(Qt::cyan));
    QCOMPARE(L.Zustand.Pinselfarbe, QColor(Qt::yellow));
    QCOMPARE(L.Zustand.Breite, 4);
    QCOMPARE(a.m.Figur, Maler::FigurEllipse);
    QCOMPARE(a.view.Zoomfaktor, 20.0);
    QCOMPARE(a.view.Hoehe, 300);
    // A dotted tool pen does not make the elements dotted, and stays set for the tool.
    a.doc.Kopf.Zoomstufe = 4;
    a.doc.Elemente[1].geloescht = true;
    a.Neu();
    a.doc.Elemente[1].geloescht = false;
    L.Zustand.Gepunktet = true;
    a.m.ElementZeichnen(1);
    QVERIFY(L.Zustand.Gepunktet);
    QCOMPARE(Zaehlen(a.Bild(), qRgb(0, 0, 0), QRect(Sx(0), Sy(10) - 3, Sx(30) - Sx(0), 7)),
             2 * (Sx(30) - Sx(0)));
}

void MalerTest::fadenkreuz() {
    Malaufbau a;
    a.Neu();
    const QImage leer = a.Bild().copy();
    QString anzeige;
    a.m.Positionsanzeige = [&](const QString& s) { anzeige = s; };
    a.m.FadenkreuzZeichnen(QPoint(18, 282));
    QCOMPARE(anzeige, QStringLiteral("(0,0)"));
    QVERIFY(a.m.FadenkreuzGezeigt());
    QCOMPARE(a.m.FadenkreuzPosition(), QPoint(18, 282));
    QCOMPARE(a.Bild().pixel(14, 282), qRgb(0, 0, 0));
    QCOMPARE(a.Bild().pixel(18, 278), qRgb(0, 0, 0));
    QVERIFY(Tinte(a.Bild()).width() <= 12);
    // Moving takes the old cross away.
    a.m.FadenkreuzZeichnen(QPoint(100, 100));
    QCOMPARE(a.Bild().pixel(14, 282), Weiss);
    QCOMPARE(a.Bild().pixel(96, 100), qRgb(0, 0, 0));
    QCOMPARE(anzeige, QStringLiteral("(9,20)"));
    // A redraw brings it back at the same place; erasing leaves the clean picture.
    a.Neu();
    QCOMPARE(a.Bild().pixel(96, 100), qRgb(0, 0, 0));
    a.m.FadenkreuzLoeschen();
    QVERIFY(!a.m.FadenkreuzGezeigt());
    QCOMPARE(a.Bild(), leer);
    a.m.FadenkreuzLoeschen();
    QCOMPARE(a.Bild(), leer);
    // Forgetting marks it gone without touching the picture.
    a.m.FadenkreuzZeichnen(QPoint(50, 50));
    const QImage mitKreuz = a.Bild().copy();
    a.m.FadenkreuzVergessen();
    QVERIFY(!a.m.FadenkreuzGezeigt());
    QCOMPARE(a.Bild(), mitKreuz);
    // The pen is the same afterwards.
    QCOMPARE(a.zf.Flaeche().Zustand.Breite, 1);
    QVERIFY(!a.zf.Flaeche().Zustand.NichtXor);

    // Positions round half to even: 60 pixels a unit puts pixel 150 on x = 0.5.
    a.doc.Kopf.Zoomstufe = 8;
    a.Neu();
    a.m.FadenkreuzZeichnen(QPoint(150, 150));
    QCOMPARE(anzeige, QStringLiteral("(0,0)"));
    a.m.FadenkreuzZeichnen(QPoint(210, 90));
    QCOMPARE(anzeige, QStringLiteral("(2,2)"));
}

void MalerTest::linieUeberDemFadenkreuz() {
    Malaufbau a;
    a.Neu();
    a.m.Figur = Maler::FigurLinie;
    a.m.FigurZeichnen(QPoint(0, 100), QPoint(200, 100), false);
    const QImage nurLinie = a.Bild().copy();
    a.Neu();
    a.m.FadenkreuzZeichnen(QPoint(100, 100));
    a.m.FigurZeichnen(QPoint(0, 100), QPoint(200, 100), false);
    QVERIFY(a.m.FadenkreuzGezeigt());
    a.m.FadenkreuzLoeschen();
    QCOMPARE(a.Bild(), nurLinie);
    // Rubber bands in not-xor vanish when drawn again, rectangles and ellipses alike.
    a.m.FadenkreuzZeichnen(QPoint(100, 100));
    const QImage vorher = a.Bild().copy();
    for (std::uint8_t figur : {Maler::FigurLinie, Maler::FigurRechteck, Maler::FigurEllipse}) {
        a.m.Figur = figur;
        a.m.FigurZeichnen(QPoint(90, 80), QPoint(150, 130), true);
        QVERIFY(a.Bild() != vorher);
        a.m.FigurZeichnen(QPoint(90, 80), QPoint(150, 130), true);
        QCOMPARE(a.Bild(), vorher);
    }
}

void MalerTest::flaecheMeldetEreignisse() {
    qRegisterMetaType<QMouseEvent*>();
    qRegisterMetaType<QKeyEvent*>();
    MyDraw zf;
    QSignalSpy neu(&zf, &MyDraw::neuZeichnen);
    QSignalSpy runter(&zf, &MyDraw::mausRunter);
    QSignalSpy bewegt(&zf, &MyDraw::mausBewegt);
    QSignalSpy hoch(&zf, &MyDraw::mausHoch);
    QSignalSpy taste(&zf, &MyDraw::tasteLos);
    zf.resize(120, 80);
    zf.show();
    QVERIFY(QTest::qWaitForWindowExposed(&zf));
    QVERIFY(neu.count() >= 1);
    zf.resize(150, 90);
    QCOMPARE(zf.Flaeche().Breite(), 150);
    QCOMPARE(zf.Flaeche().Hoehe(), 90);
    QVERIFY(zf.hasMouseTracking());
    QCOMPARE(zf.focusPolicy(), Qt::StrongFocus);
    QTest::mousePress(&zf, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(&zf, QPoint(20, 20));
    QTest::mouseRelease(&zf, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::keyRelease(&zf, Qt::Key_A);
    QCOMPARE(runter.count(), 1);
    QVERIFY(bewegt.count() >= 1);
    QCOMPARE(hoch.count(), 1);
    QCOMPARE(taste.count(), 1);
}

QTEST_MAIN(MalerTest)
#include "MalerTest.moc"
