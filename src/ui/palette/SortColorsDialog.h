#pragma once
// The Sort Colors dialog: which value of which model to sort the palette by, and in which direction.

#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace tintorium {

class TSortColorsDialog final : public QDialog {
  Q_OBJECT
 public:
  explicit TSortColorsDialog(QWidget* parent = nullptr);

  /// Index into the value list: 0 "System color value" ... 13 "Lab - b value".
  int SortKey() const;
  /// 0 ascending, 1 descending.
  int SortOrder() const;
  void SetSortKey(int key);
  void SetSortOrder(int order);

  /// The texts of the value list, in key order.
  static QStringList SortValueNames();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* lblSortOrder_;
  QLabel* lblSortValue_;
  QComboBox* cboOrder_;
  QListWidget* lstValue_;
  QPushButton* btnOK_;
  QPushButton* btnCancel_;
};

}  // namespace tintorium
