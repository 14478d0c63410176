// The main() of every Qt test program: the offscreen platform with three screens, the
// application, then the program's test object.
#include "Testprogramm.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

int main(int argc, char** argv) {
    // The screens are set up before the application object exists.
    QTemporaryDir ordner;
    const QString konfig = QDir(ordner.path()).filePath(QStringLiteral("bildschirme.json"));
    QFile datei(konfig);
    if (!ordner.isValid() || !datei.open(QIODevice::WriteOnly) || datei.write(R"({"screens": [
            {"name": "einfach", "x": 0, "y": 0, "width": 1600, "height": 1200, "dpr": 1},
            {"name": "doppelt", "x": 1600, "y": 0, "width": 1600, "height": 1200, "dpr": 2},
            {"name": "anderthalb", "x": 3200, "y": 0, "width": 1600, "height": 1200, "dpr": 1.5}]})") < 0)
        qFatal("cannot write %s", qPrintable(konfig));
    datei.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + konfig.toLocal8Bit());
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    const std::unique_ptr<QObject> test = Testobjekt();
    return QTest::qExec(test.get(), argc, argv);
}
