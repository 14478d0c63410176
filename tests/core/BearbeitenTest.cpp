#include "Testhilfe.h"
#include "curves/Musterfiguren.h"
#include "editing/Ablage.h"
#include "editing/Aendern.h"
#include "editing/Auswahl.h"
#include "editing/Loeschen.h"
#include "editing/Transformieren.h"
#include "editing/Zeichnen.h"

#include <cmath>
#include <functional>
#include <numbers>

using namespace testhilfe;

namespace {

constexpr double pi = std::numbers::pi;

// Each element as its x1 and its flags: p picked, d deleted, k candidate.
std::string Inhalt(const Elementspeicher& s) {
    return Je(s, [](const TElement& e) {
        return std::to_string(static_cast<int>(e.x1)) + (e.gepickt ? "p" : "") + (e.geloescht ? "d" : "") +
               (e.Kandidat ? "k" : "");
    });
}

Zeichnung Fuenf() {
    Zeichnung z;
    for (int i = 1; i <= 5; ++i)
        NeuerStrich(z, i, 0, i, 1);
    return z;
}

// Three pixels a unit, origin (-7, 3), 401 pixels high: a point's column and row differ widely.
constexpr Ansicht Schiefe{.Zoomfaktor = 1, .NullX = -7, .NullY = 3, .Hoehe = 401};

// The defining values of every element: x1, y1, then x2, y2 or the diameter.
std::vector<double> Werte(const Zeichnung& z) {
    std::vector<double> w;
    for (const auto& e : z.Elemente) {
        w.insert(w.end(), {e.x1, e.y1});
        if (e.istStrich()) w.insert(w.end(), {e.x2, e.y2});
        if (e.Art == Kreis) w.push_back(e.Durchmesser);
    }
    return w;
}

void Nah(const std::vector<double>& ist, const std::vector<double>& soll) {
    ASSERT_EQ(ist.size(), soll.size());
    for (std::size_t i = 0; i < ist.size(); ++i)
        EXPECT_NEAR(ist[i], soll[i], 1e-9) << i;
}

using Umformung = std::function<bool(Elementspeicher&, Meldungen&)>;

} // namespace

TEST(Elementspeicher, VollerSpeicherUndAufraeumen) {
    Elementspeicher s;
    for (int i = 0; i < 32000; ++i)
        ASSERT_NE(s.NeuesElement(), nullptr);
    s[32000].x1 = 5;
    TElement* erstes = &s[1];
    EXPECT_TRUE(s.NeuesElement() == nullptr && s.Anhaengen(TElement{}) == nullptr);
    EXPECT_EQ(std::pair(s.Anzahl(), s.Frei()), std::pair(32000, 0));
    // The store never moves its elements while it fills up.
    EXPECT_TRUE(erstes == &s[1] && s[32000].x1 == 5);
    s.AllesLoeschen();
    for (int i = 1; i <= 6; ++i)
        s.NeuesElement()->x1 = i;
    s[2].geloescht = s[5].geloescht = s[5].gepickt = s[3].gepickt = true;
    EXPECT_EQ(s.GeloeschteZahl() * 10 + s.GepickteZahl(), 22);
    // Compaction keeps the order and numbers anew.
    s.Aufraeumen();
    EXPECT_EQ(Inhalt(s), "1 3p 4 6 ");
    EXPECT_EQ(s.GeloeschteZahl(), 0);
}

