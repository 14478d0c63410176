// The file menu through the real window with scripted choosers and answers: the drawing's name
// and the file the next "Speichern" writes after each chooser, new and open with their
// questions, failures that keep the drawing, the exports, the import, a file given at start,
// and a loaded drawing's settings in the window's controls.
#include "Fenster.h"

#include "curves/TKurvenform.h"
#include "editing/TClipform.h"
#include "editing/Zeichnen.h"
#include "files/Dateifilter.h"
#include "main/TEinstellungen.h"

namespace {

// A hand-written picture: unit length 0.5, one line and one circle.
const QByteArray Bild =
    "\\begin{picture}(100,100)\r\n\\unitlength 0.5mm\r\n"
    "\\emline{0.00}{0.00}{1}{10.00}{10.00}{2}\r\n\\put(10,20){\\circle{6}}\r\n\\end{picture}\r\n";

const QString Frage = u": Datei existiert schon. Ueberschreiben?"_s;

} // namespace

class DateienTest : public QObject, Testumgebung {
    Q_OBJECT

    // The names of the folder's files that hold a drawing.
    QStringList Zeichnungen() {
        QStringList namen;
        for (const QString& n : QDir(ordner.path()).entryList(QDir::Files, QDir::Name))
            if (Inhalt(Datei(n)).mid(4, 8) == "VEKTRA42") namen << n;
        return namen;
    }
    QString Relativ(const std::string& pfad) {
        return QString::fromStdString(pfad).remove(ordner.path() + u'/');
    }
    void Leeren() {
        for (const QString& n : QDir(ordner.path()).entryList(QDir::Files))
            QFile::remove(Datei(n));
    }

  private slots:
    void namenNachDenDateiwaehlern() {
        using D = Dateibefehle;
        // Command, what the chooser returns, the answer (Ja, Nein or none); then the drawing's
        // name, the file asked about and the drawing in the folder after "Speichern".
        const struct {
            std::function<void(D&)> befehl;
            const char *gewaehlt, *antwort, *dateiname, *gefragt, *gespeichert;
        } faelle[] = {
            // clang-format off
            {&D::Speichernunter1Click, "neu.vks", "", "neu.vks", "", "neu.vks"},
            {&D::Speichernunter1Click, "neu", "", "neu", "", "neu.vks"},
            {&D::Speichernunter1Click, "da", "Ja", "da", "da.vks", "da.vks"},
            {&D::Speichernunter1Click, "da.vks", "Nein", "alt.vks", "da.vks", "alt.vks"},
            {&D::Speichernunter1Click, "", "", "alt.vks", "", "alt.vks"},
            {[](D& d) { d.ExportierenUnter(0); }, "x.vkx", "", "x.vks", "", "x.vks"},
            {[](D& d) { d.ExportierenUnter(1); }, "x", "", "x.vks", "", "x.vks"},
            {[](D& d) { d.ExportierenUnter(0); }, "da.vkx", "Nein", "alt.vks", "da.vkx", "alt.vks"},
            {[](D& d) { d.ExportierenUnter(1); }, "da.vkp", "Nein", "alt.vks", "da.vkp", "alt.vks"},
            {[](D& d) { d.Exportieren(0); }, "", "Nein", "alt.vks", "alt.vkx", "alt.vks"},
            {&D::ImportClick, "bild.pic", "", "bild.vks", "", "bild.vks"},
            {&D::ImportClick, "", "", "alt.vks", "", "alt.vks"},
            // clang-format on
        };
        for (const auto& fall : faelle) {
            Leeren();
            for (const char* n : {"da.vks", "da.vkx", "da.vkp", "alt.vkx"})
                QVERIFY(Schreiben(Datei(QString::fromLatin1(n)), "alt"));
            QVERIFY(Schreiben(Datei(u"bild.pic"_s), Bild));
            Skriptfenster f;
            Zeichnen(f.Dokument(), u"L0,0,5,5"_s);
            f.Dokument().Dateiname = Datei(u"alt.vks"_s).toStdString();
            if (*fall.gewaehlt) f.dateien << Datei(QString::fromLatin1(fall.gewaehlt));
            if (*fall.antwort) f.antworten = {*fall.antwort == 'J' ? Antwort::Ja : Antwort::Nein};
            fall.befehl(f.Dateien());
            const QString dateiname = Relativ(f.Dokument().Dateiname);
            f.Dateien().Speichern1Click();
            const QString gefragt = QString::fromLatin1(fall.gefragt);
            QCOMPARE(std::tuple(QString::fromLatin1(fall.gewaehlt), dateiname, f.fragen, Zeichnungen()),
                     std::tuple(QString::fromLatin1(fall.gewaehlt), QString::fromLatin1(fall.dateiname),
                                gefragt.isEmpty() ? QStringList() : QStringList{Datei(gefragt) + Frage},
                                QStringList{QString::fromLatin1(fall.gespeichert)}));
        }
    }

