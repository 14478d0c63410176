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
    // Not every mode marks the drawing changed; a cut must not be lost on closing.
    z.Geaendert = true;
    f_.zeichneneu();
}

void Ablagebefehle::einfuegen() {
    vektra::Zeichnung& z = f_.Dokument();
    if (vektra::Einfuegen(z, f_)) z.Geaendert = true;
    f_.zeichneneu();
}
