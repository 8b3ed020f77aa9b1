#include "engine/screenpick/FrozenScreen.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tintorium {

double TFrozenScreen::ScaleX() const {
  return geometry.width() > 0 ? double(image.width()) / geometry.width() : 1.0;
}

double TFrozenScreen::ScaleY() const {
  return geometry.height() > 0 ? double(image.height()) / geometry.height() : 1.0;
}

std::optional<QPoint> TFrozenScreen::PixelAt(const QPointF& global) const {
  if (IsNull()) return std::nullopt;
  const double x = std::floor((global.x() - geometry.x()) * ScaleX());
  const double y = std::floor((global.y() - geometry.y()) * ScaleY());
  if (!(x >= 0 && y >= 0 && x < image.width() && y < image.height())) return std::nullopt;
  return QPoint(int(x), int(y));
}

QRect TFrozenScreen::SourceRect(const QRect& area) const {
  if (IsNull()) return {};
  const double left = (area.x() - geometry.x()) * ScaleX();
  const double top = (area.y() - geometry.y()) * ScaleY();
  const QRect source(int(std::lround(left)), int(std::lround(top)), int(std::lround(area.width() * ScaleX())),
                     int(std::lround(area.height() * ScaleY())));
  return source.intersected(image.rect());
}

TFrozenScreen ComposeDesktop(const std::vector<TScreenShot>& shots) {
  QRect desktop;
  double ratio = 0;
  for (const TScreenShot& shot : shots) {
    if (shot.image.isNull() || shot.geometry.isEmpty()) continue;
    desktop = desktop.united(shot.geometry);
    ratio = std::max(ratio, double(shot.image.width()) / shot.geometry.width());
  }
  if (desktop.isEmpty() || ratio <= 0) return {};
  QImage picture(int(std::lround(desktop.width() * ratio)), int(std::lround(desktop.height() * ratio)),
                 QImage::Format_RGB32);
  if (picture.isNull()) return {};
  picture.fill(Qt::black);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  for (const TScreenShot& shot : shots) {
    if (shot.image.isNull() || shot.geometry.isEmpty()) continue;
    const QRectF target((shot.geometry.x() - desktop.x()) * ratio, (shot.geometry.y() - desktop.y()) * ratio,
                        shot.geometry.width() * ratio, shot.geometry.height() * ratio);
    QImage image = shot.image;
    image.setDevicePixelRatio(1.0);
    painter.drawImage(target, image, QRectF(image.rect()));
  }
  painter.end();
  return {picture, desktop};
}

}  // namespace tintorium
