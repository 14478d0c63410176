#pragma once
// A widget that shows a canvas of its own. It paints nothing by itself: a resize reallocates the
// canvas, which stays blank until the next full redraw, and asks for that redraw.
#include "view/Leinwand.h"

#include <QWidget>

class Leinwandfeld : public QWidget {
    Q_OBJECT
  public:
    explicit Leinwandfeld(QWidget* parent = nullptr);

    Leinwand& Flaeche() { return flaeche_; }

  signals:
    void neuZeichnen();

  protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    Leinwand flaeche_;
};
