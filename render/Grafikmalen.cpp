#include "Grafikmalen.h"

#include "files/PsGrafik.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/Texte.h"

#include <array>
#include <cmath>
#include <numbers>
#include <optional>

namespace vektra {

namespace {

// PostScript strokes a width of 0 one device pixel wide; cairo draws nothing for it, so the
// width of about one pixel of a 600 dpi printer stands in.
constexpr double Haarlinie = 0.12;

bool Drinnen(double v) {
    return std::isfinite(v) && std::fabs(v) <= MaxGrafikpunkte;
}

bool Drinnen(Grafikpunkt p) {
    return Drinnen(p.x) && Drinnen(p.y);
}

class Kairomaler : public Grafikziel {
  public:
    Kairomaler(cairo_t* c, const Zeichnung& z) : c_(c) {
        for (std::size_t klasse = 0; klasse < breiten_.size(); ++klasse) {
            double w = 0;
            if (TeXLaengeLesen(z.Dialog.TeXBreite[klasse + 1], TeXPunkte, false, w))
                breiten_[klasse] = std::fabs(w);
        }
    }

    // The first class whose TeX width was needed but is no number.
    const std::optional<std::size_t>& FehlendeBreite() const { return fehlend_; }

    void Farbe(std::int32_t farbe) override {
        const auto f = static_cast<std::uint32_t>(farbe);
        cairo_set_source_rgb(c_, (f & 0xFF) / 255.0, ((f >> 8) & 0xFF) / 255.0, ((f >> 16) & 0xFF) / 255.0);
    }
    void Breite(int klasse) override {
        const auto k = static_cast<std::size_t>(klasse);
        if (!breiten_[k]) {
            if (!fehlend_) fehlend_ = k;
            return;
        }
        cairo_set_line_width(c_, *breiten_[k] > 0 ? *breiten_[k] : Haarlinie);
    }
    void Strich(Grafikpunkt a, Grafikpunkt b) override {
        if (!Drinnen(a) || !Drinnen(b)) return;
        cairo_move_to(c_, a.x, a.y);
        cairo_line_to(c_, b.x, b.y);
        cairo_stroke(c_);
    }
    void Dreieck(Grafikpunkt a, Grafikpunkt b, Grafikpunkt c) override {
        if (!Drinnen(a) || !Drinnen(b) || !Drinnen(c)) return;
        cairo_move_to(c_, a.x, a.y);
        cairo_line_to(c_, b.x, b.y);
        cairo_line_to(c_, c.x, c.y);
        cairo_close_path(c_);
        cairo_fill(c_);
    }
    void Kreis(Grafikpunkt mitte, double radius, bool gefuellt) override {
        if (!Drinnen(mitte) || !Drinnen(radius)) return;
        // PostScript takes a negative radius by its size. The arc is not closed, as in the
        // PostScript file.
        cairo_new_path(c_);
        cairo_arc(c_, mitte.x, mitte.y, std::fabs(radius), 0, 2 * std::numbers::pi);
        if (gefuellt)
            cairo_fill(c_);
        else
            cairo_stroke(c_);
    }
    void Textelement(const TElement&) override {}

  private:
    cairo_t* c_;
    std::array<std::optional<double>, 3> breiten_;
    std::optional<std::size_t> fehlend_;
};

} // namespace

bool PsGrafikMalen(cairo_t* c, const Zeichnung& z, const Exportmass& mass, std::string& fehler) {
    // A PostScript page starts black, with butt caps and mitred joins of limit 10.
    cairo_set_source_rgb(c, 0, 0, 0);
    cairo_set_line_cap(c, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(c, CAIRO_LINE_JOIN_MITER);
    cairo_set_miter_limit(c, 10);
    Kairomaler maler(c, z);
    PsGrafikDurchlaufen(z, mass.k, maler);
    if (const auto& klasse = maler.FehlendeBreite()) {
        fehler = T("v.TeXBreiteKeineZahl") + Cp1252NachUtf8(z.Dialog.TeXBreite[*klasse + 1]);
        return false;
    }
    return true;
}

} // namespace vektra
