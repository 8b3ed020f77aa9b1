#include "engine/palette/PaletteSort.h"

#include "core/ColorObject.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace tintorium {

std::int32_t SortKeyValue(const TColorObject& color, int key) {
  switch (key) {
    case skSystemColor: return static_cast<std::int32_t>(color.GetColor());
    case skRGB_R: return color.GetRGB().R;
    case skRGB_G: return color.GetRGB().G;
    case skRGB_B: return color.GetRGB().B;
    case skHSB_Hue: return color.GetHSB().H;
    case skHSB_Saturation: return color.GetHSB().S;
    case skHSB_Brightness: return color.GetHSB().B;
    case skCMYK_C: return color.GetCMYK().C;
    case skCMYK_M: return color.GetCMYK().M;
    case skCMYK_Y: return color.GetCMYK().Y;
    case skCMYK_K: return color.GetCMYK().K;
    case skLab_L: return color.GetLab().L;
    case skLab_a: return color.GetLab().a;
    case skLab_b: return color.GetLab().b;
    default: return 0;
  }
}

std::vector<int> SortOrder(const TPaletteEntries& entries, int key, int order) {
  std::vector<int> positions(entries.size());
  std::iota(positions.begin(), positions.end(), 0);
  if (entries.size() < 2 || key < 0 || key >= SortKeyCount) return positions;
  // Each key is computed once; the original position breaks ties, which keeps equal keys in their order in
  // both directions, as the repeated "first smallest / first largest" selection does.
  std::vector<std::pair<std::int32_t, int>> keys;
  keys.reserve(entries.size());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    keys.emplace_back(SortKeyValue(entries[i].Color, key), static_cast<int>(i));
  }
  const bool descending = order != soAscending;
  std::sort(keys.begin(), keys.end(), [descending](const auto& x, const auto& y) {
    if (x.first != y.first) return descending ? x.first > y.first : x.first < y.first;
    return x.second < y.second;
  });
  for (std::size_t i = 0; i < keys.size(); ++i) positions[i] = keys[i].second;
  return positions;
}

void SortPalette(TPaletteEntries& entries, int key, int order) {
  const std::vector<int> positions = SortOrder(entries, key, order);
  TPaletteEntries sorted;
  sorted.reserve(entries.size());
  for (int position : positions) sorted.push_back(std::move(entries[static_cast<std::size_t>(position)]));
  entries = std::move(sorted);
}

}  // namespace tintorium
