// The main window's dialogs: file choosers and modal dialogs through overridable calls, the
// settings command, and the tool bar and zoom menu following a loaded drawing.
#include "curves/TKurvenform.h"
#include "main/TEinstellungen.h"
#include "main/TForm1.h"
#include "view/Maler.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>

#include <algorithm>

QString TForm1::OeffnenDialog(const QString& titel, const QString& ordner, const QString& filter) {
    return QFileDialog::getOpenFileName(this, titel, ordner, filter);
}

QString TForm1::SpeichernDialog(const QString& titel, const QString& vorschlag, const QString& filter) {
    // The commands ask about existing files themselves.
    return QFileDialog::getSaveFileName(this, titel, vorschlag, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

int TForm1::DialogAusfuehren(QDialog& dialog) {
    return dialog.exec();
}

void TForm1::einstellungenclick() {
    const Modus gemerkt = AktuellerModus();
    ModusSetzen(Modus::Neutral);
    maler->FadenkreuzLoeschen();
    DialogAusfuehren(*Einstellungen);
    BefehlBeenden(gemerkt, true);
}

void TForm1::DokumentUebernehmen() {
    const vektra::Kopfsatz& k = Doc.Kopf;
    snapcheck->setChecked(k.Snap);
    View.Snap = k.Snap;
    if (k.Snapstufe >= 0 && k.Snapstufe < Snapbox->count()) Snapbox->setCurrentIndex(k.Snapstufe);
    View.Schritt = vektra::SnapschrittFuer(k.Snapstufe);
    // A level out of range shows as the level the view uses for it.
    const int stufe = std::clamp<int>(k.Zoomstufe, 0, 8);
    const auto aktionen = Zoomgruppe->actions();
    for (QAction* a : aktionen)
        a->setChecked(a->data().toInt() == stufe);
    Einstellungen->FelderAusDokument();
    Kurvenform->FelderAusDokument();
    ClipanzeigeSetzen();
}

void TForm1::SpeichernFreigeben() {
    if (auto* a = findChild<QAction*>(QStringLiteral("Speichern1"))) a->setEnabled(true);
}
