#pragma once
// Picking by point: a click offers the elements under the pointer one by one, in the candidate
// colour; a left press takes the offered one, a right press offers the next.
#include "editing/Auswahl.h"
#include "editing/Werkzeug.h"

class Auswahlwerkzeug : public Werkzeug {
  public:
    using Werkzeug::Werkzeug;

    Modusmerkmale Merkmale(Modus m) const override;
    void Druecken(QMouseEvent& e) override;
    void Bewegen(QMouseEvent& e) override;
    void Klicken() override;

  private:
    void Zeigen(int i);

    vektra::Kandidatenwahl wahl_;
};
