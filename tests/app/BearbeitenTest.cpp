// Editing commands through the real window: the program's clipboard from the menu, the colour
// swatch and the width list with their questions, and the text-edit tool with the text dialog.
#include "Zeichenfenster.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

using vektra::Antwort;

class BearbeitenTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Zeichenfenster> w;

    vektra::Zeichnung& Z() { return w->f.Dokument(); }
    vektra::TElement& E(int i) { return w->E(i); }
    vektra::TElement& NeuerText(double x, double y, const char* text) {
        vektra::TElement& t = *Z().Elemente.NeuesElement();
        std::tie(t.Art, t.x1, t.y1, t.Ebene, t.Text) =
            std::tuple(vektra::Text, x, y, vektra::EbeneText, text);
        return t;
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

    void kopierenEinfuegenAusschneiden() {
        NeueLinie(Z(), 0, 0, 10, 0).gepickt = true;
        NeueLinie(Z(), 0, 5, 10, 5);
        NeueLinie(Z(), 0, 9, 10, 9).gepickt = true;
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
        NeueLinie(Z(), 10, 10, 30, 10).gepickt = true;
        NeueLinie(Z(), 10, 20, 30, 20);
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
        NeueLinie(Z(), 0, 0, 10, 0).Breite = -1;
        NeueLinie(Z(), 0, 5, 10, 5).Breite = 0;
        vektra::TElement& k = *Z().Elemente.NeuesElement();
        std::tie(k.Art, k.Durchmesser, k.Ebene) = std::tuple(vektra::Kreis, 4, 5);
        NeuerText(5, 5, "T").Breite = 0;
        NeueLinie(Z(), 0, 9, 10, 9).Breite = 0;
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
        NeueLinie(Z(), 0, 0, 10, 10);
        klick(5, 5);
        QCOMPARE(w->M(), Modus::Neutral);
        NeuerText(10, 10, "A");
        NeuerText(10.6, 10, "B").Ausrichtung = "tr";
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
        NeuerText(10010, 10, "fern");
        klick(10, 10);
        QCOMPARE(w->M(), Modus::Neutral);
    }
};

QTEST_MAIN(BearbeitenTest)
#include "BearbeitenTest.moc"
