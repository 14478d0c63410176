#include "main/TEinstellungen.h"

#include "model/Zeichnung.h"
#include "view/Ansicht.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>

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

} // namespace

class TEinstellungenTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void pruefungInDerReihenfolgeDerFelder() {
        Aufbau t;
        t.d.show();
        QVERIFY(QTest::qWaitForWindowActive(&t.d));
        t.Eingeben("nullx_edit", QStringLiteral("12"));
        t.Eingeben("nully_edit", QStringLiteral("zwölf"));
        t.Aufab("Linieduenn")->setValue(0);
        QTest::mouseClick(t.d.findChild<QPushButton*>(QStringLiteral("SpeedButton1")), Qt::LeftButton);
        QVERIFY(t.d.isVisible());
        QCOMPARE(t.a.NullX, 12);
        QCOMPARE(t.a.NullY, -2);
        QCOMPARE(t.d.focusWidget(), t.Feld("nully_edit"));
        QCOMPARE(t.Feld("nully_edit")->selectedText(), QStringLiteral("zwölf"));
        QCOMPARE(t.z.Kopf.PixelBreite[1], std::int16_t{1}); // the last step waits for all seven

        // Closing the window and Escape check the fields as well.
        t.Eingeben("nully_edit", QStringLiteral(" 7 "));
        t.Eingeben("Massstabedit", QStringLiteral("99999999999"));
        t.d.close();
        QVERIFY(t.d.isVisible());
        QCOMPARE(t.a.NullY, 7);
        QCOMPARE(t.d.focusWidget(), t.Feld("Massstabedit"));
        t.Eingeben("Massstabedit", QStringLiteral("25"));
        t.Eingeben("p_wink", QStringLiteral("0,3"));
        QTest::keyClick(&t.d, Qt::Key_Escape);
        QVERIFY(t.d.isVisible());
        QCOMPARE(t.z.Kopf.Massstab, 25);
        QCOMPARE(t.d.focusWidget(), t.Feld("p_wink"));

        t.Eingeben("p_wink", QStringLiteral("0.3"));
        t.Eingeben("Schrittfaktor", QStringLiteral("2e0"));
        t.d.findChild<QAbstractButton*>(QStringLiteral("Textanzeige2"))->click();
        t.d.accept();
        QVERIFY(!t.d.isVisible());
        QCOMPARE(t.z.Kopf.Pfeilwinkel, 0.3);
        QCOMPARE(t.z.Kopf.Schrittfaktor, 2.0);
        QCOMPARE(t.z.Kopf.Textanzeige, std::int16_t{2});
        QCOMPARE(t.z.Kopf.PixelBreite[1], std::int16_t{0});
    }

    void dokumentwerte() {
        Aufbau t;
        // Values changed elsewhere show at the next opening, in the shortest exact form.
        t.z.Kopf.Pfeilwinkel = 0.1 + 0.2;
        t.z.Kopf.Pfeillaenge = 1e-7;
        t.d.show();
        QCOMPARE(t.Feld("p_wink")->text(), QStringLiteral("0.30000000000000004"));
        QCOMPARE(t.Feld("p_laenge")->text(), QStringLiteral("1e-07"));

        // The document's dialog values change as they are typed, as cp1252; widths apply on closing.
        t.Eingeben("TeX_duenn", QStringLiteral("0.15€"));
        t.Aufab("Liniestandard")->setValue(5);
        QCOMPARE(t.z.Dialog.TeXBreite[1], std::string("0.15\x80"));
        QCOMPARE(t.z.Dialog.PixelBreiteDialog[2], std::int16_t{5});
        QCOMPARE(t.z.Kopf.PixelBreite[2], std::int16_t{2});
        t.d.hide();

        // A loaded drawing's texts show as cp1252 reads.
        t.z.Dialog.TeXBreite[3] = "1.2\xb5";
        t.d.FelderAusDokument();
        QCOMPARE(t.Feld("TeX_dick")->text(), QStringLiteral("1.2µ"));
        // Opening shows the live widths, which become what a save writes; a display kind from a
        // damaged file checks no entry and stays as it is.
        t.z.Kopf.PixelBreite = {1, 0, 4, 6};
        t.z.Dialog.PixelBreiteDialog[2] = 9;
        t.z.Kopf.Textanzeige = 7;
        t.d.show();
        QCOMPARE(t.z.Dialog.PixelBreiteDialog[2], std::int16_t{4});
        QCOMPARE(t.Aufab("Liniedick")->value(), 6);
        QVERIFY(t.d.Pruefen());
        QCOMPARE(t.z.Kopf.Textanzeige, std::int16_t{7});
        QCOMPARE(t.z.Kopf.PixelBreite[1], std::int16_t{0});
    }
};

QTEST_MAIN(TEinstellungenTest)
#include "TEinstellungenTest.moc"
