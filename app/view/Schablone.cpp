#include "view/Schablone.h"

#include <algorithm>

namespace {

constexpr QRgb Weiss = 0xFFFFFFFF;

} // namespace

std::optional<Schablone> Schablone::Aufnehmen(const QImage& bild, QRect bereich, QPoint anker) {
    if (bild.depth() != 32 || !bild.rect().contains(bereich) || !bereich.contains(anker) ||
        bereich.width() > 0xFFFF || bereich.height() > 0xFFFF)
        return std::nullopt;
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
    for (int y = tinte.top(); y <= tinte.bottom(); ++y) {
        const QRgb* z = zeile(y);
        for (int x = tinte.left(); x <= tinte.right();) {
            if (z[x] == Weiss) {
                ++x;
                continue;
            }
            const int anfang = x;
            while (x <= tinte.right() && z[x] != Weiss)
                ++x;
            s.laeufe_.push_back({static_cast<std::uint16_t>(y - tinte.top()),
                                 static_cast<std::uint16_t>(anfang - tinte.left()),
                                 static_cast<std::uint16_t>(x - anfang)});
        }
    }
    s.laeufe_.shrink_to_fit();
    return s;
}

void Schablone::Setzen(QImage& bild, QPoint anker, QRgb farbe, bool umkehren) const {
    const QRect ziel = umriss_.translated(anker);
    const QRect sichtbar = ziel & bild.rect();
    if (sichtbar.isEmpty()) return;
    uchar* const bits = bild.bits() + ziel.top() * bild.bytesPerLine() + ziel.left() * sizeof(QRgb);
    const qsizetype zeilenlaenge = bild.bytesPerLine();
    const auto fuellen = [&](auto&& pixel) {
        if (sichtbar == ziel) {
            for (const Lauf& l : laeufe_) {
                QRgb* p = reinterpret_cast<QRgb*>(bits + l.zeile * zeilenlaenge) + l.spalte;
                for (QRgb* const ende = p + l.laenge; p < ende; ++p)
                    pixel(*p);
            }
            return;
        }
        // Only the part on the image, in columns and rows relative to the outline.
        const QRect teil = sichtbar.translated(-ziel.topLeft());
        for (const Lauf& l : laeufe_) {
            if (l.zeile < teil.top() || l.zeile > teil.bottom()) continue;
            const int von = std::max<int>(l.spalte, teil.left());
            const int bis = std::min<int>(l.spalte + l.laenge, teil.right() + 1);
            QRgb* p = reinterpret_cast<QRgb*>(bits + l.zeile * zeilenlaenge) + von;
            for (QRgb* const ende = p + (bis - von); p < ende; ++p)
                pixel(*p);
        }
    };
    if (umkehren)
        fuellen([farbe](QRgb& p) { p = ~(farbe ^ p); });
    else
        fuellen([farbe](QRgb& p) { p = farbe; });
}
