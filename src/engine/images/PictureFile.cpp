#include "engine/images/PictureFile.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

#include <algorithm>

namespace tintorium {

namespace {

const QStringList& ClassicSuffixes() {
  static const QStringList suffixes{QStringLiteral("gif"), QStringLiteral("jpg"), QStringLiteral("jpeg"),
                                    QStringLiteral("bmp"), QStringLiteral("ico"), QStringLiteral("png")};
  return suffixes;
}

// Vector and document formats have no natural pixel size to sample; "cur" and "icns" are icons like "ico".
bool IsStillImageFormat(const QString& format) {
  static const QStringList skipped{QStringLiteral("svg"), QStringLiteral("svgz"), QStringLiteral("pdf")};
  return !skipped.contains(format);
}

QString Patterns(const QStringList& suffixes) {
  QStringList patterns;
  for (const QString& suffix : suffixes) patterns << QStringLiteral("*.") + suffix;
  return patterns.join(QLatin1Char(' '));
}

bool FitsAllocationLimit(QSize size) {
  if (!size.isValid()) return true;  // the reader's own limit still applies while decoding
  const qint64 limitBytes = qint64(QImageReader::allocationLimit()) * 1024 * 1024;
  return limitBytes <= 0 || qint64(size.width()) * size.height() * 4 <= limitBytes;
}

QImage Opaque(const QImage& image, bool dropAlpha) {
  if (!image.hasAlphaChannel()) return image.convertToFormat(QImage::Format_RGB32);
  if (dropAlpha) {
    QImage plain = image.convertToFormat(QImage::Format_ARGB32);
    const int width = plain.width();
    for (int y = 0; y < plain.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(plain.scanLine(y));
      std::transform(line, line + width, line, [](QRgb pixel) { return pixel | 0xFF000000u; });
    }
    return plain.convertToFormat(QImage::Format_RGB32);
  }
  QImage flat(image.size(), QImage::Format_RGB32);
  flat.fill(Qt::white);
  QPainter painter(&flat);
  painter.drawImage(0, 0, image);
  painter.end();
  return flat;
}

}  // namespace

QStringList PictureSuffixes() {
  QStringList suffixes = ClassicSuffixes();
  for (const QByteArray& format : QImageReader::supportedImageFormats()) {
    const QString suffix = QString::fromLatin1(format).toLower();
    if (IsStillImageFormat(suffix) && !suffixes.contains(suffix)) suffixes << suffix;
  }
  return suffixes;
}

bool IsPictureFileName(const QString& fileName) {
  return PictureSuffixes().contains(QFileInfo(fileName).suffix().toLower());
}

QString PictureFileFilter() {
  QStringList filter{QStringLiteral("All (%1)").arg(Patterns(PictureSuffixes())),
                     QStringLiteral("CompuServe GIF Image (*.gif)"), QStringLiteral("JPEG Image File (*.jpg)"),
                     QStringLiteral("JPEG Image File (*.jpeg)"),     QStringLiteral("Bitmaps (*.bmp)"),
                     QStringLiteral("PNG Image (*.png)"),            QStringLiteral("Icons (*.ico)")};
  for (const QString& suffix : PictureSuffixes().mid(ClassicSuffixes().size()))
    filter << QStringLiteral("%1 (*.%2)").arg(suffix.toUpper(), suffix);
  return filter.join(QStringLiteral(";;"));
}

std::optional<TPicture> ReadPicture(const QString& fileName, QSize bound) {
  if (!IsPictureFileName(fileName)) return std::nullopt;
  QImageReader reader(fileName);
  reader.setAutoTransform(true);
  const QSize stored = reader.size();
  if (!reader.canRead() || !FitsAllocationLimit(stored)) return std::nullopt;
  // The reader reduces the stored pixels before it turns them.
  const bool turned = reader.transformation().testFlag(QImageIOHandler::TransformationRotate90);
  const QSize natural = turned ? stored.transposed() : stored;
  if (stored.isValid() && bound.isValid() && natural.width() > bound.width() && natural.height() > bound.height()) {
    const QSize reduced = natural.scaled(bound, Qt::KeepAspectRatioByExpanding);
    reader.setScaledSize(turned ? reduced.transposed() : reduced);
  }
  const QImage image = reader.read();
  if (image.isNull()) return std::nullopt;
  const bool png = QFileInfo(fileName).suffix().compare(QLatin1String("png"), Qt::CaseInsensitive) == 0;
  return TPicture{Opaque(image, png), stored.isValid() ? natural : image.size()};
}

}  // namespace tintorium
