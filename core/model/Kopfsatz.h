#pragma once
// The settings record that travels with every drawing file, and its exact 164-byte image.
#include <array>
#include <cstdint>
#include <string>

namespace vektra {

constexpr std::size_t KopfsatzGroesse = 164;
using KopfsatzBild = std::array<std::uint8_t, KopfsatzGroesse>;

struct Kopfsatz {
    // Screen widths in pixels of the classes -1, 0, 1, 2 (index class + 1).
    std::array<std::int16_t, 4> PixelBreite{0, 1, 2, 3};
    std::int16_t Textanzeige = 1; // 0 "T", 1 as written, 2 hidden, 3 alignment symbol
    std::int16_t Zoomstufe = 4;
    std::int16_t Snapstufe = 2;
    std::int16_t Pickabstand = 10;
    std::array<std::int16_t, 4> PixelBreiteDialog{0, 1, 2, 3};
    // Texts as cp1252 bytes, at most 10 each.
    std::string Unitlength = "1";
    std::string TeXBreiteUnsichtbar = "0.0";
    std::string TeXBreiteDuenn = "0.1";
    std::string TeXBreiteNormal = "0.4";
    std::string TeXBreiteDick = "1";
    double Pfeilwinkel = 0.25;
    double Pfeillaenge = 2.0;
    bool Snap = true;
    bool Clipaktiv = true;
    std::int32_t ClipLinks = -1;
    std::int32_t ClipRechts = 200;
    std::int32_t ClipOben = 200;
    std::int32_t ClipUnten = -1;
    std::int32_t aktuelleFarbe = 0;
    std::int32_t Massstab = 10;
    std::string x_off;
    std::string y_off;
    double Startschritt = 0;
    double Schrittfaktor = 0;

    // The image the record was last read from or packed into. Reserved bytes and the bytes
    // after each text come from here, so an unchanged record writes back byte for byte.
    KopfsatzBild roh = NeuesBild();

    std::int16_t PixelBreiteVon(int klasse) const { return PixelBreite[static_cast<std::size_t>(klasse + 1)]; }

    // Writes the fields into `roh` and returns it.
    const KopfsatzBild& Packen();
    // Takes over an image read from a file.
    void Entpacken(const KopfsatzBild& bild);

    // The image of a new record: zero but for the reserved flag at 96.
    static KopfsatzBild NeuesBild();
};

} // namespace vektra
