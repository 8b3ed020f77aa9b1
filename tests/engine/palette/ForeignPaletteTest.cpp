// Other programs' swatch files opened as the palette: their colours, names and models come in, the file
// name stays theirs, and Save writes them back in their own format (never palette bytes), telling first what
// that format cannot hold; a GIMP palette keeps its untouched rows and comments byte for byte.
#include "engine/palette/ForeignPalette.h"

#include "PaletteTestSupport.h"
#include "engine/palette/PaletteDocument.h"
#include "engine/formats/FormatRegistry.h"
#include "engine/palette/PaletteFile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <numeric>
#include <QTemporaryDir>

namespace tintorium {
namespace {

using test::OwnValues;

const QString kSwatches = QStringLiteral(TINTORIUM_CORPUS "/swatches/");

QStringList Names(const TPaletteDocument& doc) {
  QStringList names;
  for (const TPaletteEntry& e : doc.Entries()) names << e.Name;
  return names;
}

TEST(ForeignPaletteTest, SwatchExtensionsAreForeignInAnyCase) {
  for (const char* name : {"a.aco", "b.ACT", "/x/c.Gpl", "d.ase"}) EXPECT_TRUE(IsForeignPaletteFile(name)) << name;
  for (const char* name : {"a.tnp", "noname.tnp", "a.gpl.tnp", "gpl", "a.txt"}) EXPECT_FALSE(IsForeignPaletteFile(name)) << name;
  EXPECT_EQ(PaletteFileNameFor(QStringLiteral("/home/u/colours.v2.ase")), QStringLiteral("/home/u/colours.v2.tnp"));
}

TEST(ForeignPaletteTest, OpenTakesColoursNamesAndModelsAndKeepsTheForeignNameUntilSaveAs) {
  TPaletteDocument doc;
  doc.AddPaletteColor(QStringLiteral("gone"), test::RGB(1, 2, 3));
  const QString path = kSwatches + QStringLiteral("dagronf-palette_complex.ase");
  ASSERT_TRUE(doc.OpenPalette(path));
  ASSERT_EQ(doc.Count(), 21);
  EXPECT_EQ(doc.Entry(0).Name, QStringLiteral("GMX RGB / Black RGB"));
  EXPECT_EQ(doc.Entry(10).Color.Model(), cmCMYK);
  EXPECT_EQ(OwnValues(doc.Entry(10).Color), (std::array<int, 4>{93, 24, 85, 68}));
  EXPECT_EQ(doc.Entry(15).Name, QStringLiteral("GMX PANTONE / PANTONE 656 C"));
  EXPECT_EQ(OwnValues(doc.Entry(15).Color), (std::array<int, 4>{91, -1, -5, 0}));
  EXPECT_EQ(doc.PaletteFileName(), path);
  EXPECT_FALSE(doc.PaletteModified());
  EXPECT_FALSE(doc.NeedsSaveAs());  // saved back as an .ase

  ASSERT_TRUE(doc.OpenPalette(kSwatches + QStringLiteral("gimp-data-Tango.gpl")));
  EXPECT_EQ(Names(doc).first(3), (QStringList{"Butter 1", "Butter 2", "Butter 3"}));
  EXPECT_FALSE(doc.NeedsSaveAs());
}

TEST(ForeignPaletteTest, AFailedForeignOpenKeepsThePaletteAndGivesTheReadersMessage) {
  TPaletteDocument doc;
  doc.AddPaletteColor(QStringLiteral("mine"), test::RGB(1, 2, 3));
  const TFileResult result = doc.OpenPalette(kSwatches + QStringLiteral("dagronf-unsupported_version.ase"));
  EXPECT_FALSE(result);
  EXPECT_TRUE(result.Message().contains(QStringLiteral("not supported"))) << result.Message().toStdString();
  ASSERT_EQ(doc.Count(), 1);
  EXPECT_EQ(doc.Entry(0).Name, QStringLiteral("mine"));
  EXPECT_TRUE(doc.PaletteModified());
  EXPECT_EQ(doc.PaletteFileName(), TPaletteDocument::NoName);
}

TEST(ForeignPaletteTest, ReadAnyPaletteFileStillReadsPalettesByTheirBytes) {
  QTemporaryDir dir;
  const TPaletteEntries written{{QStringLiteral("A"), test::Lab(50, 10, -10)}};
  // A palette file under another extension (as the kept last palette or a renamed copy) is still a palette.
  for (const char* name : {"p.tnp", "p.pal"}) {
    ASSERT_TRUE(WritePaletteFile(dir.filePath(name), written));
    TPaletteEntries read;
    ASSERT_TRUE(ReadAnyPaletteFile(dir.filePath(name), read)) << name;
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].Color.Model(), cmLAB) << name;
  }
  TPaletteEntries read{{QStringLiteral("old"), test::RGB(0, 0, 0)}};
  EXPECT_EQ(ReadForeignPalette(dir.filePath("none.gpl"), read).MessageKey(), QStringLiteral("sFileNotFound"));
  EXPECT_TRUE(read.empty());
}

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

