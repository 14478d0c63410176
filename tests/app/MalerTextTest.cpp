#include "MalerHilfen.h"

#include <QtTest>

#include <cmath>

namespace {

// Paints `s` the way a text at pixel (rx, ry) with the given alignment must look.
QImage Vorlage(const Malaufbau& a, const QString& s, bool fett, const char* ausrichtung, int rx, int ry,
               QColor farbe = Qt::black) {
    const auto faktor = [](char c) { return c == 'l' || c == 't' ? 0.0 : c == 'r' || c == 'b' ? 1.0 : 0.5; };
    Leinwand l;
    l.SchriftSetzen(a.zf.font());
    l.Resize(a.zf.width(), a.zf.height());
    l.Zustand.Fett = fett;
    l.Zustand.Schriftfarbe = farbe;
    const QSize masse = l.TextExtent(s);
    l.TextOut(rx - static_cast<int>(std::nearbyint(masse.width() * faktor(ausrichtung[1]))),
              ry - static_cast<int>(std::nearbyint(masse.height() * faktor(ausrichtung[0]))), s);
    return l.Image().copy();
}

} // namespace

class MalerTextTest : public QObject {
    Q_OBJECT
  private slots:
    void neunAusrichtungen();
    void eckenLiegenAmBezugspunkt();
    void anzeigeArten();
    void beschaedigteWerte();
};

void MalerTextTest::neunAusrichtungen() {
    const int rx = 9 * 22, ry = 300 - 9 * 22; // (20, 20) at level 4
    for (const char* al : {"tl", "tc", "tr", "cl", "cc", "cr", "bl", "bc", "br"}) {
        Malaufbau a;
        a.Text(20, 20, "Hg W\xE4", al).Farbe = 0xFF0000;
        a.Neu();
        QCOMPARE(a.Bild(), Vorlage(a, QStringLiteral("Hg Wä"), false, al, rx, ry, QColor(0, 0, 255)));
    }
}

void MalerTextTest::eckenLiegenAmBezugspunkt() {
    const int rx = 9 * 22, ry = 300 - 9 * 22;
    Malaufbau a;
    a.Text(20, 20, "Wolke", "tl");
    a.Neu();
    const QSize masse = a.zf.Flaeche().TextExtent(QStringLiteral("Wolke"));
    const QRect tl = Tinte(a.Bild());
    QVERIFY(!tl.isNull());
    QVERIFY(QRect(QPoint(rx, ry), masse).contains(tl));
    // Drawn without antialiasing: only the text colour, no blended pixels.
    QCOMPARE(Zaehlen(a.Bild(), qRgb(0, 0, 0)) + Zaehlen(a.Bild(), Weiss), 400 * 300);
    // "br" puts the same ink exactly one text box up and to the left.
    a.doc.Elemente[1].Ausrichtung = "br";
    a.Neu();
    const QRect br = Tinte(a.Bild());
    QCOMPARE(br, tl.translated(-masse.width(), -masse.height()));
    QVERIFY(QRect(QPoint(rx - masse.width(), ry - masse.height()), masse).contains(br));
    a.doc.Elemente[1].Ausrichtung = "cc";
    a.Neu();
    QCOMPARE(Tinte(a.Bild()), tl.translated(-static_cast<int>(std::nearbyint(masse.width() / 2.0)),
                                            -static_cast<int>(std::nearbyint(masse.height() / 2.0))));
}

void MalerTextTest::anzeigeArten() {
    const int rx = 9 * 22, ry = 300 - 9 * 22;
    Malaufbau a;
    vektra::TElement& t = a.Text(20, 20, "Gr\xF6\xDF\x65", "bl");
    t.gepickt = true;
    const QColor gepickt(255, 0, 255);
    a.doc.Kopf.Textanzeige = 0;
    a.Neu();
    QCOMPARE(a.Bild(), Vorlage(a, QStringLiteral("T"), true, "bl", rx, ry, gepickt));
    a.doc.Kopf.Textanzeige = 1;
    a.Neu();
    QCOMPARE(a.Bild(), Vorlage(a, QStringLiteral("Größe"), false, "bl", rx, ry, gepickt));
    a.doc.Kopf.Textanzeige = 3;
    a.Neu();
    QCOMPARE(a.Bild(), Vorlage(a, QStringLiteral("bl"), true, "bl", rx, ry, gepickt));
    // Hidden texts leave no trace but stay in the drawing.
    a.doc.Kopf.Textanzeige = 2;
    a.Neu();
    QCOMPARE(Tinte(a.Bild()), QRect());
    QCOMPARE(a.doc.Elemente.Anzahl(), 1);

    // The bold style is what it was before, whichever way the text was shown.
    Leinwand& L = a.zf.Flaeche();
    for (bool fett : {false, true})
        for (std::int16_t art : {0, 1, 3}) {
            a.doc.Kopf.Textanzeige = art;
            L.Zustand.Fett = fett;
            a.m.ElementZeichnen(1);
            QCOMPARE(L.Zustand.Fett, fett);
        }
    // Texts keep the pen width.
    L.Zustand.Breite = 3;
    a.m.ElementZeichnen(1);
    QCOMPARE(L.Zustand.Breite, 3);
}

void MalerTextTest::beschaedigteWerte() {
    // A short or unknown alignment centres; an unknown display kind shows the text as written.
    Malaufbau a;
    a.Text(20, 20, "Mitte", "cc");
    a.Neu();
    const QImage mitte = a.Bild().copy();
    for (const char* al : {"", "x", "?c", "c"}) {
        a.doc.Elemente[1].Ausrichtung = al;
        a.Neu();
        QCOMPARE(a.Bild(), mitte);
    }
    a.doc.Elemente[1].Ausrichtung = "cc";
    a.doc.Kopf.Textanzeige = 9;
    a.Neu();
    QCOMPARE(a.Bild(), mitte);
}

QTEST_MAIN(MalerTextTest)
#include "MalerTextTest.moc"
