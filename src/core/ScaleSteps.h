#pragma once
// The steps of a tonal scale: the preset lists of step names and the default OKLCH lightness a step name stands
// for.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tintorium {

/// How a step name reads as a default lightness.
enum class TStepNumbering : std::uint8_t {
  Css = 0,  // 0-1000 as CSS frameworks number their tones: lower is lighter, 50 near white, 950 near black
  Tones,    // 0-100 as tonal systems number them: the OKLCH lightness in per cent, 0 black, 100 white
};

/// The most steps a scale may have: more than 8-bit sRGB can tell apart along one hue.
inline constexpr int MaxScaleSteps = 256;

/// "50", "100", "200" ... "900", "950": eleven steps, numbered Css.
std::vector<std::string> CssScaleSteps();
/// "0", "10" ... "100": eleven steps, numbered Tones.
std::vector<std::string> ToneScaleSteps();

/// The names of a comma-separated list ("50, 100,200"), spaces around each name trimmed; an empty name stays as ""
/// for the scale to report. Stops after MaxScaleSteps + 1 names, so an endless list never becomes an endless
/// vector (the scale then reports the list as too long).
std::vector<std::string> SplitStepList(std::string_view list);

/// The default OKLCH lightness (0-1) of step `name`. Css: a number 0-1000, read along a table of the usual steps
/// (0 white 1.0, 50 0.97, 100 0.935 ... 900 0.29, 950 0.21, 1000 black 0.0), straight between its points. Tones:
/// a number 0-100, divided by 100. Nullopt for a name that is not such a number.
std::optional<double> DefaultStepLightness(std::string_view name, TStepNumbering numbering);

}  // namespace tintorium
