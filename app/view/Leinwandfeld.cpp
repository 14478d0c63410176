#include "view/Leinwandfeld.h"

#include <QPainter>

Leinwandfeld::Leinwandfeld(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    flaeche_.SchriftSetzen(font());
    flaeche_.Resize(width(), height());
    flaeche_.Geaendert = [this] { update(); };
}

void Leinwandfeld::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, flaeche_.Image());
}

void Leinwandfeld::resizeEvent(QResizeEvent*) {
    flaeche_.Resize(width(), height());
    emit neuZeichnen();
}
