#include "core/ContrastFix.h"

#include "core/Contrast.h"
#include "core/OkLab.h"
#include "core/SystemColors.h"

namespace tintorium {
namespace {

// Lightness samples along the line; between a failing and a passing sample the boundary is found by bisection,
// so the grid only has to be fine enough not to step over a whole passing stretch.
constexpr int LineSamples = 1024;
constexpr int BisectionSteps = 40;

TColor LineColor(const TOkLch& line, double lightness) {
  const TColor color = SrgbToColor(GamutMapToSrgb({lightness, line.C, line.h}));
  // On the grey line the channels can still part by one at a rounding boundary.
  if (line.C == 0) return static_cast<TColor>(GreenOf(color)) * 0x010101u;
  return color;
}

// A grey's OKLab a and b are rounding noise, not a hue: its line is the greys, or the noise tints the result.
TOkLch GreyLine(TColor text, TOkLch line) {
  const TColor rgb = ColorToRGB(text);
  if (RedOf(rgb) == GreenOf(rgb) && GreenOf(rgb) == BlueOf(rgb)) line.C = 0;
  return line;
}

class THueLineSearch {
 public:
  THueLineSearch(TColor text, TColor background, TContrastTarget target)
      : origin_(SrgbToOkLab(ColorToSrgb(text))),
        line_(GreyLine(text, OkLabToOkLch(origin_))),
        backLuminance_(RelativeLuminance(background)),
        backApca_(ApcaTermsOf(background)),
        target_(target) {}

  TColor At(double lightness) const { return LineColor(line_, lightness); }

  TContrastFix Measure(TColor color) const {
    TContrastFix fix;
    fix.Color = color;
    fix.DeltaEOK = DeltaEOK(origin_, SrgbToOkLab(ColorToSrgb(color)));
    fix.Ratio = ContrastRatio(RelativeLuminance(color), backLuminance_);
    fix.Lc = ApcaContrast(ApcaTermsOf(color), backApca_);
    return fix;
  }

  bool Meets(const TContrastFix& fix) const { return MeetsContrastTarget(target_, fix.Ratio, fix.Lc); }

  void Offer(const TContrastFix& fix) {
    if (Meets(fix) && (!best_ || fix.DeltaEOK < best_->DeltaEOK)) best_ = fix;
  }

  // `failing` and `passing` are lightnesses whose colours fail and meet the target.
  void OfferBoundary(double failing, double passing) {
    for (int i = 0; i < BisectionSteps; ++i) {
      const double middle = (failing + passing) / 2;
      (Meets(Measure(At(middle))) ? passing : failing) = middle;
    }
    Offer(Measure(At(passing)));
  }

  void Sweep() {
    bool previous = false;
    for (int i = 0; i <= LineSamples; ++i) {
      const double lightness = static_cast<double>(i) / LineSamples;
      const TContrastFix fix = Measure(At(lightness));
      const bool meets = Meets(fix);
      Offer(fix);
      if (i > 0 && meets != previous) {
        const double before = static_cast<double>(i - 1) / LineSamples;
        meets ? OfferBoundary(before, lightness) : OfferBoundary(lightness, before);
      }
      previous = meets;
    }
  }

  const std::optional<TContrastFix>& Best() const { return best_; }

 private:
  TOkLab origin_;
  TOkLch line_;
  double backLuminance_;
  TApcaTerms backApca_;
  TContrastTarget target_;
  std::optional<TContrastFix> best_;
};

}  // namespace

std::optional<TContrastFix> SuggestContrastFix(TColor text, TColor background, TContrastTarget target) {
  const TColor textRgb = ColorToRGB(text);
  THueLineSearch search(textRgb, ColorToRGB(background), target);
  const TContrastFix itself = search.Measure(textRgb);
  if (search.Meets(itself)) return itself;
  search.Sweep();
  return search.Best();
}

TColor HueLineColor(TColor text, double lightness) {
  return LineColor(GreyLine(text, OkLabToOkLch(SrgbToOkLab(ColorToSrgb(text)))), lightness);
}

}  // namespace tintorium
