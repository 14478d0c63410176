#include "files/Zeichnungsdatei.h"
#include "ExportTestHilfe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <vector>

// Elements are written with designated initializers naming only the fields a test cares about.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

using namespace vektra;
using namespace exporttest;
using namespace std::string_literals;

namespace {

using Bytes = std::vector<std::uint8_t>;

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

void Ablegen(const std::string& pfad, const Bytes& b) {
    std::ofstream(pfad, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), std::ssize(b));
}

} // namespace

TEST(Zeichnungsdatei, RundreiseIstByteGleich) {
    // Every kind, flag, width class, alignment and a handful of colours.
    Zeichnung z;
    for (int n = 0; n < 16; ++n) {
        const std::int32_t farbe = std::array{0, 0x0000FF, 0xFF0000, 0x808080}[n % 4];
        TElement& l =
            NeuerStrich(z, n, -n * 0.1, 1e-300, 1e300, n / 4 - 1, farbe, n % 2 ? Pfeilspitze : Linie);
        l.gepickt = n % 3 == 0;
        l.Kandidat = n % 5 == 0;
        NeuerKreis(z, n * 0.5, 7, 0.125 * n, n % 2 == 0, n / 4 - 1, farbe);
    }
    for (const char* a : {"tl", "tc", "tr", "cl", "cc", "cr", "bl", "bc", "br"})
        NeuerText(z, 3, -4, std::string("\\textbf{") + a + "} \xe4\xdf", a);
    NeuerText(z, 0, 0, "");
    NeuerText(z, 0, 0, std::string(255, 'x'));
    z.Kopf.Pfeilwinkel = 0.3;
    z.Dialog.Unitlength = "0.5mm";
    const Bytes erste = Schreiben(z);
    Zeichnung gelesen = Gelesen(erste);
    ASSERT_EQ(gelesen.Elemente.Anzahl(), z.Elemente.Anzahl());
    EXPECT_EQ(Schreiben(gelesen), erste);
}

TEST(Zeichnungsdatei, GoldeneBytesJederSatzart) {
    Zeichnung z;
    NeuerStrich(z, 1.5, -2, 0, 0.25, 2, 0x00FF0080).gepickt = true;
    NeuerKreis(z, 1, 2, 0.5, true, -1);
    NeuerText(z, 3, -4, "\xe4x", "br", 0xFF).Kandidat = true;
    TElement& fremd = NeuesElement(z, 7, 11, 99, 0, 1, -1); // x1 is not stored
    fremd.gepickt = true;
    NeuerStrich(z, 0, 0, 1, 0, 1, 0, Pfeilspitze);

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
    EXPECT_TRUE(l.gepickt && l.Farbe == 0xFF && l.Breite == 2);
    EXPECT_EQ((std::array{l.x1, l.y1, l.x2, l.y2}), (std::array{10.5, -3.0, 20.0, 30.0}));
    EXPECT_TRUE(z.Elemente[2].Durchmesser == 4 && z.Elemente[2].Breite == -1 && z.Elemente[2].gefuellt);
    EXPECT_EQ(z.Elemente[3].Ausrichtung + z.Elemente[3].Text, "tlHallo");
    EXPECT_EQ(z.Elemente[4].Art, 9);
    EXPECT_EQ(z.Elemente[5].Ausrichtung, "b");

    // Written back in the current layout; the short alignment is filled up with the default.
    const Bytes neu = Schreiben(z);
    EXPECT_EQ(neu[11], '2');
    ASSERT_EQ(neu.size(), 182u + 46 + 39 + 34 + 5 + 12 + 34);
    EXPECT_EQ(std::string(neu.end() - 6, neu.end() - 4), "bc");
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
    const std::pair<const char*, std::int32_t> zahlen[] = {
        {"VEKTRA42  ", -1}, {"VEKTRA42  ", 32001}, {"VEKTRA40  ", 0x7FFFFFFF}};
    for (const auto& [tag, n] : zahlen)
        EXPECT_EQ(fehlerVon(Anfang(tag, n)),
                  "Ungültige Elementzahl " + std::to_string(n) + " (erlaubt sind 0 bis 32000).");

    const auto mitText = [](std::int32_t laenge) {
        Bau b = Anfang("VEKTRA42  ", 2);
        b.Gemeinsam(Text, 0, 8).F64(0).F64(0).Txt("cc").I32(1).Txt("a");
        b.Gemeinsam(Text, 0, 8).F64(0).F64(0).Txt("cc").I32(laenge);
        b.b.resize(b.b.size() + static_cast<std::size_t>(std::clamp(laenge, 0, 300)), 'a');
        return b;
    };
    for (std::int32_t n : {-1, 256})
        EXPECT_EQ(fehlerVon(mitText(n)), "Element 2 hat die ungültige Textlänge " + std::to_string(n) +
                                             " (erlaubt sind 0 bis 255).");
    // The limits themselves are fine, and so is an empty drawing.
    EXPECT_EQ(Gelesen(mitText(0).b).Elemente[2].Text, "");
    EXPECT_EQ(Gelesen(mitText(255).b).Elemente[2].Text, std::string(255, 'a'));
    EXPECT_EQ(Gelesen(Anfang("VEKTRA42  ", 0).b).Elemente.Anzahl(), 0);
}

