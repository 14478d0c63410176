#include "Vorschau.h"
#include "Bildhilfe.h"
#include "Testhilfe.h"

#include "text/Texte.h"

#include <cmath>
#include <functional>

using namespace testhilfe;
using namespace bildhilfe;
namespace fs = std::filesystem;

namespace {

Bild Png(const Zeichnung& z, double massstab) {
    std::string png, fehler;
    EXPECT_TRUE(VorschauZeichnen(z, Vorschauart::Png, massstab, png, fehler)) << fehler;
    return PngLesen(png);
}

bool Gruenlich(std::uint32_t p) {
    const int r = p >> 16, g = (p >> 8) & 0xFF, b = p & 0xFF;
    return g > r + 40 && g > b + 40;
}

} // namespace

TEST(Vorschau, BildschirmbreitenMassstabUndRand) {
    // Screen widths 2 (normal) and 3 (thick) pixels, whatever the scale.
    Zeichnung z;
    NeuerStrich(z, 0, 0, 10, 0, 1, 0x0000FF);
    NeuerStrich(z, 0, 5, 10, 5, 2, 0xFF0000);
    for (const double massstab : {4.0, 8.0}) {
        const Bild b = Png(z, massstab);
        const Kasten rot = b.KastenVon(0xFF0000), blau = b.KastenVon(0x0000FF);
        ASSERT_FALSE(rot.leer() || blau.leer());
        // Five units apart, as the screen puts them on its lattice, ten long with the pen; eight
        // white pixels around the painted extent.
        EXPECT_EQ(std::tuple(rot.unten - rot.oben + 1, blau.unten - blau.oben + 1,
                             rot.unten - (blau.oben + 1), rot.rechts - rot.links),
                  std::tuple(2, 3, int(5 * massstab), int(10 * massstab + 1)));
        EXPECT_EQ((std::array{std::min(rot.links, blau.links), blau.oben,
                              b.Breite() - 1 - std::max(rot.rechts, blau.rechts), b.Hoehe() - 1 - rot.unten}),
                  (std::array{8, 8, 8, 8}));
    }
}

TEST(Vorschau, EigeneFarbenUndWasDerBildschirmZeigt) {
    // Each case one red line of the given class, changed as `aendern` says; the colour it must
    // show in (0xRRGGBB) and how thick, none when nothing shows.
    struct Fall {
        const char* name;
        int klasse;
        std::function<void(Zeichnung&, TElement&)> aendern;
        std::optional<std::uint32_t> farbe;
        int dicke = 2;
    };
    const Fall faelle[] = {
        {"gepickt", 1, [](Zeichnung&, TElement& e) { e.gepickt = e.Kandidat = true; }, 0xFF0000},
        {"unsichtbar", -1, [](Zeichnung&, TElement&) {}, {}},
        {"unsichtbar gezeigt", -1, [](Zeichnung& z, TElement&) { z.Kopf.PixelBreite[0] = 1; }, 0x800000, 1},
        {"dünn ausgeblendet", 0, [](Zeichnung& z, TElement&) { z.Kopf.PixelBreite[1] = 0; }, {}},
        {"Klasse aus kaputter Datei", 7, [](Zeichnung&, TElement&) {}, 0xFF0000, 3},
        {"Ebene 10", 1, [](Zeichnung&, TElement& e) { e.Ebene = 10; }, {}},
        {"gelöscht", 1, [](Zeichnung&, TElement& e) { e.geloescht = true; }, {}},
        {"keine Zahl", 1, [](Zeichnung&, TElement& e) { e.x1 = std::nan(""); }, {}},
    };
    for (const Fall& f : faelle) {
        Zeichnung z;
        f.aendern(z, NeuerStrich(z, 0, 0, 10, 0, f.klasse, 0x0000FF));
        const Bild b = Png(z, 4);
        const Kasten tinte = b.KastenWo([](std::uint32_t p) { return p != 0xFFFFFF; });
        if (!f.farbe) {
            EXPECT_TRUE(tinte.leer()) << f.name;
            continue;
        }
        const Kasten k = b.KastenVon(*f.farbe);
        EXPECT_EQ(k.anzahl, tinte.anzahl) << f.name;
        EXPECT_EQ(k.unten - k.oben + 1, f.dicke) << f.name;
    }
}

