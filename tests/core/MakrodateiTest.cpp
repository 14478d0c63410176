#include "files/Makrodatei.h"
#include "Testhilfe.h"

#include <sstream>

using namespace testhilfe;
using namespace std::string_literals;

namespace {

std::string Schreiben(const Zeichnung& z, double rx, double ry, int anzahl) {
    std::ostringstream aus;
    EXPECT_EQ(MakroSchreiben(aus, z, rx, ry), anzahl);
    return aus.str();
}

// Reads bytes that must be a good macro.
Makro Lesen(const std::string& b) {
    Makro m;
    std::string fehler;
    std::istringstream ein(b);
    EXPECT_TRUE(MakroLesen(ein, m, fehler)) << fehler;
    return m;
}

} // namespace

TEST(Makrodatei, EinfuegenVerschiebtNurDieLagen) {
    Zeichnung quelle;
    for (TElement* e :
         {&NeuerStrich(quelle, 0, 10, 20, 30, 2, 0xFF), &NeuerKreis(quelle, 10, 10, 7, true, -1),
          &NeuerText(quelle, 12, 8, "x", "tl", 0xAB), &NeuerStrich(quelle, 1, 2, 3, 4, 0, 0, Pfeilspitze)})
        e->gepickt = true;
    const Makro makro = Lesen(Schreiben(quelle, 10, 10, 4));

    Zeichnung z;
    NeuerStrich(z, 0, 0, 1, 1).gepickt = true;
    Protokoll p;
    ASSERT_EQ(MakroEinfuegen(z, makro, 30, 15, p), 2);
    ASSERT_EQ(MakroEinfuegen(z, makro, -10, 0, p), 6);
    ASSERT_EQ(z.Elemente.Anzahl(), 9);
    EXPECT_TRUE(p.liste.empty() && z.Geaendert && z.Elemente[1].gepickt);
    // The first copy moved by (20,5), the second by (-20,-10); sizes, widths, colours, flags
    // and alignment as stored.
    for (const auto& [erstes, dx, dy] : {std::tuple{2, 20.0, 5.0}, {6, -20.0, -10.0}}) {
        const TElement &l = z.Elemente[erstes], &k = z.Elemente[erstes + 1], &t = z.Elemente[erstes + 2],
                       &s = z.Elemente[erstes + 3];
        EXPECT_EQ((std::array{l.x1, l.y1, l.x2, l.y2}), (std::array{dx, 10 + dy, 20 + dx, 30 + dy}));
        EXPECT_TRUE(l.Art == Linie && l.Breite == 2 && l.Farbe == 0xFF && l.gepickt && !l.geloescht);
        EXPECT_EQ((std::array{k.x1, k.y1, k.Durchmesser}), (std::array{10 + dx, 10 + dy, 7.0}));
        EXPECT_TRUE(k.Art == Kreis && k.gefuellt && k.Breite == -1 && k.gepickt);
        EXPECT_EQ((std::array{t.x1, t.y1}), (std::array{12 + dx, 8 + dy}));
        EXPECT_EQ(t.Ausrichtung + t.Text, "tlx");
        EXPECT_TRUE(t.Farbe == 0xAB && t.Ebene == EbeneText && t.gepickt);
        EXPECT_EQ((std::array{s.x1, s.y1, s.x2, s.y2}), (std::array{1 + dx, 2 + dy, 3 + dx, 4 + dy}));
        EXPECT_EQ(s.Art, Pfeilspitze);
    }
}

