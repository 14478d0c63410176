// Saving and loading a full store of 32000 mixed elements, in memory and through a file.
#include "files/Zeichnungsdatei.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <sstream>
#include <unistd.h>

using namespace vektra;

namespace {

struct Stumm : Meldungen {
    void Melden(Meldungsart, const std::string&, int) override {}
    Antwort Fragen(Meldungsart, const std::string&, Knoepfe) override { return Antwort::Ok; }
};

// Lines, arrowhead strokes, circles and texts in the proportions of a curve-heavy drawing.
void Fuellen(Zeichnung& z) {
    for (int i = 0; z.Elemente.NeuesElement() != nullptr; ++i) {
        TElement& e = z.Elemente[z.Elemente.Anzahl()];
        e.x1 = i * 0.25;
        e.y1 = -i * 0.5;
        switch (i % 8) {
        case 0:
            e.Art = Kreis;
            e.Ebene = EbeneKreis;
            e.Durchmesser = 3;
            e.gefuellt = i % 16 == 0;
            break;
        case 1:
            e.Art = Text;
            e.Ebene = EbeneText;
            e.TextSetzen("$\\alpha_" + std::to_string(i) + "$");
            break;
        case 2:
            e.Art = Pfeilspitze;
            [[fallthrough]];
        default:
            e.x2 = e.x1 + 1;
            e.y2 = e.y1 + 2;
            break;
        }
    }
}

std::string Datei() {
    return (std::filesystem::temp_directory_path() / ("vks-bench-" + std::to_string(::getpid()) + ".vks"))
        .string();
}

void SpeichernSpeicher(benchmark::State& state) {
    Zeichnung z;
    Fuellen(z);
    for (auto _ : state) {
        std::ostringstream aus;
        ZeichnungSchreiben(aus, z);
        benchmark::DoNotOptimize(aus.tellp());
    }
}

void LadenSpeicher(benchmark::State& state) {
    Zeichnung z;
    Fuellen(z);
    std::ostringstream aus;
    ZeichnungSchreiben(aus, z);
    const std::string bytes = aus.str();
    for (auto _ : state) {
        Zeichnung gelesen;
        std::istringstream ein(bytes);
        std::string fehler;
        if (ZeichnungLesen(ein, gelesen, fehler) != Leseergebnis::Ok) state.SkipWithError(fehler.c_str());
    }
}

void SpeichernDatei(benchmark::State& state) {
    Zeichnung z;
    Fuellen(z);
    Stumm m;
    const std::string pfad = Datei();
    for (auto _ : state)
        if (!ZeichnungSchreibenDatei(pfad, z, m)) state.SkipWithError("nicht geschrieben");
    std::filesystem::remove(pfad);
}

void LadenDatei(benchmark::State& state) {
    Zeichnung z;
    Fuellen(z);
    Stumm m;
    const std::string pfad = Datei();
    ZeichnungSchreibenDatei(pfad, z, m);
    for (auto _ : state) {
        Zeichnung gelesen;
        if (ZeichnungLesenDatei(pfad, gelesen, m) != Leseergebnis::Ok) state.SkipWithError("nicht gelesen");
    }
    std::filesystem::remove(pfad);
}

} // namespace

BENCHMARK(SpeichernSpeicher)->Unit(benchmark::kMillisecond);
BENCHMARK(LadenSpeicher)->Unit(benchmark::kMillisecond);
BENCHMARK(SpeichernDatei)->Unit(benchmark::kMillisecond);
BENCHMARK(LadenDatei)->Unit(benchmark::kMillisecond);
