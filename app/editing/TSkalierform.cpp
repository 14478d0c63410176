#include "editing/TSkalierform.h"

#include "main/Dialogbau.h"
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
        felder_[i] = Feld(this, Namen[i], Anfangstexte[i]);
    }
    Mittelpunkt = Beschriftung(this, "Mittelpunkt");
    Label3 = Beschriftung(this, "Label3");
    Label4 = Beschriftung(this, "Label4");
    raster->addWidget(Mittelpunkt, 0, 0);
    raster->addWidget(felder_[0], 0, 1);
    raster->addWidget(felder_[1], 0, 2);
    raster->addWidget(Label3, 1, 0);
    raster->addWidget(felder_[2], 1, 1);
    raster->addWidget(Label4, 2, 0);
    raster->addWidget(felder_[3], 2, 1);
    OK = Schliessknopf(this, "OK", true);
    Abbruch = Schliessknopf(this, "Abbruch", false);
    raster->addLayout(Knopfreihe({OK, Abbruch}), 3, 0, 1, 3);
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