TEST(Vorschau, KreiseOffenUndGefuellt) {
    Zeichnung z;
    NeuerKreis(z, 0, 0, 10, false, 1, 0x0000FF);
    NeuerKreis(z, 20, 0, 10, true, 1, 0x00FF00);
    const Bild b = Png(z, 4);
    const Kasten ring = b.KastenVon(0xFF0000), scheibe = b.KastenVon(0x00FF00);
    const int mitteY = (ring.oben + ring.unten) / 2, ringX = (ring.links + ring.rechts) / 2;
    EXPECT_NEAR(ring.rechts - ring.links, 40 + 1, 1); // diameter 10 units, plus the pen
    EXPECT_EQ(b.Pixel(ringX, mitteY), 0xFFFFFFu);
    EXPECT_EQ(b.Pixel((scheibe.links + scheibe.rechts) / 2, mitteY), 0x00FF00u);
    EXPECT_NEAR((scheibe.links + scheibe.rechts) / 2 - ringX, 80, 1);
}

TEST(Vorschau, TexteNachAusrichtung) {
    // Two ticks well away from the text mark the reference point: a red one above it gives the
    // column, a blue one left of it the row. The green text must lie on the side its alignment
    // names. The text is stored as cp1252 bytes.
    for (const std::string a : {"tl", "br", "cc", "c"}) {
        Zeichnung z;
        NeuerStrich(z, 0, 8, 0, 12, 0, 0x0000FF);
        NeuerStrich(z, -30, 0, -25, 0, 0, 0xFF0000);
        NeuerText(z, 0, 0, "Gr\366\337eWg", a, 0x00A000);
        const Bild b = Png(z, 4);
        const Kasten text = b.KastenWo(Gruenlich);
        ASSERT_FALSE(text.leer()) << a;
        const int x = b.KastenVon(0xFF0000).links, y = b.KastenVon(0x0000FF).oben;
        const char senkrecht = a[0], waagrecht = a.size() > 1 ? a[1] : 'c';
        const bool quer = waagrecht == 'l'   ? text.links >= x
                          : waagrecht == 'r' ? text.rechts <= x
                                             : text.links < x - 10 && text.rechts > x + 10;
        const bool hoch = senkrecht == 't'   ? text.oben >= y
                          : senkrecht == 'b' ? text.unten <= y
                                             : text.oben < y - 2 && text.unten > y + 2;
        EXPECT_TRUE(quer) << a << ": Text " << text.links << ".." << text.rechts << ", Bezug " << x;
        EXPECT_TRUE(hoch) << a << ": Text " << text.oben << ".." << text.unten << ", Bezug " << y;
    }
}

TEST(Vorschau, ArtenGleichGross) {
    Zeichnung z = Beispielzeichnung();
    std::string png, svg, pdf, fehler;
    ASSERT_TRUE(VorschauZeichnen(z, Vorschauart::Png, 3, png, fehler));
    ASSERT_TRUE(VorschauZeichnen(z, Vorschauart::Svg, 3, svg, fehler));
    ASSERT_TRUE(VorschauZeichnen(z, Vorschauart::Pdf, 3, pdf, fehler));
    const Bild b = PngLesen(png);
    const std::string breite = std::to_string(b.Breite()), hoehe = std::to_string(b.Hoehe());
    EXPECT_NE(svg.find("width=\"" + breite + "px\" height=\"" + hoehe + "px\""), std::string::npos);
    EXPECT_TRUE(pdf.starts_with("%PDF-") &&
                pdf.find("/MediaBox [ 0 0 " + breite + " " + hoehe + " ]") != std::string::npos);
}

TEST(Vorschau, ZuGrossUndDateien) {
    Zeichnung z;
    NeuerStrich(z, 0, 0, 3000, 10);
    Ordner o;
    Protokoll p;
    EXPECT_FALSE(VorschauDatei(z, o.Datei("gross.png"), Vorschauart::Png, 9, p));
    // Only deleted elements: nothing to show, as with the exports.
    Zeichnung leer;
    NeuerStrich(leer, 0, 0, 1, 1).geloescht = true;
    EXPECT_FALSE(VorschauDatei(leer, o.Datei("leer.svg"), Vorschauart::Svg, 9, p));
    EXPECT_EQ(p.Texte(),
              o.Datei("gross.png") +
                  ": Das Bild wäre 27018 × 108 Pixel groß, erlaubt sind höchstens 10000 je Seite.\n" +
                  T("s44") + "\n");
    EXPECT_FALSE(fs::exists(o.Datei("gross.png")) || fs::exists(o.Datei("leer.svg")));
    p.liste.clear();
    ASSERT_TRUE(VorschauDatei(z, o.Datei("klein.pdf"), Vorschauart::Pdf, 1, p)) << p.Texte();
    EXPECT_TRUE(DateiInhalt(o.Datei("klein.pdf")).starts_with("%PDF-"));
    EXPECT_FALSE(VorschauDatei(z, o.Datei("fehlt/x.png"), Vorschauart::Png, 1, p));
    EXPECT_TRUE(p.Texte().starts_with(o.Datei("fehlt/x.png") + ": ")) << p.Texte();
}
