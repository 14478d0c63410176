#include "Konverter.h"
#include "Cairoausgaben.h"
#include "Testhilfe.h"
#include "files/Makrodatei.h"
#include "files/Zeichnungsdatei.h"
#include "text/Texte.h"

#include <sstream>

using namespace testhilfe;
using namespace std::string_literals;
namespace fs = std::filesystem;

namespace {

class Konverter : public testing::Test {
  protected:
    // A run of the program with cairo, or with `cairo` false of the one without.
    int Aufruf(std::vector<std::string> args, bool cairo = true) {
        aus_.str(""), err_.str("");
        return Konvertieren(args, aus_, err_, cairo ? CairoausgabeSchreiben : nullptr);
    }
    std::string D(std::string_view name) const { return o_.Datei(name); }
    Zeichnung Gelesen(const std::string& name) {
        Zeichnung z;
        EXPECT_EQ(ZeichnungLesenDatei(D(name), z, p_), Leseergebnis::Ok);
        return z;
    }

    Ordner o_;
    Protokoll p_;
    std::ostringstream aus_, err_;
};

} // namespace

TEST_F(Konverter, FalscherAufrufUndHilfe) {
    // clang-format off
    const std::vector<std::string> falsch[] = {{"a.pic"}, {"a.pic", "b.vkx", "c"}, {"-x", "a.pic", "b.vkx"},
        {"a.pic", "b.tex"}, {}, {"a.vks", "b.vkm", "--ref"}, {"--ref", "1,2", "a.vks"}};
    // clang-format on
    for (const auto& args : falsch)
        EXPECT_EQ(Aufruf(args), FalscherAufruf) << args.size();
    EXPECT_EQ(err_.str(), T("v.KonvAufruf") + "\n");
    EXPECT_TRUE(aus_.str().empty());
    EXPECT_EQ(Aufruf({"a.pic", "b.tex"}), FalscherAufruf);
    EXPECT_NE(err_.str().find(T("v.KonvAusgabeUnbekannt") + "b.tex"), std::string::npos);

    EXPECT_EQ(Aufruf({"--help"}), KonvertiertOk);
    EXPECT_TRUE(aus_.str().starts_with(
        "Aufruf: vektra32-convert [--ref X,Y | --scale PX] [--utf8] EINGABE AUSGABE\n"));
    EXPECT_TRUE(err_.str().empty());
}

TEST_F(Konverter, OhneCairoBleibtEineCairoausgabeUngelesenUndUngeschrieben) {
    // The program without cairo learns, after the arguments are checked and before the input is
    // read, that the call is for the one with cairo: the input need not even exist.
    const std::string fehlt = D("fehlt.vks");
    const std::vector<std::string> aufrufe[] = {{fehlt, D("a.vkp")},
                                                {fehlt, D("a.SVG")},
                                                {fehlt, D("a.pdf")},
                                                {"--scale", "3", fehlt, D("a.png")},
                                                {"--curve", "t", "sqrt(2-n)", "--n1", "5", D("k.vkp")}};
    for (const auto& args : aufrufe) {
        EXPECT_EQ(Aufruf(args, false), CairoNoetig) << args.back();
        EXPECT_TRUE(err_.str().empty()) << err_.str();
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(o_.pfad), {}), 0);

    // A wrong call is answered without cairo; what needs none is written without it.
    EXPECT_EQ(Aufruf({"--scale", "0", fehlt, "a.png"}, false), FalscherAufruf);
    EXPECT_EQ(Aufruf({"--curve", "t", "t", "--n1", "x", "k.vkp"}, false), FalscherAufruf);
    EXPECT_EQ(Aufruf({"--curve", "t", "t", "--t1", "5", D("k.vkx")}, false), KonvertiertOk);
    Zeichnung z = Beispielzeichnung();
    EXPECT_EQ(AusgabeSchreiben(z, D("b.vks"), p_, nullptr), KonvertiertOk);
    EXPECT_EQ(AusgabeSchreiben(z, D("b.vkp"), p_, nullptr), CairoNoetig);
    EXPECT_EQ(std::distance(fs::directory_iterator(o_.pfad), {}), 2);
    EXPECT_TRUE(p_.liste.empty());
}

