#pragma once
// A colour as CSS Color 4 writes it: the parser of one colour value and the text forms we write.
// Alpha is read and returned, but the program keeps opaque colours only.

#include "ColorTypes.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tintorium {

/// The forms FormatCssColor writes. Decimals are fixed per form and trailing zeros dropped:
/// Hex "#rrggbb" (lower case); Rgb "rgb(255 128 0)"; Hsl "hsl(30.12 100% 50%)" and Hwb "hwb(30.12 0% 0%)" with
/// two decimals; Lab "lab(L a b)" and Lch "lch(L C h)" with two decimals (L a number 0-100, D50); Oklab
/// "oklab(L a b)" with five decimals (L 0-1); Oklch "oklch(L C h)" with five decimals for L and C and two for h.
/// Each form reads back as the same 8-bit colour. The hue of a colour whose printed chroma is zero is written as 0.
enum class TCssForm { Hex, Rgb, Hsl, Hwb, Lab, Lch, Oklab, Oklch, Named };
inline constexpr int CssFormCount = 9;
/// The forms in menu and listing order, and their short lower-case names ("hex", "rgb", ..., "named").
inline constexpr std::array<TCssForm, CssFormCount> CssForms{TCssForm::Hex,   TCssForm::Rgb, TCssForm::Hsl,
                                                             TCssForm::Hwb,   TCssForm::Lab, TCssForm::Lch,
                                                             TCssForm::Oklab, TCssForm::Oklch, TCssForm::Named};
std::string_view CssFormName(TCssForm form);
/// The form with that short name (case-insensitive), or nothing.
std::optional<TCssForm> CssFormFromName(std::string_view name);

/// One parsed colour: `Color` is 0x00BBGGRR after gamut mapping and rounding to 8 bits; `Alpha` is 0-1.
struct TCssColor {
  TColor Color = clBlack;
  double Alpha = 1.0;
};

/// Reads exactly one CSS colour; surrounding whitespace (and comments) allowed, anything else refused.
/// Accepts #rgb, #rgba, #rrggbb, #rrggbbaa, rgb()/rgba()/hsl()/hsla() in comma and space syntax, hwb(), lab(),
/// lch(), oklab(), oklch(), color(srgb|srgb-linear|display-p3|xyz|xyz-d50|xyz-d65 ...), `none` components and the
/// named colours, in any letter case. Colours outside sRGB are gamut-mapped as CSS Color 4 maps them.
std::optional<TCssColor> ParseCssColor(std::string_view text);
/// The same; on failure `error` says what is wrong ("rgb() takes 3 values, 2 given").
std::optional<TCssColor> ParseCssColor(std::string_view text, std::string& error);
/// True for the name (without "(") of a function ParseCssColor reads: rgb, rgba, hsl, hsla, hwb, lab, lch, oklab,
/// oklch, color; any letter case.
bool IsCssColorFunction(std::string_view name);

/// The colour in `form`; for Named the colour's name, or empty when it has none.
std::string FormatCssColor(TColor color, TCssForm form);

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
