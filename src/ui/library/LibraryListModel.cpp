#include "ui/library/LibraryListModel.h"

#include "ui/controls/ColorList.h"

namespace tintorium {

void TLibraryListModel::SetColors(TColors colors) {
  beginResetModel();
  colors_ = std::move(colors);
  endResetModel();
}

int TLibraryListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : Count(); }

QVariant TLibraryListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= Count()) return {};
  const TColorObjectFx& color = At(index.row());
  switch (role) {
    case Qt::DisplayRole: return QString::fromStdU16String(color.Name());
    case ColorObjectRole: return QVariant::fromValue(static_cast<const TColorObject&>(color));
    default: return {};
  }
}

Qt::ItemFlags TLibraryListModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

}  // namespace tintorium
