#include "Cairoausgaben.h"
#include "Konverter.h"
#include "Testhilfe.h"
#include "files/ExportGemeinsam.h"
#include "files/LatexExport.h"
#include "files/PsExport.h"

#include <algorithm>
#include <sstream>

using namespace testhilfe;
namespace fs = std::filesystem;

namespace {

std::string Export(const Zeichnung& z) {
    std::ostringstream aus;
    Protokoll p;
    EXPECT_TRUE(LatexExportieren(z, aus, p));
    EXPECT_TRUE(p.liste.empty()) << p.Texte();
    return aus.str();
}

const std::string Schreibfaelle = VEKTRA_TESTDATA "/faelle/schreiben.txt";

} // namespace

TEST(Export, BeispielzeichnungGleichtDenGoldenenDateien) {
    EXPECT_EQ(Export(Beispielzeichnung()), DateiInhalt(VEKTRA_TESTDATA "/beispiel.vkx"));
    std::ostringstream ps, treiber;
    Protokoll p;
    ASSERT_TRUE(PsExportieren(Beispielzeichnung(), ps, treiber, "beispiel", p));
    EXPECT_EQ(ps.str(), DateiInhalt(VEKTRA_TESTDATA "/beispiel.ps"));
    EXPECT_EQ(treiber.str(), DateiInhalt(VEKTRA_TESTDATA "/beispiel.vkp"));
}

TEST(Export, FaelleAusDerDatei) {
    for (Fall f : Faelle(VEKTRA_TESTDATA "/faelle/export.txt")) {
        Zeichnung z;
        ElementeAnhaengen(z.Elemente, f["zeichnung"]);
        if (!f["unitlength"].empty())
            z.Dialog.Unitlength = f["unitlength"].substr(0, f["unitlength"].size() - 1);
        std::ostringstream ps, treiber;
        Protokoll p;
        ASSERT_TRUE(PsExportieren(z, ps, treiber, "bild", p));
        std::string bild = Export(z), nachKopf = ps.str().substr(ps.str().find("\r\nnormal\r\n") + 10);
        std::erase(bild, '\r'), std::erase(nachKopf, '\r');
        EXPECT_EQ(bild.substr(bild.find("\\begin{picture}")), f["bild"]) << f["###"];
        EXPECT_EQ(nachKopf, f["ps"]) << f["###"];
    }
}

TEST(Export, GrosseZeichnungUndUeberlangeStuecke) {
    // Far more than one piece of the line buffer: every line arrives once, in the stream and in
    // the file alike.
    Zeichnung z;
    for (int i = 0; i < 6000; ++i)
        NeuerStrich(z, i * 0.37 - 500, i % 97, 0, 0);
    const std::string s = Export(z);
    EXPECT_EQ(std::ranges::count(s, '\n'), 11 + 6000); // head and end, and a line each
    EXPECT_TRUE(s.ends_with("\\emline{1719.26}{81.00}{1}{ 0.00}{ 0.00}{2}\r\n"
                            "\\emline{1719.63}{82.00}{1}{ 0.00}{ 0.00}{2}\r\n\\end{picture}\r\n"));
    Ordner o;
    Protokoll p;
    ASSERT_TRUE(LatexExportDatei(z, o.Datei("gross.vkx"), p));
    EXPECT_EQ(DateiInhalt(o.Datei("gross.vkx")), s);
    // Pieces larger than the buffer's room, numbers at its edge: all of it arrives in order.
    std::ostringstream aus;
    std::string erwartet;
    {
        Zeilenpuffer puffer(aus);
        for (std::size_t laenge : {10u, 70000u, 3u, 9000u, 65000u, 500u, 200000u}) {
            const std::string stueck(laenge, static_cast<char>('a' + laenge % 26));
            puffer << stueck << Zahl52{-1.005} << Zahl52{1e20} << Zeilenende{};
            erwartet += stueck + "-1.00" + "1" + std::string(20, '0') + ".00\r\n";
        }
    }
    EXPECT_EQ(aus.str(), erwartet);
}

