#include "ui/wizards/CheckColorList.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>

namespace tintorium {
namespace {

constexpr int kSwatchRole = Qt::UserRole + 1;

// The swatch column: a black-outlined rectangle of the row's colour over the normal cell.
class TSwatchDelegate final : public QStyledItemDelegate {
 public:
  explicit TSwatchDelegate(QTreeWidget* list) : QStyledItemDelegate(list), list_(list) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyledItemDelegate::paint(painter, option, index);
    if (index.column() != 1) return;
    const QColor color = index.data(kSwatchRole).value<QColor>();
    const int width0 = list_->columnWidth(0);
    QRect row = option.rect;
    row.setLeft(option.rect.left() - width0);
    const QRect swatch = TCheckColorList::SwatchRect(row, width0, list_->columnWidth(1));
    painter->save();
    painter->setPen(Qt::black);
    painter->setBrush(color.isValid() ? color : QColor(Qt::black));
    painter->drawRect(swatch.adjusted(0, 0, -1, -1));
    painter->restore();
  }

 private:
  QTreeWidget* list_;
};

}  // namespace

TCheckColorList::TCheckColorList(const QString& name, QWidget* parent) : QTreeWidget(parent) {
  setObjectName(name);
  setColumnCount(3);
  setHeaderLabels({tr("Name"), QString(), tr("Value")});
  setRootIsDecorated(false);
  setUniformRowHeights(true);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setAllColumnsShowFocus(true);
  setItemDelegateForColumn(1, new TSwatchDelegate(this));
  header()->setStretchLastSection(true);
  header()->setSectionsMovable(false);
  setColumnWidth(0, 100);
  setColumnWidth(1, 32);
}

void TCheckColorList::AddRow(const QString& caption, const QString& value, const QColor& swatch) {
  auto* item = new QTreeWidgetItem(this, {caption, QString(), value});
  item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  item->setCheckState(0, Qt::Checked);
  item->setData(1, kSwatchRole, swatch);
}

bool TCheckColorList::IsChecked(int row) const {
  const QTreeWidgetItem* item = topLevelItem(row);
  return item && item->checkState(0) == Qt::Checked;
}

QList<int> TCheckColorList::CheckedRows() const {
  QList<int> rows;
  for (int row = 0; row < topLevelItemCount(); ++row) {
    if (IsChecked(row)) rows.append(row);
  }
  return rows;
}

void TCheckColorList::SetAllChecked(bool checked) {
  for (int row = 0; row < topLevelItemCount(); ++row)
    topLevelItem(row)->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}

QColor TCheckColorList::Swatch(int row) const {
  const QTreeWidgetItem* item = topLevelItem(row);
  return item ? item->data(1, kSwatchRole).value<QColor>() : QColor();
}

QRect TCheckColorList::SwatchRect(const QRect& rowRect, int width0, int width1) {
  return QRect(QPoint(rowRect.left() + width0 + 2, rowRect.top() + 1),
               QPoint(rowRect.left() + width0 + width1 - 2 - 1, rowRect.bottom() - 1));
}

}  // namespace tintorium
