#pragma once
// The Edit Color dialog: a palette entry's name and the model that holds its values.

#include "core/ColorTypes.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tintorium {

class TEditColorDialog final : public QDialog {
  Q_OBJECT
 public:
  explicit TEditColorDialog(QWidget* parent = nullptr);

  /// Fills the fields from an entry.
  void SetEntry(const QString& name, TColorModel model);
  QString EntryName() const;
  TColorModel EntryModel() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* lblColorName_;
  QLabel* lblColorSpace_;
  QLineEdit* edName_;
  QComboBox* cboSpace_;
  QPushButton* btnOK_;
  QPushButton* btnCancel_;
  TColorModel model_ = cmRGB;
};

}  // namespace tintorium
