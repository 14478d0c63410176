#pragma once
// The arc dialog of the tool "Kreis beliebiger Größe": start and end angle, each in degrees and
// in radians. Leaving a field converts it into the other unit; the plotter reads the radian
// texts. The dialog lives as long as the program, so the next arc starts from the last angles.
#include <QDialog>

#include <string>

class QLabel;
class QLineEdit;
class QPushButton;

class TKreisform : public QDialog {
    Q_OBJECT
  public:
    explicit TKreisform(QWidget* parent = nullptr);

    // The radian texts as they stand: the start and end of t.
    std::string t0Text() const;
    std::string t1Text() const;
    double vonWinkel() const { return vonWinkel_; }
    double bisWinkel() const { return bisWinkel_; }

    void TexteBinden();

    // The field handlers, run when the field is left.
    void vongChange();
    void bisgChange();
    void vondChange();
    void bisdChange();

  private:
    // Takes the field's number times `faktor` as the angle; a field that is no number keeps the
    // old angle and gets the focus with its text selected. Both fields then show the angle.
    void Umrechnen(QLineEdit* feld, double faktor, double& winkel, QLineEdit* grad, QLineEdit* bogen);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* grad_ = nullptr;
    QLabel* bogen_ = nullptr;
    QLineEdit* vong_edit = nullptr;
    QLineEdit* bisg_edit = nullptr;
    QLineEdit* vond_edit = nullptr;
    QLineEdit* bisd_edit = nullptr;
    QPushButton* BitBtn1 = nullptr;
    double vonWinkel_ = 0;
    double bisWinkel_ = 0;
};
