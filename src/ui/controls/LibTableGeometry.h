#pragma once
// The layout, hit test, scrolling and arrow-key rules of the library swatch table, as pure functions of its
// size and state, so they are tested without a screen.

#include <QPoint>
#include <QRect>

#include <cstdint>

namespace tintorium {

/// Pixels kept free for the vertical scroll bar on the right of the table.
inline constexpr int kLibTableScrollBarWidth = 16;

/// Cells per row of a table `width` pixels wide: round((width - 16) / cellSize), exact halves to the even
/// neighbour, so the last column may be partly cut off. 0 when `cellSize` < 1 or nothing fits.
int LibTableColumns(int width, int cellSize);
/// The height AutoHeight gives: enough rows for `count` entries (0 for none); the caller turns 0 into cellSize.
int LibTableAutoHeight(int count, int columns, int cellSize);
/// Whole rows that fit in `height`; 0 when `cellSize` < 1.
int LibTableVisibleRows(int height, int cellSize);

/// Where entry `index` (>= topIndex) is drawn: column and row counted from the top-left cell.
QRect LibTableCellRect(int index, int topIndex, int columns, int cellSize);
/// The entry under `point`: topIndex + (y div cellSize) x columns + (x div cellSize). A point left of or above
/// the grid, or right of the last column, names no entry (-1); so do all points when `columns` is 0.
int LibTableHitTest(QPoint point, int topIndex, int columns, int cellSize);

/// The highest scroll position: the rows that do not fit, max(0, lastIndex div columns - visibleRows + 1); 0 when
/// `columns` is 0 or the list is empty (`lastIndex` < 0).
int LibTableScrollMax(int lastIndex, int columns, int visibleRows);
/// Scrolling one row up: topIndex - columns, not below 0.
int LibTableLineUp(int topIndex, int columns);
/// Scrolling one row down: topIndex + columns while an entry is left below the visible rows; else unchanged.
int LibTableLineDown(int topIndex, int columns, int visibleRows, int lastIndex);

/// The arrow keys of the table.
enum class TLibTableArrow : std::uint8_t { Left, Up, Right, Down };

/// Selection and top entry after an arrow key.
struct TLibTableMove {
  int selected = -1;
  int topIndex = 0;
  bool operator==(const TLibTableMove&) const = default;
};

/// The arrow-key rule: the new selection from `selected` (-1: none) and the scrolling it causes, the selection
/// capped at count - 1 (`lastIndex` = count - 1). With `columns` 0 nothing moves.
TLibTableMove LibTableArrowMove(TLibTableArrow arrow, int selected, int topIndex, int columns, int visibleRows,
                                int lastIndex);

}  // namespace tintorium
