// The painting rules of the redraw and of single elements, at the start level 4: the point (x, y)
// lies on the pixel (9 x + 18, 282 - 9 y).
#include "MalerHilfen.h"
#include "Testprogramm.h"

#include <QtTest>

namespace {

const QRgb Gepickt = qRgb(255, 0, 255), Kandidat = qRgb(0, 128, 0), Unsichtbar = qRgb(128, 0, 0);
const QRgb Rot = qRgb(255, 0, 0), Blau = qRgb(0, 0, 255), Grau = qRgb(128, 128, 128);

// Where the column x (or, across, the row y) has the colour.
QList<int> Stellen(const QImage& bild, int n, bool quer, QRgb farbe) {
    QList<int> s;
    for (int i = 0; i < (quer ? bild.width() : bild.height()); ++i)
        if (bild.pixel(quer ? i : n, quer ? n : i) == farbe) s << i;
    return s;
}

} // namespace

class MalerTest : public QObject {
    Q_OBJECT
  private slots:
    void linienStifte() {
        // Down the column x = 15: class, kind, picked, candidate; colour and thickness at the screen
        // widths {0, 1, 2, 3} of the classes -1 .. 2 and at {2, 0, 4, 3}. The invisible class shows in
        // its own colour, even picked; a damaged class has no width, like the invisible one.
        using Schnitt = std::pair<QRgb, int>;
        const std::tuple<int, std::uint8_t, bool, bool, Schnitt, Schnitt> faelle[] = {
            {-1, vektra::Linie, false, false, {Weiss, 0}, {Unsichtbar, 2}},
            {0, vektra::Linie, false, false, {Blau, 1}, {Weiss, 0}},
            {1, vektra::Linie, false, false, {Blau, 2}, {Blau, 4}},
            {7, vektra::Linie, false, false, {Weiss, 0}, {Unsichtbar, 2}},
            {-1, vektra::Pfeilspitze, false, false, {Weiss, 0}, {Unsichtbar, 2}},
            {1, vektra::Pfeilspitze, true, false, {Gepickt, 2}, {Gepickt, 4}},
            {1, vektra::Linie, true, true, {Kandidat, 2}, {Kandidat, 4}},
            {-1, vektra::Linie, true, false, {Weiss, 0}, {Unsichtbar, 2}}};
        Malaufbau a;
        QList<Schnitt> soll[2];
        for (const auto& [klasse, art, gepickt, kandidat, schmal, breit] : faelle) {
            const int y = 30 - 3 * int(soll[0].size());
            vektra::TElement& e = NeuerStrich(a.doc, 0, y, 30, y, klasse, 0xFF0000, art);
            e.gepickt = gepickt, e.Kandidat = kandidat;
            soll[0] << schmal, soll[1] << breit;
        }
        for (int k : {0, 1}) {
            if (k) a.doc.Kopf.PixelBreite = {2, 0, 4, 3};
            a.Neu();
            QList<Schnitt> ist;
            for (int zeile = 12; ist.size() < soll[k].size(); zeile += 27) {
                const QRect t = Tinte(a.Bild(), QRect(153, zeile - 6, 1, 13));
                ist << Schnitt(t.isNull() ? Weiss : a.Bild().pixel(t.topLeft()), t.height());
            }
            QCOMPARE(ist, soll[k]);
        }
    }

