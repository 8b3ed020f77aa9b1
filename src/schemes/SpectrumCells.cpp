#include "schemes/SpectrumCells.h"

#include "core/ColorModels.h"
#include "core/Rounding.h"

#include <algorithm>

namespace tintorium {
namespace {

// The free channel at position `i` of `n`, running 0 to `top`; the division is by at least 1.
int RgbRamp(int i, int n) { return Trunc(255.0L * i / std::max(n - 1, 1)); }
int HsbRamp(int top, int i, int n) { return Round(static_cast<long double>(top) * i / std::max(n - 1, 1)); }

TColor RgbCell(const TRGBValues& held, int fixed, int across, int down) {
  switch (fixed) {
    case 1: return RGBValuesToColor({held.R, across, down});
    case 2: return RGBValuesToColor({across, held.G, down});
    default: return RGBValuesToColor({across, down, held.B});
  }
}

THSBValues HsbCell(const THSBValues& held, int fixed, int i, int j, int n) {
  switch (fixed) {
    case 1: return {held.H, HsbRamp(100, i, n), HsbRamp(100, j, n)};
    case 2: return {HsbRamp(360, i, n), held.S, HsbRamp(100, j, n)};
    default: return {HsbRamp(360, i, n), HsbRamp(100, j, n), held.B};
  }
}

}  // namespace

std::vector<TColor> SpectrumCells(const TColorObject& current, TColorModel model, int activeValue, int size) {
  std::vector<TColor> cells;
  if (size <= 0) return cells;
  const int n = size;
  const int fixed = std::clamp(activeValue, 1, 3);
  cells.resize(std::size_t(n) * std::size_t(n));
  if (model == cmHSB) {
    const THSBValues held = current.GetHSB();
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j) cells[std::size_t(i) * n + j] = HSBToColor(HsbCell(held, fixed, i, j, n));
  } else {
    const TRGBValues held = current.GetRGB();
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j) cells[std::size_t(i) * n + j] = RgbCell(held, fixed, RgbRamp(i, n), RgbRamp(j, n));
  }
  return cells;
}

TSpectrumSlice SpectrumSliceOfType(int type) {
  if (type < 0 || type > 5) type = 0;
  if (type <= 2) return {cmRGB, type + 1};
  return {cmHSB, type - 2};
}

}  // namespace tintorium
