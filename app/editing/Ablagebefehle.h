#pragma once
// The program's own clipboard from the menu and the keys: copy, cut and paste of the picked
// elements. The system clipboard is never touched.
class Fensterdienste;

class Ablagebefehle {
  public:
    explicit Ablagebefehle(Fensterdienste& fenster) : f_(fenster) {}

    // "Kopieren (Strg C)": the clipboard holds the picked elements, or nothing when none is picked.
    void kopieren();
    // "Ausschneiden (Strg X)": copies, then deletes the picked elements (undo brings them back).
    // With nothing picked the clipboard keeps its content.
    void ausschneiden();
    // "Einfügen (Strg V)": exact copies of the clipboard appended, picked, on top of their
    // originals; all or nothing when the drawing is nearly full.
    void einfuegen();

  private:
    Fensterdienste& f_;
};
