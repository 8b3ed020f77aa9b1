#include "palette/PaletteDocument.h"

#include "palette/ForeignPalette.h"
#include "palette/PaletteFile.h"
#include "palette/PaletteSort.h"

#include <QFileInfo>

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

TPaletteDocument::TPaletteDocument(QObject* parent) : QObject(parent) {}

TPaletteDocument::~TPaletteDocument() = default;

void TPaletteDocument::SetPaletteFileName(const QString& fileName) {
  if (fileName_ == fileName) return;
  fileName_ = fileName;
  emit FileNameChanged(fileName_);
}

void TPaletteDocument::SetPaletteModified(bool modified) {
  if (modified_ == modified) return;
  modified_ = modified;
  emit ModifiedChanged(modified_);
}

int TPaletteDocument::AddPaletteColor(const QString& name, const TColorObject& color) {
  return InsertPaletteColor(Count(), name, color);
}

int TPaletteDocument::InsertPaletteColor(int index, const QString& name, const TColorObject& color) {
  index = std::clamp(index, 0, Count());
  emit EntriesAboutToBeInserted(index, index);
  entries_.insert(entries_.begin() + index, TPaletteEntry{name, color});
  emit EntriesInserted(index, index);
  SetPaletteModified(true);
  return index;
}

void TPaletteDocument::EditPaletteColor(int index, const QString& name, TColorModel model) {
  if (index < 0 || index >= Count()) return;
  TPaletteEntry& entry = entries_[static_cast<std::size_t>(index)];
  entry.Name = name;
  entry.Color.ConvertTo(model);
  emit EntriesChanged(index, index);
  SetPaletteModified(true);
}

void TPaletteDocument::RemoveRun(int first, int last) {
  emit EntriesAboutToBeRemoved(first, last);
  entries_.erase(entries_.begin() + first, entries_.begin() + last + 1);
  emit EntriesRemoved(first, last);
}

void TPaletteDocument::DeletePaletteColors(std::vector<int> indexes) {
  if (indexes.empty()) return;
  const std::vector<int> doomed = CleanIndexes(std::move(indexes), Count());
  const auto runs = RunsOf(doomed);
  if (runs.size() <= kMaxReportedRuns) {
    for (auto run = runs.rbegin(); run != runs.rend(); ++run) RemoveRun(run->first, run->second);
  } else {
    TPaletteEntries kept;
    kept.reserve(entries_.size() - doomed.size());
    auto next = doomed.begin();
    for (int i = 0; i < Count(); ++i) {
      if (next != doomed.end() && *next == i) {
        ++next;
      } else {
        kept.push_back(std::move(entries_[static_cast<std::size_t>(i)]));
      }
    }
    ReplaceEntries(std::move(kept));
  }
  SetPaletteModified(true);
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
  if (removed > 0) {
    DeletePaletteColors(std::move(doomed));
  }
  SetPaletteModified(true);
  return removed;
}

void TPaletteDocument::ConvertPaletteValues(TColorModel model) {
  for (TPaletteEntry& entry : entries_) entry.Color.SetModel(model);
  if (!entries_.empty()) emit EntriesChanged(0, Count() - 1);
  SetPaletteModified(true);
}

int TPaletteDocument::MovePaletteColor(int from, int dropRow) {
  if (from < 0 || from >= Count()) return -1;
  const int to = std::clamp(dropRow, 0, Count() - 1);
  if (to != from) {
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
  SetPaletteModified(true);
  return to;
}

void TPaletteDocument::SortPaletteColors(int key, int order) {
  emit EntriesAboutToBeReset();
  SortPalette(entries_, key, order);
  emit EntriesReset();
  SetPaletteModified(true);
}

void TPaletteDocument::ReplaceEntries(TPaletteEntries entries) {
  emit EntriesAboutToBeReset();
  entries_ = std::move(entries);
  emit EntriesReset();
}

void TPaletteDocument::NewPalette() {
  ReplaceEntries({});
  SetPaletteFileName(NoName);
  SetPaletteModified(false);
}

TFileResult TPaletteDocument::OpenPalette(const QString& fileName) {
  TPaletteEntries read;
  TFileResult result = ReadAnyPaletteFile(fileName, read);
  if (!result) {
    NewPalette();
    return result;
  }
  ReplaceEntries(std::move(read));
  SetPaletteFileName(fileName);
  SetPaletteModified(false);
  return result;
}

TFileResult TPaletteDocument::SavePalette(const QString& fileName) {
  TFileResult result = WritePaletteFile(fileName, entries_);
  if (result) {
    SetPaletteFileName(fileName);
    SetPaletteModified(false);
  }
  return result;
}

bool TPaletteDocument::NeedsSaveAs() const {
  return fileName_ == NoName || IsForeignPaletteFile(fileName_) || !QFileInfo::exists(fileName_);
}

QString TPaletteDocument::WithPaletteExtension(const QString& fileName) {
  if (fileName.endsWith(QStringLiteral(".tnp"), Qt::CaseInsensitive)) return fileName;
  return fileName + QStringLiteral(".tnp");
}

}  // namespace tintorium
