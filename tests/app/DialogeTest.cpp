// The dialogs through the real window: cancelling leaves everything as it was however the dialog
// is closed, also after a first use; every value a dialog holds arrives where it belongs; fields
// that do not convert keep the dialog open with the field selected.
#include "Fenster.h"

#include <QRadioButton>

namespace {

using Fuellen = std::function<void(QDialog&)>;

Fuellen Felder(std::initializer_list<std::pair<const char*, const char*>> felder, bool verlassen = false) {
    const std::vector<std::pair<const char*, const char*>> f(felder);
    return [f, verlassen](QDialog& d) {
        for (const auto& [feld, text] : f)
            (verlassen ? Fenster::Verlassen : Fenster::Tippen)(d, feld, QString::fromUtf8(text));
    };
}

// What a dialog must leave as it was: the drawing as a save writes it, its names and the caption.
auto Stand(Fenster& w) {
    return std::tuple(Bytes(w.Z()), w.Z().Dateiname, w.f.windowTitle(), w.Kurz(), w.Z().Geaendert);
}

} // namespace

class DialogeTest : public QObject {
    Q_OBJECT
  private slots:
    void abbrechenLaesstAllesWieEsWar() {
        for (const QStringList& fall : Tabelle("Abbrechen"))
            for (const QString& schluss : {u" abbruch"_s, u" esc"_s, u" rahmen"_s}) {
                const QString name = fall[0] + schluss;
                Fenster w(fall[1]);
                w.Skript(fall[2]);
                const std::string anfang = Bytes(w.Z());
                w.Skript(fall[4] + u"; "_s + fall[3]);
                QVERIFY2(Bytes(w.Z()) != anfang, qPrintable(name));
                w.Z().Geaendert = false;
                const auto vorher = Stand(w);
                w.Skript(fall[5] + schluss + u"; "_s + fall[3]);
                QVERIFY2(Stand(w) == vorher, qPrintable(name + u": "_s + w.Kurz()));
            }
    }

    void einstellungenNehmenJedenWert() {
        Fenster w;
        w.Skript(
            u"dialog nullx_edit=12 nully_edit=13 Massstabedit=25 p_wink=0.3 p_laenge=1.5 Startschritt=0.002 "
            u"Schrittfaktor=1.5 Unitlength=2.5 Edit2=0.05 TeX_duenn=0.2 TeX_normal=0.5 TeX_dick=1.2 "
            u"Linieunsichtbar=4 Linieduenn=5 Liniestandard=6 Liniedick=7 pickedit=8 Textanzeige3=1"_s);
        w.Menue("Ansicht1");
        const vektra::Kopfsatz& k = w.Z().Kopf;
        const vektra::Dialogwerte& d = w.Z().Dialog;
        QStringList werte{QString::number(w.f.Sicht().NullX), QString::number(w.f.Sicht().NullY)};
        for (const double v :
             {double(k.Massstab), k.Pfeilwinkel, k.Pfeillaenge, k.Startschritt, k.Schrittfaktor})
            werte << Zahl(v);
        for (const std::string& t :
             {d.Unitlength, d.TeXBreite[0], d.TeXBreite[1], d.TeXBreite[2], d.TeXBreite[3]})
            werte << QString::fromStdString(t);
        for (const int v : {k.PixelBreite[0], k.PixelBreite[1], k.PixelBreite[2], k.PixelBreite[3],
                            k.Pickabstand, k.Textanzeige, d.PixelBreiteDialog[3]})
            werte << QString::number(v);
        QCOMPARE(werte.join(u' '), u"12 13 25 0.3 1.5 0.002 1.5 2.5 0.05 0.2 0.5 1.2 4 5 6 7 8 3 7"_s);
    }

