#pragma once
// The two area gestures: a dotted rectangle dragged from the raw pointer, either to pick every
// element inside it or to zoom to it.
#include "editing/Werkzeug.h"

class Ansichtsbefehle;

class Flaechenwerkzeug : public Werkzeug {
  public:
    Flaechenwerkzeug(Fensterdienste& fenster, Ansichtsbefehle& ansicht);

    Modusmerkmale Merkmale(Modus m) const override;
    void Verlassen() override;
    void Druecken(QMouseEvent& e) override;
    void Bewegen(QMouseEvent& e) override;
    void Loslassen(QMouseEvent& e) override;
    void NachNeuzeichnen() override;

  private:
    Ansichtsbefehle& ansicht_;
};