    void filterInQtForm() {
        QCOMPARE(QtFilter(u" Vkx- und Pic-Dateien | *.vkx; *.pic"_s),
                 u"Vkx- und Pic-Dateien (*.vkx *.pic)"_s);
        QCOMPARE(QtFilter(u"Leer| ;|Bilder|*.vkx|Alle|*.*"_s), u"Bilder (*.vkx);;Alle (*.*)"_s);
        QCOMPARE(QtFilter(u"*.vks; *.vkm"_s), u"*.vks *.vkm"_s);
    }

    void neuUndOeffnenFragenErst() {
        // A drawing of three lines at zoom level 6 with its extension in capitals, the same cut
        // short, and one with an unknown version tag.
        {
            Skriptfenster f;
            Zeichnen(f.Dokument(), u"L0,0,0,10 L1,0,1,10 L2,0,2,10"_s);
            f.Dokument().Kopf.Zoomstufe = 6;
            f.Dokument().Dateiname = Datei(u"Bild.VKS"_s).toStdString();
            QVERIFY(f.Dateien().Speichern1Click());
        }
        QVERIFY(QFile::rename(Datei(u"Bild.vks"_s), Datei(u"Bild.VKS"_s)));
        const QByteArray ganz = Inhalt(Datei(u"Bild.VKS"_s));
        QVERIFY(Schreiben(Datei(u"kurz.vks"_s), ganz.left(ganz.size() - 10)));
        QVERIFY(Schreiben(Datei(u"alt.vks"_s), QByteArray("\x0a\0\0\0VEKTRA41  ", 14) + QByteArray(168, 0)));
        // File, answer; then elements, name, caption, the message's start, panel 3 if it changed, and
        // the changed mark: a drawing that was kept keeps its changes, a replaced one starts without.
        const QString vorher = u"Clip: u: 1 o: 2 l: 3 r: 4"_s;
        const struct {
            const char *datei, *antwort;
            int elemente;
            const char *name, *titel, *meldung, *clip;
            bool geaendert;
        } faelle[] = {
            // clang-format off
            {"", "Ja", 1, "vorher.vks", "Vektra32 vorher.vks", "", "", true},
            {"Bild.VKS", "Nein", 1, "vorher.vks", "Vektra32 vorher.vks", "", "", true},
            {"Bild.VKS", "Ja", 3, "Bild.vks", "Vektra32 Bild.VKS", "", "Clip: u: -1 o: 200 l: -1 r: 200", false},
            {"kurz.vks", "Ja", 1, "vorher.vks", "Vektra32 vorher.vks", "kurz.vks: ", "", true},
            {"alt.vks", "Ja", 0, "", "Vektra32", "Falsche Version", "", false},
            // clang-format on
        };
        // A replaced drawing starts a fresh history: nothing to undo.
        const auto zurueck = [](Skriptfenster& f) {
            return f.findChild<QAction*>(u"Rckgngig1"_s)->isEnabled();
        };
        for (const auto& fall : faelle) {
            Skriptfenster f;
            vektra::LinieAnlegen(f.Dokument(), 0, 0, 5, 5);
            f.Statusfeld(3)->setText(vorher);
            f.Dokument().Dateiname = "vorher.vks";
            f.setWindowTitle(u"Vektra32 vorher.vks"_s);
            f.Dokument().Geaendert = true;
            // From a drawing mode: the redraw after loading must not mark the new drawing changed.
            f.ModusSetzen(Modus::Linie);
            f.antworten = {*fall.antwort == 'J' ? Antwort::Ja : Antwort::Nein};
            if (*fall.datei) f.dateien = {Datei(QString::fromLatin1(fall.datei))};
            const unsigned generation = f.Painter().Generation();
            f.Dateien().Open1Click();
            // Whatever was chosen is shown at once.
            const QString meldung = QString::fromLatin1(fall.meldung);
            QCOMPARE(std::tuple(f.fragen, f.meldungen.size(), f.Painter().Generation() != generation),
                     std::tuple(QStringList{u"Änderungen verwerfen?"_s}, qsizetype(meldung.isEmpty() ? 0 : 1),
                                *fall.datei && *fall.antwort == 'J'));
            QVERIFY2(meldung.isEmpty() || f.meldungen.value(0).startsWith(meldung) ||
                         f.meldungen.value(0).startsWith(Datei(meldung)),
                     qPrintable(f.meldungen.join(u'|')));
            QCOMPARE(
                std::tuple(f.Dokument().Elemente.Anzahl(), QString::fromStdString(f.Dokument().Dateiname),
                           f.windowTitle(), f.Statusfeld(3)->text(), f.Dokument().Geaendert, zurueck(f)),
                std::tuple(fall.elemente, QString::fromLatin1(fall.name), QString::fromLatin1(fall.titel),
                           *fall.clip ? QString::fromLatin1(fall.clip) : vorher, fall.geaendert,
                           fall.geaendert));
            if (fall.elemente == 3) QVERIFY(f.findChild<QAction*>(u"Zoom6"_s)->isChecked());
        }
        // New asks to save: No discards; Yes saves first, and a save that does not happen keeps it.
        for (const auto& [antwort, benannt] :
             {std::pair(Antwort::Nein, true), {Antwort::Ja, true}, {Antwort::Ja, false}}) {
            QFile::remove(Datei(u"neu.vks"_s));
            Skriptfenster f;
            vektra::LinieAnlegen(f.Dokument(), 0, 0, 5, 5);
            if (benannt) f.Dokument().Dateiname = Datei(u"neu.vks"_s).toStdString();
            f.Dokument().Geaendert = true;
            f.findChild<QLineEdit*>(u"Unitlength"_s)->setText(u"2.5"_s);
            f.antworten = {antwort};
            f.Dateien().New1Click();
            const bool bleibt = antwort == Antwort::Ja && !benannt;
            // A new drawing starts with the unit length 1, in the document and in the settings dialog.
            QCOMPARE(std::tuple(f.fragen, QFile::exists(Datei(u"neu.vks"_s)), f.Dokument().Elemente.Anzahl(),
                                f.Dokument().Geaendert, f.findChild<QLineEdit*>(u"Unitlength"_s)->text(),
                                zurueck(f)),
                     std::tuple(QStringList{u"Änderungen speichern?"_s}, antwort == Antwort::Ja && benannt,
                                bleibt ? 1 : 0, bleibt, bleibt ? u"2.5"_s : u"1"_s, bleibt));
        }
    }

