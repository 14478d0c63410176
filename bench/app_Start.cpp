// Time from the program's launch to the first painted window, with a drawing of 32000 elements
// named on the command line, against the same launch without a drawing. Every start is a fresh
// process that does what the program's main does (the same libraries, the same font set-up, the
// same window) and reports the time from its launch to the first paint of the surface that shows
// the drawing at the window's final size.
#include "Ausfuehren.h"
#include "Mischbild.h"
#include "Stumm.h"
#include "files/Zeichnungsdatei.h"
#include "main/Programmstart.h"
#include "main/TForm1.h"
#include "text/Meldungen.h"
#include "view/MyDraw.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

using Uhr = std::chrono::steady_clock;

// The window of a start: notes when a full redraw has filled the surface at its current size,
// and ends the event loop once the surface has been painted after that.
class Startfenster : public TForm1 {
  public:
    explicit Startfenster(QEventLoop& schleife) : schleife_(schleife) {
        Zeichenflaeche()->installEventFilter(this);
    }

    void zeichneneu() override {
        TForm1::zeichneneu();
        gezeichnet_ = true;
    }

  protected:
    bool eventFilter(QObject* objekt, QEvent* e) override {
        if (objekt == Zeichenflaeche()) {
            // A resize leaves the canvas blank until the next full redraw.
            if (e->type() == QEvent::Resize) gezeichnet_ = false;
            if (e->type() == QEvent::Paint && gezeichnet_)
                QTimer::singleShot(0, &schleife_, &QEventLoop::quit);
        }
        return TForm1::eventFilter(objekt, e);
    }

  private:
    QEventLoop& schleife_;
    bool gezeichnet_ = false;
};

// One start, as the program's main makes it; prints the milliseconds since `beginn`.
int Starten(int argc, char** argv, const char* datei, long long beginn) {
    QApplication app(argc, argv);
    ProgrammEinrichten();
    QEventLoop schleife;
    Startfenster fenster(schleife);
    if (*datei) fenster.StartdateiSetzen(QString::fromLocal8Bit(datei));
    fenster.show();
    schleife.exec();
    const auto jetzt = std::chrono::duration_cast<std::chrono::nanoseconds>(Uhr::now().time_since_epoch());
    std::printf("%.3f\n", (jetzt.count() - beginn) / 1e6);
    std::fflush(stdout);
    std::_Exit(0);
}

// A folder with the drawing, an empty settings store and a screen of 1920 x 1200 pixels, so the
// window opens at the size it takes on such a screen whatever the machine's own settings.
struct Umgebung {
    QTemporaryDir ordner;
    QString datei;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();

    Umgebung() {
        datei = QDir(ordner.path()).filePath(QStringLiteral("gross.vks"));
        vektra::Zeichnung doc;
        bench::MischbildFuellen(doc);
        bench::Stumm stumm;
        if (!vektra::ZeichnungSchreibenDatei(datei.toStdString(), doc, stumm)) std::abort();
        const QString bildschirm = QDir(ordner.path()).filePath(QStringLiteral("bildschirm.json"));
        QFile f(bildschirm);
        if (!f.open(QIODevice::WriteOnly) ||
            f.write(
                R"({"screens": [{"name": "s", "x": 0, "y": 0, "width": 1920, "height": 1200, "dpr": 1}]})") <
                0)
            std::abort();
        f.close();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + bildschirm);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), QDir(ordner.path()).filePath(QStringLiteral("konfig")));
    }
};

void BM_Start(benchmark::State& state) {
    static const Umgebung umgebung;
    const QString datei = state.range(0) ? umgebung.datei : QString();
    for (auto _ : state) {
        QProcess p;
        p.setProcessEnvironment(umgebung.env);
        const auto beginn =
            std::chrono::duration_cast<std::chrono::nanoseconds>(Uhr::now().time_since_epoch());
        p.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--start"), datei, QString::number(beginn.count())});
        bool gelesen = false;
        double ms = 0;
        if (p.waitForFinished(60000)) ms = p.readAllStandardOutput().trimmed().toDouble(&gelesen);
        if (!gelesen) {
            state.SkipWithError("start without a painted window");
            break;
        }
        state.SetIterationTime(ms / 1000);
    }
}
BENCHMARK(BM_Start)->Arg(0)->Arg(1)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--start") == 0) {
        int eins = 1;
        return Starten(eins, argv, argv[2], std::atoll(argv[3]));
    }
    QCoreApplication app(argc, argv);
    return bench::Ausfuehren(argc, argv);
}
