// Start and close of the main window: stored geometry, the close question, the version box and
// the number format.
#include "main/Programmstart.h"
#include "main/TForm1.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <clocale>
#include <cstdlib>
#include <vector>

namespace {

// A main window whose questions are answered from a script and whose saving is simulated.
class Skriptfenster : public TForm1 {
  public:
    std::vector<vektra::Antwort> antworten;
    QStringList fragen;
    QStringList meldungen;
    bool speichernGelingt = false;
    int gespeichert = 0;

    void Melden(vektra::Meldungsart, const std::string& text, int) override {
        meldungen << QString::fromStdString(text);
    }
    vektra::Antwort Fragen(vektra::Meldungsart, const std::string& text, vektra::Knoepfe) override {
        fragen << QString::fromStdString(text);
        if (antworten.empty()) return vektra::Antwort::Abbruch;
        const auto a = antworten.front();
        antworten.erase(antworten.begin());
        return a;
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

QSize Vollbild() {
    return QGuiApplication::primaryScreen()->availableGeometry().size();
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
    void init() {
        auto s = Speicher();
        s.clear();
        s.sync();
    }

    void startOhneGespeicherteLage() {
        Skriptfenster f;
        f.show();
        QCOMPARE(f.pos(), QPoint(18, 20));
        QCOMPARE(f.size(), Vollbild() - QSize(100, 100));
        QCOMPARE(f.windowTitle(), QStringLiteral("Vektra32"));
        QVERIFY(f.Makroordner.isEmpty());
        QCOMPARE(f.Modus, std::uint8_t{6});
        QCOMPARE(f.Doc.Geaendert, false);
        QCOMPARE(f.Statusfeld(0)->text(), QStringLiteral(" "));
        QCOMPARE(f.Statusfeld(2)->text(), QStringLiteral("0  Elemente, 0  gewählt, 0 gelöscht"));
        QCOMPARE(f.Statusfeld(3)->text(), QStringLiteral("Clip: u: -1 o: 200 l: -1 r: 200"));
    }

    void startMitGespeicherterLageInAnderenSchreibweisen() {
        {
            auto s = Speicher();
            s.setValue("form1_maximized", false);
            s.setValue("Form1_top", 40);
            s.setValue("FORM1_LEFT", 30);
            s.setValue("Form1_Width", 500);
            s.setValue("form1_height", 300);
            s.setValue("Macro_directory", "/tmp/makros");
        }
        Skriptfenster f;
        f.show();
        QCOMPARE(f.pos(), QPoint(30, 40));
        QCOMPARE(f.size(), QSize(500, 300));
        QCOMPARE(f.Makroordner, QStringLiteral("/tmp/makros"));
    }

    void lageAusserhalbJedesBildschirms() {
        {
            auto s = Speicher();
            s.setValue("Form1_Maximized", false);
            s.setValue("Form1_Top", 20000);
            s.setValue("Form1_Left", -30000);
            s.setValue("Form1_Width", 500);
            s.setValue("Form1_Height", 300);
            s.setValue("Macro_Directory", "/m");
        }
        Skriptfenster f;
        f.show();
        QCOMPARE(f.pos(), QPoint(18, 20));
        QCOMPARE(f.size(), Vollbild() - QSize(100, 100));
        QCOMPARE(f.Makroordner, QStringLiteral("/m"));
    }

    void unlesbareWerte() {
        // An unreadable size keeps the start size; the other values still apply.
        {
            auto s = Speicher();
            s.setValue("Form1_Maximized", false);
            s.setValue("Form1_Top", 40);
            s.setValue("Form1_Left", 30);
            s.setValue("Form1_Width", "breit");
            s.setValue("Form1_Height", 300);
            s.setValue("Macro_Directory", "/m");
        }
        {
            Skriptfenster f;
            f.show();
            QCOMPARE(f.pos(), QPoint(30, 40));
            QCOMPARE(f.width(), Vollbild().width() - 100);
            QCOMPARE(f.height(), 300);
        }
        // Without a macro folder the geometry still applies; the folder is the program's.
        Speicher().remove("Macro_Directory");
        {
            Skriptfenster f;
            f.show();
            QCOMPARE(f.pos(), QPoint(30, 40));
            QCOMPARE(f.Makroordner, QCoreApplication::applicationDirPath());
        }
        // Without the maximised flag the rest is skipped.
        {
            auto s = Speicher();
            s.remove("Form1_Maximized");
            s.setValue("Macro_Directory", "/m");
        }
        Skriptfenster f;
        f.show();
        QCOMPARE(f.pos(), QPoint(18, 20));
        QCOMPARE(f.Makroordner, QCoreApplication::applicationDirPath());
    }

    void schliessenSchreibtLageUnterEinemNamen() {
        {
            auto s = Speicher();
            s.setValue("form1_top", 1);
            s.setValue("macro_directory", "/alt");
        }
        Skriptfenster f;
        f.show();
        f.Makroordner = QStringLiteral("/neu");
        f.move(50, 60);
        f.resize(640, 480);
        QVERIFY(f.close());
        auto s = Speicher();
        QStringList namen = s.childKeys();
        namen.sort();
        QCOMPARE(namen, QStringList({"Form1_Height", "Form1_Left", "Form1_Maximized", "Form1_Top",
                                     "Form1_Width", "Macro_Directory"}));
        QCOMPARE(s.value("Form1_Top").toInt(), 60);
        QCOMPARE(s.value("Form1_Left").toInt(), 50);
        QCOMPARE(s.value("Form1_Width").toInt(), 640);
        QCOMPARE(s.value("Form1_Height").toInt(), 480);
        QCOMPARE(s.value("Form1_Maximized").toBool(), false);
        QCOMPARE(s.value("Macro_Directory").toString(), QStringLiteral("/neu"));
        QVERIFY(f.fragen.isEmpty());
    }

    void maximiertSchreibtNurZweiWerte() {
        {
            auto s = Speicher();
            s.setValue("Form1_Maximized", false);
            s.setValue("Form1_Width", 777);
            s.setValue("Macro_Directory", "/m");
        }
        {
            Skriptfenster f;
            f.show();
            f.showMaximized();
            QVERIFY(f.isMaximized());
            QVERIFY(f.close());
        }
        auto s = Speicher();
        QCOMPARE(s.value("Form1_Maximized").toBool(), true);
        QCOMPARE(s.value("Form1_Width").toInt(), 777);
        QVERIFY(!s.contains("Form1_Top"));
        QCOMPARE(s.value("Macro_Directory").toString(), QStringLiteral("/m"));
        // The next start is maximised again.
        Skriptfenster f;
        f.show();
        QVERIFY(f.isMaximized());
    }

    void schliessenFragtNachAenderungen() {
        using vektra::Antwort;
        Skriptfenster f;
        f.show();
        QTest::mouseClick(f.findChild<QWidget*>("LineButton"), Qt::LeftButton);
        QVERIFY(f.Doc.Geaendert);

        // Cancel keeps the window open but still writes the geometry.
        f.antworten = {Antwort::Abbruch};
        f.move(70, 80);
        QVERIFY(!f.close());
        QVERIFY(f.isVisible());
        QCOMPARE(f.fragen, QStringList{QStringLiteral("Änderungen speichern?")});
        QCOMPARE(Speicher().value("Form1_Left").toInt(), 70);

        // Yes whose saving fails keeps the window open: the drawing is not lost.
        f.antworten = {Antwort::Ja};
        QVERIFY(!f.close());
        QCOMPARE(f.gespeichert, 1);
        QVERIFY(f.isVisible());

        f.antworten = {Antwort::Ja};
        f.speichernGelingt = true;
        QVERIFY(f.close());
        QCOMPARE(f.gespeichert, 2);

        Skriptfenster g;
        g.show();
        g.Doc.Geaendert = true;
        g.antworten = {Antwort::Nein};
        QVERIFY(g.close());
        QCOMPARE(g.gespeichert, 0);
        QCOMPARE(g.fragen.size(), 1);
    }

    void exitMenueSchliesst() {
        Skriptfenster f;
        f.show();
        f.findChild<QAction*>("Exit1")->trigger();
        QVERIFY(!f.isVisible());
    }

    void infofenster() {
        QCOMPARE(TForm1::Infotext(), QStringLiteral("Vektra32 Version 4.4.1.7 Kompiliert am  07.05.04"));
        Skriptfenster f;
        f.findChild<QAction*>("Info1")->trigger();
        QCOMPARE(f.meldungen, QStringList{TForm1::Infotext()});
    }

    void zahlenMitPunkt() {
        ProgrammEinrichten();
        QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Vektra32 "));
        QCOMPARE(QLocale().decimalPoint(), QStringLiteral("."));
        QCOMPARE(QLocale().toString(2.5), QStringLiteral("2.5"));
        QCOMPARE(std::strtod("2.5", nullptr), 2.5);
        QCOMPARE(QString::fromLatin1(std::localeconv()->decimal_point), QStringLiteral("."));
    }
};

QTEST_MAIN(TForm1StartTest)
#include "TForm1StartTest.moc"
