#pragma once
// The CSS Color 4 text forms we write for a colour.

#include "core/ColorTypes.h"

#include <array>
#include <optional>
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

/// The colour in `form`; for Named the colour's name, or empty when it has none.
std::string FormatCssColor(TColor color, TCssForm form);

}  // namespace tintorium
