#include "Konverter.h"
#include "Testhilfe.h"
#include "files/Zeichnungsdatei.h"
#include "text/Texte.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

using namespace vektra;
using namespace testhilfe;
namespace fs = std::filesystem;

namespace {

class Konverter : public testing::Test {
  protected:
    std::string Pfad(const std::string& name) const { return o_.Datei(name); }
    void Schreiben(const std::string& name, const std::string& inhalt) const {
        std::ofstream(Pfad(name), std::ios::binary) << inhalt;
    }
    int Aufruf(std::vector<std::string> args) {
        aus_.str("");
        err_.str("");
        return Konvertieren(args, aus_, err_);
    }

    Ordner o_;
    std::ostringstream aus_, err_;
};

const std::string Bild = "\\unitlength 0.5mm\r\n"
                         "\\def\\dick{2pt}\r\n"
                         "\\special{em:linewidth 1pt}\r\n"
                         "\\emline{0}{0}{1}{10}{5}{2}\r\n"
                         "\\put(5,5){\\circle*{2}}\r\n";

} // namespace

TEST_F(Konverter, FalscherAufrufUndHilfe) {
    for (std::vector<std::string> args : std::vector<std::vector<std::string>>{
             {}, {"a.pic"}, {"a.pic", "b.vkx", "c"}, {"-x", "a.pic", "b.vkx"}, {"a.pic", "b.tex"}})
        EXPECT_EQ(Aufruf(args), FalscherAufruf) << args.size();
    EXPECT_NE(err_.str().find(T("v.KonvAusgabeUnbekannt") + "b.tex"), std::string::npos);
    EXPECT_TRUE(aus_.str().empty());
    EXPECT_EQ(Aufruf({}), FalscherAufruf);
    EXPECT_EQ(err_.str(), T("v.KonvAufruf") + "\n");

    EXPECT_EQ(Aufruf({"--help"}), KonvertiertOk);
    EXPECT_TRUE(aus_.str().starts_with("Aufruf: vektra32-convert EINGABE AUSGABE\n"));
    EXPECT_TRUE(err_.str().empty());
}

TEST_F(Konverter, BildWirdZuAllenAusgaben) {
    Schreiben("ein.pic", Bild);
    ASSERT_EQ(Aufruf({Pfad("ein.pic"), Pfad("aus.vkx")}), KonvertiertOk);
    EXPECT_TRUE(err_.str().empty());
    // The export takes the unit length and width definitions the picture set.
    const std::string vkx = DateiInhalt(Pfad("aus.vkx"));
    EXPECT_NE(vkx.find("\\def\\dick{2pt}\r\n"), std::string::npos);
    EXPECT_NE(vkx.find("\\unitlength 0.5mm\r\n"), std::string::npos);
    EXPECT_NE(vkx.find("\\special{em:linewidth \\dick}\r\n\\emline{ 0.00}{ 0.00}{1}{10.00}{ 5.00}{2}\r\n"
                       "\\put( 5.00, 5.00){\\circle*{ 2.00}}\r\n"),
              std::string::npos);

    ASSERT_EQ(Aufruf({Pfad("ein.pic"), Pfad("aus.VKP")}), KonvertiertOk);
    EXPECT_NE(DateiInhalt(Pfad("aus.VKP")).find("psfile=aus.ps}"), std::string::npos);
    EXPECT_NE(DateiInhalt(Pfad("aus.ps")).find(" 7.09  7.09  1.42 0 360 arc\r\nfill\r\n"), std::string::npos);

    ASSERT_EQ(Aufruf({Pfad("ein.pic"), Pfad("aus.vks")}), KonvertiertOk);
    Zeichnung z;
    Protokoll p;
    ASSERT_EQ(ZeichnungLesenDatei(Pfad("aus.vks"), z, p), Leseergebnis::Ok);
    ASSERT_EQ(z.Elemente.Anzahl(), 2);
    EXPECT_EQ(z.Elemente[1].Breite, 2);
    EXPECT_EQ(z.Dialog.Unitlength, "0.5");

    // Native in, picture out, whatever the letter case of ".vks"; an existing output is replaced.
    fs::rename(Pfad("aus.vks"), Pfad("nativ.VKS"));
    Schreiben("wieder.vkx", "alt");
    ASSERT_EQ(Aufruf({Pfad("nativ.VKS"), Pfad("wieder.vkx")}), KonvertiertOk);
    EXPECT_EQ(DateiInhalt(Pfad("wieder.vkx")), vkx);
}

