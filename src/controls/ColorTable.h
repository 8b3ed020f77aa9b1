#pragma once
// A square grid of coloured cells with one selected cell, moved by the mouse and the arrow keys. Descendants
// fill the cells (BuildCells); the table draws them, maps points to cells and tells user picks apart from
// content changes (UserSelected), firing OnChange after the paint that follows either.

#include "controls/CommonColorControl.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <vector>

namespace tintorium {

/// Where the grid sits in a control: cell side, grid side and its top-left corner.
struct TTableGeometry {
  int cell = 0;
  int side = 0;
  QPoint offset;
};

class TColorTable : public TCommonColorControl {
  Q_OBJECT
  Q_PROPERTY(int Size READ Size WRITE SetSize)

 public:
  /// A new table is 256 x 256 with 5 cells per side.
  explicit TColorTable(QWidget* parent = nullptr);
  ~TColorTable() override;

  /// Cells per side, at least 1. Setting it rebuilds, clamps the selection into the grid and fires OnChange
  /// after the next paint; UserSelected is left as it was.
  int Size() const { return size_; }
  void SetSize(int size);

  /// The colour of the selected cell, as of the last paint; clNone before the first.
  TColor SelectedColor() const { return selectedColor_; }
  /// The colour of the cell under the last left press; clNone before the first.
  TColor DropColor() const { return dropColor_; }
  /// The selected cell (column, row), always inside the grid.
  QPoint SelectedCell() const { return selected_; }
  /// True when the user moved the selection last (cleared when a descendant changes the content).
  bool UserSelected() const { return userSelected_; }
  /// The cell colour; 0 when either index is outside the grid.
  TColor GetCell(int column, int row) const;

  bool IsOwnColor(TColor color) const override;

  /// The grid of `size` cells per side centred in a control of `control` pixels.
  static TTableGeometry Geometry(QSize control, int size);
  /// The cell under `point`, the point first clamped onto the grid, the cell then clamped into the grid.
  static QPoint PointToCell(QPoint point, const TTableGeometry& geometry, int size);

 signals:
  /// After a paint that followed a user selection or a change of content.
  void OnChange();

 protected:
  /// The cells, Size * Size colours, column-major ([column][row] at column * Size + row).
  virtual std::vector<TColor> BuildCells() const = 0;
  /// A descendant's content changed: rebuild, clear UserSelected, fire OnChange after the next paint.
  void ContentChanged();

  QImage DisplayImage() const override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void EnsureCells() const;
  void EnsureDisplay() const;
  void Invalidate();
  QPoint CellAt(QPoint point) const;
  void Select(QPoint cell);

  int size_ = 5;
  QPoint selected_{0, 0};
  TColor selectedColor_ = clNone;
  TColor dropColor_ = clNone;
  bool userSelected_ = false;
  bool changePending_ = false;
  // Built when first needed (paint or hit test), so a table nobody looks at costs nothing.
  mutable std::vector<TColor> cells_;
  mutable bool cellsDirty_ = true;
  mutable QImage display_;
  mutable bool displayDirty_ = true;
};

}  // namespace tintorium
