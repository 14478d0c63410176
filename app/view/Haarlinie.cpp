#include "view/Haarlinie.h"

#include <cstdlib>
#include <utility>

namespace {

// a / b in 16.16 fixed point, truncated as integer division does.
int Bruch16(int a, int b) {
    return std::abs(a) > 0x7fff ? static_cast<int>(static_cast<long long>(a) * 65536 / b) : a * 65536 / b;
}

// Steps along the longer axis from `a1` to `a2` (26.6) while the other coordinate runs from `b1`
// at `binc` (16.16) a pixel; `setzen(along, across)` gets each pixel.
template <class Setzen> void Schreiten(int a1, int b1, int a2, int b2, Setzen&& setzen) {
    if (a1 > a2) {
        std::swap(a1, a2);
        std::swap(b1, b2);
    }
    const int binc = Bruch16(b2 - b1, a2 - a1);
    int b = b1 * 1024 - (binc >> 1);
    a1 -= 32;
    a2 += 32;
    int a = (a1 + 32) >> 6;
    const int ende = (a2 + 32) >> 6;
    if (a == ende) return;
    b += ((a * 64) + (binc > 0 ? 32 : 0) - a1) * binc >> 6;
    do {
        setzen(a, b >> 16);
        b += binc;
    } while (++a < ende);
}

} // namespace

void HaarlinieSetzen(const Pixelfeld& bild, QPoint von, QPoint bis, QRgb farbe, bool umkehren) {
    const auto pixel = [&](int x, int y) -> QRgb& { return bild.Zeile(y)[x]; };
    const auto setzen = [&](int x, int y) {
        QRgb& p = pixel(x, y);
        p = umkehren ? ~(farbe ^ p) : farbe;
    };
    const int x1 = von.x() * 64, y1 = von.y() * 64, x2 = bis.x() * 64, y2 = bis.y() * 64;
    if (std::abs(x2 - x1) < std::abs(y2 - y1))
        Schreiten(y1, x1, y2, x2, [&](int y, int x) { setzen(x, y); });
    else
        Schreiten(x1, y1, x2, y2, setzen);
}
