#include "Testhilfe.h"
#include "curves/Musterfiguren.h"
#include "editing/Ablage.h"
#include "editing/Aendern.h"
#include "editing/Auswahl.h"
#include "editing/Loeschen.h"
#include "editing/Transformieren.h"
#include "editing/Zeichnen.h"
#include "view/Ansicht.h"
#include "view/Zoomen.h"

#include <array>
#include <cmath>
#include <numbers>

using namespace testhilfe;

namespace {

constexpr double pi = std::numbers::pi;

// An element as its x and its flags, as the case files show a drawing between steps.
std::string Kurz(const TElement& e) {
    return std::to_string(static_cast<int>(e.x1)) + (e.gepickt ? "p" : "") + (e.geloescht ? "d" : "") +
           (e.Kandidat ? "k" : "");
}

std::string Kurzform(const Elementspeicher& s) {
    std::string t;
    for (const TElement& e : s)
        t += (t.empty() ? "" : " ") + Kurz(e);
    return t;
}

// Three pixels a unit, origin (-7, 3), 401 pixels high: a point's column and row differ widely.
constexpr Ansicht Schiefe{.Zoomfaktor = 1, .NullX = -7, .NullY = 3, .Hoehe = 401};

// Pixels per unit at the zoom levels 0..8.
constexpr std::array<double, 9> Pixel{1, 1.5, 3, 6, 9, 15, 24, 30, 60};

Ansicht AnsichtBei(int zoomstufe, int hoehe, int snapstufe = 2) {
    return {.Zoomfaktor = ZoomFuer(zoomstufe).Faktor, .Schritt = SnapschrittFuer(snapstufe), .Hoehe = hoehe};
}

} // namespace

TEST(Bearbeiten, FaelleAusDerDatei) {
    for (Fall f : Faelle(VEKTRA_TESTDATA "/faelle/bearbeiten.txt")) {
        Zeichnung z;
        ElementeAnhaengen(z.Elemente, f["zeichnung"]);
        Protokoll r;
        Kandidatenwahl wahl;
        std::string ergebnis;
        std::istringstream schritte(f["schritte"]);
        for (std::string zeile; std::getline(schritte, zeile);) {
            std::istringstream w(zeile);
            std::string was, flag, t;
            w >> was;
            if (was == "setze") w >> flag;
            double x[4] = {};
            for (double& v : x)
                v = w >> t ? std::strtod(t.c_str(), nullptr) : 0;
            const int i = static_cast<int>(x[0]), px = Schiefe.XNachPixel(x[0]),
                      py = Schiefe.YNachPixel(x[1]);
            const auto zahlen = [](std::initializer_list<int> werte) {
                std::string t;
                for (int v : werte)
                    t += (t.empty() ? "" : " ") + std::to_string(v);
                return t;
            };
            const auto schritt = [&](Kandidatenwahl::Schritt s) {
                return zahlen({s.abgegeben, s.angeboten, s.gepickt, s.beendet});
            };
            const auto treffer = [&] {
                std::string t;
                for (const TElement& e : z.Elemente)
                    t += (t.empty() ? "" : " ") +
                         std::to_string(Getroffen(e, Schiefe, px + int(x[2]), py + int(x[3]), 7));
                return t;
            };
            if (was == "kopieren")
                Kopieren(z);
            else if (was == "aufraeumen")
                Aufraeumen(z);
            else if (was == "umfaerben")
                Umfaerben(z, i);
            else if (was == "setze")
                (flag == "p"   ? z.Elemente[i].gepickt
                 : flag == "d" ? z.Elemente[i].geloescht
                               : z.Elemente[i].Kandidat) = true;
            else if (was == "stift")
                std::tie(z.Kopf.aktuelleFarbe, z.aktuelleBreite, z.Kopf.Pfeillaenge) =
                    std::tuple(i, static_cast<std::int16_t>(x[1]), x[2]);
            else if (was == "linie")
                LinieAnlegen(z, x[0], x[1], x[2], x[3]);
            else if (was == "kreis")
                KreisAnlegen(z, x[0], x[1], x[2], x[3] != 0);
            else if (was == "text")
                TextAnlegen(z, x[0], x[1]);
            else if (was == "fuellen")
                while (z.Elemente.Frei() > i)
                    z.Elemente.NeuesElement();
            else
                ergebnis +=
                    (was == "stand"      ? Kurzform(z.Elemente)
                     : was == "ablage"   ? Kurzform(z.Ablage)
                     : was == "element"  ? Kurz(z.Elemente[i])
                     : was == "breiten"  ? Breiten(z.Elemente)
                     : was == "anzahl"   ? zahlen({z.Elemente.Anzahl(), z.Ablage.Anzahl()})
                     : was == "treffer"  ? treffer()
                     : was == "annehmen" ? schritt(wahl.Annehmen(z.Elemente))
                     : was == "ablehnen" ? schritt(wahl.Ablehnen(z.Elemente))
                     : was == "kandidat"
                         ? zahlen({wahl.aktuellerKandidat(), ErsterKandidat(z.Elemente)})
                         : std::to_string(was == "skalieren"     ? Skalieren(z, x[0], x[1], x[2], x[3], r)
                                          : was == "drehen"      ? Drehen(z, x[0], x[1], x[2], r)
                                          : was == "verschieben" ? Verschieben(z, x[0], x[1])
                                          : was == "flaeche"
                                              ? FlaecheAuswaehlen(z.Elemente, {x[0], x[1], x[2], x[3]})
                                          : was == "naechster" ? NaechsterText(z.Elemente, x[0], x[1])
                                          : was == "breite"    ? BreiteAendern(z, i)
                                          : was == "pfeil" ? PfeilspitzenAnlegen(z, x[0], x[1], x[2], x[3], r)
                                          : was == "loeschen"     ? Loeschen(z)
                                          : was == "rueckgaengig" ? z.Verlauf.Rueckgaengig(z).has_value()
                                          : was == "ausschneiden" ? Ausschneiden(z)
                                          : was == "einfuegen"    ? Einfuegen(z, r)
                                          : was == "aufheben"     ? AuswahlAufheben(z.Elemente)
                                          : was == "klick"     ? wahl.Klick(z.Elemente, Schiefe, px, py, 10)
                                          : was == "zahl"      ? wahl.Kandidatenzahl()
                                          : was == "ignoriert" ? wahl.ignoriereKlick()
                                                               : -1)) +
                    "\n";
        }
        EXPECT_EQ(ergebnis, f["ergebnis"]) << f["###"];
        EXPECT_TRUE(!f.contains("danach") || Elementzeilen(z.Elemente) == f["danach"])
            << f["###"] << ":\n"
            << Elementzeilen(z.Elemente);
        EXPECT_EQ(r.Texte(), f["meldungen"]) << f["###"];
    }
}