// A hand-written GIMP palette: CRLF, a byte order mark, comments between rows, odd spacing, a row without a
// name and a last line without a break.
const QByteArray kHandWritten =
    "\xEF\xBB\xBFGIMP Palette\r\n"
    "Name: Hand made\r\n"
    "Columns: 4\r\n"
    "# warm colours\r\n"
    "255 0 0    Red\r\n"
    "  255  128   0\tOrange  \r\n"
    "\r\n"
    "# cool colours\r\n"
    "0 0 255 Blue\r\n"
    "0 128 128\r\n"
    "# end";

TEST(ForeignPaletteTest, GplSavedInPlaceKeepsUntouchedRowsAndCommentsByteForByte) {
  QTemporaryDir dir;
  const QString path = dir.filePath("hand.gpl");
  WriteAll(path, kHandWritten);
  TPaletteDocument doc;
  ASSERT_TRUE(doc.OpenPalette(path));
  ASSERT_EQ(doc.Count(), 4);
  EXPECT_EQ(doc.Entry(3).Name, QStringLiteral("008080"));  // no name: its hex

  // Saved unchanged: the very same bytes.
  ASSERT_TRUE(doc.SavePalette(path));
  EXPECT_EQ(ReadAll(path), kHandWritten);

  // Orange renamed, Blue deleted, a colour appended: only those rows change, the rest stays as written.
  doc.EditPaletteColor(1, QStringLiteral("Amber"), cmRGB);
  doc.DeletePaletteColors({2});
  doc.AddPaletteColor(QStringLiteral("Pink"), test::RGB(255, 192, 203));
  ASSERT_TRUE(doc.SavePalette(path));
  EXPECT_FALSE(doc.PaletteModified());
  EXPECT_EQ(ReadAll(path), QByteArray("\xEF\xBB\xBFGIMP Palette\r\n"
                                      "Name: Hand made\r\n"
                                      "Columns: 4\r\n"
                                      "# warm colours\r\n"
                                      "255 0 0    Red\r\n"
                                      "255 128   0\tAmber\r\n"
                                      "\r\n"
                                      "# cool colours\r\n"
                                      "0 128 128\r\n"
                                      "255 192 203\tPink\r\n"
                                      "# end"));
  TPaletteEntries read;
  ASSERT_TRUE(ReadAnyPaletteFile(path, read));
  ASSERT_EQ(read.size(), 4u);
  EXPECT_EQ(read[1].Name, QStringLiteral("Amber"));
  EXPECT_EQ(read[3].Name, QStringLiteral("Pink"));

  // A colour inserted before the first and the order reversed: every colour still has its row.
  doc.MovePaletteColor(3, 0);
  ASSERT_TRUE(doc.SavePalette(path));
  ASSERT_TRUE(ReadAnyPaletteFile(path, read));
  ASSERT_EQ(read.size(), 4u);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(read[std::size_t(i)].Name, doc.Entry(i).Name) << i;
    EXPECT_EQ(read[std::size_t(i)].Color.GetRGB(), doc.Entry(i).Color.GetRGB()) << i;
  }
  EXPECT_TRUE(ReadAll(path).contains("\r\n255 0 0    Red\r\n255 128   0\tAmber\r\n\r\n# cool colours\r\n"));
}

