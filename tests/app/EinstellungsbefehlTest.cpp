// The settings command: no tool while the dialog is open, the tool back afterwards, and a new
// screen width drawn at once.
#include "DateiSkriptfenster.h"

#include "view/MyDraw.h"

#include <QAction>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

#include <functional>

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

    void aenderungenDieMitDerZeichnungReisenMarkierenSie() {
        // Each value that travels with the drawing file marks it changed; a dialog closed as it
        // was, or a new origin (which no file holds), does not.
        const auto feld = [](QDialog& d, const char* n) {
            return d.findChild<QLineEdit*>(QString::fromLatin1(n));
        };
        const std::pair<const char*, std::function<void(QDialog&)>> faelle[] = {
            {"nichts", [](QDialog&) {}},
            {"Nullpunkt", [&](QDialog& d) { feld(d, "nullx_edit")->setText(u"7"_s); }},
            {"Unitlength", [&](QDialog& d) { QTest::keyClicks(feld(d, "Unitlength"), u"5"_s); }},
            {"TeX-Breite", [&](QDialog& d) { QTest::keyClicks(feld(d, "TeX_dick"), u"2"_s); }},
            {"Pixelbreite", [](QDialog& d) { d.findChild<QSpinBox*>(u"Liniedick"_s)->setValue(5); }},
            {"Pickabstand", [](QDialog& d) { d.findChild<QSpinBox*>(u"pickedit"_s)->setValue(3); }},
            {"Textanzeige",
             [](QDialog& d) { d.findChild<QRadioButton*>(u"Textanzeige3"_s)->setChecked(true); }},
            {"Pfeilwinkel", [&](QDialog& d) { feld(d, "p_wink")->setText(u"0.3"_s); }},
            {"Massstab", [&](QDialog& d) { feld(d, "Massstabedit")->setText(u"12"_s); }}};
        for (const auto& [was, tun] : faelle) {
            Skriptfenster f;
            f.einstellungenclick();
            f.Dokument().Geaendert = false;
            f.imDialog = tun;
            f.einstellungenclick();
            const bool soll = std::string_view(was) != "nichts" && std::string_view(was) != "Nullpunkt";
            QCOMPARE(std::pair(QString::fromLatin1(was), f.Dokument().Geaendert),
                     std::pair(QString::fromLatin1(was), soll));
        }
    }
};

QTEST_MAIN(EinstellungsbefehlTest)
#include "EinstellungsbefehlTest.moc"
