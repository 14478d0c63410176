// The export and import commands, opening a drawing given at start, and texts with umlauts and
// the euro sign through save, reload and the screen.
#include "DateiSkriptfenster.h"

#include "main/TEinstellungen.h"
#include "view/Leinwand.h"
#include "view/MyDraw.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

namespace {

using vektra::Antwort;

// A hand-written picture: unit length 0.5, one line and one circle.
const QByteArray Bild = "\\begin{picture}(100,100)\r\n"
                        "\\unitlength 0.5mm\r\n"
                        "\\emline{0.00}{0.00}{1}{10.00}{10.00}{2}\r\n"
                        "\\put(10,20){\\circle{6}}\r\n"
                        "\\end{picture}\r\n";

QString Unitlengthfeld(TForm1& f) {
    return f.Einstellungen->findChild<QLineEdit*>(QStringLiteral("Unitlength"))->text();
}

const QString Frage = QStringLiteral(": Datei existiert schon. Ueberschreiben?");

} // namespace

class DateiExportTest : public QObject {
    Q_OBJECT
    QTemporaryDir konfig;
    QTemporaryDir ordner;
    QString Datei(const QString& name) const { return QDir(ordner.path()).filePath(name); }

  private slots:
    void initTestCase() {
        QVERIFY(konfig.isValid());
        QVERIFY(ordner.isValid());
        qputenv("XDG_CONFIG_HOME", konfig.path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
    }

    void bildexport() {
        Skriptfenster f;
        NeueLinie(f.Doc, 0, 0, 5, 5);
        f.Doc.Geaendert = true;
        f.ModusSetzen(4);
        // Unnamed: the export asks for a name, and the drawing takes it.
        const QString vkx = Datei(QStringLiteral("bild.vkx"));
        f.speichernAntworten = {vkx};
        f.Dateien().Exportieren(0);
        QCOMPARE(f.speichernDialoge.size(), std::size_t(1));
        QCOMPARE(f.speichernDialoge[0].filter, QStringLiteral("Vektra/EmTeX (*.vkx)"));
        QVERIFY(Inhalt(vkx).startsWith("%%Vektra32 V. 4.4.1.7\r\n"));
        const QString vks = Datei(QStringLiteral("bild.vks"));
        QCOMPARE(f.Doc.Dateiname, vks.toStdString());
        QCOMPARE(f.Doc.Exportname, vkx.toStdString());
        QCOMPARE(f.Doc.Treibername, Datei(QStringLiteral("bild.vkp")).toStdString());
        QCOMPARE(f.windowTitle(), QStringLiteral("Vektra32 - ") + vks);
        QCOMPARE(int(f.Modus), 6);
        QVERIFY(f.Doc.Geaendert);
        QVERIFY(f.fragen.isEmpty());

        // Again: asked every time; "Yes" writes the drawing as it is now.
        NeueLinie(f.Doc, 1, 1, 7, 7);
        f.antworten = {Antwort::Ja};
        f.Dateien().Exportieren(0);
        QCOMPARE(f.fragen, QStringList{vkx + Frage});
        QVERIFY(Inhalt(vkx).contains("{ 7.00}"));

        // "No" leads to the dialog, which proposes the export's name; cancelling keeps the names.
        f.antworten = {Antwort::Nein};
        f.Dateien().Exportieren(0);
        QCOMPARE(f.speichernDialoge.size(), std::size_t(2));
        QCOMPARE(f.speichernDialoge[1].start, vkx);
        QCOMPARE(f.Doc.Dateiname, vks.toStdString());

        // Declining in the dialog's round and cancelling afterwards keeps the names too.
        f.speichernAntworten = {vkx};
        f.antworten = {Antwort::Nein};
        f.Dateien().ExportierenUnter(0);
        QCOMPARE(f.speichernDialoge.size(), std::size_t(4));
        QCOMPARE(f.Doc.Dateiname, vks.toStdString());
    }

    void postscriptexport() {
        Skriptfenster f;
        NeueLinie(f.Doc, 0, 0, 5, 5);
        f.Doc.Dateiname = Datei(QStringLiteral("ps.vks")).toStdString();
        f.Dateien().Exportieren(1);
        QVERIFY(f.fragen.isEmpty());
        QVERIFY(Inhalt(Datei(QStringLiteral("ps.vkp"))).contains("ps.ps"));
        QVERIFY(Inhalt(Datei(QStringLiteral("ps.ps"))).contains("lineto"));
        // The wrapper's existence is asked about.
        f.antworten = {Antwort::Ja};
        f.Dateien().Exportieren(1);
        QCOMPARE(f.fragen, QStringList{Datei(QStringLiteral("ps.vkp")) + Frage});

        // "as..." proposes the wrapper's name.
        f.Dateien().ExportierenUnter(1);
        QCOMPARE(f.speichernDialoge.back().filter, QStringLiteral("Postscript/Pdf und Treiber (*.vkp)"));
        QCOMPARE(f.speichernDialoge.back().start, Datei(QStringLiteral("ps.vkp")));
    }

    void exportOhneZeichnung() {
        Skriptfenster f;
        NeueLinie(f.Doc, 0, 0, 5, 5).geloescht = true;
        f.Doc.Dateiname = Datei(QStringLiteral("nichts.vks")).toStdString();
        f.ModusSetzen(4);
        f.Dateien().Exportieren(0);
        QCOMPARE(f.meldungen, QStringList{QStringLiteral("Keine Zeichnung")});
        QVERIFY(!QFile::exists(Datei(QStringLiteral("nichts.vkx"))));
        QCOMPARE(int(f.Modus), 4);
    }

    void import() {
        const QString pfad = Datei(QStringLiteral("import.vkx"));
        QVERIFY(Schreiben(pfad, Bild));
        Skriptfenster f;
        NeueLinie(f.Doc, 0, 0, 5, 5);
        f.Doc.Geaendert = true;
        f.antworten = {Antwort::Nein};
        f.Dateien().ImportClick();
        QCOMPARE(f.fragen, QStringList{QStringLiteral("Änderungen verwerfen?")});
        QVERIFY(f.oeffnenDialoge.empty());

        f.antworten = {Antwort::Ja};
        f.oeffnenAntworten = {pfad};
        f.Dateien().ImportClick();
        QCOMPARE(f.oeffnenDialoge[0].filter, QStringLiteral("Vkx- und Pic-Dateien (*.vkx *.pic)"));
        QCOMPARE(f.Doc.Elemente.Anzahl(), 2);
        QCOMPARE(int(f.Doc.Elemente[2].Art), int(vektra::Kreis));
        QCOMPARE(f.Doc.Dateiname, std::string("import.vks"));
        QCOMPARE(f.windowTitle(), QStringLiteral("Vektra 32 - import.vks"));
        QCOMPARE(Unitlengthfeld(f), QStringLiteral("0.5"));
        QVERIFY(!f.Doc.Geaendert);
        QCOMPARE(int(f.Modus), 6);
        QCOMPARE(f.Dateien().Oeffnenordner, ordner.path());

        // A file that cannot be read is reported, naming it, and the drawing stays.
        const QString fehlt = Datei(QStringLiteral("fehlt.pic"));
        f.oeffnenAntworten = {fehlt};
        f.Dateien().ImportClick();
        QCOMPARE(f.meldungen.size(), 1);
        QVERIFY2(f.meldungen[0].startsWith(fehlt), qPrintable(f.meldungen[0]));
        QCOMPARE(f.Doc.Elemente.Anzahl(), 2);
        QCOMPARE(f.Doc.Dateiname, std::string("import.vks"));
    }

    void startMitZeichnung() {
        {
            Skriptfenster quelle;
            NeueLinie(quelle.Doc, 0, 0, 5, 5);
            quelle.Doc.Kopf.Zoomstufe = 2;
            quelle.Doc.Dateiname = Datei(QStringLiteral("X.vks")).toStdString();
            QVERIFY(quelle.Dateien().Speichern1Click());
            QVERIFY(QFile::rename(Datei(QStringLiteral("X.vks")), Datei(QStringLiteral("X.VKS"))));
        }
        Skriptfenster f;
        f.Startdatei = Datei(QStringLiteral("X.VKS"));
        f.show();
        QVERIFY(f.meldungen.isEmpty());
        QCOMPARE(f.Doc.Elemente.Anzahl(), 1);
        QCOMPARE(f.Doc.Kopf.Zoomstufe, std::int16_t(2));
        QVERIFY(f.findChild<QAction*>(QStringLiteral("Zoom2"))->isChecked());
        QCOMPARE(f.Doc.Dateiname, Datei(QStringLiteral("X.vks")).toStdString());
        QCOMPARE(f.windowTitle(), QStringLiteral("Vektra32 X.vks"));
        QCOMPARE(f.Dateien().Oeffnenordner, ordner.path());
        QCOMPARE(f.Dateien().Speichernordner, ordner.path());
        QVERIFY(!f.Doc.Geaendert);
    }

    void startMitBild() {
        QVERIFY(Schreiben(Datei(QStringLiteral("b.pic")), Bild));
        Skriptfenster f;
        f.findChild<QAction*>(QStringLiteral("Speichern1"))->setEnabled(false);
        f.Startdatei = Datei(QStringLiteral("b.pic"));
        f.show();
        QCOMPARE(f.Doc.Elemente.Anzahl(), 2);
        QCOMPARE(f.Doc.Dateiname, Datei(QStringLiteral("b.vks")).toStdString());
        QCOMPARE(f.windowTitle(), QStringLiteral("Vektra32 b.vks"));
        QCOMPARE(Unitlengthfeld(f), QStringLiteral("0.5"));
        QVERIFY(f.findChild<QAction*>(QStringLiteral("Speichern1"))->isEnabled());
        QVERIFY(!f.Doc.Geaendert);
    }

    void startMitUnlesbarerDatei() {
        for (const char* name : {"weg.vks", "weg.pic"}) {
            Skriptfenster f;
            f.Startdatei = Datei(QString::fromLatin1(name));
            f.show();
            QVERIFY(f.isVisible());
            QCOMPARE(f.meldungen.size(), 1);
            QVERIFY2(f.meldungen[0].startsWith(f.Startdatei), qPrintable(f.meldungen[0]));
            QCOMPARE(f.Doc.Elemente.Anzahl(), 0);
            QVERIFY(f.Doc.Dateiname.empty());
            QCOMPARE(f.windowTitle(), QStringLiteral("Vektra32"));
        }
    }

    void umlauteUeberstehenSpeichernUndLaden() {
        const std::string bytes = "Gr\xFC\xDF \xE4 \x80";
        const QString pfad = Datei(QStringLiteral("text.vks"));
        {
            Skriptfenster f;
            NeuerText(f.Doc, 20, 20, bytes);
            f.speichernAntworten = {pfad};
            QVERIFY(f.Dateien().Speichernunter1Click());
        }
        QVERIFY(Inhalt(pfad).endsWith(QByteArray::fromStdString(bytes)));

        Skriptfenster f;
        f.resize(700, 500);
        f.show();
        f.findChild<QAction*>(QStringLiteral("Gitter1"))->trigger();
        f.oeffnenAntworten = {pfad};
        f.Dateien().Open1Click();
        QCOMPARE(f.Doc.Elemente.Anzahl(), 1);
        QCOMPARE(f.Doc.Elemente[1].Text, bytes);

        // On the screen the text reads as the same characters drawn directly.
        MyDraw& zf = *f.Zeichenflaeche();
        Leinwand vorlage;
        vorlage.SchriftSetzen(zf.font());
        vorlage.Resize(zf.width(), zf.height());
        const QString s = QStringLiteral("Grüß ä €");
        const QSize masse = vorlage.TextExtent(s);
        vorlage.TextOut(f.View.XNachPixel(20) - static_cast<int>(std::nearbyint(masse.width() * 0.5)),
                        f.View.YNachPixel(20) - static_cast<int>(std::nearbyint(masse.height() * 0.5)), s);
        QCOMPARE(zf.Flaeche().Image(), vorlage.Image());
    }
};

QTEST_MAIN(DateiExportTest)
#include "DateiExportTest.moc"
