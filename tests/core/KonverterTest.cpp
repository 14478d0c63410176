#include "Konverter.h"
#include "Cairoausgaben.h"
#include "Kurvenkommando.h"
#include "Testhilfe.h"
#include "files/Zeichnungsdatei.h"

#include <new>
#include <numbers>
#include <set>
#include <sstream>
#include <stdexcept>

using namespace testhilfe;
namespace fs = std::filesystem;

namespace {

// The names of the folder's files, sorted, a line each.
std::string Dateien(const fs::path& ordner) {
    std::set<std::string> namen;
    for (const auto& e : fs::directory_iterator(ordner))
        namen.insert(e.path().filename().string());
    std::string t;
    for (const auto& n : namen)
        t += n + "\n";
    return t;
}

std::exception_ptr geworfen;

// A preview writer that throws `geworfen`.
int Werfen(Zeichnung&, const std::string&, Ausgabeart, Meldungen&, double, Textkodierung) {
    std::rethrow_exception(geworfen);
}

} // namespace

TEST(KonverterAufrufe, FaelleAusDerDatei) {
    for (Fall f : Faelle(VEKTRA_TESTDATA "/faelle/aufrufe.txt")) {
        std::vector<std::string> args;
        std::istringstream zeilen(f["aufruf"]);
        for (std::string a; std::getline(zeilen, a);)
            args.push_back(a);
        for (const bool cairo : {true, false}) {
            Ordner o;
            for (const auto& [feld, inhalt] : f)
                if (feld.starts_with("datei "))
                    o.Ablegen(feld.substr(6), inhalt);
                else if (feld.starts_with("testdatei "))
                    fs::copy_file(VEKTRA_TESTDATA "/" + feld.substr(10), o.Datei(feld.substr(10)));
            const std::string eingaben = Dateien(o.pfad);
            const fs::path vorher = fs::current_path();
            fs::current_path(o.pfad);
            std::ostringstream aus, err;
            const int code = Konvertieren(args, aus, err, cairo ? CairoausgabeSchreiben : nullptr);
            fs::current_path(vorher);
            // Without cairo a call for an output drawn with cairo is handed on untouched.
            const bool weiter = !cairo && f.contains("ohne cairo");
            const std::string name = f["###"] + (cairo ? "" : " (ohne cairo)");
            EXPECT_EQ(std::to_string(code) + "\n", f[weiter ? "ohne cairo" : "code"]) << name;
            EXPECT_EQ(aus.str() + err.str(), weiter ? "" : f["meldungen"]) << name; // nothing on stdout
            EXPECT_EQ(Dateien(o.pfad), weiter || !f.contains("dateien") ? eingaben : f["dateien"]) << name;
            for (const auto& [feld, inhalt] : f)
                EXPECT_TRUE(weiter || !feld.starts_with("inhalt ") ||
                            DateiInhalt(o.Datei(feld.substr(7))) == inhalt)
                    << name << ": " << feld << "\n"
                    << DateiInhalt(o.Datei(feld.substr(7)));
            std::istringstream elemente(f["elemente"]);
            std::string datei;
            Zeichnung z;
            Protokoll p;
            int n = -1;
            elemente >> datei >> n;
            EXPECT_TRUE(
                weiter || n < 0 ||
                (ZeichnungLesenDatei(o.Datei(datei), z, p) == Leseergebnis::Ok && z.Elemente.Anzahl() == n))
                << name << ": " << z.Elemente.Anzahl();
        }
    }
}

TEST(Konverter, HilfeVersionUndZeichnungInJederSchreibweise) {
    std::ostringstream aus, err;
    EXPECT_EQ(Konvertieren(std::vector<std::string>{"--help"}, aus, err, nullptr), KonvertiertOk);
    EXPECT_TRUE(aus.str().starts_with(
        "Aufruf: vektra32-convert [--ref X,Y | --scale PX] [--utf8 | --cp1252] [--standalone]\n"));
    // The version is the project's, from the build.
    aus.str("");
    EXPECT_EQ(Konvertieren(std::vector<std::string>{"--version"}, aus, err, nullptr), KonvertiertOk);
    EXPECT_EQ(aus.str(), "vektra32-convert (Vektra32) Version 4.4.1.7\n");
    // A drawing named in any letter case is read as one and exported as the sample's golden
    // file says, replacing the old file; what needs cairo is handed on without it.
    Ordner o;
    Zeichnung z = Beispielzeichnung();
    Protokoll p;
    ASSERT_TRUE(ZeichnungSchreibenDatei(o.Datei("z.VKS"), z, p));
    o.Ablegen("b.vkx", "alt");
    EXPECT_EQ(Konvertieren(std::vector{o.Datei("z.VKS"), o.Datei("b.vkx")}, aus, err, nullptr),
              KonvertiertOk);
    EXPECT_EQ(DateiInhalt(o.Datei("b.vkx")), DateiInhalt(VEKTRA_TESTDATA "/beispiel.vkx"));
    EXPECT_EQ(AusgabeSchreiben(z, o.Datei("b.vkp"), p, nullptr), CairoNoetig);
    EXPECT_FALSE(fs::exists(o.Datei("b.vkp")) || fs::exists(o.Datei("b.ps")) || !err.str().empty());
}

TEST(Kurvenkommando, OptionenWerdenGelesen) {
    Kurvenkommando k;
    std::string fehler;
    ASSERT_TRUE(KurvenkommandoLesen(std::vector<std::string>{"--curve", "t", "t", "--z", "-n", "--axis-front",
                                                             "--t0", "-pi", "--control", "direction",
                                                             "--angle", "90", "--pattern", "2,1,0,3",
                                                             "--clip", "-10,20,-30,40", "b.VKX"},
                                    k, fehler))
        << fehler;
    EXPECT_TRUE(k.Parameter.dreiD && k.Parameter.XAchseVorn && k.Parameter.Kontrollart == KontrolleRichtung);
    EXPECT_EQ(std::tie(k.Parameter.zText, k.Parameter.t0Text, k.Ausgabe), std::tuple("-n", "-pi", "b.VKX"));
    EXPECT_DOUBLE_EQ(k.Parameter.Winkeldifferenz, std::numbers::pi / 2);
    EXPECT_EQ(k.Muster, (Phasenlaengen{2, 1, 0, 3}));
    EXPECT_EQ((std::array{k.ClipUnten, k.ClipOben, k.ClipLinks, k.ClipRechts}),
              (std::array{-10, 20, -30, 40}));
}

// An exception that ends a conversion is reported in the program's words or with its own text,
// and the converter ends with exit code 1.
TEST(Abbruch, AusnahmeBeendetDenKonverterMitMeldung) {
    const std::pair<std::exception_ptr, std::string> faelle[] = {
        {std::make_exception_ptr(std::bad_alloc()), "Abgebrochen: nicht genug Speicher\n"},
        {std::make_exception_ptr(std::runtime_error("Gerät fort")), "Abgebrochen: Gerät fort\n"},
        {std::make_exception_ptr(7), "Abgebrochen: unbekannter Fehler\n"}};
    Ordner o;
    o.Ablegen("a.pic", "\\put(1,2){\\circle{3}}\n");
    for (const auto& [ausnahme, meldung] : faelle) {
        geworfen = ausnahme;
        std::ostringstream aus, err;
        EXPECT_EQ(Konvertieren(std::vector{o.Datei("a.pic"), o.Datei("a.svg")}, aus, err, Werfen),
                  KonvertiertNicht);
        EXPECT_EQ(aus.str() + err.str(), meldung);
    }
}
