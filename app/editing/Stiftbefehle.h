#pragma once
// The current colour and line width: the colour swatch with the colour chooser, the width list
// and its keys, each with the question whether the picked elements follow.
#include <QColor>
#include <QObject>

class Fensterdienste;
class QComboBox;
class QLabel;

class Stiftbefehle : public QObject {
    Q_OBJECT
  public:
    // A click on the swatch opens the colour chooser.
    Stiftbefehle(Fensterdienste& fenster, QLabel* Label1, QComboBox* Linienbreite);

    // The swatch: the chooser; a chosen colour becomes the current colour and, when the user
    // agrees, the colour of every picked element. The surface pen takes the chooser's colour
    // whether or not it was confirmed.
    void Label1Click();
    // Item 0..3 of the width list ("unsichtbar" .. "dick") becomes the current class -1..2 and,
    // when the user agrees, the class of the picked lines and circles that are not invisible.
    // Without an item nothing changes.
    void LinienbreiteChange(int eintrag);
    // Ctrl+0..3: the item is chosen in the list, then as LinienbreiteChange.
    void BreiteWaehlen(int eintrag);
    // The swatch shows the drawing's current colour, as after a load.
    void FarbeAnzeigen();

  protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;

  private:
    Fensterdienste& f_;
    QLabel* Label1_;
    QComboBox* Linienbreite_;
    // The chooser keeps the colour last confirmed in it and starts from there.
    QColor dialogfarbe_{Qt::black};
};
