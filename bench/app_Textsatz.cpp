// Typeset texts: 1000 distinct texts typeset from a cold cache in one background run of latex
// and dvisvgm (the runs and processes are counters), and the full redraw of 1000 typeset texts
// from the warm cache (gesetzt 1) against the same drawing with its texts written plain (0) and
// against redraws after a change of zoom (2), which draw texts' pictures anew for a part of their
// time and show the rest plain until the next.
#include "Ausfuehren.h"
#include "Malflaeche.h"
#include "model/Zeichnung.h"
#include "view/Ansicht.h"
#include "view/Leinwand.h"
#include "view/Maler.h"
#include "view/MyDraw.h"
#include "view/Textsatz.h"

#include <QApplication>
#include <QTemporaryDir>

#include <cstdio>

#include <benchmark/benchmark.h>

namespace {

using bench::Bildbreite;
using bench::Bildhoehe;

// 1000 distinct texts, formulas, umlauts and words, 40 rows of 25 over the surface at zoom 4.
void Texte(vektra::Zeichnung& z) {
    z.Kopf.Textanzeige = 1;
    z.Dialog.Unitlength = std::string("1");
    const char* ausrichtungen[] = {"cc", "tl", "br", "bl"};
    const char* muster[] = {"$x_{%d}^2$",
                            "Gr\xf6\xdf"
                            "e %d",
                            "$\\frac{%d}{b}$"};
    for (int i = 0; i < 1000; ++i) {
        char text[40];
        std::snprintf(text, sizeof text, muster[i % 3], i);
        vektra::TElement& e = *z.Elemente.NeuesElement();
        e.Art = vektra::Text;
        e.Ebene = vektra::EbeneText;
        e.x1 = 3 + (i % 25) * 7;
        e.y1 = 2 + (i / 25) * 2.7;
        e.Ausrichtung = ausrichtungen[i % 4];
        e.TextSetzen(text);
    }
}

// Waits for the runs without blocking their signals.
void Warten(const Textsatz& satz) {
    while (satz.Beschaeftigt())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void BM_SatzKalterCache(benchmark::State& state) {
    vektra::Zeichnung z;
    Texte(z);
    vektra::Ansicht a;
    a.Hoehe = Bildhoehe;
    Leinwand l;
    l.Resize(Bildbreite, Bildhoehe);
    for (auto _ : state) {
        QTemporaryDir cache;
        Textsatz satz(z, a, cache.path());
        satz.Einschalten(true);
        for (const vektra::TElement& e : z.Elemente)
            satz.Malen(l, e, QPoint(a.XNachPixel(e.x1), a.YNachPixel(e.y1)), Qt::black);
        Warten(satz);
        state.counters["Laeufe"] = satz.Laeufe();
        state.counters["Prozesse"] = satz.Prozesse();
    }
}
BENCHMARK(BM_SatzKalterCache)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

void BM_NeuzeichnenGesetzt(benchmark::State& state) {
    vektra::Zeichnung z;
    Texte(z);
    vektra::Ansicht a;
    bench::Malflaeche f(z, a);
    MyDraw& zf = f.zf;
    Maler& maler = f.maler;
    maler.Gitter = false;
    QTemporaryDir cache;
    Textsatz satz(z, a, cache.path());
    satz.Einschalten(true);
    maler.Satz = &satz;
    // The run, then one redraw that draws each text's picture at this zoom for the first time.
    maler.zeichneneu({});
    Warten(satz);
    maler.zeichneneu({});
    satz.Einschalten(state.range(0) != 0);
    const bool zoomwechsel = state.range(0) == 2;
    for (auto _ : state) {
        // Every other zoom level: each text's picture is drawn anew from its page.
        if (zoomwechsel) z.Kopf.Zoomstufe = z.Kopf.Zoomstufe == 4 ? 5 : 4;
        maler.zeichneneu({});
        benchmark::DoNotOptimize(zf.Flaeche().Image().constBits());
        // The events between two redraws, where the window answers the user.
        state.PauseTiming();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_NeuzeichnenGesetzt)
    ->ArgName("gesetzt")
    ->Arg(1)
    ->Arg(0)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return bench::Ausfuehren(argc, argv);
}
