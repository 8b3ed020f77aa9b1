// Properties checked for every 8-bit RGB colour. Unoptimised and sanitizer builds walk a sample of the cube
// (every 13th colour) to stay quick; optimised builds walk all 16,777,216.
#include "core/ColorModels.h"
#include "core/CssColor.h"
#include "core/FastLab.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace tintorium {
namespace {

#if defined(__SANITIZE_ADDRESS__) || !defined(__OPTIMIZE__)
constexpr std::uint32_t CubeStride = 13;
#else
constexpr std::uint32_t CubeStride = 1;
#endif

TRGBValues CubeColor(std::uint32_t i) {
  return {static_cast<std::int32_t>(i & 0xFF), static_cast<std::int32_t>((i >> 8) & 0xFF),
          static_cast<std::int32_t>(i >> 16)};
}

template <typename Check>
void ForCube(Check check) {
  for (std::uint32_t i = 0; i < (1u << 24); i += CubeStride) check(CubeColor(i));
}

std::string Describe(const TRGBValues& c) {
  return "RGB(" + std::to_string(c.R) + "," + std::to_string(c.G) + "," + std::to_string(c.B) + ")";
}

// Both fast paths, one colour at a time and many at a time, against the straightforward formulas.
// Each CSS form carries enough decimals to name its 8-bit colour; eight forms written and read per colour make the
// whole cube slow, so this walk takes every 61st colour (every channel value still occurs).
TEST(ExhaustiveTest, EveryCssFormReadsBackAsTheSameColour) {
  constexpr std::uint32_t Stride = CubeStride * 61;
  for (std::uint32_t i = 0; i < (1u << 24); i += Stride) {
    const TColor color = RGBValuesToColor(CubeColor(i));
    for (const TCssForm form : CssForms) {
      const std::string text = FormatCssColor(color, form);
      if (text.empty()) continue;
      const auto back = ParseCssColor(text);
      ASSERT_TRUE(back) << text;
      ASSERT_EQ(back->Color, color) << text;
    }
  }
}

TEST(ExhaustiveTest, FastLabEqualsTheFormulaForEveryColour) {
  std::uint64_t mismatches = 0;
  std::vector<TRGBValues> plane;
  std::vector<TLabValues> many;
  auto report = [&](const TRGBValues& rgb, const TLabValues& fast, const TLabValues& exact, const char* path) {
    if (fast != exact && ++mismatches <= 5)
      ADD_FAILURE() << path << " " << Describe(rgb) << " fast L" << fast.L << " a" << fast.a << " b" << fast.b
                    << " exact L" << exact.L << " a" << exact.a << " b" << exact.b;
  };
  for (std::uint32_t base = 0; base < (1u << 24); base += 1u << 16) {
    plane.clear();
    for (std::uint32_t i = base; i < base + (1u << 16); i += CubeStride) plane.push_back(CubeColor(i));
    many.assign(plane.size(), TLabValues{});
    RGBToLabMany(plane.data(), many.data(), plane.size());
    for (std::size_t i = 0; i < plane.size(); ++i) {
      const TLabValues exact = XYZToLab(RGBToXYZ(plane[i]));
      report(plane[i], RGBToLab(plane[i]), exact, "single");
      report(plane[i], many[i], exact, "many");
    }
  }
  EXPECT_EQ(mismatches, 0u);
}

TEST(ExhaustiveTest, ManyAtATimeHandlesOddCountsAndOutOfRangeRecords) {
  std::vector<TRGBValues> colours;
  for (int i = 0; i < 200; ++i) colours.push_back({(i * 37) % 256, (i * 91) % 256, (i * 13) % 256});
  colours[5] = {300, 0, 0};
  colours[70] = {-1, 128, 128};
  colours[130] = {0, 0, 2147483647};
  for (const std::size_t count : {std::size_t{0}, std::size_t{1}, std::size_t{63}, std::size_t{64}, std::size_t{65},
                                  colours.size()}) {
    std::vector<TLabValues> lab(count + 1, TLabValues{-7, -7, -7});
    RGBToLabMany(colours.data(), lab.data(), count);
    for (std::size_t i = 0; i < count; ++i) EXPECT_EQ(lab[i], RGBToLab(colours[i])) << i;
    EXPECT_EQ(lab[count], (TLabValues{-7, -7, -7})) << "wrote past the end";
  }
}

TEST(ExhaustiveTest, ConversionsFromRGBStayInRange) {
  std::uint64_t failures = 0;
  ForCube([&](const TRGBValues& rgb) {
    const THSBValues hsb = RGBToHSB(rgb);
    const TCMYKValues cmyk = RGBToCMYK(rgb);
    const TLabValues lab = RGBToLab(rgb);
    const bool ok = hsb.H >= 0 && hsb.H <= 360 && hsb.S >= 0 && hsb.S <= 100 && hsb.B >= 0 && hsb.B <= 100 &&
                    cmyk.C >= 0 && cmyk.M >= 0 && cmyk.Y >= 0 && cmyk.K >= 0 && cmyk.K <= 100 &&
                    cmyk.C + cmyk.K <= 100 && cmyk.M + cmyk.K <= 100 && cmyk.Y + cmyk.K <= 100 &&
                    (cmyk.C == 0 || cmyk.M == 0 || cmyk.Y == 0) && lab.L >= 0 && lab.L <= 100 && lab.a >= -128 &&
                    lab.a <= 127 && lab.b >= -128 && lab.b <= 127;
    if (!ok && ++failures <= 5) ADD_FAILURE() << Describe(rgb);
  });
  EXPECT_EQ(failures, 0u);
}

// A colour converted to HSB or CMYK and back lands within the rounding of the per-cent scale.
TEST(ExhaustiveTest, RoundTripsThroughHSBAndCMYKStayClose) {
  std::uint64_t failures = 0;
  ForCube([&](const TRGBValues& rgb) {
    const TRGBValues viaHSB = HSBToRGB(RGBToHSB(rgb));
    const TRGBValues viaCMYK = CMYKToRGB(RGBToCMYK(rgb));
    auto close = [](const TRGBValues& a, const TRGBValues& b, int limit) {
      return std::abs(a.R - b.R) <= limit && std::abs(a.G - b.G) <= limit && std::abs(a.B - b.B) <= limit;
    };
    if ((!close(rgb, viaHSB, 5) || !close(rgb, viaCMYK, 2)) && ++failures <= 5) ADD_FAILURE() << Describe(rgb);
  });
  EXPECT_EQ(failures, 0u);
}

// XYZ -> RGB reads the channel off the places where it steps up; each place must be exactly where the formula
// steps, and every Lab record must convert as the formulas say.
TEST(ExhaustiveTest, ChannelStepsAreWhereTheFormulaSteps) {
  const auto& firstOf = detail::ChannelSteps();
  for (int k = 1; k <= 255; ++k) {
    EXPECT_GE(detail::LinearToChannelFormula(firstOf[k]), k) << k;
    EXPECT_LT(detail::LinearToChannelFormula(std::nextafter(firstOf[k], 0.0)), k) << k;
  }
}

TEST(ExhaustiveTest, LabToRGBEqualsTheFormula) {
  // The matrix as written, applied here independently of the library.
  auto linear = [](long double m0, long double m1, long double m2, const TXYZ& xyz) {
    return static_cast<double>(m0 * xyz.X + m1 * xyz.Y + m2 * xyz.Z);
  };
  constexpr std::int32_t LabStride = CubeStride == 1 ? 3 : 29;
  std::uint64_t mismatches = 0;
  std::int32_t index = 0;
  for (std::int32_t l = 0; l <= 100; ++l)
    for (std::int32_t a = -128; a <= 127; ++a)
      for (std::int32_t b = -128; b <= 127; ++b) {
        if (index++ % LabStride != 0) continue;
        const TXYZ xyz = LabToXYZ({l, a, b});
        const TRGBValues expected{
            detail::LinearToChannelFormula(linear(3.1338561, -1.6168667, -0.4906146, xyz)),
            detail::LinearToChannelFormula(linear(-0.9787684, 1.9161415, 0.0334540, xyz)),
            detail::LinearToChannelFormula(linear(0.0719453, -0.2289914, 1.4052427, xyz))};
        const TRGBValues got = LabToRGB({l, a, b});
        if (got != expected && ++mismatches <= 5)
          ADD_FAILURE() << "Lab(" << l << "," << a << "," << b << ") " << Describe(got) << " expected "
                        << Describe(expected);
      }
  EXPECT_EQ(mismatches, 0u);
}

TEST(ExhaustiveTest, LinearTableHoldsTheFormula) {
  for (int v = 0; v < 256; ++v) {
    const long double c = static_cast<double>(v / 255.0L);
    const double expected = c <= 0.04045 ? static_cast<double>(c / static_cast<long double>(12.92))
                                         : static_cast<double>(std::pow((c + static_cast<long double>(0.055)) /
                                                                            static_cast<long double>(1.055),
                                                                        static_cast<long double>(2.4)));
    EXPECT_EQ(detail::LinearTable()[v], expected) << v;
  }
}

TEST(ExhaustiveTest, ApproxCbrtIsCloseOverTheLabRange) {
  for (double t = 0.008; t < 1.2; t *= 1.0001) {
    const double exact = std::cbrt(t);
    ASSERT_NEAR(detail::ApproxCbrt(t), exact, exact * 2e-10) << t;
  }
}

}  // namespace
}  // namespace tintorium
