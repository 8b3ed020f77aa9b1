#pragma once
// The history of base colours as an item model for lstHistory.

#include <QAbstractListModel>

namespace tintorium {

class TColorHistory;

class THistoryListModel final : public QAbstractListModel {
  Q_OBJECT
 public:
  /// Follows `history` (not owned; it must outlive the model).
  explicit THistoryListModel(TColorHistory& history, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  TColorHistory& history_;
  int shown_ = 0;  // rows the view knows of
};

}  // namespace tintorium