TEST_F(Konverter, BildWirdZuAllenAusgaben) {
    o_.Ablegen("ein.pic", "\\unitlength 0.5mm\r\n\\def\\dick{2pt}\r\n\\special{em:linewidth 1pt}\r\n"
                          "\\emline{0}{0}{1}{10}{5}{2}\r\n\\put(5,5){\\circle*{2}}\r\n");
    ASSERT_EQ(Aufruf({D("ein.pic"), D("aus.vkx")}), KonvertiertOk);
    EXPECT_TRUE(err_.str().empty());
    // The export takes the unit length and width definitions the picture set.
    const std::string vkx = DateiInhalt(D("aus.vkx"));
    for (const char* zeilen :
         {"\\def\\dick{2pt}\r\n", "\\unitlength 0.5mm\r\n",
          "\\special{em:linewidth \\dick}\r\n\\emline{ 0.00}{ 0.00}{1}{10.00}{ 5.00}{2}\r\n"
          "\\put( 5.00, 5.00){\\circle*{ 2.00}}\r\n"})
        EXPECT_NE(vkx.find(zeilen), std::string::npos) << zeilen;

    ASSERT_EQ(Aufruf({D("ein.pic"), D("aus.VKP")}), KonvertiertOk);
    EXPECT_NE(DateiInhalt(D("aus.VKP")).find("psfile=aus.ps}"), std::string::npos);
    EXPECT_NE(DateiInhalt(D("aus.ps")).find(" 7.09  7.09  1.42 0 360 arc\r\nfill\r\n"), std::string::npos);

    ASSERT_EQ(Aufruf({D("ein.pic"), D("aus.vks")}), KonvertiertOk);
    const Zeichnung z = Gelesen("aus.vks");
    EXPECT_TRUE(z.Elemente.Anzahl() == 2 && z.Elemente[1].Breite == 2 && z.Dialog.Unitlength == "0.5");

    // Native in, picture out, whatever the letter case of ".vks"; an existing output is replaced.
    fs::rename(D("aus.vks"), D("nativ.VKS"));
    o_.Ablegen("wieder.vkx", "alt");
    ASSERT_EQ(Aufruf({D("nativ.VKS"), D("wieder.vkx")}), KonvertiertOk);
    EXPECT_EQ(DateiInhalt(D("wieder.vkx")), vkx);
}

TEST_F(Konverter, MeldungenUndExitcodes) {
    o_.Ablegen("fehler.pic", "\\begin{picture}(1,1)\n\\emline{+1}{2}{1}{3}{4}{2}\n");
    EXPECT_EQ(Aufruf({D("fehler.pic"), D("aus.vkx")}), KonvertiertOk);
    const std::string f = D("fehler.pic");
    EXPECT_EQ(err_.str(),
              f + ":2: ungültiger Format in Zeile 2\n" + f + ":2: Typumwandlungsfehler in Zeile 2\n");

    // Lines passed over are named once, after the file's name.
    o_.Ablegen("fremd.pic",
               "\\documentclass{article}\n\\begin{document}\n\\put(0,0){\\circle{1}}\n\\end{document}\n");
    EXPECT_EQ(Aufruf({D("fremd.pic"), D("aus.vkx")}), KonvertiertOk);
    EXPECT_EQ(err_.str(), D("fremd.pic") + ": Nicht gelesene Befehle übersprungen, Zeilen: 1–2, 4\n");

    // Nothing to write: the message and exit 1, no file.
    o_.Ablegen("leer.pic", "\\begin{picture}(1,1)\n\\end{picture}\n");
    for (const char* aus : {"leer.vkx", "leer.vks", "leer.vkp"}) {
        EXPECT_EQ(Aufruf({D("leer.pic"), D(aus)}), KonvertiertNicht);
        EXPECT_EQ(err_.str(), D("leer.pic") + ": Keine Zeichnung\n");
        EXPECT_FALSE(fs::exists(D(aus)));
    }
    EXPECT_FALSE(fs::exists(D("leer.ps")));

    // Unreadable input: named once, exit 1.
    const std::string fehlt = D("fehlt.pic");
    EXPECT_EQ(Aufruf({fehlt, D("aus2.vkx")}), KonvertiertNicht);
    EXPECT_TRUE(err_.str().starts_with(fehlt + ": " + T("v.LesenFehlgeschlagen")));
    EXPECT_EQ(err_.str().find(fehlt + ": " + fehlt), std::string::npos);
    EXPECT_FALSE(fs::exists(D("aus2.vkx")));

    // An output that cannot be written is reported with exit 1.
    Zeichnung z = Beispielzeichnung();
    EXPECT_EQ(AusgabeSchreiben(z, D("fehlt/b.vkp"), p_, CairoausgabeSchreiben), KonvertiertNicht);
    EXPECT_EQ(p_.liste.size(), 1u);
}

