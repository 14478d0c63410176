#include "Vorschau.h"

#include "CairoUtil.h"

#include "files/ExportGemeinsam.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/Texte.h"
#include "view/Ansicht.h"
#include "view/Malregeln.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace vektra {

namespace {

constexpr double Rand = 8;            // white margin around the painted extent, pixels
constexpr double Schriftgroesse = 12; // pixels, about the size of the editor's surface font
constexpr const char* Schriftart = "DejaVu Sans";
// Pixel values beyond this are no place on any picture; such elements are left out. It lies
// beyond every place a drawing file holds (Lagegrenze) at up to 10^5 pixels a unit, so of a
// drawing that was read nothing is left out: a picture too large to make is refused instead.
constexpr double Pixelgrenze = Lagegrenze * 1e5;

// One element as the screen paints it, in pixels of a plane whose y grows downwards.
struct Form {
    enum Art { Strich, Kreis, Text } art = Strich;
    double x1 = 0, y1 = 0; // line start, circle centre, top-left corner of a text
    double x2 = 0, y2 = 0; // line end; for a circle x2 is the radius; for a text the width and height
    double breite = 1;     // pen width
    std::int32_t farbe = 0;
    bool gefuellt = false;
    std::string text; // UTF-8
};

struct Rahmen {
    double links = 0, oben = 0, rechts = 0, unten = 0;
    bool leer = true;
    void Dazu(double l, double o, double r, double u) {
        if (leer) {
            *this = {l, o, r, u, false};
            return;
        }
        links = std::min(links, l);
        oben = std::min(oben, o);
        rechts = std::max(rechts, r);
        unten = std::max(unten, u);
    }
};

void Schrift(cairo_t* c) {
    cairo_select_font_face(c, Schriftart, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(c, Schriftgroesse);
    // Unhinted metrics measure the same on every kind of surface.
    cairo_font_options_t* optionen = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(optionen, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(c, optionen);
    cairo_font_options_destroy(optionen);
}

// A pixel place on the screen's lattice: drawing units times the scale, rounded as the screen
// rounds. False for a value that is no place.
bool Pixel(double v, double massstab, double& p) {
    const double roh = v * massstab;
    if (!std::isfinite(roh) || std::fabs(roh) > Pixelgrenze) return false;
    p = static_cast<double>(Runden(roh));
    return true;
}

// The forms of the elements in paint order, their extent taken into `rahmen`. Texts are measured
// on `messung`, which has the font set.
std::vector<Form> Formen(const Zeichnung& z, double massstab, cairo_t* messung, Rahmen& rahmen) {
    std::vector<Form> formen;
    const Elementspeicher& s = z.Elemente;
    for (int ebene = 0; ebene <= HoechsteEbene; ++ebene)
        for (int i = 1; i <= s.Anzahl(); ++i) {
            const TElement& e = s[i];
            if (e.Ebene != ebene || e.geloescht) continue;
            Form f;
            f.farbe = Bildfarbe(e, false);
            double x = 0, y = 0;
            if (!Pixel(e.x1, massstab, x) || !Pixel(-e.y1, massstab, y)) continue;
            if (e.istStrich() || e.Art == Kreis) {
                const int breite = Bildbreite(z.Kopf, e.Breite);
                if (breite == 0) continue;
                f.breite = std::max(breite, 1);
                // Strokes of an odd width lie on pixel centres, so they stay sharp.
                const double mitte = f.breite / 2, versatz = breite % 2 ? 0.5 : 0;
                if (e.istStrich()) {
                    if (!Pixel(e.x2, massstab, f.x2) || !Pixel(-e.y2, massstab, f.y2)) continue;
                    f.x1 = x + versatz;
                    f.y1 = y + versatz;
                    f.x2 += versatz;
                    f.y2 += versatz;
                    rahmen.Dazu(std::min(f.x1, f.x2) - mitte, std::min(f.y1, f.y2) - mitte,
                                std::max(f.x1, f.x2) + mitte, std::max(f.y1, f.y2) + mitte);
                } else {
                    const double r = std::fabs(e.Durchmesser) * massstab / 2;
                    if (!std::isfinite(r) || r > Pixelgrenze) continue;
                    f.art = Form::Kreis;
                    f.x1 = x + versatz;
                    f.y1 = y + versatz;
                    f.x2 = r;
                    f.gefuellt = e.gefuellt;
                    rahmen.Dazu(f.x1 - r - mitte, f.y1 - r - mitte, f.x1 + r + mitte, f.y1 + r + mitte);
                }
            } else if (e.Art == Text) {
                f.art = Form::Text;
                f.text = Cp1252NachUtf8(e.Text);
                if (f.text.empty()) continue;
                cairo_text_extents_t masse;
                cairo_font_extents_t schrift;
                cairo_text_extents(messung, f.text.c_str(), &masse);
                cairo_font_extents(messung, &schrift);
                f.x2 = masse.x_advance;
                f.y2 = schrift.ascent + schrift.descent;
                const Textversatz v = TextversatzFuer(e.Ausrichtung, f.x2, f.y2);
                f.x1 = x - static_cast<double>(v.dx);
                f.y1 = y - static_cast<double>(v.dy);
                rahmen.Dazu(f.x1, f.y1, f.x1 + f.x2, f.y1 + f.y2);
            } else {
                continue;
            }
            formen.push_back(std::move(f));
        }
    return formen;
}

void FarbeSetzen(cairo_t* c, std::int32_t farbe) {
    const auto f = static_cast<std::uint32_t>(farbe);
    cairo_set_source_rgb(c, (f & 0xFF) / 255.0, ((f >> 8) & 0xFF) / 255.0, ((f >> 16) & 0xFF) / 255.0);
}

void Malen(cairo_t* c, const std::vector<Form>& formen) {
    cairo_set_line_cap(c, CAIRO_LINE_CAP_SQUARE);
    cairo_set_line_join(c, CAIRO_LINE_JOIN_MITER);
    double ascent = 0;
    {
        cairo_font_extents_t schrift;
        cairo_font_extents(c, &schrift);
        ascent = schrift.ascent;
    }
    for (const Form& f : formen) {
        FarbeSetzen(c, f.farbe);
        cairo_set_line_width(c, f.breite);
        switch (f.art) {
        case Form::Strich:
            cairo_move_to(c, f.x1, f.y1);
            cairo_line_to(c, f.x2, f.y2);
            cairo_stroke(c);
            break;
        case Form::Kreis:
            cairo_new_path(c);
            cairo_arc(c, f.x1, f.y1, f.x2, 0, 2 * std::numbers::pi);
            if (f.gefuellt) cairo_fill_preserve(c);
            cairo_stroke(c);
            break;
        case Form::Text:
            cairo_move_to(c, f.x1, f.y1 + ascent);
            cairo_show_text(c, f.text.c_str());
            cairo_new_path(c);
            break;
        }
    }
}

Surface Flaeche(Vorschauart art, int breite, int hoehe, std::string& daten) {
    switch (art) {
    case Vorschauart::Svg: {
        Surface s(cairo_svg_surface_create_for_stream(InStringSchreiben, &daten, breite, hoehe));
        cairo_svg_surface_set_document_unit(s.get(), CAIRO_SVG_UNIT_PX);
        return s;
    }
    case Vorschauart::Pdf: {
        Surface s(cairo_pdf_surface_create_for_stream(InStringSchreiben, &daten, breite, hoehe));
        cairo_pdf_surface_set_metadata(s.get(), CAIRO_PDF_METADATA_CREATOR,
                                       ("Vektra32 V. " + Programmversion()).c_str());
        return s;
    }
    case Vorschauart::Png:
        break;
    }
    return Surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, breite, hoehe));
}

} // namespace

