// The settings dialog: its checks in the order of the fields, the document values it shows and
// writes; and the settings command: no tool while the dialog is open, the tool back afterwards,
// a new screen width drawn at once, and which changes mark the drawing changed.
#include "Testprogramm.h"
#include "DateiSkriptfenster.h"

#include "main/TEinstellungen.h"
#include "view/MyDraw.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <functional>

namespace {

struct Aufbau {
    vektra::Zeichnung z;
    vektra::Ansicht a;
    TEinstellungen d{z, a};

    QLineEdit* Feld(const char* name) { return d.findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QSpinBox* Aufab(const char* name) { return d.findChild<QSpinBox*>(QString::fromLatin1(name)); }
    // Typed over the whole text, as the user would; insert takes any characters.
    void Eingeben(const char* name, const QString& text) {
        Feld(name)->selectAll();
        Feld(name)->insert(text);
    }
};

// Rows in column x of the surface that are not white.
int Dicke(TForm1& f, int x) {
    const QImage& bild = f.Zeichenflaeche()->Flaeche().Image();
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        n += bild.pixel(x, y) != 0xFFFFFFFF;
    return n;
}

} // namespace

class TEinstellungenTest : public QObject, Testumgebung {
    Q_OBJECT
  private slots:
    void pruefungInDerReihenfolgeDerFelder() {
        Aufbau t;
        t.d.show();
        QVERIFY(QTest::qWaitForWindowActive(&t.d));
        t.Eingeben("nullx_edit", u"12"_s);
        t.Eingeben("nully_edit", u"zwölf"_s);
        t.Aufab("Linieduenn")->setValue(0);
        QTest::mouseClick(t.d.findChild<QPushButton*>(u"SpeedButton1"_s), Qt::LeftButton);
        QVERIFY(t.d.isVisible());
        QCOMPARE(std::tuple(t.a.NullX, t.a.NullY, t.d.focusWidget(), t.Feld("nully_edit")->selectedText()),
                 std::tuple(12, -2, static_cast<QWidget*>(t.Feld("nully_edit")), u"zwölf"_s));
        QCOMPARE(t.z.Kopf.PixelBreite[1], std::int16_t{1}); // the last step waits for all seven

        // Closing the window and Escape check the fields as well.
        t.Eingeben("nully_edit", u" 7 "_s);
        t.Eingeben("Massstabedit", u"99999999999"_s);
        t.d.close();
        QVERIFY(t.d.isVisible());
        QCOMPARE(std::pair(t.a.NullY, t.d.focusWidget()),
                 std::pair(7, static_cast<QWidget*>(t.Feld("Massstabedit"))));
        t.Eingeben("Massstabedit", u"25"_s);
        t.Eingeben("p_wink", u"0,3"_s);
        QTest::keyClick(&t.d, Qt::Key_Escape);
        QVERIFY(t.d.isVisible());
        QCOMPARE(std::pair(t.z.Kopf.Massstab, t.d.focusWidget()),
                 std::pair(25, static_cast<QWidget*>(t.Feld("p_wink"))));

        t.Eingeben("p_wink", u"0.3"_s);
        t.Eingeben("Schrittfaktor", u"2e0"_s);
        t.d.findChild<QAbstractButton*>(u"Textanzeige2"_s)->click();
        t.d.accept();
        QVERIFY(!t.d.isVisible());
        QCOMPARE(std::tuple(t.z.Kopf.Pfeilwinkel, t.z.Kopf.Schrittfaktor, t.z.Kopf.Textanzeige,
                            t.z.Kopf.PixelBreite[1]),
                 std::tuple(0.3, 2.0, std::int16_t{2}, std::int16_t{0}));
    }

