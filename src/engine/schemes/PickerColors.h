#pragma once
// The colours of the colour picker popup: the 40 named standard colours, the grey row and the hexagonal
// colour comb with its intensity, as plain values and geometry (no widgets).

#include "core/ColorTypes.h"

#include <array>
#include <string_view>

namespace tintorium {

struct TNamedColor {
  std::string_view name;  // the hint shown over the cell
  TColor color;
};

inline constexpr int StandardColorCount = 40;
inline constexpr int StandardColorColumns = 8;
/// The standard colours, row-major in 8 columns (cells 0-39 of the popup).
const std::array<TNamedColor, StandardColorCount>& StandardColors();
/// The hints of the system colour cells 40-64, in system colour index order 0-24.
const std::array<std::string_view, 25>& SystemColorHints();

/// A cell of the comb or the grey row: its colour and its centre relative to its area's top-left corner.
struct TCombCell {
  TColor color = 0;
  double x = 0;
  double y = 0;
  /// Hexagon size across its corners, in pixels (also the hit diameter).
  int size = 11;
};

inline constexpr int CombLevels = 7;
inline constexpr int CombCellCount = 127;  // 1 + 6 * (1 + 2 + ... + 6)
inline constexpr int GreyRowCount = 17;
/// Side of the comb's square area: 2 * 63, where 63 = 8 * 18 * 7 / 16.
inline constexpr int CombAreaSide = 2 * 63;
inline constexpr int CombCellSize = 11;

/// The comb at intensity `intensity` (clamped into 0 ... 1): the centre cell first, then rings 1 to 6, each
/// starting at the magenta corner (right) and going round through red (down-right), yellow, green, cyan and
/// blue. Centres are relative to the top-left corner of the comb's square.
std::array<TCombCell, CombCellCount> CombCells(double intensity);
/// The grey row: white, the greys 225, 210, ..., 15, black; centres relative to the row's top-left corner.
std::array<TCombCell, GreyRowCount> GreyRowCells();

/// The grey of row `y` (0 at the top) of an intensity bar `height` rows high: white at the top, black at the
/// bottom. A bar of one row is white.
int IntensityBarGrey(int y, int height);
/// The row the intensity marker points at in a bar `height` rows high.
int IntensityMarkerRow(double intensity, int height);
/// The intensity of a press `offset` rows below the top of a bar `height` rows high, clamped into 0 ... 1.
double IntensityAt(int offset, int height);

}  // namespace tintorium
