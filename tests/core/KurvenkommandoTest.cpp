#include "KurvenTesthilfe.h"

#include "Kurvenkommando.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace vektra;
using kurventest::Rekorder;

namespace {

std::vector<std::string> Args(std::initializer_list<const char*> a) {
    return {a.begin(), a.end()};
}

// Reads the arguments; on failure the message.
std::string Lesen(const std::vector<std::string>& args, Kurvenkommando& k) {
    std::string fehler;
    const bool gelesen = KurvenkommandoLesen(args, k, fehler);
    EXPECT_EQ(gelesen, fehler.empty());
    return fehler;
}

} // namespace

TEST(Kurvenkommando, VorgabenZeichnenDieDiagonale) {
    // x = t, y = t with the defaults: one chain of chords from (0, 0) to (10, 10), all drawn and
    // selected, inside the clip area of a new drawing.
    Zeichnung z;
    Rekorder r;
    std::string ausgabe;
    ASSERT_EQ(KurvenkommandoAusfuehren(Args({"--curve", "t", "t", "aus.vks"}), z, r, ausgabe), 0);
    EXPECT_EQ(ausgabe, "aus.vks");
    EXPECT_TRUE(r.meldungen.empty()) << r.Alle();
    const int n = z.Elemente.Anzahl();
    ASSERT_NEAR(n, 14, 1);
    EXPECT_EQ(z.Elemente[1].x1, 0);
    EXPECT_EQ(z.Elemente[n].x2, 10);
    EXPECT_EQ(z.Elemente[n].y2, 10);
    for (const auto& e : z.Elemente) {
        EXPECT_TRUE(e.gepickt);
        EXPECT_EQ(e.Breite, 1);
    }
    EXPECT_TRUE(z.Dialog.Clipaktiv);
    EXPECT_EQ(z.Dialog.ClipUnten, -1);
    EXPECT_EQ(z.Dialog.ClipRechts, 200);
}

TEST(Kurvenkommando, AlleOptionen) {
    Kurvenkommando k;
    ASSERT_EQ(Lesen(Args({"--curve",  "-t",   "t^2",       "--z",           "-n",        "--axis-front",
                          "--t0",     "-pi",  "--t1",      "2*n",           "--n0",      "-2",
                          "--n1",     "3",    "--control", "direction",     "--chord",   "0.5",
                          "--angle",  "90",   "--dt",      "1e-2",          "--pattern", "2,1,0,3",
                          "--offset", "-5,7", "--clip",    "-10,20,-30,40", "b.VKX"}),
                    k),
              "");
    EXPECT_EQ(k.Parameter.xText, "-t");
    EXPECT_EQ(k.Parameter.zText, "-n");
    EXPECT_TRUE(k.Parameter.dreiD);
    EXPECT_TRUE(k.Parameter.XAchseVorn);
    EXPECT_EQ(k.Parameter.t0Text, "-pi");
    EXPECT_EQ(k.Parameter.t1Text, "2*n");
    EXPECT_EQ(k.n0, -2);
    EXPECT_EQ(k.n1, 3);
    EXPECT_EQ(k.Parameter.Kontrollart, KontrolleRichtung);
    EXPECT_EQ(k.Parameter.Strichlaenge, 0.5);
    EXPECT_DOUBLE_EQ(k.Parameter.Winkeldifferenz, std::numbers::pi / 2);
    EXPECT_EQ(k.Parameter.Deltat, 0.01);
    EXPECT_EQ(k.Muster, (Phasenlaengen{2, 1, 0, 3}));
    EXPECT_EQ(k.VersatzX, -5);
    EXPECT_EQ(k.VersatzY, 7);
    EXPECT_EQ(k.ClipUnten, -10);
    EXPECT_EQ(k.ClipOben, 20);
    EXPECT_EQ(k.ClipLinks, -30);
    EXPECT_EQ(k.ClipRechts, 40);
    EXPECT_EQ(k.Ausgabe, "b.VKX");
    ASSERT_EQ(Lesen(Args({"--curve", "t", "t", "--no-clip", "--control", "none", "c.vkp"}), k), "");
    EXPECT_FALSE(k.Clipaktiv);
    EXPECT_EQ(k.Parameter.Kontrollart, KontrolleKeine);
}

