#include "PdfGrafik.h"
#include "Bildhilfe.h"
#include "Grafikmalen.h"
#include "Testhilfe.h"

#include <cmath>
#include <regex>

using namespace testhilfe;
using namespace bildhilfe;

namespace {

constexpr double Lupe = 4;  // pixels per point
const double k = 72 / 25.4; // points per unit at a unit length of 1 mm

// The graphic of `z` painted on a white picture of 100 by 30 units, y upwards from its bottom.
struct Gemalt {
    std::string fehler;
    bool gut = false;
    Bild bild{static_cast<int>(100 * k * Lupe), static_cast<int>(30 * k * Lupe)};

    explicit Gemalt(const Zeichnung& z) {
        Kontext c(cairo_create(bild.surface()));
        cairo_translate(c.get(), 0, bild.Hoehe());
        cairo_scale(c.get(), Lupe, -Lupe);
        gut = PsGrafikMalen(c.get(), z, Exportmass{.k = k, .W = 100, .H = 30}, fehler);
    }
    // The pixel at a place in drawing units.
    std::uint32_t Bei(double x, double y) const {
        return bild.Pixel(static_cast<int>(x * k * Lupe), static_cast<int>(bild.Hoehe() - y * k * Lupe));
    }
};

// The page size of the PDF graphic of `z`, in points, from a complete PDF.
std::pair<double, double> Seitengroesse(const Zeichnung& z) {
    Exportmass mass;
    Protokoll p;
    std::string pdf, fehler;
    EXPECT_TRUE(ExportVorbereiten(z, mass, p) && PdfGrafikZeichnen(z, mass, pdf, fehler)) << fehler;
    std::smatch m;
    EXPECT_TRUE(pdf.starts_with("%PDF-") && pdf.find("%%EOF") != std::string::npos &&
                std::regex_search(pdf, m, std::regex(R"(/MediaBox \[ 0 0 ([0-9.]+) ([0-9.]+) \])")));
    return m.empty() ? std::pair{0.0, 0.0} : std::pair{std::stod(m[1]), std::stod(m[2])};
}

} // namespace

TEST(PdfGrafik, FormenFarbenUndTeXBreitenWieImPostScript) {
    Zeichnung z{.Dialog = {.TeXBreite = {"0.0", "0.5", "1", "3"}}};
    NeuerStrich(z, 5, 10, 25, 10, 2, 0x0000FF);        // red, 3 pt
    NeuerKreis(z, 40, 10, 6, true, 0, 0xFF0000);       // blue, filled
    NeuerKreis(z, 60, 10, 10, false, 1, 0x00FF00);     // green ring, 1 pt
    NeuerStrich(z, 80, 10, 76, 12, 1, 0, Pfeilspitze); // tip to one wing,
    NeuerStrich(z, 76, 8, 80, 10, 1, 0, Pfeilspitze);  // other wing to tip
    NeuerStrich(z, 5, 15, 25, 15, -1, 0x0000FF);       // invisible class
    NeuerText(z, 5, 18, "nur im Treiber", "cc", 0x00FFFF);
    const Gemalt g(z);
    ASSERT_TRUE(g.gut) << g.fehler;
    // The thick line is 3 pt = 1.058 units wide; the fill has no outline, the ring is hollow; the
    // arrowhead is the triangle; nothing of the invisible class.
    // clang-format off
    const std::pair<std::pair<double, double>, std::uint32_t> soll[] = {
        {{15, 10}, 0xFF0000}, {{15, 10.42}, 0xFF0000}, {{15, 10.69}, 0xFFFFFF},
        {{40, 10}, 0x0000FF}, {{42.7, 10}, 0x0000FF}, {{43.3, 10}, 0xFFFFFF}, {{60, 10}, 0xFFFFFF},
        {{65, 10}, 0x00FF00}, {{77, 10.9}, 0x000000}, {{79, 11}, 0xFFFFFF}, {{15, 15}, 0xFFFFFF}};
    // clang-format on
    for (const auto& [ort, farbe] : soll)
        EXPECT_EQ(g.Bei(ort.first, ort.second), farbe) << ort.first << "," << ort.second;
    // The text is the wrapper's: no pixel of its colour.
    EXPECT_TRUE(g.bild.KastenVon(0xFFFF00).leer());
}

TEST(PdfGrafik, BreitenTexte) {
    // A width of 0 is PostScript's thinnest line, a negative one counts by its size, one that no
    // stroke needs may be anything.
    Zeichnung z{.Dialog = {.TeXBreite = {"0.0", "0", "-3", "nie gebraucht"}}};
    NeuerStrich(z, 0, 10, 20, 10, 0, 0x0000FF);
    NeuerStrich(z, 0, 20, 20, 20, 1, 0xFF0000);
    const Gemalt g(z);
    ASSERT_TRUE(g.gut) << g.fehler;
    EXPECT_NE(g.Bei(10, 10), 0xFFFFFFu);
    const Kasten blau = g.bild.KastenVon(0x0000FF);
    EXPECT_NEAR(blau.unten - blau.oben + 1, 3 * Lupe, 1);
    // A width that a stroke needs fails, named as typed; "," is no decimal point in any locale.
    Zeichnung komma{.Dialog = {.TeXBreite = {"0.0", "0.1", "0,4", "1"}}};
    NeuerKreis(komma, 10, 10, 4, false, 1);
    const Gemalt f(komma);
    EXPECT_EQ(std::pair(f.gut, f.fehler),
              std::pair(false, std::string("TeX-Linienbreite ist keine Zahl: 0,4")));
}

TEST(PdfGrafik, SeiteIstDasBild) {
    // 55 by 38 units of 1.5 mm: 82.5 mm = 233.858 pt by 57 mm = 161.575 pt.
    Zeichnung z{.Dialog = {.Unitlength = "1.5"}};
    NeuerStrich(z, 0, 0, 55, 0);
    NeuerKreis(z, 35, 30, 8, false);
    const auto [b, h] = Seitengroesse(z);
    EXPECT_NEAR(b, 233.858, 1e-3);
    EXPECT_NEAR(h, 161.575, 1e-3);
    // pdfTeX takes no empty page: a picture without height still gets one point.
    Zeichnung flach;
    NeuerStrich(flach, 0, 0, 10, 0);
    EXPECT_NEAR(Seitengroesse(flach).second, 1, 1e-9);
    // Values no PDF can hold come from damaged files; the page ends at a million points.
    Zeichnung kaputt;
    NeuerStrich(kaputt, 0, 0, 10, 10);
    NeuerStrich(kaputt, std::nan(""), 0, 10, 10);
    NeuerKreis(kaputt, 5, 5, 1e300, false);
    NeuerKreis(kaputt, 5, 5, std::numeric_limits<double>::infinity(), true);
    NeuerStrich(kaputt, 1e12, 0, 0, 0);
    EXPECT_NEAR(Seitengroesse(kaputt).first, 1e6, 1e-3);
}
