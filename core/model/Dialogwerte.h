#pragma once
// The values the desktop program keeps in dialog fields but that files and exports need.
#include <array>
#include <cstdint>
#include <string>

namespace vektra {

// Values held by dialog fields. Texts are cp1252 bytes, as they go into files.
struct Dialogwerte {
    // Settings dialog: unit length and the TeX widths of the classes -1..2 (fields Unitlength,
    // Edit2, TeX_duenn, TeX_normal, TeX_dick), taken by the exporters as they stand.
    std::string Unitlength = "1";
    std::array<std::string, 4> TeXBreite{"0.0", "0.1", "0.4", "1"};
    // Positions of the four screen-width up-downs.
    std::array<std::int16_t, 4> PixelBreiteDialog{0, 1, 2, 3};
    // Settings dialog fields "Startschritt" and "Faktor" (texts as typed).
    std::string Startschritt = "0.001";
    std::string Schrittfaktor = "1.2";
    // Clip area and its check box.
    bool Clipaktiv = true;
    std::int32_t ClipLinks = -1, ClipRechts = 200, ClipOben = 200, ClipUnten = -1;
    // Curve dialog offsets.
    std::string x_off = "0";
    std::string y_off = "0";

    bool operator==(const Dialogwerte&) const = default;
};

} // namespace vektra
