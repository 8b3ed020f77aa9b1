// The exports for code (CSS custom properties, SCSS variables, Design Tokens) and the Design Tokens reader: exact
// text, names that stay valid and unique, JSON a real parser reads, and every colour read back as written.
#include "core/ColorText.h"
#include "engine/formats/CodeExportWriters.h"
#include "engine/formats/DesignTokensFile.h"
#include "engine/formats/ExportRules.h"
#include "engine/formats/ImportRules.h"
#include "engine/qtcolor/ShownColor.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <random>

namespace tintorium {
namespace {

TColorObjectFx Rgb(int r, int g, int b, const char16_t* name) {
  TColorObjectFx color;
  color.SetRGB({r, g, b});
  color.SetName(name);
  return color;
}

const TColors& Awkward() {
  static const TColors colors{Rgb(255, 128, 0, u"Sea & Sky"), Rgb(0, 0, 255, u"sea_sky"),
                              Rgb(0, 255, 0, u"00FF00"),      Rgb(1, 2, 3, u""),
                              Rgb(10, 20, 30, u"Gr\u00FCn"),  Rgb(0, 0, 0, u"$a.b{c}"),
                              Rgb(9, 9, 9, u"\"q\"\\\n"),     Rgb(0, 0, 1, u"Sea & Sky"),
                              Rgb(255, 0, 0, u""),            Rgb(0xab, 0xcd, 0xef, u"!?")};
  return colors;
}

TEST(CodeExport, NamesAreValidAndUnique) {
  EXPECT_EQ(CodeVariableNames(Awkward()),
            (QStringList{"sea-sky", "sea-sky-2", "color-00ff00", "color-010203", "gr\u00FCn", "a-b-c", "q",
                         "sea-sky-3", "color-ff0000", "color-abcdef"}));
  EXPECT_EQ(DesignTokenNames(Awkward()),
            (QStringList{"Sea & Sky", "sea_sky", "00FF00", "010203", "Gr\u00FCn", "a-b-c-", "\"q\"\\\n",
                         "Sea & Sky 2", "FF0000", "!?"}));
}

struct TTextCase {
  const char* name;
  QByteArray (*text)(const TColors&, TCodeNotation);
  TCodeNotation notation;
  QByteArray expected;
};

class CodeExportTextTest : public ::testing::TestWithParam<TTextCase> {};

TEST_P(CodeExportTextTest, WritesExactly) {
  const TColors colors{Rgb(255, 128, 0, u"Accent"), Rgb(102, 51, 153, u"Accent")};
  EXPECT_EQ(GetParam().text(colors, GetParam().notation), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, CodeExportTextTest,
    ::testing::Values(
        TTextCase{"CssHex", CssVariablesText, TCodeNotation::Hex,
                  ":root {\n  --accent: #ff8000;\n  --accent-2: #663399;\n}\n"},
        TTextCase{"CssRgb", CssVariablesText, TCodeNotation::Rgb,
                  ":root {\n  --accent: rgb(255 128 0);\n  --accent-2: rgb(102 51 153);\n}\n"},
        TTextCase{"ScssOklch", ScssVariablesText, TCodeNotation::Oklch,
                  "$accent: oklch(0.73189 0.1858 52.98);\n$accent-2: oklch(0.44027 0.1603 303.37);\n"},
        TTextCase{"TokensHex", DesignTokensText, TCodeNotation::Hex,
                  "{\n  \"Accent\": {\n    \"$type\": \"color\",\n    \"$value\": \"#ff8000\"\n  },\n"
                  "  \"Accent 2\": {\n    \"$type\": \"color\",\n    \"$value\": \"#663399\"\n  }\n}\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CodeExport, EmptyLists) {
  EXPECT_EQ(CssVariablesText({}, TCodeNotation::Hex), QByteArray(":root {\n}\n"));
  EXPECT_TRUE(ScssVariablesText({}, TCodeNotation::Hex).isEmpty());
  EXPECT_EQ(DesignTokensText({}, TCodeNotation::Hex), QByteArray("{\n}\n"));
}

TColors RandomColors(int count) {
  std::mt19937 random(20261210);
  std::uniform_int_distribution<int> channel(0, 255);
  TColors colors;
  for (int i = 0; i < count; ++i) {
    const TColorObjectFx& named = Awkward()[static_cast<std::size_t>(i) % Awkward().size()];
    colors.push_back(Rgb(channel(random), channel(random), channel(random), named.Name().c_str()));
  }
  return colors;
}

int Distance(const TRGBValues& a, const TRGBValues& b) {
  return std::max({std::abs(a.R - b.R), std::abs(a.G - b.G), std::abs(a.B - b.B)});
}

// Each notation's file read back: tokens by our reader, variables by the all-notations scanner.
TEST(CodeExport, EveryColourReadsBack) {
  const TColors colors = RandomColors(300);
  const QStringList tokenNames = DesignTokenNames(colors);
  const QStringList variableNames = CodeVariableNames(colors);
  QTemporaryDir dir;
  for (const TCodeNotation notation : CodeNotations) {
    SCOPED_TRACE(std::string(CodeNotationName(notation)));
    // oklch() is written with rounded decimals, which may move a channel by one.
    const int tolerance = notation == TCodeNotation::Oklch ? 1 : 0;
    const QString tokens = dir.filePath(QStringLiteral("palette.tokens.json"));
    ASSERT_TRUE(WriteDesignTokensFile(tokens, colors, notation).Ok());
    const TReadResult<TColors> read = ReadDesignTokensFile(tokens);
    ASSERT_TRUE(read.Ok());
    ASSERT_EQ(read.Value.size(), colors.size());
    for (std::size_t i = 0; i < colors.size(); ++i) {
      EXPECT_EQ(QString::fromStdU16String(read.Value[i].Name()), tokenNames[static_cast<qsizetype>(i)]);
      EXPECT_LE(Distance(read.Value[i].GetRGB(), ShownRGB(colors[i])), tolerance) << i;
    }
    TImportOptions options;
    options.AllNotations = true;
    for (const char* file : {"palette.css", "palette.scss"}) {
      const QString path = dir.filePath(QLatin1String(file));
      const TFileResult written = QString::fromLatin1(file).endsWith(u"scss")
                                      ? WriteScssFile(path, colors, notation)
                                      : WriteCssVariablesFile(path, colors, notation);
      ASSERT_TRUE(written.Ok());
      const TReadResult<QList<TImportRow>> rows = ImportFileRows(path, options);
      ASSERT_TRUE(rows.Ok());
      ASSERT_EQ(rows.Value.size(), static_cast<qsizetype>(colors.size())) << file;
      for (qsizetype i = 0; i < rows.Value.size(); ++i) {
        EXPECT_EQ(rows.Value[i].Caption, variableNames[i]) << file;
        const TRGBValues back = ParseHexColor(rows.Value[i].Hex.toStdString());
        EXPECT_LE(Distance(back, ShownRGB(colors[static_cast<std::size_t>(i)])), tolerance) << file << ' ' << i;
      }
    }
  }
}

// A real JSON parser, apart from Qt's, takes the file as it is.
TEST(CodeExport, DesignTokensAreJsonForPython) {
  const QString python = QStandardPaths::findExecutable(QStringLiteral("python3"));
  if (python.isEmpty()) GTEST_SKIP() << "python3 is not installed";
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("awkward.tokens.json"));
  ASSERT_TRUE(WriteDesignTokensFile(path, Awkward(), TCodeNotation::Rgb).Ok());
  QProcess process;
  process.start(python, {QStringLiteral("-c"),
                         QStringLiteral("import json,sys; d=json.load(open(sys.argv[1],encoding='utf-8')); "
                                        "print(len(d), d['Gr\\u00fcn']['$value'], d['\"q\"\\\\\\n']['$type'])"),
                         path});
  ASSERT_TRUE(process.waitForFinished(30000));
  EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
  EXPECT_EQ(process.readAllStandardOutput().trimmed(), QByteArray("10 rgb(10 20 30) color"));
}

struct TTokensCase {
  const char* name;
  const char* json;
  std::vector<std::pair<std::u16string, TRGBValues>> expected;
};

class DesignTokensReadTest : public ::testing::TestWithParam<TTokensCase> {};

TEST_P(DesignTokensReadTest, ReadsTheColourTokens) {
  const TReadResult<TColors> read = ParseDesignTokens(GetParam().json);
  ASSERT_TRUE(read.Ok());
  std::vector<std::pair<std::u16string, TRGBValues>> found;
  for (const TColorObjectFx& color : read.Value) found.emplace_back(color.Name(), color.GetRGB());
  EXPECT_EQ(found, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Documents, DesignTokensReadTest,
    ::testing::Values(
        TTokensCase{"DocumentOrderKept", R"j({"z":{"$type":"color","$value":"red"},"a":{"$value":"#00f"}})j",
                    {{u"z", {255, 0, 0}}, {u"a", {0, 0, 255}}}},
        TTokensCase{"NestedGroupsAndInheritedType",
                    R"j({"brand":{"$type":"color","main":{"$value":"rgb(1 2 3)"},"deep":{"x":{"$value":"lime"}}},
                        "space":{"$type":"dimension","s":{"$value":"4px"}},"w":{"$value":"white"}})j",
                    {{u"brand / main", {1, 2, 3}}, {u"brand / deep / x", {0, 255, 0}}, {u"w", {255, 255, 255}}}},
        TTokensCase{"ObjectForm",
                    R"j({"a":{"$type":"color","$value":{"colorSpace":"srgb","components":[1,0.5,"none"],"alpha":1}},
                        "b":{"$type":"color","$value":{"colorSpace":"display-p3","components":[1,0,0],"hex":"#ff0000"}},
                        "c":{"$type":"color","$value":{"colorSpace":"srgb","components":[2,-1,1e300]}}})j",
                    {{u"a", {255, 128, 0}}, {u"b", {255, 0, 0}}, {u"c", {255, 0, 255}}}},
        TTokensCase{"SkipsWhatIsNoColour",
                    R"j({"alias":{"$type":"color","$value":"{brand.main}"},"n":{"$value":12},"t":{"$type":"font",
                        "$value":"red"},"$description":"x","list":[{"$value":"red"}],"s":"red"})j",
                    {}},
        TTokensCase{"EscapedKeys", R"j({"a\"b\u00fc":{"$value":"#010203"}})j", {{u"a\"b\u00FC", {1, 2, 3}}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DesignTokensRead, BadAndHostileDocuments) {
  for (const char* bad : {"", "[]", "{", "{\"a\":}", "\"x\"", "{\"a\":{\"$value\":\"red\"}"}) {
    EXPECT_FALSE(ParseDesignTokens(bad).Ok()) << bad;
  }
  // Deep nesting: refused by the JSON parser or cut at the depth limit, never a crash.
  const QByteArray deep = QByteArray("{\"g\":").repeated(5000) + "{\"$value\":\"red\"}" + QByteArray(5000, '}');
  EXPECT_TRUE(ParseDesignTokens(deep).Value.empty());
  QByteArray nested;
  for (int i = 0; i < 70; ++i) nested += "{\"g\":";
  nested += "{\"$value\":\"red\"}" + QByteArray(70, '}');
  const TReadResult<TColors> cut = ParseDesignTokens(nested);
  EXPECT_TRUE(cut.Ok());
  EXPECT_TRUE(cut.Value.empty());

  QTemporaryDir dir;
  EXPECT_EQ(ReadDesignTokensFile(dir.filePath(QStringLiteral("none.tokens.json"))).Status.Message(),
            QStringLiteral("File not found"));
  const QString huge = dir.filePath(QStringLiteral("huge.tokens.json"));
  QFile file(huge);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  ASSERT_TRUE(file.resize(kMaxDesignTokensBytes + 1));
  file.close();
  EXPECT_EQ(ReadDesignTokensFile(huge).Status.Message(), QStringLiteral("Could not read file!"));
}

