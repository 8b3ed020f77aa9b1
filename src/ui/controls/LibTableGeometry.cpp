#include "ui/controls/LibTableGeometry.h"

#include "core/Rounding.h"

#include <algorithm>
#include <cstdlib>

namespace tintorium {

int LibTableColumns(int width, int cellSize) {
  if (cellSize < 1) return 0;
  const int columns = Round(static_cast<long double>(width - kLibTableScrollBarWidth) / cellSize);
  return std::max(columns, 0);
}

int LibTableAutoHeight(int count, int columns, int cellSize) {
  if (columns < 1 || count < 1) return 0;
  return (count + columns - 1) / columns * cellSize;
}

int LibTableVisibleRows(int height, int cellSize) { return cellSize < 1 ? 0 : std::max(height, 0) / cellSize; }

QRect LibTableCellRect(int index, int topIndex, int columns, int cellSize) {
  if (columns < 1) return {};
  const int offset = index - topIndex;
  const int column = offset % columns;
  const int row = offset / columns;
  return {column * cellSize, row * cellSize, cellSize, cellSize};
}

int LibTableHitTest(QPoint point, int topIndex, int columns, int cellSize) {
  if (columns < 1 || cellSize < 1 || point.x() < 0 || point.y() < 0) return -1;
  const int column = point.x() / cellSize;
  if (column >= columns) return -1;
  return topIndex + point.y() / cellSize * columns + column;
}

int LibTableScrollMax(int lastIndex, int columns, int visibleRows) {
  if (columns < 1 || lastIndex < 0) return 0;
  return std::max(0, lastIndex / columns - visibleRows + 1);
}

int LibTableLineUp(int topIndex, int columns) { return std::max(0, topIndex - std::max(columns, 0)); }

int LibTableLineDown(int topIndex, int columns, int visibleRows, int lastIndex) {
  if (columns < 1) return topIndex;
  return topIndex + visibleRows * columns <= lastIndex ? topIndex + columns : topIndex;
}

TLibTableMove LibTableArrowMove(TLibTableArrow arrow, int selected, int topIndex, int columns, int visibleRows,
                                int lastIndex) {
  TLibTableMove move{selected, topIndex};
  if (columns < 1) return move;
  const bool back = arrow == TLibTableArrow::Left || arrow == TLibTableArrow::Up;
  const int step = arrow == TLibTableArrow::Left || arrow == TLibTableArrow::Right ? 1 : columns;
  int next = back ? selected - step : selected + step;
  if (back) {
    if (next < 0) next = selected;
    if (std::abs(next - topIndex) < columns && topIndex > 0) move.topIndex = topIndex - columns;
  } else {
    if (next > lastIndex) next = selected;
    if (next - topIndex >= visibleRows * columns) move.topIndex = topIndex + columns;
  }
  move.selected = std::min(next, lastIndex);
  return move;
}

}  // namespace tintorium
