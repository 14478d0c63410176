// The import of picture and TikZ files and opening the drawing given at start.
#include "files/Dateibefehle.h"

#include "editing/Interaktion.h"
#include "files/Dateifilter.h"
#include "files/Dateinamen.h"
#include "files/TikzLesen.h"
#include "files/Zeichnungsdatei.h"
#include "main/Fensterdienste.h"
#include "text/Abbruch.h"
#include "text/Qtext.h"
#include "view/Maler.h"
#include "view/MyDraw.h"

#include <QFileInfo>

#include <memory>

bool Dateibefehle::Importieren(const QString& pfad) {
    vektra::Zeichnung& z = f_.Dokument();
    // The picture goes into a drawing of its own, so an import that fails, also by an exception
    // such as memory running out, leaves the open drawing as it was.
    std::unique_ptr<vektra::Zeichnung> frisch;
    try {
        frisch = std::make_unique<vektra::Zeichnung>();
        frisch->Dialog = z.Dialog;
        if (!vektra::DateiImportieren(Dateisystemname(pfad), *frisch, f_)) return false;
    } catch (...) {
        f_.Melden(vektra::Meldungsart::Fehler, vektra::Abbruchmeldung(std::current_exception()));
        return false;
    }
    z.Elemente = std::move(frisch->Elemente);
    z.Dialog = frisch->Dialog;
    z.Geaendert = false;
    z.Verlauf.Neu(z.Elemente);
    f_.DokumentUebernehmen();
    f_.SpeichernFreigeben();
    return true;
}

void Dateibefehle::ImportClick() {
    vektra::Zeichnung& z = f_.Dokument();
    if (z.Geaendert && f_.Fragen(vektra::Meldungsart::Warnung, vektra::T("s39"), vektra::Knoepfe::JaNein) !=
                           vektra::Antwort::Ja)
        return;
    const QString gewaehlt = f_.OeffnenDialog(Tq("v.DialogImport"), Oeffnenordner,
                                              QtFilter(Tq("v.FilterImport") + QLatin1Char('|') + Tq("s40") +
                                                       QLatin1Char('|') + Tq("v.FilterTikzImport")));
    if (!gewaehlt.isEmpty()) {
        DialogordnerSetzen(gewaehlt);
        f_.Painter().FadenkreuzLoeschen();
        if (Importieren(gewaehlt)) {
            const QFileInfo info(gewaehlt);
            z.Dateiname = vektra::Zeichnungspfad(info.fileName().toStdString());
            Arbeitsordner = info.absolutePath();
            TitelSetzen(Tq("v.Importtitel") + QString::fromStdString(z.Dateiname));
        }
    }
    f_.BefehlBeenden(Modus::Neutral, !gewaehlt.isEmpty());
}

void Dateibefehle::MitDateiStarten(const QString& name) {
    vektra::Zeichnung& z = f_.Dokument();
    DialogordnerSetzen(name);
    f_.Flaeche().setFocus();
    const bool nativ = QFileInfo(name).suffix().compare(QLatin1String("vks"), Qt::CaseInsensitive) == 0;
    bool gelesen = false;
    if (nativ) {
        gelesen = vektra::ZeichnungLesenDatei(Dateisystemname(name), z, f_) == vektra::Leseergebnis::Ok;
        if (gelesen) f_.DokumentUebernehmen();
    } else {
        gelesen = Importieren(name);
    }
    // A file that could not be read gives no name, so a later save cannot overwrite it unasked.
    if (gelesen) {
        z.Exportname = vektra::ErweiterungErsetzen(name.toStdString(), ".vkx");
        z.Treibername = vektra::ErweiterungErsetzen(name.toStdString(), ".vkp");
        z.Dateiname = vektra::Zeichnungspfad(name.toStdString());
        Speichername = QFileInfo(QString::fromStdString(z.Dateiname)).fileName();
        TitelSetzen(Tq("v.Titel") + QLatin1Char(' ') + Speichername);
    }
    z.Geaendert = false;
    f_.zeichneneu();
}