    void fehlschlaegeBehaltenDieZeichnung() {
        // The target is a folder: the write fails, is reported by name, and the drawing stays changed.
        const QString ziel = Datei(u"belegt.vks"_s);
        QVERIFY(QDir().mkdir(ziel));
        Skriptfenster f;
        Zeichnen(f.Dokument(), u"L0,0,5,5"_s);
        f.Dokument().Dateiname = ziel.toStdString();
        f.Dokument().Geaendert = true;
        QVERIFY(!f.Dateien().Speichern1Click());
        QVERIFY2(f.meldungen.value(0).startsWith(ziel), qPrintable(f.meldungen.join(u'|')));
        QVERIFY(f.Dokument().Geaendert);
        // A PDF that cannot be written is reported once by its name; the export is done all the same.
        f.meldungen.clear();
        QVERIFY(QDir().mkdir(Datei(u"ohnepdf.pdf"_s)));
        f.Dokument().Dateiname = Datei(u"ohnepdf.vks"_s).toStdString();
        f.Dateien().Exportieren(1);
        // The reason is the system's, in the system's language.
        QVERIFY2(f.meldungen.size() == 1 &&
                     f.meldungen[0].startsWith(Datei(u"ohnepdf.pdf"_s) +
                                               u": Die Datei lässt sich nicht schreiben ("_s),
                 qPrintable(f.meldungen.join(u'|')));
        QVERIFY(QFile::exists(Datei(u"ohnepdf.vkp"_s)) && QFile::exists(Datei(u"ohnepdf.ps"_s)));
    }

