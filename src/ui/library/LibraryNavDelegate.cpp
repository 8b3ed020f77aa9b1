#include "ui/library/LibraryNavDelegate.h"

#include "ui/controls/ColorList.h"
#include "engine/qtcolor/QtColorAdapter.h"

#include <QPainter>

#include <algorithm>

namespace tintorium {

int LibraryNavStripeHeight(int height, int count) { return std::max(height, 0) / std::max(count, 1) + 1; }

void TLibraryNavDelegate::SetStripeHeight(int height) {
  height = std::max(height, 1);
  if (height == stripeHeight_) return;
  stripeHeight_ = height;
  emit sizeHintChanged(QModelIndex());
}

void TLibraryNavDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
  const QVariant value = index.data(ColorObjectRole);
  if (!value.canConvert<TColorObject>()) return;
  const QColor fill = ToQColor(value.value<TColorObject>().GetColor());
  painter->fillRect(option.rect, fill);
  if (!option.state.testFlag(QStyle::State_Selected)) return;
  painter->setPen(Qt::black);
  painter->setBrush(Qt::NoBrush);
  painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
}

QSize TLibraryNavDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const {
  return {1, stripeHeight_};
}

}  // namespace tintorium
