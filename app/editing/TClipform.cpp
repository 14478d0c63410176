#include "editing/TClipform.h"

#include "editing/Interaktion.h"
#include "main/Dialogbau.h"
#include "main/Fensterdienste.h"
#include "model/Zeichnung.h"
#include "text/Format.h"
#include "text/Qtext.h"
#include "text/Textbindung.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {

// The bound each field edits, in field order: top, bottom, left, right.
std::array<std::int32_t*, 4> Grenzen(vektra::Dialogwerte& d) {
    return {&d.ClipOben, &d.ClipUnten, &d.ClipLinks, &d.ClipRechts};
}

} // namespace

TClipform::TClipform(vektra::Zeichnung& z, QWidget* parent) : QDialog(parent), z_(z) {
    setObjectName(QStringLiteral("Clipform"));
    setModal(true);
    auto* raster = new QGridLayout(this);
    for (std::size_t i = 0; i < 4; ++i) {
        Edit[i] = new QLineEdit(this);
        Edit[i]->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
        Edit[i]->setMaximumWidth(80);
        Label[i] = new QLabel(this);
        Label[i]->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        Label[i]->setBuddy(Edit[i]);
    }
    // Top above, bottom below, left and right beside each other in between.
    const auto paar = [&](std::size_t i, int reihe, int spalte) {
        raster->addWidget(Label[i], reihe, spalte, Qt::AlignRight);
        raster->addWidget(Edit[i], reihe, spalte + 1);
    };
    paar(0, 0, 1);
    paar(2, 1, 0);
    paar(3, 1, 2);
    paar(1, 2, 1);
    Clipaktiv = new QCheckBox(this);
    Clipaktiv->setObjectName(QStringLiteral("Clipaktiv"));
    raster->addWidget(Clipaktiv, 3, 0, 1, 2);
    Button1 = Schliessknopf(this, "Button1", true);
    raster->addWidget(Button1, 3, 3);
    TexteBinden();
    FelderAusDokument();
}

void TClipform::TexteBinden() {
    FenstertitelBinden(this, "sf100");
    TextBinden(Label[0], "sf101");
    TextBinden(Label[3], "sf102");
    TextBinden(Label[1], "sf103");
    TextBinden(Label[2], "sf104");
    TextBinden(Clipaktiv, "sf105");
    TextBinden(Button1, "sf106");
}

void TClipform::FelderAusDokument() {
    const auto grenzen = Grenzen(z_.Dialog);
    for (std::size_t i = 0; i < 4; ++i)
        Edit[i]->setText(QString::number(*grenzen[i]));
    Clipaktiv->setChecked(z_.Dialog.Clipaktiv);
}

bool TClipform::Pruefen() {
    vektra::Dialogwerte& d = z_.Dialog;
    bool gut = true;
    const auto grenzen = Grenzen(d);
    for (std::size_t i = 0; i < 4; ++i) {
        std::int32_t wert = 0;
        if (vektra::GanzzahlLesen(Edit[i]->text().toStdString(), wert)) {
            *grenzen[i] = wert;
            continue;
        }
        gut = false;
        Edit[i]->setFocus(Qt::OtherFocusReason);
        Edit[i]->selectAll();
    }
    d.Clipaktiv = Clipaktiv->isChecked();
    emit geprueft();
    return gut;
}

void TClipform::done(int ergebnis) {
    if (!Pruefen()) return;
    QDialog::done(ergebnis);
}

QString Clipanzeige(const vektra::Dialogwerte& d) {
    if (!d.Clipaktiv) return Tq("s60");
    return Tq("s59", {static_cast<long long>(d.ClipUnten), static_cast<long long>(d.ClipOben),
                      static_cast<long long>(d.ClipLinks), static_cast<long long>(d.ClipRechts)});
}

void Clip1Click(Fensterdienste& f, TClipform& dialog) {
    {
        const vektra::Bearbeitung schritt(f.Dokument(), vektra::Schrittart::Clip);
        f.DialogAusfuehren(dialog);
    }
    f.Zustand().ignoriereBewegung = true;
}
