// The main window itself: its stored geometry at start and close, the close question, numbers
// with "." in any locale, the mode switch behind every tool button, the status panels, the
// cross, a resize, and the zoom commands.
#include "Fenster.h"

#include "main/Programmstart.h"

#include <QComboBox>
#include <QLocale>
#include <QScreen>

#include <clocale>

namespace {

// Saving for the close question is simulated and succeeds from attempt `gelingtAb` on.
class Schliessfenster : public Skriptfenster {
  public:
    int gespeichert = 0, gelingtAb = 0;

  protected:
    bool SpeichernFuerSchliessen() override { return ++gespeichert >= gelingtAb; }
};

QSettings Speicher() {
    return QSettings(u"Vektra32"_s, u"Vektra32"_s);
}

// Stores `neu`, then gives everything stored.
QVariantMap Gespeichert(const QVariantMap& neu = {}) {
    auto s = Speicher();
    for (auto i = neu.begin(); i != neu.end(); ++i)
        s.setValue(i.key(), i.value());
    QVariantMap werte;
    for (const QString& name : s.childKeys())
        werte[name] = s.value(name);
    return werte;
}

} // namespace

class FensterTest : public QObject, Testumgebung {
    Q_OBJECT
  private slots:
    void init() { Speicher().clear(); }

    void startMitGespeicherterLage() {
        // The primary screen is 1600 x 1200: without stored values the window takes it less 100
        // pixels each way, near the top-left corner. Names in any letter case are the same.
        const QRect start(18, 20, 1500, 1100), gespeichert(30, 40, 500, 300);
        const QVariantMap lage{{"form1_maximized", false}, {"form1_top", 40},     {"FORM1_LEFT", 30},
                               {"Form1_width", 500},       {"form1_height", 300}, {"macro_directory", "/m"}};
        const auto mit = [&](const QString& name, const QVariant& wert) {
            QVariantMap m = lage;
            m.remove(name);
            if (wert.isValid()) m[name] = wert;
            return m;
        };
        const QString programm = QCoreApplication::applicationDirPath();
        const auto Lage = [&](int links, int oben, int breite, int hoehe) {
            return QVariantMap{{"Form1_Maximized", false}, {"Form1_Left", links},
                               {"Form1_Top", oben},        {"Form1_Width", breite},
                               {"Form1_Height", hoehe},    {"Macro_Directory", "/m"}};
        };
        // Geometry no screen shows would leave the window out of reach; a value that cannot be
        // read ends the restoring there.
        const std::tuple<QVariantMap, QRect, QString> faelle[] = {
            {QVariantMap(), start, QString()},
            {lage, gespeichert, u"/m"_s},
            {mit(u"FORM1_LEFT"_s, -30000), start, u"/m"_s},
            {mit(u"Form1_width"_s, u"breit"_s), QRect(30, 40, 1500, 300), u"/m"_s},
            {mit(u"macro_directory"_s, {}), gespeichert, programm},
            {mit(u"form1_maximized"_s, {}), start, programm},
            // A size or place stored at another screen scale is fitted to the screen's area.
            {Lage(30, 40, 3000, 2000), QRect(0, 0, 1600, 1200), u"/m"_s},
            {Lage(1000, 1100, 500, 300), QRect(1000, 900, 500, 300), u"/m"_s},
            {Lage(1700, 100, 500, 300), QRect(1700, 100, 500, 300), u"/m"_s}};
        for (const auto& [werte, soll, makros] : faelle) {
            Speicher().clear();
            Gespeichert(werte);
            Skriptfenster f;
            f.show();
            QCOMPARE(std::pair(QRect(f.pos(), f.size()), f.Makroordner()), std::pair(soll, makros));
        }
        // Maximised, only two values are written; the window opens maximised next time.
        Speicher().clear();
        Gespeichert({{"Form1_Maximized", false}, {"Form1_Width", 777}, {"Macro_Directory", "/m"}});
        for (bool wieder : {false, true}) {
            Schliessfenster f;
            f.show();
            QCOMPARE(f.isMaximized(), wieder);
            f.showMaximized();
            QVERIFY(f.close());
        }
        QCOMPARE(Gespeichert(),
                 (QVariantMap{{"Form1_Maximized", true}, {"Form1_Width", 777}, {"Macro_Directory", "/m"}}));
    }

