// The window on a scaled screen: two screens side by side, one plain and one at 200 %. The surface
// and the rulers take the screen's device pixels, follow the window from screen to screen with a
// full redraw, and keep every pixel rule of the drawing in logical pixels.
#include "Testprogramm.h"
#include "MalerHilfen.h"
#include "Zeichenfenster.h"

#include "view/Lineal.h"

#include <QScreen>
#include <QWindow>

namespace {

// The logical picture inside a device picture at ratio 2: one device pixel of each logical one.
// A line one logical pixel wide covers two device rows around its logical row, the first of
// which lies on the even row taken here.
QImage Stichprobe(const QImage& bild) {
    QImage klein(bild.width() / 2, bild.height() / 2, QImage::Format_RGB32);
    for (int y = 0; y < klein.height(); ++y)
        for (int x = 0; x < klein.width(); ++x)
            klein.setPixel(x, y, bild.pixel(2 * x, 2 * y));
    return klein;
}

} // namespace

class PixelverhaeltnisTest : public QObject {
    Q_OBJECT

    static void Verschieben(Zeichenfenster& w, qreal verhaeltnis) {
        const unsigned generation = w.f.Painter().Generation();
        w.f.windowHandle()->setScreen(Bildschirm(verhaeltnis));
        QTRY_COMPARE(w.ZF()->Flaeche().Pixelverhaeltnis(), verhaeltnis);
        QTRY_VERIFY(w.f.Painter().Generation() > generation);
    }

  private slots:
    void flaecheUndLinealeFolgenDemBildschirm() {
        Zeichenfenster w;
        auto* v = w.f.findChild<Lineal*>(u"PaintBoxv"_s);
        auto* h = w.f.findChild<Lineal*>(u"PaintBoxh"_s);
        NeuerStrich(w.f.Dokument(), 2, 3, 40, 3);
        w.f.zeichneneu();
        QCOMPARE(w.ZF()->Flaeche().Pixelverhaeltnis(), 1.0);
        const QImage einfach = w.Bild(), vEinfach = v->Flaeche().Image();

        Verschieben(w, 2);
        for (Leinwandfeld* feld : std::initializer_list<Leinwandfeld*>{w.ZF(), v, h}) {
            QCOMPARE(feld->Flaeche().Image().size(), 2 * feld->size());
            QCOMPARE(feld->Flaeche().Image().devicePixelRatio(), 2.0);
            QCOMPARE(QSize(feld->Flaeche().Breite(), feld->Flaeche().Hoehe()), feld->size());
        }
        // The same view: the grid, the line and the cross on the same logical pixels.
        QCOMPARE(w.f.Sicht().Hoehe, w.ZF()->height());
        QCOMPARE(Stichprobe(w.Bild()), einfach);
        // The labels drawn with the device pixels: about four times the ink.
        const int tinteEinfach = Zaehlen(vEinfach, qRgb(0, 0, 0));
        const int tinteDoppelt = Zaehlen(v->Flaeche().Image(), qRgb(0, 0, 0));
        QVERIFY2(tinteDoppelt > 3 * tinteEinfach && tinteDoppelt < 5 * tinteEinfach,
                 qPrintable(QStringLiteral("%1 gegen %2").arg(tinteDoppelt).arg(tinteEinfach)));

        // Back on the plain screen the picture is the first one, pixel for pixel.
        Verschieben(w, 1);
        QCOMPARE(w.Bild().size(), w.ZF()->size());
        QCOMPARE(w.Bild(), einfach);
        QCOMPARE(v->Flaeche().Image(), vEinfach);
    }

    void zeichnenInLogischenPixeln() {
        // The same gestures on both screens give the same elements and, sampled, the same
        // picture: snapping, the rubber band and the cross count logical pixels.
        QImage bilder[2];
        std::vector<std::tuple<double, double, double, double>> linien[2];
        for (int i = 0; i < 2; ++i) {
            Zeichenfenster w;
            if (i == 1) Verschieben(w, 2);
            w.Knopf("LineButton");
            w.Ziehen(3.4, 4.6, 30.2, 4.6);
            w.Ziehen(12, 2, 12, 25.4);
            // The first move after a finished line is only taken as the pointer's new start.
            w.Bewegen(21, 14);
            w.Bewegen(20.3, 14.8);
            for (const vektra::TElement& e : w.Elemente())
                linien[i].emplace_back(e.x1, e.y1, e.x2, e.y2);
            bilder[i] = i == 1 ? Stichprobe(w.Bild()) : w.Bild();
            QCOMPARE(w.Status(1), u"(20,15)"_s);
            QVERIFY(w.f.Painter().FadenkreuzGezeigt());

            // The cross moved away and back leaves the picture as it was.
            const QImage vorher = w.Bild();
            w.Bewegen(25, 20);
            QVERIFY(w.Bild() != vorher);
            w.Bewegen(20.3, 14.8);
            QCOMPARE(w.Bild(), vorher);
            // So does a gesture that ends where it began, which makes no element.
            w.Druecken(20.3, 14.8);
            w.Bewegen(26, 18);
            w.Bewegen(20.3, 14.8);
            w.Loslassen(20.3, 14.8);
            QCOMPARE(w.Elemente().Anzahl(), 2);
            QCOMPARE(w.Bild(), vorher);
        }
        QCOMPARE(linien[1], linien[0]);
        QCOMPARE(linien[0].size(), std::size_t(2));
        QCOMPARE(bilder[1], bilder[0]);
    }
};

VEKTRA_TESTPROGRAMM(PixelverhaeltnisTest)

#include "PixelverhaeltnisTest.moc"
