#include "editing/Umformbefehle.h"

#include "editing/Interaktion.h"
#include "editing/TDrehform.h"
#include "editing/TSkalierform.h"
#include "editing/Transformieren.h"
#include "main/Fensterdienste.h"
#include "model/Zeichnung.h"
#include "view/Maler.h"

void Umformbefehle::Skalieren1Click() {
    if (f_.DialogAusfuehren(skalieren_) != QDialog::Accepted) return;
    vektra::Zeichnung& z = f_.Dokument();
    // The mode may be one that does not mark the drawing changed; a transformation must.
    if (vektra::Skalieren(z.Elemente, skalieren_.Cx(), skalieren_.Cy(), skalieren_.Fx(), skalieren_.Fy(),
                          f_) &&
        z.Elemente.GepickteZahl() > 0)
        z.Geaendert = true;
    f_.zeichneneu();
}

void Umformbefehle::Drehen1Click() {
    if (f_.DialogAusfuehren(drehen_) != QDialog::Accepted) return;
    vektra::Zeichnung& z = f_.Dokument();
    if (vektra::Drehen(z.Elemente, drehen_.Cx(), drehen_.Cy(), drehen_.Winkel(), f_) &&
        z.Elemente.GepickteZahl() > 0)
        z.Geaendert = true;
    f_.Painter().FadenkreuzLoeschen();
    f_.Zustand().ignoriereBewegung = true;
    f_.zeichneneu();
}