TEST_F(Konverter, KurveWirdGezeichnetUndGeschrieben) {
    // A quarter circle of radius 5 at the plotter's curve scale 10, written and read back.
    EXPECT_EQ(Aufruf({"--curve", "5*cos(t)", "5*sin(t)", "--t1", "1.5707963", "--chord", "2", D("k.vks")}),
              KonvertiertOk)
        << err_.str();
    const Zeichnung z = Gelesen("k.vks");
    ASSERT_GT(z.Elemente.Anzahl(), 30);
    EXPECT_NEAR(z.Elemente[z.Elemente.Anzahl()].y2, 50, 1e-6);
    // A formula syntax error writes nothing, named after the option.
    EXPECT_EQ(Aufruf({"--curve", "t+", "t", D("y.vkx")}), KonvertiertNicht);
    EXPECT_TRUE(err_.str().starts_with("--curve: ") && !fs::exists(D("y.vkx"))) << err_.str();
    // A fault at n = 3 ends the run: what n = 1 and 2 made is written, with its own exit code.
    EXPECT_EQ(Aufruf({"--curve", "t", "sqrt(2-n)", "--n1", "5", D("teil.vks")}), KonvertiertUnvollstaendig);
    const Zeichnung teil = Gelesen("teil.vks");
    EXPECT_TRUE(teil.Elemente.Anzahl() > 0 && teil.Elemente[teil.Elemente.Anzahl()].y2 == 0);
}

TEST_F(Konverter, MacroHinUndZurueck) {
    // A drawing with a picked line, a picked but deleted circle and an unpicked text.
    Zeichnung z;
    NeuerStrich(z, 1, 2, 3, 4, 2).gepickt = true;
    TElement& weg = NeuerKreis(z, 5, 5, 2, true);
    std::tie(weg.gepickt, weg.geloescht) = std::pair(true, true);
    NeuerText(z, 0, 0, "nicht gewählt");
    ASSERT_TRUE(ZeichnungSchreibenDatei(D("z.vks"), z, p_));

    // .vks to .vkm: the reference point from --ref, which may stand before the names, or 0,0.
    ASSERT_EQ(Aufruf({"--ref", "-2.5,1e1", D("z.vks"), D("m.vkm")}), KonvertiertOk) << err_.str();
    ASSERT_EQ(Aufruf({D("z.vks"), D("null.VKM")}), KonvertiertOk);
    for (const auto& [name, rx, ry] : {std::tuple{"m.vkm", -2.5, 10.0}, {"null.VKM", 0.0, 0.0}}) {
        Makro makro;
        ASSERT_TRUE(MakroLesenDatei(D(name), makro, p_));
        ASSERT_EQ(makro.Elemente.size(), 1u);
        EXPECT_TRUE(makro.BezugX == rx && makro.BezugY == ry && makro.Elemente[0].y2 == 4) << name;
    }

    // .vkm to a picture: the elements where the macro stored them.
    ASSERT_EQ(Aufruf({D("m.vkm"), D("m.vkx")}), KonvertiertOk) << err_.str();
    EXPECT_NE(DateiInhalt(D("m.vkx")).find("\\emline{ 1.00}{ 2.00}{1}{ 3.00}{ 4.00}{2}"), std::string::npos);
    ASSERT_EQ(Aufruf({D("m.vkm"), D("m.vks")}), KonvertiertOk);
    const Zeichnung wieder = Gelesen("m.vks");
    EXPECT_TRUE(wieder.Elemente.Anzahl() == 1 && wieder.Elemente[1].gepickt && wieder.Elemente[1].x1 == 1);

    // Nothing picked, a bad or misplaced --ref, a damaged macro.
    o_.Ablegen("ein.pic", "\\emline{0}{0}{1}{10}{5}{2}\r\n");
    EXPECT_EQ(Aufruf({D("ein.pic"), D("leer.vkm")}), KonvertiertNicht);
    EXPECT_EQ(err_.str(), D("ein.pic") + ": Nicht markiert\n");
    EXPECT_FALSE(fs::exists(D("leer.vkm")));
    for (const char* ref : {"1", "1,2,3", "a,b"}) {
        EXPECT_EQ(Aufruf({D("z.vks"), D("x.vkm"), "--ref", ref}), FalscherAufruf);
        EXPECT_EQ(err_.str(), "--ref erwartet zwei Zahlen mit Komma dazwischen, nicht „"s + ref + "“.\n");
    }
    EXPECT_EQ(Aufruf({D("z.vks"), D("x.vkx"), "--ref", "1,2"}), FalscherAufruf);
    EXPECT_EQ(err_.str(), T("v.KonvRefOhneMakro") + "\n");
    EXPECT_FALSE(fs::exists(D("x.vkm")) || fs::exists(D("x.vkx")));
    o_.Ablegen("kaputt.vkm", "\x01\0\0\0"s);
    EXPECT_EQ(Aufruf({D("kaputt.vkm"), D("k.vks")}), KonvertiertNicht);
    EXPECT_EQ(err_.str(), D("kaputt.vkm") + ": Die Datei endet unerwartet nach 4 Bytes.\n");
}

