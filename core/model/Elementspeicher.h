#pragma once
// The element store: elements 1..Anzahl in creation order, at most 32000 of them.
// The store reserves its whole capacity up front, so a pointer into it stays valid until
// the next compaction or clearing; the pages of that capacity are claimed as elements arrive,
// in huge pages where the system offers them (model/Grossseiten.h).
#include "model/Element.h"
#include "model/Grossseiten.h"

#include <vector>

namespace vektra {

constexpr int MaxElemente = 32000;

class Elementspeicher {
  public:
    Elementspeicher() { daten_.reserve(MaxElemente); }

    int Anzahl() const { return static_cast<int>(daten_.size()); }
    bool Voll() const { return Anzahl() >= MaxElemente; }
    int Frei() const { return MaxElemente - Anzahl(); }

    // Element i, 1 <= i <= Anzahl.
    TElement& operator[](int i) { return daten_[static_cast<std::size_t>(i - 1)]; }
    const TElement& operator[](int i) const { return daten_[static_cast<std::size_t>(i - 1)]; }

    // Appends a fresh element and returns it, or nullptr when the store is full; the caller
    // must then stop adding and tell the user.
    TElement* NeuesElement();
    // Appends a copy of e, or returns nullptr when full.
    TElement* Anhaengen(const TElement& e);
    TElement* Anhaengen(TElement&& e);

    // Takes the elements at the ascending indices `bei` out, in order, and renumbers the rest.
    std::vector<TElement> Herausnehmen(const std::vector<int>& bei);
    // Puts elements taken out by Herausnehmen back at the indices they had; `elemente` is left
    // empty.
    void Zuruecklegen(const std::vector<int>& bei, std::vector<TElement>& elemente);
    void AllesLoeschen() { daten_.clear(); }
    // Drops the elements after the first n, so a figure that could not be completed leaves
    // nothing behind.
    void Kuerzen(int n) {
        if (n >= 0 && n < Anzahl()) daten_.resize(static_cast<std::size_t>(n));
    }

    int GepickteZahl() const;
    int GeloeschteZahl() const;

    auto begin() { return daten_.begin(); }
    auto end() { return daten_.end(); }
    auto begin() const { return daten_.begin(); }
    auto end() const { return daten_.end(); }

  private:
    std::vector<TElement, Grossseiten<TElement>> daten_;
};

} // namespace vektra
