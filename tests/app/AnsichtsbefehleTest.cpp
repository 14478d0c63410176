// The view commands through the real window: zoom by area with its one saved view, the zoom keys
// at the ends of the range, and the clip dialog with status panel 3 and a loaded drawing.
#include "Testprogramm.h"
#include "Zeichenfenster.h"

#include "editing/TClipform.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QStatusBar>

using Sichtstand = std::tuple<int, int, int>; // origin x and y, zoom level

class AnsichtsbefehleTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Zeichenfenster> w;

    Sichtstand Stand() { return {w->f.Sicht().NullX, w->f.Sicht().NullY, w->f.Dokument().Kopf.Zoomstufe}; }
    QAction* Aktion(const QString& name) { return w->f.findChild<QAction*>(name); }
    QToolButton* Unzoom() { return w->f.findChild<QToolButton*>("unzoombutton"); }
    // A zoom rectangle between two surface pixels (QTest takes (0,0) for the centre).
    void Zoomziehen(QPoint a, QPoint b) {
        w->Knopf("ZoomAreaButton");
        QTest::mousePress(w->ZF(), Qt::LeftButton, {}, a);
        QTest::mouseMove(w->ZF(), (a + b) / 2);
        QTest::mouseRelease(w->ZF(), Qt::LeftButton, {}, b);
    }
    QLineEdit* Feld(int i) { return w->f.findChild<TClipform*>()->findChild<QLineEdit*>(u"Edit%1"_s.arg(i)); }

  private slots:
    void init() { w = std::make_unique<Zeichenfenster>(); }
    void cleanup() { w.reset(); }

    void zoomflaecheMitEinerGemerktenSicht() {
        const Sichtstand anfang = Stand();
        const vektra::Ansicht& v = w->f.Sicht();
        const double mx = v.PixelNachX(101), my = v.PixelNachY(101);
        // A tiny area: the largest level, in the middle of the surface to within a drawing unit.
        Zoomziehen({100, 100}, {102, 102});
        const Sichtstand erste = Stand();
        QCOMPARE(std::pair(std::get<2>(erste), w->M()), std::pair(8, Modus::Neutral));
        QVERIFY(Aktion(u"Zoom8"_s)->isChecked() && Unzoom()->isEnabled());
        QVERIFY(std::abs(v.XNachPixel(mx) - w->ZF()->width() / 2) <= 60);
        QVERIFY(std::abs(v.YNachPixel(my) - w->ZF()->height() / 2) <= 60);
        // Without width or height: neither the view nor the saved one changes, nothing repaints.
        const unsigned generation = w->Generation();
        Zoomziehen({300, 100}, {300, 400});
        Zoomziehen({100, 200}, {500, 200});
        QCOMPARE(std::pair(Stand(), w->Generation()), std::pair(erste, generation));
        Unzoom()->click();
        QCOMPARE(Stand(), anfang);
        Zoomziehen({100, 100}, {100, 100});
        QVERIFY(!Unzoom()->isEnabled());
        // Two areas, then back: the view before the second, and the button is spent.
        Zoomziehen({100, 100}, {102, 102});
        Zoomziehen({1, 1}, {w->ZF()->width() + 100, w->ZF()->height() + 100});
        QCOMPARE(std::get<2>(Stand()), 7);
        Unzoom()->click();
        QCOMPARE(Stand(), erste);
        QVERIFY(Aktion(u"Zoom8"_s)->isChecked() && !Unzoom()->isEnabled());
        // From level 0, an area wider than the surface fits no level: 0.
        Aktion(u"Zoom0"_s)->trigger();
        Zoomziehen({1, 1}, {w->ZF()->width() + 40, 20});
        QCOMPARE(std::get<2>(Stand()), 0);
    }

    void zoomtastenAnDenEnden() {
        const Qt::KeyboardModifiers block = Qt::ControlModifier | Qt::KeypadModifier;
        // Level before, key, modifiers, level after; the main keyboard's plus and Ctrl with
        // Shift are no zoom keys.
        const std::tuple<int, Qt::Key, Qt::KeyboardModifiers, int> faelle[] = {
            {4, Qt::Key_Plus, block, 5},
            {4, Qt::Key_Minus, block, 3},
            {8, Qt::Key_Plus, block, 8},
            {0, Qt::Key_Minus, block, 0},
            {4, Qt::Key_Plus, Qt::ControlModifier, 4},
            {4, Qt::Key_Plus, block | Qt::ShiftModifier, 4}};
        for (const auto& [vorher, taste, mit, nachher] : faelle) {
            const int alt = w->f.Dokument().Kopf.Zoomstufe;
            const unsigned generation = w->Generation();
            Aktion(u"Zoom%1"_s.arg(vorher))->trigger();
            w->f.Painter().FadenkreuzZeichnen({200, 150});
            QTest::keyClick(w->ZF(), taste, mit);
            QCOMPARE(int(w->f.Dokument().Kopf.Zoomstufe), nachher);
            QVERIFY(Aktion(u"Zoom%1"_s.arg(nachher))->isChecked());
            // Menu and keys redraw only for a new level; the cross stays where it was.
            QCOMPARE(w->Generation(), generation + (alt != vorher) + (vorher != nachher));
            QCOMPARE(w->f.Painter().FadenkreuzGezeigt() ? w->f.Painter().FadenkreuzPosition() : QPoint(),
                     QPoint(200, 150));
        }
    }

    void clipdialogPrueftGanzeZahlen() {
        vektra::Dialogwerte& d = w->f.Dokument().Dialog;
        TClipform* c = w->f.findChild<TClipform*>();
        QCOMPARE(w->Status(3), u"Clip: u: -1 o: 200 l: -1 r: 200"_s);
        // Bottom and left are no whole numbers: the dialog stays open, the last of them has the
        // focus with its text selected (a field that loses the focus drops its selection), the
        // others are taken and shown.
        w->f.imDialog = [&](QDialog&) {
            for (int i = 1; i <= 4; ++i)
                Feld(i)->setText(QStringList{u"150"_s, u"1.5"_s, u"links"_s, u" 90 "_s}[i - 1]);
        };
        Aktion(u"Clip1"_s)->trigger();
        QVERIFY(c->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), Feld(3));
        QCOMPARE(std::tuple(Feld(3)->selectedText(), d.ClipOben, d.ClipUnten, d.ClipLinks, d.ClipRechts,
                            w->Status(3), w->f.Dokument().Geaendert),
                 std::tuple(u"links"_s, 150, -1, -1, 90, u"Clip: u: -1 o: 150 l: -1 r: 90"_s, true));
        // Escape checks too; beyond 32 bits is no whole number.
        Feld(2)->setText(u"-20"_s);
        Feld(3)->setText(u"2147483648"_s);
        c->reject();
        QVERIFY(c->isVisible());
        Feld(3)->setText(u"-2147483648"_s);
        c->reject();
        QVERIFY(!c->isVisible());
        QCOMPARE(w->Status(3), u"Clip: u: -20 o: 150 l: -2147483648 r: 90"_s);
        // From the status line right of 360 pixels only; off shows "Clip aus" whatever the bounds.
        QStatusBar* leiste = w->f.findChild<QStatusBar*>("StatusBar1");
        int gezeigt = 0;
        w->f.imDialog = [&](QDialog&) {
            ++gezeigt;
            c->findChild<QCheckBox*>("Clipaktiv")->setChecked(false);
        };
        QTest::mousePress(leiste, Qt::LeftButton, {}, QPoint(360, 5));
        QCOMPARE(gezeigt, 0);
        QTest::mousePress(leiste, Qt::LeftButton, {}, QPoint(361, 5));
        QCOMPARE(std::tuple(gezeigt, d.Clipaktiv, w->Status(3)), std::tuple(1, false, u"Clip aus"_s));
    }

    void geladeneZeichnungBleibtWieSie() {
        // Clip area and current colour come back from the file into dialog, swatch and panel,
        // and saving again writes the same bytes.
        const QString pfad = w->Datei(u"clip.vks"_s);
        {
            Skriptfenster quelle;
            vektra::Zeichnung& z = quelle.Dokument();
            NeuerStrich(z, 0, 0, 10, 10);
            std::tie(z.Dialog.Clipaktiv, z.Dialog.ClipOben, z.Kopf.aktuelleFarbe) =
                std::tuple(false, 55, 0x3020F0);
            z.Dateiname = pfad.toStdString();
            QVERIFY(quelle.Dateien().Speichern1Click());
        }
        const QByteArray vorher = Inhalt(pfad);
        w->f.dateien = {pfad};
        w->f.Dateien().Open1Click();
        QCOMPARE(std::pair(Feld(1)->text(), w->Status(3)), std::pair(u"55"_s, u"Clip aus"_s));
        QCOMPARE(w->f.findChild<QLabel*>("Label1")->palette().color(QPalette::Window).rgb(),
                 qRgb(0xF0, 0x20, 0x30));
        w->f.imDialog = [](QDialog&) {};
        Aktion(u"Clip1"_s)->trigger();
        QVERIFY(w->f.Dateien().Speichern1Click());
        QCOMPARE(Inhalt(pfad), vorher);
    }
};

VEKTRA_TESTPROGRAMM(AnsichtsbefehleTest)
#include "AnsichtsbefehleTest.moc"
