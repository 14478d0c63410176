// New, open, save, save as and closing with unsaved changes, driven through the real main window
// with scripted dialogs and answers; and the conversion of the program's file filters.
#include "DateiSkriptfenster.h"

#include "files/Dateifilter.h"
#include "files/Zeichnungsdatei.h"
#include "main/TEinstellungen.h"
#include "text/Texte.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using vektra::Antwort;

// A drawing file of `linien` lines whose record differs from the start values in every setting
// the window shows.
void Zeichnungsdatei(const QString& pfad, int linien) {
    vektra::Zeichnung z;
    for (int i = 0; i < linien; ++i)
        NeueLinie(z, i, 0, i, 10);
    z.Kopf.Snap = false;
    z.Kopf.Snapstufe = 4;
    z.Kopf.Zoomstufe = 6;
    z.Kopf.Pickabstand = 15;
    z.Dialog.Unitlength = "2.5";
    z.Dialog.Clipaktiv = false;
    StummeMeldungen m;
    QVERIFY(vektra::ZeichnungSchreibenDatei(pfad.toStdString(), z, m));
}

QString Unitlengthfeld(TForm1& f) {
    return f.Einstellungen->findChild<QLineEdit*>(QStringLiteral("Unitlength"))->text();
}

} // namespace

class DateibefehleTest : public QObject {
    Q_OBJECT
    QTemporaryDir konfig;
    QTemporaryDir ordner;
    QString Datei(const QString& name) const { return QDir(ordner.path()).filePath(name); }

