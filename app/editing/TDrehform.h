#pragma once
// The rotation dialog: the centre and the angle, in degrees and in radians. Leaving a field
// converts its text into the dialog's own numbers and shows them formatted; the rotation uses
// those numbers. The dialog lives as long as the program, so it keeps its values.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TDrehform : public QDialog {
    Q_OBJECT
  public:
    explicit TDrehform(QWidget* parent = nullptr);

    double Winkel() const { return winkel_; }
    double Cx() const { return cx_; }
    double Cy() const { return cy_; }

    // The field handlers, run when a field is left: a text that is no number keeps the old
    // value, which the field shows again, selected.
    void Zen_xExit();
    void Zen_yExit();
    void Win_gExit();
    void Win_dExit();

    void TexteBinden();

  private:
    bool Lesen(QLineEdit* feld, double& wert, double faktor);
    void WinkelZeigen();

    QLineEdit* Zen_x = nullptr;
    QLineEdit* Zen_y = nullptr;
    QLineEdit* Win_g = nullptr;
    QLineEdit* Win_d = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    double winkel_ = 0, cx_ = 0, cy_ = 0;
};