namespace {

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

// Reading `pfad` fails with one message starting with `meldung`; the open drawing stays as it was.
void Scheitert(const std::string& pfad, const std::string& meldung, Meldungsart art = Meldungsart::Fehler) {
    Zeichnung z = Vorhandene();
    Protokoll m;
    EXPECT_NE(ZeichnungLesenDatei(pfad, z, m), Leseergebnis::Ok);
    ASSERT_EQ(z.Elemente.Anzahl(), 1);
    EXPECT_EQ(z.Elemente[1].x2, 2);
    EXPECT_EQ(z.Kopf.Zoomstufe, 7);
    EXPECT_EQ(z.Dialog.Unitlength, "2mm");
    EXPECT_TRUE(z.Geaendert);
    ASSERT_EQ(m.liste.size(), 1u);
    EXPECT_TRUE(m.liste[0].text.starts_with(meldung)) << m.liste[0].text;
    EXPECT_EQ(m.liste[0].art, art);
}

} // namespace

TEST(Zeichnungsdatei, LesefehlerBehaltenDieZeichnung) {
    Zeichnung quelle;
    NeuerStrich(quelle, 0, 0, 0, 0);
    NeuerText(quelle, 0, 0, "abc");
    NeuerKreis(quelle, 0, 0, 0, false);
    const Bytes voll = Schreiben(quelle);
    ASSERT_EQ(voll.size(), 182u + 46 + 37 + 39);

    // A file cut at any byte.
    Ordner o;
    const std::string pfad = o.Datei("kurz.vks");
    for (std::size_t n = 0; n < voll.size() && !HasFailure(); ++n) {
        Ablegen(pfad, Bytes(voll.begin(), voll.begin() + static_cast<std::ptrdiff_t>(n)));
        Scheitert(pfad, pfad + ": Die Datei endet unerwartet nach " + std::to_string(n) + " Bytes.");
    }
    Scheitert(o.Datei("fehlt.vks"), o.Datei("fehlt.vks") + ": Die Datei lässt sich nicht öffnen (");
    Scheitert(o.pfad.string(), o.pfad.string() + ": Die Datei lässt sich nicht öffnen (Is a directory).");
    Ablegen(o.Datei("fremd.vks"), Anfang("VEKTRA41  ", 0).b);
    Scheitert(o.Datei("fremd.vks"), "Falsche Version", Meldungsart::Information);

    Ablegen(pfad, voll);
    Zeichnung z = Vorhandene();
    Protokoll m;
    ASSERT_EQ(ZeichnungLesenDatei(pfad, z, m), Leseergebnis::Ok);
    EXPECT_TRUE(m.liste.empty());
    EXPECT_EQ(z.Elemente.Anzahl(), 3);
    EXPECT_EQ(z.Dialog.Unitlength, "1");
    EXPECT_FALSE(z.Geaendert);
    EXPECT_EQ(z.Dateiname, "alt.vks"); // the caller names the drawing
}

