#include "curves/Sehnen.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace vektra {
namespace {

// Chords for a length of `laenge`: about one per `sehne`, at least `mindestens`.
int Sehnenzahl(double laenge, double sehne, int mindestens) {
    const double n = sehne > 0 ? std::ceil(laenge / sehne) : MaxSehnenJeKurve;
    return std::isfinite(n) ? std::clamp(static_cast<int>(std::min<double>(n, MaxSehnenJeKurve)), mindestens,
                                         MaxSehnenJeKurve)
                            : MaxSehnenJeKurve;
}

// Chords from point to point; a chord that goes on along the line of the one before it (the
// two halves of an oval's side) lengthens that one.
struct Kette {
    std::vector<Kurvenstueck> aus;
    double x = 0, y = 0;

    void Anfang(double nx, double ny) {
        x = nx;
        y = ny;
    }
    void Bis(double nx, double ny) {
        if (nx == x && ny == y) return;
        Kurvenstueck* l = aus.empty() ? nullptr : &aus.back();
        if (l && l->x2 == x && l->y2 == y && ((l->x1 == x && nx == x) || (l->y1 == y && ny == y))) {
            l->x2 = nx;
            l->y2 = ny;
        } else {
            aus.push_back({.x1 = x, .x2 = nx, .y1 = y, .y2 = ny});
        }
        x = nx;
        y = ny;
    }
    // A closed chain that ends on the line it began with starts where that line begins.
    void Schliessen() {
        if (aus.size() < 2) return;
        Kurvenstueck &erst = aus.front(), &letzt = aus.back();
        if (letzt.x2 == erst.x1 && letzt.y2 == erst.y1 &&
            ((letzt.x1 == letzt.x2 && erst.x1 == erst.x2) || (letzt.y1 == letzt.y2 && erst.y1 == erst.y2))) {
            erst.x1 = letzt.x1;
            erst.y1 = letzt.y1;
            aus.pop_back();
        }
    }
};

// The quarter circle about (cx, cy) from angle a counter-clockwise to a + pi/2, from the
// chain's last point to (x, y), its exact end.
void Viertelkreis(Kette& k, double cx, double cy, double r, double a, double x, double y, double sehne) {
    if (r <= 0) return;
    constexpr double viertel = std::numbers::pi / 2;
    const int n = Sehnenzahl(viertel * r, sehne, 3);
    for (int i = 1; i < n; ++i) {
        const double w = a + viertel * i / n;
        k.Bis(cx + r * std::cos(w), cy + r * std::sin(w));
    }
    k.Bis(x, y);
}

} // namespace

std::vector<Kurvenstueck> Ovalsehnen(double cx, double cy, double w, double h, double r,
                                     std::string_view teile, double sehne) {
    const double W = std::fabs(w) / 2, H = std::fabs(h) / 2;
    r = std::clamp(r, 0.0, std::min(W, H));
    const auto hat = [teile](char c) { return teile.find(c) != std::string_view::npos; };
    // The quarters counter-clockwise from the upper right; a letter keeps its half, so it
    // drops the quarters of the opposite one.
    const std::array<bool, 4> viertel{!hat('b') && !hat('l'), !hat('b') && !hat('r'), !hat('t') && !hat('r'),
                                      !hat('t') && !hat('l')};
    // A chain that starts with a quarter whose predecessor is left out has no gap.
    std::size_t erstes = 0;
    while (erstes < 4 && !(viertel[erstes] && !viertel[(erstes + 3) % 4]))
        ++erstes;
    Kette k;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::size_t q = (erstes % 4 + i) % 4;
        if (!viertel[q]) continue;
        // Quarter q runs from the middle of one side round its corner to the middle of the
        // next; the first and third start on an upright side.
        const double sx = q == 0 || q == 3 ? 1 : -1, sy = q < 2 ? 1 : -1;
        const double ex = sx * (W - r), ey = sy * (H - r);
        const bool aufrecht = q % 2 == 0;
        if (i == 0 || !viertel[(q + 3) % 4])
            k.Anfang(cx + (aufrecht ? sx * W : 0), cy + (aufrecht ? 0 : sy * H));
        k.Bis(cx + (aufrecht ? sx * W : ex), cy + (aufrecht ? ey : sy * H));
        Viertelkreis(k, cx + ex, cy + ey, r, static_cast<double>(q) * std::numbers::pi / 2,
                     cx + (aufrecht ? ex : sx * W), cy + (aufrecht ? sy * H : ey), sehne);
        k.Bis(cx + (aufrecht ? 0 : sx * W), cy + (aufrecht ? sy * H : 0));
    }
    k.Schliessen();
    return k.aus;
}

std::vector<Kurvenstueck> Beziersehnen(double x0, double y0, double x1, double y1, double x2, double y2,
                                       double sehne) {
    const double laenge = std::hypot(x1 - x0, y1 - y0) + std::hypot(x2 - x1, y2 - y1);
    const int n = Sehnenzahl(laenge, sehne, 1);
    Kette k;
    k.Anfang(x0, y0);
    for (int i = 1; i <= n; ++i) {
        const double t = static_cast<double>(i) / n, s = 1 - t;
        k.Bis(s * s * x0 + 2 * s * t * x1 + t * t * x2, s * s * y0 + 2 * s * t * y1 + t * t * y2);
    }
    return k.aus;
}

std::vector<Kurvenstueck> Kubischsehnen(double x0, double y0, double x1, double y1, double x2, double y2,
                                        double x3, double y3, double sehne) {
    const double laenge =
        std::hypot(x1 - x0, y1 - y0) + std::hypot(x2 - x1, y2 - y1) + std::hypot(x3 - x2, y3 - y2);
    const int n = Sehnenzahl(laenge, sehne, 1);
    Kette k;
    k.Anfang(x0, y0);
    for (int i = 1; i <= n; ++i) {
        const double t = static_cast<double>(i) / n, s = 1 - t;
        const double a = s * s * s, b = 3 * s * s * t, c = 3 * s * t * t, d = t * t * t;
        k.Bis(a * x0 + b * x1 + c * x2 + d * x3, a * y0 + b * y1 + c * y2 + d * y3);
    }
    return k.aus;
}

std::vector<Kurvenstueck> Bogensehnen(double cx, double cy, double rx, double ry, double a0, double a1,
                                      double sehne) {
    const double w0 = a0 * std::numbers::pi / 180, w1 = a1 * std::numbers::pi / 180;
    const double winkel = std::fabs(w1 - w0);
    const double viertel = std::isfinite(winkel) ? std::ceil(winkel / (std::numbers::pi / 2)) : 1;
    const int n = Sehnenzahl(winkel * std::max(std::fabs(rx), std::fabs(ry)), sehne,
                             static_cast<int>(std::clamp(viertel * 3, 1.0, double{MaxSehnenJeKurve})));
    Kette k;
    k.Anfang(cx + rx * std::cos(w0), cy + ry * std::sin(w0));
    for (int i = 1; i <= n; ++i) {
        const double w = w0 + (w1 - w0) * i / n;
        k.Bis(cx + rx * std::cos(w), cy + ry * std::sin(w));
    }
    return k.aus;
}

} // namespace vektra
