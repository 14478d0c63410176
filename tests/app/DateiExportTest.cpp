// The export and import commands and opening a file given at start.
#include "DateiSkriptfenster.h"

#include "main/TEinstellungen.h"

#include <QLineEdit>

using vektra::Antwort;

namespace {

// A hand-written picture: unit length 0.5, one line and one circle.
const QByteArray Bild = "\\begin{picture}(100,100)\r\n"
                        "\\unitlength 0.5mm\r\n"
                        "\\emline{0.00}{0.00}{1}{10.00}{10.00}{2}\r\n"
                        "\\put(10,20){\\circle{6}}\r\n"
                        "\\end{picture}\r\n";

QString Unitlengthfeld(TForm1& f) {
    return f.findChild<TEinstellungen*>()->findChild<QLineEdit*>(u"Unitlength"_s)->text();
}

} // namespace

class DateiExportTest : public QObject, Testumgebung {
    Q_OBJECT

  private slots:
    void initTestCase() {
        QVERIFY(Schreiben(Datei(u"import.vkx"_s), Bild));
        QVERIFY(Schreiben(Datei(u"b.pic"_s), Bild));
        ZeichnungAnlegen(u"X.vks"_s, 1);
        QVERIFY(QFile::rename(Datei(u"X.vks"_s), Datei(u"X.VKS"_s)));
        QVERIFY(Schreiben(Datei(u"kaputt.vks"_s), QByteArray("\x0a\0\0\0VEKTRA42", 12)));
    }

    void exportFragtVorDemUeberschreiben_data() {
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("zeichnung");
        QTest::addColumn<QString>("gefragt");
        QTest::addColumn<QString>("geschrieben");
        QTest::newRow("Bild") << 0 << u"bild.vks"_s << u"bild.vkx"_s << u"bild.vkx"_s;
        QTest::newRow("Postscript mit Treiber") << 1 << u"ps.vks"_s << u"ps.vkp"_s << u"ps.ps"_s;
    }
    void exportFragtVorDemUeberschreiben() {
        QFETCH(int, art);
        QFETCH(QString, zeichnung);
        QFETCH(QString, gefragt);
        QFETCH(QString, geschrieben);
        Skriptfenster f;
        NeueLinie(f.Dokument(), 0, 0, 5, 5);
        f.Dokument().Dateiname = Datei(zeichnung).toStdString();
        f.Dateien().Exportieren(art);
        QVERIFY(f.fragen.isEmpty());
        const QByteArray erst = Inhalt(Datei(geschrieben));
        QVERIFY(!erst.isEmpty());

        // "No" leads to the file chooser; cancelling it writes nothing.
        NeueLinie(f.Dokument(), 1, 1, 7, 7);
        f.antworten = {Antwort::Nein};
        f.Dateien().Exportieren(art);
        QCOMPARE(f.dateidialoge, 1);
        QCOMPARE(Inhalt(Datei(geschrieben)), erst);

        // "Yes" writes the drawing as it is now.
        f.antworten = {Antwort::Ja};
        f.Dateien().Exportieren(art);
        QCOMPARE(f.fragen, QStringList(2, Datei(gefragt) + u": Datei existiert schon. Ueberschreiben?"_s));
        QVERIFY(Inhalt(Datei(geschrieben)) != erst);
    }

