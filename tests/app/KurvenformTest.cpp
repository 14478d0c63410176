// The curve dialog and the curve command, through the tool button of the real main window with
// the dialog's fields scripted.
#include "Testprogramm.h"
#include "Zeichenfenster.h"

#include "curves/TKurvenform.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include <cmath>
#include <map>
#include <numbers>

namespace {

using Felder = QList<QPair<QString, QString>>;

// Chords as whole drawing units: x1, y1, x2, y2.
using Strecke = std::array<long long, 4>;

} // namespace

class KurvenformTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Zeichenfenster> w;
    Skriptfenster* f = nullptr;
    TKurvenform* d = nullptr;

    QLineEdit* Feld(const QString& name) { return d->findChild<QLineEdit*>(name); }
    QRadioButton* Typ(int i) { return d->findChild<QRadioButton*>(u"Kurventyp%1"_s.arg(i)); }
    // Shown the way the focus moves between its fields as it does for the user.
    void Zeigen() {
        d->show();
        d->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), d);
    }
    bool Sichtbar(const char* name) { return d->findChild<QWidget*>(name)->isVisibleTo(d); }
    void Setzen(const Felder& felder) {
        for (const auto& [name, text] : felder) {
            if (auto* e = Feld(name))
                e->setText(text);
            else if (auto* s = d->findChild<QSpinBox*>(name))
                s->setValue(text.toInt());
            else
                d->findChild<QAbstractButton*>(name)->setChecked(text == u"1"_s);
        }
    }
    // The curve button with the fields filled as given and "OK".
    void Kurve(const Felder& felder) {
        f->imDialog = [this, felder](QDialog&) { Setzen(felder); };
        w->Knopf("Kurve");
    }
    std::vector<Strecke> Strecken(bool nurSichtbare = false) {
        std::vector<Strecke> s;
        for (const auto& e : f->Dokument().Elemente)
            if (!nurSichtbare || e.Breite >= 0)
                s.push_back({std::llrint(e.x1), std::llrint(e.y1), std::llrint(e.x2), std::llrint(e.y2)});
        return s;
    }

  private slots:
    void init() {
        w = std::make_unique<Zeichenfenster>();
        f = &w->f;
        d = f->findChild<TKurvenform*>();
    }
    void cleanup() { w.reset(); }

    void sichtbarkeit() {
        // Only the chosen control's label and field show; the 3-D fields only with 3-D.
        QVERIFY(Typ(0)->isChecked());
        const char* schritt[][2] = {{"Label9", "strich_edit"}, {"Label2", "wink_edit"}, {"Label8", "Delta"}};
        for (int i : {1, 2, 0}) {
            Typ(i)->click();
            for (int j = 0; j < 3; ++j)
                QCOMPARE(std::tuple(i, Sichtbar(schritt[j][0]), Sichtbar(schritt[j][1])),
                         std::tuple(i, i == j, i == j));
        }
        for (bool an : {false, true, false}) {
            d->findChild<QCheckBox*>(u"is3d"_s)->setChecked(an);
            QCOMPARE(std::tuple(Sichtbar("zLabel"), Sichtbar("z_Edit"), Sichtbar("Achse")),
                     std::tuple(an, an, an));
        }
        Setzen({{u"is3d"_s, u"1"_s}, {u"Achse"_s, u"1"_s}, {u"z_Edit"_s, u"n"_s}});
        const vektra::Kurvenparameter p = d->Parameter();
        QVERIFY(p.dreiD && p.XAchseVorn && p.zText == "n");
    }

    void pruefenHaeltDenDialogOffen_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("feld");
        QTest::addColumn<QString>("text");
        QTest::newRow("Winkel keine Zahl") << 1 << u"wink_edit"_s << u"abc"_s;
        QTest::newRow("Strichlänge unendlich") << 0 << u"strich_edit"_s << u"inf"_s;
        QTest::newRow("Delta zu groß") << 2 << u"Delta"_s << u"1e999"_s;
        QTest::newRow("Delta mit Komma") << 2 << u"Delta"_s << u"0,5"_s;
        QTest::newRow("x-Offset gebrochen") << 0 << u"x_off"_s << u"1.5"_s;
        QTest::newRow("y-Offset zu groß") << 0 << u"y_off"_s << u"3000000000"_s;
    }
    void pruefenHaeltDenDialogOffen() {
        QFETCH(int, typ);
        QFETCH(QString, feld);
        QFETCH(QString, text);
        Zeigen();
        Typ(typ)->click();
        // The step fields of the other controls are not looked at.
        const std::array<QString, 3> schrittfelder{u"strich_edit"_s, u"wink_edit"_s, u"Delta"_s};
        for (const QString& s : schrittfelder)
            Feld(s)->setText(s == schrittfelder[typ] ? u"90"_s : u"?"_s);
        Feld(feld)->setText(text);
        for (int ergebnis : {QDialog::Accepted, QDialog::Rejected}) {
            Feld(u"x_Edit"_s)->setFocus();
            d->done(ergebnis);
            QCOMPARE(std::tuple(d->isVisible(), d->focusWidget(), Feld(feld)->selectedText()),
                     std::tuple(true, static_cast<QWidget*>(Feld(feld)), text));
        }
        Feld(feld)->setText(u"7"_s);
        QVERIFY(d->Pruefen());
        const vektra::Kurvenparameter p = d->Parameter();
        const double zahl = feld == schrittfelder[typ] ? 7 : 90;
        const std::array schrittwerte{p.Strichlaenge, p.Winkeldifferenz, p.Deltat};
        QCOMPARE(std::tuple(int(p.Kontrollart), schrittwerte[typ], d->VersatzX(), d->VersatzY()),
                 std::tuple(typ, typ == 1 ? zahl * (1.0 / 180) * std::numbers::pi : zahl,
                            feld == u"x_off"_s ? 7 : 0, feld == u"y_off"_s ? 7 : 0));
    }

    void winkelBeimVerlassenGeprueft() {
        Zeigen();
        Typ(1)->click();
        QLineEdit* winkel = Feld(u"wink_edit"_s);
        winkel->setFocus();
        QTest::keyClicks(winkel, u"x"_s);
        QTest::keyClick(d, Qt::Key_Tab);
        QCOMPARE(std::pair(d->focusWidget(), winkel->selectedText()),
                 std::pair(static_cast<QWidget*>(winkel), u"5x"_s));
        // A number lets the focus go.
        QTest::keyClick(winkel, Qt::Key_Backspace);
        QTest::keyClicks(winkel, u"12"_s);
        QTest::keyClick(d, Qt::Key_Tab);
        QVERIFY(d->focusWidget() != winkel);
    }

    void vorgabenZeichnenDieDiagonale() {
        f->ModusSetzen(Modus::Linie);
        Kurve({});
        QCOMPARE(std::pair(Modusnummer(f->AktuellerModus()), f->meldungen.size()),
                 std::pair(4, qsizetype(0)));
        const auto s = Strecken();
        QVERIFY(s.size() > 5);
        QCOMPARE(std::pair(s.front()[0] + s.front()[1], s.back()[2] + s.back()[3]), std::pair(0LL, 20LL));
        for (std::size_t i = 1; i < s.size(); ++i)
            QCOMPARE(std::pair(s[i][0], s[i][1]), std::pair(s[i - 1][2], s[i - 1][3]));
        for (const auto& e : f->Dokument().Elemente)
            QVERIFY(e.gepickt && e.Art == vektra::Linie && e.x1 == e.y1 && e.x2 == e.y2);
        // Shown at once, selected.
        QCOMPARE(w->Bild().pixelColor(w->Pixel(5, 5)), Maler::GepicktFarbe);
        QCOMPARE(f->focusWidget(), f->Zeichenflaeche());
    }

    void kurvenscharen_data() {
        QTest::addColumn<QString>("y");
        QTest::addColumn<QString>("n0");
        QTest::addColumn<QString>("n1");
        QTest::addColumn<QList<long long>>("hoehen");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("drei Waagerechte")
            << u"n"_s << u"1"_s << u"3"_s << QList<long long>{10, 20, 30} << QString();
        QTest::newRow("n_1 < n_0") << u"n"_s << u"3"_s << u"1"_s << QList<long long>{} << QString();
        QTest::newRow("n_0 gebrochen")
            << u"n"_s << u"1.5"_s << u"3"_s << QList<long long>{}
            << u"n_0 muss eine ganze Zahl von -2147483648 bis 2147483647 sein, nicht „1.5“."_s;
        QTest::newRow("n_1 zu groß") << u"n"_s << u"1"_s << u"2147483648"_s << QList<long long>{}
                                     << u"n_1 muss eine ganze Zahl"_s;
        QTest::newRow("zu viele Kurven") << u"n"_s << u"1"_s << u"40000"_s << QList<long long>{}
                                         << u"Zu viele Kurven: n von 1 bis 40000"_s;
        // n = 2 takes the root of a negative number at t > 0.75: n = 1 stays whole, nothing of n = 2.
        QTest::newRow("Rechenfehler bei n = 2") << u"n+0*sqrt(1.5-n*t)"_s << u"1"_s << u"3"_s
                                                << QList<long long>{10} << u"Rechenfehler in sqrt"_s;
    }
    void kurvenscharen() {
        QFETCH(QString, y);
        QFETCH(QString, n0);
        QFETCH(QString, n1);
        QFETCH(QList<long long>, hoehen);
        QFETCH(QString, meldung);
        Kurve({{u"x_Edit"_s, u"t"_s}, {u"y_Edit"_s, y}, {u"n_0"_s, n0}, {u"n_1"_s, n1}});
        QCOMPARE(std::pair(Modusnummer(f->AktuellerModus()), f->meldungen.size()),
                 std::pair(4, qsizetype(meldung.isEmpty() ? 0 : 1)));
        QVERIFY2(f->meldungen.value(0).startsWith(meldung), qPrintable(f->meldungen.join(u'|')));
        // Each height one whole horizontal line from x = 0 to 10.
        std::map<long long, long long> laenge;
        for (const Strecke& s : Strecken()) {
            QCOMPARE(s[1], s[3]);
            laenge[s[1]] += s[2] - s[0];
        }
        QList<long long> gefunden;
        for (const auto& [hoehe, l] : laenge) {
            gefunden << hoehe;
            QCOMPARE(l, 10LL);
        }
        QCOMPARE(gefunden, hoehen);
        // The dialog keeps what was typed.
        QCOMPARE(Feld(u"n_0"_s)->text(), n0);
    }

    void rueckwaertsBeginntDasMusterAmEnde() {
        // Five chords of 2 units, pattern one drawn, two gaps, from the end.
        Kurve({{u"Kurventyp2"_s, u"1"_s},
               {u"Delta"_s, u"0.2"_s},
               {u"y_Edit"_s, u"0"_s},
               {u"P1"_s, u"1"_s},
               {u"P2"_s, u"2"_s},
               {u"rueckwaerts"_s, u"1"_s}});
        QCOMPARE(std::pair(Strecken(true), Strecken().size()),
                 std::pair(std::vector<Strecke>{{10, 0, 8, 0}, {4, 0, 2, 0}}, std::size_t(5)));
    }

    void musterwerkzeugeSchaltenRichtungAufLaenge() {
        // The tools of straight patterned figures have no direction control.
        for (const auto& [modus, laenge] :
             {std::pair(Modus::Pfeil, true), std::pair(Modus::Linie2, true), std::pair(Modus::Rechteck, true),
              std::pair(Modus::GrosserKreis, false), std::pair(Modus::Linie, false)}) {
            f->ModusSetzen(Modus::Auswahl);
            Typ(1)->click();
            f->ModusSetzen(modus);
            QCOMPARE(std::tuple(Modusnummer(modus), Typ(0)->isChecked(), Sichtbar("strich_edit")),
                     std::tuple(Modusnummer(modus), laenge, laenge));
        }
        Typ(2)->click();
        f->ModusSetzen(Modus::Pfeil);
        QVERIFY(Typ(2)->isChecked());
    }

    void versatzReistMitDerZeichnung() {
        const QString pfad = w->Datei(u"versatz.vks"_s);
        Kurve({{u"x_off"_s, u"7"_s}, {u"y_off"_s, u" 3"_s}});
        QCOMPARE(std::pair(Strecken().front()[0] + Strecken().front()[1] * 100, f->Dokument().Dialog.x_off),
                 std::pair(307LL, std::string("7")));
        f->Dokument().Dateiname = pfad.toStdString();
        QVERIFY(f->Dateien().Speichern1Click());

        Skriptfenster g;
        auto* dg = g.findChild<TKurvenform*>();
        QCOMPARE(dg->findChild<QLineEdit*>(u"x_off"_s)->text(), u"0"_s);
        g.dateien = {pfad};
        g.Dateien().Open1Click();
        QCOMPARE(dg->findChild<QLineEdit*>(u"y_off"_s)->text(), u" 3"_s);
        QVERIFY(dg->Pruefen());
        QCOMPARE(std::pair(dg->VersatzX(), dg->VersatzY()), std::pair(7, 3));
    }
};

VEKTRA_TESTPROGRAMM(KurvenformTest)
#include "KurvenformTest.moc"
