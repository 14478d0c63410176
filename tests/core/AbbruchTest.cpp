#include "Konverter.h"
#include "Testhilfe.h"

#include <new>
#include <stdexcept>

using namespace testhilfe;

namespace {

std::exception_ptr geworfen;

// A preview writer that throws `geworfen`.
int Werfen(Zeichnung&, const std::string&, Ausgabeart, Meldungen&, double, Textkodierung) {
    std::rethrow_exception(geworfen);
}

} // namespace

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
