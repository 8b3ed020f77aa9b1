#include "engine/palette/PaletteDocument.h"

#include "engine/palette/PaletteEdit.h"
#include "engine/palette/ForeignPalette.h"
#include "engine/palette/PaletteFile.h"
#include "engine/palette/PaletteSort.h"

#include <QFileInfo>
#include <QUndoStack>

#include <algorithm>
#include <array>
#include <cstdint>
#include <unordered_set>

namespace tintorium {

namespace {

// Beyond this many separate runs a removal reloads the view instead of reporting each run.
constexpr std::size_t kMaxReportedRuns = 16;

/// The authoritative record of a colour with its model: equal keys are exactly SameColor for models 0-3.
struct TColorKey {
  std::uint8_t model = 0;
  std::array<std::int32_t, 4> values{};
  friend bool operator==(const TColorKey&, const TColorKey&) = default;
};

struct TColorKeyHash {
  std::size_t operator()(const TColorKey& k) const {
    std::uint64_t h = 0x9E3779B97F4A7C15ull ^ k.model;
    for (std::int32_t v : k.values) {
      h ^= static_cast<std::uint32_t>(v);
      h *= 0xFF51AFD7ED558CCDull;
      h ^= h >> 33;
    }
    return static_cast<std::size_t>(h);
  }
};

TColorKey KeyOf(const TColorObject& color) {
  switch (color.Model()) {
    case cmRGB: {
      const TRGBValues v = color.GetRGB();
      return {cmRGB, {v.R, v.G, v.B, 0}};
    }
    case cmHSB: {
      const THSBValues v = color.GetHSB();
      return {cmHSB, {v.H, v.S, v.B, 0}};
    }
    case cmCMYK: {
      const TCMYKValues v = color.GetCMYK();
      return {cmCMYK, {v.C, v.M, v.Y, v.K}};
    }
    default: {
      const TLabValues v = color.GetLab();
      return {cmLAB, {v.L, v.a, v.b, 0}};
    }
  }
}

/// Sorted, unique, in range.
std::vector<int> CleanIndexes(std::vector<int> indexes, int count) {
  std::erase_if(indexes, [count](int i) { return i < 0 || i >= count; });
  std::sort(indexes.begin(), indexes.end());
  indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
  return indexes;
}

/// Inclusive runs of consecutive indexes, in ascending order.
std::vector<std::pair<int, int>> RunsOf(const std::vector<int>& sorted) {
  std::vector<std::pair<int, int>> runs;
  for (int i : sorted) {
    if (!runs.empty() && runs.back().second + 1 == i) {
      runs.back().second = i;
    } else {
      runs.emplace_back(i, i);
    }
  }
  return runs;
}

}  // namespace

TPaletteDocument::TPaletteDocument(QObject* parent) : QObject(parent), undoStack_(new QUndoStack(this)) {
  undoStack_->setUndoLimit(UndoLimit);
  connect(undoStack_, &QUndoStack::cleanChanged, this, [this](bool clean) { SetModifiedFlag(!clean); });
}

TPaletteDocument::~TPaletteDocument() {
  // The stack clears itself on the way out, which would report a clean state to listeners already gone.
  undoStack_->blockSignals(true);
  delete undoStack_;
  undoStack_ = nullptr;
}

void TPaletteDocument::SetPaletteFileName(const QString& fileName) {
  if (fileName_ == fileName) return;
  fileName_ = fileName;
  emit FileNameChanged(fileName_);
}

QString TPaletteDocument::PaletteName() const { return fileName_ == NoName ? QString() : PaletteNameOf(fileName_); }

QString TPaletteDocument::PaletteNameOf(const QString& fileName) { return QFileInfo(fileName).completeBaseName(); }

void TPaletteDocument::SetPaletteModified(bool modified) {
  if (!modified) undoStack_->setClean();
  SetModifiedFlag(modified);
}

void TPaletteDocument::SetModifiedFlag(bool modified) {
  if (modified_ == modified) return;
  modified_ = modified;
  emit ModifiedChanged(modified_);
}

void TPaletteDocument::Push(TPaletteEdit* edit) {
  pushing_ = true;
  undoStack_->push(edit);
  pushing_ = false;
  // Steps that change nothing visible still mark the palette, as the commands always have.
  SetModifiedFlag(true);
  emit StepPushed();
}

int TPaletteDocument::AddPaletteColor(const QString& name, const TColorObject& color) {
  const int index = Count();
  Push(TPaletteEdit::Insert(*this, sPalEditAdd, index, {TPaletteEntry{name, color}}).release());
  return index;
}

int TPaletteDocument::InsertPaletteColor(int index, const QString& name, const TColorObject& color) {
  index = std::clamp(index, 0, Count());
  Push(TPaletteEdit::Insert(*this, sPalEditDrop, index, {TPaletteEntry{name, color}}).release());
  return index;
}

void TPaletteDocument::AppendPaletteColors(TPaletteEntries entries) {
  if (entries.empty()) return;
  Push(TPaletteEdit::Insert(*this, sPalEditAddMany, Count(), std::move(entries)).release());
}

void TPaletteDocument::ImportPaletteColors(TPaletteEntries entries) {
  if (entries.empty()) return;
  Push(TPaletteEdit::Insert(*this, sPalEditImport, Count(), std::move(entries)).release());
}

void TPaletteDocument::EditPaletteColor(int index, const QString& name, TColorModel model) {
  if (index < 0 || index >= Count()) return;
  TPaletteEntry edited{name, Entry(index).Color};
  edited.Color.ConvertTo(model);
  Push(TPaletteEdit::Replace(*this, sPalEditEdit, index, std::move(edited)).release());
}

void TPaletteDocument::ReplacePaletteColor(int index, const TColorObject& color) {
  if (index < 0 || index >= Count()) return;
  Push(TPaletteEdit::Replace(*this, sPalEditEdit, index, TPaletteEntry{Entry(index).Name, color}).release());
}

void TPaletteDocument::DeletePaletteColors(std::vector<int> indexes) {
  if (indexes.empty()) return;
  Push(TPaletteEdit::Remove(*this, sPalEditDelete, CleanIndexes(std::move(indexes), Count())).release());
}

int TPaletteDocument::RemoveDuplicateColors() {
  std::vector<int> doomed;
  std::unordered_set<TColorKey, TColorKeyHash> seen;
  seen.reserve(entries_.size());
  std::vector<const TColorObject*> oddModels;  // tags outside 0-3: compared as SameColor compares them
  for (int i = 0; i < Count(); ++i) {
    const TColorObject& color = entries_[static_cast<std::size_t>(i)].Color;
    bool duplicate = false;
    if (color.Model() <= cmLAB) {
      duplicate = !seen.insert(KeyOf(color)).second;
    } else {
      duplicate = std::any_of(oddModels.begin(), oddModels.end(),
                              [&color](const TColorObject* kept) { return SameColor(*kept, color); });
      if (!duplicate) oddModels.push_back(&color);
    }
    if (duplicate) doomed.push_back(i);
  }
  const int removed = static_cast<int>(doomed.size());
  Push(TPaletteEdit::Remove(*this, sPalEditDedupe, std::move(doomed)).release());
  return removed;
}

void TPaletteDocument::ConvertPaletteValues(TColorModel model) {
  Push(TPaletteEdit::Retag(*this, sPalEditConvert, model).release());
}

int TPaletteDocument::MovePaletteColor(int from, int dropRow) {
  if (from < 0 || from >= Count()) return -1;
  const int to = std::clamp(dropRow, 0, Count() - 1);
  Push(TPaletteEdit::Move(*this, sPalEditMove, from, to).release());
  return to;
}

void TPaletteDocument::SortPaletteColors(int key, int order) {
  Push(TPaletteEdit::Reorder(*this, sPalEditSort, SortOrder(entries_, key, order)).release());
}

// --- Primitives of the steps ------------------------------------------------------------------------------

void TPaletteDocument::TakeRun(int first, int last, TPaletteEntries::iterator into) {
  emit EntriesAboutToBeRemoved(first, last);
  const auto begin = entries_.begin() + first;
  const auto end = entries_.begin() + last + 1;
  std::move(begin, end, into);
  entries_.erase(begin, end);
  emit EntriesRemoved(first, last);
}

void TPaletteDocument::InsertRun(int index, TPaletteEntries& entries) {
  if (entries.empty()) return;
  const int last = index + static_cast<int>(entries.size()) - 1;
  emit EntriesAboutToBeInserted(index, last);
  entries_.insert(entries_.begin() + index, std::make_move_iterator(entries.begin()),
                  std::make_move_iterator(entries.end()));
  entries.clear();
  emit EntriesInserted(index, last);
}

TPaletteEntries TPaletteDocument::TakeEntries(const std::vector<int>& indexes) {
  TPaletteEntries taken(indexes.size());
  const auto runs = RunsOf(indexes);
  if (runs.size() <= kMaxReportedRuns) {
    // From the back, so the earlier runs keep their indexes.
    auto slot = taken.end();
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) {
      slot -= run->second - run->first + 1;
      TakeRun(run->first, run->second, slot);
    }
    return taken;
  }
  // Compacted in place: the block keeps its size, so putting the entries back needs no new one.
  emit EntriesAboutToBeReset();
  auto next = indexes.begin();
  auto slot = taken.begin();
  std::size_t kept = 0;
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    if (next != indexes.end() && *next == static_cast<int>(i)) {
      ++next;
      *slot++ = std::move(entries_[i]);
    } else {
      if (kept != i) entries_[kept] = std::move(entries_[i]);
      ++kept;
    }
  }
  entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(kept), entries_.end());
  emit EntriesReset();
  return taken;
}

