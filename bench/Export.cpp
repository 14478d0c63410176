// Both exports and the picture import of a drawing of 32000 mixed elements.
#include "files/LatexExport.h"
#include "files/PsExport.h"
#include "files/VektraLesen.h"

#include "Grosse.h"

#include <benchmark/benchmark.h>

#include <sstream>

using namespace vektra;
using bench::Grosse;
using bench::Stumm;

namespace {

void LatexExport(benchmark::State& state) {
    Stumm m;
    for (auto _ : state) {
        std::ostringstream aus;
        LatexExportieren(Grosse(), aus, m);
        benchmark::DoNotOptimize(aus.str().size());
    }
}
BENCHMARK(LatexExport)->Unit(benchmark::kMillisecond);

void PostScriptExport(benchmark::State& state) {
    Stumm m;
    for (auto _ : state) {
        std::ostringstream ps, treiber;
        PsExportieren(Grosse(), ps, treiber, "bild", m);
        benchmark::DoNotOptimize(ps.str().size());
    }
}
BENCHMARK(PostScriptExport)->Unit(benchmark::kMillisecond);

void PicImport(benchmark::State& state) {
    Stumm m;
    std::ostringstream aus;
    LatexExportieren(Grosse(), aus, m);
    const std::string text = aus.str();
    Zeichnung z;
    for (auto _ : state) {
        z.Elemente.AllesLoeschen();
        std::istringstream ein(text);
        benchmark::DoNotOptimize(VektraLesen(ein, z, m).neueElemente);
    }
}
BENCHMARK(PicImport)->Unit(benchmark::kMillisecond);

} // namespace
