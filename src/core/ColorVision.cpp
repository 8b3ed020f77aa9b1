#include "core/ColorVision.h"

#include "core/OkLab.h"
#include "core/Rounding.h"
#include "core/SystemColors.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tintorium {
namespace {

using TVector = std::array<double, 3>;

// Machado, G. M., Oliveira, M. M. & Fernandes, L. A. F. (2009), "A Physiologically-based Model for Simulation
// of Color Vision Deficiency", IEEE Transactions on Visualization and Computer Graphics 15(6), 1291-1298,
// doi:10.1109/TVCG.2009.113: the matrices the authors publish with the paper for the severities 0.0, 0.1, ...
// 1.0 of protanomaly, deuteranomaly and tritanomaly, meant for linear RGB. Severity 1.0 is the dichromacy.
constexpr int MachadoSteps = 11;
using TMachadoTable = std::array<TVisionMatrix, MachadoSteps>;
constexpr TVisionMatrix Identity{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};

constexpr std::array<TMachadoTable, 3> kMachado{{
    {{Identity,
      {{{0.856167, 0.182038, -0.038205}, {0.029342, 0.955115, 0.015544}, {-0.002880, -0.001563, 1.004443}}},
      {{{0.734766, 0.334872, -0.069637}, {0.051840, 0.919198, 0.028963}, {-0.004928, -0.004209, 1.009137}}},
      {{{0.630323, 0.465641, -0.095964}, {0.069181, 0.890046, 0.040773}, {-0.006308, -0.007724, 1.014032}}},
      {{{0.539009, 0.579343, -0.118352}, {0.082546, 0.866121, 0.051332}, {-0.007136, -0.011959, 1.019095}}},
      {{{0.458064, 0.679578, -0.137642}, {0.092785, 0.846313, 0.060902}, {-0.007494, -0.016807, 1.024301}}},
      {{{0.385450, 0.769005, -0.154455}, {0.100526, 0.829802, 0.069673}, {-0.007442, -0.022190, 1.029632}}},
      {{{0.319627, 0.849633, -0.169261}, {0.106241, 0.815969, 0.077790}, {-0.007025, -0.028051, 1.035076}}},
      {{{0.259411, 0.923008, -0.182420}, {0.110296, 0.804340, 0.085364}, {-0.006276, -0.034346, 1.040622}}},
      {{{0.203876, 0.990338, -0.194214}, {0.112975, 0.794542, 0.092483}, {-0.005222, -0.041043, 1.046265}}},
      {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}}}},
    {{Identity,
      {{{0.866435, 0.177704, -0.044139}, {0.049567, 0.939063, 0.011370}, {-0.003453, 0.007233, 0.996220}}},
      {{{0.760729, 0.319078, -0.079807}, {0.090568, 0.889315, 0.020117}, {-0.006027, 0.013325, 0.992702}}},
      {{{0.675425, 0.433850, -0.109275}, {0.125303, 0.847755, 0.026942}, {-0.007950, 0.018572, 0.989378}}},
      {{{0.605511, 0.528560, -0.134071}, {0.155318, 0.812366, 0.032316}, {-0.009376, 0.023176, 0.986200}}},
      {{{0.547494, 0.607765, -0.155259}, {0.181692, 0.781742, 0.036566}, {-0.010410, 0.027275, 0.983136}}},
      {{{0.498864, 0.674741, -0.173604}, {0.205199, 0.754872, 0.039929}, {-0.011131, 0.030969, 0.980162}}},
      {{{0.457771, 0.731899, -0.189670}, {0.226409, 0.731012, 0.042579}, {-0.011595, 0.034333, 0.977261}}},
      {{{0.422823, 0.781057, -0.203881}, {0.245752, 0.709602, 0.044646}, {-0.011843, 0.037423, 0.974421}}},
      {{{0.392952, 0.823610, -0.216562}, {0.263559, 0.690210, 0.046232}, {-0.011910, 0.040281, 0.971630}}},
      {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}}}},
    {{Identity,
      {{{0.926670, 0.092514, -0.019184}, {0.021191, 0.964503, 0.014306}, {0.008437, 0.054813, 0.936750}}},
      {{{0.895720, 0.133330, -0.029050}, {0.029997, 0.945400, 0.024603}, {0.013027, 0.104707, 0.882266}}},
      {{{0.905871, 0.127791, -0.033662}, {0.026856, 0.941251, 0.031893}, {0.013410, 0.148296, 0.838294}}},
      {{{0.948035, 0.089490, -0.037526}, {0.014364, 0.946792, 0.038844}, {0.010853, 0.193991, 0.795156}}},
      {{{1.017277, 0.027029, -0.044306}, {-0.006113, 0.958479, 0.047634}, {0.006379, 0.248708, 0.744913}}},
      {{{1.104996, -0.046633, -0.058363}, {-0.032137, 0.971635, 0.060503}, {0.001336, 0.317922, 0.680742}}},
      {{{1.193214, -0.109812, -0.083402}, {-0.058496, 0.979410, 0.079086}, {-0.002346, 0.403492, 0.598854}}},
      {{{1.257728, -0.139648, -0.118081}, {-0.078003, 0.975409, 0.102594}, {-0.003316, 0.501214, 0.502102}}},
      {{{1.278864, -0.125333, -0.153531}, {-0.084748, 0.957674, 0.127074}, {-0.000989, 0.601151, 0.399838}}},
      {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}}}},
}};

