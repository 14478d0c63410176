// The file menu through the real main window with scripted choosers and answers: new, open,
// save, save as, closing with unsaved changes, export, import and a file given at start; and the
// conversion of the program's file filters.
#include "Testprogramm.h"
#include "DateiSkriptfenster.h"

#include "files/Dateifilter.h"
#include "main/TEinstellungen.h"
#include "view/Maler.h"

#include <QAction>
#include <QLabel>
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

class DateibefehleTest : public QObject, Testumgebung {
    Q_OBJECT

  private slots:
    void initTestCase() {
        // A drawing of three lines at zoom level 6 with its extension in capitals, the same cut
        // short, one with an unknown version tag, and one line with clipping off.
        Skriptfenster f;
        for (int i = 0; i < 3; ++i)
            NeuerStrich(f.Dokument(), i, 0, i, 10);
        std::tie(f.Dokument().Kopf.Zoomstufe, f.Dokument().Dialog.Unitlength) = std::tuple(6, "2.5");
        f.Dokument().Dateiname = Datei(u"gut.vks"_s).toStdString();
        QVERIFY(f.Dateien().Speichern1Click());
        QVERIFY(QFile::rename(Datei(u"gut.vks"_s), Datei(u"Bild.VKS"_s)));
        const QByteArray ganz = Inhalt(Datei(u"Bild.VKS"_s));
        QVERIFY(Schreiben(Datei(u"kurz.vks"_s), ganz.left(ganz.size() - 10)));
        QVERIFY(Schreiben(Datei(u"alt.vks"_s), QByteArray("\x0a\0\0\0VEKTRA41  ", 14) + QByteArray(168, 0)));
        f.Dokument().Elemente.Kuerzen(1);
        std::tie(f.Dokument().Dialog.Clipaktiv, f.Dokument().Dialog.ClipOben) = std::tuple(false, 77);
        f.Dokument().Dateiname = Datei(u"ohneclip.vks"_s).toStdString();
        QVERIFY(f.Dateien().Speichern1Click());
        QVERIFY(Schreiben(Datei(u"import.vkx"_s), Bild));
        QVERIFY(Schreiben(Datei(u"b.pic"_s), Bild));
    }

    void filterInQtForm() {
        QCOMPARE(QtFilter(u" Vkx- und Pic-Dateien | *.vkx; *.pic"_s),
                 u"Vkx- und Pic-Dateien (*.vkx *.pic)"_s);
        QCOMPARE(QtFilter(u"Leer| ;|Bilder|*.vkx|Alle|*.*"_s), u"Bilder (*.vkx);;Alle (*.*)"_s);
        QCOMPARE(QtFilter(u"*.vks; *.vkm"_s), u"*.vks *.vkm"_s);
    }

    void neuMitAenderungen_data() {
        QTest::addColumn<bool>("ja");
        QTest::addColumn<bool>("benannt");
        QTest::newRow("Nein verwirft") << false << true;
        QTest::newRow("Ja speichert zuerst") << true << true;
        QTest::newRow("Ja, Speichern unter abgebrochen") << true << false;
    }
    void neuMitAenderungen() {
        QFETCH(bool, ja);
        QFETCH(bool, benannt);
        const QString pfad = Datei(u"neu.vks"_s);
        QFile::remove(pfad);
        Skriptfenster f;
        NeuerStrich(f.Dokument(), 0, 0, 5, 5);
        if (benannt) f.Dokument().Dateiname = pfad.toStdString();
        f.Dokument().Geaendert = true;
        f.antworten = {ja ? Antwort::Ja : Antwort::Nein};
        f.Dateien().New1Click();
        QCOMPARE(f.fragen, QStringList{u"Änderungen speichern?"_s});
        // Nothing goes unless it was saved or the user let it go.
        const bool bleibt = ja && !benannt;
        QCOMPARE(std::tuple(QFile::exists(pfad), f.Dokument().Elemente.Anzahl(), f.Dokument().Geaendert,
                            f.Dokument().Dateiname.empty()),
                 std::tuple(ja && benannt, bleibt ? 1 : 0, bleibt, true));
    }

