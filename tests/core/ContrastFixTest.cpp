#include "core/ContrastFix.h"

#include "core/Contrast.h"
#include "core/OkLab.h"
#include "core/SystemColors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>
#include <ostream>
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

TOkLab OkLabOf(TColor c) { return SrgbToOkLab(ColorToSrgb(c)); }

bool Meets(TColor text, TColor back, TContrastTarget target) {
  return MeetsContrastTarget(target, MeasureContrast(text, back).Ratio, ApcaContrast(text, back));
}

struct FixCase {
  const char* name;
  TColor text;
  TColor back;
  TContrastTarget target;
  bool fixable;
};

void PrintTo(const FixCase& c, std::ostream* os) { *os << c.name; }

class SuggestContrastFixTest : public testing::TestWithParam<FixCase> {};

// The suggestion meets the target once rounded to 8 bits, its figures are the pair's own, and no colour along the
// text's hue line, walked independently in far finer steps than the search takes, meets the target nearer to the
// text. Where nothing is suggested, nothing on the line meets the target.
TEST_P(SuggestContrastFixTest, IsTheNearestColourOfTheHueLineThatMeetsTheTarget) {
  const FixCase& c = GetParam();
  const auto fix = SuggestContrastFix(c.text, c.back, c.target);
  ASSERT_EQ(fix.has_value(), c.fixable);
  const TOkLab origin = OkLabOf(c.text);
  if (fix) {
    EXPECT_TRUE(Meets(fix->Color, c.back, c.target)) << Hex(fix->Color);
    EXPECT_EQ(fix->Ratio, MeasureContrast(fix->Color, c.back).Ratio);
    EXPECT_EQ(fix->Lc, ApcaContrast(fix->Color, c.back));
    EXPECT_EQ(fix->DeltaEOK, DeltaEOK(origin, OkLabOf(fix->Color)));
    if (Meets(c.text, c.back, c.target)) {
      EXPECT_EQ(fix->Color, c.text);
      EXPECT_EQ(fix->DeltaEOK, 0.0);
    }
  }
  constexpr int Steps = 20000;
  double nearest = INFINITY;
  TColor nearestColor = clNone;
  for (int i = 0; i <= Steps; ++i) {
    const TColor candidate = HueLineColor(c.text, static_cast<double>(i) / Steps);
    if (!Meets(candidate, c.back, c.target)) continue;
    const double distance = DeltaEOK(origin, OkLabOf(candidate));
    if (distance < nearest) {
      nearest = distance;
      nearestColor = candidate;
    }
  }
  if (!fix) {
    EXPECT_EQ(nearestColor, clNone) << Hex(nearestColor);
    return;
  }
  EXPECT_LE(fix->DeltaEOK, nearest) << "suggested " << Hex(fix->Color) << ", nearer " << Hex(nearestColor);
}

constexpr TColor kWhite = clWhite;
constexpr TColor kBlack = clBlack;

INSTANTIATE_TEST_SUITE_P(
    Pairs, SuggestContrastFixTest,
    testing::Values(
        // Darker: red on white is 4.00.
        FixCase{"RedOnWhiteAA", Rgb(255, 0, 0), kWhite, TContrastTarget::AA, true},
        FixCase{"YellowOnWhiteAA", Rgb(255, 255, 0), kWhite, TContrastTarget::AA, true},
        FixCase{"WhiteOnYellowAALarge", kWhite, Rgb(255, 255, 0), TContrastTarget::AALarge, true},
        FixCase{"GreyOnWhiteApca75", Rgb(0x88, 0x88, 0x88), kWhite, TContrastTarget::Apca75, true},
        // Lighter: red on black is 5.25; the lighter reds leave the gamut, so chroma gives way.
        FixCase{"RedOnBlackAAA", Rgb(255, 0, 0), kBlack, TContrastTarget::AAA, true},
        FixCase{"TealOnNavyApca60", Rgb(0, 128, 128), Rgb(0x12, 0x34, 0x56), TContrastTarget::Apca60, true},
        FixCase{"BlackOnBlackApca60", kBlack, kBlack, TContrastTarget::Apca60, true},
        // Either way could do: the nearer wins.
        FixCase{"GreyOnSameGreyAALarge", Rgb(0x77, 0x77, 0x77), Rgb(0x77, 0x77, 0x77), TContrastTarget::AALarge, true},
        FixCase{"GreenOnMagentaAA", Rgb(0, 200, 0), Rgb(200, 0, 200), TContrastTarget::AA, true},
        FixCase{"PaleBlueOnWhiteAALarge", Rgb(0xAB, 0xCD, 0xEF), kWhite, TContrastTarget::AALarge, true},
        // Only the darkest end passes: white is 4.48 and black 4.69 on #777.
        FixCase{"OrangeOnMidGreyAA", Rgb(255, 128, 0), Rgb(0x77, 0x77, 0x77), TContrastTarget::AA, true},
        // Already there: the text itself.
        FixCase{"BlueOnWhiteAA", Rgb(0, 0, 255), kWhite, TContrastTarget::AA, true},
        FixCase{"WhiteOnGreyApca60", kWhite, Rgb(0x88, 0x88, 0x88), TContrastTarget::Apca60, true},
        // Nothing of any hue gets there on a mid grey.
        FixCase{"BlueOnMidGreyAAA", Rgb(0x33, 0x66, 0xCC), Rgb(0x77, 0x77, 0x77), TContrastTarget::AAA, false},
        FixCase{"RedOnGreyApca90", Rgb(0xCC, 0x33, 0x33), Rgb(0x88, 0x88, 0x88), TContrastTarget::Apca90, false},
        FixCase{"WhiteOnGreyApca75", kWhite, Rgb(0x88, 0x88, 0x88), TContrastTarget::Apca75, false},
        FixCase{"GreyOnGreyApca90", Rgb(0x40, 0x40, 0x40), Rgb(0x66, 0x66, 0x66), TContrastTarget::Apca90, false}),
    [](const testing::TestParamInfo<FixCase>& info) { return std::string(info.param.name); });

