#include "ui/wizards/ExportWizard.h"

#include "ui/language/FileFailure.h"

#include "engine/qtcolor/QtColorAdapter.h"
#include "engine/formats/TemplateLibrary.h"
#include "engine/formats/WizardTypeItem.h"
#include "ui/language/MessageSeam.h"
#include "engine/language/Messages.h"
#include "ui/wizards/BusyCursor.h"
#include "ui/wizards/CheckColorList.h"
#include "ui/wizards/ExportOptionsPanel.h"
#include "ui/wizards/WizardPicture.h"
#include "ui/controls/ThemeInk.h"
#include "ui/wizards/WizardTypeList.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace tintorium {
namespace {

// The fixed types, then one per export template found (TemplateLibrary.h).
QStringList TypeItems(const std::vector<TTemplateFile>& templates) {
  QStringList items;
  for (const TExportType& type : ExportTypes()) items.append(QString::fromUtf8(type.Item));
  for (const TTemplateFile& file : templates) items.append(TemplateWizardItem(file));
  return items;
}

// What the final page says: success, no writer for the extension, or the writer's failure with its reason.
QString OutcomeText(const TExportResult& result, const QString& path) {
  switch (result.Outcome) {
    case TExportOutcome::Written: return Message(txtExportYes);
    case TExportOutcome::NotWritten: return Message(txtExportNo);
    case TExportOutcome::Failed: break;
  }
  return FormatMessage(txtExportFailed, {SaveFailureText(path, result.Status)});
}

}  // namespace

TExportForm::TExportForm(const TPaletteEntries& entries, std::function<void(const QUrl&)> openResult,
                         QWidget* parent)
    : TExportForm(entries, std::move(openResult), AvailableTemplates(), parent) {}

TExportForm::TExportForm(const TPaletteEntries& entries, std::function<void(const QUrl&)> openResult,
                         std::vector<TTemplateFile> templates, QWidget* parent)
    : TWizardDialog(WizardPicture(TWizardKind::Export, PictureRatio()), TypeItems(templates), parent),
      templates_(std::move(templates)),
      entries_(entries),
      openResult_(std::move(openResult)) {
  setObjectName(QStringLiteral("frmExport"));
  setWindowTitle(tr("Export colors"));
  AddPage(CreateOptionsPage());
  AddPage(CreateChoosePage());
  AddPage(CreateFinalPage());
  ApplyTexts(QStringLiteral("ExportForm"));
  setFixedSize(sizeHint().expandedTo(QSize(560, 380)));
}

QWidget* TExportForm::CreateOptionsPage() {
  const TPathPage made = CreatePathPage("lblExportTo", tr("Export colors to:"));
  QWidget* page = made.Page;
  edPath_ = made.Path;
  btnBrowse_ = made.Browse;
  connect(btnBrowse_, &QToolButton::clicked, this, &TExportForm::Browse);

  gbOptions_ = new QGroupBox(tr("Export options"), page);
  gbOptions_->setObjectName(QStringLiteral("gbOptions"));
  nbOptions_ = new QStackedWidget(gbOptions_);
  nbOptions_->setObjectName(QStringLiteral("nbOptions"));
  for (const TExportType& type : ExportTypes()) {
    if (panels_.count(type.Options)) continue;
    TExportOptionsPanel* panel = CreateExportOptionsPanel(type.Options, nbOptions_);
    if (!panel) continue;
    panels_[type.Options] = panel;
    nbOptions_->addWidget(panel);
  }
  auto* groupLayout = new QVBoxLayout(gbOptions_);
  groupLayout->addWidget(nbOptions_);
  gbOptions_->hide();

  made.Layout->addWidget(gbOptions_);
  made.Layout->addStretch();
  return page;
}

QWidget* TExportForm::CreateChoosePage() {
  const TCheckListPage made = CreateCheckListPage("lblChooseExport", tr("Choose colors to export:"), "lblToExport",
                                                  FormatMessage(lExported, {0}), QStringLiteral("lvwExport"));
  lblToExport_ = made.Count;
  lvwExport_ = made.List;
  actSelectAll_ = made.SelectAll;
  actUnselectAll_ = made.UnselectAll;
  return made.Page;
}