TEST(Aendern, BreiteNurFuerSichtbareStricheUndKreiseUndNaechsterText) {
    Zeichnung z;
    NeuerStrich(z, 0, 0, 1, 1, -1).gepickt = true;
    NeuerStrich(z, 0, 0, 1, 1, 0).gepickt = true;
    NeuerStrich(z, 0, 0, 1, 1, 1, 0, Pfeilspitze).gepickt = true;
    NeuerKreis(z, 0, 0, 2, true, 1).gepickt = true;
    NeuerText(z, 0, 0, "t").gepickt = true;
    NeuerStrich(z, 0, 0, 1, 1, 0);
    EXPECT_TRUE(BreiteAendern(z.Elemente, 2));
    EXPECT_EQ(Breiten(z.Elemente), "-1 2 2 2 1 0 ");
    // Nothing to change, or a class outside -1..2, is refused.
    EXPECT_FALSE(BreiteAendern(z.Elemente, 2) || BreiteAendern(z.Elemente, 3) ||
                 BreiteAendern(z.Elemente, -2));
    EXPECT_TRUE(BreiteAendern(z.Elemente, -1));
    EXPECT_EQ(Breiten(z.Elemente), "-1 -1 -1 -1 1 0 ");

    Zeichnung t;
    NeuerStrich(t, 5, 5, 5, 5);
    NeuerText(t, 10005, 0, "fern");
    NeuerText(t, 3, 4, "a").geloescht = true;
    NeuerText(t, -3, -4, "b");
    NeuerText(t, 4, 3, "c");
    // {x, y, index}: equal distances go to the lower index, deleted texts count, lines do not,
    // and a text exactly 10000 units away is out of reach.
    const std::tuple<double, double, int> faelle[] = {{0, 0, 3}, {-1, -1, 4},     {4, 3, 5},
                                                      {5, 5, 3}, {20004.5, 0, 2}, {20005, 0, 0}};
    for (const auto& [x, y, index] : faelle)
        EXPECT_EQ(NaechsterText(t.Elemente, x, y), index) << x << "," << y;
    EXPECT_EQ(NaechsterText(Elementspeicher{}, 0, 0), 0);
}

TEST(Auswahl, TrefferNurImQuadratUmEinenDefinierendenPunkt) {
    constexpr int P = 7;
    Zeichnung z;
    NeuerStrich(z, 10, 25, 90, 25);
    NeuerStrich(z, -40, -40, 10, 25, 1, 0, Pfeilspitze);
    NeuerKreis(z, 10, 25, 30, true);
    NeuerText(z, 10, 25, "a");
    const int px = Schiefe.XNachPixel(10), py = Schiefe.YNachPixel(25);
    ASSERT_EQ(std::pair(px, py), std::pair(51, 335));
    // Inside the square of half side P - 1 about the point, in either axis, mixing none up.
    const std::tuple<int, int, bool> faelle[] = {
        {0, 0, true},   {P - 1, P - 1, true}, {-(P - 1), 1 - P, true}, {P, 0, false},
        {-P, 0, false}, {0, P, false},        {0, -P, false},          {py - px, px - py, false}};
    for (const auto& [dx, dy, treffer] : faelle)
        for (const auto& e : z.Elemente)
            EXPECT_EQ(Getroffen(e, Schiefe, px + dx, py + dy, P), treffer)
                << int{e.Art} << " " << dx << "," << dy;
    // The middle of a long line is no defining point.
    EXPECT_FALSE(Getroffen(z.Elemente[1], Schiefe, Schiefe.XNachPixel(50), py, P));
    EXPECT_TRUE(Getroffen(z.Elemente[1], Schiefe, Schiefe.XNachPixel(90), py, P));
}

