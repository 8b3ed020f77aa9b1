#include "ColorModels.h"

#include "FastLab.h"

#include "Rounding.h"
#include "SystemColors.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

namespace tintorium {

namespace {

using Ext = long double;

// Typed double constants; arithmetic on them happens in extended precision.
constexpr double Xn = 0.96422, Yn = 1.0, Zn = 0.82521;
constexpr double M00 = 0.4360747, M01 = 0.3850649, M02 = 0.1430804;
constexpr double M10 = 0.2225045, M11 = 0.7168786, M12 = 0.0606169;
constexpr double M20 = 0.0139322, M21 = 0.0971045, M22 = 0.7141733;
constexpr double N00 = 3.1338561, N01 = -1.6168667, N02 = -0.4906146;
constexpr double N10 = -0.9787684, N11 = 1.9161415, N12 = 0.0334540;
constexpr double N20 = 0.0719453, N21 = -0.2289914, N22 = 1.4052427;
constexpr double LinearThreshold = 0.0031308;
constexpr double Slope = 12.92, Offset = 0.055, Scale = 1.055, Gamma = 2.4;
constexpr double Epsilon = 0.008856, Kappa = 903.3, KappaEpsilon = 7.9996248;

double Held(Ext x) { return static_cast<double>(x); }

// The cube root in extended precision: one Newton step from the double root lands within the extended type's
// own rounding, and is several times quicker than the extended library routine.
Ext ExtendedCbrt(double t) {
  const Ext y = std::cbrt(t);
  return y - (y * y * y - t) / (3 * y * y);
}

double LabF(double t) {
  if (t > Epsilon) return Held(ExtendedCbrt(t));
  return Held((Kappa * static_cast<Ext>(t) + 16) / 116);
}

Ext LabFInverse(double f) {
  const Ext cube = static_cast<Ext>(f) * f * f;
  if (cube > Epsilon) return cube;
  return (116 * static_cast<Ext>(f) - 16) / Kappa;
}

double Compand(double c) {
  if (c <= LinearThreshold) return Held(Slope * static_cast<Ext>(c));
  return Held(Scale * std::pow(static_cast<Ext>(c), 1 / static_cast<Ext>(Gamma)) - Offset);
}

std::int32_t EncodedChannel(double c) {
  if (!(c > 0)) return 0;
  return std::min(Round(static_cast<Ext>(c) * 255), 255);
}

std::int32_t LimitAB(std::int32_t v) { return std::max(std::min(v, 127), -128); }

}  // namespace

namespace detail {

std::int32_t LinearToChannelFormula(double linear) { return EncodedChannel(Compand(linear)); }

namespace {

// The channel is a non-decreasing step function of the linear value, so the 255 places where it steps up,
// found once by bisection over the doubles with the formula itself, give it exactly.
struct TChannelSteps {
  std::array<double, 256> firstOf{};  // firstOf[k]: the least double whose channel is at least k (k = 1-255)

