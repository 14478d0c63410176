#pragma once
// The click that finishes a macro command: the cross follows the snapped pointer, and a click
// hands its snapped point in drawing units to the macro commands, as the reference point of
// the macro being saved (mode 12) or the point where the chosen macro goes (mode 13).
#include "editing/Werkzeug.h"

class Makrobefehle;

class Makropunktwerkzeug : public Werkzeug {
  public:
    Makropunktwerkzeug(Fensterdienste& fenster, Makrobefehle& makros);

    Modusmerkmale Merkmale(Modus m) const override;
    void Druecken(QMouseEvent& e) override;
    void Bewegen(QMouseEvent& e) override;
    void Klicken() override;
    void Loslassen(QMouseEvent& e) override;

  private:
    Makrobefehle& makros_;
    // The press and release under way make a click; the release gives its pixel.
    bool geklickt_ = false;
};
