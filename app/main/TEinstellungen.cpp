#include "main/TEinstellungen.h"

#include "main/Dialogbau.h"
#include "model/Zeichnung.h"
#include "text/Cp1252.h"
#include "text/Format.h"
#include "text/Textbindung.h"
#include "text/Texte.h"
#include "view/Ansicht.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <charconv>
#include <limits>

namespace {

QString AusCp1252(const std::string& bytes) {
    return QString::fromStdString(vektra::Cp1252NachUtf8(bytes));
}

std::string NachCp1252(const QString& text) {
    return vektra::Utf8NachCp1252(text.toStdString());
}

// Shortest decimal form that reads back as the same value, with ".".
QString Kurz(double wert) {
    char puffer[32];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, wert);
    return fehler == std::errc{} ? QString::fromLatin1(puffer, static_cast<int>(ende - puffer)) : QString();
}

bool GanzLesen(const QLineEdit* feld, std::int32_t& wert) {
    long long w = 0;
    if (!vektra::GanzzahlLesen(feld->text().toStdString(), w)) return false;
    if (w < std::numeric_limits<std::int32_t>::min() || w > std::numeric_limits<std::int32_t>::max())
        return false;
    wert = static_cast<std::int32_t>(w);
    return true;
}

bool DezimalLesen(const QLineEdit* feld, double& wert) {
    return vektra::ZahlLesen(feld->text().toStdString(), wert);
}

// The field that did not parse keeps the focus with its whole text selected.
bool Zurueckweisen(QLineEdit* feld) {
    feld->setFocus(Qt::OtherFocusReason);
    feld->selectAll();
    return false;
}

QSpinBox* Aufab(QWidget* eltern, const char* name, int von, int bis) {
    auto* s = new QSpinBox(eltern);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(von, bis);
    s->setMaximumWidth(90);
    return s;
}

// Labels and the text keys of their captions.
struct Beschriftungsschluessel {
    const char* name;
    const char* schluessel;
};
constexpr Beschriftungsschluessel Beschriftungen[] = {
    {"Label5", "sf111"},  {"Label6", "sf112"},  {"Label7", "sf113"},  {"Label4", "sf114"},
    {"Label1", "sf115"},  {"Label3", "sf116"},  {"Label2", "sf117"},  {"Label8", "sf136"},
    {"Label9", "sf118"},  {"Label10", "sf119"}, {"Label11", "sf120"}, {"Label12", "sf121"},
    {"Label13", "sf123"}, {"Label14", "sf124"}, {"Label15", "sf125"}, {"Label16", "sf126"},
    {"Label17", "sf127"}, {"Label18", "sf128"}, {"Label19", "sf129"}, {"Label20", "sf130"},
};

} // namespace

TEinstellungen::TEinstellungen(vektra::Zeichnung& z, vektra::Ansicht& ansicht, QWidget* parent)
    : QDialog(parent), z_(z), ansicht_(ansicht) {
    setObjectName(QStringLiteral("Einstellungen"));
    setModal(true);
    setLocale(QLocale::c());
    Aufbauen();
    TexteBinden();

    // The dialog's initial contents.
    pickedit_->setValue(10);
    nullx_->setText(QString::number(vektra::StartNullX));
    nully_->setText(QString::number(vektra::StartNullY));
    massstab_->setText(QStringLiteral("10"));
    textanzeige_->button(1)->setChecked(true);
    FelderAusDokument();
    Verbinden();
}

