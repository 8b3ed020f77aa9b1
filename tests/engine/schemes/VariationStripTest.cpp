#include "engine/schemes/VariationStrip.h"

#include "core/ColorModels.h"

#include <gtest/gtest.h>

#include <vector>

namespace tintorium {
namespace {

constexpr TColor kRed = 0x0000FF;   // HSB 0, 100, 100
constexpr TColor kBlue = 0xFF0000;  // HSB 240, 100, 100

std::vector<int> Channel(const std::vector<TColor>& swatches, int THSBValues::*channel) {
  std::vector<int> values;
  for (const TColor c : swatches) values.push_back(ColorToHSB(c).*channel);
  return values;
}

struct TRedCase {
  TVariationType type;
  int THSBValues::*channel;
  std::vector<int> expected;
};

class VariationOfRed : public testing::TestWithParam<TRedCase> {};

TEST_P(VariationOfRed, WalksTheChannelByWholeSteps) {
  const TRedCase& c = GetParam();
  const std::vector<TColor> swatches = VariationSwatches(kRed, c.type, 8);
  ASSERT_EQ(swatches.size(), 8u);
  EXPECT_EQ(swatches[0], kRed);
  EXPECT_EQ(Channel(swatches, c.channel), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    PureRedSize8, VariationOfRed,
    testing::Values(TRedCase{vtWarm, &THSBValues::H, {0, 0, 0, 0, 0, 0, 0, 0}},
                    TRedCase{vtBright, &THSBValues::B, {100, 100, 100, 100, 100, 100, 100, 100}},
                    TRedCase{vtSaturate, &THSBValues::S, {100, 100, 100, 100, 100, 100, 100, 100}},
                    TRedCase{vtDark, &THSBValues::B, {100, 88, 76, 64, 52, 40, 28, 16}},
                    TRedCase{vtDesaturate, &THSBValues::S, {100, 88, 76, 64, 52, 40, 28, 16}},
                    TRedCase{vtCool, &THSBValues::H, {0, 345, 330, 315, 300, 285, 270, 255}}));

TEST(VariationStrip, EqualSwatchesWhenTheStepIsZero) {
  // Red under warm/bright/saturate: nothing to walk; blue under cool: already there; hue 5 warm over 8
  // swatches: a distance smaller than the size.
  const struct {
    TColor base;
    TVariationType type;
  } cases[] = {{kRed, vtWarm}, {kRed, vtBright}, {kRed, vtSaturate}, {kBlue, vtCool},
               {HSBToColor({5, 100, 100}), vtWarm}};
  for (const auto& c : cases) {
    const std::vector<TColor> swatches = VariationSwatches(c.base, c.type, 8);
    EXPECT_EQ(swatches, std::vector<TColor>(8, c.base)) << VariationTypeNames[c.type];
  }
}

TEST(VariationStrip, StepSignFollowsTheSideOfTheTarget) {
  const struct {
    THSBValues hsb;
    TVariationType type;
    int size;
    int step;
  } cases[] = {
      {{0, 100, 100}, vtCool, 8, 15},      // d = min(240, 120)
      {{200, 100, 100}, vtCool, 8, -5},    // below blue: the hue climbs
      {{300, 100, 100}, vtCool, 6, 10},    // above blue: the hue falls
      {{60, 100, 100}, vtCool, 6, 30},     // 60 is not inside (60, 240): d = 180, positive
      {{240, 100, 100}, vtCool, 8, 0},
      {{300, 100, 100}, vtWarm, 4, -15},   // past 180: the hue climbs to 360
      {{180, 100, 100}, vtWarm, 4, 45},    // 180 itself walks down
      {{100, 50, 70}, vtDark, 8, 8},
      {{100, 50, 70}, vtBright, 8, -3},    // Trunc(-30 / 8)
      {{100, 50, 70}, vtSaturate, 8, -6},  // Trunc(-50 / 8)
      {{100, 50, 70}, vtDesaturate, 8, 6},
  };
  for (const auto& c : cases)
    EXPECT_EQ(VariationStep(c.hsb, c.type, c.size), c.step)
        << VariationTypeNames[c.type] << " H" << c.hsb.H << " n" << c.size;
}

TEST(VariationStrip, CoolFromHue200ClimbsTowardBlueWithoutReachingIt) {
  const std::vector<int> hues = Channel(VariationSwatches(HSBToColor({200, 100, 100}), vtCool, 8), &THSBValues::H);
  ASSERT_EQ(hues.size(), 8u);
  for (std::size_t i = 1; i < hues.size(); ++i) {
    EXPECT_GT(hues[i], hues[i - 1]);
    EXPECT_LT(hues[i], 240);
  }
}

TEST(VariationStrip, SizesZeroAndOne) {
  EXPECT_TRUE(VariationSwatches(kRed, vtDark, 0).empty());
  EXPECT_TRUE(VariationSwatches(kRed, vtDark, -3).empty());
  EXPECT_EQ(VariationSwatches(kRed, vtDark, 1), std::vector<TColor>{kRed});
}

TEST(VariationStrip, FirstSwatchIsTheBaseEvenWhenHsbWouldChangeIt) {
  // A colour that does not survive a pass through whole-number HSB.
  TColor base = clNone;
  for (TColor c = 1; c < 0x1000000 && base == clNone; c += 0x010203)
    if (HSBToColor(ColorToHSB(c)) != c) base = c;
  ASSERT_NE(base, clNone);
  const std::vector<TColor> swatches = VariationSwatches(base, vtDark, 3);
  EXPECT_EQ(swatches[0], base);
  EXPECT_EQ(swatches[1], HSBToColor(ApplyVariationStep(ColorToHSB(base), vtDark, VariationStep(ColorToHSB(base), vtDark, 3))));
}

TEST(VariationStrip, TypeNamesParseBack) {
  for (int i = 0; i < VariationTypeCount; ++i)
    EXPECT_EQ(ParseVariationType(VariationTypeNames[std::size_t(i)]), static_cast<TVariationType>(i));
  for (const char* bad : {"", "Warm", "warmer", "dark ", "7"}) EXPECT_FALSE(ParseVariationType(bad)) << bad;
}

}  // namespace
}  // namespace tintorium
