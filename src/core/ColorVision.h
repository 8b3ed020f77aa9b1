#pragma once
// How a colour looks to a dichromat: the simulation of protanopia, deuteranopia and tritanopia.

#include "core/ColorTypes.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tintorium {

/// A colour-vision deficiency at full severity (one cone type missing).
enum class TColorVision : std::uint8_t { Protanopia = 0, Deuteranopia, Tritanopia };

inline constexpr int ColorVisionCount = 3;
inline constexpr std::array<TColorVision, ColorVisionCount> ColorVisions{
    TColorVision::Protanopia, TColorVision::Deuteranopia, TColorVision::Tritanopia};
/// Lower-case English names, as the command line prints them.
inline constexpr std::array<std::string_view, ColorVisionCount> ColorVisionNames{"protanopia", "deuteranopia",
                                                                                 "tritanopia"};

/// A 3 x 3 matrix on linear RGB, row by row.
using TVisionMatrix = std::array<std::array<double, 3>, 3>;

/// The simulation matrix of `vision` (applied to linear sRGB values).
const TVisionMatrix& ColorVisionMatrix(TColorVision vision);

/// `color` as seen with `vision`: linearised, multiplied by the matrix, clipped to the RGB cube and encoded
/// again, each channel rounded half to even. System colours are resolved first; the result is 0x00BBGGRR.
TColor SimulateColorVision(TColor color, TColorVision vision);

}  // namespace tintorium
