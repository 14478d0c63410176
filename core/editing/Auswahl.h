#pragma once
// Picking elements: the hit test under the pointer, the one-by-one offer of the candidates
// of a pick click, picking by area, and picking or unpicking everything.
#include "files/Textlage.h"
#include "model/Elementspeicher.h"
#include "view/Ansicht.h"

namespace vektra {

// Whether a defining point of e (either end of a stroke, a circle's centre, a text's reference
// point) lies in the square of side 2P - 1 pixels around the pointer pixel (mx, my); for a text
// whose typeset box `boxen` gives, whether any pixel of the box lies there.
bool Getroffen(const TElement& e, const Ansicht& a, int mx, int my, int pickabstand,
               const Textboxen* boxen = nullptr);

// Marks as candidates the elements under the pointer that are neither picked nor deleted and
// clears the mark on all others. Returns the number of candidates.
int KandidatenSuchen(Elementspeicher& s, const Ansicht& a, int mx, int my, int pickabstand,
                     const Textboxen* boxen = nullptr);
// The lowest index among the candidates, 0 when there is none.
int ErsterKandidat(const Elementspeicher& s);

// One round of picking by point. A click searches the candidates and offers the first; each
// press then accepts the offered element (it is picked and the round ends) or rejects it (the
// next candidate is offered, or the round ends when none is left). The click that follows an
// accepting press is ignored, so it does not start a new round.
class Kandidatenwahl {
  public:
    // What a press changed. The painter shows both elements again; `beendet` means every
    // candidate mark is gone and picking by point goes on.
    struct Schritt {
        int abgegeben = 0; // the element no longer on offer
        int angeboten = 0; // the element now on offer, 0 when none
        bool gepickt = false;
        bool beendet = false;
    };

    // A pick click: returns the number of candidates, 0 when the click starts no round.
    int Klick(Elementspeicher& s, const Ansicht& a, int mx, int my, int pickabstand,
              const Textboxen* boxen = nullptr);
    Schritt Annehmen(Elementspeicher& s);
    Schritt Ablehnen(Elementspeicher& s);

    int Kandidatenzahl() const { return kandidatenzahl_; }
    int aktuellerKandidat() const { return aktuellerKandidat_; }
    bool ignoriereKlick() const { return ignoriereKlick_; }

  private:
    Schritt Abschliessen(Elementspeicher& s, Schritt schritt);

    int kandidatenzahl_ = 0;
    int aktuellerKandidat_ = 0;
    bool ignoriereKlick_ = false;
};

// An area in drawing units, borders included.
struct Pickflaeche {
    double xmin = 0, xmax = 0, ymin = 0, ymax = 0;
};

// The area between two pixel corners in any order.
Pickflaeche FlaecheAusPixeln(const Ansicht& a, int px1, int py1, int px2, int py2);
// Whether e lies inside: a stroke with both ends, a text with its reference point (with its
// whole box where `boxen` gives one), a circle with a margin of its whole diameter around the
// centre.
bool InFlaeche(const TElement& e, const Pickflaeche& f, const Textboxen* boxen = nullptr);
// Picks every element inside f, deleted ones too; nothing is unpicked. An area without width
// or height picks nothing. Returns the number of elements that became picked.
int FlaecheAuswaehlen(Elementspeicher& s, const Pickflaeche& f, const Textboxen* boxen = nullptr);

// Picks every element, deleted ones too.
void AllesAuswaehlen(Elementspeicher& s);
// Unpicks every element; false when none was picked.
bool AuswahlAufheben(Elementspeicher& s);

} // namespace vektra