TEST(Bearbeiten, VollerSpeicherBleibtStimmigUndFlaecheAusPixeln) {
    Elementspeicher s;
    for (int i = 0; i < 32000; ++i)
        ASSERT_NE(s.NeuesElement(), nullptr);
    s[32000].x1 = 5;
    TElement* erstes = &s[1];
    EXPECT_TRUE(s.NeuesElement() == nullptr && s.Anhaengen(TElement{}) == nullptr);
    EXPECT_EQ(std::pair(s.Anzahl(), s.Frei()), std::pair(32000, 0));
    // The store never moves its elements while it fills up.
    EXPECT_TRUE(erstes == &s[1] && s[32000].x1 == 5);
    // Pixel corners in any order; rows grow downwards, y upwards.
    const Pickflaeche f = FlaecheAusPixeln(Schiefe, 30, 20, 9, 50);
    EXPECT_EQ((std::array{f.xmin, f.xmax, f.ymin, f.ymax}), (std::array{-4.0, 3.0, 120.0, 130.0}));
}

TEST(Zeichnen, PfeilrichtungUndSpitzenInJederRichtung) {
    // From (0,0) to the tip: the direction, and where the first stroke ends (it points back).
    const struct {
        double x2, y2, richtung;
    } faelle[] = {{5, 0, 0}, {0, 5, pi / 2}, {-5, 5, 3 * pi / 4}, {0, -5, -pi / 2}, {5, -5, -pi / 4}};
    for (const auto& f : faelle) {
        const double a = Pfeilrichtung(0, 0, f.x2, f.y2);
        EXPECT_NEAR(std::remainder(a - f.richtung, 2 * pi), 0, 1e-12) << f.x2 << "," << f.y2;
        const auto s = Pfeilspitzen(f.x2, f.y2, a, 2.0, 0.25);
        // Both strokes touch the tip and open symmetrically about the shaft, behind the tip.
        EXPECT_EQ(std::tuple(s[0].x1, s[0].y1, s[1].x2, s[1].y2), std::tuple(f.x2, f.y2, f.x2, f.y2));
        const double mx = (s[0].x2 + s[1].x1) / 2 - f.x2, my = (s[0].y2 + s[1].y1) / 2 - f.y2;
        EXPECT_NEAR(std::atan2(my, mx), std::remainder(f.richtung + pi, 2 * pi), 1e-9);
        EXPECT_NEAR(std::hypot(s[0].x2 - f.x2, s[0].y2 - f.y2), 2.0, 1e-12);
    }
    // Square metric, held to the limit.
    EXPECT_EQ((std::array{Kreisradius(3, -4, 6), Kreisradius(-20, 1, 6), Kreisradius(0.5, 0, 3)}),
              (std::array{4.0, 6.0, 0.5}));
}

