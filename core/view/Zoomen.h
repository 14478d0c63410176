#pragma once
// Zooming by area and by one level at a time.
#include "view/Ansicht.h"

#include <cstdint>
#include <optional>

namespace vektra {

struct Zoomergebnis {
    std::int32_t NullX = 0, NullY = 0;
    int Zoomstufe = 0;
};

// The view that shows the area between the pixel corners (px1, py1) and (px2, py2) of the view
// `alt` (as shown, with the zoom factor of its level) in the middle of a surface `breite` pixels
// wide and alt.Hoehe high. The level is the largest at which the area is narrower than the
// surface and also lower than it; when no level up to that one is low enough, the width alone
// decides. Nothing when the area has no width or no height.
std::optional<Zoomergebnis> ZoomFlaeche(const Ansicht& alt, int px1, int py1, int px2, int py2, int breite);

// One level in (hinein) or out, held to 0..8.
int Zoomschritt(int zoomstufe, bool hinein);

} // namespace vektra
