#pragma once
// Text placement: a release appends an empty text at the snapped point, marks the point and
// asks for the text in the text dialog; cancelling takes the element out again.
#include "editing/Werkzeug.h"

class TTextein;

class Textwerkzeug : public Werkzeug {
  public:
    Textwerkzeug(Fensterdienste& fenster, TTextein& dialog);

    Modusmerkmale Merkmale(Modus m) const override;
    void Bewegen(QMouseEvent& e) override;
    void Loslassen(QMouseEvent& e) override;

  private:
    // The small inverting cross that marks where the text goes while the dialog is open.
    void Marke(QPoint p);

    TTextein& dialog_;
};
