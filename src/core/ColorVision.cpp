#include "core/ColorVision.h"

#include "core/Rounding.h"
#include "core/SystemColors.h"

#include <algorithm>
#include <cmath>

namespace tintorium {
namespace {

// Machado, G. M., Oliveira, M. M. & Fernandes, L. A. F. (2009), "A Physiologically-based Model for Simulation
// of Color Vision Deficiency", IEEE Transactions on Visualization and Computer Graphics 15(6), 1291-1298,
// doi:10.1109/TVCG.2009.113: the published matrices for severity 1.0, meant for linear RGB.
constexpr std::array<TVisionMatrix, ColorVisionCount> kMatrices{{
    {{{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}},
    {{{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}},
    {{{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}},
}};

double Linearise(int value) {
  const double c = value / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

int Encode(double linear) {
  const double c = std::clamp(linear, 0.0, 1.0);
  const double encoded = c <= 0.0031308 ? 12.92 * c : 1.055 * std::pow(c, 1.0 / 2.4) - 0.055;
  return std::clamp(Round(encoded * 255.0), 0, 255);
}

}  // namespace

const TVisionMatrix& ColorVisionMatrix(TColorVision vision) {
  return kMatrices[static_cast<std::size_t>(vision) % kMatrices.size()];
}

TColor SimulateColorVision(TColor color, TColorVision vision) {
  const TColor rgb = ColorToRGB(color);
  const std::array<double, 3> in{Linearise(RedOf(rgb)), Linearise(GreenOf(rgb)), Linearise(BlueOf(rgb))};
  const TVisionMatrix& m = ColorVisionMatrix(vision);
  std::array<int, 3> out{};
  for (std::size_t row = 0; row < 3; ++row)
    out[row] = Encode(m[row][0] * in[0] + m[row][1] * in[1] + m[row][2] * in[2]);
  return static_cast<TColor>(out[0]) | (static_cast<TColor>(out[1]) << 8) | (static_cast<TColor>(out[2]) << 16);
}

}  // namespace tintorium
