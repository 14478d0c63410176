#include "view/MyDraw.h"

#include <QKeyEvent>
#include <QMouseEvent>

MyDraw::MyDraw(QWidget* parent) : Leinwandfeld(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void MyDraw::mousePressEvent(QMouseEvent* e) {
    emit mausRunter(e);
}
void MyDraw::mouseMoveEvent(QMouseEvent* e) {
    emit mausBewegt(e);
}
void MyDraw::mouseReleaseEvent(QMouseEvent* e) {
    emit mausHoch(e);
}
void MyDraw::keyReleaseEvent(QKeyEvent* e) {
    emit tasteLos(e);
}
