#pragma once
// Colours of each CSS Color 4 colour space brought into sRGB as CSS Color 4 maps them: a colour inside sRGB stays
// as it is, one outside is gamut-mapped (GamutMapToSrgb) rather than clipped channel by channel. Each function
// takes unbounded coordinates, as color() gives them, and returns gamma-encoded sRGB with every channel in 0-1.

#include "core/OkLab.h"

namespace tintorium {

/// color(srgb): gamma-encoded sRGB.
TColor3 MappedFromSrgb(const TColor3& srgb);
/// color(srgb-linear): linear-light sRGB.
TColor3 MappedFromLinearSrgb(const TColor3& linear);
/// color(display-p3): gamma-encoded display-p3.
TColor3 MappedFromDisplayP3(const TColor3& p3);
/// color(xyz), color(xyz-d65): CIE XYZ relative to D65 (white Y = 1).
TColor3 MappedFromXyzD65(const TColor3& xyz);
/// color(xyz-d50): CIE XYZ relative to D50 (white Y = 1).
TColor3 MappedFromXyzD50(const TColor3& xyz);
/// lab() and lch(): CIE Lab and LCH relative to D50.
TColor3 MappedFromCssLab(const TCssLab& lab);
TColor3 MappedFromCssLch(const TCssLch& lch);
/// oklab().
TColor3 MappedFromOkLab(const TOkLab& lab);
/// oklch(): mapped straight from its own coordinates, so L >= 1 gives white and L <= 0 black.
TColor3 MappedFromOkLch(const TOkLch& lch);

}  // namespace tintorium
