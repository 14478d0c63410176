// Building the main window: menu bar, tool bar, drawing surface with rulers, status line.
#include "curves/Kurvenbefehl.h"
#include "curves/Schrittleiste.h"
#include "editing/Ablagebefehle.h"
#include "editing/Ansichtsbefehle.h"
#include "editing/Auswahlbefehle.h"
#include "editing/Stiftbefehle.h"
#include "editing/TClipform.h"
#include "editing/Umformbefehle.h"
#include "files/Dateibefehle.h"
#include "files/Makrobefehle.h"
#include "main/Symbole.h"
#include "main/TForm1.h"
#include "text/Qtext.h"
#include "text/Textbindung.h"
#include "view/Lineal.h"
#include "view/Maler.h"
#include "view/MyDraw.h"

#include <QAction>
#include <QActionGroup>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int Linealbreite = 34;
constexpr int Linealhoehe = 18;
constexpr std::array<int, 4> Panelbreiten{200, 80, 240, 80};

QAction* Eintrag(QMenu* menue, const char* name, const char* schluessel) {
    QAction* a = menue->addAction(QString());
    TextBinden(a, schluessel);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

QFrame* Trenner(QWidget* eltern) {
    auto* f = new QFrame(eltern);
    f->setFrameShape(QFrame::VLine);
    f->setFrameShadow(QFrame::Sunken);
    return f;
}

} // namespace

void TForm1::MenuesAnlegen() {
    QMenuBar* leiste = menuBar();

    QMenu* File1 = leiste->addMenu(QString());
    TextBinden(File1, "sm1");
    File1->setObjectName(QStringLiteral("File1"));
    const auto befehl = [&](const char* name, const char* schluessel, auto tun) {
        connect(Eintrag(File1, name, schluessel), &QAction::triggered, this, tun);
    };
    befehl("New1", "sm2", [this] { dateien->New1Click(); });
    befehl("Open1", "sm3", [this] { dateien->Open1Click(); });
    befehl("PicVkp1", "sm4", [this] { dateien->ImportClick(); });
    befehl("Speichern1", "sm5", [this] { dateien->Speichern1Click(); });
    befehl("Speichernunter1", "sm6", [this] { dateien->Speichernunter1Click(); });
    File1->addSeparator();
    befehl("Vkxexp1", "sm7", [this] { dateien->Exportieren(0); });
    befehl("Vkxexpals", "sm8", [this] { dateien->ExportierenUnter(0); });
    befehl("VkpPsExport1", "sm9", [this] { dateien->Exportieren(1); });
    befehl("VkpPsExportals1", "sm42", [this] { dateien->ExportierenUnter(1); });
    befehl("TikzExportals1", "v.MenueTikzExport", [this] { dateien->ExportierenUnter(2); });
    File1->addSeparator();
    befehl("macroladen1", "sm40", [this] { makros->macroladen1Click(); });
    befehl("Macrospeichern1", "sm41", [this] { makros->macrospeichern1Click(); });
    File1->addSeparator();
    connect(Eintrag(File1, "Exit1", "v.Exit"), &QAction::triggered, this, &QWidget::close);

    QMenu* Bearbeiten2 = leiste->addMenu(QString());
    TextBinden(Bearbeiten2, "sm10");
    Bearbeiten2->setObjectName(QStringLiteral("Bearbeiten2"));
    const auto bearbeiten = [&](const char* name, const char* schluessel, auto tun) {
        connect(Eintrag(Bearbeiten2, name, schluessel), &QAction::triggered, this, tun);
    };
    bearbeiten("Bearbeiten1", "sm11", [this] { ablage->kopieren(); });
    bearbeiten("AusschneidenStrgX1", "sm12", [this] { ablage->ausschneiden(); });
    bearbeiten("EinfgenStrgV1", "sm13", [this] { ablage->einfuegen(); });
    bearbeiten("Skalieren1", "sm14", [this] { umformen->Skalieren1Click(); });
    bearbeiten("Aufrumen1", "sm15", [this] { auswahl->Aufrumen1Click(); });
    bearbeiten("Drehen1", "sm30", [this] { umformen->Drehen1Click(); });
    // Undo and redo take their clicks from the history's commands.
    Eintrag(Bearbeiten2, "Rckgngig1", "sm31");
    Eintrag(Bearbeiten2, "Wiederherstellen1", "v.Wiederherstellen1");

    QMenu* Ansicht = leiste->addMenu(QString());
    TextBinden(Ansicht, "sm16");
    Ansicht->setObjectName(QStringLiteral("Ansicht"));
    Gitter1 = Eintrag(Ansicht, "Gitter1", "sm17");
    Gitter1->setCheckable(true);
    Gitter1->setChecked(true);
    connect(Gitter1, &QAction::triggered, this, [this] { ansichten->Gitter1Click(); });
    Eintrag(Ansicht, "Protokoll", "sm18")->setVisible(false);
    connect(Eintrag(Ansicht, "Ansicht1", "sm19"), &QAction::triggered, this, &TForm1::einstellungenclick);

    QAction* Clip1 = leiste->addAction(QString());
    TextBinden(Clip1, "sm20");
    Clip1->setObjectName(QStringLiteral("Clip1"));
    connect(Clip1, &QAction::triggered, this, [this] { Clip1Click(*this, *Clipform); });

    QMenu* Zoom1 = leiste->addMenu(QString());
    TextBinden(Zoom1, "sm21");
    Zoom1->setObjectName(QStringLiteral("Zoom1"));
    Zoomgruppe = new QActionGroup(this);
    Zoomgruppe->setExclusive(true);
    for (int stufe = 0; stufe <= 8; ++stufe) {
        QAction* a = Zoom1->addAction(QString::number(stufe));
        a->setObjectName(QStringLiteral("Zoom%1").arg(stufe));
        a->setCheckable(true);
        a->setChecked(stufe == Doc.Kopf.Zoomstufe);
        a->setData(stufe);
        Zoomgruppe->addAction(a);
        connect(a, &QAction::triggered, this, [this, stufe] { ansichten->zoommenuclick(stufe); });
    }

    QAction* Info1 = leiste->addAction(QString());
    TextBinden(Info1, "sm22");
    Info1->setObjectName(QStringLiteral("Info1"));
    connect(Info1, &QAction::triggered, this, &TForm1::Info1Click);
}

