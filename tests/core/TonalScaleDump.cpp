// Reads one scale request per line and writes the scale the core computes, for the comparison with an independent
// implementation (tests/js/tonal_scale_test.mjs). A request:
//   MODE MEASURE BACKGROUND BASE HUESHIFT      e.g. "contrast apca ffffff 3b82f6 0"
// with MODE lightness or contrast, MEASURE wcag or apca, colours as six hex digits RRGGBB, the default steps and
// targets. The answer, on one line:
//   OK, then per step a tab and "NAME RRGGBB L C h AIM TARGET PIN" (PIN 0 none, 1 base, 2 lock);
//   or ERR and the first message.
#include "core/TonalScale.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

namespace {

std::optional<tintorium::TColor> ParseHex(std::string_view text) {
  unsigned value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (text.size() != 6 || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  // RRGGBB to 0x00BBGGRR.
  return ((value >> 16) & 0xFF) | (value & 0xFF00) | ((value & 0xFF) << 16);
}

}  // namespace

int main() {
  using namespace tintorium;
  std::string line;
  while (std::getline(std::cin, line)) {
    std::istringstream in(line);
    std::string mode, measure, background, base;
    double shift = 0;
    in >> mode >> measure >> background >> base >> shift;
    const auto back = ParseHex(background);
    const auto color = ParseHex(base);
    if (!in || !back || !color || (mode != "lightness" && mode != "contrast") ||
        (measure != "wcag" && measure != "apca")) {
      std::printf("ERR bad request\n");
      continue;
    }
    TScaleOptions options;
    options.Mode = mode == "lightness" ? TScaleMode::Lightness : TScaleMode::Contrast;
    options.Measure = measure == "wcag" ? TScaleMeasure::Wcag : TScaleMeasure::Apca;
    options.Background = *back;
    options.HueShift = shift;
    const TTonalScale scale = MakeTonalScale(*color, options);
    if (!scale.Ok()) {
      std::printf("ERR %s\n", scale.Errors.front().Message.c_str());
      continue;
    }
    std::printf("OK");
    for (const TScaleSwatch& s : scale.Swatches)
      std::printf("\t%s %02x%02x%02x %.17g %.17g %.17g %.17g %.17g %d", s.Name.c_str(), RedOf(s.Color),
                  GreenOf(s.Color), BlueOf(s.Color), s.Lch.L, s.Lch.C, s.Lch.h, s.AimLightness, s.Target,
                  static_cast<int>(s.Pin));
    std::printf("\n");
  }
  return 0;
}