    void einstellungenPruefenInDerReihenfolgeDerFelder() {
        // Each step sees what the closing attempt before it left, then tries again. A field that
        // does not convert stops the checks there; what came before is stored, the widths and
        // the text display wait for all seven; closing by the frame and Escape check as well.
        Fenster w;
        const vektra::Kopfsatz& k = w.Z().Kopf;
        QStringList gesehen;
        const auto sehen = [&](QDialog& d) {
            gesehen << QString::number(w.f.Sicht().NullX) + u' ' + QString::number(w.f.Sicht().NullY) + u' ' +
                           QString::number(k.Massstab) + u' ' + QString::number(k.PixelBreite[1]) +
                           QString::number(k.Textanzeige) + u' ' + Fokus(d);
        };
        w.f.dialoge = {{[](QDialog& d) {
                           Felder({{"nullx_edit", "12"}, {"nully_edit", "zwölf"}})(d);
                           d.findChild<QRadioButton*>(u"Textanzeige2"_s)->setChecked(true);
                       }},
                       {[&](QDialog& d) {
                            sehen(d);
                            Felder({{"nully_edit", " 7 "}, {"Massstabedit", "99999999999"}})(d);
                            d.findChild<QSpinBox*>(u"Linieduenn"_s)->setValue(0);
                        },
                        Schluss::Rahmen},
                       {[&](QDialog& d) {
                            sehen(d), Felder({{"Massstabedit", "25"}, {"p_wink", "0,3"}})(d);
                        },
                        Schluss::Esc},
                       {[&](QDialog& d) {
                           sehen(d), Felder({{"p_wink", "0.3"}})(d);
                       }}};
        w.Menue("Ansicht1");
        gesehen << QString::number(k.PixelBreite[1]) + QString::number(k.Textanzeige);
        QCOMPARE(gesehen,
                 (QStringList{u"12 -7 10 11 nully_edit:zwölf"_s, u"12 7 10 11 Massstabedit:99999999999"_s,
                              u"12 7 25 11 p_wink:0,3"_s, u"02"_s}));
    }

    void einstellungenZeigenUndSchreibenDurch() {
        Fenster w("L10,10,50,10:b2");
        vektra::Zeichnung& z = w.Z();
        // Values changed elsewhere show at the next opening in the shortest exact form; a text
        // display kind from a damaged file checks no entry and stays as it is; the dialog's file
        // values change as they are typed, as cp1252; no tool is active while it is open, the
        // tool comes back, and a new screen width is drawn at once.
        std::tie(z.Kopf.Pfeilwinkel, z.Kopf.Pfeillaenge, z.Kopf.Textanzeige) = std::tuple(0.1 + 0.2, 1e-7, 7);
        w.Knopf("LineButton");
        QStringList gesehen;
        w.f.dialoge = {{[&](QDialog& d) {
            const auto text = [&](const char* n) {
                return d.findChild<QLineEdit*>(QString::fromLatin1(n))->text();
            };
            gesehen << text("p_wink") << text("p_laenge") << QString::number(int(w.M()));
            Felder({{"TeX_duenn", "0.15€"}})(d);
            gesehen << QString::fromLatin1(z.Dialog.TeXBreite[1]);
            d.findChild<QSpinBox*>(u"Liniedick"_s)->setValue(5);
        }}};
        w.Menue("Ansicht1");
        int dicke = 0;
        for (int y = 0; y < w.Bild().height(); ++y)
            dicke += w.Bild().pixel(w.Pixel(30, 10).x(), y) == 0xFF000000u;
        QCOMPARE(std::tuple(gesehen, int(z.Kopf.Textanzeige), w.M(), dicke),
                 std::tuple(QStringList{u"0.30000000000000004"_s, u"1e-07"_s, u"6"_s, u"0.15\x80"_s}, 7,
                            Modus::Linie, 5));
    }

    void farbwahl() {
        Fenster w("L10,20,30,20:p");
        Stift& stift = w.ZF()->Flaeche().Zustand;
        QLabel* feld = w.Teil<QLabel>("Label1");
        // Chosen and taken: the swatch, the current colour and the pen; the picked line after the
        // question. Cancelled: no question, no change, the pen takes the colour last chosen, where
        // the chooser starts again. Chosen but refused: the current colour changes, the line not.
        const std::tuple<std::optional<QColor>, Antwort, const char*> faelle[] = {
            {QColor(10, 200, 30), Antwort::Ja, "L10,20,30,20:pf1ec80a 1ec80a #0ac81e #0ac81e 1"},
            {std::nullopt, Antwort::Ja, "L10,20,30,20:pf1ec80a 1ec80a #0ac81e #0ac81e 1"},
            {QColor(0, 0, 255), Antwort::Nein, "L10,20,30,20:pf1ec80a ff0000 #0000ff #0000ff 2"}};
        for (const auto& [farbe, antwort, erwartet] : faelle) {
            stift.Farbe = Qt::red;
            std::tie(w.f.farbe, w.f.antworten) = std::pair(farbe, std::deque{antwort});
            QTest::mouseClick(feld, Qt::LeftButton);
            QCOMPARE(
                u"%1 %2 %3 %4 %5"_s.arg(w.Kurz())
                    .arg(w.Z().Kopf.aktuelleFarbe, 0, 16)
                    .arg(feld->grab().toImage().pixelColor(feld->rect().center()).name(), stift.Farbe.name())
                    .arg(w.f.fragen.size()),
                QString::fromLatin1(erwartet));
        }
        QCOMPARE(
            QStringList({w.f.farbanfaenge[0].name(), w.f.farbanfaenge[1].name(), w.f.farbanfaenge[2].name()}),
            QStringList({u"#000000"_s, u"#0ac81e"_s, u"#0ac81e"_s}));
    }

