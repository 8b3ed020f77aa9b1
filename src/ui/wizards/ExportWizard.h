#pragma once
// The export wizard ("frmExport", language section ExportForm): the type of file, the path with the type's
// options, the palette's colours each with a check box, and the outcome. The writer follows from the path's
// extension, whatever type was chosen.
//
// Pages of "nbWorkspace": 0 type list, 1 "tsOptions" (edPath, btnBrowse, gbOptions holding "nbOptions", the
// panel of the chosen type's options), 2 "tsChoose" (lblToExport, lvwExport, actSelectAll, actUnselectAll),
// 3 "tsFinal" (lblExpFinal, chkPreview "Open result file").

#include "engine/formats/ExportRules.h"
#include "engine/formats/TemplateLibrary.h"
#include "engine/palette/PaletteEntry.h"
#include "ui/wizards/WizardDialog.h"

#include <QUrl>

#include <functional>
#include <map>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLineEdit;
class QStackedWidget;
class QToolButton;

namespace tintorium {

class TCheckColorList;
class TExportOptionsPanel;

class TExportForm final : public TWizardDialog {
  Q_OBJECT
 public:
  /// Works on copies of `entries`; `openResult` opens the written file with the desktop's default program.
  /// The type list ends with the export templates found (AvailableTemplates).
  TExportForm(const TPaletteEntries& entries, std::function<void(const QUrl&)> openResult,
              QWidget* parent = nullptr);
  /// The same with the given templates after the fixed types.
  TExportForm(const TPaletteEntries& entries, std::function<void(const QUrl&)> openResult,
              std::vector<TTemplateFile> templates, QWidget* parent = nullptr);

  QLineEdit* PathEdit() const { return edPath_; }
  QToolButton* BrowseButton() const { return btnBrowse_; }
  QGroupBox* OptionsGroup() const { return gbOptions_; }
  /// The options panel of `kind`, or nullptr.
  TExportOptionsPanel* OptionsPanel(TExportOptionsKind kind) const;
  TCheckColorList* ColorList() const { return lvwExport_; }
  QLabel* AvailableLabel() const { return lblToExport_; }
  QLabel* FinalLabel() const { return lblExpFinal_; }
  QCheckBox* OpenResultBox() const { return chkPreview_; }
  QAction* SelectAllAction() const { return actSelectAll_; }
  QAction* UnselectAllAction() const { return actUnselectAll_; }

  /// The scales the scale types make of each colour (the Scales page's settings); the default scale until set.
  void SetScaleOptions(TScaleOptions options) { scale_ = std::move(options); }
  /// The palette's name, `{{palette}}` of a template; empty (the default): the output file's base name.
  void SetPaletteName(const QString& name) { paletteName_ = name; }

  /// Every panel's options, as the writer of any path would get them.
  TExportOptions Options() const;
  /// The outcome of the last export (Written before any).
  const TExportResult& LastResult() const { return result_; }

 protected:
  bool LeaveForward(int page) override;
  void Finish() override;

 private:
  QWidget* CreateOptionsPage();
  QWidget* CreateChoosePage();
  QWidget* CreateFinalPage();
  const TExportType* ChosenType() const;
  /// The template chosen in the type list, or null for a fixed type.
  const TTemplateFile* ChosenTemplate() const;
  void PrepareOptions();
  bool FillColors();
  void Export();
  void Browse();
  QString TargetPath() const;

  std::vector<TTemplateFile> templates_;
  TPaletteEntries entries_;
  TScaleOptions scale_;
  QString paletteName_;
  std::function<void(const QUrl&)> openResult_;
  QLineEdit* edPath_ = nullptr;
  QToolButton* btnBrowse_ = nullptr;
  QGroupBox* gbOptions_ = nullptr;
  QStackedWidget* nbOptions_ = nullptr;
  std::map<TExportOptionsKind, TExportOptionsPanel*> panels_;
  TCheckColorList* lvwExport_ = nullptr;
  QLabel* lblToExport_ = nullptr;
  QLabel* lblExpFinal_ = nullptr;
  QCheckBox* chkPreview_ = nullptr;
  QAction* actSelectAll_ = nullptr;
  QAction* actUnselectAll_ = nullptr;
  TExportResult result_;
  QString written_;
};

}  // namespace tintorium
