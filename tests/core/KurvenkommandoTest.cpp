#include "Kurvenkommando.h"
#include "Konverter.h"
#include "Testhilfe.h"

#include <numbers>

using namespace testhilfe;

namespace {

std::vector<std::string> Args(std::initializer_list<const char*> a) {
    std::vector<std::string> v{"--curve", "t", "t"};
    v.insert(v.end(), a.begin(), a.end());
    return v;
}

struct Lauf {
    Zeichnung z;
    Protokoll r;
    std::string ausgabe;
    int code;
    explicit Lauf(const std::vector<std::string>& args)
        : code(KurvenkommandoAusfuehren(args, z, r, ausgabe)) {}
};

} // namespace

TEST(Kurvenkommando, OptionenUndFalscherAufruf) {
    Kurvenkommando k;
    std::string fehler;
    ASSERT_TRUE(KurvenkommandoLesen(
        Args({"--z", "-n", "--axis-front", "--t0", "-pi", "--control", "direction", "--angle", "90",
              "--pattern", "2,1,0,3", "--clip", "-10,20,-30,40", "b.VKX"}),
        k, fehler))
        << fehler;
    EXPECT_TRUE(k.Parameter.dreiD && k.Parameter.XAchseVorn && k.Parameter.Kontrollart == KontrolleRichtung);
    EXPECT_EQ(std::tie(k.Parameter.zText, k.Parameter.t0Text, k.Ausgabe), std::tuple("-n", "-pi", "b.VKX"));
    EXPECT_DOUBLE_EQ(k.Parameter.Winkeldifferenz, std::numbers::pi / 2);
    EXPECT_EQ(k.Muster, (Phasenlaengen{2, 1, 0, 3}));
    EXPECT_EQ((std::array{k.ClipUnten, k.ClipOben, k.ClipLinks, k.ClipRechts}),
              (std::array{-10, 20, -30, 40}));

    const std::pair<std::vector<std::string>, std::string> faelle[] = {
        {{"--curve", "t"}, "--curve braucht die Formeln X und Y."},
        {Args({}), "Die Ausgabedatei fehlt."},
        {Args({"a.vks", "b.vks"}), "Überzähliges Argument: b.vks"},
        {Args({"a.txt"}), "Die Ausgabedatei muss auf .vks, .vkx oder .vkp enden: a.txt"},
        {Args({"--bunt", "a.vks"}), "Unbekannte Option: --bunt"},
        {Args({"a.vks", "--t1"}), "Nach --t1 fehlt ein Wert."},
        {Args({"--n1", "9999999999", "a.vks"}), "--n1 erwartet eine ganze Zahl, nicht „9999999999“."},
        {Args({"--dt", "1,5", "a.vks"}), "--dt erwartet eine Zahl größer als 0, nicht „1,5“."},
        {Args({"--control", "Länge", "a.vks"}),
         "--control erwartet length, direction oder none, nicht „Länge“."},
        {Args({"--pattern", "1,-1,0,0", "a.vks"}),
         "--pattern erwartet vier ganze Zahlen ab 0 mit Kommas dazwischen, nicht „1,-1,0,0“."},
        {Args({"--clip", "1,2,3,4", "--no-clip", "a.vks"}), "--clip und --no-clip schließen einander aus."},
    };
    for (const auto& [args, meldung] : faelle) {
        Lauf l(args);
        ASSERT_EQ(l.r.liste.size(), 2u) << meldung;
        EXPECT_TRUE(l.code == 2 && l.ausgabe.empty() && l.z.Elemente.Anzahl() == 0) << meldung;
        EXPECT_EQ(l.r.liste[0].art, Meldungsart::Fehler);
        EXPECT_EQ(l.r.liste[0].text, meldung);
        EXPECT_TRUE(l.r.liste[1].text.starts_with("Aufruf: vektra32-convert --curve"));
    }
}

TEST(Kurvenkommando, ZeichnetJedesNMitClipUndVersatz) {
    Lauf l({"--curve", "t", "n", "--n0", "1", "--n1", "3", "--control", "none", "--dt", "0.5", "--offset",
            "2,0", "--clip", "-1,25,-1,200", "kurve.vks"});
    ASSERT_TRUE(l.code == 0 && l.r.liste.empty()) << l.r.Texte();
    EXPECT_EQ(l.ausgabe, "kurve.vks");
    // Heights 10 and 20 lie inside, 30 above the top bound 25.
    ASSERT_EQ(l.z.Elemente.Anzahl(), 4);
    EXPECT_TRUE(l.z.Elemente[1].x1 == 2 && l.z.Elemente[4].x2 == 12 && l.z.Elemente[4].y2 == 20);
    EXPECT_TRUE(l.z.Dialog.Clipaktiv && l.z.Dialog.ClipOben == 25);
}

TEST(Kurvenkommando, FehlerBeimZeichnen) {
    const std::string fehlen = "Unvollständig: die Kurven für n = ";
    struct Fall {
        std::vector<std::string> args;
        int code;
        std::string letzteMeldung;
        int elemente = 0; // -1: some
    };
    // clang-format off
    const Fall faelle[] = {
        // Ended before any element was made: nothing to write. A syntax error names position and
        // code; a fault at a later n whose earlier curves were all clipped away makes nothing too.
        {{"--curve", "t", "sin t", "a.vks"}, KonvertiertNicht, "Fehler im y-Text an Stelle 5 (Fehlercode 2)"},
        {{"--curve", "ln(t)", "t", "--no-clip", "a.vks"}, KonvertiertNicht,
         "Rechenfehler in ln im x-Text bei n = 1 und t =   0.00"},
        {{"--curve", "t-100", "sqrt(2-n)", "--n1", "3", "a.vks"}, KonvertiertNicht,
         "Rechenfehler in sqrt im y-Text bei n = 3 und t =   0.00"},
        // Ended early at a later n: the curves before it are kept and the gap is named.
        {Args({"--t1", "sqrt(3-n)", "--n1", "6", "a.vks"}), KonvertiertUnvollstaendig,
         fehlen + "4 bis 6 fehlen ganz oder teilweise.", -1},
        {Args({"--control", "none", "--dt", "0.00005", "--n1", "3", "--no-clip", "a.vks"}),
         KonvertiertUnvollstaendig, fehlen + "2 bis 3 fehlen ganz oder teilweise.", MaxElemente},
        // Refused before plotting.
        {Args({"--n0", "-5", "--n1", "31995", "a.vks"}), FalscherAufruf,
         "Zu viele Kurven: n von -5 bis 31995 ergibt 32001 Kurven; eine Zeichnung fasst höchstens 32000."},
        // A report about one n ends that curve only: the result counts as whole.
        {{"--curve", "8000*t", "n", "--t1", "2", "--control", "none", "--dt", "0.25", "--n1", "2", "--no-clip",
          "a.vks"}, KonvertiertOk, "Zu große Werte aufgetreten", 10}};
    // clang-format on
    for (const Fall& f : faelle) {
        Lauf l(f.args);
        ASSERT_FALSE(l.r.liste.empty());
        const bool geschrieben = f.code == KonvertiertOk || f.code == KonvertiertUnvollstaendig;
        EXPECT_EQ(std::tuple(l.code, l.r.liste.back().text, l.ausgabe),
                  std::tuple(f.code, f.letzteMeldung, geschrieben ? "a.vks" : ""));
        EXPECT_TRUE(f.elemente < 0 ? l.z.Elemente.Anzahl() > 0 : l.z.Elemente.Anzahl() == f.elemente)
            << f.letzteMeldung << ": " << l.z.Elemente.Anzahl();
    }
}