  TChannelSteps() {
    const auto bitsOf = [](double d) { return std::bit_cast<std::uint64_t>(d); };
    for (int k = 1; k <= 255; ++k) {
      std::uint64_t below = bitsOf(0.0), atOrAbove = bitsOf(1.0);
      while (atOrAbove - below > 1) {
        const std::uint64_t middle = below + (atOrAbove - below) / 2;
        (LinearToChannelFormula(std::bit_cast<double>(middle)) >= k ? atOrAbove : below) = middle;
      }
      firstOf[k] = std::bit_cast<double>(atOrAbove);
    }
  }
};

}  // namespace

const std::array<double, 256>& ChannelSteps() {
  static const TChannelSteps steps;
  return steps.firstOf;
}

std::int32_t LinearToChannel(double linear) {
  if (!(linear > 0)) return 0;  // NaN included, as the formula gives
  const std::array<double, 256>& firstOf = ChannelSteps();
  int channel = 0;
  for (int step = 128; step > 0; step /= 2)
    if (firstOf[channel + step] <= linear) channel += step;
  return channel;
}

}  // namespace detail

void ModelName(TColorModel model, std::string& target) {
  if (model < ColorModelCount) target = ColorModelNames[model];
}

TRGBValues ColorToRGBValues(TColor color) {
  const TColor c = ColorToRGB(color);
  return {RedOf(c), GreenOf(c), BlueOf(c)};
}

TColor RGBValuesToColor(const TRGBValues& rgb) {
  return (static_cast<TColor>(rgb.R) & 0xFF) | ((static_cast<TColor>(rgb.G) & 0xFF) << 8) |
         ((static_cast<TColor>(rgb.B) & 0xFF) << 16);
}

std::uint32_t RGBValuesToPixel(const TRGBValues& rgb) {
  return ((static_cast<std::uint32_t>(rgb.R) & 0xFF) << 16) | ((static_cast<std::uint32_t>(rgb.G) & 0xFF) << 8) |
         (static_cast<std::uint32_t>(rgb.B) & 0xFF);
}

THSBValues RGBToHSB(const TRGBValues& rgb) {
  // 64-bit so that records set from hostile data cannot overflow.
  const std::int64_t r = rgb.R, g = rgb.G, b = rgb.B;
  const std::int64_t max = std::max({r, g, b});
  const std::int64_t min = std::min({r, g, b});
  const std::int64_t d = max - min;
  const double q = max == 0 ? 0.0 : Held(static_cast<Ext>(d) / max);
  double h = 0;
  if (q != 0) {
    if (max == r)
      h = Held(60 * static_cast<Ext>(g - b) / d);
    else if (max == g)
      h = Held(60 * static_cast<Ext>(b - r) / d + 120);
    else
      h = Held(60 * static_cast<Ext>(r - g) / d + 240);
    while (h < 0) h = Held(static_cast<Ext>(h) + 360);
  }
  return {Round(h), Round(static_cast<Ext>(q) * 100), Round(static_cast<Ext>(max) / 255 * 100)};
}

namespace {

// Filled once by the formulas; the conversions below look their small integer domains up.
struct TPercentTables {
  std::array<std::uint8_t, 101> to255{};      // Round(p * 2.55), p = 0-100
  std::array<std::int16_t, 201> inkAmount{};  // Round(sum * 255 / 100), sum = 0-200
  TPercentTables() {
    // 2.55 is an untyped literal: extended precision, so 50 gives exactly 127.5.
    for (int p = 0; p <= 100; ++p) to255[p] = static_cast<std::uint8_t>(Round(p * 2.55L));
    for (int sum = 0; sum <= 200; ++sum) inkAmount[sum] = static_cast<std::int16_t>(Round(static_cast<Ext>(sum * 255) / 100));
  }
};

const TPercentTables& PercentTables() {
  static const TPercentTables tables;
  return tables;
}

std::int32_t PercentTo255(std::int32_t percent) { return PercentTables().to255[percent]; }

std::int64_t InkAmount(std::int64_t sum) {
  if (sum >= 0 && sum <= 200) return PercentTables().inkAmount[sum];
  return Round(static_cast<Ext>(sum * 255) / 100);
}

}  // namespace

TRGBValues HSBToRGB(const THSBValues& hsb) {
  std::int32_t hue = hsb.H;
  if (hue > 360) hue = (hue - 1) % 360 + 1;  // as repeated subtraction: 361 -> 1, 720 -> 360
  if (hue < 0) hue = hue % 360 == 0 ? 0 : hue % 360 + 360;
  const std::int32_t sat = std::clamp(hsb.S, 0, 100);
  const std::int32_t bri = std::clamp(hsb.B, 0, 100);
  const std::int32_t s = PercentTo255(sat);
  const std::int32_t v = PercentTo255(bri);
  if (s == 0) return {v, v, v};
  const std::int32_t h = hue == 360 ? 0 : hue;
  const std::int32_t i = h / 60;
  const std::int32_t f = h % 60;
  const std::int32_t p = v - (v * s) / 255;
  const std::int32_t q = v - (v * s * f) / 15300;
  const std::int32_t t = v - (v * s * (60 - f)) / 15300;
  switch (i) {
    case 0: return {v, t, p};
    case 1: return {q, v, p};
    case 2: return {p, v, t};
    case 3: return {p, q, v};
    case 4: return {t, p, v};
    default: return {v, p, q};
  }
}

namespace {

std::int32_t Ink(std::int32_t value) { return Round(static_cast<Ext>(255 - static_cast<std::int64_t>(value)) / 255 * 100); }

// Ink of 0-255, filled once by the formula.
struct TInkTable {
  std::array<std::int8_t, 256> values{};
  TInkTable() {
    for (int v = 0; v < 256; ++v) values[v] = static_cast<std::int8_t>(Ink(v));
  }
};

std::int32_t InkOf(std::int32_t value) {
  static const TInkTable table;
  if (value >= 0 && value <= 255) return table.values[value];
  return Ink(value);
}

}  // namespace

TCMYKValues RGBToCMYK(const TRGBValues& rgb) {
  const auto ink = InkOf;
  const std::int32_t c = ink(rgb.R), m = ink(rgb.G), y = ink(rgb.B);
  const std::int32_t k = std::min({c, m, y});
  return {c - k, m - k, y - k, k};
}

TRGBValues CMYKToRGB(const TCMYKValues& cmyk) {
  auto channel = [&](std::int32_t ink) {
    const std::int64_t sum = static_cast<std::int64_t>(ink) + cmyk.K;
    const std::int64_t x = std::min<std::int64_t>(InkAmount(sum), 255);
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(255 - x, INT32_MIN, INT32_MAX));
  };
  return {channel(cmyk.C), channel(cmyk.M), channel(cmyk.Y)};
}

