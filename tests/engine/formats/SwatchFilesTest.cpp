#include "engine/formats/SwatchFiles.h"

#include "core/ColorModels.h"
#include "core/ColorText.h"
#include "engine/formats/GimpPaletteFile.h"
#include "engine/formats/SwatchExchangeFile.h"
#include "support/FileSizeLimit.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdlib>
#include <utility>

namespace tintorium {
namespace {

const QString kSwatches = QStringLiteral(TINTORIUM_CORPUS "/swatches/");

QByteArray Hex(const char* hex) { return QByteArray::fromHex(hex); }

QByteArray ReadAll(const QString& path) {
  QFile f(path);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
  return f.readAll();
}

QString HexOf(TColor color) { return QString::fromStdString(HexText(ColorToRGBValues(color))); }

TColorObjectFx Named(const char* name, int r, int g, int b) {
  return TColorObjectFx(TColorObject(RGBValuesToColor({r, g, b}), cmRGB), QString::fromUtf8(name).toStdU16String());
}

/// One record of a synthetic swatch file.
QByteArray Record(int space, int w1, int w2 = 0, int w3 = 0, int w4 = 0) {
  QByteArray r;
  for (int w : {space, w1, w2, w3, w4}) {
    r.append(static_cast<char>((w >> 8) & 0xFF));
    r.append(static_cast<char>(w & 0xFF));
  }
  return r;
}

TColor ReadOne(const QByteArray& record) {
  const auto read = ParseAcoData(Hex("00010001") + record);
  EXPECT_TRUE(read.Ok());
  return read.Ok() && !read.Value.Colors.empty() ? read.Value.Colors[0] : clNone;
}

// --- Real files -----------------------------------------------------------------------------------------------

struct TCorpusCase {
  const char* file;
  int count;
  std::vector<std::pair<int, const char*>> colors;  // index, RRGGBB
  std::vector<std::pair<int, const char*>> names;   // index, name in the file's second (named) section
};

void PrintTo(const TCorpusCase& c, std::ostream* os) { *os << c.file; }

class SwatchCorpusTest : public ::testing::TestWithParam<TCorpusCase> {};

TEST_P(SwatchCorpusTest, ReadsColoursOfTheFirstSectionAndNamesOfTheSecond) {
  const TCorpusCase& c = GetParam();
  const QString path = kSwatches + QString::fromLatin1(c.file);
  const TReadResult<TAcoColors> read = ReadAcoFile(path);
  ASSERT_TRUE(read.Ok()) << read.Status.Message().toStdString();
  ASSERT_EQ(read.Value.Colors.size(), static_cast<std::size_t>(c.count));
  for (const auto& [index, hex] : c.colors) {
    EXPECT_EQ(HexOf(read.Value.Colors[static_cast<std::size_t>(index)]), QString::fromLatin1(hex)) << "colour " << index;
  }
  if (c.names.empty()) return;
  // Every corpus file starts with a nameless version-1 section; the names come from the version-2 copy after it.
  EXPECT_TRUE(read.Value.HasNames);
  ASSERT_EQ(read.Value.Names.size(), c.count);
  for (const auto& [index, name] : c.names) EXPECT_EQ(read.Value.Names[index], QString::fromUtf8(name));
  const QByteArray bytes = ReadAll(path);
  const TReadResult<TAcoColors> named = ParseAcoData(QByteArrayView(bytes).sliced(4 + 10 * c.count));
  ASSERT_TRUE(named.Ok()) << named.Status.Message().toStdString();
  EXPECT_EQ(named.Value.Colors, read.Value.Colors);
}

INSTANTIATE_TEST_SUITE_P(
    Corpus, SwatchCorpusTest,
    ::testing::Values(
        TCorpusCase{"1j01-nord.aco", 16, {{0, "2E3440"}, {15, "B48EAD"}}, {{0, "nord0"}, {15, "nord15"}}},
        TCorpusCase{"anypalette-emoji-average-colors.out.aco", 1816, {{0, "D8AE4A"}},
                    {{0, "\xF0\x9F\x98\x80"}, {6, "\xF0\x9F\xA4\xA3"}, {18, "\xE2\x98\xBA"}}},
        TCorpusCase{"dagronf-Material_Palette.aco", 256, {{0, "F44336"}, {13, "D50000"}},
                    {{0, "Red 500 - Primary"}, {13, "Red A700"}}},
        TCorpusCase{"dagronf-Zeldman-v1.aco", 6, {{0, "553300"}, {5, "EEEEDD"}}, {}},
        // Names written without their terminator: a reader that follows the format loses each last letter.
        TCorpusCase{"dagronf-arne-v20-16.aco", 16, {{0, "000000"}, {3, "BE2633"}, {15, "B2DCEF"}},
                    {{0, "Voi"}, {1, "As"}, {15, "CloudBlu"}}},
        TCorpusCase{"dagronf-davis-colors-concrete-pigments.aco", 59, {{0, "685C47"}}, {{0, "Adobe 61078"}}},
        TCorpusCase{"hrbrmstr-tomorrow_night_eighties.aco", 12, {{5, "F2777A"}},
                    {{0, "Tomorrow-Nigh-Eighties-Background"}, {11, "Tomorrow-Night-Eighties-Purple"}}},
        TCorpusCase{"kdybicz-rgb.aco", 6,
                    {{0, "FF0000"}, {1, "FFFF00"}, {2, "00FF00"}, {3, "00FFFF"}, {4, "0000FF"}, {5, "FF00FF"}},
                    {{0, "RGB Red"}, {5, "RGB Magenta"}}},
        TCorpusCase{"kdybicz-cmyk.aco", 6,
                    {{0, "FF0000"}, {1, "FFFF00"}, {2, "00FF00"}, {3, "00FFFF"}, {4, "0000FF"}, {5, "FF00FF"}},
                    {{0, "CMYK Red"}, {5, "CMYK Magenta"}}},
        // Photoshop's grey is ink coverage: "White" is 0, "Black" 10000.
        TCorpusCase{"kdybicz-grayscale.aco", 20, {{0, "FFFFFF"}, {1, "E5E5E5"}, {9, "7F7F7F"}, {19, "000000"}},
                    {{0, "White"}, {1, "10% Gray"}, {19, "Black"}}},
        TCorpusCase{"kdybicz-utf.aco", 3, {{2, "FFFFFF"}},
                    {{0, "Zażółć gęślą jaźń"}, {1, "チェリー"}, {2, "a"}}},
        TCorpusCase{"kdybicz-utf-new.aco", 3, {{2, "FFFFFF"}},
                    {{0, "Zażółć gęślą jaźń"}, {1, "チェリー"}, {2, "a"}}},
        TCorpusCase{"massimoksi-Flat.aco", 20, {{0, "1ABC9F"}}, {{0, "Turquoise"}, {19, "Asbestos"}}},
        // This writer stores grey the other way round (0 black), so under the ink reading it comes out inverted.
        TCorpusCase{"behreajj-sampleGrayLuma.aco", 14, {{0, "FFFFFF"}, {1, "000000"}}, {}},
        // Lab in another editor's encoding (unsigned, 32768 = 0): out of range, read without failing.
        TCorpusCase{"behreajj-sampleLabKrita.aco", 14, {}, {}}));

/// The RGB colours a GIMP palette lists, in order.
std::vector<TRGBValues> GimpColors(const QString& path) {
  std::vector<TRGBValues> colors;
  static const QRegularExpression line(QStringLiteral(R"(^\s*(\d+)\s+(\d+)\s+(\d+))"));
  for (const QString& text : QString::fromUtf8(ReadAll(path)).split(QLatin1Char('\n'))) {
    const QRegularExpressionMatch m = line.match(text);
    if (m.hasMatch()) colors.push_back({m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()});
  }
  return colors;
}

TEST(SwatchCorpusReferenceTest, HsbSwatchesMatchTheirReferencePaletteWithinRounding) {
  const std::vector<TRGBValues> reference = GimpColors(kSwatches + QStringLiteral("behreajj-sampleReference.gpl"));
  ASSERT_EQ(reference.size(), 14u);
  const auto read = ReadAcoFile(kSwatches + QStringLiteral("behreajj-sampleHsb.aco"));
  ASSERT_TRUE(read.Ok());
  ASSERT_EQ(read.Value.Colors.size(), reference.size());
  // Read in whole degrees and per cent: a few steps of 255 either way.
  for (std::size_t i = 0; i < reference.size(); ++i) {
    const TRGBValues got = ColorToRGBValues(read.Value.Colors[i]);
    EXPECT_LE(std::abs(got.R - reference[i].R), 3) << i;
    EXPECT_LE(std::abs(got.G - reference[i].G), 3) << i;
    EXPECT_LE(std::abs(got.B - reference[i].B), 3) << i;
  }
}

TEST(SwatchCorpusReferenceTest, LabSwatchesAreSignedHundredths) {
  // The reference palette was made with another white point, so compare with the decoded Lab values.
  const auto read = ReadAcoFile(kSwatches + QStringLiteral("behreajj-sampleLabOther.aco"));
  ASSERT_TRUE(read.Ok());
  ASSERT_EQ(read.Value.Colors.size(), 14u);
  EXPECT_EQ(read.Value.Colors[0], LabToColor({0, 0, 0}));
  EXPECT_EQ(read.Value.Colors[1], LabToColor({100, -1, -1}));    // 10000, 65436, 65436
  EXPECT_EQ(read.Value.Colors[2], LabToColor({50, 61, 38}));     // 5016, 6100, 3800
  EXPECT_EQ(read.Value.Colors[5], LabToColor({88, -6, 85}));     // 8829, 64936, 8500
  EXPECT_EQ(read.Value.Colors[13], LabToColor({35, 54, -4}));    // 3452, 5400, 65136
}

TEST(SwatchCorpusReferenceTest, ColourTablesMatchTheSamePalettesInOtherFormats) {
  const auto solarized = ReadActFile(kSwatches + QStringLiteral("solarized-solarized.act"));
  ASSERT_TRUE(solarized.Ok());
  ASSERT_EQ(solarized.Value.size(), 16);  // the trailer counts 16 colours
  const std::vector<TRGBValues> gimp = GimpColors(kSwatches + QStringLiteral("solarized-solarized.gpl"));
  ASSERT_EQ(gimp.size(), 16u);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(solarized.Value[i], QString::fromStdString(HexText(gimp[static_cast<std::size_t>(i)])));

  const auto arneAct = ReadActFile(kSwatches + QStringLiteral("dagronf-arne-v20-16.act"));
  const auto arneAco = ReadAcoFile(kSwatches + QStringLiteral("dagronf-arne-v20-16.aco"));
  ASSERT_TRUE(arneAct.Ok() && arneAco.Ok());
  for (int i = 0; i < 16; ++i) EXPECT_EQ(arneAct.Value[i], HexOf(arneAco.Value.Colors[static_cast<std::size_t>(i)]));

  EXPECT_EQ(arneAct.Value.size(), 16);
  const auto icons = ReadActFile(kSwatches + QStringLiteral("dagronf-iconworkshop.act"));
  ASSERT_TRUE(icons.Ok());
  EXPECT_EQ(icons.Value.size(), 48);
  EXPECT_EQ(icons.Value.mid(0, 3), (QStringList{"000000", "FFFFFF", "E0E0E0"}));
  EXPECT_EQ(icons.Value[47], QStringLiteral("400040"));
}

// --- Colour spaces ----------------------------------------------------------------------------------------------

TEST(SwatchSpaceTest, EachColourSpaceBecomesItsRgbColour) {
  struct Case {
    const char* what;
    QByteArray record;
    TColor expected;
  };
  const Case cases[] = {
      {"RGB high byte 0xFFFF", Record(0, 0xFFFF, 0x00FF, 0x8000), RGBValuesToColor({255, 0, 128})},
      {"HSB", Record(1, 21845, 32768, 65535), HSBToColor({120, 50, 100})},
      {"CMYK all 65535 is no ink", Record(2, 65535, 65535, 65535, 65535), RGBValuesToColor({255, 255, 255})},
      {"CMYK all 0 is full ink", Record(2, 0, 0, 0, 0), CMYKToColor({100, 100, 100, 100})},
      {"CMYK half", Record(2, 32768, 65535, 65535, 65535), CMYKToColor({50, 0, 0, 0})},
      {"Lab a = -2000 (F8 30)", Record(7, 5000, 0xF830, 1200), LabToColor({50, -20, 12})},
      {"grey 0 is white", Record(8, 0), RGBValuesToColor({255, 255, 255})},
      {"grey 10000 is black", Record(8, 10000), RGBValuesToColor({0, 0, 0})},
      {"grey 2500", Record(8, 2500), RGBValuesToColor({191, 191, 191})},
      {"grey beyond 10000 stays black", Record(8, 65535), RGBValuesToColor({0, 0, 0})},
      {"CMYK hundredths", Record(9, 5099, 0, 10000, 2550), CMYKToColor({50, 0, 100, 25})},
      {"unknown space as RGB", Record(3, 0x1234, 0x5678, 0x9ABC), RGBValuesToColor({0x12, 0x56, 0x9A})},
  };
  for (const Case& c : cases) EXPECT_EQ(HexOf(ReadOne(c.record)), HexOf(c.expected)) << c.what;
}

// --- Versions and names -----------------------------------------------------------------------------------------

TEST(SwatchVersionTest, VersionTwoOnlyFileCarriesItsNames) {
  const auto read = ParseAcoData(Hex("00020002") + Record(0, 0x8787, 0xCECE, 0xEBEB) + Hex("00000004" "0053006b00790000") +
                                 Record(0, 0, 0, 0) + Hex("00000001" "0000"));
  ASSERT_TRUE(read.Ok());
  EXPECT_TRUE(read.Value.HasNames);
  EXPECT_EQ(read.Value.Names, (QStringList{"Sky", ""}));
  EXPECT_EQ(HexOf(read.Value.Colors[0]), QStringLiteral("87CEEB"));
}

TEST(SwatchVersionTest, ZeroNameLengthIsAnEmptyNameWithoutTerminator) {
  const auto read = ParseAcoData(Hex("00020002") + Record(0, 0x1111) + Hex("00000000") + Record(0, 0x2222) +
                                 Hex("00000002" "00410000"));
  ASSERT_TRUE(read.Ok());
  EXPECT_EQ(read.Value.Names, (QStringList{"", "A"}));
  EXPECT_EQ(HexOf(read.Value.Colors[1]), QStringLiteral("220000"));
}

TEST(SwatchVersionTest, VersionZeroNamesAreLengthBytesThenLatin1) {
  const auto read = ParseAcoData(Hex("00000002") + Record(0, 0xFF00) + Hex("03" "43e974") + Record(0, 0) + Hex("00"));
  ASSERT_TRUE(read.Ok());
  EXPECT_TRUE(read.Value.HasNames);
  EXPECT_EQ(read.Value.Names, (QStringList{QString::fromUtf8("Cét"), ""}));
}

TEST(SwatchVersionTest, NamedSecondSectionNamesTheFirstOnlyWhenWholeAndOfTheSameCount) {
  const QByteArray first = Hex("00010002") + Record(0, 0x1111) + Record(0, 0x2222);
  const QByteArray named = Hex("00020002") + Record(0, 0x1111) + Hex("00000002" "00410000") + Record(0, 0x2222) +
                           Hex("00000002" "00420000");
  struct Case {
    const char* what;
    QByteArray data;
    QStringList names;  // empty: no names
  };
  const Case cases[] = {
      {"whole second section", first + named, {"A", "B"}},
      {"cut in the second section", first + named.left(named.size() - 3), {}},
      {"second section of another count", first + Hex("00020001") + Record(0, 0) + Hex("00000002" "00410000"), {}},
      {"something else after the first", first + Hex("0003"), {}},
  };
  for (const Case& c : cases) {
    const auto read = ParseAcoData(c.data);
    ASSERT_TRUE(read.Ok()) << c.what;
    EXPECT_EQ(read.Value.Colors.size(), 2u) << c.what;
    EXPECT_EQ(HexOf(read.Value.Colors[1]), QStringLiteral("220000")) << c.what;
    EXPECT_EQ(read.Value.HasNames, !c.names.isEmpty()) << c.what;
    EXPECT_EQ(read.Value.Names, c.names) << c.what;
  }
}

TEST(SwatchVersionTest, VersionThreeOrMoreIsNotSupported) {
  const struct {
    const char* version;
    const char* shown;
  } cases[] = {{"0003", "3"}, {"ffff", "65535"}};
  for (const auto& c : cases) {
    const auto read = ParseAcoData(Hex(c.version) + Hex("0001") + Record(0, 0));
    EXPECT_FALSE(read.Ok());
    EXPECT_EQ(read.Status.Message(), QStringLiteral("The swatch file is of version %1, which cannot be read: only "
                                                    "versions 1 and 2 exist.")
                                         .arg(QLatin1String(c.shown)));
    EXPECT_TRUE(read.Value.Colors.empty());
  }
}

TEST(SwatchVersionTest, FileEndingEarlyReturnsNothing) {
  const auto read = ParseAcoData(Hex("00010002") + Record(0, 0xFFFF));
  EXPECT_FALSE(read.Ok());
  EXPECT_EQ(read.Status.Message(), QString::fromLatin1(kTruncatedText));
  EXPECT_TRUE(read.Value.Colors.empty());
}

// --- Writers ----------------------------------------------------------------------------------------------------

class SwatchWriterTest : public ::testing::Test {
 protected:
  QString Path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
  QTemporaryDir dir_;
};

TEST_F(SwatchWriterTest, AcoHasAVersionOneAndAVersionTwoSectionWithWordsTimes257) {
  const TColors colors{Named("A", 255, 128, 0), Named("", 0, 1, 254)};
  const QString path = Path("two.aco");
  ASSERT_TRUE(WriteAcoFile(path, colors));
  EXPECT_EQ(ReadAll(path), Hex("0001" "0002"
                               "0000" "ffff" "8080" "0000" "0000"
                               "0000" "0000" "0101" "fefe" "0000"
                               "0002" "0002"
                               "0000" "ffff" "8080" "0000" "0000" "00000002" "0041" "0000"
                               "0000" "0000" "0101" "fefe" "0000" "00000001" "0000"));
}

TEST_F(SwatchWriterTest, WrittenAcoReadsBackTheSameColoursAndNames) {
  TColors colors;
  for (int i = 0; i < 256; ++i) colors.push_back(Named("n", i, 255 - i, (i * 7) % 256));
  TColorObjectFx hsb(TColorObject(RGBValuesToColor({10, 200, 30}), cmHSB), u"hsb");
  colors.push_back(hsb);
  const QString path = Path("many.aco");
  ASSERT_TRUE(WriteAcoFile(path, colors));
  const auto read = ReadAcoFile(path);
  ASSERT_TRUE(read.Ok());
  ASSERT_TRUE(read.Value.HasNames);
  ASSERT_EQ(read.Value.Colors.size(), colors.size());
  for (std::size_t i = 0; i < colors.size(); ++i) {
    EXPECT_EQ(ColorToRGBValues(read.Value.Colors[i]), colors[i].GetRGB()) << i;
    EXPECT_EQ(read.Value.Names[static_cast<qsizetype>(i)], QString::fromStdU16String(colors[i].Name())) << i;
  }
}

TEST_F(SwatchWriterTest, LongNamesKeepTheirFullLength) {
  const QString longName(300, QLatin1Char('x'));
  const TColors colors{TColorObjectFx(TColorObject(), longName.toStdU16String()), Named("next", 1, 2, 3)};
  const auto bytes = EncodeAcoData(colors);
  ASSERT_TRUE(bytes.Ok());
  const qsizetype section2 = 4 + 2 * 10;
  EXPECT_EQ(bytes.Value.mid(section2 + 4 + 10, 4), Hex("0000012d"));
  const auto read = ParseAcoData(QByteArrayView(bytes.Value).sliced(section2));
  ASSERT_TRUE(read.Ok());
  EXPECT_EQ(read.Value.Names, (QStringList{longName, "next"}));
}

TEST_F(SwatchWriterTest, MoreThan65535ColoursAreRefusedAndNothingIsWritten) {
  const QString path = Path("big.aco");
  TColors colors(65535, Named("", 1, 2, 3));
  ASSERT_TRUE(WriteAcoFile(path, colors));
  EXPECT_EQ(ReadAll(path).left(4), Hex("0001ffff"));
  const QByteArray before = ReadAll(path);
  colors.push_back(Named("", 1, 2, 3));
  const TFileResult result = WriteAcoFile(path, colors);
  EXPECT_FALSE(result);
  EXPECT_TRUE(result.Message().contains(QStringLiteral("65536"))) << result.Message().toStdString();
  EXPECT_EQ(ReadAll(path), before);
}

TEST_F(SwatchWriterTest, ColourTableIsAlways768BytesPaddedWithBlack) {
  const QString path = Path("three.act");
  ASSERT_TRUE(WriteActFile(path, {Named("a", 255, 0, 0), Named("b", 0, 255, 0), Named("c", 1, 2, 3)}));
  const QByteArray bytes = ReadAll(path);
  ASSERT_EQ(bytes.size(), 768);
  EXPECT_EQ(bytes.left(9), Hex("ff0000" "00ff00" "010203"));
  EXPECT_EQ(bytes.mid(9), QByteArray(759, '\0'));

  TColors many(300, Named("", 9, 9, 9));
  many[255] = Named("", 7, 7, 7);
  const QByteArray cut = EncodeActData(many);
  ASSERT_EQ(cut.size(), 768);
  EXPECT_EQ(cut.right(3), Hex("070707"));
}

TEST_F(SwatchWriterTest, FailedWritesLeaveThePreviousFileIntact) {
  TColors colors(200, Named("a name of some length", 1, 2, 3));
  for (const auto& [name, write] :
       {std::pair<const char*, TFileResult (*)(const QString&, const TColors&)>{"old.aco", WriteAcoFile},
        std::pair<const char*, TFileResult (*)(const QString&, const TColors&)>{"old.act", WriteActFile},
        std::pair<const char*, TFileResult (*)(const QString&, const TColors&)>{"old.ase", WriteAseFile},
        std::pair<const char*, TFileResult (*)(const QString&, const TColors&)>{
            "old.gpl", [](const QString& path, const TColors& colors) { return WriteGplFile(path, colors); }}}) {
    SCOPED_TRACE(name);
    const QString path = Path(name);
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("previous");
    old.close();
    TFileResult result;
    {
      test::TFileSizeLimit limit(100);
      result = write(path, colors);
    }
    EXPECT_EQ(result.MessageKey(), QStringLiteral("sCantSave"));
    EXPECT_EQ(ReadAll(path), QByteArray("previous"));
  }
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), (QStringList{"old.aco", "old.act", "old.ase", "old.gpl"}));
}

