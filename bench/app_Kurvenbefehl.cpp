// The curve command on the real main window: a spiral of about 32000 chords by chord length,
// stored as elements and shown by one full redraw.
#include "Ausfuehren.h"
#include "curves/Kurvenbefehl.h"
#include "curves/TKurvenform.h"
#include "main/TForm1.h"

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

namespace {

// A main window whose curve dialog is accepted unseen and whose messages are counted.
class Benchfenster : public TForm1 {
  public:
    int meldungen = 0;
    int DialogAusfuehren(QDialog& dialog) override {
        dialog.done(QDialog::Accepted);
        return dialog.result();
    }
    void Melden(vektra::Meldungsart, const std::string&, int) override { ++meldungen; }
};

void BM_KurvenbefehlSpirale(benchmark::State& state) {
    Benchfenster f;
    f.resize(1600, 1000);
    f.show();
    QCoreApplication::processEvents();
    f.Dokument().Dialog.Clipaktiv = false;
    auto* dialog = f.findChild<TKurvenform*>();
    // Arc length 0.1 t² / 2 over t = 0..81: 328 formula units in chords of 0.01, on a spiral of
    // radius 80 drawing units about the middle of the surface.
    const std::pair<const char*, const char*> felder[] = {{"x_Edit", "0.1*t*cos(t)"},
                                                          {"y_Edit", "0.1*t*sin(t)"},
                                                          {"bis", "81"},
                                                          {"strich_edit", "0.1"},
                                                          {"x_off", "80"},
                                                          {"y_off", "42"}};
    for (const auto& [name, text] : felder)
        dialog->findChild<QLineEdit*>(QString::fromLatin1(name))->setText(QString::fromLatin1(text));
    int elemente = 0;
    for (auto _ : state) {
        state.PauseTiming();
        f.Dokument().Elemente.AllesLoeschen();
        state.ResumeTiming();
        KurveClick(f, *dialog);
        elemente = f.Dokument().Elemente.Anzahl();
    }
    state.counters["Sehnen"] = elemente;
    state.counters["Meldungen"] = f.meldungen;
}
BENCHMARK(BM_KurvenbefehlSpirale)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return bench::Ausfuehren(argc, argv);
}
