// The tool-mode switch, the status panels it writes, and the cross tracking of the drawing modes.
#include "main/TForm1.h"
#include "text/Qtext.h"
#include "view/Maler.h"
#include "view/MyDraw.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSpinBox>

namespace {

bool einesVon(int m, std::initializer_list<int> liste) {
    for (int x : liste)
        if (x == m) return true;
    return false;
}

// Status text of a mode, or nullptr where the mode leaves panel 0 as it is.
const char* Modustext(int m) {
    switch (m) {
    case 0:
        return "s12";
    case 1:
        return "s18";
    case 2:
        return "s16";
    case 3:
        return "s15";
    case 4:
        return "s19";
    case 7:
        return "s21";
    case 10:
        return "s22";
    case 12:
    case 13:
        return "s66";
    case 15:
        return "s14";
    case 16:
        return "s12";
    case 17:
        return "s17";
    case 18:
        return "s24";
    case 19:
        return "s25";
    case 21:
        return "s26";
    case 22:
        return "s13";
    default:
        return nullptr;
    }
}

} // namespace

void TForm1::ZaehlerAnzeigen() {
    Pickzahl = Doc.Elemente.GepickteZahl();
    const int geloescht = Doc.Elemente.GeloeschteZahl();
    Panel[2]->setText(QString::number(Doc.Elemente.Anzahl()) + QLatin1Char(' ') + Tq("s11") +
                      QLatin1String(", ") + QString::number(Pickzahl) + QLatin1Char(' ') + Tq("s67") +
                      QLatin1String(", ") + QString::number(geloescht) + QLatin1Char(' ') + Tq("s68"));
}

void TForm1::ClipanzeigeSetzen() {
    const auto& d = Doc.Dialog;
    Panel[3]->setText(
        d.Clipaktiv ? Tq("s59", {static_cast<long long>(d.ClipUnten), static_cast<long long>(d.ClipOben),
                                 static_cast<long long>(d.ClipLinks), static_cast<long long>(d.ClipRechts)})
                    : Tq("s60"));
}

void TForm1::WerkzeugeLoesen() {
    // Unchecking needs the group's exclusivity off for a moment.
    Zeichengruppe->setExclusive(false);
    const auto knoepfe = Zeichengruppe->buttons();
    for (QAbstractButton* k : knoepfe)
        k->setChecked(false);
    Zeichengruppe->setExclusive(true);
}

void TForm1::Strichfelder(bool zeigen) {
    for (QSpinBox* p : P)
        p->setVisible(zeigen);
    Kontrolle->setVisible(zeigen);
    const int art = Kontrolle->currentIndex();
    Strichlangedit->setVisible(zeigen && art == 0);
    Winkeldiffedit->setVisible(zeigen && art == 1);
    Deltaedit->setVisible(zeigen && art == 2);
}

// The three step fields share one place: only the one of the chosen step control shows.
void TForm1::KontrolleChange(int) {
    Strichfelder(Kontrolle->isVisibleTo(this));
}

void TForm1::ZeigerSetzen(bool eigenesKreuzAn) {
    eigenesKreuz = eigenesKreuzAn;
    ZF->setCursor(eigenesKreuzAn ? Qt::BlankCursor : Qt::ArrowCursor);
}

void TForm1::ModusSetzen(int m) {
    ZaehlerAnzeigen();
    Modus = static_cast<std::uint8_t>(m);
    Strichfelder(einesVon(m, {15, 16, 17, 22}));

    Stift& stift = ZF->Flaeche().Zustand;
    if (einesVon(m, {0, 1, 2, 3, 15, 16, 17, 22})) {
        stift.Farbe = Qt::black;
        stift.Breite = Doc.Kopf.PixelBreiteVon(Doc.aktuelleBreite);
        stift.Pinselfarbe = m == 3 ? Qt::black : Qt::white;
        stift.PinselKlar = false;
    }
    if (einesVon(m, {4, 7, 13, 18, 19})) {
        stift.Farbe = Qt::black;
        stift.Breite = 1;
        stift.Pinselfarbe = Qt::white;
        stift.PinselKlar = false;
    }

    if (const char* text = Modustext(m)) Panel[0]->setText(Tq(text));
    if (m == 6) Panel[0]->setText(QStringLiteral(" "));

    if (m == 2) Kreisgrenze = 6;
    if (m == 3) Kreisgrenze = 3;
    if (m == 17) Kreisgrenze = 10000;

    if (einesVon(m, {4, 6, 10, 18, 19, 21})) WerkzeugeLoesen();

    if (einesVon(m, {0, 1, 2, 3, 10, 12, 13, 15, 16, 17, 22})) ZeigerSetzen(true);
    if (einesVon(m, {4, 6, 18, 19, 21})) ZeigerSetzen(false);

    // Entering a drawing mode starts the cross afresh. A cross still on the surface is taken
    // off rather than only forgotten, so none is left behind after a redraw.
    if (einesVon(m, {0, 1, 2, 3, 12, 13, 15, 16, 17, 22})) {
        maler->FadenkreuzLoeschen();
        letzteKreuzposition = QPoint(-10000, -10000);
    }
    if (m == 4) maler->FadenkreuzLoeschen();
    if (m == 6) {
        if (QWidget::mouseGrabber() == ZF) ZF->releaseMouse();
        maler->FadenkreuzLoeschen();
    }

    if (m == 18 || m == 19) stift.Gepunktet = true;

    if (einesVon(m, {0, 1, 2, 3, 4, 10, 13, 15, 16, 17, 19, 21, 22})) Doc.Geaendert = true;
}

bool TForm1::KreuzVerfolgen(QPoint pixel) {
    if (!maler->bereit) return false;
    if (ignoriereBewegung) {
        ignoriereBewegung = false;
        return false;
    }
    const MyDraw& flaeche = *ZF;
    if (pixel.x() < 0 || pixel.y() < 0 || pixel.x() >= flaeche.width() || pixel.y() >= flaeche.height()) {
        maler->FadenkreuzLoeschen();
        return false;
    }
    View.Hoehe = flaeche.height();
    const QPoint schnapp(View.SnapPixelX(pixel.x()), View.SnapPixelY(pixel.y()));
    if (schnapp != letzteKreuzposition || !maler->FadenkreuzGezeigt()) {
        maler->FadenkreuzZeichnen(schnapp);
        letzteKreuzposition = schnapp;
    }
    return true;
}

bool TForm1::eventFilter(QObject* objekt, QEvent* e) {
    // Without a pressed button no move reports the pointer leaving the surface; take the
    // cross off when it goes.
    if (objekt == ZF && e->type() == QEvent::Leave && !zeichnetGerade) maler->FadenkreuzLoeschen();
    return QMainWindow::eventFilter(objekt, e);
}

void TForm1::BoxMouseMove(QMouseEvent* e) {
    if (zeichnetGerade) return;
    if (einesVon(Modus, {0, 1, 2, 3, 10, 12, 13, 15, 16, 17, 22})) KreuzVerfolgen(e->position().toPoint());
}
