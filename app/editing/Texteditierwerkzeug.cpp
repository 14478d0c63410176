#include "editing/Texteditierwerkzeug.h"

#include "editing/Aendern.h"
#include "editing/Interaktion.h"
#include "editing/TTextein.h"
#include "main/Fensterdienste.h"
#include "model/Zeichnung.h"
#include "view/Ansicht.h"
#include "view/Maler.h"
#include "view/MyDraw.h"
#include "view/Textsatz.h"

#include <QDialog>
#include <QMouseEvent>

Texteditierwerkzeug::Texteditierwerkzeug(Fensterdienste& fenster, TTextein& dialog)
    : Werkzeug(fenster), dialog_(dialog) {}

Modusmerkmale Texteditierwerkzeug::Merkmale(Modus) const {
    Modusmerkmale mm;
    mm.Statustext = "s26";
    mm.KnoepfeLoesen = true;
    mm.Zeiger = Modusmerkmale::Zeigerart::Pfeil;
    return mm;
}

void Texteditierwerkzeug::Loslassen(QMouseEvent& e) {
    vektra::Zeichnung& z = f_.Dokument();
    const vektra::Ansicht& v = f_.Sicht();
    // The text is found from where the pointer really is, not from the snap lattice.
    const QPoint p = e.position().toPoint();
    const int i =
        vektra::NaechsterText(z.Elemente, v.PixelNachX(p.x()), v.PixelNachY(p.y()), f_.Painter().Satz);
    if (i == 0) {
        f_.ModusSetzen(Modus::Neutral);
        return;
    }
    Maler& maler = f_.Painter();
    const auto zeigen = [&] {
        Leinwand& l = f_.Flaeche().Flaeche();
        const Stift stift = l.Zustand;
        maler.ElementZeichnen(i);
        l.Zustand = stift;
    };
    vektra::TElement& t = z.Elemente[i];
    t.gepickt = true;
    zeigen();
    dialog_.Fuellen(t.x1, t.y1, t.Ausrichtung, t.Text);
    const bool ok = f_.DialogAusfuehren(dialog_) == QDialog::Accepted;
    t.gepickt = false;
    if (!ok) {
        zeigen();
        return;
    }
    const bool anders =
        vektra::TextAendern(z, i, dialog_.X(), dialog_.Y(), dialog_.Text(), dialog_.Ausrichtung());
    f_.ModusSetzen(Modus::TextEditieren);
    // A text that moved or changed leaves its old picture behind; only a redraw takes it off.
    if (anders)
        f_.zeichneneu();
    else
        zeigen();
    f_.Zustand().ignoriereBewegung = true;
}
