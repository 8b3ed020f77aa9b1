#include "ui/tools/SpectrumPage.h"

#include "ui/controls/ColorSpectrum.h"
#include "core/SystemColors.h"
#include "engine/schemes/SpectrumCells.h"
#include "ui/workspace/Workspace.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <array>

namespace tintorium {
namespace {

constexpr std::array<const char*, 6> kTypeNames{"Red based",  "Green based",      "Blue based",
                                                "Hue based", "Saturation based", "Brightness based"};

TColorModel ModelOfIndex(int index) { return index >= cmRGB && index <= cmLAB ? TColorModel(index) : cmRGB; }

}  // namespace

TSpectrumPage::TSpectrumPage(TWorkspace& workspace, QWidget* parent) : TToolPage(parent), workspace_(workspace) {
  setObjectName(QStringLiteral("tsSpectrum"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  auto* header = new QHBoxLayout;
  lblSpecType_ = new QLabel(this);
  lblSpecType_->setObjectName(QStringLiteral("lblSpecType"));
  cboSpecType_ = new QComboBox(this);
  cboSpecType_->setObjectName(QStringLiteral("cboSpecType"));
  for (std::size_t i = 0; i < kTypeNames.size(); ++i) cboSpecType_->addItem(QString());
  lblSpecSpace_ = new QLabel(this);
  lblSpecSpace_->setObjectName(QStringLiteral("lblSpecSpace"));
  cboSpecModel_ = new QComboBox(this);
  cboSpecModel_->setObjectName(QStringLiteral("cboSpecModel"));
  for (int m = 0; m < ColorModelCount; ++m) cboSpecModel_->addItem(QString());
  header->addWidget(lblSpecType_);
  header->addWidget(cboSpecType_);
  header->addSpacing(16);
  header->addWidget(lblSpecSpace_);
  header->addWidget(cboSpecModel_);
  header->addStretch(1);
  layout->addLayout(header);

  cSpec_ = new TColorSpectrum(this);
  cSpec_->setObjectName(QStringLiteral("cSpec"));
  cSpec_->SetSize(kSpectrumSize);
  cSpec_->SetColor(clWindow);  // the margin around the grid, as the mixer draws it: the theme's white
  cSpec_->setMinimumSize(kSpectrumSize, kSpectrumSize);
  layout->addWidget(cSpec_, 1);

  RetranslateUi();
  connect(cboSpecType_, &QComboBox::currentIndexChanged, this, &TSpectrumPage::TypeChanged);
  connect(cboSpecModel_, &QComboBox::currentIndexChanged, this, &TSpectrumPage::SpectrumChanged);
  connect(cSpec_, &TColorSpectrum::OnChange, this, &TSpectrumPage::SpectrumChanged);
  WatchPointer();
  SetSpecType(0);
  workspace_.AddFollower(TFollowerSlot::Spectrum, this);
}

TSpectrumPage::~TSpectrumPage() { workspace_.RemoveFollower(this); }

void TSpectrumPage::WatchPointer() {
  // The readout of the colour under the pointer, and while the left button is held a preview in the base
  // swatch of the cell that a release would pick.
  connect(cSpec_, &TCommonColorControl::OnMouseMove, this, [this](Qt::MouseButtons buttons, QPoint) {
    if (const std::optional<TColor> color = cSpec_->GetHoverColor()) {
      if (buttons & Qt::LeftButton) workspace_.PreviewBaseColor(*color);
      workspace_.ShowColorUnderCursor(*color);
    } else {
      workspace_.ClearColorUnderCursor();
    }
  });
  connect(cSpec_, &TCommonColorControl::OnMouseLeave, &workspace_, &TWorkspace::ClearColorUnderCursor);
}

void TSpectrumPage::RetranslateUi() {
  lblSpecType_->setText(QStringLiteral("Type:"));
  lblSpecSpace_->setText(QStringLiteral("Result space:"));
  for (int i = 0; i < cboSpecType_->count(); ++i) cboSpecType_->setItemText(i, QString::fromLatin1(kTypeNames[std::size_t(i)]));
  for (int m = 0; m < cboSpecModel_->count(); ++m)
    cboSpecModel_->setItemText(m, QString::fromLatin1(ColorModelNames[std::size_t(m)].data(),
                                                      qsizetype(ColorModelNames[std::size_t(m)].size())));
}

void TSpectrumPage::SetSpecType(int index) {
  const int valid = index >= 0 && index < cboSpecType_->count() ? index : 0;
  if (cboSpecType_->currentIndex() == valid)
    TypeChanged(valid);
  else
    cboSpecType_->setCurrentIndex(valid);
}

int TSpectrumPage::SpecType() const { return cboSpecType_->currentIndex(); }

void TSpectrumPage::TypeChanged(int index) {
  const TSpectrumSlice slice = SpectrumSliceOfType(index);
  cSpec_->SetModel(slice.model);
  cSpec_->SetActiveValue(slice.activeValue);
}

void TSpectrumPage::SetResultModel(int index) { cboSpecModel_->setCurrentIndex(ModelOfIndex(index)); }

TColorModel TSpectrumPage::ResultModel() const { return ModelOfIndex(cboSpecModel_->currentIndex()); }

void TSpectrumPage::SpectrumChanged() {
  if (!cSpec_->UserSelected() || cSpec_->SelectedColor() == clNone) return;
  const TColorModel model = ResultModel();
  workspace_.BaseColor().SetColor(cSpec_->SelectedColor(), model);
  workspace_.BaseColorChanged(cSpec_, model, true, false);
}

void TSpectrumPage::ShowTool(bool shown) {
  cSpec_->setVisible(shown);
  if (shown) cSpec_->update();
}

void TSpectrumPage::FollowBaseColor(const TColorObject& base) { cSpec_->SetCurrentColor(base); }

bool TSpectrumPage::SkipsSender(const QObject* sender) const { return qobject_cast<const TColorSpectrum*>(sender) != nullptr; }

}  // namespace tintorium
