// The library swatch table: its geometry and hit tests, scrolling, selection by mouse and keys through real
// events, its painting (read back from its cached picture) and its hints.
#include "ui/controls/ColorLibTable.h"
#include "ui/controls/LibTableGeometry.h"

#include <gtest/gtest.h>

#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace tintorium {
namespace {

QStringList Hexes(int count) {
  QStringList colors;
  for (int i = 0; i < count; ++i) colors << QStringLiteral("%1").arg(i * 0x010203 % 0x1000000, 6, 16, QLatin1Char('0')).toUpper();
  return colors;
}

/// A shown table `width` x `height` with `count` entries, csCorel cells of 18 pixels.
std::unique_ptr<TColorLibTable> Table(int width, int height, int count) {
  auto table = std::make_unique<TColorLibTable>();
  table->resize(width, height);
  table->SetCellStyle(csCorel);
  table->SetColors(Hexes(count));
  table->show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(table.get()));
  return table;
}

QPoint CellCentre(const TColorLibTable& table, int index) {
  return LibTableCellRect(index, table.TopIndex(), table.Columns(), table.CellSize()).center();
}

// --- Geometry --------------------------------------------------------------------------------------------------

TEST(LibTableGeometry, ColumnsRoundTheWidthLessTheScrollBarHalvesToEven) {
  const struct {
    int width;
    int columns;
  } cases[] = {{190, 10}, {177, 9}, {187, 10}, {205, 10}, {16, 0}, {24, 0}, {26, 1}};
  for (const auto& c : cases) EXPECT_EQ(LibTableColumns(c.width, 18), c.columns) << c.width;
  EXPECT_EQ(LibTableColumns(190, 0), 0);
}

TEST(LibTableGeometry, CellRectanglesAndHitTestsAgree) {
  EXPECT_EQ(LibTableCellRect(0, 0, 10, 18), QRect(0, 0, 18, 18));
  EXPECT_EQ(LibTableCellRect(13, 0, 10, 18), QRect(54, 18, 18, 18));
  EXPECT_EQ(LibTableCellRect(23, 10, 10, 18), QRect(54, 18, 18, 18)) << "counted from the top entry";
  for (int index : {0, 9, 10, 57, 99})
    EXPECT_EQ(LibTableHitTest(LibTableCellRect(index, 0, 10, 18).center(), 0, 10, 18), index);
  EXPECT_EQ(LibTableHitTest({17, 17}, 20, 10, 18), 20);
  EXPECT_EQ(LibTableHitTest({18, 0}, 20, 10, 18), 21);
  EXPECT_EQ(LibTableHitTest({180, 5}, 0, 10, 18), -1) << "right of the last column";
  EXPECT_EQ(LibTableHitTest({-1, 5}, 0, 10, 18), -1);
  EXPECT_EQ(LibTableHitTest({5, 5}, 0, 0, 18), -1) << "no columns, no cell";
  EXPECT_EQ(LibTableAutoHeight(31, 10, 18), 72);
  EXPECT_EQ(LibTableAutoHeight(0, 10, 18), 0);
  EXPECT_EQ(LibTableVisibleRows(126, 18), 7);
}

TEST(LibTableGeometry, ScrollRangeAndLineSteps) {
  // 256 entries, 10 columns, 7 rows: range 0 .. 19, line down stops at 190 (entries 250-255 in the last row).
  EXPECT_EQ(LibTableScrollMax(255, 10, 7), 19);
  int top = 0;
  for (int i = 0; i < 30; ++i) top = LibTableLineDown(top, 10, 7, 255);
  EXPECT_EQ(top, 190);
  // 31 entries, 10 columns, 3 rows: one step, to 10, which shows entry 30.
  EXPECT_EQ(LibTableLineDown(0, 10, 3, 30), 10);
  EXPECT_EQ(LibTableLineDown(10, 10, 3, 30), 10);
  EXPECT_EQ(LibTableLineUp(10, 10), 0);
  EXPECT_EQ(LibTableLineUp(0, 10), 0);
  EXPECT_EQ(LibTableScrollMax(-1, 10, 7), 0);
  EXPECT_EQ(LibTableScrollMax(20, 10, 7), 0);
}

