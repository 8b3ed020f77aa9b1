#include "ui/wizards/WizardTypeList.h"

#include "engine/formats/WizardTypeItem.h"

#include <QPainter>
#include <QStyledItemDelegate>

namespace tintorium {
namespace {

class TTypeDelegate final : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    TWizardTypeList::PaintItem(*painter, option.rect, option.palette, option.state & QStyle::State_Selected,
                               index.data().toString());
  }
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    Q_UNUSED(index);
    // As wide as the list: the label stands at its right edge, so a row never scrolls sideways.
    return {0, TWizardTypeList::RowHeight(option.fontMetrics)};
  }
};

}  // namespace

TWizardTypeList::TWizardTypeList(const QStringList& items, QWidget* parent) : QListWidget(parent) {
  setObjectName(QStringLiteral("lstType"));
  setItemDelegate(new TTypeDelegate(this));
  setSelectionMode(QAbstractItemView::SingleSelection);
  setUniformItemSizes(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  addItems(items);
  if (count() > 0) setCurrentRow(0);
}

QString TWizardTypeList::CurrentItem() const {
  const QListWidgetItem* item = currentItem();
  return item ? item->text() : QString();
}

int TWizardTypeList::RowHeight(const QFontMetrics& metrics) { return std::max(16, metrics.height() + 2); }

void TWizardTypeList::PaintItem(QPainter& painter, const QRect& rect, const QPalette& palette, bool selected,
                                const QString& item) {
  const TWizardTypeItem parsed = ParseWizardTypeItem(item);
  painter.save();
  painter.fillRect(rect, selected ? palette.highlight() : palette.base());
  painter.setPen(selected ? QColor(243, 255, 255) : palette.color(QPalette::Text));
  // One pixel above the exact centre, as the row's text has always stood.
  const QRect text = rect.adjusted(2, -1, -2, -1);
  const QFontMetrics metrics = painter.fontMetrics();
  const int labelWidth = metrics.horizontalAdvance(parsed.Label);
  painter.drawText(text.adjusted(0, 0, -labelWidth - 6, 0), Qt::AlignLeft | Qt::AlignVCenter,
                   metrics.elidedText(parsed.Name, Qt::ElideRight, text.width() - labelWidth - 6));
  painter.drawText(text, Qt::AlignRight | Qt::AlignVCenter, parsed.Label);
  if (selected) {
    painter.setPen(QPen(QColor(243, 255, 255), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
  }
  painter.restore();
}

}  // namespace tintorium