    void dokumentwerte() {
        Aufbau t;
        // Values changed elsewhere show at the next opening, in the shortest exact form.
        t.z.Kopf.Pfeilwinkel = 0.1 + 0.2;
        t.z.Kopf.Pfeillaenge = 1e-7;
        t.d.show();
        QCOMPARE(t.Feld("p_wink")->text() + u" "_s + t.Feld("p_laenge")->text(),
                 u"0.30000000000000004 1e-07"_s);
        // The document's dialog values change as they are typed, as cp1252; widths apply on closing.
        t.Eingeben("TeX_duenn", u"0.15€"_s);
        t.Aufab("Liniestandard")->setValue(5);
        QCOMPARE(
            std::tuple(t.z.Dialog.TeXBreite[1], t.z.Dialog.PixelBreiteDialog[2], t.z.Kopf.PixelBreite[2]),
            std::tuple(std::string("0.15\x80"), std::int16_t{5}, std::int16_t{2}));
        t.d.hide();
        // A loaded drawing's texts show as cp1252 reads.
        t.z.Dialog.TeXBreite[3] = "1.2\xb5";
        t.d.FelderAusDokument();
        QCOMPARE(t.Feld("TeX_dick")->text(), u"1.2µ"_s);
        // Opening shows the live widths, which become what a save writes; a display kind from a
        // damaged file checks no entry and stays as it is.
        t.z.Kopf.PixelBreite = {1, 0, 4, 6};
        t.z.Dialog.PixelBreiteDialog[2] = 9;
        t.z.Kopf.Textanzeige = 7;
        t.d.show();
        QCOMPARE(std::pair(t.z.Dialog.PixelBreiteDialog[2], t.Aufab("Liniedick")->value()),
                 std::pair(std::int16_t{4}, 6));
        QVERIFY(t.d.Pruefen());
        QCOMPARE(std::pair(t.z.Kopf.Textanzeige, t.z.Kopf.PixelBreite[1]),
                 std::pair(std::int16_t{7}, std::int16_t{0}));
    }

    void befehlOhneWerkzeugUndNeueBreiteGezeichnet() {
        Skriptfenster f;
        f.resize(600, 400);
        f.show();
        f.findChild<QAction*>(u"Gitter1"_s)->trigger();
        NeuerStrich(f.Dokument(), 10, 10, 50, 10).Breite = 2;
        f.zeichneneu();
        const int x = f.Sicht().XNachPixel(30);
        QCOMPARE(Dicke(f, x), 3);
        f.ModusSetzen(Modus(0));
        int modusImDialog = -1;
        f.imDialog = [&](QDialog& d) {
            modusImDialog = Modusnummer(f.AktuellerModus());
            d.findChild<QSpinBox*>(u"Liniedick"_s)->setValue(7);
        };
        f.findChild<QAction*>(u"Ansicht1"_s)->trigger();
        QCOMPARE(std::tuple(modusImDialog, Modusnummer(f.AktuellerModus()), Dicke(f, x)),
                 std::tuple(6, 0, 7));
        // Cancelled: the tool comes back all the same.
        f.ModusSetzen(Modus(2));
        f.imDialog = {};
        f.einstellungenclick();
        QCOMPARE(Modusnummer(f.AktuellerModus()), 2);
    }

    void aenderungenDieMitDerZeichnungReisenMarkierenSie() {
        // Each value that travels with the drawing file marks it changed; a dialog closed as it
        // was, or a new origin (which no file holds), does not.
        const auto feld = [](QDialog& d, const char* n) {
            return d.findChild<QLineEdit*>(QString::fromLatin1(n));
        };
        const std::tuple<const char*, bool, std::function<void(QDialog&)>> faelle[] = {
            {"nichts", false, [](QDialog&) {}},
            {"Nullpunkt", false, [&](QDialog& d) { feld(d, "nullx_edit")->setText(u"7"_s); }},
            {"Unitlength", true, [&](QDialog& d) { QTest::keyClicks(feld(d, "Unitlength"), u"5"_s); }},
            {"TeX-Breite", true, [&](QDialog& d) { QTest::keyClicks(feld(d, "TeX_dick"), u"2"_s); }},
            {"Pixelbreite", true, [](QDialog& d) { d.findChild<QSpinBox*>(u"Liniedick"_s)->setValue(5); }},
            {"Pickabstand", true, [](QDialog& d) { d.findChild<QSpinBox*>(u"pickedit"_s)->setValue(3); }},
            {"Textanzeige", true,
             [](QDialog& d) { d.findChild<QRadioButton*>(u"Textanzeige3"_s)->setChecked(true); }},
            {"Pfeilwinkel", true, [&](QDialog& d) { feld(d, "p_wink")->setText(u"0.3"_s); }},
            {"Massstab", true, [&](QDialog& d) { feld(d, "Massstabedit")->setText(u"12"_s); }}};
        for (const auto& [was, soll, tun] : faelle) {
            Skriptfenster f;
            f.einstellungenclick();
            f.Dokument().Geaendert = false;
            f.imDialog = tun;
            f.einstellungenclick();
            QCOMPARE(std::pair(QString::fromLatin1(was), f.Dokument().Geaendert),
                     std::pair(QString::fromLatin1(was), soll));
        }
    }
};

VEKTRA_TESTPROGRAMM(TEinstellungenTest)
#include "TEinstellungenTest.moc"
