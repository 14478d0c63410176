#include "Bildhilfe.h"
#include "Cairoausgaben.h"
#include "Konverter.h"
#include "Testhilfe.h"

#include "files/Zeichnungsdatei.h"
#include "text/Texte.h"

#include <sstream>

using namespace testhilfe;
using namespace bildhilfe;
using namespace std::string_literals;
namespace fs = std::filesystem;

namespace {

class KonverterVorschau : public testing::Test {
  protected:
    void SetUp() override {
        Zeichnung z = Beispielzeichnung();
        z.Kopf.Zoomstufe = 2; // 3 pixels per unit on the screen
        ASSERT_TRUE(ZeichnungSchreibenDatei(o_.Datei("z.vks"), z, p_));
    }
    int Aufruf(std::vector<std::string> args) {
        err_.str("");
        std::ostringstream aus;
        return Konvertieren(args, aus, err_, CairoausgabeSchreiben);
    }

    Ordner o_;
    Protokoll p_;
    std::ostringstream err_;
};

} // namespace

TEST_F(KonverterVorschau, ArtNachEndungUndMassstab) {
    // clang-format off
    const std::pair<const char*, Ausgabeart> endungen[] = {{"a.svg", Ausgabeart::Svg}, {"a.PNG", Ausgabeart::Png},
        {"b.Pdf", Ausgabeart::Pdf}, {"a.pdf.vkx", Ausgabeart::Bild}, {"a.png.tex", Ausgabeart::Unbekannt}};
    // clang-format on
    for (const auto& [name, art] : endungen)
        EXPECT_EQ(AusgabeartVon(name), art) << name;

    // Without --scale the screen's pixels per unit at the drawing's zoom level; --scale may
    // come anywhere.
    ASSERT_EQ(Aufruf({o_.Datei("z.vks"), o_.Datei("bild.PNG")}), KonvertiertOk) << err_.str();
    ASSERT_EQ(Aufruf({"--scale", "6", o_.Datei("z.vks"), o_.Datei("doppelt.png")}), KonvertiertOk);
    ASSERT_EQ(Aufruf({o_.Datei("z.vks"), o_.Datei("bild.svg"), "--scale", "1.5"}), KonvertiertOk);
    // The thin magenta line from x = 5 to 15 spans ten units, plus its one-pixel pen.
    for (const auto& [name, breite] : {std::pair{"bild.PNG", 30}, {"doppelt.png", 60}}) {
        const Kasten k = PngLesen(DateiInhalt(o_.Datei(name))).KastenVon(0xFF00FF);
        EXPECT_EQ(k.rechts - k.links, breite) << name;
    }
    EXPECT_TRUE(DateiInhalt(o_.Datei("bild.svg")).starts_with("<?xml"));

    // --scale needs a number above 0 up to 1000, and a preview to apply to.
    for (const char* falsch : {"0", "1001", "2x"}) {
        EXPECT_EQ(Aufruf({o_.Datei("z.vks"), o_.Datei("x.png"), "--scale", falsch}), FalscherAufruf);
        EXPECT_EQ(err_.str(), "--scale erwartet eine Zahl über 0 bis 1000, nicht „"s + falsch + "“.\n");
    }
    EXPECT_EQ(Aufruf({o_.Datei("z.vks"), o_.Datei("x.vkx"), "--scale", "2"}), FalscherAufruf);
    EXPECT_EQ(err_.str(), T("v.KonvMassstabOhneVorschau") + "\n");
    EXPECT_FALSE(fs::exists(o_.Datei("x.png")) || fs::exists(o_.Datei("x.vkx")));
}

TEST_F(KonverterVorschau, PostScriptOhnePdfIstUnvollstaendig) {
    // A TeX width that is no number spoils the PDF only: the exit code says the output is
    // incomplete, and the message names the input and the PDF.
    Zeichnung z = Beispielzeichnung();
    z.Dialog.TeXBreite[3] = "1pt";
    ASSERT_TRUE(ZeichnungSchreibenDatei(o_.Datei("breit.vks"), z, p_));
    EXPECT_EQ(Aufruf({o_.Datei("breit.vks"), o_.Datei("breit.vkp")}), KonvertiertUnvollstaendig);
    EXPECT_EQ(err_.str(), o_.Datei("breit.vks") + ": " + o_.Datei("breit.pdf") +
                              ": TeX-Linienbreite ist keine Zahl: 1pt\n");
    EXPECT_TRUE(fs::exists(o_.Datei("breit.vkp")) && !fs::exists(o_.Datei("breit.pdf")));
}
