// The printed scheme without a window: which cards, where they go, how a card looks, and the PDF a user gets.
#include "core/ColorModels.h"
#include "engine/qtcolor/QtColorAdapter.h"
#include "engine/print/PdfProbe.h"
#include "engine/print/PrintCards.h"
#include "engine/print/PrintLayout.h"
#include "engine/print/PrintPainter.h"
#include "engine/print/PrintPdf.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>

namespace tintorium {
namespace {

TColorObject Rgb(int r, int g, int b) {
  TColorObject color;
  color.SetRGB({r, g, b});
  return color;
}

// `count` entries named "<prefix> <i>", each with its own colour.
TPaletteEntries Entries(const QString& prefix, int count) {
  TPaletteEntries entries;
  for (int i = 0; i < count; ++i)
    entries.push_back({QStringLiteral("%1 %2").arg(prefix).arg(i + 1), Rgb((i * 53) % 256, (i * 97 + 40) % 256, (i * 29 + 200) % 256)});
  return entries;
}

TPrintSources Sources(int palette, int history) {
  TPrintSources sources;
  sources.Palette = Entries(QStringLiteral("Palette"), palette);
  sources.History = Entries(QStringLiteral("History"), history);
  sources.Wheel = WheelSegments(RGBValuesToColor({255, 128, 0}), wsRGB);
  return sources;
}

QStringList Names(const TPrintCards& cards) {
  QStringList names;
  for (const TPrintCard& card : cards) names << card.Name;
  return names;
}

// --- Cards ------------------------------------------------------------------------------------------------------

TEST(PrintCardsTest, PartsComeInPaletteHistoryWheelOrderEachOnlyWhenChosen) {
  const TPrintSources sources = Sources(2, 1);
  QStringList wheel;
  for (int i = 1; i <= 12; ++i) wheel << QStringLiteral("Color Wheel #%1").arg(i);
  struct TCase {
    int contents;
    QStringList names;
  };
  const TCase cases[] = {
      {0, {}},
      {pcPalette, {"Palette 1", "Palette 2"}},
      {pcHistory, {"History 1"}},
      {pcColorWheel, wheel},
      {pcPalette | pcHistory, {"Palette 1", "Palette 2", "History 1"}},
      {pcPalette | pcHistory | pcColorWheel, QStringList{"Palette 1", "Palette 2", "History 1"} + wheel},
  };
  for (const TCase& c : cases) EXPECT_EQ(Names(BuildPrintCards(c.contents, sources)), c.names) << c.contents;
}

TEST(PrintCardsTest, WheelCardsAreTheSegmentsAsRgbAndPaletteCardsKeepTheirModel) {
  TPrintSources sources = Sources(0, 0);
  TColorObject lab;
  lab.SetLab({52, 43, 39});
  sources.Palette.push_back({QStringLiteral("Terracotta"), lab});
  const TPrintCards cards = BuildPrintCards(pcPalette | pcColorWheel, sources);
  ASSERT_EQ(cards.size(), 13u);
  EXPECT_EQ(cards[0].Color.Model(), cmLAB);
  EXPECT_EQ(cards[0].Color.ValuesText(), "L:52 a:43 b:39");
  for (int i = 0; i < 12; ++i) {
    EXPECT_EQ(cards[std::size_t(i) + 1].Color.Model(), cmRGB);
    EXPECT_EQ(cards[std::size_t(i) + 1].Color.GetColor(), sources.Wheel[std::size_t(i)]);
  }
}

// --- Layout -----------------------------------------------------------------------------------------------------

TEST(PrintLayoutTest, MarginsAreHalfAnInchOrTheUnprintableEdgeWhenWider) {
  const TPrintPageGeometry a4 = DefaultPrintPageGeometry();
  EXPECT_EQ(a4.Page, QSize(2480, 3507));
  EXPECT_EQ(a4.Content, QRect(QPoint(150, 150), QPoint(2480 - 150 - 1, 3507 - 186 - 1)));  // bottom edge unprintable
  const TPrintPageGeometry wide = PrintPageGeometry(QSize(1000, 1000), 100, QMargins(10, 80, 50, 0));
  EXPECT_EQ(wide.Content, QRect(QPoint(50, 80), QPoint(1000 - 50 - 1, 1000 - 50 - 1)));
  // Margins wider than the sheet leave the whole sheet rather than nothing.
  EXPECT_EQ(PrintPageGeometry(QSize(60, 60), 300, QMargins()).Content, QRect(0, 0, 60, 60));
}

struct TLayoutCase {
  const char* name;
  int cards;
  TPrintPageGeometry geometry;
  int perLine;
  int lines;
  int pages;
};

class PrintLayoutTableTest : public testing::TestWithParam<TLayoutCase> {};

TEST_P(PrintLayoutTableTest, CardsFlowInLinesAndPages) {
  const TLayoutCase& c = GetParam();
  const TPrintLayout layout(c.cards, c.geometry);
  EXPECT_EQ(layout.CardsPerLine(), c.perLine);
  EXPECT_EQ(layout.LinesPerPage(), c.lines);
  EXPECT_EQ(layout.PageCount(), c.pages);
  // Every card lies inside the printable area of its page (unless the page cannot hold one), and the cards run
  // left to right, then down, then onto the next page.
  for (int card = 0; card < c.cards; ++card) {
    const QRectF rect = layout.CardRect(card);
    if (c.perLine * layout.CardSize().width() <= c.geometry.Content.width() + 1) {
      EXPECT_TRUE(QRectF(c.geometry.Content).adjusted(-0.01, -0.01, 1.01, 1.01).contains(rect)) << card;
    }
    if (card == 0) continue;
    const QRectF before = layout.CardRect(card - 1);
    if (layout.PageOf(card) != layout.PageOf(card - 1)) {
      EXPECT_EQ(card % layout.CardsPerPage(), 0);
    } else if (card % c.perLine == 0) {
      EXPECT_GT(rect.top(), before.top());
      EXPECT_DOUBLE_EQ(rect.left(), c.geometry.Content.left());
    } else {
      EXPECT_DOUBLE_EQ(rect.left(), before.right());
      EXPECT_DOUBLE_EQ(rect.top(), before.top());
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PrintLayoutTableTest,
    testing::Values(
        // Five colours on A4 at half-inch margins (7.27 inches wide): three to a line (6.56 inches), two lines.
        TLayoutCase{"FivePaletteColoursOnA4", 5, DefaultPrintPageGeometry(), 3, 13, 1},
        TLayoutCase{"NoCardsNoPages", 0, DefaultPrintPageGeometry(), 3, 13, 0},
        // Thirteen lines of 0.78 inches fill 10.69 printable inches; the fortieth card starts page two.
        TLayoutCase{"FullA4Page", 39, DefaultPrintPageGeometry(), 3, 13, 1},
        TLayoutCase{"OneMoreThanAPage", 40, DefaultPrintPageGeometry(), 3, 13, 2},
        TLayoutCase{"Letter600Dpi", 100, PrintPageGeometry(QSize(5100, 6600), 600, QMargins()), 3, 12, 3},
        TLayoutCase{"A4Landscape", 30, PrintPageGeometry(QSize(3507, 2480), 300, QMargins()), 4, 9, 1},
        TLayoutCase{"TooSmallForACard", 3, PrintPageGeometry(QSize(200, 100), 300, QMargins()), 1, 1, 3}),
    [](const testing::TestParamInfo<TLayoutCase>& info) { return std::string(info.param.name); });

TEST(PrintLayoutTest, CardsKeepTheirSizeInInchesAtEveryResolution) {
  for (int dpi : {72, 300, 600, 1200}) {
    const TPrintLayout layout(1, PrintPageGeometry(QSize(dpi * 8, dpi * 11), dpi, QMargins()));
    EXPECT_DOUBLE_EQ(layout.CardSize().width() / dpi, 210.0 / 96) << dpi;
    EXPECT_DOUBLE_EQ(layout.CardSize().height() / dpi, 50.0 / 96) << dpi;
    EXPECT_EQ(layout.CardRect(0).topLeft(), QPointF(dpi / 2, dpi / 2)) << dpi;
  }
}

// --- Drawing ----------------------------------------------------------------------------------------------------

TEST(PrintPainterTest, CardShowsItsColourFramedRuleAndWhiteGroundAtAnyScale) {
  for (double scale : {1.0, 3.125}) {  // the screen's 96 dpi and a 300 dpi printer
    QImage image(QSize(int(210 * scale), int(50 * scale)), QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter painter(&image);
    PaintPrintCard(painter, {QStringLiteral("Sunflower"), Rgb(250, 199, 41)}, QRectF(QPointF(0, 0), image.size()));
    painter.end();
    const auto at = [&](double x, double y) { return image.pixel(QPointF(x * scale, y * scale).toPoint()); };
    EXPECT_EQ(at(25, 25), qRgb(250, 199, 41)) << scale;     // the swatch
    EXPECT_EQ(at(5.3, 25), qRgb(0, 0, 0)) << scale;         // its frame
    EXPECT_EQ(at(2, 2), qRgb(255, 255, 255)) << scale;      // white ground, no trace of what lay below
    EXPECT_EQ(at(160, 21), qRgb(192, 192, 192)) << scale;   // the rule
    EXPECT_EQ(at(200, 45), qRgb(255, 255, 255)) << scale;
  }
}

TEST(PrintPainterTest, NameAndValuesAreDrawnAndALongNameStaysOnItsCard) {
  const auto inked = [](const QImage& image, QRect area) {
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x) dark += qGray(image.pixel(x, y)) < 128;
    return dark;
  };
  QImage image(630, 300, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  PaintPrintCard(painter, {QString(200, u'W'), Rgb(0, 0, 0)}, QRectF(0, 0, 630, 150));
  painter.end();
  EXPECT_GT(inked(image, QRect(195, 15, 300, 40)), 50);   // the name, beside the swatch
  EXPECT_EQ(inked(image, QRect(0, 150, 630, 150)), 0);    // nothing below the card
  EXPECT_EQ(inked(image, QRect(618, 0, 12, 150)), 0);     // the long name ends before the card's edge
}

// --- PDF --------------------------------------------------------------------------------------------------------

class PrintPdfTest : public testing::Test {
 protected:
  QString Path(const char* name) const { return dir_.filePath(QLatin1String(name)); }
  QTemporaryDir dir_;
};

TEST_F(PrintPdfTest, PdfHasThePagesAndEachSwatchAtItsPlace) {
  const TPrintCards cards = BuildPrintCards(pcPalette | pcColorWheel, Sources(30, 0));  // 42 cards: two A4 pages
  ASSERT_TRUE(WritePrintPdf(Path("scheme.pdf"), cards, QPageSize(QPageSize::A4), QStringLiteral("scheme")));
  EXPECT_EQ(test::PdfPageCount(Path("scheme.pdf")), 2);
  const TPrintLayout layout(int(cards.size()), PrintPageGeometry(QPageSize(QPageSize::A4).sizePixels(kPdfDpi),
                                                                  kPdfDpi, QMargins()));
  constexpr int kDpi = 72;
  for (int page = 1; page <= 2; ++page) {
    const QImage image = test::RenderPdfPage(Path("scheme.pdf"), page, kDpi);
    ASSERT_FALSE(image.isNull());
    for (int card = layout.FirstCardOf(page - 1); card < layout.EndCardOf(page - 1); ++card) {
      const QRgb expected = ToQRgb(cards[std::size_t(card)].Color.GetColor());
      EXPECT_TRUE(test::Near(image.pixel(test::SwatchCentre(layout, card, kDpi)), expected)) << "card " << card;
    }
  }
}

TEST_F(PrintPdfTest, LetterPaperGivesLetterPages) {
  ASSERT_TRUE(WritePrintPdf(Path("letter.pdf"), BuildPrintCards(pcColorWheel, Sources(0, 0)),
                            QPageSize(QPageSize::Letter), QString()));
  const QImage image = test::RenderPdfPage(Path("letter.pdf"), 1, 72);
  EXPECT_EQ(image.size(), QSize(612, 792));
}

TEST_F(PrintPdfTest, FailureLeavesTheOldFileAndWritesNothingForNoCards) {
  QFile old(Path("old.pdf"));
  ASSERT_TRUE(old.open(QIODevice::WriteOnly));
  old.write("previous");
  old.close();
  const TFileResult empty = WritePrintPdf(Path("old.pdf"), {}, QPageSize(QPageSize::A4), QString());
  EXPECT_FALSE(empty);
  EXPECT_EQ(QFileInfo(Path("old.pdf")).size(), 8);
  const TFileResult nowhere =
      WritePrintPdf(Path("missing/folder/x.pdf"), BuildPrintCards(pcColorWheel, Sources(0, 0)),
                    QPageSize(QPageSize::A4), QString());
  EXPECT_FALSE(nowhere);
  EXPECT_EQ(nowhere.MessageKey(), QLatin1String(kCantSaveKey));
  EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"old.pdf"});  // no temporary file left behind
}

}  // namespace
}  // namespace tintorium
