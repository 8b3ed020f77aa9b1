#include "core/CssColorChannels.h"

#include "core/CssCase.h"
#include "core/CssGamutMap.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tintorium::detail {

namespace {

double WrapHue(double degrees) {
  double h = std::fmod(degrees, 360.0);
  if (h < 0) h += 360;
  return h;
}

TColor3 HslToSrgb(double hue, double s, double l) {
  const auto f = [&](double n) {
    const double k = std::fmod(n + hue / 30, 12.0);
    const double a = s * std::min(l, 1 - l);
    return l - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
  };
  return {f(0), f(8), f(4)};
}

TColor3 HwbToSrgb(double hue, double w, double b) {
  if (w + b >= 1) {
    const double grey = w / (w + b);
    return {grey, grey, grey};
  }
  const TColor3 pure = HslToSrgb(hue, 1, 0.5);
  const auto mix = [&](double c) { return c * (1 - w - b) + w; };
  return {mix(pure.X), mix(pure.Y), mix(pure.Z)};
}

}  // namespace

std::nullopt_t TCssChannelReader::Fail(std::string message) {
  Error = std::move(message);
  return std::nullopt;
}

// A number, a percentage scaled so that 100% is `percentFull`, or none (0); angles refused.
std::optional<double> TCssChannelReader::Scaled(const std::string& fn, const TComponent& c, std::string_view what,
                                                double numberScale, double percentFull) {
  switch (c.Unit) {
    case TUnit::None:
      return 0.0;
    case TUnit::Number:
      return c.Value * numberScale;
    case TUnit::Percent:
      return c.Value / 100 * percentFull;
    default:
      return Fail(Quoted(c.Text) + " in " + fn + " is not valid for " + std::string(what));
  }
}

std::optional<double> TCssChannelReader::Hue(const std::string& fn, const TComponent& c) {
  switch (c.Unit) {
    case TUnit::None:
      return 0.0;
    case TUnit::Number:
    case TUnit::Deg:
      return WrapHue(c.Value);
    case TUnit::Rad:
      return WrapHue(c.Value * 180 / 3.14159265358979323846);
    case TUnit::Grad:
      return WrapHue(c.Value * 0.9);
    case TUnit::Turn:
      return WrapHue(c.Value * 360);
    default:
      return Fail(Quoted(c.Text) + " in " + fn + " is not a hue (a number or an angle)");
  }
}

std::optional<TColor3> TCssChannelReader::RgbChannels(const std::string& fn, const TChannels& ch) {
  if (ch.Legacy) {
    const bool percent = ch.C[0].Unit == TUnit::Percent;
    for (const TComponent& c : ch.C)
      if ((c.Unit == TUnit::Percent) != percent)
        return Fail(fn + " with commas takes all numbers or all percentages");
  }
  TColor3 v;
  for (std::size_t i = 0; i < 3; ++i) {
    const auto value = Scaled(fn, ch.C[i], "a channel", 1.0 / 255, 1.0);
    if (!value) return std::nullopt;
    (i == 0 ? v.X : i == 1 ? v.Y : v.Z) = std::clamp(*value, 0.0, 1.0);
  }
  return v;
}

std::optional<TColor3> TCssChannelReader::HslChannels(const std::string& fn, const TChannels& ch) {
  const auto h = Hue(fn, ch.C[0]);
  if (!h) return std::nullopt;
  if (ch.Legacy && (ch.C[1].Unit != TUnit::Percent || ch.C[2].Unit != TUnit::Percent))
    return Fail(fn + " with commas takes saturation and lightness as percentages");
  const auto s = Scaled(fn, ch.C[1], "saturation", 0.01, 1.0);
  if (!s) return std::nullopt;
  const auto l = Scaled(fn, ch.C[2], "lightness", 0.01, 1.0);
  if (!l) return std::nullopt;
  return HslToSrgb(*h, std::clamp(*s, 0.0, 1.0), std::clamp(*l, 0.0, 1.0));
}

