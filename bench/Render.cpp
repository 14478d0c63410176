// The PDF beside the PostScript export and the previews of a drawing of 32000 mixed elements.
#include "PdfGrafik.h"
#include "Vorschau.h"

#include "Grosse.h"

#include <benchmark/benchmark.h>

using namespace vektra;
using bench::Grosse;
using bench::Stumm;

namespace {

void PdfDerPostScriptGrafik(benchmark::State& state) {
    Stumm m;
    Exportmass mass;
    ExportVorbereiten(Grosse(), mass, m);
    for (auto _ : state) {
        std::string pdf, fehler;
        PdfGrafikZeichnen(Grosse(), mass, pdf, fehler);
        benchmark::DoNotOptimize(pdf.size());
    }
}
BENCHMARK(PdfDerPostScriptGrafik)->Unit(benchmark::kMillisecond);

// At the screen's 9 pixels per unit the drawing is 3.6 by 2.7 thousand pixels.
void Vorschau(benchmark::State& state, Vorschauart art) {
    for (auto _ : state) {
        std::string daten, fehler;
        VorschauZeichnen(Grosse(), art, Bildschirmmassstab(Grosse()), daten, fehler);
        benchmark::DoNotOptimize(daten.size());
    }
}
BENCHMARK_CAPTURE(Vorschau, Png, Vorschauart::Png)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Vorschau, Pdf, Vorschauart::Pdf)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Vorschau, Svg, Vorschauart::Svg)->Unit(benchmark::kMillisecond);

} // namespace
