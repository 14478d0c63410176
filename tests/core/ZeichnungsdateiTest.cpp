#include "files/Zeichnungsdatei.h"
#include "Testhilfe.h"
#include "files/Makrodatei.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <sstream>

using namespace testhilfe;
using namespace std::string_literals;

namespace {

const std::string Texte = VEKTRA_TESTDATA "/faelle/texte.txt";

Bau Anfang(std::string_view tag, std::int32_t anzahl) {
    const KopfsatzBild kopf = Kopfsatz().Packen();
    Bau b;
    b.I32(static_cast<std::int32_t>(tag.size())).Txt(tag).Txt(std::string(kopf.begin(), kopf.end()));
    return b.I32(anzahl);
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

std::string MakroBytes(const Zeichnung& z, double rx, double ry, int anzahl) {
    std::ostringstream aus;
    EXPECT_EQ(MakroSchreiben(aus, z, rx, ry), anzahl);
    return aus.str();
}

// Reads bytes that must be a good macro.
Makro MakroAus(const std::string& b) {
    Makro m;
    std::string fehler;
    std::istringstream ein(b);
    EXPECT_TRUE(MakroLesen(ein, m, fehler)) << fehler;
    return m;
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

TEST(Zeichnungsdatei, RundreiseIstByteGleichAuchUeberBlockgrenzen) {
    // Every kind, width class and flag, all alignments, extreme numbers and text lengths; then
    // enough long texts that records lie across every place where the reader takes the next
    // block of the file.
    Zeichnung z = Beispielzeichnung();
    for (const char* a : {"tl", "tc", "tr", "cl", "cr", "bl", "bc"})
        NeuerText(z, 1e-300, -1e10, a, a).Kandidat = true;
    NeuerText(z, -0.0, 0, "").gepickt = true;
    NeuerKreis(z, 0, 0, 1e10, true, -1).gepickt = true;
    for (int i = 0; i < 700; ++i) {
        NeuerStrich(z, i, -i, i + 0.5, 1, i % 3, i);
        NeuerText(z, 0, 1.0 / 3, std::string(255, static_cast<char>('\xe0' + i % 20)));
    }
    z.Kopf.Pfeilwinkel = 0.3;
    const std::string erste = Schreiben(z);
    Zeichnung gelesen = Lesen(erste).first;
    EXPECT_EQ(gelesen.Elemente.Anzahl(), std::count_if(z.Elemente.begin(), z.Elemente.end(),
                                                       [](const TElement& e) { return !e.geloescht; }));
    EXPECT_EQ(Schreiben(gelesen), erste);
    // Cut anywhere, around block boundaries too, the file is refused naming its length.
    for (std::size_t n :
         {std::size_t{0}, std::size_t{13}, std::size_t{65536}, std::size_t{131073}, erste.size() - 1})
        EXPECT_EQ(Lesen(erste.substr(0, n), Leseergebnis::Fehler).second, Ende(n));
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
    EXPECT_EQ(z.Elemente[3].Ausrichtung.str() + z.Elemente[3].Text.str() + char('0' + z.Elemente[4].Art), "tlHallo9");
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
            .Txt((std::string(255, 'a') + std::string(n, 'b')).substr(0, n));
        return b.Satz(Kreis, 0, 5).F64(1).F64(2).F64(3).I16(1).U8(1).b;
    };
    // Characters beyond 255 are dropped, also across a block, and the next record read at its place.
    for (std::int32_t n : {0, 255, 256, 1000, 70000}) {
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

TEST(Zeichnungsdatei, LagenUndGroessenSindEndlichUndBegrenzt) {
    // Element 2, after a good line, holds the value at one place of its kind, in both versions:
    // the limit itself reads; beyond it, or no number, the file is refused.
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, std::string> werte[] = {
        {1e10, ""},     {-1e10, ""},       {std::nan(""), "nan"},
        {-inf, "-inf"}, {1e300, "1e+300"}, {1e10 + 1, "10000000001"}};
    const std::pair<Bau, std::vector<std::size_t>> saetze[] = {
        {Bau().Satz(Linie, 0, 3).F64(1).F64(2).F64(3).F64(4).I16(1), {12, 20, 28, 36}},
        {Bau().Satz(Kreis, 0, 5).F64(0).F64(0).F64(1).I16(1).U8(0), {12, 20, 28}},
        {Bau().Satz(Text, 0, 8).F64(0).F64(0).Txt("cc").I32(0), {12, 20}}};
    for (const bool alt : {false, true})
        for (const auto& [satz, stellen] : saetze)
            for (const std::size_t stelle : stellen)
                for (const auto& [wert, text] : werte) {
                    Bau b = Anfang(alt ? "VEKTRA40  " : "VEKTRA42  ", 2);
                    std::string falsch = satz.b;
                    for (const std::string& r :
                         {saetze[0].first.b, falsch.replace(stelle, 8, Bau().F64(wert).b)})
                        b.Txt(r + std::string(alt ? 288 - r.size() : 0, '\0'));
                    EXPECT_EQ(Lesen(b.b, text.empty() ? Leseergebnis::Ok : Leseergebnis::Fehler).second,
                              text.empty() ? ""
                                           : "Element 2 hat die ungültige Koordinate oder Größe " + text +
                                                 " (erlaubt sind Zahlen von -10000000000 bis 10000000000).")
                        << alt << " " << stelle;
                }
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
    Protokoll m;
    ASSERT_TRUE(ZeichnungSchreibenDatei(o.Datei("gut.vks"), quelle, m));
    Zeichnung z{.Dateiname = "alt.vks", .Geaendert = true};
    ASSERT_EQ(ZeichnungLesenDatei(o.Datei("gut.vks"), z, m), Leseergebnis::Ok);
    EXPECT_TRUE(m.liste.empty() && z.Elemente.Anzahl() == 1 && z.Dialog.Unitlength == "0.5" &&
                z.Dateiname == "alt.vks" && !z.Geaendert);
}

TEST(Zeichnungsdatei, SpeichernLaesstGeloeschteAusUndNamenErhaltenDieEndung) {
    // Deleted elements stay out of the file, the rest renumbered; the store keeps them, so an
    // undo after the save can still bring them back.
    Ordner o;
    Zeichnung z;
    z.Elemente.Anhaengen({.Art = Linie, .geloescht = true});
    z.Elemente.Anhaengen({.Art = Kreis});
    NeuerText(z, 0, 0, "t");
    Protokoll m;
    ASSERT_TRUE(ZeichnungSchreibenDatei(o.Datei("bild.vks"), z, m));
    const Zeichnung gelesen = Lesen(DateiInhalt(o.Datei("bild.vks"))).first;
    EXPECT_TRUE(z.Elemente.Anzahl() == 3 && gelesen.Elemente.Anzahl() == 2 &&
                gelesen.Elemente[1].Art == Kreis);

    for (const auto& z : Spalten(Feld(Texte, "Dateinamen")))
        EXPECT_EQ(z[0] == "vks"   ? Zeichnungspfad(z[1])
                  : z[0] == "vkx" ? ErweiterungErsetzen(z[1], ".vkx")
                                  : ErweiterungErgaenzen(z[1], ".vkm"),
                  z[2])
            << z[1];
}

TEST(Makrodatei, NurGewaehlteGeschriebenEinfuegenVerschiebtNurDieLagen) {
    Zeichnung quelle;
    NeuerStrich(quelle, 0, 0, 1, 1);                     // not picked
    NeuerKreis(quelle, 5, 5, 2, false).geloescht = true; // deleted, not picked
    TElement& weg = NeuerStrich(quelle, 0, 0, 9, 9);     // picked but deleted
    std::tie(weg.gepickt, weg.geloescht) = std::pair(true, true);
    for (TElement* e :
         {&NeuerStrich(quelle, 0, 10, 20, 30, 2, 0xFF), &NeuerKreis(quelle, 10, 10, 7, true, -1),
          &NeuerText(quelle, 12, 8, "x", "tl", 0xAB), &NeuerStrich(quelle, 1, 2, 3, 4, 0, 0, Pfeilspitze)})
        e->gepickt = true;
    const std::string b = MakroBytes(quelle, 10, 10, 4);
    EXPECT_EQ(
        b.substr(0, 20 + 46),
        Bau().I32(4).F64(10).F64(10).Satz(Linie, 0xFF, EbeneLinie).F64(0).F64(10).F64(20).F64(30).I16(2).b);
    // Inserted at (30,15), the reference point (10,10) moves every position by (20,5).
    Zeichnung z;
    NeuerStrich(z, 0, 0, 1, 1).gepickt = true;
    Protokoll p;
    ASSERT_EQ(MakroEinfuegen(z, MakroAus(b), 30, 15, p), 2);
    EXPECT_TRUE(p.liste.empty() && z.Geaendert);
    EXPECT_EQ(Elementzeilen(z.Elemente), "0 3 0,0 1,1 1 p\n0 3 20,15 40,35 2 #ff p\n2 5 30,15 7* -1 p\n"
                                         "1 8 32,13 tl «x» #ab p\n3 3 21,7 23,9 0 p\n");
    // Saved, the file holds those bytes.
    Ordner o;
    ASSERT_TRUE(MakroSpeichern(quelle, 10, 10, o.Datei("m.vkm"), p));
    EXPECT_EQ(DateiInhalt(o.Datei("m.vkm")), b);
}

TEST(Makrodatei, LeerVollBeschaedigtUndOhnePlatz) {
    // An empty macro is fine, and so is one that fills a whole drawing.
    EXPECT_TRUE(MakroAus(Bau().I32(0).F64(1).F64(2).b).Elemente.empty());
    Bau voll;
    voll.I32(MaxElemente).F64(0).F64(0);
    for (int i = 0; i < MaxElemente; ++i)
        voll.Satz(Kreis, 0, 5).F64(0).F64(0).F64(1).I16(1).U8(0);
    EXPECT_EQ(MakroAus(voll.b).Elemente.size(), std::size_t{MaxElemente});

    Zeichnung quelle;
    NeuerStrich(quelle, 0, 0, 1, 1).gepickt = true;
    NeuerText(quelle, 0, 0, "ab").gepickt = true;
    NeuerKreis(quelle, 0, 0, 1, true).gepickt = true;
    const std::string gut = MakroBytes(quelle, 0, 0, 3);
    // Cut anywhere, or with a count, a kind or an end that is no macro's: one message naming the
    // file, and the macro read before stays. The records are read as in a drawing.
    // clang-format off
    std::vector<std::pair<std::string, std::string>> faelle{
        {Bau().I32(-1).F64(0).F64(0).b, "Ungültige Elementzahl -1 (erlaubt sind 0 bis 32000)."},
        {Bau().I32(32001).F64(0).F64(0).b, "Ungültige Elementzahl 32001 (erlaubt sind 0 bis 32000)."},
        {Bau().I32(2).F64(0).F64(0).Satz(Kreis, 0, 5).F64(0).F64(0).F64(1).I16(1).U8(0).Satz(4, 0, 3).b,
         "Element 2 hat die unbekannte Art 4."},
        {gut + "\0"s, "Nach dem letzten Element folgen noch weitere Bytes (ab Byte 141)."},
        {Bau().I32(0).F64(0).F64(std::nan("")).b,
         "Der Bezugspunkt hat die ungültige Koordinate nan (erlaubt sind Zahlen von -10000000000 bis 10000000000)."},
        {Bau().I32(1).F64(0).F64(0).Satz(Kreis, 0, 5).F64(0).F64(0).F64(-2e10).I16(1).U8(0).b,
         "Element 1 hat die ungültige Koordinate oder Größe -2e+10 (erlaubt sind Zahlen von -10000000000 bis 10000000000)."}};
    // clang-format on
    for (std::size_t n = 0; n < gut.size(); ++n)
        faelle.emplace_back(gut.substr(0, n),
                            "Die Datei endet unerwartet nach " + std::to_string(n) + " Bytes.");
    Ordner o;
    for (const auto& [inhalt, meldung] : faelle) {
        o.Ablegen("m.vkm", inhalt);
        Makro m{.BezugX = 4, .Elemente = {TElement{.x1 = 7}}};
        Protokoll p;
        EXPECT_FALSE(MakroLesenDatei(o.Datei("m.vkm"), m, p));
        EXPECT_TRUE(m.BezugX == 4 && m.Elemente.size() == 1 && m.Elemente[0].x1 == 7);
        EXPECT_EQ(p.Texte(), o.Datei("m.vkm") + ": " + meldung + "\n");
    }
    Protokoll p;
    Makro m;
    EXPECT_FALSE(MakroLesenDatei(o.pfad.string(), m, p));
    EXPECT_EQ(p.Texte(), o.pfad.string() + ": Die Datei lässt sich nicht öffnen (Is a directory).\n");
    // A drawing without room for the whole macro takes nothing of it.
    Makro makro{.Elemente = {TElement{}, TElement{.Art = Kreis}}};
    Zeichnung z;
    for (int i = 0; i < 31999; ++i)
        z.Elemente.NeuesElement();
    p.liste.clear();
    EXPECT_EQ(MakroEinfuegen(z, makro, 0, 0, p), 0);
    EXPECT_TRUE(z.Elemente.Anzahl() == 31999 && !z.Geaendert);
    EXPECT_EQ(p.Texte(), "Das Macro hat 2 Elemente, die Zeichnung hat nur noch Platz für 1: es wurde "
                         "nichts eingefügt.\n");
    z.Elemente.Kuerzen(31998);
    EXPECT_EQ(MakroEinfuegen(z, makro, 0, 0, p), 31999);
    EXPECT_EQ(z.Elemente[32000].Art, Kreis);
    // Nor one whose places would move beyond the limit (to 1.5e10 here; at its own reference point
    // they stay); no macro is saved with a reference point the reader refuses.
    const Makro weit{.BezugX = -1e10, .Elemente = {TElement{.x1 = 1, .x2 = -5e9}, TElement{.x2 = 1e10}}};
    Zeichnung frei;
    p.liste.clear();
    EXPECT_EQ(std::pair(MakroEinfuegen(frei, weit, -5e9, 0, p), MakroEinfuegen(frei, weit, -1e10, 0, p)),
              std::pair(0, 1));
    EXPECT_FALSE(MakroSpeichern(quelle, 0, 1e11, o.Datei("weit.vkm"), p) ||
                 std::filesystem::exists(o.Datei("weit.vkm")));
    EXPECT_EQ(p.Texte(),
              "An dieser Stelle läge das Macro außerhalb von ±10000000000 Einheiten: es wurde nichts "
              "eingefügt.\nDer Bezugspunkt hat die ungültige Koordinate 1e+11 (erlaubt sind Zahlen von "
              "-10000000000 bis 10000000000).\n");
}

TEST(Makrodatei, MakroZurTaste) {
    for (const auto& z : Spalten(Feld(Texte, "Makro zur Taste"))) {
        std::vector<std::string> namen;
        std::istringstream ein(z[0]);
        for (std::string n; ein >> n;)
            namen.push_back(n);
        EXPECT_EQ(MakroZurTaste(namen, z[1][0]), z[2]) << z[0] << " " << z[1];
    }
    Ordner o;
    o.Ablegen("kreis.vkm", "");
    o.Ablegen("Kasten.vkm", "");
    std::filesystem::create_directory(o.Datei("K.vkm"));
    EXPECT_EQ(MakroZurTasteSuchen(o.pfad.string(), 'K'), o.Datei("Kasten.vkm"));
    EXPECT_EQ(MakroZurTasteSuchen(o.Datei("fehlt"), 'K'), "");
}
