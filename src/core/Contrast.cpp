#include "core/Contrast.h"

#include "core/Rounding.h"
#include "core/SystemColors.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace tintorium {
namespace {

// WCAG 2 linearises with the threshold 0.03928 of its own text (sRGB proper uses 0.04045; no 8-bit value
// lies between them, so the two agree on every colour).
double LinearChannelOf(int value) {
  const double c = value / 255.0;
  return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// APCA-W3 0.0.98G-4g, the constants of the reference implementation's SA98G set, published by Myndex Research
// at https://github.com/Myndex/apca-w3 (src/apca-w3.js; see also https://github.com/w3c/silver/issues/643).
constexpr double ApcaMainTrc = 2.4;  // a plain power, not the sRGB curve
constexpr double ApcaRed = 0.2126729;
constexpr double ApcaGreen = 0.7151522;
constexpr double ApcaBlue = 0.0721750;
constexpr double ApcaNormBack = 0.56;
constexpr double ApcaNormText = 0.57;
constexpr double ApcaRevText = 0.62;
constexpr double ApcaRevBack = 0.65;
constexpr double ApcaBlackThreshold = 0.022;
constexpr double ApcaBlackClamp = 1.414;
constexpr double ApcaScaleBoW = 1.14;
constexpr double ApcaScaleWoB = 1.14;
constexpr double ApcaLoBoWOffset = 0.027;
constexpr double ApcaLoWoBOffset = 0.027;
constexpr double ApcaDeltaYMin = 0.0005;
constexpr double ApcaLoClip = 0.1;

double ApcaChannelOf(int value) { return std::pow(value / 255.0, ApcaMainTrc); }

// Both curves at the 256 channel values, computed once: contrast searches measure thousands of colours.
struct TChannelTables {
  std::array<double, 256> Linear{};
  std::array<double, 256> Apca{};
};

// Inlined, so that a lookup costs only the check that the tables are made.
[[gnu::always_inline]] inline const TChannelTables& ChannelTables() {
  static const TChannelTables tables = [] {
    TChannelTables t;
    for (int v = 0; v < 256; ++v) {
      t.Linear[static_cast<std::size_t>(v)] = LinearChannelOf(v);
      t.Apca[static_cast<std::size_t>(v)] = ApcaChannelOf(v);
    }
    return t;
  }();
  return tables;
}


// 1000 times the WCAG 1.0 brightness, kept as an integer so that differences are exact.
int BrightnessMilli(TColor rgb) { return 299 * RedOf(rgb) + 587 * GreenOf(rgb) + 114 * BlueOf(rgb); }

}  // namespace

double RelativeLuminance(TColor color) {
  const TColor rgb = ColorToRGB(color);
  const std::array<double, 256>& linear = ChannelTables().Linear;
  return 0.2126 * linear[static_cast<std::size_t>(RedOf(rgb))] +
         0.7152 * linear[static_cast<std::size_t>(GreenOf(rgb))] +
         0.0722 * linear[static_cast<std::size_t>(BlueOf(rgb))];
}

TContrastResult MeasureContrast(TColor a, TColor b) {
  const TColor ra = ColorToRGB(a);
  const TColor rb = ColorToRGB(b);
  TContrastResult result;
  result.BrightDiff = Round(std::abs(BrightnessMilli(ra) - BrightnessMilli(rb)) / 1000.0L);
  result.ColorDiff = std::abs(RedOf(ra) - RedOf(rb)) + std::abs(GreenOf(ra) - GreenOf(rb)) +
                     std::abs(BlueOf(ra) - BlueOf(rb));
  result.Pass = result.BrightDiff >= MinBrightDiff && result.ColorDiff >= MinColorDiff;
  result.Ratio = ContrastRatio(RelativeLuminance(ra), RelativeLuminance(rb));
  return result;
}

double ContrastRatio(double luminanceA, double luminanceB) {
  const double lighter = luminanceA > luminanceB ? luminanceA : luminanceB;
  const double darker = luminanceA > luminanceB ? luminanceB : luminanceA;
  return (lighter + 0.05) / (darker + 0.05);
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

double ShownContrastRatio(double ratio) {
  // The small allowance keeps a ratio computed as 4.4999999999 for an exact 4.5 at 4.50.
  return std::floor(ratio * 100.0 + 1e-7) / 100.0;
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

namespace {

double ApcaY(TColor color) {
  const TColor rgb = ColorToRGB(color);
  const std::array<double, 256>& apca = ChannelTables().Apca;
  double y = ApcaRed * apca[static_cast<std::size_t>(RedOf(rgb))] +
             ApcaGreen * apca[static_cast<std::size_t>(GreenOf(rgb))] +
             ApcaBlue * apca[static_cast<std::size_t>(BlueOf(rgb))];
  // Flare lifts the darkest colours: a soft clamp below the black threshold.
  if (y < ApcaBlackThreshold) y += std::pow(ApcaBlackThreshold - y, ApcaBlackClamp);
  return y;
}

// Lc from the background's term and the text's, for dark text on a lighter background and for the reverse.
double ApcaDarkOnLight(double backNormal, double textNormal) {
  const double sapc = (backNormal - textNormal) * ApcaScaleBoW;
  return sapc < ApcaLoClip ? 0.0 : (sapc - ApcaLoBoWOffset) * 100.0;
}

double ApcaLightOnDark(double backReverse, double textReverse) {
  const double sapc = (backReverse - textReverse) * ApcaScaleWoB;
  return sapc > -ApcaLoClip ? 0.0 : (sapc + ApcaLoWoBOffset) * 100.0;
}

}  // namespace

TApcaTerms ApcaTermsOf(TColor color) {
  const double y = ApcaY(color);
  return {y, std::pow(y, ApcaNormBack), std::pow(y, ApcaNormText), std::pow(y, ApcaRevBack),
          std::pow(y, ApcaRevText)};
}

double ApcaContrastOn(TColor text, const TApcaTerms& background, double& textY) {
  const double y = textY = ApcaY(text);
  if (std::abs(background.Y - y) < ApcaDeltaYMin) return 0.0;
  if (background.Y > y) return ApcaDarkOnLight(background.BackNormal, std::pow(y, ApcaNormText));
  return ApcaLightOnDark(background.BackReverse, std::pow(y, ApcaRevText));
}

double ApcaContrast(const TApcaTerms& text, const TApcaTerms& background) {
  if (std::abs(background.Y - text.Y) < ApcaDeltaYMin) return 0.0;
  if (background.Y > text.Y) return ApcaDarkOnLight(background.BackNormal, text.TextNormal);
  return ApcaLightOnDark(background.BackReverse, text.TextReverse);
}

double ApcaContrast(TColor text, TColor background) {
  return ApcaContrast(ApcaTermsOf(text), ApcaTermsOf(background));
}

TApcaLevel ApcaLevelOf(double lc) {
  const double magnitude = std::abs(lc);
  int level = 0;
  while (level + 1 < ApcaLevelCount && magnitude >= ApcaLevelThresholds[level + 1]) ++level;
  return static_cast<TApcaLevel>(level);
}

std::string_view ApcaLevelName(TApcaLevel level) {
  const auto index = static_cast<std::size_t>(level);
  return index < ApcaLevelNames.size() ? ApcaLevelNames[index] : std::string_view();
}

}  // namespace tintorium
