// The magnifier's drawing: zoom steps from any stored level, the source square at every level, the enlarged
// view pixel by pixel (replication, crosshair, frame, edges of the picture) and the values panel.
#include "core/ColorObject.h"
#include "engine/screenpick/MagnifierView.h"

#include <gtest/gtest.h>

#include <QImage>

namespace tintorium {
namespace {

struct TZoomCase {
  int from;
  int in, out, wheelForward, wheelBackward, wheelZero, drawn;
};

TEST(MagnifierViewTest, ZoomStepsStayWithinOneToSeven) {
  const TZoomCase cases[] = {
      {0, 1, 1, 1, 1, 1, 1},  // a stored 0 draws as 1 and any step makes it 1
      {1, 2, 1, 2, 1, 1, 1},  {4, 5, 3, 5, 3, 3, 4}, {7, 7, 6, 7, 6, 6, 7},
      {-5, 1, 1, 1, 1, 1, 1}, {99, 7, 7, 7, 7, 7, 7},
  };
  for (const TZoomCase& c : cases) {
    SCOPED_TRACE(c.from);
    EXPECT_EQ(ZoomIn(c.from), c.in);
    EXPECT_EQ(ZoomOut(c.from), c.out);
    EXPECT_EQ(WheelZoom(c.from, 120), c.wheelForward);
    EXPECT_EQ(WheelZoom(c.from, -120), c.wheelBackward);
    EXPECT_EQ(WheelZoom(c.from, 0), c.wheelZero);
    EXPECT_EQ(DrawnZoom(c.from), c.drawn);
  }
}

TEST(MagnifierViewTest, SourceSquareShrinksWithTheZoom) {
  // Side and offset for z = 1 ... 7 around (500, 300); the sides are odd so the pointer's pixel is the middle one.
  const int sides[] = {91, 45, 31, 23, 19, 15, 13};
  const int offsets[] = {45, 22, 15, 11, 9, 7, 6};
  for (int z = 1; z <= 7; ++z) {
    SCOPED_TRACE(z);
    EXPECT_EQ(MagnifierSource({500, 300}, z), QRect(500 - offsets[z - 1], 300 - offsets[z - 1], sides[z - 1],
                                                    sides[z - 1]));
  }
  EXPECT_EQ(MagnifierSource({10, 10}, 0), MagnifierSource({10, 10}, 1));
}

// A picture whose every pixel has its own colour, so a view pixel names the picture pixel it came from.
QImage CoordinatePicture(int w, int h) {
  QImage picture(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) picture.setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, 77));
  return picture;
}

TEST(MagnifierViewTest, ViewReplicatesTheSourcePixelsAroundTheCentre) {
  const QImage picture = CoordinatePicture(200, 200);
  for (int z = 1; z <= 7; ++z) {
    SCOPED_TRACE(z);
    const QRect source = MagnifierSource({100, 120}, z);
    const QImage view = RenderMagnifierView(picture, {100, 120}, z, qRgb(1, 2, 3));
    ASSERT_EQ(view.size(), QSize(183, 183));
    // Away from frame and crosshair, each view pixel is the picture pixel it enlarges.
    for (const QPoint p : {QPoint(10, 10), QPoint(30, 150), QPoint(150, 20), QPoint(170, 170)}) {
      const QPoint from(source.x() + p.x() * source.width() / 183, source.y() + p.y() * source.height() / 183);
      EXPECT_EQ(view.pixel(p), picture.pixel(from)) << p.x() << "," << p.y();
    }
    // The crosshair's centre shows the pixel under the pointer, the one that is picked, at every zoom.
    EXPECT_EQ(source.x() + 91 * source.width() / 183, 100);
    EXPECT_EQ(source.y() + 91 * source.height() / 183, 120);
  }
}

