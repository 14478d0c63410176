// Saving and loading a full store of 32000 mixed elements, in memory and through a file; and
// both in turns on the same drawing, with the ratio of their times.
#include "files/Zeichnungsdatei.h"
#include "Stumm.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <sstream>
#include <unistd.h>

using namespace vektra;

namespace {

using bench::Stumm;

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

using Uhr = std::chrono::steady_clock;

double Sekunden(Uhr::duration d) {
    return std::chrono::duration<double>(d).count();
}

// Saves and loads the same drawing in every iteration, each timed on its own, so both meet the
// same load of a shared machine. The counters are their mean times in milliseconds and the ratio
// loading / saving. Loading includes the fresh document it fills, as reading a file does; the
// stream over the saved bytes is set up before the clock runs.
void LadenGegenSpeichern(benchmark::State& state) {
    Zeichnung z;
    Fuellen(z);
    double laden = 0, speichern = 0;
    for (auto _ : state) {
        const auto t0 = Uhr::now();
        std::ostringstream aus;
        ZeichnungSchreiben(aus, z);
        const auto t1 = Uhr::now();
        std::istringstream ein(aus.str());
        const auto t2 = Uhr::now();
        {
            Zeichnung gelesen;
            std::string fehler;
            if (ZeichnungLesen(ein, gelesen, fehler) != Leseergebnis::Ok) state.SkipWithError(fehler.c_str());
        }
        const auto t3 = Uhr::now();
        speichern += Sekunden(t1 - t0);
        laden += Sekunden(t3 - t2);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["Speichern_ms"] = 1e3 * speichern / n;
    state.counters["Laden_ms"] = 1e3 * laden / n;
    state.counters["Laden/Speichern"] = laden / speichern;
}

// The same through a file, as the editor saves and opens drawings.
void LadenGegenSpeichernDatei(benchmark::State& state) {
    Zeichnung z;
    Fuellen(z);
    Stumm m;
    const std::string pfad = Datei();
    double laden = 0, speichern = 0;
    for (auto _ : state) {
        const auto t0 = Uhr::now();
        if (!ZeichnungSchreibenDatei(pfad, z, m)) state.SkipWithError("nicht geschrieben");
        const auto t1 = Uhr::now();
        {
            Zeichnung gelesen;
            if (ZeichnungLesenDatei(pfad, gelesen, m) != Leseergebnis::Ok)
                state.SkipWithError("nicht gelesen");
        }
        const auto t2 = Uhr::now();
        speichern += Sekunden(t1 - t0);
        laden += Sekunden(t2 - t1);
    }
    std::filesystem::remove(pfad);
    const double n = static_cast<double>(state.iterations());
    state.counters["Speichern_ms"] = 1e3 * speichern / n;
    state.counters["Laden_ms"] = 1e3 * laden / n;
    state.counters["Laden/Speichern"] = laden / speichern;
}

} // namespace

BENCHMARK(SpeichernSpeicher)->Unit(benchmark::kMillisecond);
BENCHMARK(LadenSpeicher)->Unit(benchmark::kMillisecond);
BENCHMARK(SpeichernDatei)->Unit(benchmark::kMillisecond);
BENCHMARK(LadenDatei)->Unit(benchmark::kMillisecond);
BENCHMARK(LadenGegenSpeichern)->Unit(benchmark::kMillisecond);
BENCHMARK(LadenGegenSpeichernDatei)->Unit(benchmark::kMillisecond);
