#include "files/Zeichnungsdatei.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <vector>

using namespace vektra;

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Aufnahme : Meldungen {
    std::vector<std::pair<Meldungsart, std::string>> meldungen;
    void Melden(Meldungsart art, const std::string& text, int) override { meldungen.emplace_back(art, text); }
    Antwort Fragen(Meldungsart, const std::string&, Knoepfe) override { return Antwort::Ok; }
};

Bytes Schreiben(Zeichnung& z) {
    std::ostringstream aus;
    EXPECT_TRUE(ZeichnungSchreiben(aus, z));
    const std::string s = aus.str();
    return Bytes(s.begin(), s.end());
}

Leseergebnis Lesen(const Bytes& b, Zeichnung& z, std::string& fehler) {
    std::istringstream ein(std::string(b.begin(), b.end()));
    return ZeichnungLesen(ein, z, fehler);
}

// Little-endian pieces for building files by hand.
void Le(Bytes& b, std::uint64_t w, int n) {
    for (int i = 0; i < n; ++i)
        b.push_back(static_cast<std::uint8_t>(w >> (8 * i)));
}
void I32(Bytes& b, std::int32_t w) {
    Le(b, static_cast<std::uint32_t>(w), 4);
}
void I16(Bytes& b, std::int16_t w) {
    Le(b, static_cast<std::uint16_t>(w), 2);
}
void F64(Bytes& b, double w) {
    Le(b, std::bit_cast<std::uint64_t>(w), 8);
}
void Txt(Bytes& b, std::string_view s) {
    b.insert(b.end(), s.begin(), s.end());
}

// Tag, a default settings record and the count.
Bytes Anfang(std::string_view tag, std::int32_t anzahl) {
    Bytes b;
    I32(b, static_cast<std::int32_t>(tag.size()));
    Txt(b, tag);
    Kopfsatz k;
    const auto& bild = k.Packen();
    b.insert(b.end(), bild.begin(), bild.end());
    I32(b, anzahl);
    return b;
}

TElement Strich(std::uint8_t art, double x1, double y1, double x2, double y2, std::int16_t breite) {
    TElement e;
    e.Art = art;
    e.x1 = x1;
    e.y1 = y1;
    e.x2 = x2;
    e.y2 = y2;
    e.Breite = breite;
    return e;
}

TElement Kreiselement(double x, double y, double d, bool gefuellt) {
    TElement e;
    e.Art = Kreis;
    e.Ebene = EbeneKreis;
    e.x1 = x;
    e.y1 = y;
    e.Durchmesser = d;
    e.gefuellt = gefuellt;
    return e;
}

TElement Textelement(std::string_view text, std::string_view ausrichtung) {
    TElement e;
    e.Art = Text;
    e.Ebene = EbeneText;
    e.x1 = 3;
    e.y1 = -4;
    e.Ausrichtung = ausrichtung;
    e.TextSetzen(text);
    return e;
}

// Every kind, flag, width class and alignment, in a handful of colours.
Zeichnung Gemischt() {
    Zeichnung z;
    const std::int16_t breiten[] = {-1, 0, 1, 2};
    const std::int32_t farben[] = {0, 0x0000FF, 0x00FF00, 0xFF0000, 0x808080};
    const char* ausrichtungen[] = {"tl", "tc", "tr", "cl", "cc", "cr", "bl", "bc", "br"};
    int n = 0;
    for (std::int16_t b : breiten)
        for (std::int32_t f : farben) {
            TElement l = Strich(n % 2 ? Pfeilspitze : Linie, n, -n * 0.1, 1e-300, 1e300, b);
            l.Farbe = f;
            l.gepickt = n % 3 == 0;
            l.Kandidat = n % 5 == 0;
            z.Elemente.Anhaengen(l);
            TElement k = Kreiselement(n * 0.5, 7, 0.125 * n, n % 2 == 0);
            k.Breite = b;
            k.Farbe = f;
            k.gepickt = n % 2 == 1;
            z.Elemente.Anhaengen(k);
            ++n;
        }
    for (const char* a : ausrichtungen)
        z.Elemente.Anhaengen(Textelement(std::string("\\textbf{") + a + "} \xe4\xdf", a));
    z.Elemente.Anhaengen(Textelement("", "cc"));
    z.Elemente.Anhaengen(Textelement(std::string(255, 'x'), "bl"));
    return z;
}

