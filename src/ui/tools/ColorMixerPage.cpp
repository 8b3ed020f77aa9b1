#include "ui/tools/ColorMixerPage.h"

#include "ui/actions/MainActions.h"
#include "ui/controls/ColorMixer.h"
#include "ui/controls/ColorPickerButton.h"
#include "core/SystemColors.h"
#include "engine/language/Messages.h"
#include "ui/tools/ColorToolPopup.h"
#include "ui/workspace/Workspace.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>

namespace tintorium {

namespace {

constexpr int MinMixerSize = 2;
constexpr int MaxMixerSize = 128;

TColorModel ModelFromIndex(int index) {
  return index >= cmRGB && index <= cmLAB ? static_cast<TColorModel>(index) : cmRGB;
}

QString HexName(const TColorObject& color) { return QString::fromStdString(color.HexText()); }

}  // namespace

TColorMixerPage::TColorMixerPage(TWorkspace& workspace, TColorToolPopup& popup, TMainActions& actions,
                                 QWidget* parent)
    : TToolPage(parent), workspace_(workspace) {
  setObjectName(QStringLiteral("tsColorMixer"));
  CreateControls();
  Retranslate();
  ConnectControls(popup, actions);
}

TColorMixerPage::~TColorMixerPage() = default;

void TColorMixerPage::CreateControls() {
  lblMixerSize_ = new QLabel(this);
  lblMixerSize_->setObjectName(QStringLiteral("lblMixerSize"));
  seMixerSize_ = new QSpinBox(this);
  seMixerSize_->setObjectName(QStringLiteral("seMixerSize"));
  seMixerSize_->setRange(MinMixerSize, MaxMixerSize);
  if (auto* edit = seMixerSize_->findChild<QLineEdit*>()) edit->setReadOnly(true);  // the arrows only
  lblMixerSize_->setBuddy(seMixerSize_);
  lblMixerSpace_ = new QLabel(this);
  lblMixerSpace_->setObjectName(QStringLiteral("lblMixerSpace"));
  cboMixerModel_ = new QComboBox(this);
  cboMixerModel_->setObjectName(QStringLiteral("cboMixerModel"));
  cboMixerModel_->addItems({QString(), QString(), QString(), QString()});
  lblMixerSpace_->setBuddy(cboMixerModel_);

  cMixer_ = new TColorMixer(this);
  cMixer_->setObjectName(QStringLiteral("cMixer"));
  cMixer_->SetColor(clWindow);  // the theme's window white, so a dark theme keeps the margin dark
  cMixer_->setMinimumSize(64, 64);
  cMixer_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  workspace_.WatchColorUnderCursor(cMixer_);

  for (int tag = 1; tag <= 4; ++tag) {
    auto* button = new TColorPickerButton(this);
    button->setObjectName(QStringLiteral("cpbMV%1").arg(tag));
    button->setFixedSize(54, 26);
    button->SetFlat(true);
    button->SetPopupSpacing(8);
    button->SetShowSystemColors(false);
    button->SetShowHint(true);  // the colours' names
    cpbMV_[std::size_t(tag - 1)] = button;
  }

  auto* top = new QHBoxLayout;
  top->addWidget(lblMixerSize_);
  top->addWidget(seMixerSize_);
  top->addSpacing(16);
  top->addWidget(lblMixerSpace_);
  top->addWidget(cboMixerModel_);
  top->addStretch(1);

  auto* grid = new QGridLayout;
  grid->addWidget(cpbMV_[0], 0, 0, Qt::AlignLeft);
  grid->addWidget(cpbMV_[1], 0, 2, Qt::AlignRight);
  grid->addWidget(cMixer_, 1, 0, 1, 3);
  grid->addWidget(cpbMV_[3], 2, 0, Qt::AlignLeft);
  grid->addWidget(cpbMV_[2], 2, 2, Qt::AlignRight);
  grid->setRowStretch(1, 1);
  grid->setColumnStretch(1, 1);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(grid, 1);

  // The corners start as the mixer's class defaults until the settings are loaded.
  for (int tag = 1; tag <= 4; ++tag) cpbMV_[std::size_t(tag - 1)]->SetSelectionColor(cMixer_->Corner(tag));
  seMixerSize_->setValue(cMixer_->Size());
}

void TColorMixerPage::Retranslate() {
  lblMixerSize_->setText(QStringLiteral("Size: "));
  lblMixerSpace_->setText(QStringLiteral("Result space:"));
  const QString models[] = {QStringLiteral("RGB"), QStringLiteral("HSB"), QStringLiteral("CMYK"), QStringLiteral("Lab")};
  for (int i = 0; i < 4; ++i) cboMixerModel_->setItemText(i, models[i]);
  RetranslateCorners();
}

void TColorMixerPage::RetranslateCorners() {
  // The default cell is no component a language file can name, so its text is a message.
  for (TColorPickerButton* button : cpbMV_) button->SetDefaultText(Message(sCornerBaseColor));
}

void TColorMixerPage::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) RetranslateCorners();
  TToolPage::changeEvent(event);
}

