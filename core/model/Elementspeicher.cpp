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

void Elementspeicher::Aufraeumen() {
    std::erase_if(daten_, [](const TElement& e) { return e.geloescht; });
}

int Elementspeicher::GepickteZahl() const {
    return static_cast<int>(std::count_if(daten_.begin(), daten_.end(), [](const TElement& e) { return e.gepickt; }));
}

int Elementspeicher::GeloeschteZahl() const {
    return static_cast<int>(
        std::count_if(daten_.begin(), daten_.end(), [](const TElement& e) { return e.geloescht; }));
}

} // namespace vektra
