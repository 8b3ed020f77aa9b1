#pragma once
// The colours of a variation strip: a walk from a base colour towards warmer, cooler, darker, brighter,
// more or less saturated colours, one HSB step per swatch.

#include "core/ColorTypes.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace tintorium {

enum TVariationType : std::uint8_t { vtWarm = 0, vtCool, vtDark, vtBright, vtSaturate, vtDesaturate };
inline constexpr int VariationTypeCount = 6;
/// The names the command line uses, indexed by TVariationType.
inline constexpr std::array<std::string_view, VariationTypeCount> VariationTypeNames{
    "warm", "cool", "dark", "bright", "saturate", "desaturate"};
static_assert(VariationTypeNames.size() == vtDesaturate + 1);

/// The type named `name` (exactly one of VariationTypeNames); empty otherwise.
std::optional<TVariationType> ParseVariationType(std::string_view name);

/// The step of one swatch for a strip of `size` swatches (size >= 1) starting at `hsb`
/// (H 0-360, S and B 0-100). Negative steps move the hue up, or brightness and saturation up.
int VariationStep(const THSBValues& hsb, TVariationType type, int size);

/// `hsb` moved by one step: H, S or B minus `step`, as the type says. Not brought into range.
THSBValues ApplyVariationStep(THSBValues hsb, TVariationType type, int step);

/// The strip's swatches, first to last: `size` colours (none for size <= 0). Swatch 0 is `base` itself;
/// each further swatch is the previous one, through HSB, moved by one step, so rounding carries along.
/// A system colour is resolved to RGB for the walk but kept as swatch 0.
std::vector<TColor> VariationSwatches(TColor base, TVariationType type, int size);

}  // namespace tintorium
