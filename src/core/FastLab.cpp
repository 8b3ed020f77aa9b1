#include "FastLab.h"

#include "ColorModels.h"

#include <algorithm>
#include <cmath>
#include <cstring>

// Hot functions get a second copy for processors with AVX2 (chosen when the program loads): wider vectors and
// three-operand instructions, the same arithmetic (no fused multiply-adds, see CMakeLists.txt).
#if defined(__GNUC__) && defined(__x86_64__) && !defined(__SANITIZE_ADDRESS__)
#define TINTORIUM_VECTOR_CLONES __attribute__((target_clones("default", "arch=x86-64-v3")))
#else
#define TINTORIUM_VECTOR_CLONES
#endif

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

// cbrt on [2^-7, 2) in 64 pieces per octave, each a cubic Taylor polynomial about the piece's middle:
// relative error below 2e-10, no division, one table row per call.
constexpr int PiecesPerOctaveBits = 6;
constexpr int FirstExponent = -7;
constexpr int Octaves = 8;
constexpr std::uint64_t PieceCount = std::uint64_t{Octaves} << PiecesPerOctaveBits;
constexpr std::uint64_t FirstPiece = std::uint64_t{1023 + FirstExponent} << PiecesPerOctaveBits;

struct TCbrtPiece {
  double middle;
  std::array<double, 4> coefficients;  // in powers of (t - middle)
};

struct TCbrtTable {
  std::array<TCbrtPiece, PieceCount> pieces{};

  TCbrtTable() {
    for (std::uint64_t k = 0; k < PieceCount; ++k) {
      const auto octave = static_cast<int>(k >> PiecesPerOctaveBits);
      const auto index = static_cast<int>(k & ((1 << PiecesPerOctaveBits) - 1));
      const Ext width = std::ldexp(1.0L, FirstExponent + octave - PiecesPerOctaveBits);
      const Ext start = std::ldexp(1.0L, FirstExponent + octave) + index * width;
      const auto middle = static_cast<double>(start + width / 2);
      pieces[k].middle = middle;
      // cbrt(c + u) = c^(1/3) * sum binom(1/3, n) (u / c)^n
      Ext term = std::cbrt(static_cast<Ext>(middle));
      for (int n = 0; n < 4; ++n) {
        pieces[k].coefficients[n] = static_cast<double>(term);
        term *= (1.0L / 3 - n) / (n + 1) / middle;
      }
    }
  }
};

struct TFastLabTables {
  std::array<double, 256> linear{};
  TCbrtTable cbrt;
  TFastLabTables() {
    for (int v = 0; v < 256; ++v) linear[v] = SRGBToLinear(v);
  }
};

[[gnu::always_inline]] inline const TFastLabTables& Tables() {
  static const TFastLabTables tables;
  return tables;
}

// False outside [2^-7, 2).
inline bool Cbrt(const TCbrtTable& table, double t, double& root) {
  std::uint64_t bits;
  std::memcpy(&bits, &t, sizeof bits);
  const std::uint64_t piece = (bits >> (52 - PiecesPerOctaveBits)) - FirstPiece;
  if (piece >= PieceCount) return false;
  const TCbrtPiece& p = table.pieces[piece];
  const double u = t - p.middle;
  const auto& c = p.coefficients;
  root = ((c[3] * u + c[2]) * u + c[1]) * u + c[0];
  return true;
}

// f of the Lab formulas, or false at the threshold between its two branches.
inline bool LabF(const TCbrtTable& table, double t, double& f) {
  if (t > Epsilon + EpsilonMargin) return Cbrt(table, t, f);
  if (t < Epsilon - EpsilonMargin) {
    f = t * (Kappa / 116) + 16.0 / 116;
    return true;
  }
  return false;
}

// For |v| < 1000; the fast path's values stay within (-600, 600), as its f values lie in [0.13, 1.26].
inline bool RoundAwayFromHalves(double v, std::int32_t& out) {
  const double shifted = v + 1024.5;
  const auto whole = static_cast<std::int32_t>(shifted);  // floor, as shifted > 0
  out = whole - 1024;
  return std::abs((shifted - whole) - 0.5) < 0.5 - RoundingMargin;
}

[[gnu::always_inline]] inline bool FastLab(const TRGBValues& rgb, TLabValues& out) {
  const auto r = static_cast<std::uint32_t>(rgb.R), g = static_cast<std::uint32_t>(rgb.G),
             b = static_cast<std::uint32_t>(rgb.B);
  if ((r | g | b) > 255) return false;
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

}  // namespace

double SRGBToLinear(std::int32_t value) {
  const double c = static_cast<double>(static_cast<Ext>(value) / 255);
  if (c <= EncodedThreshold) return static_cast<double>(c / static_cast<Ext>(Slope));
  return static_cast<double>(std::pow((c + static_cast<Ext>(Offset)) / Scale, static_cast<Ext>(Gamma)));
}

const std::array<double, 256>& LinearTable() { return Tables().linear; }

double ApproxCbrt(double t) {
  double root;
  return Cbrt(Tables().cbrt, t, root) ? root : std::cbrt(t);
}

bool TryFastRGBToLab(const TRGBValues& rgb, TLabValues& out) { return FastLab(rgb, out); }