namespace {

double Linear(std::int32_t value) {
  if (value >= 0 && value <= 255) return detail::LinearTable()[value];
  return detail::SRGBToLinear(value);
}

}  // namespace

TXYZ RGBToXYZ(const TRGBValues& rgb) {
  const Ext r = Linear(rgb.R);
  const Ext g = Linear(rgb.G);
  const Ext b = Linear(rgb.B);
  return {Held(M00 * r + M01 * g + M02 * b), Held(M10 * r + M11 * g + M12 * b), Held(M20 * r + M21 * g + M22 * b)};
}

TRGBValues XYZToRGB(const TXYZ& xyz) {
  const Ext x = xyz.X, y = xyz.Y, z = xyz.Z;
  const double r = Held(N00 * x + N01 * y + N02 * z);
  const double g = Held(N10 * x + N11 * y + N12 * z);
  const double b = Held(N20 * x + N21 * y + N22 * z);
  return {detail::LinearToChannel(r), detail::LinearToChannel(g), detail::LinearToChannel(b)};
}

TLabValues XYZToLab(const TXYZ& xyz) {
  const double fx = LabF(Held(static_cast<Ext>(xyz.X) / Xn));
  const double fy = LabF(Held(static_cast<Ext>(xyz.Y) / Yn));
  const double fz = LabF(Held(static_cast<Ext>(xyz.Z) / Zn));
  std::int32_t l = std::min(Round(116 * static_cast<Ext>(fy) - 16), 100);
  if (l < 0) l = 0;
  const std::int32_t a = LimitAB(Round(500 * (static_cast<Ext>(fx) - fy)));
  const std::int32_t b = LimitAB(Round(200 * (static_cast<Ext>(fy) - fz)));
  return {l, a, b};
}

TXYZ LabToXYZ(const TLabValues& lab) {
  const double fy = Held((static_cast<Ext>(lab.L) + 16) / 116);
  const double fx = Held(static_cast<Ext>(lab.a) / 500 + fy);
  const double fz = Held(fy - static_cast<Ext>(lab.b) / 200);
  const Ext yr = lab.L > KappaEpsilon ? static_cast<Ext>(fy) * fy * fy : lab.L / static_cast<Ext>(Kappa);
  return {Held(LabFInverse(fx) * Xn), Held(yr * Yn), Held(LabFInverse(fz) * Zn)};
}

// RGBToLab is in FastLab.cpp.
void RGBToLabMany(const TRGBValues* rgb, TLabValues* lab, std::size_t count) {
  detail::FastRGBToLabMany(rgb, lab, count, RGBToLab);
}

TRGBValues LabToRGB(const TLabValues& lab) { return XYZToRGB(LabToXYZ(lab)); }

THSBValues CMYKToHSB(const TCMYKValues& cmyk) { return RGBToHSB(CMYKToRGB(cmyk)); }
THSBValues LabToHSB(const TLabValues& lab) { return RGBToHSB(LabToRGB(lab)); }
TCMYKValues HSBToCMYK(const THSBValues& hsb) { return RGBToCMYK(HSBToRGB(hsb)); }
TCMYKValues LabToCMYK(const TLabValues& lab) { return RGBToCMYK(LabToRGB(lab)); }
TLabValues HSBToLab(const THSBValues& hsb) { return RGBToLab(HSBToRGB(hsb)); }
TLabValues CMYKToLab(const TCMYKValues& cmyk) { return RGBToLab(CMYKToRGB(cmyk)); }

THSBValues ColorToHSB(TColor color) { return RGBToHSB(ColorToRGBValues(color)); }
TCMYKValues ColorToCMYK(TColor color) { return RGBToCMYK(ColorToRGBValues(color)); }
TLabValues ColorToLab(TColor color) { return RGBToLab(ColorToRGBValues(color)); }
TColor HSBToColor(const THSBValues& hsb) { return RGBValuesToColor(HSBToRGB(hsb)); }
TColor CMYKToColor(const TCMYKValues& cmyk) { return RGBValuesToColor(CMYKToRGB(cmyk)); }
TColor LabToColor(const TLabValues& lab) { return RGBValuesToColor(LabToRGB(lab)); }

}  // namespace tintorium
