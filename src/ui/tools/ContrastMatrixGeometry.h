#pragma once
// Where things are in the palette contrast grid: pure functions of the cell size, the header sizes, the number
// of colours and the scroll offset, so the view and its tests agree on every rectangle without a screen.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

class QFontMetrics;

namespace tintorium {

/// The fixed sizes of one grid, in pixels (all > 0 once made by ContrastGridLayoutFor).
struct TContrastGridLayout {
  QSize Cell;           // one pair
  int RowHeader = 0;    // width of the text-colour column on the left
  int ColumnHeader = 0; // height of the background-colour row on top
  int Count = 0;        // colours; the grid has Count x Count cells
};

/// One cell by its row (text colour) and column (background colour), both 0 .. Count - 1.
struct TContrastGridCell {
  int Row = 0;
  int Column = 0;
  friend constexpr bool operator==(const TContrastGridCell&, const TContrastGridCell&) = default;
};

/// The layout for `count` colours (negative counts as 0) with texts in `metrics`: a cell holds a sample glyph
/// line and two lines of figures ("21.00 AA large", "Lc -108.0") with a margin.
TContrastGridLayout ContrastGridLayoutFor(const QFontMetrics& metrics, int count);

/// The whole grid with its headers, unscrolled.
QSize ContrastGridSize(const TContrastGridLayout& layout);

/// The rectangle of `cell` in viewport coordinates when the cells are scrolled by `offset` (the headers stay).
QRect ContrastCellRect(const TContrastGridLayout& layout, TContrastGridCell cell, QPoint offset);
/// The header of text colour `row` (left) and of background colour `column` (top), scrolled like the cells.
QRect ContrastRowHeaderRect(const TContrastGridLayout& layout, int row, QPoint offset);
QRect ContrastColumnHeaderRect(const TContrastGridLayout& layout, int column, QPoint offset);

/// The cell under `point` (viewport coordinates, cells scrolled by `offset`); nullopt over the headers, the
/// corner or outside the grid.
std::optional<TContrastGridCell> ContrastCellAt(const TContrastGridLayout& layout, QPoint point, QPoint offset);

/// The rows and columns a viewport of `viewport` pixels shows, scrolled by `offset`: first..last inclusive per
/// axis, empty (last < first) when none.
struct TContrastGridSpan {
  int FirstRow = 0, LastRow = -1, FirstColumn = 0, LastColumn = -1;
  int Cells() const { return LastRow < FirstRow || LastColumn < FirstColumn ? 0 : (LastRow - FirstRow + 1) * (LastColumn - FirstColumn + 1); }
};
TContrastGridSpan VisibleContrastCells(const TContrastGridLayout& layout, QSize viewport, QPoint offset);

}  // namespace tintorium
