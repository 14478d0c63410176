#include "curves/Kurvenbefehl.h"

#include "curves/Kurve.h"
#include "curves/TKurvenform.h"
#include "main/Fensterdienste.h"
#include "model/Zeichnung.h"
#include "text/Format.h"
#include "text/Texte.h"
#include "view/Maler.h"
#include "view/MyDraw.h"

#include <QDialog>
#include <QScopeGuard>

namespace {

// The n of one end of the range; a text that is no 32-bit whole number is reported.
bool nLesen(Fensterdienste& f, const QString& text, const char* beschriftung, std::int32_t& n) {
    if (vektra::GanzzahlLesen(text.toStdString(), n)) return true;
    f.Melden(vektra::Meldungsart::Fehler, vektra::Formatieren(vektra::T("v.Kurvenform.Ganzzahl"),
                                                              {vektra::T(beschriftung), text.toStdString()}));
    return false;
}

} // namespace

void KurveClick(Fensterdienste& f, TKurvenform& dialog) {
    // The dialog's offsets and the whole family of curves are one step.
    const vektra::Bearbeitung schritt(f.Dokument(), vektra::Schrittart::Kurve);
    f.ModusSetzen(Modus::Auswahl);
    if (f.DialogAusfuehren(dialog) != QDialog::Accepted) {
        f.BefehlBeenden(Modus::Auswahl, false);
        return;
    }
    f.Flaeche().setFocus(Qt::OtherFocusReason);
    std::int32_t n0 = 0, n1 = 0;
    if (!nLesen(f, dialog.n0Text(), "v.Kurvenform.n0", n0) ||
        !nLesen(f, dialog.n1Text(), "v.Kurvenform.n1", n1)) {
        f.BefehlBeenden(Modus::Auswahl, false);
        return;
    }
    vektra::Kurvenparameter p = dialog.Parameter();
    p.Grenzwert = 10000.0;
    vektra::Kurvenplotter plotter;
    plotter.Skala = 10.0;
    plotter.VersatzX = dialog.VersatzX();
    plotter.VersatzY = dialog.VersatzY();
    plotter.Rueckwaerts = dialog.Rueckwaerts();

    vektra::Zeichnung& z = f.Dokument();
    const int vorher = z.Elemente.Anzahl();
    {
        // Pointer events while the plotter works, or while its messages are open, are dropped.
        Maler& maler = f.Painter();
        maler.zeichnetGerade = true;
        const auto fertig = qScopeGuard([&maler] { maler.zeichnetGerade = false; });
        vektra::KurvenZeichnen(plotter, p, n0, n1, dialog.Muster(), z, f);
    }
    // One full redraw shows the whole family, with its gaps and clipping, in the pick colour.
    f.BefehlBeenden(Modus::Auswahl, z.Elemente.Anzahl() != vorher);
}
