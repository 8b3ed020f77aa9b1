#pragma once
// The owner-drawn list of named colours: the palette, the history and the contrast analyser's list.

#include "ui/controls/ColorDrag.h"
#include "core/ColorObject.h"

#include <QListView>
#include <QPointer>
#include <QMetaType>
#include <QStyledItemDelegate>

#include <functional>
#include <optional>

class QPainter;

Q_DECLARE_METATYPE(tintorium::TColorObject)

namespace tintorium {

/// Item data a TColorList reads: the entry's name is Qt::DisplayRole, its colour object (a TColorObject) this role.
inline constexpr int ColorObjectRole = Qt::UserRole + 1;

/// How one item is drawn.
struct TColorItemState {
  bool selected = false;
  bool focused = false;
};

/// Paints one entry into `rect`: background, swatch with its shadow, the name and the model line
/// (`compact`: the name centred and only the model name at the top right). `background` is the list's colour.
void DrawColorListItem(QPainter& painter, const QRect& rect, TColorItemState state, const QString& name,
                       const TColorObject& color, bool compact, const QColor& background);

/// The narrowest item rectangle (pixels) in which DrawColorListItem shows the widest model line
/// ("CMYK: C:100 M:100 Y:100 K:100") whole; the name is elided, never the values.
int ColorListItemMinimumWidth();

/// The tool tip of an entry: its name, model and values, and its hexadecimal text.
QString ColorEntryToolTip(const QString& name, const TColorObject& color);

/// Paints the items of a TColorList with DrawColorListItem.
class TColorListDelegate final : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

  bool CompactDraw() const { return compact_; }
  void SetCompactDraw(bool compact) { compact_ = compact; }

 private:
  bool compact_ = false;
};

/// A list of (name, colour object) items of a fixed height, shown by any item model that offers ColorObjectRole.
/// It starts drags by itself (the drag carries the list; the target asks it for its current item), reports
/// the colour under the pointer and, when given a drop target, takes colours dropped between its items.
class TColorList : public QListView, public TColorDragSource {
  Q_OBJECT
  Q_PROPERTY(bool CompactDraw READ CompactDraw WRITE SetCompactDraw)

 public:
  static constexpr int ItemHeight = 39;

  explicit TColorList(QWidget* parent = nullptr);

  bool CompactDraw() const;
  void SetCompactDraw(bool compact);

  /// Wide enough for ColorListItemMinimumWidth() beside the vertical scroll bar, whatever the language.
  QSize minimumSizeHint() const override;

  int Count() const;
  /// The focused item's row, -1 when there is none.
  int CurrentRow() const;
  void SetCurrentRow(int row);
  /// The row of the item exactly under `viewportPos`, -1 when there is none.
  int RowAt(const QPoint& viewportPos) const;
  /// Where a drop at `viewportPos` inserts: the row under it, or Count() below the last item.
  int InsertionRowAt(const QPoint& viewportPos) const;

  std::optional<TColorObject> ColorAt(int row) const;
  QString NameAt(int row) const;
  /// The rows of the selected items, ascending.
  QList<int> SelectedRows() const;

  /// What a drag from this list offers: a copy of the current item with its text, under DragKind().
  TColorDragOffer ColorDragOffer() const override;
  /// List for an ordinary list, HistoryList for the history.
  TColorDragKind DragKind() const { return dragKind_; }
  void SetDragKind(TColorDragKind kind) { dragKind_ = kind; }

  /// Makes the list a colour drop target. `accepts` decides while a drag is over the list; `drop` applies a
  /// drop at insertion row `row` (see InsertionRowAt). `source` is the drag's source widget, null for a drag
  /// from another program. Empty functions turn dropping off.
  using TDropAccepts = std::function<bool(const QObject* source, const TColorDragOffer& offer)>;
  using TDropApply = std::function<void(const QObject* source, const TColorDragOffer& offer, int row)>;
  void SetColorDropTarget(TDropAccepts accepts, TDropApply drop);
  /// What a drop at `viewportPos` does (the handler of a real drop; tests call it with their own source).
  /// Returns whether the drop was taken.
  bool DropColor(const QObject* source, const QMimeData* mime, const QPoint& viewportPos);

 signals:
  /// The pointer moved over an item: the item's colour.
  void OnColorHover(tintorium::TColor color);
  /// The pointer moved off the items or left the list.
  void OnColorHoverEnd();
  void OnDblClick();
  void OnReturnKey();
  void OnDeleteKey();

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void startDrag(Qt::DropActions supportedActions) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dragLeaveEvent(QDragLeaveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool AcceptsDrag(const QDropEvent* event) const;
  void SetDropMarker(int row);
  void WatchWindowWhileHovering();
  void EndHover();

  TColorListDelegate* delegate_;
  TColorDragKind dragKind_ = TColorDragKind::List;
  TDropAccepts dropAccepts_;
  TDropApply dropApply_;
  int dropMarker_ = -1;  // insertion row shown while a drag is over the list
  QPointer<QWidget> watchedWindow_;  // the window watched while a hover is shown
};

}  // namespace tintorium
