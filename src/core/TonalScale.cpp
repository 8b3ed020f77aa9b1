#include "core/TonalScale.h"

#include "core/Contrast.h"
#include "core/SystemColors.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdlib>
#include <cstdio>
#include <optional>

namespace tintorium {
namespace {

constexpr double MaxRatio = 21;
constexpr double MaxLc = 108;
constexpr double MaxHueShift = 360;
// APCA gives 0 below a |Lc| of 7.3: its low clip of 0.1 less its offset of 0.027, times 100.
constexpr double SmallestLc = 7.3;
// The background luminance at which black and white give the same WCAG 2 ratio.
constexpr double EvenLuminance = 0.17912878474779199;
// Lightness mode: how closely the gamut-mapped colour must sit on its aim before rounding; a few rounds of
// correction bring back what the final clip of gamut mapping moves.
constexpr double AimTolerance = 1e-5;
constexpr int AimRounds = 4;
// Contrast mode: the search along the line ends once both ends of its bracket round to neighbouring 8-bit
// colours, or at this width, or after this many tries.
constexpr double SearchWidth = 1e-9;
constexpr int MaxSearchRounds = 100;

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...) {
  char text[256];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  return text;
}

std::string Hex(TColor c) { return Format("#%02X%02X%02X", RedOf(c), GreenOf(c), BlueOf(c)); }

bool IsColor(TColor c) { return (c >> 24) == 0 || IsSystemColor(c); }

constexpr TColor Rgb(int r, int g, int b) {
  return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}

TOkLch LchOf(TColor c) { return OkLabToOkLch(SrgbToOkLab(ColorToSrgb(c))); }

int ChannelDistance(TColor a, TColor b) {
  return std::max({std::abs(RedOf(a) - RedOf(b)), std::abs(GreenOf(a) - GreenOf(b)), std::abs(BlueOf(a) - BlueOf(b))});
}

std::vector<double> DefaultTargetsOf(const TScaleOptions& options, std::vector<TScaleError>& errors);

// A pinned colour and the step it takes.
struct TPin {
  int Step = -1;
  TColor Color = clBlack;
  TStepPin Kind = TStepPin::None;
};

// The input, checked, with everything the steps are computed from.
class TScaleBuilder {
 public:
  TScaleBuilder(const TScaleOptions& options, std::vector<TScaleError>& errors) : options_(options), errors_(errors) {}

  TTonalScale Build(TColor base);

 private:
  int Count() const { return static_cast<int>(options_.Steps.size()); }
  std::string Step(int i) const { return "step " + options_.Steps[static_cast<std::size_t>(i)]; }
  void Fail(int step, std::string message) { errors_.push_back({step, std::move(message)}); }

  bool CheckSteps();
  bool CheckTargets();
  bool CheckColors(TColor base);
  void PrepareContrast(TColor base);
  bool CheckContrastTargets();
  double Position(TColor color) const;
  double Distance(int step, double position) const;
  bool PlacePins(TColor base);
  const TPin* PinAt(int step) const;

  // Contrast against the background: the ratio, or the Lc signed so that the base's side of the background
  // counts positive.
  struct TMeasured {
    double Figure = 0;
    bool OnSide = false;  // on the base's side of the background, or level with it
  };
  TMeasured Measure(TColor c) const;
  double Figure(TColor c) const { return Measure(c).Figure; }
  static bool Meets(const TMeasured& m, double size) { return m.OnSide && m.Figure >= size; }
  bool Meets(TColor c, double size) const { return Meets(Measure(c), size); }
  // `sizeLog` is log(size), taken once for a search.
  double Excess(const TMeasured& m, double size, double sizeLog) const;
  TColor LineColor(double lightness, double hueShift, double span) const;
  // The line's colours at its extreme end, at the background's lightness and at its far end, the same for every
  // step of one pass.
  struct TLineEnds {
    double Extreme = 0, Back = 0, Far = 0;
    std::vector<TColor> Colors;
    std::vector<TMeasured> Measures;
  };
  TLineEnds LineEnds(double hueShift, double span) const;
  std::optional<double> SolveLightnessFor(double size, double hueShift, double span, const TLineEnds& ends,
                                          TColor& found) const;
  TColor Settle(TColor c, double size) const;

