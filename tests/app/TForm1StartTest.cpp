// Start and close of the main window: stored geometry, the close question and the number format.
#include "Testprogramm.h"
#include "DateiSkriptfenster.h"
#include "main/Programmstart.h"

#include <QAction>
#include <QLocale>
#include <QScreen>
#include <QSettings>

#include <clocale>
#include <cstdlib>

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

QVariantMap Gespeichert(const QVariantMap& neu = {}) {
    auto s = Speicher();
    for (auto i = neu.begin(); i != neu.end(); ++i)
        s.setValue(i.key(), i.value());
    QVariantMap werte;
    for (const QString& name : s.childKeys())
        werte[name] = s.value(name);
    return werte;
}

QRect Startlage() {
    return QRect(QPoint(18, 20),
                 QGuiApplication::primaryScreen()->availableGeometry().size() - QSize(100, 100));
}

} // namespace

class TForm1StartTest : public QObject, Testumgebung {
    Q_OBJECT
  private slots:
    void init() { Speicher().clear(); }

    void start() {
        const QString programm = QCoreApplication::applicationDirPath();
        const QVariantMap lage{{"Form1_Maximized", false}, {"Form1_Top", 40},     {"Form1_Left", 30},
                               {"Form1_Width", 500},       {"Form1_Height", 300}, {"Macro_Directory", "/m"}};
        const auto mit = [&](const QString& name, const QVariant& wert) {
            QVariantMap m = lage;
            m.remove(name);
            if (wert.isValid()) m[name] = wert;
            return m;
        };
        const QVariantMap schreibweisen{{"form1_maximized", false}, {"form1_top", 40},
                                        {"FORM1_LEFT", 30},         {"Form1_width", 500},
                                        {"form1_height", 300},      {"macro_directory", "/m"}};
        const QRect gespeichert(30, 40, 500, 300);
        // Stored values, geometry, macro folder; geometry no screen shows would leave the window out of
        // reach.
        const std::tuple<QVariantMap, QRect, QString> faelle[] = {
            {QVariantMap(), Startlage(), QString()},
            {schreibweisen, gespeichert, "/m"},
            {mit("Form1_Left", -30000), Startlage(), "/m"},
            {mit("Form1_Width", "breit"), QRect(30, 40, Startlage().width(), 300), "/m"},
            {mit("Macro_Directory", {}), gespeichert, programm},
            {mit("Form1_Maximized", {}), Startlage(), programm}};
        for (const auto& [werte, soll, makros] : faelle) {
            Speicher().clear();
            Gespeichert(werte);
            Skriptfenster f;
            f.show();
            QCOMPARE(std::pair(QRect(f.pos(), f.size()), f.Makroordner()), std::pair(soll, makros));
        }
    }

    void maximiertSchreibtNurZweiWerte() {
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
        using vektra::Antwort;
        Gespeichert({{"form1_top", 1}, {"macro_directory", "/alt"}});
        Schliessfenster f;
        f.show();
        QTest::mouseClick(f.findChild<QWidget*>("LineButton"), Qt::LeftButton);
        QVERIFY(f.Dokument().Geaendert);
        // Cancel keeps the window open but still writes the geometry, each value under one name.
        f.MakroordnerSetzen(u"/neu"_s);
        f.move(50, 60);
        f.resize(640, 480);
        QVERIFY(!f.close());
        QCOMPARE(f.fragen, QStringList{u"Änderungen speichern?"_s});
        const QVariantMap soll{{"Form1_Top", 60},          {"Form1_Left", 50},
                               {"Form1_Width", 640},       {"Form1_Height", 480},
                               {"Form1_Maximized", false}, {"Macro_Directory", "/neu"}};
        QCOMPARE(Gespeichert(), soll);
        // Yes whose saving fails keeps the window and the drawing; No closes unsaved, by menu as well.
        f.gelingtAb = 2;
        f.antworten = {Antwort::Ja, Antwort::Ja, Antwort::Nein};
        QVERIFY(!f.close() && f.isVisible());
        QVERIFY(f.close());
        f.show();
        f.findChild<QAction*>("Exit1")->trigger();
        QCOMPARE(std::pair(f.isVisible(), f.gespeichert), std::pair(false, 2));
    }

    void zahlenMitPunkt() {
        // Whatever the user's locale, numbers read and print with ".".
        std::setlocale(LC_ALL, "de_DE.UTF-8");
        QLocale::setDefault(QLocale(QLocale::German));
        ProgrammEinrichten();
        QCOMPARE(std::tuple(QLocale().toString(2.5), std::strtod("2.5", nullptr),
                            std::localeconv()->decimal_point[0]),
                 std::tuple(u"2.5"_s, 2.5, '.'));
    }
};

VEKTRA_TESTPROGRAMM(TForm1StartTest)
#include "TForm1StartTest.moc"
