// The state behind "Colors from Image" without widgets: counts held in 1-10, nothing without a picture, and a
// reduced copy of a picture fitted by the picture's full size.
#include "engine/schemes/ImagePickers.h"

#include "engine/schemes/PickerGeometry.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

namespace tintorium {
namespace {

QImage Gradient(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.setPixel(x, y, qRgb(x % 256, y % 256, 40));
  return image;
}

TEST(ImagePickersTest, WithoutAPictureNothingIsPlacedMixedOrMoved) {
  QRandomGenerator random(5);
  TImagePickers pickers(random);
  pickers.Fit({300, 200});
  pickers.Place(7);
  pickers.SetCount(4);
  pickers.Mix();
  pickers.MovePicker(0, {1, 1});
  EXPECT_FALSE(pickers.HasPicture());
  EXPECT_EQ(pickers.Count(), 0);
  EXPECT_TRUE(pickers.Colors().empty());
  EXPECT_EQ(pickers.Sample({0, 0}), clNone);
}

TEST(ImagePickersTest, ThePicksCountIsHeldBetweenOneAndTen) {
  QRandomGenerator random(5);
  TImagePickers pickers(random);
  pickers.Load(Gradient(120, 90), {}, {300, 200}, 7);
  const std::pair<int, int> cases[] = {{0, 1}, {-3, 1}, {1, 1}, {10, 10}, {11, 10}, {1000000, 10}};
  for (const auto& [asked, kept] : cases) {
    pickers.SetCount(asked);
    EXPECT_EQ(pickers.Count(), kept) << asked;
    EXPECT_EQ(int(pickers.Colors().size()), kept);
  }
  pickers.MovePicker(10, {5, 5});  // no such picker: ignored
  pickers.MovePicker(-1, {5, 5});
  EXPECT_EQ(pickers.Count(), 10);
}

TEST(ImagePickersTest, AReducedCopyIsFittedByThePicturesFullSize) {
  QRandomGenerator random(5);
  TImagePickers pickers(random);
  // A 4000 by 3000 picture read as a 400 by 300 copy, in a 1000 by 500 panel: 665 by 499, as the full picture.
  pickers.Load(Gradient(400, 300), {4000, 3000}, {1000, 500}, 3);
  EXPECT_EQ(pickers.NaturalSize(), QSize(4000, 3000));
  EXPECT_EQ(pickers.FittedSize(), QSize(665, 499));
  // In a smaller panel it shrinks like the full picture would.
  pickers.Fit({201, 400});
  EXPECT_EQ(pickers.FittedSize(), QSize(200, 150));
  for (int i = 0; i < pickers.Count(); ++i) {
    const QPoint pixel = pickers.PicturePixels()[std::size_t(i)];
    EXPECT_EQ(pickers.Colors()[std::size_t(i)], TColor(pixel.x() % 256) | (TColor(pixel.y() % 256) << 8) | (40u << 16));
  }
}

// Fitting anew never changes a pick: a picker reads a pixel of the picture, and its ring follows that pixel.
TEST(ImagePickersTest, RefittingKeepsThePicturePixelsAndColours) {
  QRandomGenerator random(11);
  TImagePickers pickers(random);
  pickers.Load(Gradient(240, 180), {}, {300, 200}, MaxPickCount);
  const std::vector<QPoint> pixels = pickers.PicturePixels();
  const std::vector<TColor> colours = pickers.Colors();
  for (const QSize panel : {QSize(61, 400), QSize(300, 31), QSize(2, 2), QSize(121, 91), QSize(300, 200)}) {
    pickers.Fit(panel);
    EXPECT_EQ(pickers.PicturePixels(), pixels) << panel.width() << "x" << panel.height();
    EXPECT_EQ(pickers.Colors(), colours);
    for (int i = 0; i < pickers.Count(); ++i) {
      const QPoint ring = pickers.Pickers()[std::size_t(i)] + QPoint(PickerSampleOffset, PickerSampleOffset);
      EXPECT_EQ(ring, pickers.FittedPixelOf(pixels[std::size_t(i)]));
      EXPECT_TRUE(QRect(QPoint(0, 0), pickers.FittedSize()).contains(ring));
    }
  }
  // Picking in a half-size fit reads the picture pixel shown there.
  pickers.Fit({121, 91});
  ASSERT_EQ(pickers.FittedSize(), QSize(120, 90));
  pickers.MovePicker(0, QPoint(50, 30) - QPoint(PickerSampleOffset, PickerSampleOffset));
  EXPECT_EQ(pickers.PicturePixels()[0], QPoint(101, 61));
  EXPECT_EQ(pickers.Colors()[0], TColor(101) | (TColor(61) << 8) | (40u << 16));
}

}  // namespace
}  // namespace tintorium
