#pragma once
// Tonal scales: one base colour becomes a run of tones (50, 100 ... 950), computed in OKLCH along a line through
// the base and brought into sRGB by CSS Color 4 gamut mapping. Either each step aims at an OKLCH lightness, or
// it aims at a contrast against a background and the lightness that meets it is searched for. The base colour
// itself always takes the step nearest to it, unchanged.

#include "core/ColorTypes.h"
#include "core/ContrastTarget.h"
#include "core/OkLab.h"
#include "core/ScaleSteps.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tintorium {

/// What each step's target means.
enum class TScaleMode : std::uint8_t {
  Lightness = 0,  // an OKLCH lightness, 0-1
  Contrast,       // a contrast against the scale's background, by TScaleMeasure
};

/// The contrast measure of Contrast mode.
enum class TScaleMeasure : std::uint8_t {
  Wcag = 0,  // the WCAG 2 ratio, 1-21
  Apca,      // APCA Lc of the step as text on the background, -108-108: positive for a step darker than the
             // background, negative for one lighter
};

/// What a scale is made of besides its base colour.
struct TScaleOptions {
  std::vector<std::string> Steps = CssScaleSteps();  // names in order, 1-MaxScaleSteps, unique, none empty
  TStepNumbering Numbering = TStepNumbering::Css;    // how names give default targets
  TScaleMode Mode = TScaleMode::Lightness;
  /// One per step, rising or falling strictly along the steps; empty for the defaults (DefaultScaleTargets).
  /// Lightness: OKLCH L 0-1. Contrast: a ratio 1-21 or an Lc -108-108 by Measure, the step's colour measured as
  /// text on Background. A ratio is never missed; an Lc's size is never missed, and its sign must be the side of
  /// the background the base lies on.
  std::vector<double> Targets;
  TScaleMeasure Measure = TScaleMeasure::Wcag;
  TColor Background = clWhite;  // the background of Contrast mode and of each swatch's Background figures
  /// Degrees, -360-360: how far the hue turns from the lightest step to the darkest (positive turns darker steps
  /// towards higher hue angles); the base's own hue stays where the base is.
  double HueShift = 0;
  /// Lightness mode: move the targets around pinned colours so that the steps between two pins (or a pin and the
  /// end of the scale) stay evenly spread, instead of leaving a pin's neighbours where their targets are.
  bool SpaceAroundBase = true;
  /// Further colours each pinned, unchanged, to the step nearest to it as the base is; a lock equal to the base
  /// or to an earlier lock is ignored.
  std::vector<TColor> Locks;
};

/// Why a step has the colour it has.
enum class TStepPin : std::uint8_t {
  None = 0,  // computed from its target
  Base,      // the base colour
  Lock,      // one of the locks
};

/// One step of a scale with the figures a swatch shows.
struct TScaleSwatch {
  std::string Name;
  TColor Color = clBlack;   // 8-bit sRGB, 0x00BBGGRR
  TOkLch Lch;               // the OKLCH of Color
  double Target = 0;        // the step's target in the mode's unit, as given or by default
  double AimLightness = 0;  // the OKLCH L the step was computed for (pinned steps: the pinned colour's L)
  TStepPin Pin = TStepPin::None;
  double WhiteRatio = 1;       // WCAG 2 ratio with white, 1-21
  double BlackRatio = 1;       // WCAG 2 ratio with black, 1-21
  double WhiteTextLc = 0;      // APCA Lc of white text on this colour (0 or negative)
  double BlackTextLc = 0;      // APCA Lc of black text on this colour (0 or positive)
  double BackgroundRatio = 1;  // WCAG 2 ratio with the scale's background
  double BackgroundLc = 0;     // APCA Lc of this colour as text on the scale's background
};

/// A fault in the input, in plain English naming the step it concerns.
struct TScaleError {
  int Step = -1;  // index into the steps; -1 where the fault is not one step's
  std::string Message;
};

/// A computed scale: either every swatch or the faults found.
struct TTonalScale {
  std::vector<TScaleSwatch> Swatches;  // one per step, in the order of the steps; empty when Errors is not
  std::vector<TScaleError> Errors;
  bool Ok() const { return Errors.empty(); }
};

/// The scale of `base` (system colours are resolved first): each step's colour lies on the base's line in
/// OKLCH, whose chroma peaks at the base's lightness and falls smoothly to 0 at black and at white and whose hue
/// turns by HueShift, gamut-mapped into sRGB by CSS Color 4 and rounded to 8 bits. Lightness mode: each unpinned
/// step's OKLCH L lies on its aim as closely as 8-bit sRGB allows. Contrast mode: each unpinned step meets its
/// target, and the 8-bit colour one step nearer the background in every channel would not. Along the steps the
/// lightness rises or falls strictly. Never throws; bad input gives Errors.
TTonalScale MakeTonalScale(TColor base, const TScaleOptions& options = {});

/// A scale for each of `bases`, all with the same targets so that they line up step by step: each base is kept
/// at its nearest step and every other step aims at the target itself (SpaceAroundBase and Locks do not apply).
std::vector<TTonalScale> MakeTonalScales(std::span<const TColor> bases, const TScaleOptions& options = {});

/// The targets a scale of `options` gets when it is given none: Lightness mode, DefaultStepLightness of each
/// step; Contrast mode, the contrast of a grey of that lightness with Background (ratios to 0.01, Lc to 0.1,
/// rounded towards the smaller size). Empty with Errors filled when a step has no default.
std::vector<double> DefaultScaleTargets(const TScaleOptions& options, std::vector<TScaleError>& errors);

/// The colour of `base`'s line at OKLCH lightness `lightness` (0-1) before gamut mapping: the chroma curve and the
/// hue turn of MakeTonalScale, `span` being the lightness between the scale's lightest and darkest steps (> 0).
TOkLch ScaleLineAt(const TOkLch& base, double lightness, double hueShift, double span);

/// The steps nearest to step `step` on either side whose colour, as text on step `step`'s colour, meets `target`:
/// e.g. the first step that passes AA on the 100. Indexes into Swatches; -1 where none does or `step` is out of
/// range.
struct TPassingSteps {
  int Lighter = -1;
  int Darker = -1;
};
TPassingSteps NearestPassingSteps(const TTonalScale& scale, int step, TContrastTarget target);

}  // namespace tintorium
