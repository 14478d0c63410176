#include "Vorschau.h"
#include "Bildhilfe.h"
#include "Testhilfe.h"

#include "Cairoausgaben.h"
#include "Konverter.h"
#include "files/Zeichnungsdatei.h"

#include <cmath>

using namespace testhilfe;
using namespace bildhilfe;

namespace {

// The PNG preview of `z`, read back.
Bild Png(const Zeichnung& z, double massstab) {
    Ordner o;
    std::string png, fehler;
    EXPECT_TRUE(VorschauZeichnen(z, Vorschauart::Png, massstab, png, fehler)) << fehler;
    o.Ablegen("v.png", png);
    return PngLesen(o.Datei("v.png"));
}

} // namespace

TEST(Vorschau, BildschirmbreitenMassstabUndRand) {
    // A thin blue line and a thick red one five units above it, at zoom level 2.
    Ordner o;
    Zeichnung z;
    NeuerStrich(z, 0, 0, 10, 0, 1, 0x0000FF);
    NeuerStrich(z, 0, 5, 10, 5, 2, 0xFF0000);
    z.Kopf.Zoomstufe = 2;
    Protokoll p;
    ASSERT_TRUE(ZeichnungSchreibenDatei(o.Datei("z.vks"), z, p));
    // Without --scale the screen's 3 pixels per unit at level 2; --scale may stand anywhere.
    const std::string ein = o.Datei("z.vks"), aus = o.Datei("bild.PNG");
    const std::pair<std::vector<std::string>, int> aufrufe[] = {
        {{ein, aus}, 3}, {{"--scale", "4", ein, aus}, 4}, {{ein, aus, "--scale", "8"}, 8}};
    for (const auto& [args, massstab] : aufrufe) {
        std::ostringstream ausgabe, err;
        ASSERT_EQ(Konvertieren(args, ausgabe, err, CairoausgabeSchreiben), KonvertiertOk) << err.str();
        const Bild b = PngLesen(aus);
        const Kasten rot = b.KastenVon(0xFF0000), blau = b.KastenVon(0x0000FF);
        ASSERT_FALSE(rot.leer() || blau.leer());
        // Screen widths 2 (normal) and 3 (thick) pixels whatever the scale; five units apart, as
        // the screen puts them on its lattice, ten long with the pen; eight white pixels around.
        EXPECT_EQ(std::tuple(rot.unten - rot.oben + 1, blau.unten - blau.oben + 1,
                             rot.unten - (blau.oben + 1), rot.rechts - rot.links),
                  std::tuple(2, 3, 5 * massstab, 10 * massstab + 1));
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
        // A class without a width is the invisible one, as in the exports; class 10 is drawn last.
        {"Klasse aus kaputter Datei", 7, [](Zeichnung& z, TElement&) { z.Kopf.PixelBreite[0] = 1; }, 0x800000,
         1},
        {"Ebene 10", 1, [](Zeichnung&, TElement& e) { e.Ebene = 10; }, 0xFF0000},
        {"Ebene 11", 1, [](Zeichnung&, TElement& e) { e.Ebene = 11; }, {}},
        {"gelöscht", 1, [](Zeichnung&, TElement& e) { e.geloescht = true; }, {}},
        {"keine Zahl", 1, [](Zeichnung&, TElement& e) { e.x1 = std::nan(""); }, {}},
    };
    for (const Fall& f : faelle) {
        Zeichnung z;
        f.aendern(z, NeuerStrich(z, 0, 0, 10, 0, f.klasse, 0x0000FF));
        const Bild b = Png(z, 4);
        const Kasten tinte = b.KastenWo([](std::uint32_t p) { return p != 0xFFFFFF; });
        // Every inked pixel in the colour, none when nothing shows (a colour no pixel has).
        const Kasten k = b.KastenVon(f.farbe.value_or(0x1000000));
        EXPECT_EQ(std::tuple(k.anzahl, k.leer() ? 0 : k.unten - k.oben + 1),
                  std::tuple(tinte.anzahl, f.farbe ? f.dicke : 0))
            << f.name;
    }
}

TEST(Vorschau, AuchAmRandDerZeichenflaeche) {
    // A line as far out as a drawing file holds, at the converter's largest scale: drawn alone,
    // refused as too large beside one at the origin, never left out.
    Zeichnung z;
    NeuerStrich(z, -1e10, 1e10, -1e10 + 1, 1e10, 1, 0x0000FF);
    EXPECT_EQ(Png(z, 1000).KastenVon(0xFF0000).rechts, 8 + 1000 + 1);
    NeuerStrich(z, 0, 0, 1, 0);
    std::string png, fehler;
    EXPECT_FALSE(VorschauZeichnen(z, Vorschauart::Png, 1000, png, fehler));
    EXPECT_EQ(fehler, "Das Bild wäre 10000000001018 × 10000000000018 Pixel groß, erlaubt sind höchstens "
                      "10000 je Seite.");
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
    for (const std::string a : {"tr", "bl", "cc", "c"}) {
        Zeichnung z;
        NeuerStrich(z, 0, 8, 0, 12, 0, 0x0000FF);
        NeuerStrich(z, -30, 0, -25, 0, 0, 0xFF0000);
        NeuerText(z, 0, 0, "Gr\366\337eWg", a, 0x00A000);
        const Bild b = Png(z, 4);
        const Kasten text = b.KastenWo([](std::uint32_t p) {
            return int(p >> 8 & 0xFF) > int(p >> 16) + 40 && int(p >> 8 & 0xFF) > int(p & 0xFF) + 40;
        });
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
    const Zeichnung z = Beispielzeichnung();
    std::string svg, pdf, fehler;
    ASSERT_TRUE(VorschauZeichnen(z, Vorschauart::Svg, 3, svg, fehler) &&
                VorschauZeichnen(z, Vorschauart::Pdf, 3, pdf, fehler));
    const Bild b = Png(z, 3);
    const std::string breite = std::to_string(b.Breite()), hoehe = std::to_string(b.Hoehe());
    EXPECT_NE(svg.find("width=\"" + breite + "px\" height=\"" + hoehe + "px\""), std::string::npos);
    EXPECT_TRUE(pdf.starts_with("%PDF-") &&
                pdf.find("/MediaBox [ 0 0 " + breite + " " + hoehe + " ]") != std::string::npos);
}