// --- Readers' failures and the colour objects they give -------------------------------------------------------

TEST(SwatchReaderTest, MissingAndUnreadableFiles) {
  QTemporaryDir dir;
  const QString missing = dir.filePath(QStringLiteral("none.aco"));
  EXPECT_EQ(ReadAcoFile(missing).Status.Message(), QStringLiteral("File not found"));
  EXPECT_EQ(ReadActFile(missing).Status.MessageKey(), QStringLiteral("sFileNotFound"));
  EXPECT_EQ(ReadAcoFile(dir.path()).Status.MessageKey(), QStringLiteral("sCantOpen"));
}

TEST(SwatchReaderTest, OnlyA772ByteTableWithACountOf1To256IsCut) {
  struct Case {
    qsizetype size;
    int count;
    int expected;
  } const cases[] = {{772, 16, 16}, {772, 1, 1}, {772, 256, 256}, {772, 257, 256}, {772, 0xFFFF, 256},
                     {772, 0, 256},  {770, 16, 256}, {773, 16, 256}, {768, 0, 256}};
  for (const Case& c : cases) {
    QByteArray table(c.size, '\x11');
    if (c.size >= 770) {
      table[768] = static_cast<char>(c.count >> 8);
      table[769] = static_cast<char>(c.count & 0xFF);
    }
    const auto read = ParseActData(table);
    ASSERT_TRUE(read.Ok()) << c.size;
    EXPECT_EQ(read.Value.size(), c.expected) << c.size << " bytes, count " << c.count;
    EXPECT_EQ(read.Value.last(), QStringLiteral("111111"));
  }
}

