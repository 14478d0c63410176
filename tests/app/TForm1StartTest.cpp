// Start and close of the main window: stored geometry, the close question and the number format.
#include "main/Programmstart.h"
#include "main/TForm1.h"

#include <QAction>
#include <QApplication>
#include <QLocale>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <clocale>
#include <cstdlib>

namespace {

// A main window that answers its questions with `antwort` and whose saving is simulated.
class Skriptfenster : public TForm1 {
  public:
    vektra::Antwort antwort = vektra::Antwort::Abbruch;
    QStringList fragen;
    bool speichernGelingt = false;
    int gespeichert = 0;

    vektra::Antwort Fragen(vektra::Meldungsart, const std::string& text, vektra::Knoepfe) override {
        fragen << QString::fromStdString(text);
        return antwort;
    }

  protected:
    bool SpeichernFuerSchliessen() override {
        ++gespeichert;
        return speichernGelingt;
    }
};

QSettings Speicher() {
    return QSettings(QStringLiteral("Vektra32"), QStringLiteral("Vektra32"));
}

void Speichern(const QVariantMap& werte) {
    auto s = Speicher();
    for (auto i = werte.begin(); i != werte.end(); ++i)
        s.setValue(i.key(), i.value());
}

QRect Startlage() {
    return QRect(QPoint(18, 20),
                 QGuiApplication::primaryScreen()->availableGeometry().size() - QSize(100, 100));
}

} // namespace

class TForm1StartTest : public QObject {
    Q_OBJECT
    QTemporaryDir konfig;

  private slots:
    void initTestCase() {
        QVERIFY(konfig.isValid());
        qputenv("XDG_CONFIG_HOME", konfig.path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
    }
    void init() { Speicher().clear(); }

    void start_data() {
        QTest::addColumn<QVariantMap>("werte");
        QTest::addColumn<QRect>("lage");
        QTest::addColumn<QString>("makros");
        const QString programm = QCoreApplication::applicationDirPath();
        const QVariantMap lage{{"Form1_Maximized", false}, {"Form1_Top", 40},     {"Form1_Left", 30},
                               {"Form1_Width", 500},       {"Form1_Height", 300}, {"Macro_Directory", "/m"}};
        const auto mit = [&](const QString& name, const QVariant& wert) {
            QVariantMap m = lage;
            m.remove(name);
            if (wert.isValid()) m[name] = wert;
            return m;
        };
        QTest::newRow("nichts gespeichert") << QVariantMap() << Startlage() << QString();
        QTest::newRow("andere Schreibweisen")
            << QVariantMap{{"form1_maximized", false}, {"form1_top", 40},     {"FORM1_LEFT", 30},
                           {"Form1_width", 500},       {"form1_height", 300}, {"macro_directory", "/m"}}
            << QRect(30, 40, 500, 300) << "/m";
        // Geometry that no screen shows would leave the window out of reach.
        QTest::newRow("kein Bildschirm") << mit("Form1_Left", -30000) << Startlage() << "/m";
        QTest::newRow("unlesbare Breite")
            << mit("Form1_Width", "breit") << QRect(30, 40, Startlage().width(), 300) << "/m";
        QTest::newRow("ohne Makroordner")
            << mit("Macro_Directory", {}) << QRect(30, 40, 500, 300) << programm;
        QTest::newRow("ohne Maximiert") << mit("Form1_Maximized", {}) << Startlage() << programm;
    }
    void start() {
        QFETCH(QVariantMap, werte);
        QFETCH(QRect, lage);
        QFETCH(QString, makros);
        Speichern(werte);
        Skriptfenster f;
        f.show();
        QCOMPARE(QRect(f.pos(), f.size()), lage);
        QCOMPARE(f.Makroordner, makros);
    }

    void maximiertSchreibtNurZweiWerte() {
        Speichern({{"Form1_Maximized", false}, {"Form1_Width", 777}, {"Macro_Directory", "/m"}});
        {
            Skriptfenster f;
            f.show();
            f.showMaximized();
            QVERIFY(f.close());
        }
        auto s = Speicher();
        QCOMPARE(s.value("Form1_Maximized").toBool(), true);
        QCOMPARE(s.value("Form1_Width").toInt(), 777);
        QVERIFY(!s.contains("Form1_Top"));
        QCOMPARE(s.value("Macro_Directory").toString(), QStringLiteral("/m"));
        Skriptfenster f;
        f.show();
        QVERIFY(f.isMaximized());
    }

    void schliessenFragtNachAenderungen() {
        using vektra::Antwort;
        Speichern({{"form1_top", 1}, {"macro_directory", "/alt"}});
        Skriptfenster f;
        f.show();
        QTest::mouseClick(f.findChild<QWidget*>("LineButton"), Qt::LeftButton);
        QVERIFY(f.Doc.Geaendert);
        // Cancel keeps the window open but still writes the geometry, each value under one name.
        f.Makroordner = QStringLiteral("/neu");
        f.move(50, 60);
        f.resize(640, 480);
        QVERIFY(!f.close());
        QCOMPARE(f.fragen, QStringList{QStringLiteral("Änderungen speichern?")});
        auto s = Speicher();
        QVariantMap gespeichert;
        for (const QString& name : s.childKeys())
            gespeichert[name] = s.value(name);
        QCOMPARE(gespeichert, (QVariantMap{{"Form1_Top", 60},
                                           {"Form1_Left", 50},
                                           {"Form1_Width", 640},
                                           {"Form1_Height", 480},
                                           {"Form1_Maximized", false},
                                           {"Macro_Directory", "/neu"}}));
        // Yes whose saving fails keeps the window open: the drawing is not lost.
        f.antwort = Antwort::Ja;
        QVERIFY(!f.close());
        QCOMPARE(f.gespeichert, 1);
        QVERIFY(f.isVisible());
        f.speichernGelingt = true;
        QVERIFY(f.close());
        QCOMPARE(f.gespeichert, 2);
        // No closes without saving, through the menu as well.
        f.show();
        f.antwort = Antwort::Nein;
        f.findChild<QAction*>("Exit1")->trigger();
        QVERIFY(!f.isVisible());
        QCOMPARE(f.gespeichert, 2);
    }

    void zahlenMitPunkt() {
        // Whatever the user's locale, numbers read and print with ".".
        std::setlocale(LC_ALL, "de_DE.UTF-8");
        QLocale::setDefault(QLocale(QLocale::German));
        ProgrammEinrichten();
        QCOMPARE(QLocale().toString(2.5), QStringLiteral("2.5"));
        QCOMPARE(std::strtod("2.5", nullptr), 2.5);
        QCOMPARE(QString::fromLatin1(std::localeconv()->decimal_point), QStringLiteral("."));
    }
};

QTEST_MAIN(TForm1StartTest)
#include "TForm1StartTest.moc"