void TPaletteDocument::PutBackEntries(const std::vector<int>& indexes, TPaletteEntries& entries) {
  const auto runs = RunsOf(indexes);
  if (runs.size() <= kMaxReportedRuns) {
    // In ascending order each run's final indexes are already right when it goes in.
    auto source = entries.begin();
    for (const auto& [first, last] : runs) {
      TPaletteEntries run(std::make_move_iterator(source), std::make_move_iterator(source + (last - first + 1)));
      source += last - first + 1;
      InsertRun(first, run);
    }
    entries.clear();
    return;
  }
  // Merged in place from the back, so no entry is overwritten before it has moved.
  emit EntriesAboutToBeReset();
  std::size_t kept = entries_.size();
  std::size_t restored = entries.size();
  entries_.resize(kept + restored);
  for (std::size_t at = entries_.size(); restored > 0 && at-- > 0;) {
    if (indexes[restored - 1] == static_cast<int>(at)) {
      entries_[at] = std::move(entries[--restored]);
    } else {
      entries_[at] = std::move(entries_[--kept]);
    }
  }
  entries.clear();
  emit EntriesReset();
}

void TPaletteDocument::SwapEntry(int index, TPaletteEntry& other) {
  std::swap(entries_[static_cast<std::size_t>(index)], other);
  emit EntriesChanged(index, index);
}

