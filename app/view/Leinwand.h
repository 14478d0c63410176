#pragma once
// A pixel canvas with the drawing state of a classic GDI canvas: pen colour, width, style and
// mode, brush colour and style, font colour and boldness, and a current position. Everything is
// drawn without antialiasing, so a figure drawn twice in not-xor mode restores every pixel.
//
// Coordinates, sizes, pen widths and text measures are logical pixels. The image itself holds
// the screen's device pixels (its pixel ratio times as many each way), so lines and texts stay
// sharp on a scaled screen while every rule of the drawing keeps counting logical pixels.
//
// Figures that leave no pixel on the image are not drawn at all; solid lines one device pixel
// wide, and wider ones neither horizontal nor vertical, are set directly (view/Haarlinie.h,
// view/Breitlinie.h); texts and ellipses drawn in copy mode, and other wide solid lines drawn in
// not-xor, are set from stencils of an earlier drawing (view/Schablonenvorrat.h); a text's first
// stencil is put together from those of its glyphs (view/Glyphensatz.h). Within a batch, the
// pixel work (all but texts drawn by the painter) is gathered and done in order on a thread of
// its own (view/Fliessband.h), while the caller goes on deciding what to draw; that thread also
// looks up and makes the ellipses' stencils, while the caller lays out the texts. For tests and
// diagnosis these shortcuts can be switched off (Abkuerzungen) and the stencils' memory shrunk
// (SchablonenbudgetSetzen), so the same drawing can be compared pixel for pixel without them.
#include "view/Fliessband.h"
#include "view/Glyphensatz.h"
#include "view/Pixelfeld.h"
#include "view/Schablonenvorrat.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QLine>
#include <QPainter>
#include <QPainterPath>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// Pen, brush and font state; plain data so callers can save and restore it.
struct Stift {
    QColor Farbe{Qt::black}; // pen colour
    int Breite = 1;          // pen width in pixels; 0 and 1 both draw one pixel wide
    bool Gepunktet = false;  // dotted instead of solid
    bool NichtXor = false;   // pen mode not-xor instead of copy
    QColor Pinselfarbe{Qt::white};
    bool PinselKlar = false; // clear brush: shapes stay unfilled
    QColor Schriftfarbe{Qt::black};
    bool Fett = false;

    bool operator==(const Stift&) const = default;
};

class Leinwand {
  public:
    Leinwand();
    ~Leinwand();
    Leinwand(const Leinwand&) = delete;
    Leinwand& operator=(const Leinwand&) = delete;

    // The current drawing state; every primitive draws with it.
    Stift Zustand;

    // Reallocates the image (white) at the given logical size and device pixel ratio.
    void Resize(int w, int h, qreal pixelverhaeltnis = 1);
    int Breite() const { return breite_; }
    int Hoehe() const { return hoehe_; }
    qreal Pixelverhaeltnis() const { return bild_.devicePixelRatio(); }
    // The device pixels, tagged with their ratio, so a painter draws them at the logical size;
    // with everything drawn so far on them.
    const QImage& Image() {
        Abarbeiten();
        return bild_;
    }

    // The font texts are drawn and measured in (its boldness comes from Zustand.Fett).
    void SchriftSetzen(const QFont& schrift);

    void MoveTo(int x, int y);
    // Draws from the current position to (x, y), which becomes the current position.
    void LineTo(int x, int y);
    // Many lines with one pen, as LineTo draws each; the current position stays.
    void Linien(const std::vector<QLine>& linien);
    QPoint Position() const { return position_; }
    // Outline with the pen, inside with the brush, in the box (x1,y1)-(x2,y2); the corners may
    // come in any order, the right and bottom edges lie one pixel inside the box.
    void Rectangle(int x1, int y1, int x2, int y2);
    // The ellipse inscribed in the box, with the same box rules as Rectangle.
    void Ellipse(int x1, int y1, int x2, int y2);
    // Text with its top-left corner at (x, y), in the font colour, no background.
    void TextOut(int x, int y, const QString& s);
    // Width and height the text takes in the current font.
    QSize TextExtent(const QString& s) const;
    // Fills the rectangle with the brush colour in copy mode, without an outline.
    void FillRect(const QRect& r);
    // Blends a picture of the canvas's pixel ratio over the image, its top left corner on the
    // device pixel `geraetepunkt`.
    void BildSetzen(QPoint geraetepunkt, const QImage& bild);

