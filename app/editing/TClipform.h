#pragma once
// The clip dialog: the four bounds of the area the curve engine keeps its plots in, and
// whether it does. The values are the document's dialog values, so they travel with the
// drawing file; the dialog lives as long as the program and its fields keep what was entered.
#include <QDialog>

#include <array>

class Fensterdienste;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vektra {
struct Dialogwerte;
struct Zeichnung;
} // namespace vektra

class TClipform : public QDialog {
    Q_OBJECT
  public:
    explicit TClipform(vektra::Zeichnung& z, QWidget* parent = nullptr);

    // Puts the document's clip values into the fields, as at start and after a load.
    void FelderAusDokument();
    // The close-time check: the fields top, bottom, left and right in this order; each whole
    // number is stored, each field that is none is selected and the last of them gets the
    // focus (and the document keeps its value). The check box is stored in every case. True
    // when all four were whole numbers.
    bool Pruefen();
    // Every way of closing runs the check and keeps the dialog open when it fails.
    void done(int ergebnis) override;

    void TexteBinden();

  signals:
    // After every check, passed or not: the clip state may have changed.
    void geprueft();

  private:
    vektra::Zeichnung& z_;
    // Edit1 top, Edit2 bottom, Edit3 left, Edit4 right.
    std::array<QLineEdit*, 4> Edit{};
    std::array<QLabel*, 4> Label{};
    QCheckBox* Clipaktiv = nullptr;
    QPushButton* Button1 = nullptr;
};

// The text of status panel 3: the bounds bottom, top, left and right when clipping is on,
// otherwise that it is off.
QString Clipanzeige(const vektra::Dialogwerte& d);

// "Clip" and a press on the right of the status line: the dialog, shown modally.
void Clip1Click(Fensterdienste& f, TClipform& dialog);
