#pragma once
// The Scales page's settings as stored in "Color Tools", and the scale options they stand for. The export
// wizard makes its scales from the same options, whether or not the page was ever opened.

#include "core/TonalScale.h"

#include <QString>

#include <optional>
#include <vector>

namespace tintorium {

/// The page's settings in "Color Tools".
struct TScalesPageSettings {
  int Steps = 0;       // 0 the 50-950 steps, 1 tones 0-100 in tens, 2 CustomSteps; others are clamped
  QString CustomSteps = QStringLiteral("50, 100, 200, 300, 400, 500, 600, 700, 800, 900, 950");
  int Mode = 0;        // TScaleMode; others are clamped
  int Measure = 0;     // TScaleMeasure; others are clamped
  QString Targets;     // comma-separated, one per step; empty for the defaults
  int Background = 0xFFFFFF;  // TColor of contrast mode (the top byte is ignored)
  int HueShift = 0;    // degrees, -360-360; others are clamped
  QString Name = QStringLiteral("primary");
  int Notation = 0;    // TCodeNotation of the copied code
  bool operator==(const TScalesPageSettings&) const = default;
};

/// The numbers of a comma-separated list of targets (empty text: none, the defaults); nothing when a word is no
/// finite number.
std::optional<std::vector<double>> ParseScaleTargets(const QString& text);

/// The options the page shows for `settings`: out-of-range choices clamped as the page's controls clamp them,
/// targets that do not read left empty (the defaults).
TScaleOptions ScaleOptionsOf(const TScalesPageSettings& settings);

}  // namespace tintorium
