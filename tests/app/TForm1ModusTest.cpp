// The mode switch of the main window through its real buttons, its panels, dash fields and cross.
#include "DateiSkriptfenster.h"
#include "view/Maler.h"
#include "view/MyDraw.h"

#include <QComboBox>
#include <QLabel>
#include <QToolButton>

#include <cmath>
#include <cstring>
#include <set>

class TForm1ModusTest : public QObject, Testumgebung {
    Q_OBJECT
    // Its curve dialog is cancelled at once.
    std::unique_ptr<Skriptfenster> f;

    QToolButton* Knopf(const char* name) { return f->findChild<QToolButton*>(name); }
    bool Sichtbar(const char* name) { return f->findChild<QWidget*>(name)->isVisibleTo(f.get()); }
    const QImage& Bild() { return f->Zeichenflaeche()->Flaeche().Image(); }
    void Bewegen(QPoint p) { QTest::mouseMove(f->Zeichenflaeche(), p); }

  private slots:
    void init() {
        f = std::make_unique<Skriptfenster>();
        f->resize(900, 600);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        f->zeichneneu();
    }
    void cleanup() { f.reset(); }

    void groessenaenderungZeichnetNeu() {
        // The surface and both rulers report the resize; the redraw they share follows the
        // events at hand and shows the drawing against the new bottom edge.
        vektra::TElement* e = f->Dokument().Elemente.NeuesElement();
        e->x1 = e->y1 = 0;
        e->x2 = e->y2 = 10;
        const int vorher = f->Zeichenflaeche()->height();
        f->resize(700, 450);
        QTRY_VERIFY(f->Sicht().Hoehe != vorher && f->Sicht().Hoehe == f->Zeichenflaeche()->height());
        QCOMPARE(Bild().height(), f->Sicht().Hoehe);
        QCOMPARE(Bild().pixelColor(f->Sicht().XNachPixel(5), f->Sicht().YNachPixel(5)), QColor(Qt::black));
    }

    void knoepfeSetzenIhrenModus() {
        // Button, mode, panel 0, figure (-1: left as it was), own cross instead of the arrow.
        const std::tuple<const char*, int, const char*, int, bool> faelle[] = {
            {"LineButton", 0, "Linien zeichnen ", 0, true},
            {"Textbutton", 1, "Text platzieren", -1, true},
            {"Circbutton", 2, "Kreise zeichnen", 2, true},
            {"Fillcircbutton", 3, "Gefüllte Kreise zeichnen", 2, true},
            {"Pfeil1", 15, "Pfeil zeichnen ", 0, true},
            {"Linie2", 16, "Linien zeichnen ", 0, true},
            {"Kreis2", 17, "Große Kreise zeichnen", 2, true},
            {"rechteck1", 22, "Rechtecke zeichnen ", 1, true},
            {"Movebutton", 10, "Verschieben mit der Maus", -1, true},
            {"Textedit", 21, "Element auswählen", -1, false},
            {"ZoomAreaButton", 18, "Zoomfläche auswählen", 1, false},
            {"Pickareabutton", 19, "Pickfläche auswählen", 1, false},
            {"Kurve", 4, "Auswahl ", -1, false},
            {"Pickbutton", 4, "Auswahl ", -1, false},
            {"repaint", 6, " ", -1, false}};
        Stift& s = f->Zeichenflaeche()->Flaeche().Zustand;
        for (const auto& [knopf, modus, text, figur, kreuz] : faelle) {
            f->Painter().Figur = 2;
            s = Stift{};
            s.Breite = 3;
            QTest::mouseClick(Knopf(knopf), Qt::LeftButton);
            QCOMPARE(Modusnummer(f->AktuellerModus()), modus);
            QCOMPARE(f->Statusfeld(0)->text(), QString::fromUtf8(text));
            QCOMPARE(int(f->Painter().Figur), figur < 0 ? 2 : figur);
            QCOMPARE(f->Zeichenflaeche()->cursor().shape(), kreuz ? Qt::BlankCursor : Qt::ArrowCursor);
            // The area tools rubber-band with a thin dotted pen.
            QCOMPARE(s.Gepunktet && s.Breite == 1, modus == 18 || modus == 19);
            // At most the tool just chosen is down; the other modes release them all.
            for (const char* w : {"LineButton", "Textbutton", "Circbutton", "Fillcircbutton", "Pfeil1",
                                  "Linie2", "Kreis2", "rechteck1", "Kurve"})
                QVERIFY2(Knopf(w)->isChecked() == (std::strcmp(w, knopf) == 0 && modus != 4), knopf);
        }
    }

