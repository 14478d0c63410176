// The key table of the main window, driven by key events on the real window: its order (Escape
// in the macro-key mode against elsewhere), exact modifiers, where keys count (not in dialogs,
// not Delete in the curve dialog's formula fields) and the macro commands behind their keys.
#include "Testprogramm.h"
#include "Zeichenfenster.h"

#include "curves/TKurvenform.h"
#include "editing/Makrotasten.h"
#include "editing/TClipform.h"
#include "editing/Tastatur.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

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
    std::unique_ptr<Zeichenfenster> w;
    Makroprotokoll makro;

    vektra::Zeichnung& Z() { return w->f.Dokument(); }
    bool Gepickt(int i) { return Z().Elemente[i].gepickt; }
    void Taste(Qt::Key k, Qt::KeyboardModifiers m = {}, QWidget* wo = nullptr) {
        QTest::keyClick(wo ? wo : w->ZF(), k, m);
    }

  private slots:
    void init() {
        w = std::make_unique<Zeichenfenster>();
        makro = {};
        makro.f = &w->f;
        w->f.findChild<Tastatur*>()->MakrotastenSetzen(&makro);
        NeuerStrich(Z(), 0, 0, 10, 0).gepickt = true;
        NeuerStrich(Z(), 0, 5, 10, 5);
    }
    void cleanup() { w.reset(); }

    void escapeImMakromodusUndSonst() {
        // In the macro-key mode Escape only leaves it; the pick stays.
        Taste(Qt::Key_M, Qt::ControlModifier);
        Taste(Qt::Key_Escape);
        QCOMPARE(std::pair(w->f.AktuellerModus(), Gepickt(1)), std::pair(Modus::Neutral, true));
        // Elsewhere, with any modifier, it unpicks and returns to the tool before the key.
        w->Knopf("LineButton");
        Taste(Qt::Key_Escape, Qt::ShiftModifier);
        QCOMPARE(std::tuple(Gepickt(1), w->f.AktuellerModus(), w->Status(0)),
                 std::tuple(false, Modus::Linie, u"Linien zeichnen "_s));
        // Other keys in the macro-key mode go to the macro commands, letters as capitals, and on
        // down the table (Delete deletes the pick too). Shift+A counts as a released Shift.
        Z().Elemente[1].gepickt = true;
        Taste(Qt::Key_M, Qt::ControlModifier);
        for (Qt::Key k : {Qt::Key_A, Qt::Key_7, Qt::Key_F5, Qt::Key_Delete})
            Taste(k);
        Taste(Qt::Key_A, Qt::ShiftModifier);
        Taste(Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(std::pair(makro.aufrufe.join(u' '), Z().Elemente[1].geloescht),
                 std::pair(u"M M A 7 - - - R"_s, true));
        // Without macro commands their keys do nothing.
        w->f.findChild<Tastatur*>()->MakrotastenSetzen(nullptr);
        w->Knopf("Pickbutton");
        Taste(Qt::Key_M, Qt::ControlModifier);
        QCOMPARE(w->f.AktuellerModus(), Modus::Auswahl);
    }

    void jedeTasteRuftIhrenBefehl() {
        QAction* gitter = w->f.findChild<QAction*>("Gitter1");
        QCheckBox* snap = w->f.findChild<QCheckBox*>("snapcheck");
        QComboBox* breite = w->f.findChild<QComboBox*>("Linienbreite");
        const auto zahlen = [&] {
            return u"%1 %2 %3 %4"_s.arg(Z().Elemente.Anzahl())
                .arg(Z().Elemente.GepickteZahl())
                .arg(Z().Elemente.GeloeschteZahl())
                .arg(Z().Ablage.Anzahl());
        };
        // Key, modifiers, then: elements, picked, deleted, clipboard; grid, snap, width item.
        // Ctrl with Shift or Alt is no shortcut, and keypad digits are other keys.
        const std::tuple<Qt::Key, Qt::KeyboardModifiers, const char*, bool, bool, int> faelle[] = {
            {Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier, "2 1 0 0", true, true, 2},
            {Qt::Key_C, Qt::ControlModifier | Qt::AltModifier, "2 1 0 0", true, true, 2},
            {Qt::Key_C, Qt::ControlModifier, "2 1 0 1", true, true, 2},
            {Qt::Key_V, Qt::ControlModifier, "3 2 0 1", true, true, 2},
            {Qt::Key_X, Qt::ControlModifier, "3 2 2 2", true, true, 2},
            {Qt::Key_Z, Qt::ControlModifier, "3 2 0 2", true, true, 2},
            {Qt::Key_A, Qt::ControlModifier, "3 3 0 2", true, true, 2},
            {Qt::Key_Delete, Qt::AltModifier, "3 0 3 2", true, true, 2},
            {Qt::Key_G, Qt::ControlModifier, "3 0 3 2", false, true, 2},
            {Qt::Key_S, Qt::ControlModifier, "3 0 3 2", false, false, 2},
            {Qt::Key_0, Qt::ControlModifier, "3 0 3 2", false, false, 0},
            {Qt::Key_3, Qt::ControlModifier | Qt::KeypadModifier, "3 0 3 2", false, false, 0},
            {Qt::Key_3, Qt::ControlModifier, "3 0 3 2", false, false, 3},
        };
        for (const auto& [taste, mit, erwartet, mitGitter, mitSnap, eintrag] : faelle) {
            Taste(taste, mit);
            QCOMPARE(std::tuple(zahlen(), gitter->isChecked(), w->f.Painter().Gitter, snap->isChecked(),
                                w->f.Sicht().Snap, breite->currentIndex(), int(Z().aktuelleBreite)),
                     std::tuple(QString::fromLatin1(erwartet), mitGitter, mitGitter, mitSnap, mitSnap,
                                eintrag, eintrag - 1));
        }
        // The key counts, not its character: with Ctrl held that is a control character.
        Z().Elemente.AllesLoeschen();
        NeuerStrich(Z(), 0, 0, 1, 1).gepickt = true;
        for (QEvent::Type art : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent e(art, Qt::Key_C, Qt::ControlModifier, u"\x03"_s);
            QApplication::sendEvent(w->ZF(), &e);
        }
        QCOMPARE(Z().Ablage.Anzahl(), 1);
    }

    void wohinTastenZaehlen() {
        // A key of the tool bar counts like one of the surface; with a mouse button held, no
        // Ctrl shortcut counts.
        Taste(Qt::Key_C, Qt::ControlModifier, w->f.findChild<QComboBox*>("Linienbreite"));
        QCOMPARE(Z().Ablage.Anzahl(), 1);
        QTest::mousePress(w->ZF(), Qt::RightButton, {}, QPoint(5, 5));
        Taste(Qt::Key_V, Qt::ControlModifier);
        QTest::mouseRelease(w->ZF(), Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(Z().Elemente.Anzahl(), 2);
        // A release without its press (the Escape that closed a dialog) does nothing, nor do
        // keys in a dialog.
        QTest::keyRelease(w->ZF(), Qt::Key_Escape);
        QVERIFY(Gepickt(1));
        TClipform* clip = w->f.findChild<TClipform*>();
        clip->show();
        Taste(Qt::Key_Delete, {}, clip->findChild<QLineEdit*>("Edit1"));
        clip->hide();
        QCOMPARE(Z().Elemente[1].geloescht, false);
        // Delete while a formula field of the curve dialog has the focus deletes nothing;
        // with another of its fields it does.
        TKurvenform* kurve = w->f.findChild<TKurvenform*>();
        kurve->show();
        QVERIFY(QTest::qWaitForWindowActive(kurve));
        for (const char* feld : {"x_Edit", "y_Edit", "von", "bis", "n_0"}) {
            kurve->findChild<QLineEdit*>(feld)->setFocus();
            QTRY_COMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(feld));
            Taste(Qt::Key_Delete);
            QCOMPARE(Z().Elemente[1].geloescht, std::strcmp(feld, "n_0") == 0);
        }
        kurve->hide();
    }
};

VEKTRA_TESTPROGRAMM(TastaturTest)
#include "TastaturTest.moc"
