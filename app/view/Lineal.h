#pragma once
// A ruler beside the drawing surface, backed by a canvas of its own that the painter fills.
#include "view/Leinwandfeld.h"

class Lineal : public Leinwandfeld {
    Q_OBJECT
  public:
    using Leinwandfeld::Leinwandfeld;
};
