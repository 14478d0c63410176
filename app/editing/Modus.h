#pragma once
// The tool modes. The values are the mode numbers the status texts, the tests and the design
// speak of; every change of mode goes through the main window's mode switch.
#include <cstdint>

enum class Modus : std::uint8_t {
    Linie = 0,
    Text = 1,
    Kreis = 2,
    GefuellterKreis = 3,
    Auswahl = 4,
    Neutral = 6,
    Kandidaten = 7,
    Verschieben = 10,
    Makrotaste = 11,
    MakroSpeichern = 12,
    MakroEinfuegen = 13,
    Pfeil = 15,
    Linie2 = 16,
    GrosserKreis = 17,
    Zoomflaeche = 18,
    Pickflaeche = 19,
    TextWartet = 20,
    TextEditieren = 21,
    Rechteck = 22,
};

constexpr int Modusnummer(Modus m) {
    return static_cast<int>(m);
}
constexpr int Moduszahl = 23;
