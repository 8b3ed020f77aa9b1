// The colour table and the mixer: geometry, rendering, mouse and keys through real events, OnChange timing.
#include "ui/controls/ColorMixer.h"
#include "engine/qtcolor/QtColorAdapter.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace tintorium {
namespace {

constexpr TColor Rgb(int r, int g, int b) {
  return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}

void Settle() {
  for (int i = 0; i < 4; ++i) QApplication::processEvents();
}

std::unique_ptr<TColorMixer> ShownMixer(QSize size, int cells) {
  auto mixer = std::make_unique<TColorMixer>();
  mixer->resize(size);
  mixer->SetSize(cells);
  mixer->show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(mixer.get()));
  Settle();
  return mixer;
}

QPoint CellCentre(const TColorMixer& mixer, int column, int row) { return mixer.CellRect({column, row}).center(); }

TEST(ColorTableGeometry, PlacesTheGridInTheMiddle) {
  EXPECT_EQ(TColorTable::Geometry({300, 200}, 7), (TTableGeometry{28, 196, 52, 2}));
  EXPECT_EQ(TColorTable::Geometry({256, 256}, 5), (TTableGeometry{51, 255, 1, 1}));
  // More cells than pixels: one pixel per cell, so every point still maps to a cell.
  EXPECT_EQ(TColorTable::Geometry({10, 10}, 20).cellSide, 1);
  EXPECT_EQ(TColorTable::Geometry({0, 0}, 0).cellSide, 1);
}

TEST(ColorTableGeometry, PointsOutsideTheGridLandOnTheNearestEdgeCell) {
  const TTableGeometry g = TColorTable::Geometry({300, 200}, 7);  // grid 52..248 x 2..198, cells of 28
  struct Case {
    QPoint point;
    QPoint cell;
  } const cases[] = {
      {{52, 2}, {0, 0}},      {{79, 29}, {0, 0}},     {{80, 30}, {1, 1}},   {{-40, -40}, {0, 0}},
      {{299, 100}, {6, 3}},   {{248, 198}, {6, 6}},   {{1000, 1000}, {6, 6}}, {{10, 199}, {0, 6}},
      {{150, -5}, {3, 0}},
  };
  for (const Case& c : cases) EXPECT_EQ(TColorTable::CellAt(g, 7, c.point), c.cell) << c.point.x() << "," << c.point.y();
}

TEST(ColorMixer, RendersTheClassDefaultsAtSize2) {
  TColorMixer mixer;
  EXPECT_EQ(mixer.Size(), 5);
  EXPECT_EQ(mixer.size(), QSize(256, 256));
  mixer.SetSize(2);
  QImage image(mixer.size(), QImage::Format_RGB32);
  mixer.render(&image);
  const struct {
    QPoint cell;
    TColor color;
  } corners[] = {{{0, 0}, Rgb(255, 0, 0)}, {{1, 0}, Rgb(0, 255, 0)}, {{1, 1}, Rgb(255, 255, 0)}, {{0, 1}, Rgb(0, 0, 255)}};
  for (const auto& corner : corners) {
    EXPECT_EQ(FromQRgb(image.pixel(mixer.CellRect(corner.cell).center())), corner.color);
    EXPECT_EQ(mixer.GetCell(corner.cell.x(), corner.cell.y()), corner.color);
  }
  const QRect selected = mixer.CellRect({0, 0});
  EXPECT_EQ(image.pixel(selected.topLeft() + QPoint(5, 0)), qRgb(0, 0, 0)) << "selection frame";
  EXPECT_EQ(image.pixel(selected.bottomRight() - QPoint(5, 0)), qRgb(0, 0, 0)) << "selection frame";
  EXPECT_EQ(mixer.GetCell(2, 0), 0u);
  EXPECT_EQ(mixer.GetCell(-1, 0), 0u);
}

