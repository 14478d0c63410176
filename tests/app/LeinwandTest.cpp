#include "view/Leinwand.h"

#include <QtTest>

namespace {

// A background with every pixel different from its neighbours, so a pixel changed twice or
// not at all cannot hide.
void Muster(Leinwand& l) {
    QImage& bild = const_cast<QImage&>(l.Image());
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            bild.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x + y) * 5 % 256));
}

int Zaehlen(const QImage& bild, QRgb farbe) {
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (bild.pixel(x, y) == farbe) ++n;
    return n;
}

// Rows a horizontal stroke covers in column x.
int Dicke(const QImage& bild, int x, QRgb farbe) {
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        if (bild.pixel(x, y) == farbe) ++n;
    return n;
}

} // namespace

class LeinwandTest : public QObject {
    Q_OBJECT
  private slots:
    void neueFlaecheIstWeiss();
    void linienbreiteUndFarbe();
    void nichtXorZweimalStelltWiederHer();
    void gefuellteFigurImXorModusOhneLoecher();
    void rechteckUndEllipseImKasten();
    void textInSchriftfarbeOhneKantenglaettung();
    void stapelMeldetEinmal();
};

void LeinwandTest::neueFlaecheIstWeiss() {
    Leinwand l;
    l.Resize(30, 20);
    QCOMPARE(l.Breite(), 30);
    QCOMPARE(l.Hoehe(), 20);
    QCOMPARE(Zaehlen(l.Image(), qRgb(255, 255, 255)), 600);
    // A zero size still gives a usable canvas.
    l.Resize(0, 0);
    l.MoveTo(0, 0);
    l.LineTo(5, 5);
    QCOMPARE(l.Breite(), 1);
}

void LeinwandTest::linienbreiteUndFarbe() {
    Leinwand l;
    l.Resize(100, 60);
    l.Zustand.Farbe = QColor(255, 0, 0);
    for (int breite : {0, 1, 2, 3, 5}) {
        l.Zustand.Breite = breite;
        l.Resize(100, 60);
        l.MoveTo(10, 30);
        l.LineTo(90, 30);
        QCOMPARE(l.Position(), QPoint(90, 30));
        QCOMPARE(Dicke(l.Image(), 50, qRgb(255, 0, 0)), std::max(breite, 1));
        // Only the pen colour, no blended edge pixels.
        QCOMPARE(Zaehlen(l.Image(), qRgb(255, 0, 0)) + Zaehlen(l.Image(), qRgb(255, 255, 255)), 6000);
    }
    // A dotted line leaves gaps.
    l.Resize(100, 60);
    l.Zustand.Breite = 1;
    l.Zustand.Gepunktet = true;
    l.MoveTo(10, 30);
    l.LineTo(90, 30);
    const int punkte = Zaehlen(l.Image(), qRgb(255, 0, 0));
    QVERIFY(punkte > 10);
    QVERIFY(punkte < 70);
}

void LeinwandTest::nichtXorZweimalStelltWiederHer() {
    Leinwand l;
    l.Resize(120, 90);
    Muster(l);
    const QImage vorher = l.Image().copy();
    l.Zustand.NichtXor = true;
    l.Zustand.Farbe = QColor(20, 200, 90);
    l.Zustand.Schriftfarbe = QColor(200, 10, 50);
    const auto alles = [&](int breite, bool gepunktet, bool klar) {
        l.Zustand.Breite = breite;
        l.Zustand.Gepunktet = gepunktet;
        l.Zustand.PinselKlar = klar;
        l.Zustand.Pinselfarbe = QColor(90, 40, 250);
        l.MoveTo(3, 87);
        l.LineTo(117, 4);
        l.LineTo(60, 60);
        l.Rectangle(10, 10, 70, 50);
        l.Ellipse(100, 80, 30, 20);
        l.Ellipse(50, 50, 52, 51);
        l.Zustand.Fett = !gepunktet;
        l.TextOut(20, 30, QStringLiteral("Xäg1"));
    };
    for (int breite : {1, 2, 3, 4}) {
        for (bool gepunktet : {false, true}) {
            for (bool klar : {false, true}) {
                alles(breite, gepunktet, klar);
                QVERIFY(l.Image() != vorher);
                alles(breite, gepunktet, klar);
                QVERIFY2(l.Image() == vorher, qPrintable(QStringLiteral("Breite %1").arg(breite)));
            }
        }
    }
}

