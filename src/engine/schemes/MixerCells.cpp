#include "engine/schemes/MixerCells.h"

#include "core/ColorAdjust.h"

#include <algorithm>

namespace tintorium {

namespace {

// The positions u, v and their complements are held as doubles, the type MixColors takes; each mix
// truncates its channels, so the horizontal step is truncated before the vertical one uses it.
double Position(int index, int size) { return size > 1 ? static_cast<double>(index) / (size - 1) : 0.0; }

}  // namespace

TColor MixerCell(const TMixerCorners& corners, int size, int column, int row) {
  const double u = Position(column, size);
  const double v = Position(row, size);
  const TColor bottom = MixColors(corners[2], corners[3], u);
  const TColor top = MixColors(corners[0], corners[1], 1 - u);
  return MixColors(top, bottom, 1 - v);
}

std::vector<TColor> MixerCells(const TMixerCorners& corners, int size) {
  size = std::max(size, 1);
  std::vector<TColor> cells;
  cells.reserve(static_cast<std::size_t>(size) * static_cast<std::size_t>(size));
  for (int column = 0; column < size; ++column) {
    const double u = Position(column, size);
    const TColor bottom = MixColors(corners[2], corners[3], u);
    const TColor top = MixColors(corners[0], corners[1], 1 - u);
    for (int row = 0; row < size; ++row) cells.push_back(MixColors(top, bottom, 1 - Position(row, size)));
  }
  return cells;
}

}  // namespace tintorium
