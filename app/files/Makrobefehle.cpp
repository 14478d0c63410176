#include "files/Makrobefehle.h"

#include "editing/Interaktion.h"
#include "files/Dateifilter.h"
#include "files/Dateinamen.h"
#include "files/Makrodatei.h"
#include "main/Fensterdienste.h"
#include "model/Zeichnung.h"
#include "text/Qtext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

std::string Dateisystemname(const QString& pfad) {
    return QFile::encodeName(pfad).toStdString();
}

QString MitEndung(const QString& name) {
    return QFile::decodeName(vektra::ErweiterungErgaenzen(Dateisystemname(name), ".vkm").c_str());
}

QString Makrofilter() {
    return QtFilter(Tq("v.Makrofilter"));
}

} // namespace

Makrobefehle::Makrobefehle(Fensterdienste& fenster) : f_(fenster) {}

void Makrobefehle::macrospeichern1Click() {
    const auto& el = f_.Dokument().Elemente;
    if (std::none_of(el.begin(), el.end(),
                     [](const vektra::TElement& e) { return e.gepickt && !e.geloescht; })) {
        f_.Melden(vektra::Meldungsart::Schlicht, vektra::T("v.NichtMarkiert"));
        return;
    }
    f_.Zustand().ignoriereBewegung = true;
    const QString vorschlag =
        Speichername.isEmpty() ? Ordner : QDir(Ordner).filePath(QFileInfo(Speichername).fileName());
    const QString gewaehlt = f_.SpeichernDialog(Tq("v.DialogMakroSpeichern"), vorschlag, Makrofilter());
    if (gewaehlt.isEmpty()) return;
    const QString ziel = MitEndung(gewaehlt);
    if (QFileInfo::exists(ziel) &&
        f_.Fragen(vektra::Meldungsart::Warnung, ziel.toStdString() + vektra::T("s43"),
                  vektra::Knoepfe::JaNein) != vektra::Antwort::Ja)
        return;
    // Only an accepted name becomes the target, so a declined file is never written.
    Speichername = ziel;
    Ordner = QFileInfo(ziel).absolutePath();
    f_.BefehlBeenden(Modus::MakroSpeichern, false);
}

void Makrobefehle::Macroschreiben(double x, double y) {
    vektra::MakroSpeichern(f_.Dokument(), x, y, Dateisystemname(Speichername), f_);
    f_.ModusSetzen(Modus::Neutral);
}

void Makrobefehle::macroladen1Click() {
    f_.Zustand().ignoriereBewegung = true;
    const QString gewaehlt = f_.OeffnenDialog(Tq("v.DialogMakroEinfuegen"), Ordner, Makrofilter());
    if (gewaehlt.isEmpty()) return;
    Einfuegename = MitEndung(gewaehlt);
    Ordner = QFileInfo(Einfuegename).absolutePath();
    f_.BefehlBeenden(Modus::MakroEinfuegen, false);
}

void Makrobefehle::Macroeinfuegenclick(double x, double y) {
    vektra::Zeichnung& z = f_.Dokument();
    vektra::Makro makro;
    if (!vektra::MakroLesenDatei(Dateisystemname(Einfuegename), makro, f_) ||
        !vektra::MakroEinfuegen(z, makro, x, y, f_)) {
        f_.BefehlBeenden(Modus::Neutral, false);
        return;
    }
    f_.zeichneneu();
    f_.ModusSetzen(Modus::Verschieben);
}

void Makrobefehle::MakrotastenModus() {
    f_.ModusSetzen(Modus::Makrotaste);
    f_.StatusSetzen(0, Tq("v.Makrotaste"));
}

void Makrobefehle::MakroWiederholen() {
    if (QFileInfo(Einfuegename).isFile()) f_.ModusSetzen(Modus::MakroEinfuegen);
}

void Makrobefehle::MakroZurTaste(QChar zeichen) {
    // File names are compared byte by byte, so only a character of one byte can start one.
    const std::string gefunden =
        zeichen.unicode() < 0x80
            ? vektra::MakroZurTasteSuchen(Dateisystemname(Ordner.isEmpty() ? QDir::currentPath() : Ordner),
                                          static_cast<char>(zeichen.unicode()))
            : std::string();
    if (gefunden.empty()) {
        f_.ModusSetzen(Modus::Neutral);
        return;
    }
    Einfuegename = QFile::decodeName(gefunden.c_str());
    f_.ModusSetzen(Modus::MakroEinfuegen);
}
