// Full redraw of a large mixed drawing, against the same primitives in one plain QPainter pass.
#include "model/Zeichnung.h"
#include "text/Cp1252.h"
#include "view/Ansicht.h"
#include "view/Lineal.h"
#include "view/Maler.h"
#include "view/MyDraw.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <random>

namespace {

constexpr int Breite = 1600, Hoehe = 1000;

// 32000 elements in creation order: three lines to one circle to one text, spread over the
// visible area at zoom level 4.
void Fuellen(vektra::Zeichnung& doc) {
    std::mt19937 zufall(4711);
    std::uniform_real_distribution<double> x(0, 175), y(0, 108), d(0.5, 12);
    std::uniform_int_distribution<int> klasse(0, 2), farbe(0, 0xFFFFFF);
    for (int i = 0; i < vektra::MaxElemente; ++i) {
        vektra::TElement& e = *doc.Elemente.NeuesElement();
        e.Farbe = farbe(zufall);
        e.x1 = x(zufall);
        e.y1 = y(zufall);
        switch (i % 5) {
        case 3:
            e.Art = vektra::Kreis;
            e.Ebene = vektra::EbeneKreis;
            e.Durchmesser = d(zufall);
            e.gefuellt = i % 2 == 0;
            e.Breite = static_cast<std::int16_t>(klasse(zufall));
            break;
        case 4:
            e.Art = vektra::Text;
            e.Ebene = vektra::EbeneText;
            e.TextSetzen("Gr\xF6\xDF"
                         "e " +
                         std::to_string(i));
            e.Ausrichtung = "cc";
            break;
        default:
            e.Art = vektra::Linie;
            e.Ebene = vektra::EbeneLinie;
            e.x2 = e.x1 + d(zufall);
            e.y2 = e.y1 + d(zufall) - 6;
            e.Breite = static_cast<std::int16_t>(klasse(zufall));
            break;
        }
    }
}

void BM_Neuzeichnen(benchmark::State& state) {
    vektra::Zeichnung doc;
    vektra::Ansicht view;
    MyDraw zf;
    Lineal v, h;
    zf.resize(Breite, Hoehe);
    v.resize(40, Hoehe);
    h.resize(Breite + 40, 20);
    Maler maler(doc, view, zf, v, h);
    Fuellen(doc);
    for (auto _ : state) {
        maler.zeichneneu({});
        benchmark::DoNotOptimize(zf.Flaeche().Image().constBits());
    }
}
BENCHMARK(BM_Neuzeichnen)->Unit(benchmark::kMillisecond);

// The same elements straight onto an image: pixel positions, pens and texts worked out inside
// the loop as the painter must, but without the canvas state, grid or Ebene passes.
void BM_EinfacherQPainter(benchmark::State& state) {
    vektra::Zeichnung doc;
    vektra::Ansicht view;
    view.Hoehe = Hoehe;
    Fuellen(doc);
    QImage bild(Breite, Hoehe, QImage::Format_RGB32);
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
BENCHMARK(BM_EinfacherQPainter)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
