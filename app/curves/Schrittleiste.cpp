#include "curves/Schrittleiste.h"

#include "text/Format.h"
#include "text/Textbindung.h"

#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QSpinBox>

#include <numbers>

Schrittleiste::Schrittleiste(QWidget* eltern, QLayout* zeile) : QObject(eltern), eltern_(eltern) {
    Kontrolle = new QComboBox(eltern);
    Kontrolle->setObjectName(QStringLiteral("Kontrolle"));
    EintraegeBinden(Kontrolle, {"sf36", "sf37", "sf38"});
    connect(Kontrolle, &QComboBox::currentIndexChanged, this, &Schrittleiste::KontrolleChange);
    zeile->addWidget(Kontrolle);

    const auto feld = [&](const char* name, const char* text, double& wert, double faktor) {
        auto* e = new QLineEdit(QString::fromLatin1(text), eltern);
        e->setObjectName(QString::fromLatin1(name));
        e->setFixedWidth(50);
        zeile->addWidget(e);
        connect(e, &QLineEdit::textChanged, this, [this, e, &wert, faktor] { FeldChange(e, wert, faktor); });
        return e;
    };
    Strichlangedit = feld("Strichlangedit", "1.0", werte_.Strichlaenge, 1.0);
    Winkeldiffedit = feld("Winkeldiffedit", "5", werte_.Winkeldifferenz, std::numbers::pi / 180);
    Deltaedit = feld("Deltaedit", "0.1", werte_.Deltat, 1.0);

    constexpr std::array<const char*, 4> hinweise{"sf25", "sf26", "sf27", "sf28"};
    for (std::size_t i = 0; i < P.size(); ++i) {
        P[i] = new QSpinBox(eltern);
        P[i]->setObjectName(QStringLiteral("P%1").arg(i + 1));
        P[i]->setRange(0, 9999);
        P[i]->setValue(i == 0 ? 1 : 0);
        HinweisBinden(P[i], hinweise[i]);
        zeile->addWidget(P[i]);
    }
}

vektra::Schrittwerte Schrittleiste::Werte() const {
    vektra::Schrittwerte w = werte_;
    w.Kontrollart = static_cast<std::int16_t>(std::max(Kontrolle->currentIndex(), 0));
    for (std::size_t i = 0; i < P.size(); ++i)
        w.Muster[i] = P[i]->value();
    return w;
}

void Schrittleiste::Zeigen(bool zeigen) {
    gezeigt_ = zeigen;
    for (QSpinBox* p : P)
        p->setVisible(zeigen);
    Kontrolle->setVisible(zeigen);
    const int art = Kontrolle->currentIndex();
    Strichlangedit->setVisible(zeigen && art == 0);
    Winkeldiffedit->setVisible(zeigen && art == 1);
    Deltaedit->setVisible(zeigen && art == 2);
}

void Schrittleiste::KontrolleZuruecksetzen() {
    Kontrolle->setCurrentIndex(0);
}

void Schrittleiste::KontrolleChange(int) {
    Zeigen(gezeigt_);
}

void Schrittleiste::FeldChange(QLineEdit* feld, double& wert, double faktor) {
    double zahl = 0;
    if (vektra::ZahlLesen(feld->text().toStdString(), zahl)) {
        wert = zahl * faktor;
        return;
    }
    feld->setFocus(Qt::OtherFocusReason);
    feld->selectAll();
}
