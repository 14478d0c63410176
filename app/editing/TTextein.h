#pragma once
// The text dialog of text placement and text editing: the text, its alignment in a grid of
// nine (columns left, centre, right; rows top, centre, bottom) and its position in drawing
// units, which overrides the clicked point. The dialog lives as long as the program, so text
// and alignment start from their last values.
#include <QDialog>

#include <string>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace vektra {
class Meldungen;
}

class TTextein : public QDialog {
    Q_OBJECT
  public:
    explicit TTextein(vektra::Meldungen& meldungen, QWidget* parent = nullptr);

    // Fills the position fields ("%3.1f") before the dialog is shown.
    void PositionSetzen(double x, double y);
    // Fills the whole dialog from an element: position, alignment (an alignment that matches
    // no item leaves the choice as it is) and text (cp1252).
    void Fuellen(double x, double y, std::string_view ausrichtung, std::string_view text);

    // The close-time checks: both position fields must be numbers, and every character of the
    // text must fit the drawing's code page. A field that fails gets the focus with its text
    // selected. True when all passed; the values below are then the dialog's.
    bool Pruefen();
    double X() const { return x_; }
    double Y() const { return y_; }
    // The text as cp1252 bytes, at most 255 of them.
    std::string Text() const;
    // The two letters of the chosen alignment; empty when no item is chosen.
    std::string Ausrichtung() const;

    void TexteBinden();
    void done(int ergebnis) override;

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    vektra::Meldungen& meldungen_;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QLineEdit* Edit3 = nullptr;
    QGroupBox* rahmen_ = nullptr;
    QButtonGroup* Ausrichtung_ = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    double x_ = 0, y_ = 0;
};
