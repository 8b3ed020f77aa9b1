#include "ColorAdjust.h"

#include "ColorModels.h"
#include "Rounding.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <limits>
#include <random>

namespace tintorium {

namespace {

// Saturating, so that a huge amount cannot overflow the channel.
std::int32_t AddClamped(std::int32_t value, std::int64_t amount) {
  const std::int64_t sum = static_cast<std::int64_t>(value) + amount;
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

template <typename Change>
TColor AdjustHSB(TColor color, Change change) {
  THSBValues hsb = ColorToHSB(color);
  change(hsb);
  return HSBToColor(hsb);
}

std::int32_t SnapChannel(std::int32_t value, int step) {
  const std::int64_t snapped = static_cast<std::int64_t>(step) * Round(static_cast<long double>(value) / step);
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(snapped, std::numeric_limits<std::int32_t>::min(),
                                                            std::numeric_limits<std::int32_t>::max()));
}

std::int32_t MixChannel(int a, int b, double ratio) {
  return Trunc(static_cast<long double>(ratio) * a + (1 - static_cast<long double>(ratio)) * b);
}

}  // namespace

TColor SaturateColor(TColor color, int amount) {
  return AdjustHSB(color, [amount](THSBValues& v) { v.S = AddClamped(v.S, amount); });
}

TColor DesaturateColor(TColor color, int amount) {
  return AdjustHSB(color, [amount](THSBValues& v) { v.S = AddClamped(v.S, -static_cast<std::int64_t>(amount)); });
}

TColor LightenColor(TColor color, int amount) {
  return AdjustHSB(color, [amount](THSBValues& v) { v.B = AddClamped(v.B, amount); });
}

TColor DarkenColor(TColor color, int amount) {
  return AdjustHSB(color, [amount](THSBValues& v) { v.B = AddClamped(v.B, -static_cast<std::int64_t>(amount)); });
}

THSBValues DropSaturation(const THSBValues& hsb) { return {hsb.H, 0, hsb.B}; }

bool IsOnWebStep(const TRGBValues& rgb, int step) {
  if (step == 0) return false;
  const std::int64_t s = step;  // 64-bit: INT_MIN % -1 would overflow
  return rgb.R % s == 0 && rgb.G % s == 0 && rgb.B % s == 0;
}

TRGBValues SnapToWebStep(const TRGBValues& rgb, int step) {
  if (step == 0) return rgb;
  return {SnapChannel(rgb.R, step), SnapChannel(rgb.G, step), SnapChannel(rgb.B, step)};
}

TRGBValues RandomRGB() {
  static thread_local std::mt19937 generator;
  generator.seed(static_cast<std::mt19937::result_type>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count()));
  std::uniform_int_distribution<int> channel(0, 255);
  const int r = channel(generator);
  const int g = channel(generator);
  const int b = channel(generator);
  return {r, g, b};
}

TColor MixColors(TColor a, TColor b, double ratio) {
  const TRGBValues x = ColorToRGBValues(a);
  const TRGBValues y = ColorToRGBValues(b);
  return RGBValuesToColor({MixChannel(x.R, y.R, ratio), MixChannel(x.G, y.G, ratio), MixChannel(x.B, y.B, ratio)});
}

}  // namespace tintorium
