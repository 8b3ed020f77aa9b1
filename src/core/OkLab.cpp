#include "OkLab.h"

#include "ColorModels.h"
#include "Rounding.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace tintorium {

namespace {

using TMatrix = double[3][3];

// Inlined: the gamut map's search runs it a few dozen times a colour.
[[gnu::always_inline]] inline TColor3 Multiply(const TMatrix& m, const TColor3& v) {
  return {m[0][0] * v.X + m[0][1] * v.Y + m[0][2] * v.Z, m[1][0] * v.X + m[1][1] * v.Y + m[1][2] * v.Z,
          m[2][0] * v.X + m[2][1] * v.Y + m[2][2] * v.Z};
}

// CSS Color 4, sample code for colour conversions: the sRGB and display-p3 matrices as exact rationals, OKLab's
// recalculated for the same D65 white.
constexpr TMatrix LinearSrgbToXyz = {{506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
                                     {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
                                     {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270}};
constexpr TMatrix XyzToLinearSrgb = {{12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
                                     {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
                                     {705.0 / 12673, -2585.0 / 12673, 705.0 / 667}};
constexpr TMatrix LinearP3ToXyz = {{608311.0 / 1250200, 189793.0 / 714400, 198249.0 / 1000160},
                                   {35783.0 / 156275, 247089.0 / 357200, 198249.0 / 2500400},
                                   {0.0, 32229.0 / 714400, 5220557.0 / 5000800}};
constexpr TMatrix D65ToD50 = {{1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
                              {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
                              {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371}};
constexpr TMatrix D50ToD65 = {{0.955473421488075, -0.02309845494876471, 0.06325924320057072},
                              {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
                              {0.012314014864481998, -0.020507649298898964, 1.330365926242124}};
constexpr TMatrix XyzToLms = {{0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
                              {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
                              {0.0481771893596242, 0.2642395317527308, 0.6335478284694309}};
constexpr TMatrix LmsToOkLab = {{0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
                                {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
                                {0.0259040424655478, 0.7827717124575296, -0.8086757660310667}};
constexpr TMatrix OkLabToLms = {{1.0, 0.3963377773761749, 0.2158037573099136},
                                {1.0, -0.1055613458156586, -0.0638541728258133},
                                {1.0, -0.0894841775298119, -1.2914855480194092}};
constexpr TMatrix LmsToXyz = {{1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
                              {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
                              {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816}};

// The D50 white from its chromaticity, as CSS Color 4 writes it; Lab's ε and κ as exact fractions.
constexpr TColor3 WhiteD50 = {0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};
constexpr double LabEpsilon = 216.0 / 24389;
constexpr double LabKappa = 24389.0 / 27;

constexpr double GamutJnd = 0.02;
constexpr double GamutEpsilon = 0.0001;
// How near the JND (or the JND less epsilon) an estimated deltaE must come to be computed in full: a thousand times
// the estimate's worst error.
constexpr double DeltaMargin = 1e-9;

double Degrees(double radians) { return radians * 180.0 / std::numbers::pi; }
double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

double HueOf(double a, double b) {
  if (a == 0 && b == 0) return 0;
  const double h = Degrees(std::atan2(b, a));
  return h < 0 ? h + 360 : h;
}

double Clip01(double c) { return c > 0 ? std::min(c, 1.0) : 0.0; }  // NaN -> 0
TColor3 Clip(const TColor3& c) { return {Clip01(c.X), Clip01(c.Y), Clip01(c.Z)}; }
double Finite(double v) { return std::isfinite(v) ? v : 0.0; }

double SrgbCurveToLinear(double c) {
  const double magnitude = std::abs(c);
  if (magnitude <= 0.04045) return c / 12.92;
  return std::copysign(std::pow((magnitude + 0.055) / 1.055, 2.4), c);
}

// The curve at the 255 positive 8-bit values v / 255.0, each exactly as the curve gives it.
const std::array<double, 256>& EightBitLinear() {
  static const std::array<double, 256> table = [] {
    std::array<double, 256> t{};
    for (int v = 0; v < 256; ++v) t[static_cast<std::size_t>(v)] = SrgbCurveToLinear(v / 255.0);
    return t;
  }();
  return table;
}

// Where a linear-light channel lands once gamma-encoded: 1 certainly within 0-1, -1 certainly outside, 0 so near
// an edge that only the encoded value tells. -0 counts as inside, as its encoding -0 does.
int EncodedSide(double linear) {
  if (linear >= 0 && linear <= 1 - 1e-9) return 1;
  if (linear < -1e-300 || linear > 1 + 1e-9) return -1;
  return 0;
}

// InSrgbGamut of the encoded channels, encoding only where the linear values leave it open.
bool EncodedInGamut(const TColor3& linear) {
  const int x = EncodedSide(linear.X), y = EncodedSide(linear.Y), z = EncodedSide(linear.Z);
  if (x < 0 || y < 0 || z < 0) return false;
  if (x > 0 && y > 0 && z > 0) return true;
  return InSrgbGamut({LinearToSrgb(linear.X), LinearToSrgb(linear.Y), LinearToSrgb(linear.Z)});
}

// Clip01 of the encoded channel; a channel certainly outside is clipped without encoding.
double ClippedEncoded(double linear) {
  if (linear < -1e-300) return 0.0;
  if (linear > 1 + 1e-9) return 1.0;
  return Clip01(LinearToSrgb(linear));
}

TColor3 LinearOf(const TOkLab& lab) { return XyzD65ToLinearSrgb(OkLabToXyzD65(lab)); }

// The linear light at which 8-bit rounding turns from k to k + 1: the curve at (k + 0.5) / 255.
const std::array<double, 255>& RoundingTurns() {
  static const std::array<double, 255> turns = [] {
    std::array<double, 255> t{};
    for (int k = 0; k < 255; ++k) t[static_cast<std::size_t>(k)] = SrgbCurveToLinear((k + 0.5) / 255);
    return t;
  }();
  return turns;
}

// Round(Clip01(LinearToSrgb(linear)) * 255), found among the turns; a value within a relative 1e-9 of a turn,
// where the curve's own error could tip the rounding, is encoded after all.
int EightBitOf(double linear) {
  const std::array<double, 255>& turns = RoundingTurns();
  // The count of turns at or below `linear`: guessed from the bucket it falls in, then walked to exactly.
  constexpr int Buckets = 4096;
  static const std::array<std::uint8_t, Buckets + 1> below = [] {
    const std::array<double, 255>& turns = RoundingTurns();
    std::array<std::uint8_t, Buckets + 1> b{};
    for (int i = 0; i <= Buckets; ++i)
      b[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(
          std::upper_bound(turns.begin(), turns.end(), static_cast<double>(i) / Buckets) - turns.begin());
    return b;
  }();
  std::ptrdiff_t k = 0;
  if (linear >= 1) k = 255;
  else if (linear > 0) k = below[static_cast<std::size_t>(linear * Buckets)];
  while (k > 0 && turns[static_cast<std::size_t>(k - 1)] > linear) --k;
  while (k < 255 && turns[static_cast<std::size_t>(k)] <= linear) ++k;
  const bool clearBelow = k == 0 || linear > turns[static_cast<std::size_t>(k - 1)] * (1 + 1e-9);
  const bool clearAbove = k == 255 || linear < turns[static_cast<std::size_t>(k)] * (1 - 1e-9);
  if (clearBelow && clearAbove) return static_cast<int>(k);
  return Round(Clip01(LinearToSrgb(linear)) * 255.0);
}

// The cube root to within about 1e-14: a guess from the exponent bits within 4 % and two Halley steps, each of
// which cubes the relative error. Zero, negative and tiny values take std::cbrt.
double NearCbrt(double y) {
  if (!(y > 1e-200 && y < 1e200)) return std::cbrt(y);
  double r = std::bit_cast<double>(std::bit_cast<std::uint64_t>(y) / 3 + 0x2A9F7893782DA1CEULL);
  for (int i = 0; i < 2; ++i) {
    const double r3 = r * r * r;
    r *= (r3 + 2 * y) / (2 * r3 + y);
  }
  return r;
}

// SrgbToLinear(ClippedEncoded(c)) to within a few units in the last place: the encoding undone is the channel
// itself. Where clipping is in doubt, and where the two pieces of the curve meet (their ends do not quite agree),
// the round trip is made.
double NearClippedLinear(double linear) {
  if (linear < -1e-300) return 0.0;
  if (linear > 1 + 1e-9) return 1.0;
  if ((linear >= 1e-300 && linear < 0.0031) || (linear > 0.0032 && linear <= 1 - 1e-9)) return linear;
  return SrgbToLinear(ClippedEncoded(linear));
}

// deltaE OK between `lab` and the clip of `linear`, within 1e-12 of what SrgbToOkLab of the clipped colour gives:
// the linear channels are positive, so the relative errors stay those of a few roundings, which the cube root
// divides by three.
double NearClipDelta(const TColor3& linear, const TOkLab& lab) {
  const TColor3 clipped{NearClippedLinear(linear.X), NearClippedLinear(linear.Y), NearClippedLinear(linear.Z)};
  const TColor3 lms = Multiply(XyzToLms, LinearSrgbToXyzD65(clipped));
  const TColor3 ok = Multiply(LmsToOkLab, {NearCbrt(lms.X), NearCbrt(lms.Y), NearCbrt(lms.Z)});
  return DeltaEOK({ok.X, ok.Y, ok.Z}, lab);
}

struct TMapped {
  enum TKind { White, Black, Inside, Clipped } Kind;
  TColor3 Linear;
};

// The gamut map's search, ending in linear light: the colour itself when inside, or the colour whose clip is the
// answer.
TMapped MapInLinearLight(const TOkLch& originIn) {
  const TOkLch origin{Finite(originIn.L), Finite(originIn.C), Finite(originIn.h)};
  if (origin.L >= 1) return {TMapped::White, {1, 1, 1}};
  if (origin.L <= 0) return {TMapped::Black, {0, 0, 0}};
  // The search changes only the chroma: the hue's cosine and sine are taken once, and the gamut is told in linear
  // light wherever that is certain, so that the power curve runs only for colours that are kept.
  const double cosH = std::cos(Radians(origin.h)), sinH = std::sin(Radians(origin.h));
  const auto labAt = [&](double chroma) {
    const double C = std::max(chroma, 0.0);
    return TOkLab{origin.L, C * cosH, C * sinH};
  };
  const auto clipOf = [](const TColor3& linear) {
    return TColor3{ClippedEncoded(linear.X), ClippedEncoded(linear.Y), ClippedEncoded(linear.Z)};
  };
  // The search only compares deltaE with the JND and with the JND less epsilon: an estimate far from both
  // decides as the exact figure would, and only one near them is computed in full. The clip returned is encoded
  // from the same linear colour as ever.
  const auto deltaOf = [&](const TColor3& linear, const TOkLab& lab) {
    const double near = NearClipDelta(linear, lab);
    if (std::abs(near - GamutJnd) > DeltaMargin && std::abs(near - (GamutJnd - GamutEpsilon)) > DeltaMargin)
      return near;
    return DeltaEOK(SrgbToOkLab(clipOf(linear)), lab);
  };

  TOkLab lab = labAt(origin.C);
  TColor3 linear = LinearOf(lab);
  if (EncodedInGamut(linear)) return {TMapped::Inside, linear};
  TColor3 clippedFrom = linear;
  if (deltaOf(clippedFrom, lab) < GamutJnd) return {TMapped::Clipped, clippedFrom};

  double min = 0, max = origin.C;
  bool minInGamut = true;
  while (max - min > GamutEpsilon) {
    const double chroma = (min + max) / 2;
    lab = labAt(chroma);
    linear = LinearOf(lab);
    if (minInGamut && EncodedInGamut(linear)) {
      min = chroma;
      continue;
    }
    clippedFrom = linear;
    const double E = deltaOf(clippedFrom, lab);
    if (E < GamutJnd) {
      if (GamutJnd - E < GamutEpsilon) return {TMapped::Clipped, clippedFrom};
      minInGamut = false;
      min = chroma;
    } else {
      max = chroma;
    }
  }
  return {TMapped::Clipped, clippedFrom};
}

}  // namespace

double SrgbToLinear(double c) {
  // 8-bit colours come here as v / 255.0 over and over: those take their value from the table.
  const double scaled = c * 255.0;
  if (scaled > 0 && scaled < 255.5) {
    const int v = static_cast<int>(scaled + 0.5);
    if (v / 255.0 == c) return EightBitLinear()[static_cast<std::size_t>(v)];
  }
  return SrgbCurveToLinear(c);
}

double LinearToSrgb(double c) {
  const double magnitude = std::abs(c);
  if (magnitude <= 0.0031308) return c * 12.92;
  return std::copysign(1.055 * std::pow(magnitude, 1 / 2.4) - 0.055, c);
}

TColor3 ColorToSrgb(TColor color) {
  const TRGBValues rgb = ColorToRGBValues(color);
  return {rgb.R / 255.0, rgb.G / 255.0, rgb.B / 255.0};
}

TColor SrgbToColor(const TColor3& srgb) {
  const TColor3 c = Clip(srgb);
  return RGBValuesToColor({Round(c.X * 255.0), Round(c.Y * 255.0), Round(c.Z * 255.0)});
}

TColor3 LinearSrgbToXyzD65(const TColor3& rgb) { return Multiply(LinearSrgbToXyz, rgb); }
TColor3 XyzD65ToLinearSrgb(const TColor3& xyz) { return Multiply(XyzToLinearSrgb, xyz); }
TColor3 LinearP3ToXyzD65(const TColor3& rgb) { return Multiply(LinearP3ToXyz, rgb); }
TColor3 XyzD65ToD50(const TColor3& xyz) { return Multiply(D65ToD50, xyz); }
TColor3 XyzD50ToD65(const TColor3& xyz) { return Multiply(D50ToD65, xyz); }

TOkLab XyzD65ToOkLab(const TColor3& xyz) {
  const TColor3 lms = Multiply(XyzToLms, xyz);
  const TColor3 lab = Multiply(LmsToOkLab, {std::cbrt(lms.X), std::cbrt(lms.Y), std::cbrt(lms.Z)});
  return {lab.X, lab.Y, lab.Z};
}

TColor3 OkLabToXyzD65(const TOkLab& lab) {
  const TColor3 lms = Multiply(OkLabToLms, {lab.L, lab.a, lab.b});
  return Multiply(LmsToXyz, {lms.X * lms.X * lms.X, lms.Y * lms.Y * lms.Y, lms.Z * lms.Z * lms.Z});
}

TCssLab XyzD50ToCssLab(const TColor3& xyz) {
  const auto f = [](double t) { return t > LabEpsilon ? std::cbrt(t) : (LabKappa * t + 16) / 116; };
  const double fx = f(xyz.X / WhiteD50.X), fy = f(xyz.Y / WhiteD50.Y), fz = f(xyz.Z / WhiteD50.Z);
  return {116 * fy - 16, 500 * (fx - fy), 200 * (fy - fz)};
}

TColor3 CssLabToXyzD50(const TCssLab& lab) {
  const double fy = (lab.L + 16) / 116;
  const double fx = lab.a / 500 + fy;
  const double fz = fy - lab.b / 200;
  const auto inverse = [](double t) {
    const double cube = t * t * t;
    return cube > LabEpsilon ? cube : (116 * t - 16) / LabKappa;
  };
  const double yr = lab.L > LabKappa * LabEpsilon ? fy * fy * fy : lab.L / LabKappa;
  return {inverse(fx) * WhiteD50.X, yr * WhiteD50.Y, inverse(fz) * WhiteD50.Z};
}

TOkLch OkLabToOkLch(const TOkLab& lab) { return {lab.L, std::hypot(lab.a, lab.b), HueOf(lab.a, lab.b)}; }
TOkLab OkLchToOkLab(const TOkLch& lch) {
  const double C = std::max(lch.C, 0.0);
  return {lch.L, C * std::cos(Radians(lch.h)), C * std::sin(Radians(lch.h))};
}
TCssLch CssLabToCssLch(const TCssLab& lab) { return {lab.L, std::hypot(lab.a, lab.b), HueOf(lab.a, lab.b)}; }
TCssLab CssLchToCssLab(const TCssLch& lch) {
  const double C = std::max(lch.C, 0.0);
  return {lch.L, C * std::cos(Radians(lch.h)), C * std::sin(Radians(lch.h))};
}

TOkLab SrgbToOkLab(const TColor3& srgb) {
  const TColor3 linear{SrgbToLinear(srgb.X), SrgbToLinear(srgb.Y), SrgbToLinear(srgb.Z)};
  return XyzD65ToOkLab(LinearSrgbToXyzD65(linear));
}

TColor3 XyzD65ToSrgb(const TColor3& xyz) {
  const TColor3 linear = XyzD65ToLinearSrgb(xyz);
  return {LinearToSrgb(linear.X), LinearToSrgb(linear.Y), LinearToSrgb(linear.Z)};
}

TColor3 OkLabToSrgb(const TOkLab& lab) { return XyzD65ToSrgb(OkLabToXyzD65(lab)); }

TCssLab SrgbToCssLab(const TColor3& srgb) {
  const TColor3 linear{SrgbToLinear(srgb.X), SrgbToLinear(srgb.Y), SrgbToLinear(srgb.Z)};
  return XyzD50ToCssLab(XyzD65ToD50(LinearSrgbToXyzD65(linear)));
}

TColor3 DisplayP3ToSrgb(const TColor3& p3) {
  // display-p3 shares sRGB's transfer curve.
  const TColor3 linear{SrgbToLinear(p3.X), SrgbToLinear(p3.Y), SrgbToLinear(p3.Z)};
  return XyzD65ToSrgb(LinearP3ToXyzD65(linear));
}

double DeltaEOK(const TOkLab& a, const TOkLab& b) {
  const double dL = a.L - b.L, da = a.a - b.a, db = a.b - b.b;
  return std::sqrt(dL * dL + da * da + db * db);
}

bool InSrgbGamut(const TColor3& srgb) {
  const auto in = [](double c) { return c >= 0 && c <= 1; };
  return in(srgb.X) && in(srgb.Y) && in(srgb.Z);
}

TColor3 GamutMapToSrgb(const TOkLch& origin) {
  bool inside = false;
  const TColor3 c = GamutMapToSrgbOrLinear(origin, inside);
  if (inside) return {LinearToSrgb(c.X), LinearToSrgb(c.Y), LinearToSrgb(c.Z)};
  return c;
}

TColor3 GamutMapToSrgbOrLinear(const TOkLch& origin, bool& inside) {
  const TMapped mapped = MapInLinearLight(origin);
  inside = mapped.Kind == TMapped::Inside;
  if (mapped.Kind == TMapped::Clipped) {
    const TColor3& c = mapped.Linear;
    return {ClippedEncoded(c.X), ClippedEncoded(c.Y), ClippedEncoded(c.Z)};
  }
  return mapped.Linear;
}

TColor GamutMapToColor(const TOkLch& origin) {
  // A clipped channel rounds as the channel itself would, clipped after rounding.
  return LinearSrgbToColor(MapInLinearLight(origin).Linear);
}

TColor LinearSrgbToColor(const TColor3& linear) {
  return RGBValuesToColor({EightBitOf(linear.X), EightBitOf(linear.Y), EightBitOf(linear.Z)});
}

TColor3 MapIntoSrgb(const TColor3& srgb) {
  if (InSrgbGamut(srgb)) return srgb;
  return GamutMapToSrgb(OkLabToOkLch(SrgbToOkLab(srgb)));
}

}  // namespace tintorium