TEST(CodeExportRules, TheExtensionAndTheOptionsChooseTheWriter) {
  TExportOptions variables;
  variables.CssVariables = true;
  const struct {
    const char* path;
    bool cssVariables;
    TExportWriter writer;
  } cases[] = {{"a.css", false, TExportWriter::Css},
               {"a.CSS", true, TExportWriter::CssVariables},
               {"a.scss", false, TExportWriter::Scss},
               {"a.Tokens.JSON", false, TExportWriter::DesignTokens},
               {"a.json", false, TExportWriter::None},
               {"tokens.json", false, TExportWriter::None},
               {"a.scss", true, TExportWriter::Scss}};
  for (const auto& c : cases) {
    EXPECT_EQ(ExportWriterFor(QString::fromLatin1(c.path), c.cssVariables ? variables : TExportOptions{}), c.writer)
        << c.path;
  }
  EXPECT_EQ(ImportSourceForPath(QStringLiteral("x.tokens.json")), TImportSource::DesignTokens);
  EXPECT_EQ(ImportSourceForPath(QStringLiteral("x.SCSS")), TImportSource::Scss);
  EXPECT_EQ(ImportSourceForPath(QStringLiteral("x.json")), TImportSource::None);

  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("out.css"));
  TExportOptions oklch = variables;
  oklch.Notation = TCodeNotation::Oklch;
  ASSERT_EQ(ExportColors(path, {Rgb(255, 255, 255, u"Paper")}, oklch).Outcome, TExportOutcome::Written);
  QFile written(path);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_EQ(written.readAll(), QByteArray(":root {\n  --paper: oklch(1 0 0);\n}\n"));
}

// The import option: off, only "#" colours anywhere; on, every notation in values with property names.
TEST(CodeExportRules, AllNotationsIsAnImportOption) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("page.css"));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("/* #abc */ .x { color: red; --brand: rgb(0 0 255); b: #FFF; }");
  file.close();
  const TReadResult<QList<TImportRow>> hashOnly = ImportFileRows(path, {});
  ASSERT_TRUE(hashOnly.Ok());
  EXPECT_EQ(hashOnly.Value, (QList<TImportRow>{{"aabbcc", "aabbcc"}, {"FFFFFF", "FFFFFF"}}));
  TImportOptions all;
  all.AllNotations = true;
  const TReadResult<QList<TImportRow>> every = ImportFileRows(path, all);
  ASSERT_TRUE(every.Ok());
  EXPECT_EQ(every.Value, (QList<TImportRow>{{"FF0000", "FF0000"}, {"brand", "0000FF"}, {"FFFFFF", "FFFFFF"}}));
}

}  // namespace
}  // namespace tintorium
