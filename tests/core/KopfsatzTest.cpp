#include "model/Kopfsatz.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

using namespace vektra;

namespace {

std::vector<std::uint8_t> Teil(const KopfsatzBild& b, std::size_t von, std::size_t n) {
    return std::vector<std::uint8_t>(b.begin() + static_cast<std::ptrdiff_t>(von),
                                     b.begin() + static_cast<std::ptrdiff_t>(von + n));
}

using V = std::vector<std::uint8_t>;

} // namespace

TEST(Kopfsatz, VorgabenAnIhrenStellen) {
    Kopfsatz k;
    const KopfsatzBild& b = k.Packen();
    EXPECT_EQ(Teil(b, 0, 24), (V{0, 0, 1, 0, 2, 0, 3,  0,    // PixelBreite
                                 1, 0, 4, 0, 2, 0, 10, 0,    // Textanzeige, Zoomstufe, Snapstufe, Pickabstand
                                 0, 0, 1, 0, 2, 0, 3,  0})); // PixelBreiteDialog
    EXPECT_EQ(Teil(b, 24, 11), (V{1, '1', 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Teil(b, 35, 11), (V{3, '0', '.', '0', 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Teil(b, 46, 4), (V{3, '0', '.', '1'}));
    EXPECT_EQ(Teil(b, 57, 4), (V{3, '0', '.', '4'}));
    EXPECT_EQ(Teil(b, 68, 12), (V{1, '1', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Teil(b, 80, 16), (V{0, 0, 0, 0, 0, 0, 0xD0, 0x3F, 0, 0, 0, 0, 0, 0, 0, 0x40}));
    EXPECT_EQ(Teil(b, 96, 4), (V{1, 1, 0, 1}));
    EXPECT_EQ(Teil(b, 100, 24), (V{0xFF, 0xFF, 0xFF, 0xFF, 200, 0, 0, 0, 200, 0, 0, 0, // clip area
                                   0xFF, 0xFF, 0xFF, 0xFF, 0,   0, 0, 0, 10,  0, 0, 0}));
    EXPECT_EQ(Teil(b, 124, 40), V(40, 0)); // empty offsets, reserved, both step values 0
}

TEST(Kopfsatz, FelderUeberIhreStellen) {
    Kopfsatz k;
    k.PixelBreite = {-2, 0x1234, 0, 9};
    k.Textanzeige = 3;
    k.Pickabstand = 15;
    k.Snap = false;
    k.Clipaktiv = false;
    k.ClipUnten = -300;
    k.aktuelleFarbe = 0x00336699;
    k.Massstab = 25;
    k.x_off = "\xe4";
    k.y_off = "1234567890";
    k.Startschritt = 0.001;
    k.Schrittfaktor = 1.2;
    const KopfsatzBild b = k.Packen();
    EXPECT_EQ(Teil(b, 0, 4), (V{0xFE, 0xFF, 0x34, 0x12}));
    EXPECT_EQ(Teil(b, 8, 8), (V{3, 0, 4, 0, 2, 0, 15, 0}));
    EXPECT_EQ(b[97] + b[99], 0);
    EXPECT_EQ(Teil(b, 112, 12), (V{0xD4, 0xFE, 0xFF, 0xFF, 0x99, 0x66, 0x33, 0, 25, 0, 0, 0}));
    EXPECT_EQ(Teil(b, 124, 2), (V{1, 0xE4}));
    EXPECT_EQ(Teil(b, 135, 11), (V{10, '1', '2', '3', '4', '5', '6', '7', '8', '9', '0'}));
    const std::array schritte{0.001, 1.2};
    EXPECT_EQ(std::memcmp(&b[148], schritte.data(), 16), 0);
}

TEST(Kopfsatz, RoheBytesBleibenErhalten) {
    // An image with odd content everywhere: reserved bytes, bytes after the texts, a length
    // byte above ten, a flag byte of 2.
    KopfsatzBild bild;
    for (std::size_t i = 0; i < bild.size(); ++i)
        bild[i] = static_cast<std::uint8_t>(i * 37 + 11);
    bild[24] = 3;
    bild[35] = 200;
    bild[97] = 2;
    Kopfsatz k;
    k.Entpacken(bild);
    EXPECT_EQ(k.Unitlength.size() + k.TeXBreiteUnsichtbar.size(), 13u);
    EXPECT_TRUE(k.Snap);
    EXPECT_EQ(k.Packen(), bild);

    // A changed text rewrites its length and characters only; a changed flag writes 0 or 1.
    k.Unitlength = "9";
    k.Snap = false;
    KopfsatzBild erwartet = bild;
    erwartet[24] = 1;
    erwartet[25] = '9';
    erwartet[97] = 0;
    EXPECT_EQ(k.Packen(), erwartet);
}
