#pragma once
// The pointer interaction state the tools share: one-shot flags, the last pointer position, the
// rubber band of the gesture in progress and where the cross was last drawn.
#include <QPoint>

struct Gummiband {
    bool aktiv = false;
    QPoint start;
    QPoint ende;
};

struct Interaktion {
    // The next pointer move over the surface is swallowed (after dialogs and focus changes, so
    // it cannot draw a stale cross).
    bool ignoriereBewegung = false;
    // The next pick click is swallowed (the click that ends an accepting press).
    bool ignoriereKlick = false;
    // Last pointer position seen by the move routines: snapped in the drawing modes, raw in the
    // pick mode.
    QPoint Mauspunkt;
    Gummiband Band;
    // Snapped pixel of the last cross drawn by a move; far off after entering a drawing mode,
    // so the next move always draws.
    QPoint letzteKreuzposition{-10000, -10000};
    // Largest radius in drawing units of the current circle tool; 0 before any was chosen.
    int Kreisgrenze = 0;
};