    void statusfelder() {
        auto& el = f->Dokument().Elemente;
        for (int i = 0; i < 5; ++i)
            el.NeuesElement()->gepickt = i >= 2;
        el[1].geloescht = el[2].geloescht = true;
        f->ModusSetzen(Modus(6));
        QCOMPARE(f->Statusfeld(2)->text(), QStringLiteral("5  Elemente, 3  gewählt, 2 gelöscht"));
        // A redraw brings the counts up to date through the mode.
        el.NeuesElement();
        f->zeichneneu();
        QCOMPARE(f->Statusfeld(2)->text(), QStringLiteral("6  Elemente, 3  gewählt, 2 gelöscht"));
        // Modes without a text of their own leave panel 0 alone.
        for (int m : {12, 11, 20})
            f->ModusSetzen(Modus(m));
        QCOMPARE(f->Statusfeld(0)->text(), QStringLiteral("Klick für Bezugspunkt"));
        f->ModusSetzen(Modus(7));
        QCOMPARE(f->Statusfeld(0)->text(), QStringLiteral("Auswahl"));
    }

    void strichfelderUndGeaendertJeModus() {
        const std::set<int> strichmodi{15, 16, 17, 22};
        const std::set<int> aendernde{0, 1, 2, 3, 4, 10, 13, 15, 16, 17, 19, 21, 22};
        // The dash fields come and go without resizing the surface.
        const QSize flaeche = f->Zeichenflaeche()->size();
        for (int m = 0; m <= 22; ++m) {
            f->Dokument().Geaendert = false;
            f->ModusSetzen(Modus(m));
            QCoreApplication::processEvents();
            QCOMPARE(f->Zeichenflaeche()->size(), flaeche);
            for (const char* name : {"P1", "P2", "P3", "P4", "Kontrolle", "Strichlangedit"})
                QCOMPARE(std::pair(m, Sichtbar(name)), std::pair(m, strichmodi.count(m) > 0));
            QVERIFY(!Sichtbar("Winkeldiffedit") && !Sichtbar("Deltaedit"));
            QCOMPARE(std::pair(m, f->Dokument().Geaendert), std::pair(m, aendernde.count(m) > 0));
        }
        // The chosen control's step field shows.
        f->ModusSetzen(Modus(16));
        auto* kontrolle = f->findChild<QComboBox*>("Kontrolle");
        kontrolle->setCurrentIndex(1);
        QVERIFY(Sichtbar("Winkeldiffedit") && !Sichtbar("Strichlangedit"));
        kontrolle->setCurrentIndex(2);
        QVERIFY(Sichtbar("Deltaedit"));
        f->ModusSetzen(Modus(4));
        QVERIFY(!Sichtbar("Deltaedit"));
    }

    void kreuzFolgtDemEinrastpunkt() {
        f->ModusSetzen(Modus(0));
        const QImage ohne = Bild();
        Bewegen(QPoint(100, 100));
        const QPoint p = f->Painter().FadenkreuzPosition();
        QVERIFY(f->Painter().FadenkreuzGezeigt());
        QCOMPARE(p, QPoint(f->Sicht().SnapPixelX(100), f->Sicht().SnapPixelY(100)));
        QCOMPARE(f->Statusfeld(1)->text(), QStringLiteral("(%1,%2)")
                                               .arg(std::nearbyint(f->Sicht().PixelNachX(p.x())))
                                               .arg(std::nearbyint(f->Sicht().PixelNachY(p.y()))));
        // A swallowed move draws nothing.
        const QImage mit = Bild();
        f->Zustand().ignoriereBewegung = true;
        Bewegen(QPoint(300, 150));
        QVERIFY(!f->Zustand().ignoriereBewegung);
        QCOMPARE(Bild(), mit);
        // A redraw leaves no stale cross behind; the next move draws exactly one again.
        f->zeichneneu();
        QCOMPARE(Bild(), ohne);
        Bewegen(QPoint(100, 100));
        QCOMPARE(Bild(), mit);
        // Neutral mode takes the cross off and draws none.
        f->ModusSetzen(Modus(6));
        QCOMPARE(Bild(), ohne);
        Bewegen(QPoint(120, 120));
        QVERIFY(!f->Painter().FadenkreuzGezeigt());
    }
};

QTEST_MAIN(TForm1ModusTest)
#include "TForm1ModusTest.moc"
