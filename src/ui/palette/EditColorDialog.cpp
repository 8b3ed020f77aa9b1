#include "ui/palette/EditColorDialog.h"

#include "ui/language/LanguageApplier.h"
#include "ui/palette/DialogPlacement.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>

namespace tintorium {

TEditColorDialog::TEditColorDialog(QWidget* parent)
    : QDialog(parent),
      lblColorName_(new QLabel(tr("Color name:"), this)),
      lblColorSpace_(new QLabel(tr("Color space:"), this)),
      edName_(new QLineEdit(this)),
      cboSpace_(new QComboBox(this)),
      btnOK_(new QPushButton(tr("OK"), this)),
      btnCancel_(new QPushButton(tr("Cancel"), this)) {
  setObjectName(QStringLiteral("dlgEditColor"));
  setWindowTitle(tr("Edit Color"));
  lblColorName_->setObjectName(QStringLiteral("lblColorName"));
  lblColorSpace_->setObjectName(QStringLiteral("lblColorSpace"));
  edName_->setObjectName(QStringLiteral("edName"));
  cboSpace_->setObjectName(QStringLiteral("cboSpace"));
  btnOK_->setObjectName(QStringLiteral("btnOK"));
  btnCancel_->setObjectName(QStringLiteral("btnCancel"));

  for (std::string_view name : ColorModelNames) cboSpace_->addItem(QString::fromLatin1(name.data(), name.size()));
  lblColorName_->setBuddy(edName_);
  lblColorSpace_->setBuddy(cboSpace_);
  edName_->setMinimumWidth(220);
  // Names have no length limit; the field's default one would cut a long name short on OK.
  edName_->setMaxLength(std::numeric_limits<int>::max());

  auto* fields = new QGridLayout;
  fields->addWidget(lblColorName_, 0, 0);
  fields->addWidget(edName_, 0, 1);
  fields->addWidget(lblColorSpace_, 1, 0);
  fields->addWidget(cboSpace_, 1, 1);

  btnOK_->setDefault(true);
  connect(btnOK_, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnOK_);
  buttons->addWidget(btnCancel_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  ApplyLanguage(this, QStringLiteral("EditColorDialog"));
}

void TEditColorDialog::SetEntry(const QString& name, TColorModel model) {
  model_ = model;
  edName_->setText(name);
  cboSpace_->setCurrentIndex(model < ColorModelCount ? int(model) : -1);
}

QString TEditColorDialog::EntryName() const { return edName_->text(); }

TColorModel TEditColorDialog::EntryModel() const {
  const int index = cboSpace_->currentIndex();
  // A model the list does not know (read from a damaged file) stays as it was unless the user picks one.
  return index < 0 ? model_ : static_cast<TColorModel>(index);
}

void TEditColorDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CenterOnScreen(*this);
  edName_->setFocus();
  edName_->selectAll();
}

}  // namespace tintorium
