#include "main/TForm1.h"

#include "curves/Schrittleiste.h"
#include "curves/TKreisform.h"
#include "curves/TKurvenform.h"
#include "editing/Ablagebefehle.h"
#include "editing/Ansichtsbefehle.h"
#include "editing/Auswahlbefehle.h"
#include "editing/Satzansicht.h"
#include "editing/Stiftbefehle.h"
#include "editing/TClipform.h"
#include "editing/TDrehform.h"
#include "editing/TSkalierform.h"
#include "editing/TTextein.h"
#include "editing/Tastatur.h"
#include "editing/Umformbefehle.h"
#include "editing/Verlaufsbefehle.h"
#include "editing/Werkzeugkasten.h"
#include "files/Dateibefehle.h"
#include "files/Makrobefehle.h"
#include "main/Fensterspeicher.h"
#include "main/TEinstellungen.h"
#include "text/Qtext.h"
#include "text/Sprachladen.h"
#include "text/Textbindung.h"
#include "view/Lineal.h"
#include "view/Maler.h"
#include "view/MyDraw.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent), dateien(std::make_unique<Dateibefehle>(*this)),
      makros(std::make_unique<Makrobefehle>(*this)) {
    setObjectName(QStringLiteral("Form1"));
    // The title a language file gives; the file commands then add the drawing's name.
    FenstertitelBinden(this, "v.Titel");

    auto* mitte = new QWidget(this);
    auto* spalte = new QVBoxLayout(mitte);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(0);
    auto* Panel1 = new QWidget(mitte);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    // Tool bar and status line are cut off in a narrow window rather than widening it.
    Panel1->setMinimumWidth(1);
    spalte->addWidget(Panel1);
    MenuesAnlegen();
    WerkzeugleisteAnlegen(Panel1);
    FlaecheAnlegen(mitte);
    StatuszeileAnlegen(mitte);
    setCentralWidget(mitte);

    maler = std::make_unique<Maler>(Doc, View, *ZF, *PaintBoxv, *PaintBoxh);
    maler->Positionsanzeige = [this](const QString& text) { Panel[1]->setText(text); };
    connect(ZF, &MyDraw::neuZeichnen, this, &TForm1::NeuZeichnenVormerken);
    connect(PaintBoxv, &Lineal::neuZeichnen, this, &TForm1::NeuZeichnenVormerken);
    connect(PaintBoxh, &Lineal::neuZeichnen, this, &TForm1::NeuZeichnenVormerken);
    ZF->installEventFilter(this);

    // Window: the full-screen client area less 100 pixels each way, near the top-left corner.
    const QScreen* schirm = QGuiApplication::primaryScreen();
    const QSize voll = schirm ? schirm->availableGeometry().size() : QSize(800, 600);
    move(18, 20);
    resize(voll.width() - 100, voll.height() - 100);

    DialogeAnlegen();
    WerkzeugeAnlegen();
    ModusSetzen(Modus::Neutral);
    Doc.Geaendert = false;
    Doc.Kopf.aktuelleFarbe = 0;
    Doc.aktuelleBreite = 1;
}

TForm1::~TForm1() = default;

// The dialogs are made once, after the window, and keep their fields between uses.
void TForm1::DialogeAnlegen() {
    Einstellungen = new TEinstellungen(Doc, View, this);
    Textein = new TTextein(*this, this);
    Kreisform = new TKreisform(this);
    Clipform = new TClipform(Doc, this);
    connect(Clipform, &TClipform::geprueft, this, &TForm1::ClipanzeigeSetzen);
    Kurvenform = new TKurvenform(Doc, this);
    Skalierform = new TSkalierform(this);
    Drehform = new TDrehform(this);
    auswahl = std::make_unique<Auswahlbefehle>(*this);
    umformen = std::make_unique<Umformbefehle>(*this, *Skalierform, *Drehform);
    ansichten =
        new Ansichtsbefehle(*this, Ansichtsteile{Gitter1, Zoomgruppe, snapcheck, Snapbox, unzoombutton});
    ablage = std::make_unique<Ablagebefehle>(*this);
    stift = new Stiftbefehle(*this, Label1, Linienbreite);
    auto* verlauf = new Verlaufsbefehle(*this, findChild<QAction*>(QStringLiteral("Rckgngig1")),
                                        findChild<QAction*>(QStringLiteral("Wiederherstellen1")));
    tastatur = new Tastatur(*this, *this, Tastatur::Befehle{*auswahl, *ansichten, *ablage, *stift, *verlauf});
    tastatur->MakrotastenSetzen(makros.get());
    new Satzansicht(*this, *findChild<QMenu*>(QStringLiteral("Ansicht")), *Einstellungen);
}

