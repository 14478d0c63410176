// Applies any bytes as a language file. Every text then is valid UTF-8 of bounded length, and
// every format text fills without fault, whatever placeholders the file gave it.
#include "Fuzzhilfe.h"

#include "text/Format.h"
#include "text/Sprachdatei.h"
#include "text/Texte.h"

using namespace vektra;

namespace {

bool GueltigesUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        const int folge = b < 0x80             ? 0
                          : (b & 0xE0) == 0xC0 ? 1
                          : (b & 0xF0) == 0xE0 ? 2
                          : (b & 0xF8) == 0xF0 ? 3
                                               : -1;
        if (folge < 0 || i + static_cast<std::size_t>(folge) >= s.size() + (folge == 0 ? 1 : 0)) return false;
        for (int k = 1; k <= folge; ++k)
            if ((static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]) & 0xC0) != 0x80) return false;
        i += static_cast<std::size_t>(folge) + 1;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    TexteZuruecksetzen();
    SpracheAnwenden(fuzzhilfe::Text(daten, groesse));
    const std::vector<Formatwert> werte{1LL, std::string("x"), 2.5, 3LL, 4LL};
    for (const Texteintrag& e : Texteintraege()) {
        const std::string& t = T(e.schluessel);
        PRUEFEN(GueltigesUtf8(t));
        // 1023 characters of up to four bytes, a doubled "%" each, and the blanks of the rule.
        PRUEFEN(t.size() <= 2 * 4 * 1023 + 6);
        const std::string gefuellt = Formatieren(t, werte);
        PRUEFEN(gefuellt.size() <= t.size() + 5 * 64);
    }
    return 0;
}