    void clipJedeGrenzeFuerSich() {
        // Each bound changed alone, and the switch: panel 3 and the bounds in the order top,
        // bottom, left, right.
        const std::tuple<const char*, const char*, const char*> faelle[] = {
            {"Edit1=150", "Clip: u: -1 o: 150 l: -1 r: 200", "150 -1 -1 200"},
            {"Edit2=-20", "Clip: u: -20 o: 200 l: -1 r: 200", "200 -20 -1 200"},
            {"Edit3=5", "Clip: u: -1 o: 200 l: 5 r: 200", "200 -1 5 200"},
            {"Edit4=90", "Clip: u: -1 o: 200 l: -1 r: 90", "200 -1 -1 90"},
            {"Clipaktiv=0", "Clip aus", "200 -1 -1 200"}};
        for (const auto& [feld, anzeige, grenzen] : faelle) {
            Fenster w;
            w.Skript(u"dialog %1; menue Clip1"_s.arg(QLatin1StringView(feld)));
            const vektra::Dialogwerte& d = w.Z().Dialog;
            QCOMPARE(std::tuple(
                         w.Status(3),
                         u"%1 %2 %3 %4"_s.arg(d.ClipOben).arg(d.ClipUnten).arg(d.ClipLinks).arg(d.ClipRechts),
                         w.Z().Geaendert),
                     std::tuple(QString::fromLatin1(anzeige), QString::fromLatin1(grenzen), true));
        }
        // Not whole numbers keep the dialog open with the last of them selected, the others
        // taken; beyond 32 bits is no whole number; Escape checks too.
        Fenster w;
        QString gesehen;
        w.f.dialoge = {{Felder({{"Edit1", "150"}, {"Edit2", "1.5"}, {"Edit3", "links"}, {"Edit4", " 90 "}})},
                       {[&](QDialog& d) {
                            gesehen = w.Status(3) + u' ' + Fokus(d);
                            Felder({{"Edit2", "-20"}, {"Edit3", "2147483648"}})(d);
                        },
                        Schluss::Esc},
                       {Felder({{"Edit3", "-2147483648"}}), Schluss::Esc}};
        w.Menue("Clip1");
        QCOMPARE(gesehen + u" | "_s + w.Status(3),
                 u"Clip: u: -1 o: 150 l: -1 r: 90 Edit3:links | Clip: u: -20 o: 150 l: -2147483648 r: 90"_s);
        // A press on the status line right of 360 pixels opens the dialog too.
        w.Skript(u"dialog Clipaktiv=0"_s);
        QTest::mousePress(w.Teil("StatusBar1"), Qt::LeftButton, {}, QPoint(360, 5));
        const QString links = w.Status(3);
        QTest::mousePress(w.Teil("StatusBar1"), Qt::LeftButton, {}, QPoint(361, 5));
        QCOMPARE(links + u" | "_s + w.Status(3), u"Clip: u: -20 o: 150 l: -2147483648 r: 90 | Clip aus"_s);
    }