TEST(Zeichnen, MusterfigurenLiegenUnterDemGummiband) {
    // A line at every scale, the chords running from the press to the release.
    for (std::int32_t massstab : {4, 0}) {
        Zeichnung z{.Dialog = {.Clipaktiv = false}};
        z.Kopf.Massstab = massstab;
        Protokoll p;
        ASSERT_TRUE(MusterLinie(z, {}, 3, 7, 23, -3, p).Fertig) << p.Texte();
        const auto& e = z.Elemente;
        EXPECT_TRUE(e.Anzahl() > 15 && e.GepickteZahl() == e.Anzahl()) << massstab;
        EXPECT_NEAR(std::hypot(e[1].x1 - 3, e[1].y1 - 7) +
                        std::hypot(e[e.Anzahl()].x2 - 23, e[e.Anzahl()].y2 + 3),
                    0, 1e-9);
    }
    // A rectangle: four chords a side, the pattern carried across each corner, closing where it
    // started: corner by corner, counter-clockwise from the press.
    Zeichnung z{.Dialog = {.Clipaktiv = false}};
    Schrittwerte w;
    w.Kontrollart = KontrolleKeine, w.Deltat = 0.25, w.Muster = {2, 1, 0, 0};
    Protokoll p;
    const Musterergebnis r = MusterRechteck(z, w, 0, 0, 10, 5, p);
    ASSERT_TRUE(r.Fertig && r.NeuZeichnen);
    const auto& e = z.Elemente;
    EXPECT_EQ(Breiten(e), "1 1 -1 1 1 -1 1 1 -1 1 1 -1 1 1 -1 1");
    EXPECT_EQ(std::tuple(e[4].x2, e[4].y2, e[8].x2, e[8].y2, e[12].x2, e[16].x2, e[16].y2),
              std::tuple(10.0, 0.0, 10.0, 5.0, 0.0, 0.0, 0.0));
    // The upper left quarter of the circle about (10,10) through (10,15).
    Zeichnung b{.Dialog = {.Clipaktiv = false}};
    ASSERT_TRUE(MusterBogen(b, {}, 10, 10, 10, 15, "1.5708", "3.1416", p).Fertig);
    EXPECT_NEAR(
        std::hypot(b.Elemente[1].x1 - 10, b.Elemente[1].y1 - 15) +
            std::hypot(b.Elemente[b.Elemente.Anzahl()].x2 - 5, b.Elemente[b.Elemente.Anzahl()].y2 - 10),
        0, 1e-3);
    // An angle text that is no formula draws nothing and says so; a store without room for
    // every chord takes none of them.
    const int vorher = b.Elemente.Anzahl();
    EXPECT_FALSE(MusterBogen(b, {}, 0, 0, 5, 0, "abc", "1", p).Fertig);
    EXPECT_TRUE(b.Elemente.Anzahl() == vorher && !p.liste.empty());
    while (b.Elemente.Frei() > 5)
        b.Elemente.NeuesElement();
    p.liste.clear();
    EXPECT_FALSE(MusterRechteck(b, {}, 0, 0, 10, 10, p).Fertig);
    EXPECT_EQ(b.Elemente.Frei(), 5);
    EXPECT_EQ(p.Texte(), "Die Zeichnung ist voll (32000 Elemente): es wurde nichts hinzugefügt.\n");
}

TEST(Ansicht, StufenNullpunktUndRundung) {
    // Levels out of range, as from a damaged file, are held to 0..8.
    for (int stufe = -1; stufe <= 9; ++stufe)
        EXPECT_EQ(AnsichtBei(stufe, 400).Skala(), Pixel[std::clamp(stufe, 0, 8)]) << stufe;
    // Level 4, origin (-2,-2): the point (0,0) lies 18 pixels right of and above the corner.
    Ansicht a = AnsichtBei(4, 500);
    EXPECT_EQ((std::array{a.XNachPixel(0), a.YNachPixel(0)}), (std::array{18, 482}));
    EXPECT_DOUBLE_EQ(a.PixelNachY(500), -2.0);
    // Points move with the bottom edge; the corner keeps showing the origin.
    a.Hoehe = 300;
    EXPECT_TRUE(a.YNachPixel(0) == 282 && a.PixelNachY(300) == -2.0);
    // Every level converts pixels back to themselves.
    for (int stufe = 0; stufe < 9; ++stufe) {
        const Ansicht b = AnsichtBei(stufe, 400);
        for (int px = 0; px < 50; ++px)
            EXPECT_TRUE(b.XNachPixel(b.PixelNachX(px)) == px && b.YNachPixel(b.PixelNachY(px)) == px)
                << stufe;
    }
    // 1.5 pixels per unit: odd units fall on half pixels 4.5, 7.5, 95.5 and 98.5, which go to even.
    const Ansicht c = AnsichtBei(1, 100);
    EXPECT_EQ((std::array{c.XNachPixel(1), c.XNachPixel(3), c.YNachPixel(1), c.YNachPixel(-1)}),
              (std::array{4, 8, 96, 98}));
    EXPECT_EQ(AnsichtBei(0, 100).XNachPixel(-2.5), 0); // -0.5
}