TEST(LibTableGeometry, ArrowKeysMoveTheSelectionAndScroll) {
  using A = TLibTableArrow;
  const struct {
    A arrow;
    int selected, top;
    TLibTableMove expected;
  } cases[] = {
      {A::Right, -1, 0, {0, 0}},     // nothing selected: Right takes the first entry
      {A::Down, -1, 0, {9, 0}},      // and Down the last of the first row
      {A::Left, 0, 0, {0, 0}},       // nothing before the first
      {A::Up, 5, 0, {5, 0}},
      {A::Right, 255, 190, {255, 190}},  // nothing after the last
      {A::Down, 65, 0, {75, 10}},    // into the row below the seven shown: one row down
      {A::Right, 69, 0, {70, 10}},
      {A::Up, 15, 10, {5, 0}},       // into the row above: one row up
      {A::Left, 10, 10, {9, 0}},
      {A::Down, 250, 190, {250, 190}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(LibTableArrowMove(c.arrow, c.selected, c.top, 10, 7, 255), c.expected)
        << int(c.arrow) << " from " << c.selected;
}

// --- Entries and properties -------------------------------------------------------------------------------------

TEST(ColorLibTable, SelectedCellAndColourFollowTheEntries) {
  TColorLibTable table;
  table.SetColors({"#FF8000", "00ff00", "fF80 00", "ff8000", "FF8000", "clTransparent"});
  QSignalSpy changes(&table, &TColorLibTable::OnSelColorChange);
  table.SetSelectedColor(0x0080FF);  // RGB (255, 128, 0)
  EXPECT_EQ(table.SelectedCell(), 3) << "the first entry reading FF8000 in any case; #FF8000 is not found";
  EXPECT_EQ(changes.count(), 1);
  table.SetSelectedCell(5);
  EXPECT_EQ(table.SelectedCell(), 5);
  table.SetSelectedCell(6);
  EXPECT_EQ(table.SelectedCell(), -1) << "the count itself is beyond the list";
  EXPECT_EQ(table.SelectedColor(), 0x0080FFu) << "no selection: the colour last assigned";
  table.SetSelectedColor(0x123456);
  EXPECT_EQ(table.SelectedCell(), -1);
  table.SetSelectedColor(clNone);
  EXPECT_EQ(table.SelectedCell(), -1);
  EXPECT_EQ(changes.count(), 5);
}

TEST(ColorLibTable, MinAndMaxColorsPadAndCut) {
  TColorLibTable table;
  table.SetColors(Hexes(8));
  table.SetMaxColors(5);
  EXPECT_EQ(table.Count(), 5);
  table.SetMinColors(7);
  EXPECT_EQ(table.MinColors(), 5);
  EXPECT_EQ(table.Count(), 5);
  table.SetMaxColors(0);
  table.SetMinColors(7);
  EXPECT_EQ(table.Colors(), (Hexes(5) << "clNone" << "clNone"));
  table.SetMaxColors(-3);
  EXPECT_EQ(table.MaxColors(), 0);
}

TEST(ColorLibTable, AutoHeightFitsEveryRow) {
  TColorLibTable table;
  table.resize(190, 126);
  table.SetColors(Hexes(31));
  table.SetAutoHeight(true);
  EXPECT_EQ(table.height(), 72);
  EXPECT_EQ(table.VisibleRows(), 4);
  table.SetColors({});
  EXPECT_EQ(table.height(), 18) << "an empty table keeps one row";
  table.SetAutoHeight(false);
  table.resize(190, 126);
  EXPECT_EQ(table.height(), 126);
}

TEST(ColorLibTable, ColorsTextSplitsEveryLineBreakAndKeepsTheView) {
  auto table = Table(190, 54, 100);
  table->ScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  table->SetSelectedCell(42);
  QSignalSpy changes(table.get(), &TColorLibTable::OnColorsChange);
  table->SetColorsText(QStringLiteral("AAAAAA\r\nBBBBBB\rCCCCCC\n\nDDDDDD\r\n"));
  EXPECT_EQ(table->Colors(), (QStringList{"AAAAAA", "BBBBBB", "CCCCCC", "", "DDDDDD"}));
  EXPECT_EQ(changes.count(), 1);
  EXPECT_EQ(table->TopIndex(), 0) << "the view never starts beyond the last row";
  EXPECT_EQ(table->SelectedCell(), 42) << "the selection stays";
  EXPECT_EQ(table->SelectedColor(), clNone) << "a selection beyond the list reads as none";
  table->SetColors(Hexes(100));
  table->ScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  table->SetColorsText(Hexes(60).join(QStringLiteral("\n")));
  EXPECT_EQ(table->TopIndex(), 10) << "a list long enough keeps the view";
  EXPECT_EQ(table->SelectedColor(), ParseLibEntry(table->Colors()[42]).color);
}

// --- Painting --------------------------------------------------------------------------------------------------

TEST(ColorLibTable, CorelCellsShowTheirColoursInsideTheGridAndBlankCellsKeepTheirPlace) {
  auto table = Table(190, 126, 0);
  table->SetColor(0xC0C0C0);
  table->SetColors({"FF0000", "", "#0000ff", "12"});
  const QImage image = table->DisplayImage();
  EXPECT_EQ(image.pixel(CellCentre(*table, 0)), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(CellCentre(*table, 1)), qRgb(192, 192, 192)) << "a blank cell shows the background";
  EXPECT_EQ(image.pixel(CellCentre(*table, 2)), qRgb(0, 0, 255)) << "the entry after it keeps its place";
  EXPECT_EQ(image.pixel(CellCentre(*table, 3)), qRgb(0x12, 0, 0)) << "missing digits count as 0";
  EXPECT_EQ(image.pixel(0, 9), qRgb(0, 0, 0)) << "left grid line";
  EXPECT_EQ(image.pixel(9, 0), qRgb(0, 0, 0)) << "top grid line of the first row";
  EXPECT_EQ(image.pixel(9, 17), qRgb(0, 0, 0)) << "bottom grid line";
  EXPECT_EQ(image.pixel(72, 9), qRgb(0, 0, 0)) << "the last entry closes the grid on its right";
  EXPECT_EQ(image.pixel(100, 9), qRgb(192, 192, 192));
}

TEST(ColorLibTable, DefaultCellsFrameTheirSwatchAndPatternsStandForNoColour) {
  auto table = Table(190, 126, 0);
  table->SetCellStyle(csDefault);
  table->SetColor(0xC0C0C0);
  table->SetColors({"00FF00", "clTransparent", "clCustom"});
  QImage image = table->DisplayImage();
  EXPECT_EQ(image.pixel(9, 9), qRgb(0, 255, 0));
  EXPECT_EQ(image.pixel(1, 9), qRgb(192, 192, 192)) << "outside the swatch, the cell is the background";
  EXPECT_EQ(image.pixel(CellCentre(*table, 2)), qRgb(192, 192, 192)) << "clCustom: an empty frame";
  EXPECT_EQ(image.pixel(CellCentre(*table, 1)), qRgb(192, 192, 192)) << "tsNone draws nothing";

  const struct {
    TTransparentStyle style;
    QPoint at;  // within the transparent cell (18, 0, 36, 18)
    QRgb colour;
  } patterns[] = {
      {tsPhotoshop, {18 + 6, 6}, qRgb(255, 255, 255)},   // the white quarter
      {tsPhotoshop, {18 + 11, 6}, qRgb(192, 192, 192)},  // and the silver one beside it
      {tsCorel, {18 + 9, 9}, qRgb(0, 0, 0)},             // the cross through the white box
      {tsCorel, {18 + 9, 5}, qRgb(255, 255, 255)},
      {tsMicroangelo, {18 + 9, 8}, qRgb(0, 128, 128)},
      {tsPhotoshop2, {18 + 5, 12}, qRgb(255, 255, 255)},
  };
  for (const auto& p : patterns) {
    table->SetTransparentStyle(p.style);
    image = table->DisplayImage();
    EXPECT_EQ(image.pixel(p.at), p.colour) << int(p.style) << " at " << p.at.x() << "," << p.at.y();
  }
}

TEST(ColorLibTable, PaintHookSeesEveryDrawnCellAndMaySkipItsContent) {
  auto table = Table(190, 36, 100);
  std::vector<int> painted;
  table->SetOnPaintCell([&](QPainter&, const QRect& rect, TColor, int index, TColorCellState, TTransparentStyle&,
                            bool& handled) {
    painted.push_back(index);
    EXPECT_EQ(rect.height(), 5) << "csCorel with several columns: the strip along the top";
    handled = index == 0;
  });
  const QImage image = table->DisplayImage();
  EXPECT_EQ(painted.size(), 20u) << "only the two rows in sight are drawn";
  EXPECT_NE(image.pixel(CellCentre(*table, 0)), QColor(QString("#") + table->Colors()[0]).rgb());
  EXPECT_EQ(image.pixel(CellCentre(*table, 1)), QColor(QString("#") + table->Colors()[1]).rgb());
}

// --- Mouse and keys --------------------------------------------------------------------------------------------

TEST(ColorLibTable, ClickSelectsThenReportsMouseUpBeforeTheSelection) {
  auto table = Table(190, 126, 30);
  QStringList order;
  QObject::connect(table.get(), &TColorLibTable::OnMouseUp, [&] { order << "up"; });
  QObject::connect(table.get(), &TColorLibTable::OnSelColorChange, [&] { order << "sel"; });
  int clicked = -2;
  table->SetOnCellClick([&](Qt::MouseButton, Qt::KeyboardModifiers, int index, TColor, bool&) { clicked = index; });
  QTest::mouseClick(table.get(), Qt::LeftButton, {}, CellCentre(*table, 13));
  EXPECT_EQ(table->SelectedCell(), 13);
  EXPECT_EQ(clicked, 13);
  EXPECT_EQ(order, (QStringList{"up", "sel"}));
  QTest::mouseClick(table.get(), Qt::LeftButton, {}, CellCentre(*table, 13));
  EXPECT_EQ(table->SelectedCell(), 13) << "clicking the selected cell keeps it";
  EXPECT_TRUE(table->hasFocus());

  table->SetOnCellClick([](Qt::MouseButton, Qt::KeyboardModifiers, int, TColor, bool& dontCheck) { dontCheck = true; });
  QTest::mouseClick(table.get(), Qt::LeftButton, {}, CellCentre(*table, 2));
  EXPECT_EQ(table->SelectedCell(), 13) << "the handler put the previous selection back";
}

TEST(ColorLibTable, ClickBelowTheLastCellSelectsNothing) {
  auto table = Table(190, 126, 12);
  QTest::mouseClick(table.get(), Qt::LeftButton, {}, CellCentre(*table, 40));
  EXPECT_EQ(table->SelectedCell(), -1);
  EXPECT_EQ(table->SelectedColor(), clNone);
}

TEST(ColorLibTable, HoverFollowsThePointerAndShowsARaisedCell) {
  auto table = Table(190, 126, 30);
  QTest::mouseMove(table.get(), CellCentre(*table, 4));
  EXPECT_EQ(table->HoverIndex(), 4);
  EXPECT_EQ(table->HoverColor(), table->SelectedCell() == 4 ? table->SelectedColor() : TColor(0x0C0804));
  QTest::mouseMove(table.get(), CellCentre(*table, 60));
  EXPECT_EQ(table->HoverIndex(), -1) << "beyond the last entry";
  EXPECT_EQ(table->HoverColor(), clNone);
}

TEST(ColorLibTable, ArrowKeysSelectAndScrollEnterAndSpaceReportTwice) {
  auto table = Table(190, 126, 256);
  QSignalSpy arrows(table.get(), &TColorLibTable::OnArrowKey);
  QSignalSpy changes(table.get(), &TColorLibTable::OnSelColorChange);
  QSignalSpy keys(table.get(), &TColorLibTable::OnKeyDown);
  table->setFocus();
  QTest::keyClick(table.get(), Qt::Key_Down);
  EXPECT_EQ(table->SelectedCell(), 9);
  for (int i = 0; i < 6; ++i) QTest::keyClick(table.get(), Qt::Key_Down);
  EXPECT_EQ(table->SelectedCell(), 69);
  EXPECT_EQ(table->TopIndex(), 0) << "still in the seventh row";
  QTest::keyClick(table.get(), Qt::Key_Down);
  EXPECT_EQ(table->SelectedCell(), 79);
  EXPECT_EQ(table->TopIndex(), 10) << "the eighth row scrolled into view";
  EXPECT_EQ(table->ScrollBar()->value(), 1);
  EXPECT_EQ(arrows.count(), 8);
  EXPECT_EQ(changes.count(), 8);
  QTest::keyClick(table.get(), Qt::Key_Return);
  QTest::keyClick(table.get(), Qt::Key_Space);
  EXPECT_EQ(changes.count(), 12);
  EXPECT_EQ(keys.count(), 10);
  QTest::keyClick(table.get(), Qt::Key_A);
  EXPECT_EQ(keys.count(), 11) << "other keys are reported too";
  EXPECT_EQ(changes.count(), 12);
}

TEST(ColorLibTable, ScrollBarStepsRowsAndStopsWhenTheLastRowIsInSight) {
  auto table = Table(190, 126, 256);
  ASSERT_EQ(table->Columns(), 10);
  ASSERT_EQ(table->VisibleRows(), 7);
  EXPECT_EQ(table->ScrollBar()->maximum(), 19);
  for (int i = 0; i < 30; ++i) table->ScrollBar()->triggerAction(QAbstractSlider::SliderPageStepAdd);
  EXPECT_EQ(table->TopIndex(), 190);
  EXPECT_EQ(table->ScrollBar()->value(), 19);
  table->ScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepSub);
  EXPECT_EQ(table->TopIndex(), 180);
  table->ScrollBar()->setSliderPosition(3);
  EXPECT_EQ(table->TopIndex(), 30);
  const QImage image = table->DisplayImage();
  EXPECT_EQ(image.pixel(9, 9), QColor(QString("#") + table->Colors()[30]).rgb()) << "entry 30 at the top left";
}

TEST(ColorLibTable, ThirtyOneEntriesInThreeRowsScrollOnce) {
  auto table = Table(190, 54, 31);
  table->ScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  table->ScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_EQ(table->TopIndex(), 10);
}

// --- Hints and drag offer --------------------------------------------------------------------------------------

TEST(ColorLibTable, HintsNameTheColourOrSpellOutItsValues) {
  auto table = Table(190, 126, 0);
  table->SetColors({"FF8000", "clCustom", "clTransparent", "000000"});
  table->SetColorNames({"Orange"});
  table->SetShowHint(true);
  const struct {
    int cell;
    QString hint;
  } cases[] = {
      {0, "Orange"},
      {1, "Custom"},
      {2, "Transparent"},
      {3, "000000\r\nR:0 G:0 B:0\r\nH:0 S:0 B:0\r\nC:0 M:0 Y:0 K:100\r\nL:0 a:0 b:0"},
  };
  for (const auto& c : cases) {
    QTest::mouseMove(table.get(), CellCentre(*table, c.cell));
    EXPECT_EQ(table->HintText(), c.hint) << c.cell;
  }
  table->SetOnGetHintText([](TColor, int index, QString& hint, bool& handled) {
    hint = QStringLiteral("cell %1").arg(index);
    handled = true;
  });
  EXPECT_EQ(table->HintText(), "cell 3");
  QTest::mouseMove(table.get(), CellCentre(*table, 30));
  EXPECT_EQ(table->HintText(), QString()) << "no hint away from the entries";
}

TEST(ColorLibTable, ADragOffersTheCellPressedLast) {
  auto table = Table(190, 126, 30);
  EXPECT_EQ(table->ColorDragOffer().color, clNone) << "nothing pressed yet";
  QTest::mouseClick(table.get(), Qt::LeftButton, {}, CellCentre(*table, 7));
  const TColorDragOffer offer = table->ColorDragOffer();
  EXPECT_EQ(offer.kind, TColorDragKind::LibTable);
  EXPECT_EQ(offer.color, table->SelectedColor());
  EXPECT_EQ(offer.model, cmRGB);
  EXPECT_EQ(ColorDrag::PaletteListDrop(offer)->GetColor(), table->SelectedColor());
}

}  // namespace
}  // namespace tintorium
