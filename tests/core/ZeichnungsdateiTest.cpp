#include "files/Zeichnungsdatei.h"
#include "Testhilfe.h"

#include <sstream>

using namespace testhilfe;
using namespace std::string_literals;

namespace {

Bau Anfang(std::string_view tag, std::int32_t anzahl) {
    const KopfsatzBild bild = Kopfsatz().Packen();
    return Bau()
        .I32(static_cast<std::int32_t>(tag.size()))
        .Txt(tag)
        .Txt(std::string(bild.begin(), bild.end()))
        .I32(anzahl);
}

std::string Schreiben(Zeichnung& z) {
    std::ostringstream aus;
    EXPECT_TRUE(ZeichnungSchreiben(aus, z));
    return aus.str();
}

// Reads bytes that must give `erwartet`: the drawing and the message.
std::pair<Zeichnung, std::string> Lesen(const std::string& b, Leseergebnis erwartet = Leseergebnis::Ok) {
    std::pair<Zeichnung, std::string> e;
    std::istringstream ein(b);
    EXPECT_EQ(ZeichnungLesen(ein, e.first, e.second), erwartet) << e.second;
    return e;
}

std::string Ende(std::size_t n) {
    return "Die Datei endet unerwartet nach " + std::to_string(n) + " Bytes.";
}

} // namespace

TEST(Zeichnungsdatei, GoldeneBytesVonKopfsatzUndJederSatzart) {
    Zeichnung z;
    // Fields whose defaults are equal or zero get distinct values, so every place is pinned;
    // texts are cut to ten characters.
    std::tie(z.Kopf.aktuelleFarbe, z.Kopf.Startschritt, z.Kopf.Schrittfaktor) =
        std::tuple(0x336699, 0.001, 1.2);
    std::tie(z.Dialog.ClipOben, z.Dialog.ClipUnten, z.Dialog.PixelBreiteDialog) =
        std::tuple(150, -300, std::array<std::int16_t, 4>{3, 2, 1, 0});
    std::tie(z.Dialog.y_off, z.Dialog.Unitlength, z.Dialog.TeXBreite[3], z.Dialog.x_off) =
        std::tuple("\xe4", "0.12345678901mm", "12345678901", "sin(t)*1000");
    NeuerStrich(z, 1.5, -2, 0, 0.25, 2, 0x00FF0080).gepickt = true;
    NeuerKreis(z, 1, 2, 0.5, true, -1);
    NeuerText(z, 3, -4, "\xe4x", "br", 0xFF).Kandidat = true;
    TElement& fremd = NeuerStrich(z, 99, 0, 0, 0, 1, -1, 7); // an unknown kind keeps only the common part
    std::tie(fremd.Ebene, fremd.gepickt) = std::tuple(11, true);
    NeuerStrich(z, 0, 0, 1, 0, 1, 0, Pfeilspitze);

    Bau b;
    b.I32(10).Txt("VEKTRA42  ");
    for (int w : {0, 1, 2, 3, 1, 4, 2, 10, 3, 2, 1, 0})
        b.I16(static_cast<std::int16_t>(w));
    b.Str("0.12345678", 11).Str("0.0", 11).Str("0.1", 11).Str("0.4", 11).Str("1234567890", 12);
    b.F64(0.25).F64(2).Txt("\1\1\0\1"s);
    for (int w : {-1, 200, 150, -300, 0x336699, 10})
        b.I32(w);
    b.Str("sin(t)*100", 11).Str("\xe4", 13).F64(0.001).F64(1.2).I32(5);
    b.Satz(Linie, 0x00FF0080, 3).F64(1.5).F64(-2).F64(0).F64(0.25).I16(2);
    b.Satz(Kreis, 0, 5, false).F64(1).F64(2).F64(0.5).I16(-1).U8(1);
    b.Satz(Text, 0xFF, 8, false, true).F64(3).F64(-4).Txt("br").I32(2).Txt("\xe4x");
    b.Satz(7, -1, 11);
    b.Satz(Pfeilspitze, 0, 3, false).F64(0).F64(0).F64(1).F64(0).I16(1);
    EXPECT_EQ(Schreiben(z), b.b);
}

