#include "Testprogramm.h"
#include "MalerHilfen.h"

#include <QtTest>

#include <cmath>

namespace {

// At level 4 with origin (-2,-2): 9 pixels per unit on a surface 300 pixels high.
int Sx(double x) {
    return static_cast<int>(9 * (x + 2));
}
int Sy(double y) {
    return 300 - static_cast<int>(9 * (y + 2));
}

const QRgb Gepickt = qRgb(255, 0, 255), Kandidat = qRgb(0, 128, 0), Unsichtbar = qRgb(128, 0, 0);
const QRgb Rot = qRgb(255, 0, 0), Blau = qRgb(0, 0, 255), Schwarz = qRgb(0, 0, 0);

// The picture of `s` alone with its bottom-left corner at the point (20, 20).
QImage Vorlage(const Malaufbau& a, const QString& s, bool fett) {
    Leinwand l;
    l.SchriftSetzen(a.zf.font());
    l.Resize(400, 300);
    l.Zustand.Fett = fett;
    l.Zustand.Schriftfarbe = QColor(Gepickt);
    l.TextOut(Sx(20), Sy(20) - l.TextExtent(s).height(), s);
    return l.Image().copy();
}

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
        a.Strich(0, 29, 30, 29).gepickt = true;
        a.doc.Elemente[7].Kandidat = true;
        a.Strich(0, 31, 30, 31, -1).gepickt = true;
        a.Strich(0, 1, 30, 1, -1, 0xFF0000).Art = vektra::Pfeilspitze;
        const auto dicken = [&](QRgb farbe) {
            QList<int> d;
            for (int y : {5, 10, 15, 20, 25})
                d << Zaehlen(a.Bild(), farbe, QRect(Sx(15), Sy(y) - 6, 1, 13));
            return d;
        };
        a.Neu();
        QCOMPARE(dicken(Blau), (QList<int>{0, 1, 2, 3, 2}));
        QCOMPARE(Zaehlen(a.Bild(), Unsichtbar), 0);
        QCOMPARE(a.Bild().pixel(Sx(15), Sy(27)), Gepickt);
        QCOMPARE(a.Bild().pixel(Sx(15), Sy(29)), Kandidat);
        // With a screen width the invisible class shows in its own colour, even when picked.
        a.doc.Kopf.PixelBreite = {2, 0, 4, 3};
        a.Neu();
        QCOMPARE(dicken(Blau), (QList<int>{0, 0, 4, 3, 4}));
        QCOMPARE(dicken(Unsichtbar), (QList<int>{2, 0, 0, 0, 0}));
        QCOMPARE(a.Bild().pixel(Sx(15), Sy(31)), Unsichtbar);
        QCOMPARE(a.Bild().pixel(Sx(15), Sy(1)), Unsichtbar);
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
        // Open: a ring 45 pixels around the centre; filled: one colour edge to edge; width 0: nothing.
        QCOMPARE(a.Bild().pixel(Sx(10), Sy(10)), Weiss);
        QVERIFY(Zaehlen(a.Bild(), Rot, QRect(Sx(10) + 40, Sy(10), 8, 1)) > 0);
        QCOMPARE(Zaehlen(a.Bild(), Rot, QRect(Sx(30) - 40, Sy(10), 80, 1)), 80);
        QCOMPARE(Zaehlen(a.Bild(), Gepickt, QRect(Sx(10) - 15, Sy(25), 30, 1)), 30);
        QCOMPARE(Zaehlen(a.Bild(), Rot, QRect(Sx(20) - 50, Sy(25) - 50, 100, 100)), 0);
        QVERIFY(a.zf.Flaeche().Zustand.PinselKlar);
    }

    void reihenfolgeUndGeloeschte() {
        Malaufbau a;
        a.doc.Kopf.PixelBreite = {1, 1, 3, 3};
        a.Text(10, 10, "WWWW");
        a.Kreis(10, 10, 6, true, 0xFF0000);
        a.Strich(10, 0, 10, 20, 1, 0x0000FF);
        a.Neu();
        QCOMPARE(a.Bild().pixel(Sx(10), Sy(8)), Blau);
        QVERIFY(Zaehlen(a.Bild(), Schwarz) > 0);
        // Ebene decides, then creation order.
        a.doc.Elemente[3].Ebene = 5;
        a.Neu();
        QCOMPARE(a.Bild().pixel(Sx(10), Sy(8)), Rot);
        // Class 9 is painted last of all; classes outside 0..9 and deleted elements are not.
        a.doc.Elemente[1].Ebene = 9;
        a.doc.Elemente[2].Ebene = 0;
        a.Neu();
        QVERIFY(Zaehlen(a.Bild(), Schwarz) > 0);
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
        a.m.zeichneneu([&] { aufrufe += !a.m.zeichnetGerade && a.m.bereit; });
        QCOMPARE(std::tuple(aufrufe, s.Farbe, s.Breite, a.m.Figur),
                 std::tuple(1, QColor(Qt::cyan), 4, Maler::FigurEllipse));
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
        // Moving takes the old cross away; a redraw brings it back; erasing leaves the clean picture.
        a.m.FadenkreuzZeichnen(QPoint(18, 282));
        a.m.FadenkreuzZeichnen(QPoint(100, 100));
        QCOMPARE(a.Bild().pixel(14, 282), Weiss);
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
        // Positions round half to even: at level 8, 60 pixels a unit, pixel 150 is x = 0.5.
        QString anzeige;
        a.m.Positionsanzeige = [&](const QString& s) { anzeige = s; };
        const std::tuple<int, QPoint, const char*> faelle[] = {{4, {18, 282}, "(0,0)"},
                                                               {4, {100, 100}, "(9,20)"},
                                                               {8, {150, 150}, "(0,0)"},
                                                               {8, {210, 90}, "(2,2)"}};
        for (const auto& [stufe, p, soll] : faelle) {
            a.doc.Kopf.Zoomstufe = static_cast<std::int16_t>(stufe);
            a.Neu();
            a.m.FadenkreuzZeichnen(p);
            QCOMPARE(anzeige, QString(soll));
        }
    }

    void textAusrichtungen() {
        Malaufbau a;
        a.Text(20, 20, "Hg W\xE4", "tl").Farbe = 0xFF0000;
        a.Neu();
        const QSize masse = a.zf.Flaeche().TextExtent(QStringLiteral("Hg Wä"));
        const QRect tl = Tinte(a.Bild());
        QVERIFY(QRect(QPoint(Sx(20), Sy(20)), masse).contains(tl));
        // Drawn without antialiasing: only the element's colour on white.
        QCOMPARE(Zaehlen(a.Bild(), Blau) + Zaehlen(a.Bild(), Weiss), 400 * 300);
        // Other alignments move the same ink by their share of the text box (halves, rounded); bad ones
        // centre.
        const auto teil = [](int halbe, int n) { return static_cast<int>(std::nearbyint(n * halbe / 2.0)); };
        const std::tuple<const char*, int, int> faelle[] = {
            {"tc", 0, 1}, {"tr", 0, 2}, {"cl", 1, 0}, {"cc", 1, 1}, {"cr", 1, 2}, {"bl", 2, 0},
            {"bc", 2, 1}, {"br", 2, 2}, {"", 1, 1},   {"x", 1, 1},  {"?c", 1, 1}, {"c", 1, 1}};
        for (const auto& [al, hoch, quer] : faelle) {
            a.doc.Elemente[1].Ausrichtung = al;
            a.Neu();
            QCOMPARE(Tinte(a.Bild()), tl.translated(-teil(quer, masse.width()), -teil(hoch, masse.height())));
        }
    }

    void textAnzeigeArten() {
        Malaufbau a;
        a.Text(20, 20, "Gr\xF6\xDF\x65", "bl").gepickt = true;
        Stift& s = a.zf.Flaeche().Zustand;
        s.Breite = 3;
        // Kind, text, bold (an unknown kind shows the text as written); the pen keeps its bold and width.
        const std::tuple<int, QString, bool> faelle[] = {
            {0, "T", true}, {1, "Größe", false}, {3, "bl", true}, {9, "Größe", false}};
        for (const auto& [art, text, fett] : faelle) {
            a.doc.Kopf.Textanzeige = static_cast<std::int16_t>(art);
            a.Neu();
            QCOMPARE(a.Bild(), Vorlage(a, text, fett));
            s.Fett = !fett;
            a.m.ElementZeichnen(1);
            QCOMPARE(s.Fett, !fett);
            QCOMPARE(s.Breite, 3);
        }
        a.doc.Kopf.Textanzeige = 2;
        a.Neu();
        QCOMPARE(Tinte(a.Bild()), QRect());
    }
};

VEKTRA_TESTPROGRAMM(MalerTest)
#include "MalerTest.moc"
