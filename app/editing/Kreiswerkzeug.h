#pragma once
// The circle gestures: press at the centre, drag the radius (the larger of the two axis offsets,
// held to the tool's limit), release. The circle and filled-circle tools make one circle; the
// tool for circles of any size asks for the arc's angles and plots it with the tool bar's step
// control and dash pattern.
#include "editing/Werkzeug.h"

class Schrittleiste;
class TKreisform;

class Kreiswerkzeug : public Werkzeug {
  public:
    Kreiswerkzeug(Fensterdienste& fenster, const Schrittleiste& schritte, TKreisform& bogen);

    Modusmerkmale Merkmale(Modus m) const override;
    void Verlassen() override;
    void Druecken(QMouseEvent& e) override;
    void Bewegen(QMouseEvent& e) override;
    void Loslassen(QMouseEvent& e) override;
    void NachNeuzeichnen() override;

  private:
    void Bogen(QPoint mitte, QPoint p);

    const Schrittleiste& schritte_;
    TKreisform& bogen_;
};