    void kreiseUndReihenfolge() {
        // Each alone: centre, diameter, filled, class, picked; its ink (the pen, 2 pixels, on the edge
        // of the box) and the colour at the ink's centre.
        Malaufbau a;
        a.doc.Kopf.PixelBreite = {0, 0, 2, 3};
        const std::tuple<double, double, double, bool, int, bool, QRect, QRgb> kreise[] = {
            {10, 20, 10, false, 1, false, {62, 56, 91, 91}, Weiss},
            {30, 20, 10, true, 1, false, {242, 56, 91, 91}, Blau},
            {10, 5, 10, true, 0, false, {}, Weiss},
            {30, 5, 4, true, 1, true, {269, 218, 37, 37}, Gepickt}};
        vektra::Elementspeicher& s = a.doc.Elemente;
        for (const auto& [x, y, d, gefuellt, klasse, gepickt, tinte, mitte] : kreise) {
            s.AllesLoeschen();
            NeuerKreis(a.doc, x, y, d, gefuellt, klasse, 0xFF0000).gepickt = gepickt;
            a.Neu();
            QCOMPARE(std::pair(Tinte(a.Bild()), a.Bild().pixel(tinte.center())), std::pair(tinte, mitte));
        }
        // A text under a filled circle, a line through both (and (10, 8)): Ebene first (text 8, circle
        // 5, line 3), then creation order; 10 last, classes outside 0 .. 10 and deleted elements never.
        s.AllesLoeschen();
        NeuerText(a.doc, 10, 10, "WWWW");
        NeuerKreis(a.doc, 10, 10, 6, true, 1, 0xFF0000);
        NeuerStrich(a.doc, 10, 0, 10, 20, 1, 0x0000FF);
        const std::tuple<int, int, int, QRgb, bool> ebenen[] = {{8, 5, 3, Blau, true},
                                                                {8, 5, 5, Rot, true},
                                                                {9, 9, 5, Blau, false},
                                                                {10, 9, 5, Blau, true},
                                                                {11, -1, 5, Rot, false}};
        for (const auto& [text, kreis, linie, farbe, schrift] : ebenen) {
            s[1].Ebene = text, s[2].Ebene = kreis, s[3].Ebene = linie;
            a.Neu();
            QCOMPARE(std::pair(a.Bild().pixel(108, 210), Zaehlen(a.Bild(), Schwarz) > 0),
                     std::pair(farbe, schrift));
        }
        s[3].geloescht = true;
        a.Neu();
        a.m.ElementZeichnen(3);
        QCOMPARE(Tinte(a.Bild()), QRect());
    }

    void gitterUndLineale() {
        Malaufbau a;
        a.m.Gitter = true;
        a.Neu();
        // A line every unit, red every ten: rows for y = 31 .. -1, columns for x = -2 .. 42.
        QCOMPARE(Stellen(a.Bild(), 200, false, Rot), (QList<int>{12, 102, 192, 282}));
        QCOMPARE(Stellen(a.Bild(), 200, false, Grau).size(), 29);
        QCOMPARE(Stellen(a.Bild(), 100, true, Rot), (QList<int>{18, 108, 198, 288, 378}));
        QCOMPARE(Stellen(a.Bild(), 100, true, Grau).size(), 40);
        // The labels "0" (8 by 14 pixels) centred on their lines; the horizontal ruler starts 40 left.
        QVERIFY(QRect(54, 1, 8, 14).contains(Tinte(a.h.Flaeche().Image(), QRect(0, 0, 90, 20))));
        QVERIFY(QRect(1, 275, 8, 14).contains(Tinte(a.v.Flaeche().Image(), QRect(0, 240, 40, 60))));
        // An origin at the ends of the 32-bit range: x = 2147483630 and y = -2147483640 are red.
        a.view.NullX = 2147483627;
        a.view.NullY = -2147483647 - 1;
        a.Neu();
        QCOMPARE(std::pair(a.Bild().pixel(27, 100), a.Bild().pixel(200, 228)), std::pair(Rot, Rot));
        // Level 0: one pixel a unit, lines every 5 units, red every 50.
        a.view.NullX = a.view.NullY = -2;
        a.doc.Kopf.Zoomstufe = 0;
        a.Neu();
        QCOMPARE(Stellen(a.Bild(), 100, true, Rot), (QList<int>{2, 52, 102, 152, 202, 252, 302, 352}));
        QCOMPARE(Stellen(a.Bild(), 100, true, Grau).size(), 72);
        // Grid off: surface and rulers blank, whatever they showed before.
        a.m.Gitter = false;
        a.Neu();
        QCOMPARE(Tinte(a.Bild()) | Tinte(a.v.Flaeche().Image()) | Tinte(a.h.Flaeche().Image()), QRect());
    }