TEST(ColorMixer, AClickOutsideTheGridSelectsTheNearestEdgeCell) {
  auto mixer = ShownMixer({300, 200}, 7);
  QSignalSpy changes(mixer.get(), &TColorTable::OnChange);
  QTest::mouseClick(mixer.get(), Qt::LeftButton, {}, QPoint(295, CellCentre(*mixer, 0, 3).y()));
  Settle();
  EXPECT_EQ(mixer->SelectedCell(), QPoint(6, 3));
  EXPECT_TRUE(mixer->UserSelected());
  EXPECT_EQ(changes.count(), 1);
  EXPECT_EQ(mixer->SelectedColor(), mixer->GetCell(6, 3));
  EXPECT_EQ(mixer->DropColor(), mixer->GetCell(6, 3));

  QTest::mouseClick(mixer.get(), Qt::LeftButton, {}, QPoint(3, 1));
  Settle();
  EXPECT_EQ(mixer->SelectedCell(), QPoint(0, 0));
  EXPECT_EQ(changes.count(), 2);
}

TEST(ColorMixer, DraggingMovesTheSelectionAndOnlyTheReleaseFiresOnChange) {
  auto mixer = ShownMixer({256, 256}, 5);
  QSignalSpy changes(mixer.get(), &TColorTable::OnChange);
  QTest::mousePress(mixer.get(), Qt::LeftButton, {}, CellCentre(*mixer, 1, 1));
  Settle();
  EXPECT_EQ(mixer->SelectedCell(), QPoint(0, 0)) << "a press alone does not move the selection";
  EXPECT_EQ(mixer->DropColor(), mixer->GetCell(1, 1));
  QMouseEvent move(QEvent::MouseMove, QPointF(CellCentre(*mixer, 3, 2)), mixer->mapToGlobal(QPointF(CellCentre(*mixer, 3, 2))),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(mixer.get(), &move);
  Settle();
  EXPECT_EQ(mixer->SelectedCell(), QPoint(3, 2));
  EXPECT_TRUE(mixer->UserSelected());
  EXPECT_EQ(changes.count(), 0);
  QTest::mouseRelease(mixer.get(), Qt::LeftButton, {}, CellCentre(*mixer, 4, 2));
  Settle();
  EXPECT_EQ(mixer->SelectedCell(), QPoint(4, 2));
  EXPECT_EQ(changes.count(), 1);
  QTest::mouseClick(mixer.get(), Qt::RightButton, {}, CellCentre(*mixer, 0, 0));
  Settle();
  EXPECT_EQ(mixer->SelectedCell(), QPoint(4, 2)) << "other buttons do not select";
  EXPECT_EQ(changes.count(), 1);
}

TEST(ColorMixer, ArrowKeysMoveClampedAndFireOncePerRelease) {
  auto mixer = ShownMixer({256, 256}, 5);
  mixer->setFocus();
  QSignalSpy changes(mixer.get(), &TColorTable::OnChange);
  struct Step {
    Qt::Key key;
    QPoint cell;
  } const steps[] = {{Qt::Key_Left, {0, 0}}, {Qt::Key_Up, {0, 0}},   {Qt::Key_Right, {1, 0}},
                     {Qt::Key_Down, {1, 1}}, {Qt::Key_Down, {1, 2}}, {Qt::Key_Left, {0, 2}}};
  int expected = 0;
  for (const Step& step : steps) {
    QTest::keyPress(mixer.get(), step.key);
    Settle();
    EXPECT_EQ(mixer->SelectedCell(), step.cell);
    EXPECT_EQ(changes.count(), expected) << "no change before the key comes up";
    QTest::keyRelease(mixer.get(), step.key);
    Settle();
    EXPECT_EQ(changes.count(), ++expected) << "one change per release, also at an edge";
  }
  EXPECT_TRUE(mixer->UserSelected());
  EXPECT_EQ(mixer->SelectedColor(), mixer->GetCell(0, 2));
  QTest::keyClick(mixer.get(), Qt::Key_A);
  Settle();
  EXPECT_EQ(changes.count(), expected);
}

TEST(ColorMixer, SizeChangeAfterAUserSelectionClampsAndKeepsTheUserFlag) {
  auto mixer = ShownMixer({256, 256}, 5);
  QTest::mouseClick(mixer.get(), Qt::LeftButton, {}, CellCentre(*mixer, 4, 3));
  Settle();
  ASSERT_EQ(mixer->SelectedCell(), QPoint(4, 3));
  QSignalSpy changes(mixer.get(), &TColorTable::OnChange);
  mixer->SetSize(3);
  Settle();
  EXPECT_EQ(mixer->SelectedCell(), QPoint(2, 2));
  EXPECT_TRUE(mixer->UserSelected());
  EXPECT_EQ(changes.count(), 1);
  EXPECT_EQ(mixer->SelectedColor(), Rgb(255, 255, 0)) << "the cell now at the selection: the bottom-right corner";
  mixer->SetSize(8);
  Settle();
  EXPECT_EQ(mixer->SelectedCell(), QPoint(2, 2)) << "growing keeps the selection";
  EXPECT_EQ(changes.count(), 2);
}

TEST(ColorMixer, CornerChangesClearTheUserFlag) {
  auto mixer = ShownMixer({256, 256}, 3);
  QTest::mouseClick(mixer.get(), Qt::LeftButton, {}, CellCentre(*mixer, 1, 0));
  Settle();
  ASSERT_TRUE(mixer->UserSelected());
  QSignalSpy changes(mixer.get(), &TColorTable::OnChange);
  mixer->SetValue1(Rgb(255, 0, 0));
  mixer->SetValue2(Rgb(0, 0, 255));
  Settle();
  EXPECT_FALSE(mixer->UserSelected());
  EXPECT_EQ(changes.count(), 1);
  EXPECT_EQ(mixer->SelectedColor(), Rgb(127, 0, 127));
}

TEST(ColorMixer, HoverAndRightPressesReadTheDisplayedColour) {
  auto mixer = ShownMixer({256, 256}, 5);
  mixer->SetColor(Rgb(255, 255, 255));
  Settle();
  QSignalSpy downs(mixer.get(), &TColorTable::OnMouseDown);
  QTest::mouseMove(mixer.get(), CellCentre(*mixer, 2, 2));
  EXPECT_EQ(mixer->GetHoverColor(), std::optional<TColor>(mixer->GetCell(2, 2)));
  QTest::mousePress(mixer.get(), Qt::RightButton, {}, mixer->CellRect({0, 0}).topLeft() + QPoint(10, 0));
  ASSERT_EQ(downs.count(), 1);
  EXPECT_EQ(downs.front().at(0).value<Qt::MouseButton>(), Qt::RightButton);
  EXPECT_EQ(mixer->HoverColor(), clBlack) << "the selection frame";
  EXPECT_FALSE(mixer->GetHoverColor());
  QTest::mouseRelease(mixer.get(), Qt::RightButton, {}, mixer->CellRect({0, 0}).topLeft() + QPoint(10, 0));
  QTest::mouseMove(mixer.get(), QPoint(0, 5));  // not (0, 0): QTest reads a null point as the centre
  EXPECT_EQ(mixer->HoverColor(), Rgb(255, 255, 255)) << "the white background";
  EXPECT_FALSE(mixer->GetHoverColor());
  EXPECT_TRUE(mixer->IsOwnColor(mixer->GetCell(4, 4)));
}

TEST(ColorMixer, OffersItsDropColourInTheResultSpace) {
  auto mixer = ShownMixer({256, 256}, 5);
  mixer->SetResultModel(cmHSB);
  QTest::mousePress(mixer.get(), Qt::LeftButton, {}, CellCentre(*mixer, 4, 0));
  QTest::mouseRelease(mixer.get(), Qt::LeftButton, {}, CellCentre(*mixer, 4, 0));
  const TColorDragOffer offer = mixer->ColorDragOffer();
  EXPECT_EQ(offer.kind, TColorDragKind::Mixer);
  EXPECT_EQ(offer.color, Rgb(0, 255, 0));
  EXPECT_EQ(offer.model, cmHSB);
  // The base swatch takes it in the mixer's model; the palette list and the corner buttons refuse it.
  const auto base = ColorDrag::BaseSwatchDrop(offer);
  ASSERT_TRUE(base);
  EXPECT_EQ(base->color.Model(), cmHSB);
  EXPECT_EQ(base->color.GetColor(), Rgb(0, 255, 0));
  EXPECT_FALSE(ColorDrag::PaletteListDrop(offer));
  EXPECT_FALSE(ColorDrag::MixerCornerDrop(offer));
}

}  // namespace
}  // namespace tintorium
