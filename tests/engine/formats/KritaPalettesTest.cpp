// The GIMP palettes Krita ships read with every row and name, as an independent pattern over the lines finds
// them; saved back unchanged they stay byte for byte the same, and ours round-trip through our reader.

#include "engine/formats/GimpPaletteFile.h"
#include "engine/formats/PackageFiles.h"  // tests/engine/formats

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace tintorium {
namespace {

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Rows as a plain pattern sees them: three numbers first, the rest of the line the name.
QList<std::pair<TRGBValues, QString>> RowsByPattern(const QByteArray& bytes) {
  static const QRegularExpression row(QStringLiteral(R"(^\s*(\d+)\s+(\d+)\s+(\d+)(?:\s+(.*?))?\s*$)"));
  QList<std::pair<TRGBValues, QString>> rows;
  const QStringList lines = QString::fromUtf8(bytes).split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
  for (qsizetype i = 1; i < lines.size(); ++i) {
    const auto match = row.match(lines[i]);
    if (!match.hasMatch()) continue;
    rows.append({{match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt()},
                 match.captured(4)});
  }
  return rows;
}

TEST(KritaPalettesTest, ReadsEveryGplKritaShipsAndSavesItBackUnchanged) {
  const QString folder = test::PackageFolder(QStringLiteral("krita-data"), QStringLiteral("/usr/share/krita/palettes"));
  if (folder.isEmpty()) GTEST_SKIP() << "krita-data could not be had (no package, no network): skipped";
  const QStringList files = QDir(folder).entryList({QStringLiteral("*.gpl")}, QDir::Files);
  if (files.isEmpty()) GTEST_SKIP() << "krita-data ships no .gpl palettes in this version: skipped";
  for (const QString& file : files) {
    SCOPED_TRACE(file.toStdString());
    const QString path = QDir(folder).filePath(file);
    const QByteArray bytes = ReadBytes(path);
    const TReadResult<TGplPalette> read = ReadGplFile(path);
    ASSERT_TRUE(read.Ok()) << read.Status.Message().toStdString();
    const auto expected = RowsByPattern(bytes);
    ASSERT_FALSE(expected.isEmpty());
    ASSERT_EQ(read.Value.Entries.size(), std::size_t(expected.size()));
    for (qsizetype i = 0; i < expected.size(); ++i) {
      EXPECT_EQ(read.Value.Entries[std::size_t(i)].Rgb, expected[i].first) << i;
      EXPECT_EQ(read.Value.Entries[std::size_t(i)].Name, expected[i].second) << i;
    }
    const TColors colors = GplColorObjects(read.Value);
    EXPECT_EQ(MergeGplData(bytes, colors, read.Value.Name), bytes);
    const TReadResult<TGplPalette> again = ParseGplData(EncodeGplData(colors, read.Value.Name));
    ASSERT_TRUE(again.Ok());
    ASSERT_EQ(again.Value.Entries.size(), read.Value.Entries.size());
    for (std::size_t i = 0; i < colors.size(); ++i) {
      EXPECT_EQ(again.Value.Entries[i].Rgb, read.Value.Entries[i].Rgb);
      EXPECT_EQ(again.Value.Entries[i].Name.toStdU16String(), colors[i].Name());
    }
  }
}

}  // namespace
}  // namespace tintorium
