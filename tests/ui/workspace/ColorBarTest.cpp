// The channel slider: its pixel rules, gradient, marker and the user's ways of moving it.
#include "ui/workspace/ColorBar.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace tintorium {
namespace {

namespace G = ColorBarGeometry;

TEST(ColorBarGeometry, TheHundredTwentySevenPixelSlider) {
  const QSize size(127, 22);  // S = 115
  EXPECT_EQ(G::MarkerOffset(size, cmRGB, 1, 255), 115);
  EXPECT_EQ(G::MarkerX(size, G::MarkerOffset(size, cmRGB, 1, 255)), 121);
  EXPECT_EQ(G::MarkerX(size, G::MarkerOffset(size, cmRGB, 1, 0)), 6);
  EXPECT_EQ(G::ValueAtX(size, cmRGB, 2, 64), 129);  // Round(58 / (115 / 255))
  EXPECT_EQ(G::ValueAtX(size, cmRGB, 2, -40), 0);
  EXPECT_EQ(G::ValueAtX(size, cmRGB, 2, 500), 255) << "a pointer past the end is clamped";
}

struct RangeCase {
  TColorModel model;
  int pick, min, max, width, base;
};

class ColorBarRanges : public ::testing::TestWithParam<RangeCase> {};

TEST_P(ColorBarRanges, EndsMapToTheGradientEdges) {
  const RangeCase& c = GetParam();
  EXPECT_EQ(G::ChannelMin(c.model, c.pick), c.min);
  EXPECT_EQ(G::ChannelMax(c.model, c.pick), c.max);
  EXPECT_EQ(G::BitmapWidth(c.model, c.pick), c.width);
  EXPECT_EQ(G::ColumnBase(c.model, c.pick), c.base);
  const QSize size(212, 22);
  EXPECT_EQ(G::MarkerX(size, G::MarkerOffset(size, c.model, c.pick, c.min)), 6);
  EXPECT_EQ(G::MarkerX(size, G::MarkerOffset(size, c.model, c.pick, c.max)), 206);
  EXPECT_EQ(G::ValueAtX(size, c.model, c.pick, 6), c.min);
  EXPECT_EQ(G::ValueAtX(size, c.model, c.pick, 206), c.max);

  TColorBar bar(c.model, c.pick);
  EXPECT_EQ(bar.Gradient().width(), c.width);
  EXPECT_EQ(bar.Gradient().height(), 12);
}

INSTANTIATE_TEST_SUITE_P(Channels, ColorBarRanges,
                         ::testing::Values(RangeCase{cmRGB, 1, 0, 255, 256, 0}, RangeCase{cmHSB, 1, 0, 360, 361, 0},
                                           RangeCase{cmHSB, 3, 0, 100, 101, 0}, RangeCase{cmCMYK, 4, 0, 100, 101, 0},
                                           RangeCase{cmLAB, 1, 0, 100, 101, 0},
                                           RangeCase{cmLAB, 2, -128, 127, 256, -128},
                                           RangeCase{cmLAB, 3, -128, 127, 256, -128}));

TEST(ColorBarGeometry, TooNarrowForASpanGivesTheMinimum) {
  EXPECT_EQ(G::ValueAtX(QSize(10, 22), cmLAB, 2, 5), -128);
  EXPECT_EQ(G::MarkerOffset(QSize(10, 22), cmRGB, 1, 200), 0);
}

TEST(ColorBar, SettersClampAndOnlyCmykLimitsTheFourthValue) {
  TColorBar rgb(cmRGB, 1);
  QSignalSpy changes(&rgb, &TColorBar::OnChange);
  rgb.SetValue1(300);
  EXPECT_EQ(rgb.Value1(), 255);
  rgb.SetValue1(255);
  EXPECT_EQ(changes.count(), 1) << "setting the same value again raises nothing";
  rgb.SetValue4(5000);
  EXPECT_EQ(rgb.Value4(), 5000);
  TColorBar cmyk(cmCMYK, 4);
  cmyk.SetValue4(-3);
  EXPECT_EQ(cmyk.Value4(), 0);
  TColorBar lab(cmLAB, 2);
  lab.SetValue2(-200);
  EXPECT_EQ(lab.Value2(), -128);
}

TEST(ColorBar, GradientHoldsTheOtherChannels) {
  TColorBar green(cmRGB, 2);
  green.SetValue1(10);
  green.SetValue3(200);
  const QImage& gradient = green.Gradient();
  EXPECT_EQ(gradient.pixel(0, 0), qRgb(10, 0, 200));
  EXPECT_EQ(gradient.pixel(128, 11), qRgb(10, 128, 200));
  EXPECT_EQ(gradient.pixel(255, 5), qRgb(10, 255, 200));
  green.SetValue1(0);
  EXPECT_EQ(green.Gradient().pixel(128, 0), qRgb(0, 128, 200)) << "a held channel's change rebuilds it";

  TColorBar hue(cmHSB, 1);
  hue.SetValue2(100);
  hue.SetValue3(100);
  EXPECT_EQ(hue.Gradient().pixel(0, 0), qRgb(255, 0, 0));
  EXPECT_EQ(hue.Gradient().pixel(120, 0), qRgb(0, 255, 0));
  EXPECT_EQ(hue.Gradient().pixel(360, 0), qRgb(255, 0, 0));
}

class ColorBarWidget : public ::testing::Test {
 protected:
  void SetUp() override {
    bar.resize(127, 22);
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
  }
  QImage Render() {
    QImage image(bar.size(), QImage::Format_RGB32);
    bar.render(&image);
    return image;
  }
  TColorBar bar{cmRGB, 1};
};

TEST_F(ColorBarWidget, PaintsGradientFrameAndMarker) {
  bar.SetValue1(255);
  bar.SetValue2(0);
  bar.SetValue3(0);
  QImage image = Render();
  EXPECT_EQ(image.pixel(121, 22 - 8), qRgb(0, 0, 0)) << "marker tip";
  EXPECT_EQ(image.pixel(118, 22 - 5), qRgb(0, 0, 0)) << "marker base corner";
  EXPECT_NE(image.pixel(121, 22 - 9), qRgb(0, 0, 0)) << "nothing above the tip";
  EXPECT_EQ(image.pixel(6, 5), qRgb(0, 0, 0)) << "frame, left";
  EXPECT_EQ(image.pixel(121, 5), qRgb(0, 0, 0)) << "frame, right at W - 6";
  EXPECT_EQ(image.pixel(60, 12), qRgb(0, 0, 0)) << "frame, bottom at H - 10";
  EXPECT_LT(qRed(image.pixel(7, 5)), 8) << "the gradient starts near R = 0";
  EXPECT_GT(qRed(image.pixel(120, 5)), 248) << "and ends near R = 255";
  bar.SetValue1(0);
  image = Render();
  EXPECT_EQ(image.pixel(6, 22 - 8), qRgb(0, 0, 0));
}

TEST_F(ColorBarWidget, PressDragAndReleaseTrackThenCommitOnce) {
  QSignalSpy tracks(&bar, &TColorBar::OnTrack);
  QSignalSpy commits(&bar, &TColorBar::OnCommit);
  QTest::mousePress(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(64, 5));
  EXPECT_EQ(bar.Value1(), 129);
  EXPECT_TRUE(bar.hasFocus());
  QTest::mouseMove(&bar, QPoint(90, 5));
  QTest::mouseMove(&bar, QPoint(400, 5));  // beyond the control: clamped
  EXPECT_EQ(bar.Value1(), 255);
  EXPECT_EQ(commits.count(), 0);
  QTest::mouseRelease(&bar, Qt::LeftButton, Qt::NoModifier, QPoint(400, 5));
  EXPECT_EQ(tracks.count(), 3);
  EXPECT_EQ(commits.count(), 1);
  // Other buttons do nothing.
  QTest::mouseClick(&bar, Qt::RightButton, Qt::NoModifier, QPoint(10, 5));
  EXPECT_EQ(bar.Value1(), 255);
  EXPECT_EQ(commits.count(), 1);
}

TEST_F(ColorBarWidget, KeysAndWheelStepByOneOrTenAndCommit) {
  bar.SetValue1(100);
  QSignalSpy commits(&bar, &TColorBar::OnCommit);
  QTest::keyClick(&bar, Qt::Key_Right);
  EXPECT_EQ(bar.Value1(), 101);
  QTest::keyClick(&bar, Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(bar.Value1(), 91);
  EXPECT_EQ(commits.count(), 2);
  QWheelEvent up(QPointF(20, 5), bar.mapToGlobal(QPointF(20, 5)), QPoint(), QPoint(0, 120), Qt::NoButton,
                 Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(&bar, &up);
  EXPECT_EQ(bar.Value1(), 92);
  bar.SetValue1(255);
  QTest::keyClick(&bar, Qt::Key_Up);
  EXPECT_EQ(bar.Value1(), 255);
  EXPECT_EQ(commits.count(), 3) << "a step that changes nothing commits nothing";
}

TEST_F(ColorBarWidget, ResizeKeepsTheValue) {
  bar.SetValue1(255);
  bar.resize(212, 22);
  EXPECT_EQ(bar.Value1(), 255);
  EXPECT_EQ(bar.MarkerOffset(), 200);
}

}  // namespace
}  // namespace tintorium
