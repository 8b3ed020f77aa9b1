#pragma once
// Step adjustments, grey, web steps, random colours and mixing.

#include "ColorTypes.h"

namespace tintorium {

inline constexpr int WebSafeStep = 51;
inline constexpr int WebSmartStep = 17;

/// Change one HSB channel by `amount` (the option, 1-100); S and B are limited to 0-100.
TColor SaturateColor(TColor color, int amount);
TColor DesaturateColor(TColor color, int amount);
TColor LightenColor(TColor color, int amount);
TColor DarkenColor(TColor color, int amount);

THSBValues DropSaturation(const THSBValues& hsb);
bool IsOnWebStep(const TRGBValues& rgb, int step);
TRGBValues SnapToWebStep(const TRGBValues& rgb, int step);
/// Reseeds from the clock, then draws three values 0-255.
TRGBValues RandomRGB();
/// Per channel Trunc(ratio * a + (1 - ratio) * b); ratio 1 gives a, 0 gives b.
TColor MixColors(TColor a, TColor b, double ratio);

}  // namespace tintorium
