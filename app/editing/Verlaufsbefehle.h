#pragma once
// Undo and redo: the menu items "Rückgängig (Strg Z)" and "Wiederherstellen (Strg Y)", greyed
// out while there is nothing to take back or again, and the status line saying what was.
#include <QObject>

class Fensterdienste;
class QAction;

class Verlaufsbefehle : public QObject {
    Q_OBJECT
  public:
    // Takes over the two menu items: their clicks, and their greying as the history changes.
    Verlaufsbefehle(Fensterdienste& fenster, QAction* rueckgaengig, QAction* wiederherstellen);

    // "Rückgängig (Strg Z)": the last edit taken back.
    void undeleteClick();
    // "Wiederherstellen (Strg Y)": the edit taken back last done again.
    void WiederherstellenClick();

  private:
    void Anzeigen();

    Fensterdienste& f_;
    QAction* rueckgaengig_;
    QAction* wiederherstellen_;
};
