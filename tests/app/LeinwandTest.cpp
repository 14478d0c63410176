// The canvas's primitives on plain and scaled screens: filled figures in not-xor, pens and fills on
// whole device pixels, one repaint per batch, and stencils put together. Not-xor undoing itself is
// NeuzeichnenTest's.
#include "MalerHilfen.h"
#include "Testprogramm.h"
#include "view/Schablone.h"

#include <QtTest>

#include <array>
#include <optional>
#include <random>

class LeinwandTest : public QObject {
    Q_OBJECT
  private slots:
    void gefuelltNichtXor() {
        // Black on white: every pixel of a filled figure inverted once (twice would leave it white).
        for (const qreal verhaeltnis : {1.0, 1.5, 2.0}) {
            Leinwand l;
            l.Resize(80, 80, verhaeltnis);
            l.Zustand = Stift{.Farbe = Qt::black, .Breite = 3, .NichtXor = true, .Pinselfarbe = Qt::black};
            l.Ellipse(10, 10, 70, 70);
            const QRect t = Tinte(l.Image());
            QVERIFY(t.width() >= 60 * verhaeltnis);
            QCOMPARE(Zaehlen(l.Image(), Schwarz, QRect(t.left(), t.center().y(), t.width(), 1)), t.width());
        }
    }

    void geraetepixel() {
        // The image size; the thickness of pens 1, 2 and 3 wide, a whole number of device pixels
        // wherever the line lies (at 1.5 a width of 1 would otherwise come out one or two pixels
        // thick); the device pixels that a fill of the logical 10 .. 30 touches.
        const std::tuple<qreal, QSize, std::array<int, 3>, int, int> faelle[] = {
            {1, {61, 41}, {1, 2, 3}, 10, 30},
            {2, {122, 82}, {2, 4, 6}, 20, 60},
            {1.5, {92, 62}, {2, 3, 4}, 15, 45},
            {1.25, {77, 52}, {1, 2, 4}, 12, 38}};
        for (const auto& [v, bild, dicke, von, bis] : faelle) {
            Leinwand l;
            l.Resize(61, 41, v);
            QCOMPARE(l.Image().size(), bild);
            // Lines across and down at several places: every device column or row they cross.
            for (int breite = 1; breite <= 3; ++breite) {
                QList<int> dicken;
                l.Zustand.Breite = breite;
                for (int p : {10, 17, 25, 30})
                    for (const bool quer : {true, false}) {
                        l.Resize(61, 41, v);
                        l.MoveTo(quer ? 5 : p, quer ? p : 5);
                        l.LineTo(quer ? 55 : p, quer ? p : 35);
                        for (int i = int(10 * v); i < int(30 * v); ++i) {
                            const int n =
                                Zaehlen(l.Image(), Schwarz, quer ? QRect(i, 0, 1, 99) : QRect(0, i, 99, 1));
                            if (!dicken.contains(n)) dicken << n;
                        }
                    }
                QCOMPARE(dicken, QList<int>{dicke[breite - 1]});
            }
            // Clearing the whole canvas leaves no stale pixel at the edges; a part takes no more.
            const_cast<QImage&>(l.Image()).fill(Qt::black);
            l.Zustand.Pinselfarbe = Qt::white;
            l.FillRect(QRect(0, 0, l.Breite(), l.Hoehe() + 1));
            QCOMPARE(Tinte(l.Image()), QRect());
            const_cast<QImage&>(l.Image()).fill(Qt::black);
            l.FillRect(QRect(10, 10, 20, 20));
            const int n = (bis - von) * (bis - von);
            QCOMPARE(std::pair(Zaehlen(l.Image(), Weiss),
                               Zaehlen(l.Image(), Weiss, QRect(von, von, bis - von, bis - von))),
                     std::pair(n, n));
        }
    }

    void schablonenZusammensetzen() {
        // Stencils of random blots put together at random places, overlapping, one inside another,
        // some empty: set, the pixels any part sets; inverted, each of those once.
        std::mt19937 z(7);
        for (int fall = 0; fall < 200; ++fall) {
            std::vector<Schablone> teile;
            std::vector<Schablone::Teil> orte;
            QImage soll(60, 40, QImage::Format_RGB32);
            soll.fill(Qt::white);
            const int anzahl = 1 + int(z() % 5);
            teile.reserve(anzahl);
            for (int i = 0; i < anzahl; ++i) {
                QImage blot(20, 12, QImage::Format_RGB32);
                blot.fill(Qt::white);
                for (int k = int(z() % 40); k > 0; --k)
                    blot.setPixel(1 + int(z() % 18), 1 + int(z() % 10), 0xFF000000);
                teile.push_back(
                    *Schablone::Aufnehmen(blot, blot.rect(), QPoint(int(z() % 20), int(z() % 12))));
                orte.push_back({nullptr, QPoint(int(z() % 30), int(z() % 20))});
                teile.back().Setzen(soll, orte.back().ort + QPoint(10, 10), 0xFF000000);
            }
            for (int i = 0; i < anzahl; ++i)
                orte[i].schablone = &teile[i];
            const std::optional<Schablone> ganz = Schablone::Zusammensetzen(orte);
            QVERIFY(ganz);
            QImage gesetzt(soll.size(), soll.format()), umgekehrt(soll.size(), soll.format());
            gesetzt.fill(Qt::white), umgekehrt.fill(Qt::white);
            ganz->Setzen(gesetzt, QPoint(10, 10), 0xFF000000);
            ganz->Setzen(umgekehrt, QPoint(10, 10), 0xFF000000, true);
            QCOMPARE(gesetzt, soll);
            QCOMPARE(umgekehrt, soll);
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
