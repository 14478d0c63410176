#pragma once
// Rectangle tests for the canvas's paths that run once a figure: inline, where the library's
// out-of-line ones cost as much as setting a short line. A rectangle here holds its corner
// pixels, as QRect does.
#include <QPoint>
#include <QRect>

#include <algorithm>

// The pixels from `a` to `b`, in whichever order they come, and `rand` more on every side.
inline QRect Umriss(QPoint a, QPoint b, int rand = 0) {
    return QRect(QPoint(std::min(a.x(), b.x()) - rand, std::min(a.y(), b.y()) - rand),
                 QPoint(std::max(a.x(), b.x()) + rand, std::max(a.y(), b.y()) + rand));
}

// True when every pixel of `innen` lies in `aussen`.
inline bool Enthaelt(const QRect& aussen, const QRect& innen) {
    return innen.left() >= aussen.left() && innen.right() <= aussen.right() && innen.top() >= aussen.top() &&
           innen.bottom() <= aussen.bottom();
}

// True when the two share a pixel.
inline bool Schneidet(const QRect& a, const QRect& b) {
    return a.left() <= b.right() && b.left() <= a.right() && a.top() <= b.bottom() && b.top() <= a.bottom();
}

// The pixels both hold; empty when they share none.
inline QRect Schnitt(const QRect& a, const QRect& b) {
    return QRect(QPoint(std::max(a.left(), b.left()), std::max(a.top(), b.top())),
                 QPoint(std::min(a.right(), b.right()), std::min(a.bottom(), b.bottom())));
}
