#include "files/Zeichnungsdatei.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <unistd.h>
#include <vector>

// Elements are written with designated initializers naming only the fields a test cares about.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using namespace vektra;
using namespace std::string_literals;

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Aufnahme : Meldungen {
    std::vector<std::pair<Meldungsart, std::string>> meldungen;
    void Melden(Meldungsart art, const std::string& text, int) override { meldungen.emplace_back(art, text); }
    Antwort Fragen(Meldungsart, const std::string&, Knoepfe) override { return Antwort::Ok; }
};

// Builds file bytes by hand, little-endian.
struct Bau {
    Bytes b;
    Bau& Le(std::uint64_t w, int n) {
        for (int i = 0; i < n; ++i)
            b.push_back(static_cast<std::uint8_t>(w >> (8 * i)));
        return *this;
    }
    Bau& U8(std::uint8_t w) { return Le(w, 1); }
    Bau& I16(std::int16_t w) { return Le(static_cast<std::uint16_t>(w), 2); }
    Bau& I32(std::int32_t w) { return Le(static_cast<std::uint32_t>(w), 4); }
    Bau& F64(double w) { return Le(std::bit_cast<std::uint64_t>(w), 8); }
    Bau& Txt(std::string_view s) { return b.insert(b.end(), s.begin(), s.end()), *this; }
    // The 12 bytes every record starts with.
    Bau& Gemeinsam(std::uint8_t art, std::int32_t farbe, std::int32_t ebene) {
        return U8(art).U8(1).U8(0).U8(0).I32(farbe).I32(ebene);
    }
};

// Tag, a default settings record and the count.
Bau Anfang(std::string_view tag, std::int32_t anzahl) {
    Bau b;
    b.I32(static_cast<std::int32_t>(tag.size())).Txt(tag);
    const KopfsatzBild bild = Kopfsatz().Packen();
    b.b.insert(b.b.end(), bild.begin(), bild.end());
    b.I32(anzahl);
    return b;
}

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

// Reads bytes that must be a good file.
Zeichnung Gelesen(const Bytes& b) {
    Zeichnung z;
    std::string fehler;
    EXPECT_EQ(Lesen(b, z, fehler), Leseergebnis::Ok) << fehler;
    return z;
}

TElement Textelement(std::string text, std::string ausrichtung) {
    return {.Art = Text, .Ebene = EbeneText, .x1 = 3, .y1 = -4, .Ausrichtung = ausrichtung, .Text = text};
}

} // namespace

TEST(Zeichnungsdatei, RundreiseIstByteGleich) {
    // Every kind, flag, width class, alignment and a handful of colours.
    Zeichnung z;
    int n = 0;
    for (std::int16_t breite : {-1, 0, 1, 2})
        for (std::int32_t farbe : {0, 0x0000FF, 0x00FF00, 0xFF0000, 0x808080}) {
            z.Elemente.Anhaengen({.Art = n % 2 ? Pfeilspitze : Linie,
                                  .gepickt = n % 3 == 0,
                                  .Kandidat = n % 5 == 0,
                                  .Farbe = farbe,
                                  .x1 = n * 1.0,
                                  .y1 = -n * 0.1,
                                  .x2 = 1e-300,
                                  .y2 = 1e300,
                                  .Breite = breite});
            z.Elemente.Anhaengen({.Art = Kreis,
                                  .gepickt = n % 2 == 1,
                                  .Farbe = farbe,
                                  .Ebene = EbeneKreis,
                                  .x1 = n * 0.5,
                                  .y1 = 7,
                                  .Durchmesser = 0.125 * n,
                                  .gefuellt = n % 2 == 0,
                                  .Breite = breite});
            ++n;
        }
    for (const char* a : {"tl", "tc", "tr", "cl", "cc", "cr", "bl", "bc", "br"})
        z.Elemente.Anhaengen(Textelement(std::string("\\textbf{") + a + "} \xe4\xdf", a));
    z.Elemente.Anhaengen(Textelement("", "cc"));
    z.Elemente.Anhaengen(Textelement(std::string(255, 'x'), "bl"));
    z.Kopf.Pfeilwinkel = 0.3;
    z.Dialog.Unitlength = "0.5mm";
    const Bytes erste = Schreiben(z);

    Zeichnung gelesen = Gelesen(erste);
    ASSERT_EQ(gelesen.Elemente.Anzahl(), z.Elemente.Anzahl());
    EXPECT_EQ(gelesen.Elemente[z.Elemente.Anzahl()].Text, std::string(255, 'x'));
    EXPECT_EQ(gelesen.Elemente[z.Elemente.Anzahl() - 1].Text, "");
    EXPECT_EQ(gelesen.Kopf.Pfeilwinkel, 0.3);
    EXPECT_EQ(gelesen.Dialog.Unitlength, "0.5mm");
    EXPECT_EQ(Schreiben(gelesen), erste);
}