const QString& TForm1::Makroordner() const {
    return makros->Ordner;
}

void TForm1::MakroordnerSetzen(const QString& ordner) {
    makros->Ordner = ordner;
}

Modus TForm1::AktuellerModus() const {
    return werkzeuge->Aktuell();
}

void TForm1::zeichneneu() {
    neuZeichnenVorgemerkt = false;
    maler->zeichneneu([this] { ModusSetzen(AktuellerModus()); });
    werkzeuge->NachNeuzeichnen();
}

void TForm1::BefehlBeenden(Modus m, bool neuZeichnen) {
    zustand_.ignoriereBewegung = true;
    ModusSetzen(m);
    if (neuZeichnen) zeichneneu();
}

void TForm1::TitelSetzen(const QString& titel) {
    setWindowTitle(titel);
}

void TForm1::StatusSetzen(int feld, const QString& text) {
    if (feld >= 0 && feld < static_cast<int>(Panel.size()))
        Panel[static_cast<std::size_t>(feld)]->setText(text);
}

// One window resize resizes the surface and both rulers; they share one full redraw, run once
// the resizing is over, instead of one each.
void TForm1::NeuZeichnenVormerken() {
    if (neuZeichnenVorgemerkt) return;
    neuZeichnenVorgemerkt = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (neuZeichnenVorgemerkt) zeichneneu();
        },
        Qt::QueuedConnection);
}

void TForm1::Melden(vektra::Meldungsart art, const std::string& text, int) {
    QMessageBox::Icon symbol = QMessageBox::NoIcon;
    switch (art) {
    case vektra::Meldungsart::Information:
        symbol = QMessageBox::Information;
        break;
    case vektra::Meldungsart::Warnung:
        symbol = QMessageBox::Warning;
        break;
    case vektra::Meldungsart::Fehler:
        symbol = QMessageBox::Critical;
        break;
    case vektra::Meldungsart::Schlicht:
        break;
    }
    QMessageBox box(symbol, Tq("v.Anwendungstitel"), QString::fromStdString(text), QMessageBox::Ok, this);
    box.exec();
}

vektra::Antwort TForm1::Fragen(vektra::Meldungsart art, const std::string& text, vektra::Knoepfe knoepfe) {
    QMessageBox::StandardButtons tasten = QMessageBox::Ok;
    if (knoepfe == vektra::Knoepfe::JaNein) tasten = QMessageBox::Yes | QMessageBox::No;
    if (knoepfe == vektra::Knoepfe::JaNeinAbbruch)
        tasten = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    const QMessageBox::Icon symbol = art == vektra::Meldungsart::Warnung  ? QMessageBox::Warning
                                     : art == vektra::Meldungsart::Fehler ? QMessageBox::Critical
                                                                          : QMessageBox::Question;
    QMessageBox box(symbol, Tq("v.Anwendungstitel"), QString::fromStdString(text), tasten, this);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return vektra::Antwort::Ja;
    case QMessageBox::No:
        return vektra::Antwort::Nein;
    case QMessageBox::Cancel:
        return vektra::Antwort::Abbruch;
    default:
        return knoepfe == vektra::Knoepfe::Ok ? vektra::Antwort::Ok : vektra::Antwort::Abbruch;
    }
}

bool TForm1::SpeichernFuerSchliessen() {
    return dateien->Speichern1Click();
}

QString TForm1::Infotext() {
    return Tq("s34") + QLatin1Char(' ') + Tq("v.Version") + QLatin1Char(' ') + Tq("s35") + QLatin1Char(' ') +
           Tq("v.Datum");
}

void TForm1::Info1Click() {
    Melden(vektra::Meldungsart::Information, Infotext().toStdString());
}

// The first showing restores the stored state before the window appears, so a maximised
// window opens maximised.
void TForm1::setVisible(bool sichtbar) {
    if (sichtbar && !gezeigt) {
        gezeigt = true;
        FormShow();
    }
    QMainWindow::setVisible(sichtbar);
}

