// The scale engine's fast paths (channel tables, the gamut map's shortcuts) must give the very same bits as the
// plain computation. The reference functions below are the straightforward forms the fast ones replaced; the
// digests of whole scales were taken from the straightforward engine over every web-smart base.
#include "core/Contrast.h"
#include "core/OkLab.h"
#include "core/TonalScale.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

namespace tintorium {
namespace {

// ---- The straightforward forms -------------------------------------------------------------------------------

double ReferenceSrgbToLinear(double c) {
  const double magnitude = std::abs(c);
  if (magnitude <= 0.04045) return c / 12.92;
  return std::copysign(std::pow((magnitude + 0.055) / 1.055, 2.4), c);
}

double ReferenceWcagChannel(int value) {
  const double c = value / 255.0;
  return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double ReferenceLuminance(TColor rgb) {
  return 0.2126 * ReferenceWcagChannel(RedOf(rgb)) + 0.7152 * ReferenceWcagChannel(GreenOf(rgb)) +
         0.0722 * ReferenceWcagChannel(BlueOf(rgb));
}

TApcaTerms ReferenceApcaTerms(TColor rgb) {
  const auto channel = [](int v) { return std::pow(v / 255.0, 2.4); };
  double y = 0.2126729 * channel(RedOf(rgb)) + 0.7151522 * channel(GreenOf(rgb)) + 0.0721750 * channel(BlueOf(rgb));
  if (y < 0.022) y += std::pow(0.022 - y, 1.414);
  return {y, std::pow(y, 0.56), std::pow(y, 0.57), std::pow(y, 0.65), std::pow(y, 0.62)};
}

double Clip01(double c) { return c > 0 ? std::min(c, 1.0) : 0.0; }
TColor3 Clip(const TColor3& c) { return {Clip01(c.X), Clip01(c.Y), Clip01(c.Z)}; }
double Finite(double v) { return std::isfinite(v) ? v : 0.0; }

TColor3 ReferenceGamutMap(const TOkLch& originIn) {
  const TOkLch origin{Finite(originIn.L), Finite(originIn.C), Finite(originIn.h)};
  if (origin.L >= 1) return {1, 1, 1};
  if (origin.L <= 0) return {0, 0, 0};
  const TColor3 exact = OkLabToSrgb(OkLchToOkLab(origin));
  if (InSrgbGamut(exact)) return exact;
  TOkLch current = origin;
  const auto clipOf = [](const TOkLch& lch) { return Clip(OkLabToSrgb(OkLchToOkLab(lch))); };
  const auto toOkLab = [](const TColor3& srgb) {
    const TColor3 linear{ReferenceSrgbToLinear(srgb.X), ReferenceSrgbToLinear(srgb.Y), ReferenceSrgbToLinear(srgb.Z)};
    return XyzD65ToOkLab(LinearSrgbToXyzD65(linear));
  };
  const auto deltaOf = [&](const TColor3& clipped, const TOkLch& lch) {
    return DeltaEOK(toOkLab(clipped), OkLchToOkLab(lch));
  };
  TColor3 clipped = clipOf(current);
  if (deltaOf(clipped, current) < 0.02) return clipped;
  double min = 0, max = origin.C;
  bool minInGamut = true;
  while (max - min > 0.0001) {
    const double chroma = (min + max) / 2;
    current.C = chroma;
    if (minInGamut && InSrgbGamut(OkLabToSrgb(OkLchToOkLab(current)))) {
      min = chroma;
      continue;
    }
    clipped = clipOf(current);
    const double E = deltaOf(clipped, current);
    if (E < 0.02) {
      if (0.02 - E < 0.0001) return clipped;
      minInGamut = false;
      min = chroma;
    } else {
      max = chroma;
    }
  }
  return clipped;
}

// ---- Helpers -------------------------------------------------------------------------------------------------

std::uint64_t Bits(double v) { return std::bit_cast<std::uint64_t>(v); }

TColor Rgb(int r, int g, int b) {
  return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}

TColor WebSmart(int i) { return Rgb(((i >> 8) & 15) * 17, ((i >> 4) & 15) * 17, (i & 15) * 17); }

// FNV-1a over every figure of every swatch, bit for bit, and every error message.
class TDigest {
 public:
  void Add(std::uint64_t v) {
    for (int i = 0; i < 8; ++i) {
      hash_ ^= (v >> (8 * i)) & 0xFF;
      hash_ *= 0x100000001B3ULL;
    }
  }
  void Add(double v) { Add(Bits(v)); }
  void Add(const TTonalScale& scale) {
    for (const TScaleSwatch& s : scale.Swatches) {
      Add(static_cast<std::uint64_t>(s.Color));
      for (const double v : {s.Lch.L, s.Lch.C, s.Lch.h, s.Target, s.AimLightness, s.WhiteRatio, s.BlackRatio,
                             s.WhiteTextLc, s.BlackTextLc, s.BackgroundRatio, s.BackgroundLc})
        Add(v);
      Add(static_cast<std::uint64_t>(s.Pin));
    }
    for (const TScaleError& e : scale.Errors)
      for (const char c : e.Message) Add(static_cast<std::uint64_t>(static_cast<unsigned char>(c)));
  }
  std::uint64_t Value() const { return hash_; }

 private:
  std::uint64_t hash_ = 0xCBF29CE484222325ULL;
};

// ---- Primitives ----------------------------------------------------------------------------------------------

TEST(ExactFastPathTest, SrgbLinearisationMatchesThePowerCurve) {
  for (int v = 0; v <= 255; ++v) {
    EXPECT_EQ(Bits(SrgbToLinear(v / 255.0)), Bits(ReferenceSrgbToLinear(v / 255.0))) << v;
    EXPECT_EQ(Bits(SrgbToLinear(-v / 255.0)), Bits(ReferenceSrgbToLinear(-v / 255.0))) << v;
    // A neighbour of an 8-bit value one ulp away is no 8-bit value and must not take its table entry.
    for (const double c : {std::nextafter(v / 255.0, 0.0), std::nextafter(v / 255.0, 2.0)})
      EXPECT_EQ(Bits(SrgbToLinear(c)), Bits(ReferenceSrgbToLinear(c))) << v;
  }
  std::mt19937_64 random(21);
  std::uniform_real_distribution<double> any(-0.5, 1.5);
  for (int i = 0; i < 100000; ++i) {
    const double c = any(random);
    ASSERT_EQ(Bits(SrgbToLinear(c)), Bits(ReferenceSrgbToLinear(c))) << c;
  }
  for (const double c : {0.0, -0.0, 1.0, 2.0, 1e-300, -1e-300, std::nan(""), HUGE_VAL, -HUGE_VAL})
    EXPECT_EQ(Bits(SrgbToLinear(c)), Bits(ReferenceSrgbToLinear(c))) << c;
}

TEST(ExactFastPathTest, LuminanceAndApcaTermsMatchThePowerCurve) {
  const auto check = [](TColor c) {
    ASSERT_EQ(Bits(RelativeLuminance(c)), Bits(ReferenceLuminance(c))) << std::hex << c;
    const TApcaTerms fast = ApcaTermsOf(c), slow = ReferenceApcaTerms(c);
    ASSERT_EQ(Bits(fast.Y), Bits(slow.Y)) << std::hex << c;
    ASSERT_EQ(Bits(fast.BackNormal), Bits(slow.BackNormal)) << std::hex << c;
    ASSERT_EQ(Bits(fast.TextNormal), Bits(slow.TextNormal)) << std::hex << c;
    ASSERT_EQ(Bits(fast.BackReverse), Bits(slow.BackReverse)) << std::hex << c;
    ASSERT_EQ(Bits(fast.TextReverse), Bits(slow.TextReverse)) << std::hex << c;
    for (const TColor back : {clWhite, clBlack, TColor{0x808080}, TColor{0x3366CC}, c ^ 0x010101}) {
      double y = -1;
      ASSERT_EQ(Bits(ApcaContrastOn(c, ReferenceApcaTerms(back), y)),
                Bits(ApcaContrast(ReferenceApcaTerms(c), ReferenceApcaTerms(back))))
          << std::hex << c << " on " << back;
      ASSERT_EQ(Bits(y), Bits(slow.Y)) << std::hex << c;
    }
  };
  for (int v = 0; v <= 255; ++v) {
    check(Rgb(v, 0, 0));
    check(Rgb(0, v, 0));
    check(Rgb(0, 0, v));
    check(Rgb(v, v, v));
  }
  std::mt19937 random(21);
  for (int i = 0; i < 200000; ++i) check(random() & 0xFFFFFF);
}

// Rounding straight from linear light: on both sides of every value where the 8-bit rounding turns, closer and
// closer to it, and at random.
TEST(ExactFastPathTest, EightBitRoundingFromLinearLight) {
  const auto reference = [](double linear) {
    return SrgbToColor({LinearToSrgb(linear), LinearToSrgb(linear), LinearToSrgb(linear)});
  };
  const auto check = [&](double linear) {
    ASSERT_EQ(LinearSrgbToColor({linear, linear, linear}), reference(linear)) << linear;
  };
  for (int k = 0; k < 255; ++k) {
    const double turn = ReferenceSrgbToLinear((k + 0.5) / 255);
    for (double step = 1e-3; step > 1e-17; step /= 3) {
      check(turn * (1 + step));
      check(turn * (1 - step));
    }
    double below = turn, above = turn;
    for (int i = 0; i < 64; ++i) {
      check(below = std::nextafter(below, 0.0));
      check(above = std::nextafter(above, 2.0));
    }
  }
  std::mt19937_64 random(21);
  std::uniform_real_distribution<double> any(-0.1, 1.1);
  for (int i = 0; i < 300000; ++i) check(any(random));
  for (const double c : {0.0, -0.0, 1.0, 1e-300, -1e-300, 1 - 1e-16, 1 + 1e-16}) check(c);
}

// Every line a scale can take from a web-smart base, at lightness steps of 1/512, each chroma also doubled and
// halved; a spread of far-out colours at every hue; and random colours.
TEST(ExactFastPathTest, GamutMapMatchesTheStraightforwardSearch) {
  const auto check = [](const TOkLch& lch) {
    const TColor3 fast = GamutMapToSrgb(lch), slow = ReferenceGamutMap(lch);
    ASSERT_TRUE(Bits(fast.X) == Bits(slow.X) && Bits(fast.Y) == Bits(slow.Y) && Bits(fast.Z) == Bits(slow.Z))
        << lch.L << " " << lch.C << " " << lch.h;
    bool inside = false;
    const TColor3 either = GamutMapToSrgbOrLinear(lch, inside);
    ASSERT_EQ(inside ? LinearSrgbToColor(either) : SrgbToColor(either), SrgbToColor(slow))
        << lch.L << " " << lch.C << " " << lch.h;
    ASSERT_EQ(GamutMapToColor(lch), SrgbToColor(slow)) << lch.L << " " << lch.C << " " << lch.h;
  };
  for (int i = 0; i < 4096; ++i) {
    const TOkLch base = OkLabToOkLch(SrgbToOkLab(ColorToSrgb(WebSmart(i))));
    for (int k = 0; k <= 512; k += (i % 7 == 0 ? 1 : 16)) {
      const TOkLch at = ScaleLineAt(base, k / 512.0, 0, 1);
      check(at);
      check({at.L, at.C * 2, at.h});
      check({at.L, at.C / 2, at.h});
    }
  }
  for (int h = 0; h < 360; h += 3)
    for (int L = 0; L <= 100; L += 5)
      for (const double C : {0.0, 0.05, 0.1, 0.2, 0.37, 0.5, 1.0}) check({L / 100.0, C, static_cast<double>(h)});
  std::mt19937_64 random(21);
  std::uniform_real_distribution<double> unit(0.0, 1.0);
  for (int i = 0; i < 200000; ++i) check({unit(random), unit(random) * 0.5, unit(random) * 360});
  for (const double v : {std::nan(""), HUGE_VAL, -HUGE_VAL, -0.1, 1.1}) {
    check({v, 0.1, 30});
    check({0.5, v, 30});
    check({0.5, 0.1, v});
  }
}

// ---- Whole scales --------------------------------------------------------------------------------------------

struct TDigestCase {
  const char* name;
  TScaleMode mode;
  TScaleMeasure measure;
  double hueShift;
  TColor background;
  std::uint64_t digest;
};

void PrintTo(const TDigestCase& c, std::ostream* out) { *out << c.name; }

class ExactScaleDigestTest : public testing::TestWithParam<TDigestCase> {};

TEST_P(ExactScaleDigestTest, EveryWebSmartScaleIsUnchanged) {
  const TDigestCase& c = GetParam();
  TScaleOptions options;
  options.Mode = c.mode;
  options.Measure = c.measure;
  options.HueShift = c.hueShift;
  options.Background = c.background;
  if (c.background != clWhite) {
    options.Steps = {"100", "300", "500", "700", "900"};
    options.Targets = c.measure == TScaleMeasure::Wcag ? std::vector<double>{1.5, 2.5, 4.5, 7, 11}
                                                       : std::vector<double>{-15, -30, -45, -60, -75};
  }
  TDigest digest;
  for (int i = 0; i < 4096; ++i) digest.Add(MakeTonalScale(WebSmart(i), options));
  EXPECT_EQ(digest.Value(), c.digest) << std::hex << "0x" << digest.Value();
}

constexpr TColor DarkGrey = 0x202020;
constexpr TColor LightGrey = 0xE0E0E0;

const TDigestCase DigestCases[] = {
    {"Lightness", TScaleMode::Lightness, TScaleMeasure::Wcag, 0, clWhite, 0x7e98851e75a9eb4e},
    {"LightnessHueShift", TScaleMode::Lightness, TScaleMeasure::Wcag, 30, clWhite, 0x9f736c7d5d149a3},
    {"ContrastWcag", TScaleMode::Contrast, TScaleMeasure::Wcag, 0, clWhite, 0x9030af56657576da},
    {"ContrastApca", TScaleMode::Contrast, TScaleMeasure::Apca, 0, clWhite, 0x17d2ef799cef09b9},
    {"ContrastWcagHueShift", TScaleMode::Contrast, TScaleMeasure::Wcag, -40, clWhite, 0x301c70998ef0e67},
    {"ContrastWcagOnLightGrey", TScaleMode::Contrast, TScaleMeasure::Wcag, 0, LightGrey, 0xaeb9b0eed6120540},
    {"ContrastApcaOnDarkGrey", TScaleMode::Contrast, TScaleMeasure::Apca, 20, DarkGrey, 0xcb48ef232e823b82},
};

INSTANTIATE_TEST_SUITE_P(Modes, ExactScaleDigestTest, testing::ValuesIn(DigestCases),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace tintorium
