#include "editing/Werkzeug.h"

#include "editing/Interaktion.h"
#include "main/Fensterdienste.h"
#include "model/Zeichnung.h"
#include "view/Maler.h"
#include "view/MyDraw.h"

void Werkzeug::NeueZeigen(int von, bool neuZeichnen, std::optional<QPoint> kreuz) {
    f_.ZaehlerAnzeigen();
    Maler& maler = f_.Painter();
    maler.FadenkreuzLoeschen();
    if (neuZeichnen) {
        f_.zeichneneu();
    } else {
        Leinwand& l = f_.Flaeche().Flaeche();
        const Stift stift = l.Zustand;
        const std::uint8_t figur = maler.Figur;
        {
            Leinwand::Stapel stapel(l);
            for (int i = von; i <= f_.Dokument().Elemente.Anzahl(); ++i)
                maler.ElementZeichnen(i);
        }
        l.Zustand = stift;
        maler.Figur = figur;
    }
    if (!kreuz) return;
    maler.FadenkreuzZeichnen(*kreuz);
    f_.Zustand().letzteKreuzposition = *kreuz;
}
