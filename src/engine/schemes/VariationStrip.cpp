#include "engine/schemes/VariationStrip.h"

#include "core/ColorModels.h"

#include <algorithm>
#include <cstdlib>

namespace tintorium {

std::optional<TVariationType> ParseVariationType(std::string_view name) {
  for (int i = 0; i < VariationTypeCount; ++i) {
    if (VariationTypeNames[std::size_t(i)] == name) return static_cast<TVariationType>(i);
  }
  return std::nullopt;
}

int VariationStep(const THSBValues& hsb, TVariationType type, int size) {
  const int n = std::max(size, 1);
  const int h = hsb.H;
  // Integer division truncates toward zero, as the walk wants.
  switch (type) {
    case vtWarm: {
      const int d = std::min(h, 360 - h);
      return h <= 180 ? d / n : -d / n;
    }
    case vtCool: {
      const int d = std::min(std::abs(240 - h), h + 120);
      return (h > 60 && h < 240) ? -d / n : d / n;
    }
    case vtDark: return hsb.B / n;
    case vtBright: return (hsb.B - 100) / n;
    case vtSaturate: return (hsb.S - 100) / n;
    case vtDesaturate: return hsb.S / n;
  }
  return 0;
}

THSBValues ApplyVariationStep(THSBValues hsb, TVariationType type, int step) {
  switch (type) {
    case vtWarm:
    case vtCool: hsb.H -= step; break;
    case vtDark:
    case vtBright: hsb.B -= step; break;
    case vtSaturate:
    case vtDesaturate: hsb.S -= step; break;
  }
  return hsb;
}

std::vector<TColor> VariationSwatches(TColor base, TVariationType type, int size) {
  std::vector<TColor> swatches;
  if (size <= 0) return swatches;
  swatches.reserve(std::size_t(size));
  swatches.push_back(base);
  const int step = VariationStep(ColorToHSB(base), type, size);
  for (int i = 1; i < size; ++i)
    swatches.push_back(HSBToColor(ApplyVariationStep(ColorToHSB(swatches.back()), type, step)));
  return swatches;
}

}  // namespace tintorium
