// The frozen desktop: from pointer positions to picture pixels at any scale, and several screens (of different
// pixel ratios) united into one picture.
#include "engine/screenpick/FrozenScreen.h"

#include <gtest/gtest.h>

namespace tintorium {
namespace {

QImage Filled(int w, int h, QRgb color) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(color);
  return image;
}

struct TPixelCase {
  QSize image;
  QRect geometry;
  QPointF global;
  std::optional<QPoint> pixel;
};

TEST(FrozenScreenTest, PointerPositionsFindTheirPixel) {
  const TPixelCase cases[] = {
      {{800, 600}, {0, 0, 800, 600}, {0, 0}, QPoint(0, 0)},
      {{800, 600}, {0, 0, 800, 600}, {799.9, 599.5}, QPoint(799, 599)},
      {{800, 600}, {0, 0, 800, 600}, {800, 10}, std::nullopt},
      {{800, 600}, {0, 0, 800, 600}, {-0.5, 10}, std::nullopt},
      {{1600, 1200}, {0, 0, 800, 600}, {10, 20}, QPoint(20, 40)},  // device pixel ratio 2
      {{1600, 1200}, {0, 0, 800, 600}, {10.5, 20.5}, QPoint(21, 41)},
      {{3000, 1000}, {-1000, 0, 3000, 1000}, {-1000, 0}, QPoint(0, 0)},  // a screen left of the primary one
      {{3000, 1000}, {-1000, 0, 3000, 1000}, {0, 5}, QPoint(1000, 5)},
      {{0, 0}, {0, 0, 800, 600}, {1, 1}, std::nullopt},
  };
  for (const TPixelCase& c : cases) {
    const TFrozenScreen frozen{c.image.isEmpty() ? QImage() : Filled(c.image.width(), c.image.height(), 0),
                               c.geometry};
    EXPECT_EQ(frozen.PixelAt(c.global), c.pixel) << c.global.x() << "," << c.global.y();
  }
}

TEST(FrozenScreenTest, ScreensAreUnitedAtTheFinestPixelRatio) {
  // A doubled 400 × 300 screen at the origin and a plain 200 × 300 screen right of it, 100 lower.
  const TFrozenScreen desktop = ComposeDesktop({{Filled(800, 600, qRgb(255, 0, 0)), {0, 0, 400, 300}},
                                                {Filled(200, 300, qRgb(0, 0, 255)), {400, 100, 200, 300}}});
  ASSERT_FALSE(desktop.IsNull());
  EXPECT_EQ(desktop.geometry, QRect(0, 0, 600, 400));
  EXPECT_EQ(desktop.image.size(), QSize(1200, 800));
  EXPECT_EQ(desktop.image.pixel(*desktop.PixelAt({399, 299})), qRgb(255, 0, 0));
  EXPECT_EQ(desktop.image.pixel(*desktop.PixelAt({400, 100})), qRgb(0, 0, 255));
  EXPECT_EQ(desktop.image.pixel(*desktop.PixelAt({599, 399})), qRgb(0, 0, 255));
  EXPECT_EQ(desktop.image.pixel(*desktop.PixelAt({500, 50})), qRgb(0, 0, 0));  // no screen there
  EXPECT_EQ(desktop.image.pixel(*desktop.PixelAt({10, 350})), qRgb(0, 0, 0));
  EXPECT_EQ(desktop.SourceRect({400, 100, 200, 300}), QRect(800, 200, 400, 600));
}

TEST(FrozenScreenTest, NothingToUniteGivesNothing) {
  EXPECT_TRUE(ComposeDesktop({}).IsNull());
  EXPECT_TRUE(ComposeDesktop({{QImage(), {0, 0, 100, 100}}, {Filled(10, 10, 0), QRect()}}).IsNull());
}

}  // namespace
}  // namespace tintorium
