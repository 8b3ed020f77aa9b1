#include "ui/wizards/CodeNotationOptionsPanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>

namespace tintorium {

TCodeNotationOptionsPanel::TCodeNotationOptionsPanel(QWidget* parent)
    : TExportOptionsPanel(parent), cboNotation_(new QComboBox(this)) {
  setObjectName(QStringLiteral("tsCodeOptions"));
  cboNotation_->setObjectName(QStringLiteral("cboNotation"));
  cboNotation_->addItems({tr("Hexadecimal (#ff8000)"), QStringLiteral("rgb(255 128 0)"), QStringLiteral("oklch()")});
  auto* label = new QLabel(tr("Color notation:"), this);
  label->setObjectName(QStringLiteral("lblNotation"));
  label->setBuddy(cboNotation_);
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(label, 0, 0);
  layout->addWidget(cboNotation_, 0, 1, Qt::AlignLeft);
  layout->setColumnStretch(1, 1);
  layout->setRowStretch(1, 1);
}

void TCodeNotationOptionsPanel::Contribute(TExportOptions& options) const {
  const int index = cboNotation_->currentIndex();
  if (index >= 0 && index < int(CodeNotations.size())) options.Notation = CodeNotations[std::size_t(index)];
}

}  // namespace tintorium
