// Reads "TEXT BACKGROUND" per line, each six hex digits RRGGBB, and writes what the core measures for the pair,
// for the comparison with an independent implementation (tests/js/contrast_test.mjs):
//   <APCA Lc> <WCAG 2 ratio>, or ERR for a line that is not two colours.
#include "core/Contrast.h"

#include <charconv>
#include <cstdio>
#include <iostream>
#include <optional>
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
    const std::string_view view(line);
    const std::size_t space = view.find(' ');
    const auto text = ParseHex(view.substr(0, space));
    const auto back = space == std::string_view::npos ? std::nullopt : ParseHex(view.substr(space + 1));
    if (!text || !back) {
      std::printf("ERR\n");
      continue;
    }
    std::printf("%.17g %.17g\n", ApcaContrast(*text, *back), MeasureContrast(*text, *back).Ratio);
  }
  return 0;
}
