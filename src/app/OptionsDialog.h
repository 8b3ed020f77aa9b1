#pragma once
// The Options dialog (Tools > "Options..."): a tree of three categories selecting the pages of a notebook.

#include "app/Settings.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;
class QStackedWidget;
class QTreeWidget;

namespace tintorium {

class TOptionsDialog final : public QDialog {
  Q_OBJECT

 public:
  /// Filled from `current`; out-of-range values show the nearest allowed one.
  explicit TOptionsDialog(const TOptions& current, QWidget* parent = nullptr);

  /// `current` with every value of the dialog taken over (what OK applies).
  TOptions Result() const;

  QTreeWidget* CategoryTree() const { return tvwOptCat_; }
  QStackedWidget* Pages() const { return nbOpt_; }
  QLabel* Heading() const { return Label1_; }

 private:
  QWidget* CreateGeneralPage();
  QWidget* CreateColorSettingsPage();
  QWidget* CreateViewPage();
  void ShowCategory(int index);

  TOptions current_;
  QTreeWidget* tvwOptCat_;
  QStackedWidget* nbOpt_;
  QLabel* Label1_;
  QCheckBox* chkSaveColors_ = nullptr;
  QCheckBox* chkHTMLSharp_ = nullptr;
  QComboBox* cboCUCModel_ = nullptr;
  QSpinBox* seAdjustAmount_ = nullptr;
  QCheckBox* chkViewCompactDraw_ = nullptr;
  QCheckBox* chkViewLibFull_ = nullptr;
  QCheckBox* chkViewCFIName_ = nullptr;
  QComboBox* cboSPScale_ = nullptr;
};

}  // namespace tintorium
