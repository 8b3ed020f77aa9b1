#include "ui/palette/HistoryListModel.h"

#include "ui/controls/ColorList.h"
#include "ui/workspace/ColorHistory.h"

namespace tintorium {

THistoryListModel::THistoryListModel(TColorHistory& history, QObject* parent)
    : QAbstractListModel(parent), history_(history), shown_(history.Count()) {
  connect(&history_, &TColorHistory::EntryInserted, this, [this](int index) {
    // The history inserts before telling; the view learns of the row afterwards.
    beginInsertRows({}, index, index);
    shown_ = history_.Count();
    endInsertRows();
  });
  connect(&history_, &TColorHistory::RepaintRequested, this, [this] {
    if (shown_ != history_.Count()) {
      beginResetModel();
      shown_ = history_.Count();
      endResetModel();
    } else if (shown_ > 0) {
      emit dataChanged(index(0), index(shown_ - 1));
    }
  });
}

int THistoryListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : shown_; }

QVariant THistoryListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= history_.Count()) return {};
  const TColorObjectFx& entry = history_.Entry(index.row());
  const QString name = QString::fromStdU16String(entry.Name());
  switch (role) {
    case Qt::DisplayRole:
      return name;
    case ColorObjectRole:
      return QVariant::fromValue(static_cast<const TColorObject&>(entry));
    case Qt::ToolTipRole:
      return ColorEntryToolTip(name, entry);
    default:
      return {};
  }
}

Qt::ItemFlags THistoryListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

}  // namespace tintorium
