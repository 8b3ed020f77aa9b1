#pragma once
// One undo history for the window: palette edits and base colour changes in the order they were made, so
// Edit > Undo takes back the last change whichever it was. The palette keeps its own steps (its undo stack) and
// the base colour its history list; this only remembers which of the two each change went to.

#include <QObject>

#include <vector>

namespace tintorium {

class TPaletteDocument;
class TWorkspace;

class TEditHistory final : public QObject {
  Q_OBJECT

 public:
  /// Follows `palette` and `workspace` (both must outlive this object) from now on; earlier changes are not
  /// part of the history.
  TEditHistory(TPaletteDocument& palette, TWorkspace& workspace, QObject* parent = nullptr);

  /// Takes back the last change (a palette step, or the base colour as it was before); `sender` is passed on
  /// as the base colour change's sender. Nothing when there is nothing to undo.
  void Undo(QObject* sender);
  /// Makes the last undone change again.
  void Redo(QObject* sender);
  bool CanUndo() const;
  bool CanRedo() const;

 private:
  enum class TKind : unsigned char { Palette, Base };
  /// A base step names history entries by their place counted from the oldest, which new entries never move.
  struct TStep {
    TKind Kind;
    int Before;
    int After;
  };

  void PalettePushed();
  void PaletteIndexChanged(int index);
  void BaseRecorded();
  /// Whether `step` can still be replayed in that direction.
  bool Live(const TStep& step, bool undo) const;
  bool Replay(std::vector<TStep>& from, std::vector<TStep>& to, bool undo, QObject* sender);
  /// Moves the newest palette step of `from` to `to` (a step the palette's own Undo or Redo made).
  void ShiftPaletteStep(std::vector<TStep>& from, std::vector<TStep>& to);
  int Stable(int historyIndex) const;
  int HistoryIndex(int stable) const;

  TPaletteDocument& palette_;
  TWorkspace& workspace_;
  std::vector<TStep> undo_;
  std::vector<TStep> redo_;
  int paletteIndex_ = 0;
  int baseSelected_ = -1;
  bool replaying_ = false;
};

}  // namespace tintorium
