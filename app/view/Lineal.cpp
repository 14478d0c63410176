#include "view/Lineal.h"

#include <QPainter>

Lineal::Lineal(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    flaeche_.SchriftSetzen(font());
    flaeche_.Resize(width(), height());
    flaeche_.Geaendert = [this] { update(); };
}

void Lineal::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, flaeche_.Image());
}

void Lineal::resizeEvent(QResizeEvent*) {
    flaeche_.Resize(width(), height());
    emit neuZeichnen();
}
