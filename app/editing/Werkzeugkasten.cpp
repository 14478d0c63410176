#include "editing/Werkzeugkasten.h"

#include "editing/Interaktion.h"
#include "main/Fensterdienste.h"
#include "model/Zeichnung.h"
#include "view/Maler.h"
#include "view/MyDraw.h"

#include <QMouseEvent>

Werkzeugkasten::Werkzeugkasten(Fensterdienste& fenster, MyDraw& flaeche) : f_(fenster), zf_(flaeche) {
    connect(&zf_, &MyDraw::mausRunter, this, &Werkzeugkasten::BoxMouseDown);
    connect(&zf_, &MyDraw::mausBewegt, this, &Werkzeugkasten::BoxMouseMove);
    connect(&zf_, &MyDraw::mausHoch, this, &Werkzeugkasten::BoxMouseUp);
}

Werkzeugkasten::~Werkzeugkasten() = default;

// A number that names no mode gets the neutral mode's tool, so nothing runs for it.
Werkzeug& Werkzeugkasten::Fuer(Modus m) const {
    const auto i = static_cast<std::size_t>(Modusnummer(m));
    Werkzeug* w = i < nachModus_.size() ? nachModus_[i] : nullptr;
    return w ? *w : *nachModus_[static_cast<std::size_t>(Modusnummer(Modus::Neutral))];
}

void Werkzeugkasten::Wechseln(Modus m) {
    if (m == modus_) return;
    Werkzeug& alt = Fuer(modus_);
    alt.Verlassen();
    modus_ = m;
    Fuer(m).Betreten(m);
}

void Werkzeugkasten::NachNeuzeichnen() {
    Fuer(modus_).NachNeuzeichnen();
}

bool Werkzeugkasten::Beschaeftigt() const {
    return f_.Painter().zeichnetGerade;
}

void Werkzeugkasten::BoxMouseDown(QMouseEvent* e) {
    if (Beschaeftigt()) return;
    zf_.setFocus(Qt::MouseFocusReason);
    gedrueckt_ = true;
    Fuer(modus_).Druecken(*e);
    // A press that activates the window starts afresh: no cross from before, no stale move.
    if (!zf_.window()->isActiveWindow()) {
        zf_.window()->activateWindow();
        f_.Painter().FadenkreuzLoeschen();
        f_.Zustand().ignoriereBewegung = true;
    }
}

void Werkzeugkasten::BoxMouseMove(QMouseEvent* e) {
    if (Beschaeftigt()) return;
    Fuer(modus_).Bewegen(*e);
}

void Werkzeugkasten::BoxMouseUp(QMouseEvent* e) {
    const bool klick = gedrueckt_ && zf_.rect().contains(e->position().toPoint());
    gedrueckt_ = false;
    if (klick) BoxClick();
    if (Beschaeftigt()) return;
    Fuer(modus_).Loslassen(*e);
}

void Werkzeugkasten::BoxClick() {
    Fuer(modus_).Klicken();
}
