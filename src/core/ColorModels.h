#pragma once
// Conversions between TColor and the four models. Pure functions; no failure.
// All conversions meet in the integer RGB record.

#include "ColorTypes.h"

#include <cstddef>

namespace tintorium {

TRGBValues ColorToRGBValues(TColor color);        // resolves system colours first
TColor RGBValuesToColor(const TRGBValues& rgb);   // channels masked, not clamped
std::uint32_t RGBValuesToPixel(const TRGBValues& rgb);  // 0x00RRGGBB, a 32-bit bitmap pixel

THSBValues RGBToHSB(const TRGBValues& rgb);
TRGBValues HSBToRGB(const THSBValues& hsb);  // H wrapped into 0-360, S and B clamped
TCMYKValues RGBToCMYK(const TRGBValues& rgb);
TRGBValues CMYKToRGB(const TCMYKValues& cmyk);
TXYZ RGBToXYZ(const TRGBValues& rgb);
TRGBValues XYZToRGB(const TXYZ& xyz);
TLabValues XYZToLab(const TXYZ& xyz);
TXYZ LabToXYZ(const TLabValues& lab);
TLabValues RGBToLab(const TRGBValues& rgb);
/// RGBToLab of each of `count` colours, the same values several times faster.
void RGBToLabMany(const TRGBValues* rgb, TLabValues* lab, std::size_t count);
TRGBValues LabToRGB(const TLabValues& lab);

THSBValues CMYKToHSB(const TCMYKValues& cmyk);
THSBValues LabToHSB(const TLabValues& lab);
TCMYKValues HSBToCMYK(const THSBValues& hsb);
TCMYKValues LabToCMYK(const TLabValues& lab);
TLabValues HSBToLab(const THSBValues& hsb);
TLabValues CMYKToLab(const TCMYKValues& cmyk);

THSBValues ColorToHSB(TColor color);
TCMYKValues ColorToCMYK(TColor color);
TLabValues ColorToLab(TColor color);
TColor HSBToColor(const THSBValues& hsb);
TColor CMYKToColor(const TCMYKValues& cmyk);
TColor LabToColor(const TLabValues& lab);

}  // namespace tintorium
