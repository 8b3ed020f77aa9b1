#pragma once
// How readable a text colour is on a background colour, by the Web Content Accessibility Guidelines: the
// brightness and colour differences of WCAG 1.0, the luminance contrast ratio of WCAG 2 and the APCA lightness
// contrast of the WCAG 3 drafts.

#include "core/ColorTypes.h"

#include <array>
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
/// The WCAG 2 ratio (1-21) of two relative luminances (0-1), in either order; MeasureContrast's Ratio.
double ContrastRatio(double luminanceA, double luminanceB);

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
/// A ratio cut (never rounded) to two decimals for display, so 4.4999 reads 4.49 and never "4.50" beside a
/// failing mark.
double ShownContrastRatio(double ratio);
/// The conformance level a mark stands for: "AAA" (Pass), "AA" (Partial), "" (Fail).
std::string_view ContrastLevelName(TContrastMark mark);

/// Whether a palette colour measured against the text colour is offered as a background: WCAG 1.0 passes and
/// the ratio reaches SmallTextAA.
bool IsContrastVariant(const TContrastResult& result);

/// What APCA needs of one colour, computed once where one colour meets many: the screen luminance after the
/// soft clamp of near-black (about 0.0045-1) and its powers for either role and polarity.
struct TApcaTerms {
  double Y = 0;
  double BackNormal = 0;    // Y^0.56: background, dark text on light
  double TextNormal = 0;    // Y^0.57: text, dark on light
  double BackReverse = 0;   // Y^0.65: background, light text on dark
  double TextReverse = 0;   // Y^0.62: text, light on dark
};

/// APCA's terms for `color`; system colours are resolved first.
TApcaTerms ApcaTermsOf(TColor color);
/// The APCA lightness contrast Lc of `text` on `background`, about -107.9 (white on black) to 106.0 (black on
/// white): positive for dark text on a light background, negative for light text on a dark one, 0 where the
/// difference is below the low-contrast clip. Not symmetric: the order of text and background matters.
double ApcaContrast(TColor text, TColor background);
double ApcaContrast(const TApcaTerms& text, const TApcaTerms& background);
/// ApcaContrast(ApcaTermsOf(text), background), working out only the one term of `text` that it needs; `textY`
/// receives the text's Y. For searches that measure many colours against one background.
double ApcaContrastOn(TColor text, const TApcaTerms& background, double& textY);

/// The APCA readability levels by |Lc|, each reached from its threshold (inclusive) up to the next.
enum class TApcaLevel : std::uint8_t {
  NotReadable = 0,    // below 15
  BarelyVisible,      // 15
  SpotText,           // 30: spot text and non-text
  LargeText,          // 45: large or heavy text
  ContentText,        // 60: other content text
  MinimumBodyText,    // 75
  PreferredBodyText,  // 90
};
inline constexpr int ApcaLevelCount = 7;
/// The lowest |Lc| of each level.
inline constexpr std::array<double, ApcaLevelCount> ApcaLevelThresholds{0, 15, 30, 45, 60, 75, 90};
/// English names of the levels, lower case.
inline constexpr std::array<std::string_view, ApcaLevelCount> ApcaLevelNames{
    "not readable",        "barely visible",     "spot text and non-text", "large or heavy text",
    "other content text",  "minimum body text",  "preferred body text"};
static_assert(ApcaLevelNames.size() == static_cast<std::size_t>(TApcaLevel::PreferredBodyText) + 1);

/// The level of an Lc of either sign; NaN is NotReadable.
TApcaLevel ApcaLevelOf(double lc);
/// The English name of `level`; "" for a value outside the enumeration.
std::string_view ApcaLevelName(TApcaLevel level);

}  // namespace tintorium
