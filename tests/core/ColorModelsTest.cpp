#include "core/ColorModels.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>

namespace tintorium {

// Readable failures for the value records.
void PrintTo(const TRGBValues& v, std::ostream* os) { *os << "RGB(" << v.R << ", " << v.G << ", " << v.B << ")"; }
void PrintTo(const THSBValues& v, std::ostream* os) { *os << "HSB(" << v.H << ", " << v.S << ", " << v.B << ")"; }
void PrintTo(const TCMYKValues& v, std::ostream* os) {
  *os << "CMYK(" << v.C << ", " << v.M << ", " << v.Y << ", " << v.K << ")";
}
void PrintTo(const TLabValues& v, std::ostream* os) { *os << "Lab(" << v.L << ", " << v.a << ", " << v.b << ")"; }

namespace {

constexpr std::int32_t IntMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t IntMin = std::numeric_limits<std::int32_t>::min();

struct FromRGBCase {
  TRGBValues rgb;
  THSBValues hsb;
  TCMYKValues cmyk;
  TLabValues lab;
};

class FromRGBTest : public testing::TestWithParam<FromRGBCase> {};

TEST_P(FromRGBTest, ConvertsToEveryModel) {
  const FromRGBCase& c = GetParam();
  EXPECT_EQ(RGBToHSB(c.rgb), c.hsb);
  EXPECT_EQ(RGBToCMYK(c.rgb), c.cmyk);
  EXPECT_EQ(RGBToLab(c.rgb), c.lab);
  EXPECT_EQ(ColorToHSB(RGBValuesToColor(c.rgb)), c.hsb);
  EXPECT_EQ(ColorToCMYK(RGBValuesToColor(c.rgb)), c.cmyk);
  EXPECT_EQ(ColorToLab(RGBValuesToColor(c.rgb)), c.lab);
}

INSTANTIATE_TEST_SUITE_P(
    KnownColours, FromRGBTest,
    testing::Values(FromRGBCase{{255, 0, 0}, {0, 100, 100}, {0, 100, 100, 0}, {54, 81, 70}},
                    FromRGBCase{{0, 0, 0}, {0, 0, 0}, {0, 0, 0, 100}, {0, 0, 0}},
                    FromRGBCase{{255, 255, 255}, {0, 0, 100}, {0, 0, 0, 0}, {100, 0, 0}},
                    FromRGBCase{{128, 128, 128}, {0, 0, 50}, {0, 0, 0, 50}, {54, 0, 0}},
                    FromRGBCase{{51, 102, 153}, {210, 67, 60}, {40, 20, 0, 40}, {42, -5, -33}},
                    FromRGBCase{{0, 255, 0}, {120, 100, 100}, {100, 0, 100, 0}, {88, -79, 81}},
                    FromRGBCase{{0, 0, 255}, {240, 100, 100}, {100, 100, 0, 0}, {30, 68, -112}},
                    FromRGBCase{{200, 100, 50}, {20, 75, 78}, {0, 39, 58, 22}, {54, 38, 46}}));

struct HSBCase {
  TRGBValues rgb;
  THSBValues hsb;
};

class RGBToHSBTest : public testing::TestWithParam<HSBCase> {};

TEST_P(RGBToHSBTest, RoundsAsTheDoubleRatioDoes) { EXPECT_EQ(RGBToHSB(GetParam().rgb), GetParam().hsb); }

// The saturation ratio is held as a double before it is scaled: 1/40 and 39/40 are not exact halves.
INSTANTIATE_TEST_SUITE_P(Cases, RGBToHSBTest,
                         testing::Values(HSBCase{{40, 39, 39}, {0, 3, 16}}, HSBCase{{40, 1, 1}, {0, 97, 16}},
                                         HSBCase{{255, 0, 1}, {360, 100, 100}},  // h = 359.76
                                         HSBCase{{255, 255, 0}, {60, 100, 100}},  // tie R = G goes to R
                                         HSBCase{{0, 255, 255}, {180, 100, 100}},  // tie G = B goes to G
                                         HSBCase{{255, 0, 255}, {300, 100, 100}},
                                         HSBCase{{7, 7, 7}, {0, 0, 3}}));

class HSBToRGBTest : public testing::TestWithParam<HSBCase> {};

TEST_P(HSBToRGBTest, ConvertsBack) {
  EXPECT_EQ(HSBToRGB(GetParam().hsb), GetParam().rgb);
  EXPECT_EQ(HSBToColor(GetParam().hsb), RGBValuesToColor(GetParam().rgb));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HSBToRGBTest,
    testing::Values(HSBCase{{128, 128, 128}, {0, 0, 50}},  // 50 * 2.55 = 127.5 -> 128
                    HSBCase{{128, 96, 64}, {30, 50, 50}}, HSBCase{{255, 0, 0}, {360, 100, 100}},
                    HSBCase{{255, 0, 0}, {0, 100, 100}}, HSBCase{{255, 0, 128}, {-30, 150, 100}},
                    HSBCase{{0, 0, 0}, {400, 120, -5}},  // read as (40, 100, 0)
                    HSBCase{{255, 170, 0}, {400, 100, 100}}, HSBCase{{255, 0, 0}, {720, 100, 100}},
                    HSBCase{{255, 5, 0}, {721, 100, 100}}, HSBCase{{255, 0, 0}, {-360, 100, 100}},
                    HSBCase{{76, 76, 76}, {123, 0, 30}},  // 30 * 2.55 = 76.5 -> 76
                    HSBCase{{0, 255, 0}, {120, 100, 100}}, HSBCase{{0, 0, 255}, {240, 100, 100}},
                    HSBCase{{255, 255, 0}, {60, 100, 100}},
                    // Huge hues wrap without looping once per turn, and no product overflows.
                    HSBCase{{255, 0, 0}, {IntMax - (IntMax % 360), 100, 100}},
                    HSBCase{{0, 0, 0}, {IntMin, IntMin, IntMin}}, HSBCase{{255, 255, 255}, {IntMax, IntMin, IntMax}}));

struct CMYKCase {
  TCMYKValues cmyk;
  TRGBValues rgb;
};

class CMYKToRGBTest : public testing::TestWithParam<CMYKCase> {};

TEST_P(CMYKToRGBTest, OnlyTheSumsWithKCount) {
  EXPECT_EQ(CMYKToRGB(GetParam().cmyk), GetParam().rgb);
  EXPECT_EQ(CMYKToColor(GetParam().cmyk), RGBValuesToColor(GetParam().rgb));
}

INSTANTIATE_TEST_SUITE_P(Cases, CMYKToRGBTest,
                         testing::Values(CMYKCase{{0, 0, 0, 50}, {127, 127, 127}},  // 127.5 -> 128, 255 - 128
                                         CMYKCase{{60, 60, 60, 40}, {0, 0, 0}}, CMYKCase{{0, 0, 0, 100}, {0, 0, 0}},
                                         CMYKCase{{0, 100, 100, 0}, {255, 0, 0}},
                                         CMYKCase{{40, 20, 0, 40}, {51, 102, 153}},
                                         CMYKCase{{150, 0, 0, 0}, {0, 255, 255}},  // limited to 255 ink
                                         CMYKCase{{-10, 0, 0, 0}, {281, 255, 255}},  // no lower limit
                                         CMYKCase{{IntMax, IntMax, IntMin, IntMin}, {258, 258, IntMax}}));

struct LabCase {
  TLabValues lab;
  TRGBValues rgb;
};

class LabToRGBTest : public testing::TestWithParam<LabCase> {};

TEST_P(LabToRGBTest, ConvertsAndClamps) {
  EXPECT_EQ(LabToRGB(GetParam().lab), GetParam().rgb);
  EXPECT_EQ(LabToColor(GetParam().lab), RGBValuesToColor(GetParam().rgb));
}

INSTANTIATE_TEST_SUITE_P(Cases, LabToRGBTest,
                         testing::Values(LabCase{{54, 81, 70}, {254, 0, 0}}, LabCase{{50, 0, 0}, {119, 119, 119}},
                                         LabCase{{100, 127, 127}, {255, 67, 0}},
                                         LabCase{{0, -128, -128}, {0, 59, 195}}, LabCase{{0, 0, 0}, {0, 0, 0}},
                                         LabCase{{100, 0, 0}, {255, 255, 255}},
                                         LabCase{{IntMax, IntMax, IntMin}, {255, 255, 255}},
                                         LabCase{{IntMin, IntMin, IntMax}, {0, 0, 0}}));

TEST(ColorModelsTest, CompositeConversionsGoThroughIntegerRGB) {
  // HSB (0, 0, 50) is RGB (128, 128, 128) in between, so CMYK shows K = 50 and Lab L = 54.
  EXPECT_EQ(HSBToCMYK({0, 0, 50}), (TCMYKValues{0, 0, 0, 50}));
  EXPECT_EQ(HSBToLab({0, 0, 50}), (TLabValues{54, 0, 0}));
  // CMYK (0, 0, 0, 50) is (127, 127, 127) in between.
  EXPECT_EQ(CMYKToHSB({0, 0, 0, 50}), (THSBValues{0, 0, 50}));
  EXPECT_EQ(CMYKToLab({0, 0, 0, 50}), (TLabValues{53, 0, 0}));
  // Lab (54, 81, 70) is (254, 0, 0) in between.
  EXPECT_EQ(LabToHSB({54, 81, 70}), (THSBValues{0, 100, 100}));
  EXPECT_EQ(LabToCMYK({54, 81, 70}), (TCMYKValues{0, 100, 100, 0}));
  // A hue entered in HSB is lost on the way through a grey.
  EXPECT_EQ(RGBToHSB(HSBToRGB({200, 0, 40})), (THSBValues{0, 0, 40}));
}

TEST(ColorModelsTest, TColorChannelsAreMaskedNotClamped) {
  EXPECT_EQ(RGBValuesToColor({256, 0, 0}), 0u);
  EXPECT_EQ(RGBValuesToColor({255, 0, 238}), 0xEE00FFu);
  EXPECT_EQ(RGBValuesToColor({-1, 257, 0}), 0x0001FFu);
  EXPECT_EQ(ColorToRGBValues(0xEE00FF), (TRGBValues{255, 0, 238}));
  EXPECT_EQ(RGBValuesToPixel({255, 0, 238}), 0xFF00EEu);
  EXPECT_EQ(RGBValuesToPixel({0x112, 0x134, 0x156}), 0x123456u);
}

TEST(ColorModelsTest, XYZOfWhiteIsTheReferenceWhite) {
  const TXYZ white = RGBToXYZ({255, 255, 255});
  EXPECT_NEAR(white.X, 0.96422, 1e-6);
  EXPECT_NEAR(white.Y, 1.0, 1e-6);
  EXPECT_NEAR(white.Z, 0.82521, 1e-6);
  EXPECT_EQ(XYZToLab(white), (TLabValues{100, 0, 0}));
  EXPECT_EQ(XYZToRGB(white), (TRGBValues{255, 255, 255}));
  const TXYZ labWhite = LabToXYZ({100, 0, 0});
  EXPECT_NEAR(labWhite.X, 0.96422, 1e-12);
  EXPECT_NEAR(labWhite.Y, 1.0, 1e-12);
}

TEST(ColorModelsTest, XYZOfEachChannelFollowsTheMatrix) {
  // Single-channel colours isolate each linearised channel.
  for (int v = 0; v < 256; v += 5) {
    const long double c = static_cast<double>(v / 255.0L);
    const double linear = c <= 0.04045 ? static_cast<double>(c / static_cast<long double>(12.92))
                                       : static_cast<double>(std::pow((c + static_cast<long double>(0.055)) /
                                                                          static_cast<long double>(1.055),
                                                                      static_cast<long double>(2.4)));
    const TXYZ red = RGBToXYZ({v, 0, 0});
    EXPECT_EQ(red.X, static_cast<double>(static_cast<long double>(0.4360747) * linear)) << v;
    const TXYZ blue = RGBToXYZ({0, 0, v});
    EXPECT_EQ(blue.Z, static_cast<double>(static_cast<long double>(0.7141733) * linear)) << v;
  }
}

TEST(ColorModelsTest, HostileXYZValuesGiveBoundedResults) {
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  for (const TXYZ& xyz : {TXYZ{nan, nan, nan}, TXYZ{inf, inf, inf}, TXYZ{-inf, -inf, -inf}, TXYZ{1e300, -1e300, 0}}) {
    const TLabValues lab = XYZToLab(xyz);
    EXPECT_TRUE(lab.L >= 0 && lab.L <= 100 && lab.a >= -128 && lab.a <= 127 && lab.b >= -128 && lab.b <= 127);
    const TRGBValues rgb = XYZToRGB(xyz);
    EXPECT_TRUE(rgb.R >= 0 && rgb.R <= 255 && rgb.G >= 0 && rgb.G <= 255 && rgb.B >= 0 && rgb.B <= 255);
  }
}

TEST(ColorModelsTest, OutOfRangeRGBRecordsConvertWithoutFault) {
  // Records set from elsewhere may hold anything; the fast paths must not index outside their tables.
  EXPECT_EQ(RGBToLab({300, -20, 128}), XYZToLab(RGBToXYZ({300, -20, 128})));
  EXPECT_EQ(RGBToCMYK({281, 255, 255}), (TCMYKValues{0, 10, 10, -10}));
  EXPECT_EQ(RGBToHSB({IntMax, IntMin, 0}).H, 330);
  const THSBValues extreme = RGBToHSB({IntMin, IntMin, IntMax});
  EXPECT_EQ(extreme.H, 240);
  const TLabValues lab = RGBToLab({IntMax, IntMin, IntMax});
  EXPECT_TRUE(lab.L >= 0 && lab.L <= 100);
}

struct ModelNameCase {
  int model;
  const char* name;
};

class ModelNameTest : public testing::TestWithParam<ModelNameCase> {};

TEST_P(ModelNameTest, NamesTheModelOrLeavesTheTarget) {
  std::string target = "unchanged";
  ModelName(static_cast<TColorModel>(GetParam().model), target);
  EXPECT_EQ(target, GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Models, ModelNameTest,
                         testing::Values(ModelNameCase{cmRGB, "RGB"}, ModelNameCase{cmHSB, "HSB"},
                                         ModelNameCase{cmCMYK, "CMYK"}, ModelNameCase{cmLAB, "Lab"},
                                         ModelNameCase{4, "unchanged"}, ModelNameCase{255, "unchanged"}));

}  // namespace
}  // namespace tintorium