    void oeffnen_data() {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<int>("elemente");
        QTest::addColumn<QString>("dateiname");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QString>("clip");
        const QString vorher = u"Clip: u: 1 o: 2 l: 3 r: 4"_s;
        QTest::newRow("abgebrochen") << QString() << 1 << u"vorher.vks"_s << u"Vektra32 vorher.vks"_s
                                     << QString() << vorher;
        QTest::newRow("gut") << u"Bild.VKS"_s << 3 << u"Bild.vks"_s << u"Vektra32 Bild.VKS"_s << QString()
                             << u"Clip: u: -1 o: 200 l: -1 r: 200"_s;
        QTest::newRow("ohne Clip") << u"ohneclip.vks"_s << 1 << u"ohneclip.vks"_s
                                   << u"Vektra32 ohneclip.vks"_s << QString() << u"Clip aus"_s;
        QTest::newRow("kaputt") << u"kurz.vks"_s << 1 << u"vorher.vks"_s << u"Vektra32 vorher.vks"_s
                                << Datei(u"kurz.vks: "_s) << vorher;
        QTest::newRow("falsche Version")
            << u"alt.vks"_s << 0 << QString() << u"Vektra32"_s << u"Falsche Version"_s << vorher;
    }
    void oeffnen() {
        QFETCH(QString, datei);
        QFETCH(int, elemente);
        QFETCH(QString, dateiname);
        QFETCH(QString, titel);
        QFETCH(QString, meldung);
        QFETCH(QString, clip);
        Skriptfenster f;
        NeuerStrich(f.Dokument(), 0, 0, 5, 5);
        f.Statusfeld(3)->setText(u"Clip: u: 1 o: 2 l: 3 r: 4"_s);
        f.Dokument().Dateiname = "vorher.vks";
        f.setWindowTitle(u"Vektra32 vorher.vks"_s);
        f.Dokument().Geaendert = true;
        // From a drawing mode: the redraw after loading must not mark the new drawing changed.
        f.ModusSetzen(Modus(0));
        f.antworten = {Antwort::Ja};
        if (!datei.isEmpty()) f.dateien = {Datei(datei)};
        const unsigned generation = f.Painter().Generation();
        f.Dateien().Open1Click();
        // Whatever was chosen is shown at once: the surface and the clip state of panel 3.
        QCOMPARE(std::pair(f.Painter().Generation() > generation, f.Statusfeld(3)->text()),
                 std::pair(!datei.isEmpty(), clip));
        QCOMPARE(f.fragen, QStringList{u"Änderungen verwerfen?"_s});
        QCOMPARE(f.meldungen.size(), meldung.isEmpty() ? 0 : 1);
        QVERIFY2(f.meldungen.value(0).startsWith(meldung), qPrintable(f.meldungen.join(u'|')));
        // A drawing that was kept keeps its changes; a replaced one starts unchanged.
        QCOMPARE(std::tuple(f.Dokument().Elemente.Anzahl(), QString::fromStdString(f.Dokument().Dateiname),
                            f.windowTitle(), f.Dokument().Geaendert),
                 std::tuple(elemente, dateiname, titel, dateiname == u"vorher.vks"_s));
        if (elemente == 3) QVERIFY(f.findChild<QAction*>(u"Zoom6"_s)->isChecked());
    }

    void speichernUnter() {
        const QString vorhanden = Datei(u"da.vks"_s), ziel = Datei(u"erst.vks"_s);
        QVERIFY(Schreiben(vorhanden, "alt"));
        Skriptfenster f;
        NeuerStrich(f.Dokument(), 0, 0, 5, 5);
        // Typed without extension, the name is asked about as the ".vks" file that would be
        // written; "No" asks for a name again, and cancelling then keeps the old name and file.
        f.Dokument().Dateiname = "vorher.vks";
        f.dateien = {Datei(u"da"_s)};
        f.antworten = {Antwort::Nein};
        QVERIFY(!f.Dateien().Speichernunter1Click());
        QCOMPARE(f.fragen, QStringList{vorhanden + u": Datei existiert schon. Ueberschreiben?"_s});
        QCOMPARE(std::tuple(f.dateidialoge, f.Dokument().Dateiname, Inhalt(vorhanden)),
                 std::tuple(2, std::string("vorher.vks"), QByteArray("alt")));
        f.dateien = {vorhanden};
        f.antworten = {Antwort::Ja};
        QVERIFY(f.Dateien().Speichernunter1Click());
        QCOMPARE(std::pair(Inhalt(vorhanden).mid(4, 10), f.windowTitle()),
                 std::pair(QByteArray("VEKTRA42  "), u"Vektra32 - "_s + vorhanden));
        // An unnamed drawing asks for its name.
        f.Dokument().Dateiname.clear();
        f.Dokument().Geaendert = true;
        f.dateien = {ziel};
        QVERIFY(f.Dateien().Speichern1Click());
        QCOMPARE(std::tuple(f.Dokument().Dateiname, f.windowTitle(), f.Dokument().Geaendert,
                            Inhalt(ziel).mid(4, 10)),
                 std::tuple(ziel.toStdString(), u"Vektra32 - "_s + ziel, false, QByteArray("VEKTRA42  ")));
    }

