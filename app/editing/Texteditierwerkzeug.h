#pragma once
// Text editing: a release on the surface takes the nearest text into the text dialog and
// changes it as the dialog says. A drawing without a text in reach ends the tool.
#include "editing/Werkzeug.h"

class TTextein;

class Texteditierwerkzeug : public Werkzeug {
  public:
    Texteditierwerkzeug(Fensterdienste& fenster, TTextein& dialog);

    Modusmerkmale Merkmale(Modus m) const override;
    void Loslassen(QMouseEvent& e) override;

  private:
    TTextein& dialog_;
};
