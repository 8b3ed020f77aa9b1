#include "ui/palette/PaletteListModel.h"

#include "ui/controls/ColorList.h"
#include "engine/palette/PaletteDocument.h"

namespace tintorium {

TPaletteListModel::TPaletteListModel(TPaletteDocument& document, QObject* parent)
    : QAbstractListModel(parent), document_(document) {
  connect(&document_, &TPaletteDocument::EntriesAboutToBeInserted, this,
          [this](int first, int last) { beginInsertRows({}, first, last); });
  connect(&document_, &TPaletteDocument::EntriesInserted, this, [this] { endInsertRows(); });
  connect(&document_, &TPaletteDocument::EntriesAboutToBeRemoved, this,
          [this](int first, int last) { beginRemoveRows({}, first, last); });
  connect(&document_, &TPaletteDocument::EntriesRemoved, this, [this] { endRemoveRows(); });
  connect(&document_, &TPaletteDocument::EntryAboutToBeMoved, this, &TPaletteListModel::AboutToMove);
  connect(&document_, &TPaletteDocument::EntryMoved, this, &TPaletteListModel::Moved);
  connect(&document_, &TPaletteDocument::EntriesChanged, this,
          [this](int first, int last) { emit dataChanged(index(first), index(last)); });
  connect(&document_, &TPaletteDocument::EntriesAboutToBeReset, this, [this] { beginResetModel(); });
  connect(&document_, &TPaletteDocument::EntriesReset, this, [this] { endResetModel(); });
}

int TPaletteListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : document_.Count();
}

QVariant TPaletteListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= document_.Count()) return {};
  const TPaletteEntry& entry = document_.Entry(index.row());
  switch (role) {
    case Qt::DisplayRole:
      return entry.Name;
    case ColorObjectRole:
      return QVariant::fromValue(entry.Color);
    case Qt::ToolTipRole:
      return ColorEntryToolTip(entry.Name, entry.Color);
    default:
      return {};
  }
}

Qt::ItemFlags TPaletteListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::ItemIsDropEnabled;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

void TPaletteListModel::AboutToMove(int from, int to) {
  // Qt counts the destination before the removal: moving down lands in front of row to + 1.
  moving_ = from != to && beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
}

void TPaletteListModel::Moved() {
  if (moving_) endMoveRows();
  moving_ = false;
}

}  // namespace tintorium