TEST(MagnifierViewTest, CrosshairFrameAndDot) {
  const QImage picture(300, 300, QImage::Format_RGB32);
  QImage black = picture;
  black.fill(Qt::black);
  const QImage view = RenderMagnifierView(black, {150, 150}, 3, qRgb(10, 200, 30));
  const QRgb white = qRgb(255, 255, 255);
  for (const QPoint p : {QPoint(0, 0), QPoint(182, 0), QPoint(0, 182), QPoint(182, 182), QPoint(90, 0)})
    EXPECT_EQ(view.pixel(p), white) << "frame " << p.x() << "," << p.y();
  // Four arms, three pixels wide, stopping short of the centre.
  for (const QPoint p : {QPoint(91, 46), QPoint(90, 80), QPoint(92, 87), QPoint(46, 91), QPoint(87, 92),
                         QPoint(137, 91), QPoint(95, 90), QPoint(91, 137), QPoint(91, 95)})
    EXPECT_EQ(view.pixel(p), white) << "arm " << p.x() << "," << p.y();
  for (const QPoint p : {QPoint(91, 30), QPoint(30, 91), QPoint(150, 91), QPoint(91, 150), QPoint(20, 20)})
    EXPECT_EQ(view.pixel(p), qRgb(0, 0, 0)) << "outside the arms " << p.x() << "," << p.y();
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) EXPECT_EQ(view.pixel(91 + dx, 91 + dy), qRgb(10, 200, 30));
}

TEST(MagnifierViewTest, OutsideThePictureIsBlackAtEveryEdge) {
  QImage picture(50, 40, QImage::Format_RGB32);
  picture.fill(qRgb(250, 100, 0));
  for (const QPoint corner : {QPoint(0, 0), QPoint(49, 0), QPoint(0, 39), QPoint(49, 39)}) {
    const QImage view = RenderMagnifierView(picture, corner, 1, qRgb(250, 100, 0));
    // The quarter of the view beyond the picture's corner is black; the quarter towards the middle is not.
    const int outX = corner.x() == 0 ? 20 : 160, outY = corner.y() == 0 ? 20 : 160;
    const int inX = corner.x() == 0 ? 120 : 60, inY = corner.y() == 0 ? 120 : 60;
    EXPECT_EQ(view.pixel(outX, outY), qRgb(0, 0, 0));
    EXPECT_EQ(view.pixel(inX, inY), qRgb(250, 100, 0));
  }
  // An empty picture gives a black view and no crash.
  EXPECT_EQ(RenderMagnifierView(QImage(), {5, 5}, 2, qRgb(1, 1, 1)).pixel(20, 20), qRgb(0, 0, 0));
}

TEST(MagnifierViewTest, InfoPanelShowsTheSwatchAndValues) {
  const TColorObject picked(0x3366CC, cmRGB);  // R 0xCC, G 0x66, B 0x33
  const QImage info = RenderMagnifierInfo(picked, QStringLiteral("Use +/- or mouse wheel for zoom"));
  ASSERT_EQ(info.size(), QSize(183, 78));
  EXPECT_EQ(info.pixel(18, 18), qRgb(0xCC, 0x66, 0x33));
  EXPECT_EQ(info.pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(info.pixel(182, 77), qRgb(0, 0, 0));
  EXPECT_EQ(info.pixel(100, 76), qRgb(255, 255, 255));
  // Text was drawn right of the swatch, in four lines and the tip below.
  int dark = 0;
  for (int y = 3; y < 70; ++y)
    for (int x = 39; x < 180; ++x) dark += qGray(info.pixel(x, y)) < 128 ? 1 : 0;
  EXPECT_GT(dark, 150);
}

TEST(MagnifierViewTest, MagnifierMovesAsideWhenThePointerIsUnderIt) {
  const QRect screen(0, 0, 1280, 900);
  const QSize size(185, 290);
  EXPECT_EQ(MagnifierPlace(screen, size, {600, 400}), QPoint(0, 0));
  EXPECT_EQ(MagnifierPlace(screen, size, {50, 50}), QPoint(1280 - 185, 0));
  EXPECT_EQ(MagnifierPlace(QRect(1280, 24, 1920, 1056), size, {1300, 100}), QPoint(1280 + 1920 - 185, 24));
}

}  // namespace
}  // namespace tintorium