void TEinstellungen::Aufbauen() {
    auto* aussen = new QVBoxLayout(this);
    auto* oben = new QHBoxLayout;
    aussen->addLayout(oben);

    // Line widths: screen pixels and TeX points per class, then the unit length.
    auto* breiten = new QGridLayout;
    oben->addLayout(breiten);
    breiten->addWidget(Beschriftung(this, "Label4"), 0, 0);
    breiten->addWidget(Beschriftung(this, "Label1"), 0, 1);
    breiten->addWidget(Beschriftung(this, "Label12"), 0, 2);
    breiten->addWidget(Beschriftung(this, "Label3"), 1, 1);
    breiten->addWidget(Beschriftung(this, "Label13"), 1, 2);
    const char* klassen[] = {"Label2", "Label9", "Label10", "Label11"};
    const char* pixelNamen[] = {"Linieunsichtbar", "Linieduenn", "Liniestandard", "Liniedick"};
    const char* texNamen[] = {"Edit2", "TeX_duenn", "TeX_normal", "TeX_dick"};
    for (int i = 0; i < 4; ++i) {
        const auto k = static_cast<std::size_t>(i);
        breiten->addWidget(Beschriftung(this, klassen[i]), 2 + i, 0);
        linie_[k] = Aufab(this, pixelNamen[i], 0, 100);
        breiten->addWidget(linie_[k], 2 + i, 1);
        texBreite_[k] = Feld(this, texNamen[i]);
        breiten->addWidget(texBreite_[k], 2 + i, 2);
    }
    breiten->addWidget(Beschriftung(this, "Label14"), 6, 0);
    unitlength_ = Feld(this, "Unitlength");
    breiten->addWidget(unitlength_, 6, 1);
    breiten->addWidget(Beschriftung(this, "Label15"), 6, 2);
    breiten->setRowStretch(7, 1);

    oben->addSpacing(16);

    // Picking, origin, arrowheads, the curve tools' scale and step values.
    auto* rechts = new QGridLayout;
    oben->addLayout(rechts);
    const auto zeile = [&](int reihe, const char* label, QWidget* feld) {
        rechts->addWidget(Beschriftung(this, label), reihe, 0);
        rechts->addWidget(feld, reihe, 1);
    };
    pickedit_ = Aufab(this, "pickedit", 1, 100);
    zeile(0, "Label5", pickedit_);
    nullx_ = Feld(this, "nullx_edit");
    zeile(1, "Label6", nullx_);
    nully_ = Feld(this, "nully_edit");
    zeile(2, "Label7", nully_);
    pWink_ = Feld(this, "p_wink");
    zeile(3, "Label16", pWink_);
    pLaenge_ = Feld(this, "p_laenge");
    zeile(4, "Label17", pLaenge_);
    massstab_ = Feld(this, "Massstabedit");
    zeile(5, "Label18", massstab_);
    rechts->addWidget(Beschriftung(this, "Label19"), 6, 0, 1, 2);
    startschritt_ = Feld(this, "Startschritt");
    zeile(7, "Label20", startschritt_);
    schrittfaktor_ = Feld(this, "Schrittfaktor");
    zeile(8, "Label8", schrittfaktor_);

    auto* unten = new QHBoxLayout;
    aussen->addLayout(unten);
    auto* gruppe = new QGroupBox(this);
    gruppe->setObjectName(QStringLiteral("Textanzeige"));
    auto* knoepfe = new QHBoxLayout(gruppe);
    textanzeige_ = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        auto* r = new QRadioButton(gruppe);
        r->setObjectName(QStringLiteral("Textanzeige%1").arg(i));
        knoepfe->addWidget(r);
        textanzeige_->addButton(r, i);
    }
    unten->addWidget(gruppe, 1);
    fertig_ = Schliessknopf(this, "SpeedButton1", true);
    unten->addWidget(fertig_, 0, Qt::AlignBottom);

    aussen->addWidget(Beschriftung(this, "LabelPraeambel"));
    praeambel_ = new QPlainTextEdit(this);
    praeambel_->setObjectName(QStringLiteral("Praeambel"));
    praeambel_->setTabChangesFocus(true);
    praeambel_->setFixedHeight(praeambel_->fontMetrics().lineSpacing() * 4 + 12);
    aussen->addWidget(praeambel_);
}

QString TEinstellungen::Praeambel() const {
    return praeambel_->toPlainText();
}

void TEinstellungen::PraeambelZeigen(const QString& praeambel) {
    praeambel_->setPlainText(praeambel);
}

// The fields that are the document's dialog values write through as they are edited.
void TEinstellungen::Verbinden() {
    for (std::size_t i = 0; i < 4; ++i) {
        connect(texBreite_[i], &QLineEdit::textChanged, this,
                [this, i](const QString& t) { z_.Dialog.TeXBreite[i] = NachCp1252(t); });
        connect(linie_[i], &QSpinBox::valueChanged, this,
                [this, i](int w) { z_.Dialog.PixelBreiteDialog[i] = static_cast<std::int16_t>(w); });
    }
    connect(unitlength_, &QLineEdit::textChanged, this,
            [this](const QString& t) { z_.Dialog.Unitlength = NachCp1252(t); });
    connect(startschritt_, &QLineEdit::textChanged, this,
            [this](const QString& t) { z_.Dialog.Startschritt = NachCp1252(t); });
    connect(schrittfaktor_, &QLineEdit::textChanged, this,
            [this](const QString& t) { z_.Dialog.Schrittfaktor = NachCp1252(t); });
}

