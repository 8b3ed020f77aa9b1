// Damaged GIMP palettes and swatch exchange files: every truncation of the real files, random byte damage
// with a fixed seed, and junk of every short length. Nothing may crash, and a failure never comes with colours.
#include "engine/formats/GimpPaletteFile.h"
#include "engine/formats/SwatchExchangeFile.h"
#include "engine/formats/SwatchFiles.h"

#include "support/AllocationCeiling.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <random>
#include <type_traits>

namespace tintorium {
namespace {

struct TFixture {
  QString name;
  QByteArray bytes;
};

std::vector<TFixture> Fixtures(const char* pattern) {
  std::vector<TFixture> fixtures;
  const QDir dir(QStringLiteral(TINTORIUM_CORPUS "/swatches"));
  for (const QString& file : dir.entryList({QString::fromLatin1(pattern)}, QDir::Files, QDir::Name)) {
    QFile f(dir.filePath(file));
    if (f.open(QIODevice::ReadOnly)) fixtures.push_back({file, f.readAll()});
  }
  return fixtures;
}

template <typename T>
void ExpectConsistent(const TReadResult<T>& read) {
  if (read.Ok()) return;
  EXPECT_FALSE(read.Status.Message().isEmpty());
  if constexpr (std::is_same_v<T, TGplPalette>) {
    EXPECT_TRUE(read.Value.Entries.empty());
  } else {
    EXPECT_TRUE(read.Value.empty());
  }
}

TEST(GplAseFuzzTest, FixturesAreThere) {
  EXPECT_EQ(Fixtures("*.ase").size(), 10u);
  EXPECT_GE(Fixtures("*.gpl").size(), 7u);
}

TEST(GplAseFuzzTest, EveryTruncatedSwatchExchangeFileFailsAsTruncated) {
  for (const TFixture& fixture : Fixtures("*.ase")) {
    SCOPED_TRACE(fixture.name.toStdString());
    const auto full = ParseAseData(fixture.bytes);
    const bool supported = full.Ok();
    for (qsizetype length = 0; length < fixture.bytes.size(); ++length) {
      const auto read = ParseAseData(QByteArrayView(fixture.bytes).first(length));
      ASSERT_FALSE(read.Ok()) << length;
      ASSERT_TRUE(read.Value.empty()) << length;
      if (length < 4) {
        ASSERT_EQ(read.Status.Message(), QString::fromLatin1(kAseSignatureText)) << length;
      } else if (supported || length < 8) {
        ASSERT_EQ(read.Status.Message(), QString::fromLatin1(kTruncatedText)) << length;
      }
    }
  }
}

TEST(GplAseFuzzTest, EveryTruncatedGimpPaletteGivesAPrefixOfItsRowsOrAnError) {
  for (const TFixture& fixture : Fixtures("*.gpl")) {
    SCOPED_TRACE(fixture.name.toStdString());
    const auto full = ParseGplData(fixture.bytes);
    ASSERT_TRUE(full.Ok());
    const auto& all = full.Value.Entries;
    for (qsizetype length = 0; length <= fixture.bytes.size(); ++length) {
      if (length > 2048 && length < fixture.bytes.size() - 512 && length % 61 != 0) continue;
      const auto read = ParseGplData(QByteArrayView(fixture.bytes).first(length));
      ExpectConsistent(read);
      if (!read.Ok()) continue;
      const auto& some = read.Value.Entries;
      ASSERT_LE(some.size(), all.size()) << length;
      // Only the last row can be cut: in its name or in its blue number.
      for (std::size_t i = 0; i + 1 < some.size(); ++i) {
        ASSERT_EQ(some[i].Rgb, all[i].Rgb) << length;
        ASSERT_EQ(some[i].Name, all[i].Name) << length;
      }
      if (length == fixture.bytes.size()) {
        ASSERT_EQ(some.size(), all.size());
      }
    }
  }
}

TEST(GplAseFuzzTest, RandomDamageNeverCrashes) {
  std::mt19937 random(0xA5E);
  test::TAllocationCeiling ceiling;
  auto damage = [&random](QByteArray bytes, qsizetype hotZone) {
    const int flips = std::uniform_int_distribution<int>(1, 6)(random);
    for (int f = 0; f < flips; ++f) {
      const qsizetype limit = std::min<qsizetype>(bytes.size(), hotZone);
      bytes[std::uniform_int_distribution<qsizetype>(0, limit - 1)(random)] = static_cast<char>(random());
    }
    return bytes;
  };
  for (const TFixture& fixture : Fixtures("*.ase")) {
    SCOPED_TRACE(fixture.name.toStdString());
    for (int round = 0; round < 400; ++round) {
      // The header and the first blocks hold the counts, lengths and models: hit them more often.
      const QByteArray damaged = damage(fixture.bytes, round % 2 ? 80 : fixture.bytes.size());
      ExpectConsistent(ParseAseData(damaged));
      const auto cut = std::uniform_int_distribution<qsizetype>(0, damaged.size())(random);
      ExpectConsistent(ParseAseData(QByteArrayView(damaged).first(cut)));
    }
  }
  for (const TFixture& fixture : Fixtures("*.gpl")) {
    SCOPED_TRACE(fixture.name.toStdString());
    for (int round = 0; round < 200; ++round) {
      ExpectConsistent(ParseGplData(damage(fixture.bytes, fixture.bytes.size())));
    }
  }
}

TEST(GplAseFuzzTest, JunkOfEveryShortLengthIsRefusedCleanly) {
  std::mt19937 random(7);
  for (int length = 0; length < 2000; ++length) {
    QByteArray junk(length, '\0');
    for (char& b : junk) b = static_cast<char>(random());
    ExpectConsistent(ParseAseData(junk));
    ExpectConsistent(ParseAseData(QByteArray("ASEF") + junk));
    ExpectConsistent(ParseGplData(junk));
    ExpectConsistent(ParseGplData(QByteArray("GIMP Palette\n") + junk));
  }
}

}  // namespace
}  // namespace tintorium
