#include "editing/Ablage.h"

#include "text/Format.h"
#include "text/Texte.h"

#include <algorithm>

namespace vektra {
namespace {

bool Kopierbar(const TElement& e) {
    return e.gepickt && !e.geloescht;
}

} // namespace

void Kopieren(Zeichnung& z) {
    z.Ablage.AllesLoeschen();
    for (const TElement& e : z.Elemente)
        if (Kopierbar(e)) z.Ablage.Anhaengen(e);
}

bool Ausschneiden(Zeichnung& z) {
    if (std::none_of(z.Elemente.begin(), z.Elemente.end(), Kopierbar)) return false;
    Kopieren(z);
    Bearbeitung b(z, Schrittart::Ausschneiden);
    for (int i = 1; i <= z.Elemente.Anzahl(); ++i)
        if (Kopierbar(z.Elemente[i])) b.Aendern(i).geloescht = true;
    return true;
}

bool Einfuegen(Zeichnung& z, Meldungen& m) {
    const int zahl = z.Ablage.Anzahl();
    if (zahl == 0) return false;
    if (zahl > z.Elemente.Frei()) {
        m.Melden(Meldungsart::Warnung,
                 Formatieren(T("v.EinfuegenVoll"),
                             {static_cast<long long>(zahl), static_cast<long long>(z.Elemente.Frei())}));
        return false;
    }
    Bearbeitung b(z, Schrittart::Einfuegen);
    for (const TElement& e : z.Ablage)
        z.Elemente.Anhaengen(e);
    return true;
}

} // namespace vektra
