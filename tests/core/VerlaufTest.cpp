// The history against a model that keeps a whole copy of the drawing for every step: random
// edits, picks, saves, reads, undos and redos on random drawings, each result compared with the
// copy the model expects, exactly, deleted records and picks included.
#include "editing/Verlauf.h"
#include "Testhilfe.h"
#include "editing/Ablage.h"
#include "editing/Aendern.h"
#include "editing/Auswahl.h"
#include "editing/Loeschen.h"
#include "editing/Transformieren.h"
#include "editing/Zeichnen.h"
#include "files/Makrodatei.h"
#include "files/Zeichnungsdatei.h"

#include <functional>
#include <memory>
#include <random>

using namespace testhilfe;

namespace {

// What a save writes.
std::string Datei(Zeichnung& z) {
    std::ostringstream aus;
    ZeichnungSchreiben(aus, z);
    return aus.str();
}

// Every record exactly, deleted ones and flags included, and the settings a save leaves out.
std::string Stand(Zeichnung& z, bool mitPicks = true) {
    std::ostringstream o;
    o << std::hexfloat;
    for (const TElement& e : z.Elemente)
        o << int(e.Art) << (mitPicks && e.gepickt) << e.Kandidat << e.geloescht << e.gefuellt << ' '
          << e.Farbe << ' ' << e.Ebene << ' ' << e.Breite << ' ' << e.x1 << ' ' << e.y1 << ' ' << e.x2 << ' '
          << e.y2 << ' ' << e.Durchmesser << ' ' << e.Ausrichtung << '|' << e.Text << '\n';
    // The file holds the pick flags too.
    std::vector<bool> picks;
    for (TElement& e : z.Elemente)
        picks.push_back(std::exchange(e.gepickt, mitPicks && e.gepickt));
    // A drawing of deleted elements only is no file: the settings as such.
    z.KopfsatzAuffrischen();
    const KopfsatzBild& kopf = z.Kopf.Packen();
    o.write(reinterpret_cast<const char*>(kopf.data()), static_cast<std::streamsize>(kopf.size()));
    o << Datei(z);
    for (int i = 1; i <= z.Elemente.Anzahl(); ++i)
        z.Elemente[i].gepickt = picks[static_cast<std::size_t>(i - 1)];
    return o.str();
}

std::string Ablage(const Zeichnung& z) {
    return Elementzeilen(z.Ablage);
}

struct Zufall {
    std::mt19937 g;
    int Ganz(int von, int bis) { return std::uniform_int_distribution(von, bis)(g); }
    double Zahl(double von, double bis) { return std::uniform_real_distribution(von, bis)(g); }
    bool Muenze(double p = 0.5) { return std::bernoulli_distribution(p)(g); }
};

void Zufallszeichnung(Zeichnung& z, Zufall& r) {
    for (int i = r.Ganz(0, 25); i > 0; --i) {
        const double x = r.Ganz(-50, 50), y = r.Ganz(-50, 50);
        TElement& e = r.Muenze(0.6)
                          ? NeuerStrich(z, x, y, x + r.Ganz(-9, 9), y + r.Ganz(-9, 9), r.Ganz(-1, 2))
                      : r.Muenze() ? NeuerKreis(z, x, y, r.Ganz(1, 9), r.Muenze(), r.Ganz(0, 2))
                                   : NeuerText(z, x, y, r.Muenze() ? "a" : std::string(40, 'b'), "tl");
        e.gepickt = r.Muenze(0.4);
        e.geloescht = r.Muenze(0.15);
    }
}

// One random edit, pick or copy through the core's functions, as the editor's commands call
// them; returns whether it was "Aufräumen", the one edit that changes nothing a save writes.
bool Bearbeiten(Zeichnung& z, Zufall& r, Meldungen& m) {
    Elementspeicher& s = z.Elemente;
    const int n = s.Anzahl();
    const std::function<void()> bearbeitungen[] = {
        [&] { Loeschen(z); },
        [&] { Ausschneiden(z); },
        [&] { Kopieren(z); },
        [&] { Einfuegen(z, m); },
        [&] { Verschieben(z, r.Ganz(-5, 5), r.Ganz(-5, 5)); },
        [&] { Skalieren(z, r.Ganz(-5, 5), 0, r.Ganz(-2, 2), 0.5, m); },
        [&] { Drehen(z, 1, 2, r.Zahl(-3, 3), m); },
        [&] { Umfaerben(z, r.Ganz(0, 2) * 0x10); },
        [&] { BreiteAendern(z, r.Ganz(-1, 2)); },
        [&] {
            n > 0 &&
                TextAendern(z, r.Ganz(1, n), r.Ganz(0, 3), 1, r.Muenze() ? "x" : "y", r.Muenze() ? "br" : "");
        },
        [&] {
            // A figure of several strokes, and a text filled in after it is placed, are one edit;
            // a pick changed meanwhile goes with it.
            const Bearbeitung schritt(z, Schrittart::Zeichnen);
            if (n > 0) s[r.Ganz(1, n)].gepickt ^= true;
            LinieAnlegen(z, 0, 0, r.Ganz(1, 5), 1);
            if (r.Muenze()) KreisAnlegen(z, 3, 3, 2, r.Muenze());
            if (TElement* t = r.Muenze() ? TextAnlegen(z, 1, 1) : nullptr) t->TextSetzen("neu");
        },
        [&] {
            std::stringstream datei;
            MakroSchreiben(datei, z, 0, 0);
            Makro makro;
            std::string fehler;
            if (MakroLesen(datei, makro, fehler)) MakroEinfuegen(z, makro, r.Ganz(-9, 9), 4, m);
        },
        [&] {
            const Bearbeitung schritt(z, Schrittart::Einstellungen);
            if (r.Muenze()) z.Dialog.Unitlength = std::to_string(r.Ganz(1, 3));
            if (r.Muenze()) z.Kopf.Pfeilwinkel = r.Ganz(0, 2) * 0.25;
            if (r.Muenze()) z.Dialog.ClipOben = r.Ganz(100, 102);
        },
        [&] { AuswahlAufheben(s); },
        [&] { AllesAuswaehlen(s); },
        [&] {
            for (int k = r.Ganz(0, 3); k > 0 && n > 0; --k)
                s[r.Ganz(1, n)].gepickt ^= true;
        },
    };
    const int wahl = r.Ganz(0, std::size(bearbeitungen));
    if (wahl == std::size(bearbeitungen)) return Aufraeumen(z);
    bearbeitungen[wahl]();
    return false;
}

// The model: a copy of the drawing for each place in the history, and which steps change the
// file.
struct Modell {
    std::vector<std::string> stand;
    std::vector<bool> inhalt;
    std::size_t position = 0;
    long gespeichert = 0;

