#pragma once
// The grid of the palette contrast window: row = text colour, column = background colour, each cell filled with
// the background (as seen in the table's view) and showing a sample glyph in the text colour, the WCAG 2 ratio
// with its badge and the APCA Lc. Pairs the table does not list (the diagonal, those filtered out) stay blank.
// Only the visible cells are drawn, into a cached image dropped when the table, the size or the scroll position
// changes; the figures come from the table, computed once per change by its owner.
//
// Mouse: hover shows the pair in a tooltip, a double click emits PairActivated, a drag carries the text colour
// (the colour drag convention of ColorDrag.h, as a swatch), a right click emits PairMenuRequested.

#include "engine/formats/ContrastTable.h"
#include "ui/controls/ColorDrag.h"
#include "ui/tools/ContrastMatrixGeometry.h"

#include <QAbstractScrollArea>
#include <QImage>

#include <optional>
#include <utility>

class QPainter;

namespace tintorium {

/// The texts a cell shows beside the figures: the WCAG 2 badges in the language in use.
struct TContrastBadgeTexts {
  QString Large = QStringLiteral("AA large");
  QString Fail = QStringLiteral("Fail");
};

/// Draws one cell into `rect`: filled with `back`, the glyph "Aa" in `text`, then the ratio with its badge and
/// the Lc in black or white, whichever stands out more on `back`. Paints on any device (a QImage in tests).
void PaintContrastCell(QPainter& painter, const QRect& rect, TColor text, TColor back, const TContrastCell& cell,
                       const TContrastBadgeTexts& badges);
/// The two lines of figures a cell shows: the ratio cut to two decimals with its badge ("4.47 AA large") and the
/// Lc with one decimal ("Lc 71.1"), in the decimal sign of the language in use ("4,47", "71,1" in German).
std::pair<QString, QString> ContrastCellTexts(const TContrastCell& cell, const TContrastBadgeTexts& badges);
/// The badge of `ratio` as the cell shows it: "AAA", "AA", badges.Large or badges.Fail.
QString ContrastBadgeText(double ratio, const TContrastBadgeTexts& badges);

class TContrastMatrixView final : public QAbstractScrollArea, public TColorDragSource {
  Q_OBJECT
 public:
  explicit TContrastMatrixView(QWidget* parent = nullptr);

  /// Shows `table` (replacing the one before); the cache is dropped and the visible cells repainted.
  void SetTable(TContrastTable table);
  const TContrastTable& Table() const { return table_; }
  /// Lists only the pairs meeting `filter` (none: every pair of two colours).
  void SetFilter(const std::optional<TContrastTarget>& filter);
  void SetBadgeTexts(const TContrastBadgeTexts& badges);

  const TContrastGridLayout& Layout() const { return layout_; }
  /// The scroll position of the cells.
  QPoint Offset() const;
  /// The centre of `cell` in viewport coordinates (scrolling it into view first).
  QPoint CellCenter(TContrastGridCell cell);
  /// The cached rendering of the viewport at its device pixel ratio, made now if missing or made for another size or
  /// ratio: what paintEvent copies. Tests read cells from it.
  const QImage& Rendering();
  /// How many cells the last rendering drew (the visible ones).
  int CellsPainted() const { return cellsPainted_; }

  /// The tooltip text of the pair `cell` (names, hex values, ratio with badge, Lc with its level).
  QString PairText(TContrastGridCell cell) const;

  TColorDragOffer ColorDragOffer() const override;
  QSize sizeHint() const override;

 signals:
  /// A double click on a listed pair: row = text colour, column = background, indexes into the table's colours.
  void PairActivated(int row, int column);
  /// A right click on a listed pair, at `global` screen coordinates.
  void PairMenuRequested(int row, int column, const QPoint& global);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  bool viewportEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Relayout();
  void DropCache();
  void Render();
  void PaintHeaders(QPainter& painter, const TContrastGridSpan& span);
  std::optional<TContrastGridCell> ListedCellAt(QPoint point) const;

  TContrastTable table_;
  TContrastBadgeTexts badges_;
  TContrastGridLayout layout_;
  QImage cache_;
  int cellsPainted_ = 0;
  std::optional<TContrastGridCell> hover_;
  QPoint pressPoint_;
  std::optional<TContrastGridCell> pressCell_;
  TColor dragColor_ = clNone;
};

}  // namespace tintorium