// Brettel, H., Vienot, F. & Mollon, J. D. (1997), "Computerized simulation of color appearance for dichromats",
// Journal of the Optical Society of America A 14(10), 2647-2655, doi:10.1364/JOSAA.14.002647. A dichromat's
// colour keeps the two remaining cone responses; the missing one is taken from one of two half-planes through
// the neutral axis, each holding a monochromatic light a dichromat sees as a normal observer does: 475 and 575 nm
// for protanopia and deuteranopia, 485 and 660 nm for tritanopia. Cones are those of Smith & Pokorny (1975), from
// CIE XYZ as Vienot, Brettel & Mollon (1999, "Digital video colourmaps for checking the legibility of displays by
// dichromats", Color Research and Application 24(4), 243-252) give them; the neutral is the sRGB white, as that
// paper takes the display's white, so that greys stay grey.
constexpr TVisionMatrix SmithPokorny{{{0.15514, 0.54312, -0.03286}, {-0.15514, 0.45684, 0.03286}, {0, 0, 0.00801}}};
// CIE 1931 2-degree colour-matching functions at the anchor wavelengths (CIE 015).
constexpr TVector Cie475{0.1421, 0.1126, 1.0419};
constexpr TVector Cie485{0.05795, 0.1693, 0.6162};
constexpr TVector Cie575{0.8425, 0.9154, 0.0018};
constexpr TVector Cie660{0.1649, 0.0610, 0.0};

TVector Multiply(const TVisionMatrix& m, const TVector& v) {
  return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2], m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
          m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

TVisionMatrix Multiply(const TVisionMatrix& a, const TVisionMatrix& b) {
  TVisionMatrix m{};
  for (std::size_t i = 0; i < 3; ++i)
    for (std::size_t j = 0; j < 3; ++j) m[i][j] = a[i][0] * b[0][j] + a[i][1] * b[1][j] + a[i][2] * b[2][j];
  return m;
}

