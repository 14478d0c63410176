// The drawing tools through the real window: snapped gestures, size limits, degenerate
// gestures, the patterned tools, text placement, the arc dialog, a full store, and tracking
// that never repaints.
#include "Testprogramm.h"
#include "Zeichenfenster.h"

#include "curves/TKreisform.h"
#include "editing/TTextein.h"
#include "text/Format.h"
#include "text/Texte.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

class ZeichenwerkzeugeTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Zeichenfenster> w;

    vektra::TElement& E(int i) { return w->E(i); }

  private slots:
    void init() { w = std::make_unique<Zeichenfenster>(); }
    void cleanup() { w.reset(); }

    void linieRastetEinUndVerfolgtOhneNeuzeichnen() {
        w->Knopf("LineButton");
        const unsigned generation = w->Generation();
        // 10.4 and 10.6 snap to 10 and 11: a line of length 1.
        w->Druecken(10.4, 5.2);
        w->Bewegen(10.45, 5.1);
        // A move onto the same snapped point touches nothing, not even the screen.
        Malzaehler zaehler;
        w->ZF()->installEventFilter(&zaehler);
        QCoreApplication::processEvents();
        const QImage vorher = w->Bild();
        zaehler.n = 0;
        w->Bewegen(10.3, 4.9);
        QCoreApplication::processEvents();
        QCOMPARE(std::pair(zaehler.n, w->Bild()), std::pair(0, vorher));
        w->Bewegen(10.6, 5.1);
        QVERIFY(w->Bild() != vorher);
        w->Loslassen(10.6, 5.1);
        QCOMPARE(std::pair(w->Generation(), w->Elemente().Anzahl()), std::pair(generation, 1));
        QCOMPARE(
            std::tuple(E(1).x1, E(1).y1, E(1).x2, E(1).y2, E(1).Art, E(1).Ebene, E(1).gepickt, w->Status(1)),
            std::tuple(10.0, 5.0, 11.0, 5.0, vektra::Linie, 3, false, u"(11,5)"_s));
        // The band left nothing behind: but for the cross, the picture is the one a full redraw
        // paints (which takes the cross off in a drawing mode, for the next move to draw).
        w->f.Painter().FadenkreuzLoeschen();
        const QImage nachher = w->Bild();
        w->f.zeichneneu();
        QCOMPARE(std::pair(w->Bild(), w->Bild().pixel(w->Pixel(10.5, 5))), std::pair(nachher, 0xFF000000u));
        // 10.4 to 10.2 snaps back to 10: nothing.
        w->Ziehen(10.4, 5, 10.2, 5);
        QCOMPARE(w->Elemente().Anzahl(), 1);
        // Events while the painter is busy are dropped.
        w->f.Painter().zeichnetGerade = true;
        w->Ziehen(0, 0, 20, 20);
        w->f.Painter().zeichnetGerade = false;
        QCOMPARE(w->Elemente().Anzahl(), 1);
    }

    void kreiseMitGrenzeUndQuadratmetrik() {
        const struct {
            const char* knopf;
            double dx, dy, durchmesser;
            bool gefuellt;
        } faelle[] = {{"Circbutton", 20, 0, 12, false},
                      {"Fillcircbutton", 0, -20, 6, true},
                      {"Circbutton", 3, 4, 8, false},
                      {"Kreis2", 0, 0, 0, false}};
        for (const auto& k : faelle) {
            w->Knopf(k.knopf);
            w->Elemente().AllesLoeschen();
            w->f.zeichneneu();
            w->Ziehen(40, 30, 40 + k.dx, 30 + k.dy);
            const int soll = k.durchmesser > 0 ? 1 : 0;
            QCOMPARE(w->Elemente().Anzahl(), soll);
            if (!soll) continue;
            QCOMPARE(std::tuple(E(1).Art, E(1).Ebene, E(1).x1, E(1).y1, E(1).Durchmesser, E(1).gefuellt),
                     std::tuple(vektra::Kreis, 5, 40.0, 30.0, k.durchmesser, k.gefuellt));
            // Painted at once, filled in the pen colour when filled.
            QCOMPARE(w->Bild().pixel(w->Pixel(40 + k.durchmesser / 2 - 0.2, 30)), 0xFF000000u);
            QCOMPARE(w->Bild().pixel(w->Pixel(40 + k.durchmesser / 4, 30 + 0.3)) == 0xFF000000u, k.gefuellt);
        }
    }

    void pfeilRechteckUndZweiteLinieZeichnenDurchDenPlotter() {
        w->Knopf("Pfeil1");
        w->Ziehen(10, 10, 20, 10);
        const int n = w->Elemente().Anzahl();
        QVERIFY(n > 8);
        for (int i = 1; i <= n; ++i)
            QCOMPARE(std::pair(i, int(E(i).Art)),
                     std::pair(i, int(i > n - 2 ? vektra::Pfeilspitze : vektra::Linie)));
        QCOMPARE(std::tuple(w->Elemente().GepickteZahl(), E(n - 1).x1, E(n - 1).y1, E(n).x2, E(n).y2),
                 std::tuple(n, 20.0, 10.0, 20.0, 10.0));

        // A dashed rectangle: the pattern runs on across the corners.
        w->Elemente().AllesLoeschen();
        w->Knopf("rechteck1");
        w->f.findChild<QComboBox*>(u"Kontrolle"_s)->setCurrentIndex(2);
        w->f.findChild<QLineEdit*>(u"Deltaedit"_s)->setText(u"0.25"_s);
        w->f.findChild<QSpinBox*>(u"P1"_s)->setValue(2);
        w->f.findChild<QSpinBox*>(u"P2"_s)->setValue(1);
        w->Ziehen(0, 0, 10, 5);
        QString muster;
        for (int i = 1; i <= w->Elemente().Anzahl(); ++i)
            muster += E(i).Breite == -1 ? u'-' : u'x';
        QCOMPARE(muster, u"xx-xx-xx-xx-xx-x"_s);
        // Pure horizontal or vertical drags make no rectangle; a second line lands under the band.
        w->Elemente().AllesLoeschen();
        w->Ziehen(0, 0, 10, 0);
        w->Ziehen(0, 0, 0, 10);
        QCOMPARE(w->Elemente().Anzahl(), 0);
        w->f.Dokument().Kopf.Massstab = 4;
        w->Knopf("Linie2");
        w->Ziehen(2, 3, 14, 9);
        const int m = w->Elemente().Anzahl();
        QCOMPARE(std::tuple(E(1).x1, E(1).y1, E(m).x2, E(m).y2), std::tuple(2.0, 3.0, 14.0, 9.0));
    }

    void textPlatzierenAbbrechenUndBestaetigen() {
        w->Knopf("Textbutton");
        // Cancelled: the element goes again.
        w->Klick(5, 5);
        QCOMPARE(std::pair(w->Elemente().Anzahl(), w->M()), std::pair(0, Modus::Text));
        // Confirmed with an edited position, text and alignment.
        QString position;
        w->f.imDialog = [&](QDialog& d) {
            position = d.findChild<QLineEdit*>(u"Edit2"_s)->text() + u"|"_s +
                       d.findChild<QLineEdit*>(u"Edit3"_s)->text();
            d.findChild<QLineEdit*>(u"Edit1"_s)->setText(u"Größe $x^2$"_s);
            d.findChild<QLineEdit*>(u"Edit2"_s)->setText(u"12.5"_s);
            d.findChild<QRadioButton*>(u"Ausrichtung0"_s)->setChecked(true);
        };
        w->Klick(7, -2);
        QCOMPARE(std::pair(position, w->Elemente().Anzahl()), std::pair(u"7.0|-2.0"_s, 1));
        QCOMPARE(std::tuple(E(1).Art, E(1).Ebene, E(1).x1, E(1).y1, E(1).Ausrichtung, E(1).Text, w->M()),
                 std::tuple(vektra::Text, 8, 12.5, -2.0, std::string("tl"),
                            std::string("Gr\xF6\xDF"
                                        "e $x^2$"),
                            Modus::Text));
        // Characters the drawing cannot hold keep the dialog open with the text, and say which.
        TTextein* d = w->f.findChild<TTextein*>();
        d->findChild<QLineEdit*>(u"Edit1"_s)->setText(u"a → b α"_s);
        QVERIFY(!d->Pruefen());
        QCOMPARE(std::pair(w->f.meldungen.last(), d->findChild<QLineEdit*>(u"Edit1"_s)->text()),
                 std::pair(QString::fromStdString(
                               vektra::Formatieren(vektra::T("v.TextNichtDarstellbar"), {std::string("→α")})),
                           u"a → b α"_s));
        // A position that is no number is selected and keeps the dialog open.
        d->findChild<QLineEdit*>(u"Edit1"_s)->setText(u"ok"_s);
        d->findChild<QLineEdit*>(u"Edit3"_s)->setText(u"y"_s);
        QVERIFY(!d->Pruefen());
        QCOMPARE(d->findChild<QLineEdit*>(u"Edit3"_s)->selectedText(), u"y"_s);
    }

    void bogenDialogRechnetUmUndBegrenztDenBogen() {
        TKreisform* d = w->f.findChild<TKreisform*>();
        const auto feld = [&](const char* name) {
            return d->findChild<QLineEdit*>(QString::fromLatin1(name));
        };
        const auto eingeben = [&](const char* name, const QString& text) {
            feld(name)->setText(text);
            emit feld(name)->editingFinished();
        };
        eingeben("vong_edit", u"90"_s);
        eingeben("bisd_edit", u"3.1416"_s);
        QCOMPARE(feld("vond_edit")->text() + u"|"_s + feld("bisg_edit")->text(), u"1.5708|  180"_s);
        // Not a number: the old angle stays, shown again and selected.
        eingeben("vong_edit", u"abc"_s);
        QCOMPARE(feld("vong_edit")->text() + u"|"_s + feld("vond_edit")->text() + u"|"_s +
                     feld("vong_edit")->selectedText(),
                 u"   90|1.5708|   90"_s);
        // The arc tool plots the upper left quarter about the press point.
        w->Knopf("Kreis2");
        w->f.imDialog = [](QDialog&) {};
        w->Ziehen(30, 20, 30, 25);
        const int n = w->Elemente().Anzahl();
        QVERIFY(n > 3);
        QCOMPARE(std::tuple(std::lround(E(1).x1 * 100), std::lround(E(1).y1 * 100),
                            std::lround(E(n).x2 * 100), std::lround(E(n).y2 * 100)),
                 std::tuple(3000L, 2500L, 2500L, 2000L));
    }

    void volleZeichnungNimmtNichtsAuf() {
        while (!w->Elemente().Voll())
            w->Elemente().NeuesElement()->x1 = -100;
        w->f.imDialog = [](QDialog&) {};
        for (const char* knopf :
             {"LineButton", "Circbutton", "Pfeil1", "Linie2", "rechteck1", "Kreis2", "Textbutton"}) {
            w->f.meldungen.clear();
            w->Knopf(knopf);
            w->Ziehen(10, 10, 15, 14);
            QCOMPARE(std::tuple(QString::fromLatin1(knopf), w->f.meldungen, w->Elemente().Anzahl()),
                     std::tuple(QString::fromLatin1(knopf),
                                QStringList{QString::fromStdString(vektra::T("v.SpeicherVoll"))},
                                vektra::MaxElemente));
        }
    }
};

VEKTRA_TESTPROGRAMM(ZeichenwerkzeugeTest)
#include "ZeichenwerkzeugeTest.moc"
