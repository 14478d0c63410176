// The window on a screen at pixel ratio 2 and back on the plain one.
#include "Fenster.h"

#include "view/Lineal.h"

#include <QWindow>

namespace {

// The logical picture inside a device picture at ratio 2: of each logical pixel the top-left
// device pixel, where a line one logical pixel wide (two device pixels) starts.
QImage Stichprobe(const QImage& bild) {
    QImage klein(bild.width() / 2, bild.height() / 2, QImage::Format_RGB32);
    for (int y = 0; y < klein.height(); ++y)
        for (int x = 0; x < klein.width(); ++x)
            klein.setPixel(x, y, bild.pixel(2 * x, 2 * y));
    return klein;
}

void Verschieben(Fenster& w, qreal verhaeltnis) {
    const unsigned generation = w.Generation();
    w.f.windowHandle()->setScreen(Bildschirm(verhaeltnis));
    QTRY_COMPARE(w.ZF()->Flaeche().Pixelverhaeltnis(), verhaeltnis);
    QTRY_VERIFY(w.Generation() > generation);
}

} // namespace

class PixelverhaeltnisTest : public QObject {
    Q_OBJECT
  private slots:
    void zeichnenInLogischenPixeln() {
        // The same gestures on the plain and on the doubled screen give the same elements and,
        // sampled, the same picture: snapping, the rubber band and the cross count logical pixels.
        // Surface and rulers take the device pixels, and follow the window back to the plain screen.
        QImage bilder[2], lineal;
        QString linien[2];
        for (int i = 0; i < 2; ++i) {
            Fenster w;
            auto* v = w.f.findChild<Lineal*>(u"PaintBoxv"_s);
            auto* h = w.f.findChild<Lineal*>(u"PaintBoxh"_s);
            if (i == 1) Verschieben(w, 2);
            for (Leinwandfeld* feld : std::initializer_list<Leinwandfeld*>{w.ZF(), v, h}) {
                Leinwand& l = feld->Flaeche();
                QCOMPARE(
                    std::tuple(l.Image().size(), l.Image().devicePixelRatio(), QSize(l.Breite(), l.Hoehe())),
                    std::tuple((i + 1) * feld->size(), i + 1.0, feld->size()));
            }
            w.Knopf("LineButton");
            w.Ziehen(3.4, 4.6, 30.2, 4.6);
            w.Ziehen(12, 2, 12, 25.4);
            // The first move after a finished line is only taken as the pointer's new start.
            w.Bewegen(21, 14);
            w.Bewegen(20.3, 14.8);
            linien[i] = w.Kurz();
            bilder[i] = i == 1 ? Stichprobe(w.Bild()) : w.Bild();
            QCOMPARE(w.Status(1), u"(20,15)"_s);
            // The cross moved away and back, and a gesture that ends where it began (and makes no
            // element), leave the picture as it was.
            const QImage vorher = w.Bild();
            w.Bewegen(25, 20);
            QVERIFY(w.Bild() != vorher);
            w.Druecken(20.3, 14.8);
            w.Bewegen(26, 18);
            w.Bewegen(20.3, 14.8);
            w.Loslassen(20.3, 14.8);
            QCOMPARE(w.Z().Elemente.Anzahl(), 2);
            QCOMPARE(w.Bild(), vorher);
            if (i == 0) lineal = v->Flaeche().Image();
            if (i == 0) continue;
            // Back on the plain screen, once the pointer brings back the cross the redraw took off.
            Verschieben(w, 1);
            w.Bewegen(20.3, 14.8);
            QCOMPARE(w.Bild(), bilder[0]);
            QCOMPARE(v->Flaeche().Image(), lineal);
        }
        QCOMPARE(linien[1], linien[0]);
        QCOMPARE(linien[0], u"L3,5,30,5 L12,2,12,25"_s);
        QCOMPARE(bilder[1], bilder[0]);
    }
};

VEKTRA_TESTPROGRAMM(PixelverhaeltnisTest)

#include "PixelverhaeltnisTest.moc"
