#pragma once
// The two rounding rules every conversion goes through.

#include <cmath>
#include <cstdint>
#include <limits>

namespace tintorium {

namespace detail {
/// Out-of-range results saturate and NaN gives 0, so hostile records never reach an undefined cast.
inline std::int32_t SaturateToInt32(long double x) {
  constexpr long double lo = std::numeric_limits<std::int32_t>::min();
  constexpr long double hi = std::numeric_limits<std::int32_t>::max();
  if (!(x == x)) return 0;
  if (x <= lo) return std::numeric_limits<std::int32_t>::min();
  if (x >= hi) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(x);
}
}  // namespace detail

/// Nearest integer, exact halves to the even neighbour (2.5 -> 2, 3.5 -> 4), under the default rounding mode.
/// rint is inlined as one instruction; the whole result is exact as a double, whose conversion to an integer is
/// quick where the extended type's would switch the rounding mode.
inline std::int32_t Round(long double x) {
  constexpr long double lo = std::numeric_limits<std::int32_t>::min();
  constexpr long double hi = std::numeric_limits<std::int32_t>::max();
  if (!(x > lo - 0.5L)) return x == x ? std::numeric_limits<std::int32_t>::min() : 0;
  if (!(x < hi + 0.5L)) return std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(static_cast<double>(std::rintl(x)));
}
/// Toward zero.
inline std::int32_t Trunc(long double x) { return detail::SaturateToInt32(std::truncl(x)); }

}  // namespace tintorium
