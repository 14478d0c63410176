#pragma once
// A ruler beside the drawing surface, backed by a canvas of its own that the painter fills.
#include "view/Leinwand.h"

#include <QWidget>

class Lineal : public QWidget {
    Q_OBJECT
  public:
    explicit Lineal(QWidget* parent = nullptr);

    Leinwand& Flaeche() { return flaeche_; }

  signals:
    // The canvas was reallocated by a resize and is blank until the next full redraw.
    void neuZeichnen();

  protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

  private:
    Leinwand flaeche_;
};
