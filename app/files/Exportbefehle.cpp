// The picture, PostScript and TikZ export commands and their "as..." forms.
#include "files/Dateibefehle.h"

#include "PdfGrafik.h"
#include "editing/Interaktion.h"
#include "files/Dateifilter.h"
#include "files/Dateinamen.h"
#include "files/LatexExport.h"
#include "files/PsExport.h"
#include "files/TikzExport.h"
#include "main/Fensterdienste.h"
#include "text/Qtext.h"

#include <QFileInfo>

namespace {

const char* Exportendung(std::uint8_t art) {
    return art == 2 ? ".tikz" : art == 1 ? ".vkp" : ".vkx";
}

const char* Exportfilter(std::uint8_t art) {
    return art == 2 ? "v.FilterTikz" : art == 1 ? "s42" : "s41";
}

void ExportnamenSetzen(vektra::Zeichnung& z) {
    z.Treibername = vektra::ErweiterungErsetzen(z.Dateiname, ".vkp");
    z.Exportname = vektra::ErweiterungErsetzen(z.Dateiname, ".vkx");
}

} // namespace

void Dateibefehle::Exportieren(std::uint8_t art) {
    Exportart = art;
    Exportieren1click();
}

void Dateibefehle::ExportierenUnter(std::uint8_t art) {
    Exportart = art;
    Exportierenunter1Click();
}

void Dateibefehle::Exportieren1click() {
    if (f_.Dokument().Dateiname.empty() || !ExportUnterName()) Exportierenunter1Click();
}

bool Dateibefehle::ExportUnterName() {
    vektra::Zeichnung& z = f_.Dokument();
    const std::string ziel = vektra::ErweiterungErsetzen(z.Dateiname, Exportendung(Exportart));
    if (QFileInfo::exists(Pfad(ziel)) && f_.Fragen(vektra::Meldungsart::Warnung, ziel + vektra::T("s43"),
                                                   vektra::Knoepfe::JaNein) != vektra::Antwort::Ja)
        return false;
    TitelSetzen(Tq("v.Titel") + QStringLiteral(" - ") + QString::fromStdString(z.Dateiname));
    ExportnamenSetzen(z);
    ExportSchreiben();
    return true;
}

void Dateibefehle::ExportSchreiben() {
    vektra::Zeichnung& z = f_.Dokument();
    // The PDF beside the PostScript file serves pdfLaTeX; a failure of it is reported and leaves
    // the export done, as the wrapper and the PostScript file are written.
    vektra::Grafikbeilage pdf = vektra::PdfBeilage();
    bool gut = false;
    if (Exportart == 2) {
        // The picture alone to \input, or a document of its own for a PDF of the figure.
        const vektra::Tikzoptionen optionen{
            .eigenstaendig = f_.Fragen(vektra::Meldungsart::Information, vektra::T("v.TikzEigenstaendig"),
                                       vektra::Knoepfe::JaNein) == vektra::Antwort::Ja};
        const std::string ziel = vektra::ErweiterungErsetzen(z.Dateiname, ".tikz");
        gut = vektra::TikzExportDatei(z, Dateisystemname(Pfad(ziel)), f_, optionen);
    } else {
        gut = Exportart == 1 ? vektra::PsExportDatei(z, Dateisystemname(Pfad(z.Treibername)), f_, &pdf)
                             : vektra::LatexExportDatei(z, Dateisystemname(Pfad(z.Exportname)), f_);
    }
    if (gut) f_.ModusSetzen(Modus::Neutral);
}

void Dateibefehle::Exportierenunter1Click() {
    vektra::Zeichnung& z = f_.Dokument();
    const std::string vorher[] = {z.Dateiname, z.Exportname, z.Treibername};
    for (;;) {
        f_.Zustand().ignoriereBewegung = true;
        const QString name =
            QString::fromStdString(vektra::ErweiterungErsetzen(z.Dateiname, Exportendung(Exportart)));
        if (!z.Dateiname.empty()) Speichername = QFileInfo(name).fileName();
        const QString start = z.Dateiname.empty() ? Speichernordner : Vorschlag(Speichernordner, name);
        const QString gewaehlt =
            f_.SpeichernDialog(Tq("v.DialogExport"), start, QtFilter(Tq(Exportfilter(Exportart))));
        if (gewaehlt.isEmpty()) {
            // Cancelled after declining to overwrite: the drawing keeps the name it had.
            z.Dateiname = vorher[0];
            z.Exportname = vorher[1];
            z.Treibername = vorher[2];
            return;
        }
        z.Dateiname = vektra::ErweiterungErsetzen(gewaehlt.toStdString(), ".vks");
        ExportnamenSetzen(z);
        if (ExportUnterName()) {
            Speichernordner = QFileInfo(gewaehlt).absolutePath();
            return;
        }
    }
}
