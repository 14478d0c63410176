#include "editing/TSkalierform.h"

#include "text/Format.h"
#include "text/Qtext.h"
#include "text/Textbindung.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr const char* Namen[4] = {"x", "y", "xFaktor", "yFaktor"};
constexpr const char* Anfangstexte[4] = {"0", "0", "1.0", "1.0"};

} // namespace

TSkalierform::TSkalierform(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Skalierform"));
    setModal(true);
    auto* raster = new QGridLayout(this);
    for (int i = 0; i < 4; ++i) {
        felder_[i] = new QLineEdit(QString::fromLatin1(Anfangstexte[i]), this);
        felder_[i]->setObjectName(QString::fromLatin1(Namen[i]));
        felder_[i]->setMaximumWidth(90);
    }
    Mittelpunkt = new QLabel(this);
    Mittelpunkt->setObjectName(QStringLiteral("Mittelpunkt"));
    Label3 = new QLabel(this);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label4 = new QLabel(this);
    Label4->setObjectName(QStringLiteral("Label4"));
    raster->addWidget(Mittelpunkt, 0, 0);
    raster->addWidget(felder_[0], 0, 1);
    raster->addWidget(felder_[1], 0, 2);
    raster->addWidget(Label3, 1, 0);
    raster->addWidget(felder_[2], 1, 1);
    raster->addWidget(Label4, 2, 0);
    raster->addWidget(felder_[3], 2, 1);
    auto* knoepfe = new QHBoxLayout;
    OK = new QPushButton(this);
    OK->setObjectName(QStringLiteral("OK"));
    OK->setDefault(true);
    Abbruch = new QPushButton(this);
    Abbruch->setObjectName(QStringLiteral("Abbruch"));
    knoepfe->addStretch(1);
    knoepfe->addWidget(OK);
    knoepfe->addWidget(Abbruch);
    raster->addLayout(knoepfe, 3, 0, 1, 3);
    connect(OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(Abbruch, &QPushButton::clicked, this, &QDialog::reject);
    TexteBinden();
}

void TSkalierform::TexteBinden() {
    FenstertitelBinden(this, "sf210");
    TextBinden(Mittelpunkt, "sf211");
    TextBinden(Label3, "sf212");
    TextBinden(Label4, "sf213");
    TextBinden(OK, "sf214");
    TextBinden(Abbruch, "sf215");
}

bool TSkalierform::Pruefen() {
    double werte[4];
    for (int i = 0; i < 4; ++i) {
        if (vektra::ZahlLesen(felder_[i]->text().toStdString(), werte[i])) continue;
        felder_[i]->setText(QString::fromLatin1(Anfangstexte[i]));
        felder_[i]->setFocus(Qt::OtherFocusReason);
        felder_[i]->selectAll();
        return false;
    }
    std::copy(werte, werte + 4, werte_);
    return true;
}

void TSkalierform::done(int ergebnis) {
    if (ergebnis == QDialog::Accepted && !Pruefen()) return;
    QDialog::done(ergebnis);
}
