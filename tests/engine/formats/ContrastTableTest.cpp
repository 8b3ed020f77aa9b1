// The palette contrast table and its writers: which pairs are listed, names that would break a format (commas,
// quotes, pipes, markup, line breaks), the JSON read back against the matrix figures, and oversized input.
#include "engine/formats/ContrastTable.h"

#include "core/Contrast.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace tintorium {
namespace {

constexpr TColor Rgb(int r, int g, int b) {
  return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}

std::vector<TContrastTableColor> OddNames() {
  return {{QStringLiteral("Ink, \"dark\""), Rgb(0, 0, 0)},
          {QStringLiteral("Paper|white <b>&amp;</b>"), Rgb(255, 255, 255)},
          {QStringLiteral("Two\nlines"), Rgb(0x77, 0x77, 0x77)}};
}

TEST(ContrastTableTest, ListsEveryOrderedPairOfTwoColoursThatMeetsTheFilter) {
  const TContrastTable all = MakeContrastTable(OddNames());
  EXPECT_EQ(all.ListedCount(), 6u);
  for (std::size_t i = 0; i < 3; ++i) EXPECT_FALSE(all.Listed(i, i));
  EXPECT_FALSE(all.Listed(0, 3));
  const TContrastTable aaa = MakeContrastTable(OddNames(), std::nullopt, TContrastTarget::AAA);
  EXPECT_EQ(aaa.ListedCount(), 2u);  // black and white, both ways
  EXPECT_EQ(aaa.Matrix.PassCounts, all.Matrix.PassCounts);
  EXPECT_EQ(MakeContrastTable({}).ListedCount(), 0u);
  EXPECT_EQ(MakeContrastTable({{QStringLiteral("One"), Rgb(1, 2, 3)}}).ListedCount(), 0u);
}

TEST(ContrastTableTest, NamesStayInsideTheirFieldInEveryFormat) {
  const TContrastTable table = MakeContrastTable(OddNames());
  const QString csv = QString::fromUtf8(WriteContrastTable(table, TContrastTableFormat::Csv));
  EXPECT_TRUE(csv.contains(QStringLiteral("\"Ink, \"\"dark\"\"\",\"Two\nlines\",000000,777777,4.68,")));
  const QString md = QString::fromUtf8(WriteContrastTable(table, TContrastTableFormat::Markdown));
  EXPECT_TRUE(md.contains(QStringLiteral("| Paper\\|white <b>&amp;</b> `#FFFFFF` | Two lines `#777777` | 4.47 | AA large |")))
      << md.toStdString();
  const QString text = QString::fromUtf8(WriteContrastTable(table, TContrastTableFormat::Text));
  EXPECT_EQ(text.count(u'\n'), 7);  // six pairs and the summary, the line break in a name made a space
  const QString html = QString::fromUtf8(WriteContrastTable(table, TContrastTableFormat::Html));
  EXPECT_FALSE(html.contains(QStringLiteral("<b>&amp;</b>")));
  EXPECT_TRUE(html.contains(QStringLiteral("Paper|white &lt;b&gt;&amp;amp;&lt;/b&gt;")));
  // Badges as text; the cells in their colours.
  EXPECT_TRUE(html.contains(QStringLiteral("4.47 AA large")));
  EXPECT_TRUE(html.contains(QStringLiteral("background: #FFFFFF; color: #777777")));
}

TEST(ContrastTableTest, JsonCarriesTheMatrixFiguresAndTheView) {
  const TVisionView view{TVisionKind::Protanomaly, 0.5};
  const TContrastTable table = MakeContrastTable(OddNames(), view, TContrastTarget::AALarge);
  const QJsonObject root = QJsonDocument::fromJson(WriteContrastTable(table, TContrastTableFormat::Json)).object();
  EXPECT_EQ(root[QStringLiteral("vision")].toString(), QStringLiteral("protanomaly:0.5"));
  EXPECT_EQ(root[QStringLiteral("target")].toString(), QStringLiteral("aa-large"));
  const QJsonArray pairs = root[QStringLiteral("pairs")].toArray();
  ASSERT_EQ(static_cast<std::size_t>(pairs.size()), table.ListedCount());
  for (const QJsonValue& value : pairs) {
    const QJsonObject pair = value.toObject();
    std::size_t text = 0, back = 0;
    for (std::size_t i = 0; i < 3; ++i) {
      if (table.Colors[i].Name == pair[QStringLiteral("text")].toString()) text = i;
      if (table.Colors[i].Name == pair[QStringLiteral("background")].toString()) back = i;
    }
    const TContrastCell& cell = table.Matrix.Cell(text, back);
    EXPECT_DOUBLE_EQ(pair[QStringLiteral("ratio")].toDouble(), ShownContrastRatio(cell.Ratio));
    EXPECT_NEAR(pair[QStringLiteral("lc")].toDouble(), cell.Lc, 0.05);
    EXPECT_TRUE(pair[QStringLiteral("passes")].toArray().contains(QStringLiteral("aa-large")));
  }
  const QJsonArray summary = root[QStringLiteral("summary")].toArray();
  ASSERT_EQ(summary.size(), ContrastTargetCount);
  EXPECT_EQ(summary[2].toObject()[QStringLiteral("pairs")].toInteger(),
            static_cast<qint64>(table.Matrix.PassCounts[2]));
}

TEST(ContrastTableTest, FormatsByNameAndTooManyColoursAreCut) {
  EXPECT_EQ(ParseContrastTableFormat("MD"), TContrastTableFormat::Markdown);
  EXPECT_EQ(ParseContrastTableFormat("markdown"), TContrastTableFormat::Markdown);
  EXPECT_EQ(ParseContrastTableFormat("csv"), TContrastTableFormat::Csv);
  EXPECT_FALSE(ParseContrastTableFormat("pdf"));
  EXPECT_FALSE(ParseContrastTableFormat(""));
  EXPECT_EQ(LcText(-0.04), QStringLiteral("0.0"));
  EXPECT_EQ(ShownRatioText(4.4999), QStringLiteral("4.49"));
  std::vector<TContrastTableColor> many(MaxContrastMatrixColors + 5, {QString(), Rgb(1, 2, 3)});
  EXPECT_EQ(MakeContrastTable(std::move(many)).Matrix.Size(), MaxContrastMatrixColors);
}

}  // namespace
}  // namespace tintorium