  std::vector<double> LightnessAims() const;
  TColor LightnessColor(double aim, double span) const;
  void ComputeLightness(std::vector<TScaleSwatch>& swatches);
  void ComputeContrast(std::vector<TScaleSwatch>& swatches, double hueShift, double span);
  bool CheckOrder(const std::vector<TScaleSwatch>& swatches);
  void FillFigures(TScaleSwatch& swatch) const;

  const TScaleOptions& options_;
  std::vector<TScaleError>& errors_;
  std::vector<double> targets_;
  TOkLch base_;
  TColor background_ = clWhite;
  double backLuminance_ = 1;
  TApcaTerms backApca_;
  bool darkSide_ = true;  // contrast mode: the steps are darker than the background
  std::vector<TPin> pins_;
};

bool TScaleBuilder::CheckSteps() {
  const std::size_t count = options_.Steps.size();
  if (count == 0) {
    Fail(-1, "the scale has no steps");
    return false;
  }
  if (count > static_cast<std::size_t>(MaxScaleSteps)) {
    Fail(-1, Format("a scale has at most %d steps, and this list has more", MaxScaleSteps));
    return false;
  }
  const std::size_t before = errors_.size();
  for (int i = 0; i < Count(); ++i) {
    const std::string& name = options_.Steps[static_cast<std::size_t>(i)];
    if (name.empty()) {
      Fail(i, Format("step %d of the list has no name", i + 1));
      continue;
    }
    for (int j = 0; j < i; ++j)
      if (options_.Steps[static_cast<std::size_t>(j)] == name) {
        Fail(i, Step(i) + " appears twice");
        break;
      }
  }
  return errors_.size() == before;
}

bool TScaleBuilder::CheckTargets() {
  if (options_.Targets.empty()) {
    targets_ = DefaultTargetsOf(options_, errors_);
    if (targets_.empty()) return false;
  } else if (options_.Targets.size() != options_.Steps.size()) {
    Fail(-1, Format("there are %zu targets for %zu steps", options_.Targets.size(), options_.Steps.size()));
    return false;
  } else {
    targets_ = options_.Targets;
  }
  const std::size_t before = errors_.size();
  for (int i = 0; i < Count(); ++i) {
    const double t = targets_[static_cast<std::size_t>(i)];
    if (options_.Mode == TScaleMode::Lightness) {
      if (!(t >= 0 && t <= 1)) Fail(i, Step(i) + Format(": the lightness %g is outside 0-1", t));
    } else if (options_.Measure == TScaleMeasure::Wcag) {
      if (!(t >= 1 && t <= MaxRatio)) Fail(i, Step(i) + Format(": the ratio %g is outside 1-21", t));
    } else if (!(std::abs(t) <= MaxLc)) {
      Fail(i, Step(i) + Format(": the Lc %g is outside -108-108", t));
    }
  }
  if (errors_.size() != before) return false;
  if (Count() < 2) return true;
  const bool rising = targets_[1] > targets_[0];
  for (int i = 1; i < Count(); ++i) {
    const double previous = targets_[static_cast<std::size_t>(i - 1)];
    const double t = targets_[static_cast<std::size_t>(i)];
    if (t == previous) {
      Fail(i, Step(i - 1) + " and " + Step(i) + Format(" have the same target %g", t));
    } else if ((t > previous) != rising) {
      Fail(i, Step(i) + Format(": the target %g breaks the order; targets must %s steadily along the steps", t,
                               rising ? "rise" : "fall"));
    }
  }
  return errors_.size() == before;
}

bool TScaleBuilder::CheckColors(TColor base) {
  const std::size_t before = errors_.size();
  if (!IsColor(base)) Fail(-1, "the base is not a colour");
  if (!IsColor(options_.Background)) Fail(-1, "the background is not a colour");
  for (const TColor lock : options_.Locks)
    if (!IsColor(lock)) Fail(-1, "a lock is not a colour");
  if (!(std::abs(options_.HueShift) <= MaxHueShift))
    Fail(-1, Format("the hue shift %g is outside -360-360 degrees", options_.HueShift));
  return errors_.size() == before;
}

void TScaleBuilder::PrepareContrast(TColor base) {
  background_ = ColorToRGB(options_.Background);
  backLuminance_ = RelativeLuminance(background_);
  backApca_ = ApcaTermsOf(background_);
  const double baseLuminance = RelativeLuminance(base);
  darkSide_ = baseLuminance < backLuminance_ || (baseLuminance == backLuminance_ && backLuminance_ >= EvenLuminance);
}

bool TScaleBuilder::CheckContrastTargets() {
  const std::size_t before = errors_.size();
  const bool apca = options_.Measure == TScaleMeasure::Apca;
  const TColor extreme = darkSide_ ? clBlack : clWhite;
  const double reach = Figure(extreme);
  for (int i = 0; i < Count(); ++i) {
    const double t = targets_[static_cast<std::size_t>(i)];
    if (apca && (darkSide_ ? t < 0 : t > 0)) {
      Fail(i,
           Step(i) + Format(": Lc %g asks for a colour %s than the background %s, but the base is %s", t,
                            t < 0 ? "lighter" : "darker", Hex(background_).c_str(), darkSide_ ? "darker" : "lighter"));
      continue;
    }
    if (std::abs(t) > reach) {
      Fail(i, Step(i) + (apca ? Format(": Lc %g", t) : Format(": a ratio of %g", t)) + " cannot be reached against " +
                  Hex(background_) + "; " + (darkSide_ ? "black" : "white") +
                  (apca ? Format(" reaches Lc %.1f", darkSide_ ? reach : -reach) : Format(" reaches %.2f", reach)));
    }
  }
  return errors_.size() == before;
}

TScaleBuilder::TMeasured TScaleBuilder::Measure(TColor c) const {
  if (options_.Measure == TScaleMeasure::Wcag) {
    const double luminance = RelativeLuminance(c);
    return {ContrastRatio(luminance, backLuminance_),
            darkSide_ ? luminance <= backLuminance_ : luminance >= backLuminance_};
  }
  double y = 0;
  const double lc = ApcaContrastOn(c, backApca_, y);
  return {darkSide_ ? lc : -lc, darkSide_ ? y <= backApca_.Y : y >= backApca_.Y};
}

// How far a measured colour lies past `size` (negative short of it), in a unit that changes about evenly with
// lightness, so that the search can interpolate: the log of the ratio, or Lc, negated off the base's side.
double TScaleBuilder::Excess(const TMeasured& m, double size, double sizeLog) const {
  if (options_.Measure == TScaleMeasure::Wcag)
    return (m.OnSide ? std::log(m.Figure) : -std::log(m.Figure)) - sizeLog;
  return m.Figure - size;
}

// Where `color` lies in the unit of the targets: its lightness, the log of its ratio, or its Lc.
double TScaleBuilder::Position(TColor color) const {
  if (options_.Mode == TScaleMode::Lightness) return LchOf(color).L;
  if (options_.Measure == TScaleMeasure::Wcag) return std::log(Figure(color));
  return Figure(color);
}

// How far a colour at `position` lies from step `step`'s target.
double TScaleBuilder::Distance(int step, double position) const {
  const double t = targets_[static_cast<std::size_t>(step)];
  if (options_.Mode == TScaleMode::Lightness) return std::abs(position - t);
  if (options_.Measure == TScaleMeasure::Wcag) return std::abs(position - std::log(t));
  return std::abs(position - std::abs(t));
}

bool TScaleBuilder::PlacePins(TColor base) {
  std::vector<TColor> colors{base};
  for (const TColor lock : options_.Locks) {
    const TColor rgb = ColorToRGB(lock);
    if (std::find(colors.begin(), colors.end(), rgb) != colors.end()) continue;
    // Each pinned colour needs a step of its own, so the list is never searched further than the steps go.
    if (colors.size() == options_.Steps.size()) {
      Fail(-1, Format("there are more locked colours than steps: %zu steps hold the base and at most %zu lock%s",
                      colors.size(), colors.size() - 1, colors.size() == 2 ? "" : "s"));
      return false;
    }
    colors.push_back(rgb);
  }
  const std::size_t before = errors_.size();
  for (std::size_t k = 0; k < colors.size(); ++k) {
    const double position = Position(colors[k]);
    int nearest = 0;
    for (int i = 1; i < Count(); ++i)
      if (Distance(i, position) < Distance(nearest, position)) nearest = i;
    const TPin* taken = PinAt(nearest);
    if (taken) {
      Fail(nearest, "the lock " + Hex(colors[k]) + " falls on " + Step(nearest) + ", which " +
                        (taken->Kind == TStepPin::Base ? "the base " : "the lock ") + Hex(taken->Color) +
                        " already takes");
      continue;
    }
    pins_.push_back({nearest, colors[k], k == 0 ? TStepPin::Base : TStepPin::Lock});
  }
  std::sort(pins_.begin(), pins_.end(), [](const TPin& a, const TPin& b) { return a.Step < b.Step; });
  return errors_.size() == before;
}

const TPin* TScaleBuilder::PinAt(int step) const {
  for (const TPin& pin : pins_)
    if (pin.Step == step) return &pin;
  return nullptr;
}

// The aims of the lightness steps. With SpaceAroundBase the targets are mapped piecewise straight so that each
// pin's target lands on the pin's own lightness; a pin at either end beyond the targets' range does not stretch
// the steps next to it.
std::vector<double> TScaleBuilder::LightnessAims() const {
  std::vector<double> aims = targets_;
  for (const TPin& pin : pins_) aims[static_cast<std::size_t>(pin.Step)] = LchOf(pin.Color).L;
  if (!options_.SpaceAroundBase || Count() < 2) return aims;

  struct TFixed {
    int Step;
    double From, To;
  };
  const int last = Count() - 1;
  const double outward = targets_[0] - targets_[1];  // the sign of "beyond the first step"
  std::vector<TFixed> fixed;
  const auto fix = [&](int step) {
    const double t = targets_[static_cast<std::size_t>(step)];
    double to = t;
    if (PinAt(step)) {
      to = aims[static_cast<std::size_t>(step)];
      const bool beyond = step == 0 ? (to - t) * outward > 0 : step == last && (to - t) * outward < 0;
      if (beyond) to = t;
    }
    fixed.push_back({step, t, to});
  };
  fix(0);
  for (const TPin& pin : pins_)
    if (pin.Step != 0 && pin.Step != last) fix(pin.Step);
  fix(last);
  for (std::size_t f = 1; f < fixed.size(); ++f) {
    const TFixed& a = fixed[f - 1];
    const TFixed& b = fixed[f];
    if (a.To == a.From && b.To == b.From) continue;
    for (int i = a.Step + 1; i < b.Step; ++i) {
      const double t = targets_[static_cast<std::size_t>(i)];
      aims[static_cast<std::size_t>(i)] = a.To + (t - a.From) * (b.To - a.To) / (b.From - a.From);
    }
  }
  return aims;
}

TColor TScaleBuilder::LightnessColor(double aim, double span) const {
  const TOkLch want = ScaleLineAt(base_, aim, options_.HueShift, span);
  TOkLch ask = want;
  bool inside = false;
  TColor3 srgb = GamutMapToSrgbOrLinear(ask, inside);
  // A colour inside sRGB is only converted, so it keeps its lightness to far within the tolerance.
  if (inside) return LinearSrgbToColor(srgb);
  for (int round = 0; round < AimRounds; ++round) {
    const double miss = want.L - SrgbToOkLab(srgb).L;
    if (std::abs(miss) < AimTolerance) break;
    ask.L = std::clamp(ask.L + miss, 0.0, 1.0);
    srgb = GamutMapToSrgb(ask);
  }
  return SrgbToColor(srgb);
}

void TScaleBuilder::ComputeLightness(std::vector<TScaleSwatch>& swatches) {
  const std::vector<double> aims = LightnessAims();
  const auto [lo, hi] = std::minmax_element(aims.begin(), aims.end());
  const double span = *hi - *lo > 0 ? *hi - *lo : 1.0;
  for (int i = 0; i < Count(); ++i) {
    TScaleSwatch& swatch = swatches[static_cast<std::size_t>(i)];
    swatch.AimLightness = aims[static_cast<std::size_t>(i)];
    if (!PinAt(i)) swatch.Color = LightnessColor(swatch.AimLightness, span);
  }
}

TColor TScaleBuilder::LineColor(double lightness, double hueShift, double span) const {
  return GamutMapToColor(ScaleLineAt(base_, lightness, hueShift, span));
}

// The lightness on the line where the rounded colour starts to meet `size`, and in `found` the 8-bit colour
// there that meets it with the least contrast. The end of the line beyond the background always meets it (the
// targets were checked against black and white).
TScaleBuilder::TLineEnds TScaleBuilder::LineEnds(double hueShift, double span) const {
  TLineEnds ends;
  ends.Extreme = darkSide_ ? 0.0 : 1.0;
  ends.Back = LchOf(background_).L;
  ends.Far = darkSide_ ? 1.0 : 0.0;
  for (const double L : {ends.Extreme, ends.Back, ends.Far}) {
    const TColor c = LineColor(L, hueShift, span);
    ends.Colors.push_back(c);
    ends.Measures.push_back(Measure(c));
  }
  return ends;
}

std::optional<double> TScaleBuilder::SolveLightnessFor(double size, double hueShift, double span,
                                                       const TLineEnds& ends, TColor& found) const {
  const double extreme = ends.Extreme;
  const double far = ends.Far;
  double meets = extreme;
  TColor meetsColor = ends.Colors[0];
  TMeasured meetsMeasure = ends.Measures[0];
  const double backL = ends.Back;
  double fails = backL;
  TColor failsColor = ends.Colors[1];
  TMeasured failsMeasure = ends.Measures[1];
  if (Meets(failsMeasure, size)) {
    meets = backL;
    meetsColor = failsColor;
    meetsMeasure = failsMeasure;
    fails = far;
    failsColor = ends.Colors[2];
    failsMeasure = ends.Measures[2];
    if (Meets(failsMeasure, size)) {
      found = failsColor;
      return far;
    }
  }
  if (!Meets(meetsMeasure, size)) return std::nullopt;

  // Regula falsi with the Illinois halving: the excess changes smoothly with lightness, so this needs a few
  // colours where bisection needs a dozen. Decisions go by Meets; the excess only places the next try.
  const double sizeLog = std::log(size);
  double meetsExcess = std::max(Excess(meetsMeasure, size, sizeLog), 0.0);
  double failsExcess = std::min(Excess(failsMeasure, size, sizeLog), -1e-12);
  int lastSide = 0;
  for (int round = 0;
       round < MaxSearchRounds && ChannelDistance(meetsColor, failsColor) > 1 && std::abs(fails - meets) > SearchWidth;
       ++round) {
    double middle = (meetsExcess * fails - failsExcess * meets) / (meetsExcess - failsExcess);
    const double lo = std::min(meets, fails);
    const double hi = std::max(meets, fails);
    if (!(middle > lo && middle < hi)) middle = (meets + fails) / 2;
    const TColor c = LineColor(middle, hueShift, span);
    const TMeasured m = Measure(c);
    if (Meets(m, size)) {
      meets = middle;
      meetsColor = c;
      meetsMeasure = m;
      meetsExcess = std::max(Excess(m, size, sizeLog), 0.0);
      if (lastSide == 1) failsExcess /= 2;
      lastSide = 1;
    } else {
      fails = middle;
      failsColor = c;
      failsExcess = std::min(Excess(m, size, sizeLog), -1e-12);
      if (lastSide == -1) meetsExcess /= 2;
      lastSide = -1;
    }
  }
  // The 8-bit neighbours of the boundary colour, one step either way in each channel, come closer to the target
  // than the line's own rounding does; none of them is further from the line's colour than rounding goes.
  // Channels that are equal move together, so that greys stay grey.
  found = meetsColor;
  double best = meetsMeasure.Figure;
  const int r = RedOf(meetsColor), g = GreenOf(meetsColor), b = BlueOf(meetsColor);
  for (int dr = -1; dr <= 1; ++dr)
    for (int dg = -1; dg <= 1; ++dg)
      for (int db = -1; db <= 1; ++db) {
        if ((r == g && dr != dg) || (g == b && dg != db) || (r == b && dr != db)) continue;
        const TColor c = Rgb(std::clamp(r + dr, 0, 255), std::clamp(g + dg, 0, 255), std::clamp(b + db, 0, 255));
        const TMeasured m = Measure(c);
        if (Meets(m, size) && m.Figure < best) {
          best = m.Figure;
          found = c;
        }
      }
  found = Settle(found, size);
  return meets;
}

// Moves `c` towards the background one 8-bit step in every channel for as long as it still meets `size`.
TColor TScaleBuilder::Settle(TColor c, double size) const {
  const int step = darkSide_ ? 1 : -1;
  for (;;) {
    const TColor next = Rgb(std::clamp(RedOf(c) + step, 0, 255), std::clamp(GreenOf(c) + step, 0, 255),
                            std::clamp(BlueOf(c) + step, 0, 255));
    if (next == c || !Meets(next, size)) return c;
    c = next;
  }
}

void TScaleBuilder::ComputeContrast(std::vector<TScaleSwatch>& swatches, double hueShift, double span) {
  const TLineEnds ends = LineEnds(hueShift, span);
  for (int i = 0; i < Count(); ++i) {
    TScaleSwatch& swatch = swatches[static_cast<std::size_t>(i)];
    if (PinAt(i)) {
      swatch.AimLightness = LchOf(swatch.Color).L;
      continue;
    }
    TColor found = clBlack;
    const std::optional<double> lightness =
        SolveLightnessFor(std::abs(targets_[static_cast<std::size_t>(i)]), hueShift, span, ends, found);
    if (!lightness) {
      // Not expected: the target was checked against the end of the line, which the line reaches exactly.
      Fail(i, Step(i) + ": no colour of the base's line meets the target");
      continue;
    }
    swatch.Color = found;
    swatch.AimLightness = *lightness;
  }
}

// Lightness must rise or fall strictly along the steps, in the direction the targets set.
bool TScaleBuilder::CheckOrder(const std::vector<TScaleSwatch>& swatches) {
  if (Count() < 2) return true;
  bool rising = targets_.back() > targets_.front();
  if (options_.Mode == TScaleMode::Contrast)
    rising = std::abs(targets_.back()) > std::abs(targets_.front()) ? !darkSide_ : darkSide_;
  const std::size_t before = errors_.size();
  for (int i = 1; i < Count(); ++i) {
    const TScaleSwatch& a = swatches[static_cast<std::size_t>(i - 1)];
    const TScaleSwatch& b = swatches[static_cast<std::size_t>(i)];
    if (rising ? b.Lch.L > a.Lch.L : b.Lch.L < a.Lch.L) continue;
    Fail(i, Step(i - 1) + " (" + Hex(a.Color) + ") and " + Step(i) + " (" + Hex(b.Color) + ") " +
                (a.Color == b.Color ? "come out as the same colour" : "come out in the wrong order") +
                ": their targets or pinned colours are too close for 8-bit sRGB");
  }
  return errors_.size() == before;
}

void TScaleBuilder::FillFigures(TScaleSwatch& swatch) const {
  const TColor c = swatch.Color;
  swatch.Lch = LchOf(c);
  const double luminance = RelativeLuminance(c);
  const TApcaTerms terms = ApcaTermsOf(c);
  swatch.WhiteRatio = ContrastRatio(luminance, 1.0);
  swatch.BlackRatio = ContrastRatio(luminance, 0.0);
  static const TApcaTerms white = ApcaTermsOf(clWhite), black = ApcaTermsOf(clBlack);
  swatch.WhiteTextLc = ApcaContrast(white, terms);
  swatch.BlackTextLc = ApcaContrast(black, terms);
  swatch.BackgroundRatio = ContrastRatio(luminance, backLuminance_);
  swatch.BackgroundLc = ApcaContrast(terms, backApca_);
}

TTonalScale TScaleBuilder::Build(TColor baseColor) {
  TTonalScale scale;
  const bool stepsOk = CheckSteps();
  const bool colorsOk = CheckColors(baseColor);
  if (!stepsOk || !colorsOk || !CheckTargets()) return scale;
  const TColor base = ColorToRGB(baseColor);
  base_ = LchOf(base);
  PrepareContrast(base);
  if (options_.Mode == TScaleMode::Contrast && !CheckContrastTargets()) return scale;
  if (!PlacePins(base)) return scale;

  std::vector<TScaleSwatch> swatches(options_.Steps.size());
  for (int i = 0; i < Count(); ++i) {
    TScaleSwatch& swatch = swatches[static_cast<std::size_t>(i)];
    swatch.Name = options_.Steps[static_cast<std::size_t>(i)];
    swatch.Target = targets_[static_cast<std::size_t>(i)];
    if (const TPin* pin = PinAt(i)) {
      swatch.Color = pin->Color;
      swatch.Pin = pin->Kind;
    }
  }
  if (options_.Mode == TScaleMode::Lightness) {
    ComputeLightness(swatches);
  } else {
    ComputeContrast(swatches, 0, 1);
    if (options_.HueShift != 0 && errors_.empty()) {
      // The turn spreads over the lightness the steps span, known once they are found without it.
      const auto [lo, hi] = std::minmax_element(swatches.begin(), swatches.end(), [](const auto& a, const auto& b) {
        return a.AimLightness < b.AimLightness;
      });
      const double span = hi->AimLightness - lo->AimLightness;
      ComputeContrast(swatches, options_.HueShift, span > 0 ? span : 1.0);
    }
  }
  if (!errors_.empty()) return scale;
  for (TScaleSwatch& swatch : swatches) FillFigures(swatch);
  if (!CheckOrder(swatches)) return scale;
  scale.Swatches = std::move(swatches);
  return scale;
}

// DefaultScaleTargets, remembered for the options last asked: a batch asks the same for base after base.
std::vector<double> DefaultTargetsOf(const TScaleOptions& options, std::vector<TScaleError>& errors) {
  struct TMemo {
    bool Valid = false;
    std::vector<std::string> Steps;
    TStepNumbering Numbering = TStepNumbering::Css;
    TScaleMode Mode = TScaleMode::Lightness;
    TScaleMeasure Measure = TScaleMeasure::Wcag;
    TColor Background = clWhite;
    std::vector<double> Targets;
    std::vector<TScaleError> Errors;
  };
  thread_local TMemo memo;
  const TColor background = ColorToRGB(options.Background);
  if (!memo.Valid || memo.Steps != options.Steps || memo.Numbering != options.Numbering ||
      memo.Mode != options.Mode || memo.Measure != options.Measure || memo.Background != background) {
    memo.Valid = false;
    memo.Errors.clear();
    memo.Targets = DefaultScaleTargets(options, memo.Errors);
    memo.Steps = options.Steps;
    memo.Numbering = options.Numbering;
    memo.Mode = options.Mode;
    memo.Measure = options.Measure;
    memo.Background = background;
    memo.Valid = true;
  }
  errors.insert(errors.end(), memo.Errors.begin(), memo.Errors.end());
  return memo.Targets;
}

// The Lc of a grey on the background to 0.1 towards 0; a grey APCA cannot tell from the background, though it
// differs, gets the smallest Lc APCA gives, so that a near-white step does not become the background itself.
double ApcaTarget(TColor grey, TColor background) {
  const double lc = std::trunc(ApcaContrast(grey, background) * 10) / 10;
  if (lc != 0 || grey == background) return lc;
  return RelativeLuminance(grey) <= RelativeLuminance(background) ? SmallestLc : -SmallestLc;
}

}  // namespace

