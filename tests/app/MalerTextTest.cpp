#include "MalerHilfen.h"

#include <QtTest>

#include <cmath>

namespace {

// Where the point (20, 20) lies at level 4.
const int rx = 9 * 22, ry = 300 - 9 * 22;

// The picture of `s` alone with its bottom-left corner at (rx, ry).
QImage Vorlage(const Malaufbau& a, const QString& s, bool fett, QColor farbe) {
    Leinwand l;
    l.SchriftSetzen(a.zf.font());
    l.Resize(400, 300);
    l.Zustand.Fett = fett;
    l.Zustand.Schriftfarbe = farbe;
    l.TextOut(rx, ry - l.TextExtent(s).height(), s);
    return l.Image().copy();
}

} // namespace

class MalerTextTest : public QObject {
    Q_OBJECT
  private slots:
    void ausrichtungen() {
        Malaufbau a;
        a.Text(20, 20, "Hg W\xE4", "tl").Farbe = 0xFF0000;
        a.Neu();
        const QSize masse = a.zf.Flaeche().TextExtent(QStringLiteral("Hg Wä"));
        const QRect tl = Tinte(a.Bild());
        QVERIFY(QRect(QPoint(rx, ry), masse).contains(tl));
        // Drawn without antialiasing: only the element's colour on white.
        QCOMPARE(Zaehlen(a.Bild(), qRgb(0, 0, 255)) + Zaehlen(a.Bild(), Weiss), 400 * 300);
        // Every other alignment moves the same ink by its share of the text box, halves rounded.
        const auto anteil = [](char c, int n) {
            return c == 't' || c == 'l'   ? 0
                   : c == 'b' || c == 'r' ? n
                                          : static_cast<int>(std::nearbyint(n / 2.0));
        };
        for (const char* al : {"tc", "tr", "cl", "cc", "cr", "bl", "bc", "br"}) {
            a.doc.Elemente[1].Ausrichtung = al;
            a.Neu();
            QCOMPARE(Tinte(a.Bild()),
                     tl.translated(-anteil(al[1], masse.width()), -anteil(al[0], masse.height())));
        }
        // A short or unknown alignment centres; an unknown display kind shows the text as written.
        a.doc.Elemente[1].Ausrichtung = "cc";
        a.Neu();
        const QImage cc = a.Bild().copy();
        for (const char* al : {"", "x", "?c", "c"}) {
            a.doc.Elemente[1].Ausrichtung = al;
            a.Neu();
            QCOMPARE(a.Bild(), cc);
        }
        a.doc.Kopf.Textanzeige = 9;
        a.Neu();
        QCOMPARE(a.Bild(), cc);
    }

    void anzeigeArten() {
        Malaufbau a;
        a.Text(20, 20, "Gr\xF6\xDF\x65", "bl").gepickt = true;
        const QColor gepickt(255, 0, 255);
        const std::tuple<int, QString, bool> faelle[] = {
            {0, "T", true}, {1, "Größe", false}, {3, "bl", true}};
        for (const auto& [art, text, fett] : faelle) {
            a.doc.Kopf.Textanzeige = static_cast<std::int16_t>(art);
            a.Neu();
            QCOMPARE(a.Bild(), Vorlage(a, text, fett, gepickt));
        }
        // Hidden texts leave no trace.
        a.doc.Kopf.Textanzeige = 2;
        a.Neu();
        QCOMPARE(Tinte(a.Bild()), QRect());

        // Bold style and pen width are what they were before, whichever way the text was shown.
        Stift& s = a.zf.Flaeche().Zustand;
        s.Breite = 3;
        for (std::int16_t art : {0, 1, 3}) {
            a.doc.Kopf.Textanzeige = art;
            s.Fett = art == 1;
            a.m.ElementZeichnen(1);
            QCOMPARE(s.Fett, art == 1);
            QCOMPARE(s.Breite, 3);
        }
    }
};

QTEST_MAIN(MalerTextTest)
#include "MalerTextTest.moc"
