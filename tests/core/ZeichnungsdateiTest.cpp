#include "files/Zeichnungsdatei.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
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

namespace {

// A temporary folder removed at the end of the test.
struct Ordner {
    std::filesystem::path pfad;
    Ordner() {
        pfad = std::filesystem::temp_directory_path() /
               ("vks-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(pfad);
    }
    ~Ordner() { std::filesystem::remove_all(pfad); }
    std::string Datei(std::string_view name) const { return (pfad / name).string(); }
};

void Ablegen(const std::string& pfad, const Bytes& b) {
    std::ofstream aus(pfad, std::ios::binary | std::ios::trunc);
    aus.write(reinterpret_cast<const char*>(b.data()), static_cast<std::streamsize>(b.size()));
}

Bytes Laden(const std::string& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(ein), {});
}

// A drawing already open in the program, to see it survive a failed read.
Zeichnung Vorhandene() {
    Zeichnung z;
    z.Elemente.Anhaengen(Strich(Linie, 1, 1, 2, 2, 1));
    z.Kopf.Zoomstufe = 7;
    z.Dialog.Unitlength = "2mm";
    z.Dateiname = "alt.vks";
    z.Geaendert = true;
    return z;
}

void Unveraendert(const Zeichnung& z) {
    ASSERT_EQ(z.Elemente.Anzahl(), 1);
    EXPECT_EQ(z.Elemente[1].x2, 2);
    EXPECT_EQ(z.Kopf.Zoomstufe, 7);
    EXPECT_EQ(z.Dialog.Unitlength, "2mm");
    EXPECT_TRUE(z.Geaendert);
}

} // namespace

TEST(Zeichnungsdatei, AbgeschnitteneDateiBeiJedemByteAbgelehnt) {
    Zeichnung quelle;
    quelle.Elemente.Anhaengen(Strich(Linie, 0, 0, 1, 1, 0));
    quelle.Elemente.Anhaengen(Textelement("abc", "tl"));
    quelle.Elemente.Anhaengen(Kreiselement(1, 1, 2, false));
    const Bytes voll = Schreiben(quelle);
    ASSERT_EQ(voll.size(), 182u + 46 + 37 + 39);

    Ordner o;
    const std::string pfad = o.Datei("kurz.vks");
    for (std::size_t n = 0; n < voll.size(); ++n) {
        SCOPED_TRACE(n);
        Ablegen(pfad, Bytes(voll.begin(), voll.begin() + static_cast<std::ptrdiff_t>(n)));
        Zeichnung z = Vorhandene();
        Aufnahme m;
        ASSERT_EQ(ZeichnungLesenDatei(pfad, z, m), Leseergebnis::Fehler);
        Unveraendert(z);
        ASSERT_EQ(m.meldungen.size(), 1u);
        EXPECT_EQ(m.meldungen[0].first, Meldungsart::Fehler);
        EXPECT_EQ(m.meldungen[0].second,
                  pfad + ": Die Datei endet unerwartet nach " + std::to_string(n) + " Bytes.");
    }
    Ablegen(pfad, voll);
    Zeichnung z = Vorhandene();
    Aufnahme m;
    ASSERT_EQ(ZeichnungLesenDatei(pfad, z, m), Leseergebnis::Ok);
    EXPECT_TRUE(m.meldungen.empty());
    EXPECT_EQ(z.Elemente.Anzahl(), 3);
    EXPECT_EQ(z.Dialog.Unitlength, "1");
    EXPECT_FALSE(z.Geaendert);
    EXPECT_EQ(z.Dateiname, "alt.vks"); // the caller names the drawing
}

