#include "model/Elementspeicher.h"

#include <algorithm>

namespace vektra {

TElement* Elementspeicher::NeuesElement() {
    if (Voll()) return nullptr;
    return &daten_.emplace_back();
}

TElement* Elementspeicher::Anhaengen(const TElement& e) {
    if (Voll()) return nullptr;
    return &daten_.emplace_back(e);
}

TElement* Elementspeicher::Anhaengen(TElement&& e) {
    if (Voll()) return nullptr;
    return &daten_.emplace_back(std::move(e));
}

std::vector<TElement> Elementspeicher::Herausnehmen(const std::vector<int>& bei) {
    std::vector<TElement> heraus;
    heraus.reserve(bei.size());
    std::size_t ziel = 0, k = 0;
    for (std::size_t i = 0; i < daten_.size(); ++i) {
        if (k < bei.size() && static_cast<std::size_t>(bei[k]) == i + 1) {
            heraus.push_back(std::move(daten_[i]));
            ++k;
        } else {
            if (ziel != i) daten_[ziel] = std::move(daten_[i]);
            ++ziel;
        }
    }
    daten_.resize(ziel);
    return heraus;
}

void Elementspeicher::Zuruecklegen(const std::vector<int>& bei, std::vector<TElement>& elemente) {
    // From the back, so every element moves once and the capacity reserved up front suffices.
    std::size_t alt = daten_.size();
    daten_.resize(alt + elemente.size());
    std::size_t k = elemente.size();
    for (std::size_t j = daten_.size(); j-- > 0 && k > 0;) {
        if (static_cast<std::size_t>(bei[k - 1]) == j + 1)
            daten_[j] = std::move(elemente[--k]);
        else
            daten_[j] = std::move(daten_[--alt]);
    }
    elemente.clear();
}

int Elementspeicher::GepickteZahl() const {
    return static_cast<int>(
        std::count_if(daten_.begin(), daten_.end(), [](const TElement& e) { return e.gepickt; }));
}

int Elementspeicher::GeloeschteZahl() const {
    return static_cast<int>(
        std::count_if(daten_.begin(), daten_.end(), [](const TElement& e) { return e.geloescht; }));
}

} // namespace vektra