TEST(Makrodatei, NurGewaehlteUndNichtGeloeschteWerdenGeschrieben) {
    Zeichnung z;
    NeuerStrich(z, 0, 0, 1, 1);                     // not picked
    NeuerKreis(z, 5, 5, 2, false).geloescht = true; // deleted, not picked
    TElement& weg = NeuerStrich(z, 0, 0, 9, 9);     // picked but deleted
    std::tie(weg.gepickt, weg.geloescht) = std::pair(true, true);
    NeuerText(z, 1.5, -2, "", "br").gepickt = true;
    Bau b;
    b.I32(1).F64(10).F64(-0.5).Satz(Text, 0, EbeneText).F64(1.5).F64(-2).Txt("br").I32(0);
    const std::string datei = Schreiben(z, 10, -0.5, 1);
    EXPECT_EQ(datei.size(), 20u + 34);
    EXPECT_EQ(datei, b.b);

    // Texts longer than 255 characters keep their first 255; the next record is read at its place.
    Bau lang;
    lang.I32(2).F64(0).F64(0).Satz(Text, 0, 8).F64(0).F64(0).Txt("cc").I32(300).Txt(std::string(300, 'a'));
    lang.Satz(Kreis, 0, 5).F64(1).F64(2).F64(3).I16(1).U8(1);
    const Makro m = Lesen(lang.b);
    ASSERT_EQ(m.Elemente.size(), 2u);
    EXPECT_EQ(m.Elemente[0].Text, std::string(255, 'a'));
    EXPECT_TRUE(m.Elemente[1].Art == Kreis && m.Elemente[1].Durchmesser == 3 && m.Elemente[1].gefuellt);
    EXPECT_TRUE(Lesen(Bau().I32(0).F64(1).F64(2).b).Elemente.empty());
}

TEST(Makrodatei, BeschaedigteDateienAbgelehnt) {
    Zeichnung quelle;
    NeuerStrich(quelle, 0, 0, 1, 1).gepickt = true;
    NeuerText(quelle, 0, 0, "ab").gepickt = true;
    NeuerKreis(quelle, 0, 0, 1, true).gepickt = true;
    const std::string gut = Schreiben(quelle, 0, 0, 3);
    const auto mitText = [](std::int32_t laenge) {
        return Bau().I32(1).F64(0).F64(0).Satz(Text, 0, 8).F64(0).F64(0).Txt("cc").I32(laenge).Txt("xyz").b;
    };

    Ordner o;
    const std::string pfad = o.Datei("m.vkm");
    // Reading `pfad` fails with one message naming the file; the macro read before stays.
    const auto scheitert = [](const std::string& pfad, const std::string& meldung) {
        Makro m{.BezugX = 4, .Elemente = {TElement{.x1 = 7}}};
        Protokoll p;
        EXPECT_FALSE(MakroLesenDatei(pfad, m, p));
        EXPECT_TRUE(m.BezugX == 4 && m.Elemente.size() == 1 && m.Elemente[0].x1 == 7);
        EXPECT_EQ(p.Texte(), pfad + ": " + meldung + "\n");
    };
    for (std::size_t n = 0; n < gut.size() && !HasFailure(); ++n) {
        o.Ablegen("m.vkm", gut.substr(0, n));
        scheitert(pfad, "Die Datei endet unerwartet nach " + std::to_string(n) + " Bytes.");
    }
    // clang-format off
    const std::pair<std::string, std::string> faelle[] = {
        {Bau().I32(-1).F64(0).F64(0).b, "Ungültige Elementzahl -1 (erlaubt sind 0 bis 32000)."},
        {Bau().I32(32001).F64(0).F64(0).b, "Ungültige Elementzahl 32001 (erlaubt sind 0 bis 32000)."},
        {Bau().I32(2).F64(0).F64(0).Satz(Kreis, 0, 5).F64(0).F64(0).F64(1).I16(1).U8(0).Satz(4, 0, 3).b,
         "Element 2 hat die unbekannte Art 4."},
        {Bau().I32(1).F64(0).F64(0).Satz(255, 0, 3).F64(0).F64(0).F64(0).F64(0).I16(1).b,
         "Element 1 hat die unbekannte Art 255."},
        {mitText(-5), "Element 1 hat die ungültige Textlänge -5."},
        {mitText(4), "Die Datei endet unerwartet nach 57 Bytes."},
        {mitText(0x7FFFFFFF), "Die Datei endet unerwartet nach 57 Bytes."},
        {gut + "\0"s, "Nach dem letzten Element folgen noch weitere Bytes (ab Byte " +
                          std::to_string(gut.size()) + ")."},
        {mitText(2), "Nach dem letzten Element folgen noch weitere Bytes (ab Byte 56)."}};
    // clang-format on
    for (const auto& [inhalt, meldung] : faelle) {
        o.Ablegen("m.vkm", inhalt);
        scheitert(pfad, meldung);
    }
    scheitert(o.Datei("fehlt.vkm"), "Die Datei lässt sich nicht öffnen (No such file or directory).");
    scheitert(o.pfad.string(), "Die Datei lässt sich nicht öffnen (Is a directory).");

    o.Ablegen("m.vkm", gut);
    Makro m;
    Protokoll p;
    ASSERT_TRUE(MakroLesenDatei(pfad, m, p));
    EXPECT_EQ(m.Elemente.size(), 3u);
}

