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
    vektra::Skalieren(f_.Dokument(), skalieren_.Cx(), skalieren_.Cy(), skalieren_.Fx(), skalieren_.Fy(), f_);
    f_.zeichneneu();
}

void Umformbefehle::Drehen1Click() {
    if (f_.DialogAusfuehren(drehen_) != QDialog::Accepted) return;
    vektra::Drehen(f_.Dokument(), drehen_.Cx(), drehen_.Cy(), drehen_.Winkel(), f_);
    f_.Painter().FadenkreuzLoeschen();
    f_.Zustand().ignoriereBewegung = true;
    f_.zeichneneu();
}