TEST(Zeichnungsdatei, GoldeneBytesJederSatzart) {
    Zeichnung z;
    z.Elemente.Anhaengen(
        {.Art = Linie, .gepickt = true, .Farbe = 0x00FF0080, .x1 = 1.5, .y1 = -2, .y2 = 0.25, .Breite = 2});
    z.Elemente.Anhaengen({.Art = Kreis,
                          .Ebene = EbeneKreis,
                          .x1 = 1,
                          .y1 = 2,
                          .Durchmesser = 0.5,
                          .gefuellt = true,
                          .Breite = -1});
    TElement t = Textelement("\xe4x", "br");
    t.Kandidat = true;
    t.Farbe = 0xFF;
    z.Elemente.Anhaengen(t);
    z.Elemente.Anhaengen({.Art = 7, .gepickt = true, .Farbe = -1, .Ebene = 11, .x1 = 99}); // x1 is not stored
    z.Elemente.Anhaengen({.Art = Pfeilspitze, .x2 = 1});

    const Bytes b = Schreiben(z);
    const Bytes kennung{0x0A, 0, 0, 0, 'V', 'E', 'K', 'T', 'R', 'A', '4', '2', ' ', ' '};
    EXPECT_EQ(Bytes(b.begin(), b.begin() + 14), kennung);
    EXPECT_EQ(Bytes(b.begin() + 178, b.begin() + 182), (Bytes{5, 0, 0, 0}));
    // clang-format off
    const Bytes saetze{
        0, 1, 0, 0, 0x80, 0, 0xFF, 0, 3, 0, 0, 0,   // Linie: kind, flags, colour, class
        0, 0, 0, 0, 0, 0, 0xF8, 0x3F,               //   x1 1.5
        0, 0, 0, 0, 0, 0, 0, 0xC0,                  //   y1 -2
        0, 0, 0, 0, 0, 0, 0, 0,                     //   x2 0
        0, 0, 0, 0, 0, 0, 0xD0, 0x3F,               //   y2 0.25
        2, 0,                                       //   Breite
        2, 0, 0, 0, 0, 0, 0, 0, 5, 0, 0, 0,         // Kreis
        0, 0, 0, 0, 0, 0, 0xF0, 0x3F,               //   x 1
        0, 0, 0, 0, 0, 0, 0, 0x40,                  //   y 2
        0, 0, 0, 0, 0, 0, 0xE0, 0x3F,               //   Durchmesser 0.5
        0xFF, 0xFF, 1,                              //   Breite -1, gefuellt
        1, 0, 1, 0, 0xFF, 0, 0, 0, 8, 0, 0, 0,      // Text
        0, 0, 0, 0, 0, 0, 0x08, 0x40,               //   x 3
        0, 0, 0, 0, 0, 0, 0x10, 0xC0,               //   y -4
        'b', 'r', 2, 0, 0, 0, 0xE4, 'x',            //   alignment, length, text
        7, 1, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 11, 0, 0, 0}; // unknown kind: nothing more
    // clang-format on
    ASSERT_EQ(b.size(), 182 + saetze.size() + 46);
    EXPECT_EQ(Bytes(b.begin() + 182, b.end() - 46), saetze);
    EXPECT_EQ(b[b.size() - 46], Pfeilspitze);

    Zeichnung gelesen = Gelesen(b);
    EXPECT_EQ(gelesen.Elemente[4].Ebene, 11);
    EXPECT_EQ(gelesen.Elemente[5].Art, Pfeilspitze);
}

