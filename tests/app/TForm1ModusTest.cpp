// The mode switch of the main window through its real buttons, its panels, dash fields and cross.
#include "Testprogramm.h"
#include "Zeichenfenster.h"

#include <QComboBox>

#include <cmath>
#include <cstring>

class TForm1ModusTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Zeichenfenster> w;
    Skriptfenster* f = nullptr;

    QToolButton* Knopf(const char* name) { return f->findChild<QToolButton*>(name); }
    bool Sichtbar(const char* name) { return f->findChild<QWidget*>(name)->isVisibleTo(f); }
    void Bewegen(QPoint p) { QTest::mouseMove(f->Zeichenflaeche(), p); }

  private slots:
    void init() {
        w = std::make_unique<Zeichenfenster>();
        f = &w->f;
    }
    void cleanup() { w.reset(); }

    void groessenaenderungZeichnetNeu() {
        // The surface and both rulers report the resize; the redraw they share follows the
        // events at hand and shows the drawing against the new bottom edge.
        NeuerStrich(f->Dokument(), 0, 0, 10, 10);
        const int vorher = f->Zeichenflaeche()->height();
        f->resize(700, 450);
        QTRY_VERIFY(f->Sicht().Hoehe != vorher && f->Sicht().Hoehe == f->Zeichenflaeche()->height());
        QCOMPARE(w->Bild().height(), f->Sicht().Hoehe);
        QCOMPARE(w->Bild().pixelColor(f->Sicht().XNachPixel(5), f->Sicht().YNachPixel(5)), QColor(Qt::black));
    }

    void knoepfeSetzenIhrenModus() {
        // Button, mode, panel 0, figure (-1: left as it was), own cross instead of the arrow,
        // dash fields shown, drawing marked changed.
        const std::tuple<const char*, int, const char*, int, bool, bool, bool> faelle[] = {
            {"LineButton", 0, "Linien zeichnen ", 0, true, false, true},
            {"Textbutton", 1, "Text platzieren", -1, true, false, true},
            {"Circbutton", 2, "Kreise zeichnen", 2, true, false, true},
            {"Fillcircbutton", 3, "Gefüllte Kreise zeichnen", 2, true, false, true},
            {"Pfeil1", 15, "Pfeil zeichnen ", 0, true, true, true},
            {"Linie2", 16, "Linien zeichnen ", 0, true, true, true},
            {"Kreis2", 17, "Große Kreise zeichnen", 2, true, true, true},
            {"rechteck1", 22, "Rechtecke zeichnen ", 1, true, true, true},
            {"Movebutton", 10, "Verschieben mit der Maus", -1, true, false, true},
            {"Textedit", 21, "Element auswählen", -1, false, false, true},
            {"ZoomAreaButton", 18, "Zoomfläche auswählen", 1, false, false, false},
            {"Pickareabutton", 19, "Pickfläche auswählen", 1, false, false, true},
            {"Kurve", 4, "Auswahl ", -1, false, false, true},
            {"Pickbutton", 4, "Auswahl ", -1, false, false, true},
            {"repaint", 6, " ", -1, false, false, false}};
        Stift& s = f->Zeichenflaeche()->Flaeche().Zustand;
        // The dash fields come and go without resizing the surface.
        const QSize flaeche = f->Zeichenflaeche()->size();
        for (const auto& [knopf, modus, text, figur, kreuz, strich, aendert] : faelle) {
            f->Painter().Figur = 2;
            s = Stift{};
            s.Breite = 3;
            f->Dokument().Geaendert = false;
            QTest::mouseClick(Knopf(knopf), Qt::LeftButton);
            QCoreApplication::processEvents();
            QCOMPARE(Modusnummer(f->AktuellerModus()), modus);
            QCOMPARE(f->Statusfeld(0)->text(), QString::fromUtf8(text));
            QCOMPARE(int(f->Painter().Figur), figur < 0 ? 2 : figur);
            QCOMPARE(f->Zeichenflaeche()->cursor().shape(), kreuz ? Qt::BlankCursor : Qt::ArrowCursor);
            // The area tools rubber-band with a thin dotted pen.
            QCOMPARE(s.Gepunktet && s.Breite == 1, modus == 18 || modus == 19);
            QCOMPARE(std::pair(modus, Sichtbar("P1") && Sichtbar("Kontrolle") && Sichtbar("Strichlangedit")),
                     std::pair(modus, strich));
            QCOMPARE(f->Zeichenflaeche()->size(), flaeche);
            QCOMPARE(std::pair(modus, f->Dokument().Geaendert), std::pair(modus, aendert));
            // At most the tool just chosen is down; the other modes release them all.
            for (const char* w : {"LineButton", "Textbutton", "Circbutton", "Fillcircbutton", "Pfeil1",
                                  "Linie2", "Kreis2", "rechteck1", "Kurve"})
                QVERIFY2(Knopf(w)->isChecked() == (std::strcmp(w, knopf) == 0 && modus != 4), knopf);
        }
        // Only the chosen control's step field shows.
        QTest::mouseClick(Knopf("Linie2"), Qt::LeftButton);
        auto* kontrolle = f->findChild<QComboBox*>("Kontrolle");
        kontrolle->setCurrentIndex(1);
        QVERIFY(Sichtbar("Winkeldiffedit") && !Sichtbar("Strichlangedit") && !Sichtbar("Deltaedit"));
        kontrolle->setCurrentIndex(2);
        QVERIFY(Sichtbar("Deltaedit") && !Sichtbar("Winkeldiffedit"));
    }

    void kreisbandFuelltNurImFuellkreismodus() {
        // The circle rubber band inverts its inside only for the filled-circle tool.
        const QPoint mitte(300, 300);
        for (const auto& [knopf, gefuellt] :
             {std::pair("Circbutton", false), std::pair("Fillcircbutton", true)}) {
            QTest::mouseClick(Knopf(knopf), Qt::LeftButton);
            QTest::mousePress(f->Zeichenflaeche(), Qt::LeftButton, {}, mitte);
            Bewegen(mitte + QPoint(20, 0));
            QCOMPARE(
                std::pair(QString::fromLatin1(knopf), w->Bild().pixel(mitte + QPoint(8, 8)) != 0xFFFFFFFF),
                std::pair(QString::fromLatin1(knopf), gefuellt));
            QTest::mouseRelease(f->Zeichenflaeche(), Qt::LeftButton, {}, mitte);
        }
    }

    void statusfelder() {
        auto& el = f->Dokument().Elemente;
        for (int i = 0; i < 5; ++i)
            el.NeuesElement()->gepickt = i >= 2;
        el[1].geloescht = el[2].geloescht = true;
        f->ModusSetzen(Modus(6));
        QCOMPARE(f->Statusfeld(2)->text(), u"5  Elemente, 3  gewählt, 2 gelöscht"_s);
        // A redraw brings the counts up to date.
        el.NeuesElement();
        f->zeichneneu();
        QCOMPARE(f->Statusfeld(2)->text(), u"6  Elemente, 3  gewählt, 2 gelöscht"_s);
        // Modes without a text of their own leave panel 0 alone.
        for (int m : {12, 11, 20})
            f->ModusSetzen(Modus(m));
        QCOMPARE(f->Statusfeld(0)->text(), u"Klick für Bezugspunkt"_s);
        f->ModusSetzen(Modus(7));
        QCOMPARE(f->Statusfeld(0)->text(), u"Auswahl"_s);
    }

    void kreuzFolgtDemEinrastpunkt() {
        f->ModusSetzen(Modus(0));
        const QImage ohne = w->Bild();
        Bewegen(QPoint(100, 100));
        const QPoint p = f->Painter().FadenkreuzPosition();
        QVERIFY(f->Painter().FadenkreuzGezeigt());
        QCOMPARE(p, QPoint(f->Sicht().SnapPixelX(100), f->Sicht().SnapPixelY(100)));
        QCOMPARE(f->Statusfeld(1)->text(), u"(%1,%2)"_s.arg(std::nearbyint(f->Sicht().PixelNachX(p.x())))
                                               .arg(std::nearbyint(f->Sicht().PixelNachY(p.y()))));
        // A swallowed move draws nothing.
        const QImage mit = w->Bild();
        f->Zustand().ignoriereBewegung = true;
        Bewegen(QPoint(300, 150));
        QVERIFY(!f->Zustand().ignoriereBewegung);
        QCOMPARE(w->Bild(), mit);
        // A redraw leaves no stale cross behind; the next move draws exactly one again.
        f->zeichneneu();
        QCOMPARE(w->Bild(), ohne);
        Bewegen(QPoint(100, 100));
        QCOMPARE(w->Bild(), mit);
        // Neutral mode takes the cross off and draws none.
        f->ModusSetzen(Modus(6));
        QCOMPARE(w->Bild(), ohne);
        Bewegen(QPoint(120, 120));
        QVERIFY(!f->Painter().FadenkreuzGezeigt());
    }
};

VEKTRA_TESTPROGRAMM(TForm1ModusTest)
#include "TForm1ModusTest.moc"
