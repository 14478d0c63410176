// The key table of the main window, driven by key events on the real window: each key's
// command, exact modifiers, the macro-key mode, and where keys count.
#include "Fenster.h"

#include "curves/TKurvenform.h"
#include "editing/Makrotasten.h"
#include "editing/Tastatur.h"

#include <QCheckBox>
#include <QComboBox>

namespace {

// Records what reaches the macro commands; Ctrl+M enters the macro-key mode.
struct Makroprotokoll : Makrotasten {
    Fensterdienste* f = nullptr;
    QStringList aufrufe;
    void MakrotastenModus() override {
        aufrufe << u"M"_s;
        f->ModusSetzen(Modus::Makrotaste);
    }
    void MakroWiederholen() override { aufrufe << u"R"_s; }
    void MakroZurTaste(QChar zeichen) override { aufrufe << (zeichen.isNull() ? u"-"_s : QString(zeichen)); }
};

} // namespace

class TastaturTest : public QObject {
    Q_OBJECT
  private slots:
    void jedeTasteRuftIhrenBefehl() {
        Fenster w("L0,0,10,0:p L0,5,10,5");
        // The rows of tests/data/faelle/fenster.txt, each key in turn.
        for (const QStringList& fall : Tabelle("Tasten")) {
            w.Skript(u"taste "_s + fall[0]);
            const int eintrag = w.Teil<QComboBox>("Linienbreite")->currentIndex();
            QCOMPARE(u"%1 %2 %3%4 %5%6 %7/%8"_s.arg(w.Kurz())
                         .arg(w.Z().Ablage.Anzahl())
                         .arg(int(w.Teil<QAction>("Gitter1")->isChecked()))
                         .arg(int(w.f.Painter().Gitter))
                         .arg(int(w.Teil<QCheckBox>("snapcheck")->isChecked()))
                         .arg(int(w.f.Sicht().Snap))
                         .arg(eintrag)
                         .arg(w.ZF()->Flaeche().Zustand.Breite),
                     fall[1]);
            QCOMPARE(int(w.Z().aktuelleBreite), eintrag - 1);
        }
        const Qt::KeyboardModifiers strg = Qt::ControlModifier;
        // A key acts with the modifiers held when it went down: Ctrl let go before the G still
        // switches the grid; Ctrl pressed after the G does not.
        const auto senden =
            [&](std::initializer_list<std::tuple<QEvent::Type, Qt::Key, Qt::KeyboardModifiers>> folge) {
                for (const auto& [art, k, m] : folge) {
                    QKeyEvent e(art, k, m);
                    QApplication::sendEvent(w.ZF(), &e);
                }
                return w.f.Painter().Gitter;
            };
        const bool gitter = senden({{QEvent::KeyPress, Qt::Key_Control, strg},
                                    {QEvent::KeyPress, Qt::Key_G, strg},
                                    {QEvent::KeyRelease, Qt::Key_Control, {}},
                                    {QEvent::KeyRelease, Qt::Key_G, {}}});
        senden({{QEvent::KeyPress, Qt::Key_G, {}},
                {QEvent::KeyPress, Qt::Key_Control, strg},
                {QEvent::KeyRelease, Qt::Key_G, strg},
                {QEvent::KeyRelease, Qt::Key_Control, {}}});
        QCOMPARE(std::pair(gitter, w.f.Painter().Gitter), std::pair(true, true));
        // The key counts, not its character: with Ctrl held that is a control character.
        Zeichnen(w.Z(), u"L1,1,2,2:p"_s);
        for (QEvent::Type art : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent e(art, Qt::Key_C, Qt::ControlModifier, u"\x03"_s);
            QApplication::sendEvent(w.ZF(), &e);
        }
        QCOMPARE(w.Z().Ablage.Anzahl(), 1);
    }

    void makrotastenUndEscape() {
        Fenster w("L0,0,10,0:p L0,5,10,5");
        Makroprotokoll makro;
        makro.f = &w.f;
        w.Teil<Tastatur>("")->MakrotastenSetzen(&makro);
        // In the macro-key mode Escape only leaves it; the pick stays.
        w.Taste(Qt::Key_M, Qt::ControlModifier);
        w.Taste(Qt::Key_Escape, {});
        QCOMPARE(std::pair(w.M(), w.Kurz()), std::pair(Modus::Neutral, u"L0,0,10,0:p L0,5,10,5"_s));
        // Elsewhere, with any modifier, it unpicks and returns to the tool before the key.
        w.Knopf("LineButton");
        w.Taste(Qt::Key_Escape, Qt::ShiftModifier);
        QCOMPARE(std::tuple(w.Kurz(), w.M(), w.Status(0)),
                 std::tuple(u"L0,0,10,0 L0,5,10,5"_s, Modus::Linie, u"Linien zeichnen "_s));
        // Other keys in the macro-key mode go to the macro commands, letters as capitals, and on
        // down the table (Delete deletes the pick too). Shift+A counts as a released Shift.
        w.E(2).gepickt = true;
        w.Taste(Qt::Key_M, Qt::ControlModifier);
        for (Qt::Key k : {Qt::Key_A, Qt::Key_7, Qt::Key_F5, Qt::Key_Delete})
            w.Taste(k, {});
        w.Taste(Qt::Key_A, Qt::ShiftModifier);
        w.Taste(Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(std::pair(makro.aufrufe.join(u' '), w.Kurz()),
                 std::pair(u"M M A 7 - - - R"_s, u"L0,0,10,0 L0,5,10,5:d"_s));
        // Without macro commands their keys do nothing.
        w.Teil<Tastatur>("")->MakrotastenSetzen(nullptr);
        w.Knopf("Pickbutton");
        w.Taste(Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(w.M(), Modus::Auswahl);
    }

    void wohinTastenZaehlen() {
        Fenster w("L0,0,10,0:p");
        // A key of the tool bar counts like one of the surface; with a mouse button held, no
        // Ctrl shortcut counts.
        QTest::keyClick(w.Teil("Linienbreite"), Qt::Key_C, Qt::ControlModifier);
        QTest::mousePress(w.ZF(), Qt::RightButton, {}, QPoint(5, 5));
        w.Taste(Qt::Key_V, Qt::ControlModifier);
        QTest::mouseRelease(w.ZF(), Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(std::pair(w.Z().Ablage.Anzahl(), w.Kurz()), std::pair(1, u"L0,0,10,0:p"_s));
        // A release without its press (the Escape that closed a dialog) does nothing, nor do
        // keys in a dialog; Delete in a formula field of the curve dialog deletes nothing.
        QTest::keyRelease(w.ZF(), Qt::Key_Escape);
        auto* kurve = w.f.findChild<TKurvenform*>();
        kurve->show();
        QVERIFY(QTest::qWaitForWindowActive(kurve));
        for (const char* feld : {"x_Edit", "y_Edit", "von", "bis", "n_0"}) {
            kurve->findChild<QLineEdit*>(QString::fromLatin1(feld))->setFocus();
            QTRY_COMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(feld));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
            w.Taste(Qt::Key_Delete, {});
            QCOMPARE(std::pair(QString::fromLatin1(feld), w.Kurz()),
                     std::pair(QString::fromLatin1(feld),
                               std::strcmp(feld, "n_0") == 0 ? u"L0,0,10,0:d"_s : u"L0,0,10,0:p"_s));
        }
    }
};

VEKTRA_TESTPROGRAMM(TastaturTest)
#include "TastaturTest.moc"