    explicit Modell(Zeichnung& z) : stand{Stand(z)}, inhalt{false} {}
    bool Geaendert() const {
        if (gespeichert < 0) return true;
        const auto g = static_cast<std::size_t>(gespeichert);
        for (std::size_t i = std::min(g, position) + 1; i <= std::max(g, position); ++i)
            if (inhalt[i]) return true;
        return false;
    }
};

} // namespace

TEST(Verlauf, ZufaelligeBearbeitungenGegenModell) {
    Ordner o;
    const std::string pfad = o.Datei("z.vks");
    for (unsigned lauf = 0; lauf < 60; ++lauf) {
        Zufall r{std::mt19937(lauf)};
        Protokoll m;
        auto z = std::make_unique<Zeichnung>();
        Zufallszeichnung(*z, r);
        z->Verlauf.Neu(z->Elemente);
        Modell mo(*z);
        std::string anfang, ende;
        // Edits only, then everything undone and redone, then all mixed.
        for (int schritt = 0; schritt < 240; ++schritt) {
            const int wahl = schritt < 60 ? 0 : schritt < 120 ? 1 : schritt < 180 ? 2 : r.Ganz(0, 12);
            const std::string ablage = Ablage(*z);
            if (wahl == 1 || wahl == 2 || wahl == 3 || wahl == 4) {
                const bool zurueck = wahl == 1 || wahl == 3;
                // Picks since the last step go with it.
                mo.stand[mo.position] = Stand(*z);
                const bool geht = zurueck ? z->Verlauf.Rueckgaengig(*z).has_value()
                                          : z->Verlauf.Wiederherstellen(*z).has_value();
                ASSERT_EQ(geht, zurueck ? mo.position > 0 : mo.position + 1 < mo.stand.size()) << lauf;
                if (geht) mo.position += zurueck ? -1 : 1;
                ASSERT_EQ(Stand(*z), mo.stand[mo.position]) << lauf << " " << schritt;
                ASSERT_EQ(Ablage(*z), ablage);
            } else if (wahl == 5) {
                // An empty drawing is not saved.
                if (ZeichnungSchreibenDatei(pfad, *z, m)) {
                    mo.gespeichert = static_cast<long>(mo.position);
                    z->Geaendert = false;
                }
            } else if (wahl == 6 && std::filesystem::exists(pfad)) {
                ASSERT_EQ(ZeichnungLesenDatei(pfad, *z, m), Leseergebnis::Ok);
                mo = Modell(*z);
            } else {
                const std::string vorher = Stand(*z), ohnePicks = Stand(*z, false), vorherDatei = Datei(*z);
                const bool aufraeumen = Bearbeiten(*z, r, m);
                if (Stand(*z, false) != ohnePicks) {
                    // Picks made before the first edit are no edit: the start is the drawing
                    // as that edit found it.
                    if (mo.position == 0) anfang = vorherDatei;
                    const auto hier = static_cast<long>(mo.position);
                    if (mo.gespeichert > hier) mo.gespeichert = mo.Geaendert() ? -1 : hier;
                    mo.stand[mo.position] = vorher;
                    mo.stand.resize(++mo.position);
                    mo.inhalt.resize(mo.position);
                    mo.stand.push_back(Stand(*z));
                    mo.inhalt.push_back(!aufraeumen);
                }
            }
            // Everything undone gives the file as it was; everything redone as the edits left it.
            if (schritt == 59) ende = Datei(*z);
            if (schritt == 119 || schritt == 179) {
                ASSERT_EQ(Datei(*z), schritt == 119 ? anfang : ende) << lauf;
            }
            ASSERT_EQ(z->Geaendert, mo.Geaendert()) << lauf << " " << schritt;
            ASSERT_EQ(std::pair(z->Verlauf.KannRueckgaengig(), z->Verlauf.KannWiederherstellen()),
                      std::pair(mo.position > 0, mo.position + 1 < mo.stand.size()));
        }
    }
}

