#include "editing/TDrehform.h"

#include "main/Dialogbau.h"
#include "text/Format.h"
#include "text/Qtext.h"
#include "text/Textbindung.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <numbers>

namespace {

QString Zahl(double wert, int breite, int stellen) {
    return QString::fromStdString(vektra::Festkomma(wert, breite, stellen));
}

} // namespace

TDrehform::TDrehform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Drehform"));
    setModal(true);
    auto* raster = new QGridLayout(this);
    const auto feld = [&](const char* name, int reihe, int spalte) {
        QLineEdit* e = Feld(this, name, "0");
        raster->addWidget(e, reihe, spalte);
        return e;
    };
    Label1 = Beschriftung(this, "Label1");
    Label2 = Beschriftung(this, "Label2");
    raster->addWidget(Label1, 0, 0);
    raster->addWidget(Label2, 1, 0);
    Zen_x = feld("Zen_x", 0, 1);
    Zen_y = feld("Zen_y", 0, 2);
    Win_g = feld("Win_g", 1, 1);
    Win_d = feld("Win_d", 1, 2);
    Button1 = Schliessknopf(this, "Button1", true);
    Button2 = Schliessknopf(this, "Button2", false);
    raster->addLayout(Knopfreihe({Button1, Button2}), 2, 0, 1, 3);
    connect(Zen_x, &QLineEdit::editingFinished, this, &TDrehform::Zen_xExit);
    connect(Zen_y, &QLineEdit::editingFinished, this, &TDrehform::Zen_yExit);
    connect(Win_g, &QLineEdit::editingFinished, this, &TDrehform::Win_gExit);
    connect(Win_d, &QLineEdit::editingFinished, this, &TDrehform::Win_dExit);
    TexteBinden();
}

void TDrehform::TexteBinden() {
    FenstertitelBinden(this, "sf230");
    TextBinden(Label1, "sf231");
    TextBinden(Label2, "sf232");
    TextBinden(Button1, "sf233");
    TextBinden(Button2, "sf234");
}

bool TDrehform::Lesen(QLineEdit* feld, double& wert, double faktor) {
    double zahl = 0;
    if (vektra::ZahlLesen(feld->text().toStdString(), zahl)) {
        wert = zahl * faktor;
        return true;
    }
    feld->setFocus(Qt::OtherFocusReason);
    return false;
}

void TDrehform::Zen_xExit() {
    const bool gut = Lesen(Zen_x, cx_, 1);
    Zen_x->setText(Zahl(cx_, 6, 4));
    if (!gut) Zen_x->selectAll();
}

void TDrehform::Zen_yExit() {
    const bool gut = Lesen(Zen_y, cy_, 1);
    Zen_y->setText(Zahl(cy_, 6, 4));
    if (!gut) Zen_y->selectAll();
}

void TDrehform::WinkelZeigen() {
    Win_d->setText(Zahl(winkel_, 6, 4));
    Win_g->setText(Zahl(winkel_ * 180 / std::numbers::pi, 5, 0));
}

void TDrehform::Win_gExit() {
    const bool gut = Lesen(Win_g, winkel_, std::numbers::pi / 180);
    WinkelZeigen();
    if (!gut) Win_g->selectAll();
}

void TDrehform::Win_dExit() {
    const bool gut = Lesen(Win_d, winkel_, 1);
    WinkelZeigen();
    if (!gut) Win_d->selectAll();
}
