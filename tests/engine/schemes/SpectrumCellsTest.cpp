#include "engine/schemes/SpectrumCells.h"

#include "core/ColorModels.h"

#include <gtest/gtest.h>

namespace tintorium {
namespace {

TColor Cell(const std::vector<TColor>& cells, int size, int column, int row) {
  return cells[std::size_t(column) * std::size_t(size) + std::size_t(row)];
}

TColorObject FromRGB(TRGBValues rgb) {
  TColorObject o;
  o.SetRGB(rgb);
  return o;
}

TColorObject FromHSB(THSBValues hsb) {
  TColorObject o;
  o.SetHSB(hsb);
  return o;
}

TEST(SpectrumCells, RgbSlicesHoldTheirChannel) {
  const TColorObject base = FromRGB({200, 30, 90});
  const struct {
    int active;
    int column, row;
    TRGBValues expected;
  } cases[] = {
      {1, 0, 0, {200, 0, 0}},     {1, 100, 100, {200, 255, 255}}, {1, 50, 0, {200, 127, 0}},
      {1, 0, 50, {200, 0, 127}},  {2, 50, 100, {127, 30, 255}},   {2, 100, 0, {255, 30, 0}},
      {3, 100, 50, {255, 127, 90}}, {3, 0, 0, {0, 0, 90}},
  };
  for (int active = 1; active <= 3; ++active) {
    const std::vector<TColor> cells = SpectrumCells(base, cmRGB, active, 101);
    ASSERT_EQ(cells.size(), 101u * 101u);
    for (const auto& c : cases) {
      if (c.active != active) continue;
      EXPECT_EQ(ColorToRGBValues(Cell(cells, 101, c.column, c.row)), c.expected)
          << "active " << active << " [" << c.column << "][" << c.row << "]";
    }
  }
}

TEST(SpectrumCells, HueBasedRunsFromGreyToFullAndBlackToBright) {
  const TColorObject base = FromHSB({120, 40, 60});
  const std::vector<TColor> cells = SpectrumCells(base, cmHSB, 1, 101);
  for (int k = 0; k < 101; k += 10) {
    const TRGBValues left = ColorToRGBValues(Cell(cells, 101, 0, k));
    EXPECT_TRUE(left.R == left.G && left.G == left.B) << "row " << k;   // saturation 0: grey
    EXPECT_EQ(Cell(cells, 101, k, 0), clBlack) << "column " << k;       // brightness 0
  }
  EXPECT_EQ(Cell(cells, 101, 100, 100), HSBToColor({120, 100, 100}));
}

TEST(SpectrumCells, SaturationBasedRightColumnIsHue360DrawnAsHue0) {
  const TColorObject base = FromHSB({10, 70, 50});
  const std::vector<TColor> cells = SpectrumCells(base, cmHSB, 2, 101);
  for (int row = 0; row < 101; ++row) EXPECT_EQ(Cell(cells, 101, 100, row), Cell(cells, 101, 0, row)) << row;
  EXPECT_EQ(Cell(cells, 101, 100, 100), HSBToColor({0, 70, 100}));
}

TEST(SpectrumCells, HsbRampsRoundHalvesToEven) {
  // Size 9: 100 * i / 8 is 12.5 for i = 1 (nearest even 12) and 37.5 for i = 3 (38).
  const TColorObject base = FromHSB({200, 50, 100});
  const std::vector<TColor> cells = SpectrumCells(base, cmHSB, 1, 9);
  EXPECT_EQ(Cell(cells, 9, 1, 8), HSBToColor({200, 12, 100}));
  EXPECT_EQ(Cell(cells, 9, 3, 8), HSBToColor({200, 38, 100}));
  EXPECT_EQ(Cell(cells, 9, 8, 5), HSBToColor({200, 100, 62}));  // 62.5 -> 62
  // Brightness based, hue across: 360 * 1 / 8 = 45.
  const std::vector<TColor> bright = SpectrumCells(base, cmHSB, 3, 9);
  EXPECT_EQ(Cell(bright, 9, 1, 3), HSBToColor({45, 38, 100}));
}

TEST(SpectrumCells, HeldValueComesFromTheObjectsOwnRecord) {
  // Set in HSB, the object keeps hue 200 even where its RGB record would give another hue back.
  const TColorObject base = FromHSB({200, 1, 3});
  const std::vector<TColor> cells = SpectrumCells(base, cmHSB, 1, 11);
  EXPECT_EQ(Cell(cells, 11, 10, 10), HSBToColor({200, 100, 100}));
}

TEST(SpectrumCells, DegenerateSizesAndOutOfRangeChannels) {
  const TColorObject base = FromRGB({10, 20, 30});
  EXPECT_TRUE(SpectrumCells(base, cmRGB, 1, 0).empty());
  EXPECT_TRUE(SpectrumCells(base, cmRGB, 1, -5).empty());
  EXPECT_EQ(SpectrumCells(base, cmRGB, 1, 1), std::vector<TColor>{RGBValuesToColor({10, 0, 0})});
  EXPECT_EQ(SpectrumCells(base, cmRGB, 0, 4), SpectrumCells(base, cmRGB, 1, 4));
  EXPECT_EQ(SpectrumCells(base, cmRGB, 9, 4), SpectrumCells(base, cmRGB, 3, 4));
  EXPECT_EQ(SpectrumCells(base, cmLAB, 2, 4), SpectrumCells(base, cmRGB, 2, 4));
}

TEST(SpectrumCells, TypesMapToModelAndChannel) {
  const struct {
    int type;
    TColorModel model;
    int active;
  } cases[] = {{0, cmRGB, 1}, {1, cmRGB, 2}, {2, cmRGB, 3}, {3, cmHSB, 1},
               {4, cmHSB, 2}, {5, cmHSB, 3}, {-1, cmRGB, 1}, {6, cmRGB, 1}};
  for (const auto& c : cases) {
    const TSpectrumSlice slice = SpectrumSliceOfType(c.type);
    EXPECT_EQ(slice.model, c.model) << c.type;
    EXPECT_EQ(slice.activeValue, c.active) << c.type;
  }
}

}  // namespace
}  // namespace tintorium
