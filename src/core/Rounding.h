#pragma once
// The two rounding rules every conversion goes through.

#include <cmath>
#include <cstdint>

namespace tintorium {

/// Nearest integer, exact halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline std::int32_t Round(long double x) { return static_cast<std::int32_t>(std::nearbyintl(x)); }
/// Toward zero.
inline std::int32_t Trunc(long double x) { return static_cast<std::int32_t>(std::truncl(x)); }

}  // namespace tintorium
