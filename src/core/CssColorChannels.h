#pragma once
// What a colour function's values mean: each channel's number, percentage or angle scaled as CSS Color 4 reads
// it, then the colour in sRGB. The parser's second half; nothing else uses it.

#include "core/CssColorArguments.h"
#include "core/CssColorParse.h"
#include "core/OkLab.h"

#include <optional>
#include <string>
#include <string_view>

namespace tintorium::detail {

/// Reads channels whose syntax the parser has checked. `fn` names the function in errors ("rgb()"). On failure a
/// function returns nothing and leaves the reason in the `error` given to the constructor.
class TCssChannelReader {
 public:
  explicit TCssChannelReader(std::string& error) : Error(error) {}

  /// rgb(), rgba(): numbers 0-255 or percentages, each clamped into 0-1.
  std::optional<TColor3> RgbChannels(const std::string& fn, const TChannels& ch);
  /// hsl(), hsla(): a hue, then saturation and lightness clamped into 0-100%.
  std::optional<TColor3> HslChannels(const std::string& fn, const TChannels& ch);
  /// hwb(): a hue, then whiteness and blackness clamped into 0-100%.
  std::optional<TColor3> HwbChannels(const std::string& fn, const TChannels& ch);
  /// lab(), lch(), oklab(), oklch(), told apart by `name` in lower case; the result is gamut-mapped.
  std::optional<TColor3> LabLikeChannels(const std::string& fn, const std::string& name, const TChannels& ch);
  /// color(): three numbers or percentages (100% = 1) in `space` (any letter case), gamut-mapped; an unknown
  /// space is refused.
  std::optional<TColor3> ColorSpaceChannels(const std::string& fn, std::string_view space, const TChannels& ch);
  /// The 8-bit colour of `srgb` with the alpha of `ch` clamped into 0-1 (1 when absent); nothing when `srgb` is.
  std::optional<TCssColor> Finish(const std::string& fn, const std::optional<TColor3>& srgb, const TChannels& ch);

 private:
  std::string& Error;

  std::nullopt_t Fail(std::string message);
  std::optional<double> Scaled(const std::string& fn, const TComponent& c, std::string_view what, double numberScale,
                               double percentFull);
  std::optional<double> Hue(const std::string& fn, const TComponent& c);
};

}  // namespace tintorium::detail
