#pragma once
// The palette document: the ordered entries, the file name and the modified flag, with the commands on them.
// It holds no view state (selection, current item); a view follows it through the signals below.
// Every entry command is a step of its undo stack, so each can be undone and redone exactly.

#include "core/ColorTypes.h"
#include "engine/files/FileResult.h"
#include "engine/palette/PaletteEntry.h"

#include <QList>
#include <QObject>
#include <QString>

#include <vector>

class QUndoStack;

namespace tintorium {

class TColorObject;
class TPaletteEdit;

class TPaletteDocument : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString PaletteFileName READ PaletteFileName WRITE SetPaletteFileName NOTIFY FileNameChanged)
  Q_PROPERTY(bool PaletteModified READ PaletteModified WRITE SetPaletteModified NOTIFY ModifiedChanged)

 public:
  /// The file name of a palette that was never saved (no folder).
  static inline const QString NoName = QStringLiteral("noname.tnp");

  explicit TPaletteDocument(QObject* parent = nullptr);
  ~TPaletteDocument() override;

  // --- State -------------------------------------------------------------------------------------------------
  int Count() const { return static_cast<int>(entries_.size()); }
  bool IsEmpty() const { return entries_.empty(); }
  /// `index` must be in 0 .. Count() - 1.
  const TPaletteEntry& Entry(int index) const { return entries_[static_cast<std::size_t>(index)]; }
  const TPaletteEntries& Entries() const { return entries_; }

  const QString& PaletteFileName() const { return fileName_; }
  void SetPaletteFileName(const QString& fileName);
  /// The palette's name, as `{{palette}}` of an export template shows it: PaletteNameOf(PaletteFileName()), empty
  /// while the palette has no file (NoName).
  QString PaletteName() const;
  /// The name a palette file gives its palette: the file's name without folder and extensions ("Brand v2" for
  /// "/work/Brand v2.gpl"); empty for an empty name.
  static QString PaletteNameOf(const QString& fileName);
  /// Follows the undo stack: set by every entry command, cleared again by undoing back to the state last
  /// saved, opened or created. Clearing it marks the present state as that state.
  bool PaletteModified() const { return modified_; }
  void SetPaletteModified(bool modified);

  /// The steps of the entry commands below (owned by the document). Undo and redo restore names, models,
  /// every model's values and the order exactly. Step texts are message key names (Messages.h), so a view
  /// shows them in the current language. New and Open clear it; saving marks it clean.
  QUndoStack& UndoStack() const { return *undoStack_; }
  /// True while a new step goes onto the undo stack (its indexChanged then tells of a new step, not a redo).
  bool Pushing() const { return pushing_; }
  /// The most steps kept; older ones are dropped.
  static constexpr int UndoLimit = 100;

  // --- Entry commands: each is one undo step and sets PaletteModified ------------------------------------------
  /// Appends a copy of `color` named `name`; returns its index.
  int AddPaletteColor(const QString& name, const TColorObject& color);
  /// A drop: inserts a copy at `index`, limited to 0 .. Count(); returns the index used.
  int InsertPaletteColor(int index, const QString& name, const TColorObject& color);
  /// Appends all `entries` as one step (a command adding several colours); nothing for an empty list.
  void AppendPaletteColors(TPaletteEntries entries);
  /// The import wizard's result: appends all `entries` as one step; nothing for an empty list.
  void ImportPaletteColors(TPaletteEntries entries);
  /// Edit Color: the name becomes `name` (any text) and the colour gets ConvertTo(model). No-op for a bad index.
  void EditPaletteColor(int index, const QString& name, TColorModel model);
  /// A suggested colour taking an entry's place: entry `index` gets `color`, its name kept. No-op for a bad index.
  void ReplacePaletteColor(int index, const TColorObject& color);
  /// Removes every listed entry (order and repeats do not matter; indexes out of range are ignored).
  /// Sets the flag when `indexes` is not empty, as the command does once it runs.
  void DeletePaletteColors(std::vector<int> indexes);
  /// Removes every entry whose colour is SameColor as an earlier entry's (names ignored; first occurrence
  /// stays; order kept). Returns the number removed. Linear time.
  int RemoveDuplicateColors();
  /// Writes `model` into the Model of every entry without recomputing any value (tag only).
  void ConvertPaletteValues(TColorModel model);
  /// The drag within the list: removes entry `from`, then inserts it at `dropRow` limited to 0 .. Count()
  /// (counted after the removal). `dropRow` is the row under the drop point, or any number >= Count() for a
  /// point below the last item. Returns the new index, or -1 (nothing done) when `from` is out of range.
  int MovePaletteColor(int from, int dropRow);
  /// SortPalette (key index 0-13, order 0 ascending / 1 descending); sets the flag even when nothing moved.
  void SortPaletteColors(int key, int order);

  // --- File commands (the questions and file choosers belong to the window) -------------------------------------
  /// New: empties the palette, file name "noname.tnp", flag cleared, no steps to undo or redo.
  void NewPalette();
  /// Open: reads `fileName` (a palette file, or another program's swatch file: ReadAnyPaletteFile); on
  /// success it becomes the file name, the flag is cleared and the undo stack emptied. On failure the palette, its
  /// name, flag and undo steps stay as they were (the partly read entries are dropped) and the read's failure is
  /// returned.
  TFileResult OpenPalette(const QString& fileName);
  /// Save / Save As to `fileName`: on success it becomes the file name and the flag is cleared; on failure
  /// both keep their values. Another program's swatch file is written in its own format (WriteForeignPalette),
  /// whatever that loses: ask InPlaceLoss first.
  TFileResult SavePalette(const QString& fileName);
  /// True when Save must go through Save As: never saved ("noname.tnp", compared exactly), opened from another
  /// program's swatch file whose format we cannot write, or the file is gone.
  bool NeedsSaveAs() const;
  /// Save As's naming rule: appends ".tnp" unless the name already ends in ".tnp" (any case).
  static QString WithPaletteExtension(const QString& fileName);

 signals:
  // A view (or an item model adapting this document) follows the entries through these pairs; indexes are
  // inclusive and refer to the state before the "AboutTo" change and after the finished one.
  void EntriesAboutToBeInserted(int first, int last);
  void EntriesInserted(int first, int last);
  void EntriesAboutToBeRemoved(int first, int last);
  void EntriesRemoved(int first, int last);
  /// `to` is the final index of the moved entry.
  void EntryAboutToBeMoved(int from, int to);
  void EntryMoved(int from, int to);
  /// Names, values or models of these entries changed; their number and order did not.
  void EntriesChanged(int first, int last);
  /// Everything may have changed (sort, many removals, open, new): the view reloads.
  void EntriesAboutToBeReset();
  void EntriesReset();
  /// After an undo or redo (never after the command itself): the rows it touched that the palette holds
  /// now, ascending, for a view to select. Empty when it removed what it touched or reordered or retagged
  /// the whole palette.
  void StepReplayed(const QList<int>& rows);

  /// A new step was put on the undo stack (after it ran).
  void StepPushed();

  void ModifiedChanged(bool modified);
  void FileNameChanged(const QString& fileName);

 private:
  friend class TPaletteEdit;  // the steps change the entries through the primitives below

  void Push(TPaletteEdit* edit);
  void SetModifiedFlag(bool modified);
  void ReplaceEntries(TPaletteEntries entries);
  /// Moves entries first .. last out to `into`, reporting the removal.
  void TakeRun(int first, int last, TPaletteEntries::iterator into);

  // Primitives of the steps; each keeps the signals above right. Index lists are ascending and unique.
  /// Moves `entries` in at `index` (0 .. Count()).
  void InsertRun(int index, TPaletteEntries& entries);
  /// Removes the entries at `indexes` (in range) and returns them in that order.
  TPaletteEntries TakeEntries(const std::vector<int>& indexes);
  /// The inverse of TakeEntries: puts `entries` back so that they stand at `indexes` again.
  void PutBackEntries(const std::vector<int>& indexes, TPaletteEntries& entries);
  /// Exchanges entry `index` with `other`.
  void SwapEntry(int index, TPaletteEntry& other);
  /// Exchanges every entry's Model tag with `models` (one per entry).
  void SwapModels(std::vector<TColorModel>& models);
  /// Removes entry `from` and inserts it at `to` (both in range).
  void MoveEntry(int from, int to);
  /// Reorders so that the entry at `order[i]` comes to i; `inverse` undoes that.
  void Permute(const std::vector<int>& order, bool inverse);

  TPaletteEntries entries_;
  QString fileName_ = NoName;
  bool modified_ = false;
  bool pushing_ = false;
  QUndoStack* undoStack_;
};

}  // namespace tintorium