void TForm1::FormShow() {
    // The status panels show their texts in the file's language too.
    if (SpracheAnwenden(this)) ModusSetzen(AktuellerModus());
    schritte->KontrolleZuruecksetzen();
    ClipanzeigeSetzen();
    Doc.Dateiname.clear();
    Doc.Exportname.clear();
    Doc.Treibername.clear();
    FensterWiederherstellen();
    if (!startdatei_.isEmpty()) dateien->MitDateiStarten(startdatei_);
}

namespace {

// The screen showing most of the rectangle, when some screen shows at least a 50-pixel square
// of it; none when it lies out of reach (a screen was removed).
const QScreen* Bildschirm(const QRect& r) {
    const QScreen* bester = nullptr;
    qint64 flaeche = 0;
    const auto schirme = QGuiApplication::screens();
    for (const QScreen* schirm : schirme) {
        const QRect sichtbar = schirm->availableGeometry().intersected(r);
        if (sichtbar.width() < 50 || sichtbar.height() < 50) continue;
        if (const qint64 f = qint64(sichtbar.width()) * sichtbar.height(); f > flaeche)
            bester = schirm, flaeche = f;
    }
    return bester;
}

// The rectangle made to fit the area: no larger, and moved inside it. A size stored on a screen
// at 100 % is too large for the same screen scaled up.
QRect Eingepasst(QRect r, const QRect& bereich) {
    r.setSize(r.size().boundedTo(bereich.size()));
    r.moveLeft(std::clamp(r.left(), bereich.left(), bereich.right() + 1 - r.width()));
    r.moveTop(std::clamp(r.top(), bereich.top(), bereich.bottom() + 1 - r.height()));
    return r;
}

} // namespace

void TForm1::FensterWiederherstellen() {
    const Fensterspeicher speicher;
    if (!speicher.Vorhanden()) return;
    // A value that cannot be read ends the restoring there; the macro dialogs then start in
    // the program's folder.
    const auto maximiert = speicher.WahrheitLesen(QStringLiteral("Form1_Maximized"));
    if (!maximiert) {
        makros->Ordner = QCoreApplication::applicationDirPath();
        return;
    }
    if (*maximiert) {
        setWindowState(windowState() | Qt::WindowMaximized);
    } else {
        const int oben = speicher.ZahlLesen(QStringLiteral("Form1_Top")).value_or(y());
        const int links = speicher.ZahlLesen(QStringLiteral("Form1_Left")).value_or(x());
        const int hoehe = speicher.ZahlLesen(QStringLiteral("Form1_Height")).value_or(height());
        const int breite = speicher.ZahlLesen(QStringLiteral("Form1_Width")).value_or(width());
        // A place no screen shows any more (a screen was removed) would hide the window; a size
        // or place beyond its screen's area would put parts of it out of reach.
        const QRect gespeichert(links, oben, breite, hoehe);
        if (const QScreen* schirm = Bildschirm(gespeichert)) {
            const QRect lage = Eingepasst(gespeichert, schirm->availableGeometry());
            move(lage.topLeft());
            resize(lage.size());
        }
    }
    makros->Ordner = speicher.TextLesen(QStringLiteral("Macro_Directory"))
                         .value_or(QCoreApplication::applicationDirPath());
}

void TForm1::FensterSpeichern() {
    Fensterspeicher speicher;
    const bool maximiert = isMaximized();
    speicher.Schreiben(QStringLiteral("Form1_Maximized"), maximiert);
    if (!maximiert) {
        speicher.Schreiben(QStringLiteral("Form1_Top"), y());
        speicher.Schreiben(QStringLiteral("Form1_Left"), x());
        speicher.Schreiben(QStringLiteral("Form1_Width"), width());
        speicher.Schreiben(QStringLiteral("Form1_Height"), height());
    }
    speicher.Schreiben(QStringLiteral("Macro_Directory"), makros->Ordner);
}

void TForm1::closeEvent(QCloseEvent* e) {
    bool schliessen = true;
    if (Doc.Geaendert) {
        switch (Fragen(vektra::Meldungsart::Information, vektra::T("s36"), vektra::Knoepfe::JaNeinAbbruch)) {
        case vektra::Antwort::Ja:
            schliessen = SpeichernFuerSchliessen();
            break;
        case vektra::Antwort::Nein:
            break;
        default:
            schliessen = false;
            break;
        }
    }
    FensterSpeichern();
    if (schliessen)
        e->accept();
    else
        e->ignore();
}
