#include "engine/schemes/ColorWheelScheme.h"

#include "core/SystemColors.h"

#include "core/ColorModels.h"
#include "core/Rounding.h"

#include <algorithm>

namespace tintorium {
namespace {

struct TRybPair {
  int ryb;
  int rgb;
};

// The piecewise-linear correspondence between the RYB circle and the HSB hue circle; the last pair's hue 0
// stands for 360.
constexpr std::array<TRybPair, 25> RybHueTable{{
    {0, 0},     {15, 8},    {30, 17},   {45, 26},   {60, 34},   {75, 41},   {90, 48},   {105, 54},  {120, 60},
    {135, 81},  {150, 103}, {165, 123}, {180, 138}, {195, 155}, {210, 171}, {225, 187}, {240, 204}, {255, 219},
    {270, 234}, {285, 251}, {300, 267}, {315, 282}, {330, 298}, {345, 329}, {360, 0},
}};

struct TRybSegment {
  long double ryb1, rgb1, ryb2, rgb2;
};

TRybSegment RybSegment(std::size_t k) {
  const TRybPair a = RybHueTable[k];
  const TRybPair b = RybHueTable[k + 1];
  const int rgb2 = b.rgb < a.rgb ? b.rgb + 360 : b.rgb;
  return {static_cast<long double>(a.ryb), static_cast<long double>(a.rgb), static_cast<long double>(b.ryb),
          static_cast<long double>(rgb2)};
}

long double HueToRyb(int hue) {
  for (std::size_t k = 0; k + 1 < RybHueTable.size(); ++k) {
    const TRybSegment s = RybSegment(k);
    if (s.rgb1 <= hue && hue <= s.rgb2) return s.ryb1 + (hue - s.rgb1) * (s.ryb2 - s.ryb1) / (s.rgb2 - s.rgb1);
  }
  return 0;
}

long double RybToHue(int ryb) {
  for (std::size_t k = 0; k + 1 < RybHueTable.size(); ++k) {
    const TRybSegment s = RybSegment(k);
    if (s.ryb1 <= ryb && ryb <= s.ryb2) return s.rgb1 + (ryb - s.ryb1) * (s.rgb2 - s.rgb1) / (s.ryb2 - s.ryb1);
  }
  return 0;
}

int Mod360(int value) { return ((value % 360) + 360) % 360; }

int HueClass(int hue) {
  if (hue < 61 || hue >= 360) return 0;
  if (hue < 115) return 1;
  if (hue < 266) return 2;
  return 3;
}

constexpr std::array<THarmonyAngles, ColorHarmonyCount> HarmonyAngleTable{{
    {-1, -1, -1, -1},
    {270, -1, -1, -1},
    {270, 90, -1, -1},
    {270, 120, 60, -1},
    {270, 240, 300, -1},
    {270, 150, 30, -1},
    {270, 90, 0, 180},
    {270, 300, 90, 120},
}};

}  // namespace

const THarmonyAngles& HarmonyAngles(TColorHarmonyType harmony) {
  return HarmonyAngleTable.at(std::min<std::size_t>(harmony, HarmonyAngleTable.size() - 1));
}

int WheelSegmentIndex(int index) { return ((index % WheelSegmentCount) + WheelSegmentCount) % WheelSegmentCount; }

int RybRotateHue(int hue, int angle) {
  const long double ryb = HueToRyb(hue);
  const int x = Mod360(Round(Mod360(angle) + ryb));
  return Mod360(Round(RybToHue(x)));
}

int RybBrightnessStep(const THSBValues& neighbour, int hue) {
  // The factor is a double constant; the product is taken toward zero.
  const int delta = Trunc(std::max(neighbour.S, neighbour.B) * 0.1L);
  const int from = HueClass(neighbour.H);
  const int to = HueClass(hue);
  if ((from == 0 && to == 1) || (from == 1 && to == 1) || (from == 1 && to == 2)) return neighbour.B - delta;
  if ((from == 2 && to == 3) || (from == 3 && to == 3) || (from == 3 && to == 0)) return neighbour.B + delta;
  return neighbour.B;
}

TColor PaleColor(TColor color) {
  const THSBValues hsb = ColorToHSB(color);
  return HSBToColor({hsb.H, hsb.S / 3, hsb.B + hsb.B / 2});
}

TWheelSegments WheelSegments(TColor base, TColorWheelStyle style) {
  const THSBValues hsb = ColorToHSB(base);
  TWheelSegments segments{};
  if (style == wsRGB) {
    for (int i = 1; i < WheelSegmentCount; ++i)
      segments[std::size_t(i)] = HSBToColor({hsb.H - 30 * i, hsb.S, hsb.B});
  } else {
    segments[0] = HSBToColor(hsb);
    // Clockwise from the base: each segment's brightness follows from the one before it.
    for (int i = WheelSegmentCount - 1; i >= 1; --i) {
      const int hue = RybRotateHue(hsb.H, 360 - 30 * i);
      const THSBValues neighbour = ColorToHSB(segments[std::size_t(WheelSegmentIndex(i + 1))]);
      segments[std::size_t(i)] = HSBToColor({hue, hsb.S, RybBrightnessStep(neighbour, hue)});
    }
  }
  // The base's own segment shows the base itself: an HSB round trip would move it (E4572E to E3582E).
  segments[0] = ColorToRGB(base);
  return segments;
}

bool IsHarmonyAngle(TColorHarmonyType harmony, int angle) {
  if (harmony == chNone) return true;
  while (angle < 0) angle += 360;
  while (angle > 360) angle -= 360;
  const THarmonyAngles& angles = HarmonyAngles(harmony);
  return std::find(angles.begin(), angles.end(), angle) != angles.end();
}

std::vector<int> AddAllSegments(TColorHarmonyType harmony) {
  std::vector<int> segments;
  for (int n = WheelSegmentCount; n >= 1; --n)
    if (IsHarmonyAngle(harmony, SegmentAngle(n))) segments.push_back(WheelSegmentIndex(n));
  return segments;
}

TColorWheelStyle WheelStyleFromInt(int value) {
  return value >= wsRGB && value <= wsRYB ? static_cast<TColorWheelStyle>(value) : wsRGB;
}

TColorHarmonyType HarmonyFromInt(int value) {
  return value >= chNone && value <= chRect ? static_cast<TColorHarmonyType>(value) : chNone;
}

}  // namespace tintorium