    void exportFragtJedesMalVorDemUeberschreiben() {
        for (const auto& [art, geschrieben] : {std::pair(0, u"bild.vkx"_s), {1, u"bild.ps"_s}}) {
            Leeren();
            Skriptfenster f;
            Zeichnen(f.Dokument(), u"L0,0,5,5"_s);
            f.Dokument().Dateiname = Datei(u"bild.vks"_s).toStdString();
            f.Dateien().Exportieren(std::uint8_t(art));
            const QByteArray erst = Inhalt(Datei(geschrieben));
            // PostScript comes with its PDF.
            QCOMPARE(
                std::tuple(f.fragen.size(), erst.isEmpty(), Inhalt(Datei(u"bild.pdf"_s)).startsWith("%PDF-")),
                std::tuple(0, false, art == 1));
            // "Yes" writes the drawing as it is now; the next export asks again.
            Zeichnen(f.Dokument(), u"L1,1,7,7"_s);
            f.antworten = {Antwort::Ja, Antwort::Ja};
            f.Dateien().Exportieren(std::uint8_t(art));
            f.Dateien().Exportieren(std::uint8_t(art));
            QCOMPARE(std::pair(f.fragen.size(), Inhalt(Datei(geschrieben)) != erst),
                     std::pair(qsizetype(2), true));
        }
    }

    void tikzExportUndImport() {
        // Export as TikZ: the chooser's name, then the question for a document of its own; the
        // file imports back to the drawing, from the menu and at start.
        Leeren();
        Skriptfenster f;
        Zeichnen(f.Dokument(), u"L0,0,5,5 L5,5,9,0"_s);
        const QString vorher = Kurz(f.Dokument());
        f.dateien = {Datei(u"t.tikz"_s)};
        f.antworten = {Antwort::Ja};
        f.Dateien().ExportierenUnter(2);
        QCOMPARE(std::tuple(f.fragen.size(), Inhalt(Datei(u"t.tikz"_s)).contains("\\documentclass")),
                 std::tuple(qsizetype(1), true));
        f.dateien = {Datei(u"t.tikz"_s)};
        f.Dateien().ImportClick();
        Skriptfenster g;
        g.StartdateiSetzen(Datei(u"t.tikz"_s));
        g.show();
        QCOMPARE(std::tuple(Kurz(f.Dokument()), Kurz(g.Dokument()), f.meldungen.size() + g.meldungen.size()),
                 std::tuple(vorher, vorher, qsizetype(0)));
    }

