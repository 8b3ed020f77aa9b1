#pragma once
// The library swatch table: a scrollable grid of square colour cells, row by row, with a vertical scroll bar.
// The user hovers, selects (mouse or arrow keys) and drags swatches; the table reports this through its signals
// and handlers and leaves every consequence to its owner. A drag offers DropColor (TColorDragKind::LibTable).

#include "ui/controls/ColorDrag.h"
#include "ui/controls/LibTableCells.h"
#include "core/ColorTypes.h"

#include <QImage>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>
#include <vector>

class QScrollBar;

namespace tintorium {

class TColorLibTable : public QWidget, public TColorDragSource {
  Q_OBJECT
  Q_PROPERTY(int SelectedCell READ SelectedCell WRITE SetSelectedCell)
  Q_PROPERTY(quint32 SelectedColor READ SelectedColor WRITE SetSelectedColor)
  Q_PROPERTY(quint32 DropColor READ DropColor)
  Q_PROPERTY(int CellSize READ CellSize WRITE SetCellSize)

 public:
  /// Handler of a cell about to get its content (after its frame); setting `handled` skips the content.
  /// `style` is the table's own TransparentStyle: a handler changing it changes the property (without a repaint).
  using TPaintCellHandler = std::function<void(QPainter& painter, const QRect& cellRect, TColor color, int index,
                                               TColorCellState state, TTransparentStyle& style, bool& handled)>;
  /// Handler of a left-button click on a cell; setting `dontCheck` puts the previous selection back.
  using TCellClickHandler = std::function<void(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, int index,
                                               TColor color, bool& dontCheck)>;
  /// Handler asked for a hint; setting `handled` makes `hint` the text shown.
  using TGetHintTextHandler = std::function<void(TColor color, int index, QString& hint, bool& handled)>;

  /// A new table is 180 x 126, a tab stop, with no entries.
  explicit TColorLibTable(QWidget* parent = nullptr);
  ~TColorLibTable() override;

  /// The entries, one per cell: a hex colour, "clTransparent", "clCustom" or "" (a blank cell).
  const QStringList& Colors() const { return colors_; }
  /// Replaces the entries, pads them with "clNone" up to MinColors and cuts them to MaxColors (when > 0).
  void SetColors(const QStringList& colors);
  /// Replaces the entries with the lines of `text` (CR LF, CR or LF; a final line break adds none). MinColors,
  /// MaxColors, TopIndex, the selection and the hovered cell are left as they are.
  void SetColorsText(const QString& text);
  /// Names shown as hints, parallel to Colors(); cut to MaxColors (when > 0).
  const QStringList& ColorNames() const { return names_; }
  void SetColorNames(const QStringList& names);
  int Count() const { return int(colors_.size()); }

  /// The selected cell, -1 for none. Values outside 0 .. Count() - 1 select nothing.
  int SelectedCell() const { return selectedCell_; }
  void SetSelectedCell(int cell);
  /// The selected entry's colour, or (no valid selection) the colour last assigned (clNone until then).
  TColor SelectedColor() const;
  /// Selects the first entry reading `color`'s six-digit hex text (any case; "#" entries never match).
  void SetSelectedColor(TColor color);
  /// The colour of the cell a drag carries (the selection at the last left press); clNone when none.
  TColor DropColor() const;
  /// The entry under `pos` (widget coordinates), -1 for none (the scroll bar, the empty area after the last entry).
  int CellAt(QPoint pos) const;
  /// While OnMouseUp is handled: the entry a left press and this left release both hit, -1 for none (another
  /// button, a release elsewhere, a drag, a press on no entry). -1 at any other time.
  int ClickedCell() const { return clickedCell_; }
  /// The colour of the hovered cell, clNone when none; its index, -1 when none.
  TColor HoverColor() const;
  int HoverIndex() const;

