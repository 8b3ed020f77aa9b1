#include "core/ColorVision.h"

#include "core/Contrast.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace tintorium {
namespace {

constexpr TColor Rgb(int r, int g, int b) {
  return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}

std::string Hex(TColor c) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X%02X%02X", RedOf(c), GreenOf(c), BlueOf(c));
  return text;
}

// The severity 1.0 table of Machado, Oliveira & Fernandes (2009), as printed in the paper.
TEST(ColorVisionTest, MatricesAreThePublishedSeverityOneTable) {
  const TVisionMatrix published[] = {
      {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}},
      {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}},
      {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}},
  };
  for (const TColorVision vision : ColorVisions) {
    const TVisionMatrix& m = ColorVisionMatrix(vision);
    const TVisionMatrix& p = published[static_cast<int>(vision)];
    for (int row = 0; row < 3; ++row) {
      for (int col = 0; col < 3; ++col) EXPECT_DOUBLE_EQ(m[row][col], p[row][col]);
      // The model keeps white white: each row sums to one (to the table's six decimals).
      EXPECT_NEAR(m[row][0] + m[row][1] + m[row][2], 1.0, 2e-6);
    }
  }
}

// Expected values computed separately (Python, double precision) from the published matrices in linear sRGB.
TEST(ColorVisionTest, SimulatesKnownColours) {
  struct Case {
    TColor color;
    const char* protan;
    const char* deutan;
    const char* tritan;
  };
  const Case cases[] = {
      {Rgb(255, 0, 0), "6D5F00", "A39000", "FF000F"},   {Rgb(0, 255, 0), "FFE500", "EFD63A", "00F7D9"},
      {Rgb(0, 0, 255), "0059FF", "003DFB", "006B96"},   {Rgb(255, 255, 0), "FFF400", "FFFA31", "FFEED9"},
      {Rgb(255, 128, 0), "A69100", "C4AE00", "FF626D"}, {Rgb(0, 128, 128), "777980", "676E81", "008580"},
      {Rgb(200, 30, 90), "50535B", "7C7456", "DB003A"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Hex(SimulateColorVision(c.color, TColorVision::Protanopia)), c.protan) << Hex(c.color);
    EXPECT_EQ(Hex(SimulateColorVision(c.color, TColorVision::Deuteranopia)), c.deutan) << Hex(c.color);
    EXPECT_EQ(Hex(SimulateColorVision(c.color, TColorVision::Tritanopia)), c.tritan) << Hex(c.color);
  }
}

TEST(ColorVisionTest, GreysStayAsTheyAre) {
  for (const TColorVision vision : ColorVisions) {
    for (int v = 0; v < 256; ++v) EXPECT_EQ(SimulateColorVision(Rgb(v, v, v), vision), Rgb(v, v, v)) << v;
  }
}

// What the analyser warns about: to a protanope red is a dark colour, so red text on black loses much of its
// contrast while the other two deficiencies leave it readable.
TEST(ColorVisionTest, RedOnBlackDarkensForProtanopia) {
  const TColor red = Rgb(255, 0, 0);
  EXPECT_NEAR(MeasureContrast(red, clBlack).Ratio, 5.25, 0.005);
  EXPECT_LT(MeasureContrast(SimulateColorVision(red, TColorVision::Protanopia), clBlack).Ratio, 3.5);  // 3.29
  EXPECT_GT(MeasureContrast(SimulateColorVision(red, TColorVision::Tritanopia), clBlack).Ratio, 4.5);
}

}  // namespace
}  // namespace tintorium
