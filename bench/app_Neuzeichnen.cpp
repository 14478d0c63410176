// Full redraw of a mixed drawing of 32000 and of 1000 elements, against the same primitives in
// one plain QPainter pass.
#include "Ausfuehren.h"
#include "Malflaeche.h"
#include "Mischbild.h"
#include "model/Zeichnung.h"
#include "text/Cp1252.h"
#include "view/Ansicht.h"
#include "view/Maler.h"
#include "view/MyDraw.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

using bench::Bildbreite;
using bench::Bildhoehe;

void BM_Neuzeichnen(benchmark::State& state) {
    vektra::Zeichnung doc;
    vektra::Ansicht view;
    bench::Malflaeche f(doc, view);
    MyDraw& zf = f.zf;
    Maler& maler = f.maler;
    bench::MischbildFuellen(doc, static_cast<int>(state.range(0)));
    const bool kalt = state.range(1) != 0;
    const QFont schrift = zf.font();
    for (auto _ : state) {
        if (kalt) {
            // A new font empties the canvas's stencils: the redraw after a change of zoom level or
            // font, when every ellipse and text is drawn for the first time.
            state.PauseTiming();
            zf.Flaeche().SchriftSetzen(schrift);
            state.ResumeTiming();
        }
        maler.zeichneneu({});
        benchmark::DoNotOptimize(zf.Flaeche().Image().constBits());
    }
}
// Wall-clock time: the canvas sets a long batch's pixels on a thread of its own.
BENCHMARK(BM_Neuzeichnen)
    ->ArgNames({"Elemente", "erstesMal"})
    ->Args({vektra::MaxElemente, 0})
    ->Args({vektra::MaxElemente, 1})
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The same elements straight onto an image: pixel positions, pens and texts worked out inside
// the loop as the painter must, but without the canvas state, grid or Ebene passes.
void BM_EinfacherQPainter(benchmark::State& state) {
    vektra::Zeichnung doc;
    vektra::Ansicht view;
    view.Hoehe = Bildhoehe;
    bench::MischbildFuellen(doc, static_cast<int>(state.range(0)));
    QImage bild(Bildbreite, Bildhoehe, QImage::Format_RGB32);
    QFont schrift;
    schrift.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrik(schrift, &bild);
    for (auto _ : state) {
        QPainter p(&bild);
        p.setFont(schrift);
        p.fillRect(bild.rect(), Qt::white);
        for (const vektra::TElement& e : doc.Elemente) {
            const QColor farbe(e.Farbe & 0xFF, (e.Farbe >> 8) & 0xFF, (e.Farbe >> 16) & 0xFF);
            const int breite = doc.Kopf.PixelBreiteVon(e.Breite);
            if (e.Art == vektra::Linie) {
                p.setPen(QPen(farbe, breite, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
                p.drawLine(view.XNachPixel(e.x1), view.YNachPixel(e.y1), view.XNachPixel(e.x2),
                           view.YNachPixel(e.y2));
            } else if (e.Art == vektra::Kreis) {
                p.setPen(QPen(farbe, breite, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
                p.setBrush(e.gefuellt ? QBrush(farbe) : QBrush());
                const double r = e.Durchmesser / 2;
                p.drawEllipse(QRect(QPoint(view.XNachPixel(e.x1 - r), view.YNachPixel(e.y1 + r)),
                                    QPoint(view.XNachPixel(e.x1 + r), view.YNachPixel(e.y1 - r))));
            } else {
                p.setPen(farbe);
                const QString s = QString::fromStdString(vektra::Cp1252NachUtf8(e.Text));
                const int w = metrik.horizontalAdvance(s);
                p.drawText(view.XNachPixel(e.x1) - w / 2,
                           view.YNachPixel(e.y1) - metrik.height() / 2 + metrik.ascent(), s);
            }
        }
        p.end();
        benchmark::DoNotOptimize(bild.constBits());
    }
}
BENCHMARK(BM_EinfacherQPainter)->Arg(vektra::MaxElemente)->Arg(1000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return bench::Ausfuehren(argc, argv);
}