QWidget* TExportForm::CreateFinalPage() {
  auto* page = new QWidget(this);
  page->setObjectName(QStringLiteral("tsFinal"));
  lblExpFinal_ = NamedLabel("lblExpFinal", QString(), page);
  lblExpFinal_->setWordWrap(true);
  lblExpFinal_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  chkPreview_ = new QCheckBox(tr("Open result file"), page);
  chkPreview_->setObjectName(QStringLiteral("chkPreview"));
  chkPreview_->setChecked(true);
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(lblExpFinal_);
  layout->addSpacing(12);
  layout->addWidget(chkPreview_);
  layout->addStretch();
  return page;
}

TExportOptionsPanel* TExportForm::OptionsPanel(TExportOptionsKind kind) const {
  const auto it = panels_.find(kind);
  return it == panels_.end() ? nullptr : it->second;
}

const TExportType* TExportForm::ChosenType() const {
  const std::span<const TExportType> types = ExportTypes();
  const int index = TypeIndex();
  return index < int(types.size()) ? &types[std::size_t(index)] : nullptr;
}

const TTemplateFile* TExportForm::ChosenTemplate() const {
  const int index = TypeIndex() - int(ExportTypes().size());
  return index >= 0 && index < int(templates_.size()) ? &templates_[std::size_t(index)] : nullptr;
}

TExportOptions TExportForm::Options() const {
  TExportOptions options;
  options.Scale = scale_;
  options.PaletteName = paletteName_;
  for (const auto& [kind, panel] : panels_) panel->Contribute(options);
  if (const TExportType* type = ChosenType()) ApplyExportType(*type, options);
  if (const TTemplateFile* chosen = ChosenTemplate()) options.TemplateFile = chosen->Path;
  return options;
}

bool TExportForm::LeaveForward(int page) {
  switch (page) {
    case 0: PrepareOptions(); return true;
    case 1: return FillColors();
    case 2:
      // An existing file is replaced only when the user agrees; otherwise the page stays for another name.
      if (!ConfirmOverwrite(QFileInfo(TargetPath()).absoluteFilePath())) return false;
      Export();
      return true;
    default: return true;
  }
}

void TExportForm::PrepareOptions() {
  edPath_->clear();
  const TExportType* type = ChosenType();
  TExportOptionsPanel* panel = type ? OptionsPanel(type->Options) : nullptr;
  if (panel) nbOptions_->setCurrentWidget(panel);
  gbOptions_->setVisible(panel != nullptr);
  edPath_->setFocus();
}

void TExportForm::Browse() {
  const TWizardTypeItem item = ParseWizardTypeItem(TypeList()->CurrentItem());
  const QString chosen = Dialogs().GetSaveFileName(this, Message(sDlgSaveAs), edPath_->text(), ChooserFilter(item.Filter),
                                                   nullptr);
  if (chosen.isEmpty()) return;
  const TExportType* type = ChosenType();
  const TTemplateFile* chosenTemplate = ChosenTemplate();
  const QStringList extensions = type ? ExportTypeExtensions(*type)
                                 : chosenTemplate ? QStringList{chosenTemplate->Extension}
                                                  : QStringList();
  edPath_->setText(ExportFileName(chosen, item, extensions));
}

QString TExportForm::TargetPath() const { return edPath_->text().trimmed(); }

bool TExportForm::FillColors() {
  if (TargetPath().isEmpty()) {
    ShowMessageBox(Message(sChooseExportFile), mfInformation);
    return false;
  }
  lvwExport_->clear();
  for (const TPaletteEntry& entry : entries_)
    lvwExport_->AddRow(entry.Name, QString::fromStdString(entry.Color.ValuesText()), ToQColor(entry.Color.GetColor()));
  lblToExport_->setText(FormatMessage(lExported, {lvwExport_->topLevelItemCount()}));
  return true;
}

void TExportForm::Export() {
  TColors colors;
  for (const int row : lvwExport_->CheckedRows()) {
    const TPaletteEntry& entry = entries_[std::size_t(row)];
    colors.emplace_back(entry.Color, entry.Name.toStdU16String());
  }
  written_ = QFileInfo(TargetPath()).absoluteFilePath();
  {
    const TBusyCursor busy;
    result_ = ExportColors(TargetPath(), colors, Options());
  }
  lblExpFinal_->setText(OutcomeText(result_, TargetPath()));
  chkPreview_->setEnabled(result_.Outcome == TExportOutcome::Written);
}

void TExportForm::Finish() {
  if (chkPreview_->isChecked() && chkPreview_->isEnabled() && openResult_)
    openResult_(QUrl::fromLocalFile(written_));
}

}  // namespace tintorium
