#include "editing/Ablagebefehle.h"

#include "editing/Ablage.h"
#include "main/Fensterdienste.h"
#include "model/Zeichnung.h"

void Ablagebefehle::kopieren() {
    vektra::Kopieren(f_.Dokument());
}

void Ablagebefehle::ausschneiden() {
    vektra::Zeichnung& z = f_.Dokument();
    if (z.Elemente.Anzahl() == 0 || !vektra::Ausschneiden(z)) return;
    f_.zeichneneu();
}

void Ablagebefehle::einfuegen() {
    vektra::Einfuegen(f_.Dokument(), f_);
    f_.zeichneneu();
}
