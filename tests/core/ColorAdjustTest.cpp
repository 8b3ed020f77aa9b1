#include "core/ColorAdjust.h"
#include "core/ColorModels.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>

namespace tintorium {
namespace {

TColor Rgb(int r, int g, int b) { return RGBValuesToColor({r, g, b}); }

using Adjustment = TColor (*)(TColor, int);

struct AdjustCase {
  const char* name;
  Adjustment adjust;
  TColor color;
  int amount;
  TColor expected;
};

class AdjustTest : public testing::TestWithParam<AdjustCase> {};

TEST_P(AdjustTest, ChangesOneHSBChannel) {
  EXPECT_EQ(GetParam().adjust(GetParam().color, GetParam().amount), GetParam().expected) << GetParam().name;
}

constexpr int Huge = std::numeric_limits<int>::max();

INSTANTIATE_TEST_SUITE_P(
    Cases, AdjustTest,
    testing::Values(
        AdjustCase{"darken red: 90 * 2.55 = 229.5 -> 230", DarkenColor, Rgb(255, 0, 0), 10, Rgb(230, 0, 0)},
        AdjustCase{"lighten white", LightenColor, Rgb(255, 255, 255), 10, Rgb(255, 255, 255)},
        AdjustCase{"desaturate grey", DesaturateColor, Rgb(128, 128, 128), 10, Rgb(128, 128, 128)},
        AdjustCase{"saturate grey tints red", SaturateColor, Rgb(128, 128, 128), 10, Rgb(128, 115, 115)},
        AdjustCase{"darken black stays black", DarkenColor, Rgb(0, 0, 0), 100, Rgb(0, 0, 0)},
        AdjustCase{"lighten black to grey", LightenColor, Rgb(0, 0, 0), 50, Rgb(128, 128, 128)},
        AdjustCase{"desaturate fully", DesaturateColor, Rgb(51, 102, 153), 100, Rgb(153, 153, 153)},
        AdjustCase{"saturate fully", SaturateColor, Rgb(51, 102, 153), 100, Rgb(0, 77, 153)},
        AdjustCase{"a huge amount saturates, no overflow", SaturateColor, Rgb(128, 128, 128), Huge, Rgb(128, 0, 0)},
        AdjustCase{"a huge negative amount", DarkenColor, Rgb(10, 20, 30), Huge, Rgb(0, 0, 0)},
        AdjustCase{"system colours resolve first", DarkenColor, 0xFF000005u /* window: white */, 10,
                   Rgb(230, 230, 230)}));

TEST(ColorAdjustTest, DropSaturationKeepsHueAndBrightness) {
  EXPECT_EQ(DropSaturation({200, 75, 78}), (THSBValues{200, 0, 78}));
  // Make Grayscale: the grey has the brightness of the largest channel.
  EXPECT_EQ(HSBToRGB(DropSaturation(RGBToHSB({200, 100, 50}))), (TRGBValues{199, 199, 199}));
}

struct WebStepCase {
  TRGBValues rgb;
  bool safe;
  bool smart;
};

class WebStepTest : public testing::TestWithParam<WebStepCase> {};

TEST_P(WebStepTest, TellsWebSafeAndWebSmart) {
  EXPECT_EQ(IsOnWebStep(GetParam().rgb, WebSafeStep), GetParam().safe);
  EXPECT_EQ(IsOnWebStep(GetParam().rgb, WebSmartStep), GetParam().smart);
}

INSTANTIATE_TEST_SUITE_P(Cases, WebStepTest,
                         testing::Values(WebStepCase{{0, 51, 255}, true, true}, WebStepCase{{17, 34, 51}, false, true},
                                         WebStepCase{{1, 51, 255}, false, false},
                                         WebStepCase{{255, 255, 255}, true, true}));

TEST(ColorAdjustTest, SnapToWebStepTakesTheNearestMultiple) {
  EXPECT_EQ(SnapToWebStep({25, 26, 128}, WebSafeStep), (TRGBValues{0, 51, 153}));
  EXPECT_EQ(SnapToWebStep({26, 128, 200}, WebSmartStep), (TRGBValues{34, 136, 204}));
  EXPECT_EQ(SnapToWebStep({255, 0, 254}, WebSafeStep), (TRGBValues{255, 0, 255}));
  // Every snapped colour is on its step.
  for (int v = 0; v < 256; ++v) {
    EXPECT_TRUE(IsOnWebStep(SnapToWebStep({v, v, v}, WebSafeStep), WebSafeStep)) << v;
    EXPECT_TRUE(IsOnWebStep(SnapToWebStep({v, v, v}, WebSmartStep), WebSmartStep)) << v;
  }
}

TEST(ColorAdjustTest, WebStepOfZeroOrHostileStepsDoesNotFault) {
  EXPECT_FALSE(IsOnWebStep({0, 0, 0}, 0));
  EXPECT_TRUE(IsOnWebStep({std::numeric_limits<std::int32_t>::min(), 0, 0}, -1));
  EXPECT_EQ(SnapToWebStep({10, 20, 30}, 0), (TRGBValues{10, 20, 30}));
}

TEST(ColorAdjustTest, RandomRGBDrawsEveryChannelInRange) {
  std::set<int> reds;
  for (int i = 0; i < 200; ++i) {
    const TRGBValues c = RandomRGB();
    ASSERT_TRUE(c.R >= 0 && c.R <= 255 && c.G >= 0 && c.G <= 255 && c.B >= 0 && c.B <= 255);
    reds.insert(c.R);
  }
  EXPECT_GT(reds.size(), 1u);
}

struct MixCase {
  TColor a, b;
  double ratio;
  TColor expected;
};

class MixTest : public testing::TestWithParam<MixCase> {};

TEST_P(MixTest, TruncatesEachChannel) {
  EXPECT_EQ(MixColors(GetParam().a, GetParam().b, GetParam().ratio), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, MixTest,
                         testing::Values(MixCase{Rgb(255, 0, 0), Rgb(0, 0, 255), 0.5, Rgb(127, 0, 127)},
                                         MixCase{Rgb(255, 0, 0), Rgb(0, 0, 255), 1.0, Rgb(255, 0, 0)},
                                         MixCase{Rgb(255, 0, 0), Rgb(0, 0, 255), 0.0, Rgb(0, 0, 255)},
                                         MixCase{Rgb(10, 20, 30), Rgb(20, 40, 60), 0.25, Rgb(17, 35, 52)},
                                         MixCase{Rgb(1, 1, 1), Rgb(2, 2, 2), std::numeric_limits<double>::quiet_NaN(),
                                                 Rgb(0, 0, 0)}));

}  // namespace
}  // namespace tintorium
