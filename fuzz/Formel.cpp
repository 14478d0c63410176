// Parses any text as a formula. A text that does not parse names a code and a place inside it;
// one that parses is evaluated at a few points, where a result that is not finite must come with
// a fault flag and the fault search must name a source exactly when the flags show a fault.
#include "Fuzzhilfe.h"

#include "curves/Formel.h"

#include <algorithm>
#include <cmath>

using namespace vektra;

namespace {

struct Punkt {
    Extended t, n;
};
constexpr Punkt Punkte[] = {{0, 0}, {1, 1}, {-2.5L, 3}, {0.5L, -1}, {1e4L, 7}};

char Klein(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view eingabe = fuzzhilfe::Text(daten, groesse);
    std::string text(eingabe);
    int stelle = -1, code = -1;
    Formelbaum baum = FormelParsen(text, 255, stelle, code);

    PRUEFEN(text.size() == eingabe.size());
    PRUEFEN(std::equal(text.begin(), text.end(), eingabe.begin(),
                       [](char klein, char c) { return klein == Klein(c); }));
    if (!baum) {
        const int laenge = static_cast<int>(std::min<std::size_t>(groesse, 255));
        PRUEFEN(code >= KlammerFehlt && code <= ZeichenUnerwartet);
        PRUEFEN(stelle >= 1 && stelle <= laenge + 1);
        return 0;
    }
    PRUEFEN(stelle == 0 && code == 0);

    for (const Punkt& p : Punkte) {
        Formelfehler = 0;
        RechenflagsLoeschen();
        const Extended wert = FormelAuswerten(baum.get(), p.t, p.n);
        const bool fehler = Rechenfehler();
        PRUEFEN(Formelfehler == 0);
        PRUEFEN(std::isfinite(wert) || fehler);
        PRUEFEN(Fehlerquelle(baum.get(), p.t, p.n).empty() == !fehler);
    }
    return 0;
}
