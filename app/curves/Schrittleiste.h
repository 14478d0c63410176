#pragma once
// The tool bar's step-control group: the list `Kontrolle` with its three value fields (only the
// one of the chosen control shows) and the dash pattern P1..P4. The patterned tools plot with
// its values.
#include "curves/Musterfiguren.h"

#include <QObject>

#include <array>

class QComboBox;
class QLayout;
class QLineEdit;
class QSpinBox;
class QWidget;

class Schrittleiste : public QObject {
    Q_OBJECT
  public:
    // Makes the controls as children of `eltern` and adds them to `zeile`.
    Schrittleiste(QWidget* eltern, QLayout* zeile);

    // The values in force: a field whose text is no number keeps the last number it held.
    vektra::Schrittwerte Werte() const;
    // Shows or hides the whole group; only the chosen control's field shows.
    void Zeigen(bool zeigen);
    void KontrolleZuruecksetzen();

  private:
    void KontrolleChange(int index);
    // Takes the field's number into `wert` (times `faktor`); a text that is no number is
    // selected at once and the value stays.
    void FeldChange(QLineEdit* feld, double& wert, double faktor);

    QWidget* eltern_;
    QComboBox* Kontrolle = nullptr;
    QLineEdit* Strichlangedit = nullptr;
    QLineEdit* Winkeldiffedit = nullptr;
    QLineEdit* Deltaedit = nullptr;
    std::array<QSpinBox*, 4> P{};
    bool gezeigt_ = false;
    vektra::Schrittwerte werte_;
};