TEST(Zeichnungsdatei, UngueltigeAnzahlenUndTextlaengen) {
    const auto fehlerVon = [](const Bytes& b) {
        Zeichnung z;
        std::string fehler;
        EXPECT_EQ(Lesen(b, z, fehler), Leseergebnis::Fehler);
        return fehler;
    };
    EXPECT_EQ(fehlerVon(Anfang("VEKTRA42  ", -1)), "Ungültige Elementzahl -1 (erlaubt sind 0 bis 32000).");
    EXPECT_EQ(fehlerVon(Anfang("VEKTRA42  ", 32001)),
              "Ungültige Elementzahl 32001 (erlaubt sind 0 bis 32000).");
    EXPECT_EQ(fehlerVon(Anfang("VEKTRA40  ", 0x7FFFFFFF)),
              "Ungültige Elementzahl 2147483647 (erlaubt sind 0 bis 32000).");

    const auto mitText = [](std::int32_t laenge) {
        Bytes b = Anfang("VEKTRA42  ", 2);
        for (int i = 0; i < 2; ++i) {
            Bytes s{Text, 0, 0, 0, 0, 0, 0, 0, 8, 0, 0, 0};
            F64(s, 0);
            F64(s, 0);
            Txt(s, "cc");
            I32(s, i == 0 ? 1 : laenge);
            s.resize(s.size() + (i == 0 ? 1 : static_cast<std::size_t>(std::clamp(laenge, 0, 300))), 'a');
            b.insert(b.end(), s.begin(), s.end());
        }
        return b;
    };
    EXPECT_EQ(fehlerVon(mitText(-1)), "Element 2 hat die ungültige Textlänge -1 (erlaubt sind 0 bis 255).");
    EXPECT_EQ(fehlerVon(mitText(256)), "Element 2 hat die ungültige Textlänge 256 (erlaubt sind 0 bis 255).");

    // The limits themselves are fine, and an empty drawing is a valid file.
    for (std::int32_t laenge : {0, 255}) {
        Zeichnung z;
        std::string fehler;
        ASSERT_EQ(Lesen(mitText(laenge), z, fehler), Leseergebnis::Ok) << fehler;
        EXPECT_EQ(z.Elemente[2].Text, std::string(static_cast<std::size_t>(laenge), 'a'));
    }
    Zeichnung leer;
    std::string fehler;
    EXPECT_EQ(Lesen(Anfang("VEKTRA42  ", 0), leer, fehler), Leseergebnis::Ok);
    EXPECT_EQ(leer.Elemente.Anzahl(), 0);
}

TEST(Zeichnungsdatei, DateiFehlerBehaltenDieZeichnung) {
    Ordner o;
    Zeichnung z = Vorhandene();
    Aufnahme m;
    const std::string fehlt = o.Datei("fehlt.vks");
    EXPECT_EQ(ZeichnungLesenDatei(fehlt, z, m), Leseergebnis::Fehler);
    Unveraendert(z);
    ASSERT_EQ(m.meldungen.size(), 1u);
    EXPECT_EQ(m.meldungen[0].second.rfind(fehlt + ": Die Datei lässt sich nicht öffnen (", 0), 0u);

    const std::string fremd = o.Datei("fremd.vks");
    Ablegen(fremd, Anfang("VEKTRA41  ", 0));
    m.meldungen.clear();
    EXPECT_EQ(ZeichnungLesenDatei(fremd, z, m), Leseergebnis::FalscheVersion);
    Unveraendert(z);
    ASSERT_EQ(m.meldungen.size(), 1u);
    EXPECT_EQ(m.meldungen[0], std::make_pair(Meldungsart::Information, std::string("Falsche Version")));

    // Saving into a folder that does not exist names the file and leaves nothing behind.
    const std::string ziel = o.Datei("nicht/da.vks");
    m.meldungen.clear();
    EXPECT_FALSE(ZeichnungSchreibenDatei(ziel, z, m));
    ASSERT_EQ(m.meldungen.size(), 1u);
    EXPECT_EQ(m.meldungen[0].first, Meldungsart::Fehler);
    EXPECT_EQ(m.meldungen[0].second.rfind(ziel + ": Die Datei lässt sich nicht schreiben (", 0), 0u);
}

TEST(Zeichnungsdatei, SpeichernRaeumtAufUndErsetztAtomar) {
    Ordner o;
    const std::string pfad = o.Datei("bild.vks");
    Ablegen(pfad, Bytes{1, 2, 3});

    // Everything deleted: nothing to save, the old file stays as it was.
    Zeichnung z;
    z.Elemente.Anhaengen(Strich(Linie, 0, 0, 1, 1, 1))->geloescht = true;
    z.Elemente.Anhaengen(Kreiselement(0, 0, 1, true))->geloescht = true;
    Aufnahme m;
    EXPECT_FALSE(ZeichnungSchreibenDatei(pfad, z, m));
    EXPECT_EQ(z.Elemente.Anzahl(), 0);
    ASSERT_EQ(m.meldungen.size(), 1u);
    EXPECT_EQ(m.meldungen[0], std::make_pair(Meldungsart::Information, std::string("Keine Zeichnung")));
    EXPECT_EQ(Laden(pfad), (Bytes{1, 2, 3}));
    std::ostringstream aus;
    EXPECT_FALSE(ZeichnungSchreiben(aus, z));
    EXPECT_TRUE(aus.str().empty());

    // Deleted elements are dropped and the rest renumbered before writing.
    z.Elemente.Anhaengen(Strich(Linie, 0, 0, 1, 1, 1))->geloescht = true;
    z.Elemente.Anhaengen(Kreiselement(5, 5, 1, true));
    z.Elemente.Anhaengen(Strich(Linie, 0, 0, 1, 1, 1))->geloescht = true;
    z.Elemente.Anhaengen(Textelement("t", "cc"));
    m.meldungen.clear();
    ASSERT_TRUE(ZeichnungSchreibenDatei(pfad, z, m));
    EXPECT_TRUE(m.meldungen.empty());
    ASSERT_EQ(z.Elemente.Anzahl(), 2);
    EXPECT_EQ(z.Elemente[1].Art, Kreis);
    const Bytes b = Laden(pfad);
    ASSERT_EQ(b.size(), 182u + 39 + 35);
    EXPECT_EQ(b[178], 2);
    EXPECT_EQ(std::filesystem::directory_iterator(o.pfad)->path().filename(), "bild.vks");
}