TVector Cross(const TVector& u, const TVector& v) {
  return {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
}

double Dot(const TVector& u, const TVector& v) { return u[0] * v[0] + u[1] * v[1] + u[2] * v[2]; }

// The columns of the inverse are the cross products of pairs of rows.
TVisionMatrix Inverse(const TVisionMatrix& m) {
  const std::array<TVector, 3> columns{Cross(m[1], m[2]), Cross(m[2], m[0]), Cross(m[0], m[1])};
  const double det = Dot(m[0], columns[0]);
  TVisionMatrix inverse{};
  for (std::size_t i = 0; i < 3; ++i)
    for (std::size_t j = 0; j < 3; ++j) inverse[i][j] = columns[j][i] / det;
  return inverse;
}

// Linear sRGB to cone responses, through the CSS Color 4 matrix to XYZ.
TVisionMatrix LmsFromLinearSrgb() {
  TVisionMatrix toXyz{};
  for (std::size_t col = 0; col < 3; ++col) {
    const TColor3 xyz = LinearSrgbToXyzD65({col == 0 ? 1.0 : 0.0, col == 1 ? 1.0 : 0.0, col == 2 ? 1.0 : 0.0});
    toXyz[0][col] = xyz.X;
    toXyz[1][col] = xyz.Y;
    toXyz[2][col] = xyz.Z;
  }
  return Multiply(SmithPokorny, toXyz);
}

// In LMS: replaces the `missing` response so that the result lies on the plane with normal `n` through the origin.
TVisionMatrix ProjectionOnto(std::size_t missing, const TVector& n) {
  TVisionMatrix p = Identity;
  for (std::size_t j = 0; j < 3; ++j) p[missing][j] = j == missing ? 0.0 : -n[j] / n[missing];
  return p;
}

TBrettelPlanes DerivePlanes(std::size_t missing, const TVector& anchorA, const TVector& anchorB) {
  const TVisionMatrix lms = LmsFromLinearSrgb();
  const TVisionMatrix rgb = Inverse(lms);
  const TVector neutral = Multiply(lms, TVector{1, 1, 1});
  const TVector a = Multiply(SmithPokorny, anchorA);
  const TVector b = Multiply(SmithPokorny, anchorB);
  TVector axis{};
  axis[missing] = 1;
  TVector separation = Cross(neutral, axis);
  if (Dot(separation, a) < 0) separation = {-separation[0], -separation[1], -separation[2]};
  TBrettelPlanes planes;
  planes.First = Multiply(rgb, Multiply(ProjectionOnto(missing, Cross(neutral, a)), lms));
  planes.Second = Multiply(rgb, Multiply(ProjectionOnto(missing, Cross(neutral, b)), lms));
  // The separating normal taken back to linear sRGB: n . (LMS * rgb) = (n * LMS) . rgb.
  for (std::size_t j = 0; j < 3; ++j)
    planes.Normal[j] = separation[0] * lms[0][j] + separation[1] * lms[1][j] + separation[2] * lms[2][j];
  return planes;
}

// Achromatopsia sees luminance only: the Y row of the CSS Color 4 sRGB matrix, which sums to 1.
TVector LuminanceRow() {
  const TColor3 r = LinearSrgbToXyzD65({1, 0, 0});
  const TColor3 g = LinearSrgbToXyzD65({0, 1, 0});
  const TColor3 b = LinearSrgbToXyzD65({0, 0, 1});
  return {r.Y, g.Y, b.Y};
}

double Linearise(int value) {
  const double c = value / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int Encode(double linear) {
  const double c = std::clamp(linear, 0.0, 1.0);
  const double encoded = c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1.0 / 2.4) - 0.055;
  return std::clamp(Round(encoded * 255.0), 0, 255);
}

TVector LinearOf(TColor rgb) { return {Linearise(RedOf(rgb)), Linearise(GreenOf(rgb)), Linearise(BlueOf(rgb))}; }

TColor Encoded(const TVector& linear) {
  return static_cast<TColor>(Encode(linear[0])) | (static_cast<TColor>(Encode(linear[1])) << 8) |
         (static_cast<TColor>(Encode(linear[2])) << 16);
}

double ClampSeverity(double severity) { return std::isnan(severity) ? 0.0 : std::clamp(severity, 0.0, 1.0); }

std::size_t IndexOf(TVisionKind kind) { return static_cast<std::size_t>(kind) % VisionKindCount; }

TVector Mix(const TVector& simulated, const TVector& original, double severity) {
  TVector out{};
  for (std::size_t i = 0; i < 3; ++i) out[i] = severity * simulated[i] + (1.0 - severity) * original[i];
  return out;
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

const TVisionMatrix& ColorVisionMatrix(TColorVision vision) {
  return kMachado[static_cast<std::size_t>(vision) % kMachado.size()][MachadoSteps - 1];
}

TColor SimulateColorVision(TColor color, TColorVision vision) {
  return Encoded(Multiply(ColorVisionMatrix(vision), LinearOf(ColorToRGB(color))));
}

std::string_view VisionKindName(TVisionKind kind) {
  const auto index = static_cast<std::size_t>(kind);
  return index < VisionKindNames.size() ? VisionKindNames[index] : std::string_view();
}

std::optional<TVisionKind> ParseVisionKind(std::string_view name) {
  for (std::size_t i = 0; i < VisionKindNames.size(); ++i) {
    const std::string_view known = VisionKindNames[i];
    if (name.size() == known.size() &&
        std::equal(name.begin(), name.end(), known.begin(), [](char a, char b) { return LowerAscii(a) == b; }))
      return VisionKinds[i];
  }
  return std::nullopt;
}

std::optional<TVisionView> ParseVisionView(std::string_view text) {
  const std::size_t colon = text.find(':');
  const std::optional<TVisionKind> kind = ParseVisionKind(text.substr(0, colon));
  if (!kind) return std::nullopt;
  if (colon == std::string_view::npos) return TVisionView{*kind, 1.0};
  const std::string_view number = text.substr(colon + 1);
  // Plain decimals only: from_chars also takes "inf", "nan" and exponents, none of which a severity needs.
  if (number.empty() ||
      !std::all_of(number.begin(), number.end(), [](char c) { return (c >= '0' && c <= '9') || c == '.'; }))
    return std::nullopt;
  double severity = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), severity);
  if (error != std::errc() || end != number.data() + number.size() || severity < 0 || severity > 1)
    return std::nullopt;
  return TVisionView{*kind, severity};
}

