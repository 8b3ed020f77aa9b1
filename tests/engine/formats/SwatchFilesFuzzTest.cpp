// Hostile and damaged swatch files: every truncation of real and synthetic files, random byte damage with a
// fixed seed, and counts and name lengths that claim far more than the file holds.
#include "engine/formats/SwatchFiles.h"

#include "support/AllocationCeiling.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <algorithm>
#include <random>

namespace tintorium {
namespace {

QByteArray Hex(const char* hex) { return QByteArray::fromHex(hex); }

struct TFixture {
  QString name;
  QByteArray bytes;
};

/// Every real swatch file of the corpus, the named sections of the two-section ones, and synthetic files for
/// the versions no real file uses.
std::vector<TFixture> AcoFixtures() {
  std::vector<TFixture> fixtures;
  const QDir dir(QStringLiteral(TINTORIUM_CORPUS "/swatches"));
  for (const QString& file : dir.entryList({QStringLiteral("*.aco")}, QDir::Files, QDir::Name)) {
    QFile f(dir.filePath(file));
    if (!f.open(QIODevice::ReadOnly)) continue;
    const QByteArray bytes = f.readAll();
    fixtures.push_back({file, bytes});
    const int count = (static_cast<unsigned char>(bytes[2]) << 8) | static_cast<unsigned char>(bytes[3]);
    const qsizetype second = 4 + 10 * static_cast<qsizetype>(count);
    if (bytes.size() > second + 4 && bytes[second + 1] == 2) fixtures.push_back({file + QStringLiteral(" v2"), bytes.mid(second)});
  }
  fixtures.push_back({QStringLiteral("synthetic v0"),
                      Hex("00000002" "0000ffff00000000" "0000" "03414243" "0007138800000000" "0000" "00")});
  fixtures.push_back({QStringLiteral("synthetic v2 spaces"),
                      Hex("00020003" "0001ffff800080000000" "00000002" "00410000" "0009138813881388" "1388" "00000000"
                          "00080fa0000000000000" "00000003" "d83dde000000")});
  return fixtures;
}

std::vector<TFixture> ActFixtures() {
  std::vector<TFixture> fixtures;
  const QDir dir(QStringLiteral(TINTORIUM_CORPUS "/swatches"));
  for (const QString& file : dir.entryList({QStringLiteral("*.act")}, QDir::Files, QDir::Name)) {
    QFile f(dir.filePath(file));
    if (f.open(QIODevice::ReadOnly)) fixtures.push_back({file, f.readAll()});
  }
  return fixtures;
}

void ExpectConsistent(const TReadResult<TAcoColors>& read) {
  if (!read.Ok()) {
    EXPECT_FALSE(read.Status.Message().isEmpty());
    EXPECT_TRUE(read.Value.Colors.empty());
    EXPECT_TRUE(read.Value.Names.isEmpty());
    return;
  }
  EXPECT_LE(read.Value.Colors.size(), static_cast<std::size_t>(MaxAcoColors));
  if (read.Value.HasNames) {
    EXPECT_EQ(static_cast<std::size_t>(read.Value.Names.size()), read.Value.Colors.size());
  } else {
    EXPECT_TRUE(read.Value.Names.isEmpty());
  }
  EXPECT_TRUE(std::all_of(read.Value.Colors.begin(), read.Value.Colors.end(), [](TColor c) { return c >> 24 == 0; }));
}

TEST(SwatchFilesFuzzTest, FixturesAreThere) {
  EXPECT_GE(AcoFixtures().size(), 20u);
  EXPECT_EQ(ActFixtures().size(), 3u);
}

TEST(SwatchFilesFuzzTest, EveryTruncationFailsUntilTheFirstSectionIsCompleteThenKeepsItsColours) {
  for (const TFixture& fixture : AcoFixtures()) {
    SCOPED_TRACE(fixture.name.toStdString());
    const auto full = ParseAcoData(fixture.bytes);
    ASSERT_TRUE(full.Ok()) << full.Status.Message().toStdString();
    bool succeeded = false;
    const qsizetype size = fixture.bytes.size();
    for (qsizetype length = 0; length <= size; ++length) {
      // Large files: every length near both ends, a sample in between.
      if (length > 1024 && length < size - 1024 && length % 127 != 0) continue;
      const auto read = ParseAcoData(QByteArrayView(fixture.bytes).first(length));
      ExpectConsistent(read);
      if (succeeded) {
        ASSERT_TRUE(read.Ok()) << "length " << length;  // once complete, more bytes change nothing
      }
      if (!read.Ok()) {
        ASSERT_EQ(read.Status.Message(), QString::fromLatin1(kTruncatedText)) << "length " << length;
        continue;
      }
      succeeded = true;
      ASSERT_EQ(read.Value.Colors, full.Value.Colors) << "length " << length;
      // A named second section counts only once whole: until then the colours come without names.
      if (!read.Value.Names.isEmpty() || length == size) {
        ASSERT_EQ(read.Value.Names, full.Value.Names) << "length " << length;
      }
    }
  }
  for (const TFixture& fixture : ActFixtures()) {
    for (qsizetype length = 0; length <= fixture.bytes.size(); ++length) {
      ASSERT_EQ(ParseActData(QByteArrayView(fixture.bytes).first(length)).Ok(), length >= 768) << length;
    }
  }
}

TEST(SwatchFilesFuzzTest, RandomDamageNeverCrashes) {
  std::mt19937 random(0xAC0);
  test::TAllocationCeiling ceiling;
  std::vector<TFixture> fixtures = AcoFixtures();
  for (const TFixture& fixture : fixtures) {
    SCOPED_TRACE(fixture.name.toStdString());
    const int rounds = fixture.bytes.size() > 20000 ? 50 : 400;
    for (int round = 0; round < rounds; ++round) {
      QByteArray damaged = fixture.bytes;
      const int flips = std::uniform_int_distribution<int>(1, 6)(random);
      for (int f = 0; f < flips; ++f) {
        // The header and the first records hold the counts, spaces and lengths: hit them more often.
        const qsizetype limit = std::min<qsizetype>(damaged.size(), round % 2 ? 64 : damaged.size());
        damaged[std::uniform_int_distribution<qsizetype>(0, limit - 1)(random)] = static_cast<char>(random());
      }
      const auto cut = std::uniform_int_distribution<qsizetype>(damaged.size() / 2, damaged.size())(random);
      ExpectConsistent(ParseAcoData(damaged));
      ExpectConsistent(ParseAcoData(QByteArrayView(damaged).first(cut)));
    }
  }
  for (const TFixture& fixture : ActFixtures()) {
    for (int round = 0; round < 200; ++round) {
      QByteArray damaged = fixture.bytes;
      damaged[std::uniform_int_distribution<qsizetype>(0, damaged.size() - 1)(random)] = static_cast<char>(random());
      const auto read = ParseActData(damaged);
      ASSERT_TRUE(read.Ok());
      ASSERT_GE(read.Value.size(), 1);  // a damaged count never reaches past the table
      ASSERT_LE(read.Value.size(), 256);
    }
  }
}

TEST(SwatchFilesFuzzTest, HugeClaimsFailWithoutAllocating) {
  struct Case {
    const char* what;
    QByteArray bytes;
  };
  const Case cases[] = {
      {"65535 colours claimed, none there", Hex("0001ffff")},
      {"65535 named colours claimed, one there", Hex("0002ffff" "00000000000000000000" "00000001" "0000")},
      {"name of 4294967295 units", Hex("00020001" "00000000000000000000" "ffffffff" "00410000")},
      {"name of 2147483648 units", Hex("00020001" "00000000000000000000" "80000000" "00410000")},
      {"version-0 name longer than the file", Hex("00000001" "00000000000000000000" "ff4142")},
  };
  test::TAllocationCeiling ceiling;
  for (const Case& c : cases) {
    const auto read = ParseAcoData(c.bytes);
    EXPECT_EQ(read.Status.Message(), QString::fromLatin1(kTruncatedText)) << c.what;
    EXPECT_TRUE(read.Value.Colors.empty()) << c.what;
  }
}

TEST(SwatchFilesFuzzTest, JunkOfEveryShortLengthIsRefusedCleanly) {
  std::mt19937 random(42);
  for (int length = 0; length < 2000; ++length) {
    QByteArray junk(length, '\0');
    for (char& b : junk) b = static_cast<char>(random());
    ExpectConsistent(ParseAcoData(junk));
    EXPECT_EQ(ParseActData(junk).Ok(), length >= 768);
  }
}

}  // namespace
}  // namespace tintorium
