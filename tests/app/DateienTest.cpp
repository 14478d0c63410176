// The file menu through the real window with scripted choosers and answers: the drawing's name
// and the file the next "Speichern" writes after each chooser, new and open with their
// questions, failures that keep the drawing, the exports, the import, a file given at start,
// and a loaded drawing's settings in the window's controls.
#include "Fenster.h"

#include "curves/TKurvenform.h"
#include "editing/TClipform.h"
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
        // Command, what the chooser returns (relative), answers; then the drawing's name, the
        // questions asked (of relative names) and the drawings in the folder after "Speichern".
        const struct {
            const char* name;
            std::function<void(D&)> befehl;
            QStringList gewaehlt;
            std::deque<Antwort> antworten;
            const char* dateiname;
            QStringList fragen, gespeichert;
        } faelle[] = {
            {"Speichern unter", &D::Speichernunter1Click, {u"neu.vks"_s}, {}, "neu.vks", {}, {u"neu.vks"_s}},
            {"Speichern unter ohne Endung",
             &D::Speichernunter1Click,
             {u"neu"_s},
             {},
             "neu",
             {},
             {u"neu.vks"_s}},
            {"Speichern unter, überschrieben",
             &D::Speichernunter1Click,
             {u"da"_s},
             {Antwort::Ja},
             "da",
             {u"da.vks"_s},
             {u"da.vks"_s}},
            {"Speichern unter, abgelehnt",
             &D::Speichernunter1Click,
             {u"da.vks"_s},
             {Antwort::Nein},
             "alt.vks",
             {u"da.vks"_s},
             {u"alt.vks"_s}},
            {"Speichern unter abgebrochen", &D::Speichernunter1Click, {}, {}, "alt.vks", {}, {u"alt.vks"_s}},
            {"Export als", [](D& d) { d.ExportierenUnter(0); }, {u"x.vkx"_s}, {}, "x.vks", {}, {u"x.vks"_s}},
            {"Export als ohne Endung",
             [](D& d) { d.ExportierenUnter(1); },
             {u"x"_s},
             {},
             "x.vks",
             {},
             {u"x.vks"_s}},
            {"Export als, abgelehnt",
             [](D& d) { d.ExportierenUnter(0); },
             {u"da.vkx"_s},
             {Antwort::Nein},
             "alt.vks",
             {u"da.vkx"_s},
             {u"alt.vks"_s}},
            {"Export als PostScript, abgelehnt",
             [](D& d) { d.ExportierenUnter(1); },
             {u"da.vkp"_s},
             {Antwort::Nein},
             "alt.vks",
             {u"da.vkp"_s},
             {u"alt.vks"_s}},
            {"Export unter altem Namen, abgelehnt",
             [](D& d) { d.Exportieren(0); },
             {},
             {Antwort::Nein},
             "alt.vks",
             {u"alt.vkx"_s},
             {u"alt.vks"_s}},
            {"Importieren", &D::ImportClick, {u"bild.pic"_s}, {}, "bild.vks", {}, {u"bild.vks"_s}},
            {"Importieren abgebrochen", &D::ImportClick, {}, {}, "alt.vks", {}, {u"alt.vks"_s}},
        };
        for (const auto& fall : faelle) {
            Leeren();
            for (const char* n : {"da.vks", "da.vkx", "da.vkp", "alt.vkx"})
                QVERIFY(Schreiben(Datei(QString::fromLatin1(n)), "alt"));
            QVERIFY(Schreiben(Datei(u"bild.pic"_s), Bild));
            Skriptfenster f;
            Zeichnen(f.Dokument(), u"L0,0,5,5"_s);
            f.Dokument().Dateiname = Datei(u"alt.vks"_s).toStdString();
            for (const QString& g : fall.gewaehlt)
                f.dateien << Datei(g);
            f.antworten = fall.antworten;
            fall.befehl(f.Dateien());
            QStringList fragen;
            for (const QString& g : fall.fragen)
                fragen << Datei(g) + Frage;
            const QString dateiname = Relativ(f.Dokument().Dateiname);
            f.Dateien().Speichern1Click();
            const QString name = QString::fromUtf8(fall.name);
            QCOMPARE(std::tuple(name, dateiname, f.fragen, Zeichnungen()),
                     std::tuple(name, QString::fromLatin1(fall.dateiname), fragen, fall.gespeichert));
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
        // File, answer; then elements, name, caption, the message's start, panel 3, changed.
        const std::tuple<QString, Antwort, int, QString, QString, QString, QString, bool> faelle[] = {
            {{},
             Antwort::Ja,
             1,
             u"vorher.vks"_s,
             u"Vektra32 vorher.vks"_s,
             {},
             u"Clip: u: 1 o: 2 l: 3 r: 4"_s,
             true},
            {u"Bild.VKS"_s,
             Antwort::Nein,
             1,
             u"vorher.vks"_s,
             u"Vektra32 vorher.vks"_s,
             {},
             u"Clip: u: 1 o: 2 l: 3 r: 4"_s,
             true},
            {u"Bild.VKS"_s,
             Antwort::Ja,
             3,
             u"Bild.vks"_s,
             u"Vektra32 Bild.VKS"_s,
             {},
             u"Clip: u: -1 o: 200 l: -1 r: 200"_s,
             false},
            {u"kurz.vks"_s, Antwort::Ja, 1, u"vorher.vks"_s, u"Vektra32 vorher.vks"_s, Datei(u"kurz.vks: "_s),
             u"Clip: u: 1 o: 2 l: 3 r: 4"_s, true},
            {u"alt.vks"_s,
             Antwort::Ja,
             0,
             {},
             u"Vektra32"_s,
             u"Falsche Version"_s,
             u"Clip: u: 1 o: 2 l: 3 r: 4"_s,
             false}};
        for (const auto& [datei, antwort, elemente, name, titel, meldung, clip, geaendert] : faelle) {
            Skriptfenster f;
            Zeichnen(f.Dokument(), u"L0,0,5,5"_s);
            f.Statusfeld(3)->setText(u"Clip: u: 1 o: 2 l: 3 r: 4"_s);
            f.Dokument().Dateiname = "vorher.vks";
            f.setWindowTitle(u"Vektra32 vorher.vks"_s);
            f.Dokument().Geaendert = true;
            // From a drawing mode: the redraw after loading must not mark the new drawing changed.
            f.ModusSetzen(Modus::Linie);
            f.antworten = {antwort};
            if (!datei.isEmpty()) f.dateien = {Datei(datei)};
            const unsigned generation = f.Painter().Generation();
            f.Dateien().Open1Click();
            // Whatever was chosen is shown at once.
            QCOMPARE(f.Painter().Generation() != generation, !datei.isEmpty() && antwort == Antwort::Ja);
            QCOMPARE(
                std::pair(f.fragen, f.meldungen.size()),
                std::pair(QStringList{u"Änderungen verwerfen?"_s}, qsizetype(meldung.isEmpty() ? 0 : 1)));
            QVERIFY2(f.meldungen.value(0).startsWith(meldung), qPrintable(f.meldungen.join(u'|')));
            QCOMPARE(std::tuple(f.Dokument().Elemente.Anzahl(),
                                QString::fromStdString(f.Dokument().Dateiname), f.windowTitle(),
                                f.Statusfeld(3)->text(), f.Dokument().Geaendert),
                     std::tuple(elemente, name, titel, clip, geaendert));
            if (elemente == 3) QVERIFY(f.findChild<QAction*>(u"Zoom6"_s)->isChecked());
        }
        // New asks to save: No discards; Yes saves first, and a save that does not happen keeps it.
        for (const auto& [antwort, benannt] :
             {std::pair(Antwort::Nein, true), {Antwort::Ja, true}, {Antwort::Ja, false}}) {
            QFile::remove(Datei(u"neu.vks"_s));
            Skriptfenster f;
            Zeichnen(f.Dokument(), u"L0,0,5,5"_s);
            if (benannt) f.Dokument().Dateiname = Datei(u"neu.vks"_s).toStdString();
            f.Dokument().Geaendert = true;
            f.findChild<QLineEdit*>(u"Unitlength"_s)->setText(u"2.5"_s);
            f.antworten = {antwort};
            f.Dateien().New1Click();
            const bool bleibt = antwort == Antwort::Ja && !benannt;
            // A new drawing starts with the unit length 1, in the document and in the settings dialog.
            QCOMPARE(std::tuple(f.fragen, QFile::exists(Datei(u"neu.vks"_s)), f.Dokument().Elemente.Anzahl(),
                                f.Dokument().Geaendert, f.findChild<QLineEdit*>(u"Unitlength"_s)->text()),
                     std::tuple(QStringList{u"Änderungen speichern?"_s}, antwort == Antwort::Ja && benannt,
                                bleibt ? 1 : 0, bleibt, bleibt ? u"2.5"_s : u"1"_s));
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
        // A PDF that cannot be made is reported once by its name; the export is done all the same.
        f.meldungen.clear();
        f.Dokument().Dialog.TeXBreite[2] = "0,4";
        f.Dokument().Dateiname = Datei(u"ohnepdf.vks"_s).toStdString();
        f.Dateien().Exportieren(1);
        QCOMPARE(f.meldungen,
                 QStringList(Datei(u"ohnepdf.pdf"_s) + u": TeX-Linienbreite ist keine Zahl: 0,4"_s));
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

    void importUndStartdatei() {
        QVERIFY(Schreiben(Datei(u"b.pic"_s), Bild));
        QVERIFY(Schreiben(Datei(u"kurz.vks"_s), QByteArray("\x0a\0\0\0VEKTRA42  \0", 15)));
        // A picture of another program: what is not read is named in one message.
        QVERIFY(Schreiben(Datei(u"fremd.pic"_s), "\\documentclass{article}\n\\put(1,2){A}\\unknown\n"));
        Skriptfenster f;
        Zeichnen(f.Dokument(), u"L0,0,5,5"_s);
        f.dateien = {Datei(u"b.pic"_s), Datei(u"fremd.pic"_s)};
        f.Dateien().ImportClick();
        QCOMPARE(std::tuple(Kurz(f.Dokument()), f.windowTitle(),
                            f.findChild<QLineEdit*>(u"Unitlength"_s)->text(), f.Dokument().Geaendert,
                            f.meldungen.size()),
                 std::tuple(u"L0,0,10,10 K10,20,6"_s, u"Vektra 32 - b.vks"_s, u"0.5"_s, false, qsizetype(0)));
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
