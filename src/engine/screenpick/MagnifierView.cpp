#include "engine/screenpick/MagnifierView.h"

#include "core/ColorText.h"
#include "engine/qtcolor/QtColorAdapter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <array>

namespace tintorium {

int ZoomIn(int zoom) { return std::clamp(zoom + 1, kMinPickZoom, kMaxPickZoom); }
int ZoomOut(int zoom) { return std::clamp(zoom - 1, kMinPickZoom, kMaxPickZoom); }
int WheelZoom(int zoom, int delta) { return delta > 0 ? ZoomIn(zoom) : ZoomOut(zoom); }
int DrawnZoom(int zoom) { return std::clamp(zoom, kMinPickZoom, kMaxPickZoom); }

QRect MagnifierSource(const QPoint& center, int zoom, int size) {
  const int z = DrawnZoom(zoom);
  const int half = size / 2;
  const int offset = half / (2 * z);
  // An odd side with the pointer's pixel in the middle: with an even side (half div z) the view's centre, where
  // the crosshair points, would show the pixel beside the one picked.
  const int side = 2 * offset + 1;
  return {center.x() - offset, center.y() - offset, side, side};
}

QImage RenderMagnifierView(const QImage& frozen, const QPoint& center, int zoom, QRgb picked, int size) {
  QImage view(size, size, QImage::Format_RGB32);
  const QRect source = MagnifierSource(center, zoom, size);
  const bool readable = frozen.format() == QImage::Format_RGB32 || frozen.format() == QImage::Format_ARGB32;
  const QImage picture = readable ? frozen : frozen.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < size; ++y) {
    const int sy = source.y() + y * source.height() / size;
    const bool rowInside = sy >= 0 && sy < picture.height();
    const auto* line = rowInside ? reinterpret_cast<const QRgb*>(picture.constScanLine(sy)) : nullptr;
    auto* out = reinterpret_cast<QRgb*>(view.scanLine(y));
    for (int x = 0; x < size; ++x) {
      const int sx = source.x() + x * source.width() / size;
      out[x] = line && sx >= 0 && sx < picture.width() ? (line[sx] | 0xFF000000u) : qRgb(0, 0, 0);
    }
  }

  QPainter painter(&view);
  painter.setRenderHint(QPainter::Antialiasing, false);
  const int last = size - 1;
  const int c = size / 2;
  painter.setPen(QPen(Qt::white, 1));
  painter.drawRect(0, 0, last, last);
  QPen arms(Qt::white, 3);
  arms.setCapStyle(Qt::FlatCap);
  painter.setPen(arms);
  const int reach = size / 4 + 1;  // 46 of 183: the arms run from 45 to 88 and from 138 to 94
  painter.drawLine(c, c - reach, c, c - 3);
  painter.drawLine(c - reach, c, c - 3, c);
  painter.drawLine(c + reach + 1, c, c + 3, c);
  painter.drawLine(c, c + reach + 1, c, c + 3);
  painter.fillRect(c - 1, c - 1, 3, 3, QColor::fromRgb(picked));
  return view;
}

QImage RenderMagnifierInfo(const TColorObject& picked, const QString& tip) {
  QImage panel(kMagnifierSize, kMagnifierInfoHeight, QImage::Format_RGB32);
  panel.setDotsPerMeterX(3780);  // 96 dpi, so a point size means what it does on screen
  panel.setDotsPerMeterY(3780);
  panel.fill(Qt::white);
  QPainter painter(&panel);
  painter.setPen(Qt::black);
  painter.drawRect(0, 0, kMagnifierSize - 1, kMagnifierInfoHeight - 1);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setBrush(ToQColor(RGBValuesToColor(picked.GetRGB())));
  painter.drawRoundedRect(QRectF(3.5, 3.5, 30, 30), 2.5, 2.5);
  painter.setBrush(Qt::NoBrush);

  QFont font(QStringLiteral("Verdana"));
  font.setPointSize(7);
  painter.setFont(font);
  const QFontMetrics metrics(font, &panel);
  const int t = metrics.tightBoundingRect(QStringLiteral("A")).height();
  const std::array<std::string, 4> lines = {ValuesText(picked.GetRGB(), true), ValuesText(picked.GetHSB(), true),
                                            ValuesText(picked.GetCMYK(), true), ValuesText(picked.GetLab(), true)};
  for (int m = 0; m < int(lines.size()); ++m) {
    const int top = 3 + m * (t + 3);
    painter.drawText(39, top + metrics.ascent(), QString::fromStdString(lines[std::size_t(m)]));
  }
  const QString shown = metrics.elidedText(tip, Qt::ElideRight, kMagnifierSize - 6);
  painter.drawText(3, 4 * t + 15 + metrics.ascent(), shown);
  return panel;
}

QPoint MagnifierPlace(const QRect& screen, const QSize& size, const QPoint& pointer) {
  const QRect left(screen.topLeft(), size);
  if (!left.contains(pointer)) return left.topLeft();
  return {screen.right() + 1 - size.width(), screen.top()};
}

}  // namespace tintorium