void GleicheElemente(const Elementspeicher& a, const Elementspeicher& b) {
    ASSERT_EQ(a.Anzahl(), b.Anzahl());
    for (int i = 1; i <= a.Anzahl(); ++i) {
        SCOPED_TRACE(i);
        const TElement& x = a[i];
        const TElement& y = b[i];
        EXPECT_EQ(x.Art, y.Art);
        EXPECT_EQ(x.gepickt, y.gepickt);
        EXPECT_EQ(x.Kandidat, y.Kandidat);
        EXPECT_EQ(x.Farbe, y.Farbe);
        EXPECT_EQ(x.Ebene, y.Ebene);
        EXPECT_EQ(x.x1, y.x1);
        EXPECT_EQ(x.y1, y.y1);
        if (x.istStrich()) {
            EXPECT_EQ(x.x2, y.x2);
            EXPECT_EQ(x.y2, y.y2);
        }
        if (x.Art == Kreis) {
            EXPECT_EQ(x.Durchmesser, y.Durchmesser);
            EXPECT_EQ(x.gefuellt, y.gefuellt);
        }
        if (x.Art == Text) {
            EXPECT_EQ(x.Ausrichtung, y.Ausrichtung);
            EXPECT_EQ(x.Text, y.Text);
        } else {
            EXPECT_EQ(x.Breite, y.Breite);
        }
    }
}

} // namespace

TEST(Zeichnungsdatei, RundreiseIstByteGleich) {
    Zeichnung z = Gemischt();
    z.Kopf.Pfeilwinkel = 0.3;
    z.Kopf.aktuelleFarbe = 0x123456;
    z.Dialog.Unitlength = "0.5mm";
    z.Dialog.x_off = "-2";
    const Bytes erste = Schreiben(z);

    Zeichnung gelesen;
    std::string fehler;
    ASSERT_EQ(Lesen(erste, gelesen, fehler), Leseergebnis::Ok) << fehler;
    GleicheElemente(z.Elemente, gelesen.Elemente);
    EXPECT_EQ(gelesen.Kopf.Pfeilwinkel, 0.3);
    EXPECT_EQ(gelesen.Kopf.aktuelleFarbe, 0x123456);
    EXPECT_EQ(gelesen.Dialog.Unitlength, "0.5mm");
    EXPECT_EQ(gelesen.Dialog.x_off, "-2");
    EXPECT_EQ(Schreiben(gelesen), erste);
}

TEST(Zeichnungsdatei, GoldeneBytesJederSatzart) {
    Zeichnung z;
    TElement l = Strich(Linie, 1.5, -2, 0, 0.25, 2);
    l.gepickt = true;
    l.Farbe = 0x00FF0080;
    z.Elemente.Anhaengen(l);
    TElement k = Kreiselement(1, 2, 0.5, true);
    k.Breite = -1;
    z.Elemente.Anhaengen(k);
    TElement t = Textelement("\xe4x", "br");
    t.Farbe = 0xFF;
    t.Kandidat = true;
    z.Elemente.Anhaengen(t);
    TElement fremd;
    fremd.Art = 7;
    fremd.gepickt = true;
    fremd.Farbe = -1;
    fremd.Ebene = 11;
    fremd.x1 = 99; // not stored for an unknown kind
    z.Elemente.Anhaengen(fremd);
    TElement p = Strich(Pfeilspitze, 0, 0, 1, 0, 0);
    z.Elemente.Anhaengen(p);

    const Bytes b = Schreiben(z);
    const Bytes kennung{0x0A, 0, 0, 0, 'V', 'E', 'K', 'T', 'R', 'A', '4', '2', ' ', ' '};
    EXPECT_EQ(Bytes(b.begin(), b.begin() + 14), kennung);
    EXPECT_EQ(Bytes(b.begin() + 178, b.begin() + 182), (Bytes{5, 0, 0, 0}));

    const Bytes linie{0, 1, 0, 0, 0x80, 0, 0xFF, 0,    3, 0, 0, 0,    // common
                      0, 0, 0, 0, 0,    0, 0xF8, 0x3F,                // x1 1.5
                      0, 0, 0, 0, 0,    0, 0,    0xC0,                // y1 -2
                      0, 0, 0, 0, 0,    0, 0,    0,                   // x2 0
                      0, 0, 0, 0, 0,    0, 0xD0, 0x3F,                // y2 0.25
                      2, 0};                                          // Breite
    const Bytes kreis{2,    0,    0, 0, 0, 0, 0,    0,    5, 0, 0, 0, // common
                      0,    0,    0, 0, 0, 0, 0xF0, 0x3F,             // x 1
                      0,    0,    0, 0, 0, 0, 0,    0x40,             // y 2
                      0,    0,    0, 0, 0, 0, 0xE0, 0x3F,             // Durchmesser 0.5
                      0xFF, 0xFF,                                     // Breite -1
                      1};                                             // gefuellt
    const Bytes text{1,   0,   1, 0, 0xFF, 0, 0,    0,    8, 0, 0, 0, // common
                     0,   0,   0, 0, 0,    0, 0x08, 0x40,             // x 3
                     0,   0,   0, 0, 0,    0, 0x10, 0xC0,             // y -4
                     'b', 'r', 2, 0, 0,    0, 0xE4, 'x'};
    const Bytes unbekannt{7, 1, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 11, 0, 0, 0};
    Bytes saetze = linie;
    for (const Bytes* teil : {&kreis, &text, &unbekannt})
        saetze.insert(saetze.end(), teil->begin(), teil->end());
    ASSERT_EQ(b.size(), 182 + 46 + 39 + 36 + 12 + 46);
    EXPECT_EQ(Bytes(b.begin() + 182, b.end() - 46), saetze);
    EXPECT_EQ(b[b.size() - 46], Pfeilspitze);

    Zeichnung gelesen;
    std::string fehler;
    ASSERT_EQ(Lesen(b, gelesen, fehler), Leseergebnis::Ok) << fehler;
    EXPECT_EQ(gelesen.Elemente[4].Art, 7);
    EXPECT_EQ(gelesen.Elemente[4].Ebene, 11);
    EXPECT_EQ(gelesen.Elemente[5].Art, Pfeilspitze);
}

