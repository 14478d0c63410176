#pragma once
// The scaling dialog: the centre and the two factors. It lives as long as the program, so the
// fields keep the last values entered.
#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TSkalierform : public QDialog {
    Q_OBJECT
  public:
    explicit TSkalierform(QWidget* parent = nullptr);

    // Checks the fields in the order x, y, x factor, y factor; the first that is no number goes
    // back to its initial text, selected, with the focus. True when all four are numbers.
    bool Pruefen();
    double Cx() const { return werte_[0]; }
    double Cy() const { return werte_[1]; }
    double Fx() const { return werte_[2]; }
    double Fy() const { return werte_[3]; }

    void TexteBinden();
    void done(int ergebnis) override;

  private:
    QLineEdit* felder_[4]{};
    double werte_[4]{0, 0, 1, 1};
    QLabel* Mittelpunkt = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* OK = nullptr;
    QPushButton* Abbruch = nullptr;
};
