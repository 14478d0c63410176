#pragma once
// Moving the picked elements with the pointer in steps of the snap lattice. While the pointer
// drags, the picked elements other than texts are shown in the inverting pen, so each step
// erases them and draws them again; texts appear at their new places when the drag ends.
#include "editing/Werkzeug.h"
#include "model/Zeichnung.h"

#include <optional>

class Verschiebewerkzeug : public Werkzeug {
  public:
    using Werkzeug::Werkzeug;

    Modusmerkmale Merkmale(Modus m) const override;
    void Verlassen() override;
    void Druecken(QMouseEvent& e) override;
    void Bewegen(QMouseEvent& e) override;
    void Loslassen(QMouseEvent& e) override;

  private:
    // The snapped pointer at the last step of the drag.
    QPoint Verschiebeanker;
    // The drag from press to release is one step of the history.
    std::optional<vektra::Bearbeitung> zug_;
};
