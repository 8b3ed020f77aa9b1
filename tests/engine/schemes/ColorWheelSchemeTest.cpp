#include "engine/schemes/ColorWheelScheme.h"

#include "core/ColorModels.h"
#include "core/ColorText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tintorium {
namespace {

TColor Hex(const char* text) { return RGBValuesToColor(ParseHexColor(text)); }
std::string HexOf(TColor color) { return HexText(ColorToRGBValues(color)); }

std::vector<std::string> HexList(const TWheelSegments& segments) {
  std::vector<std::string> texts;
  for (TColor color : segments) texts.push_back(HexOf(color));
  return texts;
}

struct TSegmentsCase {
  const char* name;
  const char* base;
  TColorWheelStyle style;
  std::vector<std::string> expected;
};

class WheelSegmentsTest : public ::testing::TestWithParam<TSegmentsCase> {};

TEST_P(WheelSegmentsTest, GivesTheTwelveColours) {
  const TSegmentsCase& c = GetParam();
  EXPECT_EQ(HexList(WheelSegments(Hex(c.base), c.style)), c.expected);
}

const std::vector<std::string> Twelve(const char* hex) { return std::vector<std::string>(12, hex); }

INSTANTIATE_TEST_SUITE_P(
    Cases, WheelSegmentsTest,
    ::testing::Values(
        // Pure hues 0, 330, 300 ... 30; the halves of 127.5 round to even (128).
        TSegmentsCase{"RedRgb", "FF0000", wsRGB,
                      {"FF0000", "FF0080", "FF00FF", "8000FF", "0000FF", "0080FF", "00FFFF", "00FF80", "00FF00",
                       "80FF00", "FFFF00", "FF8000"}},
        TSegmentsCase{"RedRyb", "FF0000", wsRYB,
                      {"FF0000", "F700FF", "6800E6", "0015CC", "007BCC", "00CCAE", "00CC3E", "42E600", "FFFF00",
                       "FFCC00", "FF9100", "FF4900"}},
        TSegmentsCase{"WhiteRgb", "FFFFFF", wsRGB, Twelve("FFFFFF")},
        // A grey neighbour has hue 0, so the step into class 1 at segment 7 darkens segments 7 down to 1.
        TSegmentsCase{"WhiteRyb", "FFFFFF", wsRYB,
                      {"FFFFFF", "E6E6E6", "E6E6E6", "E6E6E6", "E6E6E6", "E6E6E6", "E6E6E6", "E6E6E6", "FFFFFF",
                       "FFFFFF", "FFFFFF", "FFFFFF"}},
        // 50 per cent brightness is 127.5, an exact half: 128 again.
        TSegmentsCase{"GreyRgb", "808080", wsRGB, Twelve("808080")},
        TSegmentsCase{"BlackRyb", "000000", wsRYB, Twelve("000000")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WheelSegments, DefaultBaseKeepsSaturationAndBrightnessInTheRgbStyle) {
  const TWheelSegments segments = WheelSegments(RGBValuesToColor({122, 122, 255}), wsRGB);
  for (TColor color : segments) {
    const THSBValues hsb = ColorToHSB(color);
    EXPECT_EQ(hsb.S, 52) << HexOf(color);
    EXPECT_EQ(hsb.B, 100) << HexOf(color);
  }
  EXPECT_EQ(HexOf(segments[6]), "FFFF7A");
}

TEST(WheelSegments, RybComplementOfRedIsTheTablesGreen) {
  EXPECT_EQ(ColorToHSB(WheelSegments(Hex("FF0000"), wsRYB)[6]), (THSBValues{138, 100, 80}));
}

TEST(WheelSegments, SegmentZeroIsTheBaseItselfAndTheOthersAreComputedFromItsHsb) {
  // E4572E is not reachable from integer HSB (it comes back as E3582E); the others may be or not.
  ASSERT_EQ(HexOf(HSBToColor(ColorToHSB(Hex("E4572E")))), "E3582E");
  for (const TColor base : {Hex("E4572E"), Hex("1A2B3C"), RGBValuesToColor({1, 2, 3}), Hex("FF8001")}) {
    const THSBValues hsb = ColorToHSB(base);
    for (TColorWheelStyle style : {wsRGB, wsRYB}) {
      const TWheelSegments segments = WheelSegments(base, style);
      EXPECT_EQ(HexOf(segments[0]), HexOf(base)) << style;
      if (style == wsRGB) {
        EXPECT_EQ(segments[3], HSBToColor({hsb.H - 90, hsb.S, hsb.B}));
      }
    }
  }
  EXPECT_EQ(HexOf(WheelSegments(Hex("E4572E"), wsRYB)[11]), HexOf(WheelSegments(Hex("E3582E"), wsRYB)[11]))
      << "the rest of the RYB chain still steps from the base's HSB";
}

struct TRotateCase {
  int hue, angle, expected;
};

TEST(RybRotateHue, FollowsTheTable) {
  const TRotateCase cases[] = {
      {0, 0, 0},      {0, 30, 17},     {0, 180, 138},  {0, 360, 0},     {60, 360, 60},
      {60, 60, 138},  {329, 15, 0},    {0, -30, 298},  {0, 390, 17},    {360, 30, 17},
      {240, 90, 3}, {187, 15, 204},  {8, 7, 12},     {17, 330, 0},    {300, 30, 1},
  };
  for (const TRotateCase& c : cases)
    EXPECT_EQ(RybRotateHue(c.hue, c.angle), c.expected) << "hue " << c.hue << " by " << c.angle;
}

struct TStepCase {
  THSBValues neighbour;
  int hue;
  int expected;
};

TEST(RybBrightnessStep, DarkensIntoYellowGreenAndBrightensBackIntoRed) {
  const TStepCase cases[] = {
      {{0, 100, 100}, 61, 90},   // class 0 to 1
      {{60, 100, 100}, 61, 90},  // 60 is still class 0
      {{360, 100, 100}, 61, 90}, // 360 is class 0
      {{70, 50, 80}, 114, 72},   // 1 to 1
      {{100, 30, 45}, 115, 41},  // 1 to 2, delta from the larger of S and B, truncated
      {{200, 100, 50}, 266, 60}, // 2 to 3
      {{300, 20, 49}, 300, 53},  // 3 to 3
      {{300, 100, 100}, 0, 110}, // 3 to 0, not clamped
      {{0, 100, 100}, 0, 100},   // 0 to 0
      {{0, 100, 100}, 200, 100}, // 0 to 2
      {{200, 100, 100}, 265, 100}, // 2 to 2
      {{300, 9, 9}, 0, 9},       // delta 0
  };
  for (const TStepCase& c : cases)
    EXPECT_EQ(RybBrightnessStep(c.neighbour, c.hue), c.expected)
        << c.neighbour.H << "," << c.neighbour.S << "," << c.neighbour.B << " to " << c.hue;
}

TEST(PaleColor, TakesAThirdOfTheSaturationAndHalfAsBrightAgain) {
  EXPECT_EQ(HexOf(PaleColor(Hex("808080"))), "BFBFBF");  // B 50 -> 75
  EXPECT_EQ(ColorToHSB(PaleColor(RGBValuesToColor({122, 122, 255}))), (THSBValues{240, 17, 100}));
  EXPECT_EQ(PaleColor(Hex("800000")), HSBToColor({0, 33, 75}));
  EXPECT_EQ(PaleColor(Hex("000000")), Hex("000000"));
  EXPECT_EQ(PaleColor(Hex("FFFFFF")), Hex("FFFFFF"));  // brightness is clamped at 100
}

TEST(IsHarmonyAngle, BringsTheAngleIntoRangeAndLooksItUp) {
  EXPECT_TRUE(IsHarmonyAngle(chNone, 123));
  EXPECT_TRUE(IsHarmonyAngle(chPrimary, 270));
  EXPECT_TRUE(IsHarmonyAngle(chPrimary, -90));
  EXPECT_TRUE(IsHarmonyAngle(chPrimary, 630));
  EXPECT_FALSE(IsHarmonyAngle(chPrimary, 90));
  EXPECT_TRUE(IsHarmonyAngle(chSquare, 0));
  EXPECT_TRUE(IsHarmonyAngle(chSquare, -360));
  EXPECT_FALSE(IsHarmonyAngle(chSquare, 360));  // only angles above 360 are brought down
  EXPECT_FALSE(IsHarmonyAngle(chComplement, -1));
}

struct TAddAllCase {
  TColorHarmonyType harmony;
  std::vector<int> segments;
};

TEST(AddAllSegments, BaseFirstThenClockwiseMembersOnly) {
  const TAddAllCase cases[] = {
      {chNone, {0, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}},
      {chPrimary, {0}},
      {chComplement, {0, 6}},
      {chSplitComplement, {0, 7, 5}},
      {chAnalogous, {0, 11, 1}},
      {chTriad, {0, 8, 4}},
      {chSquare, {0, 9, 6, 3}},
      {chRect, {0, 11, 6, 5}},
  };
  for (const TAddAllCase& c : cases) EXPECT_EQ(AddAllSegments(c.harmony), c.segments) << int(c.harmony);
}

TEST(WheelSettings, OutOfRangeValuesAreTheDefaults) {
  EXPECT_EQ(WheelStyleFromInt(1), wsRYB);
  EXPECT_EQ(WheelStyleFromInt(2), wsRGB);
  EXPECT_EQ(WheelStyleFromInt(-1), wsRGB);
  EXPECT_EQ(HarmonyFromInt(7), chRect);
  EXPECT_EQ(HarmonyFromInt(8), chNone);
  EXPECT_EQ(WheelSegmentIndex(12), 0);
  EXPECT_EQ(WheelSegmentIndex(-1), 11);
}

}  // namespace
}  // namespace tintorium
