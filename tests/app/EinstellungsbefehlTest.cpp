// The settings command: no tool while the dialog is open, the tool back afterwards, and a new
// screen width drawn at once.
#include "DateiSkriptfenster.h"

#include "view/MyDraw.h"

#include <QAction>
#include <QSpinBox>

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

class EinstellungsbefehlTest : public QObject, Testumgebung {
    Q_OBJECT

  private slots:
    void modusZurueckUndNeueBreiteGezeichnet() {
        Skriptfenster f;
        f.resize(600, 400);
        f.show();
        f.findChild<QAction*>(u"Gitter1"_s)->trigger();
        NeueLinie(f.Dokument(), 10, 10, 50, 10).Breite = 2;
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
        QCOMPARE(modusImDialog, 6);
        QCOMPARE(Modusnummer(f.AktuellerModus()), 0);
        QCOMPARE(Dicke(f, x), 7);

        // Cancelled: the tool comes back all the same.
        f.ModusSetzen(Modus(2));
        f.imDialog = {};
        f.einstellungenclick();
        QCOMPARE(Modusnummer(f.AktuellerModus()), 2);
    }
};

QTEST_MAIN(EinstellungsbefehlTest)
#include "EinstellungsbefehlTest.moc"