TOkLch ScaleLineAt(const TOkLch& base, double lightness, double hueShift, double span) {
  const double L = std::clamp(std::isfinite(lightness) ? lightness : 0.0, 0.0, 1.0);
  // The share of the way from the base to white or to black, 0 at the base and 1 at the end; the chroma falls
  // as 1 - share^2, flat at the peak and steepest at the end, so tints keep some colour.
  double share = 1;
  if (L >= base.L) {
    if (base.L < 1) share = (L - base.L) / (1 - base.L);
  } else {
    share = (base.L - L) / base.L;
  }
  share = std::clamp(share, 0.0, 1.0);
  const double chroma = base.C * (1 - share * share);
  double hue = base.h;
  if (span > 0 && std::isfinite(hueShift)) hue += hueShift * (base.L - L) / span;
  hue = std::fmod(hue, 360.0);
  if (hue < 0) hue += 360;
  return {L, chroma, hue};
}

std::vector<double> DefaultScaleTargets(const TScaleOptions& options, std::vector<TScaleError>& errors) {
  std::vector<double> lightness;
  const std::size_t before = errors.size();
  for (std::size_t i = 0; i < options.Steps.size(); ++i) {
    const std::optional<double> L = DefaultStepLightness(options.Steps[i], options.Numbering);
    if (!L) {
      errors.push_back({static_cast<int>(i), "step " + options.Steps[i] +
                                                 " has no default target: it is not a number from 0 to " +
                                                 (options.Numbering == TStepNumbering::Css ? "1000" : "100")});
      continue;
    }
    lightness.push_back(*L);
  }
  if (errors.size() != before) return {};
  if (options.Mode == TScaleMode::Lightness) return lightness;

  const TColor background = ColorToRGB(options.Background);
  const double backLuminance = RelativeLuminance(background);
  std::vector<double> targets;
  int darker = 0;
  for (const double L : lightness) {
    const TColor grey = SrgbToColor(OkLabToSrgb({L, 0, 0}));
    const double luminance = RelativeLuminance(grey);
    darker += luminance <= backLuminance ? 1 : 0;
    if (options.Measure == TScaleMeasure::Wcag)
      targets.push_back(std::floor(ContrastRatio(luminance, backLuminance) * 100) / 100);
    else
      targets.push_back(ApcaTarget(grey, background));
  }
  if (darker != 0 && darker != static_cast<int>(targets.size())) {
    errors.push_back({-1, "against " + Hex(background) +
                              " the default contrast targets would rise and fall; give targets for contrast mode"});
    return {};
  }
  for (std::size_t i = 1; i < targets.size(); ++i)
    if (targets[i] == targets[i - 1])
      errors.push_back({static_cast<int>(i), "step " + options.Steps[i] + ": against " + Hex(background) +
                                                 Format(" its default target %g is that of step ", targets[i]) +
                                                 options.Steps[i - 1] +
                                                 ", as the measure cannot tell them apart; give targets"});
  if (errors.size() != before) return {};
  return targets;
}

