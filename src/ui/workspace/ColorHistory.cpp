#include "ui/workspace/ColorHistory.h"

#include <string>

namespace tintorium {

namespace {

std::u16string ToU16(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

}  // namespace

TColorHistory::TColorHistory(QObject* parent) : QObject(parent) {}

void TColorHistory::SetSelectedIndex(int index) {
  if (index < 0 || index >= Count() || index == selected_) return;
  selected_ = index;
  emit SelectionChanged(selected_);
}

bool TColorHistory::Record(const TColorObject& color) {
  if (!entries_.empty() && entries_.front().GetColor() == color.GetColor()) return false;
  entries_.emplace_front(color, ToU16(color.HexText()));
  selected_ = 0;
  emit EntryInserted(0);
  emit SelectionChanged(0);
  return true;
}

}  // namespace tintorium
