// The wheel through its rendered image and real mouse events.
#include <QApplication>
#include "ui/controls/ColorWheel.h"

#include "core/ColorModels.h"
#include "engine/qtcolor/QtColorAdapter.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace tintorium {
namespace {

constexpr TColor Red = 0x0000FF;
constexpr TColor White = 0xFFFFFF;

class WheelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    wheel = std::make_unique<TColorWheel>();
    wheel->resize(240, 200);
    wheel->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(wheel.get()));
  }
  TColor Shown(QPoint point) const { return FromQRgb(wheel->grab().toImage().pixel(point)); }
  // Beside the segment's centre line, clear of a harmony marker and of the spokes.
  QPoint Centre(int segment) const {
    const TWheelGeometry g = wheel->Geometry();
    return g.display.topLeft() + WheelPoint(g, SegmentAngle(segment) + 8, g.D / 3) / 3;
  }
  void Click(QPoint point) { QTest::mouseClick(wheel.get(), Qt::LeftButton, {}, point); }

  std::unique_ptr<TColorWheel> wheel;
};

TEST_F(WheelTest, SegmentInteriorsCarryExactlyTheirColourOnScreen) {
  wheel->SetBaseColor(Red);
  for (TColorWheelStyle style : {wsRGB, wsRYB}) {
    wheel->SetWheelStyle(style);
    for (int i = 0; i < WheelSegmentCount; ++i) {
      const QPoint centre = Centre(i);
      for (QPoint offset : {QPoint(0, 0), QPoint(4, 0), QPoint(0, -4), QPoint(-4, 3)})
        EXPECT_EQ(Shown(centre + offset), wheel->SegmentColor(i)) << "style " << int(style) << " segment " << i;
    }
  }
}

TEST_F(WheelTest, NonMembersArePaleAndTheirColourIsNoOwnColour) {
  wheel->SetBaseColor(Red);
  wheel->SetHarmony(chTriad);
  for (int i = 0; i < WheelSegmentCount; ++i) {
    const bool member = i == 0 || i == 4 || i == 8;
    const TColor expected = member ? wheel->SegmentColor(i) : PaleColor(wheel->SegmentColor(i));
    EXPECT_EQ(Shown(Centre(i)), expected) << i;
    EXPECT_EQ(wheel->IsOwnColor(Shown(Centre(i))), member) << i;
  }
}

TEST_F(WheelTest, OnlyTheShorterSideRebuildsTheImage) {
  const TWheelGeometry before = wheel->Geometry();
  wheel->resize(300, 200);
  const TWheelGeometry wider = wheel->Geometry();
  EXPECT_EQ(wider.S, before.S);
  EXPECT_EQ(wider.display.left(), 150 - 100);
  EXPECT_EQ(Shown(Centre(6)), wheel->SegmentColor(6));
  wheel->resize(300, 260);
  EXPECT_EQ(wheel->Geometry().S, 260);
  EXPECT_EQ(Shown(Centre(6)), wheel->SegmentColor(6));
}

TEST_F(WheelTest, AClickOnAFullSegmentPicksItAndTurnsTheRingAroundIt) {
  wheel->SetBaseColor(Red);
  QTest::qWait(20);
  QSignalSpy changes(wheel.get(), &TColorWheel::OnChange);
  const TColor cyan = wheel->SegmentColor(6);
  Click(Centre(6));
  EXPECT_EQ(wheel->BaseColor(), cyan);
  EXPECT_TRUE(wheel->PickedByClick());
  EXPECT_EQ(changes.count(), 1);
  EXPECT_EQ(Shown(Centre(0)), cyan);  // the clicked colour is now at the top
  QTest::qWait(20);
  EXPECT_EQ(changes.count(), 1) << "the repaint after a click does not fire again";
}

TEST_F(WheelTest, ClicksThatPickNothing) {
  wheel->SetBaseColor(Red);
  wheel->SetHarmony(chComplement);
  QTest::qWait(20);
  QSignalSpy changes(wheel.get(), &TColorWheel::OnChange);
  // A pale segment, the inner disc, the background, and a press and release on different segments.
  Click(Centre(3));
  Click(wheel->Geometry().display.center());
  Click(QPoint(2, 2));
  QTest::mousePress(wheel.get(), Qt::LeftButton, {}, Centre(0));
  QTest::mouseRelease(wheel.get(), Qt::LeftButton, {}, Centre(6));
  QTest::mouseClick(wheel.get(), Qt::RightButton, {}, Centre(6));
  EXPECT_EQ(wheel->BaseColor(), Red);
  EXPECT_FALSE(wheel->PickedByClick());
  EXPECT_EQ(changes.count(), 0);
}

