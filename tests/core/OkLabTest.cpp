#include "core/OkLab.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace tintorium {
namespace {

struct OkLabCase {
  TColor color;
  TOkLab oklab;   // published reference figures, 5 decimals
  TCssLab lab;    // CSS lab(), D50, 3 decimals
};

// sRGB primaries, white and a mid grey: OKLab as its author publishes them, Lab as CSS Color 4 computes it.
const OkLabCase OkLabCases[] = {
    {0x0000FF, {0.62796, 0.22486, 0.12585}, {54.291, 80.805, 69.891}},
    {0x00FF00, {0.86644, -0.23389, 0.17950}, {87.819, -79.271, 80.995}},
    {0xFF0000, {0.45201, -0.03246, -0.31153}, {29.568, 68.287, -112.030}},
    {0xFFFFFF, {1.0, 0.0, 0.0}, {100.000, 0.0, 0.0}},
    {0x808080, {0.59987, 0.0, 0.0}, {53.585, 0.0, 0.0}},
};

TEST(OkLabTest, KnownFiguresOfPrimariesAndGreys) {
  for (const OkLabCase& c : OkLabCases) {
    const TColor3 srgb = ColorToSrgb(c.color);
    const TOkLab ok = SrgbToOkLab(srgb);
    EXPECT_NEAR(ok.L, c.oklab.L, 6e-6) << std::hex << c.color;
    EXPECT_NEAR(ok.a, c.oklab.a, 6e-6) << std::hex << c.color;
    EXPECT_NEAR(ok.b, c.oklab.b, 6e-6) << std::hex << c.color;
    const TCssLab lab = SrgbToCssLab(srgb);
    EXPECT_NEAR(lab.L, c.lab.L, 6e-4) << std::hex << c.color;
    EXPECT_NEAR(lab.a, c.lab.a, 6e-4) << std::hex << c.color;
    EXPECT_NEAR(lab.b, c.lab.b, 6e-4) << std::hex << c.color;
  }
}

TEST(OkLabTest, EveryWebSmartColourRoundTripsThroughEachSpace) {
  for (int r = 0; r < 256; r += 17)
    for (int g = 0; g < 256; g += 17)
      for (int b = 0; b < 256; b += 17) {
        const TColor color = static_cast<TColor>(r | (g << 8) | (b << 16));
        const TColor3 srgb = ColorToSrgb(color);
        EXPECT_EQ(SrgbToColor(OkLabToSrgb(OkLchToOkLab(OkLabToOkLch(SrgbToOkLab(srgb))))), color);
        const TColor3 xyz50 = CssLabToXyzD50(CssLchToCssLab(CssLabToCssLch(SrgbToCssLab(srgb))));
        EXPECT_EQ(SrgbToColor(XyzD65ToSrgb(XyzD50ToD65(xyz50))), color);
        // display-p3 shares sRGB's white and transfer curve: its greys are sRGB's greys.
        if (r == g && g == b) {
          EXPECT_EQ(SrgbToColor(DisplayP3ToSrgb(srgb)), color);
        }
      }
}

TEST(OkLabTest, DisplayP3PrimariesLieOutsideSrgb) {
  for (const TColor3 p3 : {TColor3{1, 0, 0}, TColor3{0, 1, 0}, TColor3{0, 0, 1}})
    EXPECT_FALSE(InSrgbGamut(DisplayP3ToSrgb(p3)));
  const TColor3 red = DisplayP3ToSrgb({1, 0, 0});  // CSS Color 4's worked example: about (1.0930, -0.2267, -0.1501)
  EXPECT_NEAR(red.X, 1.0930, 1e-4);
  EXPECT_NEAR(red.Y, -0.2267, 1e-4);
  EXPECT_NEAR(red.Z, -0.1501, 1e-4);
}

TEST(OkLabTest, TransferCurveIsSymmetricAroundZero) {
  for (const double c : {0.0, 0.02, 0.3, 0.5, 1.0, 1.5}) {
    EXPECT_NEAR(LinearToSrgb(SrgbToLinear(c)), c, 1e-12);
    EXPECT_DOUBLE_EQ(SrgbToLinear(-c), -SrgbToLinear(c));
  }
}

TEST(OkLabTest, PolarFormsGiveHueZeroForAGreyAndWrapIntoTheCircle) {
  EXPECT_EQ(OkLabToOkLch({0.5, 0, 0}).h, 0);
  const TOkLch lch = OkLabToOkLch({0.5, 0.1, -0.1});
  EXPECT_NEAR(lch.h, 315, 1e-9);
  EXPECT_NEAR(lch.C, std::sqrt(0.02), 1e-12);
  EXPECT_NEAR(CssLabToCssLch({50, -10, 0}).h, 180, 1e-9);
}

struct GamutCase {
  TOkLch origin;
  const char* why;
};

const GamutCase GamutCases[] = {
    {{0.7, 0.4, 30}, "the example of the issue: a vivid orange-red far outside sRGB"},
    {{0.9, 0.37, 145}, "a light green outside sRGB"},
    {{0.3, 0.3, 264}, "a dark blue just outside"},
    {{0.999, 0.4, 100}, "nearly white"},
    {{0.02, 0.4, 180}, "nearly black"},
    {{0.5, 5.0, 0}, "a chroma far beyond any display"},
};

TEST(OkLabTest, GamutMappingKeepsLightnessAndHueAndLandsInsideSrgb) {
  for (const GamutCase& c : GamutCases) {
    const TColor3 mapped = GamutMapToSrgb(c.origin);
    EXPECT_TRUE(InSrgbGamut(mapped)) << c.why;
    const TOkLch lch = OkLabToOkLch(SrgbToOkLab(mapped));
    // The clip at the end may move the colour by less than the JND.
    EXPECT_NEAR(lch.L, c.origin.L, 0.02) << c.why;
    EXPECT_LT(lch.C, c.origin.C) << c.why;
    if (lch.C > 0.05 && c.origin.L < 0.95) {
      EXPECT_NEAR(std::remainder(lch.h - c.origin.h, 360.0), 0.0, 3.0) << c.why;
    }
  }
}

TEST(OkLabTest, GamutMappingIsNearerThanAPlainClip) {
  // oklch(70% 0.4 30) clipped channel by channel turns into a lighter, yellower red.
  const TOkLch origin{0.7, 0.4, 30};
  const TColor3 clipped = [&] {
    const TColor3 raw = OkLabToSrgb(OkLchToOkLab(origin));
    return TColor3{std::clamp(raw.X, 0.0, 1.0), std::clamp(raw.Y, 0.0, 1.0), std::clamp(raw.Z, 0.0, 1.0)};
  }();
  const TColor3 mapped = GamutMapToSrgb(origin);
  EXPECT_NE(SrgbToColor(mapped), SrgbToColor(clipped));
  const TOkLch mappedLch = OkLabToOkLch(SrgbToOkLab(mapped));
  const TOkLch clippedLch = OkLabToOkLch(SrgbToOkLab(clipped));
  EXPECT_LT(std::abs(mappedLch.h - 30), std::abs(clippedLch.h - 30));
  EXPECT_LT(std::abs(mappedLch.L - 0.7), std::abs(clippedLch.L - 0.7));
}

TEST(OkLabTest, GamutMappingEndsAndInGamutColoursStayAsTheyAre) {
  EXPECT_EQ(GamutMapToSrgb({1.2, 0.3, 10}), (TColor3{1, 1, 1}));
  EXPECT_EQ(GamutMapToSrgb({-0.1, 0.3, 10}), (TColor3{0, 0, 0}));
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(GamutMapToSrgb({nan, nan, nan}), (TColor3{0, 0, 0}));
  EXPECT_TRUE(InSrgbGamut(GamutMapToSrgb({0.5, inf, 20})));
  const TColor3 inside{0.2, 0.4, 0.6};
  EXPECT_EQ(MapIntoSrgb(inside), inside);
  EXPECT_TRUE(InSrgbGamut(MapIntoSrgb({1.3, -0.2, 0.5})));
}

TEST(OkLabTest, SrgbToColorClipsAndRoundsHalvesToEven) {
  EXPECT_EQ(SrgbToColor({-0.5, 2.0, std::numeric_limits<double>::quiet_NaN()}), 0x00FF00u);
  EXPECT_EQ(SrgbToColor({0.5, 0, 1}), static_cast<TColor>(128 | (255 << 16)));  // 127.5 -> 128
}

}  // namespace
}  // namespace tintorium