QToolButton* TForm1::Knopf(QWidget* eltern, const char* name, Glyphe glyphe, const char* hinweis,
                           bool rastend) {
    auto* k = new QToolButton(eltern);
    k->setObjectName(QString::fromLatin1(name));
    k->setIcon(Symbol(glyphe));
    k->setIconSize(QSize(Glyphengroesse, Glyphengroesse));
    HinweisBinden(k, hinweis);
    k->setAutoRaise(true);
    k->setCheckable(rastend);
    k->setFocusPolicy(Qt::NoFocus);
    eltern->layout()->addWidget(k);
    return k;
}

void TForm1::WerkzeugleisteAnlegen(QWidget* Panel1) {
    auto* zeile = new QHBoxLayout(Panel1);
    zeile->setContentsMargins(4, 2, 4, 2);
    zeile->setSpacing(4);

    Label1 = new QLabel(Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFixedSize(24, 24);
    Label1->setFrameShape(QFrame::Box);
    Label1->setAutoFillBackground(true);
    QPalette farbe = Label1->palette();
    farbe.setColor(QPalette::Window, Qt::black);
    Label1->setPalette(farbe);
    HinweisBinden(Label1, "sf29");
    zeile->addWidget(Label1);
    zeile->addWidget(Trenner(Panel1));

    // The drawing tools: at most one of them is down.
    auto* zg = new QWidget(Panel1);
    zg->setObjectName(QStringLiteral("Zeichengruppe"));
    HinweisBinden(zg, "v.Zeichengruppe");
    auto* zgl = new QHBoxLayout(zg);
    zgl->setContentsMargins(0, 0, 0, 0);
    zgl->setSpacing(1);
    Zeichengruppe = new QButtonGroup(this);
    Zeichengruppe->setExclusive(true);
    const auto werkzeug = [&](const char* name, Glyphe g, const char* hinweis, std::uint8_t figur,
                              Modus modus) {
        QToolButton* k = Knopf(zg, name, g, hinweis, true);
        Zeichengruppe->addButton(k);
        connect(k, &QToolButton::clicked, this, [this, figur, modus] {
            if (figur <= 2) Painter().Figur = figur;
            ModusSetzen(modus);
        });
    };
    constexpr std::uint8_t unveraendert = 255;
    werkzeug("LineButton", Glyphe::Linie, "sf3", 0, Modus::Linie);
    werkzeug("Textbutton", Glyphe::Text, "sf6", unveraendert, Modus::Text);
    werkzeug("Circbutton", Glyphe::Kreis, "sf4", 2, Modus::Kreis);
    werkzeug("Fillcircbutton", Glyphe::GefuellterKreis, "sf5", 2, Modus::GefuellterKreis);
    werkzeug("Pfeil1", Glyphe::Pfeil, "sf9", 0, Modus::Pfeil);
    werkzeug("Linie2", Glyphe::Strichlinie, "sf8", 0, Modus::Linie2);
    werkzeug("Kreis2", Glyphe::GrosserKreis, "sf7", 2, Modus::GrosserKreis);
    werkzeug("rechteck1", Glyphe::Rechteck, "sf10", 1, Modus::Rechteck);
    QToolButton* Kurve = Knopf(zg, "Kurve", Glyphe::Kurve, "sf11", true);
    Zeichengruppe->addButton(Kurve);
    connect(Kurve, &QToolButton::clicked, this, [this] { KurveClick(*this, *Kurvenform); });
    zeile->addWidget(zg);
    zeile->addWidget(Trenner(Panel1));

    auto* eg = new QWidget(Panel1);
    eg->setObjectName(QStringLiteral("Editiergruppe"));
    auto* egl = new QHBoxLayout(eg);
    egl->setContentsMargins(0, 0, 0, 0);
    egl->setSpacing(1);
    const auto befehl = [&](const char* name, Glyphe g, const char* hinweis) {
        return Knopf(eg, name, g, hinweis, false);
    };
    connect(befehl("Delete", Glyphe::Loeschen, "sf12"), &QToolButton::clicked, this,
            [this] { auswahl->DeleteClick(); });
    connect(befehl("Movebutton", Glyphe::Verschieben, "sf13"), &QToolButton::clicked, this,
            [this] { ModusSetzen(Modus::Verschieben); });
    connect(befehl("Textedit", Glyphe::TextEditieren, "sf14"), &QToolButton::clicked, this,
            [this] { ModusSetzen(Modus::TextEditieren); });
    connect(befehl("Pickbutton", Glyphe::Auswahl, "sf15"), &QToolButton::clicked, this,
            [this] { ModusSetzen(Modus::Auswahl); });
    connect(befehl("Pickareabutton", Glyphe::Auswahlflaeche, "sf16"), &QToolButton::clicked, this, [this] {
        Painter().Figur = 1;
        zustand_.Band.aktiv = false;
        ModusSetzen(Modus::Pickflaeche);
    });
    connect(befehl("Unpick", Glyphe::AuswahlAufheben, "sf17"), &QToolButton::clicked, this,
            [this] { auswahl->UnpickClick(); });
    connect(befehl("ZoomAreaButton", Glyphe::Zoomflaeche, "sf18"), &QToolButton::clicked, this, [this] {
        Painter().Figur = 1;
        zustand_.Band.aktiv = false;
        ModusSetzen(Modus::Zoomflaeche);
    });
    unzoombutton = befehl("unzoombutton", Glyphe::Unzoom, "sf19");
    unzoombutton->setEnabled(false);
    connect(unzoombutton, &QToolButton::clicked, this, [this] { ansichten->unzoombuttonClick(); });
    connect(befehl("repaint", Glyphe::NeuZeichnen, "sf20"), &QToolButton::clicked, this, [this] {
        ModusSetzen(Modus::Neutral);
        zeichneneu();
    });
    connect(befehl("gotozero", Glyphe::Nullpunkt, "sf21"), &QToolButton::clicked, this,
            [this] { ansichten->gotozeroClick(); });
    zeile->addWidget(eg);
    zeile->addWidget(Trenner(Panel1));

    snapcheck = new QCheckBox(Panel1);
    TextBinden(snapcheck, "sf23");
    snapcheck->setObjectName(QStringLiteral("snapcheck"));
    HinweisBinden(snapcheck, "sf22");
    snapcheck->setChecked(true);
    connect(snapcheck, &QCheckBox::clicked, this, [this] { ansichten->snapcheckClick(); });
    zeile->addWidget(snapcheck);

    Snapbox = new QComboBox(Panel1);
    Snapbox->setObjectName(QStringLiteral("Snapbox"));
    HinweisBinden(Snapbox, "sf24");
    Snapbox->addItems(Tq("v.Snapstufen").split(QLatin1Char('|')));
    Snapbox->setCurrentIndex(2);
    connect(Snapbox, &QComboBox::activated, this, [this](int i) { ansichten->SnapboxChange(i); });
    zeile->addWidget(Snapbox);

    Linienbreite = new QComboBox(Panel1);
    Linienbreite->setObjectName(QStringLiteral("Linienbreite"));
    HinweisBinden(Linienbreite, "sf30");
    EintraegeBinden(Linienbreite, {"sf31", "sf32", "sf33", "sf34"});
    AuswahlBinden(Linienbreite, "sf35");
    connect(Linienbreite, &QComboBox::activated, this, [this](int i) { stift->LinienbreiteChange(i); });
    zeile->addWidget(Linienbreite);
    zeile->addWidget(Trenner(Panel1));

    schritte = new Schrittleiste(Panel1, zeile);
    zeile->addStretch(1);

    // As tall as its tallest control, also while the dash fields are hidden, so showing them
    // does not resize the surface.
    int hoehe = 0;
    for (const QWidget* w : Panel1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        hoehe = std::max(hoehe, w->sizeHint().height());
    const QMargins rand = zeile->contentsMargins();
    Panel1->setFixedHeight(hoehe + rand.top() + rand.bottom());
}

void TForm1::FlaecheAnlegen(QWidget* mitte) {
    auto* raster = new QGridLayout;
    raster->setContentsMargins(0, 0, 0, 0);
    raster->setSpacing(0);
    PaintBoxv = new Lineal(mitte);
    PaintBoxv->setObjectName(QStringLiteral("PaintBoxv"));
    PaintBoxv->setFixedWidth(Linealbreite);
    ZF = new MyDraw(mitte);
    ZF->setObjectName(QStringLiteral("ZF"));
    ZF->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    PaintBoxh = new Lineal(mitte);
    PaintBoxh->setObjectName(QStringLiteral("PaintBoxh"));
    PaintBoxh->setFixedHeight(Linealhoehe);
    raster->addWidget(PaintBoxv, 0, 0);
    raster->addWidget(ZF, 0, 1);
    raster->addWidget(PaintBoxh, 1, 0, 1, 2);
    static_cast<QVBoxLayout*>(mitte->layout())->addLayout(raster, 1);
}

void TForm1::StatuszeileAnlegen(QWidget* mitte) {
    auto* Status = new QWidget(mitte);
    Status->setObjectName(QStringLiteral("Status"));
    NameBinden(Status, "sf39");
    Status->setMinimumWidth(1);
    auto* sl = new QVBoxLayout(Status);
    sl->setContentsMargins(0, 0, 0, 0);
    StatusBar1 = new QStatusBar(Status);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    for (std::size_t i = 0; i < Panel.size(); ++i) {
        Panel[i] = new QLabel(StatusBar1);
        Panel[i]->setObjectName(QStringLiteral("Panel%1").arg(i));
        Panel[i]->setFrameShape(QFrame::Panel);
        Panel[i]->setFrameShadow(QFrame::Sunken);
        // The counts grow with their text rather than being cut off, and the last panel takes
        // the rest of the line, so the whole clip state shows.
        const bool letztes = i + 1 == Panel.size();
        if (letztes || i == 2)
            Panel[i]->setMinimumWidth(Panelbreiten[i]);
        else
            Panel[i]->setFixedWidth(Panelbreiten[i]);
        StatusBar1->addWidget(Panel[i], letztes ? 1 : 0);
    }
    sl->addWidget(StatusBar1);
    // A press on its right part opens the clip dialog.
    StatusBar1->installEventFilter(this);
    mitte->layout()->addWidget(Status);
}
