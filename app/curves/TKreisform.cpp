#include "curves/TKreisform.h"

#include "main/Dialogbau.h"
#include "text/Format.h"
#include "text/Qtext.h"
#include "text/Textbindung.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <numbers>

TKreisform::TKreisform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Kreisform"));
    setModal(true);
    auto* raster = new QGridLayout(this);
    const auto feld = [&](const char* name, const char* text, int reihe, int spalte) {
        QLineEdit* e = Feld(this, name, text);
        raster->addWidget(e, reihe, spalte);
        return e;
    };
    Label1 = Beschriftung(this, "Label1");
    Label2 = Beschriftung(this, "Label2");
    grad_ = new QLabel(this);
    bogen_ = new QLabel(this);
    raster->addWidget(grad_, 0, 1);
    raster->addWidget(bogen_, 0, 2);
    raster->addWidget(Label1, 1, 0);
    raster->addWidget(Label2, 2, 0);
    vong_edit = feld("vong_edit", "0", 1, 1);
    bisg_edit = feld("bisg_edit", "360", 2, 1);
    vond_edit = feld("vond_edit", "0", 1, 2);
    bisd_edit = feld("bisd_edit", "6.285", 2, 2);
    // Row by row: each angle in degrees, then in radians.
    setTabOrder(vong_edit, vond_edit);
    setTabOrder(vond_edit, bisg_edit);
    setTabOrder(bisg_edit, bisd_edit);
    BitBtn1 = Schliessknopf(this, "BitBtn1", true);
    raster->addWidget(BitBtn1, 3, 0, 1, 3);
    connect(vong_edit, &QLineEdit::editingFinished, this, &TKreisform::vongChange);
    connect(bisg_edit, &QLineEdit::editingFinished, this, &TKreisform::bisgChange);
    connect(vond_edit, &QLineEdit::editingFinished, this, &TKreisform::vondChange);
    connect(bisd_edit, &QLineEdit::editingFinished, this, &TKreisform::bisdChange);
    vonWinkel_ = 0;
    bisWinkel_ = 2 * std::numbers::pi;
    TexteBinden();
}

void TKreisform::TexteBinden() {
    FenstertitelBinden(this, "sf150");
    TextBinden(Label1, "sf151");
    TextBinden(Label2, "sf152");
    TextBinden(BitBtn1, "sf153");
    TextBinden(grad_, "v.Grad");
    TextBinden(bogen_, "v.Bogenmass");
}

std::string TKreisform::t0Text() const {
    return vond_edit->text().toStdString();
}

std::string TKreisform::t1Text() const {
    return bisd_edit->text().toStdString();
}

void TKreisform::Umrechnen(QLineEdit* feld, double faktor, double& winkel, QLineEdit* grad,
                           QLineEdit* bogen) {
    double zahl = 0;
    const bool gut = vektra::ZahlLesen(feld->text().toStdString(), zahl);
    if (gut) winkel = zahl * faktor;
    bogen->setText(QString::fromStdString(vektra::Festkomma(winkel, 6, 4)));
    grad->setText(QString::fromStdString(vektra::Festkomma(winkel * 180 * (1 / std::numbers::pi), 5, 0)));
    if (!gut) {
        feld->setFocus(Qt::OtherFocusReason);
        feld->selectAll();
    }
}

void TKreisform::vongChange() {
    Umrechnen(vong_edit, (1.0 / 180) * std::numbers::pi, vonWinkel_, vong_edit, vond_edit);
}

void TKreisform::bisgChange() {
    Umrechnen(bisg_edit, (1.0 / 180) * std::numbers::pi, bisWinkel_, bisg_edit, bisd_edit);
}

void TKreisform::vondChange() {
    Umrechnen(vond_edit, 1.0, vonWinkel_, vong_edit, vond_edit);
}

void TKreisform::bisdChange() {
    Umrechnen(bisd_edit, 1.0, bisWinkel_, bisg_edit, bisd_edit);
}
