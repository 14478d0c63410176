// The mode switch of the main window driven through its real buttons and menus: status texts
// and counts, dash controls, pens, pointer, tool buttons, the changed flag and the cross.
#include "main/TForm1.h"
#include "view/Maler.h"
#include "view/MyDraw.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <set>

namespace {

class Fenster : public TForm1 {
  public:
    vektra::Antwort Fragen(vektra::Meldungsart, const std::string&, vektra::Knoepfe) override {
        return vektra::Antwort::Nein;
    }
};

const std::set<int> Strichmodi{15, 16, 17, 22};
const std::set<int> Aendernde{0, 1, 2, 3, 4, 10, 13, 15, 16, 17, 19, 21, 22};
const char* const Werkzeuge[] = {"LineButton", "Textbutton", "Circbutton", "Fillcircbutton", "Pfeil1",
                                 "Linie2",     "Kreis2",     "rechteck1",  "Kurve"};

void Bewegen(QWidget* w, QPoint p) {
    QMouseEvent e(QEvent::MouseMove, QPointF(p), w->mapToGlobal(QPointF(p)), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

} // namespace

class TForm1ModusTest : public QObject {
    Q_OBJECT
    QTemporaryDir konfig;
    std::unique_ptr<Fenster> f;

    QToolButton* Knopf(const char* name) { return f->findChild<QToolButton*>(name); }
    QString Panel0() { return f->Statusfeld(0)->text(); }

  private slots:
    void initTestCase() {
        qputenv("XDG_CONFIG_HOME", konfig.path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
    }
    void init() {
        f = std::make_unique<Fenster>();
        f->resize(900, 600);
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        f->zeichneneu();
    }
    void cleanup() { f.reset(); }

    void bedienelementeTragenIhreTexte() {
        QCOMPARE(f->objectName(), QStringLiteral("Form1"));
        QCOMPARE(f->findChild<QAction*>("Speichernunter1")->text(), QStringLiteral("Speichern unter..."));
        QCOMPARE(f->findChild<QAction*>("macroladen1")->text(), QStringLiteral("&Macro einfügen"));
        QCOMPARE(f->findChild<QAction*>("Exit1")->text(), QStringLiteral("E&xit"));
        QVERIFY(!f->findChild<QAction*>("Protokoll")->isVisible());
        QAction* gitter = f->findChild<QAction*>("Gitter1");
        QVERIFY(gitter->isCheckable() && gitter->isChecked());
        for (int i = 0; i <= 8; ++i)
            QCOMPARE(f->findChild<QAction*>(QStringLiteral("Zoom%1").arg(i))->isChecked(), i == 4);
        QCOMPARE(Knopf("Pfeil1")->toolTip(), QStringLiteral("Pfeil"));
        QCOMPARE(Knopf("Kreis2")->toolTip(), QStringLiteral("Kreis beliebiger Größe"));
        QCOMPARE(Knopf("Unpick")->toolTip(), QStringLiteral("Auswahl aufheben (ESC)"));
        QCOMPARE(Knopf("gotozero")->toolTip(), QStringLiteral("(0,0) in linke untere Ecke"));
        QVERIFY(!Knopf("unzoombutton")->isEnabled());
        for (const char* name : Werkzeuge)
            QVERIFY2(!Knopf(name)->icon().isNull(), name);
        QCOMPARE(f->findChild<QLabel*>("Label1")->toolTip(), QStringLiteral("Linienfarbe"));
        auto* snapbox = f->findChild<QComboBox*>("Snapbox");
        QCOMPARE(snapbox->count(), 10);
        QCOMPARE(snapbox->currentText(), QStringLiteral("1"));
        QCOMPARE(snapbox->itemText(0), QStringLiteral("1/3"));
        QCOMPARE(f->findChild<QComboBox*>("Linienbreite")->currentText(), QStringLiteral("normal"));
        QCOMPARE(f->findChild<QComboBox*>("Kontrolle")->itemText(2), QStringLiteral("keine"));
        const int werte[] = {1, 0, 0, 0};
        for (int i = 0; i < 4; ++i) {
            auto* p = f->findChild<QSpinBox*>(QStringLiteral("P%1").arg(i + 1));
            QCOMPARE(p->value(), werte[i]);
            QCOMPARE(p->minimum(), 0);
            QCOMPARE(p->toolTip(), QStringLiteral("Phase %1").arg(i + 1));
        }
        QCOMPARE(f->Statusfeld(0)->width(), 200);
        QCOMPARE(f->Statusfeld(1)->width(), 80);
        QCOMPARE(f->Statusfeld(2)->width(), 240);
        QVERIFY(f->Statusfeld(3)->width() >= 80);
    }

    void werkzeugknoepfeSetzenIhrenModus() {
        struct Fall {
            const char* knopf;
            int modus;
            const char* text;
            int figur;
        };
        const Fall faelle[] = {
            {"LineButton", 0, "Linien zeichnen ", 0},   {"Textbutton", 1, "Text platzieren", 0},
            {"Circbutton", 2, "Kreise zeichnen", 2},    {"Fillcircbutton", 3, "Gefüllte Kreise zeichnen", 2},
            {"Pfeil1", 15, "Pfeil zeichnen ", 0},       {"Linie2", 16, "Linien zeichnen ", 0},
            {"Kreis2", 17, "Große Kreise zeichnen", 2}, {"rechteck1", 22, "Rechtecke zeichnen ", 1}};
        for (const Fall& c : faelle) {
            QTest::mouseClick(Knopf(c.knopf), Qt::LeftButton);
            QCOMPARE(f->Modus, std::uint8_t(c.modus));
            QCOMPARE(Panel0(), QString::fromUtf8(c.text));
            QCOMPARE(int(f->Painter().Figur), c.figur);
            QVERIFY2(Knopf(c.knopf)->isChecked(), c.knopf);
            QCOMPARE(f->Zeichenflaeche()->cursor().shape(), Qt::BlankCursor);
            QVERIFY(f->eigenesKreuz);
            QCOMPARE(f->letzteKreuzposition, QPoint(-10000, -10000));
            for (const char* andere : Werkzeuge)
                if (andere != c.knopf) QVERIFY2(!Knopf(andere)->isChecked(), andere);
        }
        // The pick button releases every tool button and shows the arrow.
        QTest::mouseClick(Knopf("Pickbutton"), Qt::LeftButton);
        QCOMPARE(f->Modus, std::uint8_t{4});
        QCOMPARE(Panel0(), QStringLiteral("Auswahl "));
        for (const char* name : Werkzeuge)
            QVERIFY2(!Knopf(name)->isChecked(), name);
        QCOMPARE(f->Zeichenflaeche()->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(!f->eigenesKreuz);
    }

    void editierknoepfe() {
        QTest::mouseClick(Knopf("LineButton"), Qt::LeftButton);
        QTest::mouseClick(Knopf("Movebutton"), Qt::LeftButton);
        QCOMPARE(f->Modus, std::uint8_t{10});
        QCOMPARE(Panel0(), QStringLiteral("Verschieben mit der Maus"));
        QVERIFY(!Knopf("LineButton")->isChecked());
        QCOMPARE(f->Zeichenflaeche()->cursor().shape(), Qt::BlankCursor);

        QTest::mouseClick(Knopf("Textedit"), Qt::LeftButton);
        QCOMPARE(f->Modus, std::uint8_t{21});
        QCOMPARE(Panel0(), QStringLiteral("Element auswählen"));
        QCOMPARE(f->Zeichenflaeche()->cursor().shape(), Qt::ArrowCursor);

        for (auto [knopf, modus, text] : {std::tuple{"ZoomAreaButton", 18, "Zoomfläche auswählen"},
                                          std::tuple{"Pickareabutton", 19, "Pickfläche auswählen"}}) {
            f->Zeichenflaeche()->Flaeche().Zustand = Stift{};
            f->Zeichenflaeche()->Flaeche().Zustand.Breite = 3;
            QTest::mouseClick(Knopf(knopf), Qt::LeftButton);
            QCOMPARE(int(f->Modus), modus);
            QCOMPARE(Panel0(), QString::fromUtf8(text));
            QCOMPARE(int(f->Painter().Figur), 1);
            const Stift& s = f->Zeichenflaeche()->Flaeche().Zustand;
            QVERIFY(s.Gepunktet);
            QCOMPARE(s.Breite, 1);
            QCOMPARE(s.Farbe, QColor(Qt::black));
        }

        QTest::mouseClick(Knopf("Kurve"), Qt::LeftButton);
        QCOMPARE(f->Modus, std::uint8_t{4});
        QVERIFY(!Knopf("Kurve")->isChecked());

        QTest::mouseClick(Knopf("repaint"), Qt::LeftButton);
        QCOMPARE(f->Modus, std::uint8_t{6});
        QCOMPARE(Panel0(), QStringLiteral(" "));
    }

    void statuszaehler() {
        auto& el = f->Doc.Elemente;
        for (int i = 0; i < 5; ++i)
            el.NeuesElement()->gepickt = true;
        el[1].geloescht = true;
        el[2].geloescht = true;
        el[1].gepickt = el[2].gepickt = false;
        f->ModusSetzen(6);
        QCOMPARE(f->Statusfeld(2)->text(), QStringLiteral("5  Elemente, 3  gewählt, 2 gelöscht"));
        QCOMPARE(f->Pickzahl, 3);
        // A redraw brings the counts up to date through the mode.
        el.NeuesElement();
        f->zeichneneu();
        QCOMPARE(f->Statusfeld(2)->text(), QStringLiteral("6  Elemente, 3  gewählt, 2 gelöscht"));
        // Modes without a text of their own leave panel 0 alone.
        f->ModusSetzen(12);
        QCOMPARE(Panel0(), QStringLiteral("Klick für Bezugspunkt"));
        f->ModusSetzen(11);
        QCOMPARE(Panel0(), QStringLiteral("Klick für Bezugspunkt"));
        f->ModusSetzen(20);
        QCOMPARE(Panel0(), QStringLiteral("Klick für Bezugspunkt"));
        f->ModusSetzen(7);
        QCOMPARE(Panel0(), QStringLiteral("Auswahl"));
    }

    void strichfelderUndGeaendertJeModus() {
        auto* kontrolle = f->findChild<QComboBox*>("Kontrolle");
        for (int m = 0; m <= 22; ++m) {
            f->Doc.Geaendert = false;
            f->ModusSetzen(m);
            const bool zeigen = Strichmodi.count(m) > 0;
            for (const char* name : {"P1", "P2", "P3", "P4", "Kontrolle", "Strichlangedit"})
                QVERIFY2(f->findChild<QWidget*>(name)->isVisibleTo(f.get()) == zeigen,
                         qPrintable(QStringLiteral("%1 in Modus %2").arg(name).arg(m)));
            QVERIFY(!f->findChild<QWidget*>("Winkeldiffedit")->isVisibleTo(f.get()));
            QVERIFY(!f->findChild<QWidget*>("Deltaedit")->isVisibleTo(f.get()));
            QVERIFY2(f->Doc.Geaendert == (Aendernde.count(m) > 0), qPrintable(QString::number(m)));
        }
        // Showing the dash fields does not resize the surface.
        f->ModusSetzen(6);
        QCoreApplication::processEvents();
        const QSize flaeche = f->Zeichenflaeche()->size();
        // The step fields share one place: the chosen control's field shows.
        f->ModusSetzen(16);
        QCoreApplication::processEvents();
        QCOMPARE(f->Zeichenflaeche()->size(), flaeche);
        kontrolle->setCurrentIndex(1);
        QVERIFY(f->findChild<QWidget*>("Winkeldiffedit")->isVisibleTo(f.get()));
        QVERIFY(!f->findChild<QWidget*>("Strichlangedit")->isVisibleTo(f.get()));
        kontrolle->setCurrentIndex(2);
        QVERIFY(f->findChild<QWidget*>("Deltaedit")->isVisibleTo(f.get()));
        f->ModusSetzen(4);
        QVERIFY(!f->findChild<QWidget*>("Deltaedit")->isVisibleTo(f.get()));
    }

    void stifteUndKreisgrenze() {
        Stift& s = f->Zeichenflaeche()->Flaeche().Zustand;
        QCOMPARE(f->Kreisgrenze, 0);
        f->Doc.aktuelleBreite = 2;
        f->ModusSetzen(3);
        QCOMPARE(s.Breite, 3);
        QCOMPARE(s.Pinselfarbe, QColor(Qt::black));
        QCOMPARE(f->Kreisgrenze, 3);
        f->ModusSetzen(2);
        QCOMPARE(s.Pinselfarbe, QColor(Qt::white));
        QCOMPARE(f->Kreisgrenze, 6);
        f->Doc.aktuelleBreite = -1;
        f->ModusSetzen(17);
        QCOMPARE(s.Breite, 0);
        QCOMPARE(f->Kreisgrenze, 10000);
        f->ModusSetzen(0);
        QCOMPARE(f->Kreisgrenze, 10000);
        f->ModusSetzen(13);
        QCOMPARE(s.Breite, 1);
        QCOMPARE(s.Farbe, QColor(Qt::black));
        // Other modes leave the pen as the tools set it.
        s.Breite = 7;
        f->ModusSetzen(10);
        QCOMPARE(s.Breite, 7);
    }

    void kreuzFolgtDemEinrastpunkt() {
        MyDraw* zf = f->Zeichenflaeche();
        f->ModusSetzen(0);
        const QImage ohne = zf->Flaeche().Image();
        Bewegen(zf, QPoint(100, 100));
        QVERIFY(f->Painter().FadenkreuzGezeigt());
        const QPoint p = f->Painter().FadenkreuzPosition();
        QCOMPARE(p, QPoint(f->View.SnapPixelX(100), f->View.SnapPixelY(100)));
        QCOMPARE(f->letzteKreuzposition, p);
        QCOMPARE(f->Statusfeld(1)->text(), QStringLiteral("(%1,%2)")
                                               .arg(qRound(f->View.PixelNachX(p.x())))
                                               .arg(qRound(f->View.PixelNachY(p.y()))));
        const QImage mit = zf->Flaeche().Image();
        QVERIFY(mit != ohne);
        // A move onto the same snapped pixel leaves the surface alone; a new one moves the cross.
        Bewegen(zf, QPoint(101, 101));
        QCOMPARE(zf->Flaeche().Image(), mit);
        Bewegen(zf, QPoint(200, 150));
        QVERIFY(f->Painter().FadenkreuzPosition() != p);
        // A swallowed move draws nothing.
        const QImage vorher = zf->Flaeche().Image();
        f->ignoriereBewegung = true;
        Bewegen(zf, QPoint(300, 150));
        QVERIFY(!f->ignoriereBewegung);
        QCOMPARE(zf->Flaeche().Image(), vorher);
        // Neutral and pick modes draw no cross.
        f->ModusSetzen(6);
        QVERIFY(!f->Painter().FadenkreuzGezeigt());
        QCOMPARE(zf->Flaeche().Image(), ohne);
        Bewegen(zf, QPoint(120, 120));
        QVERIFY(!f->Painter().FadenkreuzGezeigt());
    }

    void keinKreuzrestNachNeuzeichnen() {
        MyDraw* zf = f->Zeichenflaeche();
        f->ModusSetzen(0);
        f->zeichneneu();
        const QImage sauber = zf->Flaeche().Image();
        Bewegen(zf, QPoint(100, 100));
        f->zeichneneu();
        QCOMPARE(zf->Flaeche().Image(), sauber);
        // The next move draws exactly one cross again.
        Bewegen(zf, QPoint(100, 100));
        QVERIFY(f->Painter().FadenkreuzGezeigt());
        f->ModusSetzen(4);
        QCOMPARE(zf->Flaeche().Image(), sauber);
    }

    void gitterUndZoomMenue() {
        MyDraw* zf = f->Zeichenflaeche();
        const QImage mitGitter = zf->Flaeche().Image();
        QAction* gitter = f->findChild<QAction*>("Gitter1");
        gitter->trigger();
        QVERIFY(!gitter->isChecked());
        QVERIFY(!f->Painter().Gitter);
        QImage leer(zf->Flaeche().Image().size(), QImage::Format_RGB32);
        leer.fill(Qt::white);
        QCOMPARE(zf->Flaeche().Image(), leer);
        gitter->trigger();
        QCOMPARE(zf->Flaeche().Image(), mitGitter);

        f->findChild<QAction*>("Zoom2")->trigger();
        QCOMPARE(f->Doc.Kopf.Zoomstufe, std::int16_t{2});
        QCOMPARE(f->View.Zoomfaktor, 1.0);
        for (int i = 0; i <= 8; ++i)
            QCOMPARE(f->findChild<QAction*>(QStringLiteral("Zoom%1").arg(i))->isChecked(), i == 2);
        QVERIFY(zf->Flaeche().Image() != mitGitter);
        f->findChild<QAction*>("Zoom4")->trigger();
        QCOMPARE(zf->Flaeche().Image(), mitGitter);
    }

    void snapschalter() {
        auto* check = f->findChild<QWidget*>("snapcheck");
        QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, check->height() / 2));
        QVERIFY(!f->View.Snap);
        QVERIFY(!f->Doc.Kopf.Snap);
        auto* box = f->findChild<QComboBox*>("Snapbox");
        box->setCurrentIndex(9);
        emit box->activated(9);
        QCOMPARE(f->Doc.Kopf.Snapstufe, std::int16_t{9});
        QCOMPARE(f->View.Schritt, 10.0);
    }

    void clipanzeige() {
        f->Doc.Dialog.ClipUnten = -5;
        f->Doc.Dialog.ClipOben = 50;
        f->Doc.Dialog.ClipLinks = 3;
        f->Doc.Dialog.ClipRechts = 40;
        f->ClipanzeigeSetzen();
        QCOMPARE(f->Statusfeld(3)->text(), QStringLiteral("Clip: u: -5 o: 50 l: 3 r: 40"));
        f->Doc.Dialog.Clipaktiv = false;
        f->ClipanzeigeSetzen();
        QCOMPARE(f->Statusfeld(3)->text(), QStringLiteral("Clip aus"));
    }
};

QTEST_MAIN(TForm1ModusTest)
#include "TForm1ModusTest.moc"
