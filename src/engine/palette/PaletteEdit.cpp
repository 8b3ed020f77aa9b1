#include "engine/palette/PaletteEdit.h"

#include "engine/palette/PaletteDocument.h"

#include <numeric>

namespace tintorium {
namespace {

QList<int> RunRows(int first, int count) {
  QList<int> rows(count);
  std::iota(rows.begin(), rows.end(), first);
  return rows;
}

class TInsertEdit final : public TPaletteEdit {
 public:
  TInsertEdit(TPaletteDocument& document, TMessageKey name, int index, TPaletteEntries entries)
      : TPaletteEdit(document, name), index_(index), count_(static_cast<int>(entries.size())),
        entries_(std::move(entries)) {}

 protected:
  // While done, the entries live in the document only.
  QList<int> Apply() override {
    InsertRun(index_, entries_);
    return RunRows(index_, count_);
  }
  QList<int> Revert() override {
    std::vector<int> run(static_cast<std::size_t>(count_));
    std::iota(run.begin(), run.end(), index_);
    entries_ = TakeEntries(run);
    return {};
  }

 private:
  int index_;
  int count_;
  TPaletteEntries entries_;
};

class TRemoveEdit final : public TPaletteEdit {
 public:
  TRemoveEdit(TPaletteDocument& document, TMessageKey name, std::vector<int> indexes)
      : TPaletteEdit(document, name), indexes_(std::move(indexes)) {}

 protected:
  // While done, the step holds the removed entries; while undone, only their indexes.
  QList<int> Apply() override {
    removed_ = TakeEntries(indexes_);
    return {};
  }
  QList<int> Revert() override {
    PutBackEntries(indexes_, removed_);
    removed_ = {};
    return QList<int>(indexes_.begin(), indexes_.end());
  }

 private:
  std::vector<int> indexes_;
  TPaletteEntries removed_;
};

/// Replace and Retag exchange the document's state with the one they hold, so both directions are one swap.
class TReplaceEdit final : public TPaletteEdit {
 public:
  TReplaceEdit(TPaletteDocument& document, TMessageKey name, int index, TPaletteEntry entry)
      : TPaletteEdit(document, name), index_(index), other_(std::move(entry)) {}

 protected:
  QList<int> Apply() override { return Swap(); }
  QList<int> Revert() override { return Swap(); }

 private:
  QList<int> Swap() {
    SwapEntry(index_, other_);
    return {index_};
  }

  int index_;
  TPaletteEntry other_;
};

class TRetagEdit final : public TPaletteEdit {
 public:
  TRetagEdit(TPaletteDocument& document, TMessageKey name, std::vector<TColorModel> models)
      : TPaletteEdit(document, name), models_(std::move(models)) {}

 protected:
  QList<int> Apply() override { return Swap(); }
  QList<int> Revert() override { return Swap(); }

 private:
  QList<int> Swap() {
    SwapModels(models_);
    return {};
  }

  std::vector<TColorModel> models_;
};

class TMoveEdit final : public TPaletteEdit {
 public:
  TMoveEdit(TPaletteDocument& document, TMessageKey name, int from, int to)
      : TPaletteEdit(document, name), from_(from), to_(to) {}

 protected:
  QList<int> Apply() override {
    MoveEntry(from_, to_);
    return {to_};
  }
  QList<int> Revert() override {
    MoveEntry(to_, from_);
    return {from_};
  }

 private:
  int from_;
  int to_;
};

class TReorderEdit final : public TPaletteEdit {
 public:
  TReorderEdit(TPaletteDocument& document, TMessageKey name, std::vector<int> order)
      : TPaletteEdit(document, name), order_(std::move(order)) {}

 protected:
  QList<int> Apply() override {
    Permute(order_, false);
    return {};
  }
  QList<int> Revert() override {
    Permute(order_, true);
    return {};
  }

 private:
  std::vector<int> order_;
};

}  // namespace

TPaletteEdit::TPaletteEdit(TPaletteDocument& document, TMessageKey name) : document_(document), name_(name) {
  setText(MessageKeyName(name));
}

void TPaletteEdit::redo() {
  const QList<int> rows = Apply();
  if (done_) emit document_.StepReplayed(rows);
  done_ = true;
}

void TPaletteEdit::undo() { emit document_.StepReplayed(Revert()); }

std::unique_ptr<TPaletteEdit> TPaletteEdit::Insert(TPaletteDocument& document, TMessageKey name, int index,
                                                   TPaletteEntries entries) {
  return std::make_unique<TInsertEdit>(document, name, index, std::move(entries));
}

std::unique_ptr<TPaletteEdit> TPaletteEdit::Remove(TPaletteDocument& document, TMessageKey name,
                                                   std::vector<int> indexes) {
  return std::make_unique<TRemoveEdit>(document, name, std::move(indexes));
}

std::unique_ptr<TPaletteEdit> TPaletteEdit::Replace(TPaletteDocument& document, TMessageKey name, int index,
                                                    TPaletteEntry entry) {
  return std::make_unique<TReplaceEdit>(document, name, index, std::move(entry));
}

std::unique_ptr<TPaletteEdit> TPaletteEdit::Retag(TPaletteDocument& document, TMessageKey name,
                                                  TColorModel model) {
  return std::make_unique<TRetagEdit>(document, name,
                                      std::vector<TColorModel>(static_cast<std::size_t>(document.Count()), model));
}

std::unique_ptr<TPaletteEdit> TPaletteEdit::Move(TPaletteDocument& document, TMessageKey name, int from, int to) {
  return std::make_unique<TMoveEdit>(document, name, from, to);
}

std::unique_ptr<TPaletteEdit> TPaletteEdit::Reorder(TPaletteDocument& document, TMessageKey name,
                                                    std::vector<int> order) {
  return std::make_unique<TReorderEdit>(document, name, std::move(order));
}

void TPaletteEdit::InsertRun(int index, TPaletteEntries& entries) { document_.InsertRun(index, entries); }
TPaletteEntries TPaletteEdit::TakeEntries(const std::vector<int>& indexes) { return document_.TakeEntries(indexes); }
void TPaletteEdit::PutBackEntries(const std::vector<int>& indexes, TPaletteEntries& entries) {
  document_.PutBackEntries(indexes, entries);
}
void TPaletteEdit::SwapEntry(int index, TPaletteEntry& other) { document_.SwapEntry(index, other); }
void TPaletteEdit::SwapModels(std::vector<TColorModel>& models) { document_.SwapModels(models); }
void TPaletteEdit::MoveEntry(int from, int to) { document_.MoveEntry(from, to); }
void TPaletteEdit::Permute(const std::vector<int>& order, bool inverse) { document_.Permute(order, inverse); }

}  // namespace tintorium
