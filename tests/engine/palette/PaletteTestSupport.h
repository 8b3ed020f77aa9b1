#pragma once
// Building palette entries in a given model with given values, for the palette tests.

#include "core/ColorObject.h"
#include "engine/palette/PaletteEntry.h"

#include <QString>

namespace tintorium::test {

inline TColorObject RGB(int r, int g, int b) {
  TColorObject c;
  c.SetRGB({r, g, b});
  return c;
}
inline TColorObject HSB(int h, int s, int b) {
  TColorObject c;
  c.SetHSB({h, s, b});
  return c;
}
inline TColorObject CMYK(int c, int m, int y, int k) {
  TColorObject o;
  o.SetCMYK({c, m, y, k});
  return o;
}
inline TColorObject Lab(int l, int a, int b) {
  TColorObject c;
  c.SetLab({l, a, b});
  return c;
}
inline TPaletteEntry Entry(const char* name, const TColorObject& color) { return {QString::fromUtf8(name), color}; }

/// The values of the entry's own model, as the file stores them.
inline std::array<int, 4> OwnValues(const TColorObject& c) {
  switch (c.Model()) {
    case cmHSB: return {c.GetHSB().H, c.GetHSB().S, c.GetHSB().B, 0};
    case cmCMYK: return {c.GetCMYK().C, c.GetCMYK().M, c.GetCMYK().Y, c.GetCMYK().K};
    case cmLAB: return {c.GetLab().L, c.GetLab().a, c.GetLab().b, 0};
    default: return {c.GetRGB().R, c.GetRGB().G, c.GetRGB().B, 0};
  }
}

}  // namespace tintorium::test
