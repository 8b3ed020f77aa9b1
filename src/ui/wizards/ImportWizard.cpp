#include "ui/wizards/ImportWizard.h"

#include "ui/language/FileFailure.h"

#include "core/ColorObject.h"
#include "core/ColorText.h"
#include "engine/qtcolor/QtColorAdapter.h"
#include "engine/web/UrlFetch.h"
#include "engine/formats/WizardTypeItem.h"
#include "ui/language/MessageSeam.h"
#include "engine/language/Messages.h"
#include "ui/wizards/BusyCursor.h"
#include "ui/wizards/CheckColorList.h"
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
#include <QToolButton>
#include <QVBoxLayout>

namespace tintorium {
namespace {

QStringList TypeItems() {
  QStringList items;
  for (const TImportType& type : ImportTypes()) items.append(QString::fromUtf8(type.Item));
  return items;
}

// The busy cursor while a file is read or an address fetched, restored however the work ends.
}  // namespace

TImportForm::TImportForm(QWidget* parent) : TWizardDialog(WizardPicture(TWizardKind::Import, PictureRatio()), TypeItems(), parent) {
  setObjectName(QStringLiteral("frmImport"));
  setWindowTitle(tr("Import colors"));
  AddPage(CreateOptionsPage());
  AddPage(CreateChoosePage());
  ApplyTexts(QStringLiteral("ImportForm"));
  setFixedSize(sizeHint().expandedTo(QSize(560, 380)));
}

QWidget* TImportForm::CreateOptionsPage() {
  const TPathPage made = CreatePathPage("lblImportFrom", tr("Import colors from:"));
  QWidget* page = made.Page;
  edPath_ = made.Path;
  btnBrowse_ = made.Browse;
  connect(btnBrowse_, &QToolButton::clicked, this, &TImportForm::Browse);

  auto* group = new QGroupBox(tr("Import options..."), page);
  group->setObjectName(QStringLiteral("gbImportOptions"));
  auto* groupLayout = new QVBoxLayout(group);
  for (const TImportOptionFlag& flag : ImportOptionFlags()) {
    auto* box = new QCheckBox(QString::fromUtf8(flag.Text), group);
    box->setObjectName(QString::fromLatin1(flag.Key));
    groupLayout->addWidget(box);
    options_.emplace_back(&flag, box);
  }

  made.Layout->addWidget(group);
  made.Layout->addStretch();
  return page;
}

QWidget* TImportForm::CreateChoosePage() {
  const TCheckListPage made = CreateCheckListPage("lblChoose", tr("Choose colors to import:"), "lblImported",
                                                  FormatMessage(lTotalImported, {0}), QStringLiteral("lvwImport"));
  lblImported_ = made.Count;
  lvwImport_ = made.List;
  actSelectAll_ = made.SelectAll;
  actUnselectAll_ = made.UnselectAll;
  return made.Page;
}

QCheckBox* TImportForm::OptionBox(const QString& key) const {
  for (const auto& [flag, box] : options_) {
    if (key == QLatin1String(flag->Key)) return box;
  }
  return nullptr;
}

TImportOptions TImportForm::Options() const {
  TImportOptions options;
  for (const auto& [flag, box] : options_) options.*(flag->Flag) = box->isChecked();
  return options;
}

bool TImportForm::AddressType() const {
  const std::span<const TImportType> types = ImportTypes();
  const int index = TypeIndex();
  return index < int(types.size()) && types[std::size_t(index)].IsAddress;
}

bool TImportForm::LeaveForward(int page) {
  if (page == 0) {
    PrepareOptions();
    return true;
  }
  return Import();
}

void TImportForm::PrepareOptions() {
  const bool address = AddressType();
  btnBrowse_->setEnabled(!address);
  edPath_->setText(address ? QStringLiteral("http://") : QString());
  filter_ = ParseWizardTypeItem(TypeList()->CurrentItem()).Filter;
  edPath_->setFocus();
}

void TImportForm::Browse() {
  const QString chosen = Dialogs().GetOpenFileName(this, Message(sDlgOpen), edPath_->text(), ChooserFilter(filter_));
  if (!chosen.isEmpty()) edPath_->setText(chosen);
}

// Reads the source into the list. A failure is shown and keeps the wizard on the options page, where the
// path can be put right.
bool TImportForm::Import() {
  QString path = edPath_->text().trimmed();
  if (AddressType()) {
    path = WithWebScheme(path);
    edPath_->setText(path);
  }
  TReadResult<QList<TImportRow>> read;
  {
    const TBusyCursor busy;
    read = ImportColorRows(path, Options(), fetch_);
  }
  if (!read.Ok()) {
    ShowReadFailure(path, read.Status);
    return false;
  }
  lvwImport_->clear();
  for (const TImportRow& row : read.Value)
    lvwImport_->AddRow(row.Caption, row.Hex, ToQColor(RGBValuesToColor(ParseHexColor(row.Hex.toStdString()))));
  lblImported_->setText(FormatMessage(lTotalImported, {lvwImport_->topLevelItemCount()}));
  return true;
}

TPaletteEntries TImportForm::CheckedEntries() const {
  TPaletteEntries entries;
  for (const int row : lvwImport_->CheckedRows()) {
    const QTreeWidgetItem* item = lvwImport_->topLevelItem(row);
    TColorObject color;
    color.SetModel(cmRGB);
    color.SetRGB(ParseHexColor(item->text(2).toStdString()));
    entries.push_back({item->text(0), color});
  }
  return entries;
}

}  // namespace tintorium