// Every format a swatch file is saved back in: an added colour is there after a new read, in the same format.
TEST(ForeignPaletteTest, EverySwatchFormatSavesBackInItsOwnFormat) {
  QTemporaryDir dir;
  int tried = 0;
  for (const TFileFormat& format : FileFormats()) {
    if ((format.Flags & fPalette) == 0 || (format.Flags & fNative) != 0 || format.Write == nullptr) continue;
    const QString path = dir.filePath(QStringLiteral("swatches.") + format.ExtensionList().first());
    SCOPED_TRACE(path.toStdString());
    ++tried;
    TColorObject red;
    red.SetRGB({200, 10, 10});
    ASSERT_TRUE(format.Write(path, {TColorObjectFx(red, u"Red")}, {}).Ok());
    ASSERT_EQ(InPlaceFormat(path), &format);
    TPaletteDocument doc;
    ASSERT_TRUE(doc.OpenPalette(path));
    ASSERT_FALSE(doc.NeedsSaveAs());
    // A fixed-size table (.act) reads back with its empty slots: keep the first colour only.
    std::vector<int> rest(std::size_t(doc.Count() - 1));
    std::iota(rest.begin(), rest.end(), 1);
    doc.DeletePaletteColors(rest);
    const int count = doc.Count();
    ASSERT_EQ(count, 1);
    doc.AddPaletteColor(QStringLiteral("Teal"), test::RGB(0, 128, 128));
    ASSERT_TRUE(doc.SavePalette(path));
    EXPECT_EQ(PaletteFormatForPath(path), &format);
    TPaletteDocument again;
    ASSERT_TRUE(again.OpenPalette(path));
    ASSERT_GE(again.Count(), count + 1);
    EXPECT_EQ(again.Entry(count).Color.GetRGB(), (TRGBValues{0, 128, 128}));
    if ((format.Keeps & ftNames) != 0) { EXPECT_EQ(again.Entry(count).Name, QStringLiteral("Teal")); }
  }
  EXPECT_EQ(tried, 7);  // .aco .act .gpl .ase .soc Scribus .xml .hex
  EXPECT_EQ(InPlaceFormat(dir.filePath("p.tnp")), nullptr);
}

struct TLossCase {
  const char* Name;
  const char* Extension;
  TPaletteEntries Entries;
  bool Names;
  int KeptColors;
  bool Models;
};

class InPlaceLossTest : public ::testing::TestWithParam<TLossCase> {};

TEST_P(InPlaceLossTest, TellsWhatTheFormatCannotHold) {
  const TLossCase& c = GetParam();
  const TFileFormat* format = FormatForPath(QStringLiteral("x.") + QLatin1String(c.Extension), TFormatUse::Write);
  ASSERT_NE(format, nullptr);
  const TSaveLoss loss = InPlaceLoss(*format, c.Entries);
  EXPECT_EQ(loss.Names, c.Names);
  EXPECT_EQ(loss.KeptColors, c.KeptColors);
  EXPECT_EQ(loss.Models, c.Models);
  EXPECT_EQ(loss.Any(), c.Names || c.KeptColors > 0 || c.Models);
}

TPaletteEntries Many(int count) {
  TPaletteEntries entries;
  for (int i = 0; i < count; ++i) {
    const TColorObject color = test::RGB(i % 256, i / 256, 0);
    entries.push_back({QString::fromStdString("#" + color.HexText()), color});
  }
  return entries;
}

INSTANTIATE_TEST_SUITE_P(
    Formats, InPlaceLossTest,
    ::testing::Values(
        TLossCase{"ActNamesAreLost", "act", {test::Entry("Red", test::RGB(255, 0, 0))}, true, 0, false},
        TLossCase{"ActHexNamesAreNoNames", "act", {test::Entry("FF0000", test::RGB(255, 0, 0)),
                                                   test::Entry("#00ff00", test::RGB(0, 255, 0)),
                                                   test::Entry("", test::RGB(0, 0, 255))}, false, 0, false},
        TLossCase{"Act256Fit", "act", Many(256), false, 0, false},
        TLossCase{"Act257DoNot", "act", Many(257), false, 256, false},
        TLossCase{"GplKeepsNamesNotCmyk", "gpl", {test::Entry("Ink", test::CMYK(10, 20, 30, 0))}, false, 0, true},
        TLossCase{"AseLosesLabAndHsb", "ase", {test::Entry("a", test::Lab(50, 10, 10))}, false, 0, true},
        TLossCase{"HexLosesNamesAndHsb", "hex", {test::Entry("Sky", test::HSB(200, 50, 90))}, true, 0, true},
        TLossCase{"SocKeepsRgbNames", "soc", {test::Entry("Sky", test::RGB(1, 2, 3))}, false, 0, false}),
    [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace tintorium
