#include "ui/tools/ColorWheelPage.h"

#include "ui/actions/MainActions.h"
#include "ui/controls/ColorWheel.h"
#include "ui/tools/ColorToolPopup.h"
#include "ui/workspace/Workspace.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace tintorium {
namespace {

template <std::size_t N>
QComboBox* NewBox(const char* name, QWidget* parent, const std::array<std::string_view, N>& items) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromLatin1(name));
  for (std::string_view item : items) box->addItem(QString::fromLatin1(item.data(), qsizetype(item.size())));
  return box;
}

QLabel* NewLabel(const char* name, const char* text, QWidget* parent, QWidget* buddy) {
  auto* label = new QLabel(QString::fromLatin1(text), parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setBuddy(buddy);
  return label;
}

TColorModel ModelFromIndex(int index) {
  return index >= cmRGB && index <= cmLAB ? static_cast<TColorModel>(index) : cmRGB;
}

}  // namespace

TColorWheelPage::TColorWheelPage(TWorkspace& workspace, TColorToolPopup& popup, TMainActions& actions,
                                 QWidget* parent)
    : TToolPage(parent), workspace_(workspace), popup_(popup), actions_(actions) {
  setObjectName(QStringLiteral("tsColorWheel"));
  CreateControls();
  ConnectControls();
  workspace_.AddFollower(TFollowerSlot::Wheel, this);
  workspace_.WatchColorUnderCursor(cwRGB_);
}

TColorWheelPage::~TColorWheelPage() { workspace_.RemoveFollower(this); }

void TColorWheelPage::CreateControls() {
  cboCWStyle_ = NewBox("cboCWStyle", this, ColorWheelStyleNames);
  cboCWHarmony_ = NewBox("cboCWHarmony", this, ColorHarmonyNames);
  cboCWModel_ = NewBox("cboCWModel", this, ColorModelNames);
  lblCWStyle_ = NewLabel("lblCWStyle", "Color wheel style:", this, cboCWStyle_);
  lblCWHarmony_ = NewLabel("lblCWHarmony", "Color Harmony:", this, cboCWHarmony_);
  lblCWResultSpace_ = NewLabel("lblCWResultSpace", "Result space:", this, cboCWModel_);
  cwRGB_ = new TColorWheel(this);
  cwRGB_->setObjectName(QStringLiteral("cwRGB"));
  cwRGB_->setMinimumSize(120, 120);

  // Each label above its box, so the three fit side by side on a narrow page.
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(8, 8, 8, 8);
  layout->setVerticalSpacing(2);
  const std::pair<QLabel*, QComboBox*> columns[] = {
      {lblCWStyle_, cboCWStyle_}, {lblCWHarmony_, cboCWHarmony_}, {lblCWResultSpace_, cboCWModel_}};
  int column = 0;
  for (const auto& [label, box] : columns) {
    layout->addWidget(label, 0, column);
    layout->addWidget(box, 1, column);
    ++column;
  }
  layout->setColumnStretch(column, 1);
  layout->addWidget(cwRGB_, 2, 0, 1, column + 1);
  layout->setRowStretch(2, 1);
}

void TColorWheelPage::ConnectControls() {
  connect(cboCWStyle_, &QComboBox::currentIndexChanged, this,
          [this](int index) { cwRGB_->SetWheelStyle(WheelStyleFromInt(index)); });
  connect(cboCWHarmony_, &QComboBox::currentIndexChanged, this,
          [this](int index) { cwRGB_->SetHarmony(HarmonyFromInt(index)); });
  connect(cboCWModel_, &QComboBox::currentIndexChanged, this, [this] {
    cwRGB_->SetResultModel(ResultModel());
    WheelChanged();
  });
  connect(cwRGB_, &TColorWheel::OnChange, this, &TColorWheelPage::WheelChanged);
  popup_.ConnectTool(*cwRGB_, popup_.pmnu_CW(), [this] { return ResultModel(); });
  connect(actions_.actCWAddAll, &QAction::triggered, this, &TColorWheelPage::AddAllToPalette);
}

TColorModel TColorWheelPage::ResultModel() const { return ModelFromIndex(cboCWModel_->currentIndex()); }

void TColorWheelPage::WheelChanged() {
  if (!cwRGB_->PickedByClick()) return;
  const TColorModel model = ResultModel();
  workspace_.BaseColor().SetColor(cwRGB_->BaseColor(), model);
  workspace_.BaseColorChanged(cwRGB_, model, true, false);
}

void TColorWheelPage::AddAllToPalette() {
  const TColorModel model = ResultModel();
  for (TColor color : cwRGB_->AddAllColors()) {
    const TColorObject object(color, model);
    workspace_.AddPaletteColor(object, QString::fromStdString(object.HexText()));
  }
}

void TColorWheelPage::RestoreSettings(const TWheelPageSettings& settings) {
  const TColorWheelStyle style = WheelStyleFromInt(settings.CWStyle);
  const TColorHarmonyType harmony = HarmonyFromInt(settings.CWHar);
  const TColorModel model = ModelFromIndex(settings.CWModel);
  cwRGB_->SetWheelStyle(style);
  cwRGB_->SetHarmony(harmony);
  cwRGB_->SetResultModel(model);
  const QSignalBlocker blockStyle(cboCWStyle_), blockHarmony(cboCWHarmony_), blockModel(cboCWModel_);
  cboCWStyle_->setCurrentIndex(style);
  cboCWHarmony_->setCurrentIndex(harmony);
  cboCWModel_->setCurrentIndex(model);
}

TWheelPageSettings TColorWheelPage::CurrentSettings() const {
  return {cwRGB_->WheelStyle(), cwRGB_->Harmony(), ResultModel()};
}

void TColorWheelPage::ShowTool(bool shown) {
  cwRGB_->setVisible(shown);
  if (shown) cwRGB_->update();
}

void TColorWheelPage::FollowBaseColor(const TColorObject& base) { cwRGB_->SetBaseColor(base.GetColor()); }

bool TColorWheelPage::SkipsSender(const QObject* sender) const {
  return qobject_cast<const TColorWheel*>(sender) != nullptr;
}

void TColorWheelPage::UpdateActions(TMainActions& actions) { actions.actCWAddAll->setEnabled(true); }

}  // namespace tintorium
