// Every writer of the program, reached through the converter's one entry: a file that cannot be
// written as asked is reported, and whatever stood at its place before stays as it was.
#include "Aufraeumen.h"
#include "Cairoausgaben.h"
#include "Konverter.h"
#include "Testhilfe.h"

using namespace testhilfe;
namespace fs = std::filesystem;

namespace {

// The previews paint with cairo: its and fontconfig's caches are freed at the end, so the leak
// checker sees only leaks of the program itself.
class Renderumgebung : public testing::Environment {
    void TearDown() override { RenderAufraeumen(); }
};
const testing::Environment* const umgebung = testing::AddGlobalTestEnvironment(new Renderumgebung);

} // namespace

TEST(Schreibfehler, AlteDateienBleibenStehen) {
    Zeichnung gut, leer;
    NeuerStrich(gut, 0, 0, 10, 10).gepickt = true;
    NeuerStrich(leer, 0, 0, 10, 10).gepickt = true;
    leer.Elemente[1].geloescht = true;
    Zeichnung komma = gut, breite = gut, gross = gut;
    komma.Dialog.Unitlength = "1,5";
    breite.Dialog.TeXBreite[2] = "d\374nn";
    NeuerStrich(gross, 0, 0, 3000, 10);
    const std::string nichtDa = " (No such file or directory)";
    struct Fall {
        std::string ausgabe;
        const Zeichnung& z;
        int code;
        Meldungsart art;
        std::string meldung; // "$" stands for the folder
        bool pdfOrdner = false;
    };
    const auto I = Meldungsart::Information, F = Meldungsart::Fehler;
    // clang-format off
    const Fall faelle[] = {
        {"bild.vks", leer, 1, I, "Keine Zeichnung"}, {"bild.vkx", leer, 1, I, "Keine Zeichnung"},
        {"bild.vkp", leer, 1, I, "Keine Zeichnung"}, {"bild.svg", leer, 1, I, "Keine Zeichnung"},
        {"bild.png", leer, 1, I, "Keine Zeichnung"}, {"bild.pdf", leer, 1, I, "Keine Zeichnung"},
        {"bild.vkm", leer, 1, Meldungsart::Schlicht, "Nicht markiert"},
        {"bild.vkx", komma, 1, F, "Unitlength ist keine Zahl: 1,5"},
        {"bild.vkp", komma, 1, F, "Unitlength ist keine Zahl: 1,5"},
        {"bild.png", gross, 1, F,
         "$/bild.png: Das Bild wäre 27018 × 108 Pixel groß, erlaubt sind höchstens 10000 je Seite."},
        // The PDF beside the PostScript file fails alone: the wrapper and the PostScript are written.
        {"bild.vkp", breite, 3, F, "$/bild.pdf: TeX-Linienbreite ist keine Zahl: dünn"},
        {"bild.vkp", gut, 3, F, "$/bild.pdf: Datei kann nicht geschrieben werden (Is a directory)", true},
        {"fehlt/bild.vks", gut, 1, F, "$/fehlt/bild.vks: Die Datei lässt sich nicht schreiben" + nichtDa + "."},
        {"fehlt/bild.vkm", gut, 1, F, "$/fehlt/bild.vkm: Die Datei lässt sich nicht schreiben" + nichtDa + "."},
        {"fehlt/bild.vkx", gut, 1, F, "$/fehlt/bild.vkx: Datei kann nicht geschrieben werden" + nichtDa},
        {"fehlt/bild.vkp", gut, 1, F, "$/fehlt/bild.ps: Datei kann nicht geschrieben werden" + nichtDa},
        {"fehlt/bild.svg", gut, 1, F, "$/fehlt/bild.svg: Datei kann nicht geschrieben werden" + nichtDa},
        {"fehlt/bild.png", gut, 1, F, "$/fehlt/bild.png: Datei kann nicht geschrieben werden" + nichtDa},
        {"fehlt/bild.pdf", gut, 1, F, "$/fehlt/bild.pdf: Datei kann nicht geschrieben werden" + nichtDa}};
    // clang-format on
    const std::string alte[] = {"bild.vks", "bild.vkm", "bild.vkx", "bild.vkp",
                                "bild.ps",  "bild.svg", "bild.png", "bild.pdf"};
    for (const Fall& f : faelle) {
        Ordner o;
        for (const std::string& alt : alte)
            o.Ablegen(alt, "alt");
        if (f.pdfOrdner) fs::remove(o.Datei("bild.pdf")), fs::create_directory(o.Datei("bild.pdf"));
        Zeichnung z = f.z;
        Protokoll p;
        EXPECT_EQ(AusgabeSchreiben(z, o.Datei(f.ausgabe), p, CairoausgabeSchreiben), f.code) << f.meldung;
        std::string meldung = f.meldung;
        if (meldung.starts_with("$")) meldung.replace(0, 1, o.pfad.string());
        EXPECT_EQ(p.Texte(), meldung + "\n");
        EXPECT_TRUE(p.liste.size() == 1 && p.liste[0].art == f.art) << f.meldung;
        // Only the wrapper and the PostScript file are new when the PDF alone failed.
        for (const std::string& alt : alte) {
            const bool neu = f.code == 3 && (alt == "bild.vkp" || alt == "bild.ps");
            EXPECT_TRUE((f.pdfOrdner && alt == "bild.pdf") || (DateiInhalt(o.Datei(alt)) == "alt") != neu)
                << f.meldung << ": " << alt;
        }
        EXPECT_EQ(std::distance(fs::directory_iterator(o.pfad), {}), 8) << f.meldung;
    }
    // A good write replaces the old file and leaves nothing else behind.
    Ordner o;
    for (const std::string& alt : alte)
        o.Ablegen(alt, "alt");
    Protokoll p;
    for (const char* aus :
         {"bild.vks", "bild.vkm", "bild.vkx", "bild.vkp", "bild.svg", "bild.png", "bild.pdf"})
        EXPECT_EQ(AusgabeSchreiben(gut, o.Datei(aus), p, CairoausgabeSchreiben), KonvertiertOk) << aus;
    for (const std::string& alt : alte)
        EXPECT_NE(DateiInhalt(o.Datei(alt)), "alt") << alt;
    EXPECT_TRUE(p.liste.empty()) << p.Texte();
    EXPECT_EQ(std::distance(fs::directory_iterator(o.pfad), {}), 8);
}