    // False draws every figure with the painter and measures every text anew, skipping nothing.
    bool Abkuerzungen = true;
    // The memory the stencils of ellipses may take, and those of texts and lines, each, in
    // bytes; a tiny budget keeps the stores evicting.
    void SchablonenbudgetSetzen(std::size_t bytes);

    // Called after drawing changed the image (once per batch), so a widget can repaint.
    std::function<void()> Geaendert;

    // Keeps one painter open on the image while it lives, so a long run of primitives does not
    // set up a painter each time. Batches nest. The pixel work of a long batch is done on a
    // thread of its own while the caller goes on; it is all on the image when the outermost
    // batch ends.
    class Stapel {
      public:
        explicit Stapel(Leinwand& l);
        ~Stapel();
        Stapel(const Stapel&) = delete;
        Stapel& operator=(const Stapel&) = delete;

      private:
        Leinwand& l_;
    };

  private:
    enum class Art;
    // A piece of pixel work: a line set directly, a stencil, an ellipse from the stencils of
    // ellipses, or the painter's work.
    struct Auftrag {
        enum class Art : std::uint8_t { Haarlinie, Breitlinie, Schablone, Ellipse, Maler, Schrift } art;
        bool umkehren = false;
        bool gefuellt = false; // an ellipse's
        int breite = 0;        // pen width
        QRgb farbe = 0;
        // A line's ends, or where a stencil's anchor goes (device pixels); an ellipse's box as
        // its top left and its size (logical pixels).
        QPoint von, bis;
        const Schablone* schablone = nullptr;
        std::unique_ptr<std::function<void(QPainter&)>> malen; // kept apart: most work has none
    };
    // Does the work now outside a batch, else gathers it for the band.
    void Vormerken(Auftrag a);
    // Hands the gathered work to the band.
    void Weiterreichen();
    // Returns when all work so far is on the image.
    void Abarbeiten();
    void Ausfuehren(std::vector<Auftrag>& auftraege);
    // Sets an ellipse from its stencil, made here when it is new, else draws it with `p`.
    void EllipseSetzen(QPainter& p, const Pixelfeld& pixel, const Auftrag& a);
    static Auftrag Pixelauftrag(Auftrag::Art art, QRgb farbe, bool umkehren, QPoint von, QPoint bis);
    // The painter's work, with texts kept on this thread.
    void Malen(std::function<void(QPainter&)> malen, bool schrift = false);
    QPainter& Painter();
    void Anwenden(QPainter& p, Art art, const Stift& z);
    void Form(const QPainterPath& umriss);
    const QFontMetrics& Metrik(bool fett) const;
    // True when a figure within `r`, drawn with the current pen, leaves no pixel on the image.
    bool Ausserhalb(const QRect& r) const;
    // True when a figure in `farbe` can be set from a stencil.
    bool Gestempelt(const QColor& farbe) const;
    void Stempeln(const Schablone& s, QPoint linksOben, const QColor& farbe, bool umkehren);
    // Draws the line without the painter, set or inverted: directly when it is one device pixel
    // wide or slanted, or from a stencil; false when the painter must draw it.
    bool LinieStempeln(QPoint von, QPoint bis);
    // Inverts a wide line from its stencil, if it has been drawn before.
    bool LinieAusSchablone(QPoint von, QPoint bis);
    Schablonenvorrat::Eintrag& Texteintrag(const QString& s) const;

    QImage bild_;
    int breite_ = 0;
    int hoehe_ = 0;
    QPoint position_;
    QFont schrift_;
    QFont schriftFett_;
    std::optional<QFontMetrics> metrik_;
    std::optional<QFontMetrics> metrikFett_;
    mutable Schablonenvorrat vorrat_;
    // Ellipses' stencils are looked up and made where the pixel work is done: on the band within
    // a long batch, in parallel with the texts this thread lays out.
    Schablonenvorrat ellipsen_;
    mutable Glyphensatz glyphensatz_;
    std::unique_ptr<QPainter> painter_;
    int stapelTiefe_ = 0;
    bool veraendert_ = false;
    // What the open painter was last set to, so unchanged state is not set again.
    std::optional<Stift> angewandt_;
    Art angewandteArt_{};
    std::vector<Auftrag> block_;
    bool imBand_ = false; // work has gone to the band and its painter may be open
    Fliessband band_;
};
