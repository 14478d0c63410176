#pragma once
// The commands on the picked elements as a whole: delete, clean up, unpick all and pick all.
class Fensterdienste;

class Auswahlbefehle {
  public:
    explicit Auswahlbefehle(Fensterdienste& fenster) : f_(fenster) {}

    // The Delete button and key: the picked elements are deleted (earlier deletions are
    // compacted away first); an undo brings back exactly these.
    void DeleteClick();
    // "Aufräumen": deleted elements are dropped, the others renumbered.
    void Aufrumen1Click();
    // The Unpick button and Escape: pick mode, nothing picked.
    void UnpickClick();
    // Ctrl+A: every element picked.
    void AllesWaehlen();

  private:
    Fensterdienste& f_;
};
