// The tool-mode switch and the status panels it writes.
#include "curves/Schrittleiste.h"
#include "editing/TClipform.h"
#include "editing/Werkzeugkasten.h"
#include "main/TForm1.h"
#include "text/Qtext.h"
#include "view/Maler.h"
#include "view/MyDraw.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QStatusBar>

void TForm1::ZaehlerAnzeigen() {
    const int pickzahl = Doc.Elemente.GepickteZahl();
    const int geloescht = Doc.Elemente.GeloeschteZahl();
    Panel[2]->setText(QString::number(Doc.Elemente.Anzahl()) + QLatin1Char(' ') + Tq("s11") +
                      QLatin1String(", ") + QString::number(pickzahl) + QLatin1Char(' ') + Tq("s67") +
                      QLatin1String(", ") + QString::number(geloescht) + QLatin1Char(' ') + Tq("s68"));
}

void TForm1::ClipanzeigeSetzen() {
    Panel[3]->setText(Clipanzeige(Doc.Dialog));
}

void TForm1::WerkzeugeLoesen() {
    // Unchecking needs the group's exclusivity off for a moment.
    Zeichengruppe->setExclusive(false);
    const auto knoepfe = Zeichengruppe->buttons();
    for (QAbstractButton* k : knoepfe)
        k->setChecked(false);
    Zeichengruppe->setExclusive(true);
}

void TForm1::ModusSetzen(Modus m) {
    ZaehlerAnzeigen();
    werkzeuge->Wechseln(m);
    const Modusmerkmale mm = werkzeuge->Fuer(m).Merkmale(m);
    schritte->Zeigen(mm.Strichfelder);

    using S = Modusmerkmale::Stiftart;
    Stift& stift = ZF->Flaeche().Zustand;
    if (mm.Stift == S::Zeichnen) {
        stift.Farbe = Qt::black;
        stift.Breite = Doc.Kopf.PixelBreiteVon(Doc.aktuelleBreite);
        stift.Pinselfarbe = mm.GefuellterPinsel ? Qt::black : Qt::white;
        stift.PinselKlar = false;
        stift.Gepunktet = false;
    } else if (mm.Stift == S::Neutral || mm.Stift == S::Gepunktet) {
        stift.Farbe = Qt::black;
        stift.Breite = 1;
        stift.Pinselfarbe = Qt::white;
        stift.PinselKlar = false;
        stift.Gepunktet = mm.Stift == S::Gepunktet;
    }

    if (mm.Statustext) Panel[0]->setText(*mm.Statustext ? Tq(mm.Statustext) : QStringLiteral(" "));
    if (mm.Kreisgrenze > 0) zustand_.Kreisgrenze = mm.Kreisgrenze;
    if (mm.KnoepfeLoesen) WerkzeugeLoesen();
    if (mm.Zeiger != Modusmerkmale::Zeigerart::Unveraendert)
        ZF->setCursor(mm.Zeiger == Modusmerkmale::Zeigerart::Kreuz ? Qt::BlankCursor : Qt::ArrowCursor);

    // Entering a drawing mode starts the cross afresh. A cross still on the surface is taken
    // off rather than only forgotten, so none is left behind after a redraw.
    if (mm.KreuzNeu || mm.KreuzWeg) maler->FadenkreuzLoeschen();
    if (mm.KreuzNeu) zustand_.letzteKreuzposition = QPoint(-10000, -10000);
}

bool TForm1::eventFilter(QObject* objekt, QEvent* e) {
    // Without a pressed button no move reports the pointer leaving the surface; take the
    // cross off when it goes.
    if (objekt == ZF && e->type() == QEvent::Leave && !maler->zeichnetGerade) maler->FadenkreuzLoeschen();
    if (objekt == StatusBar1 && e->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(e)->position().x() > 360) {
        Clip1Click(*this, *Clipform);
        return true;
    }
    return QMainWindow::eventFilter(objekt, e);
}