TEST(Verlauf, HoechstensTausendSchritteUnd64MBDieAeltestenZuerst) {
    // Every move is a step of its own; the oldest go beyond 1000 steps, and beyond 64 MB for a
    // full store, whose moves keep every record.
    for (const auto& [anzahl, zuege] : {std::pair(3, 1003), std::pair(MaxElemente, 25)}) {
        auto z = std::make_unique<Zeichnung>();
        for (int i = 0; i < anzahl; ++i)
            NeuerText(*z, 0, i, "ein Text, zu lang, um im Satz selbst zu liegen").gepickt = true;
        for (int i = 0; i < zuege; ++i)
            ASSERT_TRUE(Verschieben(*z, 1, 0));
        const std::size_t schritte = z->Verlauf.Schritte();
        EXPECT_LE(z->Verlauf.Bytes(), Verlauf::MaxBytes);
        EXPECT_TRUE(anzahl == 3 ? schritte == Verlauf::MaxSchritte : schritte < 25 && schritte > 10)
            << schritte;
        while (z->Verlauf.Rueckgaengig(*z))
            ;
        EXPECT_EQ(z->Elemente[anzahl].x1, static_cast<double>(zuege - static_cast<int>(schritte)));
        EXPECT_TRUE(z->Geaendert);
    }
}
