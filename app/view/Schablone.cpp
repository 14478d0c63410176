#include "view/Schablone.h"

#include "view/Umriss.h"

#include <algorithm>

namespace {

constexpr QRgb Weiss = 0xFFFFFFFF;

} // namespace

std::optional<Schablone> Schablone::Aufnehmen(const QImage& bild, QRect bereich, QPoint anker) {
    if (bild.depth() != 32 || !bild.rect().contains(bereich) || !bereich.contains(anker) ||
        bereich.width() > 0xFFFF || bereich.height() > 0xFFFF)
        return std::nullopt;
    // One pass over the area gathers the runs in image coordinates; a store of its own is
    // reused, so taking a stencil allocates once, for the stencil itself.
    static thread_local std::vector<Lauf> gefunden;
    gefunden.clear();
    const auto farbig = [](QRgb p) { return p != Weiss; };
    const auto weiss = [](QRgb p) { return p == Weiss; };
    // White is all ones, so four pixels are all white when their AND is.
    const auto farbigAb = [&](const QRgb* p, const QRgb* ende) {
        for (; ende - p >= 4; p += 4)
            if ((p[0] & p[1] & p[2] & p[3]) != Weiss) break;
        return std::find_if(p, ende, farbig);
    };
    int links = bereich.right() + 1, rechts = -1, oben = bereich.bottom() + 1, unten = -1;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y) {
        const QRgb* const z = reinterpret_cast<const QRgb*>(bild.constScanLine(y));
        const QRgb* const ende = z + bereich.right() + 1;
        for (const QRgb* p = farbigAb(z + bereich.left(), ende); p != ende;) {
            const QRgb* const bis = std::find_if(p, ende, weiss);
            const int von = static_cast<int>(p - z);
            gefunden.push_back({static_cast<std::uint16_t>(y - bereich.top()),
                                static_cast<std::uint16_t>(von - bereich.left()),
                                static_cast<std::uint16_t>(bis - p)});
            links = std::min(links, von);
            rechts = std::max(rechts, static_cast<int>(bis - z) - 1);
            oben = std::min(oben, y);
            unten = y;
            p = farbigAb(bis, ende);
        }
    }
    const QRect tinte = unten < 0 ? QRect() : QRect(QPoint(links, oben), QPoint(rechts, unten));
    if (!tinte.isNull() && (tinte.left() == bereich.left() || tinte.right() == bereich.right() ||
                            tinte.top() == bereich.top() || tinte.bottom() == bereich.bottom()))
        return std::nullopt;

    Schablone s;
    s.umriss_ = tinte.translated(-anker);
    const QPoint versatz = tinte.topLeft() - bereich.topLeft();
    s.laeufe_.reserve(gefunden.size());
    for (const Lauf& l : gefunden)
        s.laeufe_.push_back({static_cast<std::uint16_t>(l.zeile - versatz.y()),
                             static_cast<std::uint16_t>(l.spalte - versatz.x()), l.laenge});
    return s;
}

std::optional<Schablone> Schablone::Zusammensetzen(const std::vector<Teil>& teile) {
    Schablone s;
    for (const Teil& t : teile)
        if (!t.schablone->laeufe_.empty()) s.umriss_ |= t.schablone->umriss_.translated(t.ort);
    if (s.umriss_.width() > 0xFFFF || s.umriss_.height() > 0xFFFF) return std::nullopt;
    if (s.umriss_.isNull()) return s;
    // The runs go to their rows by counting; within a row they come in the order of the parts,
    // left to right for a text, so joining them needs only an occasional step back.
    static thread_local std::vector<std::uint32_t> zeilen;
    zeilen.assign(static_cast<std::size_t>(s.umriss_.height()) + 1, 0);
    const auto versatz = [&s](const Teil& t) {
        return t.schablone->umriss_.topLeft() + t.ort - s.umriss_.topLeft();
    };
    for (const Teil& t : teile) {
        const int dy = versatz(t).y();
        for (const Lauf& l : t.schablone->laeufe_)
            ++zeilen[static_cast<std::size_t>(l.zeile + dy) + 1];
    }
    for (std::size_t i = 1; i < zeilen.size(); ++i)
        zeilen[i] += zeilen[i - 1];
    static thread_local std::vector<Lauf> alle;
    alle.resize(zeilen.back());
    for (const Teil& t : teile) {
        const QPoint d = versatz(t);
        for (const Lauf& l : t.schablone->laeufe_)
            alle[zeilen[static_cast<std::size_t>(l.zeile + d.y())]++] = {
                static_cast<std::uint16_t>(l.zeile + d.y()), static_cast<std::uint16_t>(l.spalte + d.x()),
                l.laenge};
    }
    s.laeufe_.reserve(alle.size());
    for (std::size_t i = 0; i < alle.size(); ++i) {
        // Back into order among the runs of its row (insertion: they are nearly sorted).
        for (std::size_t j = i;
             j > 0 && alle[j - 1].zeile == alle[j].zeile && alle[j - 1].spalte > alle[j].spalte; --j)
            std::swap(alle[j - 1], alle[j]);
    }
    for (const Lauf& l : alle) {
        if (!s.laeufe_.empty()) {
            Lauf& vorher = s.laeufe_.back();
            if (vorher.zeile == l.zeile && l.spalte <= vorher.spalte + vorher.laenge) {
                vorher.laenge = static_cast<std::uint16_t>(
                    std::max(vorher.spalte + vorher.laenge, l.spalte + l.laenge) - vorher.spalte);
                continue;
            }
        }
        s.laeufe_.push_back(l);
    }
    return s;
}

void Schablone::Setzen(const Pixelfeld& bild, QPoint anker, QRgb farbe, bool umkehren) const {
    const QRect ziel = umriss_.translated(anker);
    const QRect sichtbar = Schnitt(ziel, QRect(0, 0, bild.breite, bild.hoehe));
    if (sichtbar.isEmpty()) return;
    uchar* const bits = bild.bits + ziel.top() * bild.zeilenlaenge + ziel.left() * qsizetype(sizeof(QRgb));
    const qsizetype zeilenlaenge = bild.zeilenlaenge;
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
