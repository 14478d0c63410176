// Picking, deleting, moving, scaling and rotating through the real window: the candidate round
// with its colours and status texts, the area rectangle, the delete and undo commands with the
// counts in the status line, the move drag, and the two dialogs.
#include "Zeichenfenster.h"

#include "editing/TDrehform.h"
#include "editing/TSkalierform.h"

#include <QLineEdit>

class AuswahlTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Zeichenfenster> w;

    vektra::TElement& E(int i) { return w->E(i); }
    QRgb Farbe(double x, double y) { return w->Bild().pixel(w->Pixel(x, y)) & 0xFFFFFF; }
    // A pick click at pixel p.
    void Klick(QPoint p) {
        QTest::mouseMove(w->ZF(), p);
        QTest::mouseClick(w->ZF(), Qt::LeftButton, {}, p);
    }

  private slots:
    void init() { w = std::make_unique<Zeichenfenster>(); }
    void cleanup() { w.reset(); }

    void punktwahlMitKandidatenrunde() {
        vektra::Zeichnung& z = w->f.Dokument();
        NeueLinie(z, 10, 10, 30, 10);
        NeueLinie(z, 30, 10, 30, 30);
        NeueLinie(z, 50, 50, 90, 50);
        w->f.zeichneneu();
        w->Knopf("Pickbutton");
        const QPoint ende = w->Pixel(30, 10);
        const int P = z.Kopf.Pickabstand;
        // P pixels off misses, the middle of a long line too.
        Klick(ende + QPoint(P, 0));
        Klick(w->Pixel(70, 50));
        QCOMPARE(std::pair(w->M(), z.Elemente.GepickteZahl()), std::pair(Modus::Auswahl, 0));
        // P - 1 pixels off hits both lines at the shared end; the lower index is offered first.
        Klick(ende + QPoint(P - 1, -(P - 1)));
        QCOMPARE(std::tuple(w->M(), w->Status(0), E(1).Kandidat, E(2).Kandidat),
                 std::tuple(Modus::Kandidaten, u"modus: Auswahl 2Elemente"_s, true, true));
        const QRgb gruen = Maler::KandidatFarbe.rgb() & 0xFFFFFF;
        QCOMPARE(std::pair(Farbe(20, 10), Farbe(30, 20)), std::pair(gruen, 0u));
        // A right press passes to the next; a left press takes it, and the click that ends
        // that press starts no new round.
        QTest::mouseClick(w->ZF(), Qt::RightButton, {}, ende);
        QCOMPARE(std::tuple(w->M(), Farbe(20, 10), Farbe(30, 20)), std::tuple(Modus::Kandidaten, 0u, gruen));
        QTest::mouseClick(w->ZF(), Qt::LeftButton, {}, ende);
        QCOMPARE(std::tuple(w->M(), E(1).gepickt, E(2).gepickt, E(1).Kandidat, E(2).Kandidat),
                 std::tuple(Modus::Auswahl, false, true, false, false));
        QCOMPARE(std::pair(Farbe(30, 20), Farbe(20, 10)),
                 std::pair(Maler::GepicktFarbe.rgb() & 0xFFFFFF, 0u));
        // The picked line is never offered again: one candidate left.
        Klick(ende);
        QCOMPARE(w->Status(0) + w->Status(2),
                 u"modus: Auswahl 1Elemente3  Elemente, 1  gewählt, 0 gelöscht"_s);
    }

    void flaechenwahlLoeschenUndRueckgaengig() {
        vektra::Zeichnung& z = w->f.Dokument();
        for (int i = 0; i < 5; ++i)
            NeueLinie(z, 10 * i, 0, 10 * i + 5, 5);
        vektra::TElement& k = *z.Elemente.NeuesElement();
        std::tie(k.Art, k.x1, k.y1, k.Durchmesser, k.Ebene) = std::tuple(vektra::Kreis, 5, 20, 2, 5);
        w->f.zeichneneu();
        w->Knopf("Pickareabutton");
        const unsigned generation = w->Generation();
        // The circle needs its whole diameter as margin.
        w->Ziehen(3.5, 18.5, 6.5, 21.5);
        QCOMPARE(std::tuple(E(6).gepickt, w->M(), w->Generation()),
                 std::tuple(false, Modus::Pickflaeche, generation + 1));
        w->Ziehen(2, 17, 8, 23);
        QCOMPARE(E(6).gepickt, true);
        // A click without a drag picks nothing and repaints nothing.
        w->Ziehen(40, 2, 40, 2);
        QCOMPARE(w->Generation(), generation + 2);
        w->Ziehen(-1, -1, 16, 6);
        QCOMPARE(z.Elemente.GepickteZahl(), 3);
        // Delete, delete again, undo: only the second deletion comes back, picked.
        w->Knopf("Delete");
        QCOMPARE(w->Status(2), u"6  Elemente, 0  gewählt, 3 gelöscht"_s);
        w->Ziehen(25, -1, 36, 6);
        w->Knopf("Delete");
        QCOMPARE(w->Status(2), u"3  Elemente, 0  gewählt, 1 gelöscht"_s);
        w->Menue("Rckgngig1");
        QCOMPARE(std::tuple(w->Status(2), E(2).x1, E(2).gepickt),
                 std::tuple(u"3  Elemente, 1  gewählt, 0 gelöscht"_s, 30.0, true));
        // After "Aufräumen" nothing comes back, and the counts follow at once.
        w->Knopf("Delete");
        w->Menue("Aufrumen1");
        QCOMPARE(w->Status(2), u"2  Elemente, 0  gewählt, 0 gelöscht"_s);
        w->Menue("Rckgngig1");
        QCOMPARE(z.Elemente.GepickteZahl(), 0);
        // Deleted elements inside an area are picked again, and Unpick drops every pick.
        E(1).geloescht = true;
        w->Ziehen(-5, -5, 60, 30);
        QCOMPARE(z.Elemente.GepickteZahl(), 2);
        w->Knopf("Unpick");
        QCOMPARE(std::pair(z.Elemente.GepickteZahl(), w->M()), std::pair(0, Modus::Auswahl));
    }

    void verschiebenInRasterschritten() {
        vektra::Zeichnung& z = w->f.Dokument();
        NeueLinie(z, 10.25, 10, 20.25, 10).gepickt = true;
        vektra::TElement& t = *z.Elemente.NeuesElement();
        std::tie(t.Art, t.x1, t.y1, t.Ebene, t.Text, t.gepickt) =
            std::tuple(vektra::Text, 5, 5, 8, "Hallo", true);
        NeueLinie(z, 0, 30, 5, 30);
        w->f.zeichneneu();
        w->Knopf("Movebutton");
        const unsigned generation = w->Generation();
        const QRect textfeld(w->Pixel(5, 5) - QPoint(30, 12), QSize(60, 24));
        const QImage text = w->Bild().copy(textfeld);
        w->Druecken(15, 10);
        w->Bewegen(17.2, 13.1);
        // While dragging the line shows at its new place, the text stays where it was until the
        // release, and the picture is not redrawn.
        QCOMPARE(std::pair(w->Generation(), w->Bild().copy(textfeld)), std::pair(generation, text));
        QVERIFY(Farbe(15.25, 13) != 0xFFFFFF);
        w->Bewegen(18.4, 12.9);
        w->Loslassen(18.4, 12.9);
        QCOMPARE(std::pair(w->Generation(), w->M()), std::pair(generation + 1, Modus::Verschieben));
        // Moved by whole snap steps: the line stays a quarter off the lattice.
        QCOMPARE(std::tuple(E(1).x1, E(1).y1, E(1).x2, E(2).x1, E(2).y1, E(3).x1, E(3).y1),
                 std::tuple(13.25, 13.0, 23.25, 8.0, 8.0, 0.0, 30.0));
    }

    void skalierenUndDrehenUeberIhreDialoge() {
        NeueLinie(w->f.Dokument(), 0, 0, 10, 0).gepickt = true;
        TSkalierform* s = w->f.findChild<TSkalierform*>();
        const auto feld = [](QDialog* d, const char* n) {
            return d->findChild<QLineEdit*>(QString::fromLatin1(n));
        };
        // The first field that is no number goes back to its initial text, selected.
        feld(s, "yFaktor")->setText(u"3"_s);
        feld(s, "xFaktor")->setText(u"zwei"_s);
        QVERIFY(!s->Pruefen());
        QCOMPARE(feld(s, "xFaktor")->text() + feld(s, "xFaktor")->selectedText(), u"1.01.0"_s);
        w->f.imDialog = [&](QDialog& d) { feld(&d, "xFaktor")->setText(u"2"_s); };
        w->Menue("Skalieren1");
        QCOMPARE(std::tuple(E(1).x2, E(1).y2), std::tuple(20.0, 0.0));
        // The dialog keeps its values: scaling again doubles again. An absurd result is refused.
        w->f.imDialog = [](QDialog&) {};
        w->Menue("Skalieren1");
        QCOMPARE(E(1).x2, 40.0);
        w->f.imDialog = [&](QDialog& d) { feld(&d, "xFaktor")->setText(u"1e300"_s); };
        w->Menue("Skalieren1");
        QCOMPARE(std::pair(E(1).x2, w->f.meldungen.size()), std::pair(40.0, qsizetype(1)));

        TDrehform* d = w->f.findChild<TDrehform*>();
        const auto verlassen = [&](const char* n, const QString& text) {
            feld(d, n)->setText(text);
            emit feld(d, n)->editingFinished();
        };
        verlassen("Win_g", u"90"_s);
        QCOMPARE(feld(d, "Win_d")->text(), u"1.5708"_s);
        verlassen("Win_d", u"3.1416"_s);
        QCOMPARE(feld(d, "Win_g")->text(), u"  180"_s);
        verlassen("Zen_x", u"abc"_s);
        QCOMPARE(feld(d, "Zen_x")->text() + feld(d, "Zen_x")->selectedText(), u"0.00000.0000"_s);
        verlassen("Win_g", u"90"_s);
        verlassen("Zen_y", u"5"_s);
        w->f.imDialog = [](QDialog&) {};
        w->Menue("Drehen1");
        // A quarter turn about (0,5): (0,0) goes to (5,5), (40,0) to (5,45).
        QCOMPARE(std::tuple(std::lround(E(1).x1 * 1e6), std::lround(E(1).y1 * 1e6),
                            std::lround(E(1).x2 * 1e6), std::lround(E(1).y2 * 1e6)),
                 std::tuple(5000000L, 5000000L, 5000000L, 45000000L));
    }
};

QTEST_MAIN(AuswahlTest)
#include "AuswahlTest.moc"
