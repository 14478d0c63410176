#include "curves/TKurvenform.h"

#include "main/Dialogbau.h"
#include "model/Zeichnung.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/Qtext.h"
#include "text/Textbindung.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <numbers>

namespace {

bool Zurueckweisen(QLineEdit* feld) {
    feld->setFocus(Qt::OtherFocusReason);
    feld->selectAll();
    return false;
}

bool Zahl(const QLineEdit* feld, double& wert) {
    return vektra::ZahlLesen(feld->text().toStdString(), wert);
}

bool Ganzzahl(const QLineEdit* feld, std::int32_t& wert) {
    return vektra::GanzzahlLesen(feld->text().toStdString(), wert);
}

// Hides the widget without giving its place away, so the dialog keeps its size.
void PlatzHalten(QWidget* w) {
    QSizePolicy sp = w->sizePolicy();
    sp.setRetainSizeWhenHidden(true);
    w->setSizePolicy(sp);
}

} // namespace

TKurvenform::TKurvenform(vektra::Zeichnung& z, QWidget* parent) : QDialog(parent), z_(z) {
    setObjectName(QStringLiteral("Kurvenform"));
    setModal(true);
    Aufbauen();
    FelderAusDokument();
    connect(x_off, &QLineEdit::textChanged, this,
            [this](const QString& t) { z_.Dialog.x_off = vektra::Utf8NachCp1252(t.toStdString()); });
    connect(y_off, &QLineEdit::textChanged, this,
            [this](const QString& t) { z_.Dialog.y_off = vektra::Utf8NachCp1252(t.toStdString()); });
    connect(typen_, &QButtonGroup::idToggled, this, [this](int, bool an) {
        if (an) KurventypClick();
    });
    connect(is3d, &QCheckBox::toggled, this, &TKurvenform::is3dClick);
    connect(wink_edit, &QLineEdit::editingFinished, this, &TKurvenform::wink_editExit);
    KurventypClick();
    is3dClick();
    TexteBinden();
}

// The angle field loses the focus while the widgets go; it must not check itself then.
TKurvenform::~TKurvenform() {
    disconnect(wink_edit, nullptr, this, nullptr);
}