TEST(Zeichnungsdatei, SpeichernRaeumtAufUndErsetztAtomar) {
    Ordner o;
    const std::string pfad = o.Datei("bild.vks");
    Ablegen(pfad, Bytes{1, 2, 3});

    // Everything deleted: nothing to save, the old file stays as it was.
    Zeichnung z;
    z.Elemente.Anhaengen({.Art = Linie, .geloescht = true});
    Protokoll m;
    EXPECT_FALSE(ZeichnungSchreibenDatei(pfad, z, m));
    EXPECT_EQ(z.Elemente.Anzahl(), 0);
    EXPECT_EQ(m.Texte(), std::vector<std::string>{"Keine Zeichnung"});
    EXPECT_EQ(m.liste[0].art, Meldungsart::Information);
    EXPECT_EQ(DateiInhalt(pfad), "\1\2\3");

    // Deleted elements are dropped and the rest renumbered before writing.
    z.Elemente.Anhaengen({.Art = Linie, .geloescht = true});
    z.Elemente.Anhaengen({.Art = Kreis});
    z.Elemente.Anhaengen({.Art = Linie, .geloescht = true});
    NeuerText(z, 0, 0, "t");
    ASSERT_TRUE(ZeichnungSchreibenDatei(pfad, z, m));
    ASSERT_EQ(z.Elemente.Anzahl(), 2);
    EXPECT_EQ(z.Elemente[1].Art, Kreis);
    const std::string b = DateiInhalt(pfad);
    ASSERT_EQ(b.size(), 182u + 39 + 35);
    EXPECT_EQ(b[178], 2);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(o.pfad), {}), 1); // no temporary left

    // Saving into a folder that does not exist names the file.
    const std::string ziel = o.Datei("nicht/da.vks");
    EXPECT_FALSE(ZeichnungSchreibenDatei(ziel, z, m));
    EXPECT_EQ(m.liste.back().art, Meldungsart::Fehler);
    EXPECT_TRUE(m.liste.back().text.starts_with(ziel + ": Die Datei lässt sich nicht schreiben ("));
}

TEST(Zeichnungsdatei, EinstellungstexteAufZehnZeichenGekuerzt) {
    Zeichnung z;
    z.Elemente.Anhaengen({});
    z.Dialog.Unitlength = "0.12345678901mm";
    z.Dialog.TeXBreite = {"", "0.1", "1234567890", "12345678901"};
    z.Dialog.y_off = "sin(t)*1000";
    z.Dialog.Clipaktiv = false;
    z.Dialog.ClipLinks = -50;
    const Bytes b = Schreiben(z);
    EXPECT_EQ(std::string(b.begin() + 14 + 24, b.begin() + 14 + 36), "\x0a"
                                                                     "0.12345678\x00"s);

    const Dialogwerte d = Gelesen(b).Dialog;
    EXPECT_EQ(d.Unitlength, "0.12345678");
    EXPECT_EQ(d.TeXBreite, (std::array<std::string, 4>{"", "0.1", "1234567890", "1234567890"}));
    EXPECT_EQ(d.y_off, "sin(t)*100");
    EXPECT_FALSE(d.Clipaktiv);
    EXPECT_EQ(d.ClipLinks, -50);
}

TEST(Zeichnungsdatei, ErweiterungErsetzen) {
    const std::pair<const char*, const char*> faelle[] = {
        {"bild", "bild.vks"},
        {"bild.VKS", "bild.vks"},
        {"a.b.c", "a.b.vks"},
        {"bild.", "bild.vks"},
        {"/home/x.d/bild", "/home/x.d/bild.vks"},
        {"C:bild", "C:bild.vks"},
        {"C:\\x.d\\bild", "C:\\x.d\\bild.vks"},
    };
    for (const auto& [name, pfad] : faelle)
        EXPECT_EQ(Zeichnungspfad(name), pfad);
    EXPECT_EQ(ErweiterungErsetzen("ordner/bild.vks", ".vkx"), "ordner/bild.vkx");
}
