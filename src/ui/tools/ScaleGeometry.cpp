#include "ui/tools/ScaleGeometry.h"

#include <algorithm>
#include <cmath>

namespace tintorium {

QRect ScaleColumnRect(int width, int count, int index) {
  if (count < 1 || index < 0 || index >= count || width < 1) return {};
  const int base = width / count;
  const int extra = width % count;
  const int left = index * base + std::min(index, extra);
  return {left, 0, base + (index < extra ? 1 : 0), 1};
}

int ScaleColumnAt(int width, int count, int x) {
  if (count < 1 || width < 1 || x < 0 || x >= width) return -1;
  const int base = width / count;
  const int extra = width % count;
  const int wide = extra * (base + 1);
  if (x < wide) return x / (base + 1);
  return base == 0 ? -1 : extra + (x - wide) / base;
}

QRect ScaleSwatchRect(QSize size, int count, int index) {
  const QRect column = ScaleColumnRect(size.width(), count, index);
  if (column.isEmpty() || size.height() < 1) return {};
  const int gap = column.width() > 4 ? 2 : 0;
  return {column.left() + gap / 2, 0, column.width() - gap, size.height()};
}

int ScaleSwatchAt(QSize size, int count, QPoint pos) {
  if (pos.y() < 0 || pos.y() >= size.height()) return -1;
  const int index = ScaleColumnAt(size.width(), count, pos.x());
  return index >= 0 && ScaleSwatchRect(size, count, index).contains(pos) ? index : -1;
}

QRect ScalePlotRect(QSize size, TScalePlot plot, int labelWidth) {
  constexpr int Air = 6;
  const int band = size.height() / ScalePlotCount;
  const int top = band * static_cast<int>(plot) + Air;
  const int height = band - 2 * Air;
  if (height < 1 || size.width() <= labelWidth) return {};
  return {labelWidth, top, size.width() - labelWidth, height};
}

double ScalePlotMax(TScalePlot plot) {
  switch (plot) {
    case TScalePlot::Lightness: return 1;
    case TScalePlot::Chroma: return ScalePlotChromaMax;
    case TScalePlot::Hue: return 360;
  }
  return 1;
}

QPointF ScaleCurvePoint(int width, QRect frame, TScalePlot plot, int count, int index, double value) {
  const QRect column = ScaleColumnRect(width, count, index);
  const double x = column.isEmpty() ? frame.left() : column.left() + column.width() / 2.0;
  const double share = std::clamp(value / ScalePlotMax(plot), 0.0, 1.0);
  return {x, frame.top() + (1 - share) * (frame.height() - 1)};
}

double ScalePlotValueAt(QRect frame, TScalePlot plot, double y) {
  if (frame.height() < 2) return 0;
  const double share = 1 - (y - frame.top()) / (frame.height() - 1);
  return std::clamp(share, 0.0, 1.0) * ScalePlotMax(plot);
}

int ScaleCurvePointAt(int width, QRect frame, TScalePlot plot, std::span<const double> values, QPointF pos) {
  int nearest = -1;
  double best = ScalePointGrip;
  const int count = static_cast<int>(values.size());
  for (int i = 0; i < count; ++i) {
    const QPointF point = ScaleCurvePoint(width, frame, plot, count, i, values[static_cast<std::size_t>(i)]);
    const double distance = std::hypot(point.x() - pos.x(), point.y() - pos.y());
    if (distance <= best) {
      best = distance;
      nearest = i;
    }
  }
  return nearest;
}

}  // namespace tintorium
