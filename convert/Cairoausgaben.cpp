#include "Cairoausgaben.h"

#include "files/PsExport.h"

#include "PdfGrafik.h"
#include "Vorschau.h"

namespace vektra {

int CairoausgabeSchreiben(Zeichnung& z, const std::string& ausgabe, Ausgabeart art, Meldungen& m,
                          double massstab, Textkodierung kodierung) {
    if (massstab <= 0) massstab = Bildschirmmassstab(z);
    if (art == Ausgabeart::PostScript) {
        Grafikbeilage pdf = PdfBeilage();
        if (!PsExportDatei(z, ausgabe, m, &pdf, kodierung)) return KonvertiertNicht;
        return pdf.geschrieben ? KonvertiertOk : KonvertiertUnvollstaendig;
    }
    const Vorschauart vorschau = art == Ausgabeart::Svg   ? Vorschauart::Svg
                                 : art == Ausgabeart::Png ? Vorschauart::Png
                                                          : Vorschauart::Pdf;
    return VorschauDatei(z, ausgabe, vorschau, massstab, m) ? KonvertiertOk : KonvertiertNicht;
}

} // namespace vektra
