// The cost of the pointer routines in the real window over a full store of 32000 elements: one
// move with an active rubber band (which must not grow with the drawing) and one step of
// dragging picked elements in the inverting pen, against the same move over an empty drawing.
#include "Ausfuehren.h"
#include "main/TForm1.h"
#include "model/Zeichnung.h"
#include "view/MyDraw.h"

#include <QApplication>
#include <QMouseEvent>
#include <QToolButton>

#include <benchmark/benchmark.h>

namespace {

// Lines spread over the visible part of the surface.
void Fuellen(vektra::Zeichnung& z, int anzahl, bool gepickt) {
    for (int i = 0; i < anzahl; ++i) {
        vektra::TElement& e = *z.Elemente.NeuesElement();
        e.x1 = (i * 37) % 170;
        e.y1 = (i * 53) % 100;
        e.x2 = e.x1 + 2;
        e.y2 = e.y1 + 1;
        e.gepickt = gepickt;
    }
}

void Maus(QWidget* w, QEvent::Type art, QPoint p) {
    QMouseEvent e(art, p, w->mapToGlobal(p), Qt::LeftButton,
                  art == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// Presses with `knopf`'s tool and then moves back and forth between two snapped points.
void Ziehen(benchmark::State& state, const char* knopf, bool gepickt) {
    TForm1 f;
    f.resize(1600, 1000);
    f.show();
    Fuellen(f.Dokument(), static_cast<int>(state.range(0)), gepickt);
    f.zeichneneu();
    f.findChild<QToolButton*>(QString::fromLatin1(knopf))->click();
    MyDraw* zf = f.Zeichenflaeche();
    Maus(zf, QEvent::MouseButtonPress, QPoint(400, 400));
    int i = 0;
    for (auto _ : state)
        Maus(zf, QEvent::MouseMove, QPoint(++i % 2 ? 450 : 460, 430));
    // Released where it started, so no element is added to a full store.
    Maus(zf, QEvent::MouseButtonRelease, QPoint(400, 400));
    f.Dokument().Geaendert = false;
}

void BM_Gummiband(benchmark::State& state) {
    Ziehen(state, "LineButton", false);
}
BENCHMARK(BM_Gummiband)->Arg(0)->Arg(32000)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_Verschiebeschritt(benchmark::State& state) {
    Ziehen(state, "Movebutton", true);
}
BENCHMARK(BM_Verschiebeschritt)->Arg(1000)->Arg(32000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return bench::Ausfuehren(argc, argv);
}
