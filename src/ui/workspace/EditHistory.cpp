#include "ui/workspace/EditHistory.h"

#include "engine/palette/PaletteDocument.h"
#include "ui/workspace/ColorHistory.h"
#include "ui/workspace/Workspace.h"

#include <QUndoStack>

#include <algorithm>

namespace tintorium {

TEditHistory::TEditHistory(TPaletteDocument& palette, TWorkspace& workspace, QObject* parent)
    : QObject(parent), palette_(palette), workspace_(workspace) {
  paletteIndex_ = palette_.UndoStack().index();
  const TColorHistory& history = workspace_.History();
  baseSelected_ = history.SelectedIndex() >= 0 ? Stable(history.SelectedIndex()) : -1;
  connect(&palette_, &TPaletteDocument::StepPushed, this, &TEditHistory::PalettePushed);
  connect(&palette_.UndoStack(), &QUndoStack::indexChanged, this, &TEditHistory::PaletteIndexChanged);
  connect(&workspace_.History(), &TColorHistory::EntryInserted, this, &TEditHistory::BaseRecorded);
  connect(&workspace_.History(), &TColorHistory::SelectionChanged, this, [this](int index) {
    if (!replaying_) baseSelected_ = Stable(index);
  });
}

int TEditHistory::Stable(int historyIndex) const { return workspace_.History().Count() - 1 - historyIndex; }
int TEditHistory::HistoryIndex(int stable) const { return workspace_.History().Count() - 1 - stable; }

void TEditHistory::PalettePushed() {
  paletteIndex_ = palette_.UndoStack().index();
  undo_.push_back({TKind::Palette, 0, 0});
  redo_.clear();
  // Steps the palette dropped at its limit can no longer be undone: forget the oldest ones.
  auto palettes = std::count_if(undo_.begin(), undo_.end(), [](const TStep& s) { return s.Kind == TKind::Palette; });
  for (auto it = undo_.begin(); palettes > paletteIndex_ && it != undo_.end();) {
    if (it->Kind == TKind::Palette) {
      it = undo_.erase(it);
      --palettes;
    } else {
      ++it;
    }
  }
}

void TEditHistory::PaletteIndexChanged(int index) {
  if (replaying_ || palette_.Pushing()) {
    paletteIndex_ = index;
    return;
  }
  if (palette_.UndoStack().count() == 0) {  // New or Open: the palette's steps are gone
    const auto isPalette = [](const TStep& s) { return s.Kind == TKind::Palette; };
    std::erase_if(undo_, isPalette);
    std::erase_if(redo_, isPalette);
    paletteIndex_ = 0;
    return;
  }
  // The palette's own Undo or Redo: its step changes sides here too.
  for (; paletteIndex_ > index; --paletteIndex_) ShiftPaletteStep(undo_, redo_);
  for (; paletteIndex_ < index; ++paletteIndex_) ShiftPaletteStep(redo_, undo_);
}

void TEditHistory::ShiftPaletteStep(std::vector<TStep>& from, std::vector<TStep>& to) {
  const auto newest = std::find_if(from.rbegin(), from.rend(), [](const TStep& s) { return s.Kind == TKind::Palette; });
  if (newest != from.rend()) from.erase(std::next(newest).base());
  to.push_back({TKind::Palette, 0, 0});
}

void TEditHistory::BaseRecorded() {
  if (replaying_) return;
  const int after = Stable(0);
  if (baseSelected_ >= 0 && baseSelected_ != after) {
    undo_.push_back({TKind::Base, baseSelected_, after});
    redo_.clear();
  }
  baseSelected_ = after;
}

bool TEditHistory::Live(const TStep& step, bool undo) const {
  if (step.Kind == TKind::Palette) return undo ? palette_.UndoStack().canUndo() : palette_.UndoStack().canRedo();
  const int index = HistoryIndex(undo ? step.Before : step.After);
  return index >= 0 && index < workspace_.History().Count();
}

bool TEditHistory::CanUndo() const {
  return std::any_of(undo_.rbegin(), undo_.rend(), [this](const TStep& s) { return Live(s, true); });
}

bool TEditHistory::CanRedo() const {
  return std::any_of(redo_.rbegin(), redo_.rend(), [this](const TStep& s) { return Live(s, false); });
}

void TEditHistory::Undo(QObject* sender) { Replay(undo_, redo_, true, sender); }
void TEditHistory::Redo(QObject* sender) { Replay(redo_, undo_, false, sender); }

bool TEditHistory::Replay(std::vector<TStep>& from, std::vector<TStep>& to, bool undo, QObject* sender) {
  while (!from.empty()) {
    const TStep step = from.back();
    from.pop_back();
    if (!Live(step, undo)) continue;  // a step its owner no longer holds
    replaying_ = true;
    if (step.Kind == TKind::Palette) {
      undo ? palette_.UndoStack().undo() : palette_.UndoStack().redo();
      paletteIndex_ = palette_.UndoStack().index();
    } else {
      const int stable = undo ? step.Before : step.After;
      const int index = HistoryIndex(stable);
      workspace_.History().SetSelectedIndex(index);
      workspace_.AssignBaseColor(workspace_.History().Entry(index), sender, true);
      baseSelected_ = stable;
    }
    replaying_ = false;
    to.push_back(step);
    return true;
  }
  return false;
}

}  // namespace tintorium
