#include "core/Rounding.h"

#include <gtest/gtest.h>

#include <limits>

namespace tintorium {
namespace {

constexpr std::int32_t IntMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t IntMin = std::numeric_limits<std::int32_t>::min();

struct RoundCase {
  long double x;
  std::int32_t round;
  std::int32_t trunc;
};

class RoundingTest : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundingTest, HalvesGoToEvenAndTruncGoesTowardZero) {
  EXPECT_EQ(Round(GetParam().x), GetParam().round);
  EXPECT_EQ(Trunc(GetParam().x), GetParam().trunc);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RoundingTest,
    testing::Values(RoundCase{2.5L, 2, 2}, RoundCase{3.5L, 4, 3}, RoundCase{127.5L, 128, 127},
                    RoundCase{-2.5L, -2, -2}, RoundCase{-3.5L, -4, -3}, RoundCase{-0.5L, 0, 0},
                    RoundCase{0.49999999999999999L, 0, 0}, RoundCase{2.5000000000000001387L, 3, 2},
                    RoundCase{-1.7L, -2, -1},
                    // Out of range saturates; NaN gives 0: hostile records never reach an undefined cast.
                    RoundCase{2147483647.4L, IntMax, IntMax}, RoundCase{2147483647.5L, IntMax, IntMax},
                    RoundCase{1e30L, IntMax, IntMax}, RoundCase{-2147483648.5L, IntMin, IntMin},
                    RoundCase{-1e30L, IntMin, IntMin},
                    RoundCase{std::numeric_limits<long double>::infinity(), IntMax, IntMax},
                    RoundCase{-std::numeric_limits<long double>::infinity(), IntMin, IntMin},
                    RoundCase{std::numeric_limits<long double>::quiet_NaN(), 0, 0}));

}  // namespace
}  // namespace tintorium