  int CellSize() const { return cellSize_; }
  /// Sizes below 1 count as 1.
  void SetCellSize(int size);
  bool AutoHeight() const { return autoHeight_; }
  /// On: the table fixes its own height to fit every row.
  void SetAutoHeight(bool on);
  int MinColors() const { return minColors_; }
  void SetMinColors(int count);
  int MaxColors() const { return maxColors_; }
  /// 0: no limit; negative counts as 0.
  void SetMaxColors(int count);
  TCellStyle CellStyle() const { return cellStyle_; }
  void SetCellStyle(TCellStyle style);
  TTransparentStyle TransparentStyle() const { return transparentStyle_; }
  void SetTransparentStyle(TTransparentStyle style);
  /// Background; until set, the parent's window colour.
  TColor Color() const;
  void SetColor(TColor color);
  /// Hints of the hovered cell; off by default.
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool on) { showHint_ = on; }

  void SetOnPaintCell(TPaintCellHandler handler) { onPaintCell_ = std::move(handler); }
  void SetOnCellClick(TCellClickHandler handler) { onCellClick_ = std::move(handler); }
  void SetOnGetHintText(TGetHintTextHandler handler) { onGetHintText_ = std::move(handler); }

  int Columns() const { return columns_; }
  int VisibleRows() const { return visibleRows_; }
  int TopIndex() const { return topIndex_; }
  /// The hint the hovered cell would show now (empty: none).
  QString HintText() const;
  QScrollBar* ScrollBar() const { return scrollBar_; }
  /// A drag started here is in progress.
  bool Dragging() const { return dragging_; }

  TColorDragOffer ColorDragOffer() const override;

  /// What the table shows in its cells' area (widget coordinates), as painted from its cache.
  QImage DisplayImage() const;

  QSize sizeHint() const override { return {180, 126}; }

 signals:
  void OnSelColorChange();
  void OnColorsChange();
  void OnArrowKey(int key, Qt::KeyboardModifiers modifiers);
  void OnMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
  void OnMouseMove(Qt::MouseButtons buttons, QPoint pos);
  void OnMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
  void OnMouseEnter();
  void OnMouseLeave();
  void OnKeyDown(int key, Qt::KeyboardModifiers modifiers);
  void OnKeyUp(int key, Qt::KeyboardModifiers modifiers);

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  void ColorsChanged();
  void Layout();
  void UpdateScrollRange();
  void UpdateScrollPosition();
  void ScrollAction(int action);
  void Repaint();
  void PadAndCut();
  bool HandleArrowOrSelectKey(QKeyEvent* event);
  void StartDrag();
  void ShowHintNow(QPoint globalPos);
  int HitTest(QPoint pos) const;
  TColor EntryColor(int index) const;
  TLibCellContext CellContext() const;
  void RenderCells() const;

  QStringList colors_;
  std::vector<TLibEntry> entries_;  // colors_ parsed
  QStringList names_;
  int selectedCell_ = -1;
  TColor selectedColor_ = clNone;
  int cellSize_ = 18;
  bool autoHeight_ = false;
  int minColors_ = 0;
  int maxColors_ = 0;
  TCellStyle cellStyle_ = csDefault;
  TTransparentStyle transparentStyle_ = tsNone;
  std::optional<TColor> color_;
  bool showHint_ = false;
  TPaintCellHandler onPaintCell_;
  TCellClickHandler onCellClick_;
  TGetHintTextHandler onGetHintText_;

  int columns_ = 0;
  int visibleRows_ = 0;
  int topIndex_ = 0;
  int hoverCell_ = -1;
  int previousCell_ = 0;
  int dragCell_ = -1;
  int pressedCell_ = -1;
  int clickedCell_ = -1;
  bool dragging_ = false;
  bool mouseInside_ = false;
  int pointerState_ = 0;  // 0 outside, 1 over, 2 pressed
  bool buttonDown_ = false;
  QScrollBar* scrollBar_;
  mutable QImage cells_;
  mutable bool cellsDirty_ = true;
};

}  // namespace tintorium
