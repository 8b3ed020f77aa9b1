#include "core/ContrastTarget.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace tintorium {
namespace {

TEST(ContrastTargetTest, NamesParseInAnyCaseAndNothingElseDoes) {
  for (const TContrastTarget target : ContrastTargets) {
    EXPECT_EQ(ParseContrastTarget(ContrastTargetName(target)), target);
    std::string upper(ContrastTargetName(target));
    for (char& c : upper) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    EXPECT_EQ(ParseContrastTarget(upper), target) << upper;
  }
  EXPECT_EQ(ParseContrastTarget("aa-large"), TContrastTarget::AALarge);
  EXPECT_EQ(ParseContrastTarget("APCA75"), TContrastTarget::Apca75);
  for (const char* unknown : {"", "a", "aa ", " aa", "aa_large", "aalarge", "apca", "apca 60", "apca45", "wcag"})
    EXPECT_EQ(ParseContrastTarget(unknown), std::nullopt) << unknown;
  EXPECT_EQ(ContrastTargetName(static_cast<TContrastTarget>(ContrastTargetCount)), "");
}

// Thresholds are inclusive, a hair below fails; WCAG targets look at the ratio only and APCA targets at |Lc| only,
// so light text on a dark background (negative Lc) passes as well.
TEST(ContrastTargetTest, MeetsTheThresholdInclusivelyOnTheRightMeasure) {
  struct Case {
    TContrastTarget target;
    double ratio;
    double lc;
    bool meets;
  };
  const auto below = [](double x) { return std::nextafter(x, 0.0); };
  const Case cases[] = {
      {TContrastTarget::AA, 4.5, 0.0, true},
      {TContrastTarget::AA, below(4.5), 106.0, false},
      {TContrastTarget::AAA, 7.0, 0.0, true},
      {TContrastTarget::AAA, below(7.0), -107.0, false},
      {TContrastTarget::AALarge, 3.0, 0.0, true},
      {TContrastTarget::AALarge, below(3.0), 90.0, false},
      {TContrastTarget::Apca60, 1.0, 60.0, true},
      {TContrastTarget::Apca60, 1.0, -60.0, true},
      {TContrastTarget::Apca60, 21.0, below(60.0), false},
      {TContrastTarget::Apca60, 21.0, -below(60.0), false},
      {TContrastTarget::Apca75, 1.0, -75.0, true},
      {TContrastTarget::Apca75, 21.0, 74.99, false},
      {TContrastTarget::Apca90, 1.0, 90.0, true},
      {TContrastTarget::Apca90, 21.0, -89.99, false},
      {TContrastTarget::Apca90, 21.0, std::nan(""), false},
      {TContrastTarget::AA, std::nan(""), 90.0, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MeetsContrastTarget(c.target, c.ratio, c.lc), c.meets)
        << ContrastTargetName(c.target) << " " << c.ratio << " " << c.lc;
  EXPECT_FALSE(MeetsContrastTarget(static_cast<TContrastTarget>(99), 21.0, 106.0));
}

TEST(ContrastTargetTest, ThresholdsAndMeasures) {
  const double thresholds[] = {4.5, 7.0, 3.0, 60.0, 75.0, 90.0};
  const bool apca[] = {false, false, false, true, true, true};
  for (std::size_t i = 0; i < ContrastTargets.size(); ++i) {
    EXPECT_EQ(ContrastTargetThreshold(ContrastTargets[i]), thresholds[i]);
    EXPECT_EQ(IsApcaTarget(ContrastTargets[i]), apca[i]);
  }
  EXPECT_EQ(ContrastTargetLabels[2], "AA large");
  EXPECT_EQ(ContrastTargetLabels[5], "APCA Lc 90");
}

}  // namespace
}  // namespace tintorium
