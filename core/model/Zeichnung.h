#pragma once
// The drawing document: the element store, the clipboard, the settings record, the file names,
// the unsaved-changes flag, and the values the desktop program shows in dialog fields but that
// files and exports need. Readers, writers and exporters work on this object alone, so every
// format runs without a window.
#include "model/Elementspeicher.h"
#include "model/Kopfsatz.h"

#include <array>
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
};

struct Zeichnung {
    Elementspeicher Elemente;
    Elementspeicher Ablage;
    Kopfsatz Kopf;
    Dialogwerte Dialog;

    // Current drawing file name, and the names of the picture and PostScript exports.
    std::string Dateiname;
    std::string Exportname;
    std::string Treibername;
    bool Geaendert = false;

    // Line-width class -1..2 given to new elements.
    std::int16_t aktuelleBreite = 1;

    // Copies the dialog values into the settings record, as the file writer does before it
    // writes the record (texts cut to 10 characters).
    void KopfsatzAuffrischen();
    // Puts the record's dialog values back into the dialog fields, as the file reader does.
    void DialogwerteUebernehmen();
};

} // namespace vektra
