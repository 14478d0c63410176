#pragma once
// The drawing surface: a widget that shows its canvas and hands its pointer and key events on.
// It paints nothing by itself; a resize reallocates the canvas and asks for a full redraw.
#include "view/Leinwand.h"

#include <QWidget>

class QMouseEvent;
class QKeyEvent;

class MyDraw : public QWidget {
    Q_OBJECT
  public:
    explicit MyDraw(QWidget* parent = nullptr);

    Leinwand& Flaeche() { return flaeche_; }

  signals:
    void neuZeichnen();
    void mausRunter(QMouseEvent* e);
    void mausBewegt(QMouseEvent* e);
    void mausHoch(QMouseEvent* e);
    void tasteLos(QKeyEvent* e);

  protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void keyReleaseEvent(QKeyEvent* e) override;

  private:
    Leinwand flaeche_;
};