TEST_F(WheelTest, AClickOnAWhiteWheelChangesNothing) {
  wheel->SetBaseColor(White);
  QTest::qWait(20);
  QSignalSpy changes(wheel.get(), &TColorWheel::OnChange);
  Click(Centre(4));
  QTest::qWait(20);
  EXPECT_EQ(changes.count(), 0);
  EXPECT_EQ(wheel->BaseColor(), White);
}

TEST_F(WheelTest, AMoveOfFivePixelsIsStillAClick) {
  wheel->SetBaseColor(Red);
  const QPoint start = Centre(4);
  QTest::mousePress(wheel.get(), Qt::LeftButton, {}, start);
  QMouseEvent move(QEvent::MouseMove, QPointF(start + QPoint(3, 4)), wheel->mapToGlobal(QPointF(start + QPoint(3, 4))),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(wheel.get(), &move);
  EXPECT_FALSE(wheel->Dragging());
  QTest::mouseRelease(wheel.get(), Qt::LeftButton, {}, start + QPoint(3, 4));
  EXPECT_EQ(wheel->BaseColor(), WheelSegments(Red, wsRGB)[4]);
  EXPECT_TRUE(wheel->PickedByClick());
}

TEST_F(WheelTest, AnOutsideColourClearsThePickAndFiresAtOnceAndAfterThePaint) {
  wheel->SetBaseColor(Red);
  Click(Centre(2));
  ASSERT_TRUE(wheel->PickedByClick());
  QSignalSpy changes(wheel.get(), &TColorWheel::OnChange);
  wheel->SetBaseColor(White);
  EXPECT_FALSE(wheel->PickedByClick());
  EXPECT_EQ(changes.count(), 1);
  QTest::qWait(30);
  EXPECT_EQ(changes.count(), 2);
  // Style and harmony only repaint.
  wheel->SetWheelStyle(wsRYB);
  wheel->SetHarmony(chSquare);
  QTest::qWait(30);
  EXPECT_EQ(changes.count(), 2);
}

TEST_F(WheelTest, HoverFollowsThePointerAndOffersOnlyOwnColours) {
  wheel->SetBaseColor(Red);
  wheel->SetHarmony(chPrimary);
  QTest::mouseMove(wheel.get(), Centre(0));
  EXPECT_EQ(wheel->GetHoverColor(), std::optional<TColor>(Red));
  QTest::mouseMove(wheel.get(), Centre(5));
  EXPECT_EQ(wheel->HoverColor(), PaleColor(wheel->SegmentColor(5)));
  EXPECT_FALSE(wheel->GetHoverColor());
}

TEST_F(WheelTest, AddAllFollowsTheHarmonyOrder) {
  wheel->SetBaseColor(Red);
  wheel->SetHarmony(chSquare);
  const TWheelSegments& s = wheel->SegmentColors();
  EXPECT_EQ(wheel->AddAllColors(), (std::vector<TColor>{s[0], s[9], s[6], s[3]}));
  wheel->SetHarmony(chNone);
  EXPECT_EQ(wheel->AddAllColors().size(), 12u);
}

TEST_F(WheelTest, ADragOffersThePressedColourInTheResultModel) {
  wheel->SetBaseColor(Red);
  wheel->SetResultModel(cmHSB);
  QTest::mousePress(wheel.get(), Qt::LeftButton, {}, Centre(8));
  QTest::mouseRelease(wheel.get(), Qt::LeftButton, {}, Centre(0));
  const TColorDragOffer offer = wheel->ColorDragOffer();
  EXPECT_EQ(offer.kind, TColorDragKind::Wheel);
  EXPECT_EQ(offer.color, WheelSegments(Red, wsRGB)[8]);
  EXPECT_EQ(offer.model, cmHSB);
  QTest::mousePress(wheel.get(), Qt::LeftButton, {}, QPoint(1, 1));
  EXPECT_EQ(wheel->ColorDragOffer().color, clNone);
}

TEST(WheelImage, ReductionAveragesAndTruncates) {
  QImage big(6, 3, QImage::Format_RGB32);
  big.fill(qRgb(10, 20, 30));
  big.setPixel(0, 0, qRgb(18, 20, 30));  // (8 * 10 + 18) / 9 = 10.9 -> 10
  big.setPixel(3, 0, qRgb(19, 29, 255));
  const QImage small = ReduceThreeByThree(big);
  ASSERT_EQ(small.size(), QSize(2, 1));
  EXPECT_EQ(small.pixel(0, 0), qRgb(10, 20, 30));
  EXPECT_EQ(small.pixel(1, 0), qRgb(11, 21, 55));
}

TEST(WheelImage, SurfaceFillStopsAtOtherColours) {
  QImage image(5, 5, QImage::Format_RGB32);
  image.fill(Qt::white);
  for (int i = 0; i < 5; ++i) image.setPixel(2, i, qRgb(0, 0, 0));
  SurfaceFill(image, QPoint(0, 0), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(1, 4), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(2, 2), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(3, 0), qRgb(255, 255, 255));
}

}  // namespace
}  // namespace tintorium
