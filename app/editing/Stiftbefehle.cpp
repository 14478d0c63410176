#include "editing/Stiftbefehle.h"

#include "editing/Aendern.h"
#include "editing/Interaktion.h"
#include "main/Fensterdienste.h"
#include "model/Zeichnung.h"
#include "text/Texte.h"
#include "view/Maler.h"
#include "view/MyDraw.h"

#include <QComboBox>
#include <QLabel>
#include <QMouseEvent>

Stiftbefehle::Stiftbefehle(Fensterdienste& fenster, QLabel* Label1, QComboBox* Linienbreite)
    : QObject(Label1), f_(fenster), Label1_(Label1), Linienbreite_(Linienbreite) {
    Label1_->installEventFilter(this);
}

bool Stiftbefehle::eventFilter(QObject* objekt, QEvent* e) {
    if (objekt == Label1_ && e->type() == QEvent::MouseButtonRelease) {
        const auto* m = static_cast<QMouseEvent*>(e);
        if (m->button() == Qt::LeftButton && Label1_->rect().contains(m->position().toPoint())) {
            Label1Click();
            return true;
        }
    }
    return QObject::eventFilter(objekt, e);
}

void Stiftbefehle::FarbeAnzeigen() {
    QPalette p = Label1_->palette();
    p.setColor(QPalette::Window, Bildfarbe(f_.Dokument().Kopf.aktuelleFarbe));
    Label1_->setPalette(p);
}

void Stiftbefehle::Label1Click() {
    vektra::Zeichnung& z = f_.Dokument();
    if (const auto gewaehlt = f_.FarbeWaehlen(dialogfarbe_)) {
        // Only the 8-bit channels count, so swatch, elements and file agree exactly.
        z.Kopf.aktuelleFarbe = Farbwert(*gewaehlt);
        dialogfarbe_ = Bildfarbe(z.Kopf.aktuelleFarbe);
        FarbeAnzeigen();
        if (z.Elemente.GepickteZahl() > 0 && f_.Fragen(vektra::Meldungsart::Information, vektra::T("s48"),
                                                       vektra::Knoepfe::JaNein) == vektra::Antwort::Ja) {
            vektra::Umfaerben(z, z.Kopf.aktuelleFarbe);
            f_.Flaeche().setFocus(Qt::OtherFocusReason);
            f_.zeichneneu();
        }
    }
    Stift& stift = f_.Flaeche().Flaeche().Zustand;
    stift.Farbe = dialogfarbe_;
    stift.Pinselfarbe = dialogfarbe_;
}

void Stiftbefehle::LinienbreiteChange(int eintrag) {
    if (eintrag < 0 || eintrag > 3) return;
    vektra::Zeichnung& z = f_.Dokument();
    const int gepickt = z.Elemente.GepickteZahl();
    z.aktuelleBreite = static_cast<std::int16_t>(eintrag - 1);
    f_.Flaeche().Flaeche().Zustand.Breite = z.Kopf.PixelBreiteVon(z.aktuelleBreite);
    f_.Painter().FadenkreuzLoeschen();
    f_.Zustand().ignoriereBewegung = true;
    if (gepickt == 0 || f_.Fragen(vektra::Meldungsart::Information, vektra::T("s33"),
                                  vektra::Knoepfe::JaNein) != vektra::Antwort::Ja)
        return;
    f_.ModusSetzen(f_.AktuellerModus());
    if (vektra::BreiteAendern(z, z.aktuelleBreite)) f_.zeichneneu();
}

void Stiftbefehle::BreiteWaehlen(int eintrag) {
    Linienbreite_->setCurrentIndex(eintrag);
    LinienbreiteChange(eintrag);
}
