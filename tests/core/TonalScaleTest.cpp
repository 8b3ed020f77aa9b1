#include "core/TonalScale.h"

#include "core/Contrast.h"
#include "core/OkLab.h"
#include "core/SystemColors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <numbers>
#include <ostream>
#include <string>
#include <vector>

namespace tintorium {
namespace {

constexpr TColor Rgb(int r, int g, int b) {
  return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}
// 0xRRGGBB as written in CSS.
constexpr TColor Css(std::uint32_t rrggbb) {
  return Rgb(static_cast<int>(rrggbb >> 16), static_cast<int>((rrggbb >> 8) & 0xFF), static_cast<int>(rrggbb & 0xFF));
}

std::string Hex(TColor c) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X%02X%02X", RedOf(c), GreenOf(c), BlueOf(c));
  return text;
}

TOkLch LchOf(TColor c) { return OkLabToOkLch(SrgbToOkLab(ColorToSrgb(c))); }

// The side of the background a scale's steps lie on: darker where the base is darker, and where the base is level
// with it, the side with more room.
bool DarkSide(TColor base, TColor back) {
  const double b = RelativeLuminance(base);
  const double y = RelativeLuminance(back);
  return b < y || (b == y && ContrastRatio(y, 0) >= ContrastRatio(y, 1));
}

// Re-measures a colour against a contrast target as the scale's users would.
bool MeetsTarget(TColor c, TColor back, TScaleMeasure measure, double target, bool dark) {
  const double y = RelativeLuminance(c);
  const double backY = RelativeLuminance(back);
  if (measure == TScaleMeasure::Wcag)
    return (dark ? y <= backY : y >= backY) && MeasureContrast(c, back).Ratio >= target;
  const double lc = ApcaContrast(c, back);
  const TApcaTerms terms = ApcaTermsOf(c);
  const TApcaTerms backTerms = ApcaTermsOf(back);
  return (dark ? terms.Y <= backTerms.Y : terms.Y >= backTerms.Y) && (dark ? lc : -lc) >= std::abs(target);
}

TColor TowardBackground(TColor c, bool dark) {
  const int d = dark ? 1 : -1;
  return Rgb(std::clamp(RedOf(c) + d, 0, 255), std::clamp(GreenOf(c) + d, 0, 255), std::clamp(BlueOf(c) + d, 0, 255));
}

int BaseStep(const TTonalScale& scale) {
  int found = -1;
  for (std::size_t i = 0; i < scale.Swatches.size(); ++i)
    if (scale.Swatches[i].Pin == TStepPin::Base) {
      EXPECT_EQ(found, -1) << "two base steps";
      found = static_cast<int>(i);
    }
  EXPECT_NE(found, -1) << "no base step";
  return found;
}

std::string Describe(const TTonalScale& scale) {
  std::string text;
  for (const TScaleError& e : scale.Errors) text += "\n  error at " + std::to_string(e.Step) + ": " + e.Message;
  for (const TScaleSwatch& s : scale.Swatches)
    text += "\n  " + s.Name + " " + Hex(s.Color) + " L " + std::to_string(s.Lch.L) + " C " + std::to_string(s.Lch.C) +
            " h " + std::to_string(s.Lch.h) + " aim " + std::to_string(s.AimLightness);
  return text;
}

// What every scale must be: one swatch per step in order, the base among them unchanged, lightness strictly one
// way along the steps, and figures that are the swatch colour's own.
void ExpectWellFormed(const TTonalScale& scale, TColor base, const TScaleOptions& options) {
  ASSERT_TRUE(scale.Ok()) << Describe(scale);
  ASSERT_EQ(scale.Swatches.size(), options.Steps.size());
  const int k = BaseStep(scale);
  ASSERT_GE(k, 0);
  EXPECT_EQ(scale.Swatches[static_cast<std::size_t>(k)].Color, ColorToRGB(base));
  const TColor back = ColorToRGB(options.Background);
  for (std::size_t i = 0; i < scale.Swatches.size(); ++i) {
    const TScaleSwatch& s = scale.Swatches[i];
    SCOPED_TRACE("step " + s.Name + " " + Hex(s.Color));
    EXPECT_EQ(s.Name, options.Steps[i]);
    EXPECT_EQ(s.Color >> 24, 0u);
    const TOkLch lch = LchOf(s.Color);
    EXPECT_EQ(s.Lch.L, lch.L);
    EXPECT_EQ(s.Lch.C, lch.C);
    EXPECT_NEAR(s.WhiteRatio, MeasureContrast(s.Color, clWhite).Ratio, 1e-12);
    EXPECT_NEAR(s.BlackRatio, MeasureContrast(s.Color, clBlack).Ratio, 1e-12);
    EXPECT_NEAR(s.BackgroundRatio, MeasureContrast(s.Color, back).Ratio, 1e-12);
    EXPECT_NEAR(s.WhiteTextLc, ApcaContrast(clWhite, s.Color), 1e-9);
    EXPECT_NEAR(s.BlackTextLc, ApcaContrast(clBlack, s.Color), 1e-9);
    EXPECT_NEAR(s.BackgroundLc, ApcaContrast(s.Color, back), 1e-9);
    if (i == 0) continue;
    const double before = scale.Swatches[i - 1].Lch.L;
    const double first = scale.Swatches[1].Lch.L - scale.Swatches[0].Lch.L;
    EXPECT_TRUE(first > 0 ? s.Lch.L > before : s.Lch.L < before) << Describe(scale);
  }
}

// Lightness mode: every computed step on its aim, chroma never rising away from the base, and the hue where the
// line puts it, give or take what CSS gamut mapping may move it (its JND of 0.02) and 8-bit rounding.
void ExpectOnTheLine(const TTonalScale& scale, TColor base, double hueShift) {
  const int k = BaseStep(scale);
  ASSERT_GE(k, 0);
  const TOkLch b = LchOf(ColorToRGB(base));
  double lo = 1, hi = 0;
  for (const TScaleSwatch& s : scale.Swatches) {
    lo = std::min(lo, s.AimLightness);
    hi = std::max(hi, s.AimLightness);
  }
  const double span = hi - lo;
  for (std::size_t i = 0; i < scale.Swatches.size(); ++i) {
    const TScaleSwatch& s = scale.Swatches[i];
    SCOPED_TRACE("step " + s.Name + " " + Hex(s.Color) + Describe(scale));
    if (s.Pin != TStepPin::None) continue;
    EXPECT_NEAR(s.Lch.L, s.AimLightness, 0.005);
    // Chroma falls away from the base: never above the neighbour nearer the base (unless that is a lock, on a
    // line of its own). Where the hue turns, the gamut's limit turns with it, so only the peak bounds it.
    const TScaleSwatch& toward = scale.Swatches[static_cast<int>(i) < k ? i + 1 : i - 1];
    if (hueShift == 0 && toward.Pin != TStepPin::Lock) {
      EXPECT_LE(s.Lch.C, toward.Lch.C + 0.002);
    }
    EXPECT_LE(s.Lch.C, b.C + 0.002);
    if (s.Lch.C < 0.01) continue;
    const double expected = b.h + hueShift * (b.L - s.AimLightness) / span;
    const double off = std::abs(std::sin((s.Lch.h - expected) * std::numbers::pi / 180));
    EXPECT_LE(s.Lch.C * off, 0.025) << "hue " << s.Lch.h << ", expected " << expected;
  }
}

// Contrast mode: every computed step meets its target, and one 8-bit step towards the background in every channel
// no longer would, so it meets the target as closely as 8-bit sRGB allows.
void ExpectTargetsMet(const TTonalScale& scale, TColor base, const TScaleOptions& options) {
  const TColor back = ColorToRGB(options.Background);
  const bool dark = DarkSide(ColorToRGB(base), back);
  for (const TScaleSwatch& s : scale.Swatches) {
    if (s.Pin != TStepPin::None) continue;
    SCOPED_TRACE("step " + s.Name + " " + Hex(s.Color) + " target " + std::to_string(s.Target) + Describe(scale));
    EXPECT_TRUE(MeetsTarget(s.Color, back, options.Measure, s.Target, dark));
    const TColor nearer = TowardBackground(s.Color, dark);
    if (nearer != s.Color) {
      EXPECT_FALSE(MeetsTarget(nearer, back, options.Measure, s.Target, dark)) << Hex(nearer);
    }
    if (options.Measure == TScaleMeasure::Wcag)
      EXPECT_LE(MeasureContrast(s.Color, back).Ratio, s.Target * 1.03);
    else
      EXPECT_LE(std::abs(ApcaContrast(s.Color, back)), std::abs(s.Target) + 1.5);
  }
}

struct ModeCase {
  const char* name;
  TScaleMode mode;
  TScaleMeasure measure;
};
void PrintTo(const ModeCase& c, std::ostream* os) { *os << c.name; }
constexpr ModeCase Modes[] = {
    {"Lightness", TScaleMode::Lightness, TScaleMeasure::Wcag},
    {"WcagOnWhite", TScaleMode::Contrast, TScaleMeasure::Wcag},
    {"ApcaOnWhite", TScaleMode::Contrast, TScaleMeasure::Apca},
};

TScaleOptions OptionsFor(const ModeCase& mode) {
  TScaleOptions options;
  options.Mode = mode.mode;
  options.Measure = mode.measure;
  return options;
}

void CheckScale(TColor base, const TScaleOptions& options) {
  const TTonalScale scale = MakeTonalScale(base, options);
  ExpectWellFormed(scale, base, options);
  if (!scale.Ok()) return;
  if (options.Mode == TScaleMode::Lightness)
    ExpectOnTheLine(scale, base, options.HueShift);
  else
    ExpectTargetsMet(scale, base, options);
}

struct BaseCase {
  const char* name;
  TColor base;
};
void PrintTo(const BaseCase& c, std::ostream* os) { *os << c.name; }

// Greys, both ends, the very light and very dark, and the saturated corners of the cube, where gamut mapping does
// the most.
const BaseCase Bases[] = {
    {"Black", Css(0x000000)},     {"White", Css(0xFFFFFF)},     {"Grey", Css(0x808080)},
    {"NearBlack", Css(0x010101)}, {"NearWhite", Css(0xFEFEFE)}, {"DarkGrey", Css(0x1F1F1F)},
    {"AliceBlue", Css(0xF0F8FF)}, {"Ivory", Css(0xFFFFF0)},     {"NightNavy", Css(0x0A0A23)},
    {"Oxblood", Css(0x1A0000)},   {"Blue", Css(0x0000FF)},      {"BrandBlue", Css(0x3B82F6)},
    {"Yellow", Css(0xFFFF00)},    {"Amber", Css(0xFACC15)},     {"Red", Css(0xFF0000)},
    {"Lime", Css(0x00FF00)},      {"Cyan", Css(0x00FFFF)},      {"Magenta", Css(0xFF00FF)},
    {"Slate", Css(0x64748B)},     {"Peach", Css(0xFFCC88)},     {"Teal", Css(0x0F766E)},
};

class TonalScaleBaseTest : public testing::TestWithParam<std::tuple<BaseCase, ModeCase>> {};

TEST_P(TonalScaleBaseTest, KeepsTheBaseAndFollowsTheMode) {
  const auto& [base, mode] = GetParam();
  CheckScale(base.base, OptionsFor(mode));
}

INSTANTIATE_TEST_SUITE_P(Bases, TonalScaleBaseTest,
                         testing::Combine(testing::ValuesIn(Bases), testing::ValuesIn(Modes)), [](const auto& info) {
                           return std::string(std::get<0>(info.param).name) + std::get<1>(info.param).name;
                         });

class TonalScaleNearestStepTest : public testing::TestWithParam<BaseCase> {};

// In lightness mode the base takes the step whose target lies nearest its own lightness.
TEST_P(TonalScaleNearestStepTest, BaseTakesTheStepNearestItsLightness) {
  const TTonalScale scale = MakeTonalScale(GetParam().base);
  ASSERT_TRUE(scale.Ok()) << Describe(scale);
  const double L = LchOf(GetParam().base).L;
  const int k = BaseStep(scale);
  for (const TScaleSwatch& s : scale.Swatches)
    EXPECT_LE(std::abs(L - scale.Swatches[static_cast<std::size_t>(k)].Target), std::abs(L - s.Target)) << s.Name;
}

INSTANTIATE_TEST_SUITE_P(Bases, TonalScaleNearestStepTest, testing::ValuesIn(Bases),
                         [](const auto& info) { return std::string(info.param.name); });

// Every one of the 4,096 web-smart colours (#RGB) in both modes and by both measures.
TEST(TonalScaleTest, WebSmartColoursAreKeptInEveryMode) {
  for (const ModeCase& mode : Modes) {
    const TScaleOptions options = OptionsFor(mode);
    for (int r = 0; r < 16; ++r)
      for (int g = 0; g < 16; ++g)
        for (int b = 0; b < 16; ++b) {
          const TColor base = Rgb(r * 17, g * 17, b * 17);
          SCOPED_TRACE(std::string(mode.name) + " #" + Hex(base));
          CheckScale(base, options);
          if (HasFailure()) return;
        }
  }
}

// A grey base gives a neutral scale: every channel equal, in both modes.
TEST(TonalScaleTest, GreysGiveNeutralScales) {
  for (const ModeCase& mode : Modes)
    for (int v = 0; v < 256; v += 5) {
      const TTonalScale scale = MakeTonalScale(Rgb(v, v, v), OptionsFor(mode));
      ASSERT_TRUE(scale.Ok()) << mode.name << " " << v << Describe(scale);
      for (const TScaleSwatch& s : scale.Swatches)
        EXPECT_TRUE(RedOf(s.Color) == GreenOf(s.Color) && GreenOf(s.Color) == BlueOf(s.Color))
            << mode.name << " grey " << v << " step " << s.Name << " " << Hex(s.Color);
    }
}

struct ContrastCase {
  const char* name;
  TColor base;
  TColor background;
  TScaleMeasure measure;
  std::vector<double> targets;  // empty for the defaults
};
void PrintTo(const ContrastCase& c, std::ostream* os) { *os << c.name; }

class TonalScaleContrastTest : public testing::TestWithParam<ContrastCase> {
 protected:
  TScaleOptions Options() const {
    TScaleOptions options;
    options.Mode = TScaleMode::Contrast;
    options.Measure = GetParam().measure;
    options.Background = GetParam().background;
    options.Targets = GetParam().targets;
    return options;
  }
};

TEST_P(TonalScaleContrastTest, MeetsEachTargetAsCloselyAsEightBitsAllow) { CheckScale(GetParam().base, Options()); }

// No colour of the base's line, walked from black to white in 20,000 steps, meets a step's target with less
// contrast than the step's own colour.
TEST_P(TonalScaleContrastTest, NoColourOfTheLineComesCloser) {
  const ContrastCase& c = GetParam();
  const TScaleOptions options = Options();
  const TTonalScale scale = MakeTonalScale(c.base, options);
  ASSERT_TRUE(scale.Ok()) << Describe(scale);
  const TColor back = ColorToRGB(c.background);
  const bool dark = DarkSide(c.base, back);
  const TOkLch line = LchOf(c.base);
  std::vector<TColor> walk;
  constexpr int Steps = 20000;
  for (int i = 0; i <= Steps; ++i)
    walk.push_back(SrgbToColor(GamutMapToSrgb(ScaleLineAt(line, static_cast<double>(i) / Steps, 0, 1))));
  const auto figure = [&](TColor x) {
    return c.measure == TScaleMeasure::Wcag ? MeasureContrast(x, back).Ratio : std::abs(ApcaContrast(x, back));
  };
  // Each walked colour's figure, or -1 where it does not lie on the base's side (nor level with the background).
  std::vector<double> figures;
  for (const TColor x : walk) figures.push_back(MeetsTarget(x, back, c.measure, 0, dark) ? figure(x) : -1);
  for (const TScaleSwatch& s : scale.Swatches) {
    if (s.Pin != TStepPin::None) continue;
    double closest = INFINITY;
    TColor closestColor = clNone;
    for (std::size_t i = 0; i < walk.size(); ++i)
      if (figures[i] >= std::abs(s.Target) && figures[i] < closest) {
        closest = figures[i];
        closestColor = walk[i];
      }
    EXPECT_LE(figure(s.Color), closest + 1e-12)
        << "step " << s.Name << " " << Hex(s.Color) << ", the line has " << Hex(closestColor);
  }
}

const ContrastCase ContrastCases[] = {
    {"BrandBlueWcagOnWhite", Css(0x3B82F6), clWhite, TScaleMeasure::Wcag, {}},
    {"YellowWcagOnWhite", Css(0xFFFF00), clWhite, TScaleMeasure::Wcag, {}},
    {"RedApcaOnWhite", Css(0xFF0000), clWhite, TScaleMeasure::Apca, {}},
    {"TealApcaOnWhite", Css(0x0F766E), clWhite, TScaleMeasure::Apca, {}},
    {"GreyWcagOnBlack", Css(0x808080), clBlack, TScaleMeasure::Wcag, {}},
    {"VioletWcagOnBlack", Css(0x8B5CF6), clBlack, TScaleMeasure::Wcag, {}},
    {"VioletApcaOnBlack",
     Css(0x8B5CF6),
     clBlack,
     TScaleMeasure::Apca,
     {-100, -95, -88, -80, -72, -63, -54, -45, -36, -27, -18}},
    {"AmberWcagOnNavy",
     Css(0xF59E0B),
     Css(0x101830),
     TScaleMeasure::Wcag,
     {15, 13, 11, 9, 7, 5.5, 4.5, 3.5, 2.5, 1.8, 1.3}},
    {"IndigoWcagOnMidGrey",
     Css(0x312E81),
     Css(0x777777),
     TScaleMeasure::Wcag,
     {1.05, 1.2, 1.4, 1.7, 2, 2.4, 2.8, 3.2, 3.6, 4, 4.4}},
    {"GreenApcaOnCream",
     Css(0x15803D),
     Css(0xFFF8E7),
     TScaleMeasure::Apca,
     {8, 15, 25, 35, 45, 55, 65, 75, 85, 95, 100}},
    {"RatioOneOnWhite", Css(0x3B82F6), clWhite, TScaleMeasure::Wcag, {1, 1.5, 2, 3, 3.5, 4.5, 6, 8, 11, 15, 21}},
};
INSTANTIATE_TEST_SUITE_P(Cases, TonalScaleContrastTest, testing::ValuesIn(ContrastCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A ratio of 1 is the background itself; 21 is black.
TEST(TonalScaleTest, ContrastEndsAreTheBackgroundAndBlack) {
  TScaleOptions options;
  options.Mode = TScaleMode::Contrast;
  options.Targets = {1, 1.5, 2, 3, 3.5, 4.5, 6, 8, 11, 15, 21};
  const TTonalScale scale = MakeTonalScale(Css(0x3B82F6), options);
  ASSERT_TRUE(scale.Ok()) << Describe(scale);
  EXPECT_EQ(scale.Swatches.front().Color, clWhite);
  EXPECT_EQ(scale.Swatches.back().Color, clBlack);
}

// Against white, the default contrast targets are those of the default greys, so a grey base comes out as the
// lightness scale does, within a little for the targets' rounding.
TEST(TonalScaleTest, DefaultContrastTargetsFollowTheDefaultLightness) {
  TScaleOptions lightness;
  lightness.SpaceAroundBase = false;
  TScaleOptions contrast;
  contrast.Mode = TScaleMode::Contrast;
  for (const TScaleMeasure measure : {TScaleMeasure::Wcag, TScaleMeasure::Apca}) {
    contrast.Measure = measure;
    const TTonalScale a = MakeTonalScale(Css(0x777777), lightness);
    const TTonalScale b = MakeTonalScale(Css(0x777777), contrast);
    ASSERT_TRUE(a.Ok() && b.Ok()) << Describe(a) << Describe(b);
    for (std::size_t i = 0; i < a.Swatches.size(); ++i) {
      // APCA cannot tell the 50 from the background, so it takes the first grey APCA can.
      if (a.Swatches[i].Pin != TStepPin::None || b.Swatches[i].Pin != TStepPin::None ||
          (measure == TScaleMeasure::Apca && i == 0))
        continue;
      EXPECT_NEAR(a.Swatches[i].Lch.L, b.Swatches[i].Lch.L, 0.01) << a.Swatches[i].Name;
    }
  }
}

TEST(TonalScaleTest, HueTurnsFromLightToDark) {
  for (const double shift : {30.0, -45.0, 360.0}) {
    TScaleOptions options;
    options.HueShift = shift;
    for (const TColor base : {Css(0x3B82F6), Css(0xF59E0B), Css(0x8B5CF6)}) {
      const TTonalScale scale = MakeTonalScale(base, options);
      ExpectWellFormed(scale, base, options);
      ExpectOnTheLine(scale, base, shift);
    }
  }
}

TEST(TonalScaleTest, HueTurnsInContrastModeToo) {
  TScaleOptions options;
  options.Mode = TScaleMode::Contrast;
  options.HueShift = 40;
  const TTonalScale scale = MakeTonalScale(Css(0x3B82F6), options);
  ExpectWellFormed(scale, Css(0x3B82F6), options);
  ExpectTargetsMet(scale, Css(0x3B82F6), options);
  // The 900 lies well past the base (the 500), so its hue has turned by most of the way.
  const double turned = scale.Swatches[9].Lch.h - LchOf(Css(0x3B82F6)).h;
  EXPECT_GT(turned, 15);
  EXPECT_LT(turned, 40);
}

// The line's chroma peaks at the base, flat on top, falls to 0 at black and at white, and its hue turns by the
// shift across the span.
TEST(ScaleLineTest, ChromaPeaksAtTheBaseAndFallsToBothEnds) {
  const TOkLch base{0.62, 0.19, 260};
  EXPECT_DOUBLE_EQ(ScaleLineAt(base, 0.62, 0, 1).C, 0.19);
  EXPECT_DOUBLE_EQ(ScaleLineAt(base, 0, 0, 1).C, 0.0);
  EXPECT_DOUBLE_EQ(ScaleLineAt(base, 1, 0, 1).C, 0.0);
  double previous = 0.19;
  for (double L = 0.63; L <= 1.0; L += 0.01) {
    const double C = ScaleLineAt(base, L, 0, 1).C;
    EXPECT_LT(C, previous) << L;
    previous = C;
  }
  previous = 0.19;
  for (double L = 0.61; L >= 0; L -= 0.01) {
    const double C = ScaleLineAt(base, L, 0, 1).C;
    EXPECT_LT(C, previous) << L;
    previous = C;
  }
  // Flat on top: a step either side loses almost nothing.
  EXPECT_GT(ScaleLineAt(base, 0.64, 0, 1).C, 0.189);
  // Tints keep some colour: not chalky.
  EXPECT_GT(ScaleLineAt(base, 0.97, 0, 1).C, 0.015);

  EXPECT_DOUBLE_EQ(ScaleLineAt(base, 0.62, 30, 0.75).h, 260);
  EXPECT_NEAR(ScaleLineAt(base, 0.245, 30, 0.75).h, 275, 1e-9);
  EXPECT_NEAR(ScaleLineAt(base, 0.995, 30, 0.75).h, 245, 1e-9);
  EXPECT_NEAR(ScaleLineAt({0.5, 0.1, 350}, 0.0, 40, 1).h, 10, 1e-9);
  EXPECT_NEAR(ScaleLineAt({0.5, 0.1, 10}, 1.0, 40, 1).h, 350, 1e-9);
  // Out-of-range and NaN lightness are held to 0-1.
  EXPECT_EQ(ScaleLineAt(base, 2, 0, 1).L, 1.0);
  EXPECT_EQ(ScaleLineAt(base, NAN, 0, 1).L, 0.0);
}

// With spacing, the steps between two fixed points (the ends, the base, the locks) keep the proportions of their
// targets; without it, each computed step aims at its own target.
void ExpectEvenlySpaced(const TTonalScale& scale) {
  std::vector<int> fixed{0};
  for (std::size_t i = 1; i + 1 < scale.Swatches.size(); ++i)
    if (scale.Swatches[i].Pin != TStepPin::None) fixed.push_back(static_cast<int>(i));
  fixed.push_back(static_cast<int>(scale.Swatches.size()) - 1);
  for (std::size_t f = 1; f < fixed.size(); ++f) {
    std::vector<double> stretch;
    for (int i = fixed[f - 1]; i < fixed[f]; ++i) {
      const TScaleSwatch& a = scale.Swatches[static_cast<std::size_t>(i)];
      const TScaleSwatch& b = scale.Swatches[static_cast<std::size_t>(i + 1)];
      // An end pinned beyond the targets' range stays out of the proportion.
      if ((i == 0 && a.Pin != TStepPin::None) ||
          (i + 1 == static_cast<int>(scale.Swatches.size()) - 1 && b.Pin != TStepPin::None))
        continue;
      stretch.push_back((b.AimLightness - a.AimLightness) / (b.Target - a.Target));
    }
    for (const double s : stretch) EXPECT_NEAR(s, stretch.front(), 1e-9) << Describe(scale);
  }
}

TEST(TonalScaleTest, NeighboursAreSpacedAroundTheBase) {
  for (const TColor base : {Css(0x3B82F6), Css(0x808080), Css(0xFACC15), Css(0x0F766E)}) {
    const TTonalScale spaced = MakeTonalScale(base);
    ASSERT_TRUE(spaced.Ok()) << Describe(spaced);
    ExpectEvenlySpaced(spaced);
    // The ends keep their targets.
    EXPECT_EQ(spaced.Swatches.front().AimLightness, spaced.Swatches.front().Target);
    EXPECT_EQ(spaced.Swatches.back().AimLightness, spaced.Swatches.back().Target);

    TScaleOptions options;
    options.SpaceAroundBase = false;
    const TTonalScale plain = MakeTonalScale(base, options);
    ASSERT_TRUE(plain.Ok()) << Describe(plain);
    for (const TScaleSwatch& s : plain.Swatches)
      if (s.Pin == TStepPin::None) {
        EXPECT_EQ(s.AimLightness, s.Target) << s.Name;
      }
  }
}

// Black takes the 950 (beyond its target 0.21) and white the 50: the other steps stay on their targets rather
// than being pulled towards the end.
TEST(TonalScaleTest, BaseBeyondAnEndDoesNotStretchTheScale) {
  for (const TColor base : {clBlack, clWhite}) {
    const TTonalScale scale = MakeTonalScale(base);
    ASSERT_TRUE(scale.Ok()) << Describe(scale);
    EXPECT_EQ(scale.Swatches[base == clBlack ? 10 : 0].Pin, TStepPin::Base);
    for (const TScaleSwatch& s : scale.Swatches)
      if (s.Pin == TStepPin::None) {
        EXPECT_EQ(s.AimLightness, s.Target) << s.Name;
      }
  }
}

TEST(TonalScaleTest, LocksArePinnedToTheirNearestSteps) {
  const TColor blue = Css(0x3B82F6);   // L 0.62: the 500
  const TColor amber = Css(0xF59E0B);  // L 0.77: the 300
  const TColor navy = Css(0x1E3A8A);   // L 0.38: the 800
  for (const ModeCase& mode : Modes) {
    SCOPED_TRACE(mode.name);
    TScaleOptions options = OptionsFor(mode);
    options.Locks = {amber, navy, blue, amber};  // the base and a repeat are ignored
    const TTonalScale scale = MakeTonalScale(blue, options);
    ExpectWellFormed(scale, blue, options);
    ASSERT_TRUE(scale.Ok());
    int locks = 0;
    for (const TScaleSwatch& s : scale.Swatches) {
      if (s.Pin != TStepPin::Lock) continue;
      ++locks;
      EXPECT_TRUE(s.Color == amber || s.Color == navy) << s.Name;
    }
    EXPECT_EQ(locks, 2);
    if (mode.mode == TScaleMode::Lightness) {
      EXPECT_EQ(scale.Swatches[3].Color, amber);
      EXPECT_EQ(scale.Swatches[8].Color, navy);
      ExpectOnTheLine(scale, blue, 0);
      ExpectEvenlySpaced(scale);
    } else {
      ExpectTargetsMet(scale, blue, options);
    }
  }
}

TEST(TonalScaleTest, ScalesOfSeveralHuesLineUpStepByStep) {
  const std::vector<TColor> bases{Css(0x64748B), Css(0x3B82F6), Css(0xF59E0B), Css(0xE11D48)};
  TScaleOptions options;
  options.Locks = {Css(0x22C55E)};  // does not apply to several scales
  const std::vector<TTonalScale> scales = MakeTonalScales(bases, options);
  ASSERT_EQ(scales.size(), bases.size());
  for (std::size_t k = 0; k < scales.size(); ++k) {
    ExpectWellFormed(scales[k], bases[k], options);
    ASSERT_TRUE(scales[k].Ok());
    for (const TScaleSwatch& s : scales[k].Swatches) {
      EXPECT_NE(s.Pin, TStepPin::Lock);
      if (s.Pin != TStepPin::None) continue;
      EXPECT_EQ(s.AimLightness, s.Target) << s.Name;
      EXPECT_NEAR(s.Lch.L, s.Target, 0.005) << Hex(bases[k]) << " " << s.Name;
    }
  }

  options.Mode = TScaleMode::Contrast;
  for (const TScaleMeasure measure : {TScaleMeasure::Wcag, TScaleMeasure::Apca}) {
    options.Measure = measure;
    const std::vector<TTonalScale> contrast = MakeTonalScales(bases, options);
    for (std::size_t k = 0; k < contrast.size(); ++k) {
      ExpectWellFormed(contrast[k], bases[k], options);
      ExpectTargetsMet(contrast[k], bases[k], options);
      ASSERT_TRUE(contrast[k].Ok());
      // Same targets in every scale.
      for (std::size_t i = 0; i < contrast[k].Swatches.size(); ++i)
        EXPECT_EQ(contrast[k].Swatches[i].Target, contrast[0].Swatches[i].Target);
    }
  }
  EXPECT_TRUE(MakeTonalScales({}, options).empty());
}

TEST(TonalScaleTest, TonesRunFromBlackToWhite) {
  TScaleOptions options;
  options.Steps = ToneScaleSteps();
  options.Numbering = TStepNumbering::Tones;
  // APCA cannot tell a grey of tone 10 from black, so its default targets collide; see the bad input cases.
  for (const ModeCase& mode : {Modes[0], Modes[1]}) {
    options.Mode = mode.mode;
    options.Measure = mode.measure;
    const TTonalScale scale = MakeTonalScale(Css(0x0F766E), options);
    ExpectWellFormed(scale, Css(0x0F766E), options);
    ASSERT_TRUE(scale.Ok()) << mode.name;
    EXPECT_EQ(scale.Swatches.front().Color, clBlack) << mode.name;
    EXPECT_EQ(scale.Swatches.back().Color, clWhite) << mode.name;
    EXPECT_LT(scale.Swatches[1].Lch.L, scale.Swatches[9].Lch.L);
  }
}

TEST(TonalScaleTest, SystemColoursAreResolved) {
  const TTonalScale system = MakeTonalScale(clHighlight);
  const TTonalScale plain = MakeTonalScale(ColorToRGB(clHighlight));
  ASSERT_TRUE(system.Ok() && plain.Ok());
  for (std::size_t i = 0; i < plain.Swatches.size(); ++i) EXPECT_EQ(system.Swatches[i].Color, plain.Swatches[i].Color);
}

// The first step on either side that passes a target as text on step X: it passes, and no step between does.
TEST(TonalScaleTest, NearestPassingStepsOnEachStep) {
  const TTonalScale scale = MakeTonalScale(Css(0x3B82F6));
  ASSERT_TRUE(scale.Ok());
  const int count = static_cast<int>(scale.Swatches.size());
  const auto passes = [&](int text, int back, TContrastTarget target) {
    const TColor t = scale.Swatches[static_cast<std::size_t>(text)].Color;
    const TColor b = scale.Swatches[static_cast<std::size_t>(back)].Color;
    return MeetsContrastTarget(target, MeasureContrast(t, b).Ratio, ApcaContrast(t, b));
  };
  for (const TContrastTarget target : ContrastTargets)
    for (int x = 0; x < count; ++x) {
      SCOPED_TRACE(std::string(ContrastTargetName(target)) + " on " + scale.Swatches[static_cast<std::size_t>(x)].Name);
      const TPassingSteps found = NearestPassingSteps(scale, x, target);
      // Lighter steps come first in a 50-950 scale.
      int expectLighter = -1, expectDarker = -1;
      for (int i = x - 1; i >= 0 && expectLighter < 0; --i)
        if (passes(i, x, target)) expectLighter = i;
      for (int i = x + 1; i < count && expectDarker < 0; ++i)
        if (passes(i, x, target)) expectDarker = i;
      EXPECT_EQ(found.Lighter, expectLighter);
      EXPECT_EQ(found.Darker, expectDarker);
    }
  // AA on the 50 needs a dark step; a 500 of this blue carries neither white-ish nor black-ish text at AAA.
  EXPECT_GE(NearestPassingSteps(scale, 0, TContrastTarget::AA).Darker, 6);
  EXPECT_EQ(NearestPassingSteps(scale, 0, TContrastTarget::AA).Lighter, -1);
  EXPECT_EQ(NearestPassingSteps(scale, -1, TContrastTarget::AA).Darker, -1);
  EXPECT_EQ(NearestPassingSteps(scale, count, TContrastTarget::AA).Lighter, -1);
  EXPECT_EQ(NearestPassingSteps(TTonalScale{}, 0, TContrastTarget::AA).Darker, -1);
}

struct BadCase {
  const char* name;
  std::function<void(TScaleOptions&)> change;
  TColor base;
  int step;           // the step the error must name, -1 for none
  const char* words;  // what the message must say
};
void PrintTo(const BadCase& c, std::ostream* os) { *os << c.name; }

class TonalScaleBadInputTest : public testing::TestWithParam<BadCase> {};

// Bad input gives a plain message naming the step and no swatches; it never crashes.
TEST_P(TonalScaleBadInputTest, GivesAPlainMessage) {
  const BadCase& c = GetParam();
  TScaleOptions options;
  c.change(options);
  const TTonalScale scale = MakeTonalScale(c.base, options);
  EXPECT_FALSE(scale.Ok());
  EXPECT_TRUE(scale.Swatches.empty());
  bool found = false;
  for (const TScaleError& e : scale.Errors)
    found = found || (e.Step == c.step && e.Message.find(c.words) != std::string::npos);
  EXPECT_TRUE(found) << "expected at step " << c.step << " \"" << c.words << "\"" << Describe(scale);
}

void Contrast(TScaleOptions& o, TScaleMeasure measure, std::vector<double> targets) {
  o.Mode = TScaleMode::Contrast;
  o.Measure = measure;
  o.Targets = std::move(targets);
}

const BadCase BadCases[] = {
    {"NoSteps", [](TScaleOptions& o) { o.Steps.clear(); }, Css(0x3B82F6), -1, "no steps"},
    {"TooManySteps", [](TScaleOptions& o) { o.Steps.assign(257, "x"); }, Css(0x3B82F6), -1, "at most 256 steps"},
    {"DuplicateStep",
     [](TScaleOptions& o) {
       o.Steps = {"50", "100", "50"};
     },
     Css(0x3B82F6), 2, "step 50 appears twice"},
    {"EmptyName",
     [](TScaleOptions& o) {
       o.Steps = {"50", "", "900"};
     },
     Css(0x3B82F6), 1, "step 2 of the list has no name"},
    {"UnknownStep",
     [](TScaleOptions& o) {
       o.Steps = {"50", "primary", "900"};
     },
     Css(0x3B82F6), 1, "step primary has no default target"},
    {"StepBeyond1000",
     [](TScaleOptions& o) {
       o.Steps = {"50", "1200"};
     },
     Css(0x3B82F6), 1, "step 1200"},
    {"ToneBeyond100",
     [](TScaleOptions& o) {
       o.Steps = {"50", "150"};
       o.Numbering = TStepNumbering::Tones;
     },
     Css(0x3B82F6), 1, "from 0 to 100"},
    {"TargetCount",
     [](TScaleOptions& o) {
       o.Targets = {0.9, 0.5, 0.2};
     },
     Css(0x3B82F6), -1, "3 targets for 11 steps"},
    {"LightnessAboveOne",
     [](TScaleOptions& o) {
       o.Steps = {"a", "b"};
       o.Targets = {1.2, 0.5};
     },
     Css(0x3B82F6), 0, "step a: the lightness 1.2 is outside 0-1"},
    {"NanTarget",
     [](TScaleOptions& o) {
       o.Steps = {"a", "b"};
       o.Targets = {0.8, NAN};
     },
     Css(0x3B82F6), 1, "step b"},
    {"NotMonotone",
     [](TScaleOptions& o) {
       o.Steps = {"a", "b", "c", "d"};
       o.Targets = {0.9, 0.8, 0.85, 0.5};
     },
     Css(0x3B82F6), 2, "step c: the target 0.85 breaks the order"},
    {"DefaultsOutOfOrder",
     [](TScaleOptions& o) {
       o.Steps = {"100", "500", "300"};
     },
     Css(0x3B82F6), 2, "step 300: the target 0.79 breaks the order"},
    {"EqualTargets",
     [](TScaleOptions& o) {
       o.Steps = {"a", "b"};
       o.Targets = {0.5, 0.5};
     },
     Css(0x3B82F6), 1, "step a and step b have the same target"},
    {"RatioBelowOne",
     [](TScaleOptions& o) {
       o.Steps = {"a", "b"};
       Contrast(o, TScaleMeasure::Wcag, {0.5, 3});
     },
     Css(0x3B82F6), 0, "step a: the ratio 0.5 is outside 1-21"},
    {"RatioAbove21",
     [](TScaleOptions& o) {
       o.Steps = {"a", "b"};
       Contrast(o, TScaleMeasure::Wcag, {3, 22});
     },
     Css(0x3B82F6), 1, "step b: the ratio 22 is outside 1-21"},
    {"LcBeyond108",
     [](TScaleOptions& o) {
       o.Steps = {"a", "b"};
       Contrast(o, TScaleMeasure::Apca, {60, 110});
     },
     Css(0x3B82F6), 1, "the Lc 110 is outside"},
    {"UnreachableRatio",
     [](TScaleOptions& o) {
       o.Steps = {"a", "b"};
       Contrast(o, TScaleMeasure::Wcag, {3, 21});
       o.Background = Css(0x777777);
     },
     Css(0x1E3A8A), 1, "step b: a ratio of 21 cannot be reached against #777777; black reaches 4.6"},
    {"UnreachableOnTheLightSide",
     [](TScaleOptions& o) {
       o.Steps = {"a", "b"};
       Contrast(o, TScaleMeasure::Wcag, {3, 6});
       o.Background = Css(0x777777);
     },
     Css(0xFACC15), 1, "white reaches 4.4"},
    {"ApcaSignAgainstTheSide",
     [](TScaleOptions& o) {
       o.Steps = {"a", "b"};
       Contrast(o, TScaleMeasure::Apca, {-30, -60});
     },
     Css(0x3B82F6), 0, "asks for a colour lighter than the background #FFFFFF, but the base is darker"},
    {"DefaultsRiseAndFall",
     [](TScaleOptions& o) {
       o.Mode = TScaleMode::Contrast;
       o.Background = Css(0x777777);
     },
     Css(0x3B82F6), -1, "would rise and fall"},
    {"ApcaDefaultsCannotTellStepsApart",
     [](TScaleOptions& o) {
       Contrast(o, TScaleMeasure::Apca, {});
       o.Background = clBlack;
     },
     Css(0x3B82F6), 10, "step 950: against #000000 its default target -7.3 is that of step 900"},
    {"ApcaTonesNearBlack",
     [](TScaleOptions& o) {
       Contrast(o, TScaleMeasure::Apca, {});
       o.Steps = ToneScaleSteps();
       o.Numbering = TStepNumbering::Tones;
     },
     Css(0x0F766E), 1, "step 10: against #FFFFFF its default target 106 is that of step 0"},
    {"BaseNotAColour", [](TScaleOptions&) {}, clNone, -1, "the base is not a colour"},
    {"BackgroundNotAColour", [](TScaleOptions& o) { o.Background = clDefault; }, Css(0x3B82F6), -1,
     "the background is not a colour"},
    {"LockNotAColour", [](TScaleOptions& o) { o.Locks = {clNone}; }, Css(0x3B82F6), -1, "a lock is not a colour"},
    {"HueShiftNan", [](TScaleOptions& o) { o.HueShift = NAN; }, Css(0x3B82F6), -1, "hue shift"},
    {"HueShiftBeyond360", [](TScaleOptions& o) { o.HueShift = 400; }, Css(0x3B82F6), -1, "outside -360-360"},
    {"LocksShareAStep", [](TScaleOptions& o) { o.Locks = {Css(0x3B83F6)}; }, Css(0x3B82F6), 5,
     "the lock #3B83F6 falls on step 500, which the base #3B82F6 already takes"},
    {"MoreLocksThanSteps",
     [](TScaleOptions& o) {
       o.Steps = {"a", "b"};
       o.Targets = {0.8, 0.3};
       o.Locks.assign(100000, Css(0xFF0000));
       o.Locks.push_back(Css(0x00FF00));
     },
     Css(0x3B82F6), -1, "2 steps hold the base and at most 1 lock"},
    {"TooCloseForEightBits",
     [](TScaleOptions& o) {
       o.Steps = {"a", "b", "c"};
       o.Targets = {0.9, 0.5, 0.4999};
     },
     clWhite, 2, "come out as the same colour"},
};
INSTANTIATE_TEST_SUITE_P(Cases, TonalScaleBadInputTest, testing::ValuesIn(BadCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tintorium