    void pdfNebenDemPostscript() {
        Skriptfenster f;
        NeueLinie(f.Dokument(), 0, 0, 5, 5);
        f.Dokument().Dateiname = Datei(u"mitpdf.vks"_s).toStdString();
        f.Dateien().Exportieren(1);
        QCOMPARE(f.meldungen, QStringList());
        QVERIFY(Inhalt(Datei(u"mitpdf.pdf"_s)).startsWith("%PDF-"));

        // A PDF that cannot be made is reported by its name; the wrapper and the PostScript file
        // are written all the same.
        f.Dokument().Dialog.TeXBreite[2] = "0,4";
        f.Dokument().Dateiname = Datei(u"ohnepdf.vks"_s).toStdString();
        f.Dateien().Exportieren(1);
        QCOMPARE(f.meldungen,
                 QStringList(Datei(u"ohnepdf.pdf"_s) + u": TeX-Linienbreite ist keine Zahl: 0,4"_s));
        QVERIFY(QFile::exists(Datei(u"ohnepdf.vkp"_s)) && QFile::exists(Datei(u"ohnepdf.ps"_s)));
        QVERIFY(!QFile::exists(Datei(u"ohnepdf.pdf"_s)));
    }

    void import() {
        Skriptfenster f;
        NeueLinie(f.Dokument(), 0, 0, 5, 5);
        f.dateien = {Datei(u"import.vkx"_s)};
        f.Dateien().ImportClick();
        QCOMPARE(
            std::tuple(f.Dokument().Elemente.Anzahl(), f.Dokument().Elemente[2].Art, f.Dokument().Dateiname),
            std::tuple(2, vektra::Kreis, std::string("import.vks")));
        QCOMPARE(std::tuple(f.windowTitle(), Unitlengthfeld(f), f.Dokument().Geaendert, f.meldungen.size()),
                 std::tuple(u"Vektra 32 - import.vks"_s, u"0.5"_s, false, qsizetype(0)));
        // A picture of another program in UTF-8: its umlauts arrive, what is not read is named in
        // one message.
        QVERIFY(Schreiben(Datei(u"fremd.pic"_s), "\\documentclass{article}\n\\begin{picture}(10,10)\n"
                                                 "\\put(1,2){Gr\303\266\303\237e}\\unknown\n"
                                                 "\\put(0,0){\\vector(1,0){5}}\n\\end{picture}\n"));
        f.dateien = {Datei(u"fremd.pic"_s)};
        f.Dateien().ImportClick();
        QCOMPARE(std::pair(f.Dokument().Elemente.Anzahl(), f.Dokument().Elemente[1].Text),
                 std::pair(4, std::string("Gr\366\337e")));
        QCOMPARE(f.meldungen, QStringList(u"Nicht gelesene Befehle übersprungen, Zeilen: 1, 3"_s));
    }

    void start_data() {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<int>("elemente");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("unitlength");
        QTest::newRow("Zeichnung") << u"X.VKS"_s << 1 << u"X.vks"_s << u"2.5"_s;
        QTest::newRow("Bild") << u"b.pic"_s << 2 << u"b.vks"_s << u"0.5"_s;
        // A start file that cannot be read is reported and leaves the drawing unnamed, so a
        // later save cannot overwrite it unasked.
        QTest::newRow("unlesbar") << u"kaputt.vks"_s << 0 << QString() << u"1"_s;
    }
    void start() {
        QFETCH(QString, datei);
        QFETCH(int, elemente);
        QFETCH(QString, name);
        QFETCH(QString, unitlength);
        Skriptfenster f;
        f.StartdateiSetzen(Datei(datei));
        f.show();
        QCOMPARE(f.meldungen.isEmpty(), !name.isEmpty());
        QCOMPARE(f.Dokument().Elemente.Anzahl(), elemente);
        if (name.isEmpty()) {
            QVERIFY(f.meldungen.first().contains(u"kaputt.vks"_s));
            QVERIFY(f.Dokument().Dateiname.empty());
            QCOMPARE(f.windowTitle(), u"Vektra32"_s);
        } else {
            QCOMPARE(f.Dokument().Dateiname, Datei(name).toStdString());
            QCOMPARE(f.windowTitle(), u"Vektra32 "_s + name);
        }
        QCOMPARE(Unitlengthfeld(f), unitlength);
        QVERIFY(!f.Dokument().Geaendert);
    }
};

QTEST_MAIN(DateiExportTest)
#include "DateiExportTest.moc"