double Bildschirmmassstab(const Zeichnung& z) {
    return Grundmassstab * ZoomFuer(z.Kopf.Zoomstufe).Faktor;
}

bool VorschauZeichnen(const Zeichnung& z, Vorschauart art, double massstab, std::string& daten,
                      std::string& fehler) {
    daten.clear();
    std::vector<Form> formen;
    Rahmen rahmen;
    {
        Surface s(cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1, 1));
        Kontext messung(cairo_create(s.get()));
        Schrift(messung.get());
        formen = Formen(z, massstab, messung.get(), rahmen);
    }
    // Whole pixels of shift keep the screen's rounding of every place.
    const double dx = rahmen.leer ? Rand : Rand - std::floor(rahmen.links);
    const double dy = rahmen.leer ? Rand : Rand - std::floor(rahmen.oben);
    const double breite = rahmen.leer ? 2 * Rand : std::ceil(rahmen.rechts + dx) + Rand;
    const double hoehe = rahmen.leer ? 2 * Rand : std::ceil(rahmen.unten + dy) + Rand;
    if (breite > MaxVorschauseite || hoehe > MaxVorschauseite) {
        const auto zahl = [](double v) { return static_cast<long long>(std::min(v, 1e15)); };
        fehler = Formatieren(T("v.VorschauZuGross"),
                             {zahl(breite), zahl(hoehe), static_cast<long long>(MaxVorschauseite)});
        return false;
    }

    Surface s = Flaeche(art, static_cast<int>(breite), static_cast<int>(hoehe), daten);
    Kontext c(cairo_create(s.get()));
    cairo_set_source_rgb(c.get(), 1, 1, 1);
    cairo_paint(c.get());
    cairo_translate(c.get(), dx, dy);
    Schrift(c.get());
    Malen(c.get(), formen);
    if (art == Vorschauart::Png && cairo_status(c.get()) == CAIRO_STATUS_SUCCESS) {
        const cairo_status_t status = cairo_surface_write_to_png_stream(s.get(), InStringSchreiben, &daten);
        if (status != CAIRO_STATUS_SUCCESS) {
            fehler = cairo_status_to_string(status);
            return false;
        }
    }
    return Abschliessen(c.get(), s.get(), fehler);
}

bool VorschauDatei(const Zeichnung& z, const std::string& pfad, Vorschauart art, double massstab,
                   Meldungen& m) {
    if (std::none_of(z.Elemente.begin(), z.Elemente.end(),
                     [](const TElement& e) { return !e.geloescht && EbeneGezeichnet(e.Ebene); })) {
        m.Melden(Meldungsart::Information, T("s44"));
        return false;
    }
    std::string daten, fehler;
    if (!VorschauZeichnen(z, art, massstab, daten, fehler)) {
        m.Melden(Meldungsart::Fehler, pfad + ": " + fehler);
        return false;
    }
    return InhaltSchreiben(pfad, daten, m);
}

} // namespace vektra
