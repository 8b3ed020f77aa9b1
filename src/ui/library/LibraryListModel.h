#pragma once
// The colours of one loaded library as an item model: the name (Qt::DisplayRole) and the colour object
// (ColorObjectRole), read by the Library page's list and its navigation strip.

#include "core/ColorObject.h"

#include <QAbstractListModel>

namespace tintorium {

class TLibraryListModel final : public QAbstractListModel {
  Q_OBJECT
 public:
  using QAbstractListModel::QAbstractListModel;

  /// Replaces every item (the model keeps its own copies).
  void SetColors(TColors colors);
  void Clear() { SetColors({}); }
  int Count() const { return int(colors_.size()); }
  const TColorObjectFx& At(int row) const { return colors_[std::size_t(row)]; }

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  TColors colors_;
};

}  // namespace tintorium
