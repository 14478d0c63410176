#pragma once
#include "Aufraeumen.h"
#include "Elementbau.h"
#include "model/Zeichnung.h"
#include "text/Meldungen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

// Structures are written with designated initializers naming only the fields a test cares about.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace testhilfe {

using namespace vektra;

// Cairo's and fontconfig's caches are freed at the end, so the leak checker sees only our leaks.
class Renderumgebung : public testing::Environment {
    void TearDown() override { RenderAufraeumen(); }
};
inline const testing::Environment* const umgebung = testing::AddGlobalTestEnvironment(new Renderumgebung);

struct Meldung {
    Meldungsart art;
    std::string text;
    int zeile;
};

// Records every message; every question is answered with yes.
class Protokoll : public Meldungen {
  public:
    std::vector<Meldung> liste;
    void Melden(Meldungsart art, const std::string& text, int zeile) override {
        liste.push_back({art, text, zeile});
    }
    Antwort Fragen(Meldungsart art, const std::string& text, Knoepfe) override {
        return Melden(art, text, 0), Antwort::Ja;
    }
    // The texts, each ended by a line break.
    std::string Texte() const {
        std::string t;
        for (const auto& m : liste)
            t += m.text + "\n";
        return t;
    }
};

// Elements as lines, the form of the case files (their heads tell it); rounding noise shows as 0.
inline std::string Elementzeilen(const Elementspeicher& s) {
    const auto w = [](double v) { return std::abs(v) < 1e-9 && v != 0 ? 0.0 : v; };
    std::ostringstream o;
    for (const TElement& e : s) {
        o << int(e.Art) << " " << e.Ebene << " " << w(e.x1) << "," << w(e.y1) << " ";
        if (e.istStrich())
            o << w(e.x2) << "," << w(e.y2) << " " << e.Breite;
        else if (e.Art == Kreis)
            o << e.Durchmesser << (e.gefuellt ? "* " : " ") << e.Breite;
        else
            o << e.Ausrichtung << " «" << e.Text << "»";
        if (e.Farbe != 0) o << " #" << std::hex << e.Farbe << std::dec;
        o << (e.gepickt ? " p" : "") << (e.geloescht ? " d" : "") << (e.Kandidat ? " k" : "") << "\n";
    }
    return o.str();
}

// Appends the elements of such lines to `s`.
inline void ElementeAnhaengen(Elementspeicher& s, const std::string& zeilen) {
    std::istringstream ein(zeilen);
    for (std::string zeile; std::getline(ein, zeile);) {
        TElement& e = *s.NeuesElement();
        if (const auto auf = zeile.find("«"), zu = zeile.find("»"); auf != std::string::npos) {
            e.TextSetzen(zeile.substr(auf + 2, zu - auf - 2));
            zeile.erase(auf, zu + 2 - auf);
        }
        std::ranges::replace(zeile, ',', ' ');
        std::istringstream w(zeile);
        int art = 0;
        w >> art >> e.Ebene >> e.x1 >> e.y1;
        e.Art = static_cast<std::uint8_t>(art);
        std::string d;
        if (e.istStrich())
            w >> e.x2 >> e.y2 >> e.Breite;
        else if (art == Kreis)
            w >> d >> e.Breite, e.Durchmesser = std::stod(d), e.gefuellt = d.ends_with('*');
        else
            w >> d, e.Ausrichtung = d;
        for (std::string m; w >> m;)
            if (m[0] == '#')
                e.Farbe = std::stoi(m.substr(1), nullptr, 16);
            else
                e.gepickt |= m == "p", e.geloescht |= m == "d", e.Kandidat |= m == "k";
    }
}

// The width classes of the elements, between blanks.
inline std::string Breiten(const Elementspeicher& s) {
    std::string t;
    for (const TElement& e : s)
        t += (t.empty() ? "" : " ") + std::to_string(e.Breite);
    return t;
}

