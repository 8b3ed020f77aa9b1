// The exports of tonal scales: names that stay valid and unique, the exact shape of each form, the tokens read back
// by our own Design Tokens reader as the same colours, and the export wizard's scale types writing their files.
#include "core/ColorModels.h"
#include "core/CssColorFormat.h"
#include "core/TonalScale.h"
#include "engine/formats/DesignTokensFile.h"
#include "engine/formats/ExportRules.h"
#include "engine/formats/ScaleExportWriters.h"
#include "engine/qtcolor/ShownColor.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace tintorium {
namespace {

TColorObjectFx Rgb(int r, int g, int b, const char16_t* name) {
  TColorObjectFx color;
  color.SetRGB({r, g, b});
  color.SetName(name);
  return color;
}

TEST(ScaleExport, VariableNamesStayValid) {
  const struct {
    const char* scale;
    const char* step;
    const char* name;
  } cases[] = {
      {"primary", "500", "primary-500"},   {"Brand Blue", "50", "brand-blue-50"}, {"", "900", "scale-900"},
      {"2nd", "100", "color-2nd-100"},     {"$a.b{c}", "A.5", "a-b-c-a-5"},      {"Grün", "0", "grün-0"},
      {"--x--", "", "x"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ScaleColorName(QString::fromUtf8(c.scale), c.step), QString::fromUtf8(c.name)) << c.scale;
}

TEST(ScaleExport, EachFormHasItsShapeAndScalesWithErrorsAreLeftOut) {
  TScaleOptions options;
  options.Steps = {"100", "500", "900"};
  const TTonalScale blue = MakeTonalScale(0xF6823B, options);
  ASSERT_TRUE(blue.Ok());
  TScaleOptions bad = options;
  bad.Targets = {2, 0.5, 0.1};
  const TTonalScale broken = MakeTonalScale(0xF6823B, bad);
  ASSERT_FALSE(broken.Ok());
  const std::vector<TNamedScale> scales{{"Brand", blue}, {"skipped", broken}, {"brand", blue}};
  const QByteArray css = ScaleExportText(scales, TScaleExportForm::CssVariables, TCodeNotation::Hex);
  EXPECT_EQ(css,
            ":root {\n  --brand-100: #" + QByteArray(FormatCssColor(blue.Swatches[0].Color, TCssForm::Hex).c_str() + 1) +
                ";\n  --brand-500: #3b82f6;\n  --brand-900: " +
                QByteArray(FormatCssColor(blue.Swatches[2].Color, TCssForm::Hex).c_str()) +
                ";\n  --brand-2-100: " + QByteArray(FormatCssColor(blue.Swatches[0].Color, TCssForm::Hex).c_str()) +
                ";\n  --brand-2-500: #3b82f6;\n  --brand-2-900: " +
                QByteArray(FormatCssColor(blue.Swatches[2].Color, TCssForm::Hex).c_str()) + ";\n}\n");
  const QByteArray scss = ScaleExportText(scales, TScaleExportForm::Scss, TCodeNotation::Rgb);
  EXPECT_TRUE(scss.startsWith("$brand-100: rgb(")) << scss.constData();
  EXPECT_TRUE(scss.contains("$brand-500: rgb(59 130 246);\n")) << scss.constData();
  EXPECT_EQ(scss.count('\n'), 6);
  const QByteArray theme = ScaleExportText(scales, TScaleExportForm::Theme, TCodeNotation::Oklch);
  EXPECT_TRUE(theme.startsWith("@theme {\n  --color-brand-100: oklch(")) << theme.constData();
  EXPECT_TRUE(theme.endsWith(";\n}\n"));
  EXPECT_FALSE(theme.contains("skipped"));
  EXPECT_EQ(ScaleExportText({}, TScaleExportForm::Theme, TCodeNotation::Hex), QByteArray("@theme {\n}\n"));
}

TEST(ScaleExport, TokensReadBackAsTheSameColoursInAGroupPerScale) {
  const TColors colors{Rgb(59, 130, 246, u"Primary"), Rgb(128, 128, 128, u""), Rgb(220, 38, 38, u"a.b \"x\"")};
  TScaleOptions options;
  options.Steps = ToneScaleSteps();
  options.Numbering = TStepNumbering::Tones;
  const std::vector<TNamedScale> scales = ScalesOfColors(colors, options);
  ASSERT_EQ(scales.size(), 3u);
  EXPECT_EQ(scales[1].Name, QStringLiteral("808080"));
  for (const TCodeNotation notation : CodeNotations) {
    const QByteArray json = ScaleExportText(scales, TScaleExportForm::DesignTokens, notation);
    const TReadResult<TColors> read = ParseDesignTokens(json);
    ASSERT_TRUE(read.Ok()) << json.constData();
    ASSERT_EQ(read.Value.size(), 33u);
    const QString groups[] = {"Primary", "808080", "a-b \"x\""};
    for (std::size_t s = 0; s < 3; ++s) {
      for (std::size_t i = 0; i < 11; ++i) {
        const TColorObjectFx& token = read.Value[s * 11 + i];
        const TScaleSwatch& swatch = scales[s].Scale.Swatches[i];
        EXPECT_EQ(QString::fromStdU16String(token.Name()),
                  groups[s] + QStringLiteral(" / ") + QString::fromStdString(swatch.Name));
        EXPECT_EQ(RGBValuesToColor(ShownRGB(token)), swatch.Color) << s << " " << i;
      }
    }
  }
}

TEST(ScaleExport, TheWizardsScaleTypesWriteTheirForms) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const TColors colors{Rgb(59, 130, 246, u"Primary"), Rgb(22, 163, 74, u"Accent")};
  const struct {
    TExportWriter writer;
    const char* file;
    const char* starts;
  } cases[] = {{TExportWriter::ScaleCss, "a.css", ":root {\n  --primary-50: "},
               {TExportWriter::ScaleScss, "a.scss", "$primary-50: "},
               {TExportWriter::ScaleTokens, "a.tokens.json", "{\n  \"Primary\": {\n    \"50\": {"},
               {TExportWriter::ScaleTheme, "b.css", "@theme {\n  --color-primary-50: oklch("}};
  for (const auto& c : cases) {
    const TExportType* type = nullptr;
    for (const TExportType& t : ExportTypes())
      if (t.Writer == c.writer) type = &t;
    ASSERT_NE(type, nullptr) << c.file;
    EXPECT_EQ(type->Options, TExportOptionsKind::CodeNotation);
    TExportOptions options;
    ApplyExportType(*type, options);
    options.Notation = c.writer == TExportWriter::ScaleTheme ? TCodeNotation::Oklch : TCodeNotation::Hex;
    const QString path = dir.filePath(QString::fromLatin1(c.file));
    const TExportResult result = ExportColors(path, colors, options);
    ASSERT_EQ(result.Outcome, TExportOutcome::Written) << c.file;
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.startsWith(c.starts)) << text.constData();
    EXPECT_TRUE(text.contains("ccent")) << "every colour has its scale: " << text.constData();
  }
  // Without the type chosen, a .css file is written as before.
  EXPECT_EQ(ExportWriterFor(QStringLiteral("a.css"), TExportOptions()), TExportWriter::Css);
}

}  // namespace
}  // namespace tintorium