std::optional<TColor3> TCssChannelReader::HwbChannels(const std::string& fn, const TChannels& ch) {
  const auto h = Hue(fn, ch.C[0]);
  if (!h) return std::nullopt;
  const auto w = Scaled(fn, ch.C[1], "whiteness", 0.01, 1.0);
  if (!w) return std::nullopt;
  const auto b = Scaled(fn, ch.C[2], "blackness", 0.01, 1.0);
  if (!b) return std::nullopt;
  return HwbToSrgb(*h, std::clamp(*w, 0.0, 1.0), std::clamp(*b, 0.0, 1.0));
}

// lab(), lch(), oklab(), oklch(): percentages as CSS Color 4 scales them; lightness clamped, chroma at least 0.
std::optional<TColor3> TCssChannelReader::LabLikeChannels(const std::string& fn, const std::string& name,
                                                          const TChannels& ch) {
  const bool ok = name.starts_with("ok");
  const bool polar = name.ends_with("lch");
  const double lFull = ok ? 1.0 : 100.0;
  const auto L = Scaled(fn, ch.C[0], "lightness", 1.0, lFull);
  if (!L) return std::nullopt;
  const double lightness = std::clamp(*L, 0.0, lFull);
  // Past these sizes the result no longer changes; the bound keeps the cubes finite.
  const double limit = ok ? 1e4 : 1e6;
  if (polar) {
    const auto C = Scaled(fn, ch.C[1], "chroma", 1.0, ok ? 0.4 : 150.0);
    if (!C) return std::nullopt;
    const auto h = Hue(fn, ch.C[2]);
    if (!h) return std::nullopt;
    const double chroma = std::clamp(*C, 0.0, limit);
    if (ok) return MappedFromOkLch({lightness, chroma, *h});
    return MappedFromCssLch({lightness, chroma, *h});
  }
  const double abFull = ok ? 0.4 : 125.0;
  const auto a = Scaled(fn, ch.C[1], "a", 1.0, abFull);
  if (!a) return std::nullopt;
  const auto b = Scaled(fn, ch.C[2], "b", 1.0, abFull);
  if (!b) return std::nullopt;
  const double av = std::clamp(*a, -limit, limit), bv = std::clamp(*b, -limit, limit);
  if (ok) return MappedFromOkLab({lightness, av, bv});
  return MappedFromCssLab({lightness, av, bv});
}

std::optional<TColor3> TCssChannelReader::ColorSpaceChannels(const std::string& fn, std::string_view space,
                                                             const TChannels& ch) {
  TColor3 v;
  for (int i = 0; i < 3; ++i) {
    const auto value = Scaled(fn, ch.C[static_cast<std::size_t>(i)], "channel", 1.0, 1.0);
    if (!value) return std::nullopt;
    (i == 0 ? v.X : i == 1 ? v.Y : v.Z) = *value;
  }
  if (EqualsNoCase(space, "srgb")) return MappedFromSrgb(v);
  if (EqualsNoCase(space, "srgb-linear")) return MappedFromLinearSrgb(v);
  if (EqualsNoCase(space, "display-p3")) return MappedFromDisplayP3(v);
  if (EqualsNoCase(space, "xyz") || EqualsNoCase(space, "xyz-d65")) return MappedFromXyzD65(v);
  if (EqualsNoCase(space, "xyz-d50")) return MappedFromXyzD50(v);
  return Fail("color() space " + Quoted(space) +
              " is not supported (use srgb, srgb-linear, display-p3, xyz, xyz-d50 or xyz-d65)");
}

std::optional<TCssColor> TCssChannelReader::Finish(const std::string& fn, const std::optional<TColor3>& srgb,
                                                   const TChannels& ch) {
  if (!srgb) return std::nullopt;
  TCssColor color;
  color.Color = SrgbToColor(*srgb);
  if (ch.Alpha) {
    const auto alpha = Scaled(fn, *ch.Alpha, "alpha", 1.0, 1.0);
    if (!alpha) return std::nullopt;
    color.Alpha = std::clamp(*alpha, 0.0, 1.0);
  }
  return color;
}

}  // namespace tintorium::detail
