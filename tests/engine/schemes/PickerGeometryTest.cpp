// Where the pickers of "Colors from Image" go and which pixel each one reads, and the swatch row's cells.
#include "engine/schemes/PickerGeometry.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

namespace tintorium {
namespace {

TEST(PickerGeometryTest, APictureIsFittedIntoThePanelLessOnePixelAndNeverEnlarged) {
  struct Case {
    QSize natural, panel, fitted;
  };
  const Case cases[] = {
      {{100, 50}, {400, 300}, {100, 50}},    // fits: shown as it is
      {{100, 50}, {81, 300}, {80, 40}},      // too wide: width 80, height Trunc(80 / 2)
      {{100, 50}, {400, 31}, {60, 30}},      // too high: height 30, width Trunc(30 * 2)
      {{4000, 3000}, {601, 400}, {532, 399}},  // Trunc(399 * 4 / 3) = 532
      {{3, 1000}, {400, 301}, {1, 300}},     // Trunc(300 * 0.003) = 0 is held at one pixel
      {{100, 50}, {1, 1}, {1, 1}},           // a collapsed panel still shows one pixel
  };
  for (const Case& c : cases) EXPECT_EQ(FitPicture(c.natural, c.panel), c.fitted) << c.natural.width() << "x" << c.panel.width();
}

TEST(PickerGeometryTest, APickerReadsEightPixelsInClampedIntoThePicture) {
  const QSize image(100, 50);
  EXPECT_EQ(SamplePoint({10, 20}, image), QPoint(18, 28));
  EXPECT_EQ(SamplePoint({-7, -7}, image), QPoint(1, 1));
  EXPECT_EQ(SamplePoint({95, 45}, image), QPoint(99, 49));
  EXPECT_EQ(SamplePoint({-20, 70}, image), QPoint(0, 49));
}

TEST(PickerGeometryTest, ADraggedPickerKeepsItsCentreOnThePicture) {
  const QSize image(100, 50);
  // Pressed 5 pixels into the picker, the pointer 40 pixels above: the top stops at -7.
  EXPECT_EQ(DraggedPickerSpot({30, 10}, {5, 5}, {5, -35}, image), QPoint(30, -7));
  EXPECT_EQ(SamplePoint(DraggedPickerSpot({30, 10}, {5, 5}, {5, -35}, image), image), QPoint(38, 1));
  EXPECT_EQ(DraggedPickerSpot({30, 10}, {5, 5}, {200, 200}, image), QPoint(93, 43));
  EXPECT_EQ(DraggedPickerSpot({30, 10}, {5, 5}, {-100, 5}, image), QPoint(-7, 10));
  EXPECT_EQ(DraggedPickerSpot({30, 10}, {7, 7}, {9, 4}, image), QPoint(32, 7));
}

TEST(PickerGeometryTest, RandomSpotsStayInTheirRanges) {
  QRandomGenerator random(1234);
  const QSize image(60, 40);
  for (int i = 0; i < 2000; ++i) {
    const QPoint placed = RandomPickerSpot(image, random);
    EXPECT_TRUE(QRect(0, 0, 60, 40).contains(placed));
    const QPoint mixed = MixedPickerSpot(image, random);
    EXPECT_TRUE(QRect(0, 0, 45, 25).contains(mixed)) << mixed.x() << "," << mixed.y();
  }
  // A picture narrower or lower than a picker puts mixed pickers at its corner instead of failing.
  EXPECT_EQ(MixedPickerSpot({10, 5}, random), QPoint(0, 0));
  EXPECT_EQ(RandomPickerSpot({1, 1}, random), QPoint(0, 0));
}

TEST(PickerGeometryTest, RefittingMovesOnlyPickersBeyondTheNewEdgesUpTo29PixelsFurtherIn) {
  QRandomGenerator random(99);
  const QSize image(200, 100);
  EXPECT_EQ(RefittedPickerSpot({185, 85}, image, random), QPoint(185, 85)) << "still inside: not moved";
  for (int i = 0; i < 500; ++i) {
    const QPoint moved = RefittedPickerSpot({300, 150}, image, random);
    EXPECT_GE(moved.y(), 100 - 15 - 29);
    EXPECT_LE(moved.y(), 100 - 15);
    EXPECT_GE(moved.x(), 200 - 15 - 29);
    EXPECT_LE(moved.x(), 200 - 15);
    const QPoint onlyDown = RefittedPickerSpot({20, 150}, image, random);
    EXPECT_EQ(onlyDown.x(), 20);
  }
  // On a tiny picture the move never takes a picker's centre off it.
  for (int i = 0; i < 200; ++i) {
    const QPoint moved = RefittedPickerSpot({50, 50}, {12, 10}, random);
    EXPECT_GE(moved.x(), -7);
    EXPECT_GE(moved.y(), -7);
  }
}

TEST(PickerGeometryTest, ThePickerUnderThePointerIsTheTopmostOneWhoseCircleHoldsIt) {
  const std::vector<QPoint> pickers{{10, 10}, {14, 10}, {100, 100}};
  EXPECT_EQ(PickerAt(pickers, {17, 17}), 1) << "the later picker lies on top";
  EXPECT_EQ(PickerAt(pickers, {10, 17}), 0);
  EXPECT_EQ(PickerAt(pickers, {107, 107}), 2);
  EXPECT_EQ(PickerAt(pickers, {100, 100}), -1) << "the square's corner is outside the circle";
  EXPECT_EQ(PickerAt(pickers, {60, 60}), -1);
  EXPECT_EQ(PickerAt({}, {0, 0}), -1);
}

TEST(PickerGeometryTest, SwatchesLieInTenEqualColumnsOfThirtyPixelRows) {
  EXPECT_EQ(SwatchRect(0, 405), QRect(0, 0, 40, 30));
  EXPECT_EQ(SwatchRect(6, 405), QRect(240, 0, 40, 30));
  EXPECT_EQ(SwatchRect(10, 405), QRect(0, 30, 40, 30));
  EXPECT_EQ(SwatchAt({245, 12}, 405, 7), 6);
  EXPECT_EQ(SwatchAt({285, 12}, 405, 7), -1) << "beyond the last swatch";
  EXPECT_EQ(SwatchAt({402, 12}, 405, 10), -1) << "the remainder right of the tenth column";
  EXPECT_EQ(SwatchAt({5, 35}, 405, 10), -1);
  EXPECT_EQ(SwatchAt({-1, 5}, 405, 7), -1);
}

}  // namespace
}  // namespace tintorium
