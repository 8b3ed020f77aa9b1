// The real GIMP palettes and swatch exchange files of the corpus, read through ReadSwatchColors: names, models
// and values of chosen entries, files whose names spell their colours checked entry by entry, and every file
// written by our writers and read back unchanged.
#include "engine/formats/SwatchColors.h"

#include "core/ColorModels.h"
#include "core/ColorText.h"
#include "engine/formats/GimpPaletteFile.h"
#include "engine/formats/SwatchExchangeFile.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace tintorium {
namespace {

const QString kSwatches = QStringLiteral(TINTORIUM_CORPUS "/swatches/");

QString NameOf(const TColorObjectFx& color) { return QString::fromStdU16String(color.Name()); }

TColorObject Made(TColorModel model, const std::array<int, 4>& v) {
  TColorObject color;
  switch (model) {
    case cmCMYK: color.SetCMYK({v[0], v[1], v[2], v[3]}); break;
    case cmLAB: color.SetLab({v[0], v[1], v[2]}); break;
    default: color.SetRGB({v[0], v[1], v[2]}); break;
  }
  return color;
}

struct TSample {
  int index;
  const char* name;
  TColorModel model;
  std::array<int, 4> values;  // of that model
};

struct TCorpusCase {
  const char* file;
  int count;
  std::vector<TSample> samples;
};

void PrintTo(const TCorpusCase& c, std::ostream* os) { *os << c.file; }

class SwatchColorsCorpusTest : public ::testing::TestWithParam<TCorpusCase> {};

TEST_P(SwatchColorsCorpusTest, ReadsNamesModelsAndValues) {
  const TCorpusCase& c = GetParam();
  const TReadResult<TColors> read = ReadSwatchColors(kSwatches + QString::fromLatin1(c.file));
  ASSERT_TRUE(read.Ok()) << read.Status.Message().toStdString();
  ASSERT_EQ(read.Value.size(), static_cast<std::size_t>(c.count));
  for (const TSample& s : c.samples) {
    SCOPED_TRACE(s.index);
    const TColorObjectFx& got = read.Value[static_cast<std::size_t>(s.index)];
    EXPECT_EQ(NameOf(got), QString::fromUtf8(s.name));
    EXPECT_TRUE(SameColor(got, Made(s.model, s.values))) << got.ValuesText();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Corpus, SwatchColorsCorpusTest,
    ::testing::Values(
        // Three groups, one per model; the Lab colours are spot colours with L stored as a fraction.
        TCorpusCase{"dagronf-palette_complex.ase", 21,
                    {{0, "GMX RGB / Black RGB", cmRGB, {0, 0, 0}},
                     {3, "GMX RGB / Hunter RGB", cmRGB, {0, 51, 10}},
                     {6, "GMX RGB / Text Green RGB", cmRGB, {44, 135, 29}},
                     {7, "GMX CMYK / Black CMYK", cmCMYK, {0, 0, 0, 100}},
                     {10, "GMX CMYK / Hunter CMYK", cmCMYK, {93, 24, 85, 68}},
                     {14, "GMX PANTONE / PANTONE Black 6 C", cmLAB, {8, -1, -7}},
                     {15, "GMX PANTONE / PANTONE 656 C", cmLAB, {91, -1, -5}},
                     {19, "GMX PANTONE / PANTONE 802 C", cmLAB, {76, -67, 66}}}},
        TCorpusCase{"dagronf-control.ase", 2,
                    {{0, "Simple / White", cmRGB, {255, 255, 255}}, {1, "Simple / Black", cmRGB, {0, 0, 0}}}},
        // The group is never closed.
        TCorpusCase{"dagronf-argyle-socks.ase", 5,
                    {{0, "argyle socks / #AEBB69", cmRGB, {0xAE, 0xBB, 0x69}},
                     {4, "argyle socks / #274406", cmRGB, {0x27, 0x44, 0x06}}}},
        TCorpusCase{"dagronf-24-colour-palettes.ase", 120,
                    {{0, "PB 3dmaneu chinese umbrellas / R=55 G=141 B=190", cmRGB, {55, 141, 190}},
                     {5, "PB 3dmaneu tulips / R=224 G=220 B=211", cmRGB, {224, 220, 211}},
                     {119, "PB tpsdave turkey / R=68 G=30 B=89", cmRGB, {68, 30, 89}}}},
        TCorpusCase{"dagronf-Big-Red-Barn.ase", 5,
                    {{0, "Brown", cmRGB, {91, 44, 42}}, {1, "Red", cmRGB, {150, 52, 48}}, {4, "blue", cmRGB, {46, 100, 153}}}},
        // Every name is empty: the colours are named by their hexadecimal texts.
        TCorpusCase{"dagronf-Raspberry.ase", 5,
                    {{0, "730517", cmRGB, {0x73, 0x05, 0x17}}, {4, "1E7069", cmRGB, {0x1E, 0x70, 0x69}}}},
        TCorpusCase{"dagronf-color-cubes.ase", 329, {{0, "color-cubes / #ffbfbf", cmRGB, {255, 191, 191}}}},
        TCorpusCase{"dagronf-wisteric-17.ase", 17, {{0, "c9dab8", cmRGB, {0xC9, 0xDA, 0xB8}}}},
        TCorpusCase{"dagronf-zenit-241.ase", 241, {{240, "121f17", cmRGB, {0x12, 0x1F, 0x17}}}},
        TCorpusCase{"gimp-data-Tango.gpl", 27,
                    {{0, "Butter 1", cmRGB, {252, 233, 79}}, {26, "Aluminium 6", cmRGB, {46, 52, 54}}}},
        // Most rows have no name.
        TCorpusCase{"gimp-data-Ega.gpl", 240,
                    {{0, "grey0", cmRGB, {0, 0, 0}}, {1, "A800A8", cmRGB, {168, 0, 168}}, {239, "grey33", cmRGB, {84, 84, 84}}}},
        // Two spaces before each name; unnamed rows further down.
        TCorpusCase{"inkscape-inkscape.gpl", 431,
                    {{0, "Black", cmRGB, {0, 0, 0}}, {1, "90% Gray", cmRGB, {26, 26, 26}},
                     {25, "Fuchsia (#FF00FF)", cmRGB, {255, 0, 255}}, {26, "2B0000", cmRGB, {43, 0, 0}},
                     {430, "E3DBDE", cmRGB, {227, 219, 222}}}},
        TCorpusCase{"inkscape-svg.gpl", 139, {{138, "rebeccapurple (#663399)", cmRGB, {102, 51, 153}}}},
        TCorpusCase{"solarized-solarized.gpl", 16,
                    {{0, "solarized-base03", cmRGB, {0, 43, 54}}, {15, "solarized-green", cmRGB, {133, 153, 0}}}},
        TCorpusCase{"hrbrmstr-base16.gpl", 16, {{15, "base0F", cmRGB, {188, 148, 88}}}},
        TCorpusCase{"behreajj-sampleReference.gpl", 14, {{3, "F27A2A", cmRGB, {242, 122, 42}}}}));

/// Files whose names spell each colour: hexadecimal texts (six digits, or three as in "#f99", repeats numbered as in "#000 2") or "R=.. G=.. B=..".
TEST(SwatchColorsCorpusNamesTest, EveryColourMatchesTheValuesItsNameSpells) {
  static const QRegularExpression hex(QStringLiteral("#?([0-9A-Fa-f]{6})\\)?$"));
  static const QRegularExpression shortHex(QStringLiteral("#([0-9A-Fa-f])([0-9A-Fa-f])([0-9A-Fa-f])( \\d+)?$"));
  static const QRegularExpression rgb(QStringLiteral("R=(\\d+) G=(\\d+) B=(\\d+)$"));
  for (const char* file : {"dagronf-argyle-socks.ase", "dagronf-color-cubes.ase", "dagronf-wisteric-17.ase",
                           "dagronf-zenit-241.ase", "dagronf-24-colour-palettes.ase", "inkscape-svg.gpl",
                           "behreajj-sampleReference.gpl"}) {
    SCOPED_TRACE(file);
    const TReadResult<TColors> read = ReadSwatchColors(kSwatches + QString::fromLatin1(file));
    ASSERT_TRUE(read.Ok());
    for (const TColorObjectFx& color : read.Value) {
      const QString name = NameOf(color);
      // Two names of that file disagree with their own colours (0.0745, 0.0745, 0.0157 is #131304).
      if (name.endsWith(u"#131344") || name.endsWith(u"#ffff1e")) continue;
      TRGBValues spelled{-1, -1, -1};
      if (const auto m = rgb.match(name); m.hasMatch()) {
        spelled = {m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()};
      } else if (const auto h = hex.match(name); h.hasMatch()) {
        spelled = ParseHexColor(h.captured(1).toStdString());
      } else if (const auto s = shortHex.match(name); s.hasMatch()) {
        spelled = ParseHexColor((s.captured(1).repeated(2) + s.captured(2).repeated(2) + s.captured(3).repeated(2)).toStdString());
      }
      EXPECT_EQ(color.GetRGB(), spelled) << name.toStdString();
    }
  }
}

TEST(SwatchColorsCorpusNamesTest, AnUnsupportedVersionSaysSo) {
  const TReadResult<TColors> read = ReadSwatchColors(kSwatches + QStringLiteral("dagronf-unsupported_version.ase"));
  EXPECT_FALSE(read.Ok());
  EXPECT_EQ(read.Status.Message(), QStringLiteral("Adobe Swatch Exchange version 0.1 is not supported; only version 1.0 is."));
  EXPECT_TRUE(read.Value.empty());
}

TEST(SwatchColorsTest, FormatsFollowTheExtensionInAnyCase) {
  EXPECT_EQ(SwatchFormatForPath("a.GPL"), TSwatchFormat::Gpl);
  EXPECT_EQ(SwatchFormatForPath("/x.y/a.Ase"), TSwatchFormat::Ase);
  EXPECT_EQ(SwatchFormatForPath("a.aco"), TSwatchFormat::Aco);
  EXPECT_EQ(SwatchFormatForPath("a.act"), TSwatchFormat::Act);
  EXPECT_EQ(SwatchFormatForPath("a.tnp"), TSwatchFormat::None);
  EXPECT_EQ(SwatchFormatForPath("gpl"), TSwatchFormat::None);
  QTemporaryDir dir;
  EXPECT_EQ(ReadSwatchColors(dir.filePath("a.gpl")).Status.MessageKey(), QStringLiteral("sFileNotFound"));
  EXPECT_EQ(ReadSwatchColors(dir.filePath("a.txt")).Status.MessageKey(), QStringLiteral("sCantOpen"));
}

/// Every readable corpus palette, written by both writers and read again: names and RGB values unchanged.
TEST(SwatchColorsRoundTripTest, CorpusFilesSurviveBothWriters) {
  QTemporaryDir dir;
  const QStringList files =
      QDir(kSwatches).entryList({QStringLiteral("*.gpl"), QStringLiteral("*.ase"), QStringLiteral("*.aco")}, QDir::Files);
  int checked = 0;
  for (const QString& file : files) {
    const TReadResult<TColors> original = ReadSwatchColors(kSwatches + file);
    if (!original.Ok()) continue;  // the unsupported version
    for (const QString& written : {dir.filePath(file + QStringLiteral(".gpl")), dir.filePath(file + QStringLiteral(".ase"))}) {
      SCOPED_TRACE(written.toStdString());
      const TFileResult result = written.endsWith(u".gpl") ? WriteGplFile(written, original.Value)
                                                          : WriteAseFile(written, original.Value);
      ASSERT_TRUE(result.Ok());
      const TReadResult<TColors> again = ReadSwatchColors(written);
      ASSERT_TRUE(again.Ok()) << again.Status.Message().toStdString();
      ASSERT_EQ(again.Value.size(), original.Value.size());
      for (std::size_t i = 0; i < again.Value.size(); ++i) {
        ASSERT_EQ(again.Value[i].GetRGB(), original.Value[i].GetRGB()) << i;
        ASSERT_EQ(NameOf(again.Value[i]), NameOf(original.Value[i])) << i;
      }
      ++checked;
    }
  }
  EXPECT_GE(checked, 2 * 30);
}

}  // namespace
}  // namespace tintorium
