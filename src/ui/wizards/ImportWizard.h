#pragma once
// The import wizard ("frmImport", language section ImportForm): the type of source, the path or web address
// with the import options, then the colours found, each with a check box. The main window appends the
// checked ones to the palette.
//
// Pages of "nbWorkspace": 0 type list, 1 "tsOptions" (edPath, btnBrowse, gbImportOptions with one check box per
// ImportOptionFlags row), 2 "tsChoose" (lblImported, lvwImport, actSelectAll, actUnselectAll).

#include "engine/formats/ImportRules.h"
#include "engine/palette/PaletteEntry.h"
#include "ui/wizards/WizardDialog.h"

#include <vector>

class QCheckBox;
class QLineEdit;
class QToolButton;

namespace tintorium {

class TCheckColorList;

class TImportForm final : public TWizardDialog {
  Q_OBJECT
 public:
  explicit TImportForm(QWidget* parent = nullptr);

  /// Tests point the fetch at a local server and shorten its limits.
  void SetFetchOptions(const TFetchOptions& options) { fetch_ = options; }

  QLineEdit* PathEdit() const { return edPath_; }
  QToolButton* BrowseButton() const { return btnBrowse_; }
  /// The check box of option `key` ("chkDontDuplicate"...), or nullptr.
  QCheckBox* OptionBox(const QString& key) const;
  TCheckColorList* ColorList() const { return lvwImport_; }
  QLabel* ImportedLabel() const { return lblImported_; }
  QAction* SelectAllAction() const { return actSelectAll_; }
  QAction* UnselectAllAction() const { return actUnselectAll_; }

  /// The options as the check boxes set them.
  TImportOptions Options() const;
  /// The checked rows, top to bottom, as palette entries: an RGB colour from the row's value, named with its
  /// caption.
  TPaletteEntries CheckedEntries() const;

 protected:
  bool LeaveForward(int page) override;

 private:
  QWidget* CreateOptionsPage();
  QWidget* CreateChoosePage();
  void PrepareOptions();
  bool Import();
  void Browse();
  bool AddressType() const;

  TFetchOptions fetch_;
  QLineEdit* edPath_ = nullptr;
  QToolButton* btnBrowse_ = nullptr;
  std::vector<std::pair<const TImportOptionFlag*, QCheckBox*>> options_;
  TCheckColorList* lvwImport_ = nullptr;
  QLabel* lblImported_ = nullptr;
  QAction* actSelectAll_ = nullptr;
  QAction* actUnselectAll_ = nullptr;
  QString filter_;
};

}  // namespace tintorium
