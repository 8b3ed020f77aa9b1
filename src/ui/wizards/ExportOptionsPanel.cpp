#include "ui/wizards/ExportOptionsPanel.h"

#include "ui/wizards/CodeNotationOptionsPanel.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>

namespace tintorium {
namespace {

QSpinBox* SizeBox(const char* name, int value, QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setRange(1, 256);
  box->setValue(value);
  return box;
}

QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

}  // namespace

TExportOptionsPanel* CreateExportOptionsPanel(TExportOptionsKind kind, QWidget* parent) {
  switch (kind) {
    case TExportOptionsKind::SwatchImage: return new TSwatchImageOptionsPanel(parent);
    case TExportOptionsKind::CodeNotation: return new TCodeNotationOptionsPanel(parent);
    case TExportOptionsKind::None: break;
  }
  return nullptr;
}

TSwatchImageOptionsPanel::TSwatchImageOptionsPanel(QWidget* parent)
    : TExportOptionsPanel(parent),
      chkImgShowName_(new QCheckBox(tr("Draw text information"), this)),
      seImgPerLine_(SizeBox("seImgPerLine", TSwatchImageOptions().PerLine, this)),
      seSSX_(SizeBox("seSSX", TSwatchImageOptions().SwatchWidth, this)),
      seSSY_(SizeBox("seSSY", TSwatchImageOptions().SwatchHeight, this)) {
  setObjectName(QStringLiteral("tsImageOptions"));
  chkImgShowName_->setObjectName(QStringLiteral("chkImgShowName"));
  auto* perLine = NamedLabel("lblImgPerLine", tr("Colors per line:"), this);
  perLine->setBuddy(seImgPerLine_);
  auto* size = NamedLabel("lblSwatchSize", tr("Swatch size:"), this);
  size->setBuddy(seSSX_);
  auto* sizeRow = new QHBoxLayout;
  sizeRow->addWidget(seSSX_);
  sizeRow->addWidget(NamedLabel("lblSizeX", QStringLiteral("x"), this));
  sizeRow->addWidget(seSSY_);
  sizeRow->addStretch();
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(chkImgShowName_, 0, 0, 1, 2);
  layout->addWidget(perLine, 1, 0);
  layout->addWidget(seImgPerLine_, 1, 1, Qt::AlignLeft);
  layout->addWidget(size, 2, 0);
  layout->addLayout(sizeRow, 2, 1);
  layout->setColumnStretch(1, 1);
  layout->setRowStretch(3, 1);
}

void TSwatchImageOptionsPanel::Contribute(TExportOptions& options) const {
  options.Image.DrawText = chkImgShowName_->isChecked();
  options.Image.PerLine = seImgPerLine_->value();
  options.Image.SwatchWidth = seSSX_->value();
  options.Image.SwatchHeight = seSSY_->value();
}

}  // namespace tintorium