TEST(Zeichnungsdatei, RundreiseIstByteGleich) {
    // Every kind, width class and flag, all alignments, extreme numbers and text lengths.
    Zeichnung z = Beispielzeichnung();
    for (const char* a : {"tl", "tc", "tr", "cl", "cr", "bl", "bc"})
        NeuerText(z, 1e-300, -1e300, a, a).Kandidat = true;
    NeuerText(z, -0.0, 0, "").gepickt = true;
    NeuerText(z, 0, 1.0 / 3, std::string(255, '\xe4'));
    NeuerKreis(z, 0, 0, 1e300, true, -1).gepickt = true;
    z.Kopf.Pfeilwinkel = 0.3;
    const std::string erste = Schreiben(z);
    Zeichnung gelesen = Lesen(erste).first;
    EXPECT_EQ(gelesen.Elemente.Anzahl(), z.Elemente.Anzahl());
    EXPECT_EQ(Schreiben(gelesen), erste);
}

TEST(Zeichnungsdatei, RoheKopfsatzbytesBleibenErhalten) {
    // Something in every reserved byte and behind every text, a length byte above ten, a flag of 2.
    Bau b;
    b.I32(10).Txt("VEKTRA42  ");
    for (std::size_t i = 0; i < KopfsatzGroesse; ++i)
        b.U8(static_cast<std::uint8_t>(i * 53 + 7));
    for (std::size_t off : {24u, 46u, 57u, 68u, 124u, 135u})
        b.b[14 + off] = 4;
    b.b[14 + 35] = char(200);
    b.b[14 + 97] = 2;
    b.I32(3);
    b.Satz(Text, 0x00A0B0C0, 4).F64(-0.0).F64(1.0 / 3).Txt("bx").I32(3).Txt("\x80\x9f\xff");
    b.Satz(Kreis, 0, 4).F64(-0.0).F64(1.0 / 3).F64(1e-9).I16(32767).U8(0);
    b.Satz(200, 1, 2);
    Zeichnung z = Lesen(b.b).first;
    // Any two bytes of alignment; a text keeps at most ten characters.
    EXPECT_TRUE(z.Elemente[1].Ausrichtung == "bx" && z.Dialog.TeXBreite[0].size() == 10u);
    EXPECT_EQ(Schreiben(z), b.b);
    // A changed text rewrites its length and characters only; a changed flag writes 0 or 1.
    std::tie(z.Dialog.Unitlength, z.Kopf.Snap) = std::tuple("9", false);
    std::tie(b.b[14 + 24], b.b[14 + 25], b.b[14 + 97]) = std::tuple(1, '9', 0);
    EXPECT_EQ(Schreiben(z), b.b);
}

TEST(Zeichnungsdatei, AeltereFassungMit288ByteSaetzen) {
    Bau b = Anfang("VEKTRA40  ", 5);
    // A record is the element image: the fields at their places, anything in the unused bytes.
    for (Bau satz :
         {Bau().Satz(Linie, 0xFF, 3).F64(10.5).F64(-3).F64(20).F64(30).I16(2),
          Bau().Satz(Kreis, 0, 5).F64(1).F64(2).F64(4).I16(-1).U8(1),
          Bau().Satz(Text, 0, 8).F64(1).F64(2).U8(2).Txt("tl").U8(5).Txt("Hallo"), Bau().Satz(9, 0, 3),
          Bau().Satz(Text, 0, 8).F64(1).F64(2).U8(1).Txt("bx").U8(0)}) // one-letter alignment
        b.Txt(satz.b).Txt(std::string(288 - satz.b.size(), '\xCC'));
    Zeichnung z = Lesen(b.b).first;
    ASSERT_EQ(z.Elemente.Anzahl(), 5);
    const TElement &l = z.Elemente[1], &k = z.Elemente[2];
    EXPECT_TRUE(l.gepickt && l.Farbe == 0xFF && l.Breite == 2 && k.Durchmesser == 4 && k.Breite == -1 &&
                k.gefuellt);
    EXPECT_EQ((std::array{l.x1, l.y1, l.x2, l.y2}), (std::array{10.5, -3.0, 20.0, 30.0}));
    EXPECT_EQ(z.Elemente[3].Ausrichtung + z.Elemente[3].Text + char('0' + z.Elemente[4].Art), "tlHallo9");
    // Written back in the current layout; the short alignment is filled up with the default.
    const std::string neu = Schreiben(z);
    ASSERT_EQ(neu.size(), 182u + 46 + 39 + 34 + 5 + 12 + 34);
    EXPECT_EQ(neu[11] + neu.substr(neu.size() - 6, 2), "2bc");
}

