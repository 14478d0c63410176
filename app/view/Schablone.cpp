#include "view/Schablone.h"

#include <algorithm>
#include <bit>

namespace {

constexpr QRgb Weiss = 0xFFFFFFFF;

// The bits of a word that stand for the columns `von` to `bis` (both may lie beyond the word).
std::uint64_t Spalten(int von, int bis) {
    von = std::max(von, 0);
    bis = std::min(bis, 63);
    if (von > bis) return 0;
    const std::uint64_t oben = bis == 63 ? ~std::uint64_t{0} : (std::uint64_t{1} << (bis + 1)) - 1;
    return oben & ~((std::uint64_t{1} << von) - 1);
}

} // namespace

std::optional<Schablone> Schablone::Aufnehmen(const QImage& bild, QRect bereich, QPoint anker) {
    if (bild.depth() != 32 || !bild.rect().contains(bereich) || !bereich.contains(anker)) return std::nullopt;
    const auto zeile = [&](int y) { return reinterpret_cast<const QRgb*>(bild.constScanLine(y)); };

    QRect tinte;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y) {
        const QRgb* z = zeile(y);
        const QRgb* erstes =
            std::find_if(z + bereich.left(), z + bereich.right() + 1, [](QRgb p) { return p != Weiss; });
        if (erstes == z + bereich.right() + 1) continue;
        const int links = static_cast<int>(erstes - z);
        int rechts = bereich.right();
        while (z[rechts] == Weiss)
            --rechts;
        tinte |= QRect(links, y, rechts - links + 1, 1);
    }
    if (!tinte.isNull() && (tinte.left() == bereich.left() || tinte.right() == bereich.right() ||
                            tinte.top() == bereich.top() || tinte.bottom() == bereich.bottom()))
        return std::nullopt;

    Schablone s;
    s.umriss_ = tinte.translated(-anker);
    s.worte_ = (tinte.width() + 63) / 64;
    s.bits_.assign(static_cast<std::size_t>(s.worte_) * tinte.height(), 0);
    for (int y = tinte.top(); y <= tinte.bottom(); ++y) {
        const QRgb* z = zeile(y);
        std::uint64_t* w = &s.bits_[static_cast<std::size_t>(y - tinte.top()) * s.worte_];
        for (int x = tinte.left(); x <= tinte.right(); ++x)
            if (z[x] != Weiss) w[(x - tinte.left()) / 64] |= std::uint64_t{1} << ((x - tinte.left()) % 64);
    }
    return s;
}

void Schablone::Setzen(QImage& bild, QPoint anker, QRgb farbe) const {
    const QRect ziel = umriss_.translated(anker);
    const QRect sichtbar = ziel & bild.rect();
    if (sichtbar.isEmpty()) return;
    const bool ganz = sichtbar == ziel;
    uchar* bits = bild.bits();
    const qsizetype zeilenlaenge = bild.bytesPerLine();
    for (int y = sichtbar.top(); y <= sichtbar.bottom(); ++y) {
        auto* zeile = reinterpret_cast<QRgb*>(bits + y * zeilenlaenge);
        const std::uint64_t* w = &bits_[static_cast<std::size_t>(y - ziel.top()) * worte_];
        for (int k = 0; k < worte_; ++k) {
            const int links = ziel.left() + 64 * k;
            std::uint64_t m = w[k];
            if (!ganz) m &= Spalten(sichtbar.left() - links, sichtbar.right() - links);
            // Each run of set bits is one fill.
            while (m) {
                const int anfang = std::countr_zero(m);
                const int laenge = std::countr_one(m >> anfang);
                QRgb* p = zeile + (links + anfang);
                if (laenge <= 8) {
                    for (int i = 0; i < laenge; ++i)
                        p[i] = farbe;
                } else {
                    std::fill_n(p, laenge, farbe);
                }
                if (anfang + laenge == 64) break;
                m &= ~std::uint64_t{0} << (anfang + laenge);
            }
        }
    }
}
