#pragma once
// How readable a text colour is on a background colour, by the Web Content Accessibility Guidelines: the
// brightness and colour differences of WCAG 1.0 and the luminance contrast ratio of WCAG 2.

#include "core/ColorTypes.h"

#include <cstdint>
#include <string_view>

namespace tintorium {

/// The measurement of one pair of colours.
struct TContrastResult {
  int BrightDiff = 0;   // 0-255: |brightness A - brightness B|, rounded half to even
  int ColorDiff = 0;    // 0-765: sum of the absolute channel differences
  bool Pass = false;    // WCAG 1.0: BrightDiff >= 125 and ColorDiff >= 500
  double Ratio = 1.0;   // 1-21: (lighter luminance + 0.05) / (darker luminance + 0.05)
  friend constexpr bool operator==(const TContrastResult&, const TContrastResult&) = default;
};

/// The WCAG 1.0 thresholds.
inline constexpr int MinBrightDiff = 125;
inline constexpr int MinColorDiff = 500;

/// Relative luminance (0-1) of a colour; system colours are resolved first.
double RelativeLuminance(TColor color);
/// Measures `a` against `b`; the result does not depend on their order, to the last bit.
TContrastResult MeasureContrast(TColor a, TColor b);

/// The verdict on one kind of text. The values are the indexes of the status marks.
enum class TContrastMark : std::uint8_t { Fail = 0, Pass = 1, Partial = 2 };

/// WCAG 2 thresholds (inclusive): level AA and level AAA for large and for small (normal) text.
inline constexpr double LargeTextAA = 3.0;
inline constexpr double LargeTextAAA = 4.5;
inline constexpr double SmallTextAA = 4.5;
inline constexpr double SmallTextAAA = 7.0;

/// Pass from LargeTextAAA, Partial from LargeTextAA, else Fail.
TContrastMark LargeTextMark(double ratio);
/// Pass from SmallTextAAA, Partial from SmallTextAA, else Fail.
TContrastMark SmallTextMark(double ratio);
/// The conformance level a mark stands for: "AAA" (Pass), "AA" (Partial), "" (Fail).
std::string_view ContrastLevelName(TContrastMark mark);

/// Whether a palette colour measured against the text colour is offered as a background: WCAG 1.0 passes and
/// the ratio reaches SmallTextAA.
bool IsContrastVariant(const TContrastResult& result);

}  // namespace tintorium
