// A dense drawing of every kind, redrawn with the canvas's shortcuts (culling, stencils) and
// without them, and drawn again in not-xor.
#include "MalerHilfen.h"
#include "Testprogramm.h"
#include "text/Cp1252.h"

#include <QtTest>

#include <optional>
#include <random>

namespace {

// A dense drawing of every kind, mostly on the surface, many figures across its edges (with pens
// up to 8 pixels wide), some far off it, with the states and values a damaged file may bring.
void Fuellen(vektra::Zeichnung& doc) {
    std::mt19937 z(17);
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
        e.x1 = zahl(-20, 60), e.y1 = zahl(-15, 45);
        e.x2 = wahl(20) ? e.x1 + zahl(-25, 25) : e.x1, e.y2 = wahl(20) ? e.y1 + zahl(-25, 25) : e.y1;
        if (wahl(40) == 0) e.x1 = e.y1 = e.x2 = e.y2 = wahl(2) ? 3e7 : -3e7;
        e.Farbe = wahl(3) ? farben[wahl(std::size(farben))] : std::int32_t(z() & 0xFFFFFF);
        e.Breite = klassen[wahl(std::size(klassen))];
        e.gepickt = wahl(5) == 0, e.Kandidat = wahl(20) == 0, e.geloescht = wahl(10) == 0;
        if (wahl(8) == 0) e.Ebene = wahl(13) - 1;
    }
    doc.Kopf.PixelBreite = {2, 1, 3, 8};
}

} // namespace

class NeuzeichnenTest : public QObject {
    Q_OBJECT
  private slots:
    void abkuerzungenUndNichtXor() {
        // The same pixels at the ratios 1, 2 and 1.5, three zoom levels, every text display, on the redraw
        // that makes the stencils and the next, and with a budget so small that the store keeps evicting.
        const std::pair<qreal, std::size_t> faelle[] = {{1, 0}, {2, 0}, {1.5, 0}, {2, 4096}, {1, 4096}};
        for (const auto& [verhaeltnis, budget] : faelle) {
            Malaufbau a;
            a.zf.setScreen(Bildschirm(verhaeltnis));
            Leinwand& l = a.zf.Flaeche();
            if (budget) l.SchablonenbudgetSetzen(budget);
            Fuellen(a.doc);
            for (const int stufe : {4, 2, 7})
                for (int anzeige = 0; anzeige <= 3; ++anzeige) {
                    a.doc.Kopf.Zoomstufe = static_cast<std::int16_t>(stufe);
                    a.doc.Kopf.Textanzeige = static_cast<std::int16_t>(anzeige);
                    l.Abkuerzungen = false;
                    a.Neu();
                    QCOMPARE(l.Pixelverhaeltnis(), verhaeltnis);
                    const QImage soll = a.Bild().copy();
                    l.Abkuerzungen = true;
                    for (int mal = 1; mal <= 2; ++mal) {
                        a.Neu();
                        QVERIFY2(a.Bild() == soll,
                                 qPrintable(QString::asprintf(
                                     "Verhältnis %g, Budget %zu, Stufe %d, Anzeige %d, Mal %d", verhaeltnis,
                                     budget, stufe, anzeige, mal)));
                    }
                }
            // On the same drawing, with the cross on: the line, rectangle and ellipse of a tool and every
            // element drawn in not-xor change the picture, and drawn again, now without the shortcuts,
            // leave it as it was: the stencils invert the very pixels the painter does.
            a.doc.Kopf.Zoomstufe = 4;
            a.Neu();
            a.m.FadenkreuzZeichnen(QPoint(120, 100));
            const QImage vorher = a.Bild().copy();
            a.m.XorModus = true;
            for (int mal = 1; mal <= 2; ++mal) {
                l.Abkuerzungen = mal == 1;
                // The first time in one batch, as the move tool draws, where the painter keeps its pen.
                std::optional<Leinwand::Stapel> stapel;
                if (mal == 1) stapel.emplace(l);
                for (const bool klar : {false, true})
                    for (const std::uint8_t figur :
                         {Maler::FigurLinie, Maler::FigurRechteck, Maler::FigurEllipse}) {
                        l.Zustand = Stift{.Breite = 3, .Gepunktet = true, .PinselKlar = klar};
                        a.m.Figur = figur;
                        a.m.FigurZeichnen(QPoint(90, 80), QPoint(150, 130), true);
                    }
                for (int i = 1; i <= a.doc.Elemente.Anzahl(); ++i)
                    a.m.ElementZeichnen(i);
                stapel.reset();
                QCOMPARE(a.Bild() == vorher, mal == 2);
            }
        }
    }

    void linien() {
        // Solid lines of every width in every direction, long and short, set and inverted, many
        // across each other and the edges: the same pixels with the shortcuts as the painter
        // gives, line by line, so that no later line hides a wrong pixel.
        std::mt19937 z(3);
        Leinwand mit, ohne;
        mit.Resize(300, 200), ohne.Resize(300, 200);
        ohne.Abkuerzungen = false;
        const int breiten[] = {0, 1, 1, 2, 2, 3, 3, 4, 5, 7, 8, 13};
        for (int i = 0; i < 6000; ++i) {
            const int weit = i % 4 == 0 ? 8 : 400;
            const QPoint a(int(z() % 300), int(z() % 200));
            QPoint b = a + QPoint(int(z() % (2 * weit + 1)) - weit, int(z() % (2 * weit + 1)) - weit);
            if (i % 16 == 1) b.setX(a.x());
            if (i % 16 == 2) b.setY(a.y());
            const QColor farbe = QColor::fromRgb(z() | 0xFF000000);
            const int breite = breiten[z() % std::size(breiten)];
            for (Leinwand* l : {&mit, &ohne}) {
                l->Zustand = Stift{.Farbe = farbe, .Breite = breite, .NichtXor = i % 3 == 0};
                l->MoveTo(a.x(), a.y());
                l->LineTo(b.x(), b.y());
            }
            if (mit.Image() != ohne.Image())
                QFAIL(qPrintable(QString::asprintf("Linie %d: (%d,%d)-(%d,%d), Breite %d", i, a.x(), a.y(),
                                                   b.x(), b.y(), breite)));
        }
    }