TEST(Zeichnungsdatei, FehlerhafteInhalteAbgelehnt) {
    for (std::string_view tag : {"", "VEKTRA41  ", "vektra42  ", "VEKTRA42 ", "VEKTRA42   "})
        EXPECT_EQ(Lesen(Anfang(tag, 0).b, Leseergebnis::FalscheVersion).second, "Falsche Version") << tag;
    for (const auto& [tag, n] :
         {std::pair{"VEKTRA42  ", -1}, {"VEKTRA42  ", 32001}, {"VEKTRA40  ", 0x7FFFFFFF}})
        EXPECT_EQ(Lesen(Anfang(tag, n).b, Leseergebnis::Fehler).second,
                  "Ungültige Elementzahl " + std::to_string(n) + " (erlaubt sind 0 bis 32000).");
    // An empty drawing is fine, and so is a full one.
    Bau voll = Anfang("VEKTRA42  ", MaxElemente);
    for (int i = 0; i < MaxElemente; ++i)
        voll.Satz(9, 0, 3);
    EXPECT_EQ(Lesen(voll.b).first.Elemente.Anzahl() +
                  Lesen(Anfang("VEKTRA42  ", 0).b).first.Elemente.Anzahl(),
              MaxElemente);

    // A text record claiming `laenge` characters with `n` of them present ("a" then "b"), then a circle.
    const auto mitText = [](std::int32_t laenge, std::size_t n) {
        Bau b = Anfang("VEKTRA42  ", 2);
        b.Satz(Text, 0, 8)
            .F64(0)
            .F64(0)
            .Txt("cc")
            .I32(laenge)
            .Txt((std::string(255, 'a') + std::string(745, 'b')).substr(0, n));
        return b.Satz(Kreis, 0, 5).F64(1).F64(2).F64(3).I16(1).U8(1).b;
    };
    // Characters beyond 255 are dropped and the next record is read at its place.
    for (std::int32_t n : {0, 255, 256, 1000}) {
        const Zeichnung z = Lesen(mitText(n, static_cast<std::size_t>(n))).first;
        EXPECT_EQ(z.Elemente[1].Text, std::string(static_cast<std::size_t>(std::min(n, 255)), 'a'));
        EXPECT_TRUE(z.Elemente[2].Art == Kreis && z.Elemente[2].y1 == 2 && z.Elemente[2].gefuellt) << n;
    }
    EXPECT_EQ(Lesen(mitText(-1, 1), Leseergebnis::Fehler).second,
              "Element 1 hat die ungültige Textlänge -1.");
    // A length that runs past the end takes the circle for characters and then meets the end.
    for (std::int32_t n : {1300, 0x7FFFFFFF})
        EXPECT_EQ(Lesen(mitText(n, 300), Leseergebnis::Fehler).second, Ende(182 + 34 + 300 + 39));
    // A stream that fails while it is read gives the read error, never a drawing.
    struct Bricht : std::streambuf {
        int_type underflow() override { throw std::ios_base::failure("kaputt"); }
    } kaputt;
    std::istream ein(&kaputt);
    std::pair<Zeichnung, std::string> e;
    EXPECT_EQ(ZeichnungLesen(ein, e.first, e.second), Leseergebnis::Fehler);
    EXPECT_EQ(e.second, "Lesefehler nach 0 Bytes.");
}

TEST(Zeichnungsdatei, GrosseDateiUeberBlockgrenzenGelesenUndGeprueft) {
    // Lines, circles and over-long texts in turn, so records and skipped characters lie across
    // every place where the reader takes the next block of the file.
    constexpr int Gruppen = 700;
    Bau b = Anfang("VEKTRA42  ", 3 * Gruppen);
    for (int i = 0; i < Gruppen; ++i) {
        b.Satz(Linie, i, 3).F64(i).F64(-i).F64(i + 0.5).F64(1).I16(static_cast<std::int16_t>(i % 3));
        b.Satz(Kreis, 0, 5).F64(i).F64(2).F64(i * 0.25).I16(1).U8(i % 2);
        const std::string text = std::to_string(i) + std::string(300, 'x');
        b.Satz(Text, 0, 8).F64(i).F64(3).Txt("tl").I32(static_cast<std::int32_t>(text.size())).Txt(text);
    }
    const Zeichnung z = Lesen(b.b).first;
    ASSERT_EQ(z.Elemente.Anzahl(), 3 * Gruppen);
    for (int i = 0; i < Gruppen && !HasFailure(); ++i) {
        const TElement &l = z.Elemente[3 * i + 1], &k = z.Elemente[3 * i + 2], &t = z.Elemente[3 * i + 3];
        EXPECT_TRUE(l.Farbe == i && l.x1 == i && l.x2 == i + 0.5 && l.Breite == i % 3) << i;
        EXPECT_TRUE(k.Art == Kreis && k.Durchmesser == i * 0.25 && k.gefuellt == (i % 2 == 1)) << i;
        EXPECT_EQ(t.Text, (std::to_string(i) + std::string(300, 'x')).substr(0, 255)) << i;
    }
    // Cut anywhere, around block boundaries too, the file is refused naming its length.
    for (std::size_t n :
         {std::size_t{0}, std::size_t{13}, std::size_t{65536}, std::size_t{131073}, b.b.size() - 1})
        EXPECT_EQ(Lesen(b.b.substr(0, n), Leseergebnis::Fehler).second, Ende(n));
}

