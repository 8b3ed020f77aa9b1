#pragma once
// Arguments shared by the scheme commands (variations, spectrum): colours and whole numbers in ranges.

#include "core/ColorTypes.h"

#include <optional>
#include <string>
#include <string_view>

namespace tintorium::cli {

/// "RRGGBB" or "#RRGGBB", exactly six hexadecimal digits; empty otherwise.
std::optional<TColor> ParseColorArgument(std::string_view text);
/// A decimal whole number within [low, high]; empty otherwise.
std::optional<int> ParseIntArgument(std::string_view text, int low, int high);
/// The six-digit upper-case hexadecimal text of a colour.
std::string HexOf(TColor color);

}  // namespace tintorium::cli