void TPaletteDocument::SwapModels(std::vector<TColorModel>& models) {
  for (std::size_t i = 0; i < entries_.size(); ++i) {
    const TColorModel previous = entries_[i].Color.Model();
    entries_[i].Color.SetModel(models[i]);
    models[i] = previous;
  }
  if (!entries_.empty()) emit EntriesChanged(0, Count() - 1);
}

void TPaletteDocument::MoveEntry(int from, int to) {
  if (to == from) return;
  emit EntryAboutToBeMoved(from, to);
  const auto f = entries_.begin() + from;
  const auto t = entries_.begin() + to;
  if (from < to) {
    std::rotate(f, f + 1, t + 1);
  } else {
    std::rotate(t, f, f + 1);
  }
  emit EntryMoved(from, to);
}

void TPaletteDocument::Permute(const std::vector<int>& order, bool inverse) {
  // Cycle by cycle in place: a bit per entry instead of a second palette.
  emit EntriesAboutToBeReset();
  std::vector<bool> placed(order.size());
  const auto at = [&order](std::size_t i) { return static_cast<std::size_t>(order[i]); };
  for (std::size_t start = 0; start < order.size(); ++start) {
    if (placed[start]) continue;
    placed[start] = true;
    TPaletteEntry carried = std::move(entries_[start]);
    std::size_t hole = start;
    if (inverse) {  // the entry at i belongs at order[i]
      for (std::size_t i = at(start); i != start; i = at(i)) {
        std::swap(carried, entries_[i]);
        placed[i] = true;
      }
    } else {  // position i takes the entry at order[i]
      for (std::size_t i = at(start); i != start; i = at(i)) {
        entries_[hole] = std::move(entries_[i]);
        placed[i] = true;
        hole = i;
      }
    }
    entries_[hole] = std::move(carried);
  }
  emit EntriesReset();
}

void TPaletteDocument::ReplaceEntries(TPaletteEntries entries) {
  emit EntriesAboutToBeReset();
  entries_ = std::move(entries);
  emit EntriesReset();
}

void TPaletteDocument::NewPalette() {
  ReplaceEntries({});
  undoStack_->clear();
  SetPaletteFileName(NoName);
  SetPaletteModified(false);
}

TFileResult TPaletteDocument::OpenPalette(const QString& fileName) {
  TPaletteEntries read;
  TFileResult result = ReadAnyPaletteFile(fileName, read);
  if (!result) return result;  // the palette shown stays as it was: nothing of a failed read replaces it
  ReplaceEntries(std::move(read));
  undoStack_->clear();
  SetPaletteFileName(fileName);
  SetPaletteModified(false);
  return result;
}

TFileResult TPaletteDocument::SavePalette(const QString& fileName) {
  TFileResult result = InPlaceFormat(fileName) != nullptr ? WriteForeignPalette(fileName, entries_)
                                                           : WritePaletteFile(fileName, entries_);
  if (result) {
    SetPaletteFileName(fileName);
    SetPaletteModified(false);
  }
  return result;
}

bool TPaletteDocument::NeedsSaveAs() const {
  return fileName_ == NoName || !QFileInfo::exists(fileName_) ||
         (IsForeignPaletteFile(fileName_) && InPlaceFormat(fileName_) == nullptr);
}

QString TPaletteDocument::WithPaletteExtension(const QString& fileName) {
  if (fileName.endsWith(QStringLiteral(".tnp"), Qt::CaseInsensitive)) return fileName;
  return fileName + QStringLiteral(".tnp");
}

}  // namespace tintorium
