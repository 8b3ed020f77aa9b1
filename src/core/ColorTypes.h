#pragma once
// Colour values shared by the whole program: TColor, the models and their value records.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tintorium {

/// 0x00BBGGRR. A top byte of 0xFF names a system colour by the index in the low byte.
using TColor = std::uint32_t;

inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;

constexpr int RedOf(TColor c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(TColor c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(TColor c) { return static_cast<int>((c >> 16) & 0xFF); }
constexpr bool IsSystemColor(TColor c) { return (c >> 24) == 0xFF; }

enum TColorModel : std::uint8_t { cmRGB = 0, cmHSB, cmCMYK, cmLAB };
inline constexpr int ColorModelCount = 4;
inline constexpr std::array<std::string_view, ColorModelCount> ColorModelNames{"RGB", "HSB", "CMYK", "Lab"};
static_assert(ColorModelNames.size() == cmLAB + 1);

/// Writes the display name of `model` into `target`; an out-of-range model leaves `target` unchanged.
void ModelName(TColorModel model, std::string& target);

/// R, G, B: 0-255 each when produced by a conversion.
struct TRGBValues {
  std::int32_t R = 0, G = 0, B = 0;
  friend constexpr bool operator==(const TRGBValues&, const TRGBValues&) = default;
};
/// H in whole degrees 0-360 (360 is hue 0); S and B in per cent 0-100.
struct THSBValues {
  std::int32_t H = 0, S = 0, B = 0;
  friend constexpr bool operator==(const THSBValues&, const THSBValues&) = default;
};
/// Per cent 0-100 each.
struct TCMYKValues {
  std::int32_t C = 0, M = 0, Y = 0, K = 0;
  friend constexpr bool operator==(const TCMYKValues&, const TCMYKValues&) = default;
};
/// L 0-100; a and b -128-127.
struct TLabValues {
  std::int32_t L = 0, a = 0, b = 0;
  friend constexpr bool operator==(const TLabValues&, const TLabValues&) = default;
};
/// The values of one model's channels in record order (R, G, B; H, S, B; C, M, Y, K; L, a, b); only CMYK uses
/// the fourth.
using TChannelValues = std::array<std::int32_t, 4>;

/// CIE XYZ relative to D50; the reference white has Y = 1.0.
struct TXYZ {
  double X = 0, Y = 0, Z = 0;
  friend constexpr bool operator==(const TXYZ&, const TXYZ&) = default;
};

}  // namespace tintorium