TEST(Zeichnungsdatei, AeltereFassungMit288ByteSaetzen) {
    Bytes b = Anfang("VEKTRA40  ", 4);
    const auto satz = [&b](std::uint8_t art, const std::function<void(Bytes&)>& rest) {
        Bytes s{art, 1, 0, 0};
        I32(s, 0x0000FF);
        I32(s, art == Kreis ? 5 : art == Text ? 8 : 3);
        F64(s, 10.5);
        F64(s, -3);
        rest(s);
        s.resize(288, 0xCC); // unused bytes carry anything
        b.insert(b.end(), s.begin(), s.end());
    };
    satz(Linie, [](Bytes& s) {
        F64(s, 20);
        F64(s, 30);
        I16(s, 2);
    });
    satz(Kreis, [](Bytes& s) {
        F64(s, 4);
        I16(s, -1);
        s.push_back(1);
    });
    satz(Text, [](Bytes& s) {
        s.push_back(2);
        Txt(s, "tl");
        s.push_back(5);
        Txt(s, "Hallo");
    });
    satz(9, [](Bytes&) {});

    Zeichnung z;
    std::string fehler;
    ASSERT_EQ(Lesen(b, z, fehler), Leseergebnis::Ok) << fehler;
    ASSERT_EQ(z.Elemente.Anzahl(), 4);
    const TElement& l = z.Elemente[1];
    EXPECT_EQ(l.Art, Linie);
    EXPECT_TRUE(l.gepickt);
    EXPECT_EQ(l.Farbe, 0xFF);
    EXPECT_EQ(l.x1, 10.5);
    EXPECT_EQ(l.y1, -3);
    EXPECT_EQ(l.x2, 20);
    EXPECT_EQ(l.y2, 30);
    EXPECT_EQ(l.Breite, 2);
    const TElement& k = z.Elemente[2];
    EXPECT_EQ(k.Durchmesser, 4);
    EXPECT_EQ(k.Breite, -1);
    EXPECT_TRUE(k.gefuellt);
    const TElement& t = z.Elemente[3];
    EXPECT_EQ(t.Ausrichtung, "tl");
    EXPECT_EQ(t.Text, "Hallo");
    EXPECT_EQ(t.Ebene, 8);
    EXPECT_EQ(z.Elemente[4].Art, 9);

    // Written back in the current layout.
    const Bytes neu = Schreiben(z);
    EXPECT_EQ(neu[11], '2');
    EXPECT_EQ(neu.size(), 182u + 46 + 39 + 34 + 5 + 12);
}

TEST(Zeichnungsdatei, FremdeKennungIstFalscheVersion) {
    for (std::string_view tag : {"", "VEKTRA41  ", "vektra42  ", "VEKTRA42 ", "VEKTRA42   "}) {
        SCOPED_TRACE(tag);
        Zeichnung z;
        std::string fehler;
        EXPECT_EQ(Lesen(Anfang(tag, 0), z, fehler), Leseergebnis::FalscheVersion);
        EXPECT_EQ(fehler, "Falsche Version");
        EXPECT_EQ(z.Elemente.Anzahl(), 0);
    }
}