TEST(Auswahl, KandidatenWerdenEinzelnAngeboten) {
    Zeichnung z;
    NeuerStrich(z, 50, 50, 0, 0);
    NeuerStrich(z, 20, 20, 60, 60).gepickt = true;
    NeuerStrich(z, 20, 20, 0, 90).geloescht = true;
    NeuerStrich(z, 0, 90, 20, 20);
    NeuerStrich(z, 20, 20, 5, 5);
    const int mx = Schiefe.XNachPixel(20), my = Schiefe.YNachPixel(20);
    Kandidatenwahl w;
    ASSERT_EQ(w.Klick(z.Elemente, Schiefe, mx, my, 10), 2);
    EXPECT_EQ(w.aktuellerKandidat(), 4);
    EXPECT_EQ(Inhalt(z.Elemente), "50 20p 20d 0k 20k ");
    // Rejecting offers the other; accepting picks only the offered one and ends the round.
    auto s = w.Ablehnen(z.Elemente);
    EXPECT_EQ(std::tuple(s.abgegeben, s.angeboten, s.gepickt, s.beendet, w.Kandidatenzahl()),
              std::tuple(4, 5, false, false, 1));
    s = w.Annehmen(z.Elemente);
    EXPECT_EQ(std::tuple(s.abgegeben, s.angeboten, s.gepickt, s.beendet), std::tuple(5, 0, true, true));
    EXPECT_EQ(Inhalt(z.Elemente), "50 20p 20d 0 20p ");
    // The click of the accepting press is ignored; the next one offers what is left unpicked.
    EXPECT_TRUE(w.ignoriereKlick());
    EXPECT_EQ(w.Klick(z.Elemente, Schiefe, mx, my, 10), 0);
    EXPECT_EQ(w.Klick(z.Elemente, Schiefe, mx, my, 10), 1);
    EXPECT_EQ(Inhalt(z.Elemente), "50 20p 20d 0k 20p ");
    // Rejecting the last candidate ends the round with nothing picked.
    s = w.Ablehnen(z.Elemente);
    EXPECT_EQ(std::tuple(s.abgegeben, s.angeboten, s.gepickt, s.beendet), std::tuple(4, 0, false, true));
    EXPECT_EQ(Inhalt(z.Elemente), "50 20p 20d 0 20p ");
    // A click on nothing starts no round and clears stale marks.
    z.Elemente[1].Kandidat = true;
    EXPECT_EQ(w.Klick(z.Elemente, Schiefe, 0, 0, 10), 0);
    EXPECT_EQ(std::pair(ErsterKandidat(z.Elemente), w.aktuellerKandidat()), std::pair(0, 0));
}

TEST(Auswahl, Flaeche) {
    Zeichnung z;
    NeuerKreis(z, 5, 5, 2, false);
    NeuerStrich(z, 2, 2, 8, 8).geloescht = true;
    NeuerStrich(z, 2, 2, 8.5, 8);
    NeuerText(z, 3.5, 6.5, "r");
    NeuerText(z, 3.4, 5, "l");
    // Borders count; a circle needs a margin of its whole diameter; deleted elements are picked.
    EXPECT_EQ(FlaecheAuswaehlen(z.Elemente, {3.5, 6.5, 3.5, 6.5}), 1);
    EXPECT_EQ(Inhalt(z.Elemente), "5 2d 2 3p 3 ");
    EXPECT_EQ(FlaecheAuswaehlen(z.Elemente, {2, 8, 2, 8}), 3);
    EXPECT_EQ(Inhalt(z.Elemente), "5p 2pd 2 3p 3p ");
    z.Elemente[1].gepickt = false;
    EXPECT_EQ(FlaecheAuswaehlen(z.Elemente, {2, 8, 5, 5}) + FlaecheAuswaehlen(z.Elemente, {5, 5, 2, 8}), 0);
    // Pixel corners in any order; rows grow downwards, y upwards.
    const Pickflaeche f = FlaecheAusPixeln(Schiefe, 30, 20, 9, 50);
    EXPECT_EQ((std::array{f.xmin, f.xmax, f.ymin, f.ymax}), (std::array{-4.0, 3.0, 120.0, 130.0}));
}

TEST(Loeschen, NurDieLetzteLoeschungKommtZurueck) {
    Zeichnung z = Fuenf();
    EXPECT_FALSE(Loeschen(z.Elemente));
    z.Elemente[1].gepickt = z.Elemente[2].gepickt = true;
    EXPECT_TRUE(Loeschen(z.Elemente));
    EXPECT_EQ(Inhalt(z.Elemente), "1d 2d 3 4 5 ");
    // Nothing picked: no compaction either, so the deletion can still be undone.
    EXPECT_FALSE(Loeschen(z.Elemente));
    z.Elemente[4].gepickt = true;
    EXPECT_TRUE(Loeschen(z.Elemente));
    EXPECT_EQ(Inhalt(z.Elemente), "3 4d 5 ");
    EXPECT_EQ(Rueckgaengig(z.Elemente), 1);
    EXPECT_EQ(Inhalt(z.Elemente), "3 4p 5 ");
    z.Elemente[3].geloescht = true;
    z.Elemente.Aufraeumen();
    EXPECT_EQ(Rueckgaengig(z.Elemente), 0);
    EXPECT_EQ(Inhalt(z.Elemente), "3 4p ");
}

