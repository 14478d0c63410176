// Speed of the editing loops over a full store of 32000 elements: the candidate search of one
// pick click, an area pick, one pointer step of a drag moving every element, a whole move as one
// edit, and its undo and redo.
#include "editing/Auswahl.h"
#include "editing/Transformieren.h"
#include "editing/Verlauf.h"
#include "model/Zeichnung.h"

#include <benchmark/benchmark.h>

#include <memory>

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

// Every element picked, in a drawing whose history starts here.
std::unique_ptr<Zeichnung> AllesGewaehlt() {
    auto z = std::make_unique<Zeichnung>();
    z->Elemente = Voll();
    AllesAuswaehlen(z->Elemente);
    z->Verlauf.Neu(z->Elemente);
    return z;
}

// One pointer step of a drag, which the drag's edit around it records once.
void Verschiebeschritt(benchmark::State& state) {
    const auto z = AllesGewaehlt();
    const Bearbeitung zug(*z, Schrittart::Verschieben);
    double d = 1;
    for (auto _ : state) {
        Verschieben(*z, d, -d);
        d = -d;
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * z->Elemente.Anzahl());
}
BENCHMARK(Verschiebeschritt);

// A move as an edit of its own: it keeps every element as it was.
void VerschiebenAlsSchritt(benchmark::State& state) {
    const auto z = AllesGewaehlt();
    double d = 1;
    for (auto _ : state) {
        Verschieben(*z, d, -d);
        d = -d;
        state.PauseTiming();
        z->Verlauf.Neu(z->Elemente);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * z->Elemente.Anzahl());
}
BENCHMARK(VerschiebenAlsSchritt);

// Undo, or redo, of a move of every element; the other half of the pair is not timed.
void RueckgaengigUndWieder(benchmark::State& state) {
    const auto z = AllesGewaehlt();
    Verschieben(*z, 1, -1);
    Verlauf& v = z->Verlauf;
    for (auto _ : state) {
        if (state.range(0) == 0) {
            v.Rueckgaengig(*z);
            state.PauseTiming();
            v.Wiederherstellen(*z);
        } else {
            state.PauseTiming();
            v.Rueckgaengig(*z);
            state.ResumeTiming();
            v.Wiederherstellen(*z);
            state.PauseTiming();
        }
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * z->Elemente.Anzahl());
}
BENCHMARK(RueckgaengigUndWieder)->ArgName("wiederherstellen")->Arg(0)->Arg(1);

} // namespace
