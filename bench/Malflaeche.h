#pragma once
// The drawing surface and rulers of the window, sized as the window benchmarks draw, with the
// painter that redraws a drawing on them.
#include "Mischbild.h"
#include "model/Zeichnung.h"
#include "view/Ansicht.h"
#include "view/Lineal.h"
#include "view/Maler.h"
#include "view/MyDraw.h"

namespace bench {

struct Malflaeche {
    Malflaeche(vektra::Zeichnung& z, vektra::Ansicht& a) : maler(z, a, zf, v, h) {
        zf.resize(Bildbreite, Bildhoehe);
        v.resize(40, Bildhoehe);
        h.resize(Bildbreite + 40, 20);
    }
    MyDraw zf;
    Lineal v, h;
    Maler maler;
};

} // namespace bench
