// Hex colour lists (.hex) and Paint.NET palettes (.txt): samples, line endings, limits, damaged lines, and the
// .txt extension shared with the colour-set text, told apart by content.

#include "engine/formats/ColorListFiles.h"

#include "engine/formats/ExportWriters.h"
#include "engine/formats/FormatRegistry.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace tintorium {
namespace {

QStringList Hexes(const TColors& colors) {
  QStringList hexes;
  for (const TColorObjectFx& color : colors) hexes << QString::fromStdString(color.HexText());
  return hexes;
}

TEST(ColorListFilesTest, ReadsOurSamplesNamedByTheirColors) {
  const TReadResult<TColors> hex = ReadHexListFile(QStringLiteral(TINTORIUM_TEST_DATA "/interchange/pixel-art.hex"));
  ASSERT_TRUE(hex.Ok()) << hex.Status.Message().toStdString();
  EXPECT_EQ(Hexes(hex.Value), (QStringList{"1A1C2C", "5D275D", "B13E53", "EF7D57", "FFCD75"}));
  EXPECT_EQ(hex.Value[0].Name(), u"1A1C2C");
  const TReadResult<TColors> net = ReadPaintNetFile(QStringLiteral(TINTORIUM_TEST_DATA "/interchange/paint-net.txt"));
  ASSERT_TRUE(net.Ok()) << net.Status.Message().toStdString();
  EXPECT_EQ(Hexes(net.Value), (QStringList{"000000", "FF8000", "1E90FF"}));  // alpha ignored
  EXPECT_EQ(ImportSourceForPath(QStringLiteral(TINTORIUM_TEST_DATA "/interchange/paint-net.txt")), TImportSource::Palette);
}

TEST(ColorListFilesTest, RefusesALineThatIsNoColorWithItsNumber) {
  const struct {
    TReadResult<TColors> (*parse)(QByteArrayView);
    const char* bytes;
    const char* message;
  } cases[] = {
      {ParseHexListData, "ffffff\n12345\n", "Line 2 is not a color: it should hold 6"},
      {ParseHexListData, "\xEF\xBB\xBF" "ffffff\r\rggffff", "Line 3 is not a color"},
      {ParseHexListData, "ff ff ff", "Line 1 is not a color"},
      {ParseHexListData, "; comment\nffffff", "Line 1 is not a color"},
      {ParsePaintNetData, "; c\r\nFF000000\r\n000000\r\n", "Line 3 is not a color: it should hold 8"},
      {ParsePaintNetData, "FF00000G", "Line 1 is not a color"},
  };
  for (const auto& c : cases) {
    const TReadResult<TColors> read = c.parse(QByteArrayView(c.bytes));
    EXPECT_FALSE(read.Ok()) << c.bytes;
    EXPECT_TRUE(read.Value.empty()) << c.bytes;
    EXPECT_TRUE(read.Status.Message().startsWith(QLatin1String(c.message))) << read.Status.Message().toStdString();
  }
  EXPECT_TRUE(ParseHexListData("").Ok());
  QTemporaryDir dir;
  EXPECT_EQ(ReadHexListFile(dir.filePath(QStringLiteral("x.hex"))).Status.MessageKey(), QStringLiteral("sFileNotFound"));
}

TEST(ColorListFilesTest, PaintNetHoldsNinetySixColorsWrittenOpaque) {
  TColors many;
  for (int i = 0; i < 100; ++i) {
    TColorObject color;
    color.SetRGB({i, 255 - i, 7});
    many.emplace_back(color, u"n");
  }
  const QByteArray written = EncodePaintNetData(many);
  EXPECT_TRUE(written.startsWith("; paint.net Palette File\r\n"));
  EXPECT_EQ(written.count("\r\nFF"), kPaintNetColors);
  EXPECT_TRUE(IsPaintNetData(written));
  const TReadResult<TColors> read = ParsePaintNetData(written + "FF123456\r\n");
  ASSERT_TRUE(read.Ok());
  ASSERT_EQ(read.Value.size(), std::size_t(kPaintNetColors));
  EXPECT_EQ(read.Value[95].GetRGB(), many[95].GetRGB());
  EXPECT_EQ(EncodeHexListData({many[1]}), QByteArray("01fe07\n"));
}

// The colour-set text keeps .txt; a Paint.NET palette is read when its content says so, written when chosen.
TEST(ColorListFilesTest, TellsPaintNetFromTheColorSetTextByContent) {
  TColorObject color;
  color.SetRGB({255, 128, 0});
  const TColors colors{{color, u"Orange"}};
  EXPECT_FALSE(IsPaintNetData(PainterColorSetText(colors)));
  EXPECT_FALSE(IsPaintNetData("; only a comment\r\n"));
  EXPECT_FALSE(IsPaintNetData("hello\nFF000000\n"));
  EXPECT_TRUE(IsPaintNetData("; c\nFF000000\nFF00"));  // a head cut inside a line
  QTemporaryDir dir;
  const QString colorSet = dir.filePath(QStringLiteral("set.txt"));
  const QString paintNet = dir.filePath(QStringLiteral("net.txt"));
  ASSERT_TRUE(ExportColors(colorSet, colors, {}).Status.Ok());
  EXPECT_EQ(ImportSourceForPath(colorSet), TImportSource::None);
  TExportOptions chosen;
  chosen.Chosen = TExportWriter::PaintNet;
  ASSERT_TRUE(ExportColors(paintNet, colors, chosen).Status.Ok());
  EXPECT_EQ(ImportSourceForPath(paintNet), TImportSource::Palette);
  const TReadResult<QList<TImportRow>> rows = ImportFileRows(paintNet, {});
  ASSERT_TRUE(rows.Ok());
  EXPECT_EQ(rows.Value, (QList<TImportRow>{{QStringLiteral("FF8000"), QStringLiteral("FF8000")}}));
  EXPECT_EQ(PaletteFormatForPath(paintNet), nullptr);  // a .txt never opens as the palette
  EXPECT_NE(PaletteFormatForPath(dir.filePath(QStringLiteral("x.hex"))), nullptr);
}

}  // namespace
}  // namespace tintorium
