#include "FastLab.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace tintorium::detail {

namespace {

using Ext = long double;

// The same typed constants as the exact path.
constexpr double M00 = 0.4360747, M01 = 0.3850649, M02 = 0.1430804;
constexpr double M10 = 0.2225045, M11 = 0.7168786, M12 = 0.0606169;
constexpr double M20 = 0.0139322, M21 = 0.0971045, M22 = 0.7141733;
constexpr double Xn = 0.96422, Zn = 0.82521;
constexpr double Epsilon = 0.008856, Kappa = 903.3;
constexpr double EncodedThreshold = 0.04045, Slope = 12.92, Offset = 0.055, Scale = 1.055, Gamma = 2.4;

// Results this close to a rounding boundary go to the exact path. The fast path's error is below 1e-9 in
// Lab units, so the margin is generous; it costs a fallback for about one colour in 100,000.
constexpr double RoundingMargin = 1e-6;
constexpr double EpsilonMargin = 1e-12;

// cbrt on [1, 2) in 64 pieces, each a degree-4 Taylor polynomial about the piece's middle
// (relative error below 1e-12); the exponent's share comes from a table of 2^(e/3).
constexpr int PieceBits = 6;
constexpr int Pieces = 1 << PieceBits;
constexpr int MinExponent = -20, MaxExponent = 3;

struct TCbrtTable {
  std::array<std::array<double, 5>, Pieces> coefficients{};
  std::array<double, Pieces> middles{};
  std::array<double, MaxExponent - MinExponent + 1> scales{};

  TCbrtTable() {
    for (int k = 0; k < Pieces; ++k) {
      const Ext middle = 1 + (k + 0.5L) / Pieces;
      middles[k] = static_cast<double>(middle);
      // Taylor series of cbrt(c + u) = c^(1/3) * sum binom(1/3, n) (u / c)^n.
      const Ext root = std::cbrt(static_cast<Ext>(middles[k]));
      Ext binomial = 1, power = 1;
      for (int n = 0; n < 5; ++n) {
        coefficients[k][n] = static_cast<double>(root * binomial * power);
        binomial *= (1.0L / 3 - n) / (n + 1);
        power /= middles[k];
      }
    }
    for (int e = MinExponent; e <= MaxExponent; ++e)
      scales[e - MinExponent] = static_cast<double>(std::cbrt(std::ldexp(1.0L, e)));
  }
};

struct TFastLabTables {
  std::array<double, 256> linear{};
  TCbrtTable cbrt;
  TFastLabTables() {
    for (int v = 0; v < 256; ++v) linear[v] = SRGBToLinear(v);
  }
};

const TFastLabTables& Tables() {
  static const TFastLabTables tables;
  return tables;
}

inline double Cbrt(const TCbrtTable& table, double t) {
  std::uint64_t bits;
  std::memcpy(&bits, &t, sizeof bits);
  const int exponent = std::clamp(static_cast<int>((bits >> 52) & 0x7FF) - 1023, MinExponent, MaxExponent);
  const auto piece = static_cast<int>((bits >> (52 - PieceBits)) & (Pieces - 1));
  const std::uint64_t mantissaBits = (bits & 0x000FFFFFFFFFFFFFull) | 0x3FF0000000000000ull;
  double m;
  std::memcpy(&m, &mantissaBits, sizeof m);
  const double u = m - table.middles[piece];
  const auto& c = table.coefficients[piece];
  const double p = (((c[4] * u + c[3]) * u + c[2]) * u + c[1]) * u + c[0];
  return p * table.scales[exponent - MinExponent];
}

// f of the Lab formulas, or false at the threshold between its two branches.
inline bool LabF(const TCbrtTable& table, double t, double& f) {
  if (t > Epsilon + EpsilonMargin) {
    f = Cbrt(table, t);
    return true;
  }
  if (t < Epsilon - EpsilonMargin) {
    f = t * (Kappa / 116) + 16.0 / 116;
    return true;
  }
  return false;
}

inline bool RoundAwayFromHalves(double v, std::int32_t& out) {
  if (!(v > -1000 && v < 1000)) return false;
  const double shifted = v + 1024.5;
  const auto whole = static_cast<std::int32_t>(shifted);  // floor, as shifted > 0
  const double fraction = shifted - whole;
  if (fraction < RoundingMargin || fraction > 1 - RoundingMargin) return false;
  out = whole - 1024;
  return true;
}

}  // namespace

double SRGBToLinear(std::int32_t value) {
  const double c = static_cast<double>(static_cast<Ext>(value) / 255);
  if (c <= EncodedThreshold) return static_cast<double>(c / static_cast<Ext>(Slope));
  return static_cast<double>(std::pow((c + static_cast<Ext>(Offset)) / Scale, static_cast<Ext>(Gamma)));
}

const std::array<double, 256>& LinearTable() { return Tables().linear; }

double ApproxCbrt(double t) { return Cbrt(Tables().cbrt, t); }

bool TryFastRGBToLab(std::int32_t r, std::int32_t g, std::int32_t b, TLabValues& out) {
  const TFastLabTables& tables = Tables();
  const double lr = tables.linear[r], lg = tables.linear[g], lb = tables.linear[b];
  const double x = (M00 * lr + M01 * lg + M02 * lb) * (1 / Xn);
  const double y = M10 * lr + M11 * lg + M12 * lb;
  const double z = (M20 * lr + M21 * lg + M22 * lb) * (1 / Zn);
  double fx, fy, fz;
  if (!LabF(tables.cbrt, x, fx) || !LabF(tables.cbrt, y, fy) || !LabF(tables.cbrt, z, fz)) return false;
  std::int32_t l, a, bb;
  if (!RoundAwayFromHalves(116 * fy - 16, l) || !RoundAwayFromHalves(500 * (fx - fy), a) ||
      !RoundAwayFromHalves(200 * (fy - fz), bb))
    return false;
  out.L = std::max(std::min(l, 100), 0);
  out.a = std::max(std::min(a, 127), -128);
  out.b = std::max(std::min(bb, 127), -128);
  return true;
}

}  // namespace tintorium::detail