TEST(SwatchReaderTest, ColourTableNeeds768Bytes) {
  QByteArray table(772, '\0');
  table[0] = static_cast<char>(0xAB);
  table[767] = 0x01;
  const auto read = ParseActData(table);
  ASSERT_TRUE(read.Ok());
  EXPECT_EQ(read.Value.size(), 256);
  EXPECT_EQ(read.Value.first(), QStringLiteral("AB0000"));
  EXPECT_EQ(read.Value.last(), QStringLiteral("000001"));
  EXPECT_EQ(read.Value.last(), QStringLiteral("000001"));  // a count of 0 keeps the whole table
  const auto shortTable = ParseActData(QByteArray(700, '\0'));
  EXPECT_FALSE(shortTable.Ok());
  EXPECT_EQ(shortTable.Status.Message(), QString::fromLatin1(kTruncatedText));
  EXPECT_TRUE(shortTable.Value.isEmpty());
}

TEST(SwatchReaderTest, ColourObjectsAreRgbNamedBySwatchNameOrHexText) {
  TAcoColors swatches;
  swatches.Colors = {RGBValuesToColor({255, 128, 0}), RGBValuesToColor({0, 0, 1})};
  TColors unnamed = AcoColorObjects(swatches);
  ASSERT_EQ(unnamed.size(), 2u);
  EXPECT_EQ(unnamed[0].Name(), u"FF8000");
  EXPECT_EQ(unnamed[0].Model(), cmRGB);
  EXPECT_EQ(unnamed[1].GetRGB(), (TRGBValues{0, 0, 1}));
  swatches.Names = {QStringLiteral("Orange"), QString()};
  swatches.HasNames = true;
  const TColors named = AcoColorObjects(swatches);
  EXPECT_EQ(named[0].Name(), u"Orange");
  EXPECT_EQ(named[1].Name(), u"");

  const TColors table = ActColorObjects({QStringLiteral("FF8000"), QStringLiteral("000000")});
  ASSERT_EQ(table.size(), 2u);
  EXPECT_EQ(table[0].Name(), u"FF8000");
  EXPECT_EQ(table[0].GetRGB(), (TRGBValues{255, 128, 0}));
}

}  // namespace
}  // namespace tintorium
