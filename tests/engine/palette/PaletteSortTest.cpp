#include "engine/palette/PaletteSort.h"

#include "PaletteTestSupport.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <random>

namespace tintorium {
namespace {

using test::Entry;
using test::Lab;
using test::RGB;

QStringList Names(const TPaletteEntries& entries) {
  QStringList names;
  for (const TPaletteEntry& e : entries) names << e.Name;
  return names;
}

/// The reference: repeated selection of the first smallest (largest) key, as the command is described.
TPaletteEntries SelectionSort(TPaletteEntries pending, int key, int order) {
  TPaletteEntries sorted;
  while (!pending.empty()) {
    std::size_t best = 0;
    for (std::size_t i = 1; i < pending.size(); ++i) {
      const auto k = SortKeyValue(pending[i].Color, key);
      const auto b = SortKeyValue(pending[best].Color, key);
      if (order == soAscending ? k < b : k > b) best = i;
    }
    sorted.push_back(pending[best]);
    pending.erase(pending.begin() + static_cast<std::ptrdiff_t>(best));
  }
  return sorted;
}

TEST(PaletteSortTest, KeyNamesAreTheDialogItems) {
  EXPECT_EQ(SortKeyNames[skSystemColor], "System color value");
  EXPECT_EQ(SortKeyNames[skHSB_Brightness], "HSB - Brightness");
  EXPECT_EQ(SortKeyNames[skLab_L], "Lab - Luminance");
  EXPECT_EQ(SortKeyNames[skLab_b], "Lab - b value");
  EXPECT_EQ(SortOrderNames[soDescending], "Descending");
}

TEST(PaletteSortTest, EqualKeysKeepTheirOrderInBothDirections) {
  const TPaletteEntries entries{Entry("A", RGB(10, 0, 0)), Entry("B", RGB(5, 0, 0)), Entry("C", RGB(10, 0, 0))};
  TPaletteEntries up = entries;
  SortPalette(up, skRGB_R, soAscending);
  EXPECT_EQ(Names(up), (QStringList{"B", "A", "C"}));
  TPaletteEntries down = entries;
  SortPalette(down, skRGB_R, soDescending);
  EXPECT_EQ(Names(down), (QStringList{"A", "C", "B"}));
}

TEST(PaletteSortTest, SystemColorValueWeighsBlueMost) {
  TPaletteEntries entries{Entry("blue1", RGB(0, 0, 1)), Entry("red", RGB(255, 0, 0))};
  SortPalette(entries, skSystemColor, soAscending);
  EXPECT_EQ(Names(entries), (QStringList{"red", "blue1"}));
}

TEST(PaletteSortTest, NegativeLabValuesComeFirstAscending) {
  TPaletteEntries entries{Entry("pos", Lab(50, 40, 0)), Entry("neg", Lab(50, -40, 0)), Entry("zero", Lab(50, 0, 0))};
  SortPalette(entries, skLab_a, soAscending);
  EXPECT_EQ(Names(entries), (QStringList{"neg", "zero", "pos"}));
}

TEST(PaletteSortTest, KeysComeFromDerivedModels) {
  // RGB entries sorted by K use the K their objects derived.
  TPaletteEntries entries{Entry("white", RGB(255, 255, 255)), Entry("black", RGB(0, 0, 0)), Entry("grey", RGB(128, 128, 128))};
  SortPalette(entries, skCMYK_K, soDescending);
  EXPECT_EQ(Names(entries), (QStringList{"black", "grey", "white"}));
}

TEST(PaletteSortTest, OneEntryAndBadKeyLeaveTheOrder) {
  TPaletteEntries one{Entry("only", RGB(1, 2, 3))};
  SortPalette(one, skRGB_G, soDescending);
  EXPECT_EQ(Names(one), QStringList{"only"});
  TPaletteEntries two{Entry("b", RGB(2, 0, 0)), Entry("a", RGB(1, 0, 0))};
  SortPalette(two, 14, soAscending);
  SortPalette(two, -1, soAscending);
  EXPECT_EQ(Names(two), (QStringList{"b", "a"}));
}

TEST(PaletteSortTest, SameOrderAsSelectionSortForEveryKeyAndDirection) {
  std::mt19937 random(20261210);
  std::uniform_int_distribution<int> channel(0, 3);  // few distinct values: many ties
  TPaletteEntries entries;
  for (int i = 0; i < 300; ++i) {
    TColorObject color = RGB(channel(random) * 85, channel(random) * 85, channel(random) * 85);
    color.ConvertTo(static_cast<TColorModel>(i % ColorModelCount));
    entries.push_back({QString::number(i), color});
  }
  for (int key = 0; key < SortKeyCount; ++key) {
    for (int order : {0, 1}) {
      SCOPED_TRACE(testing::Message() << SortKeyNames[static_cast<std::size_t>(key)] << " order " << order);
      TPaletteEntries fast = entries;
      SortPalette(fast, key, order);
      EXPECT_EQ(Names(fast), Names(SelectionSort(entries, key, order)));
    }
  }
}

}  // namespace
}  // namespace tintorium
