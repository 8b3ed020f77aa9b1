#pragma once
// A square grid of coloured cells with one selected cell, moved by the mouse and the arrow keys.
// The common base of the mixer and the spectrum: a descendant fills the cells in BuildCells.

#include "ui/controls/CommonColorControl.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

namespace tintorium {

/// Where the grid sits in a control: cell side, grid side and the grid's top-left corner.
struct TTableGeometry {
  int cellSide = 1;
  int side = 1;
  int left = 0;
  int top = 0;
  bool operator==(const TTableGeometry&) const = default;
};

class TColorTable : public TCommonColorControl {
  Q_OBJECT
  Q_PROPERTY(int Size READ Size WRITE SetSize)
  Q_PROPERTY(quint32 SelectedColor READ SelectedColor)
  Q_PROPERTY(quint32 DropColor READ DropColor)

 public:
  /// A new table is 256 x 256 with 5 cells per side.
  explicit TColorTable(QWidget* parent = nullptr);
  ~TColorTable() override;

  /// Cells per side. Sizes below 1 count as 1.
  int Size() const { return size_; }
  /// Stores the size, rebuilds, clamps the selection into the new grid and fires OnChange after the next
  /// paint; UserSelected stays as it was.
  void SetSize(int size);

  /// The cell colour; 0 when either index is outside the grid.
  TColor GetCell(int column, int row) const;
  /// Colour of the selected cell, as of the last paint.
  TColor SelectedColor() const { return selectedColor_; }
  /// Colour of the cell under the last left-button press (clNone before the first).
  TColor DropColor() const { return dropColor_; }
  /// The selected cell (column, row), always inside the grid.
  QPoint SelectedCell() const { return selectedCell_; }
  /// Whether the selection was last moved by the user (cleared when a descendant changes the content).
  bool UserSelected() const { return userSelected_; }
  /// The user's pick no longer stands (the colour it gave was replaced elsewhere): clears UserSelected.
  void ForgetUserSelection() { userSelected_ = false; }
  bool ChangePending() const { return changePending_; }

  /// Background of the control around the grid; default clBtnFace. System colours are shown as the active theme
  /// has them (clWindow: the theme's list white, dark in a dark theme).
  TColor Color() const { return color_; }
  void SetColor(TColor color);

  bool IsOwnColor(TColor color) const override;

  /// The grid's place in a control of `control` pixels with `size` cells per side. The cell side is at least 1.
  static TTableGeometry Geometry(QSize control, int size);
  /// The cell under `point`: clamped into the grid first, so points outside land on the nearest edge cell.
  static QPoint CellAt(const TTableGeometry& geometry, int size, QPoint point);
  TTableGeometry Geometry() const { return Geometry(size(), size_); }
  /// The cell's square in widget coordinates.
  QRect CellRect(QPoint cell) const;

  QSize sizeHint() const override { return {256, 256}; }

 signals:
  /// After a paint that follows a user selection or a change of content.
  void OnChange();

 protected:
  /// Fills `cells` with Size() x Size() colours, column by column, each from top to bottom.
  virtual void BuildCells(std::vector<TColor>& cells) const = 0;
  /// For descendants whose content changed: recompute the cells, clear UserSelected, fire OnChange after
  /// the next paint.
  void ContentChanged();

  QImage DisplayImage() const override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

  /// Descendants call this once they can build cells (BuildCells is not virtual yet in the base constructor).
  void RebuildCells();

 private:
  void EnsureGridImage() const;
  QImage ComposeDisplay() const;
  void SelectCell(QPoint cell);
  QPoint CellAt(QPoint point) const { return CellAt(Geometry(), size_, point); }

  int size_ = 5;
  std::vector<TColor> cells_;
  QPoint selectedCell_{0, 0};
  TColor selectedColor_ = clNone;
  TColor dropColor_ = clNone;
  TColor color_;
  bool userSelected_ = false;
  bool changePending_ = false;
  bool leftHeld_ = false;
  mutable bool imageDirty_ = true;
  mutable QImage gridImage_;
};

}  // namespace tintorium
