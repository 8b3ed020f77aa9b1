// The all-notations colour scanner: where a colour counts, how HTML carries CSS, block ends, encodings and
// hostile text. Whether it finds what a real CSS parser finds is checked against css-tree (CssScanAgainstCssTree).
#include "engine/web/CssColorStream.h"

#include "core/ColorModels.h"
#include "core/ColorText.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace tintorium {
namespace {

// "RRGGBB property" per colour, the form the cases are written in.
std::vector<std::string> Described(const std::vector<TCssColorMatch>& found) {
  std::vector<std::string> out;
  for (const TCssColorMatch& match : found) out.push_back(HexText(ColorToRGBValues(match.Color)) + ' ' + match.Property);
  return out;
}

std::vector<std::string> Scan(const QByteArray& text, TCssSource source) {
  return Described(ScanCssColorsInBytes(text, source));
}

struct TScanCase {
  const char* name;
  TCssSource source;
  const char* text;
  std::vector<std::string> expected;
};

class CssColorScanTest : public ::testing::TestWithParam<TScanCase> {};

TEST_P(CssColorScanTest, FindsTheColoursOfPropertyValues) {
  EXPECT_EQ(Scan(GetParam().text, GetParam().source), GetParam().expected) << GetParam().text;
}

constexpr TCssSource kSheet = TCssSource::StyleSheet;
constexpr TCssSource kScss = TCssSource::Scss;
constexpr TCssSource kHtml = TCssSource::Html;

INSTANTIATE_TEST_SUITE_P(
    Texts, CssColorScanTest,
    ::testing::Values(
        TScanCase{"HexForms", kSheet, "a{b:#f80;c:#F808;d:#ff8800;e:#FF880080}",
                  {"FF8800 b", "FF8800 c", "FF8800 d", "FF8800 e"}},
        TScanCase{"HexOfOtherLengthsOrDigits", kSheet, "a{b:#ff #fffff #fffffff #ggg #-1}", {}},
        TScanCase{"CommaAndSpaceSyntax", kSheet,
                  "a{b:rgb(255,128,0);c:rgb(255 128 0/50%);d:hsla(30deg,100%,50%,.5);e:HSL(0.5turn 100% 50%)}",
                  {"FF8000 b", "FF8000 c", "FF8000 d", "00FFFF e"}},
        TScanCase{"NamedColoursAsWholeWords", kSheet, "a{b:RED redish dark-red -red red-1 10red Navy}",
                  {"FF0000 b", "000080 b"}},
        TScanCase{"NotKeywordsThatAreNoNamedColour", kSheet, "a{b:currentcolor transparent canvas}", {}},
        TScanCase{"NotInSelectorsCommentsOrStrings", kSheet,
                  "/* #fff red */ red, .red, #red, #fff, [x=red] { content: \"#fff red\" '#abc'; c: url(#fff) }", {}},
        TScanCase{"FunctionNamesAreNoNamedColours", kSheet, "a{b:red(1) tan(45deg)}", {}},
        TScanCase{"InvalidColourFunctionYieldsWhatItHolds", kSheet,
                  "a{b:rgb(red);c:color-mix(in srgb, teal 40%, #000);d:rgb(1 2)}",
                  {"FF0000 b", "008080 c", "000000 c"}},
        TScanCase{"ValidFunctionHidesItsInside", kSheet, "a{b:color(srgb 1 0 0)}", {"FF0000 b"}},
        TScanCase{"CommentInsideAFunction", kSheet, "a{b:rgb(255/**/0/* x */0)}", {"FF0000 b"}},
        TScanCase{"BrokenDeclarationYieldsNothing", kSheet, "a{b:red .x;c:red ) ;d:red: ;e:red ?;f:blue}",
                  {"0000FF f"}},
        TScanCase{"BrokenStringEndsAtTheLine", kSheet, "a{b:red \"open\n;c:blue}", {"0000FF c"}},
        TScanCase{"ImportantEndsTheColours", kSheet, "a{b:red !important;c:blue ! green}", {"FF0000 b", "0000FF c"}},
        TScanCase{"UnclosedFunctionSwallowsTheRest", kSheet, "a{b:red rgb(1 2 3; c: blue} d{e:lime}", {}},
        TScanCase{"UnclosedAtTheEndIsClosedByIt", kSheet, "a{b:red rgb(1 2 3", {"FF0000 b", "010203 b"}},
        TScanCase{"DeclarationWithoutSemicolonAtTheEnd", kSheet, "a{b:olive", {"808000 b"}},
        TScanCase{"AtRules", kSheet,
                  "@media (color){a{b:red}} @font-face{c:blue} @-webkit-keyframes k{from{d:lime}} @import \"#fff\";",
                  {"FF0000 b", "0000FF c", "00FF00 d"}},
        TScanCase{"CustomProperties", kSheet, "a{--x:red;--Brand-Blue:#00f}", {"FF0000 --x", "0000FF --Brand-Blue"}},
        TScanCase{"TopLevelIsNoDeclaration", kSheet, "$x: red; b: blue; a{c:lime}", {"00FF00 c"}},
        TScanCase{"ScssVariablesNestingAndLineComments", kScss,
                  "// red\n$brand: #abc; // blue\na { b: c; d:hover { e: olive } }",
                  {"AABBCC $brand", "808000 e"}},
        TScanCase{"StyleElementsAndAttributes", kHtml,
                  "<style>a{b:red}</StyLe><p style=\"c:blue\" class=red title='d:lime'>red</p><i style=e:navy>",
                  {"FF0000 b", "0000FF c", "000080 e"}},
        TScanCase{"StyleEndsAtItsEndTag", kHtml, "<style>a{b:red</style><style>c{d:blue", {"FF0000 b", "0000FF d"}},
        TScanCase{"ScriptsAndCommentsAreSkipped", kHtml,
                  "<!-- <style>a{b:red}</style> --><script>x='<style>a{b:red}</style>'</script><p style=\"c:#fff\">",
                  {"FFFFFF c"}},
        TScanCase{"AttributeOfAnotherName", kHtml, "<p data-style=\"b:red\" styles=\"c:red\">", {}},
        TScanCase{"Empty", kSheet, "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

// The colours of a stream fed in the given blocks.
std::vector<std::string> StreamScan(const QByteArray& bytes, const std::vector<qsizetype>& cuts, TCssSource source) {
  std::vector<TCssColorMatch> found;
  TCssColorStream stream([&found](const TCssColorMatch& match) { found.push_back(match); }, source);
  qsizetype from = 0;
  for (const qsizetype cut : cuts) {
    stream.Feed(QByteArrayView(bytes).sliced(from, cut - from));
    from = cut;
  }
  stream.Feed(QByteArrayView(bytes).sliced(from));
  stream.Finish();
  return Described(found);
}

QByteArray Utf16(std::u16string_view text, bool littleEndian) {
  QByteArray bytes(littleEndian ? "\xFF\xFE" : "\xFE\xFF", 2);
  for (const char16_t c : text) {
    const char lo = static_cast<char>(c & 0xFF);
    const char hi = static_cast<char>(c >> 8);
    bytes.append(littleEndian ? lo : hi).append(littleEndian ? hi : lo);
  }
  return bytes;
}

struct TBoundaryCase {
  const char* name;
  TCssSource source;
  QByteArray bytes;
  std::vector<std::string> expected;
};

class CssStreamBoundaryTest : public ::testing::TestWithParam<TBoundaryCase> {};

// Every offset of one block end, then every block size from 1 byte: each colour is found once, none is added.
TEST_P(CssStreamBoundaryTest, AColourCutByABlockEndIsFoundOnce) {
  const TBoundaryCase& c = GetParam();
  ASSERT_EQ(Scan(c.bytes, c.source), c.expected);
  for (qsizetype cut = 0; cut <= c.bytes.size(); ++cut) {
    EXPECT_EQ(StreamScan(c.bytes, {cut}, c.source), c.expected) << "block end at " << cut;
  }
  for (qsizetype block = 1; block <= 9; ++block) {
    std::vector<qsizetype> cuts;
    for (qsizetype cut = block; cut < c.bytes.size(); cut += block) cuts.push_back(cut);
    EXPECT_EQ(StreamScan(c.bytes, cuts, c.source), c.expected) << "blocks of " << block;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Notations, CssStreamBoundaryTest,
    ::testing::Values(
        TBoundaryCase{"EveryKind", kSheet, "a{b:#C0FFEE rgb(1 2 3) navy;/* red */c:oklch(70% 0.1 30)}",
                      {"C0FFEE b", "010203 b", "000080 b", "D58679 c"}},
        TBoundaryCase{"Html", kHtml, "<style>a{b:red}</style><p style='c:hsl(240 100% 50%)'>", {"FF0000 b", "0000FF c"}},
        TBoundaryCase{"Utf8Mark", kSheet, "\xEF\xBB\xBF\xC3\xA9{--gr\xC3\xBCn:red}", {"FF0000 --gr\xC3\xBCn"}},
        TBoundaryCase{"Utf16LittleEndian", kSheet, Utf16(u"a{--gr\u00FCn:lab(50 20 30)}", true),
                      {"A16945 --gr\xC3\xBCn"}},
        TBoundaryCase{"Utf16BigEndian", kHtml, Utf16(u"<p style=\"\u20AC:#abc\">", false), {"AABBCC \xE2\x82\xAC"}},
        // Without a mark a name that is no UTF-8 is Latin-1.
        TBoundaryCase{"Latin1Name", kSheet, "a{--gr\xFCn:red}", {"FF0000 --gr\xC3\xBCn"}}),
    [](const auto& info) { return std::string(info.param.name); });

// What a hostile text could make the scanner hold is bounded, and it still reads on.
TEST(CssColorScanner, HostileTextsStayBounded) {
  // A colour function longer than the cap is no colour; what follows it still counts.
  const QByteArray padded = "a{b:rgb(1" + QByteArray(600, ' ') + "2 3);c:red}";
  EXPECT_EQ(Scan(padded, kSheet), (std::vector<std::string>{"FF0000 c"}));
  const QByteArray nested = "a{b:" + QByteArray(100000, '(') + "red" + QByteArray(100000, ')') + ";c:blue}";
  EXPECT_EQ(Scan(nested, kSheet), (std::vector<std::string>{"FF0000 b", "0000FF c"}));
  const QByteArray blocks = QByteArray(100000, '{') + "a:red" + QByteArray(100000, '}') + "x{b:blue}";
  EXPECT_EQ(Scan(blocks, kSheet), (std::vector<std::string>{"FF0000 a", "0000FF b"}));
  const QByteArray functions = "a{b:" + QByteArray("rgb(").repeated(50000) + "1 2 3" + QByteArray(50000, ')') + "}";
  EXPECT_EQ(Scan(functions, kSheet), std::vector<std::string>{});
  const QByteArray manyColors = "a{b:" + QByteArray("red ").repeated(3000) + "}";
  EXPECT_EQ(Scan(manyColors, kSheet).size(), 3000U);
  EXPECT_EQ(Scan("a{b:" + QByteArray(100000, 'x') + " red}", kSheet), (std::vector<std::string>{"FF0000 b"}));
}

// The file scan in small blocks finds what the whole file holds, in every real page and the notation file.
TEST(ScanCssColorsFile, SmallBlocksFindWhatTheWholeFileHolds) {
  QStringList paths{QStringLiteral(TINTORIUM_TEST_DATA "/interchange/css-notations.css"),
                    QStringLiteral(TINTORIUM_TEST_DATA "/interchange/css-notations.html")};
  for (const QString& name : QDir(QStringLiteral(TINTORIUM_CORPUS "/web")).entryList({"*.css", "*.html"})) {
    paths.append(QStringLiteral(TINTORIUM_CORPUS "/web/") + name);
  }
  for (const QString& path : paths) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    const std::vector<std::string> whole = Scan(file.readAll(), CssSourceForPath(path));
    EXPECT_FALSE(whole.empty()) << path.toStdString();
    for (const qsizetype blockSize : {file.size() < 100000 ? 1 : 5, 7, 4096}) {
      std::vector<TCssColorMatch> found;
      const TFileResult status =
          ScanCssColorsFile(path, [&found](const TCssColorMatch& match) { found.push_back(match); }, blockSize);
      ASSERT_TRUE(status.Ok()) << path.toStdString();
      EXPECT_EQ(Described(found), whole) << path.toStdString() << " in blocks of " << blockSize;
    }
  }
}

TEST(ScanCssColorsFile, MissingFileIsEmptyAndAFolderFails) {
  int calls = 0;
  const auto count = [&calls](const TCssColorMatch&) { ++calls; };
  EXPECT_TRUE(ScanCssColorsFile(QStringLiteral("/nonexistent/page.css"), count).Ok());
  QTemporaryDir dir;
  const QString folder = dir.filePath(QStringLiteral("looks-like.css"));
  ASSERT_TRUE(QDir().mkdir(folder));
  const TFileResult status = ScanCssColorsFile(folder, count);
  EXPECT_FALSE(status.Ok());
  EXPECT_EQ(status.Message(), QStringLiteral("Could not read file!"));
  EXPECT_EQ(calls, 0);
}

}  // namespace
}  // namespace tintorium
