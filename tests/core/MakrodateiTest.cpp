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

// Every field of an element: kind, class, both points, diameter, width, colour, flags, text.
std::string Felder(const TElement& e) {
    std::ostringstream o;
    o << int(e.Art) << " " << e.Ebene << " " << e.x1 << "," << e.y1 << " " << e.x2 << "," << e.y2 << " "
      << e.Durchmesser << (e.gefuellt ? "*" : "") << " " << e.Breite << " " << std::hex << e.Farbe
      << (e.gepickt ? " p" : " -") << (e.geloescht ? "d" : "") << (e.Kandidat ? "k" : "")
      << (e.Art == Text ? " " + e.Ausrichtung + " " + e.Text : "");
    return o.str();
}

} // namespace

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
    const std::string b = Schreiben(quelle, 10, 10, 4);
    EXPECT_EQ(
        b.substr(0, 20 + 46),
        Bau().I32(4).F64(10).F64(10).Satz(Linie, 0xFF, EbeneLinie).F64(0).F64(10).F64(20).F64(30).I16(2).b);
    // Inserted at (30,15), the reference point (10,10) moves every position by (20,5).
    Zeichnung z;
    NeuerStrich(z, 0, 0, 1, 1).gepickt = true;
    Protokoll p;
    ASSERT_EQ(MakroEinfuegen(z, Lesen(b), 30, 15, p), 2);
    EXPECT_TRUE(p.liste.empty() && z.Geaendert);
    EXPECT_EQ(Je(z.Elemente, Felder), "0 3 0,0 1,1 0 1 0 p 0 3 20,15 40,35 0 2 ff p 2 5 30,15 0,0 7* -1 0 p "
                                      "1 8 32,13 0,0 0 1 ab p tl x 3 3 21,7 23,9 0 0 0 p ");
    // Saved, the file holds those bytes.
    Ordner o;
    ASSERT_TRUE(MakroSpeichern(quelle, 10, 10, o.Datei("m.vkm"), p));
    EXPECT_EQ(DateiInhalt(o.Datei("m.vkm")), b);
}

TEST(Makrodatei, LeerVollUndBeschaedigt) {
    // An empty macro is fine, and so is one that fills a whole drawing.
    EXPECT_TRUE(Lesen(Bau().I32(0).F64(1).F64(2).b).Elemente.empty());
    Bau voll;
    voll.I32(MaxElemente).F64(0).F64(0);
    for (int i = 0; i < MaxElemente; ++i)
        voll.Satz(Kreis, 0, 5).F64(0).F64(0).F64(1).I16(1).U8(0);
    EXPECT_EQ(Lesen(voll.b).Elemente.size(), std::size_t{MaxElemente});

    Zeichnung quelle;
    NeuerStrich(quelle, 0, 0, 1, 1).gepickt = true;
    NeuerText(quelle, 0, 0, "ab").gepickt = true;
    NeuerKreis(quelle, 0, 0, 1, true).gepickt = true;
    const std::string gut = Schreiben(quelle, 0, 0, 3);
    // Cut anywhere, or with a count, a kind or an end that is no macro's: one message naming the
    // file, and the macro read before stays. The records are read as in a drawing.
    // clang-format off
    std::vector<std::pair<std::string, std::string>> faelle{
        {Bau().I32(-1).F64(0).F64(0).b, "Ungültige Elementzahl -1 (erlaubt sind 0 bis 32000)."},
        {Bau().I32(32001).F64(0).F64(0).b, "Ungültige Elementzahl 32001 (erlaubt sind 0 bis 32000)."},
        {Bau().I32(2).F64(0).F64(0).Satz(Kreis, 0, 5).F64(0).F64(0).F64(1).I16(1).U8(0).Satz(4, 0, 3).b,
         "Element 2 hat die unbekannte Art 4."},
        {gut + "\0"s, "Nach dem letzten Element folgen noch weitere Bytes (ab Byte 141)."}};
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

TEST(Makrodatei, MakroZurTaste) {
    // The first .vkm file whose name begins with the key in either case, by the folded name,
    // then by the name itself.
    const std::vector<std::string> namen{"b.vkm", "apfel.vkm", "Anker.VKM", "a.vks",
                                         "A.vkm", ".vkm",      "a.vkm",     "avkm"};
    for (const auto& [taste, name] :
         {std::pair{'A', "A.vkm"}, {'a', "A.vkm"}, {'B', "b.vkm"}, {'C', ""}, {'.', ""}})
        EXPECT_EQ(MakroZurTaste(namen, taste), name) << taste;
    EXPECT_EQ(MakroZurTaste({"apfel.vkm", "Anker.VKM"}, 'a') + MakroZurTaste({"a.vkm", "A.vkm"}, 'a'),
              "Anker.VKMA.vkm");
    Ordner o;
    o.Ablegen("kreis.vkm", "");
    o.Ablegen("Kasten.vkm", "");
    std::filesystem::create_directory(o.Datei("K.vkm"));
    EXPECT_EQ(MakroZurTasteSuchen(o.pfad.string(), 'K'), o.Datei("Kasten.vkm"));
    EXPECT_EQ(MakroZurTasteSuchen(o.Datei("fehlt"), 'K'), "");
}