void TKurvenform::Aufbauen() {
    const auto beschriftung = [this](const char* name) { return Beschriftung(this, name); };
    // Formula fields are wide; number fields are narrow.
    const auto feld = [this](const char* name, const char* text, bool formel) {
        if (!formel) return Feld(this, name, text);
        auto* e = new QLineEdit(QString::fromLatin1(text), this);
        e->setObjectName(QString::fromLatin1(name));
        e->setMinimumWidth(260);
        return e;
    };
    auto* aussen = new QVBoxLayout(this);
    auto* oben = new QHBoxLayout;
    aussen->addLayout(oben);

    // Formulas and ranges.
    auto* formeln = new QGridLayout;
    oben->addLayout(formeln, 1);
    const auto zeile = [&](int reihe, QLabel* l, QLineEdit* e) {
        l->setBuddy(e);
        formeln->addWidget(l, reihe, 0);
        formeln->addWidget(e, reihe, 1);
    };
    x_Edit = feld("x_Edit", "t", true);
    zeile(0, beschriftung("xLabel"), x_Edit);
    y_Edit = feld("y_Edit", "t", true);
    zeile(1, beschriftung("yLabel"), y_Edit);
    z_Edit = feld("z_Edit", "t", true);
    zLabel = beschriftung("zLabel");
    zeile(2, zLabel, z_Edit);
    PlatzHalten(z_Edit);
    PlatzHalten(zLabel);
    von = feld("von", "0", true);
    zeile(3, beschriftung("vonLabel"), von);
    bis = feld("bis", "1", true);
    zeile(4, beschriftung("bisLabel"), bis);
    n_0 = feld("n_0", "1", false);
    zeile(5, beschriftung("n_0Label"), n_0);
    n_1 = feld("n_1", "1", false);
    zeile(6, beschriftung("n_1Label"), n_1);
    formeln->setRowStretch(7, 1);

    oben->addSpacing(12);
    auto* rechts = new QGridLayout;
    oben->addLayout(rechts);

    // Step control: the three value fields share one place; only the chosen one shows.
    Kurventyp = new QGroupBox(this);
    Kurventyp->setObjectName(QStringLiteral("Kurventyp"));
    auto* typenZeile = new QHBoxLayout(Kurventyp);
    typen_ = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto* r = new QRadioButton(Kurventyp);
        r->setObjectName(QStringLiteral("Kurventyp%1").arg(i));
        typen_->addButton(r, i);
        typenZeile->addWidget(r);
    }
    typen_->button(0)->setChecked(true);
    rechts->addWidget(Kurventyp, 0, 0, 1, 2);
    Label9 = beschriftung("Label9");
    Label2 = beschriftung("Label2");
    Label8 = beschriftung("Label8");
    strich_edit = feld("strich_edit", "1", false);
    wink_edit = feld("wink_edit", "5", false);
    Delta = feld("Delta", "0.1", false);
    for (auto [l, e] :
         {std::pair(Label9, strich_edit), std::pair(Label2, wink_edit), std::pair(Label8, Delta)}) {
        l->setBuddy(e);
        // The widest label sets the column whichever control is chosen.
        PlatzHalten(l);
        rechts->addWidget(l, 1, 0);
        rechts->addWidget(e, 1, 1);
    }

    Label10 = beschriftung("Label10");
    rechts->addWidget(Label10, 2, 0);
    auto* muster = new QHBoxLayout;
    for (std::size_t i = 0; i < P.size(); ++i) {
        P[i] = new QSpinBox(this);
        P[i]->setObjectName(QStringLiteral("P%1").arg(i + 1));
        P[i]->setRange(0, 9999);
        P[i]->setValue(i == 0 ? 1 : 0);
        muster->addWidget(P[i]);
    }
    Label10->setBuddy(P[0]);
    rechts->addLayout(muster, 2, 1);

    is3d = new QCheckBox(this);
    is3d->setObjectName(QStringLiteral("is3d"));
    rechts->addWidget(is3d, 3, 0);
    Achse = new QCheckBox(this);
    Achse->setObjectName(QStringLiteral("Achse"));
    PlatzHalten(Achse);
    rechts->addWidget(Achse, 3, 1);

    // The file keeps ten characters of each offset.
    x_off = feld("x_off", "0", false);
    x_off->setMaxLength(10);
    y_off = feld("y_off", "0", false);
    y_off->setMaxLength(10);
    Label15 = beschriftung("Label15");
    Label14 = beschriftung("Label14");
    Label15->setBuddy(x_off);
    Label14->setBuddy(y_off);
    rechts->addWidget(Label15, 4, 0);
    rechts->addWidget(x_off, 4, 1);
    rechts->addWidget(Label14, 5, 0);
    rechts->addWidget(y_off, 5, 1);
    rueckwaerts = new QCheckBox(this);
    rueckwaerts->setObjectName(QStringLiteral("rueckwaerts"));
    rechts->addWidget(rueckwaerts, 6, 0, 1, 2);
    rechts->setRowStretch(7, 1);

    Button1 = Schliessknopf(this, "Button1", true);
    Button2 = Schliessknopf(this, "Button2", false);
    aussen->addLayout(Knopfreihe({Button1, Button2}));
}

void TKurvenform::TexteBinden() {
    FenstertitelBinden(this, "sf170");
    const std::pair<QLabel*, const char*> beschriftungen[] = {
        {Label9, "sf171"},
        {Label2, "sf172"},
        {Label8, "sf173"},
        {Label10, "sf174"},
        {Label15, "sf175"},
        {Label14, "sf176"},
        {findChild<QLabel*>(QStringLiteral("xLabel")), "v.Kurvenform.x"},
        {findChild<QLabel*>(QStringLiteral("yLabel")), "v.Kurvenform.y"},
        {zLabel, "v.Kurvenform.z"},
        {findChild<QLabel*>(QStringLiteral("vonLabel")), "v.Kurvenform.t0"},
        {findChild<QLabel*>(QStringLiteral("bisLabel")), "v.Kurvenform.t1"},
        {findChild<QLabel*>(QStringLiteral("n_0Label")), "v.Kurvenform.n0"},
        {findChild<QLabel*>(QStringLiteral("n_1Label")), "v.Kurvenform.n1"},
    };
    for (const auto& [l, schluessel] : beschriftungen)
        TextBinden(l, schluessel);
    const std::pair<QWidget*, const char*> hinweise[] = {
        {is3d, "sf181"},
        {wink_edit, "sf182"},
        {strich_edit, "sf183"},
        {P[0], "sf184"},
        {P[1], "sf185"},
        {P[2], "sf186"},
        {P[3], "sf187"},
        {von, "sf188"},
        {bis, "sf189"},
        {Achse, "sf190"},
        {n_0, "sf192"},
        {n_1, "sf193"},
        {x_off, "sf194"},
        {y_off, "sf195"},
        {x_Edit, "v.Kurvenform.xHinweis"},
        {y_Edit, "v.Kurvenform.yHinweis"},
        {z_Edit, "v.Kurvenform.zHinweis"},
        {Delta, "v.Kurvenform.DeltaHinweis"},
    };
    for (const auto& [w, schluessel] : hinweise)
        HinweisBinden(w, schluessel);
    TextBinden(Kurventyp, "sf177");
    TextBinden(typen_->button(0), "sf178");
    TextBinden(typen_->button(1), "sf179");
    TextBinden(typen_->button(2), "sf180");
    TextBinden(is3d, "v.Kurvenform.3D");
    TextBinden(Achse, "sf191");
    TextBinden(rueckwaerts, "sf197");
    TextBinden(Button1, "sf196");
    TextBinden(Button2, "sf198");
}

