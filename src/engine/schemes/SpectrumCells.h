#pragma once
// The cells of a spectrum: a square slice of the RGB cube or of HSB space through a colour, one channel held
// at the colour's value, the other two running from their minimum to their maximum.

#include "core/ColorObject.h"

#include <vector>

namespace tintorium {

/// The slice `model` (cmRGB or cmHSB; any other model slices RGB) with channel `activeValue` held fixed
/// (1, 2 or 3: R, G, B or H, S, B; values outside are clamped into 1-3), read from `current`'s RGB or HSB
/// record. Returns size * size colours, column-major: cell [column][row] is at column * size + row; column 0
/// is the left edge, row 0 the top. Empty for size <= 0; a size of 1 gives the one cell at the minimum.
///   RGB: across the columns the first free channel is Trunc(255 * i / (n - 1)), down the rows the second.
///   HSB: the free channels are Nearest(100 * i / (n - 1)) for S and B, Nearest(360 * i / (n - 1)) for H.
std::vector<TColor> SpectrumCells(const TColorObject& current, TColorModel model, int activeValue, int size);

/// The model and held channel of spectrum type `type` (0-5: "Red based" ... "Brightness based").
/// Out-of-range types count as 0.
struct TSpectrumSlice {
  TColorModel model = cmRGB;
  int activeValue = 1;
};
TSpectrumSlice SpectrumSliceOfType(int type);

}  // namespace tintorium
