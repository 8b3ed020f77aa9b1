#include "ui/tools/ContrastMatrixGeometry.h"

#include <QFontMetrics>

#include <algorithm>

namespace tintorium {

TContrastGridLayout ContrastGridLayoutFor(const QFontMetrics& metrics, int count) {
  TContrastGridLayout layout;
  const int line = metrics.height();
  const int figures = std::max(metrics.horizontalAdvance(QStringLiteral("21.00 AA large")),
                               metrics.horizontalAdvance(QStringLiteral("Lc -108.0")));
  layout.Cell = QSize(figures + 12, 2 * line + line * 3 / 2 + 10);
  layout.RowHeader = std::max(110, metrics.horizontalAdvance(QStringLiteral("M")) * 12) + 24;
  layout.ColumnHeader = line + 24;
  layout.Count = std::max(0, count);
  return layout;
}

QSize ContrastGridSize(const TContrastGridLayout& layout) {
  return {layout.RowHeader + layout.Count * layout.Cell.width(), layout.ColumnHeader + layout.Count * layout.Cell.height()};
}

QRect ContrastCellRect(const TContrastGridLayout& layout, TContrastGridCell cell, QPoint offset) {
  return {layout.RowHeader + cell.Column * layout.Cell.width() - offset.x(),
          layout.ColumnHeader + cell.Row * layout.Cell.height() - offset.y(), layout.Cell.width(), layout.Cell.height()};
}

QRect ContrastRowHeaderRect(const TContrastGridLayout& layout, int row, QPoint offset) {
  return {0, layout.ColumnHeader + row * layout.Cell.height() - offset.y(), layout.RowHeader, layout.Cell.height()};
}

QRect ContrastColumnHeaderRect(const TContrastGridLayout& layout, int column, QPoint offset) {
  return {layout.RowHeader + column * layout.Cell.width() - offset.x(), 0, layout.Cell.width(), layout.ColumnHeader};
}

std::optional<TContrastGridCell> ContrastCellAt(const TContrastGridLayout& layout, QPoint point, QPoint offset) {
  if (point.x() < layout.RowHeader || point.y() < layout.ColumnHeader) return std::nullopt;
  if (layout.Cell.width() <= 0 || layout.Cell.height() <= 0) return std::nullopt;
  const int x = point.x() - layout.RowHeader + offset.x();
  const int y = point.y() - layout.ColumnHeader + offset.y();
  if (x < 0 || y < 0) return std::nullopt;
  const int column = x / layout.Cell.width();
  const int row = y / layout.Cell.height();
  if (row >= layout.Count || column >= layout.Count) return std::nullopt;
  return TContrastGridCell{row, column};
}

TContrastGridSpan VisibleContrastCells(const TContrastGridLayout& layout, QSize viewport, QPoint offset) {
  TContrastGridSpan span;
  if (layout.Count <= 0 || layout.Cell.isEmpty()) return span;
  const int width = viewport.width() - layout.RowHeader;
  const int height = viewport.height() - layout.ColumnHeader;
  if (width <= 0 || height <= 0) return span;
  span.FirstColumn = std::clamp(offset.x() / layout.Cell.width(), 0, layout.Count - 1);
  span.LastColumn = std::clamp((offset.x() + width - 1) / layout.Cell.width(), 0, layout.Count - 1);
  span.FirstRow = std::clamp(offset.y() / layout.Cell.height(), 0, layout.Count - 1);
  span.LastRow = std::clamp((offset.y() + height - 1) / layout.Cell.height(), 0, layout.Count - 1);
  return span;
}

}  // namespace tintorium
