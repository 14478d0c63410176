// The macro commands through the real window: saving the picked elements at a clicked reference
// point, with the overwrite question and the ways out; inserting, repeating, calling one up by a
// key; files that fail; and the macro folder that follows the choosers and outlives the run.
#include "Fenster.h"

#include "files/Makrobefehle.h"

class MakroTest : public QObject {
    Q_OBJECT

    // A picked line, circle and text and an unpicked line.
    static constexpr const char* Gruppe = "L0,0,10,5:p K4,4,3:p T2,8,tl,Hallo:p L50,50,60,50";

  private slots:
    void speichernUndEinfuegen() {
        Fenster w;
        // Nothing picked: the message, and no chooser.
        w.Menue("Macrospeichern1");
        QCOMPARE(std::pair(w.f.meldungen, w.f.dateidialoge), std::pair(QStringList{u"Nicht markiert"_s}, 0));
        Zeichnen(w.Z(), QString::fromLatin1(Gruppe));
        w.Skript(u"datei gruppe; datei gruppe.vkm; menue Macrospeichern1"_s);
        QCOMPARE(std::pair(w.M(), w.Status(0)), std::pair(Modus::MakroSpeichern, u"Klick für Bezugspunkt"_s));
        w.Klick(10, 10);
        QCOMPARE(std::pair(w.M(), QFileInfo::exists(w.Datei(u"gruppe.vkm"_s))),
                 std::pair(Modus::Neutral, true));
        // Inserted twice, by the menu and by the repeat key: two independent copies, both
        // picked and shown so, ready to be dragged.
        for (vektra::TElement& e : w.Z().Elemente)
            e.gepickt = false;
        w.Menue("macroladen1");
        QCOMPARE(std::pair(w.M(), w.Status(0)), std::pair(Modus::MakroEinfuegen, u"Klick für Bezugspunkt"_s));
        const unsigned generation = w.Generation();
        w.Klick(30, 15);
        QCOMPARE(std::tuple(w.M(), w.Status(0), w.Generation() > generation, w.Bild().pixel(w.Pixel(20, 5))),
                 std::tuple(Modus::Verschieben, u"Verschieben mit der Maus"_s, true, 0xFFFF00FFu));
        w.f.Makros().MakroWiederholen();
        w.Klick(40, 40);
        QCOMPARE(w.Kurz(), QString::fromLatin1(Gruppe).remove(u":p"_s) +
                               u" L20,5,30,10:p K24,9,3:p T22,13,tl,Hallo:p L30,30,40,35:p K34,34,3:p "
                               u"T32,38,tl,Hallo:p"_s);
        // Repeating needs the file.
        QVERIFY(QFile::remove(w.Datei(u"gruppe.vkm"_s)));
        w.f.Makros().MakroWiederholen();
        QCOMPARE(w.M(), Modus::Verschieben);
    }

    void ueberschreibenUndAuswege() {
        Fenster w(QString::fromLatin1(Gruppe));
        const QString b = w.Datei(u"b.vkm"_s);
        QVERIFY(Schreiben(b, "alt"));
        // No to overwriting ends the command without a second chance, also while another save
        // waits for its click; a cancelled chooser ends it too.
        w.Skript(u"datei b.vkm; datei a; datei b.vkm; antwort nein; antwort nein; menue Macrospeichern1"_s);
        QCOMPARE(std::pair(w.f.fragen, w.M()),
                 std::pair(QStringList{b + u": Datei existiert schon. Ueberschreiben?"_s}, Modus::Neutral));
        w.Skript(u"menue Macrospeichern1; menue Macrospeichern1; menue Macrospeichern1"_s);
        QCOMPARE(std::pair(w.M(), w.f.dateidialoge), std::pair(Modus::MakroSpeichern, 4));
        w.Klick(0, 0);
        QCOMPARE(std::pair(QFileInfo::exists(w.Datei(u"a.vkm"_s)), Inhalt(b)),
                 std::pair(true, QByteArray("alt")));
        // Yes overwrites at the click.
        w.Skript(u"datei b.vkm; antwort ja; menue Macrospeichern1; klick 0 0"_s);
        QCOMPARE(Inhalt(b), Inhalt(w.Datei(u"a.vkm"_s)));
        // Leaving the mode by another tool or the redraw button writes nothing.
        for (const char* knopf : {"LineButton", "repaint"}) {
            w.Skript(u"datei c; menue Macrospeichern1; knopf %1; klick 5 5"_s.arg(QLatin1StringView(knopf)));
            QVERIFY(!QFileInfo::exists(w.Datei(u"c.vkm"_s)));
        }
    }

    void fehlerLassenDieZeichnungStehen() {
        // A damaged macro: the message naming it, nothing inserted, no tool active.
        Fenster w(QString::fromLatin1(Gruppe));
        const QString m = w.Datei(u"m.vkm"_s);
        QVERIFY(Schreiben(m, QByteArray("\x01\0\0\0", 4)));
        w.Skript(u"datei m.vkm; menue macroladen1; klick 20 20"_s);
        QCOMPARE(std::tuple(w.Kurz(), w.f.meldungen, w.M()),
                 std::tuple(QString::fromLatin1(Gruppe),
                            QStringList{m + u": Die Datei endet unerwartet nach 4 Bytes."_s},
                            Modus::Neutral));
    }

    void makroZurTasteUndOrdner() {
        Fenster w(QString::fromLatin1(Gruppe));
        QVERIFY(QDir(w.ordner.path()).mkpath(u"x"_s));
        w.Skript(u"datei x/Auto.vkm; menue Macrospeichern1; klick 0 0"_s);
        QVERIFY(QFile::copy(w.Datei(u"x/Auto.vkm"_s), w.Datei(u"x/apfel.vkm"_s)));
        QVERIFY(Schreiben(w.Datei(u"x/b.txt"_s), "b"));
        Makrobefehle& makros = w.f.Makros();
        makros.MakrotastenModus();
        QCOMPARE(std::pair(w.M(), w.Status(0)), std::pair(Modus::Makrotaste, u"macro"_s));
        // Letters in either case, the first name in folded order; nothing else fits.
        for (const auto& [taste, soll] : {std::pair(u'A', u"x/apfel.vkm"_s),
                                          {u'a', u"x/apfel.vkm"_s},
                                          {u'b', {}},
                                          {u'z', {}},
                                          {u'ä', {}}}) {
            makros.Einfuegename.clear();
            w.f.ModusSetzen(Modus::Makrotaste);
            makros.MakroZurTaste(taste);
            QCOMPARE(std::pair(w.M(), makros.Einfuegename),
                     std::pair(soll.isEmpty() ? Modus::Neutral : Modus::MakroEinfuegen,
                               soll.isEmpty() ? QString() : w.Datei(soll)));
        }
        // The folder follows the file chosen last in either chooser and is kept at closing.
        QCOMPARE(w.f.Makroordner(), w.Datei(u"x"_s));
        w.Skript(u"datei gut.vkm; menue macroladen1"_s);
        w.Z().Geaendert = false;
        QVERIFY(w.f.close());
        QCOMPARE(QSettings(u"Vektra32"_s, u"Vektra32"_s).value(u"Macro_Directory"_s).toString(),
                 w.ordner.path());
    }
};

VEKTRA_TESTPROGRAMM(MakroTest)
#include "MakroTest.moc"
