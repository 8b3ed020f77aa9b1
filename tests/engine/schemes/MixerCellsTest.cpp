#include "engine/schemes/MixerCells.h"

#include "core/ColorModels.h"
#include "core/SystemColors.h"

#include <gtest/gtest.h>

#include <random>

namespace tintorium {
namespace {

constexpr TColor Rgb(int r, int g, int b) {
  return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}

constexpr TMixerCorners ClassDefaults{Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(255, 255, 0), Rgb(0, 0, 255)};

struct CellCase {
  const char* what;
  TMixerCorners corners;
  int size;
  int column;
  int row;
  TColor expected;
};

TEST(MixerCellsTest, CellsOfTheEdgeList) {
  const TMixerCorners redBlueTop{Rgb(255, 0, 0), Rgb(0, 0, 255), Rgb(0, 0, 0), Rgb(0, 0, 0)};
  // Truncating the horizontal mixes first (0 and 1) gives 0 in the middle; one bilinear step would give 1.
  const TMixerCorners truncatedTwice{Rgb(0, 0, 0), Rgb(1, 0, 0), Rgb(0, 0, 0), Rgb(3, 0, 0)};
  const CellCase cases[] = {
      {"size 2 top left", ClassDefaults, 2, 0, 0, Rgb(255, 0, 0)},
      {"size 2 top right", ClassDefaults, 2, 1, 0, Rgb(0, 255, 0)},
      {"size 2 bottom right", ClassDefaults, 2, 1, 1, Rgb(255, 255, 0)},
      {"size 2 bottom left", ClassDefaults, 2, 0, 1, Rgb(0, 0, 255)},
      {"size 3 red to blue, each half truncated", redBlueTop, 3, 1, 0, Rgb(127, 0, 127)},
      {"size 3 middle of the left edge", redBlueTop, 3, 0, 1, Rgb(127, 0, 0)},
      {"truncated after each step", truncatedTwice, 3, 1, 1, Rgb(0, 0, 0)},
      {"size 1 is the top left corner", ClassDefaults, 1, 0, 0, Rgb(255, 0, 0)},
  };
  for (const CellCase& c : cases) {
    EXPECT_EQ(MixerCell(c.corners, c.size, c.column, c.row), c.expected) << c.what;
    const std::vector<TColor> cells = MixerCells(c.corners, c.size);
    EXPECT_EQ(cells[std::size_t(c.column * c.size + c.row)], c.expected) << c.what;
  }
}

TEST(MixerCellsTest, CornersAreExactAtEverySize) {
  std::mt19937 random(7);
  std::uniform_int_distribution<TColor> colour(0, 0xFFFFFF);
  for (int size = 2; size <= 128; ++size) {
    const TMixerCorners corners{colour(random), colour(random), colour(random), colour(random)};
    const std::vector<TColor> cells = MixerCells(corners, size);
    ASSERT_EQ(cells.size(), std::size_t(size * size));
    const auto at = [&](int c, int r) { return cells[std::size_t(c * size + r)]; };
    EXPECT_EQ(at(0, 0), corners[0]) << size;
    EXPECT_EQ(at(size - 1, 0), corners[1]) << size;
    EXPECT_EQ(at(size - 1, size - 1), corners[2]) << size;
    EXPECT_EQ(at(0, size - 1), corners[3]) << size;
  }
}

TEST(MixerCellsTest, EqualCornersGiveAUniformGridAndSystemColoursAreResolved) {
  const TColor grey = Rgb(17, 130, 201);
  for (const TColor cell : MixerCells({grey, grey, grey, grey}, 9)) EXPECT_EQ(cell, grey);

  const TMixerCorners system{clBtnFace, clBtnFace, clBtnFace, clBtnFace};
  for (const TColor cell : MixerCells(system, 3)) EXPECT_EQ(cell, ColorToRGB(clBtnFace));
}

TEST(MixerCellsTest, SizesBelowOneCountAsOne) {
  EXPECT_EQ(MixerCells(ClassDefaults, 0), std::vector<TColor>{Rgb(255, 0, 0)});
  EXPECT_EQ(MixerCells(ClassDefaults, -4), std::vector<TColor>{Rgb(255, 0, 0)});
}

}  // namespace
}  // namespace tintorium
