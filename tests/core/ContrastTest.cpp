#include "core/Contrast.h"

#include "core/SystemColors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <ostream>
#include <string>

namespace tintorium {
namespace {

constexpr TColor Rgb(int r, int g, int b) {
  return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}

constexpr TColor Grey(int v) { return Rgb(v, v, v); }

std::string TwoDecimals(double ratio) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", ratio);
  return text;
}

struct MeasureCase {
  const char* name;
  TColor text;
  TColor back;
  int brightDiff;
  int colorDiff;
  bool pass;
  const char* ratio;  // as shown, two decimals
  TContrastMark large;
  TContrastMark small;
};

class MeasureContrastTest : public testing::TestWithParam<MeasureCase> {};

TEST_P(MeasureContrastTest, GivesTheDifferencesTheRatioAndTheMarks) {
  const MeasureCase& c = GetParam();
  for (const TContrastResult r : {MeasureContrast(c.back, c.text), MeasureContrast(c.text, c.back)}) {
    EXPECT_EQ(r.BrightDiff, c.brightDiff);
    EXPECT_EQ(r.ColorDiff, c.colorDiff);
    EXPECT_EQ(r.Pass, c.pass);
    EXPECT_EQ(TwoDecimals(r.Ratio), c.ratio);
    EXPECT_EQ(LargeTextMark(r.Ratio), c.large);
    EXPECT_EQ(SmallTextMark(r.Ratio), c.small);
  }
}

constexpr auto kFail = TContrastMark::Fail;
constexpr auto kPass = TContrastMark::Pass;
constexpr auto kPartial = TContrastMark::Partial;

INSTANTIATE_TEST_SUITE_P(
    Pairs, MeasureContrastTest,
    testing::Values(MeasureCase{"BlackOnWhite", clBlack, clWhite, 255, 765, true, "21.00", kPass, kPass},
                    // 178.755 rounds to 179; 3.998 shows as 4.00
                    MeasureCase{"RedOnWhite", Rgb(255, 0, 0), clWhite, 179, 510, true, "4.00", kPartial, kFail},
                    MeasureCase{"GreyOnWhite", Grey(128), clWhite, 127, 381, false, "3.95", kPartial, kFail},
                    // 225.93 rounds to 226
                    MeasureCase{"BlueOnWhite", Rgb(0, 0, 255), clWhite, 226, 510, true, "8.59", kPass, kPass},
                    // brightness 124.5 exactly: the half goes to the even 124, so WCAG 1.0 fails
                    MeasureCase{"HalfToEven", Rgb(1, 191, 106), clBlack, 124, 298, false, "8.66", kPass, kPass},
                    MeasureCase{"EqualColours", Rgb(12, 200, 77), Rgb(12, 200, 77), 0, 0, false, "1.00", kFail,
                                kFail},
                    // just past 4.5: AAA for large text and AA for small text
                    MeasureCase{"JustAboveSmallAA", Grey(40), Grey(142), 102, 306, false, "4.50", kPass, kPartial}),
    [](const testing::TestParamInfo<MeasureCase>& info) { return std::string(info.param.name); });

TEST(ContrastMarkTest, ThresholdsAreInclusiveAndAHairBelowFails) {
  struct Case {
    double ratio;
    TContrastMark large;
    TContrastMark small;
  };
  const auto below = [](double x) { return std::nextafter(x, 0.0); };
  const Case cases[] = {
      {1.0, kFail, kFail},          {below(3.0), kFail, kFail},       {3.0, kPartial, kFail},
      {below(4.5), kPartial, kFail}, {4.5, kPass, kPartial},           {5.0, kPass, kPartial},
      {below(7.0), kPass, kPartial}, {7.0, kPass, kPass},              {21.0, kPass, kPass},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LargeTextMark(c.ratio), c.large) << c.ratio;
    EXPECT_EQ(SmallTextMark(c.ratio), c.small) << c.ratio;
  }
  EXPECT_EQ(ContrastLevelName(kPass), "AAA");
  EXPECT_EQ(ContrastLevelName(kPartial), "AA");
  EXPECT_EQ(ContrastLevelName(kFail), "");
}

