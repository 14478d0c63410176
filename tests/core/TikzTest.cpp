#include "Testhilfe.h"
#include "files/TikzExport.h"

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
