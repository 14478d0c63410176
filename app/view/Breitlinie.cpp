#include "view/Breitlinie.h"

#include "view/Umriss.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

using Fest = std::int64_t; // 16.16 fixed point

constexpr Fest Eins = 1 << 16;
constexpr Fest Halb = 1 << 15;

// The row or column whose centre is the last at or before `v`.
int BisMitte(Fest v) {
    return static_cast<int>((v - Halb) >> 16);
}

// a / b rounded down, for b > 0.
Fest Abgerundet(Fest a, Fest b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

struct Kante {
    int von = 0, bis = -1; // the rows it crosses
    Fest x = 0;            // where it crosses the first of them
    Fest schritt = 0;      // and how far x moves a row
};

} // namespace

bool BreitlinieMoeglich(const QImage& bild, QPoint von, QPoint bis, int breite) {
    if (breite < 2 || von.x() == bis.x() || von.y() == bis.y()) return false;
    // Half the pen each way, on both axes, and a pixel for the flooring.
    const int rand = breite + 2;
    return Enthaelt(QRect(0, 0, bild.width(), bild.height()), Umriss(von, bis, rand));
}

void BreitlinieSetzen(const Pixelfeld& bild, QPoint von, QPoint bis, int breite, QRgb farbe, bool umkehren) {
    const double dx = bis.x() - von.x(), dy = bis.y() - von.y();
    const double laenge = std::hypot(dx, dy), halb = breite / 2.0;
    // Along the line and across it, each half the pen long.
    const double ux = dx / laenge * halb, uy = dy / laenge * halb;
    const double nx = -uy, ny = ux;
    const double ecken[4][2] = {{von.x() - ux + nx, von.y() - uy + ny},
                                {bis.x() + ux + nx, bis.y() + uy + ny},
                                {bis.x() + ux - nx, bis.y() + uy - ny},
                                {von.x() - ux - nx, von.y() - uy - ny}};
    std::array<Fest, 4> ex{}, ey{};
    for (int i = 0; i < 4; ++i) {
        ex[i] = static_cast<Fest>(std::floor(ecken[i][0] * 64)) << 10;
        ey[i] = static_cast<Fest>(std::floor(ecken[i][1] * 64)) << 10;
    }

    std::array<Kante, 4> kanten;
    // The rows where an edge begins or ends; the unused ones sort to the end.
    std::array<int, 8> grenzen;
    grenzen.fill(std::numeric_limits<int>::max());
    int n = 0;
    for (int i = 0; i < 4; ++i) {
        Fest x0 = ex[i], y0 = ey[i], x1 = ex[(i + 1) % 4], y1 = ey[(i + 1) % 4];
        if (y0 == y1) continue;
        if (y0 > y1) {
            std::swap(x0, x1);
            std::swap(y0, y1);
        }
        Kante& k = kanten[i];
        k.von = BisMitte(y0) + 1;
        k.bis = BisMitte(y1);
        if (k.von > k.bis) continue;
        const Fest mitte = Fest(k.von) * Eins + Halb;
        k.x = x0 + Abgerundet((mitte - y0) * (x1 - x0), y1 - y0);
        k.schritt = (x1 - x0) * Eins / (y1 - y0);
        grenzen[n++] = k.von;
        grenzen[n++] = k.bis + 1;
    }
    std::sort(grenzen.begin(), grenzen.end());

    const int breiteBild = bild.breite, hoeheBild = bild.hoehe;
    const auto zeile = [&](int y, Fest links, Fest rechts) {
        if (y < 0 || y >= hoeheBild) return;
        const int erstes = std::max(BisMitte(links) + 1, 0);
        const int letztes = std::min(BisMitte(rechts), breiteBild - 1);
        if (letztes < erstes) return;
        QRgb* p = bild.Zeile(y) + erstes;
        QRgb* const ende = p + (letztes - erstes + 1);
        if (umkehren)
            for (; p < ende; ++p)
                *p = ~(farbe ^ *p);
        else
            std::fill(p, ende, farbe);
    };
    // Between two rows where an edge begins or ends the same two edges bound every row; the
    // outline is convex, so no row meets more than two.
    for (int g = 0; g + 1 < n; ++g) {
        const int von = grenzen[g], bis = grenzen[g + 1];
        const Kante* paar[2] = {};
        int treffer = 0;
        for (const Kante& k : kanten)
            if (k.von <= von && von <= k.bis && treffer < 2) paar[treffer++] = &k;
        if (treffer < 2) continue;
        Fest a = paar[0]->x + Fest(von - paar[0]->von) * paar[0]->schritt;
        Fest b = paar[1]->x + Fest(von - paar[1]->von) * paar[1]->schritt;
        for (int y = von; y < bis; ++y) {
            zeile(y, std::min(a, b), std::max(a, b));
            a += paar[0]->schritt;
            b += paar[1]->schritt;
        }
    }
}