TEST(Zeichnungsdatei, AeltereFassungMit288ByteSaetzen) {
    Bau b = Anfang("VEKTRA40  ", 5);
    // A record is the element image: the fields at their places, anything in the unused bytes.
    const auto satz = [&b](Bau inhalt) {
        inhalt.b.resize(288, 0xCC);
        b.b.insert(b.b.end(), inhalt.b.begin(), inhalt.b.end());
    };
    satz(Bau().Gemeinsam(Linie, 0xFF, 3).F64(10.5).F64(-3).F64(20).F64(30).I16(2));
    satz(Bau().Gemeinsam(Kreis, 0, 5).F64(1).F64(2).F64(4).I16(-1).U8(1));
    satz(Bau().Gemeinsam(Text, 0, 8).F64(1).F64(2).U8(2).Txt("tl").U8(5).Txt("Hallo"));
    satz(Bau().Gemeinsam(9, 0, 3));
    satz(Bau().Gemeinsam(Text, 0, 8).F64(1).F64(2).U8(1).Txt("bx").U8(0)); // one-letter alignment

    Zeichnung z = Gelesen(b.b);
    ASSERT_EQ(z.Elemente.Anzahl(), 5);
    const TElement& l = z.Elemente[1];
    EXPECT_TRUE(l.gepickt);
    EXPECT_EQ(l.Farbe, 0xFF);
    EXPECT_EQ(l.x1 + l.y1 + l.x2 + l.y2, 10.5 - 3 + 20 + 30);
    EXPECT_EQ(l.y2, 30);
    EXPECT_EQ(l.Breite, 2);
    EXPECT_EQ(z.Elemente[2].Durchmesser, 4);
    EXPECT_EQ(z.Elemente[2].Breite, -1);
    EXPECT_TRUE(z.Elemente[2].gefuellt);
    EXPECT_EQ(z.Elemente[3].Ausrichtung, "tl");
    EXPECT_EQ(z.Elemente[3].Text, "Hallo");
    EXPECT_EQ(z.Elemente[4].Art, 9);
    EXPECT_EQ(z.Elemente[5].Ausrichtung, "b");

    // Written back in the current layout; the short alignment is filled up with the default.
    const Bytes neu = Schreiben(z);
    EXPECT_EQ(neu[11], '2');
    ASSERT_EQ(neu.size(), 182u + 46 + 39 + 34 + 5 + 12 + 34);
    EXPECT_EQ(neu[neu.size() - 6], 'b');
    EXPECT_EQ(neu[neu.size() - 5], 'c');
}

TEST(Zeichnungsdatei, UnveraenderteDateiKommtByteGleichZurueck) {
    // A settings record with something in every reserved byte and behind every text.
    Bau b;
    b.I32(10).Txt("VEKTRA42  ");
    for (std::size_t i = 0; i < KopfsatzGroesse; ++i)
        b.U8(static_cast<std::uint8_t>(i * 53 + 7));
    for (std::size_t off : {24u, 35u, 46u, 57u, 68u, 124u, 135u})
        b.b[14 + off] = 4;
    b.b[14 + 97] = 1;
    b.b[14 + 99] = 0;
    b.I32(3);
    b.Gemeinsam(Text, 0x00A0B0C0, 4).F64(-0.0).F64(1.0 / 3).Txt("bx").I32(3).Txt("\x80\x9f\xff");
    b.Gemeinsam(Kreis, 0, 4).F64(-0.0).F64(1.0 / 3).F64(1e-9).I16(32767).U8(0);
    b.Gemeinsam(200, 1, 2);

    Zeichnung z = Gelesen(b.b);
    EXPECT_EQ(z.Elemente[1].Ausrichtung, "bx"); // any two bytes
    EXPECT_EQ(Schreiben(z), b.b);
}