TEST_F(Konverter, TexteAlsUtf8) {
    // Umlauts, ß and the euro sign are single cp1252 bytes; --utf8 writes them as UTF-8 in the
    // picture code and in the wrapper and changes no other byte of any file.
    Zeichnung z = Beispielzeichnung();
    NeuerText(z, 3, 4, "\xC4pfel \x80 5", "bl");
    ASSERT_TRUE(ZeichnungSchreibenDatei(D("z.vks"), z, p_));
    const std::pair<std::string, std::string> ersetzt[] = {{"Gr\xF6\xDF", "Gr\xC3\xB6\xC3\x9F"},
                                                           {"\xC4pfel \x80", "\xC3\x84pfel \xE2\x82\xAC"}};
    for (const char* endung : {".vkx", ".vkp"}) {
        ASSERT_EQ(Aufruf({D("z.vks"), D("cp"s + endung)}), KonvertiertOk) << err_.str();
        ASSERT_EQ(Aufruf({"--utf8", D("z.vks"), D("utf"s + endung)}), KonvertiertOk) << err_.str();
        std::string erwartet = DateiInhalt(D("cp"s + endung));
        for (const auto& [alt, neu] : ersetzt) {
            const auto stelle = erwartet.find("]{" + alt);
            ASSERT_NE(stelle, std::string::npos) << endung << " " << alt;
            erwartet.replace(stelle + 2, alt.size(), neu);
        }
        // The wrapper names its own graphic.
        for (const std::string name : {"{cp.pdf}", "=cp.ps}"})
            if (const auto stelle = erwartet.find(name); stelle != std::string::npos)
                erwartet.replace(stelle + 1, 2, "utf");
        EXPECT_EQ(DateiInhalt(D("utf"s + endung)), erwartet) << endung;
    }
    EXPECT_EQ(DateiInhalt(D("utf.ps")), DateiInhalt(D("cp.ps")));

    // Only picture code and wrapper carry LaTeX texts.
    for (const char* aus : {"x.vks", "x.svg", "x.vkm"}) {
        EXPECT_EQ(Aufruf({D("z.vks"), D(aus), "--utf8"}), FalscherAufruf);
        EXPECT_EQ(err_.str(), T("v.KonvUtf8OhneLatex") + "\n");
        EXPECT_FALSE(fs::exists(D(aus)));
    }
}
