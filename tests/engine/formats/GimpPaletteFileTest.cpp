// GIMP palettes: what the reader accepts and refuses, the writer's exact layout, and write-then-read.
#include "engine/formats/GimpPaletteFile.h"

#include "core/ColorModels.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace tintorium {
namespace {

TColorObjectFx Named(const char* name, int r, int g, int b) {
  return TColorObjectFx(TColorObject(RGBValuesToColor({r, g, b}), cmRGB), QString::fromUtf8(name).toStdU16String());
}

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct TEntryText {
  TRGBValues rgb;
  const char* name;
};

struct TParseCase {
  const char* what;
  QByteArray data;
  const char* paletteName;
  int columns;
  std::vector<TEntryText> entries;
};

void PrintTo(const TParseCase& c, std::ostream* os) { *os << c.what; }

class GplParseTest : public ::testing::TestWithParam<TParseCase> {};

TEST_P(GplParseTest, ReadsHeaderLinesRowsAndNames) {
  const TParseCase& c = GetParam();
  const auto read = ParseGplData(c.data);
  ASSERT_TRUE(read.Ok()) << read.Status.Message().toStdString();
  EXPECT_EQ(read.Value.Name, QString::fromUtf8(c.paletteName));
  EXPECT_EQ(read.Value.Columns, c.columns);
  ASSERT_EQ(read.Value.Entries.size(), c.entries.size());
  for (std::size_t i = 0; i < c.entries.size(); ++i) {
    EXPECT_EQ(read.Value.Entries[i].Rgb, c.entries[i].rgb) << i;
    EXPECT_EQ(read.Value.Entries[i].Name, QString::fromUtf8(c.entries[i].name)) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, GplParseTest,
    ::testing::Values(
        TParseCase{"GIMP's own layout", "GIMP Palette\nName: Tango\nColumns: 3\n#\n252 233  79\tButter 1\n  0   0   0\tBlack\n",
                   "Tango", 3, {{{252, 233, 79}, "Butter 1"}, {{0, 0, 0}, "Black"}}},
        TParseCase{"spaces instead of the tab, no name, no Columns", "GIMP Palette\nName: SVG\n#\n 26  26  26  90% Gray\n1 2 3\n",
                   "SVG", 0, {{{26, 26, 26}, "90% Gray"}, {{1, 2, 3}, ""}}},
        TParseCase{"CRLF, byte order mark, blank and indented comment lines",
                   "\xEF\xBB\xBFGIMP Palette\r\nName: Win \r\n\r\n   # note\r\n10\t20\t30\tTen twenty  thirty \r\n", "Win", 0,
                   {{{10, 20, 30}, "Ten twenty  thirty"}}},
        TParseCase{"CR only", "GIMP Palette\rName: Old Mac\r1 1 1 a\r2 2 2 b\r", "Old Mac", 0,
                   {{{1, 1, 1}, "a"}, {{2, 2, 2}, "b"}}},
        TParseCase{"UTF-8 names, leading zeros, header with trailing text",
                   "GIMP Palette (exported)\nName: Farben für Ü\n007 255 000 Grün \xF0\x9F\x8D\x8F\n", "Farben für Ü", 0,
                   {{{7, 255, 0}, "Grün \xF0\x9F\x8D\x8F"}}},
        TParseCase{"Columns out of range is ignored; the first Name wins; no final line break",
                   "GIMP Palette\nName: First\nColumns: 999\nName: Second\n255 255 255", "First", 0,
                   {{{255, 255, 255}, ""}}},
        TParseCase{"header only", "GIMP Palette\n", "", 0, {}}),
    [](const auto& info) { return std::to_string(info.index); });

TEST(GplReaderTest, RowsThatAreNotColoursFailWithTheirLineNumber) {
  const char* rows[] = {"256 0 0",   "-1 0 0",        "a b c",     "1 2",     "1 2 3x Name",
                        "1,2,3",     "1.5 2 3",       "+1 2 3",    "Name",    "99999999999999999999 0 0",
                        "1 2 3\x0b", "\xC3\xA9 1 2 3"};
  for (const char* row : rows) {
    // Line 4: the header, a comment, a good row, then the bad one; CRLF counts as one break.
    const auto read = ParseGplData(QByteArray("GIMP Palette\r\n# c\r\n1 2 3 ok\r\n") + row + "\r\n4 5 6\r\n");
    EXPECT_FALSE(read.Ok()) << row;
    EXPECT_EQ(read.Status.Message(), QString::fromLatin1(kGplRowText).arg(4)) << row;
    EXPECT_TRUE(read.Value.Entries.empty()) << row;
  }
}

TEST(GplReaderTest, AFileWithoutTheHeaderIsRefused) {
  for (const char* data : {"", "\n", "GIMP palette\n1 2 3\n", "Name: x\nGIMP Palette\n", "JASC-PAL\n0100\n"}) {
    const auto read = ParseGplData(QByteArray(data));
    EXPECT_FALSE(read.Ok()) << data;
    EXPECT_EQ(read.Status.Message(), QString::fromLatin1(kGplHeaderText)) << data;
  }
}

TEST(GplReaderTest, MissingAndUnreadableFiles) {
  QTemporaryDir dir;
  EXPECT_EQ(ReadGplFile(dir.filePath("none.gpl")).Status.MessageKey(), QStringLiteral("sFileNotFound"));
  EXPECT_EQ(ReadGplFile(dir.path()).Status.MessageKey(), QStringLiteral("sCantOpen"));
}

TEST(GplReaderTest, ColourObjectsAreRgbNamedByTheRowOrByTheirHexText) {
  const auto read = ParseGplData("GIMP Palette\n255 128 0 Orange\n0 0 1\n");
  ASSERT_TRUE(read.Ok());
  const TColors colors = GplColorObjects(read.Value);
  ASSERT_EQ(colors.size(), 2u);
  EXPECT_EQ(colors[0].Name(), u"Orange");
  EXPECT_EQ(colors[0].Model(), cmRGB);
  EXPECT_EQ(colors[0].GetRGB(), (TRGBValues{255, 128, 0}));
  EXPECT_EQ(colors[1].Name(), u"000001");
}

// --- Writer -------------------------------------------------------------------------------------------------

class GplWriterTest : public ::testing::Test {
 protected:
  QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
  QTemporaryDir dir_;
};

TEST_F(GplWriterTest, WritesGimpsLayoutNamedAfterTheFile) {
  TColorObjectFx lab(TColorObject(), u"Lab\tcolour\r\nwith breaks");
  lab.SetLab({50, 20, -30});
  const TColors colors{Named("Orange", 255, 128, 0), Named("", 7, 8, 9), Named("Grün", 0, 100, 10), lab};
  ASSERT_TRUE(WriteGplFile(Path("my.colors.gpl"), colors, {}, 8));
  const TRGBValues labRgb = lab.GetRGB();
  char labRow[32];
  std::snprintf(labRow, sizeof labRow, "%3d %3d %3d", labRgb.R, labRgb.G, labRgb.B);
  EXPECT_EQ(ReadAll(Path("my.colors.gpl")), QByteArray("GIMP Palette\n"
                                                       "Name: my.colors\n"
                                                       "Columns: 8\n"
                                                       "#\n"
                                                       "255 128   0\tOrange\n"
                                                       "  7   8   9\n"
                                                       "  0 100  10\tGr\xC3\xBCn\n") +
                                                labRow + "\tLab colour  with breaks\n");
}

TEST_F(GplWriterTest, PaletteNameAndColumnsAreKeptInRange) {
  const QByteArray bytes = EncodeGplData({}, QStringLiteral("Two\nlines"), 1000);
  EXPECT_EQ(bytes, QByteArray("GIMP Palette\nName: Two lines\nColumns: 256\n#\n"));
  EXPECT_TRUE(EncodeGplData({}, {}, -5).contains("Columns: 0\n"));
}

TEST_F(GplWriterTest, WrittenPaletteReadsBackTheSameColoursAndNames) {
  TColors colors;
  for (int i = 0; i < 300; ++i) {
    colors.push_back(Named(i % 3 ? "Colour" : "\xF0\x9F\x98\x80 emoji", i % 256, 255 - i % 256, (i * 7) % 256));
    colors.back().SetName(colors.back().Name() + QString::number(i).toStdU16String());
  }
  colors.push_back(TColorObjectFx(TColorObject(RGBValuesToColor({1, 2, 3}), cmHSB), u"held in HSB"));
  ASSERT_TRUE(WriteGplFile(Path("many.gpl"), colors, QStringLiteral("Many")));
  const auto read = ReadGplFile(Path("many.gpl"));
  ASSERT_TRUE(read.Ok()) << read.Status.Message().toStdString();
  EXPECT_EQ(read.Value.Name, QStringLiteral("Many"));
  const TColors again = GplColorObjects(read.Value);
  ASSERT_EQ(again.size(), colors.size());
  for (std::size_t i = 0; i < colors.size(); ++i) {
    EXPECT_EQ(again[i].GetRGB(), colors[i].GetRGB()) << i;
    EXPECT_EQ(again[i].Name(), colors[i].Name()) << i;
  }
}

}  // namespace
}  // namespace tintorium