// The grey pairs closest to each threshold on either side (no 8-bit pair reaches one exactly): measured ratios
// a hair from the line fall on the right side of it.
TEST(ContrastMarkTest, PairsAHairEitherSideOfEachThreshold) {
  struct Case {
    int dark, light;
    double threshold;
    bool reaches;
  };
  const Case cases[] = {
      {27, 102, 3.0, false}, {36, 109, 3.0, true},  // 2.99980 and 3.000004
      {109, 239, 4.5, false}, {40, 142, 4.5, true},  // 4.49995 and 4.50017
      {49, 190, 7.0, false}, {42, 181, 7.0, true},   // 6.99905 and 7.000047
  };
  for (const Case& c : cases) {
    const double ratio = MeasureContrast(Grey(c.dark), Grey(c.light)).Ratio;
    EXPECT_EQ(ratio >= c.threshold, c.reaches) << c.dark << " " << c.light << " " << ratio;
    EXPECT_NEAR(ratio, c.threshold, 1e-3);
  }
  EXPECT_EQ(LargeTextMark(MeasureContrast(Grey(27), Grey(102)).Ratio), kFail);
  EXPECT_EQ(LargeTextMark(MeasureContrast(Grey(36), Grey(109)).Ratio), kPartial);
  EXPECT_EQ(SmallTextMark(MeasureContrast(Grey(109), Grey(239)).Ratio), kFail);
  EXPECT_EQ(SmallTextMark(MeasureContrast(Grey(40), Grey(142)).Ratio), kPartial);
  EXPECT_EQ(SmallTextMark(MeasureContrast(Grey(49), Grey(190)).Ratio), kPartial);
  EXPECT_EQ(SmallTextMark(MeasureContrast(Grey(42), Grey(181)).Ratio), kPass);
}

TEST(ContrastVariantTest, NeedsWcag1AndTheSmallTextAARatio) {
  EXPECT_TRUE(IsContrastVariant({255, 765, true, 21.0}));
  EXPECT_TRUE(IsContrastVariant({200, 600, true, 4.5}));
  EXPECT_FALSE(IsContrastVariant({200, 600, true, std::nextafter(4.5, 0.0)}));
  EXPECT_FALSE(IsContrastVariant({200, 600, true, 4.0}));  // red on white passes WCAG 1.0 but is too weak
  EXPECT_FALSE(IsContrastVariant({124, 600, false, 10.6}));
  // a ratio of 5 is well past AA for small text
  EXPECT_TRUE(IsContrastVariant({200, 600, true, 5.0}));
}

TEST(MeasureContrastSymmetryTest, OrderDoesNotMatterToTheLastBitAndTheRatioStaysWithin1And21) {
  std::mt19937 random(20260);
  std::uniform_int_distribution<std::uint32_t> any(0, 0xFFFFFF);
  for (int i = 0; i < 200000; ++i) {
    const TColor a = any(random);
    const TColor b = i % 5 == 0 ? (a ^ (1u << (i % 24))) : any(random);  // neighbours as well as strangers
    const TContrastResult ab = MeasureContrast(a, b);
    const TContrastResult ba = MeasureContrast(b, a);
    ASSERT_EQ(ab, ba) << std::hex << a << " " << b;
    ASSERT_GE(ab.Ratio, 1.0);
    ASSERT_LE(ab.Ratio, 21.0 + 1e-12);
  }
  for (int v = 0; v < 256; ++v) {
    for (int w = 0; w < 256; ++w) ASSERT_EQ(MeasureContrast(Grey(v), Grey(w)), MeasureContrast(Grey(w), Grey(v)));
    EXPECT_EQ(MeasureContrast(Grey(v), Grey(v)).Ratio, 1.0);
  }
}