TEST(Zeichnungsdatei, FehlerhafteInhalteAbgelehnt) {
    const auto fehlerVon = [](const Bau& b, Leseergebnis erwartet = Leseergebnis::Fehler) {
        Zeichnung z;
        std::string fehler;
        EXPECT_EQ(Lesen(b.b, z, fehler), erwartet);
        return fehler;
    };
    for (std::string_view tag : {"", "VEKTRA41  ", "vektra42  ", "VEKTRA42 ", "VEKTRA42   "})
        EXPECT_EQ(fehlerVon(Anfang(tag, 0), Leseergebnis::FalscheVersion), "Falsche Version") << tag;

    EXPECT_EQ(fehlerVon(Anfang("VEKTRA42  ", -1)), "Ungültige Elementzahl -1 (erlaubt sind 0 bis 32000).");
    EXPECT_EQ(fehlerVon(Anfang("VEKTRA42  ", 32001)),
              "Ungültige Elementzahl 32001 (erlaubt sind 0 bis 32000).");
    EXPECT_EQ(fehlerVon(Anfang("VEKTRA40  ", 0x7FFFFFFF)),
              "Ungültige Elementzahl 2147483647 (erlaubt sind 0 bis 32000).");

    const auto mitText = [](std::int32_t laenge) {
        Bau b = Anfang("VEKTRA42  ", 2);
        b.Gemeinsam(Text, 0, 8).F64(0).F64(0).Txt("cc").I32(1).Txt("a");
        b.Gemeinsam(Text, 0, 8).F64(0).F64(0).Txt("cc").I32(laenge);
        b.b.resize(b.b.size() + static_cast<std::size_t>(std::clamp(laenge, 0, 300)), 'a');
        return b;
    };
    EXPECT_EQ(fehlerVon(mitText(-1)), "Element 2 hat die ungültige Textlänge -1 (erlaubt sind 0 bis 255).");
    EXPECT_EQ(fehlerVon(mitText(256)), "Element 2 hat die ungültige Textlänge 256 (erlaubt sind 0 bis 255).");
    // The limits themselves are fine, and so is an empty drawing.
    EXPECT_EQ(Gelesen(mitText(0).b).Elemente[2].Text, "");
    EXPECT_EQ(Gelesen(mitText(255).b).Elemente[2].Text, std::string(255, 'a'));
    EXPECT_EQ(Gelesen(Anfang("VEKTRA42  ", 0).b).Elemente.Anzahl(), 0);
}

namespace {

// A temporary folder removed at the end of the test.
struct Ordner {
    std::filesystem::path pfad = std::filesystem::temp_directory_path() /
                                 ("vks-test-" + std::to_string(::getpid()) + "-" +
                                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
    Ordner() { std::filesystem::create_directories(pfad); }
    ~Ordner() { std::filesystem::remove_all(pfad); }
    std::string Datei(std::string_view name) const { return (pfad / name).string(); }
};

void Ablegen(const std::string& pfad, const Bytes& b) {
    std::ofstream(pfad, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), std::ssize(b));
}

Bytes Laden(const std::string& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(ein), {});
}

// A drawing already open in the program, to see it survive a failed read.
Zeichnung Vorhandene() {
    Zeichnung z;
    z.Elemente.Anhaengen({.x2 = 2});
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
    quelle.Elemente.Anhaengen({.Art = Linie});
    quelle.Elemente.Anhaengen(Textelement("abc", "tl"));
    quelle.Elemente.Anhaengen({.Art = Kreis});
    const Bytes voll = Schreiben(quelle);
    ASSERT_EQ(voll.size(), 182u + 46 + 37 + 39);

    Ordner o;
    const std::string pfad = o.Datei("kurz.vks");
    Zeichnung z = Vorhandene();
    for (std::size_t n = 0; n < voll.size(); ++n) {
        Ablegen(pfad, Bytes(voll.begin(), voll.begin() + static_cast<std::ptrdiff_t>(n)));
        Aufnahme m;
        ASSERT_EQ(ZeichnungLesenDatei(pfad, z, m), Leseergebnis::Fehler) << n;
        Unveraendert(z);
        const std::string erwartet =
            pfad + ": Die Datei endet unerwartet nach " + std::to_string(n) + " Bytes.";
        ASSERT_EQ(m.meldungen, (decltype(m.meldungen){{Meldungsart::Fehler, erwartet}}));
    }
    Ablegen(pfad, voll);
    Aufnahme m;
    ASSERT_EQ(ZeichnungLesenDatei(pfad, z, m), Leseergebnis::Ok);
    EXPECT_TRUE(m.meldungen.empty());
    EXPECT_EQ(z.Elemente.Anzahl(), 3);
    EXPECT_EQ(z.Dialog.Unitlength, "1");
    EXPECT_FALSE(z.Geaendert);
    EXPECT_EQ(z.Dateiname, "alt.vks"); // the caller names the drawing
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

    m.meldungen.clear();
    EXPECT_EQ(ZeichnungLesenDatei(o.pfad.string(), z, m), Leseergebnis::Fehler);
    Unveraendert(z);
    ASSERT_EQ(m.meldungen.size(), 1u);
    EXPECT_EQ(m.meldungen[0].second,
              o.pfad.string() + ": Die Datei lässt sich nicht öffnen (Is a directory).");

    const std::string fremd = o.Datei("fremd.vks");
    Ablegen(fremd, Anfang("VEKTRA41  ", 0).b);
    m.meldungen.clear();
    EXPECT_EQ(ZeichnungLesenDatei(fremd, z, m), Leseergebnis::FalscheVersion);
    Unveraendert(z);
    EXPECT_EQ(m.meldungen, (decltype(m.meldungen){{Meldungsart::Information, "Falsche Version"}}));

    // Saving into a folder that does not exist names the file.
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
    z.Elemente.Anhaengen({.Art = Linie, .geloescht = true});
    z.Elemente.Anhaengen({.Art = Kreis, .geloescht = true});
    Aufnahme m;
    EXPECT_FALSE(ZeichnungSchreibenDatei(pfad, z, m));
    EXPECT_EQ(z.Elemente.Anzahl(), 0);
    EXPECT_EQ(m.meldungen, (decltype(m.meldungen){{Meldungsart::Information, "Keine Zeichnung"}}));
    EXPECT_EQ(Laden(pfad), (Bytes{1, 2, 3}));
    std::ostringstream aus;
    EXPECT_FALSE(ZeichnungSchreiben(aus, z));
    EXPECT_TRUE(aus.str().empty());

    // Deleted elements are dropped and the rest renumbered before writing.
    z.Elemente.Anhaengen({.Art = Linie, .geloescht = true});
    z.Elemente.Anhaengen({.Art = Kreis});
    z.Elemente.Anhaengen({.Art = Linie, .geloescht = true});
    z.Elemente.Anhaengen(Textelement("t", "cc"));
    m.meldungen.clear();
    ASSERT_TRUE(ZeichnungSchreibenDatei(pfad, z, m));
    EXPECT_TRUE(m.meldungen.empty());
    ASSERT_EQ(z.Elemente.Anzahl(), 2);
    EXPECT_EQ(z.Elemente[1].Art, Kreis);
    const Bytes b = Laden(pfad);
    ASSERT_EQ(b.size(), 182u + 39 + 35);
    EXPECT_EQ(b[178], 2);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(o.pfad), {}), 1); // no temporary left
}

