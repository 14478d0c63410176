#include "editing/Auswahlbefehle.h"

#include "editing/Auswahl.h"
#include "editing/Loeschen.h"
#include "main/Fensterdienste.h"
#include "model/Zeichnung.h"
#include "view/Maler.h"

void Auswahlbefehle::DeleteClick() {
    if (vektra::Loeschen(f_.Dokument())) f_.zeichneneu();
}

void Auswahlbefehle::Aufrumen1Click() {
    vektra::Aufraeumen(f_.Dokument());
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
