#pragma once
// A view that follows a palette document only through its signals, for the palette tests.

#include "engine/palette/PaletteDocument.h"

#include <gtest/gtest.h>

#include <QStringList>

namespace tintorium::test {

inline QString Describe(const TPaletteEntry& e) {
  return e.Name + QLatin1Char('|') + QString::number(e.Color.Model()) + QLatin1Char('|') +
         QString::fromStdString(e.Color.ValuesText());
}

/// Follows a document only through its signals, as a list view would, and checks that every "about to"
/// signal comes while the document still shows the old state.
class TMirror {
 public:
  explicit TMirror(TPaletteDocument& doc) : doc_(doc) {
    for (const TPaletteEntry& e : doc.Entries()) rows_ << Describe(e);
    QObject::connect(&doc, &TPaletteDocument::EntriesAboutToBeInserted, [this](int first, int) {
      EXPECT_EQ(doc_.Count(), rows_.size());
      EXPECT_LE(first, rows_.size());
    });
    QObject::connect(&doc, &TPaletteDocument::EntriesInserted, [this](int first, int last) {
      for (int i = first; i <= last; ++i) rows_.insert(i, Describe(doc_.Entry(i)));
    });
    QObject::connect(&doc, &TPaletteDocument::EntriesAboutToBeRemoved, [this](int first, int last) {
      ASSERT_EQ(doc_.Count(), rows_.size());
      for (int i = first; i <= last; ++i) EXPECT_EQ(rows_[i], Describe(doc_.Entry(i)));
    });
    QObject::connect(&doc, &TPaletteDocument::EntriesRemoved,
                     [this](int first, int last) { rows_.remove(first, last - first + 1); });
    QObject::connect(&doc, &TPaletteDocument::EntryAboutToBeMoved,
                     [this](int, int) { EXPECT_EQ(doc_.Count(), rows_.size()); });
    QObject::connect(&doc, &TPaletteDocument::EntryMoved, [this](int from, int to) { rows_.move(from, to); });
    QObject::connect(&doc, &TPaletteDocument::EntriesChanged, [this](int first, int last) {
      for (int i = first; i <= last; ++i) rows_[i] = Describe(doc_.Entry(i));
    });
    QObject::connect(&doc, &TPaletteDocument::EntriesReset, [this] {
      rows_.clear();
      for (const TPaletteEntry& e : doc_.Entries()) rows_ << Describe(e);
    });
  }
  inline QStringList Rows() const { return rows_; }

 private:
  TPaletteDocument& doc_;
  QStringList rows_;
};

inline QStringList Rows(const TPaletteDocument& doc) {
  QStringList rows;
  for (const TPaletteEntry& e : doc.Entries()) rows << Describe(e);
  return rows;
}

}  // namespace tintorium::test
