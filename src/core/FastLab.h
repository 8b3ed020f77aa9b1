#pragma once
// The fast paths: RGB -> Lab for 8-bit channels, and the companding step of XYZ -> RGB. Both return exactly
// what the straightforward formulas return. For Lab the linear values come from a table filled by the formula,
// and any result that lands near a rounding boundary (or the cube-root threshold) is left to the exact path.

#include "ColorTypes.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace tintorium::detail {

/// sRGB channel value -> linear value, the formula held as a double.
double SRGBToLinear(std::int32_t value);
/// SRGBToLinear of 0-255, filled once.
const std::array<double, 256>& LinearTable();
/// Cube root good to 2e-10 relative for 2^-7 <= t < 2 (the fast path's range), the library's elsewhere.
double ApproxCbrt(double t);
/// Lab of an RGB record; false when the exact path must decide (a channel outside 0-255, a result near a
/// rounding boundary).
bool TryFastRGBToLab(const TRGBValues& rgb, TLabValues& out);

/// Linear sRGB value -> 8-bit channel: the companding formula, rounding and limits of XYZ -> RGB.
std::int32_t LinearToChannelFormula(double linear);
/// The same values from the 255 places where the channel steps up; no power function.
std::int32_t LinearToChannel(double linear);
/// Those places: element k is the least double whose channel is at least k (k = 1-255).
const std::array<double, 256>& ChannelSteps();

/// Lab of in[0..count) into out, the same values as `exact` gives; `exact` decides whatever the vector path
/// refuses (channels outside 0-255, results near a rounding boundary) and the last count % 64 colours.
void FastRGBToLabMany(const TRGBValues* in, TLabValues* out, std::size_t count, TLabValues (*exact)(const TRGBValues&));

}  // namespace tintorium::detail
