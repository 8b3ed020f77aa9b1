#include "engine/images/SwatchImage.h"

#include "engine/qtcolor/QtColorAdapter.h"
#include "engine/qtcolor/ShownColor.h"
#include "engine/images/GifWriter.h"
#include "engine/images/JpegWriter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QSaveFile>

#include <algorithm>
#include <limits>

namespace tintorium {
namespace {

constexpr int kTextGap = 110;
constexpr int kMaxImageSide = 65535;
constexpr qint64 kMaxImagePixels = qint64(64) * 1024 * 1024;

TSwatchImageOptions Clamped(const TSwatchImageOptions& options) {
  TSwatchImageOptions o = options;
  o.PerLine = std::clamp(o.PerLine, 1, 256);
  o.SwatchWidth = std::clamp(o.SwatchWidth, 1, 256);
  o.SwatchHeight = std::clamp(o.SwatchHeight, 1, 256);
  return o;
}

int TextHeight(const QFont& font) { return QFontMetrics(font).height(); }

QFont BoldOf(QFont font) {
  font.setBold(true);
  return font;
}

// The outlined rectangle from (left, top) to (right, bottom), right and bottom edges exclusive.
void DrawSwatch(QPainter& painter, int left, int top, int right, int bottom, QRgb fill) {
  if (right <= left || bottom <= top) return;
  painter.fillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)), Qt::black);
  if (right - left > 2 && bottom - top > 2) {
    painter.fillRect(QRect(QPoint(left + 1, top + 1), QPoint(right - 2, bottom - 2)), QColor::fromRgb(fill));
  }
}

void DrawTexts(QPainter& painter, const TColorObjectFx& color, int x, int y) {
  const QFont regular = SwatchImageFont();
  const QFont bold = BoldOf(regular);
  const QFontMetrics boldMetrics(bold);
  painter.setFont(bold);
  painter.drawText(x, y + boldMetrics.ascent(), QString::fromStdU16String(color.Name()));
  const int valueTop = y + 2 + boldMetrics.height();
  painter.setFont(regular);
  painter.drawText(x, valueTop + QFontMetrics(regular).ascent(), QString::fromStdString(color.ValuesText()));
}

bool SaveImage(QSaveFile& file, const QImage& image, TSwatchImageFormat format) {
  switch (format) {
    case TSwatchImageFormat::Gif: return WriteGifImage(file, image);
    case TSwatchImageFormat::Bmp: return image.save(&file, "BMP");
    case TSwatchImageFormat::Png: return image.save(&file, "PNG");
    case TSwatchImageFormat::Jpeg: {
      const auto bytes = EncodeBestJpeg(image);
      return bytes && file.write(*bytes) == bytes->size();
    }
  }
  return false;
}

}  // namespace

std::optional<TSwatchImageFormat> SwatchImageFormatForExtension(const QString& extension) {
  QString ext = extension.toLower();
  if (ext.startsWith(u'.')) ext.remove(0, 1);
  if (ext == u"bmp") return TSwatchImageFormat::Bmp;
  if (ext == u"png") return TSwatchImageFormat::Png;
  if (ext == u"jpg" || ext == u"jpeg") return TSwatchImageFormat::Jpeg;
  if (ext == u"gif") return TSwatchImageFormat::Gif;
  return std::nullopt;
}

QFont SwatchImageFont() {
  QFont font(QStringLiteral("Tahoma"));
  font.setPixelSize(11);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

QSize SwatchCellSize(const TSwatchImageOptions& options, int textHeight) {
  const TSwatchImageOptions o = Clamped(options);
  if (!o.DrawText) return {o.SwatchWidth, o.SwatchHeight};
  return {o.SwatchWidth + kTextGap, std::max(o.SwatchHeight, 2 * textHeight + 4)};
}

QSize SwatchImageSize(qsizetype count, const TSwatchImageOptions& options, int textHeight) {
  const TSwatchImageOptions o = Clamped(options);
  const QSize cell = SwatchCellSize(o, textHeight);
  const qint64 across = std::min<qint64>(count, o.PerLine);
  const qint64 width = across == 0 ? 2 : across * (cell.width() + 2);
  const qint64 height = (count / o.PerLine + 1) * qint64(cell.height() + 2);
  constexpr qint64 kMaxSide = std::numeric_limits<int>::max();
  return {static_cast<int>(std::min(width, kMaxSide)), static_cast<int>(std::min(height, kMaxSide))};
}

QImage DrawSwatchImage(const TColors& colors, const TSwatchImageOptions& options) {
  const TSwatchImageOptions o = Clamped(options);
  const int textHeight = TextHeight(SwatchImageFont());
  const QSize cell = SwatchCellSize(o, textHeight);
  const QSize size = SwatchImageSize(static_cast<qsizetype>(colors.size()), o, textHeight);
  // Larger pictures than GIF allows, or than 256 MB of pixels, are refused rather than attempted.
  if (size.width() > kMaxImageSide || size.height() > kMaxImageSide ||
      qint64(size.width()) * size.height() > kMaxImagePixels) {
    return {};
  }
  QImage image(size, QImage::Format_RGB32);
  if (image.isNull()) return image;
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(Qt::black);
  int x = 0;
  int y = 0;
  for (const TColorObjectFx& color : colors) {
    DrawSwatch(painter, x + 2, y + 2, x + o.SwatchWidth - 2, y + o.SwatchHeight - 2, ToQRgb(ShownRGB(color)));
    if (o.DrawText) DrawTexts(painter, color, x + o.SwatchWidth + 4, y + 2);
    x += cell.width() + 2;
    if (size.width() < x + 1) {
      x = 0;
      y += cell.height() + 2;
    }
  }
  return image;
}

TFileResult WriteSwatchImage(const QString& fileName, const TColors& colors, const TSwatchImageOptions& options,
                             TSwatchImageFormat format) {
  const QImage image = DrawSwatchImage(colors, options);
  if (image.isNull()) return TFileResult::CantSave();
  QSaveFile file(fileName);
  if (!file.open(QIODevice::WriteOnly) || !SaveImage(file, image, format) || !file.commit()) {
    return TFileResult::CantSave();
  }
  return {};
}

}  // namespace tintorium
