// The tools of the drawing surface, one registration each, with the modes they serve.
#include "curves/Schrittleiste.h"
#include "curves/TKreisform.h"
#include "curves/TKurvenform.h"
#include "editing/Auswahlwerkzeug.h"
#include "editing/Flaechenwerkzeug.h"
#include "editing/Geradenwerkzeug.h"
#include "editing/Kreiswerkzeug.h"
#include "editing/Makropunktwerkzeug.h"
#include "editing/Ruhewerkzeug.h"
#include "editing/TTextein.h"
#include "editing/Texteditierwerkzeug.h"
#include "editing/Textwerkzeug.h"
#include "editing/Verschiebewerkzeug.h"
#include "editing/Werkzeugkasten.h"
#include "main/TForm1.h"

void TForm1::WerkzeugeAnlegen() {
    werkzeuge = std::make_unique<Werkzeugkasten>(*this, *ZF);
    Werkzeugkasten& k = *werkzeuge;
    k.Anmelden({Modus::Linie, Modus::Pfeil, Modus::Linie2, Modus::Rechteck},
               std::make_unique<Geradenwerkzeug>(*this, *schritte, [this] { KurventypLaenge(); }));
    k.Anmelden({Modus::Kreis, Modus::GefuellterKreis, Modus::GrosserKreis},
               std::make_unique<Kreiswerkzeug>(*this, *schritte, *Kreisform));
    k.Anmelden({Modus::Text, Modus::TextWartet}, std::make_unique<Textwerkzeug>(*this, *Textein));
    k.Anmelden({Modus::Auswahl, Modus::Kandidaten}, std::make_unique<Auswahlwerkzeug>(*this));
    k.Anmelden({Modus::Zoomflaeche, Modus::Pickflaeche},
               std::make_unique<Flaechenwerkzeug>(*this, *ansichten));
    k.Anmelden({Modus::Verschieben}, std::make_unique<Verschiebewerkzeug>(*this));
    k.Anmelden({Modus::MakroSpeichern, Modus::MakroEinfuegen},
               std::make_unique<Makropunktwerkzeug>(*this, *makros));
    k.Anmelden({Modus::TextEditieren}, std::make_unique<Texteditierwerkzeug>(*this, *Textein));
    k.Anmelden({Modus::Neutral, Modus::Makrotaste}, std::make_unique<Ruhewerkzeug>(*this));
}

void TForm1::KurventypLaenge() {
    Kurvenform->KurventypLaenge();
}
