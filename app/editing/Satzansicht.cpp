#include "editing/Satzansicht.h"

#include "main/Fensterdienste.h"
#include "main/Fensterspeicher.h"
#include "main/TEinstellungen.h"
#include "model/Zeichnung.h"
#include "text/Cp1252.h"
#include "text/Textbindung.h"
#include "view/Ansicht.h"
#include "view/Maler.h"
#include "view/MyDraw.h"
#include "view/Textsatz.h"

#include <QAction>
#include <QDir>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QStandardPaths>
#include <QTimer>
#include <QToolTip>

namespace {

const QString Schalterwert = QStringLiteral("Texte_gesetzt");
const QString Praeambelwert = QStringLiteral("Praeambel");

QString Standardpraeambel() {
    return QString::fromStdString(vektra::Cp1252NachUtf8(vektra::StandardPraeambel));
}

} // namespace

Satzansicht::Satzansicht(Fensterdienste& fenster, QMenu& ansicht, TEinstellungen& einstellungen)
    : QObject(&fenster.Flaeche()), f_(fenster), einstellungen_(einstellungen),
      satz_(new Textsatz(fenster.Dokument(), fenster.Sicht(),
                         QDir(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
                             .filePath(QStringLiteral("Vektra32/textsatz")),
                         this)) {
    const Fensterspeicher speicher;
    schalter_ = ansicht.addAction(QString());
    schalter_->setObjectName(QStringLiteral("TexteGesetzt1"));
    TextBinden(schalter_, "v.TexteGesetzt");
    schalter_->setCheckable(true);
    schalter_->setChecked(speicher.WahrheitLesen(Schalterwert).value_or(false));
    satz_->Einschalten(schalter_->isChecked());
    einstellungen_.PraeambelZeigen(speicher.TextLesen(Praeambelwert).value_or(Standardpraeambel()));
    satz_->PraeambelSetzen(einstellungen_.Praeambel());
    f_.Painter().Satz = satz_;

    connect(schalter_, &QAction::toggled, this, &Satzansicht::Umschalten);
    connect(&einstellungen_, &QDialog::finished, this, &Satzansicht::PraeambelUebernehmen);
    connect(satz_, &Textsatz::neuGesetzt, this, &Satzansicht::Zeigen);
    connect(satz_, &Textsatz::ohneTeX, this, [this](const QString& meldung) {
        f_.Melden(vektra::Meldungsart::Information, meldung.toStdString());
        f_.zeichneneu();
    });
    f_.Flaeche().installEventFilter(this);
}

void Satzansicht::Umschalten(bool an) {
    Fensterspeicher().Schreiben(Schalterwert, an);
    satz_->Einschalten(an);
    f_.zeichneneu();
}

void Satzansicht::PraeambelUebernehmen() {
    const QString praeambel = einstellungen_.Praeambel();
    Fensterspeicher speicher;
    if (speicher.TextLesen(Praeambelwert).value_or(Standardpraeambel()) != praeambel)
        speicher.Schreiben(Praeambelwert, praeambel);
    satz_->PraeambelSetzen(praeambel);
}

void Satzansicht::Zeigen() {
    if (QGuiApplication::mouseButtons() != Qt::NoButton || f_.Painter().XorModus) {
        QTimer::singleShot(100, this, &Satzansicht::Zeigen);
        return;
    }
    f_.zeichneneu();
}

QString Satzansicht::FehlerBei(QPoint pixel) const {
    const vektra::Zeichnung& z = f_.Dokument();
    const vektra::Ansicht& a = f_.Sicht();
    const Leinwand& l = f_.Flaeche().Flaeche();
    // The plain text as the painter writes it, and the pick distance around it.
    for (int i = z.Elemente.Anzahl(); i >= 1; --i) {
        const vektra::TElement& e = z.Elemente[i];
        if (e.Art != vektra::Text || e.geloescht) continue;
        const QString fehler = satz_->Fehler(e);
        if (fehler.isEmpty()) continue;
        const QSize masse = l.TextExtent(QString::fromStdString(vektra::Cp1252NachUtf8(e.Text)));
        const vektra::Textversatz v = vektra::TextversatzFuer(e.Ausrichtung, masse.width(), masse.height());
        const int rand = z.Kopf.Pickabstand;
        const QRect text(a.XNachPixel(e.x1) - static_cast<int>(v.dx),
                         a.YNachPixel(e.y1) - static_cast<int>(v.dy), masse.width(), masse.height());
        if (text.adjusted(-rand, -rand, rand, rand).contains(pixel)) return fehler;
    }
    return {};
}

bool Satzansicht::eventFilter(QObject* objekt, QEvent* e) {
    if (e->type() != QEvent::ToolTip) return QObject::eventFilter(objekt, e);
    const auto* hilfe = static_cast<QHelpEvent*>(e);
    const QString fehler = FehlerBei(hilfe->pos());
    if (fehler.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(hilfe->globalPos(), fehler, &f_.Flaeche());
    return true;
}
