#include "PdfGrafik.h"

#include "CairoUtil.h"
#include "Grafikmalen.h"

#include <cairo-pdf.h>

#include <algorithm>
#include <cmath>

namespace vektra {

namespace {

double Seitenmass(double punkte) {
    return std::isnan(punkte) ? 1.0 : std::clamp(punkte, 1.0, MaxGrafikpunkte);
}

} // namespace

bool PdfGrafikZeichnen(const Zeichnung& z, const Exportmass& mass, std::string& pdf, std::string& fehler) {
    pdf.clear();
    const double breite = Seitenmass(mass.W * mass.k), hoehe = Seitenmass(mass.H * mass.k);
    Surface s(cairo_pdf_surface_create_for_stream(InStringSchreiben, &pdf, breite, hoehe));
    cairo_pdf_surface_set_metadata(s.get(), CAIRO_PDF_METADATA_CREATOR,
                                   ("Vektra32 V. " + Programmversion()).c_str());
    Kontext c(cairo_create(s.get()));
    // PostScript's y grows upwards from the page's lower-left corner.
    cairo_translate(c.get(), 0, hoehe);
    cairo_scale(c.get(), 1, -1);
    if (!PsGrafikMalen(c.get(), z, mass, fehler)) return false;
    return Abschliessen(c.get(), s.get(), fehler);
}

Grafikbeilage PdfBeilage() {
    return {".pdf", PdfGrafikZeichnen};
}

} // namespace vektra