TEST(Kurvenkommando, FalscherAufrufWirdKlarBenannt) {
    struct Fall {
        std::vector<std::string> args;
        std::string meldung;
    };
    const Fall faelle[] = {
        {Args({"--curve", "t"}), "--curve braucht die Formeln X und Y."},
        {Args({"--curve", "t", "t"}), "Die Ausgabedatei fehlt."},
        {Args({"--curve", "t", "t", "a.vks", "b.vks"}), "Überzähliges Argument: b.vks"},
        {Args({"--curve", "t", "t", "a.txt"}), "Die Ausgabedatei muss auf .vks, .vkx oder .vkp enden: a.txt"},
        {Args({"--curve", "t", "t", "--bunt", "a.vks"}), "Unbekannte Option: --bunt"},
        {Args({"--curve", "t", "t", "a.vks", "--t1"}), "Nach --t1 fehlt ein Wert."},
        {Args({"--curve", "t", "t", "--n0", "1.5", "a.vks"}), "--n0 erwartet eine ganze Zahl, nicht „1.5“."},
        {Args({"--curve", "t", "t", "--n1", "9999999999", "a.vks"}),
         "--n1 erwartet eine ganze Zahl, nicht „9999999999“."},
        {Args({"--curve", "t", "t", "--chord", "0", "a.vks"}),
         "--chord erwartet eine Zahl größer als 0, nicht „0“."},
        {Args({"--curve", "t", "t", "--angle", "-5", "a.vks"}),
         "--angle erwartet eine Zahl größer als 0, nicht „-5“."},
        {Args({"--curve", "t", "t", "--dt", "1,5", "a.vks"}),
         "--dt erwartet eine Zahl größer als 0, nicht „1,5“."},
        {Args({"--curve", "t", "t", "--control", "Länge", "a.vks"}),
         "--control erwartet length, direction oder none, nicht „Länge“."},
        {Args({"--curve", "t", "t", "--pattern", "1,0,0", "a.vks"}),
         "--pattern erwartet vier ganze Zahlen ab 0 mit Kommas dazwischen, nicht „1,0,0“."},
        {Args({"--curve", "t", "t", "--pattern", "1,-1,0,0", "a.vks"}),
         "--pattern erwartet vier ganze Zahlen ab 0 mit Kommas dazwischen, nicht „1,-1,0,0“."},
        {Args({"--curve", "t", "t", "--offset", "1,2,3", "a.vks"}),
         "--offset erwartet 2 ganze Zahlen mit Kommas dazwischen, nicht „1,2,3“."},
        {Args({"--curve", "t", "t", "--clip", "1,2,,4", "a.vks"}),
         "--clip erwartet 4 ganze Zahlen mit Kommas dazwischen, nicht „1,2,,4“."},
        {Args({"--curve", "t", "t", "--clip", "1,2,3,4", "--no-clip", "a.vks"}),
         "--clip und --no-clip schließen einander aus."},
    };
    for (const Fall& f : faelle) {
        Kurvenkommando k;
        EXPECT_EQ(Lesen(f.args, k), f.meldung);
        Zeichnung z;
        Rekorder r;
        std::string ausgabe;
        EXPECT_EQ(KurvenkommandoAusfuehren(f.args, z, r, ausgabe), 2) << f.meldung;
        EXPECT_TRUE(ausgabe.empty());
        ASSERT_EQ(r.meldungen.size(), 2u);
        EXPECT_EQ(r.meldungen[0].art, Meldungsart::Fehler);
        EXPECT_EQ(r.meldungen[0].text, f.meldung);
        EXPECT_EQ(r.meldungen[1].text.rfind("Aufruf: vektra32-convert --curve", 0), 0u);
        EXPECT_EQ(z.Elemente.Anzahl(), 0);
    }
}

TEST(Kurvenkommando, ZeichnetJedesNMitClipUndVersatz) {
    Zeichnung z;
    Rekorder r;
    std::string ausgabe;
    const auto args = Args({"--curve", "t", "n", "--n0", "1", "--n1", "3", "--control", "none", "--dt", "0.5",
                            "--offset", "2,0", "--clip", "-1,25,-1,200", "kurve.vks"});
    ASSERT_EQ(KurvenkommandoAusfuehren(args, z, r, ausgabe), 0) << r.Alle();
    EXPECT_EQ(ausgabe, "kurve.vks");
    EXPECT_TRUE(r.meldungen.empty()) << r.Alle();
    // Heights 10 and 20 lie inside, 30 above the top bound 25.
    ASSERT_EQ(z.Elemente.Anzahl(), 4);
    EXPECT_EQ(z.Elemente[1].x1, 2);
    EXPECT_EQ(z.Elemente[4].x2, 12);
    EXPECT_EQ(z.Elemente[4].y2, 20);
    EXPECT_TRUE(z.Dialog.Clipaktiv);
    EXPECT_EQ(z.Dialog.ClipOben, 25);
}

TEST(Kurvenkommando, FehlerBeimZeichnen) {
    // A syntax error names position and code and ends with 1.
    {
        Zeichnung z;
        Rekorder r;
        std::string ausgabe;
        EXPECT_EQ(KurvenkommandoAusfuehren(Args({"--curve", "t", "sin t", "a.vks"}), z, r, ausgabe), 1);
        ASSERT_EQ(r.meldungen.size(), 1u);
        EXPECT_EQ(r.meldungen[0].text, "Fehler im y-Text an Stelle 5 (Fehlercode 2)");
        EXPECT_TRUE(ausgabe.empty());
    }
    // A floating-point fault ends the run with 1 too.
    {
        Zeichnung z;
        Rekorder r;
        std::string ausgabe;
        EXPECT_EQ(
            KurvenkommandoAusfuehren(Args({"--curve", "ln(t)", "t", "--no-clip", "a.vks"}), z, r, ausgabe),
            1);
        ASSERT_EQ(r.meldungen.size(), 1u);
        EXPECT_EQ(r.meldungen[0].text, "Rechenfehler in ln im x-Text bei n = 1 und t =   0.00");
        EXPECT_EQ(z.Elemente.Anzahl(), 0);
    }
    // A report about one n is shown and the plot goes on: the result is kept.
    {
        Zeichnung z;
        Rekorder r;
        std::string ausgabe;
        EXPECT_EQ(KurvenkommandoAusfuehren(Args({"--curve", "t", "t", "--t1", "100", "--control", "direction",
                                                 "--n1", "2", "--no-clip", "a.vks"}),
                                           z, r, ausgabe),
                  0);
        ASSERT_EQ(r.meldungen.size(), 2u);
        EXPECT_EQ(r.meldungen[1].text, "Fehler im Sekantenverfahren  bei n:string=2 und t:string=   0.00");
        EXPECT_EQ(ausgabe, "a.vks");
    }
}
