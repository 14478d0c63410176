// New, open, save and save as, and the helpers the file commands share.
#include "files/Dateibefehle.h"

#include "editing/Interaktion.h"
#include "files/Dateifilter.h"
#include "files/Zeichnungsdatei.h"
#include "main/Fensterdienste.h"
#include "text/Qtext.h"
#include "view/Maler.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

Dateibefehle::Dateibefehle(Fensterdienste& fenster)
    : Oeffnenordner(QCoreApplication::applicationDirPath()),
      Speichernordner(QCoreApplication::applicationDirPath()), Arbeitsordner(QDir::currentPath()),
      f_(fenster) {}

QString Dateibefehle::Pfad(const std::string& name) const {
    const QString n = QString::fromStdString(name);
    return QFileInfo(n).isAbsolute() ? n : QDir(Arbeitsordner).filePath(n);
}

std::string Dateibefehle::Dateisystemname(const QString& pfad) {
    return QFile::encodeName(pfad).toStdString();
}

QString Dateibefehle::Vorschlag(const QString& ordner, const QString& name) {
    if (name.isEmpty()) return ordner;
    if (QFileInfo(name).isAbsolute()) return name;
    return QDir(ordner).filePath(name);
}

void Dateibefehle::TitelSetzen(const QString& titel) {
    f_.TitelSetzen(titel);
}

void Dateibefehle::DialogordnerSetzen(const QString& datei) {
    const QString ordner = QFileInfo(datei).absolutePath();
    Oeffnenordner = ordner;
    Speichernordner = ordner;
}

void Dateibefehle::New1Click() {
    vektra::Zeichnung& z = f_.Dokument();
    if (z.Geaendert &&
        f_.Fragen(vektra::Meldungsart::Information, vektra::T("s38"), vektra::Knoepfe::JaNein) ==
            vektra::Antwort::Ja &&
        !Speichern1Click())
        return;
    f_.Painter().FadenkreuzLoeschen();
    z.Elemente.AllesLoeschen();
    z.Verlauf.Neu(z.Elemente);
    z.Dateiname.clear();
    z.Exportname.clear();
    z.Treibername.clear();
    f_.ModusSetzen(Modus::Neutral);
    f_.zeichneneu();
    z.Dialog.Unitlength = "1";
    f_.DokumentUebernehmen();
    TitelSetzen(Tq("v.Titel"));
    Speichername.clear();
    z.Geaendert = false;
}

void Dateibefehle::Open1Click() {
    vektra::Zeichnung& z = f_.Dokument();
    if (z.Geaendert && f_.Fragen(vektra::Meldungsart::Warnung, vektra::T("s39"), vektra::Knoepfe::JaNein) !=
                           vektra::Antwort::Ja)
        return;
    const QString gewaehlt = f_.OeffnenDialog(Tq("v.DialogOeffnen"), Oeffnenordner, QtFilter(Tq("s45")));
    if (!gewaehlt.isEmpty()) {
        DialogordnerSetzen(gewaehlt);
        f_.Painter().FadenkreuzLoeschen();
        // The chosen file itself is read, whatever the letter case of its extension.
        switch (vektra::ZeichnungLesenDatei(Dateisystemname(gewaehlt), z, f_)) {
        case vektra::Leseergebnis::Ok: {
            const QString name = QFileInfo(gewaehlt).fileName();
            z.Dateiname = vektra::Zeichnungspfad(name.toStdString());
            Arbeitsordner = QFileInfo(gewaehlt).absolutePath();
            TitelSetzen(Tq("v.Titel") + QLatin1Char(' ') + name);
            f_.DokumentUebernehmen();
            break;
        }
        case vektra::Leseergebnis::FalscheVersion:
            z.Elemente.AllesLoeschen();
            z.Verlauf.Neu(z.Elemente);
            z.Dateiname.clear();
            z.Exportname.clear();
            z.Treibername.clear();
            Speichername.clear();
            TitelSetzen(Tq("v.Titel"));
            z.Geaendert = false;
            break;
        case vektra::Leseergebnis::Fehler:
            break;
        }
    }
    f_.BefehlBeenden(Modus::Neutral, !gewaehlt.isEmpty());
}

bool Dateibefehle::Speichern1Click() {
    vektra::Zeichnung& z = f_.Dokument();
    if (z.Dateiname.empty()) return Speichernunter1Click();
    const bool geschrieben =
        vektra::ZeichnungSchreibenDatei(Dateisystemname(Pfad(vektra::Zeichnungspfad(z.Dateiname))), z, f_);
    // An empty drawing ("Keine Zeichnung") has nothing to lose; a failed write keeps the flag.
    const bool leer = z.Elemente.Anzahl() == 0;
    if (geschrieben || leer) z.Geaendert = false;
    return geschrieben || leer;
}

bool Dateibefehle::Speichernunter1Click() {
    vektra::Zeichnung& z = f_.Dokument();
    for (;;) {
        f_.Zustand().ignoriereBewegung = true;
        const QString gewaehlt = f_.SpeichernDialog(
            Tq("v.DialogSpeichern"), Vorschlag(Speichernordner, Speichername), QtFilter(Tq("s45")));
        if (gewaehlt.isEmpty()) return false;
        // The question is about the file that is written, and the drawing takes the new name
        // only once the user agreed, so a later "Speichern" cannot overwrite the declined file.
        const QString ziel = QString::fromStdString(vektra::Zeichnungspfad(gewaehlt.toStdString()));
        if (QFileInfo::exists(ziel) &&
            f_.Fragen(vektra::Meldungsart::Warnung, ziel.toStdString() + vektra::T("s46"),
                      vektra::Knoepfe::JaNein) != vektra::Antwort::Ja)
            continue;
        z.Dateiname = gewaehlt.toStdString();
        TitelSetzen(Tq("v.Titel") + QStringLiteral(" - ") + gewaehlt);
        const bool gut = Speichern1Click();
        Speichernordner = QFileInfo(gewaehlt).absolutePath();
        return gut;
    }
}
