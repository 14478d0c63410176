// The curve dialog and the curve command through the tool button of the real window: every
// field reaches the plotter, fields that do not convert keep the dialog open, the range of n is
// checked before plotting, and the patterned tools switch the step control.
#include "Fenster.h"

#include "curves/TKurvenform.h"

#include <QRadioButton>

using Felder = std::vector<std::pair<const char*, QString>>;

class KurvenTest : public QObject {
    Q_OBJECT

    static void Kurve(Fenster& w, const Felder& felder) {
        w.f.dialoge = {{[felder](QDialog& d) {
            for (const auto& [name, text] : felder)
                Fenster::Setzen(d, QString::fromLatin1(name), text);
        }}};
        w.Knopf("Kurve");
    }

  private slots:
    void jedesFeldKommtAn() {
        // At the plotter's scale of 10: x = 10 t + 7, y = 10 n + 4, t from 7 back to 1 in steps of
        // 1, for n = 2 and 3, each curve from its end with the dash pattern 1 drawn, 2 left out, 1
        // drawn, 1 left out.
        Fenster w;
        // clang-format off
        Kurve(w, {{"x_Edit", u"t"_s}, {"y_Edit", u"n"_s}, {"von", u"1"_s}, {"bis", u"7"_s}, {"n_0", u"2"_s},
                  {"n_1", u"3"_s}, {"Kurventyp2", u"1"_s}, {"Delta", u"1"_s}, {"P1", u"1"_s}, {"P2", u"2"_s},
                  {"P3", u"1"_s}, {"P4", u"1"_s}, {"rueckwaerts", u"1"_s}, {"x_off", u"7"_s}, {"y_off", u" 4"_s}});
        QCOMPARE(std::tuple(w.Kurz(), w.M(), w.f.meldungen, w.Z().Dialog.x_off),
                 std::tuple(u"L77,24,67,24:p L67,24,57,24:pb-1 L57,24,47,24:pb-1 L47,24,37,24:p L37,24,27,24:pb-1 "
                            u"L27,24,17,24:p L77,34,67,34:p L67,34,57,34:pb-1 L57,34,47,34:pb-1 L47,34,37,34:p "
                            u"L37,34,27,34:pb-1 L27,34,17,34:p"_s, Modus::Auswahl, QStringList(), std::string("7")));
        // clang-format on
        // Shown at once, picked, with the focus back on the surface.
        QCOMPARE(std::pair(w.Bild().pixelColor(w.Pixel(72, 24)), w.f.focusWidget()),
                 std::pair(QColor(255, 0, 255), static_cast<QWidget*>(w.ZF())));
        // The whole command, both curves and the offsets it keeps, is one step.
        w.Taste(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(
            std::tuple(w.Kurz(), w.Z().Dialog.x_off, w.Status(0), w.Teil<QAction>("Rckgngig1")->isEnabled()),
            std::tuple(QString(), std::string("0"), u"Kurve rückgängig"_s, false));
        // The other step controls and the 3-D fields, as the plotter gets them.
        auto* d = w.f.findChild<TKurvenform*>();
        for (const auto& [typ, feld, text] :
             {std::tuple("Kurventyp1", "wink_edit", u"90"_s), {"Kurventyp0", "strich_edit", u"2.5"_s}}) {
            Kurve(w,
                  {{typ, u"1"_s}, {feld, text}, {"is3d", u"1"_s}, {"Achse", u"1"_s}, {"z_Edit", u"n*t"_s}});
            const vektra::Kurvenparameter p = d->Parameter();
            QCOMPARE(std::tuple(int(p.Kontrollart), p.Winkeldifferenz, p.Strichlaenge, p.dreiD, p.XAchseVorn,
                                QString::fromStdString(p.zText)),
                     std::tuple(typ[9] - '0', 1.5707963267948966, typ[9] == '0' ? 2.5 : 1.0, true, true,
                                u"n*t"_s));
        }
    }

    void pruefenHaeltDenDialogOffen() {
        // Control, field, text: the dialog stays open on OK and on cancel with the field
        // selected; the step fields of the other controls are not looked at.
        const std::tuple<int, const char*, QString> faelle[] = {
            {1, "wink_edit", u"abc"_s}, {0, "strich_edit", u"inf"_s}, {2, "Delta", u"1e999"_s},
            {2, "Delta", u"0,5"_s},     {0, "x_off", u"1.5"_s},       {0, "y_off", u"3000000000"_s}};
        for (const auto& [typ, feld, text] : faelle) {
            Fenster w;
            QStringList gesehen;
            const QString name = QString::fromLatin1(feld);
            w.f.dialoge = {{[&](QDialog& d) {
                               d.findChild<QRadioButton*>(u"Kurventyp%1"_s.arg(typ))->click();
                               for (const char* s : {"strich_edit", "wink_edit", "Delta"})
                                   Fenster::Tippen(d, s, u"?"_s);
                               Fenster::Tippen(d, feld, text);
                               const char* schritt[] = {"strich_edit", "wink_edit", "Delta"};
                               if (name != QString::fromLatin1(schritt[typ]))
                                   Fenster::Tippen(d, schritt[typ], u"1"_s);
                           }},
                           {[&](QDialog& d) { gesehen << Fokus(d); }, Schluss::Abbruch},
                           {[&](QDialog& d) { gesehen << Fokus(d), Fenster::Tippen(d, feld, u"7"_s); }}};
            w.Knopf("Kurve");
            QCOMPARE(gesehen, QStringList(2, name + u':' + text));
        }
        // An angle that is no number is refused as the focus leaves it.
        Fenster w;
        auto* d = w.f.findChild<TKurvenform*>();
        d->show();
        d->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), d);
        d->findChild<QRadioButton*>(u"Kurventyp1"_s)->click();
        QLineEdit* winkel = d->findChild<QLineEdit*>(u"wink_edit"_s);
        winkel->setFocus();
        QTest::keyClicks(winkel, u"x"_s);
        QTest::keyClick(d, Qt::Key_Tab);
        QCOMPARE(Fokus(*d), u"wink_edit:5x"_s);
        QTest::keyClicks(winkel, u"12"_s);
        QTest::keyClick(d, Qt::Key_Tab);
        QVERIFY(d->focusWidget() != winkel);
        d->hide();
    }

    void bereichVonN() {
        // n_0 and n_1 as 32-bit whole numbers, and no more curves than a drawing holds: refused
        // with a message before anything is plotted.
        const std::tuple<QString, QString, QString> faelle[] = {
            {u"1.5"_s, u"3"_s,
             u"n_0 muss eine ganze Zahl von -2147483648 bis 2147483647 sein, nicht „1.5“."_s},
            {u"1"_s, u"40000"_s,
             u"Zu viele Kurven: n von 1 bis 40000 ergibt 40000 Kurven; eine Zeichnung fasst "
             u"höchstens 32000."_s}};
        for (const auto& [n0, n1, meldung] : faelle) {
            Fenster w;
            Kurve(w, {{"n_0", n0}, {"n_1", n1}});
            QCOMPARE(std::tuple(w.f.meldungen, w.Kurz(), w.f.findChild<QLineEdit*>(u"n_0"_s)->text()),
                     std::tuple(QStringList{meldung}, QString(), n0));
        }
    }

    void musterwerkzeugeOhneRichtung() {
        // The tools of straight patterned figures have no direction control: it becomes length.
        Fenster w;
        auto* d = w.f.findChild<TKurvenform*>();
        const auto typ = [&](int i) { return d->findChild<QRadioButton*>(u"Kurventyp%1"_s.arg(i)); };
        for (const auto& [modus, laenge] : {std::pair(Modus::Pfeil, true),
                                            {Modus::Linie2, true},
                                            {Modus::Rechteck, true},
                                            {Modus::GrosserKreis, false},
                                            {Modus::Linie, false}}) {
            w.f.ModusSetzen(Modus::Auswahl);
            typ(1)->click();
            w.f.ModusSetzen(modus);
            QCOMPARE(std::pair(modus, typ(0)->isChecked()), std::pair(modus, laenge));
        }
        typ(2)->click();
        w.f.ModusSetzen(Modus::Pfeil);
        QVERIFY(typ(2)->isChecked());
    }
};

VEKTRA_TESTPROGRAMM(KurvenTest)
#include "KurvenTest.moc"
