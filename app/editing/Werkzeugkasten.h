#pragma once
// The owner of the tools: holds them by mode, switches between them, and hands them the
// drawing surface's pointer events. Pointer events that arrive while a full redraw or a plot
// runs are dropped, never queued.
#include "editing/Modus.h"
#include "editing/Werkzeug.h"

#include <QObject>
#include <QPoint>

#include <array>
#include <initializer_list>
#include <memory>
#include <vector>

class Fensterdienste;
class MyDraw;
class QMouseEvent;

class Werkzeugkasten : public QObject {
    Q_OBJECT
  public:
    Werkzeugkasten(Fensterdienste& fenster, MyDraw& flaeche);
    ~Werkzeugkasten() override;

    // Takes over a tool for the given modes. Every mode has exactly one tool.
    template <typename W> W& Anmelden(std::initializer_list<Modus> modi, std::unique_ptr<W> w) {
        W& ref = *w;
        for (Modus m : modi)
            nachModus_[static_cast<std::size_t>(Modusnummer(m))] = &ref;
        besitz_.push_back(std::move(w));
        return ref;
    }

    Modus Aktuell() const { return modus_; }
    Werkzeug& Fuer(Modus m) const;
    // Makes m the current mode; the old mode's tool is left and the new one's entered when the
    // mode really changes, so applying the same mode again keeps a gesture in progress.
    void Wechseln(Modus m);
    void NachNeuzeichnen();

    void BoxMouseDown(QMouseEvent* e);
    void BoxMouseMove(QMouseEvent* e);
    void BoxMouseUp(QMouseEvent* e);
    void BoxClick();

  private:
    bool Beschaeftigt() const;

    Fensterdienste& f_;
    MyDraw& zf_;
    std::vector<std::unique_ptr<Werkzeug>> besitz_;
    std::array<Werkzeug*, Moduszahl> nachModus_{};
    Modus modus_ = Modus::Neutral;
    // A press on the surface whose release may make a click.
    bool gedrueckt_ = false;
};
