#pragma once
// The drawing document: the element store, the clipboard, the settings record, the file names,
// the unsaved-changes flag, the history of edits, and the values the desktop program shows in dialog fields
// but that files and exports need. Readers, writers and exporters work on this object alone, so every format
// runs without a window.
#include "editing/Verlauf.h"
#include "model/Dialogwerte.h"
#include "model/Elementspeicher.h"
#include "model/Kopfsatz.h"

#include <string>

namespace vektra {

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
    // The edits that undo and redo walk through.
    vektra::Verlauf Verlauf;

    // Line-width class -1..2 given to new elements.
    std::int16_t aktuelleBreite = 1;

    // Copies the dialog values into the settings record, as the file writer does before it
    // writes the record (texts cut to 10 characters).
    void KopfsatzAuffrischen();
    // Puts the record's dialog values back into the dialog fields, as the file reader does.
    void DialogwerteUebernehmen();
};

} // namespace vektra