void TKurvenform::KurventypClick() {
    const int art = typen_->checkedId();
    Label9->setVisible(art == 0);
    strich_edit->setVisible(art == 0);
    Label2->setVisible(art == 1);
    wink_edit->setVisible(art == 1);
    Label8->setVisible(art == 2);
    Delta->setVisible(art == 2);
}

void TKurvenform::is3dClick() {
    const bool an = is3d->isChecked();
    zLabel->setVisible(an);
    z_Edit->setVisible(an);
    Achse->setVisible(an);
}

void TKurvenform::wink_editExit() {
    double w = 0;
    if (!Zahl(wink_edit, w)) Zurueckweisen(wink_edit);
}

void TKurvenform::KurventypLaenge() {
    if (typen_->checkedId() == vektra::KontrolleRichtung)
        typen_->button(vektra::KontrolleLaenge)->setChecked(true);
}

bool TKurvenform::Pruefen() {
    const int art = typen_->checkedId();
    double zahl = 0;
    if (art == vektra::KontrolleLaenge) {
        if (!Zahl(strich_edit, zahl)) return Zurueckweisen(strich_edit);
        strichlaenge_ = zahl;
    } else if (art == vektra::KontrolleRichtung) {
        if (!Zahl(wink_edit, zahl)) return Zurueckweisen(wink_edit);
        winkeldifferenz_ = zahl * (1.0 / 180) * std::numbers::pi;
    } else {
        if (!Zahl(Delta, zahl)) return Zurueckweisen(Delta);
        deltat_ = zahl;
    }
    kontrollart_ = static_cast<std::int16_t>(art);
    std::int32_t ganz = 0;
    if (!Ganzzahl(x_off, ganz)) return Zurueckweisen(x_off);
    versatzX_ = ganz;
    if (!Ganzzahl(y_off, ganz)) return Zurueckweisen(y_off);
    versatzY_ = ganz;
    for (QSpinBox* p : P)
        p->interpretText();
    return true;
}

void TKurvenform::done(int ergebnis) {
    if (!Pruefen()) return;
    QDialog::done(ergebnis);
}

vektra::Kurvenparameter TKurvenform::Parameter() const {
    vektra::Kurvenparameter p;
    p.xText = x_Edit->text().toStdString();
    p.yText = y_Edit->text().toStdString();
    p.zText = z_Edit->text().toStdString();
    p.t0Text = von->text().toStdString();
    p.t1Text = bis->text().toStdString();
    p.dreiD = is3d->isChecked();
    p.XAchseVorn = Achse->isChecked();
    p.Kontrollart = kontrollart_;
    p.Strichlaenge = strichlaenge_;
    p.Winkeldifferenz = winkeldifferenz_;
    p.Deltat = deltat_;
    return p;
}

vektra::Phasenlaengen TKurvenform::Muster() const {
    return {P[0]->value(), P[1]->value(), P[2]->value(), P[3]->value()};
}

bool TKurvenform::Rueckwaerts() const {
    return rueckwaerts->isChecked();
}

QString TKurvenform::n0Text() const {
    return n_0->text();
}

QString TKurvenform::n1Text() const {
    return n_1->text();
}

void TKurvenform::FelderAusDokument() {
    // Showing the values must not write them back: a byte without a character would change.
    const auto setzen = [](QLineEdit* feld, const std::string& wert) {
        const QSignalBlocker sperre(feld);
        feld->setText(QString::fromStdString(vektra::Cp1252NachUtf8(wert)));
    };
    setzen(x_off, z_.Dialog.x_off);
    setzen(y_off, z_.Dialog.y_off);
}
