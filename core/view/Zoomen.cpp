#include "view/Zoomen.h"

#include "text/Format.h"

#include <algorithm>
#include <limits>

namespace vektra {
namespace {

// An origin coordinate, held to what the view can store.
std::int32_t Nullpunkt(long long v) {
    using grenzen = std::numeric_limits<std::int32_t>;
    return static_cast<std::int32_t>(std::clamp<long long>(v, grenzen::min(), grenzen::max()));
}

// The largest level up to `bis` at which `laenge` drawing units take fewer than `pixel` pixels;
// `ersatz` when none does.
int PassendeStufe(double laenge, int pixel, int bis, int ersatz) {
    int stufe = ersatz;
    for (int k = 0; k <= bis; ++k)
        if (Runden(laenge * Grundmassstab * ZoomFuer(k).Faktor) < pixel) stufe = k;
    return stufe;
}

} // namespace

std::optional<Zoomergebnis> ZoomFlaeche(const Ansicht& alt, int px1, int py1, int px2, int py2, int breite) {
    const int links = std::min(px1, px2), rechts = std::max(px1, px2);
    const int oben = std::min(py1, py2), unten = std::max(py1, py2);
    if (links == rechts || oben == unten) return std::nullopt;

    // The area's corners in drawing units, read off the old view.
    const double l = alt.PixelNachX(links), r = alt.PixelNachX(rechts);
    const double u = alt.PixelNachY(unten), o = alt.PixelNachY(oben);

    Ansicht neu = alt;
    neu.NullX = Nullpunkt(Runden(l));
    neu.NullY = Nullpunkt(Runden(u));
    const int breitenstufe = PassendeStufe(r - l, breite, 8, 0);
    const int stufe = PassendeStufe(o - u, alt.Hoehe, breitenstufe, breitenstufe);
    neu.Zoomfaktor = ZoomFuer(stufe).Faktor;

    // Half the room left over right of and above the area goes to the left and below it.
    return Zoomergebnis{.NullX = Nullpunkt(neu.NullX - Runden((neu.PixelNachX(breite) - r) * 0.5)),
                        .NullY = Nullpunkt(neu.NullY - Runden((neu.PixelNachY(0) - o) * 0.5)),
                        .Zoomstufe = stufe};
}

int Zoomschritt(int zoomstufe, bool hinein) {
    const int stufe = std::clamp(zoomstufe, 0, 8);
    return hinein ? std::min(stufe + 1, 8) : std::max(stufe - 1, 0);
}

} // namespace vektra