    void importUndStartdatei() {
        QVERIFY(Schreiben(Datei(u"b.pic"_s), Bild));
        QVERIFY(Schreiben(Datei(u"kurz.vks"_s), QByteArray("\x0a\0\0\0VEKTRA42  \0", 15)));
        // A picture of another program: what is not read is named in one message.
        QVERIFY(Schreiben(Datei(u"fremd.pic"_s), "\\documentclass{article}\n\\put(1,2){A}\\unknown\n"));
        Skriptfenster f;
        vektra::LinieAnlegen(f.Dokument(), 0, 0, 5, 5);
        f.Dokument().Geaendert = false;
        f.dateien = {Datei(u"b.pic"_s), Datei(u"fremd.pic"_s)};
        f.Dateien().ImportClick();
        QCOMPARE(std::tuple(Kurz(f.Dokument()), f.windowTitle(),
                            f.findChild<QLineEdit*>(u"Unitlength"_s)->text(), f.Dokument().Geaendert,
                            f.meldungen.size(), f.findChild<QAction*>(u"Rckgngig1"_s)->isEnabled()),
                 std::tuple(u"L0,0,10,10 K10,20,6"_s, u"Vektra 32 - b.vks"_s, u"0.5"_s, false, qsizetype(0),
                            false));
        f.Dateien().ImportClick();
        QCOMPARE(f.meldungen, QStringList(u"Nicht gelesene Befehle übersprungen, Zeilen: 1–2"_s));
        // A file given at start: a drawing or a picture; one that cannot be read is reported and
        // leaves the drawing unnamed, so a later save cannot overwrite it unasked.
        for (const auto& [datei, elemente, name, titel] :
             {std::tuple(u"b.pic"_s, 2, u"b.vks"_s, u"Vektra32 b.vks"_s),
              {u"kurz.vks"_s, 0, QString(), u"Vektra32"_s}}) {
            Skriptfenster g;
            g.StartdateiSetzen(Datei(datei));
            g.show();
            QCOMPARE(std::tuple(g.Dokument().Elemente.Anzahl(), Relativ(g.Dokument().Dateiname),
                                g.windowTitle(), g.meldungen.size(), g.Dokument().Geaendert),
                     std::tuple(elemente, name, titel, qsizetype(name.isEmpty() ? 1 : 0), false));
        }
    }

    void geladeneZeichnungInDenBedienelementen() {
        // Clip area, current colour, unit length and curve offset come back from the file into
        // the dialogs, the swatch and panel 3, and saving again writes the same bytes.
        const QString pfad = Datei(u"werte.vks"_s);
        {
            Skriptfenster quelle;
            vektra::Zeichnung& z = quelle.Dokument();
            Zeichnen(z, u"L0,0,10,10"_s);
            std::tie(z.Dialog.Clipaktiv, z.Dialog.ClipOben, z.Kopf.aktuelleFarbe, z.Dialog.Unitlength,
                     z.Dialog.y_off) = std::tuple(false, 55, 0x3020F0, "0.7", " 3");
            z.Dateiname = pfad.toStdString();
            QVERIFY(quelle.Dateien().Speichern1Click());
        }
        const QByteArray vorher = Inhalt(pfad);
        Skriptfenster f;
        f.dateien = {pfad};
        f.Dateien().Open1Click();
        const auto text = [&](auto* dialog, const char* feld) {
            return dialog->template findChild<QLineEdit*>(QString::fromLatin1(feld))->text();
        };
        QCOMPARE(QStringList({text(f.findChild<TClipform*>(), "Edit1"), f.Statusfeld(3)->text(),
                              text(f.findChild<TEinstellungen*>(), "Unitlength"),
                              text(f.findChild<TKurvenform*>(), "y_off"),
                              f.findChild<QLabel*>(u"Label1"_s)->palette().color(QPalette::Window).name()}),
                 QStringList({u"55"_s, u"Clip aus"_s, u"0.7"_s, u" 3"_s, u"#f02030"_s}));
        f.findChild<QAction*>(u"Clip1"_s)->trigger();
        QVERIFY(f.Dateien().Speichern1Click());
        QCOMPARE(Inhalt(pfad), vorher);
    }
};

VEKTRA_TESTPROGRAMM(DateienTest)
#include "DateienTest.moc"
