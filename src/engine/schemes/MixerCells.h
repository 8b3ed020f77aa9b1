#pragma once
// The four-corner mixer grid: bilinear mixing in RGB, truncated after each step.

#include "core/ColorTypes.h"

#include <array>
#include <vector>

namespace tintorium {

/// The corner colours: top left, top right, bottom right, bottom left (system colours are resolved).
using TMixerCorners = std::array<TColor, 4>;

/// The cell at (column, row) of a mixer with `size` cells per side (size >= 1; column 0 is the left edge,
/// row 0 the top). The four corner cells are exactly the corner colours.
TColor MixerCell(const TMixerCorners& corners, int size, int column, int row);

/// All cells of a `size` x `size` mixer, column by column, each from top to bottom: the cell (c, r) is at
/// index c * size + r. A size below 1 counts as 1.
std::vector<TColor> MixerCells(const TMixerCorners& corners, int size);

}  // namespace tintorium
