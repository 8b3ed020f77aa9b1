// Hostile and damaged palette files: every truncation, random byte damage with a fixed seed, huge claims.
#include "engine/palette/PaletteFile.h"

#include "PaletteTestSupport.h"
#include "support/AllocationCeiling.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace tintorium {
namespace {

using test::CMYK;
using test::Entry;
using test::HSB;
using test::Lab;
using test::OwnValues;
using test::RGB;

TPaletteEntries Sample() {
  return {Entry("FF8000", RGB(255, 128, 0)),
          Entry("", HSB(359, 0, 100)),
          {QString::fromUtf8("\xF0\x9F\x98\x80 emoji"), CMYK(1, 2, 3, 4)},
          Entry("negative", Lab(40, -128, -7)),
          Entry("last one with a longer name", RGB(1, 1, 1))};
}

std::vector<std::tuple<QString, int, std::array<int, 4>>> Snapshot(const TPaletteEntries& entries) {
  std::vector<std::tuple<QString, int, std::array<int, 4>>> rows;
  for (const TPaletteEntry& e : entries) rows.emplace_back(e.Name, e.Color.Model(), OwnValues(e.Color));
  return rows;
}

TEST(PaletteFileFuzzTest, EveryTruncationKeepsExactlyTheCompleteEntries) {
  const TPaletteEntries entries = Sample();
  const QByteArray full = EncodePaletteData(entries) + QByteArray("trailing junk");
  std::vector<qsizetype> ends;  // where each entry ends
  qsizetype end = 4;
  for (const TPaletteEntry& e : entries) ends.push_back(end += 13 + 2 * e.Name.size());
  for (qsizetype length = 0; length <= full.size(); ++length) {
    SCOPED_TRACE(length);
    TPaletteEntries read;
    const TFileResult result = ParsePaletteData(QByteArrayView(full).first(length), read);
    const auto complete = static_cast<std::size_t>(std::count_if(ends.begin(), ends.end(), [&](qsizetype e) { return e <= length; }));
    EXPECT_EQ(result.Ok(), length >= ends.back());
    if (!result) {
      EXPECT_EQ(result.MessageKey(), QStringLiteral("sCantOpen"));
    }
    ASSERT_EQ(read.size(), complete);
    EXPECT_EQ(Snapshot(read), Snapshot(TPaletteEntries(entries.begin(), entries.begin() + static_cast<long>(complete))));
  }
}

TEST(PaletteFileFuzzTest, RandomDamageNeverCrashesAndWhatIsReadWritesBackTheSame) {
  const QByteArray original = EncodePaletteData(Sample());
  std::mt19937 random(0x7e5);
  test::TAllocationCeiling ceiling;
  for (int round = 0; round < 5000; ++round) {
    QByteArray damaged = original;
    const int flips = std::uniform_int_distribution<int>(1, 8)(random);
    for (int f = 0; f < flips; ++f) {
      const auto at = std::uniform_int_distribution<qsizetype>(0, damaged.size() - 1)(random);
      damaged[at] = static_cast<char>(random());
    }
    TPaletteEntries read;
    const TFileResult result = ParsePaletteData(damaged, read);
    ASSERT_LE(read.size(), static_cast<std::size_t>((damaged.size() - 4) / 13));
    if (!result) continue;
    TPaletteEntries again;
    ASSERT_TRUE(ParsePaletteData(EncodePaletteData(read), again));
    ASSERT_EQ(Snapshot(again), Snapshot(read)) << "round " << round;
  }
}

}  // namespace
}  // namespace tintorium
