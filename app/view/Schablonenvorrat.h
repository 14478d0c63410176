#pragma once
// The stencils of the figures a canvas draws again and again: ellipses by box, pen width and
// filling, lines by their way from start to end and pen width, and texts by string and boldness
// together with their measured width. A full redraw of a large drawing then shapes no text and
// strokes no ellipse it has drawn before, and a drag strokes its lines once, not at every step.
//
// The store keeps to a memory budget: when it is full, the entries not used since the last time
// it was full go; if the drawing needs more than the budget, the rest is drawn directly.
#include "view/Schablone.h"

#include <QImage>
#include <QPainter>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_map>

class Schablonenvorrat {
  public:
    struct Eintrag {
        int breite = 0; // of a text, in logical pixels
        std::optional<Schablone> bild;
        bool aufgenommen = false; // drawn once; without `bild` the figure is drawn directly
        bool gesehen = false;     // asked for before, for figures kept only when they come again
        bool benutzt = true;
    };

    // The entry of a text; `anlegen` gives a new one its width, and may give it its stencil.
    Eintrag& Text(const QString& s, bool fett, const std::function<void(Eintrag&)>& anlegen);
    // The entry of an ellipse in a box of the given logical size.
    Eintrag& Ellipse(QSize kasten, int stiftbreite, bool gefuellt);
    // The entry of a line from its start to the start plus `weg`, in logical pixels.
    Eintrag& Linie(QPoint weg, int stiftbreite);

    // Draws a figure black on white into a scratch image `flaeche` logical pixels large and keeps
    // its pixels around the logical point `anker` in the entry, if it is not too large.
    void Aufnehmen(Eintrag& e, QSize flaeche, QPoint anker, const std::function<void(QPainter&)>& malen);

    // Ends the scratch's painter, so that the next figure opens one on the thread that draws it.
    void Ruhen() { maler_.reset(); }

    // Called before entries are forgotten, for a user that may still hold their stencils.
    std::function<void()> VorDemRaeumen;

    // The memory the entries may take, in bytes.
    void BudgetSetzen(std::size_t bytes) { budget_ = bytes; }

    // Forgets every stencil; for a new pixel ratio or font.
    void Leeren(qreal pixelverhaeltnis);
    qreal Pixelverhaeltnis() const { return verhaeltnis_; }

  private:
    // A text by string and boldness; an ellipse by box and pen and a line by way and pen, with
    // `art` telling them apart.
    struct Schluessel {
        // The hash, worked out once, before the key goes to the map: the map asks for it at every
        // node it passes, and comparing it first spares reading the strings of other keys.
        std::size_t streu = 0;
        QString text;
        std::uint64_t masse = 0;
        std::uint32_t art = 0;
        bool operator==(const Schluessel&) const = default;
    };
    struct Streuung {
        std::size_t operator()(const Schluessel& k) const noexcept;
    };

    Eintrag& Holen(Schluessel k, const std::function<void(Eintrag&)>& anlegen);
    // Makes room for `bytes` more; false when the entries in use already fill the budget.
    bool Platz(std::size_t bytes);
    static std::size_t Groesse(const Schluessel& k, const Eintrag& e);

    std::unordered_map<Schluessel, Eintrag, Streuung> eintraege_;
    std::pair<const Schluessel, Eintrag>* letzter_ = nullptr;
    QImage kratz_;
    std::unique_ptr<QPainter> maler_; // open on kratz_
    std::size_t budget_ = 48u << 20;
    std::size_t bytes_ = 0;
    qreal verhaeltnis_ = 1;
};