    void speichernFehlgeschlagen() {
        // The target is a folder with a file in it: the write fails and the folder stays.
        const QString ziel = Datei(u"belegt.vks"_s);
        QVERIFY(QDir().mkdir(ziel));
        QVERIFY(Schreiben(ziel + u"/drin"_s, "bleibt"));
        Skriptfenster f;
        NeuerStrich(f.Dokument(), 0, 0, 5, 5);
        f.Dokument().Dateiname = ziel.toStdString();
        f.Dokument().Geaendert = true;
        QVERIFY(!f.Dateien().Speichern1Click());
        QVERIFY2(f.meldungen.value(0).startsWith(ziel), qPrintable(f.meldungen.join(u'|')));
        QCOMPARE(std::pair(f.Dokument().Geaendert, Inhalt(ziel + u"/drin"_s)),
                 std::pair(true, QByteArray("bleibt")));
    }

    void schliessenMitAbgebrochenemSpeichernBleibtOffen() {
        Skriptfenster f;
        f.show();
        NeuerStrich(f.Dokument(), 0, 0, 5, 5);
        f.Dokument().Geaendert = true;
        f.antworten = {Antwort::Ja};
        QVERIFY(!f.close());
        QCOMPARE(std::pair(f.isVisible(), f.dateidialoge), std::pair(true, 1));
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
        NeuerStrich(f.Dokument(), 0, 0, 5, 5);
        f.Dokument().Dateiname = Datei(zeichnung).toStdString();
        f.Dateien().Exportieren(art);
        const QByteArray erst = Inhalt(Datei(geschrieben));
        QVERIFY(f.fragen.isEmpty() && f.meldungen.isEmpty() && !erst.isEmpty());
        // PostScript comes with its PDF.
        QCOMPARE(Inhalt(QString(Datei(zeichnung)).replace(u".vks"_s, u".pdf"_s)).startsWith("%PDF-"),
                 art == 1);

        // "No" leads to the file chooser; cancelling it writes nothing.
        NeuerStrich(f.Dokument(), 1, 1, 7, 7);
        f.antworten = {Antwort::Nein};
        f.Dateien().Exportieren(art);
        QCOMPARE(std::pair(f.dateidialoge, Inhalt(Datei(geschrieben))), std::pair(1, erst));

        // "Yes" writes the drawing as it is now.
        f.antworten = {Antwort::Ja};
        f.Dateien().Exportieren(art);
        QCOMPARE(f.fragen, QStringList(2, Datei(gefragt) + u": Datei existiert schon. Ueberschreiben?"_s));
        QVERIFY(Inhalt(Datei(geschrieben)) != erst);
    }

    void pdfFehlerGemeldet() {
        // A PDF that cannot be made is reported by its name; the wrapper and the PostScript file
        // are written all the same.
        Skriptfenster f;
        NeuerStrich(f.Dokument(), 0, 0, 5, 5);
        f.Dokument().Dialog.TeXBreite[2] = "0,4";
        f.Dokument().Dateiname = Datei(u"ohnepdf.vks"_s).toStdString();
        f.Dateien().Exportieren(1);
        QCOMPARE(f.meldungen,
                 QStringList(Datei(u"ohnepdf.pdf"_s) + u": TeX-Linienbreite ist keine Zahl: 0,4"_s));
        QVERIFY(QFile::exists(Datei(u"ohnepdf.vkp"_s)) && QFile::exists(Datei(u"ohnepdf.ps"_s)) &&
                !QFile::exists(Datei(u"ohnepdf.pdf"_s)));
    }

    void import() {
        Skriptfenster f;
        NeuerStrich(f.Dokument(), 0, 0, 5, 5);
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
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("unitlength");
        QTest::newRow("Zeichnung") << u"Bild.VKS"_s << 3 << u"Bild.vks"_s << u"Vektra32 Bild.vks"_s
                                   << u"2.5"_s;
        QTest::newRow("Bild") << u"b.pic"_s << 2 << u"b.vks"_s << u"Vektra32 b.vks"_s << u"0.5"_s;
        // A start file that cannot be read is reported and leaves the drawing unnamed, so a
        // later save cannot overwrite it unasked.
        QTest::newRow("unlesbar") << u"kurz.vks"_s << 0 << QString() << u"Vektra32"_s << u"1"_s;
    }
    void start() {
        QFETCH(QString, datei);
        QFETCH(int, elemente);
        QFETCH(QString, name);
        QFETCH(QString, titel);
        QFETCH(QString, unitlength);
        Skriptfenster f;
        f.StartdateiSetzen(Datei(datei));
        f.show();
        QCOMPARE(f.meldungen.size(), name.isEmpty() ? 1 : 0);
        QVERIFY(name.isEmpty() == f.meldungen.value(0).contains(u"kurz.vks"_s));
        QCOMPARE(std::tuple(f.Dokument().Elemente.Anzahl(), QString::fromStdString(f.Dokument().Dateiname),
                            f.windowTitle(), Unitlengthfeld(f), f.Dokument().Geaendert),
                 std::tuple(elemente, name.isEmpty() ? QString() : Datei(name), titel, unitlength, false));
    }
};

VEKTRA_TESTPROGRAMM(DateibefehleTest)
#include "DateibefehleTest.moc"
