#pragma once
// What every Qt test program shares: one main() (Testprogramm.cpp) that sets up the screens and
// the application and runs the program's test object, which the program names with
// VEKTRA_TESTPROGRAMM(Klasse).
#include <QGuiApplication>
#include <QObject>
#include <QScreen>

#include <memory>

std::unique_ptr<QObject> Testobjekt();

#define VEKTRA_TESTPROGRAMM(Klasse)                                                                          \
    std::unique_ptr<QObject> Testobjekt() {                                                                  \
        return std::make_unique<Klasse>();                                                                   \
    }

// The offscreen platform lays three screens side by side, at the pixel ratios 1 (the primary
// one, 1600 x 1200), 2 and 1.5, so a test can put a window on each.
inline QScreen* Bildschirm(qreal verhaeltnis) {
    for (QScreen* s : QGuiApplication::screens())
        if (s->devicePixelRatio() == verhaeltnis) return s;
    qFatal("no screen at ratio %g", verhaeltnis);
}