namespace {

// Many colours at a time: the same arithmetic as above, but branch-free over short arrays so that the compiler
// turns each loop into vector code (four lanes where the processor has AVX2). The cube root needs no table
// here: t is scaled by 8 or 64 into [1/4, 2), a cubic gives t^(-1/3) to 8%, two division-free steps of third
// order take that below 1e-13, and cbrt(t) = t * r^2 scaled back.
constexpr int Chunk = 64;
constexpr double Magic = 6755399441055744.0;  // 1.5 * 2^52: adding and subtracting it rounds half to even

struct TChunkWork {
  double linear[3][Chunk];  // r, g, b
  double t[3][Chunk];       // xr, yr, zr
  double f[3][Chunk];
  double refuse[3][Chunk];  // non-zero: the exact path decides
  double lab[3][Chunk];
  std::int32_t result[3][Chunk];  // L, a, b, limited to their ranges
  std::int32_t refused[Chunk];
};

// Each loop is straight-line arithmetic with selects, so that it vectorises; no && or || (they branch).
TINTORIUM_VECTOR_CLONES
void ConvertChunk(const TRGBValues* in, const double* linear, TChunkWork& w) {
  for (int i = 0; i < Chunk; ++i) {
    const auto r = static_cast<std::uint32_t>(in[i].R), g = static_cast<std::uint32_t>(in[i].G),
               b = static_cast<std::uint32_t>(in[i].B);
    w.refuse[0][i] = (r | g | b) > 255 ? 1.0 : 0.0;
    w.refuse[1][i] = w.refuse[2][i] = 0;
    w.linear[0][i] = linear[r & 0xFF];
    w.linear[1][i] = linear[g & 0xFF];
    w.linear[2][i] = linear[b & 0xFF];
  }
  for (int i = 0; i < Chunk; ++i) {
    const double lr = w.linear[0][i], lg = w.linear[1][i], lb = w.linear[2][i];
    w.t[0][i] = (M00 * lr + M01 * lg + M02 * lb) * (1 / Xn);
    w.t[1][i] = M10 * lr + M11 * lg + M12 * lb;
    w.t[2][i] = (M20 * lr + M21 * lg + M22 * lb) * (1 / Zn);
  }
  for (int c = 0; c < 3; ++c) {
    for (int i = 0; i < Chunk; ++i) {
      const double t = w.t[c][i];
      const bool low = t < Epsilon - EpsilonMargin;
      const bool high = (t > Epsilon + EpsilonMargin) & (t < 2);
      // Everything is computed on both sides of each select: a conditional multiplication would keep the
      // compiler from vectorising (it might raise a floating-point exception the source never raised).
      const double t64 = t * 64;
      const double t1 = t < 0x1p-5 ? t64 : t;
      const double k1 = t < 0x1p-5 ? 0.25 : 1.0;
      const double t8 = t1 * 8;
      const double half = k1 * 0.5;
      const double t2 = t1 < 0.25 ? t8 : t1;
      const double k = t1 < 0.25 ? half : k1;
      double root = ((-0.20710917334401455 * t2 + 0.9822852508024664) * t2 - 1.6994297734354495) * t2 +
                    1.9133736856341348;
      double e = 1 - t2 * root * root * root;
      root = root + root * e * (1.0 / 3 + 2.0 / 9 * e);
      e = 1 - t2 * root * root * root;
      root = root + root * e * (1.0 / 3 + 2.0 / 9 * e);
      const double cubeRoot = t2 * root * root * k;
      const double linearF = t * (Kappa / 116) + 16.0 / 116;
      w.f[c][i] = low ? linearF : cubeRoot;
      w.refuse[c][i] += (low | high) ? 0.0 : 1.0;
    }
  }
  for (int i = 0; i < Chunk; ++i) {
    const double fx = w.f[0][i], fy = w.f[1][i], fz = w.f[2][i];
    w.lab[0][i] = 116 * fy - 16;
    w.lab[1][i] = 500 * (fx - fy);
    w.lab[2][i] = 200 * (fy - fz);
  }
  constexpr double lowest[3] = {0, -128, -128}, highest[3] = {100, 127, 127};
  for (int c = 0; c < 3; ++c) {
    for (int i = 0; i < Chunk; ++i) {
      const double v = w.lab[c][i];
      const double rounded = (v + Magic) - Magic;
      const double off = v - rounded;
      const bool clear = (off < 0.5 - RoundingMargin) & (off > RoundingMargin - 0.5);
      w.refuse[c][i] += clear ? 0.0 : 1.0;
      // Values here are finite (f lies in [0.13, 1.26]), so the conversion is defined.
      w.result[c][i] = static_cast<std::int32_t>(std::min(std::max(rounded, lowest[c]), highest[c]));
    }
  }
  for (int i = 0; i < Chunk; ++i) w.refused[i] = w.refuse[0][i] + w.refuse[1][i] + w.refuse[2][i] != 0;
}

}  // namespace

void FastRGBToLabMany(const TRGBValues* in, TLabValues* out, std::size_t count, TLabValues (*exact)(const TRGBValues&)) {
  const double* linear = Tables().linear.data();
  TChunkWork work;
  std::size_t done = 0;
  for (; done + Chunk <= count; done += Chunk) {
    ConvertChunk(in + done, linear, work);
    for (int i = 0; i < Chunk; ++i) {
      out[done + i] = work.refused[i] ? exact(in[done + i])
                                      : TLabValues{work.result[0][i], work.result[1][i], work.result[2][i]};
    }
  }
  for (; done < count; ++done) out[done] = exact(in[done]);
}

}  // namespace tintorium::detail

namespace tintorium {

// Here rather than beside the other conversions, so that the fast path is inlined into it.
TINTORIUM_VECTOR_CLONES
TLabValues RGBToLab(const TRGBValues& rgb) {
  TLabValues lab;
  if (detail::FastLab(rgb, lab)) return lab;
  return XYZToLab(RGBToXYZ(rgb));
}

}  // namespace tintorium