TEST(MeasureContrastTest, SystemColoursAreResolvedFirst) {
  ResetSystemColors();
  const TColor window = SystemColorValue(5);
  EXPECT_EQ(MeasureContrast(SystemColor(5), clBlack), MeasureContrast(window, clBlack));
  EXPECT_EQ(RelativeLuminance(SystemColor(5)), RelativeLuminance(window));
}

TEST(ContrastRatioTest, IsMeasureContrastsRatioToTheLastBit) {
  std::mt19937 random(4521);
  std::uniform_int_distribution<std::uint32_t> any(0, 0xFFFFFF);
  for (int i = 0; i < 20000; ++i) {
    const TColor a = any(random);
    const TColor b = any(random);
    ASSERT_EQ(ContrastRatio(RelativeLuminance(a), RelativeLuminance(b)), MeasureContrast(a, b).Ratio);
    ASSERT_EQ(ContrastRatio(RelativeLuminance(b), RelativeLuminance(a)), MeasureContrast(a, b).Ratio);
  }
}

struct ApcaCase {
  const char* name;
  TColor text;
  TColor back;
  double lc;
};

void PrintTo(const ApcaCase& c, std::ostream* os) { *os << c.name; }

class ApcaContrastTest : public testing::TestWithParam<ApcaCase> {};

// The published examples (APCA-W3 documentation: #888 on #fff about 63.1, #fff on #888 about -68.5) and further
// pairs computed by colorjs.io's contrastAPCA, an independent implementation of the same constants.
TEST_P(ApcaContrastTest, GivesThePublishedLc) {
  const ApcaCase& c = GetParam();
  EXPECT_NEAR(ApcaContrast(c.text, c.back), c.lc, 1e-9);
  EXPECT_EQ(ApcaContrast(ApcaTermsOf(c.text), ApcaTermsOf(c.back)), ApcaContrast(c.text, c.back));
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, ApcaContrastTest,
    testing::Values(ApcaCase{"GreyOnWhite", Grey(0x88), clWhite, 63.056469930209424},
                    ApcaCase{"WhiteOnGrey", clWhite, Grey(0x88), -68.54146436644962},
                    ApcaCase{"BlackOnWhite", clBlack, clWhite, 106.04067321268862},
                    ApcaCase{"WhiteOnBlack", clWhite, clBlack, -107.88473318309848},
                    ApcaCase{"NavyOnPaleBlue", Rgb(0x12, 0x34, 0x56), Rgb(0xAB, 0xCD, 0xEF), 67.49580801281017},
                    ApcaCase{"PaleBlueOnNavy", Rgb(0xAB, 0xCD, 0xEF), Rgb(0x12, 0x34, 0x56), -68.09425609561465},
                    ApcaCase{"RedOnWhite", Rgb(255, 0, 0), clWhite, 64.12621538179167},
                    ApcaCase{"WhiteOnBlue", clWhite, Rgb(0, 0, 255), -90.65303993262509},
                    ApcaCase{"GreenOnMagenta", Rgb(0, 255, 0), Rgb(255, 0, 255), -39.507619884698784},
                    // Near black: the soft clamp lifts both, and the difference falls under the clip.
                    ApcaCase{"DarkGreyOnBlack", Grey(0x10), clBlack, 0.0},
                    ApcaCase{"BlackOnDarkGrey", clBlack, Grey(0x26), 0.0},
                    ApcaCase{"BlackOnGrey5A", clBlack, Grey(0x5A), 20.160763271539516},
                    ApcaCase{"Grey5AOnBlack", Grey(0x5A), clBlack, -18.088659212675367},
                    // Under the minimum luminance difference.
                    ApcaCase{"NearlyEqualGreys", Grey(0x77), Grey(0x7A), 0.0},
                    ApcaCase{"EqualColours", Rgb(0x20, 0x20, 0x20), Rgb(0x20, 0x20, 0x20), 0.0}),
    [](const testing::TestParamInfo<ApcaCase>& info) { return std::string(info.param.name); });

