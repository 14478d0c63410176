// The macro commands through the real window: saving the picked elements with a clicked
// reference point, inserting them at clicked points, calling a macro up by a key, and the macro
// folder that follows the choosers and outlives the run.
#include "Testprogramm.h"
#include "Zeichenfenster.h"

#include "files/Makrobefehle.h"

#include <QSettings>

#include <cstring>

namespace {

double F64(const QByteArray& b, int stelle) {
    double d;
    std::memcpy(&d, b.constData() + stelle, sizeof d);
    return d;
}

} // namespace

class MakroTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Zeichenfenster> w;

    vektra::TElement& E(int i) { return w->E(i); }
    Modus M() { return w->M(); }
    Makrobefehle& Makros() { return w->f.Makros(); }
    // Saves the picked elements as `name` with the reference point clicked at (x, y).
    void MakroAnlegen(const QString& name, double x, double y) {
        w->f.dateien = {w->Datei(name)};
        w->Menue("Macrospeichern1");
        QCOMPARE(std::pair(M(), w->Status(0)), std::pair(Modus::MakroSpeichern, u"Klick für Bezugspunkt"_s));
        w->Klick(x, y);
    }
    // Some pixel next to the point shows a picked element.
    bool Gepickt(double x, double y) {
        const QPoint p = w->Pixel(x, y);
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (w->Bild().pixelColor(p + QPoint(dx, dy)) == Maler::GepicktFarbe) return true;
        return false;
    }
    // A picked line, circle and text and an unpicked line.
    void Gruppe() {
        vektra::Zeichnung& z = w->f.Dokument();
        NeuerStrich(z, 0, 0, 10, 5).gepickt = true;
        NeuerKreis(z, 4, 4, 3).gepickt = true;
        vektra::TElement& t = NeuerText(z, 2, 8, "Hallo");
        std::tie(t.Ausrichtung, t.gepickt) = std::tuple("tl", true);
        NeuerStrich(z, 50, 50, 60, 50);
        w->f.zeichneneu();
    }

  private slots:
    void init() { w = std::make_unique<Zeichenfenster>(); }
    void cleanup() { w.reset(); }

    void speichernUndZweimalEinfuegen() {
        // Nothing picked: the message, and no chooser.
        w->Menue("Macrospeichern1");
        QCOMPARE(w->f.meldungen, QStringList{u"Nicht markiert"_s});
        QCOMPARE(w->f.dateidialoge, 0);

        Gruppe();
        MakroAnlegen(u"gruppe"_s, 10.3, 9.8);
        // A bare name gets ".vkm"; the clicked point, snapped, is the reference point.
        const QByteArray datei = Inhalt(w->Datei(u"gruppe.vkm"_s));
        QCOMPARE(std::tuple(datei[0], F64(datei, 4), F64(datei, 12), M(), w->f.meldungen.size()),
                 std::tuple(char(3), 10.0, 10.0, Modus::Neutral, qsizetype(1)));

        for (vektra::TElement& e : w->Elemente())
            e.gepickt = false;
        w->f.dateien = {w->Datei(u"gruppe.vkm"_s)};
        w->Menue("macroladen1");
        QCOMPARE(std::pair(M(), w->Status(0)), std::pair(Modus::MakroEinfuegen, u"Klick für Bezugspunkt"_s));
        const unsigned generation = w->Generation();
        w->Klick(30, 15);
        QCOMPARE(w->Elemente().Anzahl(), 7);
        QCOMPARE(std::tuple(E(5).x1, E(5).y1, E(5).x2, E(5).y2), std::tuple(20.0, 5.0, 30.0, 10.0));
        QCOMPARE(std::tuple(E(6).x1, E(6).y1, E(6).Durchmesser), std::tuple(24.0, 9.0, 3.0));
        QCOMPARE(std::tuple(E(7).x1, E(7).y1, E(7).Text, E(7).Ausrichtung),
                 std::tuple(22.0, 13.0, std::string("Hallo"), std::string("tl")));
        QCOMPARE(std::tuple(w->Elemente().GepickteZahl(), M(), w->Status(0)),
                 std::tuple(3, Modus::Verschieben, u"Verschieben mit der Maus"_s));
        QVERIFY(w->Generation() > generation && Gepickt(22.5, 6.25) && !Gepickt(32.5, 31.25));

        // Once more through the repeat key, elsewhere: a second copy from the file, the first
        // one as it was, both picked.
        Makros().MakroWiederholen();
        QCOMPARE(M(), Modus::MakroEinfuegen);
        w->Klick(40, 40);
        QCOMPARE(std::tuple(w->Elemente().Anzahl(), E(5).x1, E(8).x1, E(8).y1, E(10).x1,
                            w->Elemente().GepickteZahl(), w->f.meldungen.size()),
                 std::tuple(10, 20.0, 30.0, 30.0, 32.0, 6, qsizetype(1)));
        QVERIFY(Gepickt(22.5, 6.25) && Gepickt(32.5, 31.25));
        // Repeating needs the file.
        QVERIFY(QFile::remove(w->Datei(u"gruppe.vkm"_s)));
        Makros().MakroWiederholen();
        QCOMPARE(M(), Modus::Verschieben);
    }

    void ueberschreibenUndAbbrechen() {
        using vektra::Antwort;
        Gruppe();
        const QString b = w->Datei(u"b.vkm"_s);
        QVERIFY(Schreiben(b, "alt"));
        // No to overwriting ends the command, also while another save waits for its click.
        w->f.dateien = {b};
        w->f.antworten = {Antwort::Nein};
        w->Menue("Macrospeichern1");
        QCOMPARE(w->f.fragen, QStringList{b + u": Datei existiert schon. Ueberschreiben?"_s});
        QCOMPARE(M(), Modus::Neutral);
        w->f.dateien = {w->Datei(u"a"_s), b};
        w->f.antworten = {Antwort::Nein};
        w->Menue("Macrospeichern1");
        w->Menue("Macrospeichern1");
        QCOMPARE(M(), Modus::MakroSpeichern);
        w->Klick(0, 0);
        QVERIFY(QFileInfo::exists(w->Datei(u"a.vkm"_s)));
        QCOMPARE(Inhalt(b), QByteArray("alt"));
        // Yes overwrites at the click.
        w->f.antworten = {Antwort::Ja};
        MakroAnlegen(u"b.vkm"_s, 0, 0);
        QCOMPARE(Inhalt(b), Inhalt(w->Datei(u"a.vkm"_s)));
        // Leaving the mode by another tool or the redraw button writes nothing.
        for (const char* knopf : {"LineButton", "repaint"}) {
            w->f.dateien = {w->Datei(u"c"_s)};
            w->Menue("Macrospeichern1");
            w->Knopf(knopf);
            w->Klick(5, 5);
            QVERIFY(!QFileInfo::exists(w->Datei(u"c.vkm"_s)));
        }
        QVERIFY(w->f.meldungen.isEmpty());
    }

    void fehlerLassenDieZeichnungStehen() {
        Gruppe();
        MakroAnlegen(u"gut.vkm"_s, 0, 0);
        const QByteArray gut = Inhalt(w->Datei(u"gut.vkm"_s));
        // A damaged file, one that went away, and one whose elements do not fit.
        const struct {
            QByteArray inhalt;
            int frei;
        } faelle[] = {{gut.left(gut.size() - 1), 100}, {gut + '\0', 100}, {{}, 100}, {gut, 2}};
        for (const auto& fall : faelle) {
            const QString name = w->Datei(u"m.vkm"_s);
            QFile::remove(name);
            if (!fall.inhalt.isEmpty()) QVERIFY(Schreiben(name, fall.inhalt));
            w->Elemente().AllesLoeschen();
            while (w->Elemente().Frei() > fall.frei)
                NeuerStrich(w->f.Dokument(), 0, 0, 1, 1);
            w->f.meldungen.clear();
            w->f.dateien = {name};
            w->Menue("macroladen1");
            w->Klick(20, 20);
            QCOMPARE(std::tuple(w->Elemente().Anzahl(), w->f.meldungen.size(), M()),
                     std::tuple(vektra::MaxElemente - fall.frei, qsizetype(1), Modus::Neutral));
            QVERIFY2(fall.frei < 100 || w->f.meldungen[0].startsWith(name), qPrintable(w->f.meldungen[0]));
        }
        QVERIFY(w->f.meldungen[0].contains(u"nichts eingefügt"_s));
    }

    void makroZurTasteUndOrdner() {
        Gruppe();
        QVERIFY(QDir(w->ordner.path()).mkpath(u"x"_s));
        MakroAnlegen(u"x/Auto.vkm"_s, 0, 0);
        QVERIFY(QFile::copy(w->Datei(u"x/Auto.vkm"_s), w->Datei(u"x/apfel.vkm"_s)));
        QVERIFY(Schreiben(w->Datei(u"x/b.txt"_s), "b"));
        Makros().MakrotastenModus();
        QCOMPARE(std::pair(M(), w->Status(0)), std::pair(Modus::Makrotaste, u"macro"_s));
        // Letters in either case, the first name in folded order; nothing else fits.
        const std::pair<QChar, QString> faelle[] = {
            {u'A', u"x/apfel.vkm"_s}, {u'a', u"x/apfel.vkm"_s}, {u'b', {}}, {u'z', {}}, {u'ä', {}}};
        for (const auto& [taste, soll] : faelle) {
            Makros().Einfuegename.clear();
            w->f.ModusSetzen(Modus::Makrotaste);
            Makros().MakroZurTaste(taste);
            QCOMPARE(std::pair(M(), Makros().Einfuegename),
                     std::pair(soll.isEmpty() ? Modus::Neutral : Modus::MakroEinfuegen,
                               soll.isEmpty() ? QString() : w->Datei(soll)));
        }
        // The folder follows the file chosen last in either chooser and is kept at closing.
        QCOMPARE(w->f.Makroordner(), w->Datei(u"x"_s));
        w->f.dateien = {w->Datei(u"gut.vkm"_s)};
        w->Menue("macroladen1");
        QCOMPARE(w->f.Makroordner(), w->ordner.path());
        w->f.Dokument().Geaendert = false;
        QVERIFY(w->f.close());
        QCOMPARE(QSettings(u"Vektra32"_s, u"Vektra32"_s).value(u"Macro_Directory"_s).toString(),
                 w->ordner.path());
    }
};

VEKTRA_TESTPROGRAMM(MakroTest)
#include "MakroTest.moc"