    void schliessenFragtNachAenderungen() {
        Gespeichert({{"form1_top", 1}, {"macro_directory", "/alt"}});
        Schliessfenster f;
        f.show();
        f.Dokument().Geaendert = true;
        // Cancel keeps the window open but still writes the geometry, each value under one name.
        f.MakroordnerSetzen(u"/neu"_s);
        f.move(50, 60);
        f.resize(640, 480);
        QVERIFY(!f.close());
        QCOMPARE(f.fragen, QStringList{u"Änderungen speichern?"_s});
        // clang-format off
        QCOMPARE(Gespeichert(), (QVariantMap{{"Form1_Top", 60}, {"Form1_Left", 50}, {"Form1_Width", 640},
                                             {"Form1_Height", 480}, {"Form1_Maximized", false}, {"Macro_Directory", "/neu"}}));
        // clang-format on
        // Yes whose saving fails keeps the window; No closes unsaved, by the menu as well.
        f.gelingtAb = 2;
        f.antworten = {Antwort::Ja, Antwort::Ja, Antwort::Nein};
        QVERIFY(!f.close() && f.isVisible());
        QVERIFY(f.close());
        f.show();
        f.findChild<QAction*>(u"Exit1"_s)->trigger();
        QCOMPARE(std::pair(f.isVisible(), f.gespeichert), std::pair(false, 2));
        // An unnamed drawing asks for a name; cancelling that keeps the window open.
        Skriptfenster g;
        g.show();
        g.Dokument().Geaendert = true;
        g.antworten = {Antwort::Ja};
        QVERIFY(!g.close());
        QCOMPARE(std::pair(g.isVisible(), g.dateidialoge), std::pair(true, 1));
    }

    void zahlenMitPunkt() {
        // Whatever the user's locale, numbers read and print with ".".
        QVERIFY(std::setlocale(LC_ALL, "de_DE.UTF-8"));
        QLocale::setDefault(QLocale(QLocale::German));
        QCOMPARE(QLocale().toString(2.5), u"2,5"_s);
        ProgrammEinrichten();
        QCOMPARE(std::tuple(QLocale().toString(2.5), std::strtod("2.5", nullptr),
                            std::localeconv()->decimal_point[0]),
                 std::tuple(u"2.5"_s, 2.5, '.'));
    }

    void infoNenntDieVersionDesBaus() {
        Fenster w;
        w.Menue("Info1");
        QCOMPARE(w.f.meldungen, QStringList{u"Vektra32 Version 4.4.1.7 Kompiliert am  07.05.04"_s});
    }

    void knoepfeSetzenIhrenModus() {
        Fenster w;
        Stift& s = w.ZF()->Flaeche().Zustand;
        // The dash fields come and go without resizing the surface.
        const QSize flaeche = w.ZF()->size();
        const auto sichtbar = [&](const char* n) { return w.Teil(n)->isVisibleTo(&w.f); };
        for (const QStringList& fall : Tabelle("Knoepfe")) {
            const QByteArray knopf = fall[0].toLatin1();
            const Modus modus = static_cast<Modus>(fall[1].toInt());
            w.f.Painter().Figur = 2;
            s = Stift{};
            s.Breite = 3;
            w.Knopf(knopf);
            QCoreApplication::processEvents();
            // The area tools draw their band with a thin dotted pen.
            const bool flaeche_ = modus == Modus::Zoomflaeche || modus == Modus::Pickflaeche;
            QCOMPARE(std::tuple(fall[0], w.M(), w.Status(0), int(w.f.Painter().Figur),
                                w.ZF()->cursor().shape(), s.Gepunktet && s.Breite == 1,
                                sichtbar("P1") && sichtbar("Kontrolle") && sichtbar("Strichlangedit"),
                                w.ZF()->size()),
                     std::tuple(fall[0], modus, fall[2], fall[3].isEmpty() ? 2 : fall[3].toInt(),
                                fall[4] == u"1"_s ? Qt::BlankCursor : Qt::ArrowCursor, flaeche_,
                                fall[5] == u"1"_s, flaeche));
            // At most the tool just chosen is down; the other modes release them all.
            for (const char* n : {"LineButton", "Textbutton", "Circbutton", "Fillcircbutton", "Pfeil1",
                                  "Linie2", "Kreis2", "rechteck1", "Kurve"})
                QVERIFY2(w.Teil<QToolButton>(n)->isChecked() == (knopf == n && modus != Modus::Auswahl),
                         knopf);
        }
        // Only the chosen step control's field shows.
        w.Knopf("Linie2");
        w.Teil<QComboBox>("Kontrolle")->setCurrentIndex(1);
        QCOMPARE(std::tuple(sichtbar("Winkeldiffedit"), sichtbar("Strichlangedit"), sichtbar("Deltaedit")),
                 std::tuple(true, false, false));
    }

