#pragma once
// Screens at the pixel ratios 1, 2 and 1.5 that the offscreen platform lays side by side, so a
// test can put a window on each. The screens are set up before the application object exists.
#include "DateiSkriptfenster.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>

inline void BildschirmeEinrichten(const QTemporaryDir& ordner) {
    if (!ordner.isValid()) qFatal("no temporary folder");
    const QString konfig = QDir(ordner.path()).filePath(QStringLiteral("bildschirme.json"));
    if (!Schreiben(konfig, R"({"screens": [
                        {"name": "einfach", "x": 0, "y": 0, "width": 1600, "height": 1200, "dpr": 1},
                        {"name": "doppelt", "x": 1600, "y": 0, "width": 1600, "height": 1200, "dpr": 2},
                        {"name": "anderthalb", "x": 3200, "y": 0, "width": 1600, "height": 1200, "dpr": 1.5}]})"))
        qFatal("cannot write %s", qPrintable(konfig));
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + konfig.toLocal8Bit());
}

inline QScreen* Bildschirm(qreal verhaeltnis) {
    for (QScreen* s : QGuiApplication::screens())
        if (s->devicePixelRatio() == verhaeltnis) return s;
    qFatal("no screen at ratio %g", verhaeltnis);
}
