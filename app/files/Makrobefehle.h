#pragma once
// The macro commands: saving the picked elements as a macro file with a clicked reference
// point, inserting a macro so that its reference point lands on a clicked point, and calling up
// a macro by the first character of its name. Saving and inserting take two steps: the command
// chooses the file and enters a mode, the click in that mode finishes.
#include "editing/Makrotasten.h"

#include <QString>

class Fensterdienste;

class Makrobefehle : public Makrotasten {
  public:
    explicit Makrobefehle(Fensterdienste& fenster);

    // "als Macro speichern": with something picked, asks for the file and waits for the click
    // on the reference point (mode 12).
    void macrospeichern1Click();
    // "&Macro einfügen": asks for the macro and waits for the click that places it (mode 13).
    void macroladen1Click();

    // The click in mode 12: writes the picked elements with (x, y) as reference point.
    void Macroschreiben(double x, double y);
    // The click in mode 13: inserts the chosen macro with its reference point at (x, y), the
    // copy picked and ready to be dragged.
    void Macroeinfuegenclick(double x, double y);

    void MakrotastenModus() override;
    void MakroWiederholen() override;
    void MakroZurTaste(QChar zeichen) override;

    // The macro folder: where both macro choosers start and where keys find their macros. It
    // follows the file last chosen in either chooser.
    QString Ordner;
    // The file the next click in mode 12 writes, and the macro the next click in mode 13
    // inserts.
    QString Speichername;
    QString Einfuegename;

  private:
    Fensterdienste& f_;
};