  private slots:
    void initTestCase() {
        QVERIFY(konfig.isValid());
        qputenv("XDG_CONFIG_HOME", konfig.path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
    }
    void init() {
        QVERIFY(ordner.isValid());
        for (const QString& n :
             QDir(ordner.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFileInfo i(Datei(n));
            if (i.isDir())
                QDir(i.filePath()).removeRecursively();
            else
                QFile::remove(i.filePath());
        }
    }

    void filterInQtForm() {
        QCOMPARE(QtFilter(QString::fromStdString(vektra::T("s45"))), QStringLiteral("Zeichnungen (*.vks)"));
        QCOMPARE(QtFilter(QStringLiteral(" Vkx- und Pic-Dateien | *.vkx; *.pic")),
                 QStringLiteral("Vkx- und Pic-Dateien (*.vkx *.pic)"));
        QCOMPARE(QtFilter(QStringLiteral("Bilder|*.vkx|Alle|*.*")),
                 QStringLiteral("Bilder (*.vkx);;Alle (*.*)"));
        QCOMPARE(QtFilter(QStringLiteral("*.vks; *.vkm")), QStringLiteral("*.vks *.vkm"));
        QCOMPARE(QtFilter(QStringLiteral("Leer| ;|Gut|*.vks")), QStringLiteral("Gut (*.vks)"));
    }

    void neu() {
        // Unchanged: no question; the drawing, its names and the unit length start afresh.
        {
            Skriptfenster f;
            NeueLinie(f.Doc, 0, 0, 5, 5);
            f.Doc.Dateiname = "alt.vks";
            f.Doc.Exportname = "alt.vkx";
            f.Doc.Treibername = "alt.vkp";
            f.Doc.Dialog.Unitlength = "3";
            f.Einstellungen->FelderAusDokument();
            f.setWindowTitle(QStringLiteral("Vektra32 alt.vks"));
            f.ModusSetzen(0);
            f.Doc.Geaendert = false;
            f.Dateien().New1Click();
            QVERIFY(f.fragen.isEmpty());
            QCOMPARE(f.Doc.Elemente.Anzahl(), 0);
            QVERIFY(f.Doc.Dateiname.empty() && f.Doc.Exportname.empty() && f.Doc.Treibername.empty());
            QCOMPARE(f.Doc.Dialog.Unitlength, std::string("1"));
            QCOMPARE(Unitlengthfeld(f), QStringLiteral("1"));
            QCOMPARE(f.windowTitle(), QStringLiteral("Vektra32"));
            QCOMPARE(int(f.Modus), 6);
            QVERIFY(!f.Doc.Geaendert);
        }
        // Changed, "No": discarded without saving.
        {
            Skriptfenster f;
            NeueLinie(f.Doc, 0, 0, 5, 5);
            f.Doc.Geaendert = true;
            f.antworten = {Antwort::Nein};
            f.Dateien().New1Click();
            QCOMPARE(f.fragen, QStringList{QStringLiteral("Änderungen speichern?")});
            QVERIFY(f.speichernDialoge.empty());
            QCOMPARE(f.Doc.Elemente.Anzahl(), 0);
        }
        // Changed, "Yes": saved under its name first.
        {
            Skriptfenster f;
            NeueLinie(f.Doc, 0, 0, 5, 5);
            f.Doc.Dateiname = Datei(QStringLiteral("neu.vks")).toStdString();
            f.Doc.Geaendert = true;
            f.antworten = {Antwort::Ja};
            f.Dateien().New1Click();
            QCOMPARE(Inhalt(Datei(QStringLiteral("neu.vks"))).size(), 182 + 46);
            QCOMPARE(f.Doc.Elemente.Anzahl(), 0);
        }
        // Changed and unnamed, "Yes", save dialog cancelled: nothing was saved, so nothing goes.
        {
            Skriptfenster f;
            NeueLinie(f.Doc, 0, 0, 5, 5);
            f.Doc.Geaendert = true;
            f.antworten = {Antwort::Ja};
            f.Dateien().New1Click();
            QCOMPARE(f.speichernDialoge.size(), std::size_t(1));
            QCOMPARE(f.Doc.Elemente.Anzahl(), 1);
            QVERIFY(f.Doc.Geaendert);
        }
    }

    void oeffnenAbgebrochenOderVerweigert() {
        Skriptfenster f;
        NeueLinie(f.Doc, 0, 0, 5, 5);
        f.Doc.Geaendert = true;
        f.antworten = {Antwort::Nein};
        f.Dateien().Open1Click();
        QCOMPARE(f.fragen, QStringList{QStringLiteral("Änderungen verwerfen?")});
        QVERIFY(f.oeffnenDialoge.empty());

        f.antworten = {Antwort::Ja};
        f.ModusSetzen(0);
        f.ignoriereBewegung = false;
        f.Dateien().Open1Click();
        QCOMPARE(f.oeffnenDialoge.size(), std::size_t(1));
        QCOMPARE(f.oeffnenDialoge[0].filter, QStringLiteral("Zeichnungen (*.vks)"));
        QCOMPARE(f.Doc.Elemente.Anzahl(), 1);
        QCOMPARE(int(f.Modus), 6);
        QVERIFY(f.ignoriereBewegung);
    }

    void oeffnenGuteDatei() {
        Zeichnungsdatei(Datei(QStringLiteral("Bild.VKS")), 3);
        Skriptfenster f;
        NeueLinie(f.Doc, 0, 0, 5, 5);
        // Opened from a drawing mode: the redraw that follows must not mark the new drawing changed.
        f.ModusSetzen(0);
        f.antworten = {Antwort::Ja};
        f.oeffnenAntworten = {Datei(QStringLiteral("Bild.VKS"))};
        f.Dateien().Open1Click();
        QVERIFY(f.meldungen.isEmpty());
        QCOMPARE(int(f.Modus), 6);
        QCOMPARE(f.Doc.Elemente.Anzahl(), 3);
        QCOMPARE(f.Doc.Dateiname, std::string("Bild.vks"));
        QCOMPARE(f.windowTitle(), QStringLiteral("Vektra32 Bild.VKS"));
        QVERIFY(!f.Doc.Geaendert);
        QCOMPARE(f.Dateien().Oeffnenordner, ordner.path());
        QCOMPARE(f.Dateien().Speichernordner, ordner.path());
        // The window shows the drawing as it was saved.
        QVERIFY(!f.findChild<QCheckBox*>(QStringLiteral("snapcheck"))->isChecked());
        QVERIFY(!f.View.Snap);
        QCOMPARE(f.findChild<QComboBox*>(QStringLiteral("Snapbox"))->currentIndex(), 4);
        QCOMPARE(f.View.Schritt, 3.0);
        QVERIFY(f.findChild<QAction*>(QStringLiteral("Zoom6"))->isChecked());
        QCOMPARE(Unitlengthfeld(f), QStringLiteral("2.5"));
        QCOMPARE(f.Statusfeld(3)->text(), QStringLiteral("Clip aus"));
        QCOMPARE(f.Statusfeld(2)->text().left(2), QStringLiteral("3 "));
    }

    void oeffnenKaputteDatei() {
        Zeichnungsdatei(Datei(QStringLiteral("ganz.vks")), 2);
        const QByteArray ganz = Inhalt(Datei(QStringLiteral("ganz.vks")));
        QVERIFY(Schreiben(Datei(QStringLiteral("kurz.vks")), ganz.left(ganz.size() - 10)));
        Skriptfenster f;
        NeueLinie(f.Doc, 0, 0, 5, 5);
        f.Doc.Dateiname = "vorher.vks";
        f.setWindowTitle(QStringLiteral("Vektra32 vorher.vks"));
        f.Doc.Geaendert = true;
        f.antworten = {Antwort::Ja};
        f.oeffnenAntworten = {Datei(QStringLiteral("kurz.vks"))};
        f.Dateien().Open1Click();
        QCOMPARE(f.meldungen.size(), 1);
        QVERIFY2(f.meldungen[0].startsWith(Datei(QStringLiteral("kurz.vks")) + QStringLiteral(": ")),
                 qPrintable(f.meldungen[0]));
        QCOMPARE(f.Doc.Elemente.Anzahl(), 1);
        QCOMPARE(f.Doc.Dateiname, std::string("vorher.vks"));
        QCOMPARE(f.windowTitle(), QStringLiteral("Vektra32 vorher.vks"));
        QVERIFY(f.Doc.Geaendert);
    }

    void oeffnenFalscheVersion() {
        QByteArray bytes("\x0a\0\0\0VEKTRA41  ", 14);
        bytes.append(QByteArray(168, '\0'));
        QVERIFY(Schreiben(Datei(QStringLiteral("alt.vks")), bytes));
        Skriptfenster f;
        NeueLinie(f.Doc, 0, 0, 5, 5);
        f.Doc.Dateiname = "vorher.vks";
        f.Doc.Exportname = "vorher.vkx";
        f.setWindowTitle(QStringLiteral("Vektra32 vorher.vks"));
        f.oeffnenAntworten = {Datei(QStringLiteral("alt.vks"))};
        f.Dateien().Open1Click();
        QCOMPARE(f.meldungen, QStringList{QStringLiteral("Falsche Version")});
        QCOMPARE(f.Doc.Elemente.Anzahl(), 0);
        QVERIFY(f.Doc.Dateiname.empty() && f.Doc.Exportname.empty());
        QCOMPARE(f.windowTitle(), QStringLiteral("Vektra32"));
        QVERIFY(f.Dateien().Speichername.isEmpty());
    }

    void speichernUnbenanntFragtNachNamen() {
        Skriptfenster f;
        NeueLinie(f.Doc, 0, 0, 5, 5);
        f.Doc.Geaendert = true;
        const QString ziel = Datei(QStringLiteral("erst.vks"));
        f.speichernAntworten = {ziel};
        QVERIFY(f.Dateien().Speichern1Click());
        QCOMPARE(f.speichernDialoge.size(), std::size_t(1));
        QCOMPARE(f.speichernDialoge[0].filter, QStringLiteral("Zeichnungen (*.vks)"));
        QCOMPARE(f.Doc.Dateiname, ziel.toStdString());
        QCOMPARE(f.windowTitle(), QStringLiteral("Vektra32 - ") + ziel);
        QVERIFY(!f.Doc.Geaendert);
        QCOMPARE(Inhalt(ziel).mid(4, 10), QByteArray("VEKTRA42  "));
        QCOMPARE(f.Dateien().Speichernordner, ordner.path());
        QVERIFY(f.ignoriereBewegung);
    }

    void speichernUnterVorhandenerDatei() {
        const QString vorhanden = Datei(QStringLiteral("da.vks"));
        QVERIFY(Schreiben(vorhanden, "alt"));
        Skriptfenster f;
        NeueLinie(f.Doc, 0, 0, 5, 5);
        f.Doc.Dateiname = "vorher.vks";
        // "No" asks for a name again; cancelling then keeps the old name and the file.
        f.speichernAntworten = {vorhanden};
        f.antworten = {Antwort::Nein};
        QVERIFY(!f.Dateien().Speichernunter1Click());
        QCOMPARE(f.fragen,
                 QStringList{vorhanden + QStringLiteral(": Datei existiert schon. Ueberschreiben?")});
        QCOMPARE(f.speichernDialoge.size(), std::size_t(2));
        QCOMPARE(f.Doc.Dateiname, std::string("vorher.vks"));
        QCOMPARE(Inhalt(vorhanden), QByteArray("alt"));

        // "Yes" overwrites.
        f.speichernAntworten = {vorhanden};
        f.antworten = {Antwort::Ja};
        QVERIFY(f.Dateien().Speichernunter1Click());
        QCOMPARE(Inhalt(vorhanden).mid(4, 10), QByteArray("VEKTRA42  "));
        QCOMPARE(f.windowTitle(), QStringLiteral("Vektra32 - ") + vorhanden);

        // A name typed without extension is saved with ".vks" and asked about under that name.
        f.fragen.clear();
        f.speichernAntworten = {Datei(QStringLiteral("da"))};
        f.antworten = {Antwort::Nein};
        QVERIFY(!f.Dateien().Speichernunter1Click());
        QCOMPARE(f.fragen,
                 QStringList{vorhanden + QStringLiteral(": Datei existiert schon. Ueberschreiben?")});
    }

    void speichernFehlgeschlagen() {
        // The target is a folder with a file in it: the write fails and the folder stays.
        const QString ziel = Datei(QStringLiteral("belegt.vks"));
        QVERIFY(QDir(ordner.path()).mkdir(QStringLiteral("belegt.vks")));
        QVERIFY(Schreiben(QDir(ziel).filePath(QStringLiteral("drin")), "bleibt"));
        Skriptfenster f;
        NeueLinie(f.Doc, 0, 0, 5, 5);
        f.Doc.Dateiname = ziel.toStdString();
        f.Doc.Geaendert = true;
        QVERIFY(!f.Dateien().Speichern1Click());
        QCOMPARE(f.meldungen.size(), 1);
        QVERIFY2(f.meldungen[0].startsWith(ziel), qPrintable(f.meldungen[0]));
        QVERIFY(f.Doc.Geaendert);
        QCOMPARE(Inhalt(QDir(ziel).filePath(QStringLiteral("drin"))), QByteArray("bleibt"));
    }

    void speichernOhneZeichnung() {
        Skriptfenster f;
        NeueLinie(f.Doc, 0, 0, 5, 5).geloescht = true;
        const QString ziel = Datei(QStringLiteral("leer.vks"));
        f.Doc.Dateiname = ziel.toStdString();
        f.Doc.Geaendert = true;
        QVERIFY(f.Dateien().Speichern1Click());
        QCOMPARE(f.meldungen, QStringList{QStringLiteral("Keine Zeichnung")});
        QVERIFY(!QFile::exists(ziel));
        QVERIFY(!f.Doc.Geaendert);
    }

    void gespeichertWirdNebenDerGeoeffnetenDatei() {
        // After Open the drawing's name has no folder; saving writes beside the opened file,
        // wherever the program's current folder is.
        QVERIFY(QDir(ordner.path()).mkdir(QStringLiteral("unter")));
        const QString quelle = QDir(Datei(QStringLiteral("unter"))).filePath(QStringLiteral("b.vks"));
        Zeichnungsdatei(quelle, 1);
        Skriptfenster f;
        f.oeffnenAntworten = {quelle};
        f.Dateien().Open1Click();
        NeueLinie(f.Doc, 1, 1, 2, 2);
        QVERIFY(f.Dateien().Speichern1Click());
        QCOMPARE(Inhalt(quelle).size(), 182 + 2 * 46);
        QVERIFY(!QFile::exists(QDir::current().filePath(QStringLiteral("b.vks"))));
    }

    void schliessen() {
        // "Yes" with a cancelled Save as keeps the window open.
        {
            Skriptfenster f;
            f.show();
            NeueLinie(f.Doc, 0, 0, 5, 5);
            f.Doc.Geaendert = true;
            f.antworten = {Antwort::Ja};
            QVERIFY(!f.close());
            QVERIFY(f.isVisible());
            QCOMPARE(f.speichernDialoge.size(), std::size_t(1));
        }
        // "Yes" with a name chosen saves and closes.
        {
            Skriptfenster f;
            f.show();
            NeueLinie(f.Doc, 0, 0, 5, 5);
            f.Doc.Geaendert = true;
            f.antworten = {Antwort::Ja};
            f.speichernAntworten = {Datei(QStringLiteral("zu.vks"))};
            QVERIFY(f.close());
            QVERIFY(QFile::exists(Datei(QStringLiteral("zu.vks"))));
        }
    }
};

QTEST_MAIN(DateibefehleTest)
#include "DateibefehleTest.moc"
