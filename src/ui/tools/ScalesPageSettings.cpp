#include "ui/tools/ScalesPageSettings.h"

#include "core/ScaleSteps.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace tintorium {

std::optional<std::vector<double>> ParseScaleTargets(const QString& text) {
  std::vector<double> targets;
  if (text.trimmed().isEmpty()) return targets;
  for (const std::string& word : SplitStepList(text.toStdString())) {
    bool ok = false;
    const double value = QString::fromStdString(word).toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    targets.push_back(value);
  }
  return targets;
}

TScaleOptions ScaleOptionsOf(const TScalesPageSettings& settings) {
  TScaleOptions options;
  switch (std::clamp(settings.Steps, 0, 2)) {
    case 1:
      options.Steps = ToneScaleSteps();
      options.Numbering = TStepNumbering::Tones;
      break;
    case 2: options.Steps = SplitStepList(settings.CustomSteps.toStdString()); break;
    default: break;
  }
  options.Mode = std::clamp(settings.Mode, 0, 1) == 1 ? TScaleMode::Contrast : TScaleMode::Lightness;
  options.Measure = std::clamp(settings.Measure, 0, 1) == 1 ? TScaleMeasure::Apca : TScaleMeasure::Wcag;
  options.Background = TColor(settings.Background) & 0xFFFFFF;
  options.HueShift = std::clamp(settings.HueShift, -360, 360);
  options.Targets = ParseScaleTargets(settings.Targets).value_or(std::vector<double>{});
  return options;
}

}  // namespace tintorium
