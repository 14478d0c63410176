#pragma once
// The drawing surface: a canvas widget that hands its pointer and key events on.
#include "view/Leinwandfeld.h"

class QMouseEvent;
class QKeyEvent;

class MyDraw : public Leinwandfeld {
    Q_OBJECT
  public:
    explicit MyDraw(QWidget* parent = nullptr);

  signals:
    void mausRunter(QMouseEvent* e);
    void mausBewegt(QMouseEvent* e);
    void mausHoch(QMouseEvent* e);
    void tasteLos(QKeyEvent* e);

  protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;
};
