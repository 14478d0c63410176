#include "Testhilfe.h"
#include "files/TikzExport.h"
#include "files/TikzLesen.h"

#include <sstream>

using namespace testhilfe;

namespace {

const std::string Tikzfaelle = VEKTRA_TESTDATA "/faelle/tikz.txt";

// The export of a case's drawing without its carriage returns, "" after a message.
std::string Export(Fall& f, const Tikzoptionen& o = {}) {
    Zeichnung z;
    ElementeAnhaengen(z.Elemente, f["zeichnung"]);
    if (!f["unitlength"].empty()) z.Dialog.Unitlength = f["unitlength"].substr(0, f["unitlength"].size() - 1);
    if (!f["breiten"].empty()) {
        const auto b = Spalten(f["breiten"])[0];
        std::copy(b.begin(), b.end(), z.Dialog.TeXBreite.begin() + 1);
    }
    std::ostringstream aus;
    Protokoll p;
    if (!TikzExportieren(z, aus, p, o)) return p.Texte();
    std::string s = aus.str();
    std::erase(s, '\r');
    return s;
}

} // namespace

TEST(TikzExport, FaelleAusDerDatei) {
    for (Fall f : Faelle(Tikzfaelle))
        if (f.contains("tikz")) {
            EXPECT_EQ(Export(f), f["tikz"]) << f["###"];
        }
}

TEST(TikzLesen, FaelleAusDerDatei) {
    for (Fall f : Faelle(Tikzfaelle)) {
        if (!f.contains("ein")) continue;
        Zeichnung z;
        Protokoll p;
        std::istringstream ein(f["ein"]);
        TikzLesen(ein, z, p);
        EXPECT_EQ(Elementzeilen(z.Elemente), f["elemente"]) << f["###"];
        EXPECT_EQ(p.Texte(), f["meldungen"]) << f["###"];
        EXPECT_EQ(z.Dialog.Unitlength + "\n", f["unitlength"]) << f["###"];
    }
}

TEST(TikzLesen, EigeneAusgabeKommtGleichZurueck) {
    // Every kind, width class and alignment, chains open and closed, colours; two classes of one
    // width keep their own class.
    Zeichnung z;
    ElementeAnhaengen(z.Elemente, Feld(Tikzfaelle, "Rundreise", "zeichnung"));
    z.Dialog.Unitlength = "1.5";
    z.Dialog.TeXBreite = {"0", "0.4", "0.4", "2.5"};
    std::stringstream datei;
    Protokoll p;
    ASSERT_TRUE(TikzExportieren(z, datei, p));
    Zeichnung zurueck;
    TikzLesen(datei, zurueck, p);
    EXPECT_EQ(p.Texte(), "");
    EXPECT_EQ(Elementzeilen(zurueck.Elemente), Elementzeilen(z.Elemente));
    EXPECT_EQ(zurueck.Dialog.Unitlength + zurueck.Dialog.TeXBreite[1] + zurueck.Dialog.TeXBreite[3],
              "1.50.42.5");
}

TEST(TikzLesen, SpeichergrenzeUndDateien) {
    // One path more than the store holds: it stops full, once reported, nothing lost before.
    std::string viele = "\\begin{tikzpicture}\n";
    for (int i = 0; i <= MaxElemente; ++i)
        viele += "\\draw (0,0) -- (1,1);\n";
    Zeichnung z;
    Protokoll p;
    std::istringstream ein(viele);
    const Importergebnis e = TikzLesen(ein, z, p);
    EXPECT_TRUE(e.voll && z.Elemente.Voll() && e.neueElemente == MaxElemente);
    EXPECT_EQ(p.liste.size(), 1u);
    // A ".TEX" with a tikzpicture goes to this reader, one without and a ".pic" to the picture
    // import; a missing file is named.
    Ordner o;
    o.Ablegen("a.TEX", "\\begin{tikzpicture}\\draw (0,0) circle (1);\\end{tikzpicture}");
    o.Ablegen("b.tex", "\\put(0,0){\\circle{2}}");
    o.Ablegen("a.pic", "\\put(0,0){\\circle{2}}");
    p.liste.clear();
    for (const std::string name : {"a.TEX", "b.tex", "a.pic"}) {
        ASSERT_TRUE(DateiImportieren(o.Datei(name), z, p));
        EXPECT_EQ(Elementzeilen(z.Elemente), "2 5 0,0 2 1\n") << name;
        EXPECT_EQ(z.Dateiname, name.substr(0, 1) + ".vks");
    }
    EXPECT_FALSE(DateiImportieren(o.Datei("fehlt.tikz"), z, p));
    ASSERT_EQ(p.liste.size(), 1u);
    EXPECT_TRUE(p.liste[0].text.starts_with(o.Datei("fehlt.tikz") + ": ")) << p.liste[0].text;
}
