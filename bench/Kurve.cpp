// Speed of formula evaluation and of plotting a long curve.
#include "curves/Kurve.h"
#include "curves/Formel.h"
#include "model/Zeichnung.h"
#include "text/Meldungen.h"

#include <benchmark/benchmark.h>

#include <string>

using namespace vektra;

namespace {

class Stumm : public Meldungen {
  public:
    int anzahl = 0;
    void Melden(Meldungsart, const std::string&, int) override { ++anzahl; }
    Antwort Fragen(Meldungsart, const std::string&, Knoepfe) override { return Antwort::Ok; }
};

const char* const Formeln[] = {
    "t",
    "2*cos(t)+n/3",
    "t*cos(t)^2-sqrt(abs(sin(3*t)))",
    "exp(-t/10)*(cosh(t/5)+arctan(t))*lgt(t+2)",
};

void Auswerten(benchmark::State& state) {
    std::string text = Formeln[state.range(0)];
    int stelle = 0, code = 0;
    Formelbaum baum = FormelParsen(text, 255, stelle, code);
    Extended t = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormelAuswerten(baum.get(), t, 2));
        t += 0.001L;
    }
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(Formeln[state.range(0)]);
}
BENCHMARK(Auswerten)->DenseRange(0, 3);

// An Archimedean spiral with chord length 1: about 31300 chords, near the store's 32000.
void Spirale(benchmark::State& state) {
    Kurvenparameter p;
    p.xText = "t*cos(t)";
    p.yText = "t*sin(t)";
    p.t0Text = "0";
    p.t1Text = "81";
    std::size_t stuecke = 0;
    for (auto _ : state) {
        Stumm m;
        Zeichnung z;
        z.Dialog.Clipaktiv = false;
        Kurvenplotter k;
        KurvenZeichnen(k, p, 1, 1, {1, 0, 0, 0}, z, m);
        stuecke = static_cast<std::size_t>(z.Elemente.Anzahl());
        if (m.anzahl != 0) state.SkipWithError("the spiral reported a problem");
    }
    state.counters["Sehnen"] = static_cast<double>(stuecke);
}
BENCHMARK(Spirale)->Unit(benchmark::kMillisecond);

} // namespace
