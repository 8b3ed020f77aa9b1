#pragma once
// The colours of the colour wheel: twelve segments 30 degrees apart on the RGB hue circle or on the painter's
// red-yellow-blue circle, their pale forms, and which segments a colour harmony takes.
//
// Screen angles: 270 is the top, where segment 0 (the base) sits; angles grow clockwise, and segment i sits at
// 270 - 30 i.

#include "core/ColorTypes.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tintorium {

enum TColorWheelStyle : std::uint8_t { wsRGB = 0, wsRYB };
inline constexpr int ColorWheelStyleCount = 2;
inline constexpr std::array<std::string_view, ColorWheelStyleCount> ColorWheelStyleNames{"RGB", "RYB"};
static_assert(ColorWheelStyleNames.size() == wsRYB + 1);

enum TColorHarmonyType : std::uint8_t {
  chNone = 0,
  chPrimary,
  chComplement,
  chSplitComplement,
  chAnalogous,
  chTriad,
  chSquare,
  chRect,
};
inline constexpr int ColorHarmonyCount = 8;
/// The texts of the harmony selector, indexed by TColorHarmonyType.
inline constexpr std::array<std::string_view, ColorHarmonyCount> ColorHarmonyNames{
    "None", "Primary", "Complementary", "Split-Complementary", "Analogous", "Triads", "Square", "Rectangle"};
static_assert(ColorHarmonyNames.size() == chRect + 1);

inline constexpr int WheelSegmentCount = 12;
using TWheelSegments = std::array<TColor, WheelSegmentCount>;

/// The screen angles of each harmony's members in their table order; -1 ends a shorter list. chNone has none
/// (every segment is a member).
using THarmonyAngles = std::array<int, 4>;
const THarmonyAngles& HarmonyAngles(TColorHarmonyType harmony);

/// Segment `index` brought into 0-11 (any integer; 12 is segment 0, -1 is segment 11).
int WheelSegmentIndex(int index);
/// The screen angle of segment `index` (270 - 30 index).
constexpr int SegmentAngle(int index) { return 270 - 30 * index; }

/// Rotates the HSB hue `hue` (0-360) by `angle` degrees on the red-yellow-blue circle; the answer is an HSB hue
/// 0-359. Any angle is brought into 0-359 first.
int RybRotateHue(int hue, int angle);
/// The brightness of a RYB segment whose clockwise-earlier neighbour has `neighbour` HSB and whose own hue is
/// `hue`: darker by a tenth of the neighbour's larger of S and B when the hue moves into yellow-green, brighter
/// when it moves back into red. Not clamped.
int RybBrightnessStep(const THSBValues& neighbour, int hue);
/// The colour a segment shows when it is not a member of the harmony: a third of the saturation, half as bright
/// again (clamped by the HSB conversion).
TColor PaleColor(TColor color);

/// The twelve segment colours built from `base` in `style`. Segment 0 is the base itself (resolved to RGB); the
/// others are computed from the base's HSB values.
TWheelSegments WheelSegments(TColor base, TColorWheelStyle style);

/// Whether a segment at screen `angle` (any integer; brought into 0-360) is shown in full colour: always with
/// chNone, otherwise when the angle is one of the harmony's angles.
bool IsHarmonyAngle(TColorHarmonyType harmony, int angle);
/// The segments "Add all to palette" takes, in its order: the base, then clockwise from the top (11, 10, ... 1),
/// members of the harmony only.
std::vector<int> AddAllSegments(TColorHarmonyType harmony);

/// Style and harmony read from stored whole numbers; anything out of range is the default (wsRGB, chNone).
TColorWheelStyle WheelStyleFromInt(int value);
TColorHarmonyType HarmonyFromInt(int value);

}  // namespace tintorium
