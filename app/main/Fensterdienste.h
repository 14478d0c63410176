#pragma once
// What the main window offers the commands and tools of the program: the document and its
// view, painting, the mode switch, messages and questions, file choosers and dialogs, the
// caption and status line. Commands and tools take this interface, never the window class, so
// the window's state stays its own and tests can stand in for it.
#include "editing/Modus.h"
#include "text/Meldungen.h"

#include <QColor>
#include <QString>

#include <optional>

class Maler;
class MyDraw;
class QDialog;
struct Interaktion;

namespace vektra {
struct Ansicht;
struct Zeichnung;
} // namespace vektra

class Fensterdienste : public vektra::Meldungen {
  public:
    virtual vektra::Zeichnung& Dokument() = 0;
    virtual vektra::Ansicht& Sicht() = 0;
    virtual Maler& Painter() = 0;
    virtual MyDraw& Flaeche() = 0;
    virtual Interaktion& Zustand() = 0;

    virtual Modus AktuellerModus() const = 0;
    virtual void ModusSetzen(Modus m) = 0;
    // Full redraw of surface and rulers, ending with the current mode applied again.
    virtual void zeichneneu() = 0;
    // Ends a command that had a dialog or chooser open: the next pointer move is swallowed,
    // mode m is entered, and the drawing is redrawn when asked.
    virtual void BefehlBeenden(Modus m, bool neuZeichnen) = 0;

    virtual void TitelSetzen(const QString& titel) = 0;
    virtual void StatusSetzen(int feld, const QString& text) = 0;
    // Status panel 2 shows the element counts as they are now.
    virtual void ZaehlerAnzeigen() = 0;
    // The tool bar, zoom menu, settings dialog and clip state follow the document, after a
    // drawing was loaded or imported.
    virtual void DokumentUebernehmen() = 0;
    virtual void SpeichernFreigeben() = 0;

    // File choosers: the chosen file, or an empty text when cancelled. `vorschlag` is the
    // initial folder, or a file in it.
    virtual QString OeffnenDialog(const QString& titel, const QString& ordner, const QString& filter) = 0;
    virtual QString SpeichernDialog(const QString& titel, const QString& vorschlag,
                                    const QString& filter) = 0;
    // Shows a modal dialog and returns its result.
    virtual int DialogAusfuehren(QDialog& dialog) = 0;
    // The colour chooser, starting at `anfang`: the chosen colour, or nothing when cancelled.
    virtual std::optional<QColor> FarbeWaehlen(const QColor& anfang) = 0;
};
