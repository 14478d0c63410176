#pragma once
// The tools behind the tool modes. A tool receives the surface's pointer events while one of
// its modes is active and carries what the mode switch applies for each of its modes: the
// status text, the pointer, the pen, whether the dash fields show and whether entering the
// mode marks the drawing changed.
#include "editing/Modus.h"

#include <QPoint>

#include <optional>

class Fensterdienste;
class QMouseEvent;

struct Modusmerkmale {
    enum class Zeigerart { Unveraendert, Kreuz, Pfeil };
    enum class Stiftart { Unveraendert, Zeichnen, Neutral, Gepunktet };

    // Text key of status panel 0; nullptr leaves the panel as it is, "" shows a blank.
    const char* Statustext = nullptr;
    // Kreuz: the system pointer is hidden over the surface and the program draws its own cross.
    Zeigerart Zeiger = Zeigerart::Unveraendert;
    // Zeichnen: black in the current line width on a white brush (black for the filled circle);
    // Neutral: black, one pixel; Gepunktet: the same, dotted, for the area rubber bands.
    Stiftart Stift = Stiftart::Unveraendert;
    bool GefuellterPinsel = false;
    // The dash controls of the tool bar are shown.
    bool Strichfelder = false;
    // A drawing mode: the cross starts afresh, so the next move draws it.
    bool KreuzNeu = false;
    // The cross is taken off the surface.
    bool KreuzWeg = false;
    // The drawing tool buttons all go up.
    bool KnoepfeLoesen = false;
    // Largest radius of the circle tool in drawing units; 0 leaves it as it is.
    int Kreisgrenze = 0;
};

class Werkzeug {
  public:
    explicit Werkzeug(Fensterdienste& fenster) : f_(fenster) {}
    virtual ~Werkzeug() = default;
    Werkzeug(const Werkzeug&) = delete;
    Werkzeug& operator=(const Werkzeug&) = delete;

    virtual Modusmerkmale Merkmale(Modus m) const = 0;

    // Called by the mode switch when the mode changes to or from one of this tool's modes.
    virtual void Betreten(Modus) {}
    virtual void Verlassen() {}

    virtual void Druecken(QMouseEvent&) {}
    virtual void Bewegen(QMouseEvent&) {}
    virtual void Loslassen(QMouseEvent&) {}
    // A press and release of any button on the surface, before the release itself is handled.
    virtual void Klicken() {}
    // After a full redraw: put back what the tool shows in the inverting pen (a rubber band).
    virtual void NachNeuzeichnen() {}

  protected:
    // Shows the elements von..Anzahl that a gesture ended with, and their count in the status
    // line: painted one by one on top of the picture, or by a full redraw when `neuZeichnen`. The cross is
    // taken off first and drawn again at `kreuz` when given; the surface pen stays the tool's.
    void NeueZeigen(int von, bool neuZeichnen, std::optional<QPoint> kreuz);

    Fensterdienste& f_;
};
