#include "SchemeArgs.h"

#include "CliModel.h"
#include "core/ColorModels.h"
#include "core/ColorText.h"

#include <cstdint>

namespace tintorium::cli {

std::optional<TColor> ParseColorArgument(std::string_view text) {
  if (!text.empty() && text.front() == '#') text.remove_prefix(1);
  if (text.size() != 6 || !IsHexText(text)) return std::nullopt;
  return RGBValuesToColor(ParseHexColor(text));
}

std::optional<int> ParseIntArgument(std::string_view text, int low, int high) {
  std::int64_t value = 0;
  if (!ParseCliInteger(text.data(), text.data() + text.size(), value) || value < low || value > high)
    return std::nullopt;
  return static_cast<int>(value);
}

std::string HexOf(TColor color) { return HexText(ColorToRGBValues(color)); }

}  // namespace tintorium::cli
