#include "view/Leinwandfeld.h"

#include <QPainter>

#include <algorithm>

Leinwandfeld::Leinwandfeld(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    flaeche_.SchriftSetzen(font());
    Abgleichen();
    flaeche_.Geaendert = [this] { update(); };
}

bool Leinwandfeld::Abgleichen() {
    const int b = std::max(width(), 1), h = std::max(height(), 1);
    const qreal v = devicePixelRatioF();
    if (flaeche_.Breite() == b && flaeche_.Hoehe() == h && flaeche_.Pixelverhaeltnis() == v) return false;
    flaeche_.Resize(b, h, v);
    return true;
}

void Leinwandfeld::paintEvent(QPaintEvent*) {
    if (Abgleichen()) emit neuZeichnen();
    // The image carries the ratio, so it lands on the screen pixel for pixel.
    QPainter p(this);
    p.drawImage(0, 0, flaeche_.Image());
}

void Leinwandfeld::resizeEvent(QResizeEvent*) {
    Abgleichen();
    emit neuZeichnen();
}