TEST(Zeichnungsdatei, DateiLesenBehaeltBeiFehlernDieZeichnung) {
    Ordner o;
    o.Ablegen("kurz.vks", Anfang("VEKTRA42  ", 1).b);
    o.Ablegen("fremd.vks", Anfang("VEKTRA41  ", 0).b);
    // Each fails with one message, naming the file but for the foreign version; the open drawing
    // stays as it was.
    const std::tuple<std::string, std::string, Meldungsart> faelle[] = {
        {o.Datei("kurz.vks"), ": " + Ende(182), Meldungsart::Fehler},
        {o.Datei("fehlt.vks"), ": Die Datei lässt sich nicht öffnen (No such file or directory).",
         Meldungsart::Fehler},
        {o.pfad.string(), ": Die Datei lässt sich nicht öffnen (Is a directory).", Meldungsart::Fehler},
        {"Falsche Version", "", Meldungsart::Information}};
    for (const auto& [pfad, meldung, art] : faelle) {
        Zeichnung z{.Kopf = {.Zoomstufe = 7}, .Dialog = {.Unitlength = "2mm"}, .Geaendert = true};
        z.Elemente.Anhaengen({.x2 = 2});
        Protokoll m;
        EXPECT_NE(ZeichnungLesenDatei(meldung.empty() ? o.Datei("fremd.vks") : pfad, z, m), Leseergebnis::Ok);
        EXPECT_TRUE(z.Elemente.Anzahl() == 1 && z.Elemente[1].x2 == 2 && z.Kopf.Zoomstufe == 7 &&
                    z.Dialog.Unitlength == "2mm" && z.Geaendert)
            << pfad;
        EXPECT_EQ(m.Texte(), pfad + meldung + "\n");
        EXPECT_EQ(m.liste.at(0).art, art) << pfad;
    }
    // A good read takes the elements and settings, leaving naming the drawing to the caller.
    Zeichnung quelle;
    NeuerKreis(quelle, 0, 0, 3, false);
    quelle.Dialog.Unitlength = "0.5";
    ASSERT_TRUE(ZeichnungSchreibenDatei(o.Datei("gut.vks"), quelle, *std::make_unique<Protokoll>()));
    Zeichnung z{.Dateiname = "alt.vks", .Geaendert = true};
    Protokoll m;
    ASSERT_EQ(ZeichnungLesenDatei(o.Datei("gut.vks"), z, m), Leseergebnis::Ok);
    EXPECT_TRUE(m.liste.empty() && z.Elemente.Anzahl() == 1 && z.Dialog.Unitlength == "0.5" &&
                z.Dateiname == "alt.vks" && !z.Geaendert);
}

TEST(Zeichnungsdatei, SpeichernRaeumtAufUndNamenErhaltenDieEndung) {
    // Deleted elements are dropped and the rest renumbered before writing.
    Ordner o;
    Zeichnung z;
    z.Elemente.Anhaengen({.Art = Linie, .geloescht = true});
    z.Elemente.Anhaengen({.Art = Kreis});
    NeuerText(z, 0, 0, "t");
    Protokoll m;
    ASSERT_TRUE(ZeichnungSchreibenDatei(o.Datei("bild.vks"), z, m));
    EXPECT_TRUE(z.Elemente.Anzahl() == 2 && z.Elemente[1].Art == Kreis);
    EXPECT_EQ(DateiInhalt(o.Datei("bild.vks")), Schreiben(z));

    for (const auto& [name, pfad] : {std::pair{"bild.VKS", "bild.vks"},
                                     {"a.b.c", "a.b.vks"},
                                     {"/home/x.d/bild", "/home/x.d/bild.vks"},
                                     {"C:\\x.d\\bild", "C:\\x.d\\bild.vks"}})
        EXPECT_EQ(Zeichnungspfad(name), pfad);
    EXPECT_EQ(ErweiterungErsetzen("ordner/bild.vks", ".vkx"), "ordner/bild.vkx");
    // A macro name typed without extension gets one.
    EXPECT_EQ(ErweiterungErgaenzen("ordner.x/m", ".vkm") + ErweiterungErgaenzen("m.mac", ".vkm"),
              "ordner.x/m.vkmm.mac");
}
