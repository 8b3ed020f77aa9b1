#include "core/Contrast.h"

#include "core/Rounding.h"
#include "core/SystemColors.h"

#include <cmath>
#include <cstdlib>

namespace tintorium {
namespace {

// WCAG 2 linearises with the threshold 0.03928 of its own text (sRGB proper uses 0.04045; no 8-bit value
// lies between them, so the two agree on every colour).
double LinearChannel(int value) {
  const double c = value / 255.0;
  return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// 1000 times the WCAG 1.0 brightness, kept as an integer so that differences are exact.
int BrightnessMilli(TColor rgb) { return 299 * RedOf(rgb) + 587 * GreenOf(rgb) + 114 * BlueOf(rgb); }

}  // namespace

double RelativeLuminance(TColor color) {
  const TColor rgb = ColorToRGB(color);
  return 0.2126 * LinearChannel(RedOf(rgb)) + 0.7152 * LinearChannel(GreenOf(rgb)) +
         0.0722 * LinearChannel(BlueOf(rgb));
}

TContrastResult MeasureContrast(TColor a, TColor b) {
  const TColor ra = ColorToRGB(a);
  const TColor rb = ColorToRGB(b);
  TContrastResult result;
  result.BrightDiff = Round(std::abs(BrightnessMilli(ra) - BrightnessMilli(rb)) / 1000.0L);
  result.ColorDiff = std::abs(RedOf(ra) - RedOf(rb)) + std::abs(GreenOf(ra) - GreenOf(rb)) +
                     std::abs(BlueOf(ra) - BlueOf(rb));
  result.Pass = result.BrightDiff >= MinBrightDiff && result.ColorDiff >= MinColorDiff;
  const double la = RelativeLuminance(ra);
  const double lb = RelativeLuminance(rb);
  const double lighter = la > lb ? la : lb;
  const double darker = la > lb ? lb : la;
  result.Ratio = (lighter + 0.05) / (darker + 0.05);
  return result;
}

TContrastMark LargeTextMark(double ratio) {
  if (ratio >= LargeTextAAA) return TContrastMark::Pass;
  if (ratio >= LargeTextAA) return TContrastMark::Partial;
  return TContrastMark::Fail;
}

TContrastMark SmallTextMark(double ratio) {
  if (ratio >= SmallTextAAA) return TContrastMark::Pass;
  if (ratio >= SmallTextAA) return TContrastMark::Partial;
  return TContrastMark::Fail;
}

std::string_view ContrastLevelName(TContrastMark mark) {
  switch (mark) {
    case TContrastMark::Pass: return "AAA";
    case TContrastMark::Partial: return "AA";
    case TContrastMark::Fail: break;
  }
  return "";
}

bool IsContrastVariant(const TContrastResult& result) { return result.Pass && result.Ratio >= SmallTextAA; }

}  // namespace tintorium
