#pragma once
// The history of base colours: newest first, no two neighbours with the same TColor, no size limit.
// Shown by lstHistory; its selection is the one Previous and Next move.

#include "core/ColorObject.h"

#include <QObject>

#include <deque>

namespace tintorium {

class TColorHistory : public QObject {
  Q_OBJECT

 public:
  explicit TColorHistory(QObject* parent = nullptr);

  int Count() const { return static_cast<int>(entries_.size()); }
  /// Entries newest first; each is a copy of the base colour named by its HexText.
  const std::deque<TColorObjectFx>& Entries() const { return entries_; }
  /// 0 <= index < Count().
  const TColorObjectFx& Entry(int index) const { return entries_.at(static_cast<std::size_t>(index)); }

  /// The entry Previous/Next last moved to, or that the user selected in the list; -1 when empty.
  int SelectedIndex() const { return selected_; }
  /// Out-of-range indices are ignored. Emits SelectionChanged when the index changes.
  void SetSelectedIndex(int index);

  /// Puts a copy of `color` in front and selects it, unless its TColor equals that of the newest entry.
  /// Returns whether an entry was added.
  bool Record(const TColorObject& color);

  bool CanPrevious() const { return Count() >= 2 && selected_ != Count() - 1; }
  bool CanNext() const { return Count() >= 2 && selected_ != 0; }

 signals:
  /// A new entry at `index` (always 0).
  void EntryInserted(int index);
  void SelectionChanged(int index);
  /// The list showing the history should repaint.
  void RepaintRequested();

 private:
  // New entries go in front, and a long session makes many: a deque keeps that constant-time.
  std::deque<TColorObjectFx> entries_;
  int selected_ = -1;
};

}  // namespace tintorium
