#pragma once
// One undoable step on the palette document's entries. Each step keeps only what it needs to go both ways,
// so its memory follows what it changed: the entries it removed with their indexes, a permutation, the
// replaced entry, the previous model tags. Undo and redo are linear in the palette at most.

#include "engine/language/Messages.h"
#include "engine/palette/PaletteEntry.h"

#include <QUndoCommand>

#include <memory>
#include <vector>

namespace tintorium {

class TPaletteDocument;

class TPaletteEdit : public QUndoCommand {
 public:
  /// Inserts `entries` at `index` (0 .. Count()).
  static std::unique_ptr<TPaletteEdit> Insert(TPaletteDocument& document, TMessageKey name, int index,
                                              TPaletteEntries entries);
  /// Removes the entries at `indexes` (ascending, unique, in range; may be empty).
  static std::unique_ptr<TPaletteEdit> Remove(TPaletteDocument& document, TMessageKey name,
                                              std::vector<int> indexes);
  /// Replaces entry `index` (in range) with `entry`.
  static std::unique_ptr<TPaletteEdit> Replace(TPaletteDocument& document, TMessageKey name, int index,
                                               TPaletteEntry entry);
  /// Sets the Model tag of every entry to `model`.
  static std::unique_ptr<TPaletteEdit> Retag(TPaletteDocument& document, TMessageKey name, TColorModel model);
  /// Moves entry `from` to `to` (both in range).
  static std::unique_ptr<TPaletteEdit> Move(TPaletteDocument& document, TMessageKey name, int from, int to);
  /// Reorders so that the entry at `order[i]` comes to i (`order` is a permutation of 0 .. Count() - 1).
  static std::unique_ptr<TPaletteEdit> Reorder(TPaletteDocument& document, TMessageKey name,
                                               std::vector<int> order);

  /// The message naming the step (its text() is that message's key name).
  TMessageKey Name() const { return name_; }

  void undo() final;
  void redo() final;

 protected:
  TPaletteEdit(TPaletteDocument& document, TMessageKey name);

  /// Does the step; returns the rows it touched that remain.
  virtual QList<int> Apply() = 0;
  /// Takes it back; returns the rows it touched that remain.
  virtual QList<int> Revert() = 0;

  // The document's primitives (see TPaletteDocument).
  void InsertRun(int index, TPaletteEntries& entries);
  TPaletteEntries TakeEntries(const std::vector<int>& indexes);
  void PutBackEntries(const std::vector<int>& indexes, TPaletteEntries& entries);
  void SwapEntry(int index, TPaletteEntry& other);
  void SwapModels(std::vector<TColorModel>& models);
  void MoveEntry(int from, int to);
  void Permute(const std::vector<int>& order, bool inverse);

 private:
  TPaletteDocument& document_;
  TMessageKey name_;
  bool done_ = false;  // the first redo is the command itself, which reports no rows
};

}  // namespace tintorium