// Beyond the table: seeded random pairs over every target, each checked the same way against a walk of the line.
TEST(SuggestContrastFixTest, RandomPairsGetTheNearestPassingColourOrNone) {
  std::mt19937 random(2020);
  std::uniform_int_distribution<std::uint32_t> any(0, 0xFFFFFF);
  int fixed = 0;
  for (int i = 0; i < 36; ++i) {
    const TColor text = any(random);
    const TColor back = any(random);
    const TContrastTarget target = ContrastTargets[i % ContrastTargets.size()];
    const auto fix = SuggestContrastFix(text, back, target);
    const TOkLab origin = OkLabOf(text);
    double nearest = INFINITY;
    constexpr int Steps = 4000;
    for (int k = 0; k <= Steps; ++k) {
      const TColor candidate = HueLineColor(text, static_cast<double>(k) / Steps);
      if (Meets(candidate, back, target)) nearest = std::min(nearest, DeltaEOK(origin, OkLabOf(candidate)));
    }
    ASSERT_EQ(fix.has_value(), nearest < INFINITY) << Hex(text) << " on " << Hex(back) << " " << i;
    if (!fix) continue;
    ++fixed;
    EXPECT_TRUE(Meets(fix->Color, back, target)) << Hex(text) << " on " << Hex(back) << " " << i;
    EXPECT_LE(fix->DeltaEOK, nearest) << Hex(text) << " on " << Hex(back) << " " << i;
  }
  EXPECT_GT(fixed, 12);
}

// The line itself: black to white through the text colour at its own lightness; in gamut the text's hue and
// chroma to 8-bit rounding, beyond it within the CSS mapping's JND (0.02) plus rounding of a colour at the line's
// lightness and hue with less chroma.
TEST(HueLineColorTest, KeepsTheHueAndReducesChromaOnlyAtTheGamutEdge) {
  // Distance in OKLab from `p` to the chroma segment from grey (c = 0) to c = chroma at `lightness` and `hue`.
  const auto distanceToSegment = [](const TOkLab& p, double lightness, double chroma, double hue) {
    const double ua = std::cos(hue * std::numbers::pi / 180), ub = std::sin(hue * std::numbers::pi / 180);
    const double along = std::clamp(p.a * ua + p.b * ub, 0.0, chroma);
    return DeltaEOK(p, {lightness, along * ua, along * ub});
  };
  for (const TColor text : {Rgb(255, 0, 0), Rgb(0, 128, 128), Rgb(0x33, 0x66, 0xCC), Rgb(200, 170, 20)}) {
    const TOkLch own = OkLabToOkLch(OkLabOf(text));
    EXPECT_EQ(HueLineColor(text, own.L), text) << Hex(text);
    EXPECT_EQ(HueLineColor(text, 0.0), kBlack);
    EXPECT_EQ(HueLineColor(text, 1.0), kWhite);
    for (int i = 1; i < 100; ++i) {
      const double lightness = i / 100.0;
      const TColor color = HueLineColor(text, lightness);
      const TOkLab seen = OkLabOf(color);
      const TColor3 exact = OkLabToSrgb(OkLchToOkLab({lightness, own.C, own.h}));
      // Rounding to 8 bits moves a colour by up to about 0.005 in OKLab away from black, more near it.
      const double rounding = lightness < 0.15 ? 0.04 : 0.006;
      EXPECT_LE(distanceToSegment(seen, lightness, own.C, own.h), 0.02 + rounding)
          << Hex(text) << " " << lightness << " " << Hex(color);
      if (InSrgbGamut(exact)) {
        EXPECT_LE(DeltaEOK(seen, OkLchToOkLab({lightness, own.C, own.h})), rounding)
            << Hex(text) << " " << lightness << " " << Hex(color);
      }
    }
  }
}

// Found in the palette contrast window: #787878 on white came back as #767677.
TEST(SuggestContrastFixTest, GreysStayGrey) {
  for (int v = 0; v < 256; v += 3) {
    const TColor grey = static_cast<TColor>(v) * 0x010101u;
    for (const TColor back : {TColor(0xFFFFFF), TColor(0x000000), TColor(0x336699)}) {
      for (const TContrastTarget target : ContrastTargets) {
        const std::optional<TContrastFix> fix = SuggestContrastFix(grey, back, target);
        if (!fix) continue;
        EXPECT_EQ(RedOf(fix->Color), GreenOf(fix->Color)) << v << " " << back;
        EXPECT_EQ(GreenOf(fix->Color), BlueOf(fix->Color)) << v << " " << back;
      }
    }
  }
}

TEST(SuggestContrastFixTest, SystemColoursAreResolvedFirst) {
  ResetSystemColors();
  const TColor window = SystemColorValue(5);
  const auto viaSystem = SuggestContrastFix(Rgb(255, 128, 0), SystemColor(5), TContrastTarget::AA);
  const auto direct = SuggestContrastFix(Rgb(255, 128, 0), window, TContrastTarget::AA);
  ASSERT_EQ(viaSystem.has_value(), direct.has_value());
  if (direct) {
    EXPECT_EQ(viaSystem->Color, direct->Color);
  }
}

}  // namespace
}  // namespace tintorium
