#include "editing/TTextein.h"

#include "main/Dialogbau.h"
#include "model/Element.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/Meldungen.h"
#include "text/Qtext.h"
#include "text/Textbindung.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <array>

namespace {

// The nine alignments in item order: column by column, each from top to bottom.
constexpr std::array<const char*, 9> Ausrichtungen{"tl", "cl", "bl", "tc", "cc", "bc", "tr", "cr", "br"};

bool Zurueckweisen(QLineEdit* feld) {
    feld->setFocus(Qt::OtherFocusReason);
    feld->selectAll();
    return false;
}

} // namespace

TTextein::TTextein(vektra::Meldungen& meldungen, QWidget* parent) : QDialog(parent), meldungen_(meldungen) {
    setObjectName(QStringLiteral("Textein"));
    setModal(true);
    auto* aussen = new QVBoxLayout(this);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setMinimumWidth(320);
    aussen->addWidget(Edit1);

    auto* mitte = new QHBoxLayout;
    aussen->addLayout(mitte);
    rahmen_ = new QGroupBox(this);
    rahmen_->setObjectName(QStringLiteral("Ausrichtung"));
    auto* raster = new QGridLayout(rahmen_);
    Ausrichtung_ = new QButtonGroup(this);
    for (int i = 0; i < 9; ++i) {
        auto* r = new QRadioButton(QString::fromLatin1(Ausrichtungen[static_cast<std::size_t>(i)]), rahmen_);
        r->setObjectName(QStringLiteral("Ausrichtung%1").arg(i));
        Ausrichtung_->addButton(r, i);
        raster->addWidget(r, i % 3, i / 3);
    }
    Ausrichtung_->button(4)->setChecked(true);
    mitte->addWidget(rahmen_);

    auto* position = new QGridLayout;
    mitte->addLayout(position);
    const auto feld = [&](int reihe, const char* name, const char* beschriftung, const char* schluessel) {
        QLabel* l = Beschriftung(this, beschriftung);
        TextBinden(l, schluessel);
        position->addWidget(l, reihe, 0);
        QLineEdit* e = Feld(this, name, "0");
        position->addWidget(e, reihe, 1);
        return e;
    };
    Edit2 = feld(0, "Edit2", "xLabel", "v.Textein.x");
    Edit3 = feld(1, "Edit3", "yLabel", "v.Textein.y");
    position->setRowStretch(2, 1);

    BitBtn2 = Schliessknopf(this, "BitBtn2", true);
    TextBinden(BitBtn2, "v.OK");
    BitBtn1 = Schliessknopf(this, "BitBtn1", false);
    TextBinden(BitBtn1, "v.Abbrechen");
    aussen->addLayout(Knopfreihe({BitBtn2, BitBtn1}));
    TexteBinden();
}

void TTextein::TexteBinden() {
    FenstertitelBinden(this, "sf220");
    TextBinden(rahmen_, "sf221");
}

void TTextein::PositionSetzen(double x, double y) {
    Edit2->setText(QString::fromStdString(vektra::Festkomma(x, 3, 1)));
    Edit3->setText(QString::fromStdString(vektra::Festkomma(y, 3, 1)));
}

void TTextein::Fuellen(double x, double y, std::string_view ausrichtung, std::string_view text) {
    PositionSetzen(x, y);
    for (int i = 0; i < 9; ++i)
        if (ausrichtung == Ausrichtungen[static_cast<std::size_t>(i)])
            Ausrichtung_->button(i)->setChecked(true);
    Edit1->setText(QString::fromStdString(vektra::Cp1252NachUtf8(text)));
}

bool TTextein::Pruefen() {
    double x = 0, y = 0;
    // A place the drawing files cannot hold is refused like a text that is no number.
    if (!vektra::ZahlLesen(Edit2->text().toStdString(), x) || !vektra::LageZulaessig(x))
        return Zurueckweisen(Edit2);
    x_ = x;
    if (!vektra::ZahlLesen(Edit3->text().toStdString(), y) || !vektra::LageZulaessig(y))
        return Zurueckweisen(Edit3);
    y_ = y;
    // A character the drawing cannot hold would silently become "?": say which, keep the text.
    const std::string fremd = vektra::NichtInCp1252(Edit1->text().toStdString());
    if (!fremd.empty()) {
        meldungen_.Melden(vektra::Meldungsart::Warnung,
                          vektra::Formatieren(vektra::T("v.TextNichtDarstellbar"), {fremd}));
        return Zurueckweisen(Edit1);
    }
    return true;
}

std::string TTextein::Text() const {
    return vektra::Utf8NachCp1252(Edit1->text().toStdString()).substr(0, vektra::MaxTextLaenge);
}

std::string TTextein::Ausrichtung() const {
    const int i = Ausrichtung_->checkedId();
    return i >= 0 && i < 9 ? Ausrichtungen[static_cast<std::size_t>(i)] : "";
}

void TTextein::done(int ergebnis) {
    if (ergebnis != QDialog::Rejected && !Pruefen()) return;
    QDialog::done(ergebnis);
}

void TTextein::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    Edit1->setFocus(Qt::OtherFocusReason);
    Edit1->selectAll();
}