    void statusUndKreuz() {
        Fenster w("L0,0,10,0:d L0,0,10,0:pd L0,0,10,0:p L0,0,10,0:p L0,0,10,0");
        QCOMPARE(w.Status(2), u"5  Elemente, 3  gewählt, 2 gelöscht"_s);
        // A redraw brings the counts up to date; modes without a text of their own leave panel 0 alone.
        Zeichnen(w.Z(), u"L0,0,10,0"_s);
        w.f.zeichneneu();
        for (const Modus m : {Modus::MakroSpeichern, Modus::Makrotaste, Modus::TextWartet})
            w.f.ModusSetzen(m);
        QCOMPARE(w.Status(2) + w.Status(0), u"6  Elemente, 3  gewählt, 2 gelöschtKlick für Bezugspunkt"_s);
        // The cross stands on the snapped pixel, and panel 1 gives its point.
        w.f.ModusSetzen(Modus::Linie);
        const QImage ohne = w.Bild();
        w.Bewegen(8.4, 20.3);
        QCOMPARE(
            std::tuple(w.f.Painter().FadenkreuzGezeigt(), w.f.Painter().FadenkreuzPosition(), w.Status(1)),
            std::tuple(true, w.Pixel(8, 20), u"(8,20)"_s));
        // A swallowed move draws nothing; a redraw leaves no stale cross behind, and the next
        // move draws exactly one again; the neutral mode takes it off and draws none.
        const QImage mit = w.Bild();
        w.f.Zustand().ignoriereBewegung = true;
        QTest::mouseMove(w.ZF(), QPoint(300, 150));
        QCOMPARE(std::pair(w.f.Zustand().ignoriereBewegung, w.Bild()), std::pair(false, mit));
        w.f.zeichneneu();
        QCOMPARE(w.Bild(), ohne);
        w.Bewegen(8.4, 20.3);
        QCOMPARE(w.Bild(), mit);
        w.f.ModusSetzen(Modus::Neutral);
        QTest::mouseMove(w.ZF(), QPoint(120, 120));
        QCOMPARE(std::pair(w.Bild(), w.f.Painter().FadenkreuzGezeigt()), std::pair(ohne, false));
        // A resize redraws against the new bottom edge.
        const int hoehe = w.ZF()->height();
        w.f.resize(700, 450);
        QTRY_VERIFY(w.f.Sicht().Hoehe != hoehe && w.f.Sicht().Hoehe == w.ZF()->height());
        QCOMPARE(w.Bild().height(), w.ZF()->height());
        QCOMPARE(w.Bild().pixelColor(w.Pixel(5, 0)), QColor(Qt::black));
    }

    void zoomflaecheUndZoomtasten() {
        Fenster w;
        const auto stand = [&] {
            return u"%1 %2 %3"_s.arg(w.f.Sicht().NullX).arg(w.f.Sicht().NullY).arg(w.Z().Kopf.Zoomstufe);
        };
        const auto zoomziehen = [&](QPoint a, QPoint b) {
            w.Knopf("ZoomAreaButton");
            QTest::mousePress(w.ZF(), Qt::LeftButton, {}, a);
            QTest::mouseMove(w.ZF(), (a + b) / 2);
            QTest::mouseRelease(w.ZF(), Qt::LeftButton, {}, b);
        };
        auto* zurueck = w.Teil<QToolButton>("unzoombutton");
        // The origins below are worked out for a surface of this size.
        QCOMPARE(w.ZF()->size(), QSize(866, 547));
        // A tiny area gives the largest level, centred; one without height changes nothing and
        // repaints nothing; back gives the view before, once.
        zoomziehen({100, 100}, {102, 102});
        const QString erste = stand();
        const unsigned generation = w.Generation();
        zoomziehen({100, 200}, {500, 200});
        QCOMPARE(std::tuple(erste, w.Generation(), w.M(), w.Teil<QAction>("Zoom8")->isChecked()),
                 std::tuple(u"1 38 8"_s, generation, Modus::Neutral, true));
        zoomziehen({1, 1}, {w.ZF()->width() + 100, w.ZF()->height() + 100});
        QCOMPARE(stand(), u"-5 32 7"_s);
        zurueck->click();
        QCOMPARE(std::pair(stand(), zurueck->isEnabled()), std::pair(erste, false));
        // Ctrl and the keypad's plus and minus step the level within 0..8 and redraw only for a
        // new level; the main keyboard's plus and Ctrl with Shift are no zoom keys.
        const Qt::KeyboardModifiers block = Qt::ControlModifier | Qt::KeypadModifier;
        // clang-format off
        const std::tuple<int, Qt::Key, Qt::KeyboardModifiers, int> faelle[] = {
            {4, Qt::Key_Plus, block, 5}, {4, Qt::Key_Minus, block, 3}, {8, Qt::Key_Plus, block, 8},
            {0, Qt::Key_Minus, block, 0}, {4, Qt::Key_Plus, Qt::ControlModifier, 4},
            {4, Qt::Key_Plus, block | Qt::ShiftModifier, 4}};
        // clang-format on
        for (const auto& [vorher, taste, mit, nachher] : faelle) {
            w.Menue(qPrintable(u"Zoom%1"_s.arg(vorher)));
            const unsigned g = w.Generation();
            // The cross stays where it was.
            w.f.Painter().FadenkreuzZeichnen({200, 150});
            w.Taste(taste, mit);
            QCOMPARE(std::tuple(int(w.Z().Kopf.Zoomstufe),
                                w.Teil<QAction>(qPrintable(u"Zoom%1"_s.arg(nachher)))->isChecked(),
                                w.Generation(), w.f.Painter().FadenkreuzGezeigt(),
                                w.f.Painter().FadenkreuzPosition()),
                     std::tuple(nachher, true, g + (vorher != nachher), true, QPoint(200, 150)));
        }
    }
};

VEKTRA_TESTPROGRAMM(FensterTest)
#include "FensterTest.moc"
