#pragma once
// The CSS named colours: the table and lookups by name and by colour.

#include "core/ColorTypes.h"

#include <optional>
#include <span>
#include <string_view>

namespace tintorium {

/// One of the 148 CSS named colours (transparent and the system colours are not among them).
struct TCssNamedColor {
  std::string_view Name;  // lower case
  TColor Color;
};
/// The table in alphabetical order; aliases (gray/grey, aqua/cyan, fuchsia/magenta ...) are separate rows.
std::span<const TCssNamedColor> CssNamedColors();
/// True for a named colour in any letter case.
bool IsCssColorName(std::string_view word);
/// The colour of a name in any letter case, or nothing.
std::optional<TColor> CssColorByName(std::string_view word);
/// The name FormatCssColor writes: of aliases, the first in alphabetical order (aqua, fuchsia, gray, darkgray ...).
std::optional<std::string_view> CssColorName(TColor color);

}  // namespace tintorium
