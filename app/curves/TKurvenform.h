#pragma once
// The curve dialog: the formulas x(n,t), y(n,t), z(n,t), the ranges of t and n, the step
// control with its value, the dash pattern, 3-D projection, an offset and the direction of
// plotting. The offset texts are the document's dialog values, edited in place, so they travel
// with the drawing file. The dialog lives as long as the program, so the next curve starts
// from the last one.
#include "curves/Kurve.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <numbers>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace vektra {
struct Zeichnung;
}

class TKurvenform : public QDialog {
    Q_OBJECT
  public:
    explicit TKurvenform(vektra::Zeichnung& z, QWidget* parent = nullptr);
    ~TKurvenform() override;

    // The close-time checks, in this order: the chosen control's step value as a number (the
    // angle in degrees, kept in radians), then both offsets as whole numbers. They are taken
    // as they pass; the first field that fails gets the focus with its whole text selected.
    bool Pruefen();
    // Every way of closing, "Abbruch" too, runs the checks and stays open when one fails.
    void done(int ergebnis) override;

    // One run's record from the fields and the last passed checks; n is left to the caller.
    vektra::Kurvenparameter Parameter() const;
    vektra::Phasenlaengen Muster() const;
    std::int32_t VersatzX() const { return versatzX_; }
    std::int32_t VersatzY() const { return versatzY_; }
    bool Rueckwaerts() const;
    QString n0Text() const;
    QString n1Text() const;

    // Puts the document's offsets back into their fields, after a drawing was loaded.
    void FelderAusDokument();
    // The patterned tools have no direction control: "Richtung" becomes "Länge".
    void KurventypLaenge();

    // Captions and hints from the text table; runs at every showing, so a language file
    // applied after the dialog was made shows too.
    void TexteBinden();

    // Handlers: the chosen control's label and field show; the 3-D fields show with 3-D; a
    // left angle that is no number is selected again.
    void KurventypClick();
    void is3dClick();
    void wink_editExit();

  private:
    void Aufbauen();

    vektra::Zeichnung& z_;
    QGroupBox* Kurventyp = nullptr;
    QButtonGroup* typen_ = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label15 = nullptr;
    QLabel* Label14 = nullptr;
    QLabel* zLabel = nullptr;
    QLineEdit* strich_edit = nullptr;
    QLineEdit* wink_edit = nullptr;
    QLineEdit* Delta = nullptr;
    std::array<QSpinBox*, 4> P{};
    QLineEdit* x_Edit = nullptr;
    QLineEdit* y_Edit = nullptr;
    QLineEdit* z_Edit = nullptr;
    QLineEdit* von = nullptr;
    QLineEdit* bis = nullptr;
    QLineEdit* n_0 = nullptr;
    QLineEdit* n_1 = nullptr;
    QCheckBox* is3d = nullptr;
    QCheckBox* Achse = nullptr;
    QLineEdit* x_off = nullptr;
    QLineEdit* y_off = nullptr;
    QCheckBox* rueckwaerts = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

    std::int16_t kontrollart_ = vektra::KontrolleLaenge;
    double strichlaenge_ = 1.0;
    double winkeldifferenz_ = 5 * std::numbers::pi / 180;
    double deltat_ = 0.1;
    std::int32_t versatzX_ = 0;
    std::int32_t versatzY_ = 0;
};
