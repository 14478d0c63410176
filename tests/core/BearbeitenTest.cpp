#include "Testhilfe.h"
#include "curves/Musterfiguren.h"
#include "editing/Ablage.h"
#include "editing/Aendern.h"
#include "editing/Auswahl.h"
#include "editing/Loeschen.h"
#include "editing/Transformieren.h"
#include "editing/Zeichnen.h"

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
                z.Elemente.Aufraeumen();
            else if (was == "setze")
                (flag == "p"   ? z.Elemente[i].gepickt
                 : flag == "d" ? z.Elemente[i].geloescht
                               : z.Elemente[i].Kandidat) = true;
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
                         : std::to_string(
                               was == "skalieren"     ? Skalieren(z.Elemente, x[0], x[1], x[2], x[3], r)
                               : was == "drehen"      ? Drehen(z.Elemente, x[0], x[1], x[2], r)
                               : was == "verschieben" ? Verschieben(z.Elemente, x[0], x[1])
                               : was == "flaeche"   ? FlaecheAuswaehlen(z.Elemente, {x[0], x[1], x[2], x[3]})
                               : was == "naechster" ? NaechsterText(z.Elemente, x[0], x[1])
                               : was == "breite"    ? BreiteAendern(z.Elemente, i)
                               : was == "loeschen"  ? Loeschen(z.Elemente)
                               : was == "rueckgaengig" ? Rueckgaengig(z.Elemente)
                               : was == "ausschneiden" ? Ausschneiden(z)
                               : was == "einfuegen"    ? Einfuegen(z, r)
                               : was == "aufheben"     ? AuswahlAufheben(z.Elemente)
                               : was == "klick"        ? wahl.Klick(z.Elemente, Schiefe, px, py, 10)
                               : was == "zahl"         ? wahl.Kandidatenzahl()
                               : was == "ignoriert"    ? wahl.ignoriereKlick()
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

TEST(Elementspeicher, VollerSpeicherBleibtStimmig) {
    Elementspeicher s;
    for (int i = 0; i < 32000; ++i)
        ASSERT_NE(s.NeuesElement(), nullptr);
    s[32000].x1 = 5;
    TElement* erstes = &s[1];
    EXPECT_TRUE(s.NeuesElement() == nullptr && s.Anhaengen(TElement{}) == nullptr);
    EXPECT_EQ(std::pair(s.Anzahl(), s.Frei()), std::pair(32000, 0));
    // The store never moves its elements while it fills up.
    EXPECT_TRUE(erstes == &s[1] && s[32000].x1 == 5);
}

TEST(Auswahl, FlaecheAusPixeln) {
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

TEST(Zeichnen, NeueElementeTragenFarbeUndBreite) {
    Zeichnung z{.Kopf = {.aktuelleFarbe = 0x0000FF}, .aktuelleBreite = 2};
    LinieAnlegen(z, 1, 2, 3, 4);
    KreisAnlegen(z, 5, 6, 12, true);
    TextAnlegen(z, 7, 8);
    ASSERT_TRUE(PfeilspitzenAnlegen(z, 0, 0, 10, 0));
    // Each in the current colour and width; a text starts centred; the arrowhead's strokes, 2 mm
    // long at 0.25 rad to the shaft, come picked.
    EXPECT_EQ(Breiten(z.Elemente), "2 2 2 2 2");
    EXPECT_EQ(Elementzeilen(z.Elemente),
              "0 3 1,2 3,4 2 #ff\n2 5 5,6 12* 2 #ff\n1 8 7,8 cc «» #ff\n"
              "3 3 10,0 8.06218,-0.494808 2 #ff p\n3 3 8.06218,0.494808 10,0 2 #ff p\n");
    // Room for one stroke only: neither is added.
    while (z.Elemente.Frei() > 1)
        z.Elemente.NeuesElement();
    EXPECT_FALSE(PfeilspitzenAnlegen(z, 0, 0, 10, 0));
    EXPECT_EQ(z.Elemente.Frei(), 1);
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
