#include "engine/screenpick/PortalResults.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QUrl>

#include <algorithm>
#include <cmath>

namespace tintorium {

QImage LoadPortalPicture(const QString& uri) {
  const QUrl url(uri, QUrl::StrictMode);
  if (!url.isValid() || !url.isLocalFile()) return {};
  const QFileInfo info(url.toLocalFile());
  if (!info.isFile() || info.size() <= 0 || info.size() > kMaxPortalFileBytes) return {};
  QFile file(info.filePath());
  if (!file.open(QIODevice::ReadOnly)) return {};
  QImageReader reader(&file);
  const QSize size = reader.size();
  if (!size.isValid() || size.isEmpty() || size.width() > kMaxPortalSide || size.height() > kMaxPortalSide ||
      std::int64_t(size.width()) * size.height() > kMaxPortalPixels)
    return {};
  reader.setAllocationLimit(int(kMaxPortalPixels * 4 / (1024 * 1024)) + 1);
  QImage picture = reader.read();
  if (picture.isNull() || picture.size() != size) return {};
  return picture.convertToFormat(QImage::Format_RGB32);
}

std::optional<QRgb> PortalColor(double red, double green, double blue) {
  if (!std::isfinite(red) || !std::isfinite(green) || !std::isfinite(blue)) return std::nullopt;
  const auto channel = [](double v) { return int(std::nearbyint(std::clamp(v, 0.0, 1.0) * 255.0)); };
  return qRgb(channel(red), channel(green), channel(blue));
}

}  // namespace tintorium