TEST(Ansicht, Schnappen) {
    // Snapping to 10 units at level 4: x 5 goes to 0, x 15 to 20.
    Ansicht b = AnsichtBei(4, 500, 9);
    EXPECT_EQ((std::array{b.SnapPixelX(18 + 9 * 5), b.SnapPixelX(18 + 9 * 15), b.SnapPixelX(18 - 9 * 6)}),
              (std::array{18, 18 + 9 * 20, 18 - 9 * 10}));
    EXPECT_EQ((std::array{b.SnapPixelY(482 - 9 * 5), b.SnapPixelY(482 - 9 * 6)}),
              (std::array{482, 482 - 9 * 10}));
    b.Snap = false;
    EXPECT_EQ(b.SnapPixelX(37), 37);
    // A third of a unit at 3 pixels per unit: every pixel already lies on the lattice.
    const Ansicht a = AnsichtBei(2, 300, 0);
    for (int px = -30; px <= 300; ++px)
        EXPECT_TRUE(a.SnapPixelX(px) == px && a.SnapPixelY(px) == px) << px;
    // Step 1 at 1.5 pixels per unit: a lattice point goes to its nearest pixel, ties to even,
    // and that pixel maps back to within a third of a unit of it.
    const Ansicht c = AnsichtBei(1, 300);
    EXPECT_EQ((std::array{c.SnapPixelX(3), c.SnapPixelX(4), c.SnapPixelX(5), c.SnapPixelX(6), c.SnapPixelX(7),
                          c.SnapPixelX(8), c.SnapPixelX(9)}),
              (std::array{3, 4, 4, 6, 8, 8, 9}));
    for (int px = 0; px < 300; ++px) {
        const double y = c.PixelNachY(c.SnapPixelY(px));
        EXPECT_LE(std::abs(y - std::nearbyint(y)), 1.0 / 3.0 + 1e-12) << px;
    }
}

TEST(Zoomen, FlaecheWirdEingepasstUndMittigUndStufenweise) {
    constexpr int W = 600, H = 400;
    // {level of the old view, corners px1, py1, px2, py2, new level}
    // clang-format off
    const std::tuple<int, std::array<int, 4>, int> faelle[] = {
        {4, {110, 101, 100, 100}, 8}, // far smaller than the surface, corners swapped
        {4, {100, 0, 110, 399}, 4}, {4, {100, 0, 110, 400}, 3}, // 399 < 400 pixels at level 4: the height decides
        {0, {0, 0, 1, 400}, 8},       // too high at every level: the width decides
        {2, {-50, 30, 249, 90}, 3}, {2, {-50, 30, 250, 90}, 2}}; // 600 pixels wide at level 3: too wide
    // clang-format on
    for (const auto& [alt, ecken, stufe] : faelle) {
        const Ansicht a{.Zoomfaktor = ZoomFuer(alt).Faktor, .NullX = -7, .NullY = 13, .Hoehe = H};
        const auto [px1, py1, px2, py2] = ecken;
        const auto neu = ZoomFlaeche(a, px1, py1, px2, py2, W);
        ASSERT_TRUE(neu.has_value()) << px1 << "," << py1;
        EXPECT_EQ(neu->Zoomstufe, stufe) << px1 << "," << py1;
        // The area's centre is the surface's centre to within one unit.
        const double s = Pixel[static_cast<std::size_t>(stufe)];
        EXPECT_LE(std::abs(neu->NullX + W / s / 2 - (a.PixelNachX(px1) + a.PixelNachX(px2)) / 2), 1) << px1;
        EXPECT_LE(std::abs(neu->NullY + H / s / 2 - (a.PixelNachY(py1) + a.PixelNachY(py2)) / 2), 1) << py1;
    }
    const Ansicht a{.Hoehe = H};
    EXPECT_FALSE(ZoomFlaeche(a, 50, 10, 50, 90, W).has_value() ||
                 ZoomFlaeche(a, 10, 50, 90, 50, W).has_value());
    EXPECT_EQ((std::array{Zoomschritt(0, true), Zoomschritt(7, true), Zoomschritt(8, true),
                          Zoomschritt(8, false), Zoomschritt(1, false), Zoomschritt(0, false)}),
              (std::array{1, 8, 8, 7, 0, 0}));
}
