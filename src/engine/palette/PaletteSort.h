#pragma once
// Reordering the palette by one channel of one model, or by the colour value.

#include "engine/palette/PaletteEntry.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tintorium {

class TColorObject;

/// Sort keys, in the order of the dialog's value list; the ordinal is the key index.
enum TSortKey : std::uint8_t {
  skSystemColor = 0,
  skRGB_R,
  skRGB_G,
  skRGB_B,
  skHSB_Hue,
  skHSB_Saturation,
  skHSB_Brightness,
  skCMYK_C,
  skCMYK_M,
  skCMYK_Y,
  skCMYK_K,
  skLab_L,
  skLab_a,
  skLab_b,
};
inline constexpr int SortKeyCount = 14;
inline constexpr std::array<std::string_view, SortKeyCount> SortKeyNames{
    "System color value", "RGB - R value",    "RGB - G value",  "RGB - B value", "HSB - Hue",
    "HSB - Saturation",   "HSB - Brightness", "CMYK - C value", "CMYK - M value", "CMYK - Y value",
    "CMYK - K value",     "Lab - Luminance",  "Lab - a value",  "Lab - b value"};
static_assert(SortKeyNames.size() == skLab_b + 1);

/// Sort orders, in the order of the dialog's order list.
enum TSortOrder : std::uint8_t { soAscending = 0, soDescending = 1 };
inline constexpr std::array<std::string_view, 2> SortOrderNames{"Ascending", "Descending"};

/// The key value of `color` for key index `key` (taken from whichever model the key names, whatever the
/// object's own model); 0 for a key index outside 0-13.
std::int32_t SortKeyValue(const TColorObject& color, int key);

/// The order SortPalette gives, as a permutation: the entry at position result[i] comes to i. O(n log n).
std::vector<int> SortOrder(const TPaletteEntries& entries, int key, int order);

/// Stable sort by the key value: entries with equal keys keep their relative order in both directions.
/// `order` 0 is ascending, any other value descending. A key index outside 0-13 leaves the order unchanged.
/// Names stay with their colours. O(n log n).
void SortPalette(TPaletteEntries& entries, int key, int order);

}  // namespace tintorium
