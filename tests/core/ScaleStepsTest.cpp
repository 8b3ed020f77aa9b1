#include "core/ScaleSteps.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tintorium {
namespace {

TEST(ScaleStepsTest, PresetsAreTheElevenUsualSteps) {
  EXPECT_EQ(CssScaleSteps(),
            (std::vector<std::string>{"50", "100", "200", "300", "400", "500", "600", "700", "800", "900", "950"}));
  EXPECT_EQ(ToneScaleSteps(),
            (std::vector<std::string>{"0", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"}));
}

struct LightnessCase {
  const char* name;
  TStepNumbering numbering;
  std::optional<double> lightness;
};

// The table's own points, points between them, both ends, and names that are not numbers in range.
TEST(ScaleStepsTest, DefaultLightnessOfAName) {
  const LightnessCase cases[] = {
      {"50", TStepNumbering::Css, 0.97},
      {"500", TStepNumbering::Css, 0.61},
      {"950", TStepNumbering::Css, 0.21},
      {"0", TStepNumbering::Css, 1.0},
      {"1000", TStepNumbering::Css, 0.0},
      {"550", TStepNumbering::Css, 0.57},
      {"25", TStepNumbering::Css, 0.985},
      {"975", TStepNumbering::Css, 0.105},
      {"1e3", TStepNumbering::Css, 0.0},
      {"450.5", TStepNumbering::Css, 0.65455},
      {"0", TStepNumbering::Tones, 0.0},
      {"55", TStepNumbering::Tones, 0.55},
      {"100", TStepNumbering::Tones, 1.0},
      {"", TStepNumbering::Css, std::nullopt},
      {"abc", TStepNumbering::Css, std::nullopt},
      {"50a", TStepNumbering::Css, std::nullopt},
      {" 50", TStepNumbering::Css, std::nullopt},
      {"+50", TStepNumbering::Css, std::nullopt},
      {"-1", TStepNumbering::Css, std::nullopt},
      {"1001", TStepNumbering::Css, std::nullopt},
      {"nan", TStepNumbering::Css, std::nullopt},
      {"inf", TStepNumbering::Css, std::nullopt},
      {"1e400", TStepNumbering::Css, std::nullopt},
      {"101", TStepNumbering::Tones, std::nullopt},
      {"950", TStepNumbering::Tones, std::nullopt},
  };
  for (const LightnessCase& c : cases) {
    SCOPED_TRACE(std::string("\"") + c.name + "\" " + (c.numbering == TStepNumbering::Css ? "css" : "tones"));
    const std::optional<double> L = DefaultStepLightness(c.name, c.numbering);
    ASSERT_EQ(L.has_value(), c.lightness.has_value());
    if (L) {
      EXPECT_NEAR(*L, *c.lightness, 1e-12);
    }
  }
}

// Lower numbers are lighter across the whole range, so any ascending list of names gives falling targets.
TEST(ScaleStepsTest, CssLightnessFallsStrictlyFromWhiteToBlack) {
  double previous = 2;
  for (int n = 0; n <= 1000; ++n) {
    const std::optional<double> L = DefaultStepLightness(std::to_string(n), TStepNumbering::Css);
    ASSERT_TRUE(L) << n;
    EXPECT_LT(*L, previous) << n;
    EXPECT_GE(*L, 0.0);
    EXPECT_LE(*L, 1.0);
    previous = *L;
  }
}

TEST(ScaleStepsTest, SplitStepList) {
  EXPECT_EQ(SplitStepList("50, 100,200 "), (std::vector<std::string>{"50", "100", "200"}));
  EXPECT_EQ(SplitStepList("\t50\t"), (std::vector<std::string>{"50"}));
  // Empty names are kept, so the scale can say which one is missing.
  EXPECT_EQ(SplitStepList("50,,100"), (std::vector<std::string>{"50", "", "100"}));
  EXPECT_EQ(SplitStepList("50,"), (std::vector<std::string>{"50", ""}));
  EXPECT_EQ(SplitStepList(""), (std::vector<std::string>{""}));
  EXPECT_EQ(SplitStepList("primary, on primary"), (std::vector<std::string>{"primary", "on primary"}));
}

// A list of 100,000 commas stops one name past the most a scale takes.
TEST(ScaleStepsTest, SplitStepListStopsPastTheLimit) {
  const std::string commas(100000, ',');
  EXPECT_EQ(SplitStepList(commas).size(), static_cast<std::size_t>(MaxScaleSteps) + 1);
}

}  // namespace
}  // namespace tintorium