TEST(Zeichnungsdatei, EinstellungstexteAufZehnZeichenGekuerzt) {
    Zeichnung z;
    z.Elemente.Anhaengen({});
    z.Dialog.Unitlength = "0.12345678901mm";
    z.Dialog.TeXBreite = {"", "0.1", "1234567890", "12345678901"};
    z.Dialog.y_off = "sin(t)*1000";
    z.Dialog.PixelBreiteDialog = {4, 5, 6, 7};
    z.Dialog.Clipaktiv = false;
    z.Dialog.ClipLinks = -50;
    const Bytes b = Schreiben(z);
    EXPECT_EQ(std::string(b.begin() + 14 + 24, b.begin() + 14 + 36), "\x0a"
                                                                     "0.12345678\x00"s);
    EXPECT_EQ(b[14 + 99], 0);

    const Dialogwerte d = Gelesen(b).Dialog;
    EXPECT_EQ(d.Unitlength, "0.12345678");
    EXPECT_EQ(d.TeXBreite, (std::array<std::string, 4>{"", "0.1", "1234567890", "1234567890"}));
    EXPECT_EQ(d.y_off, "sin(t)*100");
    EXPECT_EQ(d.PixelBreiteDialog, (std::array<std::int16_t, 4>{4, 5, 6, 7}));
    EXPECT_FALSE(d.Clipaktiv);
    EXPECT_EQ(d.ClipLinks, -50);
}

TEST(Zeichnungsdatei, ErweiterungErsetzen) {
    EXPECT_EQ(Zeichnungspfad("bild"), "bild.vks");
    EXPECT_EQ(Zeichnungspfad("bild.VKS"), "bild.vks");
    EXPECT_EQ(Zeichnungspfad("a.b.c"), "a.b.vks");
    EXPECT_EQ(Zeichnungspfad("/home/x.d/bild"), "/home/x.d/bild.vks");
    EXPECT_EQ(Zeichnungspfad("C:\\x.d\\bild"), "C:\\x.d\\bild.vks");
    EXPECT_EQ(Zeichnungspfad("C:bild"), "C:bild.vks");
    EXPECT_EQ(Zeichnungspfad("bild."), "bild.vks");
    EXPECT_EQ(ErweiterungErsetzen("ordner/bild.vks", ".vkx"), "ordner/bild.vkx");
}
