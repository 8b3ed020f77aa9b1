#include "core/CssGamutMap.h"

namespace tintorium {

TColor3 MappedFromSrgb(const TColor3& srgb) { return MapIntoSrgb(srgb); }

TColor3 MappedFromLinearSrgb(const TColor3& linear) {
  return MapIntoSrgb({LinearToSrgb(linear.X), LinearToSrgb(linear.Y), LinearToSrgb(linear.Z)});
}

TColor3 MappedFromDisplayP3(const TColor3& p3) { return MapIntoSrgb(DisplayP3ToSrgb(p3)); }

TColor3 MappedFromXyzD65(const TColor3& xyz) { return MapIntoSrgb(XyzD65ToSrgb(xyz)); }

TColor3 MappedFromXyzD50(const TColor3& xyz) { return MappedFromXyzD65(XyzD50ToD65(xyz)); }

TColor3 MappedFromCssLab(const TCssLab& lab) { return MappedFromXyzD50(CssLabToXyzD50(lab)); }

TColor3 MappedFromCssLch(const TCssLch& lch) { return MappedFromCssLab(CssLchToCssLab(lch)); }

TColor3 MappedFromOkLab(const TOkLab& lab) { return MapIntoSrgb(OkLabToSrgb(lab)); }

TColor3 MappedFromOkLch(const TOkLch& lch) { return GamutMapToSrgb(lch); }

}  // namespace tintorium
