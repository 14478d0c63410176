#pragma once
// The commands on the picked elements as a whole: delete, undo the last deletion, clean up,
// unpick all and pick all.
class Fensterdienste;

class Auswahlbefehle {
  public:
    explicit Auswahlbefehle(Fensterdienste& fenster) : f_(fenster) {}

    // The Delete button and key: the picked elements are deleted; earlier deletions become
    // final, so the next undo brings back exactly these.
    void DeleteClick();
    // "Rückgängig (Strg Z)": every deleted element comes back, picked.
    void undeleteClick();
    // "Aufräumen": deleted elements are dropped for good, the others renumbered.
    void Aufrumen1Click();
    // The Unpick button and Escape: pick mode, nothing picked.
    void UnpickClick();
    // Ctrl+A: every element picked.
    void AllesWaehlen();

  private:
    Fensterdienste& f_;
};
