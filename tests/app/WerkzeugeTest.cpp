// The tools of the drawing surface through the real window: every tool snaps its press and its
// release (the rows of tests/data/faelle/fenster.txt), the tool bar's step fields reach the patterned tools,
// tracking never repaints the picture, a full drawing takes nothing, and the pick, area and text-edit tools.
#include "Fenster.h"

#include <QComboBox>
#include <QSpinBox>

namespace {

// Counts the paint events a widget gets.
struct Malzaehler : QObject {
    int n = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        n += e->type() == QEvent::Paint;
        return false;
    }
};

// The start of the first element, "x1,y1", and with the end of the last, "x1,y1 x2,y2".
QString Anfang(const vektra::Zeichnung& z) {
    return Zahl(z.Elemente[1].x1) + u',' + Zahl(z.Elemente[1].y1);
}
QString Enden(const vektra::Zeichnung& z) {
    const vektra::Elementspeicher& s = z.Elemente;
    return Zahl(s[1].x1) + u',' + Zahl(s[1].y1) + u' ' + Zahl(s[s.Anzahl()].x2) + u',' +
           Zahl(s[s.Anzahl()].y2);
}

} // namespace

class WerkzeugeTest : public QObject {
    Q_OBJECT
  private slots:
    void jedesWerkzeugRastetEin() {
        for (const QStringList& fall : Tabelle("Werkzeuge")) {
            Fenster w(fall[0]);
            w.Skript(fall[1]);
            const QString ergebnis = fall[2] == u"enden"_s    ? Enden(w.Z())
                                     : fall[2] == u"umfang"_s ? Umfang(w.Z())
                                     : fall[2] == u"anfang"_s ? Anfang(w.Z())
                                                              : w.Kurz();
            // The status line counts the new elements at once.
            QCOMPARE(std::tuple(fall[1], ergebnis, w.Status(2)),
                     std::tuple(fall[1], fall[3], Zaehler(w.Z().Elemente)));
            // Each gesture is one step however often the pointer moved, a figure of many strokes
            // and a text with its dialog too.
            w.Taste(Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(std::tuple(fall[1], w.Kurz(), w.Teil<QAction>("Rckgngig1")->isEnabled()),
                     std::tuple(fall[1], fall[0], false));
        }
    }

    void musterwerkzeugeNehmenDieSchrittfelder() {
        // A dashed rectangle of four chords a side, two drawn and one left out, around the corners.
        Fenster w;
        w.Knopf("rechteck1");
        w.Teil<QComboBox>("Kontrolle")->setCurrentIndex(2);
        w.Teil<QLineEdit>("Deltaedit")->setText(u"0.25"_s);
        w.Teil<QSpinBox>("P1")->setValue(2);
        w.Teil<QSpinBox>("P2")->setValue(1);
        w.Ziehen(0, 0, 10, 5);
        QString muster;
        for (const vektra::TElement& e : w.Z().Elemente)
            muster += e.Breite == -1 ? u'-' : u'x';
        QCOMPARE(muster, u"xx-xx-xx-xx-xx-x"_s);
        // A dashed line in chords of 2.5 units; a circle whose direction may turn by 90 degrees
        // a chord (the field is in degrees).
        w.Knopf("Linie2");
        w.Teil<QComboBox>("Kontrolle")->setCurrentIndex(0);
        w.Teil<QLineEdit>("Strichlangedit")->setText(u"2.5"_s);
        w.Teil<QSpinBox>("P1")->setValue(1);
        w.Teil<QSpinBox>("P2")->setValue(0);
        w.Z().Elemente.AllesLoeschen();
        w.Ziehen(0, 0, 10, 0);
        w.Knopf("Kreis2");
        w.Teil<QComboBox>("Kontrolle")->setCurrentIndex(1);
        w.Teil<QLineEdit>("Winkeldiffedit")->setText(u"90"_s);
        w.Ziehen(30, 30, 30, 35);
        // Turning by at most a quarter a chord takes a handful of chords for the circle (the
        // default of 5 degrees some seventy, 90 taken as radians one or none).
        const int bogen = w.Z().Elemente.Anzahl() - 4;
        QCOMPARE(w.Kurz().left(52), u"L0,0,2.5,0:p L2.5,0,5,0:p L5,0,7.5,0:p L7.5,0,10,0:p"_s);
        QVERIFY2(bogen >= 4 && bogen <= 8, qPrintable(QString::number(bogen)));
    }

    void verfolgenZeichnetNichtNeu() {
        Fenster w;
        w.Knopf("LineButton");
        const unsigned generation = w.Generation();
        w.Druecken(10.4, 5.2);
        w.Bewegen(10.45, 5.1);
        // A move onto the same snapped point touches nothing, not even the screen.
        Malzaehler zaehler;
        w.ZF()->installEventFilter(&zaehler);
        QCoreApplication::processEvents();
        const QImage vorher = w.Bild();
        zaehler.n = 0;
        w.Bewegen(10.3, 4.9);
        QCoreApplication::processEvents();
        QCOMPARE(std::pair(zaehler.n, w.Bild()), std::pair(0, vorher));
        w.Bewegen(10.6, 5.1);
        QVERIFY(w.Bild() != vorher);
        w.Loslassen(10.6, 5.1);
        // The band leaves nothing behind: but for the cross, the picture is the one a full redraw paints.
        w.f.Painter().FadenkreuzLoeschen();
        const QImage nachher = w.Bild();
        QCOMPARE(std::pair(w.Generation(), w.Kurz()), std::pair(generation, u"L10,5,11,5"_s));
        w.f.zeichneneu();
        QCOMPARE(std::pair(w.Bild(), w.Bild().pixel(w.Pixel(10.5, 5))), std::pair(nachher, 0xFF000000u));
        // While the painter is busy, gestures are dropped.
        w.f.Painter().zeichnetGerade = true;
        w.Ziehen(0, 0, 20, 20);
        w.f.Painter().zeichnetGerade = false;
        QCOMPARE(w.Kurz(), u"L10,5,11,5"_s);
        // Dragging picked elements shows them at each new place without a redraw; the texts
        // follow at the release.
        Zeichnen(w.Z(), u"L20,20,30,20:p T40,40,cc,Hallo:p"_s);
        w.Knopf("Movebutton");
        w.Menue("Gitter1");
        const unsigned vorDemZiehen = w.Generation();
        const QImage text = w.Bild().copy(QRect(w.Pixel(40, 40) - QPoint(30, 12), QSize(60, 24)));
        w.Druecken(25, 20);
        w.Bewegen(25, 23);
        QCOMPARE(std::tuple(w.Generation(), w.Bild().pixel(w.Pixel(22.5, 23)),
                            w.Bild().pixel(w.Pixel(22.5, 20)),
                            w.Bild().copy(QRect(w.Pixel(40, 40) - QPoint(30, 12), QSize(60, 24)))),
                 std::tuple(vorDemZiehen, 0xFFFF00FFu, 0xFFFFFFFFu, text));
        w.Loslassen(25, 23);
        QCOMPARE(std::pair(w.Generation(), w.Kurz()),
                 std::pair(vorDemZiehen + 1, u"L10,5,11,5 L20,23,30,23:p T40,43,cc,Hallo:p"_s));
        // The circle band inverts its inside only for the filled-circle tool.
        for (const auto& [knopf, gefuellt] :
             {std::pair("Circbutton", false), std::pair("Fillcircbutton", true)}) {
            w.Knopf(knopf);
            w.Druecken(30, 30);
            w.Bewegen(33, 30);
            QCOMPARE(std::pair(QString::fromLatin1(knopf), w.Bild().pixel(w.Pixel(30.5, 30.5)) != 0xFFFFFFFF),
                     std::pair(QString::fromLatin1(knopf), gefuellt));
            w.Loslassen(30, 30);
        }
    }

    void volleZeichnungNimmtNichtsAuf() {
        Fenster w;
        while (!w.Z().Elemente.Voll())
            w.Z().Elemente.NeuesElement()->x1 = -100;
        for (const char* knopf :
             {"LineButton", "Circbutton", "Pfeil1", "Linie2", "rechteck1", "Kreis2", "Textbutton"}) {
            w.f.meldungen.clear();
            w.Knopf(knopf);
            w.Ziehen(10, 10, 15, 14);
            QCOMPARE(
                std::tuple(QString::fromLatin1(knopf), w.f.meldungen, w.Z().Elemente.Anzahl()),
                std::tuple(
                    QString::fromLatin1(knopf),
                    QStringList{u"Die Zeichnung ist voll (32000 Elemente): es wurde nichts hinzugefügt."_s},
                    vektra::MaxElemente));
        }
    }

    void punktwahlMitKandidatenrunde() {
        Fenster w("L10,10,30,10 L30,10,30,30 L50,50,90,50");
        w.Knopf("Pickbutton");
        const auto farbe = [&](double x, double y) { return w.Bild().pixel(w.Pixel(x, y)) & 0xFFFFFF; };
        const auto klick = [&](QPoint p) {
            QTest::mouseMove(w.ZF(), p);
            QTest::mouseClick(w.ZF(), Qt::LeftButton, {}, p);
        };
        // Near the shared end both lines are candidates; the lower index is offered first, in green.
        const QPoint ende = w.Pixel(30, 10);
        klick(ende + QPoint(9, -9));
        QCOMPARE(std::tuple(w.M(), w.Status(0), farbe(20, 10), farbe(30, 20)),
                 std::tuple(Modus::Kandidaten, u"modus: Auswahl 2Elemente"_s, 0x008000u, 0u));
        // A right press passes to the next; a left press takes it, and its click starts no new round.
        QTest::mouseClick(w.ZF(), Qt::RightButton, {}, ende);
        QCOMPARE(std::tuple(w.M(), farbe(20, 10), farbe(30, 20)),
                 std::tuple(Modus::Kandidaten, 0u, 0x008000u));
        QTest::mouseClick(w.ZF(), Qt::LeftButton, {}, ende);
        QCOMPARE(std::tuple(w.M(), w.Kurz(), farbe(30, 20)),
                 std::tuple(Modus::Auswahl, u"L10,10,30,10 L30,10,30,30:p L50,50,90,50"_s, 0xFF00FFu));
        // The picked line is never offered again: one candidate left.
        klick(ende);
        QCOMPARE(w.Status(0) + w.Status(2), u"modus: Auswahl 1Elemente3  Elemente, 1  gewählt, 0 gelöscht"_s);
    }

    void flaechenwahlMitRohenPunkten() {
        // The area is taken where the pointer is, not snapped: the circle needs its whole
        // diameter as margin, and a click without a drag picks nothing and repaints nothing.
        Fenster w("K5,20,2 L0,0,5,5");
        w.Knopf("Pickareabutton");
        w.Ziehen(3.4, 17.6, 7.4, 22.4);
        QCOMPARE(w.Kurz(), u"K5,20,2 L0,0,5,5"_s);
        w.Ziehen(2.6, 17.6, 7.4, 22.4);
        const unsigned generation = w.Generation();
        w.Ziehen(40, 2, 40, 2);
        QCOMPARE(std::tuple(w.Kurz(), w.Generation(), w.M()),
                 std::tuple(u"K5,20,2:p L0,0,5,5"_s, generation, Modus::Pickflaeche));
    }

    void textEditierenNimmtDenNaechstenText() {
        Fenster w("L0,0,10,10");
        w.Knopf("Textedit");
        // No text in the drawing: the tool ends.
        w.Klick(5, 5);
        QCOMPARE(w.M(), Modus::Neutral);
        Zeichnen(w.Z(), u"T10,10,cc,A T10.6,10,tr,B"_s);
        w.f.zeichneneu();
        // Released at 10.4 (the lattice would say 10), B is nearer. The dialog shows it, and the
        // text shows picked while the dialog is open.
        QString gefuellt;
        w.f.dialoge = {{[&](QDialog& d) {
            for (const char* n : {"Edit1", "Edit2", "Edit3"})
                gefuellt += d.findChild<QLineEdit*>(QString::fromLatin1(n))->text() + u' ';
            gefuellt += QString::number(w.E(3).gepickt) +
                        QString::number(d.findChild<QAbstractButton*>(u"Ausrichtung6"_s)->isChecked());
            Fenster::Tippen(d, "Edit1", u"Größe"_s);
            Fenster::Tippen(d, "Edit2", u"12"_s);
            Fenster::Tippen(d, "Edit3", u"40"_s);
            d.findChild<QAbstractButton*>(u"Ausrichtung3"_s)->setChecked(true);
        }}};
        w.Knopf("Textedit");
        const unsigned generation = w.Generation();
        w.Klick(10.4, 10);
        QCOMPARE(std::tuple(gefuellt, w.Kurz(), w.M(), w.Generation()),
                 std::tuple(u"B 10.6 10.0 11"_s, u"L0,0,10,10 T10,10,cc,A T12,40,tc,Größe"_s,
                            Modus::TextEditieren, generation + 1));
        // A text 10000 units away is out of reach.
        w.Z().Elemente.Kuerzen(1);
        Zeichnen(w.Z(), u"T10010,10,cc,fern"_s);
        w.Klick(10, 10);
        QCOMPARE(w.M(), Modus::Neutral);
    }
};

VEKTRA_TESTPROGRAMM(WerkzeugeTest)
#include "WerkzeugeTest.moc"