TEST(Ablage, KopierenAusschneidenEinfuegen) {
    Zeichnung z = Fuenf();
    z.Elemente[2].gepickt = z.Elemente[4].gepickt = true;
    z.Elemente[3].gepickt = z.Elemente[3].geloescht = true;
    Kopieren(z);
    EXPECT_EQ(Inhalt(z.Ablage), "2p 4p ");
    // Cut marks the copies' originals deleted, still picked; undo brings them back.
    EXPECT_TRUE(Ausschneiden(z));
    EXPECT_EQ(Inhalt(z.Elemente), "1 2pd 3pd 4pd 5 ");
    // Nothing picked and not deleted: cut does nothing and keeps the clipboard.
    EXPECT_FALSE(Ausschneiden(z));
    EXPECT_EQ(Inhalt(z.Ablage), "2p 4p ");
    EXPECT_EQ(Rueckgaengig(z.Elemente), 3);
    EXPECT_EQ(Inhalt(z.Elemente), "1 2p 3p 4p 5 ");
    Protokoll r;
    EXPECT_TRUE(Einfuegen(z, r) && Einfuegen(z, r));
    EXPECT_EQ(Inhalt(z.Elemente) + Inhalt(z.Ablage) + r.Texte(), "1 2p 3p 4p 5 2p 4p 2p 4p 2p 4p ");
    // Copy with nothing picked empties the clipboard; pasting it adds nothing.
    AuswahlAufheben(z.Elemente);
    Kopieren(z);
    EXPECT_EQ(z.Ablage.Anzahl(), 0);
    EXPECT_FALSE(Einfuegen(z, r));
    EXPECT_EQ(z.Elemente.Anzahl(), 9);
    // Into a store with room for fewer than the clipboard holds nothing goes.
    z.Elemente[1].gepickt = z.Elemente[2].gepickt = true;
    Kopieren(z);
    while (z.Elemente.Frei() > 1)
        z.Elemente.NeuesElement();
    EXPECT_FALSE(Einfuegen(z, r));
    EXPECT_EQ(r.Texte(),
              "Die 2 Elemente der Ablage passen nicht in die Zeichnung (noch 1 frei): es wird nichts "
              "eingefügt.\n");
    EXPECT_EQ(std::pair(z.Elemente.Anzahl(), z.Ablage.Anzahl()), std::pair(31999, 2));
    z.Elemente[31999].geloescht = true;
    z.Elemente.Aufraeumen();
    EXPECT_TRUE(Einfuegen(z, r));
    EXPECT_TRUE(z.Elemente.Voll() && z.Elemente[32000].x1 == 2);
}

TEST(Transformieren, JedeArtNurGewaehlte) {
    // A picked line, circle, text and arrowhead stroke, and an unpicked line.
    Zeichnung z;
    NeuerStrich(z, 0, 0, 10, 0).gepickt = true;
    NeuerKreis(z, 10, 10, 4, false).gepickt = true;
    NeuerText(z, 1, 2, "t", "tl").gepickt = true;
    NeuerStrich(z, 1, 1, 2, 3, 1, 0, Pfeilspitze).gepickt = true;
    NeuerStrich(z, 7, 7, 8, 8);
    // x factor -1 mirrors about x = cx and keeps the diameter.
    const std::pair<Umformung, std::vector<double>> faelle[] = {
        {[](Elementspeicher& s, Meldungen& m) { return Skalieren(s, 0, 0, 2, 3, m); },
         {0, 0, 20, 0, 20, 30, 8, 2, 6, 2, 3, 4, 9, 7, 7, 8, 8}},
        {[](Elementspeicher& s, Meldungen& m) { return Skalieren(s, 5, 0, -1, 1, m); },
         {10, 0, 0, 0, 0, 10, 4, 9, 2, 9, 1, 8, 3, 7, 7, 8, 8}},
        {[](Elementspeicher& s, Meldungen& m) { return Drehen(s, 1, 1, pi / 2, m); },
         {2, 0, 2, 10, -8, 10, 4, 0, 1, 1, 1, -1, 2, 7, 7, 8, 8}},
        {[](Elementspeicher& s, Meldungen&) { return Verschieben(s, 0.5, -2); },
         {0.5, -2, 10.5, -2, 10.5, 8, 4, 1.5, 0, 1.5, -1, 2.5, 1, 7, 7, 8, 8}}};
    for (const auto& [umformen, soll] : faelle) {
        Zeichnung kopie = z;
        Protokoll r;
        EXPECT_TRUE(umformen(kopie.Elemente, r) && r.liste.empty());
        Nah(Werte(kopie), soll);
        EXPECT_EQ(kopie.Elemente[3].Text + kopie.Elemente[3].Ausrichtung, "ttl");
    }
    // Filled circles grow to no more than 6 units. {diameter, x factor, filled, new diameter}
    const std::tuple<double, double, bool, double> kreise[] = {
        {4, 2, true, 6}, {4, 2, false, 8}, {8, 2, true, 8}, {8, 0.5, true, 4}, {6, -1.5, true, 6}};
    Protokoll r;
    for (const auto& [d, fx, gefuellt, neu] : kreise) {
        Zeichnung k;
        NeuerKreis(k, 0, 0, d, gefuellt).gepickt = true;
        Skalieren(k.Elemente, 0, 0, fx, 1, r);
        EXPECT_EQ(k.Elemente[1].Durchmesser, neu) << d << " " << fx << " " << gefuellt;
    }
}