void TEinstellungen::TexteBinden() {
    FenstertitelBinden(this, "sf110");
    for (const auto& b : Beschriftungen)
        if (auto* l = findChild<QLabel*>(QString::fromLatin1(b.name))) TextBinden(l, b.schluessel);
    TextBinden(findChild<QGroupBox*>(QStringLiteral("Textanzeige")), "sf131");
    const char* eintraege[] = {"sf132", "sf133", "sf134", "sf135"};
    for (int i = 0; i < 4; ++i)
        TextBinden(textanzeige_->button(i), eintraege[i]);
    TextBinden(fertig_, "sf122");
    TextBinden(findChild<QLabel*>(QStringLiteral("LabelPraeambel")), "v.Praeambel");
}

void TEinstellungen::Fuellen() {
    const vektra::Kopfsatz& k = z_.Kopf;
    // A value out of range (from a damaged file) checks no entry and is then kept as it is.
    textanzeige_->setExclusive(false);
    for (auto* b : textanzeige_->buttons())
        b->setChecked(textanzeige_->id(b) == k.Textanzeige);
    textanzeige_->setExclusive(true);
    Angleichen();
    pickedit_->setValue(k.Pickabstand);
    nullx_->setText(QString::number(ansicht_.NullX));
    nully_->setText(QString::number(ansicht_.NullY));
    pWink_->setText(Kurz(k.Pfeilwinkel));
    pLaenge_->setText(Kurz(k.Pfeillaenge));
    massstab_->setText(QString::number(k.Massstab));
}

void TEinstellungen::Angleichen() {
    vektra::Kopfsatz& k = z_.Kopf;
    // The up-downs show the live widths, and their positions are what a save writes.
    for (std::size_t i = 0; i < 4; ++i) {
        linie_[i]->setValue(k.PixelBreite[i]);
        z_.Dialog.PixelBreiteDialog[i] = static_cast<std::int16_t>(linie_[i]->value());
    }
    // The step values are 0 until the dialog first closes, which takes the fields' values.
    double zahl = 0;
    if (k.Startschritt == 0 && DezimalLesen(startschritt_, zahl)) k.Startschritt = zahl;
    if (k.Schrittfaktor == 0 && DezimalLesen(schrittfaktor_, zahl)) k.Schrittfaktor = zahl;
}

void TEinstellungen::FelderAusDokument() {
    const vektra::Dialogwerte& d = z_.Dialog;
    // Showing the values must not write them back: a byte without a character would change.
    const auto setzen = [](QLineEdit* feld, const std::string& wert) {
        const QSignalBlocker sperre(feld);
        feld->setText(AusCp1252(wert));
    };
    for (std::size_t i = 0; i < 4; ++i) {
        setzen(texBreite_[i], d.TeXBreite[i]);
        const QSignalBlocker sperre(linie_[i]);
        linie_[i]->setValue(d.PixelBreiteDialog[i]);
    }
    setzen(unitlength_, d.Unitlength);
    setzen(startschritt_, d.Startschritt);
    setzen(schrittfaktor_, d.Schrittfaktor);
}

bool TEinstellungen::Pruefen() {
    vektra::Kopfsatz& k = z_.Kopf;
    std::int32_t ganz = 0;
    double zahl = 0;
    if (!GanzLesen(nullx_, ganz)) return Zurueckweisen(nullx_);
    ansicht_.NullX = ganz;
    if (!GanzLesen(nully_, ganz)) return Zurueckweisen(nully_);
    ansicht_.NullY = ganz;
    if (!GanzLesen(massstab_, ganz)) return Zurueckweisen(massstab_);
    k.Massstab = ganz;
    if (!DezimalLesen(pWink_, zahl)) return Zurueckweisen(pWink_);
    k.Pfeilwinkel = zahl;
    if (!DezimalLesen(pLaenge_, zahl)) return Zurueckweisen(pLaenge_);
    k.Pfeillaenge = zahl;
    if (!DezimalLesen(startschritt_, zahl)) return Zurueckweisen(startschritt_);
    k.Startschritt = zahl;
    if (!DezimalLesen(schrittfaktor_, zahl)) return Zurueckweisen(schrittfaktor_);
    k.Schrittfaktor = zahl;

    if (textanzeige_->checkedId() >= 0) k.Textanzeige = static_cast<std::int16_t>(textanzeige_->checkedId());
    for (std::size_t i = 0; i < 4; ++i) {
        linie_[i]->interpretText();
        k.PixelBreite[i] = static_cast<std::int16_t>(linie_[i]->value());
    }
    pickedit_->interpretText();
    k.Pickabstand = static_cast<std::int16_t>(pickedit_->value());
    return true;
}

void TEinstellungen::done(int ergebnis) {
    if (!Pruefen()) return;
    QDialog::done(ergebnis);
}

void TEinstellungen::showEvent(QShowEvent* e) {
    if (!e->spontaneous()) Fuellen();
    QDialog::showEvent(e);
}
