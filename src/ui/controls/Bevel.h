#pragma once
// The classic raised or sunken edge of the picker button and its popup: one colour on the top and left sides,
// another on the bottom and right.

#include <QColor>
#include <QPainter>
#include <QRect>

namespace tintorium::detail {

inline void Bevel(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
  painter.setPen(topLeft);
  painter.drawLine(r.topLeft(), r.topRight());
  painter.drawLine(r.topLeft(), r.bottomLeft());
  painter.setPen(bottomRight);
  painter.drawLine(r.bottomLeft(), r.bottomRight());
  painter.drawLine(r.topRight(), r.bottomRight());
}

}  // namespace tintorium::detail
