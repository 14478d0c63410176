#pragma once
// A widget that shows a canvas of its own. It paints nothing by itself: a resize reallocates the
// canvas, which stays blank until the next full redraw, and asks for that redraw. So does a
// change of the screen's device pixel ratio (the window moved to another screen, or the screen's
// scaling changed), noticed when the widget is next painted.
#include "view/Leinwand.h"

#include <QWidget>

class Leinwandfeld : public QWidget {
    Q_OBJECT
  public:
    explicit Leinwandfeld(QWidget* parent = nullptr);

    Leinwand& Flaeche() { return flaeche_; }

    // Reallocates the canvas if it no longer matches the widget's size or pixel ratio; true then.
    bool Abgleichen();

  signals:
    void neuZeichnen();

  protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    Leinwand flaeche_;
};
