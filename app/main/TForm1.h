#pragma once
// The main window: owns the drawing, the view and the surface, carries the menu bar, the tool
// bar, the rulers and the status line, and switches the tool mode.
#include "model/Zeichnung.h"
#include "text/Meldungen.h"
#include "view/Ansicht.h"

#include <QMainWindow>
#include <QPoint>
#include <QString>

#include <array>
#include <cstdint>
#include <memory>

class QAction;
class QActionGroup;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDialog;
class QLabel;
class QLineEdit;
class QMouseEvent;
class QSpinBox;
class QToolButton;
class QWidget;
class Lineal;
class Maler;
enum class Glyphe;
class MyDraw;
class TEinstellungen;
class Dateibefehle;

class TForm1 : public QMainWindow, public vektra::Meldungen {
    Q_OBJECT
  public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    vektra::Zeichnung Doc;
    vektra::Ansicht View;

    // Current tool mode; changes only through ModusSetzen.
    std::uint8_t Modus = 6;
    // The system pointer is hidden over the surface and the program draws its own cross.
    bool eigenesKreuz = false;
    // The next pointer move over the surface is swallowed.
    bool ignoriereBewegung = false;
    // Where the move routine last drew the cross; far off when a drawing mode is entered.
    QPoint letzteKreuzposition{-10000, -10000};
    int Pickzahl = 0;
    // Largest radius in drawing units of the current circle tool.
    int Kreisgrenze = 0;
    // Initial folder of the macro file dialogs.
    QString Makroordner;

    // The mode switch every tool button, command and key goes through.
    void ModusSetzen(int m);
    // Full redraw of surface and rulers, ending with the current mode applied again.
    void zeichneneu();
    // Asks for a full redraw after the events at hand; several requests give one redraw.
    void NeuZeichnenVormerken();
    // Status panel 3: the clip area, or that clipping is off.
    void ClipanzeigeSetzen();
    // Cross tracking of the drawing modes for a pointer pixel on the surface: draws the cross
    // at the snapped pixel when that changed. Returns false when the move was swallowed or
    // the pointer is off the surface.
    bool KreuzVerfolgen(QPoint pixel);
    // The text of the version box.
    static QString Infotext();

    // The settings dialog, made once after the window and shown by einstellungenclick.
    TEinstellungen* Einstellungen = nullptr;
    // The drawing opened when the window is shown the first time (the command-line argument).
    QString Startdatei;

    // "E&instellungen": shows the settings dialog with no tool active, then returns to the tool
    // and redraws, so the new settings take effect.
    void einstellungenclick();
    // Snap check box, snap step list and zoom menu follow the settings record, as after a load.
    void AnsichtAusDokument();
    // Enables the menu item "Speichern".
    void SpeichernFreigeben();

    // File dialogs: the chosen file, or an empty text when cancelled. `vorschlag` is the
    // initial folder, or a file in it.
    virtual QString OeffnenDialog(const QString& titel, const QString& ordner, const QString& filter);
    virtual QString SpeichernDialog(const QString& titel, const QString& vorschlag, const QString& filter);
    // Shows a modal dialog and returns its result.
    virtual int DialogAusfuehren(QDialog& dialog);

    Dateibefehle& Dateien() { return *dateien; }
    Maler& Painter() { return *maler; }
    MyDraw* Zeichenflaeche() const { return ZF; }
    QLabel* Statusfeld(int i) const { return Panel[static_cast<std::size_t>(i)]; }

    // Messages and questions: message boxes here, scripted answers in tests.
    void Melden(vektra::Meldungsart art, const std::string& text, int zeile = 0) override;
    vektra::Antwort Fragen(vektra::Meldungsart art, const std::string& text,
                           vektra::Knoepfe knoepfe) override;

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

    void WerkzeugeLoesen();
    void Strichfelder(bool zeigen);
    void KontrolleChange(int index);
    void ZeigerSetzen(bool eigenesKreuzAn);
    void ZaehlerAnzeigen();

    void BoxMouseMove(QMouseEvent* e);
    void Gitter1Click();
    void zoommenuclick(int stufe);
    void Info1Click();
    void snapcheckClick();
    void SnapboxChange(int index);

    void FormShow();
    void FensterWiederherstellen();
    void FensterSpeichern();

    MyDraw* ZF = nullptr;
    Lineal* PaintBoxv = nullptr;
    Lineal* PaintBoxh = nullptr;
    std::unique_ptr<Maler> maler;
    std::unique_ptr<Dateibefehle> dateien;
    std::array<QLabel*, 4> Panel{};

    QButtonGroup* Zeichengruppe = nullptr;
    QAction* Gitter1 = nullptr;
    QActionGroup* Zoomgruppe = nullptr;
    QCheckBox* snapcheck = nullptr;
    QComboBox* Snapbox = nullptr;
    QComboBox* Linienbreite = nullptr;
    QComboBox* Kontrolle = nullptr;
    std::array<QSpinBox*, 4> P{};
    QLineEdit* Strichlangedit = nullptr;
    QLineEdit* Winkeldiffedit = nullptr;
    QLineEdit* Deltaedit = nullptr;
    bool gezeigt = false;
    bool neuZeichnenVorgemerkt = false;
};