// Over every pair of greys: dark text on light is positive, light on dark negative, equal greys 0, and nothing
// lies between 0 and the low clip less its offset (|Lc| 7.3): the output is clipped, not scaled down.
TEST(ApcaContrastTest, SignFollowsPolarityAndSmallContrastsClipToZero) {
  for (int t = 0; t < 256; ++t) {
    for (int b = 0; b < 256; ++b) {
      const double lc = ApcaContrast(Grey(t), Grey(b));
      if (t == b) {
        ASSERT_EQ(lc, 0.0);
      }
      if (lc != 0.0) {
        ASSERT_GE(std::abs(lc), 7.3) << t << " " << b;
      }
      if (lc > 0) {
        ASSERT_LT(t, b);
      }
      if (lc < 0) {
        ASSERT_GT(t, b);
      }
      ASSERT_GE(lc, -107.885);
      ASSERT_LE(lc, 106.041);
    }
  }
}

// Text and background are ordered: swapping them changes the magnitude too, not only the sign.
TEST(ApcaContrastTest, IsNotSymmetric) {
  std::mt19937 random(98);
  std::uniform_int_distribution<std::uint32_t> any(0, 0xFFFFFF);
  int differing = 0;
  for (int i = 0; i < 1000; ++i) {
    const TColor a = any(random);
    const TColor b = any(random);
    const double ab = ApcaContrast(a, b);
    const double ba = ApcaContrast(b, a);
    if (ab == 0.0 || ba == 0.0) continue;
    EXPECT_LT(ab * ba, 0.0) << std::hex << a << " " << b;
    if (std::abs(std::abs(ab) - std::abs(ba)) > 0.5) ++differing;
  }
  EXPECT_GT(differing, 500);
}

TEST(ApcaContrastTest, SystemColoursAreResolvedFirst) {
  ResetSystemColors();
  const TColor window = SystemColorValue(5);
  const TColor text = SystemColorValue(8);
  EXPECT_EQ(ApcaContrast(SystemColor(8), SystemColor(5)), ApcaContrast(text, window));
}

TEST(ApcaLevelTest, ThresholdsAreInclusiveForEitherSign) {
  struct Case {
    double lc;
    TApcaLevel level;
    const char* name;
  };
  const auto below = [](double x) { return std::nextafter(x, 0.0); };
  const Case cases[] = {
      {0.0, TApcaLevel::NotReadable, "not readable"},
      {below(15), TApcaLevel::NotReadable, "not readable"},
      {15, TApcaLevel::BarelyVisible, "barely visible"},
      {-15, TApcaLevel::BarelyVisible, "barely visible"},
      {below(30), TApcaLevel::BarelyVisible, "barely visible"},
      {30, TApcaLevel::SpotText, "spot text and non-text"},
      {45, TApcaLevel::LargeText, "large or heavy text"},
      {-59.99, TApcaLevel::LargeText, "large or heavy text"},
      {60, TApcaLevel::ContentText, "other content text"},
      {63.056469930209424, TApcaLevel::ContentText, "other content text"},  // #888 on #fff
      {-68.54146436644962, TApcaLevel::ContentText, "other content text"},  // #fff on #888
      {below(75), TApcaLevel::ContentText, "other content text"},
      {75, TApcaLevel::MinimumBodyText, "minimum body text"},
      {-90, TApcaLevel::PreferredBodyText, "preferred body text"},
      {106.04, TApcaLevel::PreferredBodyText, "preferred body text"},
      {-107.88, TApcaLevel::PreferredBodyText, "preferred body text"},
      {std::nan(""), TApcaLevel::NotReadable, "not readable"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ApcaLevelOf(c.lc), c.level) << c.lc;
    EXPECT_EQ(ApcaLevelName(ApcaLevelOf(c.lc)), c.name) << c.lc;
  }
  EXPECT_EQ(ApcaLevelName(static_cast<TApcaLevel>(ApcaLevelCount)), "");
}

}  // namespace
}  // namespace tintorium
