#pragma once
// The palette document as an item model for lstPalette: the entry's name and its colour object.

#include <QAbstractListModel>

namespace tintorium {

class TPaletteDocument;

class TPaletteListModel final : public QAbstractListModel {
  Q_OBJECT
 public:
  /// Follows `document` (not owned; it must outlive the model).
  explicit TPaletteListModel(TPaletteDocument& document, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  void AboutToMove(int from, int to);
  void Moved();

  TPaletteDocument& document_;
  bool moving_ = false;
};

}  // namespace tintorium