    void fadenkreuzUndWerkzeug() {
        // The redraw re-applies the tool mode once, when done, and keeps the tool's pen and figure.
        Malaufbau a;
        Stift& s = a.zf.Flaeche().Zustand;
        s.Farbe = Qt::cyan, s.Breite = 4;
        a.m.Figur = Maler::FigurEllipse;
        int aufrufe = 0;
        a.m.zeichneneu([&] { aufrufe += !a.m.zeichnetGerade && a.m.bereit; });
        QCOMPARE(std::tuple(aufrufe, s.Farbe, s.Breite, a.m.Figur),
                 std::tuple(1, QColor(Qt::cyan), 4, Maler::FigurEllipse));
        const QImage leer = a.Bild().copy();
        const Stift werkzeug = s;
        // Moving takes the old cross away and leaves the tool's pen; a redraw brings the cross back;
        // erasing leaves the clean picture.
        a.m.FadenkreuzZeichnen(QPoint(18, 282));
        a.m.FadenkreuzZeichnen(QPoint(100, 100));
        QCOMPARE(a.Bild().pixel(14, 282), Weiss);
        QVERIFY(s == werkzeug);
        a.Neu();
        QCOMPARE(a.Bild().pixel(96, 100), Schwarz);
        a.m.FadenkreuzLoeschen();
        a.m.FadenkreuzLoeschen();
        QCOMPARE(a.Bild(), leer);
        // A line goes through the cross without breaking it.
        a.m.Figur = Maler::FigurLinie;
        a.m.FigurZeichnen(QPoint(0, 100), QPoint(200, 100), false);
        const QImage nurLinie = a.Bild().copy();
        a.Neu();
        a.m.FadenkreuzZeichnen(QPoint(100, 100));
        a.m.FigurZeichnen(QPoint(0, 100), QPoint(200, 100), false);
        a.m.FadenkreuzLoeschen();
        QCOMPARE(a.Bild(), nurLinie);
        // Elements are solid and keep the tool's dotting, a text its boldness and width; brush clear.
        NeuerText(a.doc, 20, 20, "x");
        NeuerStrich(a.doc, 0, 10, 30, 10);
        NeuerKreis(a.doc, 10, 20, 4, true);
        s.Gepunktet = s.Fett = true;
        a.m.ElementZeichnen(1);
        QCOMPARE(s.Breite, 4);
        a.m.ElementZeichnen(2);
        a.m.ElementZeichnen(3);
        QCOMPARE(std::tuple(s.Gepunktet, s.Fett, s.PinselKlar), std::tuple(true, true, true));
        QCOMPARE(Zaehlen(a.Bild(), Schwarz, QRect(18, 189, 270, 7)), 2 * 270);
        // The position rounds half to even: at level 8 (60 pixels a unit) the pixel (150, 90) is (0.5, 1.5).
        QString anzeige;
        a.m.Positionsanzeige = [&](const QString& text) { anzeige = text; };
        a.doc.Kopf.Zoomstufe = 8;
        a.Neu();
        a.m.FadenkreuzZeichnen(QPoint(150, 90));
        QCOMPARE(anzeige, QStringLiteral("(0,2)"));
    }

    void texte() {
        // "Ärger", 33 by 14 pixels in the test font (DejaVu Sans, 12 pixels), at the pixel (198, 102).
        // The alignment moves it left by none, half (16.5 rounds to 16) or all of its width, up by
        // none, half or all of its height; a missing or unknown letter centres.
        Malaufbau a;
        vektra::TElement& e = NeuerText(a.doc, 20, 20, "\xC4rger", "tl", 0xFF0000);
        a.Neu();
        QCOMPARE(a.zf.Flaeche().TextExtent(QStringLiteral("Ärger")), QSize(33, 14));
        const QRect tl = Tinte(a.Bild());
        QVERIFY(QRect(198, 102, 33, 14).contains(tl));
        const std::tuple<const char*, int, int> faelle[] = {
            {"tc", 16, 0},  {"tr", 33, 0},  {"cl", 0, 7}, {"cc", 16, 7}, {"cr", 33, 7}, {"bl", 0, 14},
            {"bc", 16, 14}, {"br", 33, 14}, {"", 16, 7},  {"x", 16, 7},  {"?c", 16, 7}, {"c", 16, 7}};
        for (const auto& [al, links, hoch] : faelle) {
            e.Ausrichtung = al;
            a.Neu();
            QCOMPARE(Tinte(a.Bild()), tl.translated(-links, -hoch));
        }
        // The displays: kind, text, bold; an unknown kind shows the text as written.
        e.TextSetzen("Gr\366\337e");
        e.Ausrichtung = "bl", e.gepickt = true;
        Leinwand soll;
        soll.SchriftSetzen(a.zf.font());
        soll.Zustand.Schriftfarbe = QColor(Gepickt);
        const std::tuple<int, QString, bool> arten[] = {
            {0, "T", true}, {1, "Größe", false}, {2, "", false}, {3, "bl", true}, {9, "Größe", false}};
        for (const auto& [art, text, fett] : arten) {
            a.doc.Kopf.Textanzeige = static_cast<std::int16_t>(art);
            a.Neu();
            soll.Resize(400, 300);
            soll.Zustand.Fett = fett;
            soll.TextOut(198, 88, text);
            QCOMPARE(a.Bild(), soll.Image());
        }
    }
};

VEKTRA_TESTPROGRAMM(MalerTest)
#include "MalerTest.moc"
