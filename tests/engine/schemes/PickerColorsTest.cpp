#include "engine/schemes/PickerColors.h"

#include "core/ColorModels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace tintorium {
namespace {

constexpr TColor Rgb(int r, int g, int b) {
  return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}

TEST(PickerColorsTest, StandardColoursSpotChecks) {
  const auto& colors = StandardColors();
  struct Row {
    int cell;
    const char* name;
    TColor color;
  };
  const Row rows[] = {{0, "Black", Rgb(0, 0, 0)},       {9, "Orange", Rgb(255, 102, 0)},
                      {23, "Grey-40%", Rgb(150, 150, 150)}, {24, "Pink", Rgb(255, 0, 255)},
                      {30, "Plum", Rgb(153, 51, 102)},  {39, "White", Rgb(255, 255, 255)}};
  for (const Row& row : rows) {
    EXPECT_EQ(colors[std::size_t(row.cell)].name, row.name);
    EXPECT_EQ(colors[std::size_t(row.cell)].color, row.color) << row.name;
  }
  std::set<TColor> distinct;
  for (const TNamedColor& c : colors) distinct.insert(c.color);
  EXPECT_EQ(distinct.size(), colors.size());
}

TEST(PickerColorsTest, CombCentreFollowsTheIntensityAndCornersAreTheSixPrimaries) {
  EXPECT_EQ(CombCells(1).front().color, Rgb(255, 255, 255));
  EXPECT_EQ(CombCells(0).front().color, Rgb(0, 0, 0));
  EXPECT_EQ(CombCells(0.5).front().color, Rgb(128, 128, 128));  // 127.5 rounds to the even 128
  EXPECT_EQ(CombCells(7).front().color, Rgb(255, 255, 255));   // clamped

  // Ring 6 starts at each corner every 6 cells: magenta, red, yellow, green, cyan, blue, going round.
  const auto cells = CombCells(1);
  const std::size_t ring6 = 1 + 6 * (1 + 2 + 3 + 4 + 5);
  const TColor corners[] = {Rgb(255, 0, 255), Rgb(255, 0, 0), Rgb(255, 255, 0),
                            Rgb(0, 255, 0),   Rgb(0, 255, 255), Rgb(0, 0, 255)};
  for (std::size_t k = 0; k < 6; ++k) EXPECT_EQ(cells[ring6 + 6 * k].color, corners[k]) << k;
  // The first corner points right, the second down-right (y grows downwards).
  EXPECT_GT(cells[ring6].x, cells[0].x + 50);
  EXPECT_NEAR(cells[ring6].y, cells[0].y, 1e-9);
  EXPECT_GT(cells[ring6 + 6].y, cells[0].y + 40);
  EXPECT_NEAR(std::hypot(cells[ring6].x - cells[0].x, cells[ring6].y - cells[0].y), 54.56, 0.01);
}

TEST(PickerColorsTest, CombRingsInterpolateBetweenCentreAndCorners) {
  const auto cells = CombCells(1);
  // Ring 3's first cell lies half-way from white to magenta: 255 and 0.5 * 255 = 127.5, rounded to even.
  const std::size_t ring3 = 1 + 6 * (1 + 2);
  EXPECT_EQ(cells[ring3].color, Rgb(255, 128, 255));
  // Ring 2, sector 0, second cell: half-way between the ring's magenta and red points.
  const std::size_t ring2 = 1 + 6;
  // magenta point (1, 2/3, 1), red point (1, 2/3, 2/3): middle (1, 2/3, 5/6) -> 255, 170, 212.5 -> 212
  EXPECT_EQ(cells[ring2 + 1].color, Rgb(255, 170, 212));
  std::set<std::pair<long, long>> centres;
  for (const TCombCell& c : cells) centres.insert({std::lround(c.x * 100), std::lround(c.y * 100)});
  EXPECT_EQ(centres.size(), std::size_t(CombCellCount));  // no two cells share a place
}

TEST(PickerColorsTest, GreyRowAndIntensityBar) {
  const auto greys = GreyRowCells();
  EXPECT_EQ(greys.front().color, Rgb(255, 255, 255));
  EXPECT_EQ(greys[1].color, Rgb(225, 225, 225));
  EXPECT_EQ(greys[15].color, Rgb(15, 15, 15));
  EXPECT_EQ(greys.back().color, Rgb(0, 0, 0));
  EXPECT_EQ(greys.front().size, 22);
  EXPECT_DOUBLE_EQ(greys.back().x, 124);
  EXPECT_DOUBLE_EQ(greys[1].y, 6);
  EXPECT_DOUBLE_EQ(greys[2].y, 14);
  EXPECT_DOUBLE_EQ(greys[2].x, 38);

  EXPECT_EQ(IntensityBarGrey(0, 104), 255);
  EXPECT_EQ(IntensityBarGrey(103, 104), 0);
  EXPECT_EQ(IntensityBarGrey(0, 1), 255);
  EXPECT_EQ(IntensityMarkerRow(1, 104), 0);
  EXPECT_EQ(IntensityMarkerRow(0, 104), 103);
  EXPECT_DOUBLE_EQ(IntensityAt(-20, 100), 1);
  EXPECT_DOUBLE_EQ(IntensityAt(25, 100), 0.75);
  EXPECT_DOUBLE_EQ(IntensityAt(400, 100), 0);
}

}  // namespace
}  // namespace tintorium
