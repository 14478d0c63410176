#pragma once
// Painting of the drawing: the full redraw with grid and rulers, single elements, the outline
// primitive of the tools and the program's own inverting cursor cross.
#include "model/Zeichnung.h"
#include "view/Ansicht.h"
#include "view/Malregeln.h"

#include <QColor>
#include <QPoint>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class MyDraw;
class Lineal;
class Textsatz;

// An element colour 0x00BBGGRR as it shows, and back (8 bits a channel).
QColor Bildfarbe(std::int32_t farbe);
std::int32_t Farbwert(const QColor& farbe);

class Maler {
  public:
    // Colours that replace an element's own colour.
    static const QColor GepicktFarbe;
    static const QColor KandidatFarbe;
    static const QColor UnsichtbarFarbe;

    // Shapes FigurZeichnen draws.
    static constexpr std::uint8_t FigurLinie = 0;
    static constexpr std::uint8_t FigurRechteck = 1;
    static constexpr std::uint8_t FigurEllipse = 2;

    Maler(vektra::Zeichnung& doc, vektra::Ansicht& view, MyDraw& ZF, Lineal& PaintBoxv, Lineal& PaintBoxh);

    bool Gitter = true;    // "Gitter (Ctrl G)" is checked
    bool XorModus = false; // the element painter draws in not-xor mode
    // Sets texts shown "wie vorhanden" as LaTeX does, where it knows them; none writes them all.
    Textsatz* Satz = nullptr;
    std::uint8_t Figur = FigurLinie;
    bool bereit = false; // set by the first full redraw
    // Set while a full redraw runs and while a tool has the curve plotter working; the pointer
    // handlers of the surface return at once while it is set.
    bool zeichnetGerade = false;

    // Counts the full redraws, so a tool can tell whether its inverted marks are still on.
    unsigned Generation() const { return generation_; }

    // Receives the cursor position text whenever the cross is drawn at a new place.
    std::function<void(const QString&)> Positionsanzeige;

    // Clears surface and rulers and paints grid, labels, elements and the cross again. The
    // callback re-applies the current tool mode; the surface pen, brush colour, pen width and
    // Figur are the same afterwards as before.
    void zeichneneu(const std::function<void()>& modusWiederAnwenden);
    // Paints element i (1..Anzahl) on top of the current picture.
    void ElementZeichnen(int i);
    // Paints every picked element but the texts, as the move drag shows them; the lines go in
    // one batch per pen.
    void GepickteFigurenZeichnen();
    // Draws the current Figur from p1 to p2 in copy or not-xor mode. A line takes the cross off
    // first and puts it back afterwards, so it never breaks the inverted cross.
    void FigurZeichnen(QPoint p1, QPoint p2, bool nichtXor);

    // Moves the cross to the snapped pixel and reports its position in drawing units.
    void FadenkreuzZeichnen(QPoint snapPixel);
    // Takes the cross off the surface if it is shown.
    void FadenkreuzLoeschen();
    // Marks the cross as not shown without drawing, for when the picture under it is gone.
    void FadenkreuzVergessen() { kreuzGezeigt_ = false; }
    bool FadenkreuzGezeigt() const { return kreuzGezeigt_; }
    QPoint FadenkreuzPosition() const { return kreuz_; }

  private:
    void KreuzMalen();
    void GitterZeichnen();
    void ElementStift(const vektra::TElement& e);
    QColor Elementfarbe(const vektra::TElement& e) const;

    vektra::Zeichnung& doc_;
    vektra::Ansicht& view_;
    MyDraw& zf_;
    Lineal& vLineal_;
    Lineal& hLineal_;
    bool kreuzGezeigt_ = false;
    QPoint kreuz_;
    unsigned generation_ = 0;
    // The indices of the elements of each drawn Ebene, kept between redraws for their memory.
    std::array<std::vector<int>, vektra::HoechsteEbene + 1> ebenen_;
};
