#pragma once
// A shown main window with scripted dialogs, an uneven origin (so x and y cannot be confused)
// and pointer gestures given in drawing units.
#include "DateiSkriptfenster.h"
#include "editing/Interaktion.h"
#include "view/Maler.h"
#include "view/MyDraw.h"

#include <QAction>
#include <QLabel>
#include <QToolButton>

// Counts the paint events a widget gets.
struct Malzaehler : QObject {
    int n = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        n += e->type() == QEvent::Paint;
        return false;
    }
};

struct Zeichenfenster : Testumgebung {
    Skriptfenster f;

    Zeichenfenster() {
        f.resize(900, 640);
        f.show();
        if (!QTest::qWaitForWindowExposed(&f)) qFatal("window not exposed");
        // Let the resizes of showing settle, so no redraw for them comes in between later.
        QCoreApplication::processEvents();
        f.Sicht().NullX = -3;
        f.Sicht().NullY = -7;
        f.zeichneneu();
    }
    MyDraw* ZF() { return f.Zeichenflaeche(); }
    const QImage& Bild() { return ZF()->Flaeche().Image(); }
    vektra::Elementspeicher& Elemente() { return f.Dokument().Elemente; }
    vektra::TElement& E(int i) { return Elemente()[i]; }
    Modus M() { return f.AktuellerModus(); }
    unsigned Generation() { return f.Painter().Generation(); }
    void Menue(const char* name) { f.findChild<QAction*>(QString::fromLatin1(name))->trigger(); }
    QString Status(int i) { return f.Statusfeld(i)->text(); }
    void Knopf(const char* name) { QTest::mouseClick(f.findChild<QToolButton*>(name), Qt::LeftButton); }

    // The pixel of a drawing point, not snapped.
    QPoint Pixel(double x, double y) {
        const vektra::Ansicht& v = f.Sicht();
        return QPoint(int(std::lround((x - v.NullX) * v.Skala())),
                      int(std::lround(v.Hoehe - (y - v.NullY) * v.Skala())));
    }
    void Druecken(double x, double y, Qt::MouseButton k = Qt::LeftButton) {
        QTest::mousePress(ZF(), k, {}, Pixel(x, y));
    }
    void Bewegen(double x, double y) { QTest::mouseMove(ZF(), Pixel(x, y)); }
    void Loslassen(double x, double y, Qt::MouseButton k = Qt::LeftButton) {
        QTest::mouseRelease(ZF(), k, {}, Pixel(x, y));
    }
    void Klick(double x, double y) {
        Druecken(x, y);
        Loslassen(x, y);
    }
    // Press, move on the way, release.
    void Ziehen(double x1, double y1, double x2, double y2) {
        Druecken(x1, y1);
        Bewegen((x1 + x2) / 2, (y1 + y2) / 2);
        Bewegen(x2, y2);
        Loslassen(x2, y2);
    }
};