void LeinwandTest::gefuellteFigurImXorModusOhneLoecher() {
    // On white, not-xor with black paints black; a pixel inverted twice would stay white.
    Leinwand kopie, xorModus;
    for (Leinwand* l : {&kopie, &xorModus}) {
        l->Resize(80, 80);
        l->Zustand.Farbe = Qt::black;
        l->Zustand.Pinselfarbe = Qt::black;
        l->Zustand.Breite = 3;
        l->Zustand.NichtXor = l == &xorModus;
        l->Ellipse(10, 10, 70, 70);
    }
    const int soll = Zaehlen(kopie.Image(), qRgb(0, 0, 0));
    const int ist = Zaehlen(xorModus.Image(), qRgb(0, 0, 0));
    QVERIFY2(std::abs(soll - ist) * 100 < soll * 3, qPrintable(QStringLiteral("%1 %2").arg(soll).arg(ist)));
    // No white hole in the middle row between the outer edges.
    int links = -1, rechts = -1;
    for (int x = 0; x < 80; ++x)
        if (xorModus.Image().pixel(x, 40) == qRgb(0, 0, 0)) {
            if (links < 0) links = x;
            rechts = x;
        }
    for (int x = links; x <= rechts; ++x)
        QCOMPARE(xorModus.Image().pixel(x, 40), qRgb(0, 0, 0));
}

void LeinwandTest::rechteckUndEllipseImKasten() {
    Leinwand l;
    l.Resize(60, 60);
    l.Zustand.PinselKlar = true;
    // Corners in any order; the box's right and bottom edges are outside.
    l.Rectangle(40, 30, 10, 5);
    const QImage& b = l.Image();
    QCOMPARE(b.pixel(10, 5), qRgb(0, 0, 0));
    QCOMPARE(b.pixel(39, 29), qRgb(0, 0, 0));
    QCOMPARE(b.pixel(40, 29), qRgb(255, 255, 255));
    QCOMPARE(b.pixel(39, 30), qRgb(255, 255, 255));
    QCOMPARE(b.pixel(25, 15), qRgb(255, 255, 255)); // clear brush
    l.Resize(60, 60);
    l.Zustand.PinselKlar = false;
    l.Zustand.Pinselfarbe = QColor(0, 0, 255);
    l.Ellipse(50, 50, 10, 10);
    QCOMPARE(l.Image().pixel(30, 30), qRgb(0, 0, 255));
    QCOMPARE(l.Image().pixel(10, 30), qRgb(0, 0, 0));
    QCOMPARE(l.Image().pixel(11, 11), qRgb(255, 255, 255));
    // FillRect fills with the brush colour in copy mode, whatever the pen mode.
    l.Zustand.NichtXor = true;
    l.Zustand.Pinselfarbe = QColor(1, 2, 3);
    l.FillRect(QRect(0, 0, 60, 61));
    QCOMPARE(Zaehlen(l.Image(), qRgb(1, 2, 3)), 3600);
}

void LeinwandTest::textInSchriftfarbeOhneKantenglaettung() {
    Leinwand l;
    l.Resize(200, 60);
    const QSize normal = l.TextExtent(QStringLiteral("WWWW"));
    QVERIFY(normal.width() > 0);
    QVERIFY(normal.height() > 0);
    QCOMPARE(l.TextExtent(QString()).width(), 0);
    l.Zustand.Fett = true;
    QVERIFY(l.TextExtent(QStringLiteral("WWWW")).width() > normal.width());
    l.Zustand.Fett = false;
    l.Zustand.Farbe = Qt::red; // the pen colour does not colour text
    l.Zustand.Schriftfarbe = QColor(0, 0, 200);
    l.TextOut(10, 10, QStringLiteral("WWWW"));
    const int tinte = Zaehlen(l.Image(), qRgb(0, 0, 200));
    QVERIFY(tinte > 0);
    QCOMPARE(tinte + Zaehlen(l.Image(), qRgb(255, 255, 255)), 200 * 60);
    // All ink lies in the measured box.
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x)
            if (l.Image().pixel(x, y) != qRgb(255, 255, 255))
                QVERIFY(QRect(QPoint(10, 10), normal).contains(x, y));
}

void LeinwandTest::stapelMeldetEinmal() {
    Leinwand l;
    l.Resize(50, 50);
    int meldungen = 0;
    l.Geaendert = [&] { ++meldungen; };
    l.LineTo(10, 10);
    QCOMPARE(meldungen, 1);
    {
        Leinwand::Stapel aussen(l);
        {
            Leinwand::Stapel innen(l);
            l.LineTo(20, 20);
            l.Ellipse(0, 0, 30, 30);
        }
        l.TextOut(0, 0, QStringLiteral("a"));
        QCOMPARE(meldungen, 1);
    }
    QCOMPARE(meldungen, 2);
    // A batch that draws nothing reports nothing.
    { Leinwand::Stapel leer(l); }
    QCOMPARE(meldungen, 2);
}

QTEST_MAIN(LeinwandTest)
#include "LeinwandTest.moc"