TEST(Export, NurTeXLaengen) {
    const std::map<std::string, std::size_t> breite{{"duenn", 1}, {"normal", 2}, {"dick", 3}};
    for (const auto& f : Spalten(Feld(Schreibfaelle, "TeX-Längen"))) {
        Zeichnung z;
        NeuerStrich(z, 0, 0, 10, 10);
        const bool einheit = f[0] == "unitlength";
        (einheit ? z.Dialog.Unitlength : z.Dialog.TeXBreite[breite.at(f[0])]) = f[1];
        // Each export's line with the text, or its message.
        std::ostringstream bild, ps, treiber;
        Protokoll pb, pp;
        const std::string b = LatexExportieren(z, bild, pb) ? bild.str() : pb.Texte();
        const std::string p =
            PsExportieren(z, ps, treiber, "b", pp) ? (einheit ? treiber : ps).str() : pp.Texte();
        const std::string zeile =
            einheit ? "\\unitlength " + f[1] + "mm\r\n" : "\\def\\" + f[0] + "{" + f[1] + "pt}\r\n";
        const std::string pszeile = einheit ? zeile : "/" + f[0] + " {" + f[1] + " setlinewidth} def\r\n";
        const auto ergebnis = [](const std::string& aus, const std::string& z) {
            return aus.find(z) != std::string::npos ? "ok" : aus.substr(0, aus.size() - 1);
        };
        EXPECT_EQ(ergebnis(b, zeile), f[2]) << f[1];
        EXPECT_EQ(ergebnis(p, pszeile), f[3] == "=" ? f[2] : f[3]) << f[1];
    }
}

TEST(PsExport, DateienNebeneinanderMitNamenOhneOrdner) {
    Ordner o;
    std::filesystem::create_directories(o.Datei("unter.ordner"));
    Zeichnung z;
    NeuerStrich(z, 0, 0, 3, 4);
    Protokoll p;
    ASSERT_TRUE(PsExportDatei(z, o.Datei("unter.ordner/mein.bild.vkp"), p));
    const std::string t = DateiInhalt(o.Datei("unter.ordner/mein.bild.vkp"));
    EXPECT_NE(t.find("\\put(0,0){\\includegraphics{mein.bild.pdf}}\r\n"), std::string::npos);
    EXPECT_NE(t.find("\\put(0,0){\\special{psfile=mein.bild.ps}}\r\n"), std::string::npos);
    EXPECT_TRUE(DateiInhalt(o.Datei("unter.ordner/mein.bild.ps")).starts_with("%!PS-Adobe-2.0"));
}

// Every writer, reached through the converter's one entry: a file that cannot be written as asked
// is reported, and whatever stood at its place before stays as it was.
TEST(Schreibfehler, AlteDateienBleibenStehen) {
    std::map<std::string, Zeichnung> z;
    NeuerStrich(z["gut"], 0, 0, 10, 10).gepickt = true;
    z["leer"] = z["ebene"] = z["komma"] = z["breite"] = z["gross"] = z["pdf-ordner"] = z["gut"];
    z["leer"].Elemente[1].geloescht = true;
    z["ebene"].Elemente[1].Ebene = 11;
    z["komma"].Dialog.Unitlength = "1,5";
    z["breite"].Dialog.TeXBreite[2] = "d\374nn";
    NeuerStrich(z["gross"], 0, 0, 3000, 10);
    const std::map<std::string, Meldungsart> arten{
        {"I", Meldungsart::Information}, {"F", Meldungsart::Fehler}, {"S", Meldungsart::Schlicht}};
    const std::string alte[] = {"bild.vks", "bild.vkm", "bild.vkx", "bild.vkp",
                                "bild.ps",  "bild.svg", "bild.png", "bild.pdf"};
    for (const auto& f : Spalten(Feld(Schreibfaelle, "Schreibfehler"))) {
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
