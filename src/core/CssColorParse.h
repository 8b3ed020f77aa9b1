#pragma once
// The parser of one CSS Color 4 colour value. Alpha is read and returned, but the program keeps opaque colours only.

#include "core/ColorTypes.h"

#include <optional>
#include <string>
#include <string_view>

namespace tintorium {

/// One parsed colour: `Color` is 0x00BBGGRR after gamut mapping and rounding to 8 bits; `Alpha` is 0-1.
struct TCssColor {
  TColor Color = clBlack;
  double Alpha = 1.0;
};

/// Reads exactly one CSS colour; surrounding whitespace (and comments) allowed, anything else refused.
/// Accepts #rgb, #rgba, #rrggbb, #rrggbbaa, rgb()/rgba()/hsl()/hsla() in comma and space syntax, hwb(), lab(),
/// lch(), oklab(), oklch(), color(srgb|srgb-linear|display-p3|xyz|xyz-d50|xyz-d65 ...), `none` components and the
/// named colours, in any letter case. Colours outside sRGB are gamut-mapped as CSS Color 4 maps them.
std::optional<TCssColor> ParseCssColor(std::string_view text);
/// The same; on failure `error` says what is wrong ("rgb() takes 3 values, 2 given").
std::optional<TCssColor> ParseCssColor(std::string_view text, std::string& error);
/// True for the name (without "(") of a function ParseCssColor reads: rgb, rgba, hsl, hsla, hwb, lab, lch, oklab,
/// oklch, color; any letter case.
bool IsCssColorFunction(std::string_view name);

}  // namespace tintorium