TEST_F(Konverter, MeldungenUndExitcodes) {
    Schreiben("fehler.pic", "\\begin{picture}(1,1)\n\\emline{+1}{2}{1}{3}{4}{2}\n");
    EXPECT_EQ(Aufruf({Pfad("fehler.pic"), Pfad("aus.vkx")}), KonvertiertOk);
    const std::string f = Pfad("fehler.pic");
    EXPECT_EQ(err_.str(),
              f + ":2: ungültiger Format in Zeile 2\n" + f + ":2: Typumwandlungsfehler in Zeile 2\n");

    // Nothing to write: the message and exit 1, no file.
    Schreiben("leer.pic", "\\begin{picture}(1,1)\n\\end{picture}\n");
    for (const char* aus : {"leer.vkx", "leer.vks"}) {
        EXPECT_EQ(Aufruf({Pfad("leer.pic"), Pfad(aus)}), KonvertiertNicht);
        EXPECT_EQ(err_.str(), Pfad("leer.pic") + ": Keine Zeichnung\n");
        EXPECT_FALSE(fs::exists(Pfad(aus)));
    }

    // Unreadable input: named once, exit 1.
    const std::string fehlt = Pfad("fehlt.pic");
    EXPECT_EQ(Aufruf({fehlt, Pfad("aus2.vkx")}), KonvertiertNicht);
    EXPECT_TRUE(err_.str().starts_with(fehlt + ": " + T("v.LesenFehlgeschlagen")));
    EXPECT_EQ(err_.str().find(fehlt + ": " + fehlt), std::string::npos);
    Schreiben("alt.vks", std::string("\x0A\0\0\0VEKTRA41  ", 14));
    EXPECT_EQ(Aufruf({Pfad("alt.vks"), Pfad("aus2.vkx")}), KonvertiertNicht);
    EXPECT_EQ(err_.str(), Pfad("alt.vks") + ": Falsche Version\n");
    EXPECT_EQ(Aufruf({Pfad("fehlt.vks"), Pfad("aus2.vkx")}), KonvertiertNicht);
    EXPECT_FALSE(fs::exists(Pfad("aus2.vkx")));

    // An output that cannot be written is reported with exit 1.
    Zeichnung z = Beispielzeichnung();
    Protokoll p;
    EXPECT_EQ(AusgabeSchreiben(z, Pfad("fehlt/b.vkp"), p), KonvertiertNicht);
    EXPECT_EQ(p.liste.size(), 1u);
}

TEST_F(Konverter, KurveWirdGezeichnetUndGeschrieben) {
    // A quarter circle plotted into a native drawing and read back; the plotter scales formula
    // values by its curve scale 10, so radius 5 lands at 50 drawing units.
    EXPECT_EQ(Aufruf({"--curve", "5*cos(t)", "5*sin(t)", "--t1", "1.5707963", "--chord", "2", Pfad("k.vks")}),
              KonvertiertOk)
        << err_.str();
    Zeichnung z;
    Protokoll p;
    ASSERT_EQ(ZeichnungLesenDatei(Pfad("k.vks"), z, p), Leseergebnis::Ok);
    ASSERT_GT(z.Elemente.Anzahl(), 30);
    for (const TElement& e : z.Elemente) {
        ASSERT_EQ(e.Art, Linie);
        EXPECT_NEAR(std::hypot(e.x2, e.y2), 50, 0.1);
    }
    EXPECT_NEAR(z.Elemente[1].x1, 50, 1e-9);
    EXPECT_NEAR(z.Elemente[z.Elemente.Anzahl()].y2, 50, 1e-6);

    // Usage errors exit 2, a formula syntax error exits 1 and writes nothing.
    EXPECT_EQ(Aufruf({"--curve", "t", Pfad("x.vkx")}), FalscherAufruf);
    EXPECT_EQ(Aufruf({"--curve", "t+", "t", Pfad("y.vkx")}), KonvertiertNicht);
    EXPECT_NE(err_.str().find("--curve: "), std::string::npos) << err_.str();
    EXPECT_FALSE(fs::exists(Pfad("y.vkx")));
}
