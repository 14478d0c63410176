#pragma once
// The glyphs of the tool bar buttons, drawn in code.
#include <QIcon>

enum class Glyphe {
    Linie,
    Text,
    Kreis,
    GefuellterKreis,
    Pfeil,
    Strichlinie,
    GrosserKreis,
    Rechteck,
    Kurve,
    Loeschen,
    Verschieben,
    TextEditieren,
    Auswahl,
    Auswahlflaeche,
    AuswahlAufheben,
    Zoomflaeche,
    Unzoom,
    NeuZeichnen,
    Nullpunkt,
};

constexpr int Glyphengroesse = 24;

QIcon Symbol(Glyphe g);
