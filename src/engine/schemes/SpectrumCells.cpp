#include "engine/schemes/SpectrumCells.h"

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

THSBValues HsbCell(const THSBValues& held, int fixed, int across, int down) {
  switch (fixed) {
    case 1: return {held.H, across, down};
    case 2: return {across, held.S, down};
    default: return {across, down, held.B};
  }
}

}  // namespace

std::vector<TColor> SpectrumCells(const TColorObject& current, TColorModel model, int activeValue, int size) {
  std::vector<TColor> cells;
  if (size <= 0) return cells;
  const int n = size;
  const int fixed = std::clamp(activeValue, 1, 3);
  cells.resize(std::size_t(n) * std::size_t(n));
  // The ramps depend on the position only: work them out once per side.
  const std::size_t count = static_cast<std::size_t>(n);
  std::vector<int> ramp255(count), ramp100(count), ramp360(count);
  for (int i = 0; i < n; ++i) {
    ramp255[std::size_t(i)] = RgbRamp(i, n);
    ramp100[std::size_t(i)] = HsbRamp(100, i, n);
    ramp360[std::size_t(i)] = HsbRamp(360, i, n);
  }
  if (model == cmHSB) {
    const THSBValues held = current.GetHSB();
    const std::vector<int>& across = fixed == 1 ? ramp100 : ramp360;
    const std::vector<int>& down = ramp100;
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j)
        cells[std::size_t(i) * n + j] = HSBToColor(HsbCell(held, fixed, across[std::size_t(i)], down[std::size_t(j)]));
  } else {
    const TRGBValues held = current.GetRGB();
    for (int i = 0; i < n; ++i)
      for (int j = 0; j < n; ++j)
        cells[std::size_t(i) * n + j] = RgbCell(held, fixed, ramp255[std::size_t(i)], ramp255[std::size_t(j)]);
  }
  return cells;
}

TSpectrumSlice SpectrumSliceOfType(int type) {
  if (type < 0 || type > 5) type = 0;
  if (type <= 2) return {cmRGB, type + 1};
  return {cmHSB, type - 2};
}

}  // namespace tintorium