// Builds file bytes by hand, little-endian.
struct Bau {
    std::string b;
    Bau& Le(std::uint64_t w, int n) {
        for (int i = 0; i < n; ++i)
            b += static_cast<char>(w >> (8 * i));
        return *this;
    }
    Bau& U8(std::uint8_t w) { return Le(w, 1); }
    Bau& I16(std::int16_t w) { return Le(static_cast<std::uint16_t>(w), 2); }
    Bau& I32(std::int32_t w) { return Le(static_cast<std::uint32_t>(w), 4); }
    Bau& F64(double w) { return Le(std::bit_cast<std::uint64_t>(w), 8); }
    Bau& Txt(std::string_view s) { return b += s, *this; }
    Bau& Str(std::string_view s, std::size_t breite) {
        return U8(static_cast<std::uint8_t>(s.size())).Txt(s).Txt(std::string(breite - 1 - s.size(), '\0'));
    }
    // The 12 bytes every record starts with: kind, three flags, colour, class.
    Bau& Satz(std::uint8_t art, std::int32_t farbe, std::int32_t ebene, bool gepickt = true,
              bool kand = false) {
        return U8(art).U8(gepickt).U8(kand).U8(0).I32(farbe).I32(ebene);
    }
};

inline std::string DateiInhalt(const std::string& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), {}};
}

struct Ordner {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::filesystem::path pfad =
        std::filesystem::temp_directory_path() /
        ("vektra-test-" + std::to_string(::getpid()) + "-" + test->test_suite_name() + "-" + test->name());
    Ordner() { std::filesystem::create_directories(pfad); }
    ~Ordner() { std::filesystem::remove_all(pfad); }
    std::string Datei(std::string_view name) const { return (pfad / name).string(); }
    void Ablegen(std::string_view name, std::string_view inhalt) const {
        std::ofstream(Datei(name), std::ios::binary) << inhalt;
    }
};

// The cases of a case file: "### name" starts a case (its name is the field "###"), "--- feld" a
// field: the lines up to the next marker, each ended by a line break, without blank lines at
// the end; "^^" and two hex digits stand for that byte, "^^" at a line's end for no break.
using Fall = std::map<std::string, std::string>;

inline std::vector<Fall> Faelle(const std::string& datei) {
    std::ifstream ein(datei);
    std::vector<Fall> faelle;
    std::string* wert = nullptr;
    for (std::string zeile; std::getline(ein, zeile);)
        if (zeile.starts_with("### "))
            faelle.push_back({{"###", zeile.substr(4)}}), wert = nullptr;
        else if (zeile.starts_with("--- "))
            wert = &faelle.back()[zeile.substr(4)];
        else if (wert)
            *wert += zeile + "\n";
    for (Fall& f : faelle)
        for (auto& [feld, w] : f) {
            while (w.ends_with("\n\n") || w == "\n")
                w.pop_back();
            std::string klar;
            for (std::size_t i = 0; i < w.size(); ++i)
                if (w.compare(i, 3, "^^\n") == 0)
                    i += 2;
                else if (w.compare(i, 2, "^^") == 0)
                    klar += static_cast<char>(std::stoi(w.substr(i + 2, 2), nullptr, 16)), i += 3;
                else
                    klar += w[i];
            w = klar;
        }
    EXPECT_FALSE(faelle.empty()) << datei;
    return faelle;
}

// The field `feld` of the case `name` in the case file `datei`.
inline std::string Feld(const std::string& datei, const std::string& name,
                        const std::string& feld = "faelle") {
    for (Fall f : Faelle(datei))
        if (f["###"] == name) return f[feld];
    ADD_FAILURE() << datei << ": " << name;
    return {};
}

// The lines of a table field, each split at "|".
inline std::vector<std::vector<std::string>> Spalten(const std::string& feld) {
    std::vector<std::vector<std::string>> zeilen;
    std::istringstream ein(feld);
    for (std::string zeile; std::getline(ein, zeile);) {
        zeilen.emplace_back(1);
        for (char c : zeile)
            c == '|' ? (void)zeilen.back().emplace_back() : zeilen.back().back().push_back(c);
    }
    return zeilen;
}

} // namespace testhilfe