TEST(Zeichnungsdatei, EinstellungstexteAufZehnZeichenGekuerzt) {
    Zeichnung z;
    z.Elemente.Anhaengen(Strich(Linie, 0, 0, 1, 1, 1));
    z.Dialog.Unitlength = "0.12345678901mm";
    z.Dialog.TeXBreite = {"", "0.1", "1234567890", "12345678901"};
    z.Dialog.y_off = "sin(t)*1000";
    z.Dialog.PixelBreiteDialog = {4, 5, 6, 7};
    z.Dialog.Clipaktiv = false;
    z.Dialog.ClipLinks = -50;
    const Bytes b = Schreiben(z);
    EXPECT_EQ(b[14 + 24], 10);
    EXPECT_EQ(std::string(b.begin() + 14 + 25, b.begin() + 14 + 35), "0.12345678");
    EXPECT_EQ(b[14 + 35], 0);
    EXPECT_EQ(b[14 + 99], 0);

    Zeichnung gelesen;
    std::string fehler;
    ASSERT_EQ(Lesen(b, gelesen, fehler), Leseergebnis::Ok) << fehler;
    const Dialogwerte& d = gelesen.Dialog;
    EXPECT_EQ(d.Unitlength, "0.12345678");
    EXPECT_EQ(d.TeXBreite, (std::array<std::string, 4>{"", "0.1", "1234567890", "1234567890"}));
    EXPECT_EQ(d.y_off, "sin(t)*100");
    EXPECT_EQ(d.PixelBreiteDialog, (std::array<std::int16_t, 4>{4, 5, 6, 7}));
    EXPECT_FALSE(d.Clipaktiv);
    EXPECT_EQ(d.ClipLinks, -50);
}

TEST(Zeichnungsdatei, ErweiterungErsetzen) {
    EXPECT_EQ(Zeichnungspfad("bild"), "bild.vks");
    EXPECT_EQ(Zeichnungspfad("bild.vkx"), "bild.vks");
    EXPECT_EQ(Zeichnungspfad("bild.VKS"), "bild.vks");
    EXPECT_EQ(Zeichnungspfad("a.b.c"), "a.b.vks");
    EXPECT_EQ(Zeichnungspfad("/home/x.d/bild"), "/home/x.d/bild.vks");
    EXPECT_EQ(Zeichnungspfad("C:\\x.d\\bild"), "C:\\x.d\\bild.vks");
    EXPECT_EQ(Zeichnungspfad("C:bild"), "C:bild.vks");
    EXPECT_EQ(Zeichnungspfad("bild."), "bild.vks");
    EXPECT_EQ(Zeichnungspfad(""), ".vks");
    EXPECT_EQ(ErweiterungErsetzen("ordner/bild.vks", ".vkx"), "ordner/bild.vkx");
}

TEST(Zeichnungsdatei, UnveraenderteDateiKommtByteGleichZurueck) {
    // A settings record with something in every reserved byte and behind every text.
    Bytes b;
    I32(b, 10);
    Txt(b, "VEKTRA42  ");
    for (std::size_t i = 0; i < KopfsatzGroesse; ++i)
        b.push_back(static_cast<std::uint8_t>(i * 53 + 7));
    for (std::size_t off : {24u, 35u, 46u, 57u, 68u, 124u, 135u})
        b[14 + off] = 4;
    b[14 + 97] = 1;
    b[14 + 99] = 0;
    I32(b, 3);
    const auto kopf = [&b](std::uint8_t art, std::uint8_t gepickt) {
        b.insert(b.end(), {art, gepickt, 0, 0});
        I32(b, 0x00A0B0C0);
        I32(b, 4);
        if (art > 3) return;
        F64(b, -0.0);
        F64(b, 1.0 / 3);
    };
    kopf(Text, 1);
    Txt(b, "bx"); // any two bytes as alignment
    I32(b, 3);
    Txt(b, "\x80\x9f\xff");
    kopf(Kreis, 0);
    F64(b, 1e-9);
    I16(b, 32767);
    b.push_back(0);
    kopf(200, 1);

    Zeichnung z;
    std::string fehler;
    ASSERT_EQ(Lesen(b, z, fehler), Leseergebnis::Ok) << fehler;
    EXPECT_EQ(z.Elemente[1].Ausrichtung, "bx");
    const Bytes neu = Schreiben(z);
    ASSERT_EQ(neu.size(), b.size());
    for (std::size_t i = 0; i < b.size(); ++i) EXPECT_EQ(neu[i], b[i]) << "Byte " << i;
}
