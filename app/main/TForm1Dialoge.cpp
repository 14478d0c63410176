// The main window's dialogs: file choosers and modal dialogs through overridable calls, the
// settings command, and the tool bar and zoom menu following a loaded drawing.
#include "curves/TKurvenform.h"
#include "editing/Ansichtsbefehle.h"
#include "editing/Stiftbefehle.h"
#include "editing/TClipform.h"
#include "main/TEinstellungen.h"
#include "main/TForm1.h"
#include "view/Maler.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QColorDialog>
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

// Qt's own chooser, the same on every platform; it gives the colour in 8-bit channels.
std::optional<QColor> TForm1::FarbeWaehlen(const QColor& anfang) {
    const QColor c = QColorDialog::getColor(anfang, this, QString(), QColorDialog::DontUseNativeDialog);
    if (!c.isValid()) return std::nullopt;
    return c;
}

void TForm1::einstellungenclick() {
    const Modus gemerkt = AktuellerModus();
    ModusSetzen(Modus::Neutral);
    maler->FadenkreuzLoeschen();
    Einstellungen->Angleichen();
    {
        const vektra::Bearbeitung schritt(Doc, vektra::Schrittart::Einstellungen);
        DialogAusfuehren(*Einstellungen);
    }
    BefehlBeenden(gemerkt, true);
}

void TForm1::DokumentUebernehmen() {
    ansichten->AusDokument();
    Einstellungen->FelderAusDokument();
    Kurvenform->FelderAusDokument();
    Clipform->FelderAusDokument();
    stift->FarbeAnzeigen();
    ClipanzeigeSetzen();
}

void TForm1::SpeichernFreigeben() {
    if (auto* a = findChild<QAction*>(QStringLiteral("Speichern1"))) a->setEnabled(true);
}
