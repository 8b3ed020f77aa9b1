#pragma once
// How a colour looks with a colour-vision deficiency: the anomalous trichromacies at a severity from 0 to 1
// (Machado, Oliveira & Fernandes 2009), the dichromacies (Brettel, Vienot & Mollon 1997) and achromatopsia. Every
// simulation works on linear sRGB.

#include "core/ColorTypes.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tintorium {

/// A colour-vision deficiency at full severity (one cone type missing).
enum class TColorVision : std::uint8_t { Protanopia = 0, Deuteranopia, Tritanopia };

inline constexpr int ColorVisionCount = 3;
inline constexpr std::array<TColorVision, ColorVisionCount> ColorVisions{
    TColorVision::Protanopia, TColorVision::Deuteranopia, TColorVision::Tritanopia};
/// Lower-case English names, as the command line prints them.
inline constexpr std::array<std::string_view, ColorVisionCount> ColorVisionNames{"protanopia", "deuteranopia",
                                                                                 "tritanopia"};

/// A 3 x 3 matrix on linear RGB, row by row.
using TVisionMatrix = std::array<std::array<double, 3>, 3>;

/// The simulation matrix of `vision` (applied to linear sRGB values).
const TVisionMatrix& ColorVisionMatrix(TColorVision vision);

/// `color` as seen with `vision`: linearised, multiplied by the matrix, clipped to the RGB cube and encoded
/// again, each channel rounded half to even. System colours are resolved first; the result is 0x00BBGGRR.
/// The same as SimulateVision with the anomalous kind of `vision` at severity 1.
TColor SimulateColorVision(TColor color, TColorVision vision);

/// Every kind of colour vision the simulations offer. The anomalous kinds have a severity; the others are the
/// full deficiency at severity 1 and mixed with normal vision below it.
enum class TVisionKind : std::uint8_t {
  Protanomaly = 0,
  Deuteranomaly,
  Tritanomaly,
  Protanopia,
  Deuteranopia,
  Tritanopia,
  Achromatopsia,
};
inline constexpr int VisionKindCount = 7;
inline constexpr std::array<TVisionKind, VisionKindCount> VisionKinds{
    TVisionKind::Protanomaly, TVisionKind::Deuteranomaly, TVisionKind::Tritanomaly, TVisionKind::Protanopia,
    TVisionKind::Deuteranopia, TVisionKind::Tritanopia,   TVisionKind::Achromatopsia};
/// Lower-case English names, as the command line takes and prints them.
inline constexpr std::array<std::string_view, VisionKindCount> VisionKindNames{
    "protanomaly", "deuteranomaly", "tritanomaly", "protanopia", "deuteranopia", "tritanopia", "achromatopsia"};
static_assert(VisionKindNames.size() == static_cast<std::size_t>(TVisionKind::Achromatopsia) + 1);

/// The name of `kind`; "" for a value outside the enumeration.
std::string_view VisionKindName(TVisionKind kind);
/// The kind named `name` in any letter case; nullopt for anything else.
std::optional<TVisionKind> ParseVisionKind(std::string_view name);

/// One simulated view: a kind and its severity, 0 (normal vision) to 1 (the full deficiency).
struct TVisionView {
  TVisionKind Kind = TVisionKind::Deuteranomaly;
  double Severity = 1.0;
  friend constexpr bool operator==(const TVisionView&, const TVisionView&) = default;
};
/// "KIND" (severity 1) or "KIND:SEVERITY" with a decimal severity from 0 to 1, e.g. "deuteranomaly:0.6". Nullopt
/// for an unknown kind, a severity that is not a plain number, out of range or followed by anything.
std::optional<TVisionView> ParseVisionView(std::string_view text);

/// The Machado 2009 matrix of an anomalous kind at `severity` 0-1, interpolated linearly between the published
/// steps of 0.1 (out-of-range severities are clamped, NaN counts as 0). A dichromacy gives its anomalous
/// counterpart's matrix; achromatopsia gives the identity.
TVisionMatrix MachadoMatrix(TVisionKind kind, double severity);

/// The two half-planes of Brettel's projection for one dichromacy, as matrices on linear sRGB: First for colours
/// on the side of the separating plane (through the neutral axis and the missing cone's axis) where
/// dot(Normal, rgb) >= 0, Second for the others.
struct TBrettelPlanes {
  TVisionMatrix First{};
  TVisionMatrix Second{};
  std::array<double, 3> Normal{};
};
/// The planes of Protanopia, Deuteranopia or Tritanopia (other kinds give Protanopia's).
const TBrettelPlanes& BrettelPlanes(TVisionKind kind);

/// `color` as seen in `view`: linearised, simulated, mixed with the original by the severity where the model has
/// none of its own, clipped to the RGB cube and encoded again, each channel rounded half to even. Severity 0 gives
/// `color` itself and greys stay grey under every kind. System colours are resolved first; the result is
/// 0x00BBGGRR.
TColor SimulateVision(TColor color, TVisionKind kind, double severity = 1.0);
inline TColor SimulateVision(TColor color, const TVisionView& view) {
  return SimulateVision(color, view.Kind, view.Severity);
}

}  // namespace tintorium
