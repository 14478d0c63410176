#pragma once
// The settings dialog: screen and TeX line widths, unit length, arrowhead shape, pick distance,
// view origin, the curve tools' scale and step values, and how texts are shown. It works on the
// document and the view it is given; the TeX widths, the unit length, the step texts and the
// up-down positions are the document's dialog values, edited in place.
#include <QDialog>

#include <array>

class QButtonGroup;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace vektra {
struct Ansicht;
struct Zeichnung;
} // namespace vektra

class TEinstellungen : public QDialog {
    Q_OBJECT
  public:
    TEinstellungen(vektra::Zeichnung& z, vektra::Ansicht& ansicht, QWidget* parent = nullptr);

    // Fills the fields from the live values, as every showing of the dialog does.
    void Fuellen();
    // Takes into the drawing what showing and closing the dialog take without the user
    // changing a field: the up-down positions of the live widths, and the curve tools' step
    // values while they are still unset. Called before the dialog's edit begins, so that alone
    // is no edit.
    void Angleichen();
    // Puts the document's dialog values back into the fields, after a drawing was loaded.
    void FelderAusDokument();
    // The close-time checks: parses and stores field after field and stops at the first one
    // that does not parse, leaving it focused and selected. True when all passed.
    bool Pruefen();

    // The preamble of the typeset texts, which lives with the user's settings, not the drawing.
    QString Praeambel() const;
    void PraeambelZeigen(const QString& praeambel);

    // Captions from the text table; runs at every showing, so a language file applied after
    // the dialog was made shows too.
    void TexteBinden();

    // Every way of closing runs the checks and keeps the dialog open when one fails.
    void done(int ergebnis) override;

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    void Aufbauen();
    void Verbinden();

    vektra::Zeichnung& z_;
    vektra::Ansicht& ansicht_;

    QSpinBox* pickedit_ = nullptr;
    QLineEdit* nullx_ = nullptr;
    QLineEdit* nully_ = nullptr;
    std::array<QSpinBox*, 4> linie_{};      // screen widths of the classes -1..2
    std::array<QLineEdit*, 4> texBreite_{}; // TeX widths of the classes -1..2
    QLineEdit* unitlength_ = nullptr;
    QLineEdit* pWink_ = nullptr;
    QLineEdit* pLaenge_ = nullptr;
    QLineEdit* massstab_ = nullptr;
    QLineEdit* startschritt_ = nullptr;
    QLineEdit* schrittfaktor_ = nullptr;
    QButtonGroup* textanzeige_ = nullptr;
    QPlainTextEdit* praeambel_ = nullptr;
    QPushButton* fertig_ = nullptr;
};
