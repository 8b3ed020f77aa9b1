#include "core/ContrastTarget.h"

#include "core/Contrast.h"

#include <algorithm>
#include <cmath>

namespace tintorium {
namespace {

struct TTargetRule {
  bool Apca;
  double Threshold;
};

constexpr std::array<TTargetRule, ContrastTargetCount> kRules{{
    {false, SmallTextAA},
    {false, SmallTextAAA},
    {false, LargeTextAA},
    {true, 60.0},
    {true, 75.0},
    {true, 90.0},
}};

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::optional<TContrastTarget> ParseContrastTarget(std::string_view name) {
  for (std::size_t i = 0; i < ContrastTargetNames.size(); ++i) {
    const std::string_view known = ContrastTargetNames[i];
    if (name.size() == known.size() &&
        std::equal(name.begin(), name.end(), known.begin(), [](char a, char b) { return LowerAscii(a) == b; }))
      return ContrastTargets[i];
  }
  return std::nullopt;
}

std::string_view ContrastTargetName(TContrastTarget target) {
  const auto index = static_cast<std::size_t>(target);
  return index < ContrastTargetNames.size() ? ContrastTargetNames[index] : std::string_view();
}

bool IsApcaTarget(TContrastTarget target) {
  const auto index = static_cast<std::size_t>(target);
  return index < kRules.size() && kRules[index].Apca;
}

double ContrastTargetThreshold(TContrastTarget target) {
  const auto index = static_cast<std::size_t>(target);
  return index < kRules.size() ? kRules[index].Threshold : 0.0;
}

bool MeetsContrastTarget(TContrastTarget target, double ratio, double lc) {
  const auto index = static_cast<std::size_t>(target);
  if (index >= kRules.size()) return false;
  const TTargetRule& rule = kRules[index];
  return rule.Apca ? std::abs(lc) >= rule.Threshold : ratio >= rule.Threshold;
}

}  // namespace tintorium
