#include "ui/tools/ContrastMarks.h"

#include "ui/controls/ThemeInk.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <algorithm>

namespace tintorium {

QColor ContrastMarkColor(TContrastMark mark) {
  switch (mark) {
    case TContrastMark::Pass: return QColor(0x1E, 0x9E, 0x3A);
    case TContrastMark::Partial: return QColor(0xF0, 0xA0, 0x10);
    case TContrastMark::Fail: break;
  }
  return QColor(0xD6, 0x23, 0x23);
}

QImage ContrastMarkImage(TContrastMark mark, qreal ratio) {
  ratio = std::max<qreal>(ratio, 1.0);
  QImage image(DeviceSize({ContrastMarkSize, ContrastMarkSize}, ratio), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(ContrastMarkColor(mark).darker(140), 1.0));
  painter.setBrush(ContrastMarkColor(mark));
  painter.drawEllipse(QRectF(0.5, 0.5, ContrastMarkSize - 1.0, ContrastMarkSize - 1.0));
  painter.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  if (mark == TContrastMark::Fail) {
    painter.drawLine(QPointF(4.2, 4.2), QPointF(8.8, 8.8));
    painter.drawLine(QPointF(8.8, 4.2), QPointF(4.2, 8.8));
  } else {
    QPainterPath tick;
    tick.moveTo(3.6, 6.8);
    tick.lineTo(5.7, 8.9);
    tick.lineTo(9.6, 4.3);
    painter.drawPath(tick);
  }
  return image;
}

}  // namespace tintorium
