#include "editing/Auswahlbefehle.h"

#include "editing/Auswahl.h"
#include "editing/Loeschen.h"
#include "main/Fensterdienste.h"
#include "model/Zeichnung.h"
#include "view/Maler.h"

// Not every mode marks the drawing changed, so the commands that change elements do; closing
// then asks before their work is lost.
void Auswahlbefehle::DeleteClick() {
    vektra::Zeichnung& z = f_.Dokument();
    if (!vektra::Loeschen(z.Elemente)) return;
    z.Geaendert = true;
    f_.zeichneneu();
}

void Auswahlbefehle::undeleteClick() {
    vektra::Zeichnung& z = f_.Dokument();
    if (z.Elemente.Anzahl() == 0) return;
    if (vektra::Rueckgaengig(z.Elemente) > 0) z.Geaendert = true;
    f_.zeichneneu();
}

void Auswahlbefehle::Aufrumen1Click() {
    f_.Dokument().Elemente.Aufraeumen();
    f_.ZaehlerAnzeigen();
}

void Auswahlbefehle::UnpickClick() {
    f_.ModusSetzen(Modus::Auswahl);
    if (vektra::AuswahlAufheben(f_.Dokument().Elemente)) f_.zeichneneu();
}

void Auswahlbefehle::AllesWaehlen() {
    vektra::AllesAuswaehlen(f_.Dokument().Elemente);
    f_.Painter().FadenkreuzLoeschen();
    f_.zeichneneu();
}
