#include "ui/workspace/Workspace.h"

#include "ui/controls/CommonColorControl.h"
#include "engine/palette/PaletteDocument.h"
#include "ui/workspace/ColorHistory.h"

#include <algorithm>

namespace tintorium {

TWorkspace::TWorkspace(QObject* parent) : QObject(parent), history_(new TColorHistory(this)) {}

TWorkspace::~TWorkspace() = default;

void TWorkspace::BaseColorChanged(QObject* sender, TColorModel model, bool refreshAll, bool fromHistory) {
  if (editors_ != nullptr) {
    editors_->ShowBaseMarks(base_);
    editors_->ShowBaseValues(base_, model, refreshAll);
  }
  // A copy: a follower may register or remove followers while it recomputes.
  const auto followers = followers_;
  for (const auto& slot : followers) {
    for (TBaseColorFollower* follower : slot) {
      if (!follower->SkipsSender(sender)) follower->FollowBaseColor(base_);
    }
  }
  if (!fromHistory) history_->Record(base_);
  emit history_->RepaintRequested();
  emit BaseColorAnnounced();
}

void TWorkspace::AssignBaseColor(const TColorObject& color, QObject* sender, bool fromHistory) {
  base_.Assign(color);
  BaseColorChanged(sender, base_.Model(), true, fromHistory);
}

void TWorkspace::AddFollower(TFollowerSlot slot, TBaseColorFollower* follower) {
  if (follower == nullptr) return;
  followers_.at(static_cast<std::size_t>(slot)).push_back(follower);
}

void TWorkspace::RemoveFollower(TBaseColorFollower* follower) {
  for (auto& slot : followers_) slot.erase(std::remove(slot.begin(), slot.end(), follower), slot.end());
}

bool TWorkspace::CanPrevious() const { return history_->CanPrevious(); }
bool TWorkspace::CanNext() const { return history_->CanNext(); }

void TWorkspace::Previous(QObject* sender) {
  if (!CanPrevious()) return;
  history_->SetSelectedIndex(history_->SelectedIndex() + 1);
  AssignBaseColor(history_->Entry(history_->SelectedIndex()), sender, true);
}

void TWorkspace::Next(QObject* sender) {
  if (!CanNext()) return;
  history_->SetSelectedIndex(history_->SelectedIndex() - 1);
  AssignBaseColor(history_->Entry(history_->SelectedIndex()), sender, true);
}

void TWorkspace::ShowColorUnderCursor(TColor color) {
  cursorColor_.SetColor(color, cursorColor_.Model());
  std::string text = cursorColor_.ValuesText();
  if (cursorCss_) {
    text = FormatCssColor(color, cssForm_);
    if (text.empty()) text = FormatCssColor(color, TCssForm::Hex);
  }
  cursorText_ = QStringLiteral("       ") + QString::fromStdString(text);
  emit ColorUnderCursorShown(color, cursorText_);
}

void TWorkspace::ClearColorUnderCursor() {
  cursorText_.clear();
  emit ColorUnderCursorCleared();
}

void TWorkspace::SetColorUnderCursorModel(TColorModel model) {
  if (model > cmLAB) return;
  cursorColor_.SetModel(model);
  cursorCss_ = false;
}

void TWorkspace::SetColorUnderCursorSetting(int setting) {
  if (setting == CursorCssSetting) {
    SetColorUnderCursorCss();
    return;
  }
  SetColorUnderCursorModel(setting >= cmRGB && setting <= cmLAB ? static_cast<TColorModel>(setting) : cmRGB);
}

void TWorkspace::WatchColorUnderCursor(TCommonColorControl* control) {
  if (control == nullptr) return;
  connect(control, &TCommonColorControl::OnMouseMove, this, [this, control] {
    if (const std::optional<TColor> color = control->GetHoverColor()) {
      ShowColorUnderCursor(*color);
    } else {
      ClearColorUnderCursor();
    }
  });
  connect(control, &TCommonColorControl::OnMouseLeave, this, &TWorkspace::ClearColorUnderCursor);
}

void TWorkspace::AddPaletteColor(const TColorObject& color, const QString& name) {
  if (palette_ != nullptr) palette_->AddPaletteColor(name, color);
}

void TWorkspace::SetAdjustAmount(int amount) { adjustAmount_ = std::clamp(amount, 1, 100); }

}  // namespace tintorium
