#pragma once
// The CSS Color 4 colour spaces in double precision: sRGB, linear sRGB, OKLab and OKLCH, CIE Lab and LCH relative
// to D50 (CSS's lab()/lch(), not the program's Lab model), display-p3 and CIE XYZ, and the gamut mapping of
// CSS Color 4 into sRGB. Matrices and constants are those the CSS Color 4 standard publishes.

#include "ColorTypes.h"

namespace tintorium {

/// Three coordinates of one space; which is meant is said by the function that takes or returns it.
struct TColor3 {
  double X = 0, Y = 0, Z = 0;
  friend constexpr bool operator==(const TColor3&, const TColor3&) = default;
};

/// OKLab: L 0-1, a and b about -0.4-0.4.
struct TOkLab {
  double L = 0, a = 0, b = 0;
};
/// OKLCH: L 0-1, C >= 0, h in degrees 0-360 (0 when C is 0).
struct TOkLch {
  double L = 0, C = 0, h = 0;
};
/// CIE Lab relative to D50 as CSS's lab() writes it: L 0-100, a and b about -125-125.
struct TCssLab {
  double L = 0, a = 0, b = 0;
};
/// CIE LCH relative to D50 as CSS's lch() writes it: L 0-100, C >= 0, h in degrees 0-360.
struct TCssLch {
  double L = 0, C = 0, h = 0;
};

/// sRGB transfer, extended to negative values and values above 1 by symmetry, as CSS Color 4 does.
double SrgbToLinear(double c);
double LinearToSrgb(double c);

/// Gamma-encoded sRGB 0-1 (X = red, Y = green, Z = blue) of a TColor, and back: clipped to 0-1, then each
/// channel Round(c * 255). NaN counts as 0.
TColor3 ColorToSrgb(TColor color);
TColor SrgbToColor(const TColor3& srgb);

TColor3 LinearSrgbToXyzD65(const TColor3& rgb);
TColor3 XyzD65ToLinearSrgb(const TColor3& xyz);
TColor3 LinearP3ToXyzD65(const TColor3& rgb);
/// Bradford chromatic adaptation between D65 and D50.
TColor3 XyzD65ToD50(const TColor3& xyz);
TColor3 XyzD50ToD65(const TColor3& xyz);

TOkLab XyzD65ToOkLab(const TColor3& xyz);
TColor3 OkLabToXyzD65(const TOkLab& lab);
TCssLab XyzD50ToCssLab(const TColor3& xyz);
TColor3 CssLabToXyzD50(const TCssLab& lab);

/// Polar forms: the hue is atan2(b, a) in degrees, 0-360; a chroma of 0 gives hue 0.
TOkLch OkLabToOkLch(const TOkLab& lab);
TOkLab OkLchToOkLab(const TOkLch& lch);
TCssLch CssLabToCssLch(const TCssLab& lab);
TCssLab CssLchToCssLab(const TCssLch& lch);

/// Between gamma-encoded sRGB (unclipped) and the other spaces.
TOkLab SrgbToOkLab(const TColor3& srgb);
TColor3 OkLabToSrgb(const TOkLab& lab);
TCssLab SrgbToCssLab(const TColor3& srgb);
TColor3 XyzD65ToSrgb(const TColor3& xyz);
/// Gamma-encoded display-p3 to gamma-encoded sRGB, unclipped.
TColor3 DisplayP3ToSrgb(const TColor3& p3);

/// Euclidean distance in OKLab.
double DeltaEOK(const TOkLab& a, const TOkLab& b);
/// Every channel within 0-1.
bool InSrgbGamut(const TColor3& srgb);

/// CSS Color 4's gamut mapping into sRGB: binary search on the OKLCH chroma of `origin` until the clipped colour is
/// within deltaE OK 0.02 (the JND, search epsilon 0.0001). L >= 1 gives white, L <= 0 black. The result lies in
/// 0-1. NaN coordinates count as 0.
TColor3 GamutMapToSrgb(const TOkLch& origin);
/// The same, except that a colour inside sRGB (0 < L < 1), which is only converted, comes back in linear light;
/// `inside` tells which of the two the result is.
TColor3 GamutMapToSrgbOrLinear(const TOkLch& origin, bool& inside);
/// SrgbToColor(GamutMapToSrgb(origin)), rounded straight from linear light.
TColor GamutMapToColor(const TOkLch& origin);
/// SrgbToColor of the gamma-encoded form of linear-light sRGB, rounded straight from linear light where that is
/// certain.
TColor LinearSrgbToColor(const TColor3& linear);
/// `srgb` itself when in gamut, else GamutMapToSrgb of its OKLCH form.
TColor3 MapIntoSrgb(const TColor3& srgb);

}  // namespace tintorium