TTonalScale MakeTonalScale(TColor base, const TScaleOptions& options) {
  std::vector<TScaleError> errors;
  TTonalScale scale = TScaleBuilder(options, errors).Build(base);
  scale.Errors = std::move(errors);
  if (!scale.Errors.empty()) scale.Swatches.clear();
  return scale;
}

std::vector<TTonalScale> MakeTonalScales(std::span<const TColor> bases, const TScaleOptions& options) {
  TScaleOptions aligned = options;
  aligned.SpaceAroundBase = false;
  aligned.Locks.clear();
  std::vector<TTonalScale> scales;
  scales.reserve(bases.size());
  for (const TColor base : bases) scales.push_back(MakeTonalScale(base, aligned));
  return scales;
}

TPassingSteps NearestPassingSteps(const TTonalScale& scale, int step, TContrastTarget target) {
  TPassingSteps result;
  const int count = static_cast<int>(scale.Swatches.size());
  if (step < 0 || step >= count) return result;
  const TColor back = scale.Swatches[static_cast<std::size_t>(step)].Color;
  const double backLuminance = RelativeLuminance(back);
  for (const int direction : {-1, 1}) {
    for (int i = step + direction; i >= 0 && i < count; i += direction) {
      const TColor text = scale.Swatches[static_cast<std::size_t>(i)].Color;
      if (!MeetsContrastTarget(target, MeasureContrast(text, back).Ratio, ApcaContrast(text, back))) continue;
      (RelativeLuminance(text) > backLuminance ? result.Lighter : result.Darker) = i;
      break;
    }
  }
  return result;
}

}  // namespace tintorium
