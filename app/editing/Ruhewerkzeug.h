#pragma once
// The modes without pointer routines: the neutral mode, the macro-key mode (keys only) and
// the modes whose tools come with the macro commands; they carry only what the mode switch
// applies.
#include "editing/Werkzeug.h"

class Ruhewerkzeug : public Werkzeug {
  public:
    using Werkzeug::Werkzeug;
    Modusmerkmale Merkmale(Modus m) const override;
};
