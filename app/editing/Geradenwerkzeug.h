#pragma once
// The straight gestures: press, drag a line or rectangle, release. The line tool makes one line;
// the arrow, the second line tool and the rectangle draw through the curve plotter with the
// tool bar's step control and dash pattern.
#include "editing/Werkzeug.h"

#include <functional>

class Schrittleiste;

class Geradenwerkzeug : public Werkzeug {
  public:
    // `kurventypLaenge` is called when a patterned mode is entered: the curve dialog's step
    // control "Richtung" becomes "Länge" there.
    Geradenwerkzeug(Fensterdienste& fenster, const Schrittleiste& schritte,
                    std::function<void()> kurventypLaenge);

    Modusmerkmale Merkmale(Modus m) const override;
    void Betreten(Modus m) override;
    void Verlassen() override;
    void Druecken(QMouseEvent& e) override;
    void Bewegen(QMouseEvent& e) override;
    void Loslassen(QMouseEvent& e) override;
    void NachNeuzeichnen() override;

  private:
    const Schrittleiste& schritte_;
    std::function<void()> kurventypLaenge_;
};