    void umformdialogePruefenIhreFelder() {
        Fenster w("L0,0,10,0:p");
        // Scaling: the first field that is no number goes back to its first text, selected; the
        // dialog keeps its values, so scaling again doubles again; an absurd result is refused.
        QString gesehen;
        w.f.dialoge = {{Felder({{"yFaktor", "3"}, {"xFaktor", "zwei"}})},
                       {[&](QDialog& d) {
                           gesehen = Fokus(d), Felder({{"xFaktor", "2"}, {"yFaktor", "1"}})(d);
                       }},
                       {},
                       {Felder({{"xFaktor", "1e300"}})}};
        for (int i = 0; i < 3; ++i)
            w.Menue("Skalieren1");
        QCOMPARE(std::tuple(gesehen, w.Kurz(), w.f.meldungen.size()),
                 std::tuple(u"xFaktor:1.0"_s, u"L0,0,40,0:p"_s, qsizetype(1)));
        // Rotating: an angle left in one unit shows in the other; a centre that is no number
        // shows the last one, selected.
        QStringList texte;
        w.f.dialoge = {{[&](QDialog& d) {
            const auto text = [&](const char* n) {
                return d.findChild<QLineEdit*>(QString::fromLatin1(n))->text();
            };
            Felder({{"Win_g", "90"}}, true)(d);
            texte << text("Win_d");
            Felder({{"Win_d", "3.1416"}}, true)(d);
            texte << text("Win_g");
            Felder({{"Zen_x", "abc"}}, true)(d);
            texte << Fokus(d);
            Felder({{"Win_g", "90"}, {"Zen_x", "0"}, {"Zen_y", "5"}}, true)(d);
        }}};
        w.Menue("Drehen1");
        QCOMPARE(std::pair(texte, w.Kurz()),
                 std::pair(QStringList{u"1.5708"_s, u"  180"_s, u"Zen_x:0.0000"_s}, u"L5,5,5,45:p"_s));
    }

    void textdialogPrueftStellungUndZeichen() {
        // Characters the drawing cannot hold are named and keep the dialog open with the text; a
        // position that is no number, or one beyond what the drawing files hold, is selected; text,
        // place and alignment come from the dialog.
        Fenster w;
        w.Knopf("Textbutton");
        QStringList gesehen;
        w.f.dialoge = {{Felder({{"Edit1", "a → b α"}})},
                       {[&](QDialog& d) {
                           gesehen << Fokus(d), Felder({{"Edit1", "ok"}, {"Edit3", "y"}})(d);
                       }},
                       {[&](QDialog& d) {
                           gesehen << Fokus(d), Felder({{"Edit2", "1e300"}, {"Edit3", "0"}})(d);
                       }},
                       {[&](QDialog& d) {
                           gesehen << Fokus(d), Felder({{"Edit2", "12.5"}, {"Edit3", "-4"}})(d);
                           d.findChild<QRadioButton*>(u"Ausrichtung7"_s)->setChecked(true);
                       }}};
        w.Klick(7, 2);
        QCOMPARE(std::tuple(gesehen, w.f.meldungen, w.Kurz()),
                 std::tuple(QStringList{u"Edit1:a → b α"_s, u"Edit3:y"_s, u"Edit2:1e300"_s},
                            QStringList{u"Diese Zeichen lassen sich in der Zeichnung nicht speichern: →α"_s},
                            u"T12.5,-4,cr,ok"_s));
    }

    void bogendialogRechnetUmUndZeichnetBeimSchliessen() {
        Fenster w;
        w.Knopf("Kreis2");
        QStringList texte;
        // The dialog has no cancel: closed by its frame it still draws, from the angles as its
        // radian fields show them (1.5708 to 3.1416, a hair more than the quarter).
        w.f.dialoge = {{[&](QDialog& d) {
                            const auto text = [&](const char* n) {
                                return d.findChild<QLineEdit*>(QString::fromLatin1(n))->text();
                            };
                            Felder({{"vong_edit", "90"}, {"bisd_edit", "3.14159265358979"}}, true)(d);
                            texte << text("vond_edit") << text("bisg_edit");
                            Felder({{"vong_edit", "abc"}}, true)(d);
                            texte << text("vong_edit") + u'|' + text("vond_edit") << Fokus(d);
                        },
                        Schluss::Rahmen}};
        w.Ziehen(30.4, 19.6, 30.2, 25.3);
        QCOMPARE(std::pair(texte, Umfang(w.Z())),
                 std::pair(QStringList{u"1.5708"_s, u"  180"_s, u"   90|1.5708"_s, u"vong_edit:   90"_s},
                           u"25,19.999963 29.999982,25"_s));
    }
};

VEKTRA_TESTPROGRAMM(DialogeTest)
#include "DialogeTest.moc"
