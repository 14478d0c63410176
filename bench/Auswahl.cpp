// Speed of the editing loops over a full store of 32000 elements: the candidate search of one
// pick click, an area pick, and one step of moving every element.
#include "editing/Auswahl.h"
#include "editing/Transformieren.h"
#include "model/Zeichnung.h"

#include <benchmark/benchmark.h>

using namespace vektra;

namespace {

// Short lines, circles and texts spread over a 400 by 400 unit square.
Elementspeicher Voll() {
    Elementspeicher s;
    for (int i = 0; !s.Voll(); ++i) {
        TElement& e = *s.NeuesElement();
        e.x1 = (i * 37) % 400;
        e.y1 = (i * 53) % 397;
        e.x2 = e.x1 + 1;
        e.y2 = e.y1 + 2;
        e.Art = i % 10 == 0 ? Kreis : i % 10 == 1 ? Text : Linie;
        e.Durchmesser = 3;
    }
    return s;
}

const Ansicht Sicht{.Zoomfaktor = 1, .NullX = -2, .NullY = -2, .Hoehe = 800};

void KandidatenSuche(benchmark::State& state) {
    Elementspeicher s = Voll();
    const int mx = Sicht.XNachPixel(200), my = Sicht.YNachPixel(200);
    int zahl = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(zahl = KandidatenSuchen(s, Sicht, mx, my, 10));
    state.counters["Kandidaten"] = zahl;
    state.SetItemsProcessed(state.iterations() * s.Anzahl());
}
BENCHMARK(KandidatenSuche);

// A quarter of the square; the picks are undone outside the timing.
void Flaechenwahl(benchmark::State& state) {
    Elementspeicher s = Voll();
    int zahl = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zahl = FlaecheAuswaehlen(s, {100, 300, 100, 300}));
        state.PauseTiming();
        AuswahlAufheben(s);
        state.ResumeTiming();
    }
    state.counters["gepickt"] = zahl;
    state.SetItemsProcessed(state.iterations() * s.Anzahl());
}
BENCHMARK(Flaechenwahl);

void Verschiebeschritt(benchmark::State& state) {
    Elementspeicher s = Voll();
    AllesAuswaehlen(s);
    double d = 1;
    for (auto _ : state) {
        Verschieben(s, d, -d);
        d = -d;
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * s.Anzahl());
}
BENCHMARK(Verschiebeschritt);

} // namespace