TEST(Makrodatei, VolleZeichnungNimmtNichtsAuf) {
    Makro makro{.Elemente = {TElement{}, TElement{.Art = Kreis}}};
    Zeichnung z;
    for (int i = 0; i < MaxElemente - 1; ++i)
        z.Elemente.NeuesElement();
    Protokoll p;
    EXPECT_EQ(MakroEinfuegen(z, makro, 0, 0, p), 0);
    EXPECT_TRUE(z.Elemente.Anzahl() == MaxElemente - 1 && !z.Geaendert);
    EXPECT_EQ(p.Texte(), "Das Macro hat 2 Elemente, die Zeichnung hat nur noch Platz für 1: es wurde "
                         "nichts eingefügt.\n");
    z.Elemente.Kuerzen(MaxElemente - 2);
    EXPECT_EQ(MakroEinfuegen(z, makro, 0, 0, p), MaxElemente - 1);
    EXPECT_EQ(z.Elemente[MaxElemente].Art, Kreis);
}

TEST(Makrodatei, SpeichernAtomarUndNurMitAuswahl) {
    Ordner o;
    const std::string pfad = o.Datei("m.vkm");
    o.Ablegen("m.vkm", "alt");
    Zeichnung z;
    NeuerStrich(z, 0, 0, 1, 1);
    Protokoll p;
    EXPECT_FALSE(MakroSpeichern(z, 0, 0, pfad, p));
    EXPECT_EQ(p.Texte(), "Nicht markiert\n");
    EXPECT_EQ(DateiInhalt(pfad), "alt");

    z.Elemente[1].gepickt = true;
    ASSERT_TRUE(MakroSpeichern(z, 3, 4, pfad, p));
    EXPECT_EQ(DateiInhalt(pfad), Schreiben(z, 3, 4, 1));

    const std::string ziel = o.Datei("nicht/da.vkm");
    EXPECT_FALSE(MakroSpeichern(z, 0, 0, ziel, p));
    EXPECT_TRUE(p.liste.back().text.starts_with(ziel + ": Die Datei lässt sich nicht schreiben ("));
}

TEST(Makrodatei, MakroZurTaste) {
    const std::vector<std::string> namen{"b.vkm", "apfel.vkm", "Anker.VKM", "a.vks", "A.vkm",
                                         ".vkm",  "a.vkm",     "7.vkm",     "avkm"};
    // clang-format off
    const std::pair<char, const char*> faelle[] = {{'A', "A.vkm"}, {'a', "A.vkm"}, {'B', "b.vkm"},
        {'7', "7.vkm"}, {'C', ""}, {'.', ""}};
    // clang-format on
    for (const auto& [taste, name] : faelle)
        EXPECT_EQ(MakroZurTaste(namen, taste), name) << taste;
    // Order by folded name: "anker" before "apfel" whatever the case.
    EXPECT_EQ(MakroZurTaste({"apfel.vkm", "Anker.VKM"}, 'a'), "Anker.VKM");
    EXPECT_EQ(MakroZurTaste({"a.vkm", "A.vkm"}, 'a'), "A.vkm");

    Ordner o;
    o.Ablegen("kreis.vkm", "");
    o.Ablegen("Kasten.vkm", "");
    std::filesystem::create_directory(o.Datei("K.vkm"));
    EXPECT_EQ(MakroZurTasteSuchen(o.pfad.string(), 'K'), o.Datei("Kasten.vkm"));
    EXPECT_EQ(MakroZurTasteSuchen(o.Datei("fehlt"), 'K'), "");
}