    void texte() {
        // Random texts of every character a drawing holds, in fonts with and without kerning, plain
        // and bold, at the ratios 1 and 2, many across the edges: the same widths and the same
        // pixels with the shortcuts as the painter gives, the first time and the next.
        std::mt19937 z(11);
        const std::pair<const char*, int> schriften[] = {
            {"", 0}, {"C059", 13}, {"Latin Modern Roman", 17}, {"DejaVu Serif", 31}};
        for (const auto& [familie, groesse] : schriften)
            for (const qreal verhaeltnis : {1.0, 2.0}) {
                QFont schrift;
                if (*familie) schrift.setFamily(familie);
                if (groesse) schrift.setPixelSize(groesse);
                Leinwand mit, ohne;
                for (Leinwand* l : {&mit, &ohne}) {
                    l->Resize(300, 200, verhaeltnis);
                    l->SchriftSetzen(schrift);
                }
                ohne.Abkuerzungen = false;
                std::vector<QString> texte;
                for (int i = 0; i < 300; ++i) {
                    std::string s(1 + z() % 12, ' ');
                    for (char& c : s)
                        c = static_cast<char>(z() % 8 == 0 ? ' ' : z() % 60 == 0 ? '\t' : 0x21 + z() % 0xDF);
                    texte.push_back(QString::fromStdString(vektra::Cp1252NachUtf8(s)));
                }
                for (int i = 0; i < 900; ++i) {
                    const QString& s = texte[z() % texte.size()];
                    const QPoint p(int(z() % 340) - 40, int(z() % 240) - 20);
                    const Stift stift{.Schriftfarbe = QColor::fromRgb(z() | 0xFF000000),
                                      .Fett = z() % 3 == 0};
                    for (Leinwand* l : {&mit, &ohne})
                        l->Zustand = stift;
                    QCOMPARE(mit.TextExtent(s), ohne.TextExtent(s));
                    for (Leinwand* l : {&mit, &ohne})
                        l->TextOut(p.x(), p.y(), s);
                    if (mit.Image() != ohne.Image())
                        QFAIL(qPrintable(QStringLiteral("%1 bei %2: Text %3 \"%4\"")
                                             .arg(QFontInfo(schrift).family())
                                             .arg(verhaeltnis)
                                             .arg(i)
                                             .arg(s)));
                }
            }
    }

    void langerStapel() {
        // Thousands of figures of every kind in one batch, so that their pixel work goes to the
        // band while texts and stencils are made here: the same picture as drawn at once, also
        // when the picture is looked at halfway and when the stencils run out of room.
        std::mt19937 z(5);
        for (const std::size_t budget : {std::size_t(0), std::size_t(64) << 10}) {
            Leinwand mit, ohne;
            mit.Resize(300, 200), ohne.Resize(300, 200);
            ohne.Abkuerzungen = false;
            if (budget) mit.SchablonenbudgetSetzen(budget);
            std::optional<Leinwand::Stapel> a(mit), b(ohne);
            for (int i = 0; i < 6000; ++i) {
                const QPoint p(int(z() % 340) - 20, int(z() % 240) - 20);
                const QPoint q = p + QPoint(int(z() % 61) - 30, int(z() % 61) - 30);
                const QColor farbe = QColor::fromRgb(z() | 0xFF000000);
                const int art = int(z() % 8);
                // An inverted text is drawn here, after the band has finished: only now and then.
                const Stift stift{.Farbe = farbe,
                                  .Breite = int(z() % 4),
                                  .Gepunktet = z() % 10 == 0,
                                  .NichtXor = z() % 4 == 0 && (art < 6 || i % 1000 == 999),
                                  .Pinselfarbe = z() % 2 ? farbe : QColor(Qt::blue),
                                  .PinselKlar = z() % 2 == 0,
                                  .Schriftfarbe = farbe};
                for (Leinwand* l : {&mit, &ohne}) {
                    l->Zustand = stift;
                    if (art < 4) {
                        l->MoveTo(p.x(), p.y());
                        l->LineTo(q.x(), q.y());
                    } else if (art == 4) {
                        l->Rectangle(p.x(), p.y(), q.x(), q.y());
                    } else if (art == 5) {
                        l->Ellipse(p.x(), p.y(), q.x(), q.y());
                    } else {
                        l->TextOut(p.x(), p.y(), QString::number(i % 50));
                    }
                }
                if (i == 3000) QVERIFY(mit.Image() == ohne.Image());
            }
            a.reset(), b.reset();
            QVERIFY2(mit.Image() == ohne.Image(), qPrintable(QString::asprintf("Budget %zu", budget)));
        }
    }
};

VEKTRA_TESTPROGRAMM(NeuzeichnenTest)

#include "NeuzeichnenTest.moc"
