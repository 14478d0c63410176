#include "view/MyDraw.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

MyDraw::MyDraw(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    flaeche_.SchriftSetzen(font());
    flaeche_.Resize(width(), height());
    flaeche_.Geaendert = [this] { update(); };
}

void MyDraw::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, flaeche_.Image());
}

void MyDraw::resizeEvent(QResizeEvent*) {
    flaeche_.Resize(width(), height());
    emit neuZeichnen();
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