void TColorMixerPage::ConnectControls(TColorToolPopup& popup, TMainActions& actions) {
  connect(cMixer_, &TColorTable::OnChange, this, &TColorMixerPage::MixerChanged);
  connect(cMixer_, &TCommonColorControl::OnMouseMove, this,
          [this](Qt::MouseButtons buttons, QPoint) { MixerMouseMove(buttons); });
  popup.ConnectTool(*cMixer_, popup.pmnu_CM(), [this] { return ResultModel(); });
  connect(actions.actCMAddAll, &QAction::triggered, this, &TColorMixerPage::AddAllToPalette);
  connect(seMixerSize_, &QSpinBox::valueChanged, this, &TColorMixerPage::SizeChanged);
  connect(cboMixerModel_, &QComboBox::currentIndexChanged, this, [this] {
    cMixer_->SetResultModel(ResultModel());
    MixerChanged();
  });
  // A pick stands only while the base colour is the one it gave; a change made elsewhere retires it, so a later
  // size or Result space change cannot bring it back.
  connect(&workspace_, &TWorkspace::BaseColorAnnounced, this, [this] {
    if (!applyingPick_) cMixer_->ForgetUserSelection();
  });
  for (int tag = 1; tag <= 4; ++tag) {
    TColorPickerButton* button = cpbMV_[std::size_t(tag - 1)];
    connect(button, &TColorPickerButton::OnChange, this, [this, tag] { CornerChanged(tag); });
    // The whole button opens its popup, not only its arrow.
    connect(button, &TColorPickerButton::OnClick, this, [button] { button->SetDroppedDown(true); });
    connect(button, &TColorPickerButton::OnDefaultSelect, this, [this, tag] { CornerDefaultSelected(tag); });
    button->SetColorDropTarget(
        [](const TColorDragOffer& offer) { return ColorDrag::MixerCornerAccepts(offer.kind); },
        [button](const TColorDragOffer& offer) {
          // The button's change event then sets the corner.
          if (const std::optional<TColor> color = ColorDrag::MixerCornerDrop(offer)) button->SetSelectionColor(*color);
        });
  }
}

void TColorMixerPage::UpdateActions(TMainActions& actions) { actions.actCMAddAll->setEnabled(true); }

TColorModel TColorMixerPage::ResultModel() const { return ModelFromIndex(cboMixerModel_->currentIndex()); }

TColorPickerButton* TColorMixerPage::CornerButton(int tag) const {
  return tag >= 1 && tag <= 4 ? cpbMV_[std::size_t(tag - 1)] : nullptr;
}

void TColorMixerPage::ShowTool(bool shown) {
  cMixer_->setVisible(shown);
  if (shown) cMixer_->update();
}

void TColorMixerPage::MixerChanged() {
  if (!cMixer_->UserSelected()) return;
  const TColorModel model = ResultModel();
  applyingPick_ = true;
  workspace_.BaseColor().SetColor(cMixer_->SelectedColor(), model);
  workspace_.BaseColorChanged(cMixer_, model, true, false);
  applyingPick_ = false;
}

void TColorMixerPage::MixerMouseMove(Qt::MouseButtons buttons) {
  const std::optional<TColor> color = cMixer_->GetHoverColor();
  if (color && buttons.testFlag(Qt::LeftButton)) workspace_.PreviewBaseColor(*color);
}

void TColorMixerPage::AddAllToPalette() {
  const TColorModel model = ResultModel();
  const int size = cMixer_->Size();
  for (int column = 0; column < size; ++column) {
    for (int row = 0; row < size; ++row) {
      const TColorObject color(cMixer_->GetCell(column, row), model);
      workspace_.AddPaletteColor(color, HexName(color));
    }
  }
}

void TColorMixerPage::SizeChanged() {
  // The box cannot be typed into, so its value is always an integer in range.
  cMixer_->SetSize(seMixerSize_->value());
}

void TColorMixerPage::CornerChanged(int tag) { cMixer_->SetCorner(tag, CornerButton(tag)->SelectionColor()); }

void TColorMixerPage::CornerDefaultSelected(int tag) {
  CornerButton(tag)->SetSelectionColor(workspace_.BaseColor().GetColor());
}

void TColorMixerPage::LoadSettings(const TMixerSettings& settings) {
  const QSignalBlocker mixerBlocker(cMixer_);
  const QSignalBlocker sizeBlocker(seMixerSize_);
  const QSignalBlocker modelBlocker(cboMixerModel_);
  cboMixerModel_->setCurrentIndex(ModelFromIndex(settings.model));
  cMixer_->SetResultModel(ResultModel());
  cMixer_->SetSize(std::clamp(settings.size, MinMixerSize, MaxMixerSize));
  for (int tag = 1; tag <= 4; ++tag) {
    const TColor color = static_cast<TColor>(settings.colors[std::size_t(tag - 1)]) & 0xFFFFFFu;
    TColorPickerButton* button = CornerButton(tag);
    const QSignalBlocker buttonBlocker(button);
    button->SetSelectionColor(color);
    cMixer_->SetCorner(tag, color);
  }
  seMixerSize_->setValue(cMixer_->Size());
}

TMixerSettings TColorMixerPage::StoreSettings() const {
  TMixerSettings settings;
  for (int tag = 1; tag <= 4; ++tag) settings.colors[std::size_t(tag - 1)] = static_cast<int>(cMixer_->Corner(tag));
  settings.size = cMixer_->Size();
  settings.model = cboMixerModel_->currentIndex();
  return settings;
}

}  // namespace tintorium