TEST(Transformieren, UnmoeglicheErgebnisseAendernNichts) {
    const double nan = std::nan(""), inf = INFINITY;
    const std::string zuGross = "Das Ergebnis läge außerhalb von ±1000000 Einheiten: die gewählten Elemente "
                                "bleiben unverändert.\n";
    const std::string keineZahl = "Mittelpunkt, Faktor oder Winkel ist keine endliche Zahl: die gewählten "
                                  "Elemente bleiben unverändert.\n";
    // The line alone could be scaled by 1e5; the circle cannot, so neither changes.
    Zeichnung z;
    NeuerStrich(z, 0, 0, 10, 0).gepickt = true;
    NeuerKreis(z, 0, 0, 11, false).gepickt = true;
    const std::vector<double> vorher = Werte(z);
    const std::pair<Umformung, std::string> faelle[] = {
        {[](Elementspeicher& s, Meldungen& m) { return Skalieren(s, 0, 0, 1e5, 1, m); }, zuGross},
        {[&](Elementspeicher& s, Meldungen& m) { return Skalieren(s, 0, 0, nan, 1, m); }, keineZahl},
        {[](Elementspeicher& s, Meldungen& m) { return Drehen(s, 2e6, 0, 1, m); }, zuGross},
        {[&](Elementspeicher& s, Meldungen& m) { return Drehen(s, 0, 0, inf, m); }, keineZahl},
        {[&](Elementspeicher& s, Meldungen&) { return Verschieben(s, nan, 0); }, ""}};
    for (const auto& [umformen, meldung] : faelle) {
        Protokoll r;
        EXPECT_FALSE(umformen(z.Elemente, r));
        EXPECT_EQ(r.Texte(), meldung);
        EXPECT_EQ(Werte(z), vorher);
    }
    // A value beyond the bound that stays as it was does not block the rest; shrinking it works.
    z.Elemente[2].Durchmesser = 5e6;
    Protokoll r;
    EXPECT_TRUE(Drehen(z.Elemente, 0, 0, pi, r) && Skalieren(z.Elemente, 0, 0, 0.1, 1, r));
    Nah(Werte(z), {0, 0, -1, 0, 0, 0, 5e5});
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
    EXPECT_EQ(
        Je(z.Elemente, [](const TElement& e) { return std::to_string(e.Farbe) + std::to_string(e.Breite); }),
        "2552 2552 2552 2552 2552 ");
    // The arrowhead's strokes come picked, the others not; a text starts centred.
    EXPECT_TRUE(z.Elemente.GepickteZahl() == 2 && z.Elemente[5].gepickt && z.Elemente[5].Art == Pfeilspitze);
    EXPECT_EQ(z.Elemente[3].Ausrichtung, "cc");
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
    EXPECT_EQ(Breiten(e), "1 1 -1 1 1 -1 1 1 -1 1 1 -1 1 1 -1 1 ");
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
