#include "main/TEinstellungen.h"

#include "files/Zeichnungsdatei.h"
#include "model/Zeichnung.h"
#include "view/Ansicht.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Stumm : vektra::Meldungen {
    void Melden(vektra::Meldungsart, const std::string&, int) override {}
    vektra::Antwort Fragen(vektra::Meldungsart, const std::string&, vektra::Knoepfe) override {
        return vektra::Antwort::Ok;
    }
};

} // namespace

class TEinstellungenTest : public QObject {
    Q_OBJECT

    QLineEdit* Feld(TEinstellungen& d, const char* name) {
        auto* f = d.findChild<QLineEdit*>(QString::fromLatin1(name));
        if (f == nullptr) qFatal("Feld %s fehlt", name);
        return f;
    }
    QSpinBox* Aufab(TEinstellungen& d, const char* name) {
        auto* s = d.findChild<QSpinBox*>(QString::fromLatin1(name));
        if (s == nullptr) qFatal("Auf-ab %s fehlt", name);
        return s;
    }
    void Fertig(TEinstellungen& d) {
        QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("SpeedButton1")), Qt::LeftButton);
    }
    void Eingeben(QLineEdit* f, const QString& text) {
        // Typed over the whole text, as the user would (insert takes any characters).
        f->selectAll();
        f->insert(text);
    }

  private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    void FuellenZeigtDieLebendenWerte() {
        vektra::Zeichnung z;
        vektra::Ansicht a;
        TEinstellungen d(z, a);
        QCOMPARE(d.objectName(), QStringLiteral("Einstellungen"));
        d.show();
        QCOMPARE(Feld(d, "p_wink")->text(), QStringLiteral("0.25"));
        QCOMPARE(Feld(d, "p_laenge")->text(), QStringLiteral("2"));
        QCOMPARE(Feld(d, "nullx_edit")->text(), QStringLiteral("-2"));
        QCOMPARE(Feld(d, "Massstabedit")->text(), QStringLiteral("10"));
        QCOMPARE(Feld(d, "Startschritt")->text(), QStringLiteral("0.001"));
        QCOMPARE(Feld(d, "Schrittfaktor")->text(), QStringLiteral("1.2"));
        QCOMPARE(Feld(d, "TeX_normal")->text(), QStringLiteral("0.4"));
        QCOMPARE(Feld(d, "Unitlength")->text(), QStringLiteral("1"));
        QCOMPARE(Aufab(d, "Liniedick")->value(), 3);
        QCOMPARE(Aufab(d, "pickedit")->value(), 10);
        auto* gruppe = d.findChild<QGroupBox*>(QStringLiteral("Textanzeige"));
        QVERIFY(gruppe != nullptr);
        const auto knoepfe = gruppe->findChildren<QAbstractButton*>();
        QCOMPARE(knoepfe.size(), 4);
        QVERIFY(knoepfe[1]->isChecked());
        d.done(QDialog::Accepted);
        QVERIFY(!d.isVisible());

        // Values changed elsewhere show at the next opening, in shortest form.
        z.Kopf.Pfeilwinkel = 0.1 + 0.2;
        z.Kopf.Pfeillaenge = 1e-7;
        a.NullX = 35;
        d.show();
        QCOMPARE(Feld(d, "p_wink")->text(), QStringLiteral("0.30000000000000004"));
        QCOMPARE(Feld(d, "p_laenge")->text(), QStringLiteral("1e-07"));
        QCOMPARE(Feld(d, "nullx_edit")->text(), QStringLiteral("35"));
    }

    void PruefungInDerReihenfolgeDerFelder() {
        vektra::Zeichnung z;
        vektra::Ansicht a;
        TEinstellungen d(z, a);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        Eingeben(Feld(d, "nullx_edit"), QStringLiteral("12"));
        Eingeben(Feld(d, "nully_edit"), QStringLiteral("zwölf"));
        Aufab(d, "Linieduenn")->setValue(0);
        Fertig(d);
        QVERIFY(d.isVisible());
        QCOMPARE(a.NullX, 12);
        QCOMPARE(a.NullY, -2);
        QCOMPARE(d.focusWidget(), Feld(d, "nully_edit"));
        QCOMPARE(Feld(d, "nully_edit")->selectedText(), QStringLiteral("zwölf"));
        QCOMPARE(z.Kopf.PixelBreite[1], std::int16_t{1}); // the last step waits for all seven

        // The next failing field is found by closing the window and by Escape as well.
        Eingeben(Feld(d, "nully_edit"), QStringLiteral(" 7 "));
        Eingeben(Feld(d, "Massstabedit"), QStringLiteral("99999999999"));
        d.close();
        QVERIFY(d.isVisible());
        QCOMPARE(a.NullY, 7);
        QCOMPARE(d.focusWidget(), Feld(d, "Massstabedit"));
        Eingeben(Feld(d, "Massstabedit"), QStringLiteral("25"));
        Eingeben(Feld(d, "p_wink"), QStringLiteral("0,3"));
        QTest::keyClick(&d, Qt::Key_Escape);
        QVERIFY(d.isVisible());
        QCOMPARE(z.Kopf.Massstab, 25);
        QCOMPARE(d.focusWidget(), Feld(d, "p_wink"));

        Eingeben(Feld(d, "p_wink"), QStringLiteral("0.3"));
        Eingeben(Feld(d, "p_laenge"), QStringLiteral("1.5"));
        Eingeben(Feld(d, "Startschritt"), QStringLiteral("0.01"));
        Eingeben(Feld(d, "Schrittfaktor"), QString());
        QVERIFY(!d.Pruefen());
        QCOMPARE(z.Kopf.Startschritt, 0.01);
        QCOMPARE(z.Kopf.Schrittfaktor, 0.0);
        QCOMPARE(d.focusWidget(), Feld(d, "Schrittfaktor"));

        Eingeben(Feld(d, "Schrittfaktor"), QStringLiteral("2e0"));
        d.findChild<QGroupBox*>(QStringLiteral("Textanzeige"))->findChildren<QAbstractButton*>()[2]->click();
        Aufab(d, "pickedit")->setValue(15);
        Fertig(d);
        QVERIFY(!d.isVisible());
        QCOMPARE(z.Kopf.Pfeilwinkel, 0.3);
        QCOMPARE(z.Kopf.Pfeillaenge, 1.5);
        QCOMPARE(z.Kopf.Schrittfaktor, 2.0);
        QCOMPARE(z.Kopf.Textanzeige, std::int16_t{2});
        QCOMPARE(z.Kopf.PixelBreite[1], std::int16_t{0});
        QCOMPARE(z.Dialog.PixelBreiteDialog[1], std::int16_t{0});
        QCOMPARE(z.Kopf.Pickabstand, std::int16_t{15});
    }

    void FelderBearbeitenDieDokumentwerte() {
        vektra::Zeichnung z;
        vektra::Ansicht a;
        TEinstellungen d(z, a);
        d.show();
        Eingeben(Feld(d, "TeX_duenn"), QStringLiteral("0.15€"));
        Eingeben(Feld(d, "Unitlength"), QStringLiteral("0.12345678901"));
        Aufab(d, "Liniestandard")->setValue(5);
        QCOMPARE(z.Dialog.TeXBreite[1], std::string("0.15\x80"));
        QCOMPARE(z.Dialog.Unitlength, std::string("0.12345678901"));
        QCOMPARE(z.Dialog.PixelBreiteDialog[2], std::int16_t{5});
        QCOMPARE(z.Kopf.PixelBreite[2], std::int16_t{2}); // applied only when closing

        // "Neu" resets the unit length through the document.
        z.Dialog.Unitlength = "1";
        d.FelderAusDokument();
        QCOMPARE(Feld(d, "Unitlength")->text(), QStringLiteral("1"));
        QCOMPARE(Feld(d, "TeX_duenn")->text(), QStringLiteral("0.15€"));
    }

    void GeladeneZeichnungErscheintImDialog() {
        QTemporaryDir ordner;
        QVERIFY(ordner.isValid());
        const std::string pfad = ordner.filePath(QStringLiteral("bild.vks")).toStdString();
        Stumm m;
        {
            vektra::Zeichnung quelle;
            quelle.Elemente.NeuesElement();
            quelle.Kopf.Pickabstand = 15;
            quelle.Kopf.PixelBreite = {1, 0, 4, 6};
            quelle.Kopf.Textanzeige = 7; // from a damaged file
            quelle.Dialog.PixelBreiteDialog = {1, 0, 4, 6};
            quelle.Dialog.TeXBreite[3] = "1.2\xb5";
            QVERIFY(vektra::ZeichnungSchreibenDatei(pfad, quelle, m));
        }
        vektra::Zeichnung z;
        vektra::Ansicht a;
        TEinstellungen d(z, a);
        QCOMPARE(vektra::ZeichnungLesenDatei(pfad, z, m), vektra::Leseergebnis::Ok);
        d.FelderAusDokument();
        QCOMPARE(Feld(d, "TeX_dick")->text(), QStringLiteral("1.2µ"));
        QCOMPARE(z.Dialog.TeXBreite[3], std::string("1.2\xb5"));
        z.Dialog.PixelBreiteDialog[2] = 9; // set behind the dialog's back
        d.show();
        QCOMPARE(z.Dialog.PixelBreiteDialog[2], std::int16_t{4});
        QCOMPARE(Aufab(d, "pickedit")->value(), 15);
        QCOMPARE(Aufab(d, "Linieunsichtbar")->value(), 1);
        QCOMPARE(Aufab(d, "Liniedick")->value(), 6);
        QVERIFY(d.Pruefen());
        QCOMPARE(z.Kopf.Textanzeige, std::int16_t{7}); // no entry chosen: the value stays
        QCOMPARE(z.Kopf.PixelBreite[0], std::int16_t{1});
        QCOMPARE(z.Kopf.PixelBreite[1], std::int16_t{0});
    }
};

QTEST_MAIN(TEinstellungenTest)
#include "TEinstellungenTest.moc"
