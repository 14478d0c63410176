// Editing through the real window: the pick candidate round with its colours and status texts,
// the area rectangle, delete and undo with the counts in the status line, the move drag, the scale
// and rotate dialogs, the program's clipboard, the colour swatch and the width list with their
// questions, and the text-edit tool with the text dialog.
#include "Testprogramm.h"
#include "Zeichenfenster.h"

#include "editing/TDrehform.h"
#include "editing/TSkalierform.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

using vektra::Antwort;

class BearbeitenTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Zeichenfenster> w;

    vektra::Zeichnung& Z() { return w->f.Dokument(); }
    vektra::TElement& E(int i) { return w->E(i); }
    QRgb Farbe(double x, double y) { return w->Bild().pixel(w->Pixel(x, y)) & 0xFFFFFF; }
    // A pick click at pixel p.
    void Klick(QPoint p) {
        QTest::mouseMove(w->ZF(), p);
        QTest::mouseClick(w->ZF(), Qt::LeftButton, {}, p);
    }
    bool Enthaelt(const QRect& r, const QColor& farbe) {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (w->Bild().pixel(x, y) == farbe.rgb()) return true;
        return false;
    }

  private slots:
    void init() { w = std::make_unique<Zeichenfenster>(); }
    void cleanup() { w.reset(); }

    void punktwahlMitKandidatenrunde() {
        vektra::Zeichnung& z = Z();
        NeuerStrich(z, 10, 10, 30, 10);
        NeuerStrich(z, 30, 10, 30, 30);
        NeuerStrich(z, 50, 50, 90, 50);
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
        vektra::Zeichnung& z = Z();
        for (int i = 0; i < 5; ++i)
            NeuerStrich(z, 10 * i, 0, 10 * i + 5, 5);
        NeuerKreis(z, 5, 20, 2);
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
        vektra::Zeichnung& z = Z();
        NeuerStrich(z, 10.25, 10, 20.25, 10).gepickt = true;
        vektra::TElement& t = *z.Elemente.NeuesElement();
        std::tie(t.Art, t.x1, t.y1, t.Ebene, t.Text, t.gepickt) =
            std::tuple(vektra::Text, 5, 5, 8, "Hallo", true);
        NeuerStrich(z, 0, 30, 5, 30);
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
        NeuerStrich(Z(), 0, 0, 10, 0).gepickt = true;
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

    void kopierenEinfuegenAusschneiden() {
        NeuerStrich(Z(), 0, 0, 10, 0).gepickt = true;
        NeuerStrich(Z(), 0, 5, 10, 5);
        NeuerStrich(Z(), 0, 9, 10, 9).gepickt = true;
        // Copy, paste, paste: each picked line three times, in place, picked.
        w->Menue("Bearbeiten1");
        w->Menue("EinfgenStrgV1");
        w->Menue("EinfgenStrgV1");
        QCOMPARE(std::tuple(E(4).y1, E(5).y1, E(6).y1, E(7).y1, w->Status(2)),
                 std::tuple(0.0, 9.0, 0.0, 9.0, u"7  Elemente, 6  gewählt, 0 gelöscht"_s));
        // Cut: deleted, not gone, so undo brings them back picked; the clipboard keeps them.
        for (int i = 4; i <= 7; ++i)
            E(i).gepickt = false;
        w->Menue("AusschneidenStrgX1");
        QCOMPARE(w->Status(2), u"7  Elemente, 2  gewählt, 2 gelöscht"_s);
        w->Menue("Rckgngig1");
        QCOMPARE(std::tuple(E(1).geloescht, E(1).gepickt, E(3).geloescht, Z().Ablage.Anzahl()),
                 std::tuple(false, true, false, 2));
        // Nothing picked: cut keeps the clipboard and repaints nothing, copy empties it, and
        // pasting nothing repaints all the same.
        E(1).gepickt = E(3).gepickt = false;
        const unsigned generation = w->Generation();
        w->Menue("AusschneidenStrgX1");
        QCOMPARE(std::pair(Z().Ablage.Anzahl(), w->Generation()), std::pair(2, generation));
        w->Menue("Bearbeiten1");
        w->Menue("EinfgenStrgV1");
        QCOMPARE(std::tuple(Z().Ablage.Anzahl(), Z().Elemente.Anzahl(), w->Generation()),
                 std::tuple(0, 7, generation + 1));
    }

    void farbfeld() {
        NeuerStrich(Z(), 10, 10, 30, 10).gepickt = true;
        NeuerStrich(Z(), 10, 20, 30, 20);
        QLabel* feld = w->f.findChild<QLabel*>("Label1");
        Stift& stift = w->f.Zeichenflaeche()->Flaeche().Zustand;
        const QColor gruen(10, 200, 30);
        // Chosen and agreed: swatch, current colour, pen and the picked line take it.
        w->f.farbe = gruen;
        w->f.antworten = {Antwort::Ja};
        QTest::mouseClick(feld, Qt::LeftButton);
        QCOMPARE(w->f.fragen, QStringList{u"Farbe der gewählten Elemente ändern?"_s});
        QCOMPARE(feld->grab().toImage().pixel(feld->rect().center()), gruen.rgb());
        QCOMPARE(std::tuple(Z().Kopf.aktuelleFarbe, E(1).Farbe, E(2).Farbe, stift.Farbe.rgb()),
                 std::tuple(0x1EC80A, 0x1EC80A, 0, gruen.rgb()));
        w->Knopf("Unpick");
        QCOMPARE(w->Bild().pixel(w->Pixel(20, 10)), gruen.rgb());
        // Cancelled: no question, no change; the pen takes the colour last chosen, where the
        // chooser starts again.
        E(2).gepickt = true;
        w->f.farbe.reset();
        stift.Farbe = Qt::blue;
        QTest::mouseClick(feld, Qt::LeftButton);
        QCOMPARE(std::tuple(w->f.fragen.size(), E(2).Farbe, stift.Farbe.rgb()),
                 std::tuple(qsizetype(1), 0, gruen.rgb()));
        QCOMPARE(std::pair(w->f.farbanfaenge[0].rgb(), w->f.farbanfaenge[1].rgb()),
                 std::pair(QColor(Qt::black).rgb(), gruen.rgb()));
        // Chosen but refused: the current colour changes, the elements do not.
        w->f.farbe = QColor(0, 0, 255);
        w->f.antworten = {Antwort::Nein};
        QTest::mouseClick(feld, Qt::LeftButton);
        QCOMPARE(std::pair(Z().Kopf.aktuelleFarbe, E(2).Farbe), std::pair(0xFF0000, 0));
    }

    void linienbreite() {
        QComboBox* liste = w->f.findChild<QComboBox*>("Linienbreite");
        NeuerStrich(Z(), 0, 0, 10, 0).Breite = -1;
        NeuerStrich(Z(), 0, 5, 10, 5).Breite = 0;
        NeuerKreis(Z(), 0, 0, 4);
        NeuerText(Z(), 5, 5, "T").Breite = 0;
        NeuerStrich(Z(), 0, 9, 10, 9).Breite = 0;
        for (int i = 1; i <= 4; ++i)
            E(i).gepickt = true;
        // "dick", Yes: the thin line and the circle follow; the invisible line, the text and
        // the unpicked line do not.
        w->f.antworten = {Antwort::Ja, Antwort::Nein};
        const unsigned generation = w->Generation();
        emit liste->activated(3);
        QCOMPARE(w->f.fragen, QStringList{u"Breite  der gewählten Linien ändern?"_s});
        QCOMPARE(std::pair(int(Z().aktuelleBreite), w->f.Zeichenflaeche()->Flaeche().Zustand.Breite),
                 std::pair(2, int(Z().Kopf.PixelBreiteVon(2))));
        QCOMPARE(std::tuple(E(1).Breite, E(2).Breite, E(3).Breite, E(4).Breite, E(5).Breite, w->Generation()),
                 std::tuple(-1, 2, 2, 0, 0, generation + 1));
        // No: the class is taken, the elements stay. Without an item nothing changes.
        emit liste->activated(1);
        QCOMPARE(std::pair(int(Z().aktuelleBreite), int(E(2).Breite)), std::pair(0, 2));
        liste->setCurrentIndex(-1);
        emit liste->activated(-1);
        QCOMPARE(std::pair(int(Z().aktuelleBreite), w->f.fragen.size()), std::pair(0, qsizetype(2)));
    }

    void textEditieren() {
        const auto klick = [&](double x, double y) {
            w->Knopf("Textedit");
            w->Klick(x, y);
        };
        // No text in the drawing: the tool ends.
        NeuerStrich(Z(), 0, 0, 10, 10);
        klick(5, 5);
        QCOMPARE(w->M(), Modus::Neutral);
        NeuerText(Z(), 10, 10, "A");
        NeuerText(Z(), 10.6, 10, "B").Ausrichtung = "tr";
        w->f.zeichneneu();
        // Released at 10.4 (the snap lattice would say 10): B is nearer. It shows picked while
        // the dialog is open; cancelled, it is unpicked and unchanged.
        const QRect umfeld(w->Pixel(10.6, 10) - QPoint(40, 20), QSize(80, 40));
        QString gefuellt;
        bool gepicktGezeigt = false;
        w->f.imDialog = [&](QDialog& d) {
            for (const char* n : {"Edit1", "Edit2", "Edit3"})
                gefuellt += d.findChild<QLineEdit*>(n)->text() + u" "_s;
            QVERIFY(d.findChild<QRadioButton*>("Ausrichtung6")->isChecked());
            gepicktGezeigt = Enthaelt(umfeld, Maler::GepicktFarbe);
            d.reject();
        };
        klick(10.4, 10);
        QVERIFY(gepicktGezeigt && !Enthaelt(umfeld, Maler::GepicktFarbe));
        QCOMPARE(std::tuple(gefuellt, E(3).gepickt, E(3).Text, w->M()),
                 std::tuple(u"B 10.6 10.0 "_s, false, std::string("B"), Modus::TextEditieren));
        // OK: text, place and alignment from the dialog, the picture redrawn, the tool stays.
        const unsigned generation = w->Generation();
        w->f.imDialog = [&](QDialog& d) {
            d.findChild<QLineEdit*>("Edit1")->setText(u"Größe"_s);
            d.findChild<QLineEdit*>("Edit2")->setText(u"40"_s);
            d.findChild<QRadioButton*>("Ausrichtung4")->setChecked(true);
        };
        klick(10.4, 10);
        QCOMPARE(std::tuple(E(3).Text, E(3).x1, E(3).Ausrichtung, E(3).gepickt, w->M(), w->Generation()),
                 std::tuple(std::string("Gr\xF6\xDF"
                                        "e"),
                            40.0, std::string("cc"), false, Modus::TextEditieren, generation + 1));
        // A text 10000 units away is out of reach.
        Z().Elemente.Kuerzen(1);
        NeuerText(Z(), 10010, 10, "fern");
        klick(10, 10);
        QCOMPARE(w->M(), Modus::Neutral);
    }
};

VEKTRA_TESTPROGRAMM(BearbeitenTest)
#include "BearbeitenTest.moc"
