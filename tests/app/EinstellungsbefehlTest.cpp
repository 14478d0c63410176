// The settings command: no tool while the dialog is open, the tool back afterwards, and the new
// settings in effect at once; a loaded drawing's settings in the dialog.
#include "DateiSkriptfenster.h"

#include "files/Zeichnungsdatei.h"
#include "main/TEinstellungen.h"
#include "view/MyDraw.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Rows in column x of the surface that are not white.
int Dicke(TForm1& f, int x) {
    const QImage& bild = f.Zeichenflaeche()->Flaeche().Image();
    int n = 0;
    for (int y = 0; y < bild.height(); ++y)
        if (bild.pixel(x, y) != 0xFFFFFFFF) ++n;
    return n;
}

} // namespace

class EinstellungsbefehlTest : public QObject {
    Q_OBJECT
    QTemporaryDir konfig;
    QTemporaryDir ordner;

  private slots:
    void initTestCase() {
        QVERIFY(konfig.isValid());
        QVERIFY(ordner.isValid());
        qputenv("XDG_CONFIG_HOME", konfig.path().toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
    }

    void modusZurueckUndNeueBreiteGezeichnet() {
        Skriptfenster f;
        f.resize(600, 400);
        f.show();
        f.findChild<QAction*>(QStringLiteral("Gitter1"))->trigger();
        NeueLinie(f.Doc, 10, 10, 50, 10).Breite = 2;
        f.zeichneneu();
        const int x = f.View.XNachPixel(30);
        QCOMPARE(Dicke(f, x), 3);

        f.ModusSetzen(0);
        f.ignoriereBewegung = false;
        int modusImDialog = -1;
        f.dialogSkript = [&](QDialog& d) {
            modusImDialog = f.Modus;
            d.show();
            d.findChild<QSpinBox*>(QStringLiteral("Liniedick"))->setValue(7);
            d.accept();
            return d.result();
        };
        f.findChild<QAction*>(QStringLiteral("Ansicht1"))->trigger();
        QCOMPARE(f.dialoge, 1);
        QCOMPARE(modusImDialog, 6);
        QCOMPARE(int(f.Modus), 0);
        QVERIFY(f.ignoriereBewegung);
        QCOMPARE(f.Doc.Kopf.PixelBreite[3], std::int16_t(7));
        QCOMPARE(Dicke(f, x), 7);

        // Closed without a change: the tool comes back all the same.
        f.ModusSetzen(2);
        f.dialogSkript = {};
        f.einstellungenclick();
        QCOMPARE(int(f.Modus), 2);
    }

    void geladeneWerteImDialog() {
        const QString pfad = QDir(ordner.path()).filePath(QStringLiteral("werte.vks"));
        {
            vektra::Zeichnung z;
            NeueLinie(z, 0, 0, 1, 1);
            z.Kopf.Pickabstand = 15;
            z.Dialog.TeXBreite[3] = "2.5";
            z.Dialog.PixelBreiteDialog[3] = 5;
            StummeMeldungen m;
            QVERIFY(vektra::ZeichnungSchreibenDatei(pfad.toStdString(), z, m));
        }
        Skriptfenster f;
        f.oeffnenAntworten = {pfad};
        f.Dateien().Open1Click();
        int pick = 0;
        QString texDick;
        f.dialogSkript = [&](QDialog& d) {
            d.show();
            pick = d.findChild<QSpinBox*>(QStringLiteral("pickedit"))->value();
            texDick = d.findChild<QLineEdit*>(QStringLiteral("TeX_dick"))->text();
            d.accept();
            return d.result();
        };
        f.einstellungenclick();
        QCOMPARE(pick, 15);
        QCOMPARE(texDick, QStringLiteral("2.5"));
    }
};

QTEST_MAIN(EinstellungsbefehlTest)
#include "EinstellungsbefehlTest.moc"
