// The full redraw with the canvas's shortcuts (figures off the surface skipped, texts and ellipses
// set from stencils) gives the pixels of the same redraw without them: on plain and scaled
// screens, at several zoom levels, in every text display, on a redraw that makes the stencils and
// one that sets them, and with a stencil budget so small that the store keeps evicting.
#include "MalerHilfen.h"
#include "Testprogramm.h"

#include <QtTest>

#include <random>

namespace {

// Where two pictures of one size first differ; empty when they are equal.
QString Unterschied(const QImage& ist, const QImage& soll) {
    for (int y = 0; y < ist.height(); ++y)
        for (int x = 0; x < ist.width(); ++x)
            if (ist.pixel(x, y) != soll.pixel(x, y))
                return QStringLiteral("(%1, %2): %3 statt %4")
                    .arg(x)
                    .arg(y)
                    .arg(ist.pixel(x, y), 0, 16)
                    .arg(soll.pixel(x, y), 0, 16);
    return {};
}

// A dense drawing of every kind, mostly on the surface, partly across its edges and far off it,
// with the states and values a damaged file may bring.
void Fuellen(vektra::Zeichnung& doc, unsigned saat) {
    std::mt19937 z(saat);
    const auto zahl = [&](double von, double bis) {
        return std::uniform_real_distribution<double>(von, bis)(z);
    };
    const auto wahl = [&](int n) { return int(z() % unsigned(n)); };
    const std::int32_t farben[] = {0, 0xFF0000, 0x00FF00, 0x0000FF, 0x808080, 0x123456};
    const char* texte[] = {"Hg W\xE4", "AVAT Te",       "\x80 5",   "a\255b", "x\ty",
                           "T",        "\xC4rger \xDF", "$x_{17}$", "  "};
    const char* ausrichtungen[] = {"cc", "tl", "br", "bl", "tr", "cr", "", "x", "?c", "c"};
    const std::int16_t klassen[] = {-1, 0, 1, 2, 0, 1, 7, -4};
    for (int i = 0; i < 600; ++i) {
        const int art = wahl(10);
        vektra::TElement& e =
            art < 5   ? NeuerStrich(doc, 0, 0, 0, 0, 1, 0, art == 4 ? vektra::Pfeilspitze : vektra::Linie)
            : art < 8 ? NeuerKreis(doc, 0, 0, wahl(30) == 0 ? zahl(100, 400) : zahl(0, 25), wahl(2))
                      : NeuerText(doc, 0, 0, texte[wahl(std::size(texte))],
                                  ausrichtungen[wahl(std::size(ausrichtungen))]);
        e.x1 = zahl(-20, 60);
        e.y1 = zahl(-15, 45);
        e.x2 = wahl(20) ? e.x1 + zahl(-25, 25) : e.x1;
        e.y2 = wahl(20) ? e.y1 + zahl(-25, 25) : e.y1;
        if (wahl(40) == 0) e.x1 = e.y1 = e.x2 = e.y2 = wahl(2) ? 3e7 : -3e7;
        e.Farbe = wahl(3) ? farben[wahl(std::size(farben))] : std::int32_t(z() & 0xFFFFFF);
        e.Breite = klassen[wahl(std::size(klassen))];
        e.gepickt = wahl(5) == 0;
        e.Kandidat = wahl(20) == 0;
        e.geloescht = wahl(10) == 0;
        if (wahl(8) == 0) e.Ebene = wahl(13) - 1;
    }
    doc.Kopf.PixelBreite = {2, 1, 3, 8};
}

// Thick lines and circles whose box lies just beyond an edge of the surface at level 4 (9 pixels
// a unit, origin (-2,-2)), so only their pen reaches onto it.
void Randfiguren(Malaufbau& a) {
    const auto x = [](double px) { return px / 9 - 2; };
    const auto y = [&](double py) { return (a.zf.height() - py) / 9 - 2; };
    const int b = a.zf.width(), h = a.zf.height();
    for (const int abstand : {1, 2}) {
        NeuerStrich(a.doc, x(20), y(-abstand), x(120), y(-abstand), 2);
        NeuerStrich(a.doc, x(20), y(h - 1 + abstand), x(120), y(h - 1 + abstand), 2);
        NeuerStrich(a.doc, x(-abstand), y(20), x(-abstand), y(120), 2, 0xFF0000);
        NeuerStrich(a.doc, x(b - 1 + abstand), y(20), x(b - 1 + abstand), y(120), 2, 0xFF0000);
        NeuerKreis(a.doc, x(200), y(-abstand - 18), 4, abstand == 1, 2);
        NeuerKreis(a.doc, x(-abstand - 18), y(150), 4, abstand == 2, 2);
    }
}

} // namespace

class NeuzeichnenTest : public QObject {
    Q_OBJECT
  private slots:
    void wieOhneAbkuerzungen() {
        const std::pair<qreal, std::size_t> faelle[] = {{1, 0}, {2, 0}, {1.5, 0}, {2, 4096}, {1, 4096}};
        for (const auto& [verhaeltnis, budget] : faelle) {
            Malaufbau a;
            a.zf.setScreen(Bildschirm(verhaeltnis));
            Leinwand& l = a.zf.Flaeche();
            if (budget) l.SchablonenbudgetSetzen(budget);
            Fuellen(a.doc, 17);
            Randfiguren(a);
            for (const int stufe : {4, 2, 7})
                for (int anzeige = 0; anzeige <= 3; ++anzeige) {
                    a.doc.Kopf.Zoomstufe = static_cast<std::int16_t>(stufe);
                    a.doc.Kopf.Textanzeige = static_cast<std::int16_t>(anzeige);
                    l.Abkuerzungen = false;
                    a.Neu();
                    QCOMPARE(l.Pixelverhaeltnis(), verhaeltnis);
                    const QImage soll = a.Bild().copy();
                    l.Abkuerzungen = true;
                    // Twice: the second redraw sets what the first one drew.
                    for (int mal = 1; mal <= 2; ++mal) {
                        a.Neu();
                        const QString u = Unterschied(a.Bild(), soll);
                        QVERIFY2(u.isEmpty(), qPrintable(QStringLiteral("Verhältnis %1, Budget %2, Stufe %3, "
                                                                        "Anzeige %4, %5. Mal: %6")
                                                             .arg(verhaeltnis)
                                                             .arg(budget)
                                                             .arg(stufe)
                                                             .arg(anzeige)
                                                             .arg(mal)
                                                             .arg(u)));
                    }
                }
        }
    }
};

VEKTRA_TESTPROGRAMM(NeuzeichnenTest)

#include "NeuzeichnenTest.moc"
