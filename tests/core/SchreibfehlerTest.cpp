// Every writer of the program, reached through the converter's one entry: a file that cannot be
// written as asked is reported, and whatever stood at its place before stays as it was.
#include "Aufraeumen.h"
#include "Cairoausgaben.h"
#include "Konverter.h"
#include "Testhilfe.h"

using namespace testhilfe;
namespace fs = std::filesystem;

namespace {

const std::string Datei = VEKTRA_TESTDATA "/faelle/schreiben.txt";

// The previews paint with cairo: its and fontconfig's caches are freed at the end, so the leak
// checker sees only leaks of the program itself.
class Renderumgebung : public testing::Environment {
    void TearDown() override { RenderAufraeumen(); }
};
const testing::Environment* const umgebung = testing::AddGlobalTestEnvironment(new Renderumgebung);

} // namespace

TEST(Schreibfehler, AlteDateienBleibenStehen) {
    std::map<std::string, Zeichnung> z;
    NeuerStrich(z["gut"], 0, 0, 10, 10).gepickt = true;
    z["leer"] = z["komma"] = z["breite"] = z["gross"] = z["pdf-ordner"] = z["gut"];
    z["leer"].Elemente[1].geloescht = true;
    z["komma"].Dialog.Unitlength = "1,5";
    z["breite"].Dialog.TeXBreite[2] = "d\374nn";
    NeuerStrich(z["gross"], 0, 0, 3000, 10);
    const std::map<std::string, Meldungsart> arten{
        {"I", Meldungsart::Information}, {"F", Meldungsart::Fehler}, {"S", Meldungsart::Schlicht}};
    const std::string alte[] = {"bild.vks", "bild.vkm", "bild.vkx", "bild.vkp",
                                "bild.ps",  "bild.svg", "bild.png", "bild.pdf"};
    for (const auto& f : Spalten(Feld(Datei, "Schreibfehler"))) {
        Ordner o;
        for (const std::string& alt : alte)
            o.Ablegen(alt, "alt");
        const bool pdfOrdner = f[1] == "pdf-ordner";
        if (pdfOrdner) fs::remove(o.Datei("bild.pdf")), fs::create_directory(o.Datei("bild.pdf"));
        Protokoll p;
        EXPECT_EQ(AusgabeSchreiben(z[f[1]], o.Datei(f[0]), p, CairoausgabeSchreiben), std::stoi(f[2]))
            << f[4];
        std::string meldung = f[4];
        if (meldung.starts_with("$")) meldung.replace(0, 1, o.pfad.string());
        EXPECT_EQ(p.Texte(), meldung + "\n");
        EXPECT_TRUE(p.liste.size() == 1 && p.liste[0].art == arten.at(f[3])) << f[4];
        for (const std::string& alt : alte) {
            const bool neu = f[2] == "3" && (alt == "bild.vkp" || alt == "bild.ps");
            EXPECT_TRUE((pdfOrdner && alt == "bild.pdf") || (DateiInhalt(o.Datei(alt)) == "alt") != neu)
                << f[4] << ": " << alt;
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(o.pfad), {}), 8) << f[4];
    }
    // A good write replaces the old file and leaves nothing else behind.
    Ordner o;
    for (const std::string& alt : alte)
        o.Ablegen(alt, "alt");
    Protokoll p;
    for (const char* aus :
         {"bild.vks", "bild.vkm", "bild.vkx", "bild.vkp", "bild.svg", "bild.png", "bild.pdf"})
        EXPECT_EQ(AusgabeSchreiben(z["gut"], o.Datei(aus), p, CairoausgabeSchreiben), KonvertiertOk) << aus;
    for (const std::string& alt : alte)
        EXPECT_NE(DateiInhalt(o.Datei(alt)), "alt") << alt;
    EXPECT_TRUE(p.liste.empty()) << p.Texte();
    EXPECT_EQ(std::distance(fs::directory_iterator(o.pfad), {}), 8);
}
