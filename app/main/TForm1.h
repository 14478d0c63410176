#pragma once
// The main window: owns the drawing, the view, the surface, the tools and the dialogs, carries
// the menu bar, the tool bar, the rulers and the status line, and switches the tool mode. The
// commands and tools reach it only through the window services.
#include "editing/Interaktion.h"
#include "main/Fensterdienste.h"
#include "model/Zeichnung.h"
#include "view/Ansicht.h"

#include <QMainWindow>
#include <QString>

#include <array>
#include <memory>

class QAction;
class QActionGroup;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QStatusBar;
class QToolButton;
class Ablagebefehle;
class Ansichtsbefehle;
class Auswahlbefehle;
class Stiftbefehle;
class Tastatur;
class TClipform;
class Dateibefehle;
class Makrobefehle;
class TDrehform;
class TSkalierform;
class Umformbefehle;
class Lineal;
class Maler;
class MyDraw;
class Schrittleiste;
class TEinstellungen;
class TKreisform;
class TKurvenform;
class TTextein;
class Werkzeugkasten;
enum class Glyphe;

class TForm1 : public QMainWindow, public Fensterdienste {
    Q_OBJECT
  public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    vektra::Zeichnung& Dokument() override { return Doc; }
    vektra::Ansicht& Sicht() override { return View; }
    Maler& Painter() override { return *maler; }
    MyDraw& Flaeche() override { return *ZF; }
    Interaktion& Zustand() override { return zustand_; }
    Modus AktuellerModus() const override;
    // The mode switch every tool button, command and key goes through: leaves the old tool,
    // enters the new one and applies what the mode asks for.
    void ModusSetzen(Modus m) override;
    void zeichneneu() override;
    void BefehlBeenden(Modus m, bool neuZeichnen) override;
    void TitelSetzen(const QString& titel) override;
    void StatusSetzen(int feld, const QString& text) override;
    void ZaehlerAnzeigen() override;
    void DokumentUebernehmen() override;
    void SpeichernFreigeben() override;
    QString OeffnenDialog(const QString& titel, const QString& ordner, const QString& filter) override;
    QString SpeichernDialog(const QString& titel, const QString& vorschlag, const QString& filter) override;
    int DialogAusfuehren(QDialog& dialog) override;
    std::optional<QColor> FarbeWaehlen(const QColor& anfang) override;
    // Messages and questions: message boxes here, scripted answers in tests.
    void Melden(vektra::Meldungsart art, const std::string& text, int zeile = 0) override;
    vektra::Antwort Fragen(vektra::Meldungsart art, const std::string& text,
                           vektra::Knoepfe knoepfe) override;

    // Asks for a full redraw after the events at hand; several requests give one redraw.
    void NeuZeichnenVormerken();
    // Status panel 3: the clip area, or that clipping is off.
    void ClipanzeigeSetzen();
    // The text of the version box.
    static QString Infotext();
    // "E&instellungen": shows the settings dialog with no tool active, then returns to the tool
    // and redraws, so the new settings take effect.
    void einstellungenclick();

    // The drawing opened when the window is shown the first time (the command-line argument).
    void StartdateiSetzen(const QString& datei) { startdatei_ = datei; }
    // The macro folder, restored at the first showing and stored at closing.
    const QString& Makroordner() const;
    void MakroordnerSetzen(const QString& ordner);

    Dateibefehle& Dateien() { return *dateien; }
    Makrobefehle& Makros() { return *makros; }
    Auswahlbefehle& Auswahl() { return *auswahl; }
    Ansichtsbefehle& Ansichten() { return *ansichten; }
    Werkzeugkasten& Werkzeuge() { return *werkzeuge; }
    MyDraw* Zeichenflaeche() const { return ZF; }
    QLabel* Statusfeld(int i) const { return Panel[static_cast<std::size_t>(i)]; }

  protected:
    // Saves the drawing when closing with "Yes" (Save as when it is unnamed); false when the
    // save dialog was cancelled or the write failed, which keeps the window open.
    virtual bool SpeichernFuerSchliessen();

    bool eventFilter(QObject* objekt, QEvent* e) override;
    void setVisible(bool sichtbar) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    void MenuesAnlegen();
    void WerkzeugleisteAnlegen(QWidget* Panel1);
    QToolButton* Knopf(QWidget* eltern, const char* name, Glyphe glyphe, const char* hinweis, bool rastend);
    void FlaecheAnlegen(QWidget* mitte);
    void StatuszeileAnlegen(QWidget* mitte);
    void DialogeAnlegen();
    void WerkzeugeAnlegen();

    void WerkzeugeLoesen();
    void KurventypLaenge();

    void Info1Click();

    void FormShow();
    void FensterWiederherstellen();
    void FensterSpeichern();

    vektra::Zeichnung Doc;
    vektra::Ansicht View;
    Interaktion zustand_;

    MyDraw* ZF = nullptr;
    Lineal* PaintBoxv = nullptr;
    Lineal* PaintBoxh = nullptr;
    std::unique_ptr<Maler> maler;
    std::unique_ptr<Dateibefehle> dateien;
    std::unique_ptr<Makrobefehle> makros;
    std::unique_ptr<Werkzeugkasten> werkzeuge;
    std::unique_ptr<Auswahlbefehle> auswahl;
    std::unique_ptr<Umformbefehle> umformen;
    std::unique_ptr<Ablagebefehle> ablage;
    Ansichtsbefehle* ansichten = nullptr;
    Stiftbefehle* stift = nullptr;
    Tastatur* tastatur = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    std::array<QLabel*, 4> Panel{};

    TEinstellungen* Einstellungen = nullptr;
    TTextein* Textein = nullptr;
    TKreisform* Kreisform = nullptr;
    TClipform* Clipform = nullptr;
    TSkalierform* Skalierform = nullptr;
    TDrehform* Drehform = nullptr;
    TKurvenform* Kurvenform = nullptr;

    QLabel* Label1 = nullptr;
    QButtonGroup* Zeichengruppe = nullptr;
    QAction* Gitter1 = nullptr;
    QActionGroup* Zoomgruppe = nullptr;
    QCheckBox* snapcheck = nullptr;
    QComboBox* Snapbox = nullptr;
    QComboBox* Linienbreite = nullptr;
    QToolButton* unzoombutton = nullptr;
    Schrittleiste* schritte = nullptr;

    QString startdatei_;
    bool gezeigt = false;
    bool neuZeichnenVorgemerkt = false;
};
