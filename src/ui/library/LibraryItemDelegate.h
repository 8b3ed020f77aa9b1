#pragma once
// How the Library page's list (lstLib) draws a colour: a large rounded swatch with a shadow, and below it the
// name and the values in four models; or, with the colour information hidden, the swatch alone.

#include <QStyledItemDelegate>

class QPainter;

namespace tintorium {

class TColorObject;

/// Paints one item into `rect`. `background` is the list's colour; `onlyColor` hides the name and values.
void DrawLibraryItem(QPainter& painter, const QRect& rect, bool selected, bool focused, const QString& name,
                     const TColorObject& color, bool onlyColor, const QColor& background);

class TLibraryItemDelegate final : public QStyledItemDelegate {
  Q_OBJECT
 public:
  /// Item heights with and without the colour information.
  static constexpr int kFullHeight = 104;
  static constexpr int kOnlyColorHeight = 32;

  using QStyledItemDelegate::QStyledItemDelegate;

  bool OnlyColor() const { return onlyColor_; }
  /// Changes the item height; the view lays its items out again.
  void SetOnlyColor(bool on);
  int ItemHeight() const { return onlyColor_ ? kOnlyColorHeight : kFullHeight; }

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  bool onlyColor_ = false;
};

}  // namespace tintorium