TVisionMatrix MachadoMatrix(TVisionKind kind, double severity) {
  const std::size_t index = IndexOf(kind);
  if (index == static_cast<std::size_t>(TVisionKind::Achromatopsia)) return Identity;
  const TMachadoTable& table = kMachado[index % kMachado.size()];
  const double position = ClampSeverity(severity) * (MachadoSteps - 1);
  const int low = std::min(static_cast<int>(position), MachadoSteps - 2);
  const double fraction = position - low;
  TVisionMatrix m{};
  for (std::size_t i = 0; i < 3; ++i)
    for (std::size_t j = 0; j < 3; ++j)
      m[i][j] = (1.0 - fraction) * table[low][i][j] + fraction * table[low + 1][i][j];
  return m;
}

const TBrettelPlanes& BrettelPlanes(TVisionKind kind) {
  static const std::array<TBrettelPlanes, 3> planes{DerivePlanes(0, Cie575, Cie475),
                                                    DerivePlanes(1, Cie575, Cie475),
                                                    DerivePlanes(2, Cie660, Cie485)};
  switch (kind) {
    case TVisionKind::Deuteranopia: return planes[1];
    case TVisionKind::Tritanopia: return planes[2];
    default: return planes[0];
  }
}

TColor SimulateVision(TColor color, TVisionKind kind, double severity) {
  const TVector in = LinearOf(ColorToRGB(color));
  const double s = ClampSeverity(severity);
  switch (static_cast<TVisionKind>(IndexOf(kind))) {
    case TVisionKind::Protanomaly:
    case TVisionKind::Deuteranomaly:
    case TVisionKind::Tritanomaly: return Encoded(Multiply(MachadoMatrix(kind, s), in));
    case TVisionKind::Protanopia:
    case TVisionKind::Deuteranopia:
    case TVisionKind::Tritanopia: {
      const TBrettelPlanes& planes = BrettelPlanes(kind);
      const TVisionMatrix& m = Dot(planes.Normal, in) >= 0 ? planes.First : planes.Second;
      return Encoded(Mix(Multiply(m, in), in, s));
    }
    case TVisionKind::Achromatopsia: {
      static const TVector row = LuminanceRow();
      const double y = Dot(row, in);
      return Encoded(Mix({y, y, y}, in, s));
    }
  }
  return Encoded(in);
}

}  // namespace tintorium
