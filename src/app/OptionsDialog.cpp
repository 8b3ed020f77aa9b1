#include "app/OptionsDialog.h"

#include "ui/language/LanguageApplier.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace tintorium {
namespace {

template <typename T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QVBoxLayout* PageLayout(QWidget* page) {
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(4, 4, 4, 4);
  return layout;
}

}  // namespace

TOptionsDialog::TOptionsDialog(const TOptions& current, QWidget* parent) : QDialog(parent), current_(current) {
  setObjectName(QStringLiteral("OptionsForm"));
  setWindowTitle(QStringLiteral("Options"));

  tvwOptCat_ = Named(new QTreeWidget(this), "tvwOptCat");
  tvwOptCat_->setHeaderHidden(true);
  tvwOptCat_->setRootIsDecorated(false);
  tvwOptCat_->setFixedWidth(140);
  for (const char* category : {"General", "Color Settings", "View"})
    tvwOptCat_->addTopLevelItem(new QTreeWidgetItem(QStringList(QString::fromLatin1(category))));

  Label1_ = Named(new QLabel(QStringLiteral("General"), this), "Label1");
  QFont bold = Label1_->font();
  bold.setBold(true);
  bold.setPointSizeF(bold.pointSizeF() * 1.2);
  Label1_->setFont(bold);

  nbOpt_ = Named(new QStackedWidget(this), "nbOpt");
  nbOpt_->addWidget(CreateGeneralPage());
  nbOpt_->addWidget(CreateColorSettingsPage());
  nbOpt_->addWidget(CreateViewPage());

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  Named(buttons->button(QDialogButtonBox::Ok), "btnOK")->setText(QStringLiteral("OK"));
  Named(buttons->button(QDialogButtonBox::Cancel), "btnCancel")->setText(QStringLiteral("Cancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* right = new QVBoxLayout;
  right->addWidget(Label1_);
  right->addWidget(nbOpt_, 1);
  auto* body = new QHBoxLayout;
  body->addWidget(tvwOptCat_);
  body->addLayout(right, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body, 1);
  layout->addWidget(buttons);

  connect(tvwOptCat_, &QTreeWidget::currentItemChanged, this,
          [this](QTreeWidgetItem* item) { ShowCategory(tvwOptCat_->indexOfTopLevelItem(item)); });
  tvwOptCat_->setCurrentItem(tvwOptCat_->topLevelItem(0));
  ShowCategory(0);
  tvwOptCat_->setFocus();
  resize(500, 300);

  ApplyLanguage(this, QStringLiteral("OptionsForm"));
}

QWidget* TOptionsDialog::CreateGeneralPage() {
  auto* page = Named(new QWidget, "tsGeneral");
  QVBoxLayout* layout = PageLayout(page);
  chkSaveColors_ = Named(new QCheckBox(QStringLiteral("Remember last palette between sessions"), page), "chkSaveColors");
  chkSaveColors_->setChecked(current_.SavePalette);
  chkHTMLSharp_ = Named(new QCheckBox(QStringLiteral("Add # symbol for \"Copy as HTML\""), page), "chkHTMLSharp");
  chkHTMLSharp_->setChecked(current_.HTMLSharp);
  auto* label = Named(new QLabel(QStringLiteral("Color under cursor model:"), page), "lblCUCModel");
  cboCUCModel_ = Named(new QComboBox(page), "cboCUCModel");
  cboCUCModel_->addItems({QStringLiteral("RGB"), QStringLiteral("HSB"), QStringLiteral("CMYK"), QStringLiteral("Lab"),
                          QStringLiteral("CSS")});
  cboCUCModel_->setCurrentIndex(std::clamp(current_.ColorUnCursorModel, 0, 4));
  label->setBuddy(cboCUCModel_);
  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(cboCUCModel_);
  row->addStretch(1);
  layout->addWidget(chkSaveColors_);
  layout->addWidget(chkHTMLSharp_);
  layout->addLayout(row);
  layout->addStretch(1);
  return page;
}

QWidget* TOptionsDialog::CreateColorSettingsPage() {
  auto* page = Named(new QWidget, "tsColorSettings");
  QVBoxLayout* layout = PageLayout(page);
  auto* label = Named(new QLabel(QStringLiteral("Adjust color amount"), page), "lblAdjustAmount");
  seAdjustAmount_ = Named(new QSpinBox(page), "seAdjustAmount");
  seAdjustAmount_->setRange(1, 100);
  seAdjustAmount_->setValue(std::clamp(current_.cfAdjust, 1, 100));
  label->setBuddy(seAdjustAmount_);
  auto* percent = Named(new QLabel(QStringLiteral("%"), page), "lblPercent");
  auto* remark = Named(
      new QLabel(QStringLiteral("For commands \"Brighter/Darken\" and \"Saturated/Desaturated\""), page),
      "lblAdjustRemark");
  remark->setWordWrap(true);
  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(seAdjustAmount_);
  row->addWidget(percent);
  row->addStretch(1);
  layout->addLayout(row);
  layout->addWidget(remark);
  layout->addStretch(1);
  return page;
}

QWidget* TOptionsDialog::CreateViewPage() {
  auto* page = Named(new QWidget, "tsView");
  QVBoxLayout* layout = PageLayout(page);
  chkViewCompactDraw_ = Named(new QCheckBox(QStringLiteral("Palette items compact style"), page), "chkViewCompactDraw");
  chkViewCompactDraw_->setChecked(current_.CompactDraw);
  chkViewLibFull_ = Named(new QCheckBox(QStringLiteral("Hide color information in Library"), page), "chkViewLibFull");
  chkViewLibFull_->setChecked(current_.ViewLibOnlyColor);
  chkViewCFIName_ =
      Named(new QCheckBox(QStringLiteral("Show filename in \"Colors from Image\""), page), "chkViewCFIName");
  chkViewCFIName_->setChecked(current_.ViewCFIFile);
  auto* label = Named(new QLabel(QStringLiteral("Screen Picker Zoom Scale:"), page), "lblSPScale");
  cboSPScale_ = Named(new QComboBox(page), "cboSPScale");
  for (int zoom = 1; zoom <= 7; ++zoom) cboSPScale_->addItem(QStringLiteral("%1%").arg(zoom * 100));
  cboSPScale_->setCurrentIndex(std::clamp(current_.ScreenPickerZoom, 1, 7) - 1);
  label->setBuddy(cboSPScale_);
  auto* row = new QHBoxLayout;
  row->addWidget(label);
  row->addWidget(cboSPScale_);
  row->addStretch(1);
  layout->addWidget(chkViewCompactDraw_);
  layout->addWidget(chkViewLibFull_);
  layout->addWidget(chkViewCFIName_);
  layout->addLayout(row);
  layout->addStretch(1);
  return page;
}

void TOptionsDialog::ShowCategory(int index) {
  if (index < 0 || index >= nbOpt_->count()) return;
  nbOpt_->setCurrentIndex(index);
  Label1_->setText(tvwOptCat_->topLevelItem(index)->text(0));
}

TOptions TOptionsDialog::Result() const {
  TOptions o = current_;
  o.SavePalette = chkSaveColors_->isChecked();
  o.HTMLSharp = chkHTMLSharp_->isChecked();
  o.ColorUnCursorModel = cboCUCModel_->currentIndex();
  o.cfAdjust = seAdjustAmount_->value();
  o.CompactDraw = chkViewCompactDraw_->isChecked();
  o.ViewLibOnlyColor = chkViewLibFull_->isChecked();
  o.ViewCFIFile = chkViewCFIName_->isChecked();
  o.ScreenPickerZoom = cboSPScale_->currentIndex() + 1;
  return o;
}

}  // namespace tintorium
