#include "editing/Gummiband.h"

#include "editing/Interaktion.h"
#include "main/Fensterdienste.h"
#include "text/Format.h"
#include "view/Ansicht.h"
#include "view/Maler.h"
#include "view/MyDraw.h"

#include <algorithm>
#include <cstdlib>

QPoint Einrasten(Fensterdienste& f, QPoint pixel) {
    const vektra::Ansicht& v = f.Sicht();
    return QPoint(v.SnapPixelX(pixel.x()), v.SnapPixelY(pixel.y()));
}

std::optional<QPoint> KreuzVerfolgen(Fensterdienste& f, QPoint pixel) {
    Maler& maler = f.Painter();
    Interaktion& z = f.Zustand();
    if (!maler.bereit) return std::nullopt;
    if (z.ignoriereBewegung) {
        z.ignoriereBewegung = false;
        return std::nullopt;
    }
    const MyDraw& flaeche = f.Flaeche();
    if (pixel.x() < 0 || pixel.y() < 0 || pixel.x() >= flaeche.width() || pixel.y() >= flaeche.height()) {
        maler.FadenkreuzLoeschen();
        return std::nullopt;
    }
    const QPoint schnapp = Einrasten(f, pixel);
    z.Mauspunkt = schnapp;
    if (schnapp != z.letzteKreuzposition || !maler.FadenkreuzGezeigt()) {
        maler.FadenkreuzZeichnen(schnapp);
        z.letzteKreuzposition = schnapp;
    }
    return schnapp;
}

void BandZeichnen(Fensterdienste& f) {
    Maler& maler = f.Painter();
    const Gummiband& b = f.Zustand().Band;
    if (maler.Figur != Maler::FigurEllipse) {
        maler.FigurZeichnen(b.start, b.ende, true);
        return;
    }
    const int grenze = static_cast<int>(
        std::min<long long>(vektra::Runden(f.Zustand().Kreisgrenze * f.Sicht().Skala()), 1 << 24));
    const int r =
        std::min(std::max(std::abs(b.ende.x() - b.start.x()), std::abs(b.ende.y() - b.start.y())), grenze);
    maler.FigurZeichnen(b.start - QPoint(r, r), b.start + QPoint(r, r), true);
}

void BandFolgen(Fensterdienste& f, QPoint ende) {
    Gummiband& b = f.Zustand().Band;
    if (!b.aktiv || b.ende == ende) return;
    Maler& maler = f.Painter();
    const bool kreuz = maler.FadenkreuzGezeigt();
    maler.FadenkreuzLoeschen();
    BandZeichnen(f);
    b.ende = ende;
    BandZeichnen(f);
    if (kreuz) maler.FadenkreuzZeichnen(f.Zustand().letzteKreuzposition);
}

void BandBeginnen(Fensterdienste& f, QPoint punkt) {
    Gummiband& b = f.Zustand().Band;
    b.aktiv = true;
    b.start = punkt;
    b.ende = punkt;
    // Drawn at once, though a line band is only a dot yet: the next move erases the band it
    // finds, and a dot that was never drawn would be left behind inverted.
    BandZeichnen(f);
}
