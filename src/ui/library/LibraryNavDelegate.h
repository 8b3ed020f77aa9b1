#pragma once
// The Library page's navigation strip (lstLibNav): one stripe per colour, framed black when selected.

#include <QStyledItemDelegate>

namespace tintorium {

/// Stripe height for `count` colours in a strip `height` pixels high: height div count + 1, so the stripes
/// are at least 1 pixel high and always reach a little past the bottom (the strip can scroll).
int LibraryNavStripeHeight(int height, int count);

class TLibraryNavDelegate final : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  int StripeHeight() const { return stripeHeight_; }
  /// Changes the stripe height; the view lays its items out again.
  void SetStripeHeight(int height);

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  int stripeHeight_ = 1;
};

}  // namespace tintorium
