#include "core/ScaleSteps.h"

#include <array>
#include <charconv>
#include <cmath>
#include <utility>

namespace tintorium {
namespace {

// Even steps of about 0.08 from 300 to 950, closing in towards white where tints are told apart more finely.
constexpr std::array<std::pair<double, double>, 13> CssLightness{{
    {0, 1.0},
    {50, 0.97},
    {100, 0.935},
    {200, 0.87},
    {300, 0.79},
    {400, 0.70},
    {500, 0.61},
    {600, 0.53},
    {700, 0.45},
    {800, 0.37},
    {900, 0.29},
    {950, 0.21},
    {1000, 0.0},
}};

std::optional<double> ParseNumber(std::string_view text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

double CssStepLightness(double number) {
  for (std::size_t i = 1; i < CssLightness.size(); ++i) {
    const auto [x1, y1] = CssLightness[i];
    if (number > x1) continue;
    const auto [x0, y0] = CssLightness[i - 1];
    return y0 + (y1 - y0) * (number - x0) / (x1 - x0);
  }
  return 0.0;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

}  // namespace

std::vector<std::string> CssScaleSteps() {
  return {"50", "100", "200", "300", "400", "500", "600", "700", "800", "900", "950"};
}

std::vector<std::string> ToneScaleSteps() { return {"0", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"}; }

std::vector<std::string> SplitStepList(std::string_view list) {
  std::vector<std::string> names;
  while (names.size() <= static_cast<std::size_t>(MaxScaleSteps)) {
    const std::size_t comma = list.find(',');
    names.emplace_back(Trim(list.substr(0, comma)));
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  return names;
}

std::optional<double> DefaultStepLightness(std::string_view name, TStepNumbering numbering) {
  const std::optional<double> number = ParseNumber(name);
  if (!number) return std::nullopt;
  switch (numbering) {
    case TStepNumbering::Css:
      if (*number < 0 || *number > 1000) return std::nullopt;
      return CssStepLightness(*number);
    case TStepNumbering::Tones:
      if (*number < 0 || *number > 100) return std::nullopt;
      return *number / 100;
  }
  return std::nullopt;
}

}  // namespace tintorium
