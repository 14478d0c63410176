// The picture import of hostile lines: one line of n optional arguments left open, and one box
// text of n font calls left open. The time should grow with n, not with its square; the fitted
// complexity is printed after each series.
#include "files/VektraLesen.h"

#include "Stumm.h"

#include <benchmark/benchmark.h>

#include <sstream>

using namespace vektra;

namespace {

std::string Mal(std::string_view stueck, std::int64_t n) {
    std::string text;
    text.reserve(stueck.size() * static_cast<std::size_t>(n));
    for (; n > 0; --n)
        text += stueck;
    return text;
}

void Importieren(benchmark::State& state, const std::string& text) {
    bench::Stumm m;
    Zeichnung z;
    for (auto _ : state) {
        z.Elemente.AllesLoeschen();
        std::istringstream ein(text);
        benchmark::DoNotOptimize(VektraLesen(ein, z, m).neueElemente);
    }
    state.SetComplexityN(state.range(0));
}

void OffeneOptionen(benchmark::State& state) {
    Importieren(state, Mal("\\oval(1,1)[", state.range(0)) + "\n");
}
BENCHMARK(OffeneOptionen)
    ->RangeMultiplier(4)
    ->Range(1 << 12, 1 << 18)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

void OffeneSchriftmakros(benchmark::State& state) {
    Importieren(state, "\\put(0,0){\\makebox(0,0){" + Mal("\\SetFigFont{", state.range(0)) + "}}\n");
}
BENCHMARK(OffeneSchriftmakros)
    ->RangeMultiplier(4)
    ->Range(1 << 12, 1 << 18)
    ->Unit(benchmark::kMillisecond)
    ->Complexity();

} // namespace
